// Consumption values between full fill-ups: builders, merging by month,
// quarter or year, totals, sorting and the scale of the consumption graph.
#pragma once

#include "core/Sprilo_Dek.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TVerbrauchsWert {
    std::string Bezeichnung;      // at most 20 characters
    int32_t VonKM = -1;
    TDatum VonDatum;
    int32_t BisKM = -1;
    TDatum BisDatum;
    int32_t Strecke = 0;
    uint16_t AnzahlTankungen = 0;
    uint8_t Vollgetankt = 1;
    long double Betrag = 0;
    long double LiterGetankt = 0;
    long double LiterNachAbschaltungEnde = 0;
    long double LiterVerbraucht = 0;
    long double Durchschnitt = 0;
};

// The value with number Nr is VerbrauchsListe[Nr - 1]; empty = nothing found.
using TVerbrauchsListe = std::vector<TVerbrauchsWert>;

extern TVerbrauchsListe VerbrauchsListe;
inline int32_t AnzahlVerbrauchswerte() { return static_cast<int32_t>(VerbrauchsListe.size()); }
extern long double StartKorrektur;
extern TVerbrauchsWert GesamtVerbrauch;
extern TVerbrauchsWert KleinsterVerbrauch;
extern TVerbrauchsWert HoechsterVerbrauch;

// Selection settings (kept in the configuration file).
extern uint8_t VerbrauchsAuswahl;   // 1 last values, 2 this year, 3 chosen year, 4 period
extern uint16_t AktuellesJahr;
extern uint16_t GewaehltesJahr;
extern TDatum ZeitraumVon;          // day 1
extern TDatum ZeitraumBis;          // day 32
extern uint8_t VerbrauchsAnsicht;   // 1 single, 2 month, 3 quarter, 4 year

// Scale of the consumption graph, in hundredths of L/100Km.
extern int32_t SkalaSchritt;
extern int32_t SkalaUnten;

// A consumption axis of 120 steps for averages between kleinster and
// hoechster: hundredths of L/100Km per step and at the axis start. The
// graph and its print share it.
struct TVerbrauchsSkala {
    int32_t Schritt = 1;
    int32_t Unten = 0;
};
TVerbrauchsSkala VerbrauchsSkala(long double kleinster, long double hoechster);
// Steps from the axis start to the consumption verbrauch, both divisions
// truncating as the scale was computed; counted in 64 bits so that values
// from a damaged file cannot wrap.
int64_t SkalaSchritte(const TVerbrauchsSkala &skala, long double verbrauch);

void VerbrauchsListeLoeschen();
// Empties the list, the totals and the graph's scale (this unit's part of
// GlobalenZustandZuruecksetzen; the selection settings belong to the
// configuration's part).
void VerbrauchsZustandZuruecksetzen();
void ErmittleVerbrauchswerte();
// The builder behind ErmittleVerbrauchswerte: the single values of the
// fill-ups from the second on that gewaehlt accepts, handed to abgeben in
// order as each is complete (the last one too when it ends at a fill-up that
// was not full); the first value starts at the last full fill-up before the
// first chosen one. Touches no global but the fill-up list it reads, so the
// range development builds its own values with it.
void VerbrauchswerteBilden(const std::function<bool(const TTankFuellung &)> &gewaehlt,
                           const std::function<void(TVerbrauchsWert &&)> &abgeben, long double &startKorrektur);
void ErmittleLetzteVerbrauchswerte();
void FasseVerbrauchswerteZusammen(bool monatsnamen);
void BerechneGesamtverbrauch();
void BerechneGraphSkala();
// key 1 VonKM, 2 Durchschnitt, 3 Strecke, 4 LiterVerbraucht, 5 price per km.
void SortiereVerbrauchswerte(int sortierung, bool umgekehrt);

// Round half to even, clamped into i32; a NaN (damaged record) counts as 0.
int32_t RundeI32(long double x);

// Derived figures, guarded against a zero divisor (they give 0 then).
long double Reichweite(long double tankinhalt, long double durchschnitt);
long double KostenProKm(const TVerbrauchsWert &w);   // cents per km
uint16_t DurchschnittlicherLiterPreis(const TVerbrauchsWert &w);
