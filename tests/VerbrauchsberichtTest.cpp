// The printed consumption report on a recording printer (6 pixels per
// character, 13 high): the table's column edges and cells, which parts
// DruckVerbrauchsArt prints and where, the graph's bars, lines and range
// texts, the legend at page breaks, black printing and cancelling.

#include "print/Verbrauchsbericht.h"

#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Sprilo_Dek.h"

#include "Berichtspruefung.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Entries of the colour table; the fixture makes their colours distinct.
enum { Schnitt = 5, Fest = 6, Weite = 9 };

TVerbrauchsWert Wert(int nr, long double durchschnitt, const std::string &bezeichnung = "")
{
    TVerbrauchsWert w;
    w.Bezeichnung = bezeichnung;
    w.VonKM = 10000 + 500 * (nr - 1);
    w.BisKM = w.VonKM + 500;
    w.VonDatum = {1, 1, 2004};
    w.BisDatum = {15, 1, 2004};
    w.Strecke = 500;
    w.LiterGetankt = 35.5L;
    w.Betrag = 40.25L;
    w.LiterVerbraucht = durchschnitt * 5;
    w.Durchschnitt = durchschnitt;
    return w;
}

TVerbrauchsListe Liste(int n, long double durchschnitt = 7, const std::string &bezeichnung = "")
{
    TVerbrauchsListe liste;
    for (int i = 1; i <= n; ++i)
        liste.push_back(Wert(i, durchschnitt, bezeichnung));
    return liste;
}

class VerbrauchsberichtTest : public TBerichtsTest {
protected:
    void SetUp() override
    {
        TBerichtsTest::SetUp();
        Farben = {2, 14, 4, 6, 2, 1, 5, 13, 11, 12, 6, 1, 0, 0, 0, 0};
        // The scale runs from 4,60 in steps of 0,04 L/100Km: 5 to 9 spread.
        KleinsterVerbrauch.Durchschnitt = 5;
        HoechsterVerbrauch.Durchschnitt = 9;
        GesamtVerbrauch.Durchschnitt = 7;
        Festverbrauch = 7;
        Tankinhalt = 50;
    }

    bool Drucken(const TVerbrauchsListe &liste)
    {
        Seiteneinrichtung(drucker);
        return DruckeVerbrauchswerte(drucker, fortschritt, liste);
    }
};

// ---- the table --------------------------------------------------------------------

struct TKanten {
    int Links, VonKM, VonDatum, BisKM, BisDatum, Strecke, Getankt, BetragLinks, BetragRechts, Liter, Verbrauch,
        KMPreis;
};

TKanten Erwartet(int seitenbreite, int rand, bool mitZeitraum)
{
    TKanten k{};
    k.VonKM = B("September 1999") + W + B("123.456");
    k.VonDatum = k.VonKM + W;
    k.BisKM = k.VonDatum + B("22.09.1999") + W + B("123.456");
    k.BisDatum = k.BisKM + W;
    k.Strecke = k.BisDatum + B("22.09.1999") + W + B("123.456KM");
    k.Getankt = k.Strecke + B("23.456,78L") + W;
    k.BetragLinks = k.Getankt + W;
    k.BetragRechts = k.BetragLinks + B("DM 123.456,78");
    k.Liter = k.BetragRechts + B("23.456,78L") + W;
    k.Verbrauch = k.Liter + B("1.234,567890") + W;
    k.KMPreis = k.Verbrauch + B("1.234,5678") + W;
    // Without the period column the table begins at the odometer; it is
    // centred on the page but never runs off its left edge.
    const int links = mitZeitraum ? 0 : k.VonKM - B("KM-Stand");
    const int d = seitenbreite - (k.KMPreis - links + rand);
    k.Links = rand + std::max(d >= 0 ? d / 2 : d, -rand);
    for (int *kante : {&k.VonKM, &k.VonDatum, &k.BisKM, &k.BisDatum, &k.Strecke, &k.Getankt, &k.BetragLinks,
                       &k.BetragRechts, &k.Liter, &k.Verbrauch, &k.KMPreis})
        *kante += k.Links - links;
    return k;
}

TEST_F(VerbrauchsberichtTest, SpaltenkantenNachDenMusterbreiten)
{
    // Rand: LinkerRand on portrait pages, else 0.
    const struct { const char *Name; int Breite, Hoehe, BreiteMM; bool MitZeitraum; int Rand; } faelle[] = {
        {"hoch mit Zeitraum", 4760, 6779, 201, true, 300},
        {"hoch einzeln", 4760, 6779, 201, false, 300},
        {"quer mit Zeitraum", 6779, 4760, 287, true, 0},
        {"quer einzeln", 6779, 4760, 287, false, 0},
        {"breiter als die Seite", 900, 6779, 201, true, 300},
        {"nie links hinaus", 600, 6779, 201, true, 300},
    };
    DruckVerbrauchsArt = 3;
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        Neu(f.Breite, f.Hoehe, f.BreiteMM);
        Drucken(Liste(1, 7, f.MitZeitraum ? "Januar 2004" : ""));
        const TKanten k = Erwartet(f.Breite, f.Rand, f.MitZeitraum);
        EXPECT_GE(k.Links, 0);
        EXPECT_EQ(TexteMit("Zeitraum").size(), f.MitZeitraum ? 1u : 0u);
        EXPECT_EQ(Text(f.MitZeitraum ? "Zeitraum" : "KM-Stand").X, k.Links);
        EXPECT_EQ((V{RechteKante("von"), RechteKante("KM-Stand", 0), Text("Datum", 0).X, RechteKante("bis"),
                     RechteKante("KM-Stand", 1), Text("Datum", 1).X, RechteKante("Strecke"), RechteKante("Liter"),
                     Text("Betrag").X, RechteKante("Litermenge"), RechteKante("in L/100Km"), RechteKante("in ct/Km")}),
                  (V{k.VonDatum, k.VonKM, k.VonDatum, k.BisDatum, k.BisKM, k.BisDatum, k.Strecke, k.Getankt,
                     k.BetragLinks + (k.BetragRechts - k.BetragLinks - B("Betrag")) / 2, k.Liter, k.Verbrauch,
                     k.KMPreis}));
        // The rule under the headings spans the table.
        const int y = Text("Strecke").Y + 18;
        const auto regeln = Strecken(drucker.Flaeche.Linien(0));
        EXPECT_NE(std::find(regeln.begin(), regeln.end(), std::array<int, 4>{k.Links, y, k.KMPreis, y}), regeln.end());
        // The cells of the row, each at its edge.
        EXPECT_EQ(TexteMit("Januar 2004").size(), f.MitZeitraum ? 1u : 0u);
        const struct { const char *Text; int Kante; bool Rechts; } zellen[] = {
            {"10.000", k.VonKM, true},      {"01.01.2004", k.VonDatum, false}, {"10.500", k.BisKM, true},
            {"15.01.2004", k.BisDatum, false}, {"500Km", k.Strecke, true},       {"35,50L", k.Getankt, true},
            {"EUR", k.BetragLinks, false},  {"40,25", k.BetragRechts, true},    {"35,00L", k.Liter, true},
            {"      7,000000", k.Verbrauch, true}, {"8,0500", k.KMPreis, true}, {"Januar 2004", k.Links, false},
        };
        for (const auto &z : zellen) {
            if (f.MitZeitraum || std::string(z.Text) != "Januar 2004") {
                EXPECT_EQ((V{Text(z.Text).Y, z.Rechts ? RechteKante(z.Text) : Text(z.Text).X}), (V{y + 5, z.Kante}))
                    << z.Text;
            }
        }
        Fortschritt({"Ausdruck der Verbrauchswerte  (tabellarisch)"}, {1}, {1});
    }
}

TEST_F(VerbrauchsberichtTest, TrennlinieNachJeFuenfZeilenUndKoepfeAufJederSeite)
{
    DruckVerbrauchsArt = 3;
    const int n = 400;
    Drucken(Liste(n, 7, "Januar 2004"));
    ASSERT_EQ(drucker.Seiten(), 2);
    const TKanten k = Erwartet(4760, 300, true);
    EXPECT_EQ(TexteMit("Gefahrene").size(), 2u);
    // Rows on the first page: until the next would leave less than three
    // lines above the bottom margin.
    std::vector<int> zeilenY;
    for (const auto *a : TexteMit("Januar 2004"))
        if (drucker.SeiteVon(a) == 1)
            zeilenY.push_back(a->Y);
    ASSERT_GT(zeilenY.size(), 10u);
    EXPECT_GT(zeilenY.back() + 18 + 3 * 18, 6779 - 100);
    EXPECT_LE(zeilenY[zeilenY.size() - 2] + 18 + 3 * 18, 6779 - 100);
    // Row 6 lies a separator of 3 pixels lower than the rhythm of 18.
    EXPECT_EQ((V{zeilenY[4] - zeilenY[0], zeilenY[5] - zeilenY[4]}), (V{4 * 18, 18 + 3}));
    size_t trenner = 0;
    for (const auto &l : drucker.Flaeche.Linien(0))
        trenner += l.X1 == k.Links && l.X2 == k.KMPreis ? 1 : 0;
    // One rule under each heading, one separator before every sixth row of a page.
    const size_t erste = zeilenY.size();
    EXPECT_EQ(trenner, 2 + (erste - 1) / 5 + (n - erste - 1) / 5);
}

TEST_F(VerbrauchsberichtTest, ArtBestimmtTabelleUndGraph)
{
    for (int art : {1, 2, 3}) {
        SCOPED_TRACE(art);
        Neu();
        DruckVerbrauchsArt = static_cast<uint8_t>(art);
        EXPECT_TRUE(Drucken(Liste(2)));
        EXPECT_EQ((V{int(TexteMit("Gefahrene").size()), int(TexteMit("4,60l").size()), drucker.Seiten()}),
                  (V{art != 1, art != 3, 1}));
        const std::string t = "Ausdruck der Verbrauchswerte  (tabellarisch)",
                          g = "Ausdruck der Verbrauchswerte  (graphisch)";
        EXPECT_EQ(fortschritt.Phasen, (art == 1 ? VS{g} : art == 3 ? VS{t} : VS{t, g}));
    }
}

TEST_F(VerbrauchsberichtTest, GraphNachDerTabelleNurWennFuenfzehnZeilenPassen)
{
    // Pages a few pixels apart in height put the end of the table at every
    // distance from the limit, the case of 14 fitting lines included.
    DruckVerbrauchsArt = 2;
    bool gleicheSeite = false, vierzehn = false;
    for (int hoehe = 6779; hoehe < 6779 + 21; hoehe += 3)
        for (int n = 330; n <= 340; ++n) {
            SCOPED_TRACE(std::to_string(hoehe) + " " + std::to_string(n));
            Neu(4760, hoehe);
            Drucken(Liste(n, 7, "Januar 2004"));
            const auto &letzte = Text("Januar 2004", size_t(n - 1));
            if (drucker.SeiteVon(&letzte) != 1)
                continue;
            const int frei = hoehe - 100 - (letzte.Y + 18 + 3 * 18);
            EXPECT_EQ(SeitenVon("4,60l").at(0), frei >= 15 * 18 ? 1 : 2);
            gleicheSeite |= frei >= 15 * 18;
            vierzehn |= frei >= 14 * 18 && frei < 15 * 18;
        }
    EXPECT_TRUE(gleicheSeite);
    EXPECT_TRUE(vierzehn);
}

// ---- the graph ----------------------------------------------------------------------

// The graph on A4 portrait: its zero G, the right edge R of the texts,
// pixels per step s and per grid unit u, half a band H.
struct TGraph {
    int G = 300 + B("September 1999  "), R = 4760 - W, s = (R - B("1.234,567890L/100Km") - G) / 24 / 5, u = 5 * s,
        H = RundeI32(18 * 1.5L);
    TVerbrauchsSkala Skala = VerbrauchsSkala(5, 9);
    int Stelle(long double v) const
    {
        return G + (RundeI32(v * 100) / Skala.Schritt - Skala.Unten / Skala.Schritt) * s;
    }
};

TEST_F(VerbrauchsberichtTest, BalkenfarbenUmDenBezugswert)
{
    DruckVerbrauchsArt = 1;
    const TGraph g;
    // A step is 0,04 L/100Km: 8,00 lies 25 steps above the reference 7,00.
    struct TFall {
        long double Wert;
        bool Festverbrauch;
        std::vector<std::pair<int, int>> Stuecke[4];   // x-extents per entry
    } faelle[] = {
        {7, true, {{{g.G, g.Stelle(7)}}, {}, {}, {}}},
        {8, true,
         {{{g.G, g.Stelle(7)}}, {{g.Stelle(7), g.Stelle(7) + 4 * g.u}}, {{g.Stelle(7) + 4 * g.u, g.Stelle(8)}}, {}}},
        // Without the fixed consumption marked the total average is the
        // reference.
        {9.2L, false, {{{g.G, g.Stelle(7.4L)}}, {{g.Stelle(7.4L), g.Stelle(7.4L) + 4 * g.u}},
                       {{g.Stelle(7.4L) + 4 * g.u, g.Stelle(7.4L) + 8 * g.u}},
                       {{g.Stelle(7.4L) + 8 * g.u, g.Stelle(9.2L)}}}},
        {6, true, {{{g.G, g.Stelle(6)}}, {}, {}, {}}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(static_cast<double>(f.Wert));
        Neu();
        DruckFestverbrauchMarkieren = f.Festverbrauch;
        GesamtVerbrauch.Durchschnitt = f.Festverbrauch ? 7 : 7.4L;
        Drucken({Wert(1, f.Wert)});
        const int oben = Text("KM").Y;   // the first band starts at the start's odometer line
        for (int e = 0; e < 4; ++e) {
            std::vector<std::array<int, 4>> soll;
            for (const auto &[x1, x2] : f.Stuecke[e])
                soll.push_back({x1, oben + 13, x2, oben + 2 * g.H});
            EXPECT_EQ(Strecken(drucker.Flaeche.Rechtecke(Eintrag(e))), soll) << "Eintrag " << e;
        }
    }
}

TEST_F(VerbrauchsberichtTest, SkalaGitterUndDurchschnittslinie)
{
    DruckVerbrauchsArt = 1;
    DruckFestverbrauchMarkieren = false;
    const TGraph g;
    Drucken(Liste(2));
    for (int i = 0; i <= 6; ++i) {
        const std::string text = Format("%4.2nl", {(g.Skala.Unten + 20 * i * g.Skala.Schritt) * 0.01L});
        EXPECT_EQ(Text(text).X, g.G + 4 * i * g.u - B(text) / 2) << text;
    }
    // Per band 7 solid, 6 dashed and 12 dotted grid lines; the scale row
    // has the dashed and dotted ones too.
    EXPECT_EQ(drucker.Flaeche.Linien(0, TStiftArt::Gestrichelt).size(), 3u * 6);
    EXPECT_EQ(drucker.Flaeche.Linien(0, TStiftArt::Gepunktet).size(), 3u * 12);
    for (const auto &l : drucker.Flaeche.Linien(0, TStiftArt::Gepunktet))
        EXPECT_EQ((l.X1 - g.G - g.u) % (2 * g.u), 0);
    // The average over each band and in the legend.
    V schnitt;
    for (const auto &l : Senkrechte(Eintrag(Schnitt)))
        schnitt.push_back(l.X1);
    EXPECT_EQ(schnitt, V(3, g.Stelle(7)));
    EXPECT_EQ((V{int(TexteMit("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km ").size()),
                 int(TexteMit("Eingestellter Festverbrauch : 7,00L/100Km ").size())}),
              (V{1, 0}));
}

TEST_F(VerbrauchsberichtTest, FestverbrauchAlsLinieOderJenseitsDerSkalaAlsPfeil)
{
    DruckVerbrauchsArt = 1;
    const TGraph g;
    for (long double fest : {8.0L, 12.0L}) {
        SCOPED_TRACE(static_cast<double>(fest));
        Neu();
        Festverbrauch = fest;
        Drucken({Wert(1, 7)});
        const bool ausserhalb = g.Stelle(fest) - g.G > 120 * g.s;
        EXPECT_EQ(ausserhalb, fest > 9.4L);
        const auto linien = drucker.Flaeche.Linien(Eintrag(Fest));
        if (ausserhalb) {
            EXPECT_TRUE(Senkrechte(Eintrag(Fest)).empty());
            ASSERT_EQ(linien.size(), 3u);
            EXPECT_EQ((V{linien[0].X1, linien[0].X2, linien[1].X2, linien[2].X2}),
                      (V{g.G + 5, g.G + 95 * g.s, g.G + 93 * g.s, g.G + 93 * g.s}));
            EXPECT_EQ((V{std::abs(linien[1].Y2 - linien[0].Y1), std::abs(linien[2].Y2 - linien[0].Y1)}),
                      (V{2 * g.s, 2 * g.s}));
        } else {
            // Over the band and in the legend, then left to the text.
            ASSERT_EQ(linien.size(), 3u);
            EXPECT_EQ((V{linien[0].X1, linien[1].X1, linien[2].X2}), (V{g.Stelle(fest), g.Stelle(fest), g.G + 5}));
        }
        EXPECT_EQ(TexteMit(Format("Eingestellter Festverbrauch : %4.2nL/100Km ", {fest})).size(), 1u);
    }
}

TEST_F(VerbrauchsberichtTest, ReichweitenNurMitTankinhalt)
{
    DruckVerbrauchsArt = 1;
    const TGraph g;
    for (long double tank : {50.0L, 0.0L}) {
        SCOPED_TRACE(static_cast<double>(tank));
        Neu();
        Tankinhalt = tank;
        Drucken(Liste(2, 8));
        const auto &verbrauch = Text("8,000000L/100Km");
        const int mitte = Text("KM").Y + g.H;
        EXPECT_EQ(RechteKante("8,000000L/100Km"), g.R);
        if (tank > 0) {
            EXPECT_EQ((V{verbrauch.Y, Text("625,00 Km").Y}), (V{mitte - 13 / 2, mitte + 13 / 2}));
            EXPECT_EQ((std::vector<uint32_t>{Text("625,00 Km").Schrift.Farbe, Text("Reichweite bei").Schrift.Farbe}),
                      (std::vector<uint32_t>{Eintrag(Weite), Eintrag(Weite)}));
            EXPECT_EQ(TexteMit("50,00L Tankinhalt").size(), 1u);
            EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("=> Reichweite : "), 2u);
        } else {
            EXPECT_EQ(verbrauch.Y, mitte);
            const auto &a = drucker.Flaeche;
            EXPECT_EQ(a.TexteMitAnfang("Reichweite bei") + a.TexteMitAnfang("=> Reichweite"), 0u);
            for (const auto &t : drucker.Flaeche.Texte())
                EXPECT_EQ(t.find(" Km"), std::string::npos) << t;
        }
    }
}

TEST_F(VerbrauchsberichtTest, SeitenumbruchMitLegendeSkalaUndAnfangsstand)
{
    DruckVerbrauchsArt = 1;
    UmgekehrtSortiert = true;
    const int n = 300;
    ASSERT_TRUE(Drucken(Liste(n)));
    const int seiten = drucker.Seiten();
    ASSERT_GE(seiten, 3);
    EXPECT_EQ(SeitenVon("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km "), AlleSeiten());
    EXPECT_EQ(SeitenVon("4,60l"), AlleSeiten());
    // The legend begins under the page's last band, the first after which
    // five half bands no longer fit.
    const int H = RundeI32(18 * 1.5L);
    for (int s = 0; s + 1 < seiten; ++s) {
        const int ende = Text("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km ", size_t(s)).Y - H;
        EXPECT_GT(ende + 5 * H, 6779 - 100);
        EXPECT_LE(ende - 2 * H + 5 * H, 6779 - 100);
    }
    // Reversed, the odometer lines run from the first value's BisKM over
    // each band's VonKM; every page starts with the line of its first value.
    EXPECT_EQ((V{Text("KM", 0).Y, Text("KM", 1).Y, Text("KM", 1).Y}),
              (V{Text("10.500").Y, Text("10.000").Y, Text("KM", 0).Y + 2 * H}));
    EXPECT_EQ(TexteMit("KM").size(), static_cast<size_t>(n + seiten));
    EXPECT_EQ((V{int(fortschritt.Positionen.size()), fortschritt.Positionen.back()}), (V{n, n}));
}

TEST_F(VerbrauchsberichtTest, OhneFarbeAllesSchwarz)
{
    DruckInFarbe = false;
    Festverbrauch = 5;
    Drucken(Liste(3, 8.5L, "Januar 2004"));
    AllesSchwarz();
    // Each bar in its four pieces, all black.
    EXPECT_EQ(drucker.Flaeche.Alle(TAufrufArt::Rechteck).size(), 3u * 4);
}

TEST_F(VerbrauchsberichtTest, AbbruchHaeltSofortAn)
{
    for (int art : {3, 1}) {
        SCOPED_TRACE(art);
        Neu();
        fortschritt.AbbruchBei = 2;
        DruckVerbrauchsArt = static_cast<uint8_t>(art);
        EXPECT_FALSE(Drucken(Liste(5, 7, "Januar 2004")));
        EXPECT_EQ(fortschritt.Positionen, (V{1, 2}));
        EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Durchschnittlicher"), 0u);
    }
}

}   // namespace
