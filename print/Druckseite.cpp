#include "Druckseite.h"

#include "Druckuebergabe.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

int32_t Seitenbreite = 0;
int32_t Seitenhoehe = 0;
bool Hochformat = true;
int32_t LinkerRand = 0;
int32_t ObererRand = 0;
int32_t DruckZeile = 0;
int32_t DruckZeilenhoehe = 0;
int32_t Spaltenabstand = 0;
int32_t TabellenLinks = 0;
int32_t Seitenzaehler = 0;
std::string DruckZeitstempel;

namespace {

// A line across the whole page.
void Querlinie(TZeichenflaeche &flaeche, int32_t y)
{
    flaeche.Linie(0, y, Seitenbreite, y);
}

void SchriftGroesse(TZeichenflaeche &flaeche, int groesse)
{
    TSchrift schrift = flaeche.Schrift();
    schrift.Groesse = groesse;
    flaeche.SchriftSetzen(schrift);
}

} // namespace

std::string Fusszeile()
{
    return std::string("Sprilo ") + ProgrammVersion;
}

bool Seiteneinrichtung(TDruckflaeche &drucker)
{
    Seitenbreite = drucker.Breite();
    Seitenhoehe = drucker.Hoehe();
    Hochformat = Seitenbreite < Seitenhoehe;

    drucker.StiftSetzen(0x000000, 3);
    TSchrift schrift;
    schrift.Name = "Arial";
    if (drucker.BreiteMM() < 211) {
        // Narrow paper: the smaller font, and half an inch kept free on
        // the left for punching and filing.
        schrift.Groesse = 8;
        LinkerRand = drucker.PunkteProZoll() / 2;
        ObererRand = 0;
    } else {
        schrift.Groesse = 10;
        LinkerRand = 0;
        ObererRand = drucker.PunkteProZollSenkrecht() / 2;
    }
    drucker.SchriftSetzen(schrift);
    // The page keeps the orientation the user chose in the printer set-up.
    TabellenLinks = Hochformat ? LinkerRand : 0;
    Spaltenabstand = drucker.TextBreite("W");
    return drucker.BreiteMM() >= MindestBreiteMM;
}

void Seitenkopf(TDruckflaeche &drucker, TDruckFortschritt &fortschritt)
{
    const TStift stift = drucker.Stift();
    const TSchrift schrift = drucker.Schrift();

    int32_t y = Hochformat ? 3 : ObererRand;
    drucker.StiftSetzen(0x000000, 5);
    Querlinie(drucker, y);

    SchriftGroesse(drucker, schrift.Groesse + 4);
    const std::string fahrzeug =
        "Fahrzeug - Kennzeichen : " + (Kennzeichen.empty() ? std::string("------") : Kennzeichen);
    TextMittig(drucker, y + 7, fahrzeug);
    y += drucker.TextHoehe(fahrzeug) + 14;
    SchriftGroesse(drucker, schrift.Groesse + 2);

    ++Seitenzaehler;
    fortschritt.SeitenText("Ausdruck der Seite :  -" + ZahlMitPunkten(Seitenzaehler, 1) + "-");
    const std::string seite = "Seite : " + ZahlMitPunkten(Seitenzaehler, 1);
    TextRechts(drucker, Seitenbreite - 5, y - drucker.TextHoehe(seite), seite);
    Querlinie(drucker, y);
    y += 5;

    bool titel = false;
    for (const std::string *text : {&DruckUeberschrift, &DruckHinweis1, &DruckHinweis2}) {
        if (text->empty())
            continue;
        TextMittig(drucker, y, *text);
        y += drucker.TextHoehe(*text) + 5;
        titel = true;
    }
    if (titel)
        Querlinie(drucker, y);
    DruckZeile = y + 50;

    SchriftGroesse(drucker, 7);
    const std::string fuss = Fusszeile();
    const int32_t hoehe = drucker.TextHoehe(fuss);
    drucker.Text(LinkerRand, Seitenhoehe - (hoehe + 5), fuss);
    TextRechts(drucker, Seitenbreite, Seitenhoehe - (hoehe + 5), DruckZeitstempel);
    drucker.Linie(LinkerRand, Seitenhoehe - (hoehe + 25), Seitenbreite, Seitenhoehe - (hoehe + 25));

    drucker.StiftSetzen(stift);
    drucker.SchriftSetzen(schrift);
}

void NeueDruckseite(TDruckflaeche &drucker, TDruckFortschritt &fortschritt)
{
    drucker.NeueSeite();
    Seitenkopf(drucker, fortschritt);
}

int32_t TabellenZeilenhoehe(TZeichenflaeche &flaeche)
{
    return flaeche.TextHoehe("Hg") + 5;
}

bool SeiteVoll(int32_t zeilen)
{
    return PasstNicht(zeilen * DruckZeilenhoehe);
}

bool PasstNicht(int32_t hoehe)
{
    return DruckZeile + hoehe > Seitenhoehe - 100;
}

int32_t Zentriert(TZeichenflaeche &flaeche, const std::string &text, int32_t links, int32_t rechts)
{
    return links + (rechts - links - flaeche.TextBreite(text)) / 2;
}

void TextRechts(TZeichenflaeche &flaeche, int32_t x, int32_t y, const std::string &text)
{
    flaeche.Text(x - flaeche.TextBreite(text), y, text);
}

void TextMittig(TZeichenflaeche &flaeche, int32_t y, const std::string &text)
{
    flaeche.Text(Zentriert(flaeche, text, 0, Seitenbreite), y, text);
}

void TextUmMitte(TZeichenflaeche &flaeche, int32_t mitte, int32_t y, const std::string &text)
{
    flaeche.Text(mitte - flaeche.TextBreite(text) / 2, y, text);
}

void DruckseiteZuruecksetzen()
{
    Seitenbreite = 0;
    Seitenhoehe = 0;
    Hochformat = true;
    LinkerRand = 0;
    ObererRand = 0;
    DruckZeile = 0;
    DruckZeilenhoehe = 0;
    Spaltenabstand = 0;
    TabellenLinks = 0;
    Seitenzaehler = 0;
    DruckZeitstempel.clear();
}
