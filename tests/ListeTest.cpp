// The fill-up list: appending, ordering with the logical date check,
// look-ups and the litre price.
#include "Sprilo_Dek.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

TDatum D(int tag, int monat, int jahr)
{
    return TDatum{static_cast<uint8_t>(tag), static_cast<uint8_t>(monat), static_cast<uint16_t>(jahr)};
}

TTankFuellung F(int32_t km, TDatum datum, const std::string &station = "Aral")
{
    TTankFuellung f;
    f.KMStand = km;
    f.Datum = datum;
    f.Tankstelle = station;
    return f;
}

class Liste : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
};

} // namespace

TEST_F(Liste, anhaengenNummeriertAbEins)
{
    EXPECT_EQ(AnzahlFuellungen(), 0);
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    EXPECT_EQ(AnzahlFuellungen(), 1);
    FuellungAnhaengen(F(900, D(1, 2, 2003)));
    EXPECT_EQ(AnzahlFuellungen(), 2);
    EXPECT_EQ(Fuellungen[1].KMStand, 900);
    ListeLoeschen(Fuellungen);
    EXPECT_EQ(AnzahlFuellungen(), 0);
}

TEST_F(Liste, ordnenSortiertNachKmStand)
{
    for (int32_t km : {3000, -5, 1000, 2000})
        FuellungAnhaengen(F(km, D(1, 1, 2003)));
    ListeOrdnen(Fuellungen, DatenLogisch);
    ASSERT_EQ(AnzahlFuellungen(), 4);
    EXPECT_EQ(Fuellungen[0].KMStand, -5);
    EXPECT_EQ(Fuellungen[1].KMStand, 1000);
    EXPECT_EQ(Fuellungen[3].KMStand, 3000);
    EXPECT_TRUE(DatenLogisch);
}

TEST_F(Liste, gleicheKmStaendeBehaltenIhreReihenfolge)
{
    FuellungAnhaengen(F(2000, D(1, 1, 2003), "zweiter"));
    FuellungAnhaengen(F(1000, D(1, 1, 2003), "erster"));
    FuellungAnhaengen(F(2000, D(1, 1, 2003), "dritter"));
    FuellungAnhaengen(F(2000, D(1, 1, 2003), "vierter"));
    ListeOrdnen(Fuellungen, DatenLogisch);
    EXPECT_EQ(Fuellungen[0].Tankstelle, "erster");
    EXPECT_EQ(Fuellungen[1].Tankstelle, "zweiter");
    EXPECT_EQ(Fuellungen[2].Tankstelle, "dritter");
    EXPECT_EQ(Fuellungen[3].Tankstelle, "vierter");
}

TEST_F(Liste, fruehereDatumNachHoehermKmStandIstUnlogisch)
{
    FuellungAnhaengen(F(1000, D(10, 1, 2003)));
    FuellungAnhaengen(F(2000, D(5, 1, 2003)));
    FuellungAnhaengen(F(3000, D(20, 1, 2003)));
    bool ergebnis = true;
    ListeOrdnen(Fuellungen, ergebnis);
    EXPECT_FALSE(ergebnis);
    EXPECT_EQ(FehlerNr1, 1);
    EXPECT_EQ(FehlerNr2, 2);
}

TEST_F(Liste, vonMehrerenFehlernZaehltDerLetzte)
{
    FuellungAnhaengen(F(1000, D(10, 1, 2003)));
    FuellungAnhaengen(F(2000, D(5, 1, 2003)));
    FuellungAnhaengen(F(3000, D(20, 1, 2003)));
    FuellungAnhaengen(F(4000, D(19, 1, 2003)));
    FuellungAnhaengen(F(5000, D(25, 1, 2003)));
    ListeOrdnen(Fuellungen, DatenLogisch);
    EXPECT_FALSE(DatenLogisch);
    EXPECT_EQ(FehlerNr1, 3);
    EXPECT_EQ(FehlerNr2, 4);
}

TEST_F(Liste, gleicheDatenSindLogisch)
{
    FuellungAnhaengen(F(1000, D(10, 1, 2003)));
    FuellungAnhaengen(F(2000, D(10, 1, 2003)));
    FehlerNr1 = 7;
    ListeOrdnen(Fuellungen, DatenLogisch);
    EXPECT_TRUE(DatenLogisch);
    EXPECT_EQ(FehlerNr1, 0);
    EXPECT_EQ(FehlerNr2, 0);
}

TEST_F(Liste, sortierenGehtVorDemPruefen)
{
    // Entered out of order but logical once sorted.
    FuellungAnhaengen(F(2000, D(1, 2, 2003)));
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    ListeOrdnen(Fuellungen, DatenLogisch);
    EXPECT_TRUE(DatenLogisch);
}

TEST(DatumFrueher, vergleichtJahrMonatTag)
{
    EXPECT_FALSE(DatumFrueher(D(5, 5, 2003), D(5, 5, 2003)));
    EXPECT_TRUE(DatumFrueher(D(5, 5, 2003), D(4, 5, 2003)));
    EXPECT_FALSE(DatumFrueher(D(5, 5, 2003), D(6, 5, 2003)));
    EXPECT_TRUE(DatumFrueher(D(5, 5, 2003), D(31, 12, 2002)));
    EXPECT_TRUE(DatumFrueher(D(1, 1, 2003), D(1, 12, 2002)));
    EXPECT_FALSE(DatumFrueher(D(31, 12, 2002), D(1, 1, 2003)));
    EXPECT_TRUE(DatumFrueher(D(1, 6, 2003), D(30, 5, 2003)));
}

TEST_F(Liste, kmStandVorhandenAusserDemEigenen)
{
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    FuellungAnhaengen(F(2000, D(1, 2, 2003)));
    EXPECT_TRUE(KMStandVorhanden(2000, -1));
    EXPECT_FALSE(KMStandVorhanden(1500, -1));
    EXPECT_FALSE(KMStandVorhanden(2000, 2000));
    EXPECT_TRUE(KMStandVorhanden(1000, 2000));
}

TEST_F(Liste, tankstellenIndexFindetDenLetztenGleichen)
{
    Tankstellen[0] = "SHELL";
    Tankstellen[1] = "Aral";
    Tankstellen[2] = "SHELL";
    Tankstellen[3] = "Jet";
    AnzahlTankstellen = 3;
    EXPECT_EQ(TankstellenIndex("SHELL"), 2);
    EXPECT_EQ(TankstellenIndex("shell"), -1);
    EXPECT_EQ(TankstellenIndex("Aral"), 1);
    EXPECT_EQ(TankstellenIndex("Jet"), -1);   // beyond AnzahlTankstellen
    AnzahlTankstellen = 0;
    EXPECT_EQ(TankstellenIndex("SHELL"), -1);
}

TEST_F(Liste, tankstellenIndexVergleichtHoechstens40Zeichen)
{
    Tankstellen[0] = std::string(40, 'A') + "ä";
    AnzahlTankstellen = 1;
    EXPECT_EQ(TankstellenIndex(std::string(40, 'A')), 0);
    EXPECT_EQ(TankstellenIndex(std::string(40, 'A') + "xyz"), 0);
    EXPECT_EQ(TankstellenIndex(std::string(39, 'A')), -1);
}

TEST(LiterPreis, rundetAufTausendstelEuro)
{
    EXPECT_EQ(LiterPreisBerechnen(72.95L, 50), 1459);
    EXPECT_EQ(LiterPreisBerechnen(52.0L, 40), 1300);
    // Exact halves go to the even number.
    EXPECT_EQ(LiterPreisBerechnen(1.0625L, 1), 1062);
    EXPECT_EQ(LiterPreisBerechnen(1.1875L, 1), 1188);
    EXPECT_EQ(LiterPreisBerechnen(2.125L, 2), 1062);
}

TEST(LiterPreis, wirdNieUeberlaufen)
{
    // 4000 EUR for 0.01 litres would be 400,000 EUR/l: the field holds the
    // largest price it can instead of wrapping around to a cheap one.
    EXPECT_EQ(LiterPreisBerechnen(4000, 0.01L), 65535);
    EXPECT_EQ(LiterPreisBerechnen(65.535L, 1), 65535);
    EXPECT_EQ(LiterPreisBerechnen(65.534L, 1), 65534);
    EXPECT_EQ(LiterPreisBerechnen(-5, 1), 0);
    EXPECT_EQ(LiterPreisBerechnen(5, 0), 0);
    EXPECT_EQ(LiterPreisBerechnen(std::numeric_limits<long double>::quiet_NaN(), 1), 0);
    EXPECT_EQ(LiterPreisBerechnen(std::numeric_limits<long double>::infinity(), 1), 65535);
}

TEST_F(Liste, ordnenGleichtDemTauschenBenachbarterSaetze)
{
    // Many equal readings in random order: the result must be the one a
    // bubble sort of neighbour exchanges gives.
    std::mt19937 zufall(99);
    for (int runde = 0; runde < 50; ++runde) {
        TTankListe liste;
        const int n = 1 + static_cast<int>(zufall() % 200);
        for (int i = 0; i < n; ++i)
            liste.push_back(F(static_cast<int32_t>(zufall() % 20), D(1, 1, 2003), std::to_string(i)));
        TTankListe blase = liste;
        for (bool getauscht = true; getauscht;) {
            getauscht = false;
            for (size_t i = blase.size() - 1; i > 0; --i) {
                if (blase[i - 1].KMStand > blase[i].KMStand) {
                    std::swap(blase[i - 1], blase[i]);
                    getauscht = true;
                }
            }
        }
        bool logisch;
        ListeOrdnen(liste, logisch);
        ASSERT_EQ(liste.size(), blase.size());
        for (size_t i = 0; i < liste.size(); ++i)
            ASSERT_EQ(liste[i].Tankstelle, blase[i].Tankstelle) << runde << " " << i;
    }
}

TEST_F(Liste, neueDatenLeerenFahrzeugUndDatei)
{
    FuellungAnhaengen(F(1000, D(1, 1, 2003)));
    DatenVorhanden = true;
    Gespeichert = false;
    Kennzeichen = "MR-X 1";
    Festverbrauch = 7;
    Tankinhalt = 50;
    DateiName = "/d/A.SPR";
    DatenVerzeichnis = "/d";
    WarnTonAn = false;
    NeueDaten();
    EXPECT_EQ(AnzahlFuellungen(), 0);
    EXPECT_FALSE(DatenVorhanden);
    EXPECT_TRUE(Gespeichert);
    EXPECT_EQ(Kennzeichen, "");
    EXPECT_EQ(Festverbrauch, 0.0L);
    EXPECT_EQ(Tankinhalt, 0.0L);
    EXPECT_EQ(DateiName, "");
    // Settings of the program stay.
    EXPECT_EQ(DatenVerzeichnis, "/d");
    EXPECT_FALSE(WarnTonAn);
}
