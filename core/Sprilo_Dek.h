// Fill-up record, the in-memory fill-up list and the program's global state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Packed date. All three zero means "no date". Day 1 and day 32 mark the
// start and the end of a month in period settings.
struct TDatum {
    uint8_t Tag = 0;
    uint8_t Monat = 0;
    uint16_t Jahr = 0;

    friend bool operator==(const TDatum &a, const TDatum &b)
    {
        return a.Tag == b.Tag && a.Monat == b.Monat && a.Jahr == b.Jahr;
    }
    friend bool operator!=(const TDatum &a, const TDatum &b) { return !(a == b); }
};

// One fill-up. Strings are held as UTF-8; the data file stores them in
// code page 1252 (see Datensatz.h), capacities count characters.
struct TTankFuellung {
    TDatum Datum;
    int32_t KMStand = -1;
    int8_t TankstellenNr = -1;
    std::string Tankstelle;           // at most 40 characters
    uint8_t AlteWaehrung = 1;
    long double Betrag = 0;           // EUR
    long double Liter = 0;
    uint8_t Vollgetankt = 0;          // 1 = filled to the brim
    long double BetragNachAbschaltung = 0;
    long double LiterNachAbschaltung = 0;
    uint16_t LiterPreis = 0;          // thousandths of a euro per litre
};

// The version the program shows ("3.2").
inline constexpr const char *ProgrammVersion = SPRILO_VERSION;

constexpr int KapazitaetTankstelle = 40;
constexpr int KapazitaetKennzeichen = 20;
constexpr int MaxTankstellen = 10;
constexpr int MaxFuellungenEingabe = 6000;

// The fill-up list. The entry at index i has the running number Nr = i + 1;
// sorting moves records, so a number always names a position.
using TTankListe = std::vector<TTankFuellung>;

// ---- global state ---------------------------------------------------------
extern TTankListe Fuellungen;
inline int32_t AnzahlFuellungen() { return static_cast<int32_t>(Fuellungen.size()); }

extern bool DatenVorhanden;
extern bool Gespeichert;
extern bool DatenLogisch;
extern int32_t FehlerNr1;          // Nr of the last pair that failed the logical check
extern int32_t FehlerNr2;
extern std::string Kennzeichen;    // at most 20 characters
extern long double Tankinhalt;     // litres
extern long double Festverbrauch;  // L/100 km
extern bool FestverbrauchAn;
extern bool WarnTonAn;
extern std::string Tankstellen[MaxTankstellen];
extern uint8_t AnzahlTankstellen;
extern std::string DateiName;
extern std::string DatenVerzeichnis;
extern std::string KonfigVerzeichnis;
extern bool KonfigSchreibbar;
// How much the platform enlarged the windows for the screen's font size
// (1 at the design size); every window multiplies its design size by it.
extern long double Fensterfaktor;

// Puts every global of this unit back to its start-up value (its part of
// GlobalenZustandZuruecksetzen).
void KernZustandZuruecksetzen();
// Starts new, empty data for a vehicle ("Neu"): empty list, no plate, no
// tank capacity, no fixed consumption, no file.
void NeueDaten();

// ---- list operations ------------------------------------------------------
void ListeLoeschen(TTankListe &liste);
void FuellungAnhaengen(const TTankFuellung &fuellung);
// Sorts by KMStand (stable: equal readings keep their order) and runs the
// logical date check; sets FehlerNr1/FehlerNr2 to the last failing pair.
void ListeOrdnen(TTankListe &liste, bool &ergebnis);
bool DatumFrueher(const TDatum &a, const TDatum &b);
bool KMStandVorhanden(int32_t km, int32_t ausser);
int TankstellenIndex(const std::string &name);
// Gives the record the number of its station in the current list; true
// when that changed it.
bool TankstellenNrAbgleichen(TTankFuellung &fuellung);
// The same for every record of the list; true when any changed.
bool TankstellenNeuZuordnen(TTankListe &liste);
uint16_t LiterPreisBerechnen(long double betrag, long double liter);
// The share of the amount paid for the litres after the pump's first
// shut-off; 0 for a record without litres (only a damaged file has one).
long double BetragNachAbschaltungBerechnen(long double betrag, long double literNachAbschaltung,
                                           long double liter);
