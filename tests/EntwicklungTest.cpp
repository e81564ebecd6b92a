// The development series of the litre price and the range: builders,
// merging, statistics with the axis scale, the change values of the info
// labels and their guards against a zero divisor.

#include "charts/Entwicklung.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include "Zustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Zahl = long double;

TDatum D(const std::string &d)
{
    return {uint8_t(std::stoi(d.substr(0, 2))), uint8_t(std::stoi(d.substr(3, 2))), uint16_t(std::stoi(d.substr(6, 4)))};
}

// A fill-up as the entry panel stores it, with its litre price; vollBei is
// the litre count at which the pump first shut off (0: not entered).
TTankFuellung Fuellung(const std::string &d, int32_t km, long double betrag, long double liter, bool voll = true,
                       long double vollBei = 0)
{
    TTankFuellung f;
    f.Datum = D(d), f.KMStand = km, f.Betrag = betrag, f.Liter = liter;
    f.Vollgetankt = voll ? 1 : 0;
    f.LiterNachAbschaltung = voll && vollBei != 0 ? liter - vollBei : 0;
    f.LiterPreis = LiterPreisBerechnen(betrag, liter);
    return f;
}

TTankFuellung Teil(const std::string &d, int32_t km, long double betrag, long double liter)
{
    return Fuellung(d, km, betrag, liter, false);
}

std::vector<std::string> Bezeichnungen()
{
    std::vector<std::string> t;
    for (const TEntwicklungsWert &w : EntwicklungsListe)
        t.push_back(std::to_string(w.Nr) + " " + (EntwicklungsArt == 2 ? w.RW_Bezeichnung : w.Bezeichnung));
    return t;
}

class Entwicklung : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }

    static void Literpreise(uint8_t ansicht = 1) { LP_Zeitraumwahl = 1, LP_Ansicht = ansicht, ErmittleLiterpreisEntwicklung(); }
    static void Literpreise(const std::string &von, const std::string &bis, uint8_t ansicht = 1)
    {
        LP_Zeitraumwahl = 2, LP_Ansicht = ansicht, LP_Von = D(von), LP_Bis = D(bis);
        ErmittleLiterpreisEntwicklung();
    }
    static void Reichweiten(uint8_t ansicht = 1) { RW_Zeitraumwahl = 1, RW_Ansicht = ansicht, ErmittleReichweitenEntwicklung(); }
    static void Reichweiten(const std::string &von, const std::string &bis, uint8_t ansicht = 1)
    {
        RW_Zeitraumwahl = 2, RW_Ansicht = ansicht, RW_Von = D(von), RW_Bis = D(bis);
        ErmittleReichweitenEntwicklung();
    }
    // Three full fill-ups: 13,00, 13,20 and 13,50 EUR/l; 500 km at 6 and at
    // 7 L/100Km. With only two, the third is left out.
    static void DreiFuellungen(size_t anzahl = 3)
    {
        Fuellungen = {Fuellung("02.01.2003", 1000, 52.00L, 40), Fuellung("03.02.2003", 1500, 39.60L, 30),
                      Fuellung("04.03.2003", 2000, 47.25L, 35)};
        Fuellungen.resize(anzahl);
    }
    // Distance, litres used, average and range of a range value.
    static std::vector<Zahl> Kennzahlen(const TEntwicklungsWert &w)
    {
        return {Zahl(w.Strecke), w.LiterVerbraucht, w.Durchschnitt, w.Reichweite};
    }
    // A series of the given values without fill-ups behind it.
    static void Reihe(uint8_t art, const std::vector<Zahl> &werte)
    {
        EntwicklungsListe.clear();
        EntwicklungsArt = art;
        for (long double x : werte) {
            TEntwicklungsWert w;
            w.Nr = uint32_t(EntwicklungsListe.size() + 1);
            if (art == 2)
                w.Reichweite = x;
            else
                w.Literpreis = uint16_t(x), w.Liter = 1, w.Betrag = x / 1000.0L;
            EntwicklungsListe.push_back(w);
        }
        BerechneEntwicklungsStatistik();
    }
};

// ---- litre price ----------------------------------------------------------

TEST_F(Entwicklung, literpreisNimmtJedeFuellungAbDerErstenAuchNichtVolle)
{
    Fuellungen = {Fuellung("02.01.2003", 1000, 52.00L, 40), Teil("20.01.2003", 1200, 13.50L, 10),
                  Fuellung("03.02.2003", 1500, 39.60L, 30)};
    Literpreise();
    EXPECT_EQ(EntwicklungsArt, 1);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 02.01.2003", "2 20.01.2003", "3 03.02.2003"}));
    const TEntwicklungsWert &w = EntwicklungsListe[1];
    EXPECT_EQ(w.Datum, D("20.01.2003"));
    EXPECT_EQ((std::vector<Zahl>{Zahl(w.Literpreis), w.Liter, w.Betrag}),
              (std::vector<Zahl>{1350, 10, 13.50L}));
}

TEST_F(Entwicklung, zeitraumMitKeinerNurDerErstenOderZweiFuellungen)
{
    DreiFuellungen(2);
    Tankinhalt = 50;
    // The first fill-up alone gives a litre price but no range.
    Literpreise("01.01.2003", "32.01.2003");
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 02.01.2003"}));
    Reichweiten("01.01.2003", "32.01.2003");
    EXPECT_EQ(AnzahlEntwicklungswerte(), 0u);
    // No fill-up at all: no point; a new build starts with an empty series.
    Literpreise();
    Literpreise("01.05.2003", "32.06.2003");
    EXPECT_EQ(AnzahlEntwicklungswerte(), 0u);
    Reichweiten();
    Reichweiten("01.05.2003", "32.06.2003");
    EXPECT_EQ(AnzahlEntwicklungswerte(), 0u);
    // A period runs from the first day to the last of the month it ends in.
    Fuellungen = {Fuellung("31.01.2003", 1000, 50, 40), Fuellung("01.02.2003", 1100, 50, 40),
                  Fuellung("31.03.2003", 1200, 50, 40), Fuellung("01.04.2003", 1300, 50, 40)};
    Literpreise("01.02.2003", "32.03.2003");
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 01.02.2003", "2 31.03.2003"}));
    Literpreise("01.02.2003", "31.03.2003");   // a given last day is inside too
    EXPECT_EQ(AnzahlEntwicklungswerte(), 2u);
}

TEST_F(Entwicklung, monatsQuartalsUndJahresweiseNachLiternGewichtet)
{
    Fuellungen = {Fuellung("10.02.2003", 900, 45, 30), Fuellung("05.03.2003", 1000, 58.00L, 40),
                  Fuellung("25.03.2003", 1400, 30.00L, 20)};
    Literpreise(2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 Februar 2003", "2 März 2003"}));
    const TEntwicklungsWert &maerz = EntwicklungsListe[1];
    EXPECT_EQ((std::vector<Zahl>{Zahl(maerz.Literpreis), maerz.Liter, maerz.Betrag}),
              (std::vector<Zahl>{1467, 60, 88}));
    // The group keeps the date of its first fill-up.
    EXPECT_EQ(maerz.Datum, D("05.03.2003"));

    Fuellungen = {Fuellung("10.01.2003", 1000, 40, 40), Fuellung("31.03.2003", 1100, 40, 40),
                  Fuellung("01.04.2003", 1200, 40, 40), Fuellung("31.12.2003", 1300, 40, 40),
                  Fuellung("01.01.2004", 1400, 40, 40)};
    Literpreise(3);
    EXPECT_EQ(Bezeichnungen(),
              (std::vector<std::string>{"1 1. Quartal 2003", "2 2. Quartal 2003", "3 4. Quartal 2003", "4 1. Quartal 2004"}));
    Literpreise(4);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 Das Jahr 2003", "2 Das Jahr 2004"}));
    EXPECT_EQ(EntwicklungsListe[0].Liter, 160);
}

TEST_F(Entwicklung, nurNachbarnMitGleicherBezeichnungWerdenZusammengefasst)
{
    // Hand-made points out of date order: the same month apart stays apart.
    EntwicklungsArt = 1;
    LP_Ansicht = 2;
    for (const char *d : {"05.03.2003", "06.04.2003", "07.03.2003"}) {
        TEntwicklungsWert w;
        w.Datum = D(d), w.Literpreis = 1000, w.Liter = 1, w.Betrag = 1;
        EntwicklungsListe.push_back(w);
    }
    FasseEntwicklungZusammen(true);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 März 2003", "2 April 2003", "3 März 2003"}));
}

TEST_F(Entwicklung, dieNummerIstNichtAufSechzehnBitBegrenzt)
{
    Fuellungen.clear();
    for (int i = 0; i < 70000; ++i)
        Fuellungen.push_back(Fuellung("01.01.2003", 1000 + i, 50, 40));
    Literpreise();
    ASSERT_EQ(AnzahlEntwicklungswerte(), 70000u);
    EXPECT_EQ(EntwicklungsListe.back().Nr, 70000u);
    Literpreise(4);
    ASSERT_EQ(AnzahlEntwicklungswerte(), 1u);
    EXPECT_EQ(EntwicklungsListe[0].Liter, 2800000);
    EXPECT_EQ(EntwicklungsListe[0].Literpreis, 1250);
}

// ---- range ----------------------------------------------------------------

TEST_F(Entwicklung, reichweiteAusTankinhaltMitEigenenVerbrauchswertenNeuBerechnetUndBisZurLetztenFuellung)
{
    Tankinhalt = 50;
    DreiFuellungen();
    TVerbrauchsWert merker;
    merker.Bezeichnung = "unberührt";
    VerbrauchsListe = {merker};
    StartKorrektur = 7;
    Reichweiten();
    EXPECT_EQ(EntwicklungsArt, 2);
    EXPECT_EQ(Bezeichnungen(),
              (std::vector<std::string>{"1 02.01.2003 bis 03.02.2003", "2 03.02.2003 bis 04.03.2003"}));
    EXPECT_EQ(EntwicklungsListe[1].RW_VonDatum, D("03.02.2003"));
    EXPECT_EQ(EntwicklungsListe[1].RW_BisDatum, D("04.03.2003"));
    // The consumption analysis' own values stay as they are.
    ASSERT_EQ(VerbrauchsListe.size(), 1u);
    EXPECT_EQ(VerbrauchsListe[0].Bezeichnung, "unberührt");
    EXPECT_EQ(StartKorrektur, 7);
    // A new tank capacity recomputes every range and the statistics.
    Tankinhalt = 60;
    ReichweitenNeuBerechnen();
    EXPECT_EQ(Kennzahlen(EntwicklungsListe[0]), (std::vector<Zahl>{500, 30, 6, 1000}));
    EXPECT_EQ(EW_Maximum, 1000);
    EXPECT_NEAR(double(DurchschnittsReichweite()), 6000 / 6.5, 1e-9);
    // The last value counts even when it ends with a partial fill-up.
    Fuellungen.push_back(Teil("04.04.2003", 2300, 30, 20));
    Reichweiten();
    ASSERT_EQ(AnzahlEntwicklungswerte(), 3u);
    EXPECT_EQ(EntwicklungsListe[2].RW_Bezeichnung, "04.03.2003 bis 04.04.2003");
    EXPECT_EQ((std::vector<Zahl>{Zahl(EntwicklungsListe[2].Strecke), EntwicklungsListe[2].LiterVerbraucht}),
              (std::vector<Zahl>{300, 20}));
}

TEST_F(Entwicklung, reichweiteImZeitraumSuchtDenStartRueckwaertsMitNachAbschaltung)
{
    Tankinhalt = 50;
    // The period holds only the full fill-up of March; its value starts at
    // the full one of January, the partial one of February and the 2 litres
    // pressed in above the full level in January included.
    Fuellungen = {Fuellung("02.01.2003", 1000, 60, 42, true, 40), Teil("10.02.2003", 1300, 30, 20),
                  Fuellung("04.03.2003", 1600, 37.50L, 25), Fuellung("04.04.2003", 2000, 45, 30)};
    Reichweiten("01.03.2003", "32.03.2003");
    ASSERT_EQ(AnzahlEntwicklungswerte(), 1u);
    const TEntwicklungsWert &w = EntwicklungsListe[0];
    EXPECT_EQ(w.RW_Bezeichnung, "02.01.2003 bis 04.03.2003");
    EXPECT_EQ(w.Strecke, 600);
    EXPECT_EQ(w.LiterVerbraucht, 47);
    EXPECT_NEAR(double(w.Durchschnitt), 47.0 * 100 / 600, 1e-12);
    EXPECT_NEAR(double(w.Reichweite), 50.0 * 100 / (47.0 * 100 / 600), 1e-9);
}

TEST_F(Entwicklung, reichweiteMonatsweiseAddiertStreckeUndLiterUndBeschriftetNachDemEnde)
{
    Tankinhalt = 50;
    DreiFuellungen();
    Fuellungen.insert(Fuellungen.begin() + 2, Fuellung("20.02.2003", 1800, 20, 15));
    Reichweiten(2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 Februar 2003", "2 März 2003"}));
    const TEntwicklungsWert &feb = EntwicklungsListe[0];
    EXPECT_EQ(feb.RW_VonDatum, D("02.01.2003"));
    EXPECT_EQ(feb.RW_BisDatum, D("20.02.2003"));
    EXPECT_EQ(Kennzahlen(feb), (std::vector<Zahl>{800, 45, 45.0L * 100 / 800, 50 / (45.0L * 100 / 800) * 100}));
    Reichweiten(3);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 1. Quartal 2003"}));
    Reichweiten(4);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"1 Das Jahr 2003"}));
    EXPECT_EQ(EntwicklungsListe[0].Strecke, 1000);
}

TEST_F(Entwicklung, ohneStreckeOderVerbrauchGibtEsKeineDivisionDurchNull)
{
    Tankinhalt = 50;
    // Same odometer twice: a value of 0 km; nothing consumed: average 0.
    Fuellungen = {Fuellung("02.01.2003", 1000, 52, 40), Fuellung("03.02.2003", 1000, 10, 5),
                  Fuellung("04.03.2003", 1000, 0, 0)};
    for (uint8_t ansicht : {1, 4}) {
        Reichweiten(ansicht);
        ASSERT_EQ(AnzahlEntwicklungswerte(), ansicht == 1 ? 2u : 1u);
        for (const TEntwicklungsWert &w : EntwicklungsListe)
            EXPECT_EQ((std::vector<Zahl>{w.Durchschnitt, w.Reichweite}), (std::vector<Zahl>{0, 0}));
    }
    EXPECT_EQ(DurchschnittsVerbrauchRW, 0);
    EXPECT_EQ(DurchschnittsReichweite(), 0);
    EXPECT_EQ(VeraenderungZumDurchschnitt(1), "");
}

// ---- statistics, axis scale and change values -------------------------------

TEST_F(Entwicklung, literpreisStatistikMitGewichtetemDurchschnittUndVeraenderungen)
{
    DreiFuellungen();
    Literpreise();
    EXPECT_EQ((std::vector<Zahl>{EW_Minimum, EW_Maximum}), (std::vector<Zahl>{1300, 1350}));
    EXPECT_EQ(DurchschnittsLiterpreis, 1322);   // 138,85 EUR / 105 L
    EXPECT_EQ(DurchschnittsVerbrauchRW, 0);
    EXPECT_EQ(VeraenderungZumDurchschnitt(1), "-1,66%");
    EXPECT_EQ(VeraenderungZumDurchschnitt(3), "+2,12%");
    EXPECT_EQ(VeraenderungZumVorgaenger(2), "+1,54%");
    // Outside the series, and the first point without a predecessor.
    for (uint32_t nr : {0u, 4u})
        EXPECT_EQ(VeraenderungZumDurchschnitt(nr) + VeraenderungZumVorgaenger(nr), "") << nr;
    EXPECT_EQ(VeraenderungZumVorgaenger(1), "");
}

TEST_F(Entwicklung, reichweitenStatistikMitVerbrauchAusSummenUndVeraenderungen)
{
    Tankinhalt = 50;
    DreiFuellungen();
    Reichweiten();
    EXPECT_NEAR(double(EW_Minimum), 5000 / 7.0, 1e-9);
    EXPECT_NEAR(double(EW_Maximum), 5000 / 6.0, 1e-9);
    EXPECT_EQ(DurchschnittsVerbrauchRW, 6.5L);
    EXPECT_EQ(DurchschnittsLiterpreis, 0);
    // Spread Round(83333,33 - 71428,57) = 11905; step 11905 div 40 + 1 = 298;
    // pad Round((40 - 39) x 0,5) = 0 (half to even); 71429 - 0 - 1490 = 69939 -> 69930.
    EXPECT_EQ(EW_Schritt, 298);
    EXPECT_EQ(EW_Unten, 69930);
    // Average range 5000 / 6,5 = 769,23 km.
    EXPECT_EQ(VeraenderungZumDurchschnitt(1), "+8,33%");
    EXPECT_EQ(VeraenderungZumDurchschnitt(2), "-7,14%");
    EXPECT_EQ(VeraenderungZumVorgaenger(2), "-14,29%");
}

struct SkalaFall {
    const char *name;
    uint8_t art;
    std::vector<Zahl> werte;
    int32_t schritt, unten;
};

class Skala : public Entwicklung, public ::testing::WithParamInterface<SkalaFall> {};

TEST_P(Skala, schrittUndUntenWieBerechnet)
{
    Reihe(GetParam().art, GetParam().werte);
    EXPECT_EQ(EW_Schritt, GetParam().schritt);
    EXPECT_EQ(EW_Unten, GetParam().unten);
}

INSTANTIATE_TEST_SUITE_P(
    Alle, Skala,
    ::testing::Values(
        // Litre prices: a pad of 20 for no spread, 10 up to a spread of 20.
        SkalaFall{"preisSpanne60", 1, {1399, 1459, 1420}, 2, 1399},
        SkalaFall{"preisAlleGleich", 1, {1400, 1400}, 1, 1380}, SkalaFall{"preisEinPunkt", 1, {1400}, 1, 1380},
        SkalaFall{"preisSpanne1", 1, {1400, 1401}, 1, 1390}, SkalaFall{"preisSpanne20", 1, {1400, 1420}, 1, 1390},
        SkalaFall{"preisSpanne21", 1, {1400, 1421}, 1, 1400}, SkalaFall{"preisSpanne40", 1, {1400, 1440}, 1, 1400},
        SkalaFall{"preisSpanne41", 1, {1400, 1441}, 2, 1400}, SkalaFall{"preisSpanne80", 1, {1400, 1480}, 2, 1400},
        SkalaFall{"preisSpanne81", 1, {1400, 1481}, 3, 1400},
        SkalaFall{"preisSpanne50", 1, {1300, 1320, 1350}, 2, 1300},
        // Ranges. Spread 1010, step 26, pad Round((40 - 38) x 0,5) = 1 taken
        // off unscaled: 50000 - 1 - 130 = 49869 -> 49860 (scaled: 49840).
        SkalaFall{"kmRandUnskaliert", 2, {500, 510.10L}, 26, 49860},
        // Spread 1000 is a multiple of 40: step 25; pad 0; 50000 - 125 = 49875 -> 49870.
        SkalaFall{"kmVielfachesVon40", 2, {500, 510}, 25, 49870},
        // Spread 35, step 1, pad Round(2,5) = 2 (half to even): 10007 - 2 - 5 = 10000.
        SkalaFall{"kmRandHalbZurGeraden", 2, {100.07L, 100.42L}, 1, 10000},
        // All equal: spread 0, step 1, pad 20: 100000 - 20 - 5 = 99975 -> 99970.
        SkalaFall{"kmAlleGleich", 2, {1000, 1000}, 1, 99970},
        // 0 - 4 - 15 = -19 -> -10 -> at least 0.
        SkalaFall{"kmMindestensNull", 2, {0, 1}, 3, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Entwicklung, veraenderungstextEinzelnerPunktUndTeilerNull)
{
    // Exactly zero has no sign.
    EXPECT_EQ(VeraenderungText(0) + " " + VeraenderungText(12.345L) + " " + VeraenderungText(-3),
              "0,00% +12,35% -3,00%");
    Reihe(1, {1400, 1400});
    EXPECT_EQ(VeraenderungZumDurchschnitt(2) + VeraenderungZumVorgaenger(2), "0,00%0,00%");
    // A single point has no change at all.
    Reihe(1, {1400});
    EXPECT_EQ(VeraenderungZumDurchschnitt(1) + VeraenderungZumVorgaenger(1), "");

    // No change for a divisor of 0.
    long double prozent = 5;
    EXPECT_FALSE(VeraenderungProzent(10, 0, prozent));
    EXPECT_EQ(prozent, 0);
    EXPECT_TRUE(VeraenderungProzent(15, 10, prozent));
    EXPECT_EQ(prozent, 50);

    // A litre price of 0 (a damaged record) as predecessor and as average.
    Reihe(1, {0, 1400});
    EXPECT_EQ(VeraenderungZumVorgaenger(2), "");
    Reihe(1, {0, 0});
    EXPECT_EQ(DurchschnittsLiterpreis, 0);
    EXPECT_EQ(VeraenderungZumDurchschnitt(1), "");

    // A range of 0 as predecessor.
    Tankinhalt = 50;
    Reihe(2, {0, 800});
    EXPECT_EQ(VeraenderungZumVorgaenger(2), "");
}

TEST_F(Entwicklung, zuruecksetzenLeertReiheUndStatistik)
{
    Reihe(2, {500, 600});
    DurchschnittsLiterpreis = 1234;
    DurchschnittsVerbrauchRW = 6;
    GlobalenZustandZuruecksetzen();
    EXPECT_EQ(AnzahlEntwicklungswerte(), 0u);
    EXPECT_EQ((std::vector<Zahl>{Zahl(EntwicklungsArt), EW_Minimum, EW_Maximum,
                                        Zahl(DurchschnittsLiterpreis), DurchschnittsVerbrauchRW,
                                        Zahl(EW_Schritt), Zahl(EW_Unten)}),
              (std::vector<Zahl>{1, 0, 0, 0, 0, 1, 0}));
}

}   // namespace
