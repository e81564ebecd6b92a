// The Spritmonitor export: every rule of the import on files written here,
// the exact bytes of the export, export and import as a round trip, random
// input, and both commands of sprilo-cli.
#include "Befehle.h"
#include "Datendatei.h"
#include "FakeDateisystem.h"
#include "Feldpruefung.h"
#include "Spritmonitor.h"
#include "Zusatz1.h"
#include "Zustand.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

const std::string Kopf = "Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;Reifen;Strecken;Fahrweise;"
                         "Kraftstoff;Bemerkung;Verbrauch\n";

// The fill-ups as "km date amount litres V|T station", one per line.
std::string Kurz(const TTankListe &liste)
{
    std::string s;
    for (const TTankFuellung &f : liste) {
        char zahlen[64];
        std::snprintf(zahlen, sizeof zahlen, " %.2Lf %.2Lf ", f.Betrag, f.Liter);
        s += std::to_string(f.KMStand) + " " + DatumText(f.Datum) + zahlen + (f.Vollgetankt ? "V " : "T ")
             + f.Tankstelle + "\n";
    }
    return s;
}

// Refused lines as "line: reason" and gaps as "line km teil diff", one per line.
std::string Abgelehnt(const TImportErgebnis &e)
{
    std::string s;
    for (const TImportFehler &f : e.Abgelehnt)
        s += std::to_string(f.Zeile) + ": " + f.Grund + "\n";
    return s;
}

std::string Luecken(const TImportErgebnis &e)
{
    std::string s;
    for (const TImportLuecke &l : e.Luecken)
        s += std::to_string(l.Zeile) + " " + std::to_string(l.KMStand) + " " + std::to_string(l.TeilKm) + " "
             + std::to_string(l.Differenz) + "\n";
    return s;
}

struct TFall {
    const char *Name;
    std::string Datei;
    std::string Fuellungen;      // Kurz() of the result
    std::string Abgelehnt = "";
    std::string Luecken = "";
};

void PrintTo(const TFall &f, std::ostream *os)
{
    *os << f.Name;
}

class Import : public ::testing::TestWithParam<TFall> {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
};

TEST_P(Import, liestWasDieDateiHaelt)
{
    const TFall &f = GetParam();
    const TImportErgebnis e = SpritmonitorLesen(f.Datei);
    ASSERT_TRUE(e.Lesbar) << e.Grund;
    EXPECT_EQ(Kurz(e.Fuellungen), f.Fuellungen);
    EXPECT_EQ(Abgelehnt(e), f.Abgelehnt);
    EXPECT_EQ(Luecken(e), f.Luecken);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spritmonitor, Import, ::testing::Values(
    TFall{"NeuesteZuerstVollTeilErsteUngueltigKostenNull",
          Kopf +
          "20.03.2021;10950,00;450,00;30,00;0,00;EUR;0;;;;;\"Total\";\n"
          "10.03.2021;10500,00;300,00;20,50;35,00;EUR;2;;;;;\"Jet\";\n"
          "01.03.2021;10200,40;200,00;40,00;60,00;EUR;1;;;;;\"Aral \"\"am Ring\"\"; Süd\";6,50\n"
          "15.02.2021;10000,00;0,00;45,00;66,15;EUR;3;;;;;;\n",
          "10000 15.02.2021 66.15 45.00 V Tankstelle unbekannt\n"
          "10200 01.03.2021 60.00 40.00 V Aral \"am Ring\"; Süd\n"
          "10500 10.03.2021 35.00 20.50 T Jet\n"
          "10950 20.03.2021 0.00 30.00 V Total\n"},
    TFall{"SpaltenInAndererReihenfolgeMitTankstelleUndMehrSpalten",
          "Tankart;Kosten;Extra;Spritmenge;Km-Stand;Datum;Tankstelle;Bemerkung\r\n"
          "1;50,00;x;40,00;2000;02.01.2022;Shell;Urlaub\r\n"
          "1;50,00;x;40,00;1000,5;01.01.2022;;Eine sehr lange Bemerkung, die weit mehr als vierzig Zeichen hat\r\n",
          "1001 01.01.2022 50.00 40.00 V Eine sehr lange Bemerkung, die weit mehr\n"
          "2000 02.01.2022 50.00 40.00 V Shell\n"},
    TFall{"Utf8MitBomOhneWasDieDateiNichtHaltenKann",
          "\xEF\xBB\xBF" + Kopf + "01.01.2022;1000;;40,00;50,00;€;1;;;;;Süd→ring\t;\n",
          "1000 01.01.2022 50.00 40.00 V Südring\n"},
    TFall{"Windows1252",
          "Datum;Km-Stand;Spritmenge;Kosten;W\xE4hrung;Tankart;Bemerkung\n01.01.2022;1000;40,00;50,00;EUR;1;\"S\xFC" "dring \x80\"\n",
          "1000 01.01.2022 50.00 40.00 V Südring €\n"},
    TFall{"KommaUndDezimalpunkt",
          "Datum,Km-Stand,Teil-Km,Spritmenge,Kosten,Währung,Tankart,Bemerkung\n"
          "08.01.2022,1500.00,500.00,35.50,55.10,EUR,1,\"Aral, Nord\"\n\n,,,\n",
          "1500 08.01.2022 55.10 35.50 V Aral, Nord\n"},
    TFall{"FehlerhafteZeilenMitGrund",
          Kopf +
          "05.01.2022;1500;;40,00;50,00;CHF;1;;;;;;\n"
          "04.01.2022;1400;;40,00;50,00;EUR;1;;;;;;\n"
          "03.01.2022;1400;;40,00;50,00;EUR;1;;;;;;\n"
          "31.02.2022;1300;;40,00;50,00;EUR;1;;;;;;\n"
          "2022-01-01;1200;;-4;0,50;EUR;7;;;;;;\n"
          ";abc;;40,123;;EUR;;;;;;;\n",
          "1400 04.01.2022 50.00 40.00 V Tankstelle unbekannt\n",
          "2: Währung „CHF“: Sprilo rechnet nur in Euro; Tankfüllungen in anderer Währung werden nicht übernommen.\n"
          "4: Km-Stand „1400“: Der KM-Stand kommt in der Datei schon einmal vor.\n"
          "5: Datum „31.02.2022“: Der eingegebene Tag existiert im eingegebenen Monat nicht.\n"
          "6: Datum „2022-01-01“: Die eigegebene Zeichenkette stellt kein Datum dar. Erwartet wird TT.MM.JJJJ. "
          "Spritmenge „-4“: Die Literzahl ist ungültig. Bitte geben Sie nur positive Zahlen größer '0' an. "
          "Kosten „0,50“: Der Betrag muß im Bereich von 'EUR 1.-' bis 'EUR 4.000.-' angegeben werden. "
          "Tankart „7“: Unbekannte Tankart (1 voll, 2 teilweise, 3 erste Tankfüllung, 0 ungültig).\n"
          "7: Das Datum fehlt. Km-Stand „abc“: Der KM-Stand ist ungültig. Die eingegebene Zeichenkette stellt keine "
          "Zahl dar. Spritmenge „40,123“: Die Literzahl ist ungültig. Die Literzahl darf nur zwei Nachkonnastellen "
          "haben. Die Kosten fehlen. Die Tankart fehlt.\n"},
    TFall{"LueckeWennTeilKmNichtZumKmStandPasst",
          Kopf +
          "04.01.2022;3000;0;40,00;50,00;EUR;3;;;;;;\n"
          "03.01.2022;2600;300;40,00;50,00;EUR;1;;;;;;\n"
          "02.01.2022;2000;500,4;40,00;50,00;EUR;1;;;;;;\n"
          "01.01.2022;1500;0;40,00;50,00;EUR;1;;;;;;\n",
          "1500 01.01.2022 50.00 40.00 V Tankstelle unbekannt\n"
          "2000 02.01.2022 50.00 40.00 V Tankstelle unbekannt\n"
          "2600 03.01.2022 50.00 40.00 V Tankstelle unbekannt\n"
          "3000 04.01.2022 50.00 40.00 V Tankstelle unbekannt\n",
          "", "3 2600 300 600\n2 3000 0 400\n"},
    TFall{"OffenesAnfuehrungszeichen", Kopf + "01.01.2022;1000;;40,00;50,00;EUR;1;;;;;\"Aral;\n", "",
          "2: Ein Text in Anführungszeichen wird bis zum Ende der Datei nicht geschlossen.\n"}),
    [](const auto &info) { return std::string(info.param.Name); });
// clang-format on

TEST(Spritmonitor, unbrauchbareDateiNenntDenGrund)
{
    const std::pair<std::string, std::string> faelle[] = {
        {"", "Die Datei ist leer."},
        {"\n\n", "Die Datei ist leer."},
        {Kopf, "Die Datei enthält keine Tankfüllungen."},
        {"\xFF\xFE" "D\0", "Die Datei ist in UTF-16 gespeichert. Sprilo liest Spritmonitor-Exporte in UTF-8 oder Windows-1252."},
        {"Datum;Km-Stand;Spritmenge;Tankart\n", "Die Spalte „Kosten“ fehlt. Die erste Zeile muss die Spaltennamen des "
         "Spritmonitor-Exports enthalten (Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;...)."},
        {"Datum;Liter\n", "Die Spalten „Km-Stand“, „Spritmenge“, „Kosten“ und „Tankart“ fehlen. Die erste Zeile muss "
         "die Spaltennamen des Spritmonitor-Exports enthalten (Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;...)."},
    };
    for (const auto &[datei, grund] : faelle) {
        const TImportErgebnis e = SpritmonitorLesen(datei);
        EXPECT_FALSE(e.Lesbar);
        EXPECT_EQ(e.Grund, grund);
    }
}

TEST(Spritmonitor, berichtBehaeltTausendZeilenJederArtUndZaehltDenRest)
{
    std::string datei = Kopf;
    for (int i = 1500; i > 0; --i)
        datei += "01.01.2022;" + std::to_string(i * 100) + ";1;4,00;5,00;EUR;1;;;;;;\n"
                 + "01.01.2022;;;;;;;;;;;;\n";
    const TImportErgebnis e = SpritmonitorLesen(datei);
    EXPECT_EQ(e.Abgelehnt.size() + e.Luecken.size(), 2000u);
    const std::string alle = AbgelehntText(e, 0);
    EXPECT_EQ(alle.substr(alle.rfind('\r')), "\r... und 500 weitere");
    EXPECT_EQ(AbgelehntText(e, 1), "Zeile 3: Der KM-Stand fehlt. Die Spritmenge fehlt. Die Kosten fehlen. "
                                   "Die Tankart fehlt.\r... und 1.499 weitere");
    EXPECT_EQ(LueckenText(e, 1), "Zeile 2998, KM-Stand 200: laut Datei 1 Km seit der vorigen Tankfüllung, nach "
                                 "den KM-Ständen 100 Km\r... und 1.498 weitere");
}

// Three fill-ups as typed: a full one, a partial one, a full one.
void LogEingeben()
{
    GlobalenZustandZuruecksetzen();
    auto eintrag = [](const char *km, const char *datum, const char *station, const char *betrag, const char *liter,
                      bool voll) {
        TFuellungsEingabe e{km, datum, station, betrag, liter, voll, liter};
        Fuellungen.push_back(FuellungBilden(e));
    };
    eintrag("10000", "03.01.2021", "Aral", "51,37", "40,12", true);
    eintrag("10400", "21.01.2021", "Jet \"Nord\"; B3", "20,00", "15,00", false);
    eintrag("10800", "09.02.2021", "", "0", "25,00", true);
    DatenVorhanden = true;
}

TEST(Spritmonitor, exportSchreibtDasFormatGenau)
{
    LogEingeben();
    // 400 + 400 Km on 15 + 25 litres: 5 L/100Km.
    EXPECT_EQ(SpritmonitorText(),
              "\xEF\xBB\xBF" "Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;Reifen;Strecken;Fahrweise;"
              "Kraftstoff;Bemerkung;Verbrauch\r\n"
              "09.02.2021;10800,00;400,00;25,00;0,00;EUR;1;;;;;\"Tankstelle unbekannt\";5,00\r\n"
              "21.01.2021;10400,00;400,00;15,00;20,00;EUR;2;;;;;\"Jet \"\"Nord\"\"; B3\";\r\n"
              "03.01.2021;10000,00;0,00;40,12;51,37;EUR;1;;;;;\"Aral\";\r\n");
}

TEST(Spritmonitor, exportUndImportGebenDieselbenTankfuellungen)
{
    LogEingeben();
    const TTankListe vorher = Fuellungen;
    TImportErgebnis e = SpritmonitorLesen(SpritmonitorText());
    ASSERT_TRUE(e.Lesbar);
    EXPECT_EQ(Abgelehnt(e) + Luecken(e), "");
    EXPECT_EQ(Kurz(e.Fuellungen), Kurz(vorher));
}

TEST(Spritmonitor, importWirdZuUngespeichertenDatenOhneDateinamen)
{
    LogEingeben();
    Kennzeichen = "GI-S 1", DateiName = "/d/ALT.SPR", Gespeichert = true;
    ImportUebernehmen(SpritmonitorLesen(SpritmonitorText()));
    EXPECT_EQ(AnzahlFuellungen(), 3);
    EXPECT_TRUE(DatenVorhanden && DatenLogisch);
    EXPECT_FALSE(Gespeichert);
    EXPECT_EQ(DateiName + Kennzeichen, "");
    // From the last values, as loading sets it: 40 litres over 800 Km.
    EXPECT_NEAR(static_cast<double>(Festverbrauch), 5.0, 1e-9);
}

TEST(Spritmonitor, exportErsetztDieZieldateiErstWennSieVollstaendigIst)
{
    LogEingeben();
    TFakeDateisystem fs;
    fs.Dateien["/d/A.CSV"] = "alt";
    fs.SchreibenScheitertNach = 100;
    EXPECT_FALSE(SpritmonitorSchreiben("/d/A.CSV"));
    EXPECT_EQ(fs.Dateien, (std::map<std::string, std::string>{{"/d/A.CSV", "alt"}}));
    fs.SchreibenScheitertNach = -1;
    EXPECT_TRUE(SpritmonitorSchreiben("/d/A.CSV"));
    EXPECT_EQ(fs.Dateien, (std::map<std::string, std::string>{{"/d/A.CSV", SpritmonitorText()}}));
}

// Whatever the bytes, the import ends, and what it takes is a log that
// saves and loads again unchanged.
TEST(Spritmonitor, zufaelligeEingabenSpeichernUndLadenSich)
{
    std::mt19937 zufall(20261206);
    const std::string vorlage = Kopf
        + "20.03.2021;10950,00;450,00;30,00;45,00;EUR;1;;;;;\"Total \"\"Süd\"\"\";6,50\n"
          "10.03.2021;10500,00;300,00;20,50;35,00;EUR;2;;;;;Jet;\n"
          "15.02.2021;10000,00;0,00;45,00;66,15;EUR;3;;;;;;\n";
    // Separators, digits, both encodings and characters the data file cannot hold.
    const std::string stuecke[] = {";", ",", ".", "\"", "\n", "\r", "0", "4", "9", "-", "EUR", "Ä", "\xE4", "\xFF",
                                   "\x80", " ", "\t", std::string(1, '\0'), "→", "😀"};
    int gespeichert = 0;
    for (int lauf = 0; lauf < 400; ++lauf) {
        std::string datei = vorlage;
        const int aenderungen = 1 + static_cast<int>(zufall() % 12);
        for (int k = 0; k < aenderungen; ++k) {
            const size_t stelle = zufall() % (datei.size() + 1);
            const std::string &stueck = stuecke[zufall() % std::size(stuecke)];
            switch (zufall() % 3) {
            case 0: datei.insert(stelle, stueck); break;
            case 1: datei.replace(stelle, 1, stueck); break;
            default: datei.erase(stelle, zufall() % 8); break;
            }
        }
        if (lauf % 10 == 0) {
            datei.resize(zufall() % 300);
            for (char &c : datei)
                c = static_cast<char>(zufall());
        }
        GlobalenZustandZuruecksetzen();
        TImportErgebnis e = SpritmonitorLesen(datei);
        SCOPED_TRACE(lauf);
        if (!e.Lesbar || e.Fuellungen.empty())
            continue;
        ImportUebernehmen(std::move(e));
        const std::string vorher = Kurz(Fuellungen);
        TFakeDateisystem fs;
        ASSERT_TRUE(DatenSpeichern("/d/I.SPR").Geschrieben);
        ASSERT_EQ(DatenLaden("/d/I.SPR").Status, TLadeStatus::Geladen);
        EXPECT_EQ(Kurz(Fuellungen), vorher);
        ++gespeichert;
    }
    EXPECT_GT(gespeichert, 50);
}

// ---- sprilo-cli -----------------------------------------------------------------

struct TCli {
    int Code;
    std::string Fehler;
};

TCli Cli(const std::vector<std::string> &argumente)
{
    std::ostringstream aus, fehler;
    const int code = CliAusfuehren(argumente, aus, fehler);
    return {code, fehler.str()};
}

TEST(SpritmonitorCli, importierenSchreibtNurMitAllenGueltigenZeilenOderAufWunsch)
{
    TFakeDateisystem fs;
    fs.Dateien["/d/GUT.CSV"] = Kopf + "02.01.2022;2000;1000;40,00;50,00;EUR;1;;;;;Aral;\n"
                                      "01.01.2022;1500;0;40,00;50,00;EUR;1;;;;;;\n";
    fs.Dateien["/d/TEIL.CSV"] = fs.Dateien["/d/GUT.CSV"] + "01.01.2021;100;;40,00;50,00;USD;1;;;;;;\n";

    TCli r = Cli({"importieren", "/d/TEIL.CSV", "/d/A.SPR"});
    EXPECT_EQ(r.Code, CliUnbrauchbar);
    EXPECT_EQ(r.Fehler, "Nicht übernommen (1 von 3 Zeilen):\nZeile 4: Währung „USD“: Sprilo rechnet nur in Euro; "
                        "Tankfüllungen in anderer Währung werden nicht übernommen.\nEs wurde nichts geschrieben. Mit "
                        "--alle-gueltigen werden die gültigen Zeilen übernommen.\n");
    EXPECT_EQ(fs.Dateien.count("/d/A.SPR"), 0u);

    r = Cli({"importieren", "/d/TEIL.CSV", "/d/A.SPR", "--alle-gueltigen"});
    EXPECT_EQ(r.Code, CliOk);
    EXPECT_NE(r.Fehler.find("Lücken (hier fehlt eine Tankfüllung, der Verbrauch darüber ist nicht aussagekräftig):\n"
                            "Zeile 2, KM-Stand 2.000: laut Datei 1.000 Km seit der vorigen Tankfüllung, nach den "
                            "KM-Ständen 500 Km\nÜbernommen: 2 Tankfüllungen\n"),
              std::string::npos)
        << r.Fehler;
    GlobalenZustandZuruecksetzen();
    ASSERT_EQ(DatenLaden("/d/A.SPR").Status, TLadeStatus::Geladen);
    EXPECT_EQ(Kurz(Fuellungen), "1500 01.01.2022 50.00 40.00 V Tankstelle unbekannt\n"
                                "2000 02.01.2022 50.00 40.00 V Aral\n");

    EXPECT_EQ(Cli({"exportieren", "/d/A.SPR", "/d/B.CSV"}).Code, CliOk);
    EXPECT_EQ(fs.Dateien["/d/B.CSV"].substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(Kurz(SpritmonitorLesen(fs.Dateien["/d/B.CSV"]).Fuellungen), Kurz(Fuellungen));
}

TEST(SpritmonitorCli, fehlerUndFalscheAufrufe)
{
    TFakeDateisystem fs;
    fs.Dateien["/d/LEER.CSV"] = "";
    const std::pair<std::vector<std::string>, int> faelle[] = {
        {{"importieren", "/d/LEER.CSV", "/d/A.SPR"}, CliUnbrauchbar},
        {{"importieren", "/d/FEHLT.CSV", "/d/A.SPR"}, CliNichtGeoeffnet},
        {{"exportieren", "/d/FEHLT.SPR", "/d/A.CSV"}, CliNichtGeoeffnet},
        {{"importieren", "/d/LEER.CSV"}, CliAufruffehler},
        {{"exportieren", "/d/A.SPR", "/d/A.CSV", "--alle-gueltigen"}, CliAufruffehler},
    };
    for (const auto &[argumente, code] : faelle)
        EXPECT_EQ(Cli(argumente).Code, code) << argumente[1];
    EXPECT_EQ(Cli({"importieren", "/d/LEER.CSV", "/d/A.SPR"}).Fehler,
              "Die Datei '/d/LEER.CSV' kann nicht importiert werden.\n\nDie Datei ist leer.\n\n"
              "Ihre bisherigen Daten sind unverändert.\n");
    EXPECT_TRUE(fs.Dateien.count("/d/A.SPR") == 0 && fs.Dateien.count("/d/A.CSV") == 0);
}

} // namespace
