// The printed page: set-up by paper width, the header and footer every
// page carries, and the page-break rule, checked on a recording printer
// (6 pixels per character, 13 pixels high).

#include "print/Druckseite.h"
#include "print/Druckuebergabe.h"
#include "core/Sprilo_Dek.h"
#include "core/Zustand.h"

#include "AufzeichnenderDrucker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int Zeichen = TAufzeichnendeFlaeche::ZeichenBreite;
constexpr int Hoehe = TAufzeichnendeFlaeche::ZeilenHoehe;

int Breite(const std::string &text)
{
    return Zeichen * static_cast<int>(TAufzeichnendeFlaeche::Zeichen(text));
}

class DruckseiteTest : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }
};

struct TPapier {
    const char *Name;
    int Breite, Hoehe, Dpi, DpiSenkrecht, BreiteMM;
    bool Angenommen;
    int Schriftgroesse, Links, Oben, Tabelle, KopfY;
};

TEST_F(DruckseiteTest, PapierBestimmtSchriftRaenderUndKopfbeginn)
{
    const TPapier papiere[] = {
        {"A4 hoch", 4760, 6779, 600, 0, 201, true, 8, 300, 0, 300, 3},
        {"A4 quer", 6779, 4760, 600, 0, 287, true, 10, 0, 300, 0, 300},
        {"A4 quer 600 x 1200 dpi", 6779, 9520, 600, 1200, 287, true, 10, 0, 600, 0, 3},
        {"A4 hoch 601 dpi", 4768, 6790, 601, 0, 201, true, 8, 300, 0, 300, 3},
        {"A5 quer", 4760, 3260, 600, 0, 201, true, 8, 300, 0, 0, 0},
        {"Letter quer", 6360, 4900, 600, 0, 211, true, 10, 0, 300, 0, 300},
        {"A5 hoch", 3260, 4760, 600, 0, 138, false, 8, 300, 0, 300, 3},
        {"knapp zu schmal", 4200, 6000, 600, 0, 179, false, 8, 300, 0, 300, 3},
    };
    for (const auto &p : papiere) {
        SCOPED_TRACE(p.Name);
        TAufzeichnenderDrucker drucker(p.Breite, p.Hoehe, p.Dpi, p.BreiteMM);
        drucker.DpiSenkrecht = p.DpiSenkrecht;
        EXPECT_EQ(Seiteneinrichtung(drucker), p.Angenommen);
        EXPECT_EQ(drucker.Schrift().Name, "Arial");
        EXPECT_EQ(drucker.Schrift().Groesse, p.Schriftgroesse);
        EXPECT_EQ(drucker.Stift().Breite, 3);
        EXPECT_EQ(LinkerRand, p.Links);
        EXPECT_EQ(ObererRand, p.Oben);
        EXPECT_EQ(TabellenLinks, p.Tabelle);
        EXPECT_EQ(Spaltenabstand, Zeichen);
        EXPECT_EQ(Hochformat, p.Breite < p.Hoehe);
        EXPECT_EQ(Seitenbreite, p.Breite);
        EXPECT_EQ(Seitenhoehe, p.Hoehe);

        TStillerFortschritt still;
        Seitenkopf(drucker, still);
        const auto linien = drucker.Flaeche.Alle(TAufrufArt::Linie);
        ASSERT_FALSE(linien.empty());
        EXPECT_EQ(linien[0].Y1, p.KopfY);
        EXPECT_EQ(linien[0].X2, p.Breite);
        EXPECT_EQ(linien[0].Stift.Breite, 5);
    }
}

TEST_F(DruckseiteTest, KopfMitKennzeichenTitelUndFuss)
{
    TAufzeichnenderDrucker drucker;
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    Kennzeichen = "B-XY 123";
    DruckUeberschrift = "Alle Tankfüllungen";
    DruckHinweis2 = "Zweiter Hinweis";
    DruckZeitstempel = "Ausdruck vom 06.12.2026 um 15:48:31";
    TAufzeichnenderFortschritt fortschritt;
    Seitenkopf(drucker, fortschritt);

    const auto &f = drucker.Flaeche;
    struct TErwartet {
        std::string Text;
        int X, Y, Groesse;
    };
    const int seiteY = 3 + Hoehe + 14;   // the line under the plate
    const int fussY = 6779 - (Hoehe + 5);
    const std::string fahrzeug = "Fahrzeug - Kennzeichen : B-XY 123";
    const TErwartet texte[] = {
        {fahrzeug, (4760 - Breite(fahrzeug)) / 2, 3 + 7, 12},
        {"Seite : 1", 4760 - 5 - Breite("Seite : 1"), seiteY - Hoehe, 10},
        {DruckUeberschrift, (4760 - Breite(DruckUeberschrift)) / 2, seiteY + 5, 10},
        {DruckHinweis2, (4760 - Breite(DruckHinweis2)) / 2, seiteY + 5 + Hoehe + 5, 10},
        {"Sprilo " + std::string(ProgrammVersion), 300, fussY, 7},
        {DruckZeitstempel, 4760 - Breite(DruckZeitstempel), fussY, 7},
    };
    ASSERT_EQ(f.Alle(TAufrufArt::Text).size(), std::size(texte));
    for (const auto &e : texte) {
        SCOPED_TRACE(e.Text);
        const TAufzeichnung *a = f.TextMit(e.Text);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->X, e.X);
        EXPECT_EQ(a->Y, e.Y);
        EXPECT_EQ(a->Schrift.Groesse, e.Groesse);
    }
    const int titelLinie = seiteY + 5 + 2 * (Hoehe + 5);
    const int linien[][3] = {{0, 3, 4760}, {0, seiteY, 4760}, {0, titelLinie, 4760}, {300, 6779 - (Hoehe + 25), 4760}};
    const auto gezogen = f.Alle(TAufrufArt::Linie);
    ASSERT_EQ(gezogen.size(), std::size(linien));
    for (size_t i = 0; i < gezogen.size(); ++i) {
        EXPECT_EQ(gezogen[i].X1, linien[i][0]);
        EXPECT_EQ(gezogen[i].Y1, linien[i][1]);
        EXPECT_EQ(gezogen[i].Y2, linien[i][1]);
        EXPECT_EQ(gezogen[i].X2, linien[i][2]);
        EXPECT_EQ(gezogen[i].Stift.Breite, 5);
    }
    EXPECT_EQ(DruckZeile, titelLinie + 50);
    EXPECT_EQ(Fusszeile(), "Sprilo " + std::string(ProgrammVersion));
    // Pen and font as before the header.
    EXPECT_EQ(drucker.Stift().Breite, 3);
    EXPECT_EQ(drucker.Schrift().Groesse, 8);
    EXPECT_EQ(fortschritt.SeitenTexte, std::vector<std::string>{"Ausdruck der Seite :  -1-"});
}

TEST_F(DruckseiteTest, OhneKennzeichenUndTitelKeineTitellinie)
{
    TAufzeichnenderDrucker drucker(6779, 4760, 600, 287);
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    TStillerFortschritt still;
    Seitenkopf(drucker, still);
    const auto &f = drucker.Flaeche;
    EXPECT_NE(f.TextMit("Fahrzeug - Kennzeichen : ------"), nullptr);
    const auto linien = f.Alle(TAufrufArt::Linie);
    ASSERT_EQ(linien.size(), 3u);   // top, under the page number, above the footer
    const int seiteY = 300 + Hoehe + 14;
    EXPECT_EQ(linien[1].Y1, seiteY);
    EXPECT_EQ(DruckZeile, seiteY + 5 + 50);
    EXPECT_EQ(linien[2].X1, 0);
    EXPECT_EQ(f.TextMit("Sprilo " + std::string(ProgrammVersion))->X, 0);
}

TEST_F(DruckseiteTest, SeitenWerdenGezaehlt)
{
    TAufzeichnenderDrucker drucker;
    Seiteneinrichtung(drucker);
    TAufzeichnenderFortschritt fortschritt;
    Seitenzaehler = 998;
    Seitenkopf(drucker, fortschritt);
    NeueDruckseite(drucker, fortschritt);
    EXPECT_EQ(Seitenzaehler, 1000);
    EXPECT_EQ(drucker.Seiten(), 2);
    EXPECT_EQ(fortschritt.SeitenTexte,
              (std::vector<std::string>{"Ausdruck der Seite :  -999-", "Ausdruck der Seite :  -1.000-"}));
    const TAufzeichnung *seite = drucker.Flaeche.TextMit("Seite : 1.000");
    ASSERT_NE(seite, nullptr);
    EXPECT_EQ(drucker.SeiteVon(seite), 2);
}

TEST_F(DruckseiteTest, SeitenumbruchRegel)
{
    Seitenhoehe = 1000;
    DruckZeilenhoehe = 18;
    const struct {
        int Zeile, Zeilen;
        bool Voll;
    } faelle[] = {{846, 3, false}, {847, 3, true}, {900, 0, false}, {901, 0, true}, {0, 50, false}, {0, 51, true}};
    for (const auto &f : faelle) {
        DruckZeile = f.Zeile;
        EXPECT_EQ(SeiteVoll(f.Zeilen), f.Voll) << f.Zeile << " + " << f.Zeilen;
        EXPECT_EQ(PasstNicht(f.Zeilen * 18), f.Voll);
    }
}

TEST_F(DruckseiteTest, AusrichtenAnKanten)
{
    TAufzeichnenderDrucker drucker;
    Seitenbreite = 1000;
    EXPECT_EQ(Zentriert(drucker, "abcd", 100, 200), 100 + (100 - 24) / 2);
    EXPECT_EQ(Zentriert(drucker, "abc", 101, 200), 101 + (99 - 18) / 2);
    TextRechts(drucker, 500, 7, "abc");
    TextMittig(drucker, 8, "abcde");
    TextUmMitte(drucker, 300, 9, "NEIN");
    const auto t = drucker.Flaeche.Alle(TAufrufArt::Text);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].X, 482);
    EXPECT_EQ(t[1].X, (1000 - 30) / 2);
    EXPECT_EQ(t[2].X, 288);
    EXPECT_EQ(TabellenZeilenhoehe(drucker), Hoehe + 5);
}

} // namespace
