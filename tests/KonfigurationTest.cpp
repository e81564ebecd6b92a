#include "Konfiguration.h"

#include "Datensatz.h"
#include "FakeDateisystem.h"
#include "Fixtures.h"
#include "Plattform.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

void PrintTo(const TDatum &d, std::ostream *os)
{
    *os << int(d.Tag) << '.' << int(d.Monat) << '.' << d.Jahr;
}

namespace {

namespace fs = std::filesystem;

TDatum D(int tag, int monat, int jahr)
{
    return TDatum{static_cast<uint8_t>(tag), static_cast<uint8_t>(monat), static_cast<uint16_t>(jahr)};
}

const std::string Text8101 =
    "Eine Konfigurationsdatei 'SPRILO.INI' kann bei Programmende nicht angelegt werden. Alle möglichen Laufwerke bzw. Verzeichnisse, in denen die Datei geschrieben werden kann, sind schreibgeschützt.\r\rDas Programm arbeitet momentan mit Standardwerten.\r\rSie können im Menuepunkt \"Einstellungen | Konfiguration nachladen\" ein Verzeichnis angeben, in dem die Konfiguration bei Programmende abgelegt werden soll.\r\rCode : 8101";
const std::string Text8102 =
    "Die Konfigurationsdatei 'SPRILO.INI' konnte nicht gefunden werden oder war defekt.\rDie Einstellungen des Programms wurden neu initialisiert.\r\rBitte kontrollieren Sie die Tankstellenliste, da es hier zu Veränderungen gekommen sein könnte.\r(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")\r\rCode : 8102";
const std::string Text8103 =
    "Die Konfigurationsdatei war fehlerhaft und wurde neu angelegt.\rDie Einstellungen des Programms wurden neu initialisiert.\r\rBitte kontrollieren Sie die Tankstellenliste, da es hier zu Veränderungen gekommen sein könnte.\r(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")\r\rCode : 8103";
const std::string Text8104 =
    "Einige Daten der Konfigurationsdatei waren fehlerhaft und wurden angepasst.\r\rBitte kontrollieren Sie die Tankstellenliste, da es auch hier zu Veränderungen gekommen sein könnte.\r(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")\r\rCode : 8104";
const std::string Text8217 =
    "Die Konfigurationsdatei hatte das Format einer älteren Programmversion.\rDie alten Einstellungen wurden übernommen.\r\rBitte arbeiten Sie nicht mehr mit der alten Programmversion.\r\rCode : 8217";

const std::string &ErwarteterText(int code)
{
    static const std::string leer;
    switch (code) {
    case 8101: return Text8101;
    case 8102: return Text8102;
    case 8103: return Text8103;
    case 8104: return Text8104;
    case 8217: return Text8217;
    default: return leer;
    }
}

// Records sounds and messages; "today" is fixed.
class TTestPlattform final : public TPlattform {
public:
    TDatum HeuteWert = D(15, 7, 2000);
    std::vector<int> Toene;
    std::vector<TMeldung> Meldungen;

    void Ton(int art) override { Toene.push_back(art); }
    uint32_t SystemFarbe(int index) override { return KlassischeSystemFarbe(index); }
    TDatum Heute() override { return HeuteWert; }
    int MeldungZeigen(const TMeldung &m) override
    {
        Meldungen.push_back(m);
        return mrOk;
    }
};

bool IstRoot()
{
    return ::geteuid() == 0;
}

class Konfiguration : public testing::Test {
protected:
    TTestPlattform plattform;
    std::string tmp;
    int neuzeichnen = 0;
    std::vector<std::string> zeilen;

    void SetUp() override
    {
        PlattformSetzen(&plattform);
        char muster[] = "/tmp/sprilo-konfig-XXXXXX";
        ASSERT_NE(::mkdtemp(muster), nullptr);
        tmp = muster;
        GlobalenZustandZuruecksetzen();
        KonfigurationVorbelegen(0, plattform.HeuteWert);   // not writable yet: no file
        fs::create_directories(tmp + "/heim");
        KonfigOrte = TKonfigOrte{};
        KonfigOrte.Heimverzeichnis = tmp + "/heim";
        KonfigOrte.DatenOrdner = tmp + "/heim/DATEN";
        KonfigOrte.KonfigOrdner = tmp + "/heim/.config/sprilo";
        KonfigOrte.ProgrammOrdner = tmp + "/programm";
        StartAnzeige.Zeile = [this](const std::string &z) { zeilen.push_back(z); };
        StartAnzeige.Neuzeichnen = [this] { ++neuzeichnen; };
    }

    void TearDown() override
    {
        StartAnzeige = TStartAnzeige{};
        KonfigOrte = TKonfigOrte{};
        GlobalenZustandZuruecksetzen();
        PlattformSetzen(nullptr);
        std::error_code f;
        for (const auto &e : fs::recursive_directory_iterator(tmp, f))
            if (e.is_directory(f))
                fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, f);
        fs::remove_all(tmp, f);
    }

    static std::string Fixtur(const std::string &name) { return DateiInhalt(FixturPfad("konfig", name)); }

    // Puts the bytes as SPRILO.INI into a writable configuration directory.
    void Ablegen(const std::string &bytes)
    {
        fs::create_directories(tmp + "/konfig");
        DateiSchreiben(tmp + "/konfig/SPRILO.INI", bytes);
        KonfigVerzeichnis = tmp + "/konfig/";
        KonfigSchreibbar = true;
    }

    std::string Datei() const { return DateiInhalt(tmp + "/konfig/SPRILO.INI"); }

    static std::string Kodiert()
    {
        const std::vector<uint8_t> satz = KonfigurationKodieren();
        return std::string(satz.begin(), satz.end());
    }

    std::vector<int> Codes() const
    {
        std::vector<int> c;
        for (const auto &m : plattform.Meldungen)
            c.push_back(m.Code);
        return c;
    }

    // The one message shown, in every detail.
    void MeldungPruefen(int code, int tonArt, TKastenArt art)
    {
        ASSERT_EQ(Codes(), std::vector<int>{code});
        const TMeldung &m = plattform.Meldungen[0];
        EXPECT_EQ(m.Text, ErwarteterText(code));
        EXPECT_EQ(m.TonArt, tonArt);
        EXPECT_TRUE(m.TonImmer);
        EXPECT_EQ(m.Art, art);
        EXPECT_EQ(m.Knoepfe, unsigned(KnopfOK | KnopfHilfe));
        EXPECT_EQ(m.Hilfe, code);
        EXPECT_EQ(plattform.Toene, std::vector<int>{tonArt});
    }
};

std::string Zeichen(size_t n, char c)
{
    return std::string(n, c);
}

void TextSetzen(std::string &satz, int offset, int kapazitaet, const std::string &text)
{
    TextfeldSchreiben(text, kapazitaet, reinterpret_cast<uint8_t *>(&satz[offset]));
}

// ---- reading the fixture ------------------------------------------------------------------

TEST_F(Konfiguration, fixturWirdGelesenUndBitgleichZurueckgeschrieben)
{
    plattform.HeuteWert = D(3, 2, 2024);
    const std::string fixtur = Fixtur("SPRILO.INI");
    ASSERT_EQ(fixtur.size(), 3084u);
    Ablegen(fixtur);

    KonfigurationLesen(false);

    EXPECT_TRUE(plattform.Meldungen.empty());
    EXPECT_TRUE(plattform.Toene.empty());
    EXPECT_EQ(neuzeichnen, 1);
    EXPECT_TRUE(WarnTonAn);
    EXPECT_EQ(DatenVerzeichnis, tmp + "/heim");   // empty in the file, DATEN missing
    ASSERT_EQ(AnzahlTankstellen, 4);
    EXPECT_EQ(std::vector<std::string>(Tankstellen, Tankstellen + MaxTankstellen),
              (std::vector<std::string>{"Aral Hauptstraße", "Jet", "SHELL , Velmbach", "Esso Südring", "", "", "",
                                        "", "", ""}));
    EXPECT_EQ(TankstellenAuswahl, 1);
    EXPECT_EQ(JahresAuswahl, 1);
    EXPECT_EQ(FuellungsSortierung, 1);
    EXPECT_EQ(AuswahlTankstelleNr, -1);
    EXPECT_EQ(AuswahlWort, "SHELL");
    EXPECT_EQ(AuswahlJahr, 2000);
    EXPECT_EQ(AuswahlVon, D(1, 7, 2000));
    EXPECT_EQ(AuswahlBis, D(32, 7, 2000));
    EXPECT_FALSE(FuellungenUmgekehrt);
    EXPECT_EQ(VerbrauchsAuswahl, 1);
    EXPECT_EQ(VerbrauchsAnsicht, 1);
    EXPECT_EQ(GewaehltesJahr, 2000);
    EXPECT_EQ(AktuellesJahr, 2024);               // today, not the file
    EXPECT_EQ(ZeitraumVon, D(1, 7, 2000));
    EXPECT_EQ(ZeitraumBis, D(32, 7, 2000));
    EXPECT_TRUE(TabellenAnsicht);
    EXPECT_TRUE(FestverbrauchAn);
    EXPECT_EQ(Sortierung, 1);
    EXPECT_FALSE(UmgekehrtSortiert);
    EXPECT_TRUE(DruckMitAbschaltwerten && DruckMitZusammenfassung && DruckFestverbrauchMarkieren);
    EXPECT_EQ(DruckVerbrauchsArt, 2);
    EXPECT_TRUE(DruckInFarbe && DruckTankfuellungen && DruckVerbrauch && DruckTankstellenliste);
    EXPECT_EQ(DruckTF_Auswahl, 1);
    EXPECT_EQ(DruckTF_Jahr, 2000);
    EXPECT_EQ(DruckTF_Von, D(1, 7, 2000));
    EXPECT_EQ(DruckTF_Bis, D(32, 7, 2000));
    EXPECT_EQ(DruckVB_Auswahl, 1);
    EXPECT_EQ(DruckVB_Ansicht, 1);
    EXPECT_EQ(DruckVB_Jahr, 2000);
    EXPECT_EQ(DruckVB_Von, D(1, 7, 2000));
    EXPECT_EQ(DruckVB_Bis, D(32, 7, 2000));
    EXPECT_EQ(DruckTS_Auswahl, 1);
    EXPECT_EQ(DruckTS_Jahr, 2000);
    EXPECT_EQ(DruckTS_VonJahr, 2000);
    EXPECT_EQ(DruckTS_BisJahr, 2000);
    EXPECT_TRUE(DruckTS_Einzeln);
    EXPECT_FALSE(DruckTS_Summe);
    EXPECT_EQ(LP_Zeitraumwahl, 1);
    EXPECT_EQ(LP_Ansicht, 1);
    EXPECT_EQ(LP_Von, D(1, 7, 2000));
    EXPECT_EQ(LP_Bis, D(32, 7, 2000));
    EXPECT_EQ(LP_Diagrammart, 0);
    EXPECT_TRUE(LP_DruckBalken);
    EXPECT_EQ(RW_Zeitraumwahl, 1);
    EXPECT_EQ(RW_Ansicht, 1);
    EXPECT_EQ(RW_Von, D(1, 7, 2000));
    EXPECT_EQ(RW_Bis, D(32, 7, 2000));
    EXPECT_EQ(RW_Diagrammart, 0);
    EXPECT_TRUE(RW_DruckBalken);
    EXPECT_EQ(Farben, (std::array<uint8_t, 16>{2, 14, 4, 6, 2, 1, 5, 13, 11, 6, 6, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Farben, StandardFarben);

    EXPECT_EQ(Datei(), fixtur);                   // reading alone writes nothing
    DatenVerzeichnis.clear();
    EXPECT_EQ(Kodiert(), fixtur);
}

TEST_F(Konfiguration, laengereDateiWirdAlsNeuesFormatGelesen)
{
    Ablegen(Fixtur("SPRILO.INI") + "Rest");
    KonfigurationLesen(false);
    EXPECT_TRUE(plattform.Meldungen.empty());
    EXPECT_EQ(AnzahlTankstellen, 4);
}

// ---- the codec, field by field ---------------------------------------------------------------

struct TFeldFall {
    const char *Name;
    int Offset;
    std::function<void()> Setzen;
    std::vector<uint8_t> Bytes;
};

// Each setting changed alone must change exactly its bytes at its offset.
TEST_F(Konfiguration, jedesFeldLiegtAnSeinemOffset)
{
    const std::vector<TFeldFall> faelle = {
        {"WarnTonAn", 0, [] { WarnTonAn = false; }, {0}},
        {"DatenVerzeichnis", 1, [] { DatenVerzeichnis = "/ab"; }, {3, '/', 'a', 'b'}},
        {"AnzahlTankstellen", 257, [] { AnzahlTankstellen = 7; }, {7}},
        {"Tankstellen[0]", 258, [] { Tankstellen[0] = "SHELL , Velmbacx"; }, {16, 'S', 'H', 'E', 'L', 'L', ' ', ',', ' ', 'V', 'e', 'l', 'm', 'b', 'a', 'c', 'x'}},
        {"Tankstellen[2]", 340, [] { Tankstellen[2] = "Ab"; }, {2, 'A', 'b'}},
        {"Tankstellen[1]", 299, [] { Tankstellen[1] = "Öl"; }, {2, 0xD6, 'l'}},
        {"Tankstellen[9]", 627, [] { Tankstellen[9] = "Z"; }, {1, 'Z'}},
        {"TankstellenAuswahl", 670, [] { TankstellenAuswahl = 3; }, {3}},
        {"JahresAuswahl", 671, [] { JahresAuswahl = 4; }, {4}},
        {"FuellungsSortierung", 672, [] { FuellungsSortierung = 2; }, {2}},
        {"AuswahlTankstelleNr", 673, [] { AuswahlTankstelleNr = -2; }, {0xFE}},
        {"AuswahlWort", 674, [] { AuswahlWort = "Aral"; }, {4, 'A', 'r', 'a', 'l', 0}},
        {"AuswahlJahr", 716, [] { AuswahlJahr = 0x0102; }, {2, 1}},
        {"AuswahlVon", 718, [] { AuswahlVon = D(3, 12, 1999); }, {3, 12, 0xCF, 0x07}},
        {"AuswahlBis", 722, [] { AuswahlBis = D(5, 11, 2001); }, {5, 11, 0xD1, 0x07}},
        {"FuellungenUmgekehrt", 726, [] { FuellungenUmgekehrt = true; }, {1}},
        {"VerbrauchsAuswahl", 727, [] { VerbrauchsAuswahl = 4; }, {4}},
        {"VerbrauchsAnsicht", 728, [] { VerbrauchsAnsicht = 3; }, {3}},
        {"GewaehltesJahr", 730, [] { GewaehltesJahr = 0x0304; }, {4, 3}},
        {"ZeitraumVon", 732, [] { ZeitraumVon = D(2, 1, 1990); }, {2, 1, 0xC6, 0x07}},
        {"ZeitraumBis", 736, [] { ZeitraumBis = D(4, 2, 1991); }, {4, 2, 0xC7, 0x07}},
        {"TabellenAnsicht", 740, [] { TabellenAnsicht = false; }, {0}},
        {"FestverbrauchAn", 741, [] { FestverbrauchAn = false; }, {0}},
        {"Sortierung", 742, [] { Sortierung = 5; }, {5}},
        {"UmgekehrtSortiert", 743, [] { UmgekehrtSortiert = true; }, {1}},
        {"DruckMitAbschaltwerten", 744, [] { DruckMitAbschaltwerten = false; }, {0}},
        {"DruckMitZusammenfassung", 745, [] { DruckMitZusammenfassung = false; }, {0}},
        {"DruckFestverbrauchMarkieren", 746, [] { DruckFestverbrauchMarkieren = false; }, {0}},
        {"DruckVerbrauchsArt", 747, [] { DruckVerbrauchsArt = 3; }, {3}},
        {"DruckInFarbe", 748, [] { DruckInFarbe = false; }, {0}},
        {"DruckTankfuellungen", 749, [] { DruckTankfuellungen = false; }, {0}},
        {"DruckTF_Auswahl", 750, [] { DruckTF_Auswahl = 3; }, {3}},
        {"DruckTF_Jahr", 752, [] { DruckTF_Jahr = 0x0506; }, {6, 5}},
        {"DruckTF_Von", 754, [] { DruckTF_Von = D(6, 3, 1992); }, {6, 3, 0xC8, 0x07}},
        {"DruckTF_Bis", 758, [] { DruckTF_Bis = D(8, 4, 1993); }, {8, 4, 0xC9, 0x07}},
        {"DruckVerbrauch", 762, [] { DruckVerbrauch = false; }, {0}},
        {"DruckVB_Auswahl", 763, [] { DruckVB_Auswahl = 2; }, {2}},
        {"DruckVB_Ansicht", 764, [] { DruckVB_Ansicht = 4; }, {4}},
        {"DruckVB_Jahr", 766, [] { DruckVB_Jahr = 0x0708; }, {8, 7}},
        {"DruckVB_Von", 768, [] { DruckVB_Von = D(9, 5, 1994); }, {9, 5, 0xCA, 0x07}},
        {"DruckVB_Bis", 772, [] { DruckVB_Bis = D(10, 6, 1995); }, {10, 6, 0xCB, 0x07}},
        {"DruckTankstellenliste", 776, [] { DruckTankstellenliste = false; }, {0}},
        {"DruckTS_Auswahl", 777, [] { DruckTS_Auswahl = 2; }, {2}},
        {"DruckTS_Jahr", 778, [] { DruckTS_Jahr = 0x090A; }, {0x0A, 0x09}},
        {"DruckTS_VonJahr", 780, [] { DruckTS_VonJahr = 0x0B0C; }, {0x0C, 0x0B}},
        {"DruckTS_BisJahr", 782, [] { DruckTS_BisJahr = 0x0D0E; }, {0x0E, 0x0D}},
        {"DruckTS_Einzeln", 784, [] { DruckTS_Einzeln = false; }, {0}},
        {"DruckTS_Summe", 785, [] { DruckTS_Summe = true; }, {1}},
        {"LP_Zeitraumwahl", 786, [] { LP_Zeitraumwahl = 2; }, {2}},
        {"LP_Ansicht", 787, [] { LP_Ansicht = 4; }, {4}},
        {"LP_Von", 788, [] { LP_Von = D(11, 8, 1996); }, {11, 8, 0xCC, 0x07}},
        {"LP_Bis", 792, [] { LP_Bis = D(12, 9, 1997); }, {12, 9, 0xCD, 0x07}},
        {"LP_Diagrammart", 796, [] { LP_Diagrammart = 2; }, {2}},
        {"LP_DruckBalken", 797, [] { LP_DruckBalken = false; }, {0}},
        {"RW_Zeitraumwahl", 798, [] { RW_Zeitraumwahl = 2; }, {2}},
        {"RW_Ansicht", 799, [] { RW_Ansicht = 3; }, {3}},
        {"RW_Von", 800, [] { RW_Von = D(13, 10, 1998); }, {13, 10, 0xCE, 0x07}},
        {"RW_Bis", 804, [] { RW_Bis = D(14, 11, 2002); }, {14, 11, 0xD2, 0x07}},
        {"RW_Diagrammart", 808, [] { RW_Diagrammart = 1; }, {1}},
        {"RW_DruckBalken", 809, [] { RW_DruckBalken = false; }, {0}},
        {"Farben[0]", 810, [] { Farben[0] = 9; }, {9}},
        {"Farben[15]", 825, [] { Farben[15] = 15; }, {15}},
    };
    const TDatum heute = plattform.HeuteWert;
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        KonfigurationVorbelegen(0, heute);
        DatenVerzeichnis.clear();
        const std::string vorher = Kodiert();
        fall.Setzen();
        const std::string nachher = Kodiert();
        ASSERT_EQ(nachher.size(), 3084u);
        for (size_t i = 0; i < nachher.size(); ++i) {
            const size_t k = i - size_t(fall.Offset);
            if (i >= size_t(fall.Offset) && k < fall.Bytes.size())
                EXPECT_EQ(uint8_t(nachher[i]), fall.Bytes[k]) << "byte " << i;
            else
                EXPECT_EQ(nachher[i], vorher[i]) << "byte " << i;
        }
        // And it reads back to the same record.
        KonfigurationVorbelegen(0, heute);
        KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(nachher.data()), false, heute);
        EXPECT_EQ(Kodiert(), nachher);
    }
}

TEST_F(Konfiguration, reservierteBereicheWerdenFestGeschrieben)
{
    const std::string satz = Kodiert();
    ASSERT_EQ(satz.size(), 3084u);
    EXPECT_EQ(satz.substr(668, 2), Zeichen(2, '\0'));
    EXPECT_EQ(satz.substr(715, 1), Zeichen(1, '\0'));
    EXPECT_EQ(satz.substr(826, 3052 - 826), Zeichen(3052 - 826, '\0'));   // with the two bytes at 890
    std::string daten;
    for (int i = 0; i < 8; ++i)
        daten += std::string("\x0F\x07\xD0\x07", 4);
    EXPECT_EQ(satz.substr(3052), daten);
}

TEST_F(Konfiguration, schalterUngleichNullSindWahrUndWerdenEinsGeschrieben)
{
    std::string satz = Fixtur("SPRILO.INI");
    satz[726] = char(0x80);     // FuellungenUmgekehrt
    satz[743] = 7;              // UmgekehrtSortiert
    KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(satz.data()), false, plattform.HeuteWert);
    EXPECT_TRUE(FuellungenUmgekehrt);
    EXPECT_TRUE(UmgekehrtSortiert);
    const std::string neu = Kodiert();
    EXPECT_EQ(neu[726], 1);
    EXPECT_EQ(neu[743], 1);
}

TEST_F(Konfiguration, texteWerdenAufIhreKapazitaetGekuerztUndMitNullenAufgefuellt)
{
    AuswahlWort = Zeichen(45, 'x');
    Tankstellen[9] = Zeichen(50, 'y');
    DatenVerzeichnis = "/" + Zeichen(300, 'd');
    const std::string satz = Kodiert();
    EXPECT_EQ(uint8_t(satz[674]), 40);
    EXPECT_EQ(satz.substr(675, 40), Zeichen(40, 'x'));
    EXPECT_EQ(satz[715], 0);
    EXPECT_EQ(uint8_t(satz[627]), 40);
    EXPECT_EQ(satz.substr(628, 40), Zeichen(40, 'y'));
    EXPECT_EQ(satz.substr(668, 3), std::string("\0\0\x01", 3));
    EXPECT_EQ(uint8_t(satz[1]), 255);
    EXPECT_EQ(satz[257], 1);

    // Bytes behind a string's length are not carried over; a length byte
    // beyond the capacity is cut.
    std::string alt = Fixtur("SPRILO.INI");
    alt[299 + 5] = 'q';         // behind "Jet"
    alt[674] = char(200);       // AuswahlWort claims 200 characters
    KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(alt.data()), false, plattform.HeuteWert);
    EXPECT_EQ(Tankstellen[1], "Jet");
    EXPECT_EQ(AuswahlWort.size(), 40u);
    const std::string neu = Kodiert();
    EXPECT_EQ(neu[299 + 5], 0);
    EXPECT_EQ(uint8_t(neu[674]), 40);
}

TEST_F(Konfiguration, datenVerzeichnisOhneSchraegstrichAmEnde)
{
    const std::vector<std::pair<std::string, std::string>> faelle = {
        {"/home/anna/", "/home/anna"}, {"/home/anna", "/home/anna"}, {"/", "/"}, {"", ""}};
    for (const auto &[inDatei, erwartet] : faelle) {
        std::string satz = Fixtur("SPRILO.INI");
        TextSetzen(satz, 1, 255, inDatei);
        KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(satz.data()), false, plattform.HeuteWert);
        EXPECT_EQ(DatenVerzeichnis, erwartet) << inDatei;
    }
}

// ---- the old format ------------------------------------------------------------------------------

TEST_F(Konfiguration, altesFormatWirdUmgewandeltUndMeldet8217)
{
    plattform.HeuteWert = D(3, 2, 2024);
    const std::string alt = Fixtur("SPRILO_ALT.INI");
    ASSERT_EQ(alt.size(), 784u);
    Ablegen(alt);

    KonfigurationLesen(false);

    MeldungPruefen(8217, 2, TKastenArt::Information);
    EXPECT_EQ(neuzeichnen, 1);
    EXPECT_EQ(AnzahlTankstellen, 2);
    EXPECT_EQ(Tankstellen[0], "Aral Hauptstraße");
    EXPECT_EQ(Tankstellen[1], "Jet");
    EXPECT_EQ(Tankstellen[2], "");
    // Fields of the old record keep their values ...
    EXPECT_EQ(TankstellenAuswahl, 1);
    EXPECT_EQ(AuswahlWort, "SHELL");
    EXPECT_EQ(AuswahlVon, D(1, 7, 2000));
    EXPECT_EQ(DruckVerbrauchsArt, 2);
    EXPECT_EQ(DruckTS_BisJahr, 2000);
    EXPECT_TRUE(DruckTS_Einzeln);
    EXPECT_FALSE(DruckTS_Summe);
    // ... the newer ones start with their defaults for the day of reading.
    EXPECT_EQ(LP_Von, D(1, 2, 2024));
    EXPECT_EQ(LP_Bis, D(32, 2, 2024));
    EXPECT_EQ(RW_Von, D(1, 2, 2024));
    EXPECT_EQ(RW_Bis, D(32, 2, 2024));
    EXPECT_EQ(LP_Diagrammart, 0);
    EXPECT_TRUE(RW_DruckBalken);
    EXPECT_EQ(Farben, StandardFarben);
    EXPECT_EQ(AktuellesJahr, 2024);
    EXPECT_EQ(Datei(), alt);    // converted in memory, written at the end of the run
}

TEST_F(Konfiguration, altesFormatMitFehlernZeigtNurDieseMeldung)
{
    // Old offsets lie two bytes below the new ones.
    const std::vector<std::pair<int, int>> faelle = {{736 - 2, 8104}, {747 - 2, 8103}};
    for (const auto &[offset, code] : faelle) {
        SCOPED_TRACE(code);
        plattform.Meldungen.clear();
        plattform.Toene.clear();
        std::string alt = Fixtur("SPRILO_ALT.INI");
        alt[size_t(offset)] = 31;
        Ablegen(alt);
        KonfigurationLesen(false);
        MeldungPruefen(code, 2, TKastenArt::Warnung);
        EXPECT_EQ(ZeitraumBis, D(32, 7, 2000));
        EXPECT_EQ(DruckVerbrauchsArt, 2);
    }
}

TEST_F(Konfiguration, altesFormatGibtDieBytesDesNeuen)
{
    const std::string alt = Fixtur("SPRILO_ALT.INI");
    const std::string neu = Fixtur("SPRILO.INI");
    KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(alt.data()), true, D(15, 7, 2000));
    const std::string satz = Kodiert();
    // Only the station list differs between the two fixtures.
    EXPECT_EQ(satz.substr(0, 257), neu.substr(0, 257));
    EXPECT_EQ(satz.substr(257, 668 - 257), alt.substr(257, 668 - 257));
    EXPECT_EQ(satz.substr(668), neu.substr(668));
}

TEST_F(Konfiguration, dateiAb784BytesIstDasAlteFormat)
{
    for (size_t groesse : {784u, 1000u, 3083u}) {
        SCOPED_TRACE(groesse);
        plattform.Meldungen.clear();
        plattform.Toene.clear();
        std::string bytes = Fixtur("SPRILO_ALT.INI");
        bytes.resize(groesse, '\x55');
        Ablegen(bytes);
        KonfigurationLesen(false);
        MeldungPruefen(8217, 2, TKastenArt::Information);
        EXPECT_EQ(AnzahlTankstellen, 2);
        EXPECT_EQ(LP_Von, D(1, 7, 2000));
    }
}

TEST_F(Konfiguration, kurzeOderFehlendeDateiGibt8102UndEineNeueDatei)
{
    for (int groesse : {-1, 0, 1, 700, 783}) {
        SCOPED_TRACE(groesse);
        plattform.Meldungen.clear();
        plattform.Toene.clear();
        if (groesse < 0) {
            fs::create_directories(tmp + "/konfig");
            fs::remove(tmp + "/konfig/SPRILO.INI");
            KonfigVerzeichnis = tmp + "/konfig/";
            KonfigSchreibbar = true;
        } else {
            Ablegen(Fixtur("SPRILO.INI").substr(0, size_t(groesse)));
        }
        neuzeichnen = 0;
        KonfigurationLesen(false);
        MeldungPruefen(8102, 1, TKastenArt::Warnung);
        EXPECT_EQ(neuzeichnen, 1);
        EXPECT_EQ(AnzahlTankstellen, 1);
        EXPECT_EQ(Tankstellen[0], "SHELL , Velmbach");
        EXPECT_EQ(AuswahlVon, D(1, 7, 2000));
        const std::string datei = Datei();
        EXPECT_EQ(datei.size(), 3084u);
        EXPECT_EQ(datei, Kodiert());
    }
}

// ---- checks and repairs --------------------------------------------------------------------------

struct TPruefFall {
    const char *Name;
    std::function<void(std::string &)> Aendern;
    int Code;                       // 0: no message
    std::function<void()> Pruefen;
};

TEST_F(Konfiguration, pruefenRepariertOderSetztGruppenZurueck)
{
    const std::vector<TPruefFall> faelle = {
        {"elf Tankstellen setzen alles zurueck",
         [](std::string &b) { b[257] = 11; b[0] = 0; b[670] = 2; b[810] = 9; }, 8103,
         [] {
             EXPECT_TRUE(WarnTonAn);
             EXPECT_EQ(AnzahlTankstellen, 1);
             EXPECT_EQ(Tankstellen[0], "SHELL , Velmbach");
             EXPECT_EQ(Tankstellen[1], "");
             EXPECT_EQ(Tankstellen[3], "");
             EXPECT_EQ(TankstellenAuswahl, 1);
             EXPECT_EQ(AuswahlVon, D(1, 2, 2024));
             EXPECT_EQ(Farben[0], 2);
         }},
        {"zehn Tankstellen sind erlaubt", [](std::string &b) { b[257] = 10; }, 0,
         [] { EXPECT_EQ(AnzahlTankstellen, 10); }},
        {"Sortierung 2 ohne Tabelle", [](std::string &b) { b[742] = 2; b[740] = 0; }, 8104,
         [] {
             EXPECT_TRUE(TabellenAnsicht);
             EXPECT_EQ(Sortierung, 2);
         }},
        {"Sortierung 2 mit Tabelle", [](std::string &b) { b[742] = 2; }, 0,
         [] { EXPECT_TRUE(TabellenAnsicht); }},
        {"Sortierung 1 ohne Tabelle", [](std::string &b) { b[740] = 0; }, 0,
         [] { EXPECT_FALSE(TabellenAnsicht); }},
        {"ZeitraumBis Tag 31", [](std::string &b) { b[736] = 31; }, 8104,
         [] {
             EXPECT_EQ(ZeitraumBis, D(32, 2, 2024));
             EXPECT_EQ(ZeitraumVon, D(1, 7, 2000));
         }},
        {"AuswahlVon Tag 2", [](std::string &b) { b[718] = 2; }, 8104,
         [] { EXPECT_EQ(AuswahlVon, D(1, 2, 2024)); }},
        {"RW_Bis Tag 1", [](std::string &b) { b[804] = 1; }, 8104,
         [] { EXPECT_EQ(RW_Bis, D(32, 2, 2024)); }},
        {"Farbe 16", [](std::string &b) { b[813] = 16; }, 8104, [] { EXPECT_EQ(Farben[3], 6); }},
        {"Farbe 15", [](std::string &b) { b[813] = 15; }, 0, [] { EXPECT_EQ(Farben[3], 15); }},
        {"Farbe 200 an Stelle 12", [](std::string &b) { b[822] = char(200); }, 8104,
         [] { EXPECT_EQ(Farben[12], 0); }},
        {"Tankstelle 5 bei 3", [](std::string &b) { b[257] = 3; b[673] = 5; }, 8104,
         [] { EXPECT_EQ(AuswahlTankstelleNr, -1); }},
        {"Tankstelle 2 bei 3", [](std::string &b) { b[257] = 3; b[673] = 2; }, 0,
         [] { EXPECT_EQ(AuswahlTankstelleNr, 2); }},
        {"Tankstelle -2", [](std::string &b) { b[673] = char(0xFE); }, 8104,
         [] { EXPECT_EQ(AuswahlTankstelleNr, -1); }},
        {"Tankstelle 0 ohne Tankstellen", [](std::string &b) { b[257] = 0; b[673] = 0; }, 8104,
         [] { EXPECT_EQ(AuswahlTankstelleNr, -1); }},
        {"Tankstellenliste ohne Teil", [](std::string &b) { b[784] = 0; b[785] = 0; }, 8104,
         [] { EXPECT_TRUE(DruckTS_Einzeln); }},
        {"Tankstellenliste nur Summe", [](std::string &b) { b[784] = 0; b[785] = 1; }, 0,
         [] {
             EXPECT_FALSE(DruckTS_Einzeln);
             EXPECT_TRUE(DruckTS_Summe);
         }},
        {"Reparatur ertoent auch ohne Warnton", [](std::string &b) { b[0] = 0; b[813] = 16; }, 8104,
         [] { EXPECT_FALSE(WarnTonAn); }},
        {"Gruppe 1 ausserhalb", [](std::string &b) { b[671] = 5; b[257] = 3; b[0] = 0; b[742] = 3; }, 8103,
         [] {
             EXPECT_FALSE(WarnTonAn);
             EXPECT_EQ(AnzahlTankstellen, 3);
             EXPECT_EQ(Tankstellen[2], "SHELL , Velmbach");
             EXPECT_EQ(JahresAuswahl, 1);
             EXPECT_EQ(AuswahlJahr, 2024);
             EXPECT_EQ(Sortierung, 1);
         }},
        {"Gruppe 2 ausserhalb", [](std::string &b) { b[727] = 0; b[672] = 4; b[747] = 3; }, 8103,
         [] {
             EXPECT_EQ(FuellungsSortierung, 4);
             EXPECT_EQ(VerbrauchsAuswahl, 1);
             EXPECT_EQ(ZeitraumVon, D(1, 2, 2024));
             EXPECT_EQ(DruckVerbrauchsArt, 2);
         }},
        {"Gruppe 4 ausserhalb", [](std::string &b) { b[796] = 3; b[747] = 3; b[811] = 9; }, 8103,
         [] {
             EXPECT_EQ(DruckVerbrauchsArt, 3);
             EXPECT_EQ(LP_Diagrammart, 0);
             EXPECT_EQ(LP_Von, D(1, 2, 2024));
             EXPECT_EQ(Farben[1], 14);
         }},
        {"RW_Ansicht 0", [](std::string &b) { b[799] = 0; }, 8103, [] { EXPECT_EQ(RW_Ansicht, 1); }},
        {"Fehler und Reparatur: nur 8103", [](std::string &b) { b[736] = 31; b[747] = 9; }, 8103,
         [] { EXPECT_EQ(DruckVerbrauchsArt, 2); }},
    };
    plattform.HeuteWert = D(3, 2, 2024);
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        plattform.Meldungen.clear();
        plattform.Toene.clear();
        neuzeichnen = 0;
        std::string bytes = Fixtur("SPRILO.INI");
        fall.Aendern(bytes);
        Ablegen(bytes);

        KonfigurationLesen(false);

        if (fall.Code == 0) {
            EXPECT_TRUE(plattform.Meldungen.empty());
            EXPECT_TRUE(plattform.Toene.empty());
        } else {
            MeldungPruefen(fall.Code, 2, TKastenArt::Warnung);
        }
        EXPECT_EQ(neuzeichnen, 1);
        fall.Pruefen();
        // Only a reset writes the file at once; repairs wait for the end.
        if (fall.Code == 8103) {
            EXPECT_EQ(Datei(), Kodiert());
        } else {
            EXPECT_EQ(Datei(), bytes);
        }
    }
}

TEST_F(Konfiguration, gruppe3AusserhalbSetztNurGruppen3Bis5Zurueck)
{
    plattform.HeuteWert = D(3, 2, 2024);
    std::string b = Fixtur("SPRILO.INI");
    b[0] = 0;       // group 0: WarnTonAn
    b[671] = 3;     // group 1: JahresAuswahl
    b[742] = 4;     // group 2: Sortierung (TabellenAnsicht is 1)
    b[748] = 0;     // group 3: DruckInFarbe
    b[787] = 3;     // group 4: LP_Ansicht
    b[810] = 9;     // group 5: Farben[0]
    b[747] = 4;     // DruckVerbrauchsArt out of range
    Ablegen(b);

    KonfigurationLesen(false);

    MeldungPruefen(8103, 2, TKastenArt::Warnung);
    EXPECT_FALSE(WarnTonAn);
    EXPECT_EQ(AnzahlTankstellen, 4);
    EXPECT_EQ(JahresAuswahl, 3);
    EXPECT_EQ(AuswahlJahr, 2000);
    EXPECT_EQ(Sortierung, 4);
    EXPECT_EQ(ZeitraumBis, D(32, 7, 2000));
    EXPECT_TRUE(DruckInFarbe);
    EXPECT_EQ(DruckVerbrauchsArt, 2);
    EXPECT_EQ(DruckTF_Jahr, 2024);
    EXPECT_EQ(DruckTF_Von, D(1, 2, 2024));
    EXPECT_EQ(LP_Ansicht, 1);
    EXPECT_EQ(Farben[0], 2);
    const std::string datei = Datei();
    EXPECT_EQ(datei, Kodiert());
    EXPECT_EQ(datei[747], 2);
    EXPECT_EQ(datei[671], 3);
}

TEST_F(Konfiguration, datenVerzeichnisWirdBeimPruefenErsetztWennEsFehlt)
{
    fs::create_directories(tmp + "/anders");
    struct TFall {
        std::string InDatei;
        bool DatenOrdnerDa;
        std::string Erwartet;
    };
    const std::vector<TFall> faelle = {
        {tmp + "/anders", false, tmp + "/anders"},
        {tmp + "/anders/", true, tmp + "/anders"},
        {"/", false, "/"},
        {tmp + "/fehlt", true, tmp + "/heim/DATEN"},
        {tmp + "/fehlt", false, tmp + "/heim"},
        {"", false, tmp + "/heim"},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.InDatei + (fall.DatenOrdnerDa ? " mit DATEN" : " ohne DATEN"));
        plattform.Meldungen.clear();
        fs::remove(tmp + "/heim/DATEN");
        if (fall.DatenOrdnerDa)
            fs::create_directories(tmp + "/heim/DATEN");
        std::string b = Fixtur("SPRILO.INI");
        TextSetzen(b, 1, 255, fall.InDatei);
        Ablegen(b);
        KonfigurationLesen(false);
        EXPECT_TRUE(plattform.Meldungen.empty());
        EXPECT_EQ(DatenVerzeichnis, fall.Erwartet);
    }
}

// ---- not writable ------------------------------------------------------------------------------------

TEST_F(Konfiguration, ohneSchreibbaresVerzeichnisStandardwerteUnd8101)
{
    Ablegen(Fixtur("SPRILO.INI"));
    KonfigSchreibbar = false;
    Tankstellen[5] = "alt";

    KonfigurationLesen(false);

    MeldungPruefen(8101, 1, TKastenArt::Warnung);
    EXPECT_EQ(neuzeichnen, 1);
    EXPECT_EQ(AnzahlTankstellen, 1);
    EXPECT_EQ(Tankstellen[0], "SHELL , Velmbach");
    EXPECT_EQ(Tankstellen[5], "");
    EXPECT_EQ(Datei(), Fixtur("SPRILO.INI"));
}

TEST_F(Konfiguration, erzwungenesLesenOhneSchreibrechtSchreibtNichts)
{
    std::string b = Fixtur("SPRILO.INI");
    b[747] = 9;
    Ablegen(b);
    KonfigSchreibbar = false;

    KonfigurationLesen(true);

    MeldungPruefen(8103, 2, TKastenArt::Warnung);
    EXPECT_EQ(AnzahlTankstellen, 4);
    EXPECT_EQ(DruckVerbrauchsArt, 2);
    EXPECT_EQ(Datei(), b);
}

// ---- defaults ------------------------------------------------------------------------------------------

TEST_F(Konfiguration, vorbelegenSetztDieGruppenAbStufe)
{
    const TDatum heute = D(3, 2, 2024);
    for (int stufe = 0; stufe <= 5; ++stufe) {
        SCOPED_TRACE(stufe);
        std::string b = Fixtur("SPRILO.INI");
        b[0] = 0;
        b[671] = 3;
        b[742] = 4;
        b[747] = 3;
        b[787] = 3;
        b[810] = 9;
        TextSetzen(b, 1, 255, "/irgendwo");
        KonfigurationDekodieren(reinterpret_cast<const uint8_t *>(b.data()), false, heute);
        AktuellesJahr = 1999;

        KonfigurationVorbelegen(stufe, heute);

        EXPECT_EQ(WarnTonAn, stufe == 0);
        EXPECT_EQ(AnzahlTankstellen, stufe == 0 ? 1 : 4);
        EXPECT_EQ(Tankstellen[1], stufe == 0 ? "" : "Jet");
        EXPECT_EQ(JahresAuswahl, stufe <= 1 ? 1 : 3);
        EXPECT_EQ(AuswahlBis, stufe <= 1 ? D(32, 2, 2024) : D(32, 7, 2000));
        EXPECT_EQ(Sortierung, stufe <= 2 ? 1 : 4);
        EXPECT_EQ(GewaehltesJahr, stufe <= 2 ? 2024 : 2000);
        EXPECT_EQ(DruckVerbrauchsArt, stufe <= 3 ? 2 : 3);
        EXPECT_EQ(DruckTS_VonJahr, stufe <= 3 ? 2024 : 2000);
        EXPECT_EQ(LP_Ansicht, stufe <= 4 ? 1 : 3);
        EXPECT_EQ(RW_Von, stufe <= 4 ? D(1, 2, 2024) : D(1, 7, 2000));
        EXPECT_EQ(Farben[0], 2);
        EXPECT_EQ(AktuellesJahr, 2024);
        EXPECT_EQ(DatenVerzeichnis, "/irgendwo");
    }
}

TEST_F(Konfiguration, vorbelegenSchreibtDieDatei)
{
    Ablegen("");
    KonfigurationVorbelegen(0, D(3, 2, 2024));
    const std::string datei = Datei();
    ASSERT_EQ(datei.size(), 3084u);
    EXPECT_EQ(datei, Kodiert());
    EXPECT_EQ(datei.substr(718, 4), std::string("\x01\x02\xE8\x07", 4));
    EXPECT_TRUE(plattform.Meldungen.empty());
}

// ---- writing -----------------------------------------------------------------------------------------------

TEST_F(Konfiguration, schreibenNurWennSchreibbarUndStillBeiFehlern)
{
    fs::create_directories(tmp + "/konfig");
    KonfigVerzeichnis = tmp + "/konfig/";
    KonfigSchreibbar = false;
    EXPECT_FALSE(KonfigurationSchreiben());
    EXPECT_FALSE(fs::exists(tmp + "/konfig/SPRILO.INI"));

    KonfigVerzeichnis = tmp + "/fehlt/";
    KonfigSchreibbar = true;
    EXPECT_FALSE(KonfigurationSchreiben());
    EXPECT_TRUE(plattform.Meldungen.empty());
    EXPECT_TRUE(plattform.Toene.empty());

    KonfigVerzeichnis = tmp + "/konfig/";
    EXPECT_TRUE(KonfigurationSchreiben());
    EXPECT_EQ(Datei(), Kodiert());
}

TEST_F(Konfiguration, schreibfehlerWerdenErkannt)
{
    struct TFall {
        const char *Name;
        std::function<void(TFakeDateisystem &)> Stoeren;
        bool Ergebnis;
    };
    const std::vector<TFall> faelle = {
        {"ohne Fehler", [](TFakeDateisystem &) {}, true},
        {"Anlegen scheitert", [](TFakeDateisystem &f) { f.ErzeugenScheitert = true; }, false},
        {"Schreiben scheitert", [](TFakeDateisystem &f) { f.SchreibenScheitertNach = 100; }, false},
        {"Schliessen scheitert", [](TFakeDateisystem &f) { f.SchliessenScheitert = true; }, false},
    };
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        TFakeDateisystem dateien;
        fall.Stoeren(dateien);
        KonfigVerzeichnis = "/konfig/";
        KonfigSchreibbar = true;
        EXPECT_EQ(KonfigurationSchreiben(), fall.Ergebnis);
        if (fall.Ergebnis) {
            EXPECT_EQ(dateien.Dateien["/konfig/SPRILO.INI"], Kodiert());
        }
        EXPECT_TRUE(plattform.Meldungen.empty());
    }
}

TEST_F(Konfiguration, langerPfadWirdNichtGekuerzt)
{
    TFakeDateisystem dateien;
    const std::string verzeichnis = "/" + Zeichen(200, 'v') + "/";
    dateien.Dateien[verzeichnis + "SPRILO.INI"] = Fixtur("SPRILO.INI");
    dateien.Dateien[(verzeichnis + "SPRILO.INI").substr(0, 128)] = "";
    KonfigVerzeichnis = verzeichnis;
    KonfigSchreibbar = true;

    KonfigurationLesen(false);
    EXPECT_TRUE(plattform.Meldungen.empty());
    EXPECT_EQ(AnzahlTankstellen, 4);

    AnzahlTankstellen = 2;
    EXPECT_TRUE(KonfigurationSchreiben());
    EXPECT_EQ(dateien.Dateien[verzeichnis + "SPRILO.INI"][257], 2);
    EXPECT_EQ(dateien.Dateien[(verzeichnis + "SPRILO.INI").substr(0, 128)], "");
}

// ---- the search ------------------------------------------------------------------------------------------------

TEST_F(Konfiguration, ersterBeschreibbarerOrtGewinnt)
{
    struct TFall {
        const char *Name;
        std::function<void(const std::string &tmp)> Vorbereiten;
        std::string Erwartet;           // relative to tmp; "" = none
        std::string DatenVerzeichnis;   // relative to tmp
    };
    // A folder below a plain file can be neither made nor written, not even
    // by root.
    const auto sperren = [](const std::string &t) {
        DateiSchreiben(t + "/datei", "x");
        KonfigOrte.KonfigOrdner = t + "/datei/sprilo";
    };
    const std::vector<TFall> faelle = {
        {"DATEN", [](const std::string &t) { fs::create_directories(t + "/heim/DATEN"); }, "/heim/DATEN/",
         "/heim/DATEN"},
        {"Konfigurationsordner wird angelegt", [](const std::string &) {}, "/heim/.config/sprilo/", "/heim"},
        {"Programmordner",
         [&](const std::string &t) {
             sperren(t);
             fs::create_directories(t + "/programm");
         },
         "/programm/", "/heim"},
        {"zweites Laufwerk",
         [&](const std::string &t) {
             sperren(t);
             fs::create_directories(t + "/lw2");
             fs::create_directories(t + "/heim/DATEN/sub");
             KonfigOrte.DatenOrdner = t + "/heim/DATEN/sub/fehlt";
             KonfigOrte.Laufwerke = {t + "/lw1", t + "/lw2", t + "/heim"};
         },
         "/lw2/", "/heim"},
        {"nichts beschreibbar",
         [&](const std::string &t) {
             sperren(t);
             KonfigOrte.Laufwerke = {t + "/lw1"};
         },
         "", "/heim"},
    };
    const TKonfigOrte orte = KonfigOrte;
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        fs::remove_all(tmp + "/heim/DATEN");
        fs::remove_all(tmp + "/heim/.config");
        fs::remove_all(tmp + "/programm");
        KonfigOrte = orte;
        zeilen.clear();
        neuzeichnen = 0;
        fall.Vorbereiten(tmp);
        KonfigVerzeichnis = "alt/";
        KonfigSchreibbar = fall.Erwartet.empty();     // the opposite of what must come out

        KonfigurationSuchen();

        EXPECT_EQ(zeilen, std::vector<std::string>{"Suchern der Konfiguration ..."});
        EXPECT_EQ(neuzeichnen, 1);
        EXPECT_EQ(KonfigVerzeichnis, fall.Erwartet.empty() ? "" : tmp + fall.Erwartet);
        EXPECT_EQ(KonfigSchreibbar, !fall.Erwartet.empty());
        EXPECT_EQ(DatenVerzeichnis, tmp + fall.DatenVerzeichnis);
        if (!fall.Erwartet.empty()) {
            EXPECT_FALSE(fs::exists(tmp + fall.Erwartet + "$$$$$$$$.$$$"));
        }
        // The configuration folder is made only when the search gets to it.
        EXPECT_EQ(fs::is_directory(tmp + "/heim/.config/sprilo"), fall.Erwartet == "/heim/.config/sprilo/");
    }
}

TEST_F(Konfiguration, schreibgeschuetzterOrtWirdUebergangen)
{
    if (IstRoot())
        GTEST_SKIP() << "root may write anywhere";
    fs::create_directories(tmp + "/heim/DATEN");
    ::chmod((tmp + "/heim/DATEN").c_str(), 0555);

    KonfigurationSuchen();

    EXPECT_EQ(KonfigVerzeichnis, tmp + "/heim/.config/sprilo/");
    EXPECT_TRUE(KonfigSchreibbar);
    EXPECT_EQ(DatenVerzeichnis, tmp + "/heim/DATEN");   // still the place for data files
}

TEST_F(Konfiguration, ohneKandidatenKeinVerzeichnis)
{
    KonfigOrte = TKonfigOrte{};
    KonfigOrte.Heimverzeichnis = tmp + "/heim/";
    KonfigurationSuchen();
    EXPECT_EQ(KonfigVerzeichnis, "");
    EXPECT_FALSE(KonfigSchreibbar);
    EXPECT_EQ(DatenVerzeichnis, tmp + "/heim");
}

TEST(KonfigurationPfade, inVerzeichnisOhneDoppeltenSchraegstrich)
{
    EXPECT_EQ(InVerzeichnis("/", "$$$$$$$$.$$$"), "/$$$$$$$$.$$$");
    EXPECT_EQ(InVerzeichnis("/media/usb", "SPRILO.INI"), "/media/usb/SPRILO.INI");
    EXPECT_EQ(InVerzeichnis("/media/usb/", "SPRILO.INI"), "/media/usb/SPRILO.INI");
}

TEST_F(Konfiguration, verzeichnisZustandFuerDenDialog)
{
    fs::create_directories(tmp + "/leer");
    fs::create_directories(tmp + "/mitDatei");
    DateiSchreiben(tmp + "/mitDatei/SPRILO.INI", Fixtur("SPRILO.INI"));
    fs::create_directories(tmp + "/mitOrdner/SPRILO.INI");
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/fehlt"), 0);
    EXPECT_EQ(KonfigVerzeichnisZustand(""), 0);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/leer"), 1);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/leer/"), 1);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/mitDatei"), 3);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/mitOrdner"), 1);
    EXPECT_FALSE(fs::exists(tmp + "/leer/$$$$$$$$.$$$"));
    if (IstRoot())
        return;     // the read-only states need an ordinary user
    ::chmod((tmp + "/mitDatei").c_str(), 0555);
    ::chmod((tmp + "/leer").c_str(), 0555);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/mitDatei"), 2);
    EXPECT_EQ(KonfigVerzeichnisZustand(tmp + "/leer"), 0);
}

// ---- mounted volumes ---------------------------------------------------------------------------------------------

TEST(KonfigurationLaufwerke, mountsOhnePseudoDateisystemeWurzelZuerst)
{
    const std::string mounts =
        "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n"
        "proc /proc proc rw,nosuid,nodev,noexec,relatime 0 0\n"
        "udev /dev devtmpfs rw,nosuid,relatime,size=8000000k 0 0\n"
        "devpts /dev/pts devpts rw,nosuid,noexec,relatime 0 0\n"
        "tmpfs /run tmpfs rw,nosuid,nodev,noexec,relatime 0 0\n"
        "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
        "securityfs /sys/kernel/security securityfs rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "/dev/loop3 /snap/core22/1033 squashfs ro,nodev,relatime 0 0\n"
        "/dev/nvme0n1p1 /boot/efi vfat rw,relatime 0 0\n"
        "/dev/sdc1 /home ext4 rw,relatime 0 0\n"
        "/dev/sdb1 /media/anna/USB\\040Stick vfat rw,nosuid,nodev 0 0\n"
        "server:/export /mnt/nfs nfs4 rw,relatime 0 0\n"
        "tmpfs /tmp tmpfs rw 0 0\n"
        "/dev/sdc1 /home ext4 rw,relatime 0 0\n"
        "overlay /var/lib/docker/overlay2/abc/merged overlay rw 0 0\n"
        "/dev/sdd1 /run/media/anna/STICK vfat rw 0 0\n"
        "portal /run/user/1000/doc fuse.portal rw 0 0\n"
        "/dev/sde1 /daten/back\\134slash ext4 rw 0 0\n"
        "binfmt_misc /proc/sys/fs/binfmt_misc binfmt_misc rw 0 0\n"
        "\n";
    EXPECT_EQ(LaufwerkeAusMounts(mounts), (std::vector<std::string>{"/", "/boot/efi", "/daten/back\\slash", "/home",
                                                                       "/media/anna/USB Stick", "/mnt/nfs",
                                                                       "/run/media/anna/STICK"}));
}

TEST(KonfigurationLaufwerke, wurzelAuchAusOverlayUndImmer)
{
    EXPECT_EQ(LaufwerkeAusMounts("overlay / overlay rw,relatime 0 0\n/dev/vdb /data xfs rw 0 0\n"),
              (std::vector<std::string>{"/", "/data"}));
    EXPECT_EQ(LaufwerkeAusMounts(""), std::vector<std::string>{"/"});
}

TEST(KonfigurationLaufwerke, dieseMaschineHatDieWurzelZuerst)
{
    const auto laufwerke = EingehaengteLaufwerke();
    ASSERT_FALSE(laufwerke.empty());
    EXPECT_EQ(laufwerke.front(), "/");
    EXPECT_TRUE(std::is_sorted(laufwerke.begin() + 1, laufwerke.end()));
}

// ---- the station list alone ---------------------------------------------------------------------------------------

TEST_F(Konfiguration, tankstellenlisteAusBeidenFormaten)
{
    EXPECT_TRUE(TankstellenlisteLesen(FixturPfad("konfig", "SPRILO.INI")));
    EXPECT_EQ(AnzahlTankstellen, 4);
    EXPECT_EQ(Tankstellen[3], "Esso Südring");
    EXPECT_TRUE(TankstellenlisteLesen(FixturPfad("konfig", "SPRILO_ALT.INI")));
    EXPECT_EQ(AnzahlTankstellen, 2);
    EXPECT_EQ(Tankstellen[3], "");

    fs::create_directories(tmp + "/konfig");
    std::string b = Fixtur("SPRILO.INI");
    b[257] = 11;
    DateiSchreiben(tmp + "/konfig/elf.INI", b);
    DateiSchreiben(tmp + "/konfig/kurz.INI", b.substr(0, 783));
    for (const std::string name : {"elf.INI", "kurz.INI", "fehlt.INI"}) {
        SCOPED_TRACE(name);
        Tankstellen[4] = "Rest";
        EXPECT_FALSE(TankstellenlisteLesen(tmp + "/konfig/" + name));
        EXPECT_EQ(AnzahlTankstellen, 1);
        EXPECT_EQ(Tankstellen[0], "SHELL , Velmbach");
        EXPECT_EQ(Tankstellen[4], "");
    }
    EXPECT_TRUE(plattform.Meldungen.empty());
}

} // namespace
