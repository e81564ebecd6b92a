#include "Plattform.h"
#include "Zusatz1.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
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

class MitFakePlattform : public testing::Test {
protected:
    TFakePlattform fake;
    void SetUp() override
    {
        PlattformSetzen(&fake);
        WarnTonAn = true;
        MonatsTageSetzen();
    }
    void TearDown() override
    {
        PlattformSetzen(nullptr);
        WarnTonAn = true;
        MonatsTageSetzen();
    }
};

TDatum D(int tag, int monat, int jahr)
{
    return TDatum{static_cast<uint8_t>(tag), static_cast<uint8_t>(monat), static_cast<uint16_t>(jahr)};
}

// ---- days per month, characters, small numbers ------------------------------

TEST_F(MitFakePlattform, monatsTageMitFebruarDesZuletztGeprueftenJahres)
{
    MonatsTage[1] = 29;
    MonatsTageSetzen();
    EXPECT_EQ(std::vector<int>(MonatsTage, MonatsTage + 12),
              (std::vector<int>{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}));
    DatumPruefen(1, 1, 2004);
    EXPECT_EQ(MonatsTage[1], 29);
    DatumPruefen(1, 1, 2003);
    EXPECT_EQ(MonatsTage[1], 28);
    // Also for a year that fails the range check.
    DatumPruefen(1, 1, 2400);
    EXPECT_EQ(MonatsTage[1], 29);
    DatumLesen("1.1.2005");
    EXPECT_EQ(MonatsTage[1], 28);
}

TEST(Zeichenklassen, zifferUndGenauDieSechsTrennzeichen)
{
    std::string ziffern, trenner;
    for (int c = 1; c < 256; ++c) {
        if (IstZiffer(static_cast<char>(c)))
            ziffern += static_cast<char>(c);
        if (IstTrenner(static_cast<char>(c)))
            trenner += static_cast<char>(c);
    }
    EXPECT_EQ(ziffern, "0123456789");
    EXPECT_EQ(trenner, ",-./:;");
}

TEST(Potenz, wiederholteMultiplikationUndEinsFuerHoechstensNull)
{
    EXPECT_EQ(Potenz(0, 10), 1.0L);
    EXPECT_EQ(Potenz(-3, 10), 1.0L);
    EXPECT_EQ(Potenz(3, 10), 1000.0L);
    EXPECT_EQ(Potenz(3, -2), -8.0L);
    EXPECT_EQ(Potenz(2, 1.5L), 2.25L);
}

TEST(MinimumMaximum, kleinererUndGroessererWert)
{
    EXPECT_EQ(Minimum(3, 5), 3);
    EXPECT_EQ(Minimum(5, 3), 3);
    EXPECT_EQ(Minimum(-7, 2), -7);
    EXPECT_EQ(Maximum(3, 5), 5);
    EXPECT_EQ(Maximum(5, 3), 5);
    EXPECT_EQ(Maximum(INT32_MIN, INT32_MAX), INT32_MAX);
}

// ---- reading numbers --------------------------------------------------------

TEST(TextInZahl, liestDenText)
{
    const struct {
        const char *Text;
        bool Ok;
        long double Wert;
        int Anzahl, Nachkomma;
    } faelle[] = {
        // Every separator is a decimal point.
        {"12,5", true, 12.5L, 4, 1}, {"12.5", true, 12.5L, 4, 1}, {"12/5", true, 12.5L, 4, 1},
        {"12:5", true, 12.5L, 4, 1}, {"12;5", true, 12.5L, 4, 1},
        // A hyphen after the first position is a separator.
        {"1-5", true, 1.5L, 3, 1}, {"--5", true, -0.5L, 2, 1},
        {"12,", true, 12.0L, 3, 0}, {"5,", true, 5.0L, 2, 0}, {",5", true, 0.5L, 2, 1},
        {"-0,5", true, -0.5L, 3, 1}, {",", true, 0.0L, 1, 0}, {"0", true, 0.0L, 1, 0},
        {"12345", true, 12345.0L, 5, 0}, {"-42", true, -42.0L, 2, 0},
        {"45,50", true, 45.5L, 5, 2}, {"0,125", true, 0.125L, 5, 3},
        // Not numbers: value, count and decimals all 0.
        {"1.234,5", false, 0, 0, 0}, {"5,,0", false, 0, 0, 0}, {"", false, 0, 0, 0},
        {"-", false, 0, 0, 0}, {"1 2", false, 0, 0, 0}, {"1e3", false, 0, 0, 0},
        {"abc", false, 0, 0, 0}, {"+5", false, 0, 0, 0}, {" 5", false, 0, 0, 0},
        {"5 ", false, 0, 0, 0}, {"5€", false, 0, 0, 0}, {"ä", false, 0, 0, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string("\"") + f.Text + "\"");
        const TZahlErgebnis e = TextInZahl(f.Text);
        EXPECT_EQ(e.Ok, f.Ok);
        EXPECT_EQ(e.Wert, f.Wert);
        EXPECT_EQ(e.Anzahl, f.Anzahl);
        EXPECT_EQ(e.Nachkomma, f.Nachkomma);
    }
}

TEST(TextInZahl, liestHoechstens128Zeichen)
{
    // Digits after the 128th character do not count.
    const TZahlErgebnis e = TextInZahl(std::string(128, '1') + "x");
    EXPECT_TRUE(e.Ok);
    EXPECT_EQ(e.Anzahl, 128);
    const TZahlErgebnis m = TextInZahl("-" + std::string(130, '0'));
    EXPECT_TRUE(m.Ok);
    EXPECT_EQ(m.Anzahl, 127);
    // The cut counts characters, not bytes.
    EXPECT_FALSE(TextInZahl(std::string(127, '7') + "ü5").Ok);
    EXPECT_TRUE(TextInZahl(std::string(128, '7') + "ü").Ok);
}

TEST(TextInGanzzahl, liestGanzeZahlen)
{
    const struct {
        const char *Text;
        int32_t Wert;
        int Fehler;
    } faelle[] = {
        {"12345", 12345, 0}, {"-17", -17, 0}, {"0", 0, 0}, {"12,", 12, 0}, {"12,0", 0, 2},
        {"1,5", 0, 2}, {"abc", 0, 1}, {"", 0, 1}, {"1.234,5", 0, 1},
        {"2147483647", 2147483647, 0}, {"-2147483648", INT32_MIN, 0},
        // Out of range is held at the limit, never wrapped.
        {"99999999999", INT32_MAX, 0}, {"-99999999999", INT32_MIN, 0},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string("\"") + f.Text + "\"");
        const TGanzzahlErgebnis e = TextInGanzzahl(f.Text);
        EXPECT_EQ(e.Wert, f.Wert);
        EXPECT_EQ(e.Fehler, f.Fehler);
    }
}

// ---- number texts -----------------------------------------------------------

TEST(ZahlMitPunkten, gruppiertInDreienUndFuelltLinksAuf)
{
    const struct {
        int64_t Zahl;
        int32_t Breite;
        const char *Erwartet;
    } faelle[] = {
        {1234567, 1, "1.234.567"}, {-1234, 1, "-1.234"}, {999, 1, "999"}, {5, 3, "  5"},
        {0, 1, "0"}, {1000, 1, "1.000"}, {-100000, 1, "-100.000"}, {-999, 1, "-999"},
        {123456, 10, "   123.456"}, {1234, 0, "1.234"}, {1234, -5, "1.234"},
        // Sums beyond 32 bits must not overflow.
        {12345678901LL, 1, "12.345.678.901"}, {INT64_MIN, 1, "-9.223.372.036.854.775.808"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(ZahlMitPunkten(f.Zahl, f.Breite), f.Erwartet) << f.Zahl << " width " << f.Breite;
}

TEST(PreisText, euroPunktCentKommaZehntel)
{
    const struct {
        uint16_t Preis;
        const char *Erwartet;
    } faelle[] = {
        {1459, "1.45,9 EUR/l"}, {999, "0.99,9 EUR/l"},  {85, "0.08,5 EUR/l"},
        {7, "0.00,7 EUR/l"},    {12345, "12.34,5 EUR/l"}, {0, "0.00,0 EUR/l"},
        {1000, "1.00,0 EUR/l"}, {100, "0.10,0 EUR/l"},  {10, "0.01,0 EUR/l"},
        {65535, "65.53,5 EUR/l"},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(PreisText(f.Preis), f.Erwartet) << f.Preis;
}

// ---- dates ------------------------------------------------------------------

TEST_F(MitFakePlattform, datumLesenLiestUndPrueft)
{
    // "Today" of the fake is 17.6.2023.
    const struct {
        const char *Text;
        int Fehler, Tag, Monat, Jahr;
    } faelle[] = {
        {"1.2", 0, 1, 2, 2023},         {"1.2.", 0, 1, 2, 2023},         {"01.02.05", 0, 1, 2, 2005},
        {"1-2-85", 0, 1, 2, 1985},      {"01.02.2005", 0, 1, 2, 2005},   {"1/2/2005", 0, 1, 2, 2005},
        {"1:2;2005", 0, 1, 2, 2005},    {"1,2,5", 0, 1, 2, 2005},        {"1.1.00", 0, 1, 1, 2000},
        {"1.1.79", 0, 1, 1, 2079},      {"1.1.80", 0, 1, 1, 1980},       {"1.1.99", 0, 1, 1, 1999},
        {"29.2.2001", 1, 29, 2, 2001},  {"1.13.2000", 2, 1, 13, 2000},   {"1.1.1899", 3, 1, 1, 1899},
        {"12", 2, 12, 0, 2023},         {"31.4.2004", 1, 31, 4, 2004},   {"29.2.2004", 0, 29, 2, 2004},
        {"29.2.1900", 1, 29, 2, 1900},  {"29.2.2000", 0, 29, 2, 2000},   {"15.06.2100", 0, 15, 6, 2100},
        {"01.01.2101", 3, 1, 1, 2101},
        // Only the first 10 characters are read.
        {"01.02.2005xyz", 0, 1, 2, 2005}, {"1.2.2005abc", 4, 1, 2, 2005}, {"1.2.200567", 0, 1, 2, 2005},
        // Three-digit years stay as typed and fail the range.
        {"1.2.200", 3, 1, 2, 200},
        // A wrong day or month is told before a wrong year.
        {"31.4.1800", 1, 31, 4, 1800},  {"1.0.1800", 2, 1, 0, 1800},     {"0.1.2000", 1, 0, 1, 2000},
        {"32.1.2000", 1, 32, 1, 2000},
        // Not dates; scanning goes on after the fault, so "1..2000" reads its
        // year digits as month digits.
        {"1..2000", 4, 1, 20, 2023},    {"", 2, 0, 0, 2023},             {"123.1.2000", 4, 12, 1, 2000},
        {"1.123.2000", 4, 1, 12, 2000}, {".1.2000", 4, 1, 20, 2023},     {"1.2.2000.", 4, 1, 2, 2000},
        {"1 .2.2000", 4, 1, 2, 2000},   {"a", 4, 0, 0, 2023},            {"1.März", 4, 1, 0, 2023},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(std::string("\"") + f.Text + "\"");
        const TDatumErgebnis e = DatumLesen(f.Text);
        EXPECT_EQ(e.Fehler, f.Fehler);
        EXPECT_EQ(e.Datum, D(f.Tag, f.Monat, f.Jahr)) << DatumText(e.Datum);
    }
}

TEST_F(MitFakePlattform, heuteUndDasFehlendeJahrKommenVonDerPlattform)
{
    fake.HeuteWert = D(29, 2, 2024);
    EXPECT_EQ(HeutigesDatum(), D(29, 2, 2024));
    fake.HeuteWert = D(3, 3, 2031);
    EXPECT_EQ(DatumLesen("24.12").Datum, D(24, 12, 2031));
    EXPECT_EQ(DatumLesen("29.2").Fehler, 1);
    fake.HeuteWert = D(3, 3, 2032);
    EXPECT_EQ(DatumLesen("29.2").Fehler, 0);
}

TEST_F(MitFakePlattform, datumPruefenGrenzen)
{
    EXPECT_EQ(DatumPruefen(1, 1, 1900), 0);
    EXPECT_EQ(DatumPruefen(31, 12, 2100), 0);
    EXPECT_EQ(DatumPruefen(31, 12, 1899), 3);
    EXPECT_EQ(DatumPruefen(1, 0, 2000), 2);
    EXPECT_EQ(DatumPruefen(31, 6, 2000), 1);
    EXPECT_EQ(DatumPruefen(30, 6, 2000), 0);
    EXPECT_EQ(DatumPruefen(29, 2, 2100), 1);
}

TEST(DatumText, zweistelligTagUndMonatJahrOhneNullen)
{
    EXPECT_EQ(DatumText(D(5, 11, 1999)), "05.11.1999");
    EXPECT_EQ(DatumText(D(31, 12, 2100)), "31.12.2100");
    EXPECT_EQ(DatumText(D(0, 0, 0)), "00.00.0");
}

TEST(DatumVergleich, ersterUnterschiedEntscheidet)
{
    EXPECT_EQ(DatumVergleich(D(1, 1, 2000), D(31, 12, 1999)), 1);
    EXPECT_EQ(DatumVergleich(D(31, 12, 1999), D(1, 1, 2000)), -1);
    EXPECT_EQ(DatumVergleich(D(1, 3, 2000), D(31, 2, 2000)), 1);
    EXPECT_EQ(DatumVergleich(D(5, 3, 2000), D(6, 3, 2000)), -1);
    EXPECT_EQ(DatumVergleich(D(6, 3, 2000), D(5, 3, 2000)), 1);
    EXPECT_EQ(DatumVergleich(D(6, 3, 2000), D(6, 3, 2000)), 0);
}

TEST(Schaltjahr, gregorianischeRegel)
{
    std::vector<int> schaltjahre;
    for (int jahr : {1900, 2000, 2001, 2003, 2004, 2100, 2400})
        if (Schaltjahr(jahr))
            schaltjahre.push_back(jahr);
    EXPECT_EQ(schaltjahre, (std::vector<int>{2000, 2004, 2400}));
}

TEST(ZeitraumName, monateUndQuartaleSonstLeer)
{
    const std::vector<std::string> monate = {"Januar", "Februar", "März", "April", "Mai", "Juni",
                                             "Juli", "August", "September", "Oktober", "November", "Dezember"};
    const std::vector<std::string> quartale = {"1. Quartal", "1. Quartal", "1. Quartal", "2. Quartal",
                                               "2. Quartal", "2. Quartal", "3. Quartal", "3. Quartal",
                                               "3. Quartal", "4. Quartal", "4. Quartal", "4. Quartal"};
    for (int nr = 1; nr <= 12; ++nr) {
        EXPECT_EQ(ZeitraumName(nr, true), monate[nr - 1]) << nr;
        EXPECT_EQ(ZeitraumName(nr, false), quartale[nr - 1]) << nr;
    }
    EXPECT_EQ(ZeitraumName(0, true), "");
    EXPECT_EQ(ZeitraumName(13, true), "");
    EXPECT_EQ(ZeitraumName(13, false), "");
    EXPECT_EQ(ZeitraumName(-1, false), "");
}

// ---- texts ------------------------------------------------------------------

TEST(GrossBuchstabe, buchstabenUndUmlauteAlleAnderenBleiben)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"a", "A"}, {"z", "Z"}, {"ä", "Ä"}, {"ö", "Ö"}, {"ü", "Ü"}, {"ß", "ß"}, {"A", "A"}, {"Ä", "Ä"},
        {"é", "é"}, {"1", "1"}, {"{", "{"}, {"`", "`"}, {"€", "€"}, {"", ""},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(GrossBuchstabe(f.first), f.second) << f.first;
    EXPECT_EQ(Grossschreibung("Göttingen-Süd, Straße"), "GÖTTINGEN-SÜD, STRAßE");
    EXPECT_EQ(Grossschreibung("äöü ÄÖÜ 123"), "ÄÖÜ ÄÖÜ 123");
}

TEST(TextEnthalten, grossUndKleinschreibungUndLeererTeil)
{
    const struct {
        const char *Text, *Teil;
        bool Exakt, Erwartet;
    } faelle[] = {
        {"Tankstelle Nord", "NORD", false, true}, {"Tankstelle Nord", "NORD", true, false},
        {"Tankstelle Nord", "Nord", true, true},  {"Aral Süd", "süd", false, true},
        {"Aral Süd", "süd", true, false},         {"Straße", "STRAßE", false, true},
        {"Shell", "Esso", false, false},          {"Ess", "Esso", false, false},
        // An empty part is never found.
        {"Tankstelle", "", false, false},         {"Tankstelle", "", true, false},
        {"", "", true, false},                    {"", "a", true, false},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(TextEnthalten(f.Text, f.Teil, f.Exakt), f.Erwartet)
            << '"' << f.Teil << "\" in \"" << f.Text << "\" exakt " << f.Exakt;
}

TEST(TextEnthalten, beideWerdenAuf128ZeichenGekuerzt)
{
    const std::string text = std::string(126, 'x') + "abc";
    EXPECT_TRUE(TextEnthalten(text, "xab", true));
    EXPECT_FALSE(TextEnthalten(text, "abc", true));
    // Characters, not bytes.
    const std::string umlaute = std::string(126, 'x') + "äöü";
    EXPECT_TRUE(TextEnthalten(umlaute, "xäö", true));
    EXPECT_FALSE(TextEnthalten(umlaute, "äöü", true));
    // A part beyond 128 characters is cut too and then found.
    EXPECT_TRUE(TextEnthalten(std::string(128, 'y'), std::string(200, 'y'), true));
}

TEST(Beschreibbar, legtProbedateiAnUndLoeschtSieFehlerGebenFalse)
{
    char muster[] = "/tmp/zusatz1testXXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string verzeichnis = muster;
    const std::string name = verzeichnis + "/$$$$$$$$.$$$";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(std::ifstream(name).good());
    // An existing file is replaced and then deleted.
    std::ofstream(name) << "alt";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(std::ifstream(name).good());

    EXPECT_FALSE(Beschreibbar(verzeichnis + "/fehlt/datei.tmp"));
    EXPECT_FALSE(Beschreibbar(verzeichnis));
    EXPECT_FALSE(Beschreibbar(""));
    std::remove(name.c_str());
    EXPECT_EQ(rmdir(verzeichnis.c_str()), 0);
}

// ---- sound and colour -------------------------------------------------------

TEST_F(MitFakePlattform, signalNurMitTonOderImmer)
{
    WarnTonAn = false;
    Signal(3, false);
    Signal(4, true);
    WarnTonAn = true;
    Signal(5, false);
    EXPECT_EQ(fake.Toene, (std::vector<int>{4, 5}));
}

TEST_F(MitFakePlattform, signalArtenUndStandardton)
{
    for (int art : {1, 2, 3, 4, 5, 0, 6, -1, 100})
        Signal(art, false);
    EXPECT_EQ(fake.Toene, (std::vector<int>{1, 2, 3, 4, 5, 1, 1, 1, 1}));
}

TEST_F(MitFakePlattform, farbeNrGrundfarbenModulo40)
{
    const uint32_t erwartet[16] = {
        0x000000, 0x0000FF, 0x008000, 0x008080, 0xFF0000, 0xFF00FF, 0x800000, 0xC0C0C0,
        0x808080, 0x00FFFF, 0x00FF00, 0x808000, 0x000080, 0x800080, 0xFFFF00, 0xFFFFFF,
    };
    for (int i = 0; i < 16; ++i)
        for (int nr : {i, i + 40, i + 400})
            EXPECT_EQ(FarbeNr(nr), erwartet[i]) << nr;
}

TEST_F(MitFakePlattform, farbeNrSystemfarbenUndNegativSchwarz)
{
    // The fake answers 0x100000 + index.
    EXPECT_EQ(FarbeNr(16), 0x100001u);
    EXPECT_EQ(FarbeNr(39), 0x100018u);
    EXPECT_EQ(FarbeNr(56), 0x100001u);
    EXPECT_EQ(FarbeNr(79), 0x100018u);
    EXPECT_EQ(FarbeNr(80), 0x000000u);
    // Neither the absolute value nor a negative remainder picks a colour.
    for (int32_t nr : {-1, -24, -39, INT32_MIN})
        EXPECT_EQ(FarbeNr(nr), 0x000000u) << nr;
}

} // namespace
