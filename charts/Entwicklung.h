// The development series of the litre price and of the range: builders,
// merging by month, quarter or year, statistics and the axis scale of the
// development chart, and the change values its info labels show.
#pragma once

#include "core/Sprilo_Dek.h"

#include <cstdint>
#include <string>
#include <vector>

// One point of a series; only the fields of the series being built are
// filled, the others stay 0 or empty.
struct TEntwicklungsWert {
    uint32_t Nr = 1;                  // running number 1..n (index + 1)
    TDatum Datum;                     // litre price: date of the (first) fill-up
    std::string Bezeichnung;          // litre price: DatumText, after merging the period; at most 25 characters
    uint16_t Literpreis = 0;          // thousandths of a euro per litre
    long double Liter = 0;
    long double Betrag = 0;
    TDatum RW_VonDatum;               // range: start of the consumption value
    TDatum RW_BisDatum;               // range: end (of the last merged value)
    std::string RW_Bezeichnung;       // range: "von bis", after merging the period; at most 25 characters
    int32_t Strecke = 0;              // km
    long double LiterVerbraucht = 0;
    long double Durchschnitt = 0;     // L/100Km
    long double Reichweite = 0;       // km
};

// The point with number Nr is EntwicklungsListe[Nr - 1]; empty = nothing found.
using TEntwicklungsListe = std::vector<TEntwicklungsWert>;

extern TEntwicklungsListe EntwicklungsListe;
inline uint32_t AnzahlEntwicklungswerte() { return static_cast<uint32_t>(EntwicklungsListe.size()); }
extern uint8_t EntwicklungsArt;               // 1 litre price, 2 range
extern long double EW_Minimum;                // thousandths (litre price) or km (range)
extern long double EW_Maximum;
extern uint16_t DurchschnittsLiterpreis;      // thousandths of a euro
extern long double DurchschnittsVerbrauchRW;  // L/100Km
extern int32_t EW_Schritt;                    // value per axis unit
extern int32_t EW_Unten;                      // value at the axis start

// Empties the series (the series always starts empty; 0 points = nothing found).
void EntwicklungsListeLoeschen();
// Builds the litre-price series from LP_Zeitraumwahl, LP_Von, LP_Bis and
// LP_Ansicht, merged and with its statistics.
void ErmittleLiterpreisEntwicklung();
// Builds the range series from RW_Zeitraumwahl, RW_Von, RW_Bis, RW_Ansicht
// and Tankinhalt, merged and with its statistics.
void ErmittleReichweitenEntwicklung();
// Labels the points by month, quarter or year (LP_Ansicht or RW_Ansicht by
// EntwicklungsArt) and merges neighbours of equal label; renumbers.
void FasseEntwicklungZusammen(bool monatsnamen);
// Minimum, maximum, averages and the axis scale (EW_Schritt, EW_Unten).
void BerechneEntwicklungsStatistik();

// The axis scale of a series between minimum and maximum (thousandths of a
// euro, or km for the range): value per axis unit and value at the axis
// start, in thousandths or hundredths of a km. The chart and its print
// share it.
struct TEntwicklungsSkala {
    int32_t Schritt = 1;
    int32_t Unten = 0;
};
TEntwicklungsSkala EntwicklungsSkala(bool reichweite, long double minimum, long double maximum);
// Axis units from the axis start to wert (in the scale's units), both
// divisions truncating as the scale was computed.
int64_t SkalaEinheiten(const TEntwicklungsSkala &skala, int64_t wert);
// After a change of Tankinhalt: every Reichweite anew from its Durchschnitt,
// then BerechneEntwicklungsStatistik (the chart window's tank button).
void ReichweitenNeuBerechnen();
// Empties the series and its statistics (this unit's part of
// GlobalenZustandZuruecksetzen; the panel settings belong to the
// configuration's part).
void EntwicklungsZustandZuruecksetzen();

// The average range Tankinhalt x 100 / DurchschnittsVerbrauchRW in km, 0
// when that average is 0.
long double DurchschnittsReichweite();
// The value a point is measured by: Literpreis (thousandths) or Reichweite (km).
long double EntwicklungsGroesse(const TEntwicklungsWert &w);
// The average the series is measured against: DurchschnittsLiterpreis, or
// Reichweite(Tankinhalt, DurchschnittsVerbrauchRW) for the range.
long double EntwicklungsDurchschnitt();
// Change in percent from basis to wert; false when basis is 0 (no value).
bool VeraenderungProzent(long double wert, long double basis, long double &prozent);
// "+12,34%", "-3,00%", "0,00%" for exactly 0: sign "+" except for exactly 0,
// number with "%4.2n".
std::string VeraenderungText(long double prozent);
// The change of point nr (1..n) to the average, and to its predecessor;
// empty when there is no such value (no predecessor, divisor 0).
std::string VeraenderungZumDurchschnitt(uint32_t nr);
std::string VeraenderungZumVorgaenger(uint32_t nr);

// The heading lines of the printed development (by EntwicklungsArt):
// "Entwicklung über alle Jahre" or "Entwicklung zwischen 03/2003 und
// 05/2004.", and the note on merging ("" for single values).
std::string EntwicklungsDruckUeberschrift();
std::string EntwicklungsDruckHinweis();
