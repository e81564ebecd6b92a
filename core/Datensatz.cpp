#include "Datensatz.h"

#include "Cp1252.h"
#include "Extended.h"

#include <algorithm>
#include <cstring>

namespace {

uint16_t U16(const uint8_t *p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

int32_t I32(const uint8_t *p)
{
    const uint32_t u = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
    return static_cast<int32_t>(u);
}

void U16Schreiben(uint16_t v, uint8_t *p)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

void I32Schreiben(int32_t v, uint8_t *p)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(u >> (8 * i));
}

TDatum DatumDekodieren(const uint8_t *p)
{
    TDatum d;
    d.Tag = p[0];
    d.Monat = p[1];
    d.Jahr = U16(p + 2);
    return d;
}

void DatumKodieren(const TDatum &d, uint8_t *p)
{
    p[0] = d.Tag;
    p[1] = d.Monat;
    U16Schreiben(d.Jahr, p + 2);
}

} // namespace

std::string TextfeldLesen(const uint8_t *feld, int kapazitaet)
{
    // A damaged length byte must not reach beyond the field.
    const int laenge = std::min<int>(feld[0], kapazitaet);
    return AusCp1252(std::string(reinterpret_cast<const char *>(feld + 1), laenge));
}

void TextfeldSchreiben(const std::string &utf8, int kapazitaet, uint8_t *feld)
{
    std::string bytes = NachCp1252(utf8);
    if (bytes.size() > static_cast<size_t>(kapazitaet))
        bytes.resize(kapazitaet);
    std::memset(feld, 0, kapazitaet + 1);
    feld[0] = static_cast<uint8_t>(bytes.size());
    std::memcpy(feld + 1, bytes.data(), bytes.size());
}

void FuellungKodieren(const TTankFuellung &f, uint8_t *satz)
{
    std::memset(satz, 0, SatzGroesse);
    DatumKodieren(f.Datum, satz + 0);
    I32Schreiben(f.KMStand, satz + 4);
    satz[8] = static_cast<uint8_t>(f.TankstellenNr);
    TextfeldSchreiben(f.Tankstelle, KapazitaetTankstelle, satz + 9);
    satz[50] = f.AlteWaehrung;
    ExtendedSchreiben(f.Betrag, satz + 52);
    ExtendedSchreiben(f.Liter, satz + 62);
    satz[72] = f.Vollgetankt;
    ExtendedSchreiben(f.BetragNachAbschaltung, satz + 74);
    ExtendedSchreiben(f.LiterNachAbschaltung, satz + 84);
    U16Schreiben(f.LiterPreis, satz + 94);
}

TTankFuellung FuellungDekodieren(const uint8_t *satz)
{
    TTankFuellung f;
    f.Datum = DatumDekodieren(satz + 0);
    f.KMStand = I32(satz + 4);
    f.TankstellenNr = static_cast<int8_t>(satz[8]);
    f.Tankstelle = TextfeldLesen(satz + 9, KapazitaetTankstelle);
    f.AlteWaehrung = satz[50];
    f.Betrag = ExtendedLesen(satz + 52);
    f.Liter = ExtendedLesen(satz + 62);
    f.Vollgetankt = satz[72];
    f.BetragNachAbschaltung = ExtendedLesen(satz + 74);
    f.LiterNachAbschaltung = ExtendedLesen(satz + 84);
    f.LiterPreis = U16(satz + 94);
    return f;
}

void KopfKodieren(const TDateiKopf &k, uint8_t *satz)
{
    std::memset(satz, 0, SatzGroesse);
    std::memcpy(satz, k.Kennung, 4);
    I32Schreiben(k.Anzahl, satz + 4);
    TextfeldSchreiben(k.Kennzeichen, 40, satz + 9);
    ExtendedSchreiben(0, satz + 52);
    ExtendedSchreiben(k.Festverbrauch, satz + 62);
    satz[72] = k.EuroDaten;
    ExtendedSchreiben(k.Tankinhalt, satz + 84);
}

TDateiKopf KopfDekodieren(const uint8_t *satz)
{
    TDateiKopf k;
    std::memcpy(k.Kennung, satz, 4);
    k.Anzahl = I32(satz + 4);
    k.Kennzeichen = TextfeldLesen(satz + 9, 40);
    k.Festverbrauch = ExtendedLesen(satz + 62);
    k.EuroDaten = satz[72];
    k.Tankinhalt = ExtendedLesen(satz + 84);
    return k;
}

TAlteFuellung AlteFuellungDekodieren(const uint8_t *satz)
{
    TAlteFuellung f;
    f.Datum = DatumDekodieren(satz + 0);
    f.KMStand = I32(satz + 4);
    f.TankstellenNr = static_cast<int8_t>(satz[8]);
    f.Tankstelle = TextfeldLesen(satz + 9, KapazitaetTankstelle);
    f.Betrag = U16(satz + 50);
    f.Liter = ExtendedLesen(satz + 52);
    f.Vollgetankt = satz[62];
    f.LiterNachAbschaltung = ExtendedLesen(satz + 64);
    f.LiterPreis = U16(satz + 74);
    return f;
}

TAlterKopf AltenKopfDekodieren(const uint8_t *satz)
{
    TAlterKopf k;
    std::memcpy(k.Kennung, satz, 4);
    k.Anzahl = I32(satz + 4);
    k.Kennzeichen = TextfeldLesen(satz + 9, 40);
    k.Festverbrauch = ExtendedLesen(satz + 52);
    return k;
}

void AlteFuellungKodieren(const TAlteFuellung &f, uint8_t *satz)
{
    std::memset(satz, 0, AltSatzGroesse);
    DatumKodieren(f.Datum, satz + 0);
    I32Schreiben(f.KMStand, satz + 4);
    satz[8] = static_cast<uint8_t>(f.TankstellenNr);
    TextfeldSchreiben(f.Tankstelle, KapazitaetTankstelle, satz + 9);
    U16Schreiben(f.Betrag, satz + 50);
    ExtendedSchreiben(f.Liter, satz + 52);
    satz[62] = f.Vollgetankt;
    ExtendedSchreiben(f.LiterNachAbschaltung, satz + 64);
    U16Schreiben(f.LiterPreis, satz + 74);
}

void AltenKopfKodieren(const TAlterKopf &k, uint8_t *satz)
{
    std::memset(satz, 0, AltSatzGroesse);
    std::memcpy(satz, k.Kennung, 4);
    I32Schreiben(k.Anzahl, satz + 4);
    TextfeldSchreiben(k.Kennzeichen, 40, satz + 9);
    ExtendedSchreiben(k.Festverbrauch, satz + 52);
}
