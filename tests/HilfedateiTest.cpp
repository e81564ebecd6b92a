#include "Hilfedatei.h"
#include "Meldungen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A malformed file: the line is named and the topics read before are gone.
TEST(Hilfedatei, fehlerNennenDieZeileUndVergessenDieVorigenThemen)
{
    const std::pair<const char *, const char *> faelle[] = {
        {"@thema Inhalt\n<p>Text</p>\n", "Zeile 2: Hier fehlt die Zeile „@titel“ zum Thema „Inhalt“."},
        {"@thema Inhalt\n@titel Inhalt\n@thema Zweites 5\n", "Zeile 3: Auf „@thema“ folgt keine Zeile „@titel“."},
        {"@thema Inhalt\n@titel   \n", "Zeile 2: Das Thema hat keinen Titel."},
        {"@thema Inhalt\n@titel Inhalt\n<p>Text</p>\n@titel Noch einer\n",
         "Zeile 4: „@titel“ steht nicht direkt nach einer Zeile „@thema“."},
        {"@thema Inhalt\n@titel Inhalt\n@thema F5_All 600 6O1\n@titel K\n",
         "Zeile 3: „6O1“ ist keine gültige Hilfekontextnummer."},
        {"@thema Inhalt 0\n@titel Inhalt\n", "Zeile 1: „0“ ist keine gültige Hilfekontextnummer."},
        {"@thema Inhalt +100\n@titel Inhalt\n", "Zeile 1: „+100“ ist keine gültige Hilfekontextnummer."},
        {"@thema   \n@titel Inhalt\n", "Zeile 1: Nach „@thema“ fehlt der Schlüssel des Themas."},
        {"@thema Inhalt\n@titel Inhalt\n<p>a</p>\n@thema INHALT\n@titel Nochmal\n",
         "Zeile 4: Das Thema „INHALT“ ist schon vorhanden."},
        {"@thema F1_All 100 110\n@titel Haupt\n@thema Datei 110\n@titel Datei\n",
         "Zeile 3: Die Hilfekontextnummer 110 gehört schon zum Thema „F1_All“."},
        {"@thema F1_All 100 100\n@titel Haupt\n", "Zeile 1: Die Hilfekontextnummer 100 steht zweimal in der Zeile."},
        {"", "Die Hilfedatei enthält kein Thema."},
        {"@@ nichts\n\n   \n@@ gar nichts\n", "Die Hilfedatei enthält kein Thema."},
        {"@@ Kommentar\n\nWillkommen\n@thema Inhalt\n@titel Inhalt\n", "Zeile 3: Text vor dem ersten Thema."},
        {"@thema Inhalt\n@titel Inhalt\n@Thema Zweites\n", "Zeile 3: Unbekannte Anweisung „@Thema“."},
    };
    for (const auto &[inhalt, fehler] : faelle) {
        SCOPED_TRACE(inhalt);
        THilfedatei datei;
        ASSERT_TRUE(datei.Lesen("@thema Alt 1\n@titel Alt\n"));
        EXPECT_FALSE(datei.Lesen(inhalt));
        EXPECT_EQ(datei.Fehler(), fehler);
        EXPECT_TRUE(datei.Themen().empty() && !datei.Thema("Alt") && !datei.ThemaZuKontext(1));
    }
}

TEST(Hilfedatei, liestThemenUndFindetSieNachSchluesselUndNummer)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("\xEF\xBB\xBF@thema Inhalt\r\n@titel Inhalt der Hilfe\r\n\r\n<p>Eins</p>\r\n"
                            "@@ wird übersprungen\r\n\r\n<p>Zwei</p>\r\n\r\n"
                            "@thema F5_All  600\t8101 \r\n@titel Konfiguration laden\r\n<p>Fünf</p>"))
        << datei.Fehler();
    ASSERT_EQ(datei.Themen().size(), 2u);
    const THilfeThema &inhalt = datei.Themen()[0], &f5 = datei.Themen()[1];
    EXPECT_EQ(inhalt.Schluessel + "|" + inhalt.Titel + "|" + inhalt.Text,
              "Inhalt|Inhalt der Hilfe|<p>Eins</p>\n\n<p>Zwei</p>");
    EXPECT_TRUE(inhalt.Kontexte.empty());
    EXPECT_EQ(f5.Schluessel + "|" + f5.Titel + "|" + f5.Text, "F5_All|Konfiguration laden|<p>Fünf</p>");
    EXPECT_EQ(f5.Kontexte, (std::vector<int>{600, 8101}));
    // Keys without regard to letter case, but whole.
    EXPECT_EQ(datei.Thema("f5_ALL"), &f5);
    EXPECT_EQ(datei.ThemaZuKontext(8101), &f5);
    EXPECT_TRUE(!datei.Thema("F5") && !datei.ThemaZuKontext(601) && !datei.ThemaZuKontext(0));
}

TEST(Hilfedatei, ladenMeldetFehlendeUndFehlerhafteDateien)
{
    char muster[] = "/tmp/hilfedatei-XXXXXX";
    ASSERT_NE(mkdtemp(muster), nullptr);
    const std::string ordner = muster, gut = ordner + "/GUT.HLP", kaputt = ordner + "/KAPUTT.HLP";
    std::ofstream(gut, std::ios::binary) << "@thema Inhalt\n@titel Inhalt\n<p>Hallo</p>\n";
    std::ofstream(kaputt, std::ios::binary) << "Hallo\n@thema Inhalt\n@titel Inhalt\n";
    THilfedatei datei;
    ASSERT_TRUE(datei.Laden(gut)) << datei.Fehler();
    ASSERT_NE(datei.Thema("Inhalt"), nullptr);
    EXPECT_EQ(datei.Thema("Inhalt")->Text, "<p>Hallo</p>");
    const std::pair<std::string, std::string> faelle[] = {
        {ordner + "/FEHLT.HLP", "wurde nicht gefunden."}, {ordner, "wurde nicht gefunden."},
        {kaputt, "ist fehlerhaft. Zeile 1: Text vor dem ersten Thema."}};
    for (const auto &[pfad, fehler] : faelle) {
        EXPECT_FALSE(datei.Laden(pfad)) << pfad;
        EXPECT_EQ(datei.Fehler(), "Die Hilfedatei „" + pfad + "“ " + fehler);
        EXPECT_EQ(datei.Thema("Inhalt"), nullptr) << pfad;
    }
    std::remove(gut.c_str()), std::remove(kaputt.c_str()), rmdir(ordner.c_str());
}

TEST(MitgelieferteHilfedatei, hatDieBenoetigtenThemenNummernUndVerweise)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Laden(SPRILO_HILFEDATEI)) << datei.Fehler();

    // Opened by key from help buttons, the help menu and the work panels.
    for (const char *s : {"Inhalt", "F1_All", "F5_All", "Ver_News", "FM_8003", "F1_DtEin", "TankList", "F1_SprMask",
                          "F1_VBMask", "F1_LPMask", "F1_RWMask", "F3_VB_Tab", "F3_VB_Gr"}) {
        const THilfeThema *thema = datei.Thema(s);
        ASSERT_NE(thema, nullptr) << s;
        EXPECT_TRUE(!thema->Titel.empty() && thema->Text.size() > 100u) << s;
    }
    // Numbers of the main window, its menus and the dialogs; the messages' follow below.
    const std::pair<std::vector<int>, std::string> gruppen[] = {
        {{100}, "F1_All"}, {{600}, "F5_All"}, {{110, 111, 112, 113, 114, 115, 116, 117}, "Menue_Datei"},
        {{120, 121, 122, 123, 125, 126, 127, 128}, "Menue_Einstellungen"}, {{130, 131, 132, 133}, "Menue_Bearbeiten"},
        {{140, 141, 142, 143, 144}, "Menue_Analysen"}, {{150, 151, 152, 153, 154, 155}, "Menue_Hilfen"},
        {{190}, "F1_VBMask"}, {{401, 402, 410}, "F3_VB_Tab"}, {{420}, "F3_VB_Gr"}, {{430}, "F3_Info"}};
    const auto schluessel = [&](int k) { return datei.ThemaZuKontext(k) ? datei.ThemaZuKontext(k)->Schluessel : ""; };
    for (const auto &[kontexte, erwartet] : gruppen)
        for (int k : kontexte)
            EXPECT_EQ(schluessel(k), erwartet) << k;
    // Every message's Help button finds a topic of its own number.
    for (int i = 1; i <= static_cast<int>(TMeldungsNr::Info); ++i) {
        const TMeldung m = MeldungBauen(static_cast<TMeldungsNr>(i));
        if (m.Hilfe != 0) {
            EXPECT_EQ(schluessel(m.Hilfe), "FM_" + std::to_string(m.Hilfe));
        }
    }

    const THilfeThema *inhalt = datei.Thema("Inhalt");
    const std::regex verweis(R"(<a\s+href="([^"]*)\")");
    const auto zaehlen = [](const std::string &text, const std::regex &r) {
        return std::distance(std::sregex_iterator(text.begin(), text.end(), r), std::sregex_iterator());
    };
    int anzahl = 0;
    for (const THilfeThema &thema : datei.Themen()) {
        for (auto it = std::sregex_iterator(thema.Text.begin(), thema.Text.end(), verweis);
             it != std::sregex_iterator(); ++it, ++anzahl) {
            const std::string ziel = (*it)[1];
            ASSERT_EQ(ziel.substr(0, 1), "#") << thema.Schluessel << ": " << ziel;
            EXPECT_NE(datei.Thema(ziel.substr(1)), nullptr) << thema.Schluessel << " -> " << ziel;
        }
        const bool imInhalt = inhalt->Text.find("href=\"#" + thema.Schluessel + "\"") != std::string::npos;
        EXPECT_TRUE(&thema == inhalt || imInhalt) << "Inhalt fehlt " << thema.Schluessel;
        // An unclosed list swallows the rest of the page in QTextBrowser.
        for (const std::string tag : {"ul", "ol", "li", "p", "b", "i", "h3", "table", "tr", "td", "dl", "dt", "dd"})
            EXPECT_EQ(zaehlen(thema.Text, std::regex("<" + tag + "[ >]")),
                      zaehlen(thema.Text, std::regex("</" + tag + ">")))
                << thema.Schluessel << " <" << tag << ">";
    }
    EXPECT_GT(anzahl, 50);
}

} // namespace
