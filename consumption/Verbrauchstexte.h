// The texts the consumption window shows and hands to the printed report:
// the table's cells, the lines of the detail and information boxes, the
// sort description and the report's title and notes. Plain strings, so
// that the window, the report and the tests read the same.
#pragma once

#include "consumption/Verbrauchswerte.h"

#include <string>

constexpr int VerbrauchsSpalten = 5;
// Header of the table, padded for the fixed-pitch font of its cells.
extern const char *const VerbrauchsKoepfe[VerbrauchsSpalten];
// Cell spalte (0 from, 1 to, 2 distance, 3 litres consumed, 4 average).
std::string VerbrauchsZelle(const TVerbrauchsWert &w, int spalte);

// What the detail box and each page of the information box show of one
// value; Fahrstrecke is empty when tankinhalt is 0.
struct TVerbrauchsDetails {
    std::string VonKM;
    std::string VonDatum;       // "am 01.02.2003"
    std::string BisKM;
    std::string BisDatum;
    std::string Strecke;        // "1.234 Km"
    std::string LiterGetankt;
    std::string LiterVerbraucht;
    std::string Durchschnitt;   // "%8.6nL/100Km"
    std::string Fahrstrecke;    // "%7.2n KM   (mit %4.2n Liter)"
    std::string Tankungen;      // "Anzahl der einbezogenen Tankfüllungen : n"
    std::string Kosten;         // "Der Gesamtbetrag von EUR ..."
};
TVerbrauchsDetails VerbrauchsDetails(const TVerbrauchsWert &w, long double tankinhalt);

// "Sortiert nach Datum." ... "Ungekehrt sortiert nach Kilometerpreis."
std::string VerbrauchsSortierText(int sortierung, bool umgekehrt);
// Shown while the values are sorted.
inline constexpr const char *VerbrauchsSortierWarteText = " Die Daten werden neu sortiert. Bitte warten ...  ";

// Title of the consumption report for the selection (VerbrauchsAuswahl,
// AnzahlVerbrauchswerte, the years and the period).
std::string VerbrauchsDruckTitel();
// Its second note: how the values were merged; empty for single values
// and for the last values.
std::string VerbrauchsDruckHinweis();
