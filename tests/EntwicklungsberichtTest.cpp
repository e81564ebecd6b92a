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

#include <algorithm>
#include <string>
#include <vector>

namespace {

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

// The columns on A4 portrait: the bars' left edge L, the scale's zero G,
// pixels per scale step u, the right edges of the graph and the value
// and change columns.
struct TSpalten {
    explicit TSpalten(bool reichweite)
        : Reichweite(reichweite), L(300 + B(reichweite ? "15.07.2000 bis 06.09.2000  " : "September 1999  "))
    {
    }
    bool Reichweite;
    int L, Vorgaenger = 4760 - W, Durchschnitt = Vorgaenger - B("  +1.234,56%") - W,
           Wert = Durchschnitt - B("  +1.234,56%") - W,
           GraphRechts = Wert - B(Reichweite ? "123.456,78 Km" : "12.34,5 EUR/l") - W,
           u = (GraphRechts - L) / (Reichweite ? 52 : 42), G = L + 2 * u;
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
    const struct {
        bool Reichweite;
        std::vector<long double> Werte;
        int Beschriftungen;   // scale labels
        const char *Phase, *Spalte;
    } faelle[] = {
        {false, {1400, 1500}, 5, "Ausdruck der Literpreis-Entwicklung", "Datum"},
        {true, {8, 5}, 6, "Ausdruck der Reichweiten-Entwicklung", "Zeitraum"},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Phase);
        Reihe(f.Reichweite, f.Werte);
        fortschritt = TAufzeichnenderFortschritt();
        ASSERT_TRUE(Drucken(true));
        const TSpalten s(f.Reichweite);
        for (int i = 0; i < 7; ++i) {
            const int64_t wert = s.Skala.Unten + 10 * i * int64_t{s.Skala.Schritt};
            const std::string text = f.Reichweite ? Format("%4.2n Km", {wert * 0.01L})
                                                  : PreisText(static_cast<uint16_t>(wert));
            ASSERT_EQ(TexteMit(text).empty(), i >= f.Beschriftungen) << text;
            if (i < f.Beschriftungen) {
                EXPECT_EQ(Text(text).X, s.G + 10 * i * s.u - B(text) / 2) << text;
            }
        }
        EXPECT_EQ((V{RechteKante("Durchschnitt"), RechteKante("Vorgänger"), Text("Veränderung zum").X,
                     Text(f.Spalte).X}),
                  (V{s.Durchschnitt, s.Vorgaenger, s.Wert + W + (s.Vorgaenger - s.Wert - W - B("Veränderung zum")) / 2,
                     300}));
        if (f.Reichweite) {
            EXPECT_EQ((V{RechteKante("Reichweite bei"), RechteKante("50,00L Tankinhalt")}), (V{s.Wert, s.Wert}));
        } else {
            EXPECT_EQ(Text("Literpreis").X, s.GraphRechts + W + (s.Wert - s.GraphRechts - W - B("Literpreis")) / 2);
        }
        Fortschritt({f.Phase}, {2}, {1, 2});
    }
}

TEST_F(EntwicklungsberichtTest, BalkenUndLinienpunkteAufDerSkala)
{
    for (bool reichweite : {false, true}) {
        Reihe(reichweite, reichweite ? std::vector<long double>{8, 5, 6.5L}
                                     : std::vector<long double>{1400, 1500, 1433});
        const TSpalten s(reichweite);
        for (bool balken : {true, false}) {
            SCOPED_TRACE(std::to_string(reichweite) + std::to_string(balken));
            Drucken(balken);
            const auto zeilen = TexteMit(reichweite ? "01.01.2004 bis 15.01.2004" : "15.01.2004");
            ASSERT_EQ(zeilen.size(), 3u);
            std::vector<std::array<int, 4>> balkenSoll, linieSoll, kreuze;
            for (size_t i = 0; i < 3; ++i) {
                const int oben = zeilen[i]->Y, x = s.Stelle(EntwicklungsListe[i]), y = oben + RundeI32(0.5L * 13);
                balkenSoll.push_back({s.L, oben + RundeI32(0.2L * Z), x, oben + Z - RundeI32(0.2L * Z)});
                if (i > 0)
                    linieSoll.push_back({0, 0, x, y});
                kreuze.push_back({x - 5, y - 5, x + 6, y + 6});
            }
            auto gezogen = Strecken(drucker.Flaeche.Linien(Eintrag(10)));
            for (auto &l : gezogen)
                l[0] = l[1] = 0;   // only where each piece ends
            EXPECT_EQ(Strecken(drucker.Flaeche.Rechtecke(Eintrag(4))), balken ? balkenSoll : decltype(balkenSoll){});
            EXPECT_EQ(gezogen, balken ? decltype(linieSoll){} : linieSoll);
            if (!balken) {
                const auto schwarz = Strecken(drucker.Flaeche.Linien(0));
                for (const auto &k : kreuze)
                    EXPECT_NE(std::find(schwarz.begin(), schwarz.end(), k), schwarz.end());
            }
        }
    }
}

TEST_F(EntwicklungsberichtTest, VeraenderungenUndDurchschnittsmarken)
{
    const struct { std::vector<long double> Werte; VS ZumDurchschnitt, ZumVorgaenger; } faelle[] = {
        {{1400}, {"-----   "}, {"-----   "}},
        {{1400, 1500}, {"-3,45%", "+3,45%"}, {"-----   ", "+7,14%"}},
        {{1450, 1450, 1400}, {"+1,19%", "+1,19%", "-2,30%"}, {"-----   ", "0,00%", "-3,45%"}},
    };
    for (const auto &f : faelle) {
        SCOPED_TRACE(f.Werte.size());
        Reihe(false, f.Werte);
        Drucken(true);
        const TSpalten s(false);
        const auto zeilen = TexteMit("15.01.2004");
        ASSERT_EQ(zeilen.size(), f.Werte.size());
        for (size_t i = 0; i < zeilen.size(); ++i) {
            EXPECT_TRUE(TextAn(f.ZumDurchschnitt[i], zeilen[i]->Y, s.Durchschnitt)) << i;
            EXPECT_TRUE(TextAn(f.ZumVorgaenger[i], zeilen[i]->Y, s.Vorgaenger)) << i;
        }
        // A mark over every row only with more than one point; the legend's
        // line always, from the average down and left to G + 5.
        const auto marken = Senkrechte(Eintrag(5));
        ASSERT_EQ(marken.size(), (f.Werte.size() > 1 ? f.Werte.size() : 0) + 1);
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
    EXPECT_EQ(SeitenVon("Durchschnittlicher Literpreis : " + PreisText(DurchschnittsLiterpreis)), AlleSeiten());
    EXPECT_EQ(SeitenVon("Vorgänger"), AlleSeiten());
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
