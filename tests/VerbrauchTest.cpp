// Consumption values: builders, merging, totals, graph scale and sorting.

#include "consumption/Verbrauchswerte.h"
#include "core/Sprilo_Dek.h"

#include "Fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

TDatum D(const std::string &text)
{
    return TDatum{static_cast<uint8_t>(std::stoi(text.substr(0, 2))),
                  static_cast<uint8_t>(std::stoi(text.substr(3, 2))),
                  static_cast<uint16_t>(std::stoi(text.substr(6, 4)))};
}

// A full fill-up as the entry panel stores it; vollBei is the litre count
// at which the pump first shut off (0: not entered).
TTankFuellung Voll(const std::string &datum, int32_t km, long double betrag, long double liter, long double vollBei = 0)
{
    TTankFuellung f;
    f.Datum = D(datum);
    f.KMStand = km;
    f.Betrag = betrag;
    f.Liter = liter;
    f.Vollgetankt = 1;
    f.LiterNachAbschaltung = vollBei != 0 ? liter - vollBei : 0;
    return f;
}

TTankFuellung Teil(const std::string &datum, int32_t km, long double betrag, long double liter)
{
    TTankFuellung f = Voll(datum, km, betrag, liter);
    f.Vollgetankt = 0;
    return f;
}

std::vector<std::string> Bezeichnungen()
{
    std::vector<std::string> b;
    for (const auto &w : VerbrauchsListe)
        b.push_back(w.Bezeichnung);
    return b;
}

// "Von-Bis" of every value: which stretches the list covers, in one line.
std::string Strecken()
{
    std::string s;
    for (const auto &w : VerbrauchsListe)
        s += (s.empty() ? "" : " ") + std::to_string(w.VonKM) + "-" + std::to_string(w.BisKM);
    return s;
}

// Expected figures of one value; its distance must be bis - von.
struct TSoll {
    int32_t von, bis;
    uint16_t anzahl;
    uint8_t voll;
    long double betrag, getankt, ende, verbraucht, durchschnitt;
};

// All figures of a value in one comparable piece (dates and label aside).
using TKennzahlen = std::tuple<int32_t, int32_t, int32_t, int, int, long double, long double, long double,
                               long double, long double>;

TKennzahlen Kennzahlen(const TVerbrauchsWert &w)
{
    return {w.VonKM, w.BisKM, w.Strecke, w.AnzahlTankungen, w.Vollgetankt, w.Betrag, w.LiterGetankt,
            w.LiterNachAbschaltungEnde, w.LiterVerbraucht, w.Durchschnitt};
}

TKennzahlen Kennzahlen(const TSoll &s)
{
    return {s.von, s.bis, s.bis - s.von, s.anzahl, s.voll, s.betrag, s.getankt, s.ende, s.verbraucht, s.durchschnitt};
}

template <typename T>
std::vector<TKennzahlen> Kennzahlen(const std::vector<T> &liste)
{
    std::vector<TKennzahlen> k;
    for (const T &w : liste)
        k.push_back(Kennzahlen(w));
    return k;
}

auto AlleFelder(const TVerbrauchsWert &w)
{
    return std::tuple_cat(std::tie(w.Bezeichnung, w.VonDatum, w.BisDatum), Kennzahlen(w));
}

class Verbrauch : public ::testing::Test {
protected:
    void SetUp() override
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

    static void Zeitraum(TDatum von, TDatum bis, uint8_t ansicht)
    {
        VerbrauchsAuswahl = 4;
        ZeitraumVon = von;
        ZeitraumBis = bis;
        VerbrauchsAnsicht = ansicht;
        ErmittleVerbrauchswerte();
    }
};

// ---- worked examples for both builders ------------------------------------

struct WerteFall {
    const char *name;
    uint16_t jahr;            // 0: both builders, the year one on the year of the last fill-up
    long double start;        // StartKorrektur
    std::vector<TTankFuellung> fuellungen;
    std::vector<TSoll> werte;
    TSoll gesamt = {};        // left out: the single value
};

class Werte : public Verbrauch, public ::testing::WithParamInterface<WerteFall> {};

TEST_P(Werte, wieVonHandGerechnet)
{
    const WerteFall &fall = GetParam();
    for (bool letzte : {true, false}) {
        if (letzte && fall.jahr != 0)
            continue;
        SCOPED_TRACE(letzte ? "letzte Werte" : "Jahr");
        Fuellungen = fall.fuellungen;
        if (letzte)
            ErmittleLetzteVerbrauchswerte();
        else
            Jahr(fall.jahr != 0 ? fall.jahr : Fuellungen.back().Datum.Jahr);
        BerechneGesamtverbrauch();
        EXPECT_EQ(Kennzahlen(VerbrauchsListe), Kennzahlen(fall.werte));
        EXPECT_EQ(Kennzahlen(GesamtVerbrauch), Kennzahlen(fall.werte.size() == 1 ? fall.werte[0] : fall.gesamt));
        EXPECT_EQ(StartKorrektur, fall.start);
    }
}

// Amounts and litres are multiples of a quarter, so that all sums are exact.
const std::vector<WerteFall> WerteFaelle = {
    {"dreiVolltankungen", 0, 0,
     {Voll("02.01.2003", 1000, 52, 40), Voll("03.02.2003", 1500, 39.5L, 30), Voll("04.03.2003", 2000, 47.25L, 35)},
     {{1000, 1500, 1, 1, 39.5L, 30, 0, 30, 6}, {1500, 2000, 1, 1, 47.25L, 35, 0, 35, 7}},
     {1000, 2000, 2, 1, 86.75L, 65, 0, 65, 6.5L}},
    // The partial fill-up belongs to the value of the next full one.
    {"teilbetankungInDerMitte", 0, 0,
     {Voll("01.03.2003", 1000, 60, 40), Teil("10.03.2003", 1300, 30, 20), Voll("20.03.2003", 1600, 37.5L, 25)},
     {{1000, 1600, 2, 1, 67.5L, 45, 0, 45, 7.5L}}},
    // 40 litres, shut off at 38: 2 litres above the full level, used up in
    // the next value.
    {"abschaltungsliter", 0, 0,
     {Voll("01.03.2003", 1000, 60, 40), Voll("10.03.2003", 1500, 60, 40, 38), Voll("20.03.2003", 2000, 45, 30)},
     {{1000, 1500, 1, 1, 60, 40, 2, 38, 7.6L}, {1500, 2000, 1, 1, 45, 30, 0, 32, 6.4L}},
     {1000, 2000, 2, 1, 105, 70, 0, 70, 7}},
    {"abschaltungsliterDerStartfuellung", 0, 1.5L,
     {Voll("03.03.1999", 1000, 60, 40.5L, 39), Voll("17.03.1999", 1550, 58, 38.25L)},
     {{1000, 1550, 1, 1, 58, 38.25L, 0, 39.75L, 3975.0L / 550}}},
    {"gemischt", 0, 0.5L,
     {Voll("01.01.2003", 1000, 50, 40, 39.5L), Teil("05.01.2003", 1400, 30, 20),
      Voll("09.01.2003", 1800, 40, 30.25L, 29), Voll("15.01.2003", 2300, 50, 35.5L), Teil("20.01.2003", 2700, 30, 20),
      Teil("23.01.2003", 2900, 10, 8), Voll("29.01.2003", 3300, 60, 45, 44.5L), Voll("02.02.2003", 4000, 50, 38)},
     {{1000, 1800, 2, 1, 70, 50.25L, 1.25L, 49.5L, 6.1875L}, {1800, 2300, 1, 1, 50, 35.5L, 0, 36.75L, 7.35L},
      {2300, 3300, 3, 1, 100, 73, 0.5L, 72.5L, 7.25L}, {3300, 4000, 1, 1, 50, 38, 0, 38.5L, 5.5L}},
     {1000, 4000, 7, 1, 270, 196.75L, 0, 197.25L, 6.575L}},
    // Two fill-ups are enough for one value; it is provisional when the
    // newest was not full, and it starts at the first even when that was not.
    {"vollDannTeil", 0, 0, {Voll("01.05.2003", 1000, 60, 40), Teil("11.05.2003", 1400, 42, 28)},
     {{1000, 1400, 1, 0, 42, 28, 0, 28, 7}}},
    {"teilDannVoll", 0, 0, {Teil("01.05.2003", 1000, 60, 40), Voll("11.05.2003", 1400, 42, 28)},
     {{1000, 1400, 1, 1, 42, 28, 0, 28, 7}}},
    // Without any full fill-up one provisional value runs from the first.
    {"nurTeilbetankungen", 0, 0,
     {Teil("01.05.2003", 1000, 30, 20), Teil("05.05.2003", 1200, 15, 10), Teil("09.05.2003", 1400, 15, 10),
      Teil("13.05.2003", 1600, 15, 10)},
     {{1000, 1600, 3, 0, 45, 30, 0, 30, 5}}},
    // A damaged file: no distance to divide by, no or negative litres.
    {"gleicherKMStand", 0, 0, {Voll("01.01.2003", 1000, 60, 40), Voll("01.02.2003", 1000, 45, 30)},
     {{1000, 1000, 1, 1, 45, 30, 0, 30, 0}}},
    {"ohneOderMitNegativenLitern", 0, 0,
     {Voll("01.01.2003", 1000, 60, 40), Voll("01.02.2003", 1500, 0, 0), Voll("01.03.2003", 2000, -10, -5),
      Voll("01.04.2003", 2500, 5, 5)},
     {{1000, 1500, 1, 1, 0, 0, 0, 0, 0}, {1500, 2000, 1, 1, -10, -5, 0, -5, -1}, {2000, 2500, 1, 1, 5, 5, 0, 5, 1}},
     {1000, 2500, 3, 1, -5, 0, 0, 0, 0}},
    // Partial fill-ups of the year before: their amount and litres count as
    // consumed in the first value, not as tanked in the chosen year.
    {"teilbetankungenDesVorjahres", 2003, 36,
     {Voll("10.11.2002", 1000, 60, 40, 39), Teil("05.12.2002", 1400, 30, 20), Teil("20.12.2002", 1700, 22, 15),
      Voll("10.01.2003", 2000, 45, 30), Voll("10.02.2003", 2500, 45, 30)},
     {{1000, 2000, 3, 1, 97, 30, 0, 66, 6.6L}, {2000, 2500, 1, 1, 45, 30, 0, 30, 6}},
     {1000, 2500, 4, 1, 142, 60, 0, 96, 6.4L}},
    {"ohneVollenVorgaengerAbDerErstenFuellung", 2003, 20,
     {Teil("10.11.2002", 1000, 60, 40), Teil("05.12.2002", 1400, 30, 20), Voll("10.01.2003", 2000, 45, 30)},
     {{1000, 2000, 2, 1, 75, 30, 0, 50, 5}}},
    // The year ends on a partial fill-up: the value stays provisional.
    {"jahrEndetVorlaeufig", 2003, 0,
     {Voll("01.12.2003", 1000, 60, 40), Teil("20.12.2003", 1500, 30, 20), Voll("05.01.2004", 2000, 45, 30)},
     {{1000, 1500, 1, 0, 30, 20, 0, 20, 4}}},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Werte, ::testing::ValuesIn(WerteFaelle),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- the last values ------------------------------------------------------

TEST_F(Verbrauch, letzteWerteReichenFuenfVolltankungenZurueck)
{
    // Fill-ups every 1000 km from 1000 to 8000, 60 litres and more, all full
    // but the one at 3000: the fifth full one back reaches over it to 2000.
    for (int i = 0; i < 8; ++i)
        Fuellungen.push_back(Voll("01.01.2003", 1000 * (i + 1), 90, 60 + 0.25L * i));
    Fuellungen[2].Vollgetankt = 0;
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(Strecken(), "2000-4000 4000-5000 5000-6000 6000-7000 7000-8000");
    EXPECT_EQ(Kennzahlen(VerbrauchsListe.front()),
              Kennzahlen(TSoll{2000, 4000, 2, 1, 180, 121.25L, 0, 121.25L, 6.0625L}));

    // The newest not full: five full values and a provisional sixth.
    Fuellungen.push_back(Teil("01.01.2003", 8500, 30, 20));
    Fuellungen.push_back(Teil("01.01.2003", 9000, 30, 20));
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    EXPECT_EQ(Strecken(), "2000-4000 4000-5000 5000-6000 6000-7000 7000-8000 8000-9000");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(VerbrauchsListe[i].Vollgetankt, 1) << i;
    EXPECT_EQ(Kennzahlen(VerbrauchsListe[5]), Kennzahlen(TSoll{8000, 9000, 2, 0, 60, 40, 0, 40, 4}));
    EXPECT_EQ(Kennzahlen(GesamtVerbrauch),
              Kennzahlen(TSoll{2000, 9000, 8, 0, 600, 406.75L, 0, 406.75L, 40675.0L / 7000}));
}

TEST_F(Verbrauch, wenigerAlsZweiFuellungenErgebenKeinenWertUndLeereSummen)
{
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    Fuellungen = {Voll("01.05.2003", 1000, 60, 40, 39)};
    Jahr(2003);
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(AnzahlVerbrauchswerte(), 0);
    EXPECT_EQ(StartKorrektur, 0.0L);

    // Figures left from an earlier list must go.
    GesamtVerbrauch.Strecke = 99;
    KleinsterVerbrauch.Durchschnitt = 5;
    HoechsterVerbrauch.Durchschnitt = 9;
    SkalaSchritt = 7;
    SkalaUnten = 300;
    BerechneGesamtverbrauch();
    EXPECT_EQ(Kennzahlen(GesamtVerbrauch), Kennzahlen(TSoll{-1, -1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(KleinsterVerbrauch.Durchschnitt, 0.0L);
    EXPECT_EQ(HoechsterVerbrauch.Durchschnitt, 0.0L);
    EXPECT_EQ(SkalaSchritt, 1);
    EXPECT_EQ(SkalaUnten, 0);
}

// ---- year and period selection -------------------------------------------

TEST_F(Verbrauch, auswahlNimmtDieWerteDerenEndfuellungSieTrifft)
{
    struct Fall {
        uint8_t auswahl;
        uint16_t aktuell, gewaehlt;
        TDatum von, bis;
        uint8_t ansicht;
        const char *strecken;
    };
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
        SCOPED_TRACE(f.strecken);
        VerbrauchsAuswahl = f.auswahl;
        AktuellesJahr = f.aktuell;
        GewaehltesJahr = f.gewaehlt;
        ZeitraumVon = f.von;
        ZeitraumBis = f.bis;
        VerbrauchsAnsicht = f.ansicht;
        ErmittleVerbrauchswerte();
        EXPECT_EQ(Strecken(), f.strecken);
    }
}

// ---- merging --------------------------------------------------------------

TEST_F(Verbrauch, zusammenfassungNachDerBezeichnungDesWertendes)
{
    struct Fall {
        uint8_t ansicht;
        std::vector<TTankFuellung> fuellungen;
        std::vector<std::string> bezeichnungen;
        std::vector<TSoll> werte;
    };
    const Fall faelle[] = {
        // The value from February into March counts to March; the 2 litres
        // pressed in on 10 March are consumed within March.
        {2,
         {Voll("20.02.2003", 1000, 60, 40), Voll("10.03.2003", 1500, 52.5L, 35, 33), Voll("25.03.2003", 2000, 45, 30),
          Voll("03.04.2003", 2500, 60, 40)},
         {"März 2003", "April 2003"},
         {{1000, 2000, 2, 1, 97.5L, 65, 0, 65, 6.5L}, {2000, 2500, 1, 1, 60, 40, 0, 40, 8}}},
        {3,
         {Voll("28.03.2003", 1000, 60, 40), Voll("15.04.2003", 1500, 45, 30), Voll("20.05.2003", 2000, 45, 30),
          Voll("30.06.2003", 2500, 45, 30), Voll("01.07.2003", 2900, 30, 20), Teil("15.07.2003", 3300, 30, 20)},
         {"2. Quartal 2003", "3. Quartal 2003"},
         {{1000, 2500, 3, 1, 135, 90, 0, 90, 6}, {2500, 3300, 2, 0, 60, 40, 0, 40, 5}}},
        // The partial fill-up of December belongs to the value that ends at
        // the next full one, in 2003.
        {4,
         {Voll("01.06.2002", 1000, 60, 40), Voll("01.09.2002", 1500, 45, 30), Teil("01.12.2002", 2000, 45, 30),
          Voll("01.02.2003", 2500, 45, 30), Voll("01.05.2003", 3000, 45, 30, 29), Voll("01.08.2003", 3500, 45, 30)},
         {"Das Jahr 2002", "Das Jahr 2003"},
         {{1000, 1500, 1, 1, 45, 30, 0, 30, 6}, {1500, 3500, 4, 1, 180, 120, 0, 120, 6}}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.bezeichnungen.front());
        Fuellungen = f.fuellungen;
        Zeitraum({1, 1, 2002}, {32, 12, 2003}, f.ansicht);
        BerechneGesamtverbrauch();
        EXPECT_EQ(Bezeichnungen(), f.bezeichnungen);
        EXPECT_EQ(Kennzahlen(VerbrauchsListe), Kennzahlen(f.werte));
        // The total takes the label of the first value and the flag of the last.
        EXPECT_EQ(GesamtVerbrauch.Bezeichnung, f.bezeichnungen.front());
        EXPECT_EQ(GesamtVerbrauch.Vollgetankt, f.werte.back().voll);
    }
}

TEST_F(Verbrauch, zusammenfassenBeimAufbauGleichtDemZusammenfassenDerEinzelwerte)
{
    // Many values with partial fill-ups and shut-off litres over several years.
    std::mt19937 zufall(815);
    for (int i = 0; i < 600; ++i) {
        const int monat = i / 7;
        const std::string datum = (i % 7 < 3 ? "0" : "") + std::to_string(1 + (i % 7) * 4) + "."
                                  + (monat % 12 < 9 ? "0" : "") + std::to_string(1 + monat % 12) + "."
                                  + std::to_string(2000 + monat / 12);
        const int32_t km = 1000 + 400 * i + static_cast<int32_t>(zufall() % 300);
        const long double liter = 20 + static_cast<long double>(zufall() % 400) / 10;
        const long double betrag = liter * 1.359L;
        Fuellungen.push_back(zufall() % 3 == 0 ? Teil(datum, km, betrag, liter)
                                               : Voll(datum, km, betrag, liter, zufall() % 2 ? liter - 0.7L : 0));
    }
    for (int ansicht : {2, 3, 4}) {
        SCOPED_TRACE(ansicht);
        Zeitraum({1, 3, 2000}, {32, 10, 2006}, 1);
        const long double start = StartKorrektur;
        VerbrauchsAnsicht = static_cast<uint8_t>(ansicht);
        FasseVerbrauchswerteZusammen(ansicht == 2);
        const TVerbrauchsListe nachher = VerbrauchsListe;
        ErmittleVerbrauchswerte();
        EXPECT_EQ(StartKorrektur, start);
        ASSERT_EQ(VerbrauchsListe.size(), nachher.size());
        ASSERT_GT(nachher.size(), 5u);
        for (size_t i = 0; i < nachher.size(); ++i)
            EXPECT_EQ(AlleFelder(VerbrauchsListe[i]), AlleFelder(nachher[i])) << "Wert " << i;
    }
}

// ---- totals and graph scale -----------------------------------------------

TEST_F(Verbrauch, beiGleichenDurchschnittenGewinntDerFruehesteWert)
{
    // Averages 6, 5, 7, 5, 7.
    const long double liter[] = {30, 25, 35, 25, 35};
    Fuellungen.push_back(Voll("01.01.2003", 1000, 50, 40));
    for (int i = 0; i < 5; ++i)
        Fuellungen.push_back(Voll("01.02.2003", 1500 + 500 * i, 50, liter[i]));
    Jahr(2003);
    BerechneGesamtverbrauch();
    EXPECT_EQ(KleinsterVerbrauch.VonKM, 1500);
    EXPECT_EQ(KleinsterVerbrauch.Durchschnitt, 5.0L);
    EXPECT_EQ(HoechsterVerbrauch.VonKM, 2000);
    EXPECT_EQ(HoechsterVerbrauch.Durchschnitt, 7.0L);
    EXPECT_EQ(Kennzahlen(GesamtVerbrauch), Kennzahlen(TSoll{1000, 3500, 5, 1, 250, 150, 0, 150, 6}));
    // The scale follows from the smallest and highest average: span 200.
    EXPECT_EQ(SkalaSchritt, 2);
    EXPECT_EQ(SkalaUnten, 480);
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
        SCOPED_TRACE(static_cast<double>(f.hoechster - f.kleinster));
        KleinsterVerbrauch.Durchschnitt = f.kleinster;
        HoechsterVerbrauch.Durchschnitt = f.hoechster;
        BerechneGraphSkala();
        EXPECT_EQ(SkalaSchritt, f.schritt);
        EXPECT_EQ(SkalaUnten, f.unten);
    }
}

// ---- sorting --------------------------------------------------------------

// A full value with liter tanked and consumed.
TVerbrauchsWert Wert(int32_t von, int32_t strecke, long double liter, long double betrag)
{
    return {"", von, {}, von + strecke, {}, strecke, 0, 1, betrag, liter, 0, liter,
            strecke == 0 ? 0 : liter * 100 / strecke};
}

TEST_F(Verbrauch, sortierungNachSchluesselUndBeiGleichstandNachKMStand)
{
    // VonKM   Strecke  Liter  Betrag  Durchschnitt  ct/km
    // 3000    500      30     45      6             9
    // 1000    400      24     48      6             12
    // 2000    500      35     35      7             7
    // 4000    400      32     36      8             9
    // 5000    500      30     30      6             6
    const TVerbrauchsListe ausgang = {Wert(3000, 500, 30, 45), Wert(1000, 400, 24, 48), Wert(2000, 500, 35, 35),
                                      Wert(4000, 400, 32, 36), Wert(5000, 500, 30, 30)};
    // Keys 2 to 5 have ties. Reversed, ties go by descending reading, so the
    // order is exactly the ascending one turned round.
    const char *const aufsteigend[] = {
        "1000-1400 2000-2500 3000-3500 4000-4400 5000-5500",   // 1 reading
        "1000-1400 3000-3500 5000-5500 2000-2500 4000-4400",   // 2 average
        "1000-1400 4000-4400 2000-2500 3000-3500 5000-5500",   // 3 distance
        "1000-1400 3000-3500 5000-5500 4000-4400 2000-2500",   // 4 litres
        "5000-5500 2000-2500 3000-3500 4000-4400 1000-1400",   // 5 price per km
    };
    for (int sortierung = 1; sortierung <= 5; ++sortierung) {
        for (bool umgekehrt : {false, true}) {
            SCOPED_TRACE(std::to_string(sortierung) + (umgekehrt ? " umgekehrt" : ""));
            VerbrauchsListe = ausgang;
            SortiereVerbrauchswerte(sortierung, umgekehrt);
            if (umgekehrt)
                std::reverse(VerbrauchsListe.begin(), VerbrauchsListe.end());
            EXPECT_EQ(Strecken(), aufsteigend[sortierung - 1]);
        }
    }
}

// Neighbour exchanges until a pass changes nothing: the order the sort must
// reproduce.
void NachbarTausch(TVerbrauchsListe &liste, int sortierung, bool umgekehrt)
{
    auto schluessel = [sortierung](const TVerbrauchsWert &w) {
        const long double k[] = {static_cast<long double>(w.VonKM), w.Durchschnitt,
                                 static_cast<long double>(w.Strecke), w.LiterVerbraucht, KostenProKm(w)};
        return k[sortierung - 1];
    };
    for (bool getauscht = true; getauscht;) {
        getauscht = false;
        for (size_t i = 0; i + 1 < liste.size(); ++i) {
            const long double a = schluessel(liste[i]);
            const long double b = schluessel(liste[i + 1]);
            const bool gleich = a == b && sortierung > 1;
            const bool tauschen = umgekehrt ? a < b || (gleich && liste[i].VonKM < liste[i + 1].VonKM)
                                            : a > b || (gleich && liste[i].VonKM > liste[i + 1].VonKM);
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
            // Few distinct keys, so that ties are frequent; repeated VonKM
            // too, which sorting by reading must leave in their order.
            const int32_t von = 1000 * static_cast<int32_t>(zufall() % 25);
            const int32_t strecke = 100 * static_cast<int32_t>(zufall() % 4);
            ausgang.push_back(Wert(von, strecke, static_cast<long double>(zufall() % 5) * 10,
                                   static_cast<long double>(zufall() % 3) * 20));
            ausgang.back().Bezeichnung = std::to_string(i);
        }
        for (int sortierung = 1; sortierung <= 5; ++sortierung) {
            for (bool umgekehrt : {false, true}) {
                VerbrauchsListe = ausgang;
                NachbarTausch(VerbrauchsListe, sortierung, umgekehrt);
                const std::vector<std::string> soll = Bezeichnungen();
                VerbrauchsListe = ausgang;
                SortiereVerbrauchswerte(sortierung, umgekehrt);
                EXPECT_EQ(Bezeichnungen(), soll) << "Sortierung " << sortierung << (umgekehrt ? " umgekehrt" : "");
            }
        }
    }
}

// ---- guards ---------------------------------------------------------------

TEST_F(Verbrauch, abgeleiteteWerteGebenBeiNullTeilerNull)
{
    const TVerbrauchsWert w = Wert(1000, 500, 30, 45);
    EXPECT_EQ(Reichweite(50, 6.25L), 800.0L);
    EXPECT_EQ(KostenProKm(w), 9.0L);
    EXPECT_EQ(DurchschnittlicherLiterPreis(w), 1500);
    EXPECT_EQ(DurchschnittlicherLiterPreis(Wert(1000, 500, -5, -10)), 2000);

    const TVerbrauchsWert ohneLiter = Wert(1000, 500, 0, 45);
    EXPECT_EQ(Reichweite(50, 0), 0.0L);
    EXPECT_EQ(KostenProKm(ohneLiter), 0.0L);
    EXPECT_EQ(DurchschnittlicherLiterPreis(ohneLiter), 0);
}

TEST_F(Verbrauch, streckeZwischenExtremenKMStaendenWirdBegrenzt)
{
    Fuellungen = {Voll("01.01.2003", -2000000000, 60, 40), Voll("01.02.2003", 2000000000, 45, 30)};
    ErmittleLetzteVerbrauchswerte();
    BerechneGesamtverbrauch();
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(GesamtVerbrauch.Strecke, std::numeric_limits<int32_t>::max());
    EXPECT_GT(VerbrauchsListe[0].Durchschnitt, 0.0L);

    std::swap(Fuellungen[0].KMStand, Fuellungen[1].KMStand);
    ErmittleLetzteVerbrauchswerte();
    EXPECT_EQ(VerbrauchsListe[0].Strecke, std::numeric_limits<int32_t>::min());
}

TEST_F(Verbrauch, anzahlTankungenBleibtBeiVielenTeilbetankungenAmObersten)
{
    Fuellungen.push_back(Voll("01.01.2003", 0, 1, 1));
    for (int i = 1; i <= 70000; ++i)
        Fuellungen.push_back(Teil("02.01.2003", i, 1, 1));
    Jahr(2003);
    ASSERT_EQ(AnzahlVerbrauchswerte(), 1);
    EXPECT_EQ(VerbrauchsListe[0].AnzahlTankungen, 65535);
    EXPECT_EQ(VerbrauchsListe[0].Strecke, 70000);
}

// ---- files written by an independent implementation ----------------------

std::string Dez(long double x, int stellen)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*Lf", stellen, x);
    std::string s = puffer;
    std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

// A number column without spaces, its unit at the end and the characters in weg.
std::string Zahl(std::string s, const std::string &einheit, const std::string &weg = ".")
{
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    if (s.size() >= einheit.size() && s.compare(s.size() - einheit.size(), einheit.size(), einheit) == 0)
        s.erase(s.size() - einheit.size());
    s.erase(std::remove_if(s.begin(), s.end(), [&](char c) { return weg.find(c) != std::string::npos; }), s.end());
    return s;
}

// DM files leave out the money columns: their amounts are converted only by
// the loader.
void ZeileVergleichen(const std::string &zeile, const TVerbrauchsWert &w, bool euro)
{
    const auto f = Felder(zeile, '\t');
    ASSERT_EQ(f.size(), 15u) << zeile;
    SCOPED_TRACE(zeile);
    EXPECT_EQ(f[1], w.Bezeichnung);
    EXPECT_EQ(Zahl(f[2], ""), std::to_string(w.VonKM));
    EXPECT_EQ(D(f[3]), w.VonDatum);
    EXPECT_EQ(Zahl(f[4], ""), std::to_string(w.BisKM));
    EXPECT_EQ(D(f[5]), w.BisDatum);
    EXPECT_EQ(Zahl(f[6], "Km"), std::to_string(w.Strecke));
    EXPECT_EQ(Zahl(f[7], "L"), Dez(w.LiterVerbraucht, 2));
    EXPECT_EQ(Zahl(f[8], "L/100Km"), Dez(w.Durchschnitt, 6));
    EXPECT_EQ(f[9], std::to_string(w.AnzahlTankungen));
    EXPECT_EQ(f[10] == "JA", w.Vollgetankt == 1);
    EXPECT_EQ(Zahl(f[11], "L"), Dez(w.LiterGetankt, 2));
    if (!euro)
        return;
    EXPECT_EQ(Zahl(f[12], "", ".EUR"), Dez(w.Betrag, 2));
    EXPECT_EQ(std::stoi(Zahl(f[13], "EUR/l", ".,")), DurchschnittlicherLiterPreis(w));
    EXPECT_EQ(Zahl(f[14], "cent/Km"), Dez(KostenProKm(w), 4));
}

struct FixtureFall {
    const char *ordner;
    const char *erwartet;  // expected_verbrauch_<erwartet>.txt
    uint16_t jahr;         // 0: the last values
    uint8_t ansicht;
    int sortierung;        // 0: unsorted
    bool umgekehrt;
};

class Fixture : public Verbrauch, public ::testing::WithParamInterface<FixtureFall> {};

TEST_P(Fixture, werteWieDieUnabhaengigeUmsetzung)
{
    const FixtureFall &fall = GetParam();
    const TFixtur fx = FixturLesen(fall.ordner);
    ASSERT_FALSE(fx.Fuellungen.empty());
    Fuellungen = fx.Fuellungen;
    if (fall.jahr == 0)
        ErmittleLetzteVerbrauchswerte();
    else
        Jahr(fall.jahr, fall.ansicht);
    BerechneGesamtverbrauch();
    if (fall.sortierung != 0)
        SortiereVerbrauchswerte(fall.sortierung, fall.umgekehrt);

    // The expected rows: the values, then the three summaries.
    std::vector<std::pair<std::string, const TVerbrauchsWert *>> soll;
    for (const auto &w : VerbrauchsListe)
        soll.emplace_back("Wert", &w);
    soll.insert(soll.end(),
                {{"Gesamt", &GesamtVerbrauch}, {"Kleinster", &KleinsterVerbrauch}, {"Höchster", &HoechsterVerbrauch}});

    std::ifstream in(FixturPfad(fall.ordner, std::string("expected_verbrauch_") + fall.erwartet + ".txt"));
    std::string zeile;
    ASSERT_TRUE(std::getline(in, zeile));   // column titles
    size_t n = 0;
    for (; std::getline(in, zeile); ++n) {
        ASSERT_LT(n, soll.size()) << zeile;
        EXPECT_EQ(zeile.substr(0, zeile.find('\t')), soll[n].first);
        ZeileVergleichen(zeile, *soll[n].second, fx.Kopf.count("euro") == 0 || fx.Kopf.at("euro") != "0");
    }
    EXPECT_EQ(n, soll.size());
}

INSTANTIATE_TEST_SUITE_P(
    Ordner, Fixture,
    ::testing::ValuesIn(std::vector<FixtureFall>{
        {"grund", "letzte", 0, 1, 0, false}, {"grund", "letzte_sortierung_2_umgekehrt", 0, 1, 2, true},
        {"grund", "jahr_2003", 2003, 1, 0, false}, {"grund", "jahr_2003_jahresweise", 2003, 4, 0, false},
        {"stationen", "letzte", 0, 1, 0, false}, {"dm", "letzte", 0, 1, 0, false},
        {"dm", "jahr_2001_monatsweise", 2001, 2, 0, false}, {"alt", "letzte", 0, 1, 0, false},
        {"altewaehrung", "letzte", 0, 1, 0, false}, {"muell", "letzte", 0, 1, 0, false}}),
    [](const auto &info) { return std::string(info.param.ordner) + "_" + info.param.erwartet; });

}   // namespace
