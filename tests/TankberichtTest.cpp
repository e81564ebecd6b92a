// The fill-up report and the station year list on a recording printer
// (6 pixels per character, 13 high, so a table row is 18 pixels): column
// edges against the measuring rules, separators, clipping, the summary,
// page breaks, which year lists print, and cancelling.

#include "print/Tankbericht.h"
#include "core/Sprilo_Dek.h"

#include "Berichtspruefung.h"

#include <string>
#include <vector>

namespace {

constexpr int Zh = TAufzeichnendeFlaeche::ZeilenHoehe + 5;
constexpr int Kopf = 3 + 13 + 14 + 5 + 50;   // DruckZeile under the header of a portrait page

// Fill-up i: a date of its own, rising odometer.
TTankFuellung Fuellung(int i, int8_t station, long double betrag, long double liter, bool voll = true,
                       long double nachAbschaltung = 0, uint16_t jahr = 2004)
{
    TTankFuellung t;
    t.Datum = {uint8_t(1 + i % 28), uint8_t(1 + (i / 28) % 12), uint16_t(jahr + i / 336)};
    t.KMStand = 10000 + 500 * i;
    t.TankstellenNr = station;
    t.Tankstelle = station >= 0 ? Tankstellen[station] : "Freie Tankstelle";
    t.Betrag = betrag;
    t.Liter = liter;
    t.Vollgetankt = voll;
    t.LiterNachAbschaltung = nachAbschaltung;
    t.LiterPreis = LiterPreisBerechnen(betrag, liter);
    return t;
}

TTankListe Liste(int n)
{
    TTankListe l;
    for (int i = 0; i < n; ++i)
        l.push_back(Fuellung(i, 0, 50, 40));
    return l;
}

class TankberichtTest : public TBerichtsTest {
protected:
    void SetUp() override
    {
        TBerichtsTest::SetUp();
        Tankstellen[0] = "Aral";
        Tankstellen[1] = "Shell";
        AnzahlTankstellen = 2;
        DruckMitAbschaltwerten = true;
        DruckMitZusammenfassung = false;
    }
    // Sets the page up and prints the list.
    bool Drucken(const TTankListe &l)
    {
        EXPECT_TRUE(Seiteneinrichtung(drucker));
        return DruckeTankfuellungen(drucker, fortschritt, l);
    }
    // The rows in drawing order: the date texts.
    std::vector<const TAufzeichnung *> Zeilen(const TTankListe &l) const
    {
        std::vector<const TAufzeichnung *> r;
        for (const auto &t : l)
            r.push_back(drucker.Flaeche.TextMit(DatumText(t.Datum)));
        return r;
    }
    // Lines of the table (the header and footer lines are drawn 5 wide).
    std::vector<TAufzeichnung> Tabellenlinien() const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : drucker.Flaeche.Alle(TAufrufArt::Linie))
            if (a.Stift.Breite == 3)
                r.push_back(a);
        return r;
    }
};

// ---- fill-up report --------------------------------------------------------------

TEST_F(TankberichtTest, SpaltenkantenNachDenMessregeln)
{
    const struct { const char *Name; int Breite, Hoehe, BreiteMM; bool Abschaltwerte; } faelle[] = {
        {"A4 hoch", 4760, 6779, 201, true},
        {"A4 hoch ohne Abschaltwerte", 4760, 6779, 201, false},
        {"A4 quer", 6779, 4760, 287, true}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        DruckMitAbschaltwerten = f.Abschaltwerte;
        Neu(f.Breite, f.Hoehe, f.BreiteMM);
        ASSERT_TRUE(Drucken({Fuellung(0, 0, 61.2, 45.5, true, 2.25), Fuellung(1, -1, 20, 15, false)}));

        const int sb = f.Breite, links = f.Breite < f.Hoehe ? 300 : 0, station = links + B("22.09.1999") + W;
        const int vollMitte = sb - B("123.456,78L") - W - B("NEIN") / 2;
        const int menge = f.Abschaltwerte ? vollMitte - W - B("NEIN") / 2 : sb;
        const int literpreis = menge - B("123.456,78L") - W, preisZahl = literpreis - B(" EUR/l");
        const int betragRechts = literpreis - B("12.34,5 EUR/l") - W, betragLinks = betragRechts - B("EUR 123.456,78");
        const int km = betragLinks - W;
        // Headings, then row 1: 01.01.2004, Aral, 10.000 km, EUR 61,20, 1.34,5 EUR/l, 45,50L.
        EXPECT_EQ((V{Text("Datum").X, Text("Tankstelle").X, RechteKante("KM-Stand"), Text("Betrag").X,
                     Text("Literpreis").X, RechteKante("Menge")}),
                  (V{links, station, km, betragLinks + (B("EUR 123.456,78") - B("Betrag")) / 2,
                     betragRechts + W + (literpreis - betragRechts - W - B("Literpreis")) / 2, menge}));
        EXPECT_EQ((V{Text("01.01.2004").X, Text("Aral").X, RechteKante("10.000"), Text("EUR").X, RechteKante("61,20"),
                     RechteKante("1.34,5"), Text(" EUR/l").X, RechteKante("45,50L")}),
                  (V{links, station, km, betragLinks, betragRechts, preisZahl, preisZahl, menge}));
        EXPECT_EQ(TexteMit("Voll").size() + TexteMit("JA").size(), f.Abschaltwerte ? 2u : 0u);
        // Full: the pump shut off at 45,50 - 2,25 litres.
        if (f.Abschaltwerte) {
            EXPECT_EQ((V{Text("Voll").X, RechteKante("Voll bei"), Text("JA").X, RechteKante("43,25L"),
                         Text("NEIN").X, RechteKante("-----     ")}),
                      (V{vollMitte - B("Voll") / 2, sb, vollMitte - B("JA") / 2, sb, vollMitte - B("NEIN") / 2, sb}));
        }
        // The heading line runs from the table's left edge to the page edge.
        const int y = Text("Datum").Y + Zh;
        EXPECT_EQ(Strecken(Tabellenlinien()), (std::vector<std::array<int, 4>>{{links, y, sb, y}}));
        EXPECT_EQ(Text("01.01.2004").Y, y + 5);
    }
}

TEST_F(TankberichtTest, TrennlinieNachJeFuenfZeilen)
{
    for (bool abschaltwerte : {true, false}) {
        SCOPED_TRACE(abschaltwerte);
        DruckMitAbschaltwerten = abschaltwerte;
        Neu();
        const TTankListe l = Liste(12);
        ASSERT_TRUE(Drucken(l));
        const auto z = Zeilen(l);
        // Heading, before row 6, before row 11; row 6 and 11 3 pixels under them.
        const int y0 = z[0]->Y - 5, y5 = z[4]->Y + Zh, y10 = z[9]->Y + Zh;
        EXPECT_EQ(Strecken(Tabellenlinien()),
                  (std::vector<std::array<int, 4>>{{300, y0, 4760, y0}, {300, y5, 4760, y5}, {300, y10, 4760, y10}}));
        EXPECT_EQ((V{z[4]->Y, z[5]->Y, z[10]->Y}), (V{z[0]->Y + 4 * Zh, y5 + 3, y10 + 3}));
    }
}

TEST_F(TankberichtTest, ZuLangerTankstellennameWirdAbgeschnitten)
{
    // A low resolution, so that the station column holds only a few
    // characters of the fake's font.
    drucker = TAufzeichnenderDrucker(744, 1052, 90, 201);
    const int km = 744 - B("123.456,78L") - W - B("NEIN") - W - B("123.456,78L") - W - B("12.34,5 EUR/l") - W -
                   B("EUR 123.456,78") - W;
    const int station = 45 + B("22.09.1999") + W, breite = km - B("123.456") - W - station - 45;
    TTankListe l = {Fuellung(0, 0, 50, 40), Fuellung(1, 0, 50, 40)};
    l[0].Tankstelle = std::string(size_t(breite / W), 'k');
    l[1].Tankstelle = std::string(size_t(breite / W + 1), 'L');
    ASSERT_TRUE(Drucken(l));
    EXPECT_EQ(Text(l[0].Tankstelle).X, station);
    const TAufzeichnung *lang = drucker.Flaeche.TextMit(l[1].Tankstelle);
    EXPECT_EQ(lang->Art, TAufrufArt::TextImRechteck);
    EXPECT_EQ((V{lang->X, lang->X1, lang->X2, lang->Y1, lang->Y2}),
              (V{station, station, station + breite, lang->Y, lang->Y + Zh}));
}

TEST_F(TankberichtTest, ZusammenfassungMitUndOhneTeilfuellung)
{
    DruckMitZusammenfassung = true;
    const struct {
        const char *Name;
        TTankListe Liste;
        std::vector<std::pair<std::string, std::string>> Zeilen;
    } faelle[] = {
        {"alle voll",
         {Fuellung(0, 0, 50, 40), Fuellung(1, 1, 60.5, 45.25)},
         {{"Anzahl Tankfüllungen :", "2"},
          {"Gesamtbetrag :", "EUR   110,50"},
          {"Gesamte Litermenge :", "85,25L"},
          {"Durchschnittlicher Literpreis :", "1.29,6 EUR/l"}}},
        {"einmal nicht voll",
         {Fuellung(0, 0, 50, 40), Fuellung(1, 1, 60.5, 45.25), Fuellung(2, -1, 1000, 800, false)},
         {{"Anzahl Tankfüllungen :", "3"},
          {"Dabei wurde", "1 mal nicht vollgetankt."},
          {"Gesamtbetrag :", "EUR 1.110,50"},
          {"Gesamte Litermenge :", "885,25L"},
          {"Durchschnittlicher Literpreis :", "1.25,4 EUR/l"}}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        Neu();
        ASSERT_TRUE(Drucken(f.Liste));
        const auto &titel = Text("Zusammenfassung der Tankfüllungen");
        EXPECT_TRUE(titel.Schrift.Unterstrichen);
        EXPECT_EQ((V{titel.X, titel.Y}),
                  (V{(4760 - B(titel.Text)) / 2, Text(DatumText(f.Liste.back().Datum)).Y + Zh + 3 * Zh}));
        EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Dabei wurde"), f.Zeilen.size() == 5 ? 1u : 0u);
        int y = titel.Y + Zh + 5;
        for (const auto &[name, wert] : f.Zeilen) {
            EXPECT_EQ((V{RechteKante(name), Text(name).Y, Text(wert).X, Text(wert).Y}),
                      (V{4760 / 2, y, 4760 / 2 + 10, y}))
                << name;
            y += Zh;
        }
    }
    DruckMitZusammenfassung = false;
    Neu();
    ASSERT_TRUE(Drucken(Liste(2)));
    EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Zusammenfassung"), 0u);
}

TEST_F(TankberichtTest, ZusammenfassungBeginntNeueSeiteWennSieNichtPasst)
{
    DruckMitZusammenfassung = true;
    // A short portrait page: about 44 rows fit.
    int neueSeiten = 0;
    for (int n = 36; n <= 50; ++n) {
        SCOPED_TRACE(n);
        Neu(1000, 1100);
        const TTankListe l = Liste(n);
        ASSERT_TRUE(Drucken(l));
        const auto &letzte = Text(DatumText(l.back().Datum));
        const auto &titel = Text("Zusammenfassung der Tankfüllungen");
        const bool passt = letzte.Y + Zh + 3 * Zh + 7 * Zh <= 1100 - 100;
        EXPECT_EQ(drucker.SeiteVon(&titel), drucker.SeiteVon(&letzte) + (passt ? 0 : 1));
        neueSeiten += passt ? 0 : 1;
        // A header but no column headings.
        if (!passt) {
            EXPECT_EQ((V{titel.Y, int(drucker.Flaeche.TexteMitAnfang("Datum"))}), (V{Kopf, drucker.Seiten() - 1}));
        }
    }
    EXPECT_GT(neueSeiten, 0);
    EXPECT_LT(neueSeiten, 15);
}

TEST_F(TankberichtTest, LangeListeBrichtNachDerRegelUm)
{
    Neu(1400, 1500);
    const TTankListe l = Liste(150);
    ASSERT_TRUE(Drucken(l));
    const auto zeilen = Zeilen(l);
    ASSERT_GE(drucker.Seiten(), 3);
    EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Datum"), size_t(drucker.Seiten()));
    EXPECT_EQ(fortschritt.SeitenTexte.back(), "Ausdruck der Seite :  -" + std::to_string(drucker.Seiten()) + "-");
    for (size_t i = 1; i < zeilen.size(); ++i) {
        // The last row of a page is the first after which three more rows
        // would come closer than 100 pixels to the bottom.
        const bool neu = drucker.SeiteVon(zeilen[i]) != drucker.SeiteVon(zeilen[i - 1]);
        ASSERT_EQ(zeilen[i - 1]->Y + Zh + 3 * Zh > 1500 - 100, neu) << i;
        // The next page begins with the headings, its rows counted anew.
        if (neu) {
            EXPECT_EQ((V{zeilen[i]->Y, zeilen.at(i + 5)->Y}), (V{Kopf + Zh + 5, Kopf + Zh + 5 + 5 * Zh + 3})) << i;
        }
    }
}

TEST_F(TankberichtTest, AbbruchNachDemDrittenEintrag)
{
    DruckMitZusammenfassung = true;
    fortschritt.AbbruchBei = 3;
    const TTankListe l = Liste(10);
    EXPECT_FALSE(Drucken(l));
    Fortschritt({"Ausdruck der Tankfüllungen"}, {10}, {1, 2, 3});
    EXPECT_EQ((V{int(TexteMit(DatumText(l[2].Datum)).size()), int(TexteMit(DatumText(l[3].Datum)).size()),
                 int(drucker.Flaeche.TexteMitAnfang("Zusammenfassung"))}),
              (V{1, 0, 0}));
}

// ---- station year list -------------------------------------------------------------

class JahreslisteTest : public TankberichtTest {
protected:
    void SetUp() override
    {
        TankberichtTest::SetUp();
        // 2003: Aral twice; 2004: Aral, Shell, a station not in the list;
        // 2005: Shell.
        Fuellungen = {Fuellung(0, 0, 40, 30, true, 0, 2003),   Fuellung(1, 0, 45.5, 35, true, 0, 2003),
                      Fuellung(0, 0, 50, 40, true, 0, 2004),   Fuellung(1, 1, 60.5, 45.25, true, 0, 2004),
                      Fuellung(2, -1, 30, 20, true, 0, 2004), Fuellung(0, 1, 70, 50, true, 0, 2005)};
        DruckTS_Auswahl = 2;
        DruckTS_VonJahr = 2003;
        DruckTS_BisJahr = 2005;
        DruckTS_Einzeln = true;
        DruckTS_Summe = true;
    }
    VS Titel() const
    {
        VS r;
        for (const auto &t : drucker.Flaeche.Texte())
            if (t.rfind("Die Jahres-Tankstellenliste ", 0) == 0)
                r.push_back(t);
        return r;
    }
    // Builds the lists quietly and prints them.
    VS Drucken()
    {
        EXPECT_TRUE(Seiteneinrichtung(drucker));
        TStillerFortschritt still;
        EXPECT_TRUE(DruckeTankstellenJahresliste(drucker, still, TankstellenJahreBilden(still)));
        return Titel();
    }
};

TEST_F(JahreslisteTest, ZeilenJeTankstelleUndSumme)
{
    DruckTS_Auswahl = 1;
    DruckTS_Jahr = 2004;
    const auto jahre = TankstellenJahreBilden(fortschritt);
    ASSERT_EQ(jahre.size(), 1u);
    EXPECT_EQ((V{jahre[0].ListenJahr, jahre[0].BenutzteZeilen}), (V{2004, 3}));
    const struct { int Zeile; const char *Name; int Tankungen; long double Betrag, Liter; } zeilen[] = {
        {0, "Aral", 1, 50, 40}, {1, "Shell", 1, 60.5, 45.25}, {2, "", 0, 0, 0}, {9, "", 0, 0, 0},
        {10, "Sonstige Tankstellen", 1, 30, 20}, {11, "Summe aller Tankstellen", 3, 140.5, 105.25}};
    for (const auto &z : zeilen) {
        const TTankstellenZeile &r = jahre[0].Zeilen[size_t(z.Zeile)];
        EXPECT_EQ(r.ZeilenName, z.Name);
        EXPECT_TRUE(r.Tankungen == z.Tankungen && r.BetragSumme == z.Betrag && r.LiterSumme == z.Liter &&
                    r.Benutzt == (z.Tankungen > 0))
            << z.Zeile;
    }
    Fortschritt({"Erstellen der Tankstellen-Jahresliste"}, {6}, {1, 2, 3, 4, 5, 6});

    // Printed: the used rows, a line, the sum row, each in its column.
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    ASSERT_TRUE(DruckeTankstellenJahresliste(drucker, fortschritt, jahre));
    const int preis = 4760 - W, liter = preis - W - B("Durchschnitts-"),
              betragRechts = liter - W - B("123.456,78L"), betragLinks = betragRechts - B("EUR 123.456,78"),
              anzahl = betragLinks - W;
    EXPECT_EQ(Titel(), VS{"Die Jahres-Tankstellenliste des Jahres 2004."});
    const auto &titel = Text("Die Jahres-Tankstellenliste des Jahres 2004.");
    const int kopf = titel.Y + 27;   // Round(1,5 x 18)
    EXPECT_EQ((V{titel.X, titel.Schrift.Groesse, Text("Name der").Y, Text("Tankstelle").Y}),
              (V{300, 10, kopf, kopf + Zh}));
    EXPECT_EQ((V{RechteKante("Tankfüllungen"), Text("Summe").X, RechteKante("getankte"), Text("Liter").X,
                 RechteKante("Durchschnitts-")}),
              (V{anzahl, betragLinks + (B("EUR 123.456,78") - B("Summe")) / 2, liter,
                 liter - B("getankte") + (B("getankte") - B("Liter")) / 2, preis}));
    const int erste = kopf + 2 * Zh + 11;
    const struct { const char *Name, *Anzahl, *Betrag, *Liter, *Preis; int Y; } gedruckt[] = {
        {"Aral", "1", "50,00", "     40,00L", "1.25,0 EUR/l", erste},
        {"Shell", "1", "60,50", "     45,25L", "1.33,7 EUR/l", erste + Zh},
        {"Sonstige Tankstellen", "1", "30,00", "     20,00L", "1.50,0 EUR/l", erste + 2 * Zh},
        {"Summe aller Tankstellen", "3", "140,50", "    105,25L", "1.33,5 EUR/l", erste + 3 * Zh + 6}};
    for (const auto &g : gedruckt) {
        EXPECT_EQ((V{Text(g.Name).X, Text(g.Name).Y}), (V{300, g.Y})) << g.Name;
        EXPECT_TRUE(TextAn(g.Anzahl, g.Y, anzahl) && TextAn(g.Betrag, g.Y, betragRechts) &&
                    TextAn(g.Liter, g.Y, liter) && TextAn(g.Preis, g.Y, preis))
            << g.Name;
    }
    EXPECT_EQ(Strecken(Tabellenlinien()),
              (std::vector<std::array<int, 4>>{{300, kopf + 2 * Zh + 2, preis, kopf + 2 * Zh + 2},
                                               {300, erste + 3 * Zh + 2, preis, erste + 3 * Zh + 2}}));
}

TEST_F(JahreslisteTest, WelcheListenGedrucktWerden)
{
    const std::string jahr = "Die Jahres-Tankstellenliste des Jahres ";
    const struct { uint16_t Von, Bis; bool Einzeln, Summe; VS Titel; } faelle[] = {
        {2003, 2005, true, true,
         {jahr + "2003.", jahr + "2004.", jahr + "2005.", "Die Jahres-Tankstellenliste der Jahre 2003 bis 2005."}},
        {2003, 2005, true, false, {jahr + "2003.", jahr + "2004.", jahr + "2005."}},
        {2004, 2005, false, true, {"Die Jahres-Tankstellenliste der Jahre 2004 bis 2005."}},
        {2004, 2004, false, true, {jahr + "2004."}},   // the sum of one year
    };
    for (const auto &f : faelle) {
        DruckTS_VonJahr = f.Von;
        DruckTS_BisJahr = f.Bis;
        DruckTS_Einzeln = f.Einzeln;
        DruckTS_Summe = f.Summe;
        Neu();
        EXPECT_EQ(Drucken(), f.Titel);
    }

    // The sum record adds up the years.
    DruckTS_VonJahr = 2003;
    DruckTS_BisJahr = 2005;
    const auto jahre = TankstellenJahreBilden(fortschritt);
    ASSERT_EQ(jahre.size(), 4u);
    EXPECT_EQ((V{jahre[3].ListenJahr, jahre[3].BenutzteZeilen}), (V{0, 3}));
    const int tankungen[] = {3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1, 6};
    for (size_t z = 0; z < 12; ++z) {
        const auto &summe = jahre[3].Zeilen[z];
        EXPECT_EQ((V{summe.Tankungen, summe.Benutzt}), (V{tankungen[z], tankungen[z] > 0})) << z;
        EXPECT_EQ(summe.BetragSumme,
                  jahre[0].Zeilen[z].BetragSumme + jahre[1].Zeilen[z].BetragSumme + jahre[2].Zeilen[z].BetragSumme);
    }
}

TEST_F(JahreslisteTest, JahreInDerReihenfolgeIhresErstenAuftretens)
{
    // Out of date order (only a list with a logical error has that): still
    // one record per year.
    Fuellungen = {Fuellung(0, 0, 10, 10, true, 0, 2005), Fuellung(1, 0, 10, 10, true, 0, 2003),
                  Fuellung(2, 1, 10, 10, true, 0, 2005), Fuellung(3, 0, 10, 10, true, 0, 2002)};
    DruckTS_Summe = false;
    const auto jahre = TankstellenJahreBilden(fortschritt);
    ASSERT_EQ(jahre.size(), 2u);
    EXPECT_EQ((V{jahre[0].ListenJahr, jahre[0].Zeilen[SummenZeile].Tankungen, jahre[1].ListenJahr}),
              (V{2005, 2, 2003}));
    DruckTS_Auswahl = 1;
    DruckTS_Jahr = 2001;
    EXPECT_TRUE(TankstellenJahreBilden(fortschritt).empty());
}

TEST_F(JahreslisteTest, NeueSeiteWennDieNaechsteListeNichtPasst)
{
    // Twelve years; year i uses i % 3 + 1 rows, the sum record all three.
    Fuellungen.clear();
    const int8_t stationen[] = {0, 1, -1};
    for (int i = 0; i < 12; ++i)
        for (int k = 0; k <= i % 3; ++k)
            Fuellungen.push_back(Fuellung(i, stationen[k], 10, 10, true, 0, uint16_t(2000 + i)));
    DruckTS_VonJahr = 2000;
    DruckTS_BisJahr = 2011;
    int neueSeiten = 0, gleicheSeiten = 0;
    // Page heights across the whole range where the rule decides.
    for (int hoehe = 950; hoehe <= 1250; ++hoehe) {
        Neu(900, hoehe);
        const auto titel = Drucken();
        ASSERT_EQ(titel.size(), 13u);
        const auto summen = TexteMit("Summe aller Tankstellen");
        for (size_t i = 1; i < titel.size(); ++i) {
            const auto &t = Text(titel[i]);
            const int danach = summen[i - 1]->Y + Zh + 3 * Zh;   // DruckZeile after the list before
            const int benutzt = i == 12 ? 3 : int(i % 3) + 1;
            const bool passt = danach + 81 + benutzt * Zh + 12 <= hoehe - 100;   // 81 = Round(4,5 x 18)
            (passt ? gleicheSeiten : neueSeiten)++;
            ASSERT_EQ((V{drucker.SeiteVon(&t), t.Y}),
                      (V{drucker.SeiteVon(summen[i - 1]) + (passt ? 0 : 1), passt ? danach : Kopf}))
                << hoehe << " " << titel[i];
        }
    }
    EXPECT_GT(neueSeiten, 0);
    EXPECT_GT(gleicheSeiten, 0);
}

TEST_F(JahreslisteTest, AbbruchBeimBildenUndDrucken)
{
    fortschritt.AbbruchBei = 2;
    EXPECT_TRUE(TankstellenJahreBilden(fortschritt).empty());
    EXPECT_EQ(fortschritt.Positionen, (V{1, 2}));

    TStillerFortschritt still;
    const auto jahre = TankstellenJahreBilden(still);
    fortschritt = TAufzeichnenderFortschritt();
    fortschritt.AbbruchBei = 1;
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    EXPECT_FALSE(DruckeTankstellenJahresliste(drucker, fortschritt, jahre));
    Fortschritt({"Ausdruck der Jahres-Tankstellenliste"}, {4}, {1});
    EXPECT_EQ(Titel(), VS{"Die Jahres-Tankstellenliste des Jahres 2003."});
}

} // namespace
