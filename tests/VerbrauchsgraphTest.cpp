// The consumption graph drawn on a recording surface: where the grid, the
// rows, the bars, the lines and the mark land, at Grafikfaktor 1 and at
// factors that need rounding.

#include "consumption/Verbrauchsgraph.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include "AufzeichnendeFlaeche.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// One colour per role, all different, so that a colour names its role.
constexpr uint32_t Gruen = 0x008000;      // Farben 1 = 2
constexpr uint32_t Gelb = 0xFFFF00;       // Farben 2 = 14
constexpr uint32_t Rot = 0xFF0000;        // Farben 3 = 4
constexpr uint32_t Kastanie = 0x800000;   // Farben 4 = 6
constexpr uint32_t Blau = 0x0000FF;       // Farben 6 = 1
constexpr uint32_t Pink = 0xFF00FF;       // Farben 7 = 5
constexpr uint32_t Oliv = 0x808000;       // Farben 10 = 11
constexpr uint32_t Marine = 0x000080;     // Farben 12 = 12
constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Weiss = 0xFFFFFF;

TVerbrauchsWert Wert(int nr, long double durchschnitt, uint8_t voll = 1)
{
    TVerbrauchsWert w;
    w.Bezeichnung = "Wert " + std::to_string(nr);
    w.VonKM = 10000 + 500 * (nr - 1);
    w.BisKM = w.VonKM + 500;
    w.Strecke = 500;
    w.AnzahlTankungen = 1;
    w.Vollgetankt = voll;
    w.LiterGetankt = w.LiterVerbraucht = durchschnitt * 5;
    w.Durchschnitt = durchschnitt;
    return w;
}

// The list with these averages, its totals and the graph's scale.
void Werte(const std::vector<long double> &durchschnitte)
{
    VerbrauchsListe.clear();
    for (size_t i = 0; i < durchschnitte.size(); ++i)
        VerbrauchsListe.push_back(Wert(int(i) + 1, durchschnitte[i]));
    BerechneGesamtverbrauch();
}

// Graph units to pixels as the description says: times the factor, halves
// to even.
int P(long double einheiten)
{
    return static_cast<int>(std::nearbyintl(einheiten * Grafikfaktor));
}

int W(const std::string &text)
{
    return TAufzeichnendeFlaeche::ZeichenBreite * int(TAufzeichnendeFlaeche::Zeichen(text));
}

class Verbrauchsgraph : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalenZustandZuruecksetzen();
        Farben = {2, 14, 4, 6, 2, 1, 5, 13, 11, 11, 6, 12, 0, 0, 0, 0};
        FestverbrauchAn = false;
        Tankinhalt = 0;
    }

    bool Zeichnen(int32_t markiert = 1)
    {
        fenster.MarkierterWert = markiert;
        flaeche.Leeren();
        return ZeichneVerbrauchsGraph(flaeche, fenster);
    }

    // The texts drawn at x in row k's label line, in row order.
    std::vector<std::string> Bezeichnungen() const
    {
        std::vector<std::string> r;
        for (const auto &t : flaeche.Alle(TAufrufArt::Text))
            if (t.Text.rfind("Wert ", 0) == 0)
                r.push_back(t.Text);
        return r;
    }

    TAufzeichnendeFlaeche flaeche;
    TGraphFenster fenster;
};

// The same drawing at a factor of 1 and at one that needs rounding.
class VerbrauchsgraphSkaliert : public Verbrauchsgraph, public ::testing::WithParamInterface<long double> {
protected:
    void SetUp() override
    {
        Verbrauchsgraph::SetUp();
        Grafikfaktor = GetParam();
    }
};

INSTANTIATE_TEST_SUITE_P(Faktoren, VerbrauchsgraphSkaliert, ::testing::Values(1.0L, 1.3L, 1.6L));

TEST_F(Verbrauchsgraph, FlaecheWirdZuerstWeissGefuellt)
{
    Werte({6.5L});
    flaeche.SchriftSetzen({"Arial", 8, false, false, false, Rot});
    Zeichnen();
    const TAufzeichnung &erster = flaeche.Aufrufe.front();
    EXPECT_EQ(erster.Art, TAufrufArt::Flaeche);
    EXPECT_EQ(std::vector<int>({erster.X1, erster.Y1, erster.X2, erster.Y2}), std::vector<int>({0, 0, 561, 305}));
    EXPECT_EQ(erster.Pinsel.Farbe, Weiss);
    // The font is the caller's, only its colour is set.
    ASSERT_NE(flaeche.TextMit("Wert 1"), nullptr);
    EXPECT_EQ(flaeche.TextMit("Wert 1")->Schrift.Farbe, Schwarz);
    EXPECT_EQ(flaeche.TextMit("Wert 1")->Schrift.Name, "Arial");
}

TEST_P(VerbrauchsgraphSkaliert, GitterMitBeschriftungUeberDenLinien)
{
    Werte({6.20L, 7.45L, 6.80L});
    ASSERT_EQ(SkalaSchritt, 2);
    ASSERT_EQ(SkalaUnten, 580);
    Zeichnen();

    const std::vector<std::string> beschriftung = {"5,80l", "6,20l", "6,60l", "7,00l", "7,40l", "7,80l", "8,20l"};
    const auto durchgehend = flaeche.Linien(Schwarz, TStiftArt::Durchgehend);
    ASSERT_GE(durchgehend.size(), 7u);
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const TAufzeichnung &linie = durchgehend[size_t(i)];
        EXPECT_EQ(std::vector<int>({linie.X1, linie.Y1, linie.X2, linie.Y2}),
                  std::vector<int>({P(90 + 60 * i), P(23), P(90 + 60 * i), P(175)}));
        const TAufzeichnung *text = flaeche.TextMit(beschriftung[size_t(i)]);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->X, P(90 + 60 * i) - W(beschriftung[size_t(i)]) / 2);
        EXPECT_EQ(text->Y, P(6));
    }

    const auto gestrichelt = flaeche.Linien(Schwarz, TStiftArt::Gestrichelt);
    ASSERT_EQ(gestrichelt.size(), 6u);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(std::vector<int>({gestrichelt[size_t(i)].X1, gestrichelt[size_t(i)].Y1, gestrichelt[size_t(i)].X2,
                                    gestrichelt[size_t(i)].Y2}),
                  std::vector<int>({P(120 + 60 * i), P(23), P(120 + 60 * i), P(175)}));
    const auto gepunktet = flaeche.Linien(Schwarz, TStiftArt::Gepunktet);
    ASSERT_EQ(gepunktet.size(), 12u);
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ(std::vector<int>({gepunktet[size_t(i)].X1, gepunktet[size_t(i)].Y1, gepunktet[size_t(i)].X2,
                                    gepunktet[size_t(i)].Y2}),
                  std::vector<int>({P(105 + 30 * i), P(23), P(105 + 30 * i), P(175)}));
}

TEST_F(Verbrauchsgraph, GleicheWerteGebenDasGitterUmSieHerum)
{
    Werte({7.0L, 7.0L, 7.0L});
    ASSERT_EQ(SkalaSchritt, 1);
    ASSERT_EQ(SkalaUnten, 640);
    Zeichnen();
    for (const char *t : {"6,40l", "6,60l", "6,80l", "7,00l", "7,20l", "7,40l", "7,60l"})
        EXPECT_NE(flaeche.TextMit(t), nullptr) << t;
    EXPECT_EQ(flaeche.TextMit("6,20l"), nullptr);
    EXPECT_EQ(flaeche.TextMit("7,80l"), nullptr);
}

TEST_F(Verbrauchsgraph, DreiWerteZeichnenDreiZeilen)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen();
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 1", "Wert 2", "Wert 3"}));
    EXPECT_EQ(flaeche.TexteMitAnfang("KM"), 4u);   // the ruler's top and one per row
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 3u);
    for (const auto &l : flaeche.Alle(TAufrufArt::Linie)) {
        if (l.Stift.Farbe == Schwarz && l.Y1 == 23) {
            EXPECT_EQ(l.Y2, 175);
        }
    }
}

TEST_F(Verbrauchsgraph, LeereListeZeichnetNurDasGitter)
{
    VerbrauchsZustandZuruecksetzen();
    Tankinhalt = 50;
    FestverbrauchAn = true;
    Festverbrauch = 6;
    EXPECT_FALSE(Zeichnen());
    EXPECT_EQ(flaeche.Alle(TAufrufArt::Linie).size(), 25u);
    for (const auto &l : flaeche.Alle(TAufrufArt::Linie))
        EXPECT_EQ(l.Y2, 49);
    EXPECT_EQ(flaeche.Alle(TAufrufArt::Rechteck).size(), 0u);
    EXPECT_EQ(flaeche.Texte(), std::vector<std::string>({"0,00l", "0,20l", "0,40l", "0,60l", "0,80l", "1,00l",
                                                         "1,20l", "Verbrauch", "Reichweite"}));
}

TEST_F(Verbrauchsgraph, SkalaSchrittNullZaehltAlsEins)
{
    Werte({6.5L, 7.5L});
    SkalaSchritt = 0;
    SkalaUnten = 600;
    Zeichnen();
    // 6,50 lies 50 axis units right of 6,00.
    const auto gruen = flaeche.Rechtecke(Gruen);
    ASSERT_EQ(gruen.size(), 2u);
    EXPECT_EQ(gruen[0].X2, 90 + 150);
}

TEST_P(VerbrauchsgraphSkaliert, SpaltentitelUndReichweitenNurMitTankinhalt)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen();
    EXPECT_EQ(flaeche.TextMit("Verbrauch"), nullptr);
    EXPECT_EQ(flaeche.TextMit("Reichweite"), nullptr);
    EXPECT_EQ(flaeche.TexteMitAnfang("=> Reichweite"), 0u);
    for (const auto &t : flaeche.Texte())
        EXPECT_EQ(t.find(" Km"), std::string::npos) << t;
    // The average sits on the label line of its row.
    const TAufzeichnung *d = flaeche.TextMit("6,200000L/100Km");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->X, P(553) - W("6,200000L/100Km"));
    EXPECT_EQ(d->Y, P(49));

    Tankinhalt = 62;
    Zeichnen();
    const TAufzeichnung *verbrauch = flaeche.TextMit("Verbrauch");
    ASSERT_NE(verbrauch, nullptr);
    EXPECT_EQ(verbrauch->X, P(553) - W("Verbrauch"));
    EXPECT_EQ(verbrauch->Y, P(6));
    EXPECT_EQ(verbrauch->Schrift.Farbe, Schwarz);
    const TAufzeichnung *reichweite = flaeche.TextMit("Reichweite");
    ASSERT_NE(reichweite, nullptr);
    EXPECT_EQ(reichweite->X, P(553) - W("Reichweite"));
    EXPECT_EQ(reichweite->Y, P(19.2L));
    EXPECT_EQ(reichweite->Schrift.Farbe, Oliv);

    // Row 2: the average moves up, the range goes below it.
    d = flaeche.TextMit("7,450000L/100Km");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->Y, P(91 - 6.6L));
    EXPECT_EQ(d->Schrift.Farbe, Schwarz);
    const TAufzeichnung *km = flaeche.TextMit("832,21 Km");   // 62 / 7,45 x 100
    ASSERT_NE(km, nullptr);
    EXPECT_EQ(km->X, P(553) - W("832,21 Km"));
    EXPECT_EQ(km->Y, P(91 + 6.6L));
    EXPECT_EQ(km->Schrift.Farbe, Oliv);
    EXPECT_EQ(km->Pinsel.Farbe, Weiss);
}

TEST_P(VerbrauchsgraphSkaliert, ZeilenMitKilometerleiste)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen();
    // KM and the readings: the start at the top, each row's end below it.
    const auto texte = flaeche.Alle(TAufrufArt::Text);
    std::vector<std::vector<int>> km;
    for (const auto &t : texte)
        if (t.Text == "KM")
            km.push_back({t.X, t.Y});
    EXPECT_EQ(km, std::vector<std::vector<int>>({{P(6), P(27)}, {P(6), P(69)}, {P(6), P(111)}, {P(6), P(153)}}));
    const std::vector<std::pair<std::string, int>> staende = {
        {" 10.000", 27}, {" 10.500", 69}, {" 11.000", 111}, {" 11.500", 153}};
    for (const auto &[text, y] : staende) {
        const TAufzeichnung *t = flaeche.TextMit(text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(t->X, P(85) - W(text));
        EXPECT_EQ(t->Y, P(y));
    }
    for (int k = 1; k <= 3; ++k) {
        const TAufzeichnung *t = flaeche.TextMit("Wert " + std::to_string(k));
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->X, P(6));
        EXPECT_EQ(t->Y, P(49 + 42 * (k - 1)));
    }
}

TEST_F(Verbrauchsgraph, UmgekehrtTauschenVonUndBisKM)
{
    Werte({6.2L, 7.45L, 6.8L});
    SortiereVerbrauchswerte(1, true);
    UmgekehrtSortiert = true;
    Zeichnen();
    const std::vector<std::pair<std::string, int>> staende = {
        {" 11.500", 27}, {" 11.000", 69}, {" 10.500", 111}, {" 10.000", 153}};
    for (const auto &[text, y] : staende) {
        const TAufzeichnung *t = flaeche.TextMit(text);
        ASSERT_NE(t, nullptr) << text;
        EXPECT_EQ(t->Y, y);
    }
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 3", "Wert 2", "Wert 1"}));
}

// Averages 5,00 and 9,00: SkalaSchritt 4, SkalaUnten 460, so a value v lies
// 3 x (v x 25 - 115) right of the axis start; 9,00 at 330, 5,00 at 30.
class Balken : public Verbrauchsgraph {
protected:
    void SetUp() override
    {
        Verbrauchsgraph::SetUp();
        Werte({9.0L, 5.0L});
        ASSERT_EQ(SkalaSchritt, 4);
        ASSERT_EQ(SkalaUnten, 460);
    }

    std::vector<std::vector<int>> Baender(uint32_t farbe) const
    {
        std::vector<std::vector<int>> r;
        for (const auto &b : flaeche.Rechtecke(farbe)) {
            EXPECT_EQ(b.Stift.Farbe, farbe);
            r.push_back({b.X1, b.Y1, b.X2, b.Y2});
        }
        return r;
    }
};

TEST_F(Balken, WeitUeberDemBezugAlleVierFarben)
{
    FestverbrauchAn = true;
    Festverbrauch = 6;   // 105
    Zeichnen();
    // Row 1 (top 27): 225 above the reference, more than 40 axis units.
    EXPECT_EQ(Baender(Gruen), std::vector<std::vector<int>>({{90, 41, 195, 69}, {90, 83, 120, 111}}));
    EXPECT_EQ(Baender(Gelb), std::vector<std::vector<int>>({{195, 41, 255, 69}}));
    EXPECT_EQ(Baender(Rot), std::vector<std::vector<int>>({{255, 41, 315, 69}}));
    EXPECT_EQ(Baender(Kastanie), std::vector<std::vector<int>>({{315, 41, 420, 69}}));
    // Each bar starts at a black stroke on the axis; the brush is white again.
    int striche = 0;
    for (const auto &l : flaeche.Linien(Schwarz))
        if (l.X1 == 90 && l.X2 == 90 && ((l.Y1 == 39 && l.Y2 == 71) || (l.Y1 == 81 && l.Y2 == 113)))
            ++striche;
    EXPECT_EQ(striche, 2);
    for (const auto &t : flaeche.Alle(TAufrufArt::Text))
        EXPECT_EQ(t.Pinsel.Farbe, Weiss) << t.Text;
}

TEST_F(Balken, UnterDemBezugNurDieErsteFarbe)
{
    FestverbrauchAn = true;
    Festverbrauch = 9;   // 330
    Zeichnen();
    EXPECT_EQ(Baender(Gruen), std::vector<std::vector<int>>({{90, 41, 420, 69}, {90, 83, 120, 111}}));
    EXPECT_TRUE(Baender(Gelb).empty());
    EXPECT_TRUE(Baender(Rot).empty());
    EXPECT_TRUE(Baender(Kastanie).empty());
}

TEST_F(Balken, OhneFestverbrauchIstDerGesamtdurchschnittDerBezug)
{
    FestverbrauchAn = false;
    Festverbrauch = 5;   // would put all of row 1 above the reference
    Zeichnen();
    // 7,00 lies at 3 x (175 - 115) = 180; 9,00 is 150 above.
    EXPECT_EQ(Baender(Gruen), std::vector<std::vector<int>>({{90, 41, 270, 69}, {90, 83, 120, 111}}));
    EXPECT_EQ(Baender(Gelb), std::vector<std::vector<int>>({{270, 41, 330, 69}}));
    EXPECT_EQ(Baender(Rot), std::vector<std::vector<int>>({{330, 41, 390, 69}}));
    EXPECT_EQ(Baender(Kastanie), std::vector<std::vector<int>>({{390, 41, 420, 69}}));
}

TEST_F(Balken, BezugLinksVonDerAchse)
{
    FestverbrauchAn = true;
    Festverbrauch = 4;   // -45: the bands count from the axis start
    Zeichnen();
    EXPECT_EQ(Baender(Gruen), std::vector<std::vector<int>>({{90, 41, 90, 69}, {90, 83, 90, 111}}));
    EXPECT_EQ(Baender(Gelb), std::vector<std::vector<int>>({{90, 41, 105, 69}, {90, 83, 105, 111}}));
    EXPECT_EQ(Baender(Rot), std::vector<std::vector<int>>({{105, 41, 165, 69}, {105, 83, 120, 111}}));
    EXPECT_EQ(Baender(Kastanie), std::vector<std::vector<int>>({{165, 41, 420, 69}}));
}

TEST_P(VerbrauchsgraphSkaliert, BalkenSkaliert)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 6;
    Zeichnen();
    const auto gelb = flaeche.Rechtecke(Gelb);
    ASSERT_EQ(gelb.size(), 1u);
    EXPECT_EQ(std::vector<int>({gelb[0].X1, gelb[0].Y1, gelb[0].X2, gelb[0].Y2}),
              std::vector<int>({P(195), P(41), P(255), P(69)}));
}

TEST_P(VerbrauchsgraphSkaliert, FestverbrauchInnerhalbDerAchse)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 6;   // 105
    Zeichnen();
    const auto linien = flaeche.Linien(Pink);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(std::vector<int>({linien[0].X1, linien[0].Y1, linien[0].X2, linien[0].Y2}),
              std::vector<int>({P(195), P(32), P(195), P(286)}));
    EXPECT_EQ(std::vector<int>({linien[1].X1, linien[1].Y1, linien[1].X2, linien[1].Y2}),
              std::vector<int>({P(195), P(286), P(95), P(286)}));
    const TAufzeichnung *t = flaeche.TextMit("Eingestellter Festverbrauch : 6,00L/100Km ");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::vector<int>({t->X, t->Y}), std::vector<int>({P(85), P(279)}));
    EXPECT_EQ(t->Schrift.Farbe, Pink);
    EXPECT_EQ(flaeche.TexteMitAnfang("=> Reichweite"), 0u);   // no tank capacity

    Tankinhalt = 45;
    Zeichnen();
    const TAufzeichnung *r = flaeche.TextMit("=> Reichweite : 750,00 Km");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::vector<int>({r->X, r->Y}), std::vector<int>({P(553) - W(r->Text), P(279)}));
    EXPECT_EQ(r->Schrift.Farbe, Oliv);
}

TEST_F(Verbrauchsgraph, FestverbrauchRechtsDerAchseGibtDenPfeil)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 9.25L;   // 3 x (231 - 115) = 348: still on the axis
    Zeichnen();
    ASSERT_EQ(flaeche.Linien(Pink).size(), 2u);
    EXPECT_EQ(flaeche.Linien(Pink)[0].X1, 438);

    Festverbrauch = 9.40L;   // 3 x (235 - 115) = 360: the right end of the axis
    Zeichnen();
    ASSERT_EQ(flaeche.Linien(Pink).size(), 2u);
    EXPECT_EQ(flaeche.Linien(Pink)[0].X1, 450);

    Festverbrauch = 10.5L;   // 3 x (262 - 115) = 441
    Zeichnen();
    const auto linien = flaeche.Linien(Pink);
    std::vector<std::vector<int>> l;
    for (const auto &a : linien)
        l.push_back({a.X1, a.Y1, a.X2, a.Y2});
    EXPECT_EQ(l, std::vector<std::vector<int>>({{95, 286, 360, 286}, {360, 286, 355, 291}, {360, 286, 355, 281}}));
    EXPECT_NE(flaeche.TextMit("Eingestellter Festverbrauch : 10,50L/100Km "), nullptr);
}

TEST_F(Verbrauchsgraph, FestverbrauchLinksDerAchseOhneLinie)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 4.6L;   // 3 x (115 - 115) = 0
    Zeichnen();
    EXPECT_TRUE(flaeche.Linien(Pink).empty());
    EXPECT_NE(flaeche.TextMit("Eingestellter Festverbrauch : 4,60L/100Km "), nullptr);

    FestverbrauchAn = false;
    Zeichnen();
    EXPECT_EQ(flaeche.TexteMitAnfang("Eingestellter"), 0u);
}

TEST_P(VerbrauchsgraphSkaliert, GesamtdurchschnittAlsLinie)
{
    Werte({9.0L, 5.0L});   // 7,00 at 180
    Tankinhalt = 49;
    Zeichnen();
    const auto linien = flaeche.Linien(Blau);
    ASSERT_EQ(linien.size(), 1u);
    EXPECT_EQ(std::vector<int>({linien[0].X1, linien[0].Y1, linien[0].X2, linien[0].Y2}),
              std::vector<int>({P(270), P(32), P(270), P(261)}));
    const TAufzeichnung *t = flaeche.TextMit("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::vector<int>({t->X, t->Y}), std::vector<int>({P(85), P(265)}));
    EXPECT_EQ(t->Schrift.Farbe, Blau);
    const TAufzeichnung *r = flaeche.TextMit("=> Reichweite : 700,00 Km");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(std::vector<int>({r->X, r->Y}), std::vector<int>({P(553) - W(r->Text), P(265)}));
    EXPECT_EQ(r->Schrift.Farbe, Oliv);
}

TEST_F(Verbrauchsgraph, EinWertOhneDurchschnittslinie)
{
    Werte({6.5L});
    Tankinhalt = 50;
    Zeichnen();
    EXPECT_TRUE(flaeche.Linien(Blau).empty());
    EXPECT_EQ(flaeche.TexteMitAnfang("Durchschnittlicher"), 0u);
    EXPECT_EQ(flaeche.TexteMitAnfang("=> Reichweite"), 0u);
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 1"}));
}

TEST_P(VerbrauchsgraphSkaliert, MarkierungUmDieZeile)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen(2);
    std::vector<std::vector<int>> l;
    for (const auto &a : flaeche.Linien(Marine))
        l.push_back({a.X1, a.Y1, a.X2, a.Y2});
    const int y1 = P(76), y2 = P(118);
    EXPECT_EQ(l, std::vector<std::vector<int>>({
                     {P(5), y1, P(2), y1},
                     {P(2), y1, P(2), y2},
                     {P(2), y2, P(5), y2},
                     {P(23), y1, P(83), y1},
                     {P(23), y2, P(83), y2},
                     {P(86), y1, P(556), y1},
                     {P(556), y1, P(556), y2},
                     {P(556), y2, P(86), y2},
                 }));
}

TEST_F(Verbrauchsgraph, KoordinatenRundenHalbeZurGeradenZahl)
{
    Werte({6.2L, 7.45L, 6.8L});
    Grafikfaktor = 1.5L;
    Zeichnen(1);
    // 23 x 1,5 = 34,5 gives 34, 5 x 1,5 = 7,5 gives 8, 83 x 1,5 = 124,5 gives 124.
    const auto gitter = flaeche.Linien(Schwarz, TStiftArt::Durchgehend);
    ASSERT_FALSE(gitter.empty());
    EXPECT_EQ(gitter[0].Y1, 34);
    const auto mark = flaeche.Linien(Marine);
    ASSERT_EQ(mark.size(), 8u);
    EXPECT_EQ(mark[0].X1, 8);
    EXPECT_EQ(mark[3].X2, 124);
    Grafikfaktor = 1;
    EXPECT_EQ(GrafikPixel(0.5L), 0);
    EXPECT_EQ(GrafikPixel(2.5L), 2);
    EXPECT_EQ(GrafikPixel(3.5L), 4);
    EXPECT_EQ(GrafikPixel(-0.5L), 0);
}

TEST_F(Verbrauchsgraph, FensterFolgtDerMarkierung)
{
    std::vector<long double> d;
    for (int i = 0; i < 12; ++i)
        d.push_back(6 + i * 0.1L);
    Werte(d);

    Zeichnen(8);
    EXPECT_EQ(fenster.ErsterSichtbarer, 4);
    EXPECT_EQ(fenster.MarkierteZeile, 5);
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 4", "Wert 5", "Wert 6", "Wert 7", "Wert 8"}));
    ASSERT_FALSE(flaeche.Linien(Marine).empty());
    EXPECT_EQ(flaeche.Linien(Marine)[0].Y1, 34 + 42 * 4);
    EXPECT_EQ(flaeche.TextMit("Wert 8")->Y, 49 + 42 * 4);
    // The ruler starts at the first visible value.
    ASSERT_NE(flaeche.TextMit(" 11.500"), nullptr);
    EXPECT_EQ(flaeche.TextMit(" 11.500")->Y, 27);

    Zeichnen(3);
    EXPECT_EQ(fenster.ErsterSichtbarer, 3);
    EXPECT_EQ(fenster.MarkierteZeile, 1);
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 3", "Wert 4", "Wert 5", "Wert 6", "Wert 7"}));

    // Inside the window nothing moves; one below it moves it by one.
    Zeichnen(5);
    EXPECT_EQ(fenster.ErsterSichtbarer, 3);
    EXPECT_EQ(fenster.MarkierteZeile, 3);
    Zeichnen(8);
    EXPECT_EQ(fenster.ErsterSichtbarer, 4);
    EXPECT_EQ(fenster.MarkierteZeile, 5);

    // A window left over from a longer list comes back into it.
    fenster.ErsterSichtbarer = 40;
    Zeichnen(50);
    EXPECT_EQ(fenster.MarkierterWert, 12);
    EXPECT_EQ(fenster.ErsterSichtbarer, 12);
    EXPECT_EQ(fenster.MarkierteZeile, 1);
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 12"}));
}

TEST_F(Verbrauchsgraph, VorlaeufigerWertWirdGemeldet)
{
    Werte({6.2L, 7.45L, 6.8L});
    VerbrauchsListe[2].Vollgetankt = 0;
    EXPECT_FALSE(Zeichnen(2));
    EXPECT_TRUE(Zeichnen(3));
}

TEST_P(VerbrauchsgraphSkaliert, ZeileBeiDerMaushoehe)
{
    struct Fall {
        long double y;   // graph units
        int zeile;
    };
    for (const Fall f : {Fall{34, 1}, Fall{55, 1}, Fall{76, 2}, Fall{118, 3}, Fall{160, 4}, Fall{202, 5},
                         Fall{244, 5}}) {
        SCOPED_TRACE(double(f.y));
        EXPECT_EQ(GraphZeileBei(P(f.y)), f.zeile);
    }
    // Just outside the rows, and one pixel below a shared edge.
    EXPECT_EQ(GraphZeileBei(P(34) - 1), 0);
    EXPECT_EQ(GraphZeileBei(P(244) + 1), 0);
    EXPECT_EQ(GraphZeileBei(P(76) - 1), 1);
    EXPECT_EQ(GraphZeileBei(0), 0);
    EXPECT_EQ(GraphZeileBei(P(300)), 0);
}

TEST_F(Verbrauchsgraph, ZeileWaehlen)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen(1);
    EXPECT_EQ(GraphZeileWaehlen(fenster, 3), 3);
    EXPECT_EQ(GraphZeileWaehlen(fenster, 4), 1);   // no value there
    EXPECT_EQ(GraphZeileWaehlen(fenster, 0), 1);   // outside the rows
    EXPECT_EQ(GraphZeileBei(170), 4);
    EXPECT_EQ(GraphZeileWaehlen(fenster, GraphZeileBei(170)), 1);

    std::vector<long double> d(12, 7.0L);
    Werte(d);
    Zeichnen(8);
    EXPECT_EQ(GraphZeileWaehlen(fenster, 1), 4);
    EXPECT_EQ(GraphZeileWaehlen(fenster, 5), 8);
    Zeichnen(12);
    EXPECT_EQ(GraphZeileWaehlen(fenster, 2), 9);
}

TEST_F(Verbrauchsgraph, FarbenAusDerTabelle)
{
    Farben = StandardFarben;
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 6;
    Tankinhalt = 45;
    Zeichnen();
    EXPECT_EQ(flaeche.Rechtecke(FarbeNr(2)).size(), 2u);    // green
    EXPECT_EQ(flaeche.Rechtecke(FarbeNr(14)).size(), 1u);   // yellow
    EXPECT_EQ(flaeche.Rechtecke(FarbeNr(4)).size(), 1u);    // red
    EXPECT_EQ(flaeche.Rechtecke(FarbeNr(6)).size(), 1u);    // maroon
    EXPECT_EQ(flaeche.Linien(FarbeNr(5)).size(), 2u);       // fuchsia fixed consumption
    EXPECT_EQ(flaeche.Linien(FarbeNr(1)).size(), 9u);       // blue mark and average
    EXPECT_EQ(flaeche.TextMit("Reichweite")->Schrift.Farbe, FarbeNr(6));

    Farben[6] = 9;
    Zeichnen();
    EXPECT_EQ(flaeche.Linien(FarbeNr(9)).size(), 2u);
    EXPECT_EQ(flaeche.TextMit("Eingestellter Festverbrauch : 6,00L/100Km ")->Schrift.Farbe, FarbeNr(9));
}

TEST_F(Verbrauchsgraph, GrafikfaktorKommtMitDemZustandZurueck)
{
    Grafikfaktor = 1.7L;
    VerbrauchsZustandZuruecksetzen();
    EXPECT_EQ(Grafikfaktor, 1.0L);
}

}   // namespace
