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

TEST(Format, ergibtInAllenReferenzzeilenDenErwartetenText)
{
    std::ifstream datei(SPRILO_TESTDATEN "/data/format.tsv");
    ASSERT_TRUE(datei.is_open()) << "format.tsv missing";
    std::string zeile;
    int nr = 0;
    while (std::getline(datei, zeile)) {
        ++nr;
        SCOPED_TRACE("row " + std::to_string(nr) + ": " + zeile);
        std::vector<std::string> f;
        std::stringstream ss(zeile);
        for (std::string feld; std::getline(ss, feld, '\t');)
            f.push_back(feld);
        ASSERT_EQ(f.size(), 5u);
        ASSERT_EQ(f[2].size(), 20u);
        ASSERT_TRUE(f[4].size() >= 2 && f[4].front() == '[' && f[4].back() == ']');
        const long double wert = ExtendedAusHex(f[2]);
        const std::string text = f[1] == "-" ? Format(f[0], {wert}) : Format(f[0], {std::stoi(f[1]), wert});
        EXPECT_EQ(text, f[4].substr(1, f[4].size() - 2));
    }
    EXPECT_EQ(nr, 533);
}

TEST(Format, hexDerReferenzzeilenWirdAlsExtendedGelesen)
{
    EXPECT_EQ(ExtendedAusHex("0000000000000080FF3F"), 1.0L);
    EXPECT_EQ(ExtendedAusHex("0000000000000080FFBF"), -1.0L);
    EXPECT_EQ(ExtendedAusHex("000000000000509A0940"), 1234.5L);
}

// ---- rounding ---------------------------------------------------------------

TEST(Format, rundetDieDezimalziffernHalbWeg)
{
    const struct {
        const char *Muster;
        long double Wert;
        const char *Erwartet;
    } faelle[] = {
        // Halves go away from zero, on the decimal digits, not the binary value.
        {"%4.2n", 0.125L, "0,13"}, {"%4.2n", -0.125L, "-0,13"}, {"%1.0n", 2.5L, "3"},
        {"%1.0n", 3.5L, "4"}, {"%1.0n", -2.5L, "-3"}, {"%1.0n", 0.5L, "1"}, {"%1.0n", 0.49L, "0"},
        // 2.675 in extended is a hair below; 18 digits make it a half again.
        {"%4.2n", 2.675L, "2,68"}, {"%4.2n", 1.005L, "1,01"},
        // But a double that far below stays below.
        {"%4.2n", static_cast<long double>(2.675), "2,67"},
        // A rounded zero has no sign.
        {"%4.2n", -0.004L, "0,00"}, {"%1.0n", -0.4L, "0"}, {"%4.2n", -0.0L, "0,00"},
        {"%4.2n", -0.005L, "-0,01"},
        // Carries run through the groups.
        {"%4.2n", 999.995L, "1.000,00"}, {"%4.2n", 99999.999L, "100.000,00"}, {"%3.2f", 999.995L, "1000,00"},
        // Tiny values.
        {"%8.6n", 0.0000005L, "0,000001"}, {"%8.6n", 0.0000004L, "0,000000"}, {"%4.2n", 1e-30L, "0,00"},
        // Grouping with %n only.
        {"%1.0n", 1234567.0L, "1.234.567"}, {"%2.2f", 1234567.891L, "1234567,89"},
        {"%1.0n", 123.0L, "123"}, {"%1.0n", -123456.0L, "-123.456"},
        // Precision defaults to 2 and is capped at the 18 digits there are.
        {"%n", 1.5L, "1,50"}, {"%f", 1.5L, "1,50"}, {"%.20n", 0.5L, "0,500000000000000000"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(Format(f.Muster, {f.Wert}), f.Erwartet) << f.Muster << " of " << static_cast<double>(f.Wert);
}

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
    // Beyond, the general format takes over.
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
