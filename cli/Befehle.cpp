#include "Befehle.h"

#include "Cp1252.h"
#include "Datendatei.h"
#include "Feldpruefung.h"
#include "Format.h"
#include "Konfiguration.h"
#include "Meldungen.h"
#include "Monate.h"
#include "Plattform.h"
#include "Spritmonitor.h"
#include "Zusatz1.h"
#include "Zustand.h"
#include "browse/Auswahl.h"
#include "charts/Entwicklung.h"
#include "consumption/Verbrauchstexte.h"
#include "consumption/Verbrauchswerte.h"
#include "print/Druckauftrag.h"
#include "print/Druckuebergabe.h"

#include <algorithm>
#include <optional>

namespace {

const char *const Aufruf =
    "Aufruf:\n"
    "  sprilo-cli liste DATEI [--konfig PFAD]\n"
    "  sprilo-cli pruefen DATEI [--konfig PFAD]\n"
    "  sprilo-cli verbrauch DATEI [--konfig PFAD] [--heute TT.MM.JJJJ]\n"
    "        [--letzte | --dieses-jahr | --jahr JJJJ | --zeitraum MM/JJJJ MM/JJJJ]\n"
    "        [--einzeln | --monatsweise | --quartalsweise | --jahresweise]\n"
    "        [--sortierung 1..5] [--umgekehrt]\n"
    "  sprilo-cli auswahl DATEI [--konfig PFAD] [--heute TT.MM.JJJJ]\n"
    "        [--alle-tankstellen | --tankstelle N | --sonstige | --wort WORT]\n"
    "        [--dieses-jahr | --jahr JJJJ | --zeitraum MM/JJJJ MM/JJJJ | --alle-jahre]\n"
    "        [--sortierung 1..4] [--umgekehrt]\n"
    "  sprilo-cli entwicklung DATEI [--konfig PFAD] [--literpreis | --reichweite]\n"
    "        [--alle-jahre | --zeitraum MM/JJJJ MM/JJJJ]\n"
    "        [--einzeln | --monatsweise | --quartalsweise | --jahresweise]\n"
    "        [--tankinhalt LITER]\n"
    "  sprilo-cli umwandeln EIN AUS [--konfig PFAD]\n"
    "  sprilo-cli importieren EIN.CSV AUS.SPR [--konfig PFAD] [--alle-gueltigen]\n"
    "  sprilo-cli exportieren DATEI AUS.CSV [--konfig PFAD]\n"
    "  sprilo-cli drucken DATEI AUSGABE.pdf [--konfig PFAD] [--quer | --a5]\n"
    "        [--bericht alles | tankfuellungen | verbrauch | literpreis | reichweite]\n"
    "        [die Optionen von auswahl, verbrauch oder entwicklung] [--balken | --linien]\n"
    "\n"
    "Ohne --konfig ist die Tankstellenliste leer. importieren liest einen\n"
    "Spritmonitor-Export und schreibt nichts, wenn Zeilen fehlerhaft sind, es sei\n"
    "denn, --alle-gueltigen ist angegeben; exportieren schreibt einen.\n"
    "Rückgabewerte: 0 in Ordnung, 1 Datei unbrauchbar, 2 Datei nicht zugreifbar,\n"
    "3 nichts gefunden, 64 falscher Aufruf.\n";

struct TAufruf {
    std::string Befehl;
    std::vector<std::string> Dateien;
    std::optional<std::string> Konfig;
    std::optional<TDatum> Heute;
    int Auswahl = 0;          // 0 = not given
    int Tankstellen = 0;      // auswahl: 0 not given, 1 all, 2 one, 3 word
    int TankstelleNr = 0;     // 1-based entry, -1 "sonstige"
    std::string Wort;
    uint16_t Jahr = 0;
    TDatum Von, Bis;
    int Ansicht = 0;
    int Sortierung = 1;
    bool Umgekehrt = false;
    int Art = 0;              // entwicklung: 0 not given, 1 litre price, 2 range
    std::optional<long double> Tankinhalt;
    // drucken
    std::string Bericht;      // alles, tankfuellungen, verbrauch, literpreis, reichweite
    std::string Ausgabe;      // the PDF to write
    bool Quer = false;
    bool A5 = false;
    bool Linien = false;
    bool AlleGueltigen = false;   // importieren: the valid lines even when others were refused
};

struct TAufrufFehler {
    std::string Text;
};

// A message's lines as one line of text: "\rA\rB " gives "A B".
std::string EinZeilig(const std::string &text)
{
    std::string s = text;
    std::replace(s.begin(), s.end(), '\r', ' ');
    const size_t anfang = s.find_first_not_of(' ');
    if (anfang == std::string::npos)
        return {};
    return s.substr(anfang, s.find_last_not_of(' ') - anfang + 1);
}

// A month of the period as the month lists show it: "03/2003".
std::optional<TDatum> MonatLesen(const std::string &text)
{
    if (text.size() != 7 || text[2] != '/')
        return std::nullopt;
    for (size_t i : {0, 1, 3, 4, 5, 6})
        if (!IstZiffer(text[i]))
            return std::nullopt;
    std::string datum = "01." + text;
    datum[5] = '.';
    const TDatumErgebnis e = DatumLesen(datum);
    if (e.Fehler != 0)
        return std::nullopt;
    return e.Datum;
}

std::optional<TAufrufFehler> DruckAufrufLesen(const std::vector<std::string> &arg, TAufruf &a);

std::optional<TAufrufFehler> AufrufLesen(const std::vector<std::string> &arg, TAufruf &a)
{
    if (arg.empty())
        return TAufrufFehler{"Es wurde kein Befehl angegeben."};
    if (arg[0] == "drucken")
        return DruckAufrufLesen(arg, a);
    a.Befehl = arg[0];
    if (a.Befehl != "liste" && a.Befehl != "pruefen" && a.Befehl != "verbrauch" && a.Befehl != "auswahl"
        && a.Befehl != "entwicklung" && a.Befehl != "umwandeln" && a.Befehl != "importieren"
        && a.Befehl != "exportieren")
        return TAufrufFehler{"Unbekannter Befehl '" + a.Befehl + "'."};
    const bool verbrauch = a.Befehl == "verbrauch";
    const bool fuellungen = a.Befehl == "auswahl";
    const bool entwicklung = a.Befehl == "entwicklung";
    const int hoechsteSortierung = verbrauch ? 5 : 4;

    auto wert = [&](size_t &i) -> std::optional<std::string> {
        if (i + 1 >= arg.size())
            return std::nullopt;
        return arg[++i];
    };
    auto auswahl = [&](int nr) -> std::optional<TAufrufFehler> {
        if (a.Auswahl != 0 && a.Auswahl != nr)
            return TAufrufFehler{verbrauch     ? "Es darf nur eine Auswahl (--letzte, --dieses-jahr, --jahr, --zeitraum) angegeben werden."
                                 : entwicklung ? "Es darf nur eine Zeitauswahl (--alle-jahre, --zeitraum) angegeben werden."
                                               : "Es darf nur eine Zeitauswahl (--dieses-jahr, --jahr, --zeitraum, --alle-jahre) angegeben werden."};
        a.Auswahl = nr;
        return std::nullopt;
    };
    auto tankstellen = [&](int nr) -> std::optional<TAufrufFehler> {
        if (a.Tankstellen != 0)
            return TAufrufFehler{"Es darf nur eine Tankstellenauswahl (--alle-tankstellen, --tankstelle, --sonstige, --wort) angegeben werden."};
        a.Tankstellen = nr;
        return std::nullopt;
    };
    auto ansicht = [&](int nr) -> std::optional<TAufrufFehler> {
        if (a.Ansicht != 0 && a.Ansicht != nr)
            return TAufrufFehler{"Es darf nur eine Ansichtsart angegeben werden."};
        a.Ansicht = nr;
        return std::nullopt;
    };

    for (size_t i = 1; i < arg.size(); ++i) {
        const std::string &o = arg[i];
        std::optional<TAufrufFehler> f;
        if (o.size() < 2 || o.compare(0, 2, "--") != 0) {
            a.Dateien.push_back(o);
            continue;
        }
        if (o == "--konfig") {
            const auto w = wert(i);
            if (!w)
                return TAufrufFehler{"Nach --konfig fehlt der Pfad."};
            a.Konfig = *w;
            continue;
        }
        if (o == "--alle-gueltigen" && a.Befehl == "importieren") {
            a.AlleGueltigen = true;
            continue;
        }
        if (!verbrauch && !fuellungen && !entwicklung)
            return TAufrufFehler{"Unbekannte Option '" + o + "'."};
        // The time choices are numbered as each command's setting counts them.
        const int diesesJahr = verbrauch ? 2 : 1, jahr = verbrauch ? 3 : 2,
                  zeitraum = verbrauch ? 4 : (entwicklung ? 2 : 3), alleJahre = entwicklung ? 1 : 4;
        if (o == "--heute" && !entwicklung) {
            const auto w = wert(i);
            const TDatumErgebnis d = w ? DatumLesen(*w) : TDatumErgebnis{};
            if (!w || d.Fehler != 0)
                return TAufrufFehler{"Nach --heute fehlt ein gültiges Datum (TT.MM.JJJJ)."};
            a.Heute = d.Datum;
        } else if (o == "--letzte" && verbrauch) {
            f = auswahl(1);
        } else if (o == "--dieses-jahr" && !entwicklung) {
            f = auswahl(diesesJahr);
        } else if (o == "--alle-jahre" && (fuellungen || entwicklung)) {
            f = auswahl(alleJahre);
        } else if (o == "--alle-tankstellen" && fuellungen) {
            f = tankstellen(1);
        } else if (o == "--tankstelle" && fuellungen) {
            const auto w = wert(i);
            const TGanzzahlErgebnis n = w ? TextInGanzzahl(*w) : TGanzzahlErgebnis{0, 1};
            if (!w || n.Fehler != 0 || n.Wert < 1)
                return TAufrufFehler{"Nach --tankstelle fehlt die Nummer eines Eintrags der Tankstellenliste (ab 1)."};
            a.TankstelleNr = n.Wert;
            f = tankstellen(2);
        } else if (o == "--sonstige" && fuellungen) {
            a.TankstelleNr = -1;
            f = tankstellen(2);
        } else if (o == "--wort" && fuellungen) {
            const auto w = wert(i);
            if (!w)
                return TAufrufFehler{"Nach --wort fehlt das Wort."};
            if (Zeichenweise(*w, 21).size() > Zeichenweise(*w, 20).size())
                return TAufrufFehler{"Das Wort nach --wort darf höchstens 20 Zeichen lang sein."};
            a.Wort = *w;
            f = tankstellen(3);
        } else if (o == "--jahr" && !entwicklung) {
            const auto w = wert(i);
            const TGanzzahlErgebnis j = w ? TextInGanzzahl(*w) : TGanzzahlErgebnis{0, 1};
            if (!w || j.Fehler != 0 || j.Wert < 1900 || j.Wert > 2100)
                return TAufrufFehler{"Nach --jahr fehlt ein Jahr zwischen 1900 und 2100."};
            a.Jahr = static_cast<uint16_t>(j.Wert);
            f = auswahl(jahr);
        } else if (o == "--zeitraum") {
            const auto w1 = wert(i);
            const auto w2 = wert(i);
            const auto von = w1 ? MonatLesen(*w1) : std::nullopt;
            const auto bis = w2 ? MonatLesen(*w2) : std::nullopt;
            if (!von || !bis)
                return TAufrufFehler{"Nach --zeitraum fehlen zwei Monate (MM/JJJJ MM/JJJJ)."};
            a.Von = *von;
            a.Bis = *bis;
            f = auswahl(zeitraum);
        } else if (o == "--einzeln" && (verbrauch || entwicklung)) {
            f = ansicht(1);
        } else if (o == "--monatsweise" && (verbrauch || entwicklung)) {
            f = ansicht(2);
        } else if (o == "--quartalsweise" && (verbrauch || entwicklung)) {
            f = ansicht(3);
        } else if (o == "--jahresweise" && (verbrauch || entwicklung)) {
            f = ansicht(4);
        } else if ((o == "--literpreis" || o == "--reichweite") && entwicklung) {
            const int art = o == "--literpreis" ? 1 : 2;
            if (a.Art != 0 && a.Art != art)
                return TAufrufFehler{"Es darf nur eine Entwicklung (--literpreis, --reichweite) angegeben werden."};
            a.Art = art;
        } else if (o == "--tankinhalt" && entwicklung) {
            // Read as the settings dialog reads the tank capacity.
            const auto w = wert(i);
            if (!w)
                return TAufrufFehler{"Nach --tankinhalt fehlt der Tankinhalt in Litern."};
            long double liter = 0;
            if (const uint8_t fehlerNr = TankinhaltPruefen(*w, false, liter); fehlerNr != 0)
                return TAufrufFehler{"--tankinhalt " + *w + ": " + EinZeilig(FehlerText(fehlerNr))};
            a.Tankinhalt = liter;
        } else if (o == "--sortierung" && !entwicklung) {
            const auto w = wert(i);
            const TGanzzahlErgebnis s = w ? TextInGanzzahl(*w) : TGanzzahlErgebnis{0, 1};
            if (!w || s.Fehler != 0 || s.Wert < 1 || s.Wert > hoechsteSortierung)
                return TAufrufFehler{"Nach --sortierung fehlt eine Zahl von 1 bis " + std::to_string(hoechsteSortierung) + "."};
            a.Sortierung = s.Wert;
        } else if (o == "--umgekehrt" && !entwicklung) {
            a.Umgekehrt = true;
        } else {
            return TAufrufFehler{"Unbekannte Option '" + o + "'."};
        }
        if (f)
            return f;
    }

    const bool zweiDateien = a.Befehl == "umwandeln" || a.Befehl == "importieren" || a.Befehl == "exportieren";
    if (a.Dateien.size() != (zweiDateien ? 2u : 1u))
        return TAufrufFehler{zweiDateien ? "Der Befehl " + a.Befehl + " braucht eine Eingabe- und eine Ausgabedatei."
                                         : "Der Befehl " + a.Befehl + " braucht genau eine Datei."};
    return std::nullopt;
}

// drucken DATEI AUSGABE [options]: the options of the report's own command
// (auswahl, verbrauch, entwicklung) are read by that command's rules.
std::optional<TAufrufFehler> DruckAufrufLesen(const std::vector<std::string> &arg, TAufruf &a)
{
    if (arg.size() < 3 || arg[1].rfind("--", 0) == 0 || arg[2].rfind("--", 0) == 0)
        return TAufrufFehler{"Der Befehl drucken braucht eine Datendatei und eine Ausgabedatei."};
    std::string bericht = "alles";
    bool balken = false, linien = false;
    std::vector<std::string> rest;
    for (size_t i = 3; i < arg.size(); ++i) {
        const std::string &o = arg[i];
        if (o == "--bericht") {
            if (i + 1 >= arg.size())
                return TAufrufFehler{"Nach --bericht fehlt der Bericht (alles, tankfuellungen, verbrauch, literpreis, reichweite)."};
            bericht = arg[++i];
        } else if (o == "--quer") {
            a.Quer = true;
        } else if (o == "--a5") {
            a.A5 = true;
        } else if (o == "--balken") {
            balken = true;
        } else if (o == "--linien") {
            linien = true;
        } else {
            rest.push_back(o);
        }
    }
    if (a.Quer && a.A5)
        return TAufrufFehler{"Es darf nur eine Papierangabe (--quer, --a5) angegeben werden."};
    std::vector<std::string> befehl;
    if (bericht == "alles")
        befehl = {"pruefen"};
    else if (bericht == "tankfuellungen")
        befehl = {"auswahl"};
    else if (bericht == "verbrauch")
        befehl = {"verbrauch"};
    else if (bericht == "literpreis" || bericht == "reichweite")
        befehl = {"entwicklung", "--" + bericht};
    else
        return TAufrufFehler{"Unbekannter Bericht '" + bericht + "' (alles, tankfuellungen, verbrauch, literpreis, reichweite)."};
    const bool entwicklung = befehl[0] == "entwicklung";
    if ((balken || linien) && !entwicklung)
        return TAufrufFehler{"--balken und --linien gibt es nur für die Berichte literpreis und reichweite."};
    if (balken && linien)
        return TAufrufFehler{"Es darf nur eine Diagrammart (--balken, --linien) angegeben werden."};
    befehl.push_back(arg[1]);
    befehl.insert(befehl.end(), rest.begin(), rest.end());
    if (auto f = AufrufLesen(befehl, a))
        return f;
    a.Befehl = "drucken";
    a.Bericht = bericht;
    a.Ausgabe = arg[2];
    a.Linien = linien;
    return std::nullopt;
}

// The fill-up table: the header and one line per fill-up, every column as
// the list window shows it, control characters made visible.
void Tabelle(const TTankListe &liste, std::ostream &aus)
{
    for (int s = 0; s < FuellungsSpalten; ++s)
        aus << (s ? "\t" : "") << FuellungsKoepfe[s];
    aus << '\n';
    for (const TTankFuellung &f : liste) {
        for (int s = 0; s < FuellungsSpalten; ++s)
            aus << (s ? "\t" : "") << SteuerzeichenSichtbar(FuellungsZelle(f, s));
        aus << '\n';
    }
}

// Loads as the program does; returns the exit code for a failure or -1.
int Laden(const TAufruf &a, const std::string &datei, TLadeErgebnis &e, std::ostream &fehler)
{
    GlobalenZustandZuruecksetzen();
    // A print takes its print settings from the configuration too.
    if (a.Konfig && a.Befehl == "drucken")
        EinstellungenLesen(*a.Konfig);
    else if (a.Konfig)
        TankstellenlisteLesen(*a.Konfig);
    e = DatenLaden(datei);
    if (e.Status == TLadeStatus::NichtGeoeffnet) {
        fehler << Zeilen(e.Meldung.Text) << '\n';
        return CliNichtGeoeffnet;
    }
    if (e.Status == TLadeStatus::Unbrauchbar) {
        fehler << Zeilen(e.Meldung.Text) << '\n';
        return CliUnbrauchbar;
    }
    return -1;
}

int Liste(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
        return r;
    Tabelle(Fuellungen, aus);
    return Fuellungen.empty() ? CliNichtsGefunden : CliOk;
}

// How far a command got in making its data ready.
struct TBereit {
    int Rueckgabe = -1;                       // -1 ready, else the exit code
    int Code = 0;                             // the message the program would show, 0 none
    TMeldungsNr Grund = TMeldungsNr::Keine;   // that message, when it is not the load's own
};

TBereit Abbruch(int rueckgabe, TMeldungsNr grund)
{
    return {rueckgabe, MeldungBauen(grund).Code, grund};
}

// Loads and selects the fill-ups as the fill-up panel would, sorted.
TBereit FuellungenBereiten(const TAufruf &a, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
        return {r, e.Meldung.Code};
    if (a.Tankstellen == 2 && a.TankstelleNr > AnzahlTankstellen) {
        fehler << "Die Tankstellenliste hat " << static_cast<int>(AnzahlTankstellen)
               << (AnzahlTankstellen == 1 ? " Eintrag" : " Einträge") << "; --tankstelle " << a.TankstelleNr
               << " gibt es nicht.\n\n" << Aufruf;
        return {CliAufruffehler};
    }
    if (!DatenLogisch)
        return Abbruch(CliUnbrauchbar, TMeldungsNr::LogischeFehlerAnsicht);
    const TDatum heute = a.Heute ? *a.Heute : Plattform().Heute();
    AktuellesJahr = heute.Jahr;
    TankstellenAuswahl = static_cast<uint8_t>(a.Tankstellen ? a.Tankstellen : 1);
    AuswahlTankstelleNr = static_cast<int8_t>(a.TankstelleNr > 0 ? a.TankstelleNr - 1 : -1);
    AuswahlWort = a.Wort;
    JahresAuswahl = static_cast<uint8_t>(a.Auswahl ? a.Auswahl : 4);
    AuswahlJahr = a.Jahr ? a.Jahr : heute.Jahr;
    if (a.Auswahl == 3) {
        AuswahlVon = a.Von;
        AuswahlBis = a.Bis;
        ZeitraumOrdnen(AuswahlVon, AuswahlBis);
    }
    FuellungsSortierung = static_cast<uint8_t>(a.Sortierung);
    FuellungenUmgekehrt = a.Umgekehrt;

    AuswahlBilden();
    if (AuswahlAnzahl() == 0)
        return Abbruch(CliNichtsGefunden, TMeldungsNr::KeineFuellungenGefunden);
    AuswahlSortieren();
    return {};
}

int Auswahl(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    if (const TBereit b = FuellungenBereiten(a, fehler); b.Rueckgabe >= 0) {
        if (b.Rueckgabe != CliAufruffehler)
            aus << "Meldung: " << b.Code << '\n';
        return b.Rueckgabe;
    }
    aus << "Auswahl\t" << SteuerzeichenSichtbar(AuswahlText()) << '\n'
        << "Sortierung\t" << SortierungsText(FuellungsSortierung, FuellungenUmgekehrt) << '\n';
    Tabelle(AuswahlListe, aus);
    const TAuswahlZusammenfassung z = AuswahlZusammenfassen(AuswahlListe);
    const std::pair<const char *, const std::string &> zeilen[] = {
        {"Gefunden", z.Gefunden},
        {"Gesamtbetrag", z.Gesamtbetrag},
        {"Gesamt Literzahl", z.GesamtLiter},
        {"Literpreis gerundet", z.LiterpreisGerundet},
        {"Geringster Betrag", z.GeringsterBetrag},
        {"Höchster Betrag", z.HoechsterBetrag},
        {"Durchschnittlicher Betrag", z.DurchschnittBetrag},
        {"Geringstes Tankvolumen", z.GeringsteMenge},
        {"Größtes Tankvolumen", z.GroessteMenge},
        {"Durchschnittliches Tankvolumen", z.DurchschnittMenge},
        {"Geringster Literpreis", z.GeringsterLiterpreis},
        {"Höchster Literpreis", z.HoechsterLiterpreis},
        {"Durchschnittlicher Literpreis", z.DurchschnittLiterpreis},
    };
    for (const auto &[schluessel, text] : zeilen)
        aus << schluessel << '\t' << text << '\n';
    return CliOk;
}

int Pruefen(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0) {
        aus << "Meldung: " << e.Meldung.Code << '\n';
        return r;
    }
    aus << "Tankfüllungen: " << ZahlMitPunkten(AnzahlFuellungen(), 1) << '\n'
        << "Kennzeichen: " << SteuerzeichenSichtbar(Kennzeichen) << '\n'
        << "Tankinhalt: " << Format("%4.2n Liter", {Tankinhalt}) << '\n'
        << "Festverbrauch: " << Format("%4.2nL/100Km", {Festverbrauch}) << '\n';
    if (DatenLogisch)
        aus << "Logisch: ja\n";
    else
        aus << "Logisch: nein " << FehlerNr1 << ' ' << FehlerNr2 << '\n';
    aus << "Gespeichert: " << (Gespeichert ? "ja" : "nein") << '\n';
    if (!e.Warnung.Leer())
        aus << "Warnung: " << e.Warnung.Code << '\n';
    aus << "Meldung: " << (e.Meldung.Code ? std::to_string(e.Meldung.Code) : std::string("keine")) << '\n';
    return CliOk;
}

void WertZeile(std::ostream &aus, const char *art, const TVerbrauchsWert &w)
{
    aus << art << '\t' << w.Bezeichnung << '\t' << ZahlMitPunkten(w.VonKM, 10) << '\t' << DatumText(w.VonDatum)
        << '\t' << ZahlMitPunkten(w.BisKM, 10) << '\t' << DatumText(w.BisDatum) << '\t'
        << " " + ZahlMitPunkten(w.Strecke, 7) + " Km" << '\t' << LiterText(8, w.LiterVerbraucht) << '\t'
        << Format("%14.6nL/100Km", {w.Durchschnitt}) << '\t' << ZahlMitPunkten(w.AnzahlTankungen, 1) << '\t'
        << (w.Vollgetankt ? "JA" : "NEIN") << '\t' << LiterText(1, w.LiterGetankt) << '\t' << EuroText(w.Betrag)
        << '\t' << PreisText(DurchschnittlicherLiterPreis(w)) << '\t' << Format("%2.4n", {KostenProKm(w)})
        << " cent/Km" << '\n';
}

// Loads and builds the consumption values as the consumption panel would,
// with their totals, sorted.
TBereit VerbrauchBereiten(const TAufruf &a, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
        return {r, e.Meldung.Code};
    const TDatum heute = a.Heute ? *a.Heute : Plattform().Heute();
    AktuellesJahr = heute.Jahr;
    VerbrauchsAuswahl = static_cast<uint8_t>(a.Auswahl ? a.Auswahl : 1);
    VerbrauchsAnsicht = static_cast<uint8_t>(a.Ansicht ? a.Ansicht : 1);
    GewaehltesJahr = a.Jahr ? a.Jahr : heute.Jahr;
    if (a.Auswahl == 4) {
        // As the consumption panel reads its month lists.
        ZeitraumVon = a.Von;
        ZeitraumBis = a.Bis;
        ZeitraumOrdnen(ZeitraumVon, ZeitraumBis);
    }

    if (VerbrauchsAuswahl == 1)
        ErmittleLetzteVerbrauchswerte();
    else
        ErmittleVerbrauchswerte();
    if (AnzahlVerbrauchswerte() == 0)
        return {CliNichtsGefunden};
    BerechneGesamtverbrauch();
    Sortierung = static_cast<uint8_t>(a.Sortierung);
    UmgekehrtSortiert = a.Umgekehrt;
    SortiereVerbrauchswerte(a.Sortierung, a.Umgekehrt);
    return {};
}

int Verbrauch(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    const TBereit b = VerbrauchBereiten(a, fehler);
    if (b.Rueckgabe >= 0 && b.Rueckgabe != CliNichtsGefunden)
        return b.Rueckgabe;
    aus << "Art\tBezeichnung\tVon KM-Stand\tam\tBis KM-Stand\tam\tStrecke\tLiter\tDurchschnittsverbrauch\t"
           "Tankfüllungen\tVoll\tGetankt\tBetrag\tLiterpreis\tKosten\n";
    if (b.Rueckgabe == CliNichtsGefunden)
        return CliNichtsGefunden;
    for (const TVerbrauchsWert &w : VerbrauchsListe)
        WertZeile(aus, "Wert", w);
    WertZeile(aus, "Gesamt", GesamtVerbrauch);
    WertZeile(aus, "Kleinster", KleinsterVerbrauch);
    WertZeile(aus, "Höchster", HoechsterVerbrauch);
    return CliOk;
}

std::string KmText(long double km)
{
    return Format("%4.2n Km", {km});
}

// Loads and builds the development series as its panel would.
TBereit EntwicklungBereiten(const TAufruf &a, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
        return {r, e.Meldung.Code};
    const bool reichweite = a.Art == 2;
    if (!DatenLogisch)
        return Abbruch(CliUnbrauchbar,
                       reichweite ? TMeldungsNr::LogischeFehlerReichweite : TMeldungsNr::LogischeFehlerLiterpreis);
    if (a.Tankinhalt)
        Tankinhalt = *a.Tankinhalt;
    if (reichweite && !(Tankinhalt > 0))
        return Abbruch(CliUnbrauchbar, TMeldungsNr::ReichweiteOhneTankinhalt);
    // The panel settings of the chosen series, as its panel leaves them.
    uint8_t &zeitraumwahl = reichweite ? RW_Zeitraumwahl : LP_Zeitraumwahl;
    uint8_t &ansicht = reichweite ? RW_Ansicht : LP_Ansicht;
    TDatum &von = reichweite ? RW_Von : LP_Von;
    TDatum &bis = reichweite ? RW_Bis : LP_Bis;
    zeitraumwahl = static_cast<uint8_t>(a.Auswahl ? a.Auswahl : 1);
    ansicht = static_cast<uint8_t>(a.Ansicht ? a.Ansicht : 1);
    if (zeitraumwahl == 2) {
        von = a.Von;
        bis = a.Bis;
        ZeitraumOrdnen(von, bis);
    }

    if (reichweite)
        ErmittleReichweitenEntwicklung();
    else
        ErmittleLiterpreisEntwicklung();
    if (AnzahlEntwicklungswerte() == 0)
        return Abbruch(CliNichtsGefunden,
                       reichweite ? TMeldungsNr::KeineReichweiteGefunden : TMeldungsNr::KeinLiterpreisGefunden);
    return {};
}

int Entwicklung(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    if (const TBereit b = EntwicklungBereiten(a, fehler); b.Rueckgabe >= 0) {
        aus << "Meldung: " << b.Code << '\n';
        return b.Rueckgabe;
    }
    const bool reichweite = a.Art == 2;
    if (reichweite)
        aus << "Nr\tBezeichnung\tVon\tBis\tStrecke\tLiter\tDurchschnittsverbrauch\tReichweite\t";
    else
        aus << "Nr\tBezeichnung\tDatum\tLiterpreis\tLiter\tBetrag\t";
    aus << "Veränderung zum Durchschnitt\tVeränderung zum Vorgänger\n";
    for (const TEntwicklungsWert &w : EntwicklungsListe) {
        aus << w.Nr << '\t';
        if (reichweite)
            aus << w.RW_Bezeichnung << '\t' << DatumText(w.RW_VonDatum) << '\t' << DatumText(w.RW_BisDatum) << '\t'
                << ZahlMitPunkten(w.Strecke, 1) << " Km\t" << LiterText(1, w.LiterVerbraucht) << '\t'
                << Format("%4.2nL/100Km", {w.Durchschnitt}) << '\t' << KmText(w.Reichweite) << '\t';
        else
            aus << w.Bezeichnung << '\t' << DatumText(w.Datum) << '\t' << PreisText(w.Literpreis) << '\t'
                << LiterText(1, w.Liter) << '\t' << EuroText(w.Betrag) << '\t';
        aus << VeraenderungZumDurchschnitt(w.Nr) << '\t' << VeraenderungZumVorgaenger(w.Nr) << '\n';
    }
    if (reichweite) {
        aus << "Minimum\t" << KmText(EW_Minimum) << '\n'
            << "Maximum\t" << KmText(EW_Maximum) << '\n'
            << "Durchschnitt\t" << KmText(DurchschnittsReichweite()) << '\n'
            << "Durchschnittsverbrauch\t" << Format("%4.2nL/100Km", {DurchschnittsVerbrauchRW}) << '\n';
    } else {
        aus << "Minimum\t" << PreisText(static_cast<uint16_t>(EW_Minimum)) << '\n'
            << "Maximum\t" << PreisText(static_cast<uint16_t>(EW_Maximum)) << '\n'
            << "Durchschnitt\t" << PreisText(DurchschnittsLiterpreis) << '\n';
    }
    aus << "Schritt\t" << EW_Schritt << '\n' << "Unten\t" << EW_Unten << '\n';
    return CliOk;
}

int Umwandeln(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0) {
        aus << "Meldung: " << e.Meldung.Code << '\n';
        return r;
    }
    aus << "Meldung: " << (e.Meldung.Code ? std::to_string(e.Meldung.Code) : std::string("keine")) << '\n';
    const TSpeicherErgebnis s = DatenSpeichern(a.Dateien[1]);
    if (!s.Meldung.Text.empty())
        aus << Zeilen(s.Meldung.Text) << '\n';
    return s.Geschrieben ? CliOk : CliNichtGeoeffnet;
}

// Reads a Spritmonitor export and saves the fill-ups as a data file; the
// report goes to standard error. With refused lines nothing is written
// unless the valid ones were asked for.
int Importieren(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    GlobalenZustandZuruecksetzen();
    if (a.Konfig)
        TankstellenlisteLesen(*a.Konfig);
    TImportErgebnis e = SpritmonitorDateiLesen(a.Dateien[0]);
    if (!e.Lesbar) {
        fehler << Zeilen(MeldungBauen(TMeldungsNr::ImportUnmoeglich, {a.Dateien[0], e.Grund}).Text) << '\n';
        return e.Geoeffnet ? CliUnbrauchbar : CliNichtGeoeffnet;
    }
    if (!e.Abgelehnt.empty()) {
        fehler << "Nicht übernommen (" << e.AnzahlAbgelehnt << " von " << e.Zeilen << " Zeilen):\n"
               << Zeilen(AbgelehntText(e, 0)) << '\n';
        if (e.Fuellungen.empty() || !a.AlleGueltigen) {
            fehler << (e.Fuellungen.empty() ? "Keine Zeile ist gültig; es wurde nichts geschrieben.\n"
                                            : "Es wurde nichts geschrieben. Mit --alle-gueltigen werden die gültigen "
                                              "Zeilen übernommen.\n");
            return CliUnbrauchbar;
        }
    }
    if (!e.Luecken.empty())
        fehler << "Lücken (hier fehlt eine Tankfüllung, der Verbrauch darüber ist nicht aussagekräftig):\n"
               << Zeilen(LueckenText(e, 0)) << '\n';
    const size_t anzahl = e.Fuellungen.size();
    ImportUebernehmen(std::move(e));
    fehler << "Übernommen: " << anzahl << (anzahl == 1 ? " Tankfüllung" : " Tankfüllungen") << '\n';
    const TSpeicherErgebnis s = DatenSpeichern(a.Dateien[1]);
    if (!s.Meldung.Text.empty())
        fehler << Zeilen(s.Meldung.Text) << '\n';
    return s.Geschrieben ? CliOk : CliNichtGeoeffnet;
}

int Exportieren(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    TLadeErgebnis e;
    if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
        return r;
    if (!SpritmonitorSchreiben(a.Dateien[1])) {
        fehler << Zeilen(MeldungBauen(TMeldungsNr::ExportFehlgeschlagen, {a.Dateien[1]}).Text) << '\n';
        return CliNichtGeoeffnet;
    }
    return CliOk;
}

// A message of the program on standard error, as its box would say it.
void MeldungAusgeben(std::ostream &fehler, TMeldungsNr nr)
{
    fehler << Zeilen(MeldungBauen(nr).Text) << '\n';
}

bool IstLogischerFehler(TMeldungsNr nr)
{
    return nr == TMeldungsNr::LogischeFehlerAnsicht || nr == TMeldungsNr::LogischeFehlerLiterpreis
           || nr == TMeldungsNr::LogischeFehlerReichweite;
}

int Drucken(const TAufruf &a, std::ostream &aus, std::ostream &fehler)
{
    TDruckAuftrag auftrag;
    auftrag.Ausgabe = a.Ausgabe;
    auftrag.Quer = a.Quer;
    auftrag.A5 = a.A5;
    auftrag.Balken = !a.Linien;

    TBereit b;
    if (a.Bericht == "tankfuellungen") {
        b = FuellungenBereiten(a, fehler);
        auftrag.Art = DruckArtTankfuellungen;
        // As the list window hands its selection over.
        DruckUeberschrift = AuswahlText();
        DruckHinweis1 = SortierungsText(FuellungsSortierung, FuellungenUmgekehrt);
        DruckListe = &AuswahlListe;
    } else if (a.Bericht == "verbrauch") {
        b = VerbrauchBereiten(a, fehler);
        auftrag.Art = DruckArtVerbrauch;
        // As the consumption window hands its values over; only the table
        // unless they are in date order.
        DruckUeberschrift = VerbrauchsDruckTitel();
        DruckHinweis1 = VerbrauchsSortierText(Sortierung, UmgekehrtSortiert);
        DruckHinweis2 = VerbrauchsDruckHinweis();
        DruckVerbrauchsListe = &VerbrauchsListe;
        DruckAnzahlVerbrauchswerte = AnzahlVerbrauchswerte();
        if (Sortierung > 1)
            DruckVerbrauchsArt = 3;
    } else if (a.Bericht == "literpreis" || a.Bericht == "reichweite") {
        b = EntwicklungBereiten(a, fehler);
        auftrag.Art = a.Art == 2 ? DruckArtReichweite : DruckArtLiterpreis;
        EntwicklungsArt = static_cast<uint8_t>(a.Art == 2 ? 2 : 1);
        DruckUeberschrift = EntwicklungsDruckUeberschrift();
        DruckHinweis1 = EntwicklungsDruckHinweis();
    } else {
        TLadeErgebnis e;
        if (const int r = Laden(a, a.Dateien[0], e, fehler); r >= 0)
            return r;
        auftrag.Art = DruckArtAlles;
    }

    if (b.Rueckgabe == CliAufruffehler || (b.Rueckgabe >= 0 && b.Grund == TMeldungsNr::Keine
                                           && b.Rueckgabe != CliNichtsGefunden))
        return b.Rueckgabe;   // a usage error or a file that would not load: said already
    if (!DatenLogisch || IstLogischerFehler(b.Grund)) {
        MeldungAusgeben(fehler, TMeldungsNr::LogischeFehlerDruck);
        return CliUnbrauchbar;
    }
    if (b.Grund == TMeldungsNr::ReichweiteOhneTankinhalt) {
        MeldungAusgeben(fehler, b.Grund);
        return CliUnbrauchbar;
    }
    if (b.Rueckgabe == CliNichtsGefunden) {
        MeldungAusgeben(fehler, TMeldungsNr::NichtsZuDrucken);
        return CliNichtsGefunden;
    }
    return PdfDrucken(auftrag, aus, fehler);
}

} // namespace

int CliAusfuehren(const std::vector<std::string> &argumente, std::ostream &aus, std::ostream &fehler)
{
    TAufruf a;
    if (const auto f = AufrufLesen(argumente, a)) {
        fehler << f->Text << "\n\n" << Aufruf;
        return CliAufruffehler;
    }
    if (a.Befehl == "liste")
        return Liste(a, aus, fehler);
    if (a.Befehl == "pruefen")
        return Pruefen(a, aus, fehler);
    if (a.Befehl == "verbrauch")
        return Verbrauch(a, aus, fehler);
    if (a.Befehl == "auswahl")
        return Auswahl(a, aus, fehler);
    if (a.Befehl == "entwicklung")
        return Entwicklung(a, aus, fehler);
    if (a.Befehl == "drucken")
        return Drucken(a, aus, fehler);
    if (a.Befehl == "importieren")
        return Importieren(a, aus, fehler);
    if (a.Befehl == "exportieren")
        return Exportieren(a, aus, fehler);
    return Umwandeln(a, aus, fehler);
}

std::string Zeilen(const std::string &text)
{
    std::string s = text;
    std::replace(s.begin(), s.end(), '\r', '\n');
    return s;
}
