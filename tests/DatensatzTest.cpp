// Byte layouts of the data file: the extended codec, text fields in code page
// 1252 and the old 76-byte records, checked against a file written by an
// independent implementation.
#include "Cp1252.h"
#include "Datensatz.h"
#include "Extended.h"
#include "Fixtures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <random>
#include <tuple>

namespace {

using TBytes = std::vector<uint8_t>;

TBytes Hex(const std::string &hex)
{
    TBytes b;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        b.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return b;
}

TEST(Extended, werteUndBitmusterBleibenBitgenau)
{
    const std::pair<const char *, long double> werte[] = {
        {"0000000000000080FF3F", 1.0L},          {"0000000000000080FFBF", -1.0L},
        {"00000000000000C80540", 100.0L},        {"0000000000000080FC3F", 0.125L},
        {"D7A3703D0AD7A380FF3F", 1.005L},        {"00000000000000B60440", 45.5L},
        {"05F53AF3E34984CC0440", 1.0L / 1.95583L * 100.0L}, {"00000000000000000080", -0.0L},
        {"01000000000000000000", LDBL_TRUE_MIN}, {"FFFFFFFFFFFFFFFFFE7F", LDBL_MAX},
        {"0000000000000080FF7F", HUGE_VALL}};
    TBytes b(10);
    for (const auto &[hex, wert] : werte) {
        ExtendedSchreiben(wert, b.data());
        EXPECT_EQ(b, Hex(hex)) << hex;
        const long double gelesen = ExtendedLesen(b.data());
        EXPECT_TRUE(gelesen == wert && std::signbit(gelesen) == std::signbit(wert)) << hex;
    }
    EXPECT_TRUE(std::isnan(ExtendedLesen(Hex("00000000000000C0FFFF").data())));

    // Every pattern, whether or not the host's long double can hold its value, comes back as it was:
    // zero and -0, smallest and largest denormal, pseudo-denormal, +-infinity, quiet NaN, signalling NaN
    // with payload, NaN with payload and sign, pseudo-infinity and another unnormal; then random ones.
    const auto bitgenau = [](const TBytes &ein) {
        TBytes aus(10, 0xAA);
        ExtendedSchreiben(ExtendedLesen(ein.data()), aus.data());
        return aus == ein;
    };
    for (const char *m : {"00000000000000000000", "00000000000000000080", "01000000000000000000",
                          "FFFFFFFFFFFFFF7F0000", "00000000000000800000", "0000000000000080FF7F",
                          "0000000000000080FFFF", "00000000000000C0FF7F", "0100000000000080FF7F",
                          "123456789ABCDEF0FFFF", "0000000000000000FF7F", "12345678000000001234"})
        EXPECT_TRUE(bitgenau(Hex(m))) << m;
    std::mt19937_64 zufall(20261206);
    for (int i = 0; i < 200000; ++i) {
        const uint64_t a = zufall(), c = zufall();
        for (int k = 0; k < 10; ++k)
            b[k] = static_cast<uint8_t>((k < 8 ? a : c) >> (8 * (k % 8)));
        ASSERT_TRUE(bitgenau(b)) << i;
    }
}

TEST(Textfeld, laengeBytesUndKapazitaet)
{
    // Length byte, code page 1252, zeros behind the text.
    uint8_t feld[41];
    std::memset(feld, 0xEE, sizeof feld);
    TextfeldSchreiben("Tank€Shop Würzburg", 40, feld);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(feld), 41),
              std::string("\x12Tank\x80Shop W\xFC" "rzburg") + std::string(22, '\0'));
    EXPECT_EQ(TextfeldLesen(feld, 40), "Tank€Shop Würzburg");
    // A text too long is cut to the capacity, and a length byte beyond it reads no further.
    TextfeldSchreiben("ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüß", 20, feld);   // one character too many
    EXPECT_EQ(feld[0], 20);
    EXPECT_EQ(TextfeldLesen(feld, 20), "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü");
    feld[0] = 200;
    std::memset(feld + 1, 'A', 40);
    EXPECT_EQ(TextfeldLesen(feld, 40), std::string(40, 'A'));
}

TEST(Cp1252, hinUndZurueckUndNurSpeicherbareZeichen)
{
    std::string alle;
    for (int i = 0; i < 256; ++i)
        alle += static_cast<char>(i);
    EXPECT_EQ(NachCp1252(AusCp1252(alle)), alle);
    EXPECT_EQ(NachCp1252("Ω→x"), "??x");
    EXPECT_EQ(NachCp1252(std::string("a\xC3", 2)), "a?");
    EXPECT_EQ(Zeichenzahl("Müller"), 6u);
    EXPECT_EQ(Zeichenweise("Müller", 2), "Mü");

    std::string abgelehnt;
    EXPECT_EQ(NurSpeicherbar("Łódź ✓ Straße €5 Œuvre\t\x7F\xC2\x81x", &abgelehnt), "ód  Straße €5 Œuvrex");
    EXPECT_EQ(abgelehnt, "Łź✓\t\x7F\xC2\x81");
    // Every other byte of the code page is kept, and so goes into the file and back unchanged;
    // DEL and the five undefined bytes come back as control characters.
    for (int b = 0x20; b < 0x100; ++b) {
        const std::string zeichen = AusCp1252(std::string(1, char(b)));
        const bool undefiniert = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == 0x7F;
        EXPECT_EQ(NurSpeicherbar(zeichen), undefiniert ? "" : zeichen) << b;
    }
}

// The new format's fixtures are read and written bit for bit by DatendateiTest; the old format is only read
// there, and its encoders serve the tests.

TEST(AltesFormat, saetzeWerdenBitgenauGelesenUndGeschrieben)
{
    const TFixtur fx = FixturLesen("alt");
    const std::string bytes = DateiInhalt(FixturPfad("alt", "alt.SPR"));
    const auto *roh = reinterpret_cast<const uint8_t *>(bytes.data());
    ASSERT_EQ(bytes.size(), (fx.Fuellungen.size() + 1) * AltSatzGroesse);

    const TAlterKopf k = AltenKopfDekodieren(roh);
    EXPECT_EQ(std::make_tuple(k.Kennzeichen, k.Anzahl, k.Festverbrauch), std::make_tuple("ALT-1", 4, 7.5L));
    std::string neu = Bytes(k, AltenKopfKodieren, AltSatzGroesse);
    for (size_t i = 0; i < fx.Fuellungen.size(); ++i) {
        const TTankFuellung &s = fx.Fuellungen[i];
        const TAlteFuellung ist = AlteFuellungDekodieren(roh + (i + 1) * AltSatzGroesse);
        EXPECT_EQ(std::tie(ist.Datum, ist.KMStand, ist.TankstellenNr, ist.Tankstelle, ist.Liter, ist.Vollgetankt,
                           ist.LiterNachAbschaltung, ist.LiterPreis),
                  std::tie(s.Datum, s.KMStand, s.TankstellenNr, s.Tankstelle, s.Liter, s.Vollgetankt,
                           s.LiterNachAbschaltung, s.LiterPreis)) << "Satz " << i + 1;
        EXPECT_EQ(ist.Betrag, static_cast<uint16_t>(std::nearbyintl(s.Betrag)));
        neu += Bytes(ist, AlteFuellungKodieren, AltSatzGroesse);
    }
    EXPECT_EQ(neu, bytes);
}

} // namespace
