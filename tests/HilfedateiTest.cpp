#include "Hilfedatei.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// ---- reading text ------------------------------------------------------------

struct TLeseFall {
    const char *Name;
    const char *Inhalt;
    bool Ok;
    const char *Fehler;     // expected Fehler() when !Ok
};

const TLeseFall LeseFaelle[] = {
    {"gueltigeDatei",
     "@@ Kommentar am Anfang\n"
     "\n"
     "@thema Inhalt\n"
     "@titel Inhaltsverzeichnis\n"
     "<p>Siehe <a href=\"#F5_All\">Konfiguration</a>.</p>\n"
     "@thema F5_All 600 8101\n"
     "@titel Konfiguration laden\n"
     "<p>Text</p>\n",
     true, ""},
    {"titelFehlt",
     "@thema Inhalt\n"
     "<p>Text</p>\n",
     false, "Zeile 2: Hier fehlt die Zeile „@titel“ zum Thema „Inhalt“."},
    {"titelFehltAmDateiende",
     "@thema Inhalt\n"
     "@titel Inhalt\n"
     "@thema Zweites 5\n",
     false, "Zeile 3: Auf „@thema“ folgt keine Zeile „@titel“."},
    {"leererTitel",
     "@thema Inhalt\n"
     "@titel   \n",
     false, "Zeile 2: Das Thema hat keinen Titel."},
    {"titelOhneThema",
     "@thema Inhalt\n"
     "@titel Inhalt\n"
     "<p>Text</p>\n"
     "@titel Noch ein Titel\n",
     false, "Zeile 4: „@titel“ steht nicht direkt nach einer Zeile „@thema“."},
    {"kontextKeineZahl",
     "@thema Inhalt\n"
     "@titel Inhalt\n"
     "@thema F5_All 600 6O1\n"
     "@titel Konfiguration\n",
     false, "Zeile 3: „6O1“ ist keine gültige Hilfekontextnummer."},
    {"kontextNull",
     "@thema Inhalt 0\n"
     "@titel Inhalt\n",
     false, "Zeile 1: „0“ ist keine gültige Hilfekontextnummer."},
    {"kontextMitVorzeichen",
     "@thema Inhalt +100\n"
     "@titel Inhalt\n",
     false, "Zeile 1: „+100“ ist keine gültige Hilfekontextnummer."},
    {"schluesselFehlt",
     "@thema   \n"
     "@titel Inhalt\n",
     false, "Zeile 1: Nach „@thema“ fehlt der Schlüssel des Themas."},
    {"doppelterSchluesselOhneRuecksichtAufSchreibweise",
     "@thema Inhalt\n"
     "@titel Inhalt\n"
     "<p>a</p>\n"
     "@thema INHALT\n"
     "@titel Nochmal\n",
     false, "Zeile 4: Das Thema „INHALT“ ist schon vorhanden."},
    {"doppelterKontext",
     "@thema F1_All 100 110\n"
     "@titel Hauptfenster\n"
     "@thema Datei 110\n"
     "@titel Menü Datei\n",
     false, "Zeile 3: Die Hilfekontextnummer 110 gehört schon zum Thema „F1_All“."},
    {"kontextZweimalInEinerZeile",
     "@thema F1_All 100 100\n"
     "@titel Hauptfenster\n",
     false, "Zeile 1: Die Hilfekontextnummer 100 steht zweimal in der Zeile."},
    {"leereDatei", "", false, "Die Hilfedatei enthält kein Thema."},
    {"nurKommentareUndLeerzeilen", "@@ nichts\n\n   \n@@ gar nichts\n", false,
     "Die Hilfedatei enthält kein Thema."},
    {"textVorDemErstenThema",
     "@@ Kommentar\n"
     "\n"
     "Willkommen\n"
     "@thema Inhalt\n"
     "@titel Inhalt\n",
     false, "Zeile 3: Text vor dem ersten Thema."},
    {"unbekannteAnweisung",
     "@thema Inhalt\n"
     "@titel Inhalt\n"
     "@Thema Zweites\n",
     false, "Zeile 3: Unbekannte Anweisung „@Thema“."},
};

class HilfedateiLesen : public ::testing::TestWithParam<TLeseFall> {};

TEST_P(HilfedateiLesen, meldetFehlerMitZeilennummer)
{
    const TLeseFall &fall = GetParam();
    THilfedatei datei;
    EXPECT_EQ(datei.Lesen(fall.Inhalt), fall.Ok);
    EXPECT_EQ(datei.Fehler(), fall.Fehler);
    if (!fall.Ok) {
        EXPECT_TRUE(datei.Themen().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, HilfedateiLesen, ::testing::ValuesIn(LeseFaelle),
                         [](const ::testing::TestParamInfo<TLeseFall> &info) { return info.param.Name; });

TEST(Hilfedatei, liestSchluesselKontexteTitelUndText)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("\xEF\xBB\xBF@thema Inhalt\r\n"
                            "@titel Inhalt der Hilfe\r\n"
                            "\r\n"
                            "<p>Erste Zeile</p>\r\n"
                            "@@ wird übersprungen\r\n"
                            "\r\n"
                            "<p>Zweite Zeile</p>\r\n"
                            "\r\n"
                            "@thema F5_All  600\t8101 \r\n"
                            "@titel Konfiguration laden\r\n"
                            "<p>Fünf</p>"))
        << datei.Fehler();
    ASSERT_EQ(datei.Themen().size(), 2u);

    const THilfeThema &inhalt = datei.Themen()[0];
    EXPECT_EQ(inhalt.Schluessel, "Inhalt");
    EXPECT_EQ(inhalt.Titel, "Inhalt der Hilfe");
    EXPECT_TRUE(inhalt.Kontexte.empty());
    EXPECT_EQ(inhalt.Text, "<p>Erste Zeile</p>\n\n<p>Zweite Zeile</p>");

    const THilfeThema &f5 = datei.Themen()[1];
    EXPECT_EQ(f5.Schluessel, "F5_All");
    EXPECT_EQ(f5.Kontexte, (std::vector<int>{600, 8101}));
    EXPECT_EQ(f5.Titel, "Konfiguration laden");
    EXPECT_EQ(f5.Text, "<p>Fünf</p>");
}

TEST(Hilfedatei, findetThemenOhneRuecksichtAufGrossUndKleinschreibung)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("@thema F5_All 600\n@titel Konfiguration\n@thema Inhalt\n@titel Inhalt\n"));
    ASSERT_NE(datei.Thema("f5_all"), nullptr);
    EXPECT_EQ(datei.Thema("f5_all")->Schluessel, "F5_All");
    EXPECT_EQ(datei.Thema("F5_ALL"), datei.Thema("F5_All"));
    EXPECT_EQ(datei.Thema("F5"), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(600), datei.Thema("F5_All"));
    EXPECT_EQ(datei.ThemaZuKontext(601), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(0), nullptr);
}

TEST(Hilfedatei, vergisstBeiEinemFehlerDieVorigenThemen)
{
    THilfedatei datei;
    ASSERT_TRUE(datei.Lesen("@thema Inhalt 1\n@titel Inhalt\n"));
    EXPECT_FALSE(datei.Lesen("@thema Inhalt\n"));
    EXPECT_EQ(datei.Thema("Inhalt"), nullptr);
    EXPECT_EQ(datei.ThemaZuKontext(1), nullptr);
    ASSERT_TRUE(datei.Lesen("@thema Neu\n@titel Neu\n"));
    EXPECT_EQ(datei.Fehler(), "");
    EXPECT_NE(datei.Thema("Neu"), nullptr);
}

// ---- reading files -------------------------------------------------------------

class HilfedateiLaden : public ::testing::Test {
protected:
    void SetUp() override
    {
        char muster[] = "/tmp/hilfedatei-XXXXXX";
        ASSERT_NE(mkdtemp(muster), nullptr);
        m_ordner = muster;
    }
    void TearDown() override
    {
        for (const std::string &d : m_dateien)
            std::remove(d.c_str());
        rmdir(m_ordner.c_str());
    }
    std::string Schreiben(const std::string &name, const std::string &inhalt)
    {
        const std::string pfad = m_ordner + "/" + name;
        std::ofstream(pfad, std::ios::binary) << inhalt;
        m_dateien.push_back(pfad);
        return pfad;
    }
    std::string m_ordner;
    std::vector<std::string> m_dateien;
};

TEST_F(HilfedateiLaden, liestEineVorhandeneDatei)
{
    const std::string pfad = Schreiben("SPRILO.HLP", "@thema Inhalt\n@titel Inhalt\n<p>Hallo</p>\n");
    THilfedatei datei;
    ASSERT_TRUE(datei.Laden(pfad)) << datei.Fehler();
    ASSERT_NE(datei.Thema("Inhalt"), nullptr);
    EXPECT_EQ(datei.Thema("Inhalt")->Text, "<p>Hallo</p>");
}

TEST_F(HilfedateiLaden, meldetEineFehlendeDatei)
{
    THilfedatei datei;
    const std::string pfad = m_ordner + "/FEHLT.HLP";
    EXPECT_FALSE(datei.Laden(pfad));
    EXPECT_EQ(datei.Fehler(), "Die Hilfedatei „" + pfad + "“ wurde nicht gefunden.");
}

TEST_F(HilfedateiLaden, meldetEinenOrdnerAlsFehlendeDatei)
{
    THilfedatei datei;
    EXPECT_FALSE(datei.Laden(m_ordner));
    EXPECT_EQ(datei.Fehler(), "Die Hilfedatei „" + m_ordner + "“ wurde nicht gefunden.");
}

TEST_F(HilfedateiLaden, nenntDieDateiBeiEinemFormatfehler)
{
    const std::string pfad = Schreiben("KAPUTT.HLP", "Hallo\n@thema Inhalt\n@titel Inhalt\n");
    THilfedatei datei;
    EXPECT_FALSE(datei.Laden(pfad));
    EXPECT_EQ(datei.Fehler(), "Die Hilfedatei „" + pfad + "“ ist fehlerhaft. Zeile 1: Text vor dem ersten Thema.");
}

// ---- the shipped help file ---------------------------------------------------------

class MitgelieferteHilfedatei : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_datei = new THilfedatei;
        s_geladen = s_datei->Laden(SPRILO_HILFEDATEI);
    }
    static void TearDownTestSuite()
    {
        delete s_datei;
        s_datei = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_geladen) << s_datei->Fehler(); }

    static THilfedatei *s_datei;
    static bool s_geladen;
};
THilfedatei *MitgelieferteHilfedatei::s_datei = nullptr;
bool MitgelieferteHilfedatei::s_geladen = false;

TEST_F(MitgelieferteHilfedatei, enthaeltDieThemenDerSchluessel)
{
    // Opened by help buttons and the help menu; the last six belong to the
    // work panels of the main window ("Hilfe zu ...").
    const char *schluessel[] = {"Inhalt",    "F1_All",   "F5_All",     "Ver_News",   "FM_8003",
                                "F1_DtEin",  "TankList", "F1_SprMask", "F1_VBMask",  "F1_LPMask",
                                "F1_RWMask"};
    for (const char *s : schluessel) {
        const THilfeThema *thema = s_datei->Thema(s);
        ASSERT_NE(thema, nullptr) << s;
        EXPECT_FALSE(thema->Titel.empty()) << s;
        EXPECT_GT(thema->Text.size(), 100u) << s;
    }
}

TEST_F(MitgelieferteHilfedatei, hatZuJederKontextnummerDesHauptfenstersUndDerMeldungenEinThema)
{
    std::vector<int> kontexte = {100, 600, 8003, 8101, 8102, 8103, 8104, 8108, 8217};
    for (int k = 110; k <= 117; ++k)
        kontexte.push_back(k);
    for (int k : {120, 121, 122, 123, 125, 126, 127, 128})
        kontexte.push_back(k);
    for (int k = 130; k <= 133; ++k)
        kontexte.push_back(k);
    for (int k = 140; k <= 144; ++k)
        kontexte.push_back(k);
    for (int k = 150; k <= 155; ++k)
        kontexte.push_back(k);
    for (int k : kontexte)
        EXPECT_NE(s_datei->ThemaZuKontext(k), nullptr) << k;
}

TEST_F(MitgelieferteHilfedatei, oeffnetDieErwartetenThemenZuDenNummern)
{
    struct TPaar {
        int Kontext;
        const char *Schluessel;
    };
    const TPaar paare[] = {
        {100, "F1_All"}, {600, "F5_All"},  {8003, "FM_8003"}, {8101, "FM_8101"}, {8102, "FM_8102"},
        {8103, "FM_8103"}, {8104, "FM_8104"}, {8108, "FM_8108"}, {8217, "FM_8217"},
    };
    for (const TPaar &p : paare) {
        const THilfeThema *thema = s_datei->ThemaZuKontext(p.Kontext);
        ASSERT_NE(thema, nullptr) << p.Kontext;
        EXPECT_EQ(thema->Schluessel, p.Schluessel) << p.Kontext;
    }
}

TEST_F(MitgelieferteHilfedatei, jederVerweisFuehrtZuEinemVorhandenenThema)
{
    const std::regex verweis(R"(<a\s+href="([^"]*)\")");
    int anzahl = 0;
    for (const THilfeThema &thema : s_datei->Themen()) {
        for (auto it = std::sregex_iterator(thema.Text.begin(), thema.Text.end(), verweis);
             it != std::sregex_iterator(); ++it) {
            const std::string ziel = (*it)[1];
            ++anzahl;
            ASSERT_FALSE(ziel.empty()) << thema.Schluessel;
            ASSERT_EQ(ziel[0], '#') << thema.Schluessel << ": " << ziel;
            EXPECT_NE(s_datei->Thema(ziel.substr(1)), nullptr) << thema.Schluessel << " -> " << ziel;
        }
    }
    EXPECT_GT(anzahl, 50);
}

TEST_F(MitgelieferteHilfedatei, inhaltVerweistAufAlleThemen)
{
    const THilfeThema *inhalt = s_datei->Thema("Inhalt");
    ASSERT_NE(inhalt, nullptr);
    for (const THilfeThema &thema : s_datei->Themen()) {
        if (thema.Schluessel == "Inhalt")
            continue;
        EXPECT_NE(inhalt->Text.find("<a href=\"#" + thema.Schluessel + "\">"), std::string::npos)
            << thema.Schluessel;
    }
}

TEST_F(MitgelieferteHilfedatei, nenntDieVierZustaendeDerStatusanzeige)
{
    const THilfeThema *f1 = s_datei->Thema("F1_All");
    ASSERT_NE(f1, nullptr);
    for (const char *text : {"Programmzustand", "Keine Daten vorhanden", "Daten Ok und gespeichert",
                             "Daten Ok, jedoch noch nicht gespeichert", "Daten enthalten logische Fehler"})
        EXPECT_NE(f1->Text.find(text), std::string::npos) << text;
}

TEST_F(MitgelieferteHilfedatei, erklaertDenLogischenFehlerAmBeispiel)
{
    const THilfeThema *fm = s_datei->Thema("FM_8003");
    ASSERT_NE(fm, nullptr);
    for (const char *text : {"10.250", "01.01.1996", "10.750", "31.12.1995"})
        EXPECT_NE(fm->Text.find(text), std::string::npos) << text;
}

TEST_F(MitgelieferteHilfedatei, nenntDieOrteDerKonfigurationssuche)
{
    const THilfeThema *fm = s_datei->Thema("FM_8101");
    ASSERT_NE(fm, nullptr);
    for (const char *text : {"DATEN", "~/.config/sprilo", "SPRILO.INI"})
        EXPECT_NE(fm->Text.find(text), std::string::npos) << text;
}

TEST_F(MitgelieferteHilfedatei, enthaeltNurGeschlosseneAbsaetzeUndListen)
{
    // QTextBrowser forgives a lot, but an unclosed list swallows the rest of
    // the page into its last item.
    for (const THilfeThema &thema : s_datei->Themen()) {
        for (const char *tag : {"ul", "ol", "li", "p", "b", "i", "h3", "table", "tr", "td", "dl", "dt", "dd"}) {
            const std::regex auf("<" + std::string(tag) + "[ >]");
            const std::regex zu("</" + std::string(tag) + ">");
            const auto zaehlen = [&](const std::regex &r) {
                return std::distance(std::sregex_iterator(thema.Text.begin(), thema.Text.end(), r),
                                     std::sregex_iterator());
            };
            EXPECT_EQ(zaehlen(auf), zaehlen(zu)) << thema.Schluessel << " <" << tag << ">";
        }
    }
}

} // namespace
