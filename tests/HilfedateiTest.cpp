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

struct TFehlerFall {
    const char *Inhalt;
    const char *Fehler;
};

const TFehlerFall FehlerFaelle[] = {
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

class HilfedateiFehler : public ::testing::TestWithParam<TFehlerFall> {};

TEST_P(HilfedateiFehler, meldetDieZeileUndVergisstDieVorigenThemen)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("@thema Alt 1\n@titel Alt\n"));
    EXPECT_FALSE(datei.Lesen(GetParam().Inhalt));
    EXPECT_EQ(datei.Fehler(), GetParam().Fehler);
    EXPECT_TRUE(datei.Themen().empty());
    EXPECT_EQ(datei.Thema("Alt"), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Faelle, HilfedateiFehler, ::testing::ValuesIn(FehlerFaelle));

TEST(Hilfedatei, liestThemenUndFindetSieNachSchluesselUndNummer)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("\xEF\xBB\xBF@thema Inhalt\r\n@titel Inhalt der Hilfe\r\n\r\n<p>Eins</p>\r\n"
                            "@@ wird übersprungen\r\n\r\n<p>Zwei</p>\r\n\r\n"
                            "@thema F5_All  600\t8101 \r\n@titel Konfiguration laden\r\n<p>Fünf</p>"))
        << datei.Fehler();
    ASSERT_EQ(datei.Themen().size(), 2u);
    const THilfeThema &inhalt = datei.Themen()[0];
    EXPECT_EQ(inhalt.Schluessel, "Inhalt");
    EXPECT_EQ(inhalt.Titel, "Inhalt der Hilfe");
    EXPECT_TRUE(inhalt.Kontexte.empty());
    EXPECT_EQ(inhalt.Text, "<p>Eins</p>\n\n<p>Zwei</p>");
    const THilfeThema &f5 = datei.Themen()[1];
    EXPECT_EQ(f5.Schluessel, "F5_All");
    EXPECT_EQ(f5.Kontexte, (std::vector<int>{600, 8101}));
    EXPECT_EQ(f5.Titel, "Konfiguration laden");
    EXPECT_EQ(f5.Text, "<p>Fünf</p>");

    EXPECT_EQ(datei.Thema("f5_ALL"), &f5);
    EXPECT_EQ(datei.Thema("F5"), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(8101), &f5);
    EXPECT_EQ(datei.ThemaZuKontext(601), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(0), nullptr);
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
        {ordner + "/FEHLT.HLP", "wurde nicht gefunden."},
        {ordner, "wurde nicht gefunden."},
        {kaputt, "ist fehlerhaft. Zeile 1: Text vor dem ersten Thema."},
    };
    for (const auto &[pfad, fehler] : faelle) {
        EXPECT_FALSE(datei.Laden(pfad)) << pfad;
        EXPECT_EQ(datei.Fehler(), "Die Hilfedatei „" + pfad + "“ " + fehler);
        EXPECT_EQ(datei.Thema("Inhalt"), nullptr) << pfad;
    }
    std::remove(gut.c_str());
    std::remove(kaputt.c_str());
    rmdir(ordner.c_str());
}

TEST(MitgelieferteHilfedatei, hatDieBenoetigtenThemenNummernUndVerweise)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Laden(SPRILO_HILFEDATEI)) << datei.Fehler();

    // Opened by key from help buttons, the help menu and the work panels.
    for (const char *s : {"Inhalt", "F1_All", "F5_All", "Ver_News", "FM_8003", "F1_DtEin", "TankList",
                          "F1_SprMask", "F1_VBMask", "F1_LPMask", "F1_RWMask"}) {
        const THilfeThema *thema = datei.Thema(s);
        ASSERT_NE(thema, nullptr) << s;
        EXPECT_FALSE(thema->Titel.empty()) << s;
        EXPECT_GT(thema->Text.size(), 100u) << s;
    }

    // Numbers of the main window, its menus, the dialogs and the messages.
    const std::pair<std::vector<int>, const char *> gruppen[] = {
        {{100}, "F1_All"}, {{600}, "F5_All"},
        {{110, 111, 112, 113, 114, 115, 116, 117}, "Menue_Datei"},
        {{120, 121, 122, 123, 125, 126, 127, 128}, "Menue_Einstellungen"},
        {{130, 131, 132, 133}, "Menue_Bearbeiten"},
        {{140, 141, 142, 143, 144}, "Menue_Analysen"},
        {{150, 151, 152, 153, 154, 155}, "Menue_Hilfen"},
        {{8003}, "FM_8003"}, {{8101}, "FM_8101"}, {{8102}, "FM_8102"}, {{8103}, "FM_8103"},
        {{8104}, "FM_8104"}, {{8108}, "FM_8108"}, {{8217}, "FM_8217"},
    };
    for (const auto &[kontexte, schluessel] : gruppen) {
        for (int k : kontexte) {
            const THilfeThema *thema = datei.ThemaZuKontext(k);
            ASSERT_NE(thema, nullptr) << k;
            EXPECT_EQ(thema->Schluessel, schluessel) << k;
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

    // Every message's Help button finds a topic of its own number.
    for (int i = 1; i <= static_cast<int>(TMeldungsNr::Info); ++i) {
        const TMeldung m = MeldungBauen(static_cast<TMeldungsNr>(i));
        if (m.Hilfe == 0)
            continue;
        const THilfeThema *thema = datei.ThemaZuKontext(m.Hilfe);
        ASSERT_NE(thema, nullptr) << m.Hilfe;
        EXPECT_EQ(thema->Schluessel, "FM_" + std::to_string(m.Hilfe));
    }
}

} // namespace
