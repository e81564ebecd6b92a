// The fill-up list: appending, ordering with the logical date check,
// look-ups and the litre price.
#include "Sprilo_Dek.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <tuple>

namespace {

TDatum D(int tag, int monat, int jahr) { return TDatum{uint8_t(tag), uint8_t(monat), uint16_t(jahr)}; }

TTankFuellung F(int32_t km, TDatum datum, const std::string &station = "Aral")
{
    TTankFuellung f;
    std::tie(f.KMStand, f.Datum, f.Tankstelle) = std::tie(km, datum, station);
    return f;
}

class Liste : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
};

TEST_F(Liste, anhaengenOhneOrdnenUndLoeschen)
{
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    FuellungAnhaengen(F(900, D(1, 2, 2003)));
    ASSERT_EQ(AnzahlFuellungen(), 2);
    EXPECT_EQ(Fuellungen[1].KMStand, 900);
    ListeLoeschen(Fuellungen);
    EXPECT_EQ(AnzahlFuellungen(), 0);
}

TEST_F(Liste, ordnenSortiertNachKmStandUndPrueftDieDaten)
{
    // Fill-ups as km and day of January 2003; the errors name the two
    // neighbours (counted from 1) of the last date that goes backwards.
    struct TFall { std::vector<std::pair<int32_t, int>> Fuellungen; const char *Folge; bool Logisch; int Nr1, Nr2; };
    const TFall faelle[] = {
        {{{3000, 1}, {-5, 1}, {1000, 1}, {2000, 1}}, "-5 1000 2000 3000", true, 0, 0},
        {{{2000, 2}, {1000, 1}}, "1000 2000", true, 0, 0},   // sorted before the dates are checked
        {{{1000, 10}, {2000, 10}}, "1000 2000", true, 0, 0},
        {{{1000, 10}, {2000, 5}, {3000, 20}}, "1000 2000 3000", false, 1, 2},
        {{{1000, 10}, {2000, 5}, {3000, 20}, {4000, 19}, {5000, 25}}, "1000 2000 3000 4000 5000", false, 3, 4},
    };
    for (const TFall &f : faelle) {
        TTankListe liste;
        for (auto [km, tag] : f.Fuellungen)
            liste.push_back(F(km, D(tag, 1, 2003)));
        FehlerNr1 = FehlerNr2 = 7;   // left from an earlier check
        bool logisch = !f.Logisch;
        ListeOrdnen(liste, logisch);
        std::string folge;
        for (const TTankFuellung &t : liste)
            folge += (folge.empty() ? "" : " ") + std::to_string(t.KMStand);
        EXPECT_EQ(folge, f.Folge);
        EXPECT_EQ(std::make_tuple(logisch, FehlerNr1, FehlerNr2), std::make_tuple(f.Logisch, f.Nr1, f.Nr2)) << f.Folge;
    }
}

TEST_F(Liste, ordnenGleichtDemTauschenBenachbarterSaetze)
{
    // Many equal readings in random order: the result must be the one a
    // bubble sort of neighbour exchanges gives, so equal readings keep their order.
    std::mt19937 zufall(99);
    for (int runde = 0; runde < 50; ++runde) {
        TTankListe liste;
        const int n = 1 + static_cast<int>(zufall() % 200);
        for (int i = 0; i < n; ++i)
            liste.push_back(F(static_cast<int32_t>(zufall() % 20), D(1, 1, 2003), std::to_string(i)));
        TTankListe blase = liste;
        for (bool getauscht = true; getauscht;) {
            getauscht = false;
            for (size_t i = blase.size() - 1; i > 0; --i)
                if (blase[i - 1].KMStand > blase[i].KMStand)
                    std::swap(blase[i - 1], blase[i]), getauscht = true;
        }
        bool logisch;
        ListeOrdnen(liste, logisch);
        ASSERT_EQ(liste.size(), blase.size());
        for (size_t i = 0; i < liste.size(); ++i)
            ASSERT_EQ(liste[i].Tankstelle, blase[i].Tankstelle) << runde << " " << i;
    }
}

TEST(DatumFrueher, vergleichtJahrMonatTag)
{
    // Is the second date before the first?
    const TDatum d = D(5, 5, 2003);
    const std::pair<TDatum, TDatum> faelle[] = {{d, d}, {d, D(4, 5, 2003)}, {d, D(6, 5, 2003)}, {d, D(31, 12, 2002)},
                                                {D(1, 1, 2003), D(1, 12, 2002)}, {D(31, 12, 2002), D(1, 1, 2003)},
                                                {D(1, 6, 2003), D(30, 5, 2003)}};
    std::string frueher;
    for (auto [a, b] : faelle)
        frueher += DatumFrueher(a, b) ? '1' : '0';
    EXPECT_EQ(frueher, "0101101");
}

TEST_F(Liste, tankstellenIndexFindetDenLetztenGleichenInDenErsten40Zeichen)
{
    const std::string a40(40, 'A');
    const std::string liste[] = {"SHELL", "Aral", "SHELL", a40 + "ä", "Jet"};
    std::copy(std::begin(liste), std::end(liste), Tankstellen);
    AnzahlTankstellen = 4;   // "Jet" lies beyond
    std::vector<int> ist;
    for (const std::string &name : {std::string("SHELL"), std::string("shell"), std::string("Aral"),
                                    std::string("Jet"), a40, a40 + "xyz", std::string(39, 'A')})
        ist.push_back(TankstellenIndex(name));
    EXPECT_EQ(ist, (std::vector<int>{2, -1, 1, -1, 3, 3, -1}));
    AnzahlTankstellen = 0;
    EXPECT_EQ(TankstellenIndex("SHELL"), -1);
}

TEST(LiterPreis, rundetAufTausendstelUndLaeuftNieUeber)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const long double inf = std::numeric_limits<long double>::infinity();
    // Exact halves go to the even number. 4000 EUR for 0.01 litres would be
    // 400,000 EUR/l: the 16-bit field holds its largest price instead of
    // wrapping around to a cheap one.
    const std::pair<long double, long double> faelle[] = {{72.95L, 50},  {1.0625L, 1}, {1.1875L, 1}, {4000, 0.01L},
                                                          {65.535L, 1},  {65.534L, 1}, {-5, 1},      {5, 0},
                                                          {nan, 1},      {inf, 1}};
    std::vector<int> ist;
    for (auto [betrag, liter] : faelle)
        ist.push_back(LiterPreisBerechnen(betrag, liter));
    EXPECT_EQ(ist, (std::vector<int>{1459, 1062, 1188, 65535, 65535, 65534, 0, 0, 0, 65535}));
}

TEST_F(Liste, neueDatenLeerenFahrzeugUndDatei)
{
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    std::tie(DatenVorhanden, Gespeichert, Kennzeichen, Festverbrauch, Tankinhalt, DateiName, DatenVerzeichnis,
             WarnTonAn) = std::make_tuple(true, false, "MR-X 1", 7.0L, 50.0L, "/d/A.SPR", "/d", false);
    NeueDaten();
    EXPECT_EQ(std::tie(DatenVorhanden, Gespeichert, Kennzeichen, Festverbrauch, Tankinhalt, DateiName),
              std::make_tuple(false, true, "", 0.0L, 0.0L, ""));
    EXPECT_EQ(AnzahlFuellungen(), 0);
    // Settings of the program stay.
    EXPECT_EQ(std::tie(DatenVerzeichnis, WarnTonAn), std::make_tuple("/d", false));
}

} // namespace
