// Parsing and formatting of numbers, dates and periods; text helpers;
// the program's beep and its colour table.
#pragma once

#include "Sprilo_Dek.h"

#include <cstdint>
#include <string>

// Days of January..December in a common year.
extern const uint8_t MonatsTage[12];
// Days of the month 1..12 in that year; 0 for a month outside 1..12.
int TageImMonat(int monat, int jahr);

// ---- numbers --------------------------------------------------------------
bool IstZiffer(char c);
bool IstTrenner(char c);
long double Potenz(int32_t n, long double x);

struct TZahlErgebnis {
    long double Wert = 0;
    bool Ok = false;
    uint8_t Anzahl = 0;        // characters scanned
    uint8_t Nachkomma = 0;     // decimals
};
TZahlErgebnis TextInZahl(const std::string &text);

struct TGanzzahlErgebnis {
    int32_t Wert = 0;
    uint8_t Fehler = 0;        // 0 ok, 1 not a number, 2 has decimals
};
TGanzzahlErgebnis TextInGanzzahl(const std::string &text);

std::string ZahlMitPunkten(int64_t n, int32_t breite);
std::string LiterText(int breite, long double liter);   // "%*.2nL"
std::string EuroText(long double betrag);              // "EUR %8.2n"
std::string PreisText(uint16_t preis);                 // "1.45,9 EUR/l"

// ---- dates ----------------------------------------------------------------
struct TDatumErgebnis {
    TDatum Datum;
    uint8_t Fehler = 0;        // 0 valid, 1 day, 2 month, 3 year, 4 not a date
};
TDatumErgebnis DatumLesen(const std::string &text);
uint8_t DatumPruefen(int tag, int monat, int jahr);    // error code as DatumLesen
std::string DatumText(const TDatum &d);
TDatum HeutigesDatum();
int8_t DatumVergleich(const TDatum &a, const TDatum &b);
bool Schaltjahr(int jahr);
// Month name (monat true) or quarter name of month nr; "" for nr outside 1..12.
std::string ZeitraumName(int nr, bool monat);

// ---- texts ----------------------------------------------------------------
// Upper case of one UTF-8 character (a..z, ä ö ü; everything else unchanged).
std::string GrossBuchstabe(const std::string &zeichen);
std::string Grossschreibung(const std::string &text);
bool TextEnthalten(const std::string &text, const std::string &teil, bool exakt);
bool Beschreibbar(const std::string &dateiname);

// ---- sound and colour -----------------------------------------------------
void Signal(int art, bool immer);
uint32_t FarbeNr(int32_t i);   // 0xRRGGBB
