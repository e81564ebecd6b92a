// sprilo-cli drucken: every report written as a PDF by the real program and
// read back as text; the refusals leave no file.
#include "Befehle.h"
#include "Fixtures.h"
#include "Konfiguration.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <tuple>

namespace {

struct TLauf {
    int Code = -1;
    std::string Ausgabe;   // standard output and error together
};

TLauf Ausfuehren(const std::string &zeile)
{
    TLauf lauf;
    FILE *rohr = ::popen((zeile + " 2>&1").c_str(), "r");
    if (!rohr)
        return lauf;
    char puffer[4096];
    for (size_t n; (n = std::fread(puffer, 1, sizeof puffer, rohr)) > 0;)
        lauf.Ausgabe.append(puffer, n);
    const int status = ::pclose(rohr);
    lauf.Code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return lauf;
}

TLauf Drucken(const std::string &ausgabe, const std::string &optionen,
              const std::string &datei = FixturPfad("grund", "grund.SPR"))
{
    return Ausfuehren("'" SPRILO_CLI "' drucken '" + datei + "' '" + ausgabe + "' --konfig '"
                      + FixturPfad("grund", "SPRILO.INI") + "' " + optionen);
}

// Runs of blanks made one.
std::string Verdichtet(const std::string &text)
{
    std::string kurz;
    for (char c : text)
        if (c != ' ' || kurz.empty() || kurz.back() != ' ')
            kurz += c;
    return kurz;
}

// The text of a PDF as pdftotext lays it out.
std::string PdfText(const std::string &pdf)
{
    return Verdichtet(Ausfuehren("pdftotext -layout '" + pdf + "' -").Ausgabe);
}

std::string SeitenGroesse(const std::string &pdf)
{
    const std::string info = Verdichtet(Ausfuehren("pdfinfo '" + pdf + "'").Ausgabe);
    const size_t anfang = info.find("Page size:");
    return anfang == std::string::npos ? std::string() : info.substr(anfang, info.find('\n', anfang) - anfang);
}

TEST(Drucken, jederBerichtErscheintMitSeinenTextenImPdf)
{
    TOrdner o;
    const std::string pdf = o / "bericht.pdf";
    const std::vector<std::tuple<std::string, std::vector<std::string>>> faelle = {
        {"",
         {"Fahrzeug - Kennzeichen : MR-AB 123 Seite : 1", "Alle Tankfüllungen aus allen Jahren.",
          "02.01.2003 Aral 1.000 EUR 52,00 1.30,0 EUR/l 40,00L JA 40,00L",
          "04.03.2003 Aral 2.000 EUR 47,25 1.35,0 EUR/l 35,00L JA 35,00L", "Anzahl Tankfüllungen : 3",
          "Gesamtbetrag : EUR 138,85", "Durchschnittlicher Literpreis : 1.32,2 EUR/l", "Sprilo 3.2"}},
        {"--bericht tankfuellungen --jahr 2003 --sortierung 2 --umgekehrt",
         {"Alle Tankstellen aus dem Jahr 2003.", "Absteigend sortiert nach Betrag",
          "02.01.2003 Aral 1.000 EUR 52,00 1.30,0 EUR/l 40,00L JA 40,00L\n04.03.2003 Aral 2.000"}},
        {"--bericht verbrauch --jahr 2003",
         {"Druchschnittsverbrauch des Jahres 2003.", "Sortiert nach Datum.",
          "1.000 02.01.2003 1.500 03.02.2003 500Km 30,00L EUR 39,60 30,00L 6,000000 7,9200",
          "1.500 03.02.2003 2.000 04.03.2003 500Km 35,00L EUR 47,25 35,00L 7,000000 9,4500", "50,00L Tankinhalt",
          "833,33 Km"}},
        {"--bericht literpreis",
         {"Entwicklung über alle Jahre", "02.01.2003 1.30,0 EUR/l -1,66% -----",
          "04.03.2003 1.35,0 EUR/l +2,12% +2,27%", "Durchschnittlicher Literpreis : 1.32,2 EUR/l"}},
        {"--bericht reichweite --linien --monatsweise",
         {"Die Daten sind nach Monaten zusammengefasst.", "Februar 2003 833,33 Km +8,33% -----",
          "März 2003 714,29 Km -7,14% -14,29%", "Durchschnittliche Reichweite : 769,23 Km"}},
    };
    for (const auto &[optionen, texte] : faelle) {
        SCOPED_TRACE(optionen);
        std::filesystem::remove(pdf);
        const TLauf lauf = Drucken(pdf, optionen);
        ASSERT_EQ(lauf.Code, CliOk) << lauf.Ausgabe;
        EXPECT_EQ(lauf.Ausgabe, "Seiten: 1\n");
        const std::string text = PdfText(pdf);
        for (const std::string &t : texte)
            EXPECT_NE(text.find(t), std::string::npos) << t << "\n---\n" << text;
        EXPECT_EQ(SeitenGroesse(pdf), "Page size: 595 x 842 pts (A4)");
    }
    ASSERT_EQ(Drucken(pdf, "--quer").Code, CliOk);
    EXPECT_EQ(SeitenGroesse(pdf), "Page size: 842 x 595 pts (A4)");
    EXPECT_NE(PdfText(pdf).find("Fahrzeug - Kennzeichen : MR-AB 123"), std::string::npos);
}

// All data with the print settings of the configuration: the fill-ups, the
// station year list and the consumption values of 2003, each from a page
// of its own.
TEST(Drucken, alleDatenNachDenDruckeinstellungen)
{
    TOrdner o;
    const std::string pdf = o / "alles.pdf", konfig = o / "SPRILO.INI";
    GlobalenZustandZuruecksetzen();
    TankstellenlisteLesen(FixturPfad("grund", "SPRILO.INI"));
    DruckTankfuellungen = DruckTankstellenliste = DruckVerbrauch = true;
    DruckTF_Auswahl = 2;
    DruckTF_Jahr = DruckTS_Jahr = DruckVB_Jahr = 2003;
    DruckTS_Auswahl = DruckVB_Auswahl = 1;
    DruckVB_Ansicht = 4;
    // The consumption window was last left in reverse order; the printed
    // values are in date order all the same.
    UmgekehrtSortiert = true;
    const std::vector<uint8_t> satz = KonfigurationKodieren();
    DateiSchreiben(konfig, std::string(satz.begin(), satz.end()));
    GlobalenZustandZuruecksetzen();

    const TLauf lauf = Ausfuehren("'" SPRILO_CLI "' drucken '" + FixturPfad("grund", "grund.SPR") + "' '" + pdf
                                  + "' --konfig '" + konfig + "'");
    ASSERT_EQ(lauf.Code, CliOk) << lauf.Ausgabe;
    EXPECT_EQ(lauf.Ausgabe, "Seiten: 3\n");
    const std::string text = PdfText(pdf);
    std::vector<size_t> stellen;
    for (const std::string t :
         {"Alle Tankfüllungen aus dem Jahr 2003.", "Seite : 2", "Die Jahres-Tankstellenliste des Jahres 2003.",
          "Aral 3 EUR 138,85 105,00L 1.32,2 EUR/l", "Summe aller Tankstellen 3 EUR 138,85 105,00L 1.32,2 EUR/l",
          "Seite : 3", "Druchschnittsverbrauch des Jahres 2003.", "Die Werte sind nach Jahren zusammengefasst.",
          "Das Jahr 2003", "KM 1.000", "KM 2.000"}) {
        stellen.push_back(text.find(t));
        EXPECT_NE(stellen.back(), std::string::npos) << t << "\n---\n" << text;
    }
    EXPECT_TRUE(std::is_sorted(stellen.begin(), stellen.end())) << text;
}

TEST(Drucken, wasNichtGedrucktWirdHinterlaesstKeineDatei)
{
    TOrdner o;
    const std::string pdf = o / "bericht.pdf", kaputt = o / "kaputt.SPR", alt = o / "alt.pdf";
    DateiSchreiben(kaputt, std::string(300, 'x'));
    const std::vector<std::tuple<std::string, std::string, int, std::string>> faelle = {
        {"--a5", FixturPfad("grund", "grund.SPR"), CliUnbrauchbar,
         "Die momentane Breite des Druckbaren Bereiches ist 138mm, sie muss aber min. 180mm betragen."},
        {"--bericht tankfuellungen --jahr 1999", FixturPfad("grund", "grund.SPR"), CliNichtsGefunden,
         "Code : 8210"},
        {"--bericht literpreis --zeitraum 01/1999 02/1999", FixturPfad("grund", "grund.SPR"), CliNichtsGefunden,
         "Code : 8210"},
        {"", kaputt, CliUnbrauchbar, "Code : 8002"},
        {"--bericht reichweite", FixturPfad("entwicklung", "unlogisch.SPR"), CliUnbrauchbar,
         "Die Daten können nicht ausgedruckt werden."},
    };
    for (const auto &[optionen, datei, code, meldung] : faelle) {
        SCOPED_TRACE(optionen);
        const TLauf lauf = Drucken(pdf, optionen, datei);
        EXPECT_EQ(lauf.Code, code);
        EXPECT_NE(lauf.Ausgabe.find(meldung), std::string::npos) << lauf.Ausgabe;
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    // A file of the same name stays as it was.
    DateiSchreiben(alt, "vorher");
    EXPECT_EQ(Drucken(alt, "--a5").Code, CliUnbrauchbar);
    EXPECT_EQ(DateiInhalt(alt), "vorher");
}

TEST(Drucken, falscheAufrufeNennenIhrenFehler)
{
    const std::string datei = FixturPfad("grund", "grund.SPR");
    const std::vector<std::vector<std::string>> falsch = {
        {"drucken", datei},
        {"drucken", datei, "--quer", "aus.pdf"},
        {"drucken", datei, "aus.pdf", "--bericht", "alle"},
        {"drucken", datei, "aus.pdf", "--bericht"},
        {"drucken", datei, "aus.pdf", "--quer", "--a5"},
        {"drucken", datei, "aus.pdf", "--balken"},
        {"drucken", datei, "aus.pdf", "--bericht", "verbrauch", "--linien"},
        {"drucken", datei, "aus.pdf", "--bericht", "literpreis", "--balken", "--linien"},
        {"drucken", datei, "aus.pdf", "--jahr", "2003"},
        {"drucken", datei, "aus.pdf", "--bericht", "tankfuellungen", "--tankinhalt", "50"},
        {"drucken", datei, "aus.pdf", "--bericht", "reichweite", "--literpreis"},
    };
    for (const auto &argumente : falsch) {
        SCOPED_TRACE(::testing::PrintToString(argumente));
        std::ostringstream aus, fehler;
        EXPECT_EQ(CliAusfuehren(argumente, aus, fehler), CliAufruffehler);
        EXPECT_NE(fehler.str().find("Aufruf:"), std::string::npos);
    }
}

} // namespace
