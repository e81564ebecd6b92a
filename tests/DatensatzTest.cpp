// Byte layouts of the data file: the extended codec, the 96-byte record and
// header, the old 76-byte records, checked against files written by an
// independent implementation.
#include "Cp1252.h"
#include "Datensatz.h"
#include "Extended.h"
#include "Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>

namespace {

using TBytes = std::vector<uint8_t>;

TBytes Hex(const std::string &hex)
{
    TBytes b;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        b.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return b;
}

TBytes RundeReise(const TBytes &ein)
{
    TBytes aus(10, 0xAA);
    ExtendedSchreiben(ExtendedLesen(ein.data()), aus.data());
    return aus;
}

} // namespace

TEST(Extended, bekannteWerteWerdenGelesen)
{
    EXPECT_EQ(ExtendedLesen(Hex("0000000000000080FF3F").data()), 1.0L);
    EXPECT_EQ(ExtendedLesen(Hex("0000000000000080FFBF").data()), -1.0L);
    EXPECT_EQ(ExtendedLesen(Hex("00000000000000C80540").data()), 100.0L);
    EXPECT_EQ(ExtendedLesen(Hex("0000000000000080FC3F").data()), 0.125L);
    EXPECT_EQ(ExtendedLesen(Hex("D7A3703D0AD7A380FF3F").data()), 1.005L);
    EXPECT_EQ(ExtendedLesen(Hex("01000000000000000000").data()), LDBL_TRUE_MIN);
    EXPECT_EQ(ExtendedLesen(Hex("FFFFFFFFFFFFFFFFFE7F").data()), LDBL_MAX);
    EXPECT_TRUE(std::isinf(ExtendedLesen(Hex("0000000000000080FF7F").data())));
    EXPECT_TRUE(std::isnan(ExtendedLesen(Hex("00000000000000C0FFFF").data())));
}

TEST(Extended, werteWerdenGeschrieben)
{
    TBytes b(10);
    ExtendedSchreiben(45.5L, b.data());
    EXPECT_EQ(b, Hex("00000000000000B60440"));
    ExtendedSchreiben(-0.0L, b.data());
    EXPECT_EQ(b, Hex("00000000000000000080"));
    ExtendedSchreiben(1.0L / 1.95583L * 100.0L, b.data());
    EXPECT_EQ(b, Hex("05F53AF3E34984CC0440"));
}

TEST(Extended, besondereBitmusterBleibenBitgenau)
{
    const char *muster[] = {
        "00000000000000000000", // zero
        "00000000000000000080", // negative zero
        "01000000000000000000", // smallest denormal
        "FFFFFFFFFFFFFF7F0000", // largest denormal
        "00000000000000800000", // pseudo-denormal
        "0000000000000080FF7F", // infinity
        "0000000000000080FFFF", // minus infinity
        "00000000000000C0FF7F", // quiet NaN
        "010000000000008 0FF7F", // signalling NaN with payload (blank removed below)
        "123456789ABCDEF0FFFF", // NaN with payload and sign
        "00000000000000000000", // pseudo-infinity has no integer bit: unnormal
        "12345678000000001234", // unnormal
        "FFFFFFFFFFFFFFFFFE7F", // largest finite
    };
    for (std::string m : muster) {
        m.erase(std::remove(m.begin(), m.end(), ' '), m.end());
        const TBytes b = Hex(m);
        EXPECT_EQ(RundeReise(b), b) << m;
    }
}

TEST(Extended, zufaelligeBitmusterBleibenBitgenau)
{
    std::mt19937_64 zufall(20261206);
    for (int i = 0; i < 200000; ++i) {
        TBytes b(10);
        const uint64_t a = zufall();
        const uint64_t c = zufall();
        for (int k = 0; k < 8; ++k)
            b[k] = static_cast<uint8_t>(a >> (8 * k));
        b[8] = static_cast<uint8_t>(c);
        b[9] = static_cast<uint8_t>(c >> 8);
        ASSERT_EQ(RundeReise(b), b) << i;
    }
}

TEST(Textfeld, laengeUeberDerKapazitaetWirdBegrenzt)
{
    uint8_t feld[41] = {};
    feld[0] = 200;
    std::memset(feld + 1, 'A', 40);
    EXPECT_EQ(TextfeldLesen(feld, 40), std::string(40, 'A'));
}

TEST(Textfeld, schreibtCp1252UndNullenHinterDemText)
{
    uint8_t feld[41];
    std::memset(feld, 0xEE, sizeof feld);
    TextfeldSchreiben("Tank€Shop Würzburg", 40, feld);
    EXPECT_EQ(feld[0], 18);
    EXPECT_EQ(feld[5], 0x80);
    EXPECT_EQ(feld[12], 0xFC);
    for (int i = 19; i < 41; ++i)
        EXPECT_EQ(feld[i], 0) << i;
    EXPECT_EQ(TextfeldLesen(feld, 40), "Tank€Shop Würzburg");
}

TEST(Textfeld, zuLangerTextWirdAufDieKapazitaetGekuerzt)
{
    uint8_t feld[21];
    TextfeldSchreiben("ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜ", 20, feld);
    EXPECT_EQ(feld[0], 20);
    EXPECT_EQ(TextfeldLesen(feld, 20), "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü");
}

TEST(Cp1252, jedesByteKommtUnveraendertZurueck)
{
    std::string alle;
    for (int i = 0; i < 256; ++i)
        alle += static_cast<char>(i);
    EXPECT_EQ(NachCp1252(AusCp1252(alle)), alle);
}

TEST(Cp1252, fehlendeZeichenWerdenZuFragezeichen)
{
    EXPECT_EQ(NachCp1252("Ω→x"), "??x");
    EXPECT_EQ(NachCp1252(std::string("a\xC3", 2)), "a?");
    EXPECT_EQ(Zeichenzahl("Müller"), 6u);
    EXPECT_EQ(Zeichenweise("Müller", 2), "Mü");
}

TEST(Cp1252, nurSpeicherbareZeichenBleibenInEinemFeld)
{
    std::string abgelehnt;
    EXPECT_EQ(NurSpeicherbar("Łódź ✓ Straße €5 Œuvre\t\x7F\xC2\x81x", &abgelehnt), "ód  Straße €5 Œuvrex");
    EXPECT_EQ(abgelehnt, "Łź✓\t\x7F\xC2\x81");
    // Every other byte of the code page is kept, and so goes into the file
    // and back unchanged.
    for (int b = 0x20; b < 0x100; ++b) {
        const std::string zeichen = AusCp1252(std::string(1, char(b)));
        // The five undefined bytes come back as control characters.
        const bool undefiniert = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == 0x7F;
        EXPECT_EQ(NurSpeicherbar(zeichen), undefiniert ? "" : zeichen) << b;
    }
}

// ---- the fixtures -------------------------------------------------------------

class NeuesFormat : public ::testing::TestWithParam<const char *> {};

TEST_P(NeuesFormat, satzWirdBitgenauGelesenUndGeschrieben)
{
    const std::string ordner = GetParam();
    const TFixtur fx = FixturLesen(ordner);
    const std::string bytes = DateiInhalt(FixturPfad(ordner, ordner + ".SPR"));
    const auto *roh = reinterpret_cast<const uint8_t *>(bytes.data());
    ASSERT_GE(bytes.size(), (fx.Fuellungen.size() + 1) * SatzGroesse);

    for (size_t i = 0; i < fx.Fuellungen.size(); ++i) {
        const uint8_t *satz = roh + (i + 1) * SatzGroesse;
        const TTankFuellung soll = fx.Fuellungen[i];
        const TTankFuellung ist = FuellungDekodieren(satz);
        EXPECT_EQ(ist.Datum, soll.Datum);
        EXPECT_EQ(ist.KMStand, soll.KMStand);
        EXPECT_EQ(ist.TankstellenNr, soll.TankstellenNr);
        EXPECT_EQ(ist.Tankstelle, soll.Tankstelle);
        EXPECT_EQ(ist.AlteWaehrung, soll.AlteWaehrung);
        EXPECT_EQ(ist.Betrag, soll.Betrag);
        EXPECT_EQ(ist.Liter, soll.Liter);
        EXPECT_EQ(ist.Vollgetankt, soll.Vollgetankt);
        EXPECT_EQ(ist.BetragNachAbschaltung, soll.BetragNachAbschaltung);
        EXPECT_EQ(ist.LiterNachAbschaltung, soll.LiterNachAbschaltung);
        EXPECT_EQ(ist.LiterPreis, soll.LiterPreis);

        uint8_t neu[SatzGroesse];
        FuellungKodieren(soll, neu);
        EXPECT_EQ(TBytes(neu, neu + SatzGroesse), TBytes(satz, satz + SatzGroesse)) << "Satz " << i + 1;
    }
}

TEST_P(NeuesFormat, kopfWirdBitgenauGelesenUndGeschrieben)
{
    const std::string ordner = GetParam();
    const TFixtur fx = FixturLesen(ordner);
    const std::string bytes = DateiInhalt(FixturPfad(ordner, ordner + ".SPR"));
    const auto *roh = reinterpret_cast<const uint8_t *>(bytes.data());

    const TDateiKopf k = KopfDekodieren(roh);
    const std::string anzahl = fx.Kopf.count("anzahl") ? fx.Kopf.at("anzahl") : std::to_string(fx.Fuellungen.size());
    EXPECT_EQ(k.Anzahl, std::stoi(anzahl));
    EXPECT_EQ(k.Kennzeichen, fx.Kopf.at("kennzeichen"));
    EXPECT_EQ(k.Festverbrauch, KopfZahl(fx, "festverbrauch"));
    EXPECT_EQ(k.Tankinhalt, KopfZahl(fx, "tankinhalt"));
    EXPECT_EQ(k.EuroDaten, fx.Kopf.count("euro") ? std::stoi(fx.Kopf.at("euro")) : 1);

    uint8_t neu[SatzGroesse];
    KopfKodieren(k, neu);
    EXPECT_EQ(TBytes(neu, neu + SatzGroesse), TBytes(roh, roh + SatzGroesse));
}

INSTANTIATE_TEST_SUITE_P(Fixturen, NeuesFormat,
                         ::testing::Values("grund", "dm", "altewaehrung", "stationen", "muell"));

TEST(AltesFormat, saetzeWerdenBitgenauGelesen)
{
    const TFixtur fx = FixturLesen("alt");
    const std::string bytes = DateiInhalt(FixturPfad("alt", "alt.SPR"));
    const auto *roh = reinterpret_cast<const uint8_t *>(bytes.data());
    ASSERT_EQ(bytes.size(), (fx.Fuellungen.size() + 1) * AltSatzGroesse);

    const TAlterKopf k = AltenKopfDekodieren(roh);
    EXPECT_EQ(k.Kennzeichen, "ALT-1");
    EXPECT_EQ(k.Anzahl, 4);
    EXPECT_EQ(k.Festverbrauch, 7.5L);
    uint8_t neu[AltSatzGroesse];
    AltenKopfKodieren(k, neu);
    EXPECT_EQ(TBytes(neu, neu + AltSatzGroesse), TBytes(roh, roh + AltSatzGroesse));

    for (size_t i = 0; i < fx.Fuellungen.size(); ++i) {
        const uint8_t *satz = roh + (i + 1) * AltSatzGroesse;
        const TTankFuellung &soll = fx.Fuellungen[i];
        const TAlteFuellung ist = AlteFuellungDekodieren(satz);
        EXPECT_EQ(ist.Datum, soll.Datum);
        EXPECT_EQ(ist.KMStand, soll.KMStand);
        EXPECT_EQ(ist.TankstellenNr, soll.TankstellenNr);
        EXPECT_EQ(ist.Tankstelle, soll.Tankstelle);
        EXPECT_EQ(ist.Betrag, static_cast<uint16_t>(std::nearbyintl(soll.Betrag)));
        EXPECT_EQ(ist.Liter, soll.Liter);
        EXPECT_EQ(ist.Vollgetankt, soll.Vollgetankt);
        EXPECT_EQ(ist.LiterNachAbschaltung, soll.LiterNachAbschaltung);
        EXPECT_EQ(ist.LiterPreis, soll.LiterPreis);
        AlteFuellungKodieren(ist, neu);
        EXPECT_EQ(TBytes(neu, neu + AltSatzGroesse), TBytes(satz, satz + AltSatzGroesse)) << "Satz " << i + 1;
    }
}
