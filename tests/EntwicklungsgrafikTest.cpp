// The development chart drawn on a recording surface: axes, grid, bars,
// line points, labels, the callout, the average line and the frame of the
// selected slot, at Grafikfaktor 1 and at factors that need rounding; the
// scrolling, picking a slot with the mouse and the info texts.

#include "charts/Entwicklung.h"
#include "charts/Entwicklungsgrafik.h"
#include "consumption/Verbrauchsgraph.h"
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
constexpr uint32_t Gruen = 0x008000;   // Farben[4] = 2, bars
constexpr uint32_t Blau = 0x0000FF;    // Farben[5] = 1, average
constexpr uint32_t Lila = 0x800080;    // Farben[7] = 13, value labels
constexpr uint32_t Kastanie = 0x800000;   // Farben[10] = 6, line
constexpr uint32_t Oliv = 0x808000;    // Farben[11] = 11, frame
constexpr uint32_t Schwarz = 0x000000;
constexpr uint32_t Weiss = 0xFFFFFF;

constexpr int Z = TAufzeichnendeFlaeche::ZeilenHoehe;   // 13

int P(long double einheiten)
{
    return static_cast<int>(std::nearbyintl(einheiten * Grafikfaktor));
}

int W(const std::string &text)
{
    return TAufzeichnendeFlaeche::ZeichenBreite * int(TAufzeichnendeFlaeche::Zeichen(text));
}

using Zahlen = std::vector<int>;
using Linienzug = std::vector<Zahlen>;

Zahlen Ecken(const TAufzeichnung &a)
{
    return {a.X1, a.Y1, a.X2, a.Y2};
}

Linienzug AlleEcken(const std::vector<TAufzeichnung> &liste)
{
    Linienzug r;
    for (const auto &a : liste)
        r.push_back(Ecken(a));
    return r;
}

TDatum D(int tag, int monat, int jahr)
{
    return {uint8_t(tag), uint8_t(monat), uint16_t(jahr)};
}

// A litre-price series with these prices, one fill-up on the first of
// consecutive months of 2003; the scale and the average as given.
void Literpreise(const std::vector<uint16_t> &preise, int32_t schritt, int32_t unten, uint16_t durchschnitt)
{
    EntwicklungsListe.clear();
    EntwicklungsArt = 1;
    for (size_t i = 0; i < preise.size(); ++i) {
        TEntwicklungsWert w;
        w.Nr = uint32_t(i + 1);
        w.Datum = D(1, int(i % 12) + 1, 2003 + int(i / 12));
        w.Bezeichnung = DatumText(w.Datum);
        w.Literpreis = preise[i], w.Liter = 40, w.Betrag = 40 * preise[i] / 1000.0L;
        EntwicklungsListe.push_back(w);
    }
    EW_Schritt = schritt, EW_Unten = unten, DurchschnittsLiterpreis = durchschnitt;
}

// A range series with these ranges in km, each value from the 1st to the
// 15th of consecutive months of 2003.
void Reichweiten(const std::vector<long double> &km, int32_t schritt, int32_t unten, long double verbrauch)
{
    EntwicklungsListe.clear();
    EntwicklungsArt = 2;
    for (size_t i = 0; i < km.size(); ++i) {
        TEntwicklungsWert w;
        w.Nr = uint32_t(i + 1);
        w.RW_VonDatum = D(1, int(i) + 1, 2003);
        w.RW_BisDatum = D(15, int(i) + 1, 2003);
        w.RW_Bezeichnung = DatumText(w.RW_VonDatum) + " bis " + DatumText(w.RW_BisDatum);
        w.Strecke = 500, w.Reichweite = km[i], w.Durchschnitt = Tankinhalt * 100 / km[i];
        w.LiterVerbraucht = w.Durchschnitt * 5;
        EntwicklungsListe.push_back(w);
    }
    EW_Schritt = schritt, EW_Unten = unten, DurchschnittsVerbrauchRW = verbrauch;
}

class Entwicklungsgrafik : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalenZustandZuruecksetzen();
        Grafikfaktor = 1;
        Farben = {0, 0, 0, 0, 2, 1, 0, 13, 0, 0, 6, 11, 0, 0, 0, 0};
        Tankinhalt = 60;
        LP_Ansicht = 1;
        RW_Ansicht = 1;
    }

    TEntwicklungsInfo Zeichnen(uint8_t art, int32_t gewaehlt)
    {
        fenster.Diagrammart = art;
        fenster.GewaehlterWert = gewaehlt;
        flaeche.Leeren();
        return ZeichneEntwicklungsGrafik(flaeche, fenster);
    }

    Linienzug Balken() const { return AlleEcken(flaeche.Rechtecke(Gruen)); }

    // Where a text stands and its colour; empty when it is not drawn.
    Zahlen Text(const std::string &text) const
    {
        const TAufzeichnung *t = flaeche.TextMit(text);
        return t ? Zahlen{t->X, t->Y, int(t->Schrift.Farbe)} : Zahlen{};
    }

    Zahlen Fenster() const { return {fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}; }

    // The axes and the grid with its value labels, from base line g up.
    void GitterPruefen(int g, int abstand, const std::vector<std::string> &werte, uint32_t farbe)
    {
        const auto schwarz = flaeche.Linien(Schwarz);
        ASSERT_GE(schwarz.size(), werte.size() + 2);
        // Value axis one row above the top grid line down to the time axis
        // one row below the base line.
        EXPECT_EQ(Ecken(schwarz[0]), Zahlen({P(85), P(g - 200) - Z, P(85), P(g) + Z}));
        EXPECT_EQ(Ecken(schwarz[1]), Zahlen({P(85), P(g) + Z, P(495), P(g) + Z}));
        for (size_t i = 0; i < werte.size(); ++i) {
            const int y = g - abstand * int(i);
            EXPECT_EQ(Ecken(schwarz[2 + i]), Zahlen({P(80), P(y), P(495), P(y)})) << i;
            EXPECT_EQ(Text(werte[i]), Zahlen({P(80) - W(werte[i]) - 3, P(y) - 6, int(farbe)})) << i;
        }
    }

    TAufzeichnendeFlaeche flaeche;
    TEntwicklungsFenster fenster;
};

// 40 points of 1,40 EUR/l, 01.01.2003 to 01.04.2006.
void VierzigPunkte()
{
    Literpreise(std::vector<uint16_t>(40, 1400), 1, 1380, 1400);
}

class EntwicklungsgrafikSkaliert : public Entwicklungsgrafik, public ::testing::WithParamInterface<long double> {
protected:
    void SetUp() override
    {
        Entwicklungsgrafik::SetUp();
        Grafikfaktor = GetParam();
    }
};

INSTANTIATE_TEST_SUITE_P(Faktoren, EntwicklungsgrafikSkaliert, ::testing::Values(1.0L, 1.3L, 1.6L));

// ---- layout ---------------------------------------------------------------

TEST(Diagrammgeometrie, DiagrammartenUndGrundlinie)
{
    // A damaged setting (7) draws wide bars.
    for (uint8_t art : {uint8_t(BreiteBalken), uint8_t(SchmaleBalken), uint8_t(Liniendiagramm), uint8_t(7)}) {
        const TDiagrammGeometrie g = DiagrammGeometrie(art);
        EXPECT_EQ(Zahlen({g.Abstand, g.Halbbreite, g.PunkteJeBild, g.ErsterX}),
                  art == SchmaleBalken || art == Liniendiagramm ? Zahlen({11, 4, 36, 95}) : Zahlen({100, 40, 4, 140}))
            << int(art);
    }
    // The last slot ends where the time axis does.
    EXPECT_EQ(Zahlen({PlatzMitte(BreiteBalken, 4), PlatzMitte(SchmaleBalken, 36), PlatzMitte(Liniendiagramm, 2)}),
              Zahlen({440, 480, 106}));
    // One row under the time axis for the litre price, two (dates and
    // period) for the range.
    EXPECT_EQ(Zahlen({Grundlinie(1, 13), Grundlinie(2, 13), Grundlinie(1, 16), Grundlinie(2, 16)}),
              Zahlen({257, 244, 254, 238}));
}

TEST_F(Entwicklungsgrafik, FlaecheWeissUndSchriftArialAcht)
{
    Literpreise({1400, 1450}, 2, 1399, 1425);
    flaeche.SchriftSetzen({"Courier New", 12, true, false, false, Gruen});
    Zeichnen(BreiteBalken, 2);
    const TAufzeichnung &erster = flaeche.Aufrufe.front();
    EXPECT_EQ(erster.Art, TAufrufArt::Flaeche);
    EXPECT_EQ(Ecken(erster), Zahlen({0, 0, 561, 305}));
    EXPECT_EQ(erster.Pinsel.Farbe, Weiss);
    const TAufzeichnung *text = flaeche.TextMit("01.01.2003");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Schrift.Name + " " + std::to_string(text->Schrift.Groesse), "Arial 8");
    EXPECT_FALSE(text->Schrift.Fett);
    EXPECT_EQ(Zahlen({int(text->Schrift.Farbe), int(text->Pinsel.Farbe)}), Zahlen({Schwarz, Weiss}));
}

// ---- axes and grid ----------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, AchsenUndGitter)
{
    Literpreise({1399, 1459}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 2);
    GitterPruefen(257, 50, {"1.39,9 EUR/l", "1.41,9 EUR/l", "1.43,9 EUR/l", "1.45,9 EUR/l", "1.47,9 EUR/l"}, Lila);
    Reichweiten({800, 1000, 900}, 500, 77500, 6.4L);
    Zeichnen(BreiteBalken, 3);
    GitterPruefen(244, 40, {"775,00 Km", "825,00 Km", "875,00 Km", "925,00 Km", "975,00 Km", "1.025,00 Km"},
                  Schwarz);
}

TEST_F(Entwicklungsgrafik, LeereReiheZeichnetNurAchsenUndGitter)
{
    Literpreise({}, 1, 1380, 0);
    const TEntwicklungsInfo info = Zeichnen(BreiteBalken, 1);
    EXPECT_EQ(flaeche.Alle(TAufrufArt::Linie).size(), 7u);
    EXPECT_TRUE(flaeche.Alle(TAufrufArt::Rechteck).empty());
    EXPECT_EQ(flaeche.Texte().size(), 5u);
    EXPECT_EQ(info.Wert, "");
}

// ---- bars ---------------------------------------------------------------------

// Prices 1399..1459: step 2, axis start 1399; a price p stands
// 5 x (p div 2 - 699) above the base line 257.
TEST_P(EntwicklungsgrafikSkaliert, BreiteBalkenDesLiterpreisesUndSchmaleDerReichweite)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 3);
    const int achse = P(257) + Z;
    // Heights 0, 5 x (729 - 699) and 5 x (715 - 699).
    EXPECT_EQ(Balken(), Linienzug({{P(100), achse, P(180), P(257)}, {P(200), achse, P(280), P(257 - 150)},
                                   {P(300), achse, P(380), P(257 - 80)}}));
    for (const auto &b : flaeche.Rechtecke(Gruen))
        EXPECT_EQ(b.Stift.Farbe, Gruen);
    // Pen black and brush white again after each bar.
    for (const auto &t : flaeche.Alle(TAufrufArt::Text))
        EXPECT_EQ(t.Pinsel.Farbe, Weiss) << t.Text;
    EXPECT_EQ(flaeche.Stift().Farbe, Schwarz);

    // Ranges 800, 1000 and 900 km: step 500, axis start 77500 hundredths; a
    // range r stands 4 x (r x 100 div 500 - 155) above the base line 244.
    Reichweiten({800, 1000, 900}, 500, 77500, 6.4L);
    Zeichnen(SchmaleBalken, 3);
    const int achseKm = P(244) + Z;
    EXPECT_EQ(Balken(), Linienzug({{P(91), achseKm, P(99), P(244 - 20)}, {P(102), achseKm, P(110), P(244 - 180)},
                                   {P(113), achseKm, P(121), P(244 - 100)}}));
}

TEST_F(Entwicklungsgrafik, GleichePreiseStehenHundertEinheitenHochUndSchrittNullZaehltAlsEins)
{
    // All prices 1400: step 1, axis start 1380.
    Literpreise({1400, 1400}, 1, 1380, 1400);
    Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(Balken(), Linienzug({{91, 270, 99, 157}, {102, 270, 110, 157}}));
    Literpreise({1400, 1410}, 0, 1380, 1405);
    Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(Balken(), Linienzug({{91, 270, 99, 157}, {102, 270, 110, 107}}));
}

TEST_F(Entwicklungsgrafik, ReichweiteUndIhrDurchschnittWerdenVorDemTeilenGerundet)
{
    // In hundredths of a km, halves to even: 80012,5 gives 80012, 80037,5
    // gives 80038 and 80062,5 gives 80062; one step per hundredth.
    Reichweiten({800.125L, 800.375L, 800.625L}, 1, 80000, 7);
    Zeichnen(SchmaleBalken, 3);
    Zahlen oben;
    for (const auto &b : Balken())
        oben.push_back(b[3]);
    EXPECT_EQ(oben, Zahlen({244 - 4 * 12, 244 - 4 * 38, 244 - 4 * 62}));
    // 60 x 10000 / 6,4 = 93750 hundredths, one step per hundredth: 50 steps
    // above the axis start, 200 units; the rounded km (938) would give 400.
    Reichweiten({937, 938}, 1, 93700, 6.4L);
    Zeichnen(SchmaleBalken, 2);
    const auto blau = flaeche.Linien(Blau);
    ASSERT_EQ(blau.size(), 1u);
    EXPECT_EQ(blau[0].Y1, 244 - 200);
}

// ---- line chart ---------------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, LinienpunkteMitKreuzenOhneBalken)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(Liniendiagramm, 3);
    EXPECT_TRUE(flaeche.Alle(TAufrufArt::Rechteck).empty());
    const int x1 = P(95), y1 = P(257), x2 = P(106), y2 = P(107), x3 = P(117), y3 = P(177);
    EXPECT_EQ(AlleEcken(flaeche.Linien(Kastanie)), Linienzug({{x1, y1, x2, y2}, {x2, y2, x3, y3}}));
    // Every point gets its cross, drawn in black right after the joining line.
    Linienzug kreuze;
    for (size_t i = 0; i + 1 < flaeche.Aufrufe.size(); ++i) {
        const TAufzeichnung &a = flaeche.Aufrufe[i];
        if (a.Art == TAufrufArt::Linie && a.Stift.Farbe == Schwarz && a.X2 - a.X1 == 5 &&
            std::abs(a.Y2 - a.Y1) == 5)
            kreuze.push_back(Ecken(a));
    }
    Linienzug erwartet;
    for (const auto &[x, y] : {std::pair{x1, y1}, {x2, y2}, {x3, y3}})
        erwartet.insert(erwartet.end(), {{x - 2, y - 2, x + 3, y + 3}, {x - 2, y + 2, x + 3, y - 3}});
    EXPECT_EQ(kreuze, erwartet);
}

TEST_F(Entwicklungsgrafik, LinieUndHinweisBeginnenBeimErstenSichtbarenPunkt)
{
    // 40 points, the newest selected: slot 1 shows point 5; the line starts
    // there and is not joined to anything left of the chart, and the
    // callout names that point.
    std::vector<uint16_t> preise;
    for (int i = 0; i < 40; ++i)
        preise.push_back(uint16_t(1400 + i));
    Literpreise(preise, 1, 1380, 1420);
    for (int mal = 1; mal <= 2; ++mal) {   // drawn again, the previous point starts afresh
        Zeichnen(Liniendiagramm, 40);
        EXPECT_EQ(fenster.ErsterSichtbarer, 5);
        const auto linie = flaeche.Linien(Kastanie);
        ASSERT_EQ(linie.size(), 35u);
        EXPECT_EQ(Ecken(linie[0]), Zahlen({95, 257 - 5 * 24, 106, 257 - 5 * 25}));
    }
    EXPECT_NE(flaeche.TextMit("01.05.2003"), nullptr);
    EXPECT_EQ(flaeche.TextMit("01.01.2003"), nullptr);
}

// ---- point labels of the wide bars --------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, PunktbeschriftungDerBreitenBalkenOhneHinweis)
{
    Literpreise({1450, 1399, 1440}, 2, 1399, 1429);
    EntwicklungsListe[2].Bezeichnung = "März 2003";
    Zeichnen(BreiteBalken, 3);
    EXPECT_EQ(Text("1.44,0 EUR/l"), Zahlen({P(340) - W("1.44,0 EUR/l") / 2, P(10), Lila}));
    EXPECT_EQ(Text("März 2003"), Zahlen({P(340) - 27, P(275), Schwarz}));
    // No callout: the first point's price and date are there once, as its own labels.
    for (const auto &l : flaeche.Linien(Schwarz))
        EXPECT_NE(l.Y2, P(275) + Z / 2) << l.X1;
    EXPECT_EQ(flaeche.TexteMitAnfang("1.45,0 EUR/l"), 1u);
    EXPECT_EQ(flaeche.TexteMitAnfang("01.01.2003"), 1u);

    // The range's dates stand on the slot edges.
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    EntwicklungsListe[0].RW_Bezeichnung = "Januar 2003";
    Zeichnen(BreiteBalken, 2);
    const int links = P(140 + 50) - W("15.01.2003") / 2;
    EXPECT_EQ(Text("15.01.2003"), Zahlen({links, P(275) - Z, Schwarz}));
    EXPECT_EQ(Text("01.01.2003"), Zahlen({links - P(100), P(275) - Z, Schwarz}));
    EXPECT_EQ(Text("1.000,00 Km"), Zahlen({P(240) - W("1.000,00 Km") / 2, P(10), Schwarz}));
    // Single values: the dates say it all, no period label.
    EXPECT_EQ(Text("Januar 2003"), Zahlen());
    // Merged values carry their period under the dates.
    RW_Ansicht = 2;
    Zeichnen(BreiteBalken, 2);
    EXPECT_EQ(Text("Januar 2003"), Zahlen({P(140) - 33, P(275), Schwarz}));
}

// ---- callout of the first point -------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, HinweisAmErstenPunktDerSchmalenBalkenUndDerLinie)
{
    Literpreise({1450, 1399, 1430}, 2, 1399, 1429);   // first point 5 x (725 - 699) = 130 high
    Zeichnen(SchmaleBalken, 2);
    const int unten = P(275) + Z / 2, oben = P(10) + Z / 2;
    Linienzug linien;
    for (const auto &l : flaeche.Linien(Schwarz))
        if (l.X1 == P(95) || l.Y1 == unten || l.Y1 == oben)
            linien.push_back(Ecken(l));
    // From the time axis down, and from the top of the bar up.
    EXPECT_EQ(linien, Linienzug({{P(95), P(257) + Z, P(95), unten}, {P(95), unten, P(105), unten},
                                 {P(95), P(127), P(95), oben}, {P(95), oben, P(105), oben}}));
    EXPECT_EQ(Text("01.01.2003"), Zahlen({P(107), P(275), Schwarz}));
    EXPECT_EQ(Text("1.45,0 EUR/l"), Zahlen({P(107), P(10), Lila}));
    // Only the callout names a point; the others stay unlabelled.
    EXPECT_EQ(Text("1.43,0 EUR/l"), Zahlen());
    EXPECT_EQ(Text("01.02.2003"), Zahlen());

    // The line chart's callout starts at the point, 100 units high.
    Reichweiten({900, 800, 1000}, 500, 77500, 6.4L);
    Zeichnen(Liniendiagramm, 3);
    linien.clear();
    for (const auto &l : flaeche.Linien(Schwarz))
        if (l.X1 == P(95) && (l.Y2 == unten || l.Y2 == oben || l.X2 == P(105)))
            linien.push_back(Ecken(l));
    EXPECT_EQ(linien, Linienzug({{P(95), P(144), P(95), unten}, {P(95), unten, P(105), unten},
                                 {P(95), P(144), P(95), oben}, {P(95), oben, P(105), oben}}));
    EXPECT_EQ(Text("01.01.2003 bis 15.01.2003"), Zahlen({P(107), P(275), Schwarz}));
    EXPECT_EQ(Text("Reichweite : 900,00 Km"), Zahlen({P(107), P(10), Schwarz}));
}

// ---- average line ---------------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, Durchschnittslinie)
{
    Literpreise({1399, 1459}, 2, 1399, 1429);   // 5 x (714 - 699) = 75
    Zeichnen(BreiteBalken, 2);
    EXPECT_EQ(AlleEcken(flaeche.Linien(Blau)), Linienzug({{P(85), P(182), P(500), P(182)}}));
    EXPECT_EQ(Text("Durchschnitt:"), Zahlen({P(502), P(182 - Z), Blau}));
    EXPECT_EQ(Text("1.42,9 EUR/l"), Zahlen({P(502), P(182), Lila}));
    EXPECT_EQ(flaeche.Schrift().Farbe, Schwarz);

    // 60 l at 6,4 L/100Km: 937,50 km, 93750 div 500 = 187, 4 x 32 = 128.
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    Zeichnen(Liniendiagramm, 2);
    EXPECT_EQ(AlleEcken(flaeche.Linien(Blau)), Linienzug({{P(85), P(116), P(500), P(116)}}));
    EXPECT_EQ(Text("Durchschnitt:"), Zahlen({P(502), P(116 - Z), Blau}));
    EXPECT_EQ(Text("937,50 Km"), Zahlen({P(502), P(116), Blau}));
}

TEST_F(Entwicklungsgrafik, EinPunktOhneDurchschnittUndHinweis)
{
    for (uint8_t art : {uint8_t(BreiteBalken), uint8_t(SchmaleBalken), uint8_t(Liniendiagramm)}) {
        SCOPED_TRACE(int(art));
        Literpreise({1400}, 1, 1380, 1400);
        const TEntwicklungsInfo info = Zeichnen(art, 1);
        EXPECT_TRUE(flaeche.Linien(Blau).empty());
        EXPECT_EQ(flaeche.TextMit("Durchschnitt:"), nullptr);
        EXPECT_EQ(flaeche.TexteMitAnfang("01.01.2003"), art == BreiteBalken ? 1u : 0u);
        EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), art == Liniendiagramm ? 0u : 1u);
        EXPECT_EQ(info.ZumDurchschnitt + info.ZumVorgaenger, "");
        EXPECT_EQ(info.Wert, "Literpreis : 1.40,0 EUR/l");
    }
}

// ---- selected slot and scrolling ------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, RahmenUmDenGewaehltenPlatz)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 2);
    ASSERT_EQ(fenster.GewaehlterPlatz, 2);
    const int rechts = P(290), links = rechts - P(100), oben = P(8), unten = P(275 + Z + 2);
    EXPECT_EQ(AlleEcken(flaeche.Linien(Oliv)), Linienzug({{links, oben, rechts, oben}, {rechts, oben, rechts, unten},
                                                          {rechts, unten, links, unten}, {links, unten, links, oben}}));
    for (const auto &l : flaeche.Linien(Oliv))
        EXPECT_EQ(l.Stift.Art, TStiftArt::Durchgehend);

    // Narrow slots: right edge 5 units right of the centre (11 div 2).
    Zeichnen(SchmaleBalken, 3);
    const auto rahmen = flaeche.Linien(Oliv);
    ASSERT_EQ(rahmen.size(), 4u);
    EXPECT_EQ(Zahlen({rahmen[0].X1, rahmen[0].X2}), Zahlen({P(122) - P(11), P(117 + 5)}));
}

TEST_F(Entwicklungsgrafik, OeffnenDiagrammartWechselnUndBlaettern)
{
    VierzigPunkte();
    fenster = EntwicklungsFensterOeffnen(BreiteBalken);
    EXPECT_EQ(Zahlen({fenster.GewaehlterWert, fenster.ErsterSichtbarer}), Zahlen({40, 1}));
    Zeichnen(fenster.Diagrammart, fenster.GewaehlterWert);
    EXPECT_EQ(Fenster(), Zahlen({37, 4}));
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 4u);
    EXPECT_NE(flaeche.TextMit("01.04.2006"), nullptr);   // point 40
    EXPECT_EQ(flaeche.TextMit("01.12.2005"), nullptr);   // point 36

    // Another chart type keeps the selection, from the first point on.
    fenster.ErsterSichtbarer = 7;
    fenster.GewaehlterWert = 10;
    DiagrammartWechseln(fenster, SchmaleBalken);
    Zeichnen(fenster.Diagrammart, fenster.GewaehlterWert);
    EXPECT_EQ(Fenster(), Zahlen({1, 10}));
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 36u);
    DiagrammartWechseln(fenster, BreiteBalken);
    Zeichnen(fenster.Diagrammart, fenster.GewaehlterWert);
    EXPECT_EQ(Fenster(), Zahlen({7, 4}));
    EXPECT_NE(flaeche.TextMit("01.07.2003"), nullptr);
    EXPECT_EQ(flaeche.TextMit("01.11.2003"), nullptr);

    // Scrolling: below the first visible point it becomes the first slot;
    // inside the window nothing moves; past the last slot the window moves
    // just enough.
    fenster.ErsterSichtbarer = 37;
    const std::vector<std::pair<int, Zahlen>> schritte = {{10, {10, 1}}, {13, {10, 4}}, {14, {11, 4}}, {30, {27, 4}}};
    for (const auto &[wert, erwartet] : schritte) {
        fenster.GewaehlterWert = wert;
        EntwicklungsFensterNachfuehren(fenster);
        EXPECT_EQ(Fenster(), erwartet) << wert;
    }
}

// ---- picking with the mouse --------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, PlatzUnterDerMaus)
{
    // Wide slots from 90 to 190, 190 to 290 ... at a shared edge the right
    // one wins; narrow slot 2 begins 11 units left of its right edge 111.
    const std::vector<std::pair<uint8_t, Zahlen>> faelle = {
        {BreiteBalken, {P(190) - P(100) - 1, 0, P(190) - P(100), 1, P(140), 1, P(190), 2, P(490), 4, P(490) + 1, 0}},
        {SchmaleBalken, {P(111) - P(11) - 1, 1, P(111) - P(11), 2, P(100) - P(11) - 1, 0, P(100) - P(11), 1}},
        {Liniendiagramm, {P(485), 36, P(485) + 1, 0}},
    };
    for (const auto &[art, paare] : faelle)
        for (size_t i = 0; i < paare.size(); i += 2)
            EXPECT_EQ(EntwicklungsPlatzBei(art, paare[i]), paare[i + 1]) << int(art) << " x " << paare[i];
}

TEST_F(Entwicklungsgrafik, KlickAufEinenPlatzWaehltSeinenPunkt)
{
    VierzigPunkte();
    Zeichnen(BreiteBalken, 30);   // points 27..30, 30 in slot 4
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 1), 27);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 3), 29);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 4), 30);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 0), 30);   // beside the slots
    // A slot without a point changes nothing.
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    fenster = {};
    Zeichnen(BreiteBalken, 2);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 440)), 2);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 340)), 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 140)), 1);
    Zeichnen(SchmaleBalken, 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 4), 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 36), 3);
}

// ---- info texts ------------------------------------------------------------------

TEST_F(Entwicklungsgrafik, InfoZeitraumNachZusammenfassungUndZaehler)
{
    // Drawing gives the selected point's info.
    Literpreise({1400, 1450, 1430}, 1, 1380, 1425);
    const TEntwicklungsInfo info = Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(info.Wert + " | " + info.Zeitraum, "Literpreis : 1.45,0 EUR/l | Datum : 01.02.2003");
    const std::vector<std::string> erwartet = {"Datum : 01.02.2003", "Monat : 01.02.2003", "Quartal : 01.02.2003",
                                               "Jahr : 01.02.2003"};
    for (uint8_t ansicht = 1; ansicht <= 4; ++ansicht) {
        LP_Ansicht = ansicht;
        EXPECT_EQ(EntwicklungsInfo(2).Zeitraum, erwartet[ansicht - 1u]);
    }
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    RW_Ansicht = 3;
    LP_Ansicht = 1;
    EXPECT_EQ(EntwicklungsInfo(1).Zeitraum, "Quartal : 01.01.2003 bis 15.01.2003");
    EXPECT_EQ(EntwicklungsInfo(2).Wert, "Reichweite : 1.000,00 Km");
    // The counter with thousands dots.
    Literpreise(std::vector<uint16_t>(1200, 1400), 1, 1380, 1400);
    EXPECT_EQ(EntwicklungsZaehler(3) + " | " + EntwicklungsZaehler(1200), "3 / 1.200 | 1.200 / 1.200");
}

// Both change lines of a point's info.
std::string Veraenderungen(int32_t nr)
{
    const TEntwicklungsInfo info = EntwicklungsInfo(nr);
    return info.ZumDurchschnitt + " | " + info.ZumVorgaenger;
}

TEST_F(Entwicklungsgrafik, InfoVeraenderungenMitVorzeichen)
{
    Literpreise({1400, 1450}, 1, 1380, 1425);
    EXPECT_EQ(Veraenderungen(2), "Veränderung zum Durchschnitt: +1,75% | Veränderung zum Vorgänger: +3,57%");
    EXPECT_EQ(Veraenderungen(1), "Veränderung zum Durchschnitt: -1,75% | ");   // no predecessor: hidden
    Reichweiten({800, 1000}, 500, 77500, 6.4L);   // average 937,50 km
    EXPECT_EQ(Veraenderungen(2), "Veränderung zum Durchschnitt: +6,67% | Veränderung zum Vorgänger: +25,00%");
    // A change of exactly zero is shown, without a sign.
    Literpreise({1400, 1400}, 1, 1380, 1400);
    EXPECT_EQ(Veraenderungen(2), "Veränderung zum Durchschnitt: 0,00% | Veränderung zum Vorgänger: 0,00%");
}

}   // namespace
