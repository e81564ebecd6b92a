// The fill-up report and the station year list on a recording printer
// (6 pixels per character, 13 high, so a table row is 18 pixels): column
// edges against the measuring rules, separators, clipping, the summary,
// page breaks, which year lists print, and cancelling.

#include "print/Tankbericht.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"
#include "core/Zustand.h"

#include "AufzeichnenderDrucker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int Zh = TAufzeichnendeFlaeche::ZeilenHoehe + 5;
constexpr int W = TAufzeichnendeFlaeche::ZeichenBreite;   // the width of "W"

int B(const std::string &text)
{
    return TAufzeichnendeFlaeche::ZeichenBreite * static_cast<int>(TAufzeichnendeFlaeche::Zeichen(text));
}
int Ende(const TAufzeichnung *a) { return a->X + B(a->Text); }

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

class TankberichtTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GlobalenZustandZuruecksetzen();
        Tankstellen[0] = "Aral";
        Tankstellen[1] = "Shell";
        AnzahlTankstellen = 2;
        DruckMitAbschaltwerten = true;
        DruckMitZusammenfassung = false;
    }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }

    // Sets the page up and prints the list.
    bool Drucken(TAufzeichnenderDrucker &d, const TTankListe &l)
    {
        EXPECT_TRUE(Seiteneinrichtung(d));
        return DruckeTankfuellungen(d, m_fortschritt, l);
    }
    // The rows in drawing order: the date texts.
    static std::vector<const TAufzeichnung *> Zeilen(const TAufzeichnenderDrucker &d, const TTankListe &l)
    {
        std::vector<const TAufzeichnung *> r;
        for (const auto &t : l)
            r.push_back(d.Flaeche.TextMit(DatumText(t.Datum)));
        return r;
    }
    // Lines of the table (the header and footer lines are drawn 5 wide).
    static std::vector<TAufzeichnung> Tabellenlinien(const TAufzeichnenderDrucker &d)
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : d.Flaeche.Alle(TAufrufArt::Linie))
            if (a.Stift.Breite == 3)
                r.push_back(a);
        return r;
    }

    TAufzeichnenderFortschritt m_fortschritt;
};

// ---- fill-up report --------------------------------------------------------------

TEST_F(TankberichtTest, SpaltenkantenNachDenMessregeln)
{
    const struct {
        const char *Name;
        int Breite, Hoehe, BreiteMM;
        bool Abschaltwerte;
    } faelle[] = {{"A4 hoch", 4760, 6779, 201, true},
                  {"A4 hoch ohne Abschaltwerte", 4760, 6779, 201, false},
                  {"A4 quer", 6779, 4760, 287, true}};
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        DruckMitAbschaltwerten = f.Abschaltwerte;
        TAufzeichnenderDrucker d(f.Breite, f.Hoehe, 600, f.BreiteMM);
        const TTankListe l = {Fuellung(0, 0, 61.2, 45.5, true, 2.25), Fuellung(1, -1, 20, 15, false)};
        ASSERT_TRUE(Drucken(d, l));

        const int sb = f.Breite, links = f.Breite < f.Hoehe ? 300 : 0;
        const int vollMitte = sb - B("123.456,78L") - W - B("NEIN") / 2;
        const int menge = f.Abschaltwerte ? vollMitte - W - B("NEIN") / 2 : sb;
        const int literpreis = menge - B("123.456,78L") - W;
        const int preisZahl = literpreis - B(" EUR/l");
        const int betragRechts = literpreis - B("12.34,5 EUR/l") - W;
        const int betragLinks = betragRechts - B("EUR 123.456,78");
        const int km = betragLinks - W;
        const auto &a = d.Flaeche;
        auto x = [&](const std::string &t) { return a.TextMit(t)->X; };
        auto ende = [&](const std::string &t) { return Ende(a.TextMit(t)); };

        EXPECT_EQ(x("Datum"), links);
        EXPECT_EQ(x("Tankstelle"), links + B("22.09.1999") + W);
        EXPECT_EQ(ende("KM-Stand"), km);
        EXPECT_EQ(x("Betrag"), betragLinks + (B("EUR 123.456,78") - B("Betrag")) / 2);
        EXPECT_EQ(x("Literpreis"), betragRechts + W + (literpreis - betragRechts - W - B("Literpreis")) / 2);
        EXPECT_EQ(ende("Menge"), menge);
        EXPECT_EQ(a.TextMit("Voll") != nullptr, f.Abschaltwerte);
        EXPECT_EQ(a.TextMit("JA") != nullptr, f.Abschaltwerte);

        // Row 1: 01.01.2004, Aral, 10.000 km, EUR 61,20, 1.34,5 EUR/l, 45,50L.
        EXPECT_EQ(x("01.01.2004"), links);
        EXPECT_EQ(x("Aral"), links + B("22.09.1999") + W);
        EXPECT_EQ(ende("10.000"), km);
        EXPECT_EQ(a.TextMit("EUR")->X, betragLinks);
        EXPECT_EQ(ende("61,20"), betragRechts);
        EXPECT_EQ(ende("1.34,5"), preisZahl);
        EXPECT_EQ(x(" EUR/l"), preisZahl);
        EXPECT_EQ(ende("45,50L"), menge);
        if (f.Abschaltwerte) {
            EXPECT_EQ(x("Voll"), vollMitte - B("Voll") / 2);
            EXPECT_EQ(ende("Voll bei"), sb);
            // Full: the pump shut off at 45,50 - 2,25 litres.
            EXPECT_EQ(x("JA"), vollMitte - B("JA") / 2);
            EXPECT_EQ(ende("43,25L"), sb);
            EXPECT_EQ(x("NEIN"), vollMitte - B("NEIN") / 2);
            EXPECT_EQ(ende("-----     "), sb);
        }
        // The heading line runs from the table's left edge to the page edge.
        const auto linien = Tabellenlinien(d);
        ASSERT_EQ(linien.size(), 1u);
        EXPECT_EQ(linien[0].X1, links);
        EXPECT_EQ(linien[0].X2, sb);
        EXPECT_EQ(linien[0].Y1, a.TextMit("Datum")->Y + Zh);
        EXPECT_EQ(a.TextMit("01.01.2004")->Y, linien[0].Y1 + 5);
    }
}

TEST_F(TankberichtTest, TrennlinieNachJeFuenfZeilen)
{
    for (bool abschaltwerte : {true, false}) {
        SCOPED_TRACE(abschaltwerte);
        DruckMitAbschaltwerten = abschaltwerte;
        TAufzeichnenderDrucker d;
        const TTankListe l = Liste(12);
        ASSERT_TRUE(Drucken(d, l));
        const auto zeilen = Zeilen(d, l);
        const auto linien = Tabellenlinien(d);
        ASSERT_EQ(linien.size(), 3u);   // heading, before row 6, before row 11
        EXPECT_EQ(zeilen[0]->Y, linien[0].Y1 + 5);
        for (int i : {1, 2}) {
            const int vorher = 5 * i - 1;   // rows 5 and 10
            EXPECT_EQ(linien[size_t(i)].Y1, zeilen[size_t(vorher)]->Y + Zh);
            EXPECT_EQ(zeilen[size_t(vorher) + 1]->Y, linien[size_t(i)].Y1 + 3);
            EXPECT_EQ(linien[size_t(i)].X1, 300);
            EXPECT_EQ(linien[size_t(i)].X2, 4760);
        }
        EXPECT_EQ(zeilen[4]->Y, zeilen[0]->Y + 4 * Zh);
    }
}

TEST_F(TankberichtTest, ZuLangerTankstellennameWirdAbgeschnitten)
{
    // A low resolution, so that the station column holds only a few
    // characters of the fake's font.
    TAufzeichnenderDrucker d(744, 1052, 90, 201);
    ASSERT_TRUE(Seiteneinrichtung(d));
    const int links = 45;
    const int km = 744 - B("123.456,78L") - W - B("NEIN") - W - B("123.456,78L") - W - B("12.34,5 EUR/l") - W -
                   B("EUR 123.456,78") - W;
    const int station = links + B("22.09.1999") + W;
    const int breite = km - B("123.456") - W - station - links;
    const int passt = breite / W;
    TTankListe l = {Fuellung(0, 0, 50, 40), Fuellung(1, 0, 50, 40)};
    l[0].Tankstelle = std::string(size_t(passt), 'k');
    l[1].Tankstelle = std::string(size_t(passt + 1), 'L');
    ASSERT_TRUE(DruckeTankfuellungen(d, m_fortschritt, l));

    const TAufzeichnung *kurz = d.Flaeche.TextMit(l[0].Tankstelle);
    const TAufzeichnung *lang = d.Flaeche.TextMit(l[1].Tankstelle);
    EXPECT_EQ(kurz->Art, TAufrufArt::Text);
    EXPECT_EQ(kurz->X, station);
    EXPECT_EQ(lang->Art, TAufrufArt::TextImRechteck);
    EXPECT_EQ(lang->X, station);
    EXPECT_EQ(lang->X1, station);
    EXPECT_EQ(lang->X2, station + breite);
    EXPECT_EQ(lang->Y1, lang->Y);
    EXPECT_EQ(lang->Y2, lang->Y + Zh);
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
        {"zwei nicht voll",
         {Fuellung(0, 0, 50, 40, false), Fuellung(1, 1, 60.5, 45.25), Fuellung(2, -1, 1000, 800, false)},
         {{"Anzahl Tankfüllungen :", "3"},
          {"Dabei wurde", "2 mal nicht vollgetankt."},
          {"Gesamtbetrag :", "EUR 1.110,50"},
          {"Gesamte Litermenge :", "885,25L"},
          {"Durchschnittlicher Literpreis :", "1.25,4 EUR/l"}}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        TAufzeichnenderDrucker d;
        ASSERT_TRUE(Drucken(d, f.Liste));
        const auto &a = d.Flaeche;
        const TAufzeichnung *titel = a.TextMit("Zusammenfassung der Tankfüllungen");
        ASSERT_NE(titel, nullptr);
        EXPECT_TRUE(titel->Schrift.Unterstrichen);
        EXPECT_EQ(titel->X, (4760 - B(titel->Text)) / 2);
        const TAufzeichnung *letzte = a.TextMit(DatumText(f.Liste.back().Datum));
        EXPECT_EQ(titel->Y, letzte->Y + Zh + 3 * Zh);
        EXPECT_EQ(a.TexteMitAnfang("Dabei wurde"), f.Zeilen.size() == 5 ? 1u : 0u);
        int y = titel->Y + Zh + 5;
        for (const auto &[name, wert] : f.Zeilen) {
            SCOPED_TRACE(name);
            const TAufzeichnung *n = a.TextMit(name), *w = a.TextMit(wert);
            ASSERT_NE(n, nullptr);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(Ende(n), 4760 / 2);
            EXPECT_EQ(w->X, 4760 / 2 + 10);
            EXPECT_EQ(n->Y, y);
            EXPECT_EQ(w->Y, y);
            y += Zh;
        }
    }
    DruckMitZusammenfassung = false;
    TAufzeichnenderDrucker d;
    ASSERT_TRUE(Drucken(d, Liste(2)));
    EXPECT_EQ(d.Flaeche.TexteMitAnfang("Zusammenfassung"), 0u);
}

TEST_F(TankberichtTest, ZusammenfassungBeginntNeueSeiteWennSieNichtPasst)
{
    DruckMitZusammenfassung = true;
    // A short portrait page: about 44 rows fit.
    const int hoehe = 1100;
    int neueSeiten = 0;
    for (int n = 36; n <= 50; ++n) {
        SCOPED_TRACE(n);
        TAufzeichnenderDrucker d(1000, hoehe, 600, 201);
        const TTankListe l = Liste(n);
        ASSERT_TRUE(Drucken(d, l));
        const TAufzeichnung *letzte = d.Flaeche.TextMit(DatumText(l.back().Datum));
        const TAufzeichnung *titel = d.Flaeche.TextMit("Zusammenfassung der Tankfüllungen");
        const bool passt = letzte->Y + Zh + 3 * Zh + 7 * Zh <= hoehe - 100;
        EXPECT_EQ(d.SeiteVon(titel), d.SeiteVon(letzte) + (passt ? 0 : 1));
        if (!passt) {
            ++neueSeiten;
            // A header but no column headings.
            EXPECT_EQ(d.Flaeche.TexteMitAnfang("Datum"), size_t(d.Seiten() - 1));
            EXPECT_EQ(titel->Y, 3 + 13 + 14 + 5 + 50);
        }
    }
    EXPECT_GT(neueSeiten, 0);
    EXPECT_LT(neueSeiten, 15);
}

TEST_F(TankberichtTest, LangeListeBrichtNachDerRegelUm)
{
    const int hoehe = 1500;
    TAufzeichnenderDrucker d(1400, hoehe, 600, 201);
    const TTankListe l = Liste(150);
    ASSERT_TRUE(Drucken(d, l));
    const auto zeilen = Zeilen(d, l);
    ASSERT_GE(d.Seiten(), 3);
    EXPECT_EQ(d.Flaeche.TexteMitAnfang("Datum"), size_t(d.Seiten()));
    EXPECT_EQ(m_fortschritt.SeitenTexte.back(), "Ausdruck der Seite :  -" + std::to_string(d.Seiten()) + "-");
    const int kopf = 3 + 13 + 14 + 5 + 50;   // DruckZeile under the header
    for (size_t i = 1; i < zeilen.size(); ++i) {
        if (d.SeiteVon(zeilen[i]) == d.SeiteVon(zeilen[i - 1])) {
            EXPECT_LE(zeilen[i - 1]->Y + Zh + 3 * Zh, hoehe - 100) << "Zeile " << i;
            continue;
        }
        SCOPED_TRACE(i);
        // The last row of a page is the first after which three more rows
        // would come closer than 100 pixels to the bottom.
        EXPECT_GT(zeilen[i - 1]->Y + Zh + 3 * Zh, hoehe - 100);
        // The next page begins with the headings, its rows counted anew.
        EXPECT_EQ(zeilen[i]->Y, kopf + Zh + 5);
        ASSERT_LT(i + 5, zeilen.size());
        EXPECT_EQ(zeilen[i + 5]->Y, kopf + Zh + 5 + 5 * Zh + 3);
    }
}

TEST_F(TankberichtTest, AbbruchNachDemDrittenEintrag)
{
    DruckMitZusammenfassung = true;
    m_fortschritt.AbbruchBei = 3;
    TAufzeichnenderDrucker d;
    const TTankListe l = Liste(10);
    EXPECT_FALSE(Drucken(d, l));
    EXPECT_EQ(m_fortschritt.Phasen, std::vector<std::string>{"Ausdruck der Tankfüllungen"});
    EXPECT_EQ(m_fortschritt.Maxima, std::vector<int>{10});
    EXPECT_EQ(m_fortschritt.Positionen, (std::vector<int>{1, 2, 3}));
    EXPECT_NE(d.Flaeche.TextMit(DatumText(l[2].Datum)), nullptr);
    EXPECT_EQ(d.Flaeche.TextMit(DatumText(l[3].Datum)), nullptr);
    EXPECT_EQ(d.Flaeche.TexteMitAnfang("Zusammenfassung"), 0u);
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
    std::vector<std::string> Titel(const TAufzeichnenderDrucker &d) const
    {
        std::vector<std::string> r;
        for (const auto &t : d.Flaeche.Texte())
            if (t.rfind("Die Jahres-Tankstellenliste ", 0) == 0)
                r.push_back(t);
        return r;
    }
    std::vector<std::string> Drucken(TAufzeichnenderDrucker &d)
    {
        EXPECT_TRUE(Seiteneinrichtung(d));
        TStillerFortschritt still;
        EXPECT_TRUE(DruckeTankstellenJahresliste(d, still, TankstellenJahreBilden(still)));
        return Titel(d);
    }
};

TEST_F(JahreslisteTest, ZeilenJeTankstelleUndSumme)
{
    DruckTS_Auswahl = 1;
    DruckTS_Jahr = 2004;
    const auto jahre = TankstellenJahreBilden(m_fortschritt);
    ASSERT_EQ(jahre.size(), 1u);
    const TTankstellenJahr &j = jahre[0];
    EXPECT_EQ(j.ListenJahr, 2004);
    EXPECT_EQ(j.BenutzteZeilen, 3);
    const struct {
        int Zeile;
        const char *Name;
        int Tankungen;
        long double Betrag, Liter;
        bool Benutzt;
    } zeilen[] = {{0, "Aral", 1, 50, 40, true},
                  {1, "Shell", 1, 60.5, 45.25, true},
                  {2, "", 0, 0, 0, false},
                  {9, "", 0, 0, 0, false},
                  {10, "Sonstige Tankstellen", 1, 30, 20, true},
                  {11, "Summe aller Tankstellen", 3, 140.5, 105.25, true}};
    for (const auto &z : zeilen) {
        SCOPED_TRACE(z.Name);
        const TTankstellenZeile &r = j.Zeilen[size_t(z.Zeile)];
        EXPECT_EQ(r.ZeilenName, z.Name);
        EXPECT_EQ(r.Tankungen, z.Tankungen);
        EXPECT_EQ(r.BetragSumme, z.Betrag);
        EXPECT_EQ(r.LiterSumme, z.Liter);
        EXPECT_EQ(r.Benutzt, z.Benutzt);
    }
    EXPECT_EQ(m_fortschritt.Phasen, std::vector<std::string>{"Erstellen der Tankstellen-Jahresliste"});
    EXPECT_EQ(m_fortschritt.Maxima, std::vector<int>{6});
    EXPECT_EQ(m_fortschritt.Positionen, (std::vector<int>{1, 2, 3, 4, 5, 6}));

    // Printed: the used rows, a line, the sum row, each in its column.
    TAufzeichnenderDrucker d;
    ASSERT_TRUE(Seiteneinrichtung(d));
    ASSERT_TRUE(DruckeTankstellenJahresliste(d, m_fortschritt, jahre));
    const auto &a = d.Flaeche;
    const int preis = 4760 - W, liter = preis - W - B("Durchschnitts-"),
              betragRechts = liter - W - B("123.456,78L"), betragLinks = betragRechts - B("EUR 123.456,78"),
              anzahl = betragLinks - W;
    EXPECT_EQ(Titel(d), std::vector<std::string>{"Die Jahres-Tankstellenliste des Jahres 2004."});
    const TAufzeichnung *titel = a.TextMit("Die Jahres-Tankstellenliste des Jahres 2004.");
    EXPECT_EQ(titel->X, 300);
    EXPECT_EQ(titel->Schrift.Groesse, 10);
    const int kopf = titel->Y + 27;   // Round(1,5 x 18)
    EXPECT_EQ(a.TextMit("Name der")->Y, kopf);
    EXPECT_EQ(a.TextMit("Tankstelle")->Y, kopf + Zh);
    EXPECT_EQ(Ende(a.TextMit("Tankfüllungen")), anzahl);
    EXPECT_EQ(a.TextMit("Summe")->X, betragLinks + (B("EUR 123.456,78") - B("Summe")) / 2);
    EXPECT_EQ(Ende(a.TextMit("getankte")), liter);
    EXPECT_EQ(a.TextMit("Liter")->X, liter - B("getankte") + (B("getankte") - B("Liter")) / 2);
    EXPECT_EQ(Ende(a.TextMit("Durchschnitts-")), preis);
    const int erste = kopf + 2 * Zh + 11;
    const struct {
        const char *Name, *Anzahl, *Betrag, *Liter, *Preis;
        int Y;
    } gedruckt[] = {{"Aral", "1", "50,00", "     40,00L", "1.25,0 EUR/l", erste},
                    {"Shell", "1", "60,50", "     45,25L", "1.33,7 EUR/l", erste + Zh},
                    {"Sonstige Tankstellen", "1", "30,00", "     20,00L", "1.50,0 EUR/l", erste + 2 * Zh},
                    {"Summe aller Tankstellen", "3", "140,50", "    105,25L", "1.33,5 EUR/l", erste + 3 * Zh + 6}};
    for (const auto &g : gedruckt) {
        SCOPED_TRACE(g.Name);
        const TAufzeichnung *name = a.TextMit(g.Name);
        EXPECT_EQ(name->X, 300);
        EXPECT_EQ(name->Y, g.Y);
        for (const auto &[text, kante] : {std::pair{g.Anzahl, anzahl}, std::pair{g.Betrag, betragRechts},
                                          std::pair{g.Liter, liter}, std::pair{g.Preis, preis}}) {
            SCOPED_TRACE(text);
            const TAufzeichnung *wert = nullptr;
            for (const auto &r : a.Aufrufe)
                if (r.Text == text && r.Y == g.Y)
                    wert = &r;
            ASSERT_NE(wert, nullptr);
            EXPECT_EQ(Ende(wert), kante);
        }
    }
    const auto linien = Tabellenlinien(d);
    ASSERT_EQ(linien.size(), 2u);
    EXPECT_EQ(linien[0].Y1, kopf + 2 * Zh + 2);
    EXPECT_EQ(linien[1].Y1, erste + 3 * Zh + 2);
    EXPECT_EQ(linien[1].X1, 300);
    EXPECT_EQ(linien[1].X2, preis);
}

TEST_F(JahreslisteTest, WelcheListenGedrucktWerden)
{
    const std::string jahr = "Die Jahres-Tankstellenliste des Jahres ";
    const struct {
        const char *Name;
        uint16_t Von, Bis;
        bool Einzeln, Summe;
        std::vector<std::string> Titel;
    } faelle[] = {
        {"einzeln und Summe", 2003, 2005, true, true,
         {jahr + "2003.", jahr + "2004.", jahr + "2005.", "Die Jahres-Tankstellenliste der Jahre 2003 bis 2005."}},
        {"nur einzeln", 2003, 2005, true, false, {jahr + "2003.", jahr + "2004.", jahr + "2005."}},
        {"nur Summe", 2004, 2005, false, true, {"Die Jahres-Tankstellenliste der Jahre 2004 bis 2005."}},
        {"Summe eines Jahres", 2004, 2004, false, true, {jahr + "2004."}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Name);
        DruckTS_VonJahr = f.Von;
        DruckTS_BisJahr = f.Bis;
        DruckTS_Einzeln = f.Einzeln;
        DruckTS_Summe = f.Summe;
        TAufzeichnenderDrucker d;
        EXPECT_EQ(Drucken(d), f.Titel);
    }

    // The sum record adds up the years.
    TStillerFortschritt still;
    DruckTS_VonJahr = 2003;
    DruckTS_BisJahr = 2005;
    const auto jahre = TankstellenJahreBilden(still);
    ASSERT_EQ(jahre.size(), 4u);
    const TTankstellenJahr &summe = jahre[3];
    EXPECT_EQ(summe.ListenJahr, 0);
    EXPECT_EQ(summe.BenutzteZeilen, 3);
    const int tankungen[] = {3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 1, 6};
    for (size_t z = 0; z < 12; ++z) {
        long double betrag = 0;
        for (size_t j = 0; j < 3; ++j)
            betrag += jahre[j].Zeilen[z].BetragSumme;
        EXPECT_EQ(summe.Zeilen[z].Tankungen, tankungen[z]) << z;
        EXPECT_EQ(summe.Zeilen[z].BetragSumme, betrag) << z;
        EXPECT_EQ(summe.Zeilen[z].Benutzt, tankungen[z] > 0) << z;
    }
}

TEST_F(JahreslisteTest, JahreInDerReihenfolgeIhresErstenAuftretens)
{
    // Out of date order (only a list with a logical error has that): still
    // one record per year.
    Fuellungen = {Fuellung(0, 0, 10, 10, true, 0, 2005), Fuellung(1, 0, 10, 10, true, 0, 2003),
                  Fuellung(2, 1, 10, 10, true, 0, 2005), Fuellung(3, 0, 10, 10, true, 0, 2002)};
    DruckTS_Summe = false;
    TStillerFortschritt still;
    const auto jahre = TankstellenJahreBilden(still);
    ASSERT_EQ(jahre.size(), 2u);
    EXPECT_EQ(jahre[0].ListenJahr, 2005);
    EXPECT_EQ(jahre[0].Zeilen[SummenZeile].Tankungen, 2);
    EXPECT_EQ(jahre[1].ListenJahr, 2003);

    DruckTS_Auswahl = 1;
    DruckTS_Jahr = 2001;
    EXPECT_TRUE(TankstellenJahreBilden(still).empty());
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
    auto benutzt = [](size_t liste) { return liste == 12 ? 3 : int(liste % 3) + 1; };
    int neueSeiten = 0, gleicheSeiten = 0;
    // Page heights across the whole range where the rule decides.
    for (int hoehe = 950; hoehe <= 1250; ++hoehe) {
        TAufzeichnenderDrucker d(900, hoehe, 600, 201);
        const auto titel = Drucken(d);
        ASSERT_EQ(titel.size(), 13u);
        std::vector<const TAufzeichnung *> summen;
        for (const auto &a : d.Flaeche.Aufrufe)
            if (a.Text == "Summe aller Tankstellen")
                summen.push_back(&a);
        for (size_t i = 1; i < titel.size(); ++i) {
            const TAufzeichnung *t = d.Flaeche.TextMit(titel[i]);
            const int danach = summen[i - 1]->Y + Zh + 3 * Zh;   // DruckZeile after the list before
            const bool passt = danach + 81 + benutzt(i) * Zh + 12 <= hoehe - 100;   // 81 = Round(4,5 x 18)
            (passt ? gleicheSeiten : neueSeiten)++;
            ASSERT_EQ(d.SeiteVon(t), d.SeiteVon(summen[i - 1]) + (passt ? 0 : 1)) << hoehe << " " << titel[i];
            ASSERT_EQ(t->Y, passt ? danach : 3 + 13 + 14 + 5 + 50) << hoehe << " " << titel[i];
        }
    }
    EXPECT_GT(neueSeiten, 0);
    EXPECT_GT(gleicheSeiten, 0);
}

TEST_F(JahreslisteTest, AbbruchBeimBildenUndDrucken)
{
    m_fortschritt.AbbruchBei = 2;
    EXPECT_TRUE(TankstellenJahreBilden(m_fortschritt).empty());
    EXPECT_EQ(m_fortschritt.Positionen, (std::vector<int>{1, 2}));

    TStillerFortschritt still;
    const auto jahre = TankstellenJahreBilden(still);
    TAufzeichnenderFortschritt fortschritt;
    fortschritt.AbbruchBei = 1;
    TAufzeichnenderDrucker d;
    ASSERT_TRUE(Seiteneinrichtung(d));
    EXPECT_FALSE(DruckeTankstellenJahresliste(d, fortschritt, jahre));
    EXPECT_EQ(fortschritt.Phasen, std::vector<std::string>{"Ausdruck der Jahres-Tankstellenliste"});
    EXPECT_EQ(fortschritt.Maxima, std::vector<int>{4});
    EXPECT_EQ(Titel(d), std::vector<std::string>{"Die Jahres-Tankstellenliste des Jahres 2003."});
}

} // namespace
