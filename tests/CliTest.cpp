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
#include <sys/wait.h>
#include <tuple>

namespace {

struct TLauf {
    int Code = -1;
    std::string Aus;
};

// Runs the command line "sprilo-cli ..." through the shell inside the given folder (no quote in its path),
// after the shell commands in vorher.
TLauf Starten(const std::string &ordner, const std::string &befehl, const std::string &vorher = "")
{
    const std::string zeile = "cd '" + ordner + "' && " + vorher + "'" SPRILO_CLI "'" + befehl.substr(befehl.find(' '))
        + " 2>/dev/null";
    TLauf lauf;
    FILE *rohr = ::popen(zeile.c_str(), "r");
    if (!rohr)
        return lauf;
    char puffer[4096];
    for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
        lauf.Aus.append(puffer, n);
    const int status = ::pclose(rohr);
    lauf.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

TLauf Aufrufen(const std::vector<std::string> &argumente, std::string *fehler = nullptr)
{
    std::ostringstream aus, err;
    TLauf lauf{CliAusfuehren(argumente, aus, err), aus.str()};
    if (fehler)
        *fehler = err.str();
    return lauf;
}

class Fixturbefehle : public ::testing::TestWithParam<const char *> {};

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
                         ::testing::Values("grund", "dm", "alt", "altewaehrung", "stationen", "muell", "auswahl",
                                           "entwicklung"));

TEST(Cli, aufrufeGebenIhrenRueckgabewertUndIhreAusgabe)
{
    TOrdner o;
    const std::string kaputt = o / "kaputt.SPR", fehlt = o / "fehlt.SPR", grund = FixturPfad("grund", "grund.SPR");
    DateiSchreiben(kaputt, std::string(300, 'x'));
    const std::string auswahl = FixturPfad("auswahl", "auswahl.SPR"), auswahlKonfig = FixturPfad("auswahl", "SPRILO.INI");
    std::string ae20, ae21;   // the word's limit counts characters, not bytes
    for (int i = 0; i < 20; ++i)
        ae20 += "ä";
    ae21 = ae20 + "ä";
    const std::string jahr2003 = DateiInhalt(FixturPfad("grund", "expected_verbrauch_jahr_2003.txt")),
                      kopfzeile = jahr2003.substr(0, jahr2003.find('\n') + 1);
    std::vector<std::tuple<std::vector<std::string>, int, std::string>> faelle;
    // Each mistake of a call: exit code 64, the usage on stderr, nothing on stdout.
    const std::vector<std::vector<std::string>> falsch = {
        {}, {"zeigen", "a.SPR"}, {"liste"}, {"liste", "a.SPR", "b.SPR"}, {"liste", "a.SPR", "--jahr", "2003"},
        {"verbrauch", "a.SPR", "--jahr"}, {"verbrauch", "a.SPR", "--jahr", "20x3"},
        {"verbrauch", "a.SPR", "--sortierung", "6"}, {"verbrauch", "a.SPR", "--zeitraum", "13/2003", "01/2004"},
        {"verbrauch", "a.SPR", "--zeitraum", "01/2003"}, {"verbrauch", "a.SPR", "--letzte", "--jahr", "2003"},
        {"verbrauch", "a.SPR", "--einzeln", "--monatsweise"}, {"verbrauch", "a.SPR", "--heute", "31.02.2003"},
        {"umwandeln", "a.SPR"}, {"pruefen", "a.SPR", "--konfig"},
        {"auswahl", "a.SPR", "--tankstelle", "0"}, {"auswahl", "a.SPR", "--tankstelle", "x"},
        {"auswahl", "a.SPR", "--wort", std::string(21, 'x')}, {"auswahl", "a.SPR", "--wort", ae21},
        {"auswahl", "a.SPR", "--tankstelle", "1", "--sonstige"}, {"auswahl", "a.SPR", "--sonstige", "--wort", "x"},
        {"auswahl", "a.SPR", "--alle-tankstellen", "--alle-tankstellen"},
        {"auswahl", "a.SPR", "--sortierung", "5"}, {"auswahl", "a.SPR", "--sortierung", "0"},
        {"auswahl", "a.SPR", "--jahr", "2004", "--alle-jahre"}, {"auswahl", "a.SPR", "--letzte"},
        {"auswahl", "a.SPR", "--monatsweise"}, {"verbrauch", "a.SPR", "--alle-jahre"},
        {"verbrauch", "a.SPR", "--sonstige"},
        // Entry 5 of a list of four, and any entry without a list, are known only after loading.
        {"auswahl", auswahl, "--konfig", auswahlKonfig, "--tankstelle", "5"}, {"auswahl", auswahl, "--tankstelle", "1"}};
    for (const auto &argumente : falsch)
        faelle.emplace_back(argumente, CliAufruffehler, "");
    faelle.insert(faelle.end(), {
        // A damaged or missing file.
        {{"pruefen", kaputt}, CliUnbrauchbar, "Meldung: 8002\n"}, {{"liste", kaputt}, CliUnbrauchbar, ""},
        {{"pruefen", fehlt}, CliNichtGeoeffnet, "Meldung: 8106\n"}, {{"verbrauch", fehlt}, CliNichtGeoeffnet, ""},
        {{"auswahl", kaputt}, CliUnbrauchbar, "Meldung: 8002\n"}, {{"auswahl", fehlt}, CliNichtGeoeffnet, "Meldung: 8106\n"},
        // A word of 20 characters is taken (and found nowhere).
        {{"auswahl", auswahl, "--wort", ae20}, CliNichtsGefunden, "Meldung: 8205\n"},
        // Nothing found: the heading alone.
        {{"verbrauch", grund, "--jahr", "2004"}, CliNichtsGefunden, kopfzeile},
        // "This year" follows the given day.
        {{"verbrauch", grund, "--dieses-jahr", "--heute", "01.06.2003"}, CliOk, jahr2003},
        {{"verbrauch", grund, "--dieses-jahr", "--heute", "01.06.2004"}, CliNichtsGefunden, kopfzeile},
        // A period given backwards is turned round and takes in its last month (the value ending 04.03.2003).
        {{"verbrauch", grund, "--zeitraum", "03/2003", "02/2003"}, CliOk, jahr2003}});
    for (const auto &[argumente, code, ausgabe] : faelle) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        std::string fehler;
        const TLauf lauf = Aufrufen(argumente, &fehler);
        EXPECT_EQ(lauf.Code, code);
        EXPECT_EQ(lauf.Aus, ausgabe);
        EXPECT_EQ(fehler.find("Aufruf:") != std::string::npos, code == CliAufruffehler);
    }
    std::string fehler;
    Aufrufen({"verbrauch", "a.SPR", "--sortierung", "6"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')), "Nach --sortierung fehlt eine Zahl von 1 bis 5.");
    Aufrufen({"auswahl", "a.SPR", "--sortierung", "5"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')), "Nach --sortierung fehlt eine Zahl von 1 bis 4.");
    Aufrufen({"auswahl", auswahl, "--konfig", auswahlKonfig, "--tankstelle", "5"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')), "Die Tankstellenliste hat 4 Einträge; --tankstelle 5 gibt es nicht.");
    // The list's last entry is a station of its own, not the "sonstige".
    const TLauf letzte = Aufrufen({"auswahl", auswahl, "--konfig", auswahlKonfig, "--tankstelle", "4"});
    EXPECT_EQ(letzte.Code, CliOk);
    EXPECT_EQ(letzte.Aus.substr(0, letzte.Aus.find('\n')), "Auswahl\tNur die Tankstelle 'Esso Südring' aus allen Jahren.");
    EXPECT_NE(letzte.Aus.find("\tEsso Südring\t"), std::string::npos);
    Aufrufen({"auswahl", "a.SPR", "--wort", ae21}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')), "Das Wort nach --wort darf höchstens 20 Zeichen lang sein.");
    Aufrufen({"pruefen", kaputt}, &fehler);
    EXPECT_EQ(fehler, "Die Datendatei '" + kaputt + "' war fehlerhaft.\nDie Daten können nicht benutzt werden.\n\n"
                                                     "Code : 8002\n");
}

TEST(Cli, umwandelnSpeichertImNeuenFormat)
{
    TOrdner o;
    const std::string ziel = o / "NEU.SPR", konfig = FixturPfad("alt", "SPRILO.INI");
    TLauf lauf = Aufrufen({"umwandeln", FixturPfad("alt", "alt.SPR"), ziel, "--konfig", konfig});
    EXPECT_EQ(lauf.Code, CliOk);
    EXPECT_EQ(lauf.Aus, "Meldung: 8214\n");
    EXPECT_EQ(std::filesystem::file_size(ziel), 5u * 96u);

    // Records converted from the old format keep their old-currency mark
    // until the next load has reported it.
    lauf = Aufrufen({"pruefen", ziel, "--konfig", konfig});
    EXPECT_EQ(lauf.Aus, "Tankfüllungen: 4\nKennzeichen: ALT-1\nTankinhalt: 0,00 Liter\nFestverbrauch: 7,50L/100Km\n"
                        "Logisch: ja\nGespeichert: nein\nMeldung: 8218\n");
    EXPECT_EQ(Starten(o.Pfad, "sprilo-cli liste NEU.SPR --konfig " + konfig).Aus,
              DateiInhalt(FixturPfad("alt", "expected_liste.txt")));
}

TEST(Cli, steuerzeichenAusDerDateiErscheinenAlsFragezeichen)
{
    // A line break in the plate must not fake a line of the output; tab, DEL and the C1 character
    // that code page 1252 leaves undefined (0x81) are control characters too.
    TOrdner o;
    const std::string datei = o / "TRICK.SPR";
    GlobalenZustandZuruecksetzen();
    std::tie(Kennzeichen, Festverbrauch, Tankinhalt) = std::make_tuple("AB\nLogisch: ja", 6, 50);
    Fuellungen = {{TDatum{1, 1, 2003}, 1000, -1, "Ar\tal\x7F\xC2\x81\x1B[2Jü", 0, 50, 40, 0, 0, 0, 1250}};
    ASSERT_TRUE(DatenSpeichern(datei).Geschrieben);
    EXPECT_EQ(Aufrufen({"pruefen", datei}).Aus, "Tankfüllungen: 1\nKennzeichen: AB?Logisch: ja\nTankinhalt: 50,00 Liter\n"
                                                "Festverbrauch: 6,00L/100Km\nLogisch: ja\nGespeichert: ja\n"
                                                "Meldung: keine\n");
    const auto zeilen = Felder(Aufrufen({"liste", datei}).Aus, '\n');
    ASSERT_EQ(zeilen.size(), 3u);   // heading, one fill-up, and the empty rest
    EXPECT_EQ(Felder(zeilen[1], '\t').at(2), "Ar?al???[2Jü");
}

TEST(Cli, dateigroessenGrenzeGibtSchreibfehlerStattAbbruch)
{
    // Under "ulimit -f" a write beyond the limit sends SIGXFSZ, which ends a program that does not
    // ignore it without a word and with the target half written. 512 bytes per file at most: the
    // new file (768 bytes) cannot be written, the one it replaces (384) is there.
    TOrdner o;
    const std::string aus = o / "AUS.SPR", vorher = DateiInhalt(FixturPfad("grund", "grund.SPR"));
    DateiSchreiben(aus, vorher);
    // The signal at its default, as a fresh shell would start the program (this process ignores it).
    const auto bisher = std::signal(SIGXFSZ, SIG_DFL);
    const std::string ein = FixturPfad("stationen", "stationen.SPR");
    const TLauf lauf = Starten(o.Pfad, "sprilo-cli umwandeln " + ein + " " + aus, "ulimit -f 1 && ");
    std::signal(SIGXFSZ, bisher);
    EXPECT_EQ(lauf.Code, CliNichtGeoeffnet);
    EXPECT_EQ(lauf.Aus, "Meldung: 8202\nDie Datendatei '" + aus + "' konnte nicht vollständig geschrieben werden.\n"
                        "Wahrscheinlich ist der Datenträger voll.\n\nDie vorhandene Datei '" + aus
                            + "' ist unverändert geblieben.\nDie Daten wurden nicht gespeichert.\n");
    EXPECT_EQ(DateiInhalt(aus), vorher);
    EXPECT_EQ(o.Namen(), std::vector<std::string>{"AUS.SPR"});
}

TEST(Cli, entwicklungPrueftIhreOptionenUndDenTankinhalt)
{
    TOrdner o;
    const std::string kaputt = o / "kaputt.SPR", fehlt = o / "fehlt.SPR",
                      datei = FixturPfad("entwicklung", "entwicklung.SPR");
    DateiSchreiben(kaputt, std::string(300, 'x'));
    const std::vector<std::vector<std::string>> falsch = {
        {"entwicklung"}, {"entwicklung", datei, "--literpreis", "--reichweite"},
        {"entwicklung", datei, "--alle-jahre", "--zeitraum", "01/2003", "02/2003"},
        {"entwicklung", datei, "--zeitraum", "01/2003"}, {"entwicklung", datei, "--einzeln", "--jahresweise"},
        {"entwicklung", datei, "--jahr", "2003"}, {"entwicklung", datei, "--dieses-jahr"},
        {"entwicklung", datei, "--letzte"}, {"entwicklung", datei, "--sortierung", "1"},
        {"entwicklung", datei, "--umgekehrt"}, {"entwicklung", datei, "--heute", "01.01.2003"},
        {"entwicklung", datei, "--tankinhalt"}, {"entwicklung", datei, "--tankinhalt", "x"},
        {"entwicklung", datei, "--tankinhalt", "-5"}, {"entwicklung", datei, "--tankinhalt", "50,123"},
        {"entwicklung", datei, "--tankinhalt", "3001"}, {"verbrauch", datei, "--tankinhalt", "50"},
        {"verbrauch", datei, "--reichweite"}, {"auswahl", datei, "--literpreis"}};
    for (const auto &argumente : falsch) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        std::string fehler;
        const TLauf lauf = Aufrufen(argumente, &fehler);
        EXPECT_EQ(lauf.Code, CliAufruffehler);
        EXPECT_EQ(lauf.Aus, "");
        EXPECT_NE(fehler.find("Aufruf:"), std::string::npos);
    }
    std::string fehler;
    Aufrufen({"entwicklung", datei, "--tankinhalt", "x"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')),
              "--tankinhalt x: Der Tankinhalt ist ungültig. Die eingegebene Zeichenkette stellt keine Zahl dar.");
    Aufrufen({"entwicklung", datei, "--tankinhalt", "3001"}, &fehler);
    EXPECT_EQ(fehler.substr(0, fehler.find('\n')),
              "--tankinhalt 3001: Der Tankinhalt ist ungültig. Er darf maximal 3.000 Liter betragen.");

    const std::vector<std::tuple<std::vector<std::string>, int, std::string>> faelle = {
        {{"entwicklung", kaputt}, CliUnbrauchbar, "Meldung: 8002\n"},
        {{"entwicklung", kaputt, "--reichweite"}, CliUnbrauchbar, "Meldung: 8002\n"},
        {{"entwicklung", fehlt}, CliNichtGeoeffnet, "Meldung: 8106\n"},
        // The capacity given on the command line is taken as it is, 0 too.
        {{"entwicklung", datei, "--reichweite", "--tankinhalt", "0"}, CliUnbrauchbar, "Meldung: 8213\n"},
        // The litre price needs no capacity.
        {{"entwicklung", datei, "--tankinhalt", "0", "--zeitraum", "01/2003", "01/2003"}, CliOk,
         DateiInhalt(FixturPfad("entwicklung", "expected_literpreis_zeitraum_01_2003_01_2003.txt"))}};
    for (const auto &[argumente, code, ausgabe] : faelle) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        const TLauf lauf = Aufrufen(argumente);
        EXPECT_EQ(lauf.Code, code);
        EXPECT_EQ(lauf.Aus, ausgabe);
    }
}
} // namespace
