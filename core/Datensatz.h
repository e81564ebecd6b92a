// Byte layouts of the data file: the 96-byte fill-up record, the header laid
// over the same 96 bytes, and the 76-byte records of the old format.
// Integers little-endian, strings as length byte plus code page 1252 bytes.
#pragma once

#include "Sprilo_Dek.h"

#include <cstdint>
#include <string>

constexpr int SatzGroesse = 96;
constexpr int AltSatzGroesse = 76;

struct TDateiKopf {
    uint8_t Kennung[4] = {0, 0, 0, 0};
    int32_t Anzahl = 0;
    std::string Kennzeichen;        // the field holds 40; the program takes 20
    long double Festverbrauch = 0;
    uint8_t EuroDaten = 1;          // 0: amounts in DM (older version)
    long double Tankinhalt = 0;
};

void FuellungKodieren(const TTankFuellung &f, uint8_t *satz);
TTankFuellung FuellungDekodieren(const uint8_t *satz);
void KopfKodieren(const TDateiKopf &k, uint8_t *satz);
TDateiKopf KopfDekodieren(const uint8_t *satz);

// Old format, read only.
struct TAlteFuellung {
    TDatum Datum;
    int32_t KMStand = 0;
    int8_t TankstellenNr = -1;
    std::string Tankstelle;
    uint16_t Betrag = 0;            // whole currency units
    long double Liter = 0;
    uint8_t Vollgetankt = 0;
    long double LiterNachAbschaltung = 0;
    uint16_t LiterPreis = 0;
};

struct TAlterKopf {
    uint8_t Kennung[4] = {0, 0, 0, 0};
    int32_t Anzahl = 0;
    std::string Kennzeichen;
    long double Festverbrauch = 0;
};

TAlteFuellung AlteFuellungDekodieren(const uint8_t *satz);
TAlterKopf AltenKopfDekodieren(const uint8_t *satz);
// Only for tests and tools that need old files.
void AlteFuellungKodieren(const TAlteFuellung &f, uint8_t *satz);
void AltenKopfKodieren(const TAlterKopf &k, uint8_t *satz);

// Fixed-capacity string fields.
std::string TextfeldLesen(const uint8_t *feld, int kapazitaet);
void TextfeldSchreiben(const std::string &utf8, int kapazitaet, uint8_t *feld);
