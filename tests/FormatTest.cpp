#include "Format.h"
#include "Zusatz1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

namespace {

// ---- reference vectors ------------------------------------------------------
// Each row of format.tsv: pattern, width argument or "-", the value as the
// 10 bytes of an 80-bit extended (little-endian), the value as written in the
// source it came from, and the expected text in brackets.

struct TVektor {
    int Zeile = 0;
    std::string Muster;
    bool MitBreite = false;
    int Breite = 0;
    long double Wert = 0;
    std::string Quelle;
    std::string Erwartet;
};

long double ExtendedAusHex(const std::string &hex)
{
    static_assert(std::numeric_limits<long double>::digits == 64, "needs the 80-bit extended format");
    unsigned char bytes[16] = {};
    for (int i = 0; i < 10; ++i)
        bytes[i] = static_cast<unsigned char>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
    long double v;
    static_assert(sizeof v <= sizeof bytes, "long double larger than expected");
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

std::vector<TVektor> VektorenLaden()
{
    std::vector<TVektor> vektoren;
    std::ifstream datei(SPRILO_TESTDATEN "/data/format.tsv");
    std::string zeile;
    int nr = 0;
    while (std::getline(datei, zeile)) {
        ++nr;
        if (zeile.empty())
            continue;
        std::vector<std::string> felder;
        std::stringstream ss(zeile);
        std::string feld;
        while (std::getline(ss, feld, '\t'))
            felder.push_back(feld);
        if (felder.size() != 5 || felder[2].size() != 20)
            continue;   // counted by the row-count test
        TVektor v;
        v.Zeile = nr;
        v.Muster = felder[0];
        v.MitBreite = felder[1] != "-";
        if (v.MitBreite)
            v.Breite = std::stoi(felder[1]);
        v.Wert = ExtendedAusHex(felder[2]);
        v.Quelle = felder[3];
        const std::string &e = felder[4];
        if (e.size() >= 2 && e.front() == '[' && e.back() == ']')
            v.Erwartet = e.substr(1, e.size() - 2);
        else
            v.Erwartet = "<malformed: " + e + ">";
        vektoren.push_back(v);
    }
    return vektoren;
}

const std::vector<TVektor> &Vektoren()
{
    static const std::vector<TVektor> v = VektorenLaden();
    return v;
}

class FormatVektor : public testing::TestWithParam<TVektor> {};

TEST_P(FormatVektor, ergibtDenErwartetenText)
{
    const TVektor &v = GetParam();
    SCOPED_TRACE("row " + std::to_string(v.Zeile) + ": " + v.Muster + " of " + v.Quelle);
    const std::string text = v.MitBreite ? Format(v.Muster, {v.Breite, v.Wert}) : Format(v.Muster, {v.Wert});
    EXPECT_EQ(text, v.Erwartet);
}

INSTANTIATE_TEST_SUITE_P(Referenz, FormatVektor, testing::ValuesIn(Vektoren()),
                         [](const testing::TestParamInfo<TVektor> &info) {
                             return "Zeile" + std::to_string(info.param.Zeile);
                         });

TEST(FormatVektorDatei, enthaeltAlleZeilen)
{
    EXPECT_EQ(Vektoren().size(), 533u);
}

TEST(FormatVektorDatei, hexWirdAlsExtendedGelesen)
{
    EXPECT_EQ(ExtendedAusHex("0000000000000080FF3F"), 1.0L);
    EXPECT_EQ(ExtendedAusHex("0000000000000080FFBF"), -1.0L);
    EXPECT_EQ(ExtendedAusHex("000000000000509A0940"), 1234.5L);
}

// ---- rounding ---------------------------------------------------------------

struct TFall {
    const char *Muster;
    long double Wert;
    const char *Erwartet;
};

class FormatRundung : public testing::TestWithParam<TFall> {};

TEST_P(FormatRundung, rundetDieDezimalziffernHalbWeg)
{
    const TFall &f = GetParam();
    EXPECT_EQ(Format(f.Muster, {f.Wert}), f.Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, FormatRundung,
    testing::Values(
        // Halves go away from zero, on the decimal digits, not the binary value.
        TFall{"%4.2n", 0.125L, "0,13"}, TFall{"%4.2n", -0.125L, "-0,13"}, TFall{"%1.0n", 2.5L, "3"},
        TFall{"%1.0n", 3.5L, "4"}, TFall{"%1.0n", -2.5L, "-3"}, TFall{"%1.0n", 0.5L, "1"},
        TFall{"%1.0n", 0.49L, "0"},
        // 2.675 in extended is a hair below; 18 digits make it a half again.
        TFall{"%4.2n", 2.675L, "2,68"}, TFall{"%4.2n", 1.005L, "1,01"},
        // But a double that far below stays below.
        TFall{"%4.2n", static_cast<long double>(2.675), "2,67"},
        // A rounded zero has no sign.
        TFall{"%4.2n", -0.004L, "0,00"}, TFall{"%1.0n", -0.4L, "0"}, TFall{"%4.2n", -0.0L, "0,00"},
        TFall{"%4.2n", -0.005L, "-0,01"},
        // Carries run through the groups.
        TFall{"%4.2n", 999.995L, "1.000,00"}, TFall{"%4.2n", 99999.999L, "100.000,00"},
        TFall{"%3.2f", 999.995L, "1000,00"},
        // Tiny values.
        TFall{"%8.6n", 0.0000005L, "0,000001"}, TFall{"%8.6n", 0.0000004L, "0,000000"},
        TFall{"%4.2n", 1e-30L, "0,00"},
        // Grouping with %n only.
        TFall{"%1.0n", 1234567.0L, "1.234.567"}, TFall{"%2.2f", 1234567.891L, "1234567,89"},
        TFall{"%1.0n", 123.0L, "123"}, TFall{"%1.0n", -123456.0L, "-123.456"},
        // Precision defaults to 2 and is capped at the 18 digits there are.
        TFall{"%n", 1.5L, "1,50"}, TFall{"%f", 1.5L, "1,50"},
        TFall{"%.20n", 0.5L, "0,500000000000000000"}));

// ---- patterns the program uses --------------------------------------------

TEST(Format, fuelltMitBlankenLinksAufDieBreite)
{
    EXPECT_EQ(Format("EUR %8.2n", {1234.5L}), "EUR 1.234,50");
    EXPECT_EQ(Format("EUR %8.2n", {5.0L}), "EUR     5,00");
    EXPECT_EQ(Format("%14.6nL/100Km", {6.5L}), "      6,500000L/100Km");
    EXPECT_EQ(Format("%7.2f", {3.0L}), "   3,00");
    EXPECT_EQ(Format("%2.2f", {123.456L}), "123,46");
}

TEST(Format, nimmtDieBreiteAusDemArgumentBeiStern)
{
    EXPECT_EQ(Format("%*.2nL", {8, 45.5L}), "   45,50L");
    EXPECT_EQ(Format("%*.2nL", {1, 45.5L}), "45,50L");
    EXPECT_EQ(Format("%*.2nL", {10, 1234.5L}), "  1.234,50L");
}

TEST(Format, linksbuendigMitMinus)
{
    EXPECT_EQ(Format("[%-6d]", {42}), "[42    ]");
    EXPECT_EQ(Format("[%-8.2n]", {1.5L}), "[1,50    ]");
}

TEST(Format, mehrereArgumenteUndLiteralText)
{
    EXPECT_EQ(Format("%7.2n KM   (mit %4.2n Liter)", {1234.5L, 45.25L}), "1.234,50 KM   (mit 45,25 Liter)");
    EXPECT_EQ(Format("%4.2n%%", {12.345L}), "12,35%");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("ohne Platzhalter", {}), "ohne Platzhalter");
    EXPECT_EQ(Format("", {}), "");
}

TEST(Format, ganzzahlUndText)
{
    EXPECT_EQ(Format("%d", {42}), "42");
    EXPECT_EQ(Format("%d", {-7}), "-7");
    EXPECT_EQ(Format("%5d|", {-7}), "   -7|");
    EXPECT_EQ(Format("%.3d", {7}), "007");
    EXPECT_EQ(Format("%d", {static_cast<long long>(INT64_MIN)}), "-9223372036854775808");
    EXPECT_EQ(Format("Nr. %d von %d", {3, 10}), "Nr. 3 von 10");
    EXPECT_EQ(Format("%s", {"Tankstelle"}), "Tankstelle");
    EXPECT_EQ(Format("%s: %s", {std::string("Datei"), "SPRILO.INI"}), "Datei: SPRILO.INI");
    EXPECT_EQ(Format("%6s|", {"ab"}), "    ab|");
    EXPECT_EQ(Format("%.3s", {"abcdef"}), "abc");
}

TEST(Format, textbreiteZaehltZeichenNichtBytes)
{
    EXPECT_EQ(Format("%5s|", {"Öl"}), "   Öl|");
    EXPECT_EQ(Format("%.2s", {"äöü"}), "äö");
}

TEST(Format, zahlMitGanzzahlArgument)
{
    EXPECT_EQ(Format("%4.2n", {1234}), "1.234,00");
    EXPECT_EQ(Format("%d", {12.9L}), "12");
}

TEST(Format, fehlendeArgumenteZaehlenAlsNull)
{
    EXPECT_EQ(Format("%4.2n und %d", {}), "0,00 und 0");
}

TEST(Format, unvollstaendigeOderUnbekannteAngabenBleibenStehen)
{
    EXPECT_EQ(Format("50%", {}), "50%");
    EXPECT_EQ(Format("%q", {1}), "%q");
}

// ---- values that are not ordinary numbers ---------------------------------

TEST(Format, nanUndUnendlichStuerzenNichtAb)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(Format("%4.2n", {nan}), " NAN");
    EXPECT_EQ(Format("%4.2n", {inf}), " INF");
    EXPECT_EQ(Format("%4.2n", {-inf}), "-INF");
    EXPECT_EQ(Format("%1.0n", {nan}), "NAN");
    EXPECT_EQ(Format("%3.2f", {inf}), "INF");
    EXPECT_EQ(Format("EUR %8.2n", {nan}), "EUR      NAN");
    EXPECT_EQ(Format("%*.2nL", {6, -inf}), "  -INFL");
}

TEST(Format, riesigeWerteInAllgemeinerDarstellung)
{
    // Up to 18 integer digits stay fixed-point.
    EXPECT_EQ(Format("%1.0n", {999999999999999999.0L}), "999.999.999.999.999.999");
    EXPECT_EQ(Format("%2.2f", {123456789012345678.0L}), "123456789012345678,00");
    // Beyond, the runtime switched to its general format.
    EXPECT_EQ(Format("%4.2n", {1e18L}), "1E18");
    EXPECT_EQ(Format("%4.2n", {-1.5e25L}), "-1,5E25");
    EXPECT_EQ(Format("%4.2n", {1.18973149535723176502e+4932L}), "1,18973149535723177E4932");
    EXPECT_EQ(Format("%12.2n", {2e20L}), "        2E20");
}

TEST(Format, kleinsteWerteWerdenNull)
{
    EXPECT_EQ(Format("%14.6n", {std::numeric_limits<long double>::denorm_min()}), "      0,000000");
    EXPECT_EQ(Format("%4.2n", {-std::numeric_limits<long double>::min()}), "0,00");
}

// ---- wrappers -------------------------------------------------------------

TEST(LiterText, formatiertMitBreiteUndL)
{
    EXPECT_EQ(LiterText(8, 45.5L), "   45,50L");
    EXPECT_EQ(LiterText(1, 0.0L), "0,00L");
    EXPECT_EQ(LiterText(10, 1234.567L), "  1.234,57L");
}

TEST(EuroText, formatiertMitAchtStellen)
{
    EXPECT_EQ(EuroText(1234.5L), "EUR 1.234,50");
    EXPECT_EQ(EuroText(0.0L), "EUR     0,00");
    EXPECT_EQ(EuroText(-12.345L), "EUR   -12,35");
    EXPECT_EQ(EuroText(12345678.5L), "EUR 12.345.678,50");
}

} // namespace
