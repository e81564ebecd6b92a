// The printed consumption report on a recording printer (6 pixels per
// character, 13 high): the table's column edges and cells, which parts
// DruckVerbrauchsArt prints and where, the graph's bars, lines and range
// texts, the legend at page breaks, black printing and cancelling.

#include "print/Verbrauchsbericht.h"

#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Sprilo_Dek.h"

#include "Berichtspruefung.h"

#include <string>
#include <vector>

namespace {

const int W = B("W");

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
    int *kanten[] = {&k.VonKM, &k.VonDatum, &k.BisKM, &k.BisDatum, &k.Strecke, &k.Getankt,
                     &k.BetragLinks, &k.BetragRechts, &k.Liter, &k.Verbrauch, &k.KMPreis};
    const int links = mitZeitraum ? 0 : k.VonKM - B("KM-Stand");
    for (int *kante : kanten)
        *kante -= links;
    int d = seitenbreite - (k.KMPreis + rand);
    d = d >= 0 ? d / 2 : d;
    d = std::max(d, -rand);
    k.Links = rand + d;
    for (int *kante : kanten)
        *kante += rand + d;
    return k;
}

TEST_F(VerbrauchsberichtTest, SpaltenkantenNachDenMusterbreiten)
{
    struct TFall {
        const char *Name;
        int Breite, Hoehe, BreiteMM;
        bool MitZeitraum;
        int Rand;   // LinkerRand on portrait pages, else 0
    } faelle[] = {
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
        drucker = TAufzeichnenderDrucker(f.Breite, f.Hoehe, 600, f.BreiteMM);
        Drucken(Liste(1, 7, f.MitZeitraum ? "Januar 2004" : ""));
        const TKanten k = Erwartet(f.Breite, f.Rand, f.MitZeitraum);
        EXPECT_GE(k.Links, 0);
        EXPECT_EQ(TexteMit("Zeitraum").size(), f.MitZeitraum ? 1u : 0u);
        if (f.MitZeitraum)
            EXPECT_EQ(Text("Zeitraum").X, k.Links);
        else
            EXPECT_EQ(Text("KM-Stand").X, k.Links);
        EXPECT_EQ(RechteKante("von"), k.VonDatum);
        EXPECT_EQ(RechteKante("KM-Stand", 0), k.VonKM);
        EXPECT_EQ(Text("Datum", 0).X, k.VonDatum);
        EXPECT_EQ(RechteKante("bis"), k.BisDatum);
        EXPECT_EQ(RechteKante("KM-Stand", 1), k.BisKM);
        EXPECT_EQ(Text("Datum", 1).X, k.BisDatum);
        EXPECT_EQ(RechteKante("Strecke"), k.Strecke);
        EXPECT_EQ(RechteKante("Liter"), k.Getankt);
        EXPECT_EQ(Text("Betrag").X, k.BetragLinks + (k.BetragRechts - k.BetragLinks - B("Betrag")) / 2);
        EXPECT_EQ(RechteKante("Litermenge"), k.Liter);
        EXPECT_EQ(RechteKante("in L/100Km"), k.Verbrauch);
        EXPECT_EQ(RechteKante("in ct/Km"), k.KMPreis);
        // The rule under the headings spans the table.
        const auto regel = drucker.Flaeche.Linien(0);
        bool gefunden = false;
        for (const auto &l : regel)
            gefunden = gefunden || (l.X1 == k.Links && l.X2 == k.KMPreis && l.Y1 == Text("Strecke").Y + 18);
        EXPECT_TRUE(gefunden);
    }
}

TEST_F(VerbrauchsberichtTest, ZellenEinerZeile)
{
    DruckVerbrauchsArt = 3;
    Drucken(Liste(1, 7, "Januar 2004"));
    const TKanten k = Erwartet(4760, 300, true);
    const int y = Text("Januar 2004").Y;
    EXPECT_EQ(Text("Januar 2004").X, k.Links);
    const struct {
        const char *Text;
        int Kante;
        bool Rechts;
    } zellen[] = {
        {"10.000", k.VonKM, true},      {"01.01.2004", k.VonDatum, false}, {"10.500", k.BisKM, true},
        {"15.01.2004", k.BisDatum, false}, {"500Km", k.Strecke, true},       {"35,50L", k.Getankt, true},
        {"EUR", k.BetragLinks, false},  {"40,25", k.BetragRechts, true},    {"35,00L", k.Liter, true},
        {"      7,000000", k.Verbrauch, true}, {"8,0500", k.KMPreis, true},
    };
    for (const auto &z : zellen) {
        SCOPED_TRACE(z.Text);
        EXPECT_EQ(Text(z.Text).Y, y);
        EXPECT_EQ(z.Rechts ? RechteKante(z.Text) : Text(z.Text).X, z.Kante);
    }
    EXPECT_EQ(fortschritt.Phasen, std::vector<std::string>{"Ausdruck der Verbrauchswerte  (tabellarisch)"});
    EXPECT_EQ(fortschritt.Maxima, std::vector<int>{1});
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
    EXPECT_EQ(zeilenY[4] - zeilenY[0], 4 * 18);
    EXPECT_EQ(zeilenY[5] - zeilenY[4], 18 + 3);
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
        drucker = TAufzeichnenderDrucker();
        fortschritt = TAufzeichnenderFortschritt();
        DruckVerbrauchsArt = static_cast<uint8_t>(art);
        EXPECT_TRUE(Drucken(Liste(2)));
        EXPECT_EQ(TexteMit("Gefahrene").size(), art != 1 ? 1u : 0u);
        EXPECT_EQ(TexteMit("4,60l").size(), art != 3 ? 1u : 0u);
        EXPECT_EQ(drucker.Seiten(), 1);
        std::vector<std::string> phasen;
        if (art != 1)
            phasen.push_back("Ausdruck der Verbrauchswerte  (tabellarisch)");
        if (art != 3)
            phasen.push_back("Ausdruck der Verbrauchswerte  (graphisch)");
        EXPECT_EQ(fortschritt.Phasen, phasen);
    }
}

TEST_F(VerbrauchsberichtTest, GraphNachDerTabelleNurWennFuenfzehnZeilenPassen)
{
    DruckVerbrauchsArt = 2;
    bool gleicheSeite = false, neueSeite = false;
    for (int n = 325; n <= 350; ++n) {
        SCOPED_TRACE(n);
        drucker = TAufzeichnenderDrucker();
        Drucken(Liste(n, 7, "Januar 2004"));
        const auto zeilen = TexteMit("Januar 2004");
        const TAufzeichnung *letzte = zeilen[static_cast<size_t>(n - 1)];
        if (drucker.SeiteVon(letzte) != 1)
            continue;
        const bool passt = letzte->Y + 18 + 3 * 18 + 15 * 18 <= 6779 - 100;
        const int graphSeite = drucker.SeiteVon(&Text("4,60l"));
        EXPECT_EQ(graphSeite, passt ? 1 : 2);
        (passt ? gleicheSeite : neueSeite) = true;
    }
    EXPECT_TRUE(gleicheSeite);
    EXPECT_TRUE(neueSeite);
}

// ---- the graph ----------------------------------------------------------------------

struct TGraph {
    int G, R, s, u, H;
    TVerbrauchsSkala Skala;
    int Stelle(long double v) const
    {
        return G + (RundeI32(v * 100) / Skala.Schritt - Skala.Unten / Skala.Schritt) * s;
    }
};

TGraph GraphHoch()
{
    TGraph g{};
    const int x0 = 300;
    g.G = x0 + B("September 1999  ");
    g.R = 4760 - W;
    const int ende = g.R - B("1.234,567890L/100Km");
    g.s = (ende - g.G) / 24 / 5;
    g.u = 5 * g.s;
    g.H = RundeI32(18 * 1.5L);
    g.Skala = VerbrauchsSkala(5, 9);
    return g;
}

TEST_F(VerbrauchsberichtTest, BalkenfarbenUmDenBezugswert)
{
    DruckVerbrauchsArt = 1;
    const TGraph g = GraphHoch();
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
        drucker = TAufzeichnenderDrucker();
        DruckFestverbrauchMarkieren = f.Festverbrauch;
        GesamtVerbrauch.Durchschnitt = f.Festverbrauch ? 7 : 7.4L;
        Drucken({Wert(1, f.Wert)});
        const int oben = Text("KM").Y;   // the first band starts at the start's odometer line
        for (int e = 0; e < 4; ++e) {
            const auto r = drucker.Flaeche.Rechtecke(Eintrag(e));
            ASSERT_EQ(r.size(), f.Stuecke[e].size()) << "Eintrag " << e;
            for (size_t i = 0; i < r.size(); ++i) {
                EXPECT_EQ(r[i].X1, f.Stuecke[e][i].first);
                EXPECT_EQ(r[i].X2, f.Stuecke[e][i].second);
                EXPECT_EQ(r[i].Y1, oben + 13);
                EXPECT_EQ(r[i].Y2, oben + 2 * g.H);
            }
        }
    }
}

TEST_F(VerbrauchsberichtTest, SkalaGitterUndDurchschnittslinie)
{
    DruckVerbrauchsArt = 1;
    DruckFestverbrauchMarkieren = false;
    const TGraph g = GraphHoch();
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
    const auto schnitt = Senkrechte(Eintrag(Schnitt));
    ASSERT_EQ(schnitt.size(), 3u);
    for (const auto &l : schnitt)
        EXPECT_EQ(l.X1, g.Stelle(7));
    EXPECT_EQ(TexteMit("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km ").size(), 1u);
    EXPECT_EQ(TexteMit("Eingestellter Festverbrauch : 7,00L/100Km ").size(), 0u);
}

TEST_F(VerbrauchsberichtTest, FestverbrauchAlsLinieOderJenseitsDerSkalaAlsPfeil)
{
    DruckVerbrauchsArt = 1;
    const TGraph g = GraphHoch();
    for (long double fest : {8.0L, 12.0L}) {
        SCOPED_TRACE(static_cast<double>(fest));
        drucker = TAufzeichnenderDrucker();
        Festverbrauch = fest;
        Drucken({Wert(1, 7)});
        const bool ausserhalb = g.Stelle(fest) - g.G > 120 * g.s;
        EXPECT_EQ(ausserhalb, fest > 9.4L);
        const auto linien = drucker.Flaeche.Linien(Eintrag(Fest));
        if (ausserhalb) {
            EXPECT_TRUE(Senkrechte(Eintrag(Fest)).empty());
            ASSERT_EQ(linien.size(), 3u);
            EXPECT_EQ(linien[0].X1, g.G + 5);
            EXPECT_EQ(linien[0].X2, g.G + 95 * g.s);
            for (int i : {1, 2}) {
                EXPECT_EQ(linien[i].X2, g.G + 93 * g.s);
                EXPECT_EQ(std::abs(linien[i].Y2 - linien[0].Y1), 2 * g.s);
            }
        } else {
            // Over the band and in the legend, then left to the text.
            ASSERT_EQ(linien.size(), 3u);
            EXPECT_EQ(linien[0].X1, g.Stelle(fest));
            EXPECT_EQ(linien[1].X1, g.Stelle(fest));
            EXPECT_EQ(linien[2].X2, g.G + 5);
        }
        EXPECT_EQ(TexteMit(Format("Eingestellter Festverbrauch : %4.2nL/100Km ", {fest})).size(), 1u);
    }
}

TEST_F(VerbrauchsberichtTest, ReichweitenNurMitTankinhalt)
{
    DruckVerbrauchsArt = 1;
    const TGraph g = GraphHoch();
    for (long double tank : {50.0L, 0.0L}) {
        SCOPED_TRACE(static_cast<double>(tank));
        drucker = TAufzeichnenderDrucker();
        Tankinhalt = tank;
        Drucken(Liste(2, 8));
        const auto &verbrauch = Text("8,000000L/100Km");
        const int mitte = Text("KM").Y + g.H;
        EXPECT_EQ(RechteKante("8,000000L/100Km"), g.R);
        if (tank > 0) {
            EXPECT_EQ(verbrauch.Y, mitte - 13 / 2);
            EXPECT_EQ(Text("625,00 Km").Y, mitte + 13 / 2);
            EXPECT_EQ(Text("625,00 Km").Schrift.Farbe, Eintrag(Weite));
            EXPECT_EQ(Text("Reichweite bei").Schrift.Farbe, Eintrag(Weite));
            EXPECT_EQ(TexteMit("50,00L Tankinhalt").size(), 1u);
            EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("=> Reichweite : "), 2u);
        } else {
            EXPECT_EQ(verbrauch.Y, mitte);
            EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Reichweite bei"), 0u);
            EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("=> Reichweite"), 0u);
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
    const auto legenden = TexteMit("Durchschnittlicher Gesamtverbrauch : 7,000000L/100Km ");
    const auto skalen = TexteMit("4,60l");
    ASSERT_EQ(legenden.size(), static_cast<size_t>(seiten));
    ASSERT_EQ(skalen.size(), static_cast<size_t>(seiten));
    const int H = RundeI32(18 * 1.5L);
    for (int s = 0; s < seiten; ++s) {
        EXPECT_EQ(drucker.SeiteVon(legenden[static_cast<size_t>(s)]), s + 1);
        EXPECT_EQ(drucker.SeiteVon(skalen[static_cast<size_t>(s)]), s + 1);
        // The legend begins under the page's last band, the first after
        // which five half bands no longer fit.
        if (s + 1 < seiten) {
            const int ende = legenden[static_cast<size_t>(s)]->Y - H;
            EXPECT_GT(ende + 5 * H, 6779 - 100);
            EXPECT_LE(ende - 2 * H + 5 * H, 6779 - 100);
        }
    }
    // Reversed, the odometer lines run from the first value's BisKM over
    // each band's VonKM; every page starts with the line of its first value.
    EXPECT_EQ(Text("KM", 0).Y, Text("10.500").Y);
    EXPECT_EQ(Text("KM", 1).Y, Text("10.000").Y);
    EXPECT_EQ(Text("KM", 1).Y, Text("KM", 0).Y + 2 * H);
    EXPECT_EQ(TexteMit("KM").size(), static_cast<size_t>(n + seiten));
    EXPECT_EQ(fortschritt.Positionen.size(), static_cast<size_t>(n));
    EXPECT_EQ(fortschritt.Positionen.back(), n);
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
        drucker = TAufzeichnenderDrucker();
        fortschritt = TAufzeichnenderFortschritt();
        fortschritt.AbbruchBei = 2;
        DruckVerbrauchsArt = static_cast<uint8_t>(art);
        EXPECT_FALSE(Drucken(Liste(5, 7, "Januar 2004")));
        EXPECT_EQ(fortschritt.Positionen, (std::vector<int>{1, 2}));
        EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Durchschnittlicher"), 0u);
    }
}

}   // namespace
