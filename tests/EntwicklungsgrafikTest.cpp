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

std::vector<int> Ecken(const TAufzeichnung &a)
{
    return {a.X1, a.Y1, a.X2, a.Y2};
}

std::vector<std::vector<int>> AlleEcken(const std::vector<TAufzeichnung> &liste)
{
    std::vector<std::vector<int>> r;
    for (const auto &a : liste)
        r.push_back(Ecken(a));
    return r;
}

TDatum D(int tag, int monat, int jahr)
{
    TDatum d;
    d.Tag = uint8_t(tag);
    d.Monat = uint8_t(monat);
    d.Jahr = uint16_t(jahr);
    return d;
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
        w.Literpreis = preise[i];
        w.Liter = 40;
        w.Betrag = 40 * preise[i] / 1000.0L;
        EntwicklungsListe.push_back(w);
    }
    EW_Schritt = schritt;
    EW_Unten = unten;
    DurchschnittsLiterpreis = durchschnitt;
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
        w.Strecke = 500;
        w.Reichweite = km[i];
        w.Durchschnitt = Tankinhalt * 100 / km[i];
        w.LiterVerbraucht = w.Durchschnitt * 5;
        EntwicklungsListe.push_back(w);
    }
    EW_Schritt = schritt;
    EW_Unten = unten;
    DurchschnittsVerbrauchRW = verbrauch;
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

    std::vector<std::vector<int>> Balken() const { return AlleEcken(flaeche.Rechtecke(Gruen)); }

    TAufzeichnendeFlaeche flaeche;
    TEntwicklungsFenster fenster;
};

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

TEST(Diagrammgeometrie, DreiDiagrammarten)
{
    const TDiagrammGeometrie breit = DiagrammGeometrie(BreiteBalken);
    EXPECT_EQ(std::vector<int>({breit.Abstand, breit.Halbbreite, breit.PunkteJeBild, breit.ErsterX}),
              std::vector<int>({100, 40, 4, 140}));
    for (uint8_t art : {uint8_t(SchmaleBalken), uint8_t(Liniendiagramm)}) {
        const TDiagrammGeometrie g = DiagrammGeometrie(art);
        EXPECT_EQ(std::vector<int>({g.Abstand, g.Halbbreite, g.PunkteJeBild, g.ErsterX}),
                  std::vector<int>({11, 4, 36, 95}));
    }
    // The last slot ends where the time axis does.
    EXPECT_EQ(PlatzMitte(BreiteBalken, 4), 440);
    EXPECT_EQ(PlatzMitte(SchmaleBalken, 36), 480);
    EXPECT_EQ(PlatzMitte(Liniendiagramm, 2), 106);
    // A damaged setting draws wide bars.
    EXPECT_EQ(DiagrammGeometrie(7).PunkteJeBild, 4);
}

TEST(Diagrammgeometrie, GrundlinieLaesstZeilenFuerDieTexte)
{
    EXPECT_EQ(Grundlinie(1, 13), 257);   // one row under the time axis
    EXPECT_EQ(Grundlinie(2, 13), 244);   // two rows: dates and period
    EXPECT_EQ(Grundlinie(1, 16), 254);
    EXPECT_EQ(Grundlinie(2, 16), 238);
}

TEST_F(Entwicklungsgrafik, FlaecheWeissUndSchriftArialAcht)
{
    Literpreise({1400, 1450}, 2, 1399, 1425);
    flaeche.SchriftSetzen({"Courier New", 12, true, false, false, Gruen});
    Zeichnen(BreiteBalken, 2);
    const TAufzeichnung &erster = flaeche.Aufrufe.front();
    EXPECT_EQ(erster.Art, TAufrufArt::Flaeche);
    EXPECT_EQ(Ecken(erster), std::vector<int>({0, 0, 561, 305}));
    EXPECT_EQ(erster.Pinsel.Farbe, Weiss);
    const TAufzeichnung *text = flaeche.TextMit("01.01.2003");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Schrift.Name, "Arial");
    EXPECT_EQ(text->Schrift.Groesse, 8);
    EXPECT_FALSE(text->Schrift.Fett);
    EXPECT_EQ(text->Schrift.Farbe, Schwarz);
    EXPECT_EQ(text->Pinsel.Farbe, Weiss);
}

// ---- axes and grid ----------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, AchsenUndGitterDesLiterpreises)
{
    Literpreise({1399, 1459}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 2);
    const auto schwarz = flaeche.Linien(Schwarz);
    ASSERT_GE(schwarz.size(), 7u);
    // Value axis one row above the top grid line down to the time axis one
    // row below the base line 257.
    EXPECT_EQ(Ecken(schwarz[0]), std::vector<int>({P(85), P(57) - Z, P(85), P(257) + Z}));
    EXPECT_EQ(Ecken(schwarz[1]), std::vector<int>({P(85), P(257) + Z, P(495), P(257) + Z}));
    const std::vector<std::string> preise = {"1.39,9 EUR/l", "1.41,9 EUR/l", "1.43,9 EUR/l", "1.45,9 EUR/l",
                                             "1.47,9 EUR/l"};
    for (int i = 0; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const int y = 257 - 50 * i;
        EXPECT_EQ(Ecken(schwarz[size_t(2 + i)]), std::vector<int>({P(80), P(y), P(495), P(y)}));
        const TAufzeichnung *t = flaeche.TextMit(preise[size_t(i)]);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->X, P(80) - W(preise[size_t(i)]) - 3);
        EXPECT_EQ(t->Y, P(y) - 6);
        EXPECT_EQ(t->Schrift.Farbe, Lila);
    }
}

TEST_P(EntwicklungsgrafikSkaliert, AchsenUndGitterDerReichweite)
{
    Tankinhalt = 60;
    Reichweiten({800, 1000, 900}, 500, 77500, 6.4L);
    Zeichnen(BreiteBalken, 3);
    const auto schwarz = flaeche.Linien(Schwarz);
    ASSERT_GE(schwarz.size(), 8u);
    EXPECT_EQ(Ecken(schwarz[0]), std::vector<int>({P(85), P(44) - Z, P(85), P(244) + Z}));
    EXPECT_EQ(Ecken(schwarz[1]), std::vector<int>({P(85), P(244) + Z, P(495), P(244) + Z}));
    const std::vector<std::string> km = {"775,00 Km", "825,00 Km", "875,00 Km", "925,00 Km", "975,00 Km",
                                         "1.025,00 Km"};
    for (int i = 0; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const int y = 244 - 40 * i;
        EXPECT_EQ(Ecken(schwarz[size_t(2 + i)]), std::vector<int>({P(80), P(y), P(495), P(y)}));
        const TAufzeichnung *t = flaeche.TextMit(km[size_t(i)]);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->X, P(80) - W(km[size_t(i)]) - 3);
        EXPECT_EQ(t->Y, P(y) - 6);
        EXPECT_EQ(t->Schrift.Farbe, Schwarz);
    }
}

TEST_F(Entwicklungsgrafik, LeereReiheZeichnetNurAchsenUndGitter)
{
    EntwicklungsListe.clear();
    EntwicklungsArt = 1;
    EW_Schritt = 1;
    EW_Unten = 1380;
    const TEntwicklungsInfo info = Zeichnen(BreiteBalken, 1);
    EXPECT_EQ(flaeche.Alle(TAufrufArt::Linie).size(), 7u);
    EXPECT_TRUE(flaeche.Alle(TAufrufArt::Rechteck).empty());
    EXPECT_EQ(flaeche.Texte().size(), 5u);
    EXPECT_EQ(info.Wert, "");
}

// ---- bars ---------------------------------------------------------------------

// Prices 1399..1459: step 2, axis start 1399; a price p stands
// 5 x (p div 2 - 699) above the base line 257.
TEST_P(EntwicklungsgrafikSkaliert, BreiteBalkenDesLiterpreises)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 3);
    const int achse = P(257) + Z;
    EXPECT_EQ(Balken(), std::vector<std::vector<int>>({
                            {P(100), achse, P(180), P(257)},         // height 0
                            {P(200), achse, P(280), P(257 - 150)},   // 5 x (729 - 699)
                            {P(300), achse, P(380), P(257 - 80)},    // 5 x (715 - 699)
                        }));
    for (const auto &b : flaeche.Rechtecke(Gruen))
        EXPECT_EQ(b.Stift.Farbe, Gruen);
    // Pen black and brush white again after each bar.
    for (const auto &t : flaeche.Alle(TAufrufArt::Text))
        EXPECT_EQ(t.Pinsel.Farbe, Weiss) << t.Text;
    EXPECT_EQ(flaeche.Stift().Farbe, Schwarz);
}

TEST_F(Entwicklungsgrafik, GleichePreiseStehenHundertEinheitenHoch)
{
    // All prices 1400: step 1, axis start 1380.
    Literpreise({1400, 1400}, 1, 1380, 1400);
    Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(Balken(), std::vector<std::vector<int>>({{91, 270, 99, 157}, {102, 270, 110, 157}}));
}

TEST_F(Entwicklungsgrafik, SchrittNullZaehltAlsEins)
{
    Literpreise({1400, 1410}, 0, 1380, 1405);
    Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(Balken(), std::vector<std::vector<int>>({{91, 270, 99, 157}, {102, 270, 110, 107}}));
}

// Ranges 800, 1000 and 900 km: step 500, axis start 77500 hundredths; a
// range r stands 4 x (r x 100 div 500 - 155) above the base line 244.
TEST_P(EntwicklungsgrafikSkaliert, SchmaleBalkenDerReichweite)
{
    Reichweiten({800, 1000, 900}, 500, 77500, 6.4L);
    Zeichnen(SchmaleBalken, 3);
    const int achse = P(244) + Z;
    EXPECT_EQ(Balken(), std::vector<std::vector<int>>({
                            {P(91), achse, P(99), P(244 - 20)},
                            {P(102), achse, P(110), P(244 - 180)},
                            {P(113), achse, P(121), P(244 - 100)},
                        }));
}

TEST_F(Entwicklungsgrafik, ReichweiteWirdVorDemTeilenGerundet)
{
    // In hundredths of a km, halves to even: 80012,5 gives 80012, 80037,5
    // gives 80038 and 80062,5 gives 80062; one step per hundredth.
    Reichweiten({800.125L, 800.375L, 800.625L}, 1, 80000, 7);
    Zeichnen(SchmaleBalken, 3);
    const auto balken = Balken();
    ASSERT_EQ(balken.size(), 3u);
    EXPECT_EQ(balken[0][3], 244 - 4 * 12);
    EXPECT_EQ(balken[1][3], 244 - 4 * 38);
    EXPECT_EQ(balken[2][3], 244 - 4 * 62);
}

TEST_F(Entwicklungsgrafik, LiniendiagrammZeichnetKeineBalken)
{
    Literpreise({1399, 1459}, 2, 1399, 1429);
    Zeichnen(Liniendiagramm, 2);
    EXPECT_TRUE(flaeche.Alle(TAufrufArt::Rechteck).empty());
}

// ---- line chart ---------------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, LinienpunkteMitKreuzen)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(Liniendiagramm, 3);
    const int x1 = P(95), y1 = P(257), x2 = P(106), y2 = P(107), x3 = P(117), y3 = P(177);
    EXPECT_EQ(AlleEcken(flaeche.Linien(Kastanie)), std::vector<std::vector<int>>({{x1, y1, x2, y2}, {x2, y2, x3, y3}}));
    // Every point gets its cross, drawn in black right after the joining line.
    std::vector<std::vector<int>> kreuze;
    for (size_t i = 0; i + 1 < flaeche.Aufrufe.size(); ++i) {
        const TAufzeichnung &a = flaeche.Aufrufe[i];
        if (a.Art == TAufrufArt::Linie && a.Stift.Farbe == Schwarz && a.X2 - a.X1 == 5 &&
            std::abs(a.Y2 - a.Y1) == 5)
            kreuze.push_back(Ecken(a));
    }
    EXPECT_EQ(kreuze, std::vector<std::vector<int>>({
                          {x1 - 2, y1 - 2, x1 + 3, y1 + 3},
                          {x1 - 2, y1 + 2, x1 + 3, y1 - 3},
                          {x2 - 2, y2 - 2, x2 + 3, y2 + 3},
                          {x2 - 2, y2 + 2, x2 + 3, y2 - 3},
                          {x3 - 2, y3 - 2, x3 + 3, y3 + 3},
                          {x3 - 2, y3 + 2, x3 + 3, y3 - 3},
                      }));
}

TEST_F(Entwicklungsgrafik, LinieBeginntBeimErstenSichtbarenPunkt)
{
    // 40 points, the newest selected: slot 1 shows point 5; the line starts
    // there and is not joined to anything left of the chart.
    std::vector<uint16_t> preise;
    for (int i = 0; i < 40; ++i)
        preise.push_back(uint16_t(1400 + i));
    Literpreise(preise, 1, 1380, 1420);
    Zeichnen(Liniendiagramm, 40);
    EXPECT_EQ(fenster.ErsterSichtbarer, 5);
    const auto linie = flaeche.Linien(Kastanie);
    ASSERT_EQ(linie.size(), 35u);
    EXPECT_EQ(Ecken(linie[0]), std::vector<int>({95, 257 - 5 * 24, 106, 257 - 5 * 25}));
    // Drawn again, the previous point starts afresh.
    Zeichnen(Liniendiagramm, 40);
    EXPECT_EQ(flaeche.Linien(Kastanie).size(), 35u);
}

// ---- point labels of the wide bars --------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, PunktbeschriftungDesLiterpreises)
{
    Literpreise({1399, 1450}, 2, 1399, 1429);
    EntwicklungsListe[1].Bezeichnung = "März 2003";
    Zeichnen(BreiteBalken, 2);
    const TAufzeichnung *preis = flaeche.TextMit("1.45,0 EUR/l");
    ASSERT_NE(preis, nullptr);
    EXPECT_EQ(std::vector<int>({preis->X, preis->Y}), std::vector<int>({P(240) - W("1.45,0 EUR/l") / 2, P(10)}));
    EXPECT_EQ(preis->Schrift.Farbe, Lila);
    const TAufzeichnung *name = flaeche.TextMit("März 2003");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::vector<int>({name->X, name->Y}), std::vector<int>({P(240) - 27, P(275)}));
    EXPECT_EQ(name->Schrift.Farbe, Schwarz);
}

TEST_F(Entwicklungsgrafik, SchmaleBalkenOhnePunktbeschriftung)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(SchmaleBalken, 3);
    // Only the callout names the first point; the others stay unlabelled.
    EXPECT_EQ(flaeche.TextMit("1.43,0 EUR/l"), nullptr);
    EXPECT_EQ(flaeche.TextMit("01.02.2003"), nullptr);
}

TEST_P(EntwicklungsgrafikSkaliert, DatenDerReichweiteAufDenPlatzgrenzen)
{
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    Zeichnen(BreiteBalken, 2);
    const int w = W("15.01.2003");
    const int links = P(140 + 50) - w / 2;
    const TAufzeichnung *bis = flaeche.TextMit("15.01.2003");
    ASSERT_NE(bis, nullptr);
    EXPECT_EQ(std::vector<int>({bis->X, bis->Y}), std::vector<int>({links, P(275) - Z}));
    const TAufzeichnung *von = flaeche.TextMit("01.01.2003");
    ASSERT_NE(von, nullptr);
    EXPECT_EQ(std::vector<int>({von->X, von->Y}), std::vector<int>({links - P(100), P(275) - Z}));
    const TAufzeichnung *km = flaeche.TextMit("1.000,00 Km");
    ASSERT_NE(km, nullptr);
    EXPECT_EQ(std::vector<int>({km->X, km->Y}), std::vector<int>({P(240) - W("1.000,00 Km") / 2, P(10)}));
    EXPECT_EQ(km->Schrift.Farbe, Schwarz);
    // Single values: the dates say it all, no period label.
    EXPECT_EQ(flaeche.TexteMitAnfang("01.01.2003 bis"), 0u);
}

TEST_F(Entwicklungsgrafik, ZusammengefassteReichweiteMitZeitraum)
{
    RW_Ansicht = 2;
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    EntwicklungsListe[0].RW_Bezeichnung = "Januar 2003";
    Zeichnen(BreiteBalken, 2);
    const TAufzeichnung *t = flaeche.TextMit("Januar 2003");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::vector<int>({t->X, t->Y}), std::vector<int>({140 - 33, 275}));
}

// ---- callout of the first point -------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, HinweisAmErstenPunktDerSchmalenBalken)
{
    Literpreise({1450, 1399}, 2, 1399, 1429);   // first point 5 x (725 - 699) = 130 high
    Zeichnen(SchmaleBalken, 2);
    const int unten = P(275) + Z / 2, oben = P(10) + Z / 2;
    std::vector<std::vector<int>> linien;
    for (const auto &l : flaeche.Linien(Schwarz))
        if (l.X1 == P(95) || l.Y1 == unten || l.Y1 == oben)
            linien.push_back(Ecken(l));
    EXPECT_EQ(linien, std::vector<std::vector<int>>({
                          {P(95), P(257) + Z, P(95), unten},   // from the time axis
                          {P(95), unten, P(105), unten},
                          {P(95), P(127), P(95), oben},        // from the top of the bar
                          {P(95), oben, P(105), oben},
                      }));
    const TAufzeichnung *datum = flaeche.TextMit("01.01.2003");
    ASSERT_NE(datum, nullptr);
    EXPECT_EQ(std::vector<int>({datum->X, datum->Y}), std::vector<int>({P(107), P(275)}));
    EXPECT_EQ(datum->Schrift.Farbe, Schwarz);
    const TAufzeichnung *preis = flaeche.TextMit("1.45,0 EUR/l");
    ASSERT_NE(preis, nullptr);
    EXPECT_EQ(std::vector<int>({preis->X, preis->Y}), std::vector<int>({P(107), P(10)}));
    EXPECT_EQ(preis->Schrift.Farbe, Lila);
}

TEST_F(Entwicklungsgrafik, HinweisDesLiniendiagrammsBeginntAmPunkt)
{
    Reichweiten({900, 800, 1000}, 500, 77500, 6.4L);   // first point 100 high
    Zeichnen(Liniendiagramm, 3);
    const int unten = 275 + 6;
    std::vector<std::vector<int>> linien;
    for (const auto &l : flaeche.Linien(Schwarz))
        if (l.X1 == 95 && (l.Y2 == unten || l.Y2 == 16 || l.X2 == 105))
            linien.push_back(Ecken(l));
    EXPECT_EQ(linien, std::vector<std::vector<int>>({
                          {95, 144, 95, unten},
                          {95, unten, 105, unten},
                          {95, 144, 95, 16},
                          {95, 16, 105, 16},
                      }));
    const TAufzeichnung *t = flaeche.TextMit("01.01.2003 bis 15.01.2003");
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::vector<int>({t->X, t->Y}), std::vector<int>({107, 275}));
    const TAufzeichnung *km = flaeche.TextMit("Reichweite : 900,00 Km");
    ASSERT_NE(km, nullptr);
    EXPECT_EQ(std::vector<int>({km->X, km->Y}), std::vector<int>({107, 10}));
    EXPECT_EQ(km->Schrift.Farbe, Schwarz);
}

TEST_F(Entwicklungsgrafik, HinweisNenntDenErstenSichtbarenPunkt)
{
    std::vector<uint16_t> preise(40, 1400);
    Literpreise(preise, 1, 1380, 1400);
    Zeichnen(SchmaleBalken, 40);
    ASSERT_EQ(fenster.ErsterSichtbarer, 5);
    EXPECT_NE(flaeche.TextMit("01.05.2003"), nullptr);
    EXPECT_EQ(flaeche.TextMit("01.01.2003"), nullptr);
}

TEST_F(Entwicklungsgrafik, BreiteBalkenOhneHinweis)
{
    Literpreise({1450, 1399}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 2);
    for (const auto &l : flaeche.Linien(Schwarz))
        EXPECT_NE(l.Y2, 275 + 6) << l.X1;
    // The first point's price and date are there once, as its own labels.
    EXPECT_EQ(flaeche.TexteMitAnfang("1.45,0 EUR/l"), 1u);
    EXPECT_EQ(flaeche.TexteMitAnfang("01.01.2003"), 1u);
}

// ---- average line ---------------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, DurchschnittslinieDesLiterpreises)
{
    Literpreise({1399, 1459}, 2, 1399, 1429);   // 5 x (714 - 699) = 75
    Zeichnen(BreiteBalken, 2);
    const auto blau = flaeche.Linien(Blau);
    ASSERT_EQ(blau.size(), 1u);
    EXPECT_EQ(Ecken(blau[0]), std::vector<int>({P(85), P(182), P(500), P(182)}));
    const TAufzeichnung *titel = flaeche.TextMit("Durchschnitt:");
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(std::vector<int>({titel->X, titel->Y}), std::vector<int>({P(502), P(182 - Z)}));
    EXPECT_EQ(titel->Schrift.Farbe, Blau);
    const TAufzeichnung *wert = flaeche.TextMit("1.42,9 EUR/l");
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(std::vector<int>({wert->X, wert->Y}), std::vector<int>({P(502), P(182)}));
    EXPECT_EQ(wert->Schrift.Farbe, Lila);
    EXPECT_EQ(flaeche.Schrift().Farbe, Schwarz);
}

TEST_P(EntwicklungsgrafikSkaliert, DurchschnittslinieDerReichweite)
{
    // 60 l at 6,4 L/100Km: 937,50 km, 93750 div 500 = 187, 4 x 32 = 128.
    Reichweiten({800, 1000}, 500, 77500, 6.4L);
    Zeichnen(Liniendiagramm, 2);
    const auto blau = flaeche.Linien(Blau);
    ASSERT_EQ(blau.size(), 1u);
    EXPECT_EQ(Ecken(blau[0]), std::vector<int>({P(85), P(116), P(500), P(116)}));
    const TAufzeichnung *titel = flaeche.TextMit("Durchschnitt:");
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(std::vector<int>({titel->X, titel->Y}), std::vector<int>({P(502), P(116 - Z)}));
    const TAufzeichnung *wert = flaeche.TextMit("937,50 Km");
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(std::vector<int>({wert->X, wert->Y}), std::vector<int>({P(502), P(116)}));
    EXPECT_EQ(wert->Schrift.Farbe, Blau);
}

TEST_F(Entwicklungsgrafik, DurchschnittDerReichweiteInHundertstelnGerundet)
{
    // 60 x 10000 / 6,4 = 93750 hundredths, one step per hundredth: 50 steps
    // above the axis start, 200 units; the rounded km (938) would give 400.
    Reichweiten({937, 938}, 1, 93700, 6.4L);
    Zeichnen(SchmaleBalken, 2);
    const auto blau = flaeche.Linien(Blau);
    ASSERT_EQ(blau.size(), 1u);
    EXPECT_EQ(blau[0].Y1, 244 - 200);
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
        EXPECT_EQ(info.ZumDurchschnitt, "");
        EXPECT_EQ(info.ZumVorgaenger, "");
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
    EXPECT_EQ(AlleEcken(flaeche.Linien(Oliv)), std::vector<std::vector<int>>({
                                                   {links, oben, rechts, oben},
                                                   {rechts, oben, rechts, unten},
                                                   {rechts, unten, links, unten},
                                                   {links, unten, links, oben},
                                               }));
    for (const auto &l : flaeche.Linien(Oliv))
        EXPECT_EQ(l.Stift.Art, TStiftArt::Durchgehend);

    // Narrow slots: right edge 5 units right of the centre (11 div 2).
    Zeichnen(SchmaleBalken, 3);
    const auto rahmen = flaeche.Linien(Oliv);
    ASSERT_EQ(rahmen.size(), 4u);
    EXPECT_EQ(rahmen[0].X2, P(117 + 5));
    EXPECT_EQ(rahmen[0].X1, P(122) - P(11));
}

TEST_F(Entwicklungsgrafik, NeuesteAuswahlBeimOeffnen)
{
    std::vector<uint16_t> preise(40, 1400);
    Literpreise(preise, 1, 1380, 1400);
    fenster = EntwicklungsFensterOeffnen(BreiteBalken);
    EXPECT_EQ(fenster.GewaehlterWert, 40);
    EXPECT_EQ(fenster.ErsterSichtbarer, 1);
    flaeche.Leeren();
    ZeichneEntwicklungsGrafik(flaeche, fenster);
    EXPECT_EQ(fenster.ErsterSichtbarer, 37);
    EXPECT_EQ(fenster.GewaehlterPlatz, 4);
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 4u);
    EXPECT_NE(flaeche.TextMit("01.04.2006"), nullptr);   // point 40
    EXPECT_EQ(flaeche.TextMit("01.12.2005"), nullptr);   // point 36
}

TEST_F(Entwicklungsgrafik, BlaetternMitKleinsterBewegung)
{
    std::vector<uint16_t> preise(40, 1400);
    Literpreise(preise, 1, 1380, 1400);
    fenster.Diagrammart = BreiteBalken;
    fenster.ErsterSichtbarer = 37;
    // Below the first visible point: it becomes the first slot.
    fenster.GewaehlterWert = 10;
    EntwicklungsFensterNachfuehren(fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({10, 1}));
    // Inside the window nothing moves.
    fenster.GewaehlterWert = 13;
    EntwicklungsFensterNachfuehren(fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({10, 4}));
    // One past the last slot: the window moves by one, the selection is last.
    fenster.GewaehlterWert = 14;
    EntwicklungsFensterNachfuehren(fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({11, 4}));
    fenster.GewaehlterWert = 30;
    EntwicklungsFensterNachfuehren(fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({27, 4}));
}

TEST_F(Entwicklungsgrafik, DiagrammartWechselnBehaeltDieAuswahl)
{
    std::vector<uint16_t> preise(40, 1400);
    Literpreise(preise, 1, 1380, 1400);
    fenster.Diagrammart = BreiteBalken;
    fenster.ErsterSichtbarer = 7;
    fenster.GewaehlterWert = 10;
    DiagrammartWechseln(fenster, SchmaleBalken);
    flaeche.Leeren();
    ZeichneEntwicklungsGrafik(flaeche, fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({1, 10}));
    EXPECT_EQ(flaeche.Rechtecke(Gruen).size(), 36u);

    DiagrammartWechseln(fenster, BreiteBalken);
    flaeche.Leeren();
    ZeichneEntwicklungsGrafik(flaeche, fenster);
    EXPECT_EQ(std::vector<int>({fenster.ErsterSichtbarer, fenster.GewaehlterPlatz}), std::vector<int>({7, 4}));
    EXPECT_NE(flaeche.TextMit("01.07.2003"), nullptr);
    EXPECT_NE(flaeche.TextMit("01.10.2003"), nullptr);
    EXPECT_EQ(flaeche.TextMit("01.11.2003"), nullptr);
}

// ---- picking with the mouse --------------------------------------------------------

TEST_P(EntwicklungsgrafikSkaliert, PlatzUnterDerMaus)
{
    // Wide slots from 90 to 190, 190 to 290 ... at a shared edge the right one wins.
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(190) - P(100) - 1), 0);
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(190) - P(100)), 1);
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(140)), 1);
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(190)), 2);
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(490)), 4);
    EXPECT_EQ(EntwicklungsPlatzBei(BreiteBalken, P(490) + 1), 0);
    // Narrow slot 2 begins 11 units left of its right edge 111.
    EXPECT_EQ(EntwicklungsPlatzBei(SchmaleBalken, P(111) - P(11) - 1), 1);
    EXPECT_EQ(EntwicklungsPlatzBei(SchmaleBalken, P(111) - P(11)), 2);
    EXPECT_EQ(EntwicklungsPlatzBei(SchmaleBalken, P(100) - P(11) - 1), 0);
    EXPECT_EQ(EntwicklungsPlatzBei(SchmaleBalken, P(100) - P(11)), 1);
    EXPECT_EQ(EntwicklungsPlatzBei(Liniendiagramm, P(485)), 36);
    EXPECT_EQ(EntwicklungsPlatzBei(Liniendiagramm, P(485) + 1), 0);
}

TEST_F(Entwicklungsgrafik, KlickAufEinenPlatzWaehltSeinenPunkt)
{
    std::vector<uint16_t> preise(40, 1400);
    Literpreise(preise, 1, 1380, 1400);
    Zeichnen(BreiteBalken, 30);   // points 27..30, 30 in slot 4
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 1), 27);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 3), 29);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 4), 30);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 0), 30);   // beside the slots
}

TEST_F(Entwicklungsgrafik, KlickAufLeerenPlatzAendertNichts)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    Zeichnen(BreiteBalken, 2);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 440)), 2);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 340)), 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, EntwicklungsPlatzBei(BreiteBalken, 140)), 1);
    Zeichnen(SchmaleBalken, 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 4), 3);
    EXPECT_EQ(EntwicklungsPlatzWaehlen(fenster, 36), 3);
}

// ---- info texts ------------------------------------------------------------------

TEST_F(Entwicklungsgrafik, ZaehlerMitTausenderpunkten)
{
    std::vector<uint16_t> preise(1200, 1400);
    Literpreise(preise, 1, 1380, 1400);
    EXPECT_EQ(EntwicklungsZaehler(3), "3 / 1.200");
    EXPECT_EQ(EntwicklungsZaehler(1200), "1.200 / 1.200");
}

TEST_F(Entwicklungsgrafik, InfoZeitraumNachZusammenfassung)
{
    Literpreise({1400, 1450}, 1, 1380, 1425);
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
}

TEST_F(Entwicklungsgrafik, InfoVeraenderungenMitVorzeichen)
{
    Literpreise({1400, 1450}, 1, 1380, 1425);
    TEntwicklungsInfo info = EntwicklungsInfo(2);
    EXPECT_EQ(info.Wert, "Literpreis : 1.45,0 EUR/l");
    EXPECT_EQ(info.ZumDurchschnitt, "Veränderung zum Durchschnitt: +1,75%");
    EXPECT_EQ(info.ZumVorgaenger, "Veränderung zum Vorgänger: +3,57%");
    info = EntwicklungsInfo(1);
    EXPECT_EQ(info.ZumDurchschnitt, "Veränderung zum Durchschnitt: -1,75%");
    EXPECT_EQ(info.ZumVorgaenger, "");   // no predecessor: hidden

    Reichweiten({800, 1000}, 500, 77500, 6.4L);   // average 937,50 km
    info = EntwicklungsInfo(2);
    EXPECT_EQ(info.ZumDurchschnitt, "Veränderung zum Durchschnitt: +6,67%");
    EXPECT_EQ(info.ZumVorgaenger, "Veränderung zum Vorgänger: +25,00%");
}

TEST_F(Entwicklungsgrafik, VeraenderungNullOhnePlus)
{
    Literpreise({1400, 1400}, 1, 1380, 1400);
    const TEntwicklungsInfo info = EntwicklungsInfo(2);
    EXPECT_EQ(info.ZumDurchschnitt, "Veränderung zum Durchschnitt: 0,00%");
    EXPECT_EQ(info.ZumVorgaenger, "Veränderung zum Vorgänger: 0,00%");
}

TEST_F(Entwicklungsgrafik, ZeichnenGibtDieInfoDesGewaehltenPunkts)
{
    Literpreise({1399, 1459, 1430}, 2, 1399, 1429);
    const TEntwicklungsInfo info = Zeichnen(SchmaleBalken, 2);
    EXPECT_EQ(info.Wert, "Literpreis : 1.45,9 EUR/l");
    EXPECT_EQ(info.Zeitraum, "Datum : 01.02.2003");
}

}   // namespace
