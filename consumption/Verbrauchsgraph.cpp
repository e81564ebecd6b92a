#include "Verbrauchsgraph.h"

#include "Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <cmath>
#include <string>

long double Grafikfaktor = 1;

namespace {

constexpr int Zeilen = 5;

// Where the drawing lies, in graph units.
constexpr int AchseLinks = 90;       // SkalaUnten
constexpr int AchseBreite = 360;     // 120 axis units of 3
constexpr int TexteRechts = 553;     // right edge of the averages and ranges
constexpr int ZahlenRechts = 85;     // right edge of the odometer readings
constexpr int ZeilenOben = 34;       // top of row 1
constexpr int ZeilenHoehe = 42;

// Entries of the colour table, counted from 1 as the settings dialog does.
enum TGraphFarbe {
    BalkenBisBezug = 1,
    ErstesBand = 2,
    ZweitesBand = 3,
    DarueberHinaus = 4,
    Durchschnittslinie = 6,
    Festverbrauchslinie = 7,
    Reichweitentexte = 10,
    Markierung = 12,
};

uint32_t Farbe(TGraphFarbe eintrag)
{
    return FarbeNr(Farben[eintrag - 1]);
}

const uint32_t Schwarz = 0x000000;   // FarbeNr(0)
const uint32_t Weiss = 0xFFFFFF;     // FarbeNr(15)

// Graph units right of the axis start for a consumption in L/100Km: three
// per axis unit.
int64_t AchsenVersatz(long double verbrauch)
{
    return 3 * SkalaSchritte({SkalaSchritt, SkalaUnten}, verbrauch);
}

int Px(long double einheiten)
{
    return GrafikPixel(einheiten);
}

void Linie(TZeichenflaeche &f, long double x1, long double y1, long double x2, long double y2)
{
    f.Linie(Px(x1), Px(y1), Px(x2), Px(y2));
}

void SchriftFarbe(TZeichenflaeche &f, uint32_t farbe)
{
    TSchrift s = f.Schrift();
    s.Farbe = farbe;
    f.SchriftSetzen(s);
}

void Text(TZeichenflaeche &f, long double x, long double y, const std::string &text)
{
    f.Text(Px(x), Px(y), text);
}

// Text widths are the font's own; only the edge it is aligned to scales.
void TextRechtsBis(TZeichenflaeche &f, long double rechts, long double y, const std::string &text)
{
    f.Text(Px(rechts) - f.TextBreite(text), Px(y), text);
}

void TextZentriert(TZeichenflaeche &f, long double mitte, long double y, const std::string &text)
{
    f.Text(Px(mitte) - f.TextBreite(text) / 2, Px(y), text);
}

long double ZeilenOberkante(int zeile)
{
    return ZeilenOben + ZeilenHoehe * (zeile - 1);
}

void Gitter(TZeichenflaeche &f, int zeilen)
{
    const long double unten = 49 + ZeilenHoehe * zeilen;
    f.StiftSetzen(Schwarz);
    for (int i = 0; i <= 6; ++i) {
        const int x = AchseLinks + 60 * i;
        Linie(f, x, 23, x, unten);
        const long double wert = (SkalaUnten + 20 * i * static_cast<long double>(SkalaSchritt)) * 0.01L;
        TextZentriert(f, x, 6, Format("%4.2nl", {wert}));
    }
    f.StiftSetzen(Schwarz, 1, TStiftArt::Gestrichelt);
    for (int i = 0; i <= 5; ++i)
        Linie(f, 120 + 60 * i, 23, 120 + 60 * i, unten);
    f.StiftSetzen(Schwarz, 1, TStiftArt::Gepunktet);
    for (int i = 0; i <= 11; ++i)
        Linie(f, 105 + 30 * i, 23, 105 + 30 * i, unten);
    f.StiftSetzen(Schwarz);
}

void Spaltentitel(TZeichenflaeche &f)
{
    TextRechtsBis(f, TexteRechts, 6, "Verbrauch");
    SchriftFarbe(f, Farbe(Reichweitentexte));
    TextRechtsBis(f, TexteRechts, 19.2L, "Reichweite");
    SchriftFarbe(f, Schwarz);
}

void Markieren(TZeichenflaeche &f, int zeile)
{
    const long double y1 = ZeilenOberkante(zeile);
    const long double y2 = y1 + ZeilenHoehe;
    f.StiftSetzen(Farbe(Markierung));
    Linie(f, 5, y1, 2, y1);
    Linie(f, 2, y1, 2, y2);
    Linie(f, 2, y2, 5, y2);
    Linie(f, 23, y1, 83, y1);
    Linie(f, 23, y2, 83, y2);
    Linie(f, 86, y1, 556, y1);
    Linie(f, 556, y1, 556, y2);
    Linie(f, 556, y2, 86, y2);
    f.StiftSetzen(Schwarz);
}

void KMStand(TZeichenflaeche &f, long double y, int32_t km)
{
    Text(f, 6, y, "KM");
    TextRechtsBis(f, ZahlenRechts, y, " " + ZahlMitPunkten(km, 1));
}

void Band(TZeichenflaeche &f, TGraphFarbe eintrag, long double y, int64_t von, int64_t bis)
{
    const uint32_t farbe = Farbe(eintrag);
    f.StiftSetzen(farbe);
    f.PinselSetzen(farbe);
    f.Rechteck(Px(AchseLinks + von), Px(y + 14), Px(AchseLinks + bis), Px(y + 42));
}

// The bar in the row whose top is y: up to the reference in the first
// colour, then a new colour every 60 graph units (20 axis units) above it.
void Balken(TZeichenflaeche &f, long double y, const TVerbrauchsWert &w, long double bezug)
{
    const int64_t L = AchsenVersatz(w.Durchschnitt);
    const int64_t R = AchsenVersatz(bezug);
    Band(f, BalkenBisBezug, y, 0, std::min(L, std::max<int64_t>(R, 0)));
    if (R < L)
        Band(f, ErstesBand, y, std::max<int64_t>(R, 0), std::min(L, std::max<int64_t>(R + 60, 0)));
    if (R + 60 < L)
        Band(f, ZweitesBand, y, std::max<int64_t>(R + 60, 0), std::min(L, std::max<int64_t>(R + 120, 0)));
    if (R + 120 < L)
        Band(f, DarueberHinaus, y, std::max<int64_t>(R + 120, 0), L);
    f.StiftSetzen(Schwarz);
    Linie(f, AchseLinks, y + 12, AchseLinks, y + 44);
}

void Zeile(TZeichenflaeche &f, int k, const TVerbrauchsWert &w, long double bezug)
{
    KMStand(f, 27 + ZeilenHoehe * k, UmgekehrtSortiert ? w.VonKM : w.BisKM);

    const long double y = 49 + ZeilenHoehe * (k - 1);
    Text(f, 6, y, w.Bezeichnung);
    const std::string durchschnitt = Format("%8.6nL/100Km", {w.Durchschnitt});
    if (Tankinhalt != 0) {
        TextRechtsBis(f, TexteRechts, y - 6.6L, durchschnitt);
        SchriftFarbe(f, Farbe(Reichweitentexte));
        TextRechtsBis(f, TexteRechts, y + 6.6L, Format("%4.2n Km", {Reichweite(Tankinhalt, w.Durchschnitt)}));
        SchriftFarbe(f, Schwarz);
    } else {
        TextRechtsBis(f, TexteRechts, y, durchschnitt);
    }

    Balken(f, 27 + ZeilenHoehe * (k - 1), w, bezug);
    f.PinselSetzen(Weiss);
}

// Ends the text of a consumption line at height y: the range a full tank
// gives at that consumption (with a tank capacity set), then black again.
void LinienReichweite(TZeichenflaeche &f, long double y, long double verbrauch)
{
    if (Tankinhalt > 0) {
        SchriftFarbe(f, Farbe(Reichweitentexte));
        TextRechtsBis(f, TexteRechts, y, Format("=> Reichweite : %4.2n Km", {Reichweite(Tankinhalt, verbrauch)}));
    }
    f.StiftSetzen(Schwarz);
    SchriftFarbe(f, Schwarz);
}

void FestverbrauchZeichnen(TZeichenflaeche &f)
{
    const int64_t F = AchsenVersatz(Festverbrauch);
    const uint32_t farbe = Farbe(Festverbrauchslinie);
    f.StiftSetzen(farbe);
    SchriftFarbe(f, farbe);
    if (F > 0 && F <= AchseBreite) {
        Linie(f, AchseLinks + F, 32, AchseLinks + F, 286);
        Linie(f, AchseLinks + F, 286, 95, 286);
    } else if (F > AchseBreite) {
        // Off the axis to the right: an arrow pointing that way.
        Linie(f, 95, 286, 360, 286);
        Linie(f, 360, 286, 355, 291);
        Linie(f, 360, 286, 355, 281);
    }
    Text(f, 85, 279, Format("Eingestellter Festverbrauch : %4.2nL/100Km ", {Festverbrauch}));
    LinienReichweite(f, 279, Festverbrauch);
}

void DurchschnittZeichnen(TZeichenflaeche &f)
{
    const long double durchschnitt = GesamtVerbrauch.Durchschnitt;
    const int64_t A = AchsenVersatz(durchschnitt);
    const uint32_t farbe = Farbe(Durchschnittslinie);
    f.StiftSetzen(farbe);
    SchriftFarbe(f, farbe);
    Linie(f, AchseLinks + A, 32, AchseLinks + A, 261);
    Text(f, 85, 265, Format("Durchschnittlicher Gesamtverbrauch : %8.6nL/100Km", {durchschnitt}));
    LinienReichweite(f, 265, durchschnitt);
}

// Moves the first visible row as little as needed to show the marked value.
void FensterNachfuehren(TGraphFenster &fenster, int32_t anzahl)
{
    fenster.MarkierterWert = std::clamp<int32_t>(fenster.MarkierterWert, 1, anzahl);
    fenster.ErsterSichtbarer = std::clamp<int32_t>(fenster.ErsterSichtbarer, 1, anzahl);
    if (fenster.ErsterSichtbarer > fenster.MarkierterWert)
        fenster.ErsterSichtbarer = fenster.MarkierterWert;
    if (fenster.MarkierterWert > fenster.ErsterSichtbarer + (Zeilen - 1))
        fenster.ErsterSichtbarer = fenster.MarkierterWert - (Zeilen - 1);
    fenster.MarkierteZeile = static_cast<uint8_t>(fenster.MarkierterWert - fenster.ErsterSichtbarer + 1);
}

}   // namespace

int GrafikPixel(long double einheiten)
{
    const long double p = std::nearbyintl(einheiten * Grafikfaktor);
    // Far off the surface is as good as anywhere there; it must not wrap.
    constexpr long double grenze = 1e9L;
    if (std::isnan(p))
        return 0;
    return static_cast<int>(std::clamp(p, -grenze, grenze));
}

bool ZeichneVerbrauchsGraph(TZeichenflaeche &flaeche, TGraphFenster &fenster)
{
    TZeichenflaeche &f = flaeche;
    const int32_t anzahl = AnzahlVerbrauchswerte();

    f.PinselSetzen(Weiss);
    f.FlaecheFuellen(0, 0, f.Breite(), f.Hoehe());
    f.StiftSetzen(Schwarz);
    SchriftFarbe(f, Schwarz);

    Gitter(f, std::min(anzahl, Zeilen));
    if (Tankinhalt > 0)
        Spaltentitel(f);
    if (anzahl == 0)
        return false;

    FensterNachfuehren(fenster, anzahl);
    Markieren(f, fenster.MarkierteZeile);

    const TVerbrauchsWert &erster = VerbrauchsListe[size_t(fenster.ErsterSichtbarer - 1)];
    KMStand(f, 27, UmgekehrtSortiert ? erster.BisKM : erster.VonKM);

    const long double bezug = FestverbrauchAn ? Festverbrauch : GesamtVerbrauch.Durchschnitt;
    bool vorlaeufig = false;
    for (int k = 1; k <= Zeilen; ++k) {
        const int32_t nr = fenster.ErsterSichtbarer + k - 1;
        if (nr > anzahl)
            break;
        const TVerbrauchsWert &w = VerbrauchsListe[size_t(nr - 1)];
        if (k == fenster.MarkierteZeile)
            vorlaeufig = w.Vollgetankt == 0;
        Zeile(f, k, w, bezug);
    }

    if (FestverbrauchAn)
        FestverbrauchZeichnen(f);
    if (anzahl > 1)
        DurchschnittZeichnen(f);
    return vorlaeufig;
}

int GraphZeileBei(int y)
{
    // Later rows overwrite earlier ones, so the lower row wins at an edge.
    int zeile = 0;
    for (int k = 1; k <= Zeilen; ++k)
        if (y >= Px(ZeilenOberkante(k)) && y <= Px(ZeilenOberkante(k) + ZeilenHoehe))
            zeile = k;
    return zeile;
}

int32_t GraphZeileWaehlen(const TGraphFenster &fenster, int zeile)
{
    if (zeile < 1 || zeile > Zeilen)
        return fenster.MarkierterWert;
    const int32_t neu = fenster.MarkierterWert + (zeile - fenster.MarkierteZeile);
    if (neu < 1 || neu > AnzahlVerbrauchswerte())
        return fenster.MarkierterWert;
    return neu;
}
