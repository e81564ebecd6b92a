// The printed page: set-up by paper width, the header and footer every
// page carries, and the page-break rule, checked on a recording printer
// (6 pixels per character, 13 pixels high).

#include "print/Druckseite.h"
#include "print/Druckuebergabe.h"
#include "core/Sprilo_Dek.h"

#include "Berichtspruefung.h"

#include <string>

namespace {

constexpr int Hoehe = TAufzeichnendeFlaeche::ZeilenHoehe;
using DruckseiteTest = TBerichtsTest;

const std::string Fuss = "Sprilo " + std::string(ProgrammVersion);

TEST_F(DruckseiteTest, PapierBestimmtSchriftRaenderUndKopfbeginn)
{
    const struct {
        const char *Name;
        int Breite, Hoehe, Dpi, DpiSenkrecht, BreiteMM;
        bool Angenommen;
        int Schriftgroesse, Links, Oben, Tabelle, KopfY;
    } papiere[] = {
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
        drucker = TAufzeichnenderDrucker(p.Breite, p.Hoehe, p.Dpi, p.BreiteMM);
        drucker.DpiSenkrecht = p.DpiSenkrecht;
        EXPECT_EQ(Seiteneinrichtung(drucker), p.Angenommen);
        EXPECT_EQ(drucker.Schrift().Name, "Arial");
        EXPECT_EQ((V{drucker.Schrift().Groesse, drucker.Stift().Breite, LinkerRand, ObererRand, TabellenLinks,
                     Spaltenabstand, Hochformat, Seitenbreite, Seitenhoehe}),
                  (V{p.Schriftgroesse, 3, p.Links, p.Oben, p.Tabelle, W, p.Breite < p.Hoehe, p.Breite, p.Hoehe}));
        TStillerFortschritt still;
        Seitenkopf(drucker, still);
        const auto l = drucker.Flaeche.Alle(TAufrufArt::Linie).at(0);
        EXPECT_EQ((V{l.Y1, l.X2, l.Stift.Breite}), (V{p.KopfY, p.Breite, 5}));
    }
}

TEST_F(DruckseiteTest, KopfMitKennzeichenTitelUndFuss)
{
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    Kennzeichen = "B-XY 123";
    DruckUeberschrift = "Alle Tankfüllungen";
    DruckHinweis2 = "Zweiter Hinweis";
    DruckZeitstempel = "Ausdruck vom 06.12.2026 um 15:48:31";
    Seitenkopf(drucker, fortschritt);

    const int seiteY = 3 + Hoehe + 14;   // the line under the plate
    const int fussY = 6779 - (Hoehe + 5);
    const std::string fahrzeug = "Fahrzeug - Kennzeichen : B-XY 123";
    const struct { std::string Text; int X, Y, Groesse; } texte[] = {
        {fahrzeug, (4760 - B(fahrzeug)) / 2, 3 + 7, 12},
        {"Seite : 1", 4760 - 5 - B("Seite : 1"), seiteY - Hoehe, 10},
        {DruckUeberschrift, (4760 - B(DruckUeberschrift)) / 2, seiteY + 5, 10},
        {DruckHinweis2, (4760 - B(DruckHinweis2)) / 2, seiteY + 5 + Hoehe + 5, 10},
        {Fuss, 300, fussY, 7},
        {DruckZeitstempel, 4760 - B(DruckZeitstempel), fussY, 7},
    };
    ASSERT_EQ(drucker.Flaeche.Alle(TAufrufArt::Text).size(), std::size(texte));
    for (const auto &e : texte) {
        const auto &a = Text(e.Text);
        EXPECT_EQ((V{a.X, a.Y, a.Schrift.Groesse}), (V{e.X, e.Y, e.Groesse})) << e.Text;
    }
    const int titelLinie = seiteY + 5 + 2 * (Hoehe + 5);
    const auto linien = drucker.Flaeche.Alle(TAufrufArt::Linie);
    EXPECT_EQ(Strecken(linien), (std::vector<std::array<int, 4>>{{0, 3, 4760, 3}, {0, seiteY, 4760, seiteY},
                                                                 {0, titelLinie, 4760, titelLinie},
                                                                 {300, 6779 - 38, 4760, 6779 - 38}}));
    for (const auto &l : linien)
        EXPECT_EQ(l.Stift.Breite, 5);
    EXPECT_EQ(DruckZeile, titelLinie + 50);
    EXPECT_EQ(Fusszeile(), Fuss);
    // Pen and font as before the header.
    EXPECT_EQ((V{drucker.Stift().Breite, drucker.Schrift().Groesse}), (V{3, 8}));
    EXPECT_EQ(fortschritt.SeitenTexte, VS{"Ausdruck der Seite :  -1-"});
}

TEST_F(DruckseiteTest, OhneKennzeichenUndTitelKeineTitellinie)
{
    Neu(6779, 4760, 287);
    ASSERT_TRUE(Seiteneinrichtung(drucker));
    Seitenkopf(drucker, fortschritt);
    EXPECT_EQ(TexteMit("Fahrzeug - Kennzeichen : ------").size(), 1u);
    const int seiteY = 300 + Hoehe + 14;
    // Top, under the page number, above the footer (from the left edge).
    const auto linien = drucker.Flaeche.Alle(TAufrufArt::Linie);
    ASSERT_EQ(linien.size(), 3u);
    EXPECT_EQ((V{linien[1].Y1, linien[2].X1, Text(Fuss).X, DruckZeile}), (V{seiteY, 0, 0, seiteY + 5 + 50}));
}

TEST_F(DruckseiteTest, SeitenWerdenGezaehlt)
{
    Seiteneinrichtung(drucker);
    Seitenzaehler = 998;
    Seitenkopf(drucker, fortschritt);
    NeueDruckseite(drucker, fortschritt);
    EXPECT_EQ(Seitenzaehler, 1000);
    EXPECT_EQ(fortschritt.SeitenTexte, (VS{"Ausdruck der Seite :  -999-", "Ausdruck der Seite :  -1.000-"}));
    EXPECT_EQ(SeitenVon("Seite : 1.000"), V{2});
}

TEST_F(DruckseiteTest, SeitenumbruchRegel)
{
    Seitenhoehe = 1000;
    DruckZeilenhoehe = 18;
    const struct { int Zeile, Zeilen; bool Voll; } faelle[] = {
        {846, 3, false}, {847, 3, true}, {900, 0, false}, {901, 0, true}, {0, 50, false}, {0, 51, true}};
    for (const auto &f : faelle) {
        DruckZeile = f.Zeile;
        EXPECT_EQ(SeiteVoll(f.Zeilen), f.Voll) << f.Zeile << " + " << f.Zeilen;
        EXPECT_EQ(PasstNicht(f.Zeilen * 18), f.Voll);
    }
}

TEST_F(DruckseiteTest, AusrichtenAnKanten)
{
    Seitenbreite = 1000;
    EXPECT_EQ(Zentriert(drucker, "abcd", 100, 200), 100 + (100 - 24) / 2);
    EXPECT_EQ(Zentriert(drucker, "abc", 101, 200), 101 + (99 - 18) / 2);
    TextRechts(drucker, 500, 7, "abc");
    TextMittig(drucker, 8, "abcde");
    TextUmMitte(drucker, 300, 9, "NEIN");
    EXPECT_EQ((V{Text("abc").X, Text("abcde").X, Text("NEIN").X}), (V{482, (1000 - 30) / 2, 288}));
    EXPECT_EQ(drucker.Flaeche.Aufrufe.size(), 3u);
    EXPECT_EQ(TabellenZeilenhoehe(drucker), Hoehe + 5);
}

} // namespace
