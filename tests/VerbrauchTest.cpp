// Consumption values: builders, merging, totals, graph scale and sorting.

#include "consumption/Verbrauchswerte.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include "Fixtures.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

// A fill-up as the entry panel stores it; vollBei is the litre count at
// which the pump first shut off (0: not entered).
TTankFuellung Voll(const std::string &d, int32_t km, long double betrag, long double liter, long double vollBei = 0,
                   uint8_t voll = 1)
{
    const TDatum datum{uint8_t(std::stoi(d.substr(0, 2))), uint8_t(std::stoi(d.substr(3, 2))),
                       uint16_t(std::stoi(d.substr(6, 4)))};
    return {datum, km, -1, "", 0, betrag, liter, voll, 0, vollBei != 0 ? liter - vollBei : 0, 0};
}

TTankFuellung Teil(const std::string &d, int32_t km, long double betrag, long double liter)
{
    return Voll(d, km, betrag, liter, 0, 0);
}

// A value in one line: label, stretch, km, fill-ups, full, amount, litres
// tanked, above the full level at its end, consumed, average.
std::string Text(const TVerbrauchsWert &w)
{
    char s[300];
    std::snprintf(s, sizeof s, "%d-%d %d %d %d %.18Lg %.18Lg %.18Lg %.18Lg %.18Lg", w.VonKM, w.BisKM, w.Strecke,
                  w.AnzahlTankungen, w.Vollgetankt, w.Betrag, w.LiterGetankt, w.LiterNachAbschaltungEnde,
                  w.LiterVerbraucht, w.Durchschnitt);
    return (w.Bezeichnung.empty() ? "" : w.Bezeichnung + ": ") + s;
}

std::vector<std::string> Texte(std::string (*text)(const TVerbrauchsWert &) = Text)
{
    std::vector<std::string> t;
    for (const auto &w : VerbrauchsListe)
        t.push_back(text(w));
    return t;
}

// Which stretches the list covers, in one line.
std::string Strecken()
{
    std::string s;
    for (const auto &w : VerbrauchsListe)
        s += (s.empty() ? "" : " ") + std::to_string(w.VonKM) + "-" + std::to_string(w.BisKM);
    return s;
}

class Verbrauch : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(), VerbrauchsZustandZuruecksetzen(); }

    static void Waehlen(uint8_t auswahl, uint16_t jahr, TDatum von, TDatum bis, uint8_t ansicht)
    {
        std::tie(VerbrauchsAuswahl, GewaehltesJahr, ZeitraumVon, ZeitraumBis, VerbrauchsAnsicht) =
            std::tie(auswahl, jahr, von, bis, ansicht);
        ErmittleVerbrauchswerte();
    }
    static void Jahr(uint16_t jahr, uint8_t ansicht = 1) { Waehlen(3, jahr, {}, {}, ansicht); }
};

struct WerteFall {
    const char *name;
    uint16_t jahr;            // 0: both builders, the year one on the year of the last fill-up
    long double start;        // StartKorrektur
    std::vector<TTankFuellung> fuellungen;
    std::vector<std::string> werte;
    std::string gesamt = "";  // left out: the single value
};

class Werte : public Verbrauch, public ::testing::WithParamInterface<WerteFall> {};

TEST_P(Werte, wieVonHandGerechnet)
{
    const WerteFall &fall = GetParam();
    Fuellungen = fall.fuellungen;
    for (bool letzte : {fall.jahr == 0, false}) {
        SCOPED_TRACE(letzte ? "letzte Werte" : "Jahr");
        letzte ? ErmittleLetzteVerbrauchswerte() : Jahr(fall.jahr != 0 ? fall.jahr : Fuellungen.back().Datum.Jahr);
        BerechneGesamtverbrauch();
        EXPECT_EQ(Texte(), fall.werte);
        EXPECT_EQ(Text(GesamtVerbrauch), fall.werte.size() == 1 ? fall.werte[0] : fall.gesamt);
        EXPECT_EQ(StartKorrektur, fall.start);
    }
}

// Amounts and litres are multiples of a quarter, so that all sums are exact.
const std::vector<WerteFall> WerteFaelle = {
    {"dreiVolltankungen", 0, 0,
     {Voll("02.01.2003", 1000, 52, 40), Voll("03.02.2003", 1500, 39.5L, 30), Voll("04.03.2003", 2000, 47.25L, 35)},
     {"1000-1500 500 1 1 39.5 30 0 30 6", "1500-2000 500 1 1 47.25 35 0 35 7"},
     "1000-2000 1000 2 1 86.75 65 0 65 6.5"},
    // The partial fill-up belongs to the value of the next full one.
    {"teilbetankungInDerMitte", 0, 0,
     {Voll("01.03.2003", 1000, 60, 40), Teil("10.03.2003", 1300, 30, 20), Voll("20.03.2003", 1600, 37.5L, 25)},
     {"1000-1600 600 2 1 67.5 45 0 45 7.5"}},
    // 40 litres, shut off at 38: 2 litres above the full level, used up in the next value.
    {"abschaltungsliter", 0, 0,
     {Voll("01.03.2003", 1000, 60, 40), Voll("10.03.2003", 1500, 60, 40, 38), Voll("20.03.2003", 2000, 45, 30)},
     {"1000-1500 500 1 1 60 40 2 38 7.6", "1500-2000 500 1 1 45 30 0 32 6.4"},
     "1000-2000 1000 2 1 105 70 0 70 7"},
    {"abschaltungsliterDerStartfuellung", 0, 1.5L,
     {Voll("03.03.1999", 1000, 60, 40.5L, 39), Voll("17.03.1999", 1550, 58, 38.25L)},
     {"1000-1550 550 1 1 58 38.25 0 39.75 7.22727272727272727"}},
    {"gemischt", 0, 0.5L,
     {Voll("01.01.2003", 1000, 50, 40, 39.5L), Teil("05.01.2003", 1400, 30, 20),
      Voll("09.01.2003", 1800, 40, 30.25L, 29), Voll("15.01.2003", 2300, 50, 35.5L), Teil("20.01.2003", 2700, 30, 20),
      Teil("23.01.2003", 2900, 10, 8), Voll("29.01.2003", 3300, 60, 45, 44.5L), Voll("02.02.2003", 4000, 50, 38)},
     {"1000-1800 800 2 1 70 50.25 1.25 49.5 6.1875", "1800-2300 500 1 1 50 35.5 0 36.75 7.35",
      "2300-3300 1000 3 1 100 73 0.5 72.5 7.25", "3300-4000 700 1 1 50 38 0 38.5 5.5"},
     "1000-4000 3000 7 1 270 196.75 0 197.25 6.575"},
    // Two fill-ups are enough for one value; it is provisional when the newest
    // was not full, and it starts at the first even when that was not.
    {"vollDannTeil", 0, 0, {Voll("01.05.2003", 1000, 60, 40), Teil("11.05.2003", 1400, 42, 28)},
     {"1000-1400 400 1 0 42 28 0 28 7"}},
    {"teilDannVoll", 0, 0, {Teil("01.05.2003", 1000, 60, 40), Voll("11.05.2003", 1400, 42, 28)},
     {"1000-1400 400 1 1 42 28 0 28 7"}},
    // Without any full fill-up one provisional value runs from the first.
    {"nurTeilbetankungen", 0, 0,
     {Teil("01.05.2003", 1000, 30, 20), Teil("05.05.2003", 1200, 15, 10), Teil("09.05.2003", 1400, 15, 10),
      Teil("13.05.2003", 1600, 15, 10)},
     {"1000-1600 600 3 0 45 30 0 30 5"}},
    // A damaged file: no distance to divide by, no or negative litres.
    {"gleicherKMStand", 0, 0, {Voll("01.01.2003", 1000, 60, 40), Voll("01.02.2003", 1000, 45, 30)},
     {"1000-1000 0 1 1 45 30 0 30 0"}},
    {"ohneOderMitNegativenLitern", 0, 0,
     {Voll("01.01.2003", 1000, 60, 40), Voll("01.02.2003", 1500, 0, 0), Voll("01.03.2003", 2000, -10, -5),
      Voll("01.04.2003", 2500, 5, 5)},
     {"1000-1500 500 1 1 0 0 0 0 0", "1500-2000 500 1 1 -10 -5 0 -5 -1", "2000-2500 500 1 1 5 5 0 5 1"},
     "1000-2500 1500 3 1 -5 0 0 0 0"},
    // Partial fill-ups of the year before: their amount and litres count as
    // consumed in the first value, not as tanked in the chosen year.
    {"teilbetankungenDesVorjahres", 2003, 36,
     {Voll("10.11.2002", 1000, 60, 40, 39), Teil("05.12.2002", 1400, 30, 20), Teil("20.12.2002", 1700, 22, 15),
      Voll("10.01.2003", 2000, 45, 30), Voll("10.02.2003", 2500, 45, 30)},
     {"1000-2000 1000 3 1 97 30 0 66 6.6", "2000-2500 500 1 1 45 30 0 30 6"},
     "1000-2500 1500 4 1 142 60 0 96 6.4"},
    {"ohneVollenVorgaengerAbDerErstenFuellung", 2003, 20,
     {Teil("10.11.2002", 1000, 60, 40), Teil("05.12.2002", 1400, 30, 20), Voll("10.01.2003", 2000, 45, 30)},
     {"1000-2000 1000 2 1 75 30 0 50 5"}},
    // The year ends on a partial fill-up: the value stays provisional.
    {"jahrEndetVorlaeufig", 2003, 0,
     {Voll("01.12.2003", 1000, 60, 40), Teil("20.12.2003", 1500, 30, 20), Voll("05.01.2004", 2000, 45, 30)},
     {"1000-1500 500 1 0 30 20 0 20 4"}},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Werte, ::testing::ValuesIn(WerteFaelle),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(Verbrauch, letzteWerteReichenFuenfVolltankungenZurueck)
{
    // Every 1000 km, all full but the one at 3000: the fifth full one back reaches over it to 2000.
    for (int i = 0; i < 8; ++i)
        Fuellungen.push_back(Voll("01.01.2003", 1000 * (i + 1), 90, 60 + 0.25L * i));
    Fuellungen[2].Vollgetankt = 0;
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(Strecken(), "2000-4000 4000-5000 5000-6000 6000-7000 7000-8000");
    EXPECT_EQ(Text(VerbrauchsListe.front()), "2000-4000 2000 2 1 180 121.25 0 121.25 6.0625");

    // The newest not full: five full values and a provisional sixth.
    Fuellungen.push_back(Teil("01.01.2003", 8500, 30, 20));
    Fuellungen.push_back(Teil("01.01.2003", 9000, 30, 20));
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    EXPECT_EQ(Strecken(), "2000-4000 4000-5000 5000-6000 6000-7000 7000-8000 8000-9000");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(VerbrauchsListe[i].Vollgetankt, 1) << i;
    EXPECT_EQ(Text(VerbrauchsListe[5]), "8000-9000 1000 2 0 60 40 0 40 4");
    EXPECT_EQ(Text(GesamtVerbrauch), "2000-9000 7000 8 0 600 406.75 0 406.75 5.81071428571428571");
}

TEST_F(Verbrauch, wenigerAlsZweiFuellungenErgebenKeinenWertUndLeereSummen)
{
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    Fuellungen = {Voll("01.05.2003", 1000, 60, 40, 39)};
    Jahr(2003);
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte() + StartKorrektur, 0.0L);
    // Figures left from an earlier list must go.
    std::tie(GesamtVerbrauch.Strecke, KleinsterVerbrauch.Durchschnitt, HoechsterVerbrauch.Durchschnitt, SkalaSchritt,
             SkalaUnten) = std::make_tuple(99, 5.0L, 9.0L, 7, 300);
    BerechneGesamtverbrauch();
    EXPECT_EQ(Text(GesamtVerbrauch), "-1--1 0 0 1 0 0 0 0 0");
    EXPECT_EQ(std::tie(KleinsterVerbrauch.Durchschnitt, HoechsterVerbrauch.Durchschnitt, SkalaSchritt, SkalaUnten),
              std::make_tuple(0.0L, 0.0L, 1, 0));
}

TEST_F(Verbrauch, auswahlNimmtDieWerteDerenEndfuellungSieTrifft)
{
    struct Fall { uint8_t auswahl; uint16_t aktuell, jahr; TDatum von, bis; uint8_t ansicht; const char *strecken; };
    const Fall faelle[] = {
        // The first fill-up of the list only starts a value.
        {2, 2003, 1999, {}, {}, 1, "1000-1500 1500-2000 2000-2500 2500-3000"},
        {3, 1999, 2003, {}, {}, 1, "1000-1500 1500-2000 2000-2500 2500-3000"},
        {3, 2003, 1990, {}, {}, 2, ""},
        // From the first day to the end of the month.
        {4, 0, 0, {1, 2, 2003}, {32, 3, 2003}, 1, "1500-2000 2000-2500"},
        {4, 0, 0, {31, 1, 2003}, {31, 1, 2003}, 1, "1000-1500"},
    };
    Fuellungen = {Voll("15.01.2003", 1000, 60, 40), Voll("31.01.2003", 1500, 60, 40), Voll("01.02.2003", 2000, 60, 40),
                  Voll("31.03.2003", 2500, 60, 40), Voll("01.04.2003", 3000, 60, 40)};
    for (const Fall &f : faelle) {
        AktuellesJahr = f.aktuell;
        Waehlen(f.auswahl, f.jahr, f.von, f.bis, f.ansicht);
        EXPECT_EQ(Strecken(), f.strecken);
    }
}

TEST_F(Verbrauch, zusammenfassungNachDerBezeichnungDesWertendes)
{
    struct Fall { uint8_t ansicht; std::vector<TTankFuellung> fuellungen; std::vector<std::string> werte; };
    const Fall faelle[] = {
        // February into March counts to March; the 2 litres pressed in on 10 March are consumed within March.
        {2,
         {Voll("20.02.2003", 1000, 60, 40), Voll("10.03.2003", 1500, 52.5L, 35, 33), Voll("25.03.2003", 2000, 45, 30),
          Voll("03.04.2003", 2500, 60, 40)},
         {"März 2003: 1000-2000 1000 2 1 97.5 65 0 65 6.5", "April 2003: 2000-2500 500 1 1 60 40 0 40 8"}},
        {3,
         {Voll("28.03.2003", 1000, 60, 40), Voll("15.04.2003", 1500, 45, 30), Voll("20.05.2003", 2000, 45, 30),
          Voll("30.06.2003", 2500, 45, 30), Voll("01.07.2003", 2900, 30, 20), Teil("15.07.2003", 3300, 30, 20)},
         {"2. Quartal 2003: 1000-2500 1500 3 1 135 90 0 90 6", "3. Quartal 2003: 2500-3300 800 2 0 60 40 0 40 5"}},
        // The partial fill-up of December belongs to the value that ends at the next full one, in 2003.
        {4,
         {Voll("01.06.2002", 1000, 60, 40), Voll("01.09.2002", 1500, 45, 30), Teil("01.12.2002", 2000, 45, 30),
          Voll("01.02.2003", 2500, 45, 30), Voll("01.05.2003", 3000, 45, 30, 29), Voll("01.08.2003", 3500, 45, 30)},
         {"Das Jahr 2002: 1000-1500 500 1 1 45 30 0 30 6", "Das Jahr 2003: 1500-3500 2000 4 1 180 120 0 120 6"}},
    };
    for (const Fall &f : faelle) {
        Fuellungen = f.fuellungen;
        Waehlen(4, 0, {1, 1, 2002}, {32, 12, 2003}, f.ansicht);
        BerechneGesamtverbrauch();
        EXPECT_EQ(Texte(), f.werte);
        // The total takes the label of the first value and the flag of the last.
        EXPECT_EQ(GesamtVerbrauch.Bezeichnung + std::to_string(GesamtVerbrauch.Vollgetankt),
                  VerbrauchsListe.front().Bezeichnung + std::to_string(VerbrauchsListe.back().Vollgetankt));
        // Merging the single values afterwards gives the same.
        Waehlen(4, 0, {1, 1, 2002}, {32, 12, 2003}, 1);
        VerbrauchsAnsicht = f.ansicht;
        FasseVerbrauchswerteZusammen(f.ansicht == 2);
        EXPECT_EQ(Texte(), f.werte);
    }
}

TEST_F(Verbrauch, beiGleichenDurchschnittenGewinntDerFruehesteWert)
{
    // Averages 6, 5, 7, 5, 7.
    const long double liter[] = {30, 25, 35, 25, 35};
    Fuellungen.push_back(Voll("01.01.2003", 1000, 50, 40));
    for (int i = 0; i < 5; ++i)
        Fuellungen.push_back(Voll("01.02.2003", 1500 + 500 * i, 50, liter[i]));
    Jahr(2003);
    BerechneGesamtverbrauch();
    EXPECT_EQ(Text(KleinsterVerbrauch) + " | " + Text(HoechsterVerbrauch) + " | " + Text(GesamtVerbrauch),
              "1500-2000 500 1 1 50 25 0 25 5 | 2000-2500 500 1 1 50 35 0 35 7 | 1000-3500 2500 5 1 250 150 0 150 6");
    // The scale follows from the smallest and highest average: span 200.
    EXPECT_EQ(std::make_pair(SkalaSchritt, SkalaUnten), std::make_pair(2, 480));
}

TEST_F(Verbrauch, graphSkalaSchrittUndUntererRand)
{
    struct Fall { long double kleinster, hoechster; int32_t schritt, unten; };
    const Fall faelle[] = {
        {6.20L, 7.45L, 2, 580},    // span 125, pad 19: 581 cut to 580
        {7.00L, 7.00L, 1, 640},    // span 0, pad 50
        {6.00L, 7.00L, 1, 590},    // a multiple of 100 keeps the step
        {6.00L, 7.01L, 2, 550},    // one above it doubles the step
        {6.08L, 8.58L, 3, 570},    // pad 8.5 rounds to even 8, not 9
        {0.50L, 0.60L, 1, 0},      // below zero stays at zero
        {-1.00L, 1.00L, 2, 0},     // negative averages of a damaged file
        {0.00L, 0.00L, 1, 0},
        {5.00L, 25.00L, 20, 300},
    };
    for (const Fall &f : faelle) {
        KleinsterVerbrauch.Durchschnitt = f.kleinster;
        HoechsterVerbrauch.Durchschnitt = f.hoechster;
        BerechneGraphSkala();
        EXPECT_EQ(std::make_pair(SkalaSchritt, SkalaUnten), std::make_pair(f.schritt, f.unten)) << double(f.kleinster);
    }
}

// A full value with liter tanked and consumed.
TVerbrauchsWert Wert(int32_t von, int32_t strecke, long double liter, long double betrag, const char *name = "")
{
    return {name, von, {}, von + strecke, {}, strecke, 0, 1, betrag, liter, 0, liter,
            strecke == 0 ? 0 : liter * 100 / strecke};
}

TEST_F(Verbrauch, sortierungNachSchluesselUndBeiGleichstandNachKMStand)
{
    // Averages 6 6 7 8 6 6, cents per km 9 12 7 9 6 9; F equals A.
    const TVerbrauchsListe ausgang = {Wert(3000, 500, 30, 45, "A"), Wert(1000, 400, 24, 48, "B"),
                                      Wert(2000, 500, 35, 35, "C"), Wert(4000, 400, 32, 36, "D"),
                                      Wert(5000, 500, 30, 30, "E"), Wert(3000, 500, 30, 45, "F")};
    // Ties go by the reading, ascending or descending; equal readings keep their order.
    const char *const soll[][2] = {{"BCAFDE", "EDAFCB"}, {"BAFECD", "DCEAFB"}, {"BDCAFE", "EAFCDB"},
                                   {"BAFEDC", "CDEAFB"}, {"ECAFDB", "BDAFCE"}};
    for (int sortierung = 1; sortierung <= 5; ++sortierung) {
        for (bool umgekehrt : {false, true}) {
            VerbrauchsListe = ausgang;
            SortiereVerbrauchswerte(sortierung, umgekehrt);
            std::string folge;
            for (const auto &w : VerbrauchsListe)
                folge += w.Bezeichnung;
            EXPECT_EQ(folge, soll[sortierung - 1][umgekehrt]) << sortierung << umgekehrt;
        }
    }
}

TEST_F(Verbrauch, beiNullTeilerNullUndKeinUeberlauf)
{
    EXPECT_EQ(std::vector<long double>({Reichweite(50, 6.25L), Reichweite(50, 0), KostenProKm(Wert(1000, 500, 30, 45)),
                                        KostenProKm(Wert(1000, 500, 0, 45))}),
              std::vector<long double>({800, 0, 9, 0}));
    EXPECT_EQ(std::vector<int>({DurchschnittlicherLiterPreis(Wert(1000, 500, 30, 45)),
                                DurchschnittlicherLiterPreis(Wert(1000, 500, -5, -10)),
                                DurchschnittlicherLiterPreis(Wert(1000, 500, 0, 45))}),
              std::vector<int>({1500, 2000, 0}));

    // Extreme readings and many partial fill-ups do not overflow.
    Fuellungen = {Voll("01.01.2003", -2000000000, 60, 40), Voll("01.02.2003", 2000000000, 45, 30)};
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    EXPECT_EQ(Texte(), std::vector<std::string>{Text(GesamtVerbrauch)});
    EXPECT_EQ(Text(GesamtVerbrauch), "-2000000000-2000000000 2147483647 1 1 45 30 0 30 1.39698386257373908e-06");
    std::swap(Fuellungen[0].KMStand, Fuellungen[1].KMStand);
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(VerbrauchsListe[0].Strecke, std::numeric_limits<int32_t>::min());

    Fuellungen = {Voll("01.01.2003", 0, 1, 1)};
    for (int i = 1; i <= 70000; ++i)
        Fuellungen.push_back(Teil("02.01.2003", i, 1, 1));
    Jahr(2003);
    EXPECT_EQ(Texte(), std::vector<std::string>{"0-70000 70000 65535 0 70000 70000 0 70000 100"});
}

// A row of the expected files without blanks, points and commas.
std::string Ohne(std::string z)
{
    z.erase(std::remove_if(z.begin(), z.end(), [](char c) { return c == ' ' || c == '.' || c == ','; }), z.end());
    return z;
}

std::string Zeile(const char *art, const TVerbrauchsWert &w)
{
    char s[400];
    std::snprintf(s, sizeof s,
                  "%s\t%s\t%d\t%s\t%d\t%s\t%dKm\t%.2LfL\t%.6LfL/100Km\t%d\t%s\t%.2LfL\tEUR%.2Lf\t%uEUR/l\t"
                  "%.4Lfcent/Km",
                  art, w.Bezeichnung.c_str(), w.VonKM, DatumText(w.VonDatum).c_str(), w.BisKM,
                  DatumText(w.BisDatum).c_str(), w.Strecke, w.LiterVerbraucht, w.Durchschnitt, w.AnzahlTankungen,
                  w.Vollgetankt ? "JA" : "NEIN", w.LiterGetankt, w.Betrag, unsigned(DurchschnittlicherLiterPreis(w)),
                  KostenProKm(w));
    return Ohne(s);
}

struct FixtureFall { const char *ordner, *erwartet; uint16_t jahr; uint8_t ansicht; int sortierung; };

class Fixture : public Verbrauch, public ::testing::WithParamInterface<FixtureFall> {};

// expected_verbrauch_<erwartet>.txt: the last values (jahr 0) or a year, sorted reversed by a key (0: unsorted).
TEST_P(Fixture, werteWieDieUnabhaengigeUmsetzung)
{
    const FixtureFall &fall = GetParam();
    const TFixtur fx = FixturLesen(fall.ordner);
    Fuellungen = fx.Fuellungen;
    for (auto &f : Fuellungen)   // DM amounts are converted on loading
        f.Betrag *= fx.Kopf.count("euro") ? 1.0L / 1.95583L : 1.0L;
    fall.jahr == 0 ? ErmittleLetzteVerbrauchswerte() : Jahr(fall.jahr, fall.ansicht);
    BerechneGesamtverbrauch();
    if (fall.sortierung != 0)
        SortiereVerbrauchswerte(fall.sortierung, true);
    std::vector<std::string> soll, ist = Texte([](const TVerbrauchsWert &w) { return Zeile("Wert", w); });
    ist.insert(ist.end(), {Zeile("Gesamt", GesamtVerbrauch), Zeile("Kleinster", KleinsterVerbrauch),
                           Zeile("Höchster", HoechsterVerbrauch)});
    std::ifstream in(FixturPfad(fall.ordner, std::string("expected_verbrauch_") + fall.erwartet + ".txt"));
    for (std::string zeile; std::getline(in, zeile);)
        soll.push_back(Ohne(zeile));
    ASSERT_GT(soll.size(), 4u);
    EXPECT_EQ(ist, std::vector<std::string>(soll.begin() + 1, soll.end()));   // after the column titles
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, Fixture,
    ::testing::ValuesIn(std::vector<FixtureFall>{
        {"grund", "letzte", 0, 1, 0}, {"grund", "letzte_sortierung_2_umgekehrt", 0, 1, 2},
        {"grund", "jahr_2003", 2003, 1, 0}, {"grund", "jahr_2003_jahresweise", 2003, 4, 0},
        {"stationen", "letzte", 0, 1, 0}, {"dm", "letzte", 0, 1, 0}, {"dm", "jahr_2001_monatsweise", 2001, 2, 0},
        {"alt", "letzte", 0, 1, 0}, {"altewaehrung", "letzte", 0, 1, 0}, {"muell", "letzte", 0, 1, 0}}),
    [](const auto &info) { return std::string(info.param.ordner) + "_" + info.param.erwartet; });

}   // namespace
