// The fill-up selection: which fill-ups the list window and the fill-up
// report show, and in which order. The settings live with the configuration
// (Konfiguration.h); the selection itself is a list of copies.
#pragma once

#include "core/Sprilo_Dek.h"

#include <array>
#include <cstdint>
#include <string>

// Copies of the chosen fill-ups in selection order: entry i has the number
// i + 1, so sorting renumbers by position. Empty = nothing chosen.
extern TTankListe AuswahlListe;
inline int32_t AuswahlAnzahl() { return static_cast<int32_t>(AuswahlListe.size()); }

// Empties the selection (this unit's part of GlobalenZustandZuruecksetzen).
void AuswahlZustandZuruecksetzen();

// Builds the selection from the settings: the fill-ups of the main list,
// in odometer order, that pass the station test and the time test.
void AuswahlBilden();
// Sorts the selection by FuellungsSortierung and FuellungenUmgekehrt.
// Equal keys are ordered by odometer, so the reversed order is exactly the
// forward order backwards.
void AuswahlSortieren();
void AuswahlSortieren(TTankListe &liste, uint8_t sortierung, bool umgekehrt);
// "Alle Tankstellen aus allen Jahren." and the like.
std::string AuswahlText();
// "Aufsteigend sortiert nach Datum." and the like.
std::string SortierungsText(uint8_t sortierung, bool umgekehrt);
inline constexpr const char *SortierWarteText = "Die Daten werden sortiert.  Bitte warten ...";

// The columns of a fill-up table, as the list window and sprilo-cli show
// them.
constexpr int FuellungsSpalten = 8;
extern const std::array<const char *, FuellungsSpalten> FuellungsKoepfe;
std::string FuellungsZelle(const TTankFuellung &f, int spalte);

// The summary pages of the list window, each text as its label shows it.
struct TAuswahlZusammenfassung {
    std::string Gefunden;                 // DI_Label2
    std::string Gesamtbetrag;             // DI_Label3a
    std::string GesamtLiter;              // DI_Label4a
    std::string LiterpreisGerundet;       // DI_Label5a
    std::string GeringsterBetrag;         // DI2_Label3
    std::string HoechsterBetrag;          // DI2_Label5
    std::string DurchschnittBetrag;       // DI2_Label7
    std::string GeringsteMenge;           // DI3_Label3
    std::string GroessteMenge;            // DI3_Label5
    std::string DurchschnittMenge;        // DI3_Label7
    std::string GeringsterLiterpreis;     // DI4_Label3
    std::string HoechsterLiterpreis;      // DI4_Label5
    std::string DurchschnittLiterpreis;   // DI4_Label7
};
// Runs once over liste in its order; on equal values the first one wins.
// An empty list gives empty texts.
TAuswahlZusammenfassung AuswahlZusammenfassen(const TTankListe &liste);
