// sprilo-cli: the expected output of every fixture command, run as the real
// program, and the exit codes and messages of bad calls.
#include "Befehle.h"
#include "Fixtures.h"
#include "Zusatz1.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
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
