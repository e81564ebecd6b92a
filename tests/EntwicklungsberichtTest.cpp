// The printed litre-price and range development on a recording printer
// (6 pixels per character, 13 high, A4 portrait at 600 dpi): columns and
// scale labels, bars and line points on the series' scale, the change
// columns, the average marks and legend, page breaks, black printing and
// cancelling.

#include "print/Entwicklungsbericht.h"

#include "charts/Entwicklung.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Sprilo_Dek.h"

#include "Berichtspruefung.h"

#include <string>
#include <vector>

namespace {

const int W = B("W");
const int Z = RundeI32(13 * 1.4L) + 5;   // the report's line advance

// The series: litre prices in thousandths, or consumptions in L/100Km
// that give the range with a tank of 50 litres.
void Reihe(bool reichweite, const std::vector<long double> &werte)
{
    EntwicklungsListeLoeschen();
    EntwicklungsArt = reichweite ? 2 : 1;
    Tankinhalt = 50;
    for (long double v : werte) {
        TEntwicklungsWert w;
        w.Nr = static_cast<uint32_t>(EntwicklungsListe.size() + 1);
        if (reichweite) {
            w.RW_Bezeichnung = "01.01.2004 bis 15.01.2004";
            w.Strecke = 500;
            w.Durchschnitt = v;
            w.LiterVerbraucht = v * 5;
            w.Reichweite = Reichweite(Tankinhalt, v);
        } else {
            w.Bezeichnung = "15.01.2004";
            w.Literpreis = static_cast<uint16_t>(v);
            w.Liter = 10;
            w.Betrag = v / 100;
        }
        EntwicklungsListe.push_back(w);
    }
    BerechneEntwicklungsStatistik();
}

struct TSpalten {
    bool Reichweite;
    int L, G, u, GraphRechts, Wert, Durchschnitt, Vorgaenger;
    TEntwicklungsSkala Skala = EntwicklungsSkala(Reichweite, EW_Minimum, EW_Maximum);

    int Stelle(int64_t wert) const
    {
        return G + static_cast<int>(wert / Skala.Schritt - Skala.Unten / Skala.Schritt) * u;
    }
    int Stelle(const TEntwicklungsWert &w) const
    {
        return Reichweite ? Stelle(RundeI32(w.Reichweite * 100)) : Stelle(w.Literpreis);
    }
};

TSpalten Spalten(bool reichweite)
{
    TSpalten s{reichweite, 0, 0, 0, 0, 0, 0, 0};
    s.L = 300 + B(reichweite ? "15.07.2000 bis 06.09.2000  " : "September 1999  ");
    s.Vorgaenger = 4760 - W;
    s.Durchschnitt = s.Vorgaenger - B("  +1.234,56%") - W;
    s.Wert = s.Durchschnitt - B("  +1.234,56%") - W;
    s.GraphRechts = s.Wert - B(reichweite ? "123.456,78 Km" : "12.34,5 EUR/l") - W;
    s.u = (s.GraphRechts - s.L) / (reichweite ? 52 : 42);
    s.G = s.L + 2 * s.u;
    return s;
}

class EntwicklungsberichtTest : public TBerichtsTest {
protected:
    bool Drucken(bool balken)
    {
        drucker = TAufzeichnenderDrucker();
        Seiteneinrichtung(drucker);
        return DruckeEntwicklung(drucker, fortschritt, balken);
    }
};

TEST_F(EntwicklungsberichtTest, KoepfeUndSkalaVonLiterpreisUndReichweite)
{
    struct TFall {
        bool Reichweite;
        std::vector<long double> Werte;
        int Beschriftungen;
        const char *Phase;
    } faelle[] = {
        {false, {1400, 1500}, 5, "Ausdruck der Literpreis-Entwicklung"},
        {true, {8, 5}, 6, "Ausdruck der Reichweiten-Entwicklung"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Phase);
        Reihe(f.Reichweite, f.Werte);
        fortschritt = TAufzeichnenderFortschritt();
        ASSERT_TRUE(Drucken(true));
        const TSpalten s = Spalten(f.Reichweite);
        for (int i = 0; i < 7; ++i) {
            const int64_t wert = s.Skala.Unten + 10 * i * int64_t{s.Skala.Schritt};
            const std::string text = f.Reichweite ? Format("%4.2n Km", {wert * 0.01L})
                                                  : PreisText(static_cast<uint16_t>(wert));
            EXPECT_EQ(TexteMit(text).empty(), i >= f.Beschriftungen) << text;
            if (i < f.Beschriftungen) {
                EXPECT_EQ(Text(text).X, s.G + 10 * i * s.u - B(text) / 2) << text;
            }
        }
        EXPECT_EQ(RechteKante("Durchschnitt"), s.Durchschnitt);
        EXPECT_EQ(RechteKante("Vorgänger"), s.Vorgaenger);
        EXPECT_EQ(Text("Veränderung zum").X, s.Wert + W + (s.Vorgaenger - s.Wert - W - B("Veränderung zum")) / 2);
        if (f.Reichweite) {
            EXPECT_EQ(RechteKante("Reichweite bei"), s.Wert);
            EXPECT_EQ(RechteKante("50,00L Tankinhalt"), s.Wert);
            EXPECT_EQ(Text("Zeitraum").X, 300);
        } else {
            EXPECT_EQ(Text("Literpreis").X, s.GraphRechts + W + (s.Wert - s.GraphRechts - W - B("Literpreis")) / 2);
            EXPECT_EQ(Text("Datum").X, 300);
        }
        EXPECT_EQ(fortschritt.Phasen, std::vector<std::string>{f.Phase});
        EXPECT_EQ(fortschritt.Maxima, std::vector<int>{2});
        EXPECT_EQ(fortschritt.Positionen, (std::vector<int>{1, 2}));
    }
}

TEST_F(EntwicklungsberichtTest, BalkenUndLinienpunkteAufDerSkala)
{
    for (bool reichweite : {false, true}) {
        Reihe(reichweite, reichweite ? std::vector<long double>{8, 5, 6.5L}
                                     : std::vector<long double>{1400, 1500, 1433});
        const TSpalten s = Spalten(reichweite);
        const std::string bezeichnung = reichweite ? "01.01.2004 bis 15.01.2004" : "15.01.2004";
        for (bool balken : {true, false}) {
            SCOPED_TRACE(std::to_string(reichweite) + std::to_string(balken));
            Drucken(balken);
            const auto zeilen = TexteMit(bezeichnung);
            ASSERT_EQ(zeilen.size(), 3u);
            const auto balkenListe = drucker.Flaeche.Rechtecke(Eintrag(4));
            const auto linie = drucker.Flaeche.Linien(Eintrag(10));
            ASSERT_EQ(balkenListe.size(), balken ? 3u : 0u);
            ASSERT_EQ(linie.size(), balken ? 0u : 2u);
            for (size_t i = 0; i < 3; ++i) {
                const int oben = zeilen[i]->Y;
                const int x = s.Stelle(EntwicklungsListe[i]);
                if (balken) {
                    EXPECT_EQ(balkenListe[i].X1, s.L);
                    EXPECT_EQ(balkenListe[i].X2, x);
                    EXPECT_EQ(balkenListe[i].Y1, oben + RundeI32(0.2L * Z));
                    EXPECT_EQ(balkenListe[i].Y2, oben + Z - RundeI32(0.2L * Z));
                } else {
                    const int y = oben + RundeI32(0.5L * 13);
                    if (i > 0) {
                        EXPECT_EQ(linie[i - 1].X2, x);
                        EXPECT_EQ(linie[i - 1].Y2, y);
                    }
                    bool kreuz = false;
                    for (const auto &l : drucker.Flaeche.Linien(0))
                        kreuz = kreuz || (l.X1 == x - 5 && l.Y1 == y - 5 && l.X2 == x + 6 && l.Y2 == y + 6);
                    EXPECT_TRUE(kreuz);
                }
            }
        }
    }
}

TEST_F(EntwicklungsberichtTest, VeraenderungenUndDurchschnittsmarken)
{
    struct TFall {
        std::vector<long double> Werte;
        std::vector<std::string> ZumDurchschnitt, ZumVorgaenger;
    } faelle[] = {
        {{1400}, {"-----   "}, {"-----   "}},
        {{1400, 1500}, {"-3,45%", "+3,45%"}, {"-----   ", "+7,14%"}},
        {{1450, 1450, 1400}, {"+1,19%", "+1,19%", "-2,30%"}, {"-----   ", "0,00%", "-3,45%"}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Werte.size());
        Reihe(false, f.Werte);
        Drucken(true);
        const TSpalten s = Spalten(false);
        const auto zeilen = TexteMit("15.01.2004");
        ASSERT_EQ(zeilen.size(), f.Werte.size());
        for (size_t i = 0; i < zeilen.size(); ++i) {
            bool durchschnitt = false, vorgaenger = false;
            for (const auto &a : drucker.Flaeche.Alle(TAufrufArt::Text)) {
                durchschnitt = durchschnitt || (a.Y == zeilen[i]->Y && a.Text == f.ZumDurchschnitt[i] &&
                                                a.X + B(a.Text) == s.Durchschnitt);
                vorgaenger = vorgaenger ||
                             (a.Y == zeilen[i]->Y && a.Text == f.ZumVorgaenger[i] && a.X + B(a.Text) == s.Vorgaenger);
            }
            EXPECT_TRUE(durchschnitt) << i;
            EXPECT_TRUE(vorgaenger) << i;
        }
        // A mark over every row only with more than one point; the legend's
        // line always, from the average down and left to G + 5.
        const auto marken = Senkrechte(Eintrag(5));
        const size_t zeilenMarken = f.Werte.size() > 1 ? f.Werte.size() : 0;
        ASSERT_EQ(marken.size(), zeilenMarken + 1);
        for (const auto &m : marken)
            EXPECT_EQ(m.X1, s.Stelle(DurchschnittsLiterpreis));
        EXPECT_EQ(TexteMit("Durchschnittlicher Literpreis : " + PreisText(DurchschnittsLiterpreis)).size(), 1u);
    }
}

TEST_F(EntwicklungsberichtTest, OhneFarbeAllesSchwarz)
{
    for (bool balken : {true, false}) {
        Reihe(false, {1400, 1500, 1450});
        DruckInFarbe = false;
        Drucken(balken);
        AllesSchwarz();
    }
}

TEST_F(EntwicklungsberichtTest, SeitenumbruchMitLegendeUndNeuerLinie)
{
    std::vector<long double> werte;
    for (int i = 0; i < 600; ++i)
        werte.push_back(1400 + i % 50);
    Reihe(false, werte);
    ASSERT_TRUE(Drucken(false));
    const int seiten = drucker.Seiten();
    ASSERT_GE(seiten, 2);
    const auto legenden = TexteMit("Durchschnittlicher Literpreis : " + PreisText(DurchschnittsLiterpreis));
    const auto koepfe = TexteMit("Vorgänger");
    ASSERT_EQ(legenden.size(), static_cast<size_t>(seiten));
    ASSERT_EQ(koepfe.size(), static_cast<size_t>(seiten));
    for (int i = 0; i < seiten; ++i) {
        EXPECT_EQ(drucker.SeiteVon(legenden[static_cast<size_t>(i)]), i + 1);
        EXPECT_EQ(drucker.SeiteVon(koepfe[static_cast<size_t>(i)]), i + 1);
    }
    // The line joins the points of a page only.
    EXPECT_EQ(drucker.Flaeche.Linien(Eintrag(10)).size(), werte.size() - static_cast<size_t>(seiten));
    // A page ends with the first row that leaves less than five lines to
    // the margin.
    const auto zeilen = TexteMit("15.01.2004");
    for (size_t i = 0; i + 1 < zeilen.size(); ++i) {
        if (drucker.SeiteVon(zeilen[i]) != drucker.SeiteVon(zeilen[i + 1])) {
            EXPECT_GT(zeilen[i]->Y + Z + 5 * Z, 6779 - 100);
            EXPECT_LE(zeilen[i - 1]->Y + Z + 5 * Z, 6779 - 100);
        }
    }
}

TEST_F(EntwicklungsberichtTest, AbbruchHaeltSofortAn)
{
    Reihe(true, {8, 5, 6, 7});
    fortschritt.AbbruchBei = 2;
    EXPECT_FALSE(Drucken(true));
    EXPECT_EQ(fortschritt.Positionen, (std::vector<int>{1, 2}));
    EXPECT_EQ(TexteMit("01.01.2004 bis 15.01.2004").size(), 2u);
    EXPECT_EQ(drucker.Flaeche.TexteMitAnfang("Durchschnittliche Reichweite"), 0u);
}

}   // namespace
