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

#include <algorithm>
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

using Strecke = std::vector<int>;   // X1, Y1, X2, Y2

std::vector<Strecke> Strecken(const std::vector<TAufzeichnung> &aufrufe)
{
    std::vector<Strecke> r;
    for (const auto &a : aufrufe)
        r.push_back({a.X1, a.Y1, a.X2, a.Y2});
    return r;
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

    // The row labels drawn, in row order.
    std::vector<std::string> Bezeichnungen() const
    {
        std::vector<std::string> r;
        for (const auto &t : flaeche.Alle(TAufrufArt::Text))
            if (t.Text.rfind("Wert ", 0) == 0)
                r.push_back(t.Text);
        return r;
    }

    // Where text was drawn, {X, Y}; empty when it was not.
    std::vector<int> Ort(const std::string &text) const
    {
        const TAufzeichnung *t = flaeche.TextMit(text);
        return t ? std::vector<int>{t->X, t->Y} : std::vector<int>{};
    }

    // The same text right-aligned at x, at y.
    static std::vector<int> Rechts(const std::string &text, long double x, long double y)
    {
        return {P(x) - W(text), P(y)};
    }

    TAufzeichnendeFlaeche flaeche;
    TGraphFenster fenster;
};

// The same drawing at a factor of 1 and at ones that need rounding.
class VerbrauchsgraphSkaliert : public Verbrauchsgraph, public ::testing::WithParamInterface<long double> {
protected:
    void SetUp() override
    {
        Verbrauchsgraph::SetUp();
        Grafikfaktor = GetParam();
    }
};

INSTANTIATE_TEST_SUITE_P(Faktoren, VerbrauchsgraphSkaliert, ::testing::Values(1.0L, 1.3L, 1.6L));

TEST_F(Verbrauchsgraph, EinWertAufWeissOhneDurchschnittslinie)
{
    Werte({6.5L});
    Tankinhalt = 50;
    flaeche.SchriftSetzen({"Arial", 8, false, false, false, Rot});
    Zeichnen();
    // One value: no average line nor range for it.
    EXPECT_TRUE(flaeche.Linien(Blau).empty());
    EXPECT_EQ(flaeche.TexteMitAnfang("Durchschnittlicher") + flaeche.TexteMitAnfang("=> Reichweite"), 0u);
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 1"}));
    const TAufzeichnung &erster = flaeche.Aufrufe.front();
    EXPECT_EQ(erster.Art, TAufrufArt::Flaeche);
    EXPECT_EQ(Strecken({erster}), std::vector<Strecke>({{0, 0, 561, 305}}));
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
    // Every 15 units a line: solid with its label every 60, dashed and
    // dotted between.
    std::vector<Strecke> durchgehend, gestrichelt, gepunktet;
    for (int x = 90; x <= 450; x += 15)
        (x % 60 == 30 ? durchgehend : x % 30 == 0 ? gestrichelt : gepunktet).push_back({P(x), P(23), P(x), P(175)});
    auto gezogen = Strecken(flaeche.Linien(Schwarz, TStiftArt::Durchgehend));
    ASSERT_GE(gezogen.size(), 7u);
    gezogen.resize(7);   // the bars' strokes follow
    EXPECT_EQ(gezogen, durchgehend);
    EXPECT_EQ(Strecken(flaeche.Linien(Schwarz, TStiftArt::Gestrichelt)), gestrichelt);
    EXPECT_EQ(Strecken(flaeche.Linien(Schwarz, TStiftArt::Gepunktet)), gepunktet);
    int x = 90;
    for (const std::string b : {"5,80l", "6,20l", "6,60l", "7,00l", "7,40l", "7,80l", "8,20l"}) {
        EXPECT_EQ(Ort(b), (std::vector<int>{P(x) - W(b) / 2, P(6)})) << b;
        x += 60;
    }
}

TEST_F(Verbrauchsgraph, GleicheWerteGebenDasGitterUmSieHerum)
{
    Werte({7.0L, 7.0L, 7.0L});
    ASSERT_EQ(SkalaSchritt, 1);
    ASSERT_EQ(SkalaUnten, 640);
    Zeichnen();
    EXPECT_EQ(flaeche.Texte()[0] + flaeche.Texte()[6], "6,40l7,60l");
    EXPECT_EQ(flaeche.TexteMitAnfang("6,20l") + flaeche.TexteMitAnfang("7,80l"), 0u);
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
    EXPECT_EQ(flaeche.TexteMitAnfang("Verbrauch") + flaeche.TexteMitAnfang("Reichweite"), 0u);
    EXPECT_EQ(flaeche.TexteMitAnfang("=> Reichweite"), 0u);
    for (const auto &t : flaeche.Texte())
        EXPECT_EQ(t.find(" Km"), std::string::npos) << t;
    // The average sits on the label line of its row.
    EXPECT_EQ(Ort("6,200000L/100Km"), Rechts("6,200000L/100Km", 553, 49));

    Tankinhalt = 62;
    Zeichnen();
    EXPECT_EQ(Ort("Verbrauch"), Rechts("Verbrauch", 553, 6));
    EXPECT_EQ(flaeche.TextMit("Verbrauch")->Schrift.Farbe, Schwarz);
    EXPECT_EQ(Ort("Reichweite"), Rechts("Reichweite", 553, 19.2L));
    EXPECT_EQ(flaeche.TextMit("Reichweite")->Schrift.Farbe, Oliv);
    // Row 2: the average moves up, the range (62 / 7,45 x 100) goes below it.
    EXPECT_EQ(Ort("7,450000L/100Km"), Rechts("7,450000L/100Km", 553, 91 - 6.6L));
    EXPECT_EQ(flaeche.TextMit("7,450000L/100Km")->Schrift.Farbe, Schwarz);
    EXPECT_EQ(Ort("832,21 Km"), Rechts("832,21 Km", 553, 91 + 6.6L));
    EXPECT_EQ(flaeche.TextMit("832,21 Km")->Schrift.Farbe, Oliv);
    EXPECT_EQ(flaeche.TextMit("832,21 Km")->Pinsel.Farbe, Weiss);
}

TEST_P(VerbrauchsgraphSkaliert, ZeilenMitKilometerleiste)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen();
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 3u);
    // KM and the readings: the start at the top, each row's end below it.
    std::vector<std::vector<int>> km;
    for (const auto &t : flaeche.Alle(TAufrufArt::Text))
        if (t.Text == "KM")
            km.push_back({t.X, t.Y});
    EXPECT_EQ(km, std::vector<std::vector<int>>({{P(6), P(27)}, {P(6), P(69)}, {P(6), P(111)}, {P(6), P(153)}}));
    for (const auto &[text, y] : std::vector<std::pair<std::string, int>>{
             {" 10.000", 27}, {" 10.500", 69}, {" 11.000", 111}, {" 11.500", 153}})
        EXPECT_EQ(Ort(text), Rechts(text, 85, y)) << text;
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 1", "Wert 2", "Wert 3"}));
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(Ort("Wert " + std::to_string(k)), (std::vector<int>{P(6), P(49 + 42 * (k - 1))}));
}

TEST_F(Verbrauchsgraph, UmgekehrtTauschenVonUndBisKM)
{
    Werte({6.2L, 7.45L, 6.8L});
    SortiereVerbrauchswerte(1, true);
    UmgekehrtSortiert = true;
    Zeichnen();
    for (const auto &[text, y] : std::vector<std::pair<std::string, int>>{
             {" 11.500", 27}, {" 11.000", 69}, {" 10.500", 111}, {" 10.000", 153}})
        EXPECT_EQ(Ort(text), Rechts(text, 85, y)) << text;
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 3", "Wert 2", "Wert 1"}));
}

// Averages 9,00 and 5,00: SkalaSchritt 4, SkalaUnten 460, so a value v lies
// 3 x (v x 25 - 115) right of the axis start; 9,00 at 330, 5,00 at 30. The
// bands above the reference: green up to it, then yellow for 20 axis units,
// red for 20 more, maroon for the rest.
TEST_F(Verbrauchsgraph, BalkenInVierFarbenUmDenBezug)
{
    Werte({9.0L, 5.0L});
    ASSERT_EQ(SkalaSchritt, 4);
    ASSERT_EQ(SkalaUnten, 460);
    struct Fall {
        const char *wie;
        bool an;
        long double fest;
        std::vector<Strecke> gruen, gelb, rot, kastanie;
    };
    const std::vector<Fall> faelle = {
        {"weit ueber dem Bezug (105)", true, 6, {{90, 41, 195, 69}, {90, 83, 120, 111}}, {{195, 41, 255, 69}},
         {{255, 41, 315, 69}}, {{315, 41, 420, 69}}},
        {"unter dem Bezug (330)", true, 9, {{90, 41, 420, 69}, {90, 83, 120, 111}}, {}, {}, {}},
        // The total average 7,00 at 180 is the reference, not the fixed value.
        {"ohne Festverbrauch", false, 5, {{90, 41, 270, 69}, {90, 83, 120, 111}}, {{270, 41, 330, 69}},
         {{330, 41, 390, 69}}, {{390, 41, 420, 69}}},
        // -45: the bands count from the axis start.
        {"links von der Achse", true, 4, {{90, 41, 90, 69}, {90, 83, 90, 111}},
         {{90, 41, 105, 69}, {90, 83, 105, 111}}, {{105, 41, 165, 69}, {105, 83, 120, 111}}, {{165, 41, 420, 69}}},
    };
    for (const Fall &f : faelle) {
        SCOPED_TRACE(f.wie);
        FestverbrauchAn = f.an;
        Festverbrauch = f.fest;
        Zeichnen();
        const std::pair<uint32_t, const std::vector<Strecke> *> farben[] = {
            {Gruen, &f.gruen}, {Gelb, &f.gelb}, {Rot, &f.rot}, {Kastanie, &f.kastanie}};
        for (const auto &[farbe, erwartet] : farben) {
            EXPECT_EQ(Strecken(flaeche.Rechtecke(farbe)), *erwartet) << std::hex << farbe;
            for (const auto &b : flaeche.Rechtecke(farbe))
                EXPECT_EQ(b.Stift.Farbe, farbe);
        }
    }
    // Each bar starts at a black stroke on the axis; the brush is white again.
    const auto striche = Strecken(flaeche.Linien(Schwarz));
    EXPECT_EQ(std::count(striche.begin(), striche.end(), Strecke{90, 39, 90, 71})
                  + std::count(striche.begin(), striche.end(), Strecke{90, 81, 90, 113}),
              2);
    for (const auto &t : flaeche.Alle(TAufrufArt::Text))
        EXPECT_EQ(t.Pinsel.Farbe, Weiss) << t.Text;
}

TEST_P(VerbrauchsgraphSkaliert, FestverbrauchInnerhalbDerAchse)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    Festverbrauch = 6;   // 105
    Zeichnen();
    EXPECT_EQ(Strecken(flaeche.Rechtecke(Gelb)), std::vector<Strecke>({{P(195), P(41), P(255), P(69)}}));
    EXPECT_EQ(Strecken(flaeche.Linien(Pink)),
              std::vector<Strecke>({{P(195), P(32), P(195), P(286)}, {P(195), P(286), P(95), P(286)}}));
    const std::string fest = "Eingestellter Festverbrauch : 6,00L/100Km ";
    EXPECT_EQ(Ort(fest), (std::vector<int>{P(85), P(279)}));
    EXPECT_EQ(flaeche.TextMit(fest)->Schrift.Farbe, Pink);
    EXPECT_EQ(flaeche.TexteMitAnfang("=> Reichweite"), 0u);   // no tank capacity

    Tankinhalt = 45;
    Zeichnen();
    EXPECT_EQ(Ort("=> Reichweite : 750,00 Km"), Rechts("=> Reichweite : 750,00 Km", 553, 279));
    EXPECT_EQ(flaeche.TextMit("=> Reichweite : 750,00 Km")->Schrift.Farbe, Oliv);
}

// Right of the axis the line becomes an arrow at its end; left of it there
// is no line; the text stays, until the fixed consumption is off.
TEST_F(Verbrauchsgraph, FestverbrauchAusserhalbDerAchse)
{
    Werte({9.0L, 5.0L});
    FestverbrauchAn = true;
    struct Fall {
        long double fest;
        const char *text;
        std::vector<Strecke> linien;
    };
    for (const Fall &f : std::vector<Fall>{
             {9.25L, "9,25", {{438, 32, 438, 286}, {438, 286, 95, 286}}},   // 3 x (231 - 115) = 348
             {9.40L, "9,40", {{450, 32, 450, 286}, {450, 286, 95, 286}}},   // 360: the axis' right end
             {10.5L, "10,50", {{95, 286, 360, 286}, {360, 286, 355, 291}, {360, 286, 355, 281}}},
             {4.6L, "4,60", {}},   // 3 x (115 - 115) = 0
         }) {
        Festverbrauch = f.fest;
        Zeichnen();
        EXPECT_EQ(Strecken(flaeche.Linien(Pink)), f.linien) << f.text;
        EXPECT_NE(flaeche.TextMit("Eingestellter Festverbrauch : " + std::string(f.text) + "L/100Km "), nullptr);
    }
    FestverbrauchAn = false;
    Zeichnen();
    EXPECT_EQ(flaeche.TexteMitAnfang("Eingestellter"), 0u);
}

TEST_P(VerbrauchsgraphSkaliert, GesamtdurchschnittAlsLinie)
{
    Werte({9.0L, 5.0L});   // 7,00 at 180
    Tankinhalt = 49;
    Zeichnen();
    EXPECT_EQ(Strecken(flaeche.Linien(Blau)), std::vector<Strecke>({{P(270), P(32), P(270), P(261)}}));
    const std::string text = "Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km";
    EXPECT_EQ(Ort(text), (std::vector<int>{P(85), P(265)}));
    EXPECT_EQ(flaeche.TextMit(text)->Schrift.Farbe, Blau);
    EXPECT_EQ(Ort("=> Reichweite : 700,00 Km"), Rechts("=> Reichweite : 700,00 Km", 553, 265));
    EXPECT_EQ(flaeche.TextMit("=> Reichweite : 700,00 Km")->Schrift.Farbe, Oliv);
}

TEST_P(VerbrauchsgraphSkaliert, MarkierungUmDieZeile)
{
    Werte({6.2L, 7.45L, 6.8L});
    Zeichnen(2);
    const int y1 = P(76), y2 = P(118);
    EXPECT_EQ(Strecken(flaeche.Linien(Marine)), std::vector<Strecke>({
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
    EXPECT_EQ(std::vector<int>({GrafikPixel(0.5L), GrafikPixel(2.5L), GrafikPixel(3.5L), GrafikPixel(-0.5L)}),
              std::vector<int>({0, 2, 4, 0}));
}

TEST_F(Verbrauchsgraph, FensterFolgtDerMarkierung)
{
    std::vector<long double> d;
    for (int i = 0; i < 12; ++i)
        d.push_back(6 + i * 0.1L);
    Werte(d);
    // The first visible value and the marked row after drawing with a mark.
    auto nach = [this](int markiert) {
        Zeichnen(markiert);
        return std::vector<int>{fenster.ErsterSichtbarer, fenster.MarkierteZeile};
    };

    EXPECT_EQ(nach(8), std::vector<int>({4, 5}));
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 4", "Wert 5", "Wert 6", "Wert 7", "Wert 8"}));
    ASSERT_FALSE(flaeche.Linien(Marine).empty());
    EXPECT_EQ(flaeche.Linien(Marine)[0].Y1, 34 + 42 * 4);
    EXPECT_EQ(Ort("Wert 8"), std::vector<int>({6, 49 + 42 * 4}));
    // The ruler starts at the first visible value.
    EXPECT_EQ(Ort(" 11.500"), Rechts(" 11.500", 85, 27));

    EXPECT_EQ(nach(3), std::vector<int>({3, 1}));
    EXPECT_EQ(Bezeichnungen(), std::vector<std::string>({"Wert 3", "Wert 4", "Wert 5", "Wert 6", "Wert 7"}));
    // Inside the window nothing moves; one below it moves it by one.
    EXPECT_EQ(nach(5), std::vector<int>({3, 3}));
    EXPECT_EQ(nach(8), std::vector<int>({4, 5}));

    // A window left over from a longer list comes back into it.
    fenster.ErsterSichtbarer = 40;
    EXPECT_EQ(nach(50), std::vector<int>({12, 1}));
    EXPECT_EQ(fenster.MarkierterWert, 12);
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
    // Row tops in graph units, then just outside the rows and one pixel
    // below a shared edge.
    const std::vector<std::pair<int, int>> faelle = {
        {P(34), 1}, {P(55), 1},      {P(76), 2},  {P(118), 3},    {P(160), 4}, {P(202), 5}, {P(244), 5},
        {P(34) - 1, 0}, {P(244) + 1, 0}, {P(76) - 1, 1}, {0, 0}, {P(300), 0}};
    for (const auto &[y, zeile] : faelle)
        EXPECT_EQ(GraphZeileBei(y), zeile) << y;
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

    Werte(std::vector<long double>(12, 7.0L));
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
    // Green, yellow, red and maroon bars; fuchsia fixed consumption; blue mark and average.
    EXPECT_EQ(std::vector<size_t>({flaeche.Rechtecke(FarbeNr(2)).size(), flaeche.Rechtecke(FarbeNr(14)).size(),
                                   flaeche.Rechtecke(FarbeNr(4)).size(), flaeche.Rechtecke(FarbeNr(6)).size(),
                                   flaeche.Linien(FarbeNr(5)).size(), flaeche.Linien(FarbeNr(1)).size()}),
              std::vector<size_t>({2, 1, 1, 1, 2, 9}));
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
