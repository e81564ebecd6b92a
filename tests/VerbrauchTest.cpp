// Consumption values: builders, merging, totals, graph scale and sorting.

#include "consumption/Verbrauchswerte.h"
#include "core/Sprilo_Dek.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

TDatum D(const std::string &text)
{
    TDatum d;
    d.Tag = static_cast<uint8_t>(std::stoi(text.substr(0, 2)));
    d.Monat = static_cast<uint8_t>(std::stoi(text.substr(3, 2)));
    d.Jahr = static_cast<uint16_t>(std::stoi(text.substr(6, 4)));
    return d;
}

// A fill-up as the entry panel stores it; vollBei is the litre count at
// which the pump first shut off (0: not entered).
TTankFuellung Tankung(const std::string &datum, int32_t km, long double betrag, long double liter, bool voll,
                      long double vollBei = 0)
{
    TTankFuellung f;
    f.Datum = D(datum);
    f.KMStand = km;
    f.Betrag = betrag;
    f.Liter = liter;
    f.Vollgetankt = voll ? 1 : 0;
    f.LiterNachAbschaltung = (voll && vollBei != 0) ? liter - vollBei : 0;
    f.BetragNachAbschaltung = liter == 0 ? 0 : betrag * f.LiterNachAbschaltung / liter;
    f.LiterPreis = LiterPreisBerechnen(betrag, liter);
    return f;
}

std::string Dez(long double x, int stellen)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*Lf", stellen, x);
    std::string s = puffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

std::vector<int32_t> VonKMs()
{
    std::vector<int32_t> km;
    for (const auto &w : VerbrauchsListe)
        km.push_back(w.VonKM);
    return km;
}

std::vector<std::string> Bezeichnungen()
{
    std::vector<std::string> b;
    for (const auto &w : VerbrauchsListe)
        b.push_back(w.Bezeichnung);
    return b;
}

class Verbrauch : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalenZustandZuruecksetzen();
        VerbrauchsZustandZuruecksetzen();
    }
    void TearDown() override
    {
        GlobalenZustandZuruecksetzen();
        VerbrauchsZustandZuruecksetzen();
    }

    static void Jahr(uint16_t jahr, uint8_t ansicht = 1)
    {
        VerbrauchsAuswahl = 3;
        GewaehltesJahr = jahr;
        VerbrauchsAnsicht = ansicht;
        ErmittleVerbrauchswerte();
    }

    // Three full fill-ups: 500 km on 30 litres, 500 km on 35 litres.
    static void DreiVolltankungen()
    {
        Fuellungen = {
            Tankung("02.01.2003", 1000, 52.00L, 40, true),
            Tankung("03.02.2003", 1500, 39.60L, 30, true),
            Tankung("04.03.2003", 2000, 47.25L, 35, true),
        };
    }
};

// ---- the basic case --------------------------------------------------------

TEST_F(Verbrauch, dreiVolltankungenErgebenZweiWerteMit6Und7Litern)
{
    DreiVolltankungen();
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();

    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    const TVerbrauchsWert &a = VerbrauchsListe[0];
    EXPECT_EQ(a.Bezeichnung, "");
    EXPECT_EQ(a.VonKM, 1000);
    EXPECT_EQ(a.VonDatum, D("02.01.2003"));
    EXPECT_EQ(a.BisKM, 1500);
    EXPECT_EQ(a.BisDatum, D("03.02.2003"));
    EXPECT_EQ(a.Strecke, 500);
    EXPECT_EQ(a.AnzahlTankungen, 1);
    EXPECT_EQ(a.Vollgetankt, 1);
    EXPECT_EQ(a.Betrag, 39.60L);
    EXPECT_EQ(a.LiterGetankt, 30.0L);
    EXPECT_EQ(a.LiterVerbraucht, 30.0L);
    EXPECT_EQ(a.Durchschnitt, 6.0L);
    const TVerbrauchsWert &b = VerbrauchsListe[1];
    EXPECT_EQ(b.VonKM, 1500);
    EXPECT_EQ(b.BisKM, 2000);
    EXPECT_EQ(b.Strecke, 500);
    EXPECT_EQ(b.LiterVerbraucht, 35.0L);
    EXPECT_EQ(b.Durchschnitt, 7.0L);

    EXPECT_EQ(GesamtVerbrauch.VonKM, 1000);
    EXPECT_EQ(GesamtVerbrauch.BisKM, 2000);
    EXPECT_EQ(GesamtVerbrauch.Strecke, 1000);
    EXPECT_EQ(GesamtVerbrauch.AnzahlTankungen, 2);
    EXPECT_EQ(GesamtVerbrauch.LiterGetankt, 65.0L);
    EXPECT_EQ(GesamtVerbrauch.LiterVerbraucht, 65.0L);
    EXPECT_EQ(GesamtVerbrauch.Durchschnitt, 6.5L);
    EXPECT_EQ(Dez(GesamtVerbrauch.Betrag, 2), "86,85");
    EXPECT_EQ(StartKorrektur, 0.0L);
}

TEST_F(Verbrauch, jahresauswahlLiefertDieselbenZweiWerte)
{
    DreiVolltankungen();
    Jahr(2003);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(VonKMs(), (std::vector<int32_t>{1000, 1500}));
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 6.0L);
    EXPECT_EQ(VerbrauchsListe[1].Durchschnitt, 7.0L);
}

// ---- partial fill-ups and shut-off litres ---------------------------------

class TeilbetankungInDerMitte : public Verbrauch, public ::testing::WithParamInterface<bool> {};

TEST_P(TeilbetankungInDerMitte, zaehltZumWertDerNaechstenVolltankung)
{
    Fuellungen = {
        Tankung("01.03.2003", 1000, 60, 40, true),
        Tankung("10.03.2003", 1300, 30, 20, false),
        Tankung("20.03.2003", 1600, 37.5L, 25, true),
    };
    if (GetParam())
        ErmittleLetzteVerbrauchswerte();
    else
        Jahr(2003);

    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    const TVerbrauchsWert &w = VerbrauchsListe[0];
    EXPECT_EQ(w.VonKM, 1000);
    EXPECT_EQ(w.BisKM, 1600);
    EXPECT_EQ(w.Strecke, 600);
    EXPECT_EQ(w.AnzahlTankungen, 2);
    EXPECT_EQ(w.Vollgetankt, 1);
    EXPECT_EQ(w.Betrag, 67.5L);
    EXPECT_EQ(w.LiterGetankt, 45.0L);
    EXPECT_EQ(w.LiterVerbraucht, 45.0L);
    EXPECT_EQ(w.Durchschnitt, 7.5L);
}

INSTANTIATE_TEST_SUITE_P(BeideBuilder, TeilbetankungInDerMitte, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "letzteWerte" : "jahr"; });

class AbschaltungsLiter : public Verbrauch, public ::testing::WithParamInterface<bool> {};

TEST_P(AbschaltungsLiter, gehenAlsVerbrauchInDenNaechstenWert)
{
    // 40 litres, shut off at 38: 2 litres above the full level.
    Fuellungen = {
        Tankung("01.03.2003", 1000, 60, 40, true),
        Tankung("10.03.2003", 1500, 60, 40, true, 38),
        Tankung("20.03.2003", 2000, 45, 30, true),
    };
    if (GetParam())
        ErmittleLetzteVerbrauchswerte();
    else
        Jahr(2003);
    BerechneGesamtverbrauch();

    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(VerbrauchsListe[0].LiterGetankt, 40.0L);
    EXPECT_EQ(VerbrauchsListe[0].LiterNachAbschaltungEnde, 2.0L);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 38.0L);
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 7.6L);
    EXPECT_EQ(VerbrauchsListe[1].LiterGetankt, 30.0L);
    EXPECT_EQ(VerbrauchsListe[1].LiterVerbraucht, 32.0L);
    EXPECT_EQ(VerbrauchsListe[1].Durchschnitt, 6.4L);
    EXPECT_EQ(GesamtVerbrauch.LiterVerbraucht, 70.0L);
    EXPECT_EQ(GesamtVerbrauch.Durchschnitt, 7.0L);
}

INSTANTIATE_TEST_SUITE_P(BeideBuilder, AbschaltungsLiter, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "letzteWerte" : "jahr"; });

TEST_F(Verbrauch, abschaltungsliterDerStartfuellungSindStartkorrektur)
{
    Fuellungen = {
        Tankung("03.03.1999", 1000, 60, 40.5L, true, 39),
        Tankung("17.03.1999", 1550, 58, 38.25L, true),
    };
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(StartKorrektur, 1.5L);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 39.75L);
    EXPECT_EQ(GesamtVerbrauch.LiterVerbraucht, 39.75L);
}

// ---- the last values ------------------------------------------------------

// Full fill-ups every 1000 km from 1000 to 8000, 60 litres each (quarter
// litres keep all sums exact), then the given partial ones.
void AchtVolltankungen(int teilbetankungen)
{
    for (int i = 0; i < 8; ++i)
        Fuellungen.push_back(Tankung("01.01.2003", 1000 * (i + 1), 90, 60 + 0.25L * i, true));
    for (int i = 0; i < teilbetankungen; ++i)
        Fuellungen.push_back(Tankung("01.01.2003", 8000 + 500 * (i + 1), 30, 20, false));
}

TEST_F(Verbrauch, letzteWerteEndenBeiFuenfVolltankungen)
{
    AchtVolltankungen(0);
    ErmittleLetzteVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 5);
    EXPECT_EQ(VonKMs(), (std::vector<int32_t>{3000, 4000, 5000, 6000, 7000}));
    EXPECT_EQ(VerbrauchsListe.back().BisKM, 8000);
    EXPECT_EQ(VerbrauchsListe.back().Vollgetankt, 1);
    EXPECT_EQ(VerbrauchsListe.front().LiterVerbraucht, 60.75L);
}

TEST_F(Verbrauch, neuesteNichtVollErgibtSechsWerteMitVorlaeufigemLetzten)
{
    AchtVolltankungen(2);
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();

    ASSERT_EQ(AnzahlVerbrauchswerte(), 6);
    EXPECT_EQ(VonKMs(), (std::vector<int32_t>{3000, 4000, 5000, 6000, 7000, 8000}));
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(VerbrauchsListe[i].Vollgetankt, 1) << i;
    const TVerbrauchsWert &vorlaeufig = VerbrauchsListe[5];
    EXPECT_EQ(vorlaeufig.Vollgetankt, 0);
    EXPECT_EQ(vorlaeufig.BisKM, 9000);
    EXPECT_EQ(vorlaeufig.Strecke, 1000);
    EXPECT_EQ(vorlaeufig.AnzahlTankungen, 2);
    EXPECT_EQ(vorlaeufig.LiterVerbraucht, 40.0L);
    EXPECT_EQ(vorlaeufig.Durchschnitt, 4.0L);
    EXPECT_EQ(GesamtVerbrauch.Vollgetankt, 0);
    EXPECT_EQ(GesamtVerbrauch.Strecke, 6000);
}

TEST_F(Verbrauch, letzteWerteStimmenMitDenWertenDesJahresUeberein)
{
    // Same values from both builders, here with shut-off litres and partial
    // fill-ups inside.
    Fuellungen = {
        Tankung("01.01.2003", 1000, 50, 40, true, 39.5L),
        Tankung("05.01.2003", 1400, 30, 20, false),
        Tankung("09.01.2003", 1800, 40, 30.25L, true, 29),
        Tankung("15.01.2003", 2300, 50, 35.5L, true),
        Tankung("20.01.2003", 2700, 30, 20, false),
        Tankung("23.01.2003", 2900, 10, 8, false),
        Tankung("29.01.2003", 3300, 60, 45, true, 44.5L),
        Tankung("02.02.2003", 3900, 50, 38, true),
    };
    ErmittleLetzteVerbrauchswerte();
    const TVerbrauchsListe letzte = VerbrauchsListe;
    const long double startLetzte = StartKorrektur;
    Jahr(2003);
    ASSERT_EQ(letzte.size(), VerbrauchsListe.size());
    EXPECT_EQ(startLetzte, StartKorrektur);
    for (size_t i = 0; i < letzte.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(letzte[i].VonKM, VerbrauchsListe[i].VonKM);
        EXPECT_EQ(letzte[i].BisKM, VerbrauchsListe[i].BisKM);
        EXPECT_EQ(letzte[i].AnzahlTankungen, VerbrauchsListe[i].AnzahlTankungen);
        EXPECT_EQ(letzte[i].Betrag, VerbrauchsListe[i].Betrag);
        EXPECT_EQ(letzte[i].LiterGetankt, VerbrauchsListe[i].LiterGetankt);
        EXPECT_EQ(letzte[i].LiterNachAbschaltungEnde, VerbrauchsListe[i].LiterNachAbschaltungEnde);
        EXPECT_EQ(letzte[i].LiterVerbraucht, VerbrauchsListe[i].LiterVerbraucht);
    }
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 0.5L + 20 + 30.25L - 1.25L);
    EXPECT_EQ(VerbrauchsListe[2].AnzahlTankungen, 3);
}

struct ZweiFuellungenFall {
    bool ersteVoll;
    bool zweiteVoll;
};

class ZweiFuellungen : public Verbrauch, public ::testing::WithParamInterface<ZweiFuellungenFall> {};

TEST_P(ZweiFuellungen, ergebenGenauEinenLetztenWert)
{
    Fuellungen = {
        Tankung("01.05.2003", 1000, 60, 40, GetParam().ersteVoll),
        Tankung("11.05.2003", 1400, 42, 28, GetParam().zweiteVoll),
    };
    ErmittleLetzteVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].VonKM, 1000);
    EXPECT_EQ(VerbrauchsListe[0].BisKM, 1400);
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 1);
    EXPECT_EQ(VerbrauchsListe[0].Vollgetankt, GetParam().zweiteVoll ? 1 : 0);
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 7.0L);
}

INSTANTIATE_TEST_SUITE_P(Alle, ZweiFuellungen,
                         ::testing::Values(ZweiFuellungenFall{true, true}, ZweiFuellungenFall{true, false},
                                           ZweiFuellungenFall{false, true}, ZweiFuellungenFall{false, false}));

TEST_F(Verbrauch, nurTeilbetankungenErgebenEinenVorlaeufigenWertVomErstenAn)
{
    Fuellungen = {
        Tankung("01.05.2003", 1000, 30, 20, false),
        Tankung("05.05.2003", 1200, 15, 10, false),
        Tankung("09.05.2003", 1400, 15, 10, false),
        Tankung("13.05.2003", 1600, 15, 10, false),
    };
    ErmittleLetzteVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].VonKM, 1000);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 600);
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 3);
    EXPECT_EQ(VerbrauchsListe[0].Vollgetankt, 0);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 30.0L);
}

TEST_F(Verbrauch, wenigerAlsZweiFuellungenErgebenKeinenWert)
{
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    Fuellungen = {Tankung("01.05.2003", 1000, 60, 40, true, 39)};
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    EXPECT_EQ(StartKorrektur, 0.0L);
    Jahr(2003);
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
}

// ---- year and period selection -------------------------------------------

TEST_F(Verbrauch, teilbetankungenDesVorjahresGehenInBetragUndVerbrauchNichtInGetankt)
{
    Fuellungen = {
        Tankung("10.11.2002", 1000, 60, 40, true, 39),
        Tankung("05.12.2002", 1400, 30, 20, false),
        Tankung("20.12.2002", 1700, 22, 15, false),
        Tankung("10.01.2003", 2000, 45, 30, true),
        Tankung("10.02.2003", 2500, 45, 30, true),
    };
    Jahr(2003);
    BerechneGesamtverbrauch();

    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    const TVerbrauchsWert &w = VerbrauchsListe[0];
    EXPECT_EQ(w.VonKM, 1000);
    EXPECT_EQ(w.VonDatum, D("10.11.2002"));
    EXPECT_EQ(w.BisKM, 2000);
    EXPECT_EQ(w.Strecke, 1000);
    EXPECT_EQ(w.AnzahlTankungen, 3);
    EXPECT_EQ(w.Betrag, 97.0L);
    EXPECT_EQ(w.LiterGetankt, 30.0L);
    EXPECT_EQ(w.LiterVerbraucht, 66.0L);
    EXPECT_EQ(w.Durchschnitt, 6.6L);
    EXPECT_EQ(StartKorrektur, 36.0L);
    EXPECT_EQ(GesamtVerbrauch.LiterGetankt, 60.0L);
    EXPECT_EQ(GesamtVerbrauch.LiterVerbraucht, 96.0L);
    EXPECT_EQ(GesamtVerbrauch.Strecke, 1500);
}

TEST_F(Verbrauch, ohneVollenVorgaengerBeginntDerErsteWertBeiDerErstenFuellung)
{
    Fuellungen = {
        Tankung("10.11.2002", 1000, 60, 40, false),
        Tankung("05.12.2002", 1400, 30, 20, false),
        Tankung("10.01.2003", 2000, 45, 30, true),
    };
    Jahr(2003);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].VonKM, 1000);
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 2);
    EXPECT_EQ(VerbrauchsListe[0].Betrag, 75.0L);
    EXPECT_EQ(VerbrauchsListe[0].LiterGetankt, 30.0L);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 50.0L);
    EXPECT_EQ(StartKorrektur, 20.0L);
}

TEST_F(Verbrauch, jahresauswahlEndetVorlaeufigWennDieLetzteFuellungNichtVollWar)
{
    Fuellungen = {
        Tankung("01.12.2003", 1000, 60, 40, true),
        Tankung("20.12.2003", 1500, 30, 20, false),
        Tankung("05.01.2004", 2000, 45, 30, true),
    };
    Jahr(2003);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].BisKM, 1500);
    EXPECT_EQ(VerbrauchsListe[0].Vollgetankt, 0);
}

TEST_F(Verbrauch, dieErsteFuellungDerListeBeginntNurEinenWert)
{
    DreiVolltankungen();
    Fuellungen[0].Datum = D("02.01.2003");
    VerbrauchsAuswahl = 2;
    AktuellesJahr = 2003;
    GewaehltesJahr = 1999;
    ErmittleVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(VerbrauchsListe[0].BisKM, 1500);
}

TEST_F(Verbrauch, zeitraumReichtVomErstenTagBisZumMonatsende)
{
    Fuellungen = {
        Tankung("15.01.2003", 1000, 60, 40, true),
        Tankung("31.01.2003", 1500, 60, 40, true),
        Tankung("01.02.2003", 2000, 60, 40, true),
        Tankung("31.03.2003", 2500, 60, 40, true),
        Tankung("01.04.2003", 3000, 60, 40, true),
    };
    VerbrauchsAuswahl = 4;
    ZeitraumVon = TDatum{1, 2, 2003};
    ZeitraumBis = TDatum{32, 3, 2003};
    ErmittleVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(VerbrauchsListe[0].VonDatum, D("31.01.2003"));
    EXPECT_EQ(VerbrauchsListe[0].BisDatum, D("01.02.2003"));
    EXPECT_EQ(VerbrauchsListe[1].BisDatum, D("31.03.2003"));
}

TEST_F(Verbrauch, auswahlOhneTreffer)
{
    DreiVolltankungen();
    Jahr(1990, 2);
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
}

// ---- merging --------------------------------------------------------------

TEST_F(Verbrauch, monatsweiseWerdenWerteDesselbenMonatsZusammengefasst)
{
    Fuellungen = {
        Tankung("20.12.2002", 1000, 60, 40, true),
        Tankung("10.01.2003", 1500, 52.5L, 35, true, 33),
        Tankung("25.01.2003", 2000, 45, 30, true),
        Tankung("03.02.2003", 2600, 60, 40, true),
    };
    Jahr(2003, 2);

    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"Januar 2003", "Februar 2003"}));
    const TVerbrauchsWert &januar = VerbrauchsListe[0];
    EXPECT_EQ(januar.VonKM, 1000);
    EXPECT_EQ(januar.BisKM, 2000);
    EXPECT_EQ(januar.BisDatum, D("25.01.2003"));
    EXPECT_EQ(januar.Strecke, 1000);
    EXPECT_EQ(januar.AnzahlTankungen, 2);
    EXPECT_EQ(januar.Betrag, 97.5L);
    EXPECT_EQ(januar.LiterGetankt, 65.0L);
    EXPECT_EQ(januar.LiterNachAbschaltungEnde, 0.0L);
    EXPECT_EQ(januar.LiterVerbraucht, 33.0L + 32.0L);
    EXPECT_EQ(januar.Durchschnitt, 6.5L);
    const TVerbrauchsWert &februar = VerbrauchsListe[1];
    EXPECT_EQ(februar.VonKM, 2000);
    EXPECT_EQ(februar.Strecke, 600);
    EXPECT_EQ(februar.LiterVerbraucht, 40.0L);
}

TEST_F(Verbrauch, monatsnamenMitUmlautUndWertUeberDieMonatsgrenzeZaehltZumEndmonat)
{
    Fuellungen = {
        Tankung("20.02.2003", 1000, 60, 40, true),
        Tankung("02.03.2003", 1500, 45, 30, true),
        Tankung("09.04.2003", 2000, 45, 30, true),
    };
    Jahr(2003, 2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"März 2003", "April 2003"}));
}

TEST_F(Verbrauch, quartalsweiseTraegtDerWertDasQuartalSeinesEndes)
{
    Fuellungen = {
        Tankung("28.03.2003", 1000, 60, 40, true),
        Tankung("15.04.2003", 1500, 45, 30, true),
        Tankung("20.05.2003", 2000, 45, 30, true),
        Tankung("30.06.2003", 2500, 45, 30, true),
        Tankung("01.07.2003", 2800, 30, 20, true),
    };
    Jahr(2003, 3);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"2. Quartal 2003", "3. Quartal 2003"}));
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 3);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 1500);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 90.0L);
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 6.0L);
}

TEST_F(Verbrauch, jahresweiseHeisstDerWertDasJahr)
{
    Fuellungen = {
        Tankung("01.06.2002", 1000, 60, 40, true),
        Tankung("01.09.2002", 1500, 45, 30, true),
        Tankung("01.12.2002", 2000, 45, 30, false),
        Tankung("01.02.2003", 2500, 45, 30, true),
        Tankung("01.05.2003", 3000, 45, 30, true, 29),
        Tankung("01.08.2003", 3500, 45, 30, true),
    };
    VerbrauchsAuswahl = 4;
    ZeitraumVon = TDatum{1, 1, 2002};
    ZeitraumBis = TDatum{32, 12, 2003};
    VerbrauchsAnsicht = 4;
    ErmittleVerbrauchswerte();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 2);
    EXPECT_EQ(Bezeichnungen(), (std::vector<std::string>{"Das Jahr 2002", "Das Jahr 2003"}));
    // The partial fill-up of December belongs to the value that ends at the
    // next full one, in 2003.
    EXPECT_EQ(VerbrauchsListe[0].BisKM, 1500);
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 30.0L);
    EXPECT_EQ(VerbrauchsListe[1].VonKM, 1500);
    EXPECT_EQ(VerbrauchsListe[1].BisKM, 3500);
    EXPECT_EQ(VerbrauchsListe[1].Strecke, 2000);
    EXPECT_EQ(VerbrauchsListe[1].AnzahlTankungen, 4);
    EXPECT_EQ(VerbrauchsListe[1].Vollgetankt, 1);
    EXPECT_EQ(VerbrauchsListe[1].LiterGetankt, 120.0L);
    EXPECT_EQ(VerbrauchsListe[1].LiterVerbraucht, 120.0L);
    EXPECT_EQ(VerbrauchsListe[1].Durchschnitt, 6.0L);
}

TEST_F(Verbrauch, zusammenfassungDirektAufGebautenWerten)
{
    DreiVolltankungen();
    Jahr(2003);
    VerbrauchsAnsicht = 4;
    FasseVerbrauchswerteZusammen(false);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].Bezeichnung, "Das Jahr 2003");
    EXPECT_EQ(VerbrauchsListe[0].LiterVerbraucht, 65.0L);
}

class ZusammenfassungBeimAufbau : public Verbrauch, public ::testing::WithParamInterface<int> {};

TEST_P(ZusammenfassungBeimAufbau, gleichtDemZusammenfassenDerEinzelwerte)
{
    // Many values with partial fill-ups and shut-off litres over several
    // years: merging while building must give what merging afterwards gives.
    std::mt19937 zufall(815);
    for (int i = 0; i < 600; ++i) {
        const int monat = i / 7;
        const std::string datum = (i % 7 < 3 ? "0" : "") + std::to_string(1 + (i % 7) * 4) + "."
                                  + (monat % 12 < 9 ? "0" : "") + std::to_string(1 + monat % 12) + "."
                                  + std::to_string(2000 + monat / 12);
        const bool voll = zufall() % 3 != 0;
        const long double liter = 20 + static_cast<long double>(zufall() % 400) / 10;
        Fuellungen.push_back(Tankung(datum, 1000 + 400 * i + static_cast<int32_t>(zufall() % 300),
                                     liter * 1.359L, liter, voll, voll && zufall() % 2 ? liter - 0.7L : 0));
    }
    VerbrauchsAuswahl = 4;
    ZeitraumVon = TDatum{1, 3, 2000};
    ZeitraumBis = TDatum{32, 10, 2006};
    VerbrauchsAnsicht = 1;
    ErmittleVerbrauchswerte();
    const long double start = StartKorrektur;
    VerbrauchsAnsicht = static_cast<uint8_t>(GetParam());
    FasseVerbrauchswerteZusammen(GetParam() == 2);
    const TVerbrauchsListe nachher = VerbrauchsListe;

    ErmittleVerbrauchswerte();
    EXPECT_EQ(StartKorrektur, start);
    ASSERT_EQ(VerbrauchsListe.size(), nachher.size());
    ASSERT_GT(nachher.size(), 5u);
    for (size_t i = 0; i < nachher.size(); ++i) {
        SCOPED_TRACE(i);
        const TVerbrauchsWert &a = nachher[i];
        const TVerbrauchsWert &b = VerbrauchsListe[i];
        EXPECT_EQ(a.Bezeichnung, b.Bezeichnung);
        EXPECT_EQ(a.VonKM, b.VonKM);
        EXPECT_EQ(a.BisKM, b.BisKM);
        EXPECT_EQ(a.BisDatum, b.BisDatum);
        EXPECT_EQ(a.Strecke, b.Strecke);
        EXPECT_EQ(a.AnzahlTankungen, b.AnzahlTankungen);
        EXPECT_EQ(a.Vollgetankt, b.Vollgetankt);
        EXPECT_EQ(a.Betrag, b.Betrag);
        EXPECT_EQ(a.LiterGetankt, b.LiterGetankt);
        EXPECT_EQ(a.LiterNachAbschaltungEnde, b.LiterNachAbschaltungEnde);
        EXPECT_EQ(a.LiterVerbraucht, b.LiterVerbraucht);
        EXPECT_EQ(a.Durchschnitt, b.Durchschnitt);
    }
}

INSTANTIATE_TEST_SUITE_P(Ansichten, ZusammenfassungBeimAufbau, ::testing::Values(2, 3, 4));

// ---- totals ---------------------------------------------------------------

TEST_F(Verbrauch, beiGleichenDurchschnittenGewinntDerFruehesteWert)
{
    // Averages 6, 5, 7, 5, 7.
    const long double liter[] = {30, 25, 35, 25, 35};
    Fuellungen.push_back(Tankung("01.01.2003", 1000, 50, 40, true));
    for (int i = 0; i < 5; ++i)
        Fuellungen.push_back(Tankung("01.02.2003", 1500 + 500 * i, 50, liter[i], true));
    Jahr(2003);
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 5);
    EXPECT_EQ(KleinsterVerbrauch.VonKM, 1500);
    EXPECT_EQ(KleinsterVerbrauch.Durchschnitt, 5.0L);
    EXPECT_EQ(HoechsterVerbrauch.VonKM, 2000);
    EXPECT_EQ(HoechsterVerbrauch.Durchschnitt, 7.0L);
    EXPECT_EQ(GesamtVerbrauch.AnzahlTankungen, 5);
    EXPECT_EQ(GesamtVerbrauch.Betrag, 250.0L);
}

TEST_F(Verbrauch, gesamtverbrauchNimmtBezeichnungDesErstenUndVollgetanktDesLetzten)
{
    Fuellungen = {
        Tankung("01.01.2003", 1000, 60, 40, true),
        Tankung("01.02.2003", 1500, 45, 30, true),
        Tankung("01.03.2003", 2000, 45, 30, false),
    };
    Jahr(2003, 2);
    BerechneGesamtverbrauch();
    EXPECT_EQ(GesamtVerbrauch.Bezeichnung, "Februar 2003");
    EXPECT_EQ(GesamtVerbrauch.Vollgetankt, 0);
}

TEST_F(Verbrauch, gesamtverbrauchAufLeererListeBleibtLeer)
{
    GesamtVerbrauch.Strecke = 99;
    KleinsterVerbrauch.Durchschnitt = 5;
    HoechsterVerbrauch.Durchschnitt = 9;
    SkalaSchritt = 7;
    SkalaUnten = 300;
    BerechneGesamtverbrauch();
    EXPECT_EQ(GesamtVerbrauch.VonKM, -1);
    EXPECT_EQ(GesamtVerbrauch.Strecke, 0);
    EXPECT_EQ(GesamtVerbrauch.Durchschnitt, 0.0L);
    EXPECT_EQ(KleinsterVerbrauch.Durchschnitt, 0.0L);
    EXPECT_EQ(HoechsterVerbrauch.Durchschnitt, 0.0L);
    EXPECT_EQ(SkalaSchritt, 1);
    EXPECT_EQ(SkalaUnten, 0);
}

// ---- graph scale ----------------------------------------------------------

struct SkalaFall {
    long double kleinster;
    long double hoechster;
    int32_t schritt;
    int32_t unten;
};

void PrintTo(const SkalaFall &fall, std::ostream *os)
{
    *os << static_cast<double>(fall.kleinster) << ".." << static_cast<double>(fall.hoechster);
}

class GraphSkala : public Verbrauch, public ::testing::WithParamInterface<SkalaFall> {};

TEST_P(GraphSkala, schrittUndUntererRand)
{
    KleinsterVerbrauch.Durchschnitt = GetParam().kleinster;
    HoechsterVerbrauch.Durchschnitt = GetParam().hoechster;
    BerechneGraphSkala();
    EXPECT_EQ(SkalaSchritt, GetParam().schritt);
    EXPECT_EQ(SkalaUnten, GetParam().unten);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GraphSkala,
    ::testing::Values(SkalaFall{6.20L, 7.45L, 2, 580},   // span 125, pad 19: 581 cut to 580
                      SkalaFall{7.00L, 7.00L, 1, 640},   // span 0, pad 50
                      SkalaFall{6.00L, 7.00L, 1, 590},   // a multiple of 100 keeps the step
                      SkalaFall{6.00L, 7.01L, 2, 550},   // one above it doubles the step
                      SkalaFall{6.08L, 8.58L, 3, 570},   // pad 8.5 rounds to even 8, not 9
                      SkalaFall{0.50L, 0.60L, 1, 0},     // below zero stays at zero
                      SkalaFall{0.00L, 0.00L, 1, 0},
                      SkalaFall{5.00L, 25.00L, 20, 300}));

TEST_F(Verbrauch, graphSkalaAusDemGesamtverbrauch)
{
    Fuellungen = {
        Tankung("01.01.2003", 1000, 60, 40, true),
        Tankung("01.02.2003", 2000, 93, 62, true),
        Tankung("01.03.2003", 3000, 111.75L, 74.5L, true),
    };
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    EXPECT_EQ(SkalaSchritt, 2);
    EXPECT_EQ(SkalaUnten, 580);
}

// ---- sorting --------------------------------------------------------------

TVerbrauchsWert Wert(int32_t vonKM, int32_t strecke, long double liter, long double betrag)
{
    TVerbrauchsWert w;
    w.VonKM = vonKM;
    w.BisKM = vonKM + strecke;
    w.Strecke = strecke;
    w.LiterVerbraucht = liter;
    w.LiterGetankt = liter;
    w.Betrag = betrag;
    w.Durchschnitt = strecke == 0 ? 0 : liter * 100 / strecke;
    return w;
}

struct SortierFall {
    const char *name;
    int sortierung;
    bool umgekehrt;
    std::vector<int32_t> vonKM;
};

class Sortierung : public Verbrauch, public ::testing::WithParamInterface<SortierFall> {};

TEST_P(Sortierung, ordnetNachSchluesselUndBeiGleichstandNachKMStand)
{
    // VonKM   Strecke  Liter  Betrag  Durchschnitt  ct/km
    // 3000    500      30     45      6             9
    // 1000    400      24     48      6             12
    // 2000    500      35     35      7             7
    // 4000    400      32     36      8             9
    // 5000    500      30     30      6             6
    VerbrauchsListe = {Wert(3000, 500, 30, 45), Wert(1000, 400, 24, 48), Wert(2000, 500, 35, 35),
                       Wert(4000, 400, 32, 36), Wert(5000, 500, 30, 30)};
    SortiereVerbrauchswerte(GetParam().sortierung, GetParam().umgekehrt);
    EXPECT_EQ(VonKMs(), GetParam().vonKM);
}

INSTANTIATE_TEST_SUITE_P(
    Schluessel, Sortierung,
    ::testing::Values(SortierFall{"kmStand", 1, false, {1000, 2000, 3000, 4000, 5000}},
                      SortierFall{"kmStandUmgekehrt", 1, true, {5000, 4000, 3000, 2000, 1000}},
                      SortierFall{"durchschnitt", 2, false, {1000, 3000, 5000, 2000, 4000}},
                      SortierFall{"durchschnittUmgekehrt", 2, true, {4000, 2000, 5000, 3000, 1000}},
                      SortierFall{"strecke", 3, false, {1000, 4000, 2000, 3000, 5000}},
                      SortierFall{"streckeUmgekehrt", 3, true, {5000, 3000, 2000, 4000, 1000}},
                      SortierFall{"liter", 4, false, {1000, 3000, 5000, 4000, 2000}},
                      SortierFall{"literUmgekehrt", 4, true, {2000, 4000, 5000, 3000, 1000}},
                      SortierFall{"kilometerpreis", 5, false, {5000, 2000, 3000, 4000, 1000}},
                      SortierFall{"kilometerpreisUmgekehrt", 5, true, {1000, 4000, 3000, 2000, 5000}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Verbrauch, gleicherKMStandBehaeltSeineReihenfolge)
{
    VerbrauchsListe = {Wert(2000, 100, 1, 1), Wert(1000, 200, 2, 2), Wert(2000, 300, 3, 3)};
    SortiereVerbrauchswerte(1, false);
    EXPECT_EQ(VerbrauchsListe[1].Strecke, 100);
    EXPECT_EQ(VerbrauchsListe[2].Strecke, 300);
    SortiereVerbrauchswerte(1, true);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 100);
    EXPECT_EQ(VerbrauchsListe[1].Strecke, 300);
}

// Neighbour exchanges until a pass changes nothing: the order the sort must
// reproduce.
void NachbarTausch(TVerbrauchsListe &liste, int sortierung, bool umgekehrt)
{
    auto schluessel = [sortierung](const TVerbrauchsWert &w) -> long double {
        switch (sortierung) {
        case 2: return w.Durchschnitt;
        case 3: return w.Strecke;
        case 4: return w.LiterVerbraucht;
        case 5: return w.LiterVerbraucht == 0 ? 0 : w.Betrag / w.LiterVerbraucht * w.Durchschnitt;
        default: return w.VonKM;
        }
    };
    bool getauscht = true;
    while (getauscht) {
        getauscht = false;
        for (size_t i = 0; i + 1 < liste.size(); ++i) {
            const long double a = schluessel(liste[i]);
            const long double b = schluessel(liste[i + 1]);
            bool tauschen;
            if (!umgekehrt)
                tauschen = a > b || (a == b && sortierung > 1 && liste[i].VonKM > liste[i + 1].VonKM);
            else
                tauschen = a < b || (a == b && sortierung > 1 && liste[i].VonKM < liste[i + 1].VonKM);
            if (tauschen) {
                std::swap(liste[i], liste[i + 1]);
                getauscht = true;
            }
        }
    }
}

TEST_F(Verbrauch, sortierungGleichtDemNachbartauschAufZufallswerten)
{
    std::mt19937 zufall(4711);
    for (int runde = 0; runde < 20; ++runde) {
        TVerbrauchsListe ausgang;
        for (int i = 0; i < 60; ++i) {
            // Few distinct keys, so that ties are frequent; repeated VonKM too.
            const int32_t von = 1000 * static_cast<int32_t>(zufall() % 25);
            const int32_t strecke = 100 * static_cast<int32_t>(zufall() % 4);
            TVerbrauchsWert w = Wert(von, strecke, static_cast<long double>(zufall() % 5) * 10,
                                     static_cast<long double>(zufall() % 3) * 20);
            w.Bezeichnung = std::to_string(i);
            ausgang.push_back(w);
        }
        for (int sortierung = 1; sortierung <= 5; ++sortierung) {
            for (bool umgekehrt : {false, true}) {
                TVerbrauchsListe erwartet = ausgang;
                NachbarTausch(erwartet, sortierung, umgekehrt);
                VerbrauchsListe = ausgang;
                SortiereVerbrauchswerte(sortierung, umgekehrt);
                std::vector<std::string> soll, ist;
                for (const auto &w : erwartet)
                    soll.push_back(w.Bezeichnung);
                ist = Bezeichnungen();
                EXPECT_EQ(ist, soll) << "Sortierung " << sortierung << (umgekehrt ? " umgekehrt" : "");
            }
        }
    }
}

// ---- guards ---------------------------------------------------------------

TEST_F(Verbrauch, abgeleiteteWerte)
{
    TVerbrauchsWert w = Wert(1000, 500, 30, 45);
    EXPECT_EQ(Reichweite(50, 6.25L), 800.0L);
    EXPECT_EQ(KostenProKm(w), 9.0L);
    EXPECT_EQ(DurchschnittlicherLiterPreis(w), 1500);
}

TEST_F(Verbrauch, nullTeilerGebenNull)
{
    EXPECT_EQ(Reichweite(50, 0), 0.0L);
    TVerbrauchsWert ohneLiter = Wert(1000, 500, 0, 45);
    EXPECT_EQ(KostenProKm(ohneLiter), 0.0L);
    EXPECT_EQ(DurchschnittlicherLiterPreis(ohneLiter), 0);

    // Two fill-ups at the same reading (only in a damaged file): no distance.
    Fuellungen = {
        Tankung("01.01.2003", 1000, 60, 40, true),
        Tankung("01.02.2003", 1000, 45, 30, true),
    };
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 0);
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 0.0L);
    EXPECT_EQ(GesamtVerbrauch.Durchschnitt, 0.0L);
}

TEST_F(Verbrauch, fuellungenOhneOderMitNegativenLiternBleibenEndlich)
{
    Fuellungen = {
        Tankung("01.01.2003", 1000, 60, 40, true),
        Tankung("01.02.2003", 1500, 0, 0, true),
        Tankung("01.03.2003", 2000, -10, -5, true),
        Tankung("01.04.2003", 2500, 5, 5, true),
    };
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 3);
    for (const auto &w : VerbrauchsListe) {
        EXPECT_TRUE(std::isfinite(KostenProKm(w)));
        EXPECT_TRUE(std::isfinite(Reichweite(50, w.Durchschnitt)));
    }
    EXPECT_EQ(VerbrauchsListe[0].Durchschnitt, 0.0L);
    EXPECT_EQ(KostenProKm(VerbrauchsListe[0]), 0.0L);
    EXPECT_EQ(Reichweite(50, VerbrauchsListe[0].Durchschnitt), 0.0L);
    EXPECT_EQ(VerbrauchsListe[1].Durchschnitt, -1.0L);
    EXPECT_EQ(DurchschnittlicherLiterPreis(VerbrauchsListe[1]), 2000);
    for (int s = 1; s <= 5; ++s)
        SortiereVerbrauchswerte(s, s % 2 == 0);
    EXPECT_EQ(AnzahlVerbrauchswerte(), 3);
    EXPECT_EQ(SkalaSchritt, 2);
    EXPECT_EQ(SkalaUnten, 0);
}

TEST_F(Verbrauch, streckeZwischenExtremenKMStaendenWirdBegrenzt)
{
    Fuellungen = {
        Tankung("01.01.2003", -2000000000, 60, 40, true),
        Tankung("01.02.2003", 2000000000, 45, 30, true),
    };
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(GesamtVerbrauch.Strecke, std::numeric_limits<int32_t>::max());
    EXPECT_GT(VerbrauchsListe[0].Durchschnitt, 0.0L);

    Fuellungen[0].KMStand = 2000000000;
    Fuellungen[1].KMStand = -2000000000;
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(VerbrauchsListe[0].Strecke, std::numeric_limits<int32_t>::min());
}

TEST_F(Verbrauch, anzahlTankungenBleibtBeiVielenTeilbetankungenAmObersten)
{
    Fuellungen.push_back(Tankung("01.01.2003", 0, 1, 1, true));
    for (int i = 1; i <= 70000; ++i)
        Fuellungen.push_back(Tankung("02.01.2003", i, 1, 1, false));
    Jahr(2003);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 65535);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 70000);
}

// ---- files written by an independent implementation ----------------------

std::string Fixtures()
{
    return std::string(SPRILO_TESTDATEN) + "/fixtures/";
}

std::vector<std::string> Felder(const std::string &zeile, char trenner)
{
    std::vector<std::string> felder;
    std::string feld;
    std::istringstream in(zeile);
    while (std::getline(in, feld, trenner))
        felder.push_back(feld);
    if (!zeile.empty() && zeile.back() == trenner)
        felder.push_back("");
    return felder;
}

// Loads the fill-ups of inhalt.txt; returns false for a DM file, whose
// amounts are converted only by the loader.
bool InhaltLaden(const std::string &ordner)
{
    std::ifstream in(Fixtures() + ordner + "/inhalt.txt");
    EXPECT_TRUE(in.good()) << ordner;
    bool euro = true;
    std::string zeile;
    Fuellungen.clear();
    while (std::getline(in, zeile)) {
        if (zeile.find('=') != std::string::npos && zeile.find(';') == std::string::npos) {
            if (zeile == "euro=0")
                euro = false;
            continue;
        }
        const auto f = Felder(zeile, ';');
        if (f.size() < 7)
            continue;
        const long double vollBei = f[6].empty() ? 0 : std::strtold(f[6].c_str(), nullptr);
        Fuellungen.push_back(Tankung(f[0], std::stoi(f[1]), std::strtold(f[3].c_str(), nullptr),
                                     std::strtold(f[4].c_str(), nullptr), f[5] == "J", vollBei));
    }
    return euro;
}

std::string OhneZeichen(std::string s, const std::string &weg)
{
    s.erase(std::remove_if(s.begin(), s.end(), [&](char c) { return weg.find(c) != std::string::npos; }),
            s.end());
    return s;
}

std::string OhneEnde(std::string s, const std::string &ende)
{
    s = OhneZeichen(s, " ");
    if (s.size() >= ende.size() && s.compare(s.size() - ende.size(), ende.size(), ende) == 0)
        s.erase(s.size() - ende.size());
    return s;
}

std::string DatumAlsText(const TDatum &d)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%02u.%02u.%04u", unsigned(d.Tag), unsigned(d.Monat), unsigned(d.Jahr));
    return puffer;
}

void ZeileVergleichen(const std::string &zeile, const TVerbrauchsWert &w, bool euro)
{
    const auto f = Felder(zeile, '\t');
    ASSERT_EQ(f.size(), 15u) << zeile;
    SCOPED_TRACE(zeile);
    EXPECT_EQ(f[1], w.Bezeichnung);
    EXPECT_EQ(OhneZeichen(f[2], " ."), std::to_string(w.VonKM));
    EXPECT_EQ(f[3], DatumAlsText(w.VonDatum));
    EXPECT_EQ(OhneZeichen(f[4], " ."), std::to_string(w.BisKM));
    EXPECT_EQ(f[5], DatumAlsText(w.BisDatum));
    EXPECT_EQ(OhneZeichen(OhneEnde(f[6], "Km"), "."), std::to_string(w.Strecke));
    EXPECT_EQ(OhneZeichen(OhneEnde(f[7], "L"), "."), Dez(w.LiterVerbraucht, 2));
    EXPECT_EQ(OhneZeichen(OhneEnde(f[8], "L/100Km"), "."), Dez(w.Durchschnitt, 6));
    EXPECT_EQ(f[9], std::to_string(w.AnzahlTankungen));
    EXPECT_EQ(f[10] == "JA", w.Vollgetankt == 1);
    EXPECT_EQ(OhneZeichen(OhneEnde(f[11], "L"), "."), Dez(w.LiterGetankt, 2));
    if (!euro)
        return;
    EXPECT_EQ(OhneZeichen(f[12], " .EUR"), Dez(w.Betrag, 2));
    EXPECT_EQ(std::stoi(OhneZeichen(OhneEnde(f[13], "EUR/l"), ".,")), DurchschnittlicherLiterPreis(w));
    EXPECT_EQ(OhneZeichen(OhneEnde(f[14], "cent/Km"), "."), Dez(KostenProKm(w), 4));
}

struct FixtureFall {
    const char *name;
    const char *ordner;
    const char *erwartet;
    uint8_t auswahl;       // 1 last values, 3 chosen year
    uint16_t jahr;
    uint8_t ansicht;
    int sortierung;        // 0 unsorted
    bool umgekehrt;
};

void PrintTo(const FixtureFall &fall, std::ostream *os)
{
    *os << fall.ordner << "/" << fall.erwartet;
}

class Fixture : public Verbrauch, public ::testing::WithParamInterface<FixtureFall> {};

TEST_P(Fixture, werteWieDieUnabhaengigeUmsetzung)
{
    const FixtureFall &fall = GetParam();
    const bool euro = InhaltLaden(fall.ordner);
    if (fall.auswahl == 1) {
        ErmittleLetzteVerbrauchswerte();
    } else {
        VerbrauchsAuswahl = fall.auswahl;
        GewaehltesJahr = fall.jahr;
        VerbrauchsAnsicht = fall.ansicht;
        ErmittleVerbrauchswerte();
    }
    BerechneGesamtverbrauch();
    if (fall.sortierung != 0)
        SortiereVerbrauchswerte(fall.sortierung, fall.umgekehrt);

    std::ifstream in(Fixtures() + fall.ordner + "/" + fall.erwartet);
    ASSERT_TRUE(in.good());
    std::string zeile;
    std::getline(in, zeile);   // column titles
    size_t werte = 0;
    int zusammenfassungen = 0;
    while (std::getline(in, zeile)) {
        if (zeile.empty())
            continue;
        const std::string art = zeile.substr(0, zeile.find('\t'));
        if (art == "Wert") {
            ASSERT_LT(werte, VerbrauchsListe.size());
            ZeileVergleichen(zeile, VerbrauchsListe[werte++], euro);
        } else if (art == "Gesamt") {
            ZeileVergleichen(zeile, GesamtVerbrauch, euro);
            ++zusammenfassungen;
        } else if (art == "Kleinster") {
            ZeileVergleichen(zeile, KleinsterVerbrauch, euro);
            ++zusammenfassungen;
        } else if (art == "Höchster") {
            ZeileVergleichen(zeile, HoechsterVerbrauch, euro);
            ++zusammenfassungen;
        } else {
            ADD_FAILURE() << zeile;
        }
    }
    EXPECT_EQ(werte, VerbrauchsListe.size());
    EXPECT_EQ(zusammenfassungen, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, Fixture,
    ::testing::Values(
        FixtureFall{"grundLetzte", "grund", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false},
        FixtureFall{"grundJahr2003", "grund", "expected_verbrauch_jahr_2003.txt", 3, 2003, 1, 0, false},
        FixtureFall{"grundJahresweise", "grund", "expected_verbrauch_jahr_2003_jahresweise.txt", 3, 2003, 4, 0,
                    false},
        FixtureFall{"grundNachDurchschnittUmgekehrt", "grund",
                    "expected_verbrauch_letzte_sortierung_2_umgekehrt.txt", 1, 0, 1, 2, true},
        FixtureFall{"stationenLetzte", "stationen", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false},
        FixtureFall{"dmLetzte", "dm", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false},
        FixtureFall{"dmMonatsweise", "dm", "expected_verbrauch_jahr_2001_monatsweise.txt", 3, 2001, 2, 0, false},
        FixtureFall{"altLetzte", "alt", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false},
        FixtureFall{"altewaehrungLetzte", "altewaehrung", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false},
        FixtureFall{"muellLetzte", "muell", "expected_verbrauch_letzte.txt", 1, 0, 1, 0, false}),
    [](const auto &info) { return std::string(info.param.name); });

}   // namespace
