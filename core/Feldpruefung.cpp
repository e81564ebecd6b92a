#include "Feldpruefung.h"

#include "Cp1252.h"
#include "Zusatz1.h"

#include <algorithm>
#include <vector>

bool KMStandOk = false;
bool DatumOk = false;
bool TankstelleBesucht = false;
bool BetragOk = false;
bool LiterOk = false;
bool VollBeiOk = false;
long double EingabeLiter = 0;
long double EingabeVollBei = 0;
std::string WaehrungsText = "EUR";

void EingabeZustandZuruecksetzen()
{
    KMStandOk = false;
    DatumOk = false;
    TankstelleBesucht = false;
    BetragOk = false;
    LiterOk = false;
    VollBeiOk = false;
    EingabeLiter = 0;
    EingabeVollBei = 0;
    WaehrungsText = "EUR";
}

std::string FehlerText(int fehlerNr)
{
    switch (fehlerNr) {
    case 1:
        return "\rDer KM-Stand ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ";
    case 2:
        return "\rDer KM-Stand darf keine Nachkommastellen haben.";
    case 3:
        return "\rFür den KM-Stand dürfen nur positive Zahlen\rgrößer 0 angegeben werden.";
    case 4:
        return "\rDer angegebene KM-Stand wurde schon einmal verwendet.\r"
               "Bitte geben Sie einen neuen KM-Stand an.";
    case 5:
        return "\rDie eigegebene Zeichenkette stellt kein Datum dar.";
    case 6:
        return "\rDer eingegebene Tag existiert im eingegebenen Monat nicht.";
    case 7:
        return "\rDer Monat muß zwischen '1' und '12' liegen. \rAndere Monate sind unlogisch.";
    case 8:
        return "\rDas Jahr darf nur zwischen '1900' und '2100' angegeben werden.";
    case 9:
        return "\rDer Betrag ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ";
    case 10:
        return "\rDer Betrag ist ungültig.\rDer Betrag darf nur zwei Nachkonnastellen haben.";
    case 11:
        return "\rDer Betrag muß im Bereich von  '" + WaehrungsText + " 1.-' bis  '" + WaehrungsText
               + " " + ZahlMitPunkten(4000, 1) + ".-'  " + "angegeben werden.";
    case 12:
    case 13:
        return "\rDie Literzahl ist ungültig.\rBitte geben Sie nur positive Zahlen größer '0' an.";
    case 14:
    case 15:
        return "\rDie Literzahl ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ";
    case 16:
    case 17:
        return "\rDie Literzahl ist ungültig.\rDie Literzahl darf nur zwei Nachkonnastellen haben.";
    case 18:
        return "\rDie Literzahl ist ungültig.\rWenn nur " + LiterText(1, EingabeLiter)
               + " getankt wurden, kann die " + "Säule nicht bei " + LiterText(1, EingabeVollBei)
               + " abschalten.";
    case 19:
        return "\rDer Tankinhalt ist ungültig.\rBitte geben Sie nur positive Zahlen incl. '0' an.";
    case 20:
        return "\rDer Tankinhalt ist ungültig.\rDie eingegebene Zeichenkette stellt keine Zahl dar. ";
    case 21:
        return "\rDer Tankinhalt ist ungültig.\rDie Literzahl darf nur zwei Nachkonnastellen haben.";
    case 22:
        return "\rDer Tankinhalt ist ungültig.\rEr darf maximal " + ZahlMitPunkten(3000, 1)
               + " Liter betragen.";
    case 23:
        return "\rDer Tankinhalt ist ungültig.\rBitte geben Sie nur positive Zahlen incl. '1' an.";
    case 24:
        return "\rDie Literzahl ist ungültig.\rDer Verbrauch darf maximal " + ZahlMitPunkten(1000, 1)
               + " Liter betragen.";
    default:
        return {};
    }
}

std::string AbgelehnteZeichenText(const std::string &abgelehnt)
{
    std::vector<std::string> zeichen;
    bool steuerzeichen = false;
    for (size_t i = 0; i < abgelehnt.size();) {
        const std::string z = Zeichenweise(abgelehnt.substr(i), 1);
        i += std::max<size_t>(z.size(), 1);
        if (BeginntMitSteuerzeichen(z))
            steuerzeichen = true;
        else if (std::find(zeichen.begin(), zeichen.end(), "'" + z + "'") == zeichen.end())
            zeichen.push_back("'" + z + "'");
    }
    if (zeichen.empty())
        return "Steuerzeichen können nicht gespeichert werden und wurden weggelassen.";
    if (steuerzeichen)
        zeichen.push_back("Steuerzeichen");
    if (zeichen.size() == 1)
        return "Das Zeichen " + zeichen.front() + " kann nicht gespeichert werden und wurde weggelassen.";
    std::string liste;
    for (size_t k = 0; k + 1 < zeichen.size(); ++k)
        liste += (k ? ", " : "") + zeichen[k];
    return "Die Zeichen " + liste + " und " + zeichen.back()
           + " können nicht gespeichert werden und wurden weggelassen.";
}

namespace {

std::string Gekuerzt(const std::string &text)
{
    return Zeichenweise(text, MaxFeldtext);
}

// Litres, full-at value and fixed consumption share this shape: a range
// test on the value read, then "not a number", then the decimals. A text
// that is no number reads as 0, so it first fails the range test and is
// then overwritten by the more telling "not a number".
uint8_t LiterartPruefen(const TZahlErgebnis &z, uint8_t nichtPositiv, uint8_t keineZahl,
                        uint8_t zuVieleStellen)
{
    uint8_t nr = 0;
    if (z.Wert <= 0)
        nr = nichtPositiv;
    if (!z.Ok)
        nr = keineZahl;
    if (z.Nachkomma > 2)
        nr = zuVieleStellen;
    return nr;
}

} // namespace

uint8_t KMStandPruefen(const std::string &text, int32_t ausser)
{
    const TGanzzahlErgebnis z = TextInGanzzahl(Gekuerzt(text));
    uint8_t nr = 0;
    if (z.Fehler == 1)
        nr = 1;
    if (z.Fehler == 2)
        nr = 2;
    // Only a whole number has a reading to compare; the parser leaves 0 in
    // the value otherwise, which must not turn "abc" into error 3 or 4.
    if (z.Fehler == 0 && z.Wert < 1)
        nr = 3;
    if (z.Fehler == 0 && KMStandVorhanden(z.Wert, ausser))
        nr = 4;
    return nr;
}

uint8_t DatumFeldPruefen(const std::string &text)
{
    switch (DatumLesen(Gekuerzt(text)).Fehler) {
    case 1: return 6;
    case 2: return 7;
    case 3: return 8;
    case 4: return 5;
    default: return 0;
    }
}

uint8_t BetragPruefen(const std::string &text)
{
    const TZahlErgebnis z = TextInZahl(Gekuerzt(text));
    uint8_t nr = 0;
    if (z.Wert < 1 || z.Wert > 4000)
        nr = 11;
    if (!z.Ok)
        nr = 9;
    if (z.Nachkomma > 2)
        nr = 10;
    return nr;
}

uint8_t LiterPruefen(const std::string &text, long double &wert)
{
    const TZahlErgebnis z = TextInZahl(Gekuerzt(text));
    wert = z.Wert;
    return LiterartPruefen(z, 12, 14, 16);
}

uint8_t VollBeiPruefen(const std::string &text, long double &wert, bool literOk,
                       long double liter)
{
    const TZahlErgebnis z = TextInZahl(Gekuerzt(text));
    wert = z.Wert;
    uint8_t nr = LiterartPruefen(z, 13, 15, 17);
    if (literOk && wert > liter)
        nr = 18;
    return nr;
}

uint8_t FestverbrauchPruefen(const std::string &text, long double &wert)
{
    const TZahlErgebnis z = TextInZahl(Gekuerzt(text));
    wert = z.Wert;
    uint8_t nr = 0;
    if (z.Wert <= 0)
        nr = 12;
    if (z.Wert > 1000)
        nr = 24;
    if (!z.Ok)
        nr = 14;
    if (z.Nachkomma > 2)
        nr = 16;
    return nr;
}

uint8_t TankinhaltPruefen(const std::string &text, bool mindestensEinLiter, long double &wert)
{
    const TZahlErgebnis z = TextInZahl(Gekuerzt(text));
    wert = z.Wert;
    uint8_t nr = 0;
    if (mindestensEinLiter) {
        if (z.Wert < 1)
            nr = 23;
    } else if (z.Wert < 0) {
        nr = 19;
    }
    if (z.Wert > 3000)
        nr = 22;
    if (!z.Ok)
        nr = 20;
    if (z.Nachkomma > 2)
        nr = 21;
    return nr;
}

int FehlerFeld(int fehlerNr)
{
    if (fehlerNr >= 1 && fehlerNr <= 4)
        return 1;
    if (fehlerNr >= 5 && fehlerNr <= 8)
        return 2;
    if (fehlerNr >= 9 && fehlerNr <= 11)
        return 4;
    if (fehlerNr == 12 || fehlerNr == 14 || fehlerNr == 16)
        return 5;
    if (fehlerNr == 13 || fehlerNr == 15 || fehlerNr == 17 || fehlerNr == 18)
        return 7;
    return 0;
}

TTankFuellung FuellungBilden(const TFuellungsEingabe &e)
{
    TTankFuellung f;
    f.KMStand = TextInGanzzahl(Gekuerzt(e.KMStand)).Wert;
    f.Datum = DatumLesen(Gekuerzt(e.Datum)).Datum;
    if (e.Tankstelle.empty() || e.Tankstelle == TankstelleHinweis)
        f.Tankstelle = TankstelleUnbekannt;
    else
        f.Tankstelle = Zeichenweise(e.Tankstelle, KapazitaetTankstelle);
    TankstellenNrAbgleichen(f);
    f.AlteWaehrung = 0;
    f.Betrag = TextInZahl(Gekuerzt(e.Betrag)).Wert;
    f.Liter = TextInZahl(Gekuerzt(e.Liter)).Wert;
    f.Vollgetankt = e.Vollgetankt ? 1 : 0;
    f.LiterNachAbschaltung = e.Vollgetankt ? f.Liter - TextInZahl(Gekuerzt(e.VollBei)).Wert : 0.0L;
    f.BetragNachAbschaltung = BetragNachAbschaltungBerechnen(f.Betrag, f.LiterNachAbschaltung, f.Liter);
    f.LiterPreis = LiterPreisBerechnen(f.Betrag, f.Liter);
    return f;
}
