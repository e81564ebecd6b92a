// Parsing and formatting of numbers, dates and periods, the text helpers,
// the beep and the colour table.
#include "Plattform.h"
#include "Zusatz1.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <fstream>
#include <string>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Records the sounds, answers fixed system colours and a fixed "today".
class TFakePlattform final : public TPlattform {
public:
    std::vector<int> Toene;
    TDatum HeuteWert{17, 6, 2023};

    void Ton(int art) override { Toene.push_back(art); }
    uint32_t SystemFarbe(int index) override { return 0x100000u + static_cast<uint32_t>(index); }
    TDatum Heute() override { return HeuteWert; }
    int MeldungZeigen(const TMeldung &) override { return mrOk; }
};

class Zusatz1 : public testing::Test {
protected:
    TFakePlattform fake;
    void SetUp() override { PlattformSetzen(&fake), WarnTonAn = true; }
    void TearDown() override { PlattformSetzen(nullptr), WarnTonAn = true; }
};

TDatum D(int tag, int monat, int jahr) { return TDatum{uint8_t(tag), uint8_t(monat), uint16_t(jahr)}; }

// ok, value, characters, decimals of TextInZahl.
std::string Zahl(const std::string &text)
{
    const TZahlErgebnis e = TextInZahl(text);
    char s[80];
    std::snprintf(s, sizeof s, "%d %.18Lg %d %d", e.Ok, e.Wert, e.Anzahl, e.Nachkomma);
    return s;
}

// Value/error of TextInGanzzahl, and date and error of DatumLesen.
std::string Ganz(const std::string &t)
{
    const auto e = TextInGanzzahl(t);
    return std::to_string(e.Wert) + "/" + std::to_string(e.Fehler);
}
std::string Datum(const std::string &t)
{
    const auto e = DatumLesen(t);
    return DatumText(e.Datum) + " " + std::to_string(e.Fehler);
}

// Each input through f, compared with its expected text.
void Pruefen(const std::function<std::string(const std::string &)> &f,
             const std::vector<std::pair<std::string, std::string>> &faelle)
{
    for (const auto &[ein, aus] : faelle)
        EXPECT_EQ(f(ein), aus) << ein;
}

TEST_F(Zusatz1, zahlenLesen)
{
    Pruefen(Zahl, {
        // Every separator is a decimal point; a hyphen after the first position too.
        // The separators themselves are pinned by IstTrenner below.
        {"12,5", "1 12.5 4 1"}, {"12.5", "1 12.5 4 1"}, {"1-5", "1 1.5 3 1"}, {"--5", "1 -0.5 2 1"},
        {"12,", "1 12 3 0"}, {",5", "1 0.5 2 1"}, {"-0,5", "1 -0.5 3 1"}, {",", "1 0 1 0"}, {"0", "1 0 1 0"},
        {"12345", "1 12345 5 0"}, {"-42", "1 -42 2 0"}, {"45,50", "1 45.5 5 2"}, {"0,125", "1 0.125 5 3"},
        // At most 128 characters (not bytes) are read.
        {std::string(128, '0') + "x", "1 0 128 0"}, {"-" + std::string(126, '0') + "123", "1 -1 127 0"},
        {std::string(127, '0') + "ü5", "0 0 0 0"}, {std::string(128, '0') + "ü", "1 0 128 0"}});
    // Not numbers: value, count and decimals all 0.
    for (const char *text : {"1.234,5", "", "-", "1e3", "abc", "+5", " 5", "ä"})
        EXPECT_EQ(Zahl(text), "0 0 0 0") << text;
    // Whole numbers: error 1 not a number, 2 decimals; out of range held at the limit, never wrapped.
    Pruefen(Ganz, {{"12345", "12345/0"}, {"-17", "-17/0"}, {"12,", "12/0"}, {"12,0", "0/2"}, {"abc", "0/1"},
                   {"2147483647", "2147483647/0"}, {"-2147483648", "-2147483648/0"}, {"99999999999", "2147483647/0"},
                   {"-99999999999", "-2147483648/0"}});
    std::string ziffern, trenner;
    for (int c = 1; c < 256; ++c) {
        ziffern += IstZiffer(char(c)) ? std::string(1, char(c)) : "";
        trenner += IstTrenner(char(c)) ? std::string(1, char(c)) : "";
    }
    EXPECT_EQ(ziffern + " " + trenner, "0123456789 ,-./:;");
    EXPECT_EQ(std::vector<long double>({Potenz(0, 10), Potenz(-3, 10), Potenz(3, 10), Potenz(3, -2), Potenz(2, 1.5L)}),
              std::vector<long double>({1, 1, 1000, -8, 2.25L}));
}

TEST_F(Zusatz1, zahlenUndPreiseSchreiben)
{
    const std::pair<std::string, std::string> faelle[] = {
        {ZahlMitPunkten(1234567, 1), "1.234.567"}, {ZahlMitPunkten(-1234, 1), "-1.234"},
        {ZahlMitPunkten(999, 1), "999"}, {ZahlMitPunkten(5, 3), "  5"}, {ZahlMitPunkten(1000, 1), "1.000"},
        {ZahlMitPunkten(-100000, 1), "-100.000"}, {ZahlMitPunkten(-999, 1), "-999"},
        {ZahlMitPunkten(123456, 10), "   123.456"}, {ZahlMitPunkten(1234, -5), "1.234"},
        // Sums beyond 32 bits must not overflow.
        {ZahlMitPunkten(12345678901LL, 1), "12.345.678.901"},
        {ZahlMitPunkten(INT64_MIN, 1), "-9.223.372.036.854.775.808"},
        {LiterText(8, 45.5L), "   45,50L"}, {EuroText(1234.5L), "EUR 1.234,50"}};
    for (const auto &[ist, soll] : faelle)
        EXPECT_EQ(ist, soll);
    // Euro point cent comma tenth.
    Pruefen([](const std::string &p) { return PreisText(uint16_t(std::stoi(p))); },
            {{"7", "0.00,7 EUR/l"}, {"10", "0.01,0 EUR/l"}, {"85", "0.08,5 EUR/l"}, {"100", "0.10,0 EUR/l"},
             {"999", "0.99,9 EUR/l"}, {"1000", "1.00,0 EUR/l"}, {"12345", "12.34,5 EUR/l"}});
}

TEST_F(Zusatz1, datenLesenUndPruefen)
{
    // "Today" is 17.6.2023.
    Pruefen(Datum, {
        {"1.2", "01.02.2023 0"}, {"1.2.", "01.02.2023 0"}, {"01.02.05", "01.02.2005 0"}, {"1-2-85", "01.02.1985 0"},
        {"01.02.2005", "01.02.2005 0"}, {"1:2;2005", "01.02.2005 0"}, {"1,2,5", "01.02.2005 0"},
        {"1.1.00", "01.01.2000 0"}, {"1.1.79", "01.01.2079 0"}, {"1.1.80", "01.01.1980 0"}, {"1.1.99", "01.01.1999 0"},
        {"29.2.2001", "29.02.2001 1"}, {"1.13.2000", "01.13.2000 2"}, {"1.1.1899", "01.01.1899 3"},
        {"12", "12.00.2023 2"}, {"29.2.1900", "29.02.1900 1"}, {"29.2.2000", "29.02.2000 0"},
        {"15.06.2100", "15.06.2100 0"}, {"01.01.2101", "01.01.2101 3"},
        // Only the first 10 characters are read.
        {"01.02.2005xyz", "01.02.2005 0"}, {"1.2.2005abc", "01.02.2005 4"}, {"1.2.200567", "01.02.2005 0"},
        // Three-digit years stay as typed and fail the range.
        {"1.2.200", "01.02.200 3"},
        // A wrong day or month is told before a wrong year.
        {"31.4.1800", "31.04.1800 1"}, {"1.0.1800", "01.00.1800 2"}, {"0.1.2000", "00.01.2000 1"},
        {"32.1.2000", "32.01.2000 1"},
        // Not dates; scanning goes on after the fault, so "1..2000" reads its year digits as month digits.
        {"1..2000", "01.20.2023 4"}, {"", "00.00.2023 2"}, {"123.1.2000", "12.01.2000 4"},
        {"1.123.2000", "01.12.2000 4"}, {".1.2000", "01.20.2023 4"}, {"1.2.2000.", "01.02.2000 4"},
        {"1 .2.2000", "01.02.2000 4"}, {"a", "00.00.2023 4"}, {"1.März", "01.00.2023 4"}});
    std::string pruefen;
    for (auto [t, m, j] : {std::tuple{1, 1, 1900}, {31, 12, 2100}, {31, 12, 1899}, {1, 0, 2000}, {31, 6, 2000},
                           {30, 6, 2000}, {29, 2, 2100}})
        pruefen += std::to_string(DatumPruefen(t, m, j));
    EXPECT_EQ(pruefen, "0032101");
    EXPECT_EQ(DatumText(D(5, 11, 1999)) + " " + DatumText(D(31, 12, 2100)) + " " + DatumText(D(0, 0, 0)),
              "05.11.1999 31.12.2100 00.00.0");
    // The first difference decides.
    auto V = [](TDatum a, TDatum b) { return int(DatumVergleich(a, b)); };
    EXPECT_EQ(std::vector<int>({V(D(1, 1, 2000), D(31, 12, 1999)), V(D(31, 12, 1999), D(1, 1, 2000)),
                                V(D(1, 3, 2000), D(31, 2, 2000)), V(D(5, 3, 2000), D(6, 3, 2000)),
                                V(D(6, 3, 2000), D(5, 3, 2000)), V(D(6, 3, 2000), D(6, 3, 2000))}),
              std::vector<int>({1, -1, 1, -1, 1, 0}));
    std::string schaltjahre;
    for (int jahr : {1900, 2000, 2001, 2003, 2004, 2100, 2400})
        schaltjahre += Schaltjahr(jahr) ? std::to_string(jahr) + " " : "";
    EXPECT_EQ(schaltjahre, "2000 2004 2400 ");

    // Today and the missing year come from the platform.
    fake.HeuteWert = D(3, 3, 2031);
    EXPECT_EQ(DatumText(HeutigesDatum()) + " " + Datum("24.12") + " " + Datum("29.2"),
              "03.03.2031 24.12.2031 0 29.02.2031 1");
    fake.HeuteWert = D(3, 3, 2032);
    EXPECT_EQ(Datum("29.2"), "29.02.2032 0");
}

TEST_F(Zusatz1, tageImMonatOhneGeteilteTabelleZuAendern)
{
    std::string tage;
    for (auto [monat, jahr] : {std::pair{2, 2004}, {2, 2003}, {1, 2004}, {12, 2003}, {0, 2004}, {13, 2004}})
        tage += std::to_string(TageImMonat(monat, jahr)) + " ";
    EXPECT_EQ(tage, "29 28 31 31 0 0 ");
    // Checking a leap day leaves the common year's table as it is.
    EXPECT_EQ(DatumPruefen(29, 2, 2004), 0);
    EXPECT_EQ(MonatsTage[1], 28);
    EXPECT_EQ(DatumPruefen(29, 2, 2003), 1);
}

TEST_F(Zusatz1, zeitraumNamenUndTexte)
{
    std::string namen;
    for (int nr = -1; nr <= 13; ++nr)
        namen += ZeitraumName(nr, true) + "|" + ZeitraumName(nr, false) + "|";
    EXPECT_EQ(namen, "||||Januar|1. Quartal|Februar|1. Quartal|März|1. Quartal|April|2. Quartal|Mai|2. Quartal|"
                     "Juni|2. Quartal|Juli|3. Quartal|August|3. Quartal|September|3. Quartal|Oktober|4. Quartal|"
                     "November|4. Quartal|Dezember|4. Quartal|||");

    std::string gross;
    for (const char *z : {"a", "z", "ä", "ö", "ü", "ß", "A", "Ä", "é", "1", "{", "`", "€", ""})
        gross += GrossBuchstabe(z);
    EXPECT_EQ(gross, "AZÄÖÜßAÄé1{`€");
    EXPECT_EQ(Grossschreibung("Göttingen-Süd, Straße äöü ÄÖÜ 123"), "GÖTTINGEN-SÜD, STRAßE ÄÖÜ ÄÖÜ 123");

    // text, part, exact, found
    const std::tuple<std::string, std::string, bool, bool> faelle[] = {
        {"Tankstelle Nord", "NORD", false, true}, {"Tankstelle Nord", "NORD", true, false},
        {"Tankstelle Nord", "Nord", true, true},  {"Aral Süd", "süd", false, true},
        {"Aral Süd", "süd", true, false},         {"Straße", "STRAßE", false, true},
        {"Shell", "Esso", false, false},          {"Ess", "Esso", false, false},
        // An empty part is never found.
        {"Tankstelle", "", false, false}, {"Tankstelle", "", true, false},
        {"", "", true, false},            {"", "a", true, false},
        // Both are cut to 128 characters, not bytes; a longer part is cut too and then found.
        {std::string(126, 'x') + "abc", "xab", true, true}, {std::string(126, 'x') + "abc", "abc", true, false},
        {std::string(126, 'x') + "äöü", "xäö", true, true}, {std::string(126, 'x') + "äöü", "äöü", true, false},
        {std::string(128, 'y'), std::string(200, 'y'), true, true},
    };
    for (const auto &[text, teil, exakt, gefunden] : faelle)
        EXPECT_EQ(TextEnthalten(text, teil, exakt), gefunden) << teil << " in " << text << " " << exakt;
}

TEST_F(Zusatz1, beschreibbarLegtProbedateiAnUndLoeschtSie)
{
    char muster[] = "/tmp/zusatz1testXXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string verzeichnis = muster, name = verzeichnis + "/$$$$$$$$.$$$";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(std::ifstream(name).good());
    // An existing file is replaced and then deleted.
    std::ofstream(name) << "alt";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(std::ifstream(name).good());
    EXPECT_FALSE(Beschreibbar(verzeichnis + "/fehlt/datei.tmp") || Beschreibbar(verzeichnis) || Beschreibbar(""));
    std::remove(name.c_str());
    EXPECT_EQ(rmdir(verzeichnis.c_str()), 0);
}

TEST_F(Zusatz1, signalNurMitTonOderImmerUndStandardton)
{
    WarnTonAn = false;
    Signal(3, false);
    Signal(4, true);
    WarnTonAn = true;
    for (int art : {5, 1, 2, 3, 0, 6, -1, 100})
        Signal(art, false);
    EXPECT_EQ(fake.Toene, (std::vector<int>{4, 5, 1, 2, 3, 1, 1, 1, 1}));
}

TEST_F(Zusatz1, farbeNrModulo40SystemfarbenUndNegativSchwarz)
{
    // 41 is blue like 1; the numbers repeat every 40.
    EXPECT_EQ(FarbeNr(41), 0x0000FFu);
    for (int nr : {0, 4, 15})
        EXPECT_EQ(FarbeNr(nr + 400), FarbeNr(nr)) << nr;
    // The fake answers 0x100000 + index; neither the absolute value nor a
    // negative remainder picks a colour.
    std::vector<uint32_t> farben;
    for (int32_t nr : {16, 39, 56, 79, 80, -1, -24, -39, INT32_MIN})
        farben.push_back(FarbeNr(nr));
    EXPECT_EQ(farben, (std::vector<uint32_t>{0x100001, 0x100018, 0x100001, 0x100018, 0, 0, 0, 0, 0}));
}

} // namespace
