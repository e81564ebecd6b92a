// sprilo-cli: the expected output of every fixture command, run as the real
// program, and the exit codes and messages of bad calls.
#include "Befehle.h"
#include "Datendatei.h"
#include "Fixtures.h"
#include "Zusatz1.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct TLauf {
    int Code = -1;
    std::string Aus;
};

std::string Quotiert(const std::string &s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs "sprilo-cli ..." through the shell inside the given folder.
TLauf Starten(const std::string &ordner, const std::string &befehl)
{
    const std::string prefix = "sprilo-cli";
    const std::string rest = befehl.compare(0, prefix.size(), prefix) == 0 ? befehl.substr(prefix.size()) : befehl;
    const std::string zeile = "cd " + Quotiert(ordner) + " && " + Quotiert(SPRILO_CLI) + rest + " 2>/dev/null";
    TLauf lauf;
    FILE *rohr = ::popen(zeile.c_str(), "r");
    if (!rohr)
        return lauf;
    char puffer[4096];
    size_t n;
    while ((n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0)
        lauf.Aus.append(puffer, n);
    const int status = ::pclose(rohr);
    lauf.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

TLauf Aufrufen(std::vector<std::string> argumente, std::string *fehler = nullptr)
{
    std::ostringstream aus, err;
    TLauf lauf;
    lauf.Code = CliAusfuehren(argumente, aus, err);
    lauf.Aus = aus.str();
    if (fehler)
        *fehler = err.str();
    return lauf;
}

class Fixturbefehle : public ::testing::TestWithParam<const char *> {};

} // namespace

TEST_P(Fixturbefehle, ausgabeStimmtGenau)
{
    const std::string ordner = FixturPfad(GetParam());
    std::ifstream befehle(ordner + "/befehle.tsv");
    std::string zeile;
    int anzahl = 0;
    while (std::getline(befehle, zeile)) {
        if (zeile.empty())
            continue;
        const auto f = Felder(zeile, '\t');
        ASSERT_EQ(f.size(), 3u) << zeile;
        SCOPED_TRACE(f[2]);
        const TLauf lauf = Starten(ordner, f[2]);
        EXPECT_EQ(lauf.Code, std::stoi(f[1]));
        EXPECT_EQ(lauf.Aus, DateiInhalt(ordner + "/" + f[0]));
        ++anzahl;
    }
    EXPECT_GT(anzahl, 0);
}

INSTANTIATE_TEST_SUITE_P(Alle, Fixturbefehle,
                         ::testing::Values("grund", "dm", "alt", "altewaehrung", "stationen", "muell"));

TEST(Cli, falscherAufrufGibt64MitHinweis)
{
        const std::vector<std::vector<std::string>> falsch = {
        {},
        {"zeigen", "a.SPR"},
        {"liste"},
        {"liste", "a.SPR", "b.SPR"},
        {"liste", "a.SPR", "--jahr", "2003"},
        {"verbrauch", "a.SPR", "--jahr"},
        {"verbrauch", "a.SPR", "--jahr", "20x3"},
        {"verbrauch", "a.SPR", "--sortierung", "6"},
        {"verbrauch", "a.SPR", "--zeitraum", "13/2003", "01/2004"},
        {"verbrauch", "a.SPR", "--zeitraum", "01/2003"},
        {"verbrauch", "a.SPR", "--letzte", "--jahr", "2003"},
        {"verbrauch", "a.SPR", "--einzeln", "--monatsweise"},
        {"verbrauch", "a.SPR", "--heute", "31.02.2003"},
        {"umwandeln", "a.SPR"},
        {"pruefen", "a.SPR", "--konfig"},
    };
    for (const auto &a : falsch) {
        std::string fehler;
        const TLauf lauf = Aufrufen(a, &fehler);
        EXPECT_EQ(lauf.Code, CliAufruffehler) << ::testing::PrintToString(a);
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_NE(fehler.find("Aufruf:"), std::string::npos);
    }
    std::string fehler;
    Aufrufen({"verbrauch", "a.SPR", "--sortierung", "6"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')), "Nach --sortierung fehlt eine Zahl von 1 bis 5.");
}

TEST(Cli, fehlendeUndKaputteDateien)
{
        const fs::path ordner = fs::temp_directory_path() / ("sprilo-cli-" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::string kaputt = (ordner / "kaputt.SPR").string();
    DateiSchreiben(kaputt, std::string(300, 'x'));

    std::string fehler;
    TLauf lauf = Aufrufen({"pruefen", kaputt}, &fehler);
    EXPECT_EQ(lauf.Code, CliUnbrauchbar);
    EXPECT_EQ(lauf.Aus, "Meldung: 8002\n");
    EXPECT_EQ(fehler, "Die Datendatei '" + kaputt + "' war fehlerhaft.\nDie Daten können nicht benutzt werden.\n\n"
                                                     "Code : 8002\n");
    EXPECT_EQ(Aufrufen({"liste", kaputt}).Code, CliUnbrauchbar);

    lauf = Aufrufen({"pruefen", (ordner / "fehlt.SPR").string()});
    EXPECT_EQ(lauf.Code, CliNichtGeoeffnet);
    EXPECT_EQ(lauf.Aus, "Meldung: 8106\n");
    EXPECT_EQ(Aufrufen({"verbrauch", (ordner / "fehlt.SPR").string()}).Code, CliNichtGeoeffnet);
    fs::remove_all(ordner);
}

TEST(Cli, nichtsGefundenGibt3MitKopfzeile)
{
        const TLauf lauf = Aufrufen({"verbrauch", FixturPfad("grund", "grund.SPR"), "--jahr", "2004"});
    EXPECT_EQ(lauf.Code, CliNichtsGefunden);
    EXPECT_EQ(lauf.Aus, "Art\tBezeichnung\tVon KM-Stand\tam\tBis KM-Stand\tam\tStrecke\tLiter\t"
                        "Durchschnittsverbrauch\tTankfüllungen\tVoll\tGetankt\tBetrag\tLiterpreis\tKosten\n");
}

TEST(Cli, diesesJahrFolgtDemHeutigenDatum)
{
        const std::string datei = FixturPfad("grund", "grund.SPR");
    EXPECT_EQ(Aufrufen({"verbrauch", datei, "--dieses-jahr", "--heute", "01.06.2003"}).Code, CliOk);
    EXPECT_EQ(Aufrufen({"verbrauch", datei, "--dieses-jahr", "--heute", "01.06.2004"}).Code, CliNichtsGefunden);
}

TEST(Cli, zeitraumWirdVertauschtUndUmfasstDenLetztenMonat)
{
        const std::string datei = FixturPfad("grund", "grund.SPR");
    const TLauf richtig = Aufrufen({"verbrauch", datei, "--zeitraum", "02/2003", "03/2003"});
    const TLauf verkehrt = Aufrufen({"verbrauch", datei, "--zeitraum", "03/2003", "02/2003"});
    EXPECT_EQ(richtig.Code, CliOk);
    EXPECT_EQ(verkehrt.Aus, richtig.Aus);
    // The value ending on 04.03.2003 belongs to March, the last month.
    EXPECT_NE(richtig.Aus.find("04.03.2003"), std::string::npos);
    EXPECT_EQ(Aufrufen({"verbrauch", datei, "--zeitraum", "03/2003", "03/2003"}).Code, CliOk);
}

TEST(Cli, umwandelnSpeichertImNeuenFormat)
{
        const fs::path ordner = fs::temp_directory_path() / ("sprilo-um-" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::string ziel = (ordner / "NEU.SPR").string();
    TLauf lauf = Aufrufen({"umwandeln", FixturPfad("alt", "alt.SPR"), ziel, "--konfig", FixturPfad("alt", "SPRILO.INI")});
    EXPECT_EQ(lauf.Code, CliOk);
    EXPECT_EQ(lauf.Aus, "Meldung: 8214\n");
    EXPECT_EQ(fs::file_size(ziel), 5u * 96u);

    // Records converted from the old format keep their old-currency mark
    // until the next load has reported it.
    lauf = Aufrufen({"pruefen", ziel, "--konfig", FixturPfad("alt", "SPRILO.INI")});
    EXPECT_EQ(lauf.Aus, "Tankfüllungen: 4\nKennzeichen: ALT-1\nTankinhalt: 0,00 Liter\nFestverbrauch: 7,50L/100Km\n"
                        "Logisch: ja\nGespeichert: nein\nMeldung: 8218\n");
    EXPECT_EQ(Starten(ordner.string(), "sprilo-cli liste NEU.SPR --konfig " + FixturPfad("alt", "SPRILO.INI")).Aus,
              DateiInhalt(FixturPfad("alt", "expected_liste.txt")));

    // Saving again keeps the previous file as backup copy.
    lauf = Aufrufen({"umwandeln", FixturPfad("grund", "grund.SPR"), ziel});
    EXPECT_EQ(lauf.Code, CliOk);
    EXPECT_EQ(fs::file_size(ordner / "NEU.SPK"), 5u * 96u);

    lauf = Aufrufen({"umwandeln", FixturPfad("grund", "grund.SPR"), (ordner / "fehlt" / "X.SPR").string()});
    EXPECT_EQ(lauf.Code, CliNichtGeoeffnet);
    EXPECT_NE(lauf.Aus.find("konnte nicht angelegt werden."), std::string::npos);
    fs::remove_all(ordner);
}

namespace {

// A folder of its own, removed with all it holds.
struct TOrdner {
    fs::path Pfad = fs::temp_directory_path() / ("sprilo-cli-" + std::to_string(::getpid()));
    TOrdner() { fs::create_directories(Pfad); }
    ~TOrdner() { fs::remove_all(Pfad); }
    std::string operator/(const std::string &name) const { return (Pfad / name).string(); }
    std::vector<std::string> Namen() const
    {
        std::vector<std::string> n;
        for (const auto &e : fs::directory_iterator(Pfad))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};

// Writes a data file of the given fill-ups with the program's own saver.
void DatendateiAnlegen(const std::string &pfad, const std::string &kennzeichen, std::vector<TTankFuellung> liste)
{
    GlobalenZustandZuruecksetzen();
    Kennzeichen = kennzeichen;
    Festverbrauch = 6;
    Tankinhalt = 50;
    Fuellungen = std::move(liste);
    ASSERT_TRUE(DatenSpeichern(pfad).Geschrieben);
    GlobalenZustandZuruecksetzen();
}

TTankFuellung Fuellung(int i, const std::string &tankstelle = "Jet")
{
    TTankFuellung f;
    f.Datum = TDatum{uint8_t(1 + i % 28), uint8_t(1 + i / 28 % 12), uint16_t(2003 + i / 336)};
    f.KMStand = 1000 + 500 * i;
    f.Tankstelle = tankstelle;
    f.Betrag = 50;
    f.Liter = 40;
    f.LiterPreis = 1250;
    f.AlteWaehrung = 0;
    return f;
}

} // namespace

TEST(Cli, steuerzeichenAusDerDateiErscheinenAlsFragezeichen)
{
    // A line break in the plate must not fake a line of the output; tab, DEL and the C1 character
    // that code page 1252 leaves undefined (0x81) are control characters too.
    TOrdner o;
    const std::string datei = o / "TRICK.SPR";
    DatendateiAnlegen(datei, "AB\nLogisch: ja", {Fuellung(0, "Ar\tal\x7F\xC2\x81\x1B[2Jü")});
    EXPECT_EQ(Aufrufen({"pruefen", datei}).Aus, "Tankfüllungen: 1\nKennzeichen: AB?Logisch: ja\nTankinhalt: 50,00 Liter\n"
                                                "Festverbrauch: 6,00L/100Km\nLogisch: ja\nGespeichert: ja\n"
                                                "Meldung: keine\n");
    const std::string liste = Aufrufen({"liste", datei}).Aus;
    const auto zeilen = Felder(liste, '\n');
    ASSERT_EQ(zeilen.size(), 3u);   // heading, one fill-up, and the empty rest
    EXPECT_EQ(Felder(zeilen[1], '\t').at(2), "Ar?al???[2Jü");
}

TEST(Cli, dateigroessenGrenzeGibtSchreibfehlerStattAbbruch)
{
    // Under "ulimit -f" a write beyond the limit sends SIGXFSZ, which ends a program that does not
    // ignore it without a word and with the target half written.
    TOrdner o;
    const std::string ein = o / "EIN.SPR", aus = o / "AUS.SPR";
    std::vector<TTankFuellung> liste;
    for (int i = 0; i < 60; ++i)
        liste.push_back(Fuellung(i));
    DatendateiAnlegen(ein, "GROSS", liste);
    const std::string vorher = DateiInhalt(FixturPfad("grund", "grund.SPR"));
    DateiSchreiben(aus, vorher);
    ASSERT_GT(DateiInhalt(ein).size(), 1000u);
    ASSERT_LT(vorher.size(), 1000u);

    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    const pid_t kind = ::fork();
    if (kind == 0) {
        ::dup2(rohr[1], STDOUT_FILENO);
        ::close(rohr[0]);
        ::close(rohr[1]);
        // As a fresh shell would start it: the signal at its default, 1000 bytes per file at most.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit grenze{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        ::alarm(60);
        ::execl(SPRILO_CLI, "sprilo-cli", "umwandeln", ein.c_str(), aus.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(kind, 0);
    ::close(rohr[1]);
    std::string ausgabe;
    char puffer[4096];
    ssize_t n;
    while ((n = ::read(rohr[0], puffer, sizeof puffer)) > 0)
        ausgabe.append(puffer, size_t(n));
    ::close(rohr[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status)) << "Signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), CliNichtGeoeffnet);
    EXPECT_EQ(ausgabe, "Meldung: keine\nDie Datendatei '" + aus + "' konnte nicht vollständig geschrieben werden.\n"
                       "Wahrscheinlich ist der Datenträger voll.\n\nDie vorhandene Datei '" + aus
                           + "' ist unverändert geblieben.\nDie Daten wurden nicht gespeichert.\n");
    EXPECT_EQ(DateiInhalt(aus), vorher);
    EXPECT_EQ(o.Namen(), (std::vector<std::string>{"AUS.SPR", "EIN.SPR"}));
}

TEST(Cli, umwandelnInEinVerzeichnisWirdAbgelehnt)
{
    TOrdner o;
    const std::string ziel = o / "ZIEL.SPR";
    fs::create_directory(ziel);
    const TLauf lauf = Aufrufen({"umwandeln", FixturPfad("grund", "grund.SPR"), ziel});
    EXPECT_EQ(lauf.Code, CliNichtGeoeffnet);
    EXPECT_EQ(lauf.Aus, "Meldung: 8202\nUnter dem Namen '" + ziel + "' gibt es schon ein Verzeichnis oder etwas "
                        "anderes als eine Datei.\nDie Daten wurden nicht gespeichert.\n\nBitte wählen Sie mit "
                        "\"Speichern unter\" einen anderen Namen.\n");
    EXPECT_TRUE(fs::is_directory(ziel));
    EXPECT_EQ(o.Namen(), std::vector<std::string>{"ZIEL.SPR"});
}
