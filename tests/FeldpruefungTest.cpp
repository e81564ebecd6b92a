#include "Feldpruefung.h"
#include "Format.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TFall {
    std::string Text;
    int Nr;
};

class Feldpruefung : public testing::Test {
protected:
    void SetUp() override
    {
        GlobalenZustandZuruecksetzen();
        EingabeZustandZuruecksetzen();
        WaehrungsText = "EUR";
    }
    void TearDown() override
    {
        GlobalenZustandZuruecksetzen();
        EingabeZustandZuruecksetzen();
    }
};

TEST_F(Feldpruefung, KMStandRegeln)
{
    const std::vector<TFall> faelle = {
        {"12345", 0}, {"1", 0}, {"abc", 1}, {"1a", 1}, {"-", 1}, {"10.250", 2},
        {"10,5", 2},  {"12/3", 2}, {"0", 3}, {"-5", 3},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(KMStandPruefen(f.Text, -1), f.Nr) << f.Text;
}

TEST_F(Feldpruefung, KMStandSchonVerwendet)
{
    TTankFuellung f;
    f.KMStand = 10250;
    Fuellungen.push_back(f);
    EXPECT_EQ(KMStandPruefen("10250", -1), 4);
    // The change panel passes the fill-up's own reading, which is allowed.
    EXPECT_EQ(KMStandPruefen("10250", 10250), 0);
    EXPECT_EQ(KMStandPruefen("10251", -1), 0);
    // A text that is no whole number is never taken as reading 0.
    f.KMStand = 0;
    Fuellungen.push_back(f);
    EXPECT_EQ(KMStandPruefen("abc", -1), 1);
    EXPECT_EQ(KMStandPruefen("10.250", -1), 2);
}

TEST_F(Feldpruefung, DatumRegeln)
{
    const std::vector<TFall> faelle = {
        {"15.06.2005", 0}, {"29.02.2004", 0}, {"31.12.2100", 0}, {"01.01.1900", 0},
        {"31.04.2005", 6}, {"29.02.2005", 6}, {"00.01.2005", 6}, {"01.13.2005", 7},
        {"01.00.2005", 7}, {"01.01.1899", 8}, {"01.01.2101", 8}, {"xx", 5},
        {"1.2.3.4", 5},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(DatumFeldPruefen(f.Text), f.Nr) << f.Text;
}

TEST_F(Feldpruefung, BetragRegeln)
{
    const std::vector<TFall> faelle = {
        {"1", 0},       {"4000", 0},     {"55,67", 0},  {"4000,00", 0},  {"0,99", 11},
        {"4000,01", 11}, {"0", 11},      {"-5", 11},    {"1a", 9},       {"abc", 9},
        {"1.234,50", 9}, {"12,345", 10}, {"0,999", 10}, {"5000,123", 10},
    };
    for (const auto &f : faelle)
        EXPECT_EQ(BetragPruefen(f.Text), f.Nr) << f.Text;
}

TEST_F(Feldpruefung, LiterRegeln)
{
    const std::vector<TFall> faelle = {
        {"45,3", 0}, {"0,01", 0}, {"0", 12}, {"-1", 12}, {"x", 14}, {"4,5,6", 14},
        {"1,234", 16}, {"-1,234", 16},
    };
    for (const auto &f : faelle) {
        long double wert = -99;
        EXPECT_EQ(LiterPruefen(f.Text, wert), f.Nr) << f.Text;
    }
    long double wert = 0;
    EXPECT_EQ(LiterPruefen("45,3", wert), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert), 45.3);
}

TEST_F(Feldpruefung, VollBeiRegeln)
{
    const std::vector<TFall> faelle = {
        {"45,30", 0}, {"40", 0}, {"0", 13}, {"-2", 13}, {"x", 15}, {"1,234", 17}, {"50", 18},
        {"45,31", 18},
    };
    for (const auto &f : faelle) {
        long double wert = 0;
        EXPECT_EQ(VollBeiPruefen(f.Text, wert, true, 45.3L), f.Nr) << f.Text;
    }
    // Without valid litres there is nothing to compare with.
    long double wert = 0;
    EXPECT_EQ(VollBeiPruefen("50", wert, false, 45.3L), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert), 50.0);
    // More decimals than allowed do not hide the comparison.
    EXPECT_EQ(VollBeiPruefen("50,123", wert, true, 45.3L), 18);
}

TEST_F(Feldpruefung, FestverbrauchRegeln)
{
    const std::vector<TFall> faelle = {
        {"7,5", 0}, {"1000", 0}, {"0,01", 0}, {"0", 12}, {"-3", 12}, {"1000,01", 24},
        {"abc", 14}, {"7,555", 16}, {"1000,001", 16},
    };
    for (const auto &f : faelle) {
        long double wert = 0;
        EXPECT_EQ(FestverbrauchPruefen(f.Text, wert), f.Nr) << f.Text;
    }
}

TEST_F(Feldpruefung, TankinhaltRegeln)
{
    struct TTankFall {
        std::string Text;
        bool Mindestens;
        int Nr;
    };
    const std::vector<TTankFall> faelle = {
        {"0", false, 0},        {"0", true, 23},       {"0,99", true, 23},   {"1", true, 0},
        {"-1", false, 19},      {"-1", true, 23},      {"3000", false, 0},   {"3000", true, 0},
        {"3000,01", false, 22}, {"3000,01", true, 22}, {"abc", false, 20},   {"abc", true, 20},
        {"55,555", false, 21},  {"0,001", true, 21},   {"55,5", false, 0},
    };
    for (const auto &f : faelle) {
        long double wert = -1;
        EXPECT_EQ(TankinhaltPruefen(f.Text, f.Mindestens, wert), f.Nr)
            << f.Text << (f.Mindestens ? " (mind. 1 L)" : "");
    }
    long double wert = -1;
    EXPECT_EQ(TankinhaltPruefen("55,5", false, wert), 0);
    EXPECT_DOUBLE_EQ(static_cast<double>(wert), 55.5);
}

TEST_F(Feldpruefung, AlleFehlertexte)
{
    EingabeLiter = 45.3L;
    EingabeVollBei = 50;
    const std::string literNull = "\rDie Literzahl ist ungültig.\rBitte geben Sie nur positive Zahlen größer '0' an.";
    const std::string literKeineZahl =
        "\rDie Literzahl ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ";
    const std::string literStellen =
        "\rDie Literzahl ist ungültig.\rDie Literzahl darf nur zwei Nachkonnastellen haben.";
    const std::vector<std::string> texte = {
        "",
        "\rDer KM-Stand ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ",
        "\rDer KM-Stand darf keine Nachkommastellen haben.",
        "\rFür den KM-Stand dürfen nur positive Zahlen\rgrößer 0 angegeben werden.",
        "\rDer angegebene KM-Stand wurde schon einmal verwendet.\rBitte geben Sie einen neuen KM-Stand an.",
        "\rDie eigegebene Zeichenkette stellt kein Datum dar.",
        "\rDer eingegebene Tag existiert im eingegebenen Monat nicht.",
        "\rDer Monat muß zwischen '1' und '12' liegen. \rAndere Monate sind unlogisch.",
        "\rDas Jahr darf nur zwischen '1900' und '2100' angegeben werden.",
        "\rDer Betrag ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ",
        "\rDer Betrag ist ungültig.\rDer Betrag darf nur zwei Nachkonnastellen haben.",
        "\rDer Betrag muß im Bereich von  'EUR 1.-' bis  'EUR 4.000.-'  angegeben werden.",
        literNull,
        literNull,
        literKeineZahl,
        literKeineZahl,
        literStellen,
        literStellen,
        "\rDie Literzahl ist ungültig.\rWenn nur 45,30L getankt wurden, kann die Säule nicht bei 50,00L abschalten.",
        "\rDer Tankinhalt ist ungültig.\rBitte geben Sie nur positive Zahlen incl. '0' an.",
        "\rDer Tankinhalt ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ",
        "\rDer Tankinhalt ist ungültig.\rDie Literzahl darf nur zwei Nachkonnastellen haben.",
        "\rDer Tankinhalt ist ungültig.\rEr darf maximal 3.000 Liter betragen.",
        "\rDer Tankinhalt ist ungültig.\rBitte geben Sie nur positive Zahlen incl. '1' an.",
        "\rDie Literzahl ist ungültig.\rDer Verbrauch darf maximal 1.000 Liter betragen.",
    };
    ASSERT_EQ(texte.size(), 25u);
    for (int nr = 0; nr <= 24; ++nr)
        EXPECT_EQ(FehlerText(nr), texte[nr]) << "FehlerNr " << nr;
    EXPECT_EQ(FehlerText(25), "");
    EXPECT_EQ(FehlerText(-1), "");
    EXPECT_EQ(FehlerText(255), "");
}

TEST_F(Feldpruefung, Text11NenntDieWaehrungsauswahl)
{
    WaehrungsText = "DM";
    EXPECT_EQ(FehlerText(11),
              "\rDer Betrag muß im Bereich von  'DM 1.-' bis  'DM 4.000.-'  angegeben werden.");
}

TEST_F(Feldpruefung, Text18FolgtDenEingabewerten)
{
    EingabeLiter = 1234.5L;
    EingabeVollBei = 1300;
    EXPECT_EQ(FehlerText(18), "\rDie Literzahl ist ungültig.\rWenn nur 1.234,50L getankt wurden, "
                              "kann die Säule nicht bei 1.300,00L abschalten.");
}

TEST_F(Feldpruefung, jederFehlerFuehrtZuSeinemFeld)
{
    std::string felder;
    for (int nr = 0; nr <= 25; ++nr)
        felder += std::to_string(FehlerFeld(nr));
    // 0, then 1-4 odometer, 5-8 date, 9-11 amount, litres and full-at
    // interleaved up to 18, none for the vehicle settings.
    EXPECT_EQ(felder, "0" "1111" "2222" "444" "5757577" "0000000");
}

TEST_F(Feldpruefung, fuellungAusDenEingabetexten)
{
    Tankstellen[0] = "Aral", Tankstellen[1] = "Jet", AnzahlTankstellen = 2;
    struct TFall {
        TFuellungsEingabe Eingabe;
        std::string Erwartet;   // KM Datum Nr Station Betrag Liter Voll NachAbschaltung BetragNach Preis Alt
    };
    const auto zeile = [](const TTankFuellung &f) {
        return std::to_string(f.KMStand) + " " + DatumText(f.Datum) + " " + std::to_string(f.TankstellenNr) + " "
            + f.Tankstelle + " " + Format("%1.2f %1.2f", {f.Betrag, f.Liter}) + " " + std::to_string(f.Vollgetankt)
            + " " + Format("%1.2f %1.4f", {f.LiterNachAbschaltung, f.BetragNachAbschaltung}) + " "
            + std::to_string(f.LiterPreis) + " " + std::to_string(f.AlteWaehrung);
    };
    const TFall faelle[] = {
        {{"10250", "1.2.05", "Jet", "72,95", "50", true, "47,5"},
         "10250 01.02.2005 1 Jet 72,95 50,00 1 2,50 3,6475 1459 0"},
        // "Nein": the full-at text is ignored.
        {{"7", "31-12-1999", "Aral", "10", "8/5", false, "3"}, "7 31.12.1999 0 Aral 10,00 8,50 0 0,00 0,0000 1176 0"},
        // The hint text and an empty field name no station; another letter
        // case is another station.
        {{"1", "1.1.2000", "Tankstelle angeben", "1", "1", true, "1"},
         "1 01.01.2000 -1 Tankstelle unbekannt 1,00 1,00 1 0,00 0,0000 1000 0"},
        {{"1", "1.1.2000", "", "1", "1", true, "1"}, "1 01.01.2000 -1 Tankstelle unbekannt 1,00 1,00 1 0,00 0,0000 1000 0"},
        {{"1", "1.1.2000", "jet", "1", "1", true, "1"}, "1 01.01.2000 -1 jet 1,00 1,00 1 0,00 0,0000 1000 0"},
        // A name is cut to 40 characters.
        {{"1", "1.1.2000", std::string(38, 'x') + "äöü", "1", "1", true, "1"},
         "1 01.01.2000 -1 " + std::string(38, 'x') + "äö 1,00 1,00 1 0,00 0,0000 1000 0"},
    };
    for (const TFall &f : faelle)
        EXPECT_EQ(zeile(FuellungBilden(f.Eingabe)), f.Erwartet) << f.Eingabe.KMStand;
}

TEST_F(Feldpruefung, hinweisNenntJedesAbgelehnteZeichenEinmal)
{
    EXPECT_EQ(AbgelehnteZeichenText("Ω"), "Das Zeichen 'Ω' kann nicht gespeichert werden und wurde weggelassen.");
    EXPECT_EQ(AbgelehnteZeichenText("Łź✓Ł"), "Die Zeichen 'Ł', 'ź' und '✓' können nicht gespeichert werden und "
                                              "wurden weggelassen.");
    EXPECT_EQ(AbgelehnteZeichenText("\t\x7F\xC2\x81"),
              "Steuerzeichen können nicht gespeichert werden und wurden weggelassen.");
    EXPECT_EQ(AbgelehnteZeichenText("\n😀"), "Die Zeichen '😀' und Steuerzeichen können nicht gespeichert werden "
                                             "und wurden weggelassen.");
}

TEST_F(Feldpruefung, ZuruecksetzenLoeschtDenEingabezustand)
{
    KMStandOk = DatumOk = TankstelleBesucht = BetragOk = LiterOk = VollBeiOk = true;
    EingabeLiter = 3;
    EingabeVollBei = 4;
    EingabeZustandZuruecksetzen();
    EXPECT_FALSE(KMStandOk || DatumOk || TankstelleBesucht || BetragOk || LiterOk || VollBeiOk);
    EXPECT_EQ(EingabeLiter, 0);
    EXPECT_EQ(EingabeVollBei, 0);
}

} // namespace
