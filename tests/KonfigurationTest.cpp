#include "Konfiguration.h"

#include "Datensatz.h"
#include "FakeDateisystem.h"
#include "Fixtures.h"
#include "Plattform.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

void PrintTo(const TDatum &d, std::ostream *os) { *os << int(d.Tag) << '.' << int(d.Monat) << '.' << d.Jahr; }

namespace {

namespace fs = std::filesystem;

TDatum D(int tag, int monat, int jahr) { return TDatum{uint8_t(tag), uint8_t(monat), uint16_t(jahr)}; }

std::string Kodiert() { const std::vector<uint8_t> satz = KonfigurationKodieren(); return {satz.begin(), satz.end()}; }

const uint8_t *Roh(const std::string &s) { return reinterpret_cast<const uint8_t *>(s.data()); }

std::string B(std::initializer_list<int> bytes) { return {bytes.begin(), bytes.end()}; }

std::string Dat(int tag, int monat, int jahr) { return B({tag, monat, jahr & 0xFF, jahr >> 8}); }

// One byte or several, to put at an offset.
struct TWert {
    std::string Bytes;
    TWert(int b) : Bytes(1, static_cast<char>(b)) {}
    TWert(const char *s) : Bytes(s) {}
    TWert(std::string s) : Bytes(std::move(s)) {}
};
using TBytes = std::vector<std::pair<int, TWert>>;

std::string Geaendert(std::string satz, const TBytes &aenderungen)
{
    for (const auto &[offset, wert] : aenderungen)
        satz.replace(size_t(offset), wert.Bytes.size(), wert.Bytes);
    return satz;
}

std::string MitDatenVerzeichnis(std::string satz, const std::string &verzeichnis)
{
    TextfeldSchreiben(verzeichnis, 255, reinterpret_cast<uint8_t *>(&satz[1]));
    return satz;
}

// The record with the groups stufe..5 taken from standard. Group 0 is
// WarnTonAn and the station list; each group ends where the next begins.
std::string GruppenZurueckgesetzt(std::string satz, int stufe, const std::string &standard)
{
    static const size_t anfang[] = {257, 670, 727, 744, 786, 810};
    satz.replace(anfang[stufe], 826 - anfang[stufe], standard, anfang[stufe], 826 - anfang[stufe]);
    if (stufe == 0)
        satz[0] = standard[0];
    return satz;
}

// Records sounds and messages; "today" is fixed.
class Konfiguration : public testing::Test, public TPlattform {
protected:
    TDatum HeuteWert = D(15, 7, 2000);
    std::vector<int> Toene;
    std::vector<TMeldung> Meldungen;
    std::string tmp;
    int neuzeichnen = 0;
    std::vector<std::string> zeilen;

    void Ton(int art) override { Toene.push_back(art); }
    uint32_t SystemFarbe(int index) override { return KlassischeSystemFarbe(index); }
    TDatum Heute() override { return HeuteWert; }
    int MeldungZeigen(const TMeldung &m) override { Meldungen.push_back(m); return mrOk; }

    void SetUp() override
    {
        PlattformSetzen(this);
        char muster[] = "/tmp/sprilo-konfig-XXXXXX";
        ASSERT_NE(::mkdtemp(muster), nullptr);
        tmp = muster;
        GlobalenZustandZuruecksetzen();
        KonfigurationVorbelegen(0, HeuteWert);   // not writable yet: no file
        fs::create_directories(tmp + "/heim");
        KonfigOrte = {tmp + "/heim/DATEN", tmp + "/heim/.config/sprilo", tmp + "/programm", {}, tmp + "/heim"};
        StartAnzeige.Zeile = [this](const std::string &z) { zeilen.push_back(z); };
        StartAnzeige.Neuzeichnen = [this] { ++neuzeichnen; };
    }

    void TearDown() override
    {
        GlobalenZustandZuruecksetzen();
        PlattformSetzen(nullptr);
        fs::remove_all(tmp);
    }

    static std::string Fixtur(const std::string &name) { return DateiInhalt(FixturPfad("konfig", name)); }

    // SPRILO.INI in a writable configuration directory; forgets earlier messages.
    void Ablegen(const std::string &bytes)
    {
        fs::create_directories(tmp + "/konfig");
        DateiSchreiben(tmp + "/konfig/SPRILO.INI", bytes);
        KonfigVerzeichnis = tmp + "/konfig/";
        KonfigSchreibbar = true;
        Meldungen.clear(), Toene.clear(), neuzeichnen = 0;
    }

    std::string Datei() const { return DateiInhalt(tmp + "/konfig/SPRILO.INI"); }

    // The one message shown, as the message table has it, with its sound;
    // code 0: none and no sound.
    void MeldungPruefen(int code)
    {
        ASSERT_EQ(Meldungen.size(), code ? 1u : 0u);
        EXPECT_EQ(Toene, code ? std::vector<int>{Meldungen[0].TonArt} : std::vector<int>{});
        if (code == 0)
            return;
        const TMeldung &m = Meldungen[0], soll = MeldungBauen(m.Nr);
        EXPECT_EQ(std::tie(m.Code, m.Text, m.TonArt, m.TonImmer, m.Art, m.Knoepfe, m.Hilfe),
                  std::tie(code, soll.Text, soll.TonArt, soll.TonImmer, soll.Art, soll.Knoepfe, soll.Hilfe));
    }
};

// Each setting changed alone changes exactly its bytes and reads back.
TEST_F(Konfiguration, jedesFeldLiegtAnSeinemOffset)
{
    const TDatum heute = HeuteWert;
    const auto feld = [&](int offset, const std::function<std::string()> &setzen) {
        SCOPED_TRACE(offset);
        KonfigurationVorbelegen(0, heute);
        DatenVerzeichnis.clear();
        const std::string vorher = Kodiert(), bytes = setzen(), satz = Kodiert();
        EXPECT_EQ(satz, Geaendert(vorher, {{offset, bytes}}));
        KonfigurationVorbelegen(0, heute);
        KonfigurationDekodieren(Roh(satz), false, heute);
        EXPECT_EQ(Kodiert(), satz);
    };
    const std::pair<int, bool *> schalter[] = {
        {0, &WarnTonAn}, {726, &FuellungenUmgekehrt}, {740, &TabellenAnsicht}, {741, &FestverbrauchAn},
        {743, &UmgekehrtSortiert}, {744, &DruckMitAbschaltwerten}, {745, &DruckMitZusammenfassung},
        {746, &DruckFestverbrauchMarkieren}, {748, &DruckInFarbe}, {749, &DruckTankfuellungen}, {762, &DruckVerbrauch},
        {776, &DruckTankstellenliste}, {784, &DruckTS_Einzeln}, {785, &DruckTS_Summe}, {797, &LP_DruckBalken},
        {809, &RW_DruckBalken}};
    const std::pair<int, uint8_t *> zahlen[] = {
        {257, &AnzahlTankstellen}, {670, &TankstellenAuswahl}, {671, &JahresAuswahl}, {672, &FuellungsSortierung},
        {727, &VerbrauchsAuswahl}, {728, &VerbrauchsAnsicht}, {742, &Sortierung}, {747, &DruckVerbrauchsArt},
        {750, &DruckTF_Auswahl}, {763, &DruckVB_Auswahl}, {764, &DruckVB_Ansicht}, {777, &DruckTS_Auswahl},
        {786, &LP_Zeitraumwahl}, {787, &LP_Ansicht}, {796, &LP_Diagrammart}, {798, &RW_Zeitraumwahl},
        {799, &RW_Ansicht}, {808, &RW_Diagrammart}, {810, &Farben[0]}, {825, &Farben[15]}};
    const std::pair<int, uint16_t *> jahre[] = {{716, &AuswahlJahr}, {730, &GewaehltesJahr}, {752, &DruckTF_Jahr},
                                                {766, &DruckVB_Jahr}, {778, &DruckTS_Jahr}, {780, &DruckTS_VonJahr},
                                                {782, &DruckTS_BisJahr}};
    const std::pair<int, TDatum *> daten[] = {
        {718, &AuswahlVon}, {722, &AuswahlBis}, {732, &ZeitraumVon}, {736, &ZeitraumBis}, {754, &DruckTF_Von},
        {758, &DruckTF_Bis}, {768, &DruckVB_Von}, {772, &DruckVB_Bis}, {788, &LP_Von}, {792, &LP_Bis},
        {800, &RW_Von}, {804, &RW_Bis}};
    int v = 0x40;   // a value of its own for every field
    for (auto [o, w] : schalter)
        feld(o, [w = w] { *w = !*w; return B({*w}); });
    for (auto [o, w] : zahlen)
        feld(o, [w = w, v = ++v] { *w = uint8_t(v); return B({v}); });
    feld(673, [] { AuswahlTankstelleNr = -2; return B({0xFE}); });
    for (auto [o, w] : jahre)
        feld(o, [w = w, v = ++v] { *w = uint16_t(v * 0x101 + 1); return B({v + 1, v}); });
    for (auto [o, w] : daten)
        feld(o, [w = w, v = ++v] { *w = D(2, 3, 1900 + v); return Dat(2, 3, 1900 + v); });
}

TEST_F(Konfiguration, dekodierenUndKodierenNormalisieren)
{
    // Switches other than 0 are true and written as 1; bytes behind a
    // string's length are dropped; a length beyond the capacity is cut.
    const TBytes aenderung = {{726, 0x80}, {743, 7}, {299 + 5, "q"}, {674, 200}};
    KonfigurationDekodieren(Roh(Geaendert(Fixtur("SPRILO.INI"), aenderung)), false, HeuteWert);
    std::string neu = Kodiert();
    EXPECT_EQ(B({neu[726], neu[743], neu[299 + 5], neu[674]}), B({1, 1, 0, 40}));

    AuswahlWort = std::string(45, 'x');
    Tankstellen[9] = std::string(50, 'y');
    DatenVerzeichnis = "/" + std::string(300, 'd');
    neu = Kodiert();
    EXPECT_EQ(neu.substr(674, 42), B({40}) + std::string(40, 'x') + '\0');
    EXPECT_EQ(neu.substr(627, 44), B({40}) + std::string(40, 'y') + B({0, 0, 1}));
    EXPECT_EQ(neu.substr(0, 3), B({1, 255, '/'}));
    EXPECT_EQ(neu.substr(256, 2), B({'d', 4}));
}

// Reading, by the size of the file: the record in memory afterwards, the
// message, and what is on disk.
TEST_F(Konfiguration, dateiWirdNachIhrerGroesseGelesen)
{
    HeuteWert = D(3, 2, 2024);
    const std::string neu = Fixtur("SPRILO.INI"), alt = Fixtur("SPRILO_ALT.INI");
    ASSERT_EQ(neu.size(), 3084u);
    ASSERT_EQ(alt.size(), 784u);
    KonfigurationVorbelegen(0, HeuteWert);
    const std::string standard = Kodiert();
    // The old fields sit two bytes higher now; the newer ones have today's
    // defaults, which differ from the new fixture only in their dates.
    const std::string umgewandelt = Geaendert(neu, {{257, alt.substr(257, 411)}, {788, Dat(1, 2, 2024)},
                                                    {792, Dat(32, 2, 2024)}, {800, Dat(1, 2, 2024)},
                                                    {804, Dat(32, 2, 2024)}});
    // size (-1: no file), writable, forced, message, record afterwards
    const std::tuple<int, bool, bool, int, std::string> faelle[] = {
        {3084, true, false, 0, neu},        {3088, true, false, 0, neu},      {3084, false, false, 8101, standard},
        {-1, true, false, 8102, standard},  {0, true, false, 8102, standard}, {783, true, false, 8102, standard},
        {783, false, true, 8102, standard}, {784, true, false, 8217, umgewandelt},
        {3083, true, false, 8217, umgewandelt}};
    for (const auto &[groesse, schreibbar, erzwingen, code, erwartet] : faelle) {
        SCOPED_TRACE(testing::Message() << groesse << (schreibbar ? "" : " schreibgeschützt"));
        std::string bytes = groesse >= 784 && groesse < 3084 ? alt : neu;
        bytes.resize(size_t(std::max(groesse, 0)), '\x55');
        Ablegen(bytes);
        if (groesse < 0)
            fs::remove(tmp + "/konfig/SPRILO.INI");
        KonfigSchreibbar = schreibbar;
        Tankstellen[5] = "alt";   // stale values that reading must replace
        AktuellesJahr = 1999;
        KonfigurationLesen(erzwingen);
        MeldungPruefen(code);
        EXPECT_EQ(neuzeichnen, 1);
        EXPECT_EQ(AktuellesJahr, 2024);               // today, not the file
        // Only defaults are written at once; what was read waits for the end.
        EXPECT_EQ(Datei(), code == 8102 && schreibbar ? Kodiert() : bytes);
        if (code != 8101 && code != 8102) {
            EXPECT_EQ(DatenVerzeichnis, tmp + "/heim");   // empty in the file, DATEN missing
        }
        DatenVerzeichnis.clear();
        EXPECT_EQ(Kodiert(), erwartet);
    }
}

TEST_F(Konfiguration, fehlerImAltenFormatMeldenNurSich)
{
    HeuteWert = D(3, 2, 2024);
    for (const auto &[offset, code] : {std::pair{736 - 2, 8104}, std::pair{747 - 2, 8103}}) {
        SCOPED_TRACE(code);
        Ablegen(Geaendert(Fixtur("SPRILO_ALT.INI"), {{offset, 31}}));
        KonfigurationLesen(false);
        MeldungPruefen(code);
        EXPECT_EQ(ZeitraumBis, code == 8104 ? D(32, 2, 2024) : D(32, 7, 2000));
        EXPECT_EQ(DruckVerbrauchsArt, 2);
    }
}

TEST_F(Konfiguration, pruefenRepariertOderSetztGruppenZurueck)
{
    // message 0: none; Stufe: the first group back to its defaults, -1: none
    struct TFall { const char *Name; TBytes Aenderung; int Code, Stufe; TBytes Reparatur; };
    const std::string anfang = Dat(1, 2, 2024), ende = Dat(32, 2, 2024), j2024 = B({0xE8, 0x07});
    const std::string j1899 = B({0x6B, 0x07});
    const std::vector<TFall> faelle = {
        {"elf Tankstellen", {{257, 11}, {0, 0}, {670, 2}, {810, 9}}, 8103, 0, {}},
        {"zehn Tankstellen", {{257, 10}}, 0, -1, {}},
        {"Sortierung 2 ohne Tabelle", {{742, 2}, {740, 0}}, 8104, -1, {{740, 1}}},
        {"Sortierung 2 mit Tabelle", {{742, 2}}, 0, -1, {}}, {"Sortierung 1 ohne Tabelle", {{740, 0}}, 0, -1, {}},
        {"ZeitraumBis Tag 31", {{736, 31}}, 8104, -1, {{736, ende}}},
        {"AuswahlVon Tag 2", {{718, 2}}, 8104, -1, {{718, anfang}}},
        {"RW_Bis Tag 1", {{804, 1}}, 8104, -1, {{804, ende}}},
        {"Farbe 16", {{813, 16}}, 8104, -1, {{813, 6}}}, {"Farbe 15", {{813, 15}}, 0, -1, {}},
        {"Farbe 200 an Stelle 12", {{822, 200}}, 8104, -1, {{822, 0}}},
        {"Tankstelle 5 bei 3", {{257, 3}, {673, 5}}, 8104, -1, {{673, 0xFF}}},
        {"Tankstelle 2 bei 3", {{257, 3}, {673, 2}}, 0, -1, {}},
        {"Tankstelle -2", {{673, 0xFE}}, 8104, -1, {{673, 0xFF}}},
        {"Tankstelle 0 ohne Tankstellen", {{257, 0}, {673, 0}}, 8104, -1, {{673, 0xFF}}},
        {"Tankstellenliste ohne Teil", {{784, 0}, {785, 0}}, 8104, -1, {{784, 1}}},
        {"Tankstellenliste nur Summe", {{784, 0}, {785, 1}}, 0, -1, {}},
        {"Reparatur ertoent ohne Warnton", {{0, 0}, {813, 16}}, 8104, -1, {{813, 6}}},
        {"Gruppe 1", {{671, 5}, {257, 3}, {0, 0}, {742, 3}}, 8103, 1, {}},
        {"Gruppe 2", {{727, 0}, {672, 4}, {747, 3}}, 8103, 2, {}},
        {"Gruppe 3", {{0, 0}, {671, 3}, {742, 4}, {748, 0}, {787, 3}, {810, 9}, {747, 4}}, 8103, 3, {}},
        {"Gruppe 4", {{796, 3}, {747, 3}, {811, 9}}, 8103, 4, {}},
        {"Fehler und Reparatur", {{736, 31}, {747, 9}}, 8103, 3, {{736, ende}}},
        // What the windows use as a month, year or index is repaired.
        {"AuswahlVon Monat 13", {{719, 13}}, 8104, -1, {{718, anfang}}},
        {"ZeitraumBis Monat 0", {{737, 0}}, 8104, -1, {{736, ende}}},
        {"LP_Von Jahr 1899", {{790, j1899}}, 8104, -1, {{788, anfang}}},
        {"RW_Bis Jahr 2101", {{806, B({0x35, 0x08})}}, 8104, -1, {{804, ende}}},
        {"Monatsende Dezember 2100", {{736, Dat(32, 12, 2100)}}, 0, -1, {}},
        {"AuswahlJahr 0", {{716, B({0, 0})}}, 8104, -1, {{716, j2024}}},
        {"GewaehltesJahr 65535", {{730, B({0xFF, 0xFF})}}, 8104, -1, {{730, j2024}}},
        {"DruckTS_BisJahr 1899", {{782, j1899}}, 8104, -1, {{782, j2024}}},
        {"DruckTF_Jahr 1900", {{752, B({0x6C, 0x07})}}, 0, -1, {}},
        {"VerbrauchsAnsicht 5", {{728, 5}}, 8104, -1, {{728, 1}}},
        {"VerbrauchsAnsicht 0", {{728, 0}}, 8104, -1, {{728, 1}}}, {"VerbrauchsAnsicht 4", {{728, 4}}, 0, -1, {}},
    };
    HeuteWert = D(3, 2, 2024);
    KonfigurationVorbelegen(0, HeuteWert);
    const std::string standard = Kodiert();
    for (const auto &fall : faelle) {
        SCOPED_TRACE(fall.Name);
        const std::string bytes = Geaendert(Fixtur("SPRILO.INI"), fall.Aenderung);
        Ablegen(bytes);
        KonfigurationLesen(false);
        MeldungPruefen(fall.Code);
        EXPECT_EQ(neuzeichnen, 1);
        const std::string erwartet = MitDatenVerzeichnis(
            Geaendert(fall.Stufe < 0 ? bytes : GruppenZurueckgesetzt(bytes, fall.Stufe, standard), fall.Reparatur),
            tmp + "/heim");
        EXPECT_EQ(Kodiert(), erwartet);
        // Only a reset writes the file at once; repairs wait for the end.
        EXPECT_EQ(Datei(), fall.Code == 8103 ? erwartet : bytes);
    }
}

TEST_F(Konfiguration, vorbelegenSetztDieGruppenAbStufe)
{
    // The fixture holds the defaults of 15 July 2000 behind its station list.
    const std::string fixtur = Fixtur("SPRILO.INI");
    KonfigurationVorbelegen(0, D(15, 7, 2000));
    EXPECT_EQ(Kodiert(), Geaendert(fixtur, {{257, B({1, 16}) + "SHELL , Velmbach" + std::string(393, '\0')}}));

    const TDatum heute = D(3, 2, 2024);
    KonfigurationVorbelegen(0, heute);
    const std::string standard = Kodiert();
    const std::string markiert = MitDatenVerzeichnis(
        Geaendert(fixtur, {{0, 0}, {671, 3}, {742, 4}, {747, 3}, {787, 3}, {811, 9}}), "/irgendwo");
    for (int stufe = 0; stufe <= 5; ++stufe) {
        SCOPED_TRACE(stufe);
        KonfigurationDekodieren(Roh(markiert), false, heute);
        AktuellesJahr = 1999;
        KonfigurationVorbelegen(stufe, heute);
        EXPECT_EQ(Kodiert(), GruppenZurueckgesetzt(markiert, stufe, standard));
        EXPECT_EQ(AktuellesJahr, 2024);
    }
}

TEST_F(Konfiguration, datenVerzeichnisWirdBeimPruefenErsetztWennEsFehlt)
{
    fs::create_directories(tmp + "/anders");
    // in the file, DATEN there, expected
    const std::tuple<std::string, bool, std::string> faelle[] = {
        {tmp + "/anders", false, tmp + "/anders"}, {tmp + "/anders//", true, tmp + "/anders"},
        {"/", false, "/"},                         {tmp + "/fehlt", true, tmp + "/heim/DATEN"},
        {tmp + "/fehlt", false, tmp + "/heim"},    {"", false, tmp + "/heim"}};
    for (const auto &[inDatei, datenDa, erwartet] : faelle) {
        SCOPED_TRACE(inDatei + (datenDa ? " mit DATEN" : " ohne DATEN"));
        fs::remove(tmp + "/heim/DATEN");
        if (datenDa)
            fs::create_directories(tmp + "/heim/DATEN");
        Ablegen(MitDatenVerzeichnis(Fixtur("SPRILO.INI"), inDatei));
        KonfigurationLesen(false);
        MeldungPruefen(0);
        EXPECT_EQ(DatenVerzeichnis, erwartet);
    }
}

TEST_F(Konfiguration, schreibenLaesstBeiEinemFehlerDieVorigeDateiStehen)
{
    const std::tuple<const char *, bool, std::function<void(TFakeDateisystem &)>, bool> faelle[] = {
        {"nicht schreibbar", false, [](TFakeDateisystem &) {}, false},
        {"ohne Fehler", true, [](TFakeDateisystem &) {}, true},
        {"Anlegen scheitert", true, [](TFakeDateisystem &f) { f.ErzeugenScheitert = true; }, false},
        {"Schreiben scheitert", true, [](TFakeDateisystem &f) { f.SchreibenScheitertNach = 100; }, false},
        {"Schliessen scheitert", true, [](TFakeDateisystem &f) { f.SchliessenScheitert = true; }, false},
        {"Ersetzen scheitert", true, [](TFakeDateisystem &f) { f.ErsetzenScheitert = true; }, false}};
    for (const auto &[name, schreibbar, stoeren, ergebnis] : faelle) {
        SCOPED_TRACE(name);
        TFakeDateisystem dateien;
        dateien.Dateien["/konfig/SPRILO.INI"] = "vorher";
        stoeren(dateien);
        KonfigVerzeichnis = "/konfig/";
        KonfigSchreibbar = schreibbar;
        EXPECT_EQ(KonfigurationSchreiben(), ergebnis);
        // Nothing but the file itself is left, with the new record or the old.
        ASSERT_EQ(dateien.Dateien.size(), 1u);
        EXPECT_EQ(dateien.Dateien["/konfig/SPRILO.INI"], ergebnis ? Kodiert() : "vorher");
    }
    MeldungPruefen(0);
}

TEST_F(Konfiguration, langerPfadWirdNichtGekuerzt)
{
    TFakeDateisystem dateien;
    const std::string datei = "/" + std::string(200, 'v') + "/SPRILO.INI";
    dateien.Dateien[datei] = Fixtur("SPRILO.INI");
    dateien.Dateien[datei.substr(0, 128)] = "";
    KonfigVerzeichnis = datei.substr(0, datei.size() - 10);
    KonfigSchreibbar = true;
    KonfigurationLesen(false);
    MeldungPruefen(0);
    EXPECT_EQ(AnzahlTankstellen, 4);
    AnzahlTankstellen = 2;
    EXPECT_TRUE(KonfigurationSchreiben());
    EXPECT_EQ(dateien.Dateien[datei][257], 2);
    EXPECT_EQ(dateien.Dateien[datei.substr(0, 128)], "");
}

TEST_F(Konfiguration, ersterBeschreibbarerOrtGewinnt)
{
    // A directory in the way of the test file makes a place unwritable, even for root.
    const std::string sperre = std::string("/") + TestDateiname, konfig = "/heim/.config/sprilo";
    // name, directories to make, drives, KonfigVerzeichnis ("" none), DatenVerzeichnis; all below tmp
    using TListe = std::vector<std::string>;
    const std::tuple<const char *, TListe, TListe, std::string, std::string> faelle[] = {
        {"DATEN", {"/heim/DATEN"}, {}, "/heim/DATEN/", "/heim/DATEN"},
        {"Konfigurationsordner wird angelegt", {}, {}, konfig + "/", "/heim"},
        {"DATEN nicht beschreibbar", {"/heim/DATEN" + sperre}, {}, konfig + "/", "/heim/DATEN"},
        {"Programmordner", {konfig + sperre, "/programm"}, {}, "/programm/", "/heim"},
        {"zweites Laufwerk", {konfig + sperre, "/lw2"}, {"/lw1", "/lw2", "/heim"}, "/lw2/", "/heim"},
        {"nichts beschreibbar", {konfig + sperre}, {"/lw1"}, "", "/heim"}};
    const TKonfigOrte orte = KonfigOrte;
    for (const auto &[name, ordner, laufwerke, erwartet, daten] : faelle) {
        SCOPED_TRACE(name);
        for (const char *o : {"/heim/DATEN", "/heim/.config", "/programm", "/lw2"})
            fs::remove_all(tmp + o);
        for (const auto &o : ordner)
            fs::create_directories(tmp + o);
        KonfigOrte = orte;
        for (const auto &l : laufwerke)
            KonfigOrte.Laufwerke.push_back(tmp + l);
        zeilen.clear();
        neuzeichnen = 0;
        KonfigVerzeichnis = "alt/";
        KonfigSchreibbar = erwartet.empty();     // the opposite of what must come out
        KonfigurationSuchen();
        EXPECT_EQ(zeilen, std::vector<std::string>{"Suchern der Konfiguration ..."});
        EXPECT_EQ(neuzeichnen, 1);
        EXPECT_EQ(KonfigVerzeichnis, erwartet.empty() ? "" : tmp + erwartet);
        EXPECT_EQ(KonfigSchreibbar, !erwartet.empty());
        EXPECT_EQ(DatenVerzeichnis, tmp + daten);
        EXPECT_FALSE(!erwartet.empty() && fs::exists(tmp + erwartet + TestDateiname));
        // The configuration folder is made only when the search gets to it.
        EXPECT_EQ(fs::exists(tmp + konfig), erwartet != "/heim/DATEN/");
    }

    KonfigOrte = TKonfigOrte{};
    KonfigOrte.Heimverzeichnis = tmp + "/heim/";
    KonfigurationSuchen();
    EXPECT_EQ(KonfigVerzeichnis, "");
    EXPECT_EQ(DatenVerzeichnis, tmp + "/heim");
}

TEST_F(Konfiguration, verzeichnisZustandFuerDenDialog)
{
    EXPECT_EQ(InVerzeichnis("/", TestDateiname), "/$$$$$$$$.$$$");
    EXPECT_EQ(InVerzeichnis("/media/usb/", KonfigDateiname), "/media/usb/SPRILO.INI");

    for (const char *o : {"/leer", "/mitOrdner/SPRILO.INI", "/mitDatei", "/gesperrt/$$$$$$$$.$$$",
                          "/gesperrtMitDatei/$$$$$$$$.$$$"})
        fs::create_directories(tmp + o);
    DateiSchreiben(tmp + "/mitDatei/SPRILO.INI", "x");
    DateiSchreiben(tmp + "/gesperrtMitDatei/SPRILO.INI", "x");
    const std::pair<std::string, int> faelle[] = {
        {"", 0}, {"/fehlt", 0}, {"/gesperrt", 0}, {"/leer", 1}, {"/leer/", 1}, {"/mitOrdner", 1},
        {"/gesperrtMitDatei", 2}, {"/mitDatei", 3}};
    for (const auto &[ordner, zustand] : faelle)
        EXPECT_EQ(KonfigVerzeichnisZustand(ordner.empty() ? "" : tmp + ordner), zustand) << ordner;
    EXPECT_FALSE(fs::exists(tmp + "/leer/" + TestDateiname));
}

TEST(KonfigurationLaufwerke, mountsOhnePseudoDateisystemeWurzelZuerst)
{
    const std::string mounts =
        "sysfs /sys sysfs rw,nosuid,nodev,noexec,relatime 0 0\n" "tmpfs /tmp tmpfs rw 0 0\n"
        "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n" "/dev/loop3 /snap/core22/1033 squashfs ro,nodev,relatime 0 0\n"
        "/dev/nvme0n1p1 /boot/efi vfat rw,relatime 0 0\n" "/dev/sdc1 /home ext4 rw,relatime 0 0\n"
        "/dev/sdb1 /media/anna/USB\\040Stick vfat rw,nosuid,nodev 0 0\n" "server:/export /mnt/nfs nfs4 rw 0 0\n"
        "/dev/sdc1 /home ext4 rw,relatime 0 0\n" "overlay /var/lib/docker/overlay2/abc/merged overlay rw 0 0\n"
        "/dev/sdd1 /run/media/anna/STICK vfat rw 0 0\n" "portal /run/user/1000/doc fuse.portal rw 0 0\n"
        "/dev/sde1 /daten/back\\134slash ext4 rw 0 0\n" "\n";
    EXPECT_EQ(LaufwerkeAusMounts(mounts),
              (std::vector<std::string>{"/", "/boot/efi", "/daten/back\\slash", "/home", "/media/anna/USB Stick",
                                        "/mnt/nfs", "/run/media/anna/STICK"}));
    EXPECT_EQ(LaufwerkeAusMounts("overlay / overlay rw,relatime 0 0\n/dev/vdb /data xfs rw 0 0\n"),
              (std::vector<std::string>{"/", "/data"}));
    EXPECT_EQ(LaufwerkeAusMounts(""), std::vector<std::string>{"/"});
    const auto hier = EingehaengteLaufwerke();
    ASSERT_FALSE(hier.empty());
    EXPECT_EQ(hier.front(), "/");
    EXPECT_TRUE(std::is_sorted(hier.begin() + 1, hier.end()));
}

TEST_F(Konfiguration, tankstellenlisteAusBeidenFormaten)
{
    EXPECT_TRUE(TankstellenlisteLesen(FixturPfad("konfig", "SPRILO.INI")));
    EXPECT_EQ(AnzahlTankstellen, 4);
    EXPECT_EQ(std::vector<std::string>(Tankstellen, Tankstellen + 5),
              (std::vector<std::string>{"Aral Hauptstraße", "Jet", "SHELL , Velmbach", "Esso Südring", ""}));
    EXPECT_TRUE(TankstellenlisteLesen(FixturPfad("konfig", "SPRILO_ALT.INI")));
    EXPECT_EQ(AnzahlTankstellen, 2);
    EXPECT_EQ(Tankstellen[3], "");

    const std::string elf = Geaendert(Fixtur("SPRILO.INI"), {{257, 11}});
    DateiSchreiben(tmp + "/elf.INI", elf);
    DateiSchreiben(tmp + "/kurz.INI", elf.substr(0, 783));
    for (const std::string name : {"elf.INI", "kurz.INI", "fehlt.INI"}) {
        Tankstellen[4] = "Rest";
        EXPECT_FALSE(TankstellenlisteLesen(tmp + "/" + name)) << name;
        EXPECT_EQ(AnzahlTankstellen, 1);
        EXPECT_EQ(std::vector<std::string>(Tankstellen, Tankstellen + 5),
                  (std::vector<std::string>{"SHELL , Velmbach", "", "", "", ""})) << name;
    }
    MeldungPruefen(0);
}

TEST_F(Konfiguration, uebernommeneTankstellenlisteNummeriertDieFuellungenUm)
{
    struct TFall {
        std::vector<std::string> Vorher;      // the list the fill-ups were numbered by
        std::vector<std::string> Fuellungen;  // their stations
        int Auswahl;
        std::vector<std::string> Neu;
        std::string Nummern;                  // the fill-ups' numbers afterwards
        int ErwAuswahl;
        bool Geaendert;
    };
    const std::vector<std::string> ast = {"Aral", "Shell", "Jet"};
    const TFall faelle[] = {
        {ast, ast, -1, {"Aral", "Jet"}, "0 -1 1", -1, true},                      // deleted: "other"
        {ast, {"Aral", "Shell", "Jet", "Esso"}, 1, ast, "0 1 2 -1", 1, false},    // unchanged
        {ast, ast, -1, {"Aral", "Shell", "Jet", "Aral"}, "3 1 2", -1, true},     // the last equal wins
        {{"Aral"}, {"Esso", "Aral", "Esso"}, -1, {"Aral", "Esso"}, "1 0 1", -1, true},
        {{"A", "B", "C", "D", "E"}, {}, 3, {"A", "B", "C"}, "", -1, false},      // too short for 3
        {{"A", "B", "C", "D", "E"}, {}, 2, {"A", "B", "C"}, "", 2, false},
        {{"Aral"}, {"Aral"}, 0, {}, "-1", -1, true},
    };
    for (const TFall &f : faelle) {
        NeueDaten();
        for (size_t i = 0; i < MaxTankstellen; ++i)
            Tankstellen[i] = i < f.Vorher.size() ? f.Vorher[i] : "";
        AnzahlTankstellen = static_cast<uint8_t>(f.Vorher.size());
        for (const std::string &name : f.Fuellungen) {
            TTankFuellung t;
            t.Tankstelle = name;
            TankstellenNrAbgleichen(t);
            Fuellungen.push_back(t);
        }
        DatenVorhanden = !Fuellungen.empty();
        AuswahlTankstelleNr = static_cast<int8_t>(f.Auswahl);
        EXPECT_EQ(TankstellenlisteUebernehmen(f.Neu), f.Geaendert) << f.Nummern;
        std::string nummern;
        for (const TTankFuellung &t : Fuellungen)
            nummern += (nummern.empty() ? "" : " ") + std::to_string(t.TankstellenNr);
        EXPECT_EQ(nummern, f.Nummern);
        EXPECT_EQ(AuswahlTankstelleNr, f.ErwAuswahl) << f.Nummern;
        EXPECT_EQ(std::vector<std::string>(Tankstellen, Tankstellen + AnzahlTankstellen), f.Neu);
    }

    // Names are cut to 40 characters, the list to ten entries; the rest of
    // the table is empty.
    const std::string lang(45, 'x');
    std::vector<std::string> elf(11, lang);
    TankstellenlisteUebernehmen(elf);
    EXPECT_EQ(AnzahlTankstellen, 10);
    EXPECT_EQ(Tankstellen[9], std::string(40, 'x'));
    TankstellenlisteUebernehmen({"Jet"});
    EXPECT_EQ(std::vector<std::string>(Tankstellen, Tankstellen + 3), (std::vector<std::string>{"Jet", "", ""}));
}

} // namespace
