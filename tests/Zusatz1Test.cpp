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
    TDatum d;
    d.Tag = static_cast<uint8_t>(tag);
    d.Monat = static_cast<uint8_t>(monat);
    d.Jahr = static_cast<uint16_t>(jahr);
    return d;
}

// ---- days per month ---------------------------------------------------------

TEST(MonatsTage, tabelleNachDemSetzen)
{
    MonatsTage[1] = 29;
    MonatsTageSetzen();
    const std::vector<int> erwartet = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(std::vector<int>(MonatsTage, MonatsTage + 12), erwartet);
}

TEST(MonatsTage, februarFolgtDemZuletztGeprueftenJahr)
{
    MonatsTageSetzen();
    DatumPruefen(1, 1, 2004);
    EXPECT_EQ(MonatsTage[1], 29);
    DatumPruefen(1, 1, 2003);
    EXPECT_EQ(MonatsTage[1], 28);
    // Also for a year that fails the range check.
    DatumPruefen(1, 1, 2400);
    EXPECT_EQ(MonatsTage[1], 29);
    MonatsTageSetzen();
}

// ---- characters and small numbers -----------------------------------------

TEST(IstZiffer, nurNullBisNeun)
{
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_TRUE(IstZiffer(c)) << c;
    EXPECT_FALSE(IstZiffer('/'));
    EXPECT_FALSE(IstZiffer(':'));
    EXPECT_FALSE(IstZiffer('a'));
    EXPECT_FALSE(IstZiffer(' '));
    EXPECT_FALSE(IstZiffer('\xC3'));
}

TEST(IstTrenner, genauDieSechsTrennzeichen)
{
    std::string trenner;
    for (int c = 1; c < 256; ++c)
        if (IstTrenner(static_cast<char>(c)))
            trenner += static_cast<char>(c);
    EXPECT_EQ(trenner, ",-./:;");
}

TEST(Potenz, wiederholteMultiplikation)
{
    EXPECT_EQ(Potenz(0, 10), 1.0L);
    EXPECT_EQ(Potenz(-3, 10), 1.0L);
    EXPECT_EQ(Potenz(1, 10), 10.0L);
    EXPECT_EQ(Potenz(3, 10), 1000.0L);
    EXPECT_EQ(Potenz(10, 2), 1024.0L);
    EXPECT_EQ(Potenz(3, -2), -8.0L);
    EXPECT_EQ(Potenz(2, 1.5L), 2.25L);
}

TEST(MinimumMaximum, kleinererUndGroessererWert)
{
    EXPECT_EQ(Minimum(3, 5), 3);
    EXPECT_EQ(Minimum(5, 3), 3);
    EXPECT_EQ(Minimum(-7, 2), -7);
    EXPECT_EQ(Minimum(4, 4), 4);
    EXPECT_EQ(Maximum(3, 5), 5);
    EXPECT_EQ(Maximum(5, 3), 5);
    EXPECT_EQ(Maximum(-7, 2), 2);
    EXPECT_EQ(Maximum(INT32_MIN, INT32_MAX), INT32_MAX);
}

// ---- TextInZahl -----------------------------------------------------------

struct TZahlFall {
    const char *Text;
    bool Ok;
    long double Wert;
    int Anzahl;
    int Nachkomma;
};

void PrintTo(const TZahlFall &f, std::ostream *os)
{
    *os << '"' << f.Text << '"';
}

class TextInZahlFall : public testing::TestWithParam<TZahlFall> {};

TEST_P(TextInZahlFall, liestDenText)
{
    const TZahlFall &f = GetParam();
    const TZahlErgebnis e = TextInZahl(f.Text);
    EXPECT_EQ(e.Ok, f.Ok);
    EXPECT_EQ(e.Wert, f.Wert);
    EXPECT_EQ(e.Anzahl, f.Anzahl);
    EXPECT_EQ(e.Nachkomma, f.Nachkomma);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TextInZahlFall,
    testing::Values(
        // Every separator is a decimal point.
        TZahlFall{"12,5", true, 12.5L, 4, 1}, TZahlFall{"12.5", true, 12.5L, 4, 1},
        TZahlFall{"12/5", true, 12.5L, 4, 1}, TZahlFall{"12:5", true, 12.5L, 4, 1},
        TZahlFall{"12;5", true, 12.5L, 4, 1},
        // A hyphen after the first position is a separator.
        TZahlFall{"1-5", true, 1.5L, 3, 1},
        TZahlFall{"12,", true, 12.0L, 3, 0}, TZahlFall{"5,", true, 5.0L, 2, 0},
        TZahlFall{",5", true, 0.5L, 2, 1}, TZahlFall{"-0,5", true, -0.5L, 3, 1},
        TZahlFall{"0", true, 0.0L, 1, 0}, TZahlFall{"12345", true, 12345.0L, 5, 0},
        TZahlFall{"-42", true, -42.0L, 2, 0}, TZahlFall{"45,50", true, 45.5L, 5, 2},
        TZahlFall{"0,125", true, 0.125L, 5, 3},
        // The leading minus, then a hyphen separator.
        TZahlFall{"--5", true, -0.5L, 2, 1},
        TZahlFall{",", true, 0.0L, 1, 0},
        // Not numbers: value, count and decimals all 0.
        TZahlFall{"1.234,5", false, 0, 0, 0}, TZahlFall{"5,,0", false, 0, 0, 0},
        TZahlFall{"", false, 0, 0, 0}, TZahlFall{"-", false, 0, 0, 0},
        TZahlFall{"1 2", false, 0, 0, 0}, TZahlFall{"1e3", false, 0, 0, 0},
        TZahlFall{"abc", false, 0, 0, 0}, TZahlFall{"+5", false, 0, 0, 0},
        TZahlFall{" 5", false, 0, 0, 0}, TZahlFall{"5 ", false, 0, 0, 0},
        TZahlFall{"5€", false, 0, 0, 0}, TZahlFall{"ä", false, 0, 0, 0}));

TEST(TextInZahl, liestHoechstens128Zeichen)
{
    // Digits after the 128th character do not count.
    const std::string lang = std::string(128, '1') + "x";
    const TZahlErgebnis e = TextInZahl(lang);
    EXPECT_TRUE(e.Ok);
    EXPECT_EQ(e.Anzahl, 128);

    const std::string mitMinus = "-" + std::string(130, '0');
    const TZahlErgebnis m = TextInZahl(mitMinus);
    EXPECT_TRUE(m.Ok);
    EXPECT_EQ(m.Anzahl, 127);
    EXPECT_EQ(m.Wert, 0.0L);

    // The cut counts characters, not bytes.
    const std::string umlaute = std::string(127, '7') + "ü5";
    EXPECT_FALSE(TextInZahl(umlaute).Ok);
    const std::string abgeschnitten = std::string(128, '7') + "ü";
    EXPECT_TRUE(TextInZahl(abgeschnitten).Ok);
}

// ---- TextInGanzzahl -------------------------------------------------------

struct TGanzFall {
    const char *Text;
    int32_t Wert;
    int Fehler;
};

void PrintTo(const TGanzFall &f, std::ostream *os)
{
    *os << '"' << f.Text << '"';
}

class TextInGanzzahlFall : public testing::TestWithParam<TGanzFall> {};

TEST_P(TextInGanzzahlFall, liestGanzeZahlen)
{
    const TGanzFall &f = GetParam();
    const TGanzzahlErgebnis e = TextInGanzzahl(f.Text);
    EXPECT_EQ(e.Wert, f.Wert);
    EXPECT_EQ(e.Fehler, f.Fehler);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, TextInGanzzahlFall,
    testing::Values(TGanzFall{"12345", 12345, 0}, TGanzFall{"-17", -17, 0}, TGanzFall{"0", 0, 0},
                    TGanzFall{"12,", 12, 0}, TGanzFall{"12,0", 0, 2}, TGanzFall{"1,5", 0, 2},
                    TGanzFall{"abc", 0, 1}, TGanzFall{"", 0, 1}, TGanzFall{"1.234,5", 0, 1},
                    TGanzFall{"2147483647", 2147483647, 0}, TGanzFall{"-2147483648", INT32_MIN, 0},
                    // Out of range is held at the limit, never wrapped.
                    TGanzFall{"99999999999", INT32_MAX, 0}, TGanzFall{"-99999999999", INT32_MIN, 0}));

// ---- ZahlMitPunkten, PreisText --------------------------------------------

struct TPunkteFall {
    int64_t Zahl;
    int32_t Breite;
    const char *Erwartet;
};

class ZahlMitPunktenFall : public testing::TestWithParam<TPunkteFall> {};

TEST_P(ZahlMitPunktenFall, gruppiertInDreien)
{
    const TPunkteFall &f = GetParam();
    EXPECT_EQ(ZahlMitPunkten(f.Zahl, f.Breite), f.Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ZahlMitPunktenFall,
    testing::Values(TPunkteFall{1234567, 1, "1.234.567"}, TPunkteFall{-1234, 1, "-1.234"},
                    TPunkteFall{999, 1, "999"}, TPunkteFall{5, 3, "  5"}, TPunkteFall{0, 1, "0"},
                    TPunkteFall{1000, 1, "1.000"}, TPunkteFall{-100000, 1, "-100.000"},
                    TPunkteFall{-999, 1, "-999"}, TPunkteFall{123456, 10, "   123.456"},
                    TPunkteFall{1234, 0, "1.234"}, TPunkteFall{1234, -5, "1.234"},
                    // Sums beyond 32 bits must not overflow.
                    TPunkteFall{12345678901LL, 1, "12.345.678.901"},
                    TPunkteFall{INT64_MIN, 1, "-9.223.372.036.854.775.808"}));

struct TPreisFall {
    uint16_t Preis;
    const char *Erwartet;
};

class PreisTextFall : public testing::TestWithParam<TPreisFall> {};

TEST_P(PreisTextFall, euroPunktCentKommaZehntel)
{
    EXPECT_EQ(PreisText(GetParam().Preis), GetParam().Erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, PreisTextFall,
    testing::Values(TPreisFall{1459, "1.45,9 EUR/l"}, TPreisFall{999, "0.99,9 EUR/l"},
                    TPreisFall{85, "0.08,5 EUR/l"}, TPreisFall{7, "0.00,7 EUR/l"},
                    TPreisFall{12345, "12.34,5 EUR/l"}, TPreisFall{0, "0.00,0 EUR/l"},
                    TPreisFall{1000, "1.00,0 EUR/l"}, TPreisFall{100, "0.10,0 EUR/l"},
                    TPreisFall{10, "0.01,0 EUR/l"}, TPreisFall{65535, "65.53,5 EUR/l"}));

// ---- DatumLesen -----------------------------------------------------------

struct TDatumFall {
    const char *Text;
    int Fehler;
    int Tag, Monat, Jahr;
};

void PrintTo(const TDatumFall &f, std::ostream *os)
{
    *os << '"' << f.Text << '"';
}

class DatumLesenFall : public MitFakePlattform, public testing::WithParamInterface<TDatumFall> {};

TEST_P(DatumLesenFall, liestUndPrueft)
{
    const TDatumFall &f = GetParam();
    const TDatumErgebnis e = DatumLesen(f.Text);
    EXPECT_EQ(e.Fehler, f.Fehler);
    EXPECT_EQ(e.Datum, D(f.Tag, f.Monat, f.Jahr)) << DatumText(e.Datum);
}

// "Today" of the fake is 17.6.2023.
INSTANTIATE_TEST_SUITE_P(
    Faelle, DatumLesenFall,
    testing::Values(
        TDatumFall{"1.2", 0, 1, 2, 2023}, TDatumFall{"1.2.", 0, 1, 2, 2023},
        TDatumFall{"01.02.05", 0, 1, 2, 2005}, TDatumFall{"1-2-85", 0, 1, 2, 1985},
        TDatumFall{"01.02.2005", 0, 1, 2, 2005}, TDatumFall{"1/2/2005", 0, 1, 2, 2005},
        TDatumFall{"1:2;2005", 0, 1, 2, 2005}, TDatumFall{"1,2,5", 0, 1, 2, 2005},
        TDatumFall{"1.1.00", 0, 1, 1, 2000}, TDatumFall{"1.1.79", 0, 1, 1, 2079},
        TDatumFall{"1.1.80", 0, 1, 1, 1980}, TDatumFall{"1.1.99", 0, 1, 1, 1999},
        TDatumFall{"29.2.2001", 1, 29, 2, 2001}, TDatumFall{"1.13.2000", 2, 1, 13, 2000},
        TDatumFall{"1.1.1899", 3, 1, 1, 1899}, TDatumFall{"1..2000", 4, 1, 20, 2023},
        TDatumFall{"12", 2, 12, 0, 2023},
        TDatumFall{"31.4.2004", 1, 31, 4, 2004}, TDatumFall{"29.2.2004", 0, 29, 2, 2004},
        TDatumFall{"29.2.1900", 1, 29, 2, 1900}, TDatumFall{"29.2.2000", 0, 29, 2, 2000},
        TDatumFall{"15.06.2100", 0, 15, 6, 2100}, TDatumFall{"01.01.2101", 3, 1, 1, 2101},
        // Only the first 10 characters are read.
        TDatumFall{"01.02.2005xyz", 0, 1, 2, 2005}, TDatumFall{"1.2.2005abc", 4, 1, 2, 2005},
        TDatumFall{"1.2.200567", 0, 1, 2, 2005},
        // Three-digit years stay as typed and fail the range.
        TDatumFall{"1.2.200", 3, 1, 2, 200},
        // A wrong day or month is told before a wrong year.
        TDatumFall{"31.4.1800", 1, 31, 4, 1800}, TDatumFall{"1.0.1800", 2, 1, 0, 1800},
        TDatumFall{"0.1.2000", 1, 0, 1, 2000}, TDatumFall{"32.1.2000", 1, 32, 1, 2000},
        // Not dates; scanning goes on after the fault, so "1..2000" reads its
        // year digits as month digits.
        TDatumFall{"", 2, 0, 0, 2023}, TDatumFall{"123.1.2000", 4, 12, 1, 2000},
        TDatumFall{"1.123.2000", 4, 1, 12, 2000}, TDatumFall{".1.2000", 4, 1, 20, 2023},
        TDatumFall{"1.2.2000.", 4, 1, 2, 2000}, TDatumFall{"1 .2.2000", 4, 1, 2, 2000},
        TDatumFall{"a", 4, 0, 0, 2023}, TDatumFall{"1.März", 4, 1, 0, 2023}));

TEST_F(MitFakePlattform, datumOhneJahrNimmtDasJahrVonHeute)
{
    fake.HeuteWert = D(3, 3, 2031);
    EXPECT_EQ(DatumLesen("24.12").Datum, D(24, 12, 2031));
    EXPECT_EQ(DatumLesen("29.2").Fehler, 1);
    fake.HeuteWert = D(3, 3, 2032);
    EXPECT_EQ(DatumLesen("29.2").Fehler, 0);
}

TEST_F(MitFakePlattform, datumLesenSetztDenFebruar)
{
    DatumLesen("1.1.2004");
    EXPECT_EQ(MonatsTage[1], 29);
    DatumLesen("1.1.2005");
    EXPECT_EQ(MonatsTage[1], 28);
}

TEST(DatumPruefen, fehlercodes)
{
    EXPECT_EQ(DatumPruefen(1, 1, 1900), 0);
    EXPECT_EQ(DatumPruefen(31, 12, 2100), 0);
    EXPECT_EQ(DatumPruefen(31, 12, 1899), 3);
    EXPECT_EQ(DatumPruefen(1, 1, 2101), 3);
    EXPECT_EQ(DatumPruefen(1, 0, 2000), 2);
    EXPECT_EQ(DatumPruefen(1, 13, 2000), 2);
    EXPECT_EQ(DatumPruefen(0, 5, 2000), 1);
    EXPECT_EQ(DatumPruefen(31, 6, 2000), 1);
    EXPECT_EQ(DatumPruefen(30, 6, 2000), 0);
    EXPECT_EQ(DatumPruefen(29, 2, 2000), 0);
    EXPECT_EQ(DatumPruefen(29, 2, 2100), 1);
    MonatsTageSetzen();
}

// ---- other dates ----------------------------------------------------------

TEST(DatumText, zweistelligTagUndMonat)
{
    EXPECT_EQ(DatumText(D(5, 11, 1999)), "05.11.1999");
    EXPECT_EQ(DatumText(D(1, 2, 2005)), "01.02.2005");
    EXPECT_EQ(DatumText(D(31, 12, 2100)), "31.12.2100");
    EXPECT_EQ(DatumText(D(32, 1, 2000)), "32.01.2000");
    EXPECT_EQ(DatumText(D(0, 0, 0)), "00.00.0");
}

TEST_F(MitFakePlattform, heutigesDatumKommtVonDerPlattform)
{
    fake.HeuteWert = D(29, 2, 2024);
    EXPECT_EQ(HeutigesDatum(), D(29, 2, 2024));
}

TEST(DatumVergleich, ersterUnterschiedEntscheidet)
{
    EXPECT_EQ(DatumVergleich(D(1, 1, 2000), D(31, 12, 1999)), 1);
    EXPECT_EQ(DatumVergleich(D(31, 12, 1999), D(1, 1, 2000)), -1);
    EXPECT_EQ(DatumVergleich(D(1, 3, 2000), D(31, 2, 2000)), 1);
    EXPECT_EQ(DatumVergleich(D(5, 3, 2000), D(6, 3, 2000)), -1);
    EXPECT_EQ(DatumVergleich(D(6, 3, 2000), D(5, 3, 2000)), 1);
    EXPECT_EQ(DatumVergleich(D(6, 3, 2000), D(6, 3, 2000)), 0);
    EXPECT_EQ(DatumVergleich(D(32, 1, 2000), D(1, 1, 2000)), 1);
}

TEST(Schaltjahr, gregorianischeRegel)
{
    EXPECT_TRUE(Schaltjahr(2000));
    EXPECT_TRUE(Schaltjahr(2004));
    EXPECT_TRUE(Schaltjahr(2400));
    EXPECT_FALSE(Schaltjahr(1900));
    EXPECT_FALSE(Schaltjahr(2100));
    EXPECT_FALSE(Schaltjahr(2001));
    EXPECT_FALSE(Schaltjahr(2003));
}

TEST(ZeitraumName, monateUndQuartale)
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
    EXPECT_EQ(ZeitraumName(3, true), "M\xC3\xA4rz");
    EXPECT_EQ(ZeitraumName(11, false), "4. Quartal");
}

TEST(ZeitraumName, leerAusserhalbDerMonate)
{
    EXPECT_EQ(ZeitraumName(0, true), "");
    EXPECT_EQ(ZeitraumName(13, true), "");
    EXPECT_EQ(ZeitraumName(13, false), "");
    EXPECT_EQ(ZeitraumName(-1, false), "");
}

// ---- texts ----------------------------------------------------------------

TEST(GrossBuchstabe, buchstabenUndUmlaute)
{
    EXPECT_EQ(GrossBuchstabe("a"), "A");
    EXPECT_EQ(GrossBuchstabe("z"), "Z");
    EXPECT_EQ(GrossBuchstabe("m"), "M");
    EXPECT_EQ(GrossBuchstabe("ä"), "Ä");
    EXPECT_EQ(GrossBuchstabe("ö"), "Ö");
    EXPECT_EQ(GrossBuchstabe("ü"), "Ü");
}

TEST(GrossBuchstabe, alleAnderenBleiben)
{
    EXPECT_EQ(GrossBuchstabe("ß"), "ß");
    EXPECT_EQ(GrossBuchstabe("A"), "A");
    EXPECT_EQ(GrossBuchstabe("Ä"), "Ä");
    EXPECT_EQ(GrossBuchstabe("é"), "é");
    EXPECT_EQ(GrossBuchstabe("1"), "1");
    EXPECT_EQ(GrossBuchstabe("{"), "{");
    EXPECT_EQ(GrossBuchstabe("`"), "`");
    EXPECT_EQ(GrossBuchstabe("€"), "€");
    EXPECT_EQ(GrossBuchstabe(""), "");
}

TEST(Grossschreibung, ganzerText)
{
    EXPECT_EQ(Grossschreibung("Tankstelle Nord"), "TANKSTELLE NORD");
    EXPECT_EQ(Grossschreibung("Göttingen-Süd, Straße"), "GÖTTINGEN-SÜD, STRAßE");
    EXPECT_EQ(Grossschreibung("äöü ÄÖÜ 123"), "ÄÖÜ ÄÖÜ 123");
    EXPECT_EQ(Grossschreibung(""), "");
}

TEST(TextEnthalten, grossUndKleinschreibung)
{
    EXPECT_TRUE(TextEnthalten("Tankstelle Nord", "NORD", false));
    EXPECT_FALSE(TextEnthalten("Tankstelle Nord", "NORD", true));
    EXPECT_TRUE(TextEnthalten("Tankstelle Nord", "Nord", true));
    EXPECT_TRUE(TextEnthalten("Aral Süd", "süd", false));
    EXPECT_FALSE(TextEnthalten("Aral Süd", "süd", true));
    EXPECT_TRUE(TextEnthalten("Straße", "STRAßE", false));
    EXPECT_FALSE(TextEnthalten("Shell", "Esso", false));
    EXPECT_TRUE(TextEnthalten("Esso", "Esso", true));
    EXPECT_FALSE(TextEnthalten("Ess", "Esso", false));
}

TEST(TextEnthalten, leererTeilWirdNichtGefunden)
{
    EXPECT_FALSE(TextEnthalten("Tankstelle", "", false));
    EXPECT_FALSE(TextEnthalten("Tankstelle", "", true));
    EXPECT_FALSE(TextEnthalten("", "", true));
    EXPECT_FALSE(TextEnthalten("", "a", true));
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

class BeschreibbarTest : public testing::Test {
protected:
    std::string verzeichnis;
    void SetUp() override
    {
        char muster[] = "/tmp/zusatz1testXXXXXX";
        ASSERT_NE(mkdtemp(muster), nullptr);
        verzeichnis = muster;
    }
    void TearDown() override { rmdir(verzeichnis.c_str()); }
    static bool Existiert(const std::string &name) { return std::ifstream(name).good(); }
};

TEST_F(BeschreibbarTest, schreibbaresVerzeichnisUndKeineSpur)
{
    const std::string name = verzeichnis + "/$$$$$$$$.$$$";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(Existiert(name));
}

TEST_F(BeschreibbarTest, vorhandeneDateiWirdErsetztUndGeloescht)
{
    const std::string name = verzeichnis + "/$$$$$$$$.$$$";
    std::ofstream(name) << "alt";
    EXPECT_TRUE(Beschreibbar(name));
    EXPECT_FALSE(Existiert(name));
}

TEST_F(BeschreibbarTest, fehlerGebenFalse)
{
    EXPECT_FALSE(Beschreibbar(verzeichnis + "/fehlt/datei.tmp"));
    EXPECT_FALSE(Beschreibbar(verzeichnis));
    EXPECT_FALSE(Beschreibbar(""));
}

// ---- sound and colour -----------------------------------------------------

TEST_F(MitFakePlattform, signalNurMitTonOderImmer)
{
    WarnTonAn = false;
    Signal(3, false);
    EXPECT_EQ(fake.Toene, std::vector<int>{});
    Signal(3, true);
    EXPECT_EQ(fake.Toene, std::vector<int>{3});
    WarnTonAn = true;
    Signal(3, false);
    EXPECT_EQ(fake.Toene, (std::vector<int>{3, 3}));
}

TEST_F(MitFakePlattform, signalArtenUndStandardton)
{
    for (int art : {1, 2, 3, 4, 5, 0, 6, -1, 100})
        Signal(art, false);
    EXPECT_EQ(fake.Toene, (std::vector<int>{1, 2, 3, 4, 5, 1, 1, 1, 1}));
}

TEST_F(MitFakePlattform, farbeNrGrundfarben)
{
    const std::vector<uint32_t> erwartet = {
        0x000000, 0x0000FF, 0x008000, 0x008080, 0xFF0000, 0xFF00FF, 0x800000, 0xC0C0C0,
        0x808080, 0x00FFFF, 0x00FF00, 0x808000, 0x000080, 0x800080, 0xFFFF00, 0xFFFFFF,
    };
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(FarbeNr(i), erwartet[i]) << i;
        EXPECT_EQ(FarbeNr(i + 40), erwartet[i]) << i + 40;
        EXPECT_EQ(FarbeNr(i + 400), erwartet[i]) << i + 400;
    }
    EXPECT_EQ(FarbeNr(41), FarbeNr(1));
    EXPECT_EQ(FarbeNr(41), 0x0000FFu);
}

TEST_F(MitFakePlattform, farbeNrSystemfarben)
{
    // The fake answers 0x100000 + index.
    EXPECT_EQ(FarbeNr(16), 0x100001u);
    EXPECT_EQ(FarbeNr(39), 0x100018u);
    EXPECT_EQ(FarbeNr(20), 0x100005u);
    EXPECT_EQ(FarbeNr(56), 0x100001u);
    EXPECT_EQ(FarbeNr(79), 0x100018u);
    EXPECT_EQ(FarbeNr(80), 0x000000u);
}

TEST_F(MitFakePlattform, farbeNrNegativIstSchwarz)
{
    EXPECT_EQ(FarbeNr(-1), 0x000000u);
    EXPECT_EQ(FarbeNr(-39), 0x000000u);
    EXPECT_EQ(FarbeNr(-24), 0x000000u);
    EXPECT_EQ(FarbeNr(INT32_MIN), 0x000000u);
}

} // namespace
