// Format: the reference table tests/data/format.tsv, and the patterns,
// rounding cases and odd values that the table does not hold.
#include "Format.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <vector>

namespace {

// The 10 bytes of an 80-bit extended (little-endian), as hex.
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

// Each row: pattern, width argument or "-", the value as hex of an
// extended, the value as written in the source it came from, and the
// expected text in brackets.
TEST(Format, ergibtInAllenReferenzzeilenDenErwartetenText)
{
    std::ifstream datei(SPRILO_TESTDATEN "/data/format.tsv");
    ASSERT_TRUE(datei.is_open()) << "format.tsv missing";
    int nr = 0;
    for (std::string zeile; std::getline(datei, zeile);) {
        SCOPED_TRACE("row " + std::to_string(++nr) + ": " + zeile);
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

TEST(Format, wasDieReferenzzeilenNichtEnthalten)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    const std::pair<std::string, std::string> faelle[] = {
        // Halves go away from zero on the 18 decimal digits; a double a hair
        // below 2.675 stays below. A rounded zero has no sign.
        {Format("%1.0n", {-2.5L}), "-3"}, {Format("%4.2n", {static_cast<long double>(2.675)}), "2,67"},
        {Format("%4.2n", {-0.0L}), "0,00"}, {Format("%4.2n", {-0.005L}), "-0,01"},
        {Format("%4.2n", {1e-30L}), "0,00"},
        // Precision defaults to 2 and is capped at the 18 digits there are.
        {Format("%n", {1.5L}), "1,50"}, {Format("%f", {1.5L}), "1,50"},
        {Format("%.20n", {0.5L}), "0,500000000000000000"},
        {Format("[%-6d]", {42}), "[42    ]"}, {Format("[%-8.2n]", {1.5L}), "[1,50    ]"},
        {Format("%7.2n KM   (mit %4.2n Liter)", {1234.5L, 45.25L}), "1.234,50 KM   (mit 45,25 Liter)"},
        {Format("", {}), ""}, {Format("%d", {-7}), "-7"}, {Format("%5d|", {-7}), "   -7|"},
        {Format("%.3d", {7}), "007"},
        {Format("%d", {static_cast<long long>(INT64_MIN)}), "-9223372036854775808"},
        {Format("%s: %s", {std::string("Datei"), "SPRILO.INI"}), "Datei: SPRILO.INI"},
        {Format("%6s|", {"ab"}), "    ab|"}, {Format("%.3s", {"abcdef"}), "abc"},
        // Width and precision of a text count characters, not bytes.
        {Format("%5s|", {"Öl"}), "   Öl|"}, {Format("%.2s", {"äöü"}), "äö"},
        {Format("%4.2n", {1234}), "1.234,00"}, {Format("%d", {12.9L}), "12"},
        // Missing arguments count as zero; unfinished or unknown specifiers stay as typed.
        {Format("%4.2n und %d", {}), "0,00 und 0"}, {Format("50%", {}), "50%"}, {Format("%q", {1}), "%q"},
        {Format("%4.2n", {nan}), " NAN"}, {Format("%4.2n", {inf}), " INF"}, {Format("%4.2n", {-inf}), "-INF"},
        {Format("%3.2f", {inf}), "INF"},
        // Up to 18 integer digits stay fixed-point; beyond, the general format takes over.
        {Format("%1.0n", {999999999999999999.0L}), "999.999.999.999.999.999"},
        {Format("%2.2f", {123456789012345678.0L}), "123456789012345678,00"}, {Format("%4.2n", {1e18L}), "1E18"},
        {Format("%4.2n", {-1.5e25L}), "-1,5E25"}, {Format("%12.2n", {2e20L}), "        2E20"},
        {Format("%4.2n", {1.18973149535723176502e+4932L}), "1,18973149535723177E4932"},
        {Format("%14.6n", {std::numeric_limits<long double>::denorm_min()}), "      0,000000"},
        {Format("%4.2n", {-std::numeric_limits<long double>::min()}), "0,00"},
    };
    for (size_t i = 0; i < std::size(faelle); ++i)
        EXPECT_EQ(faelle[i].first, faelle[i].second) << "Fall " << i;
}

} // namespace
