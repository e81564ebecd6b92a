#include "Feldpruefung.h"
#include "Format.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Feldpruefung : public testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }
};

TEST_F(Feldpruefung, jedeRegelMitIhrenGrenzenUndFehlernummern)
{
    long double w = 0;
    struct TRegel {
        const char *Feld;
        std::function<int(const std::string &)> Pruefen;
        std::vector<std::pair<std::string, int>> Faelle;   // text, error number
    };
    const TRegel regeln[] = {
        {"KMStand", [](const std::string &t) { return KMStandPruefen(t, -1); },
         {{"12345", 0}, {"1", 0}, {"abc", 1}, {"1a", 1}, {"-", 1}, {"10.250", 2}, {"10,5", 2}, {"12/3", 2}, {"0", 3},
          {"-5", 3}}},
        {"Datum", DatumFeldPruefen,
         {{"15.06.2005", 0}, {"29.02.2004", 0}, {"31.12.2100", 0}, {"01.01.1900", 0}, {"31.04.2005", 6},
          {"29.02.2005", 6}, {"00.01.2005", 6}, {"01.13.2005", 7}, {"01.00.2005", 7}, {"01.01.1899", 8},
          {"01.01.2101", 8}, {"xx", 5}, {"1.2.3.4", 5}}},
        {"Betrag", BetragPruefen,
         {{"1", 0}, {"4000", 0}, {"55,67", 0}, {"4000,00", 0}, {"0,99", 11}, {"4000,01", 11}, {"0", 11}, {"-5", 11},
          {"1a", 9}, {"abc", 9}, {"1.234,50", 9}, {"12,345", 10}, {"0,999", 10}, {"5000,123", 10}}},
        {"Liter", [&](const std::string &t) { return LiterPruefen(t, w); },
         {{"45,3", 0}, {"0,01", 0}, {"0", 12}, {"-1", 12}, {"x", 14}, {"4,5,6", 14}, {"1,234", 16}, {"-1,234", 16}}},
        // Compared with 45.3 litres; more decimals than allowed do not hide the comparison.
        {"VollBei", [&](const std::string &t) { return VollBeiPruefen(t, w, true, 45.3L); },
         {{"45,30", 0}, {"40", 0}, {"0", 13}, {"-2", 13}, {"x", 15}, {"1,234", 17}, {"50", 18}, {"45,31", 18},
          {"50,123", 18}}},
        {"Festverbrauch", [&](const std::string &t) { return FestverbrauchPruefen(t, w); },
         {{"7,5", 0}, {"1000", 0}, {"0,01", 0}, {"0", 12}, {"-3", 12}, {"1000,01", 24}, {"abc", 14}, {"7,555", 16},
          {"1000,001", 16}}},
        {"Tankinhalt", [&](const std::string &t) { return TankinhaltPruefen(t, false, w); },
         {{"0", 0}, {"-1", 19}, {"3000", 0}, {"3000,01", 22}, {"abc", 20}, {"55,555", 21}, {"55,5", 0}}},
        {"Tankinhalt mind. 1 L", [&](const std::string &t) { return TankinhaltPruefen(t, true, w); },
         {{"0", 23}, {"0,99", 23}, {"1", 0}, {"-1", 23}, {"3000", 0}, {"3000,01", 22}, {"abc", 20}, {"0,001", 21}}},
    };
    for (const TRegel &r : regeln)
        for (const auto &[text, nr] : r.Faelle)
            EXPECT_EQ(r.Pruefen(text), nr) << r.Feld << " " << text;

    // The value read is handed back, also when there are no valid litres to compare with.
    EXPECT_EQ(LiterPruefen("45,3", w), 0);
    EXPECT_DOUBLE_EQ(double(w), 45.3);
    EXPECT_EQ(VollBeiPruefen("50", w, false, 45.3L), 0);
    EXPECT_DOUBLE_EQ(double(w), 50.0);
    EXPECT_EQ(TankinhaltPruefen("55,5", false, w), 0);
    EXPECT_DOUBLE_EQ(double(w), 55.5);
}

TEST_F(Feldpruefung, KMStandSchonVerwendet)
{
    Fuellungen.resize(2);
    Fuellungen[0].KMStand = 10250, Fuellungen[1].KMStand = 0;
    // The change panel passes the fill-up's own reading, which is allowed.
    EXPECT_EQ(KMStandPruefen("10250", -1), 4);
    EXPECT_EQ(KMStandPruefen("10250", 10250), 0);
    EXPECT_EQ(KMStandPruefen("10251", -1) + KMStandPruefen("5000", -1), 0);
    // A text that is no whole number is never taken as reading 0.
    EXPECT_EQ(KMStandPruefen("abc", -1), 1);
    EXPECT_EQ(KMStandPruefen("10.250", -1), 2);
}

TEST_F(Feldpruefung, fehlertexte)
{
    // Each number has its own text, but litres and the full-at value share
    // theirs; all start a new line. Outside 1..24 there is none.
    std::set<std::string> texte;
    for (int nr = 1; nr <= 24; ++nr) {
        EXPECT_EQ(FehlerText(nr).substr(0, 1), "\r") << nr;
        texte.insert(FehlerText(nr));
    }
    EXPECT_EQ(texte.size(), 21u);
    EXPECT_EQ(FehlerText(12) + FehlerText(14) + FehlerText(16), FehlerText(13) + FehlerText(15) + FehlerText(17));
    EXPECT_EQ(FehlerText(0) + FehlerText(25) + FehlerText(-1) + FehlerText(255), "");
    // The texts with figures in them.
    EXPECT_EQ(FehlerText(11), "\rDer Betrag muß im Bereich von  'EUR 1.-' bis  'EUR 4.000.-'  angegeben werden.");
    WaehrungsText = "DM";
    EXPECT_EQ(FehlerText(11), "\rDer Betrag muß im Bereich von  'DM 1.-' bis  'DM 4.000.-'  angegeben werden.");
    EingabeLiter = 1234.5L;
    EingabeVollBei = 1300;
    EXPECT_EQ(FehlerText(18), "\rDie Literzahl ist ungültig.\rWenn nur 1.234,50L getankt wurden, "
                              "kann die Säule nicht bei 1.300,00L abschalten.");
    EXPECT_EQ(FehlerText(22), "\rDer Tankinhalt ist ungültig.\rEr darf maximal 3.000 Liter betragen.");
    EXPECT_EQ(FehlerText(24), "\rDie Literzahl ist ungültig.\rDer Verbrauch darf maximal 1.000 Liter betragen.");
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
    // KM Datum Nr Station Betrag Liter Voll NachAbschaltung BetragNach Preis Alt
    const auto zeile = [](const TTankFuellung &f) {
        return std::to_string(f.KMStand) + " " + DatumText(f.Datum) + " " + std::to_string(f.TankstellenNr) + " "
            + f.Tankstelle + " " + Format("%1.2f %1.2f", {f.Betrag, f.Liter}) + " " + std::to_string(f.Vollgetankt)
            + " " + Format("%1.2f %1.4f", {f.LiterNachAbschaltung, f.BetragNachAbschaltung}) + " "
            + std::to_string(f.LiterPreis) + " " + std::to_string(f.AlteWaehrung);
    };
    const std::string rest = " 1,00 1,00 1 0,00 0,0000 1000 0";
    const std::pair<TFuellungsEingabe, std::string> faelle[] = {
        {{"10250", "1.2.05", "Jet", "72,95", "50", true, "47,5"},
         "10250 01.02.2005 1 Jet 72,95 50,00 1 2,50 3,6475 1459 0"},
        // "Nein": the full-at text is ignored.
        {{"7", "31-12-1999", "Aral", "10", "8/5", false, "3"}, "7 31.12.1999 0 Aral 10,00 8,50 0 0,00 0,0000 1176 0"},
        // The hint text and an empty field name no station; another letter
        // case is another station; a name is cut to 40 characters.
        {{"1", "1.1.2000", "Tankstelle angeben", "1", "1", true, "1"}, "1 01.01.2000 -1 Tankstelle unbekannt" + rest},
        {{"1", "1.1.2000", "", "1", "1", true, "1"}, "1 01.01.2000 -1 Tankstelle unbekannt" + rest},
        {{"1", "1.1.2000", "jet", "1", "1", true, "1"}, "1 01.01.2000 -1 jet" + rest},
        {{"1", "1.1.2000", std::string(38, 'x') + "äöü", "1", "1", true, "1"},
         "1 01.01.2000 -1 " + std::string(38, 'x') + "äö" + rest},
    };
    for (const auto &[eingabe, erwartet] : faelle)
        EXPECT_EQ(zeile(FuellungBilden(eingabe)), erwartet) << eingabe.Tankstelle;
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
    EingabeLiter = 3, EingabeVollBei = 4;
    EingabeZustandZuruecksetzen();
    EXPECT_FALSE(KMStandOk || DatumOk || TankstelleBesucht || BetragOk || LiterOk || VollBeiOk);
    EXPECT_EQ(std::tie(EingabeLiter, EingabeVollBei), std::make_tuple(0.0L, 0.0L));
}

} // namespace
