#include "Entwicklungsgrafik.h"

#include "Entwicklung.h"
#include "consumption/Verbrauchsgraph.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <string>

namespace {

constexpr TDiagrammGeometrie Geometrien[3] = {
    {100, 40, 4, 140},   // wide bars
    {11, 4, 36, 95},     // narrow bars
    {11, 4, 36, 95},     // line chart
};

// Where the drawing lies, in chart units.
constexpr int ObenText = 10;          // value labels above the slots
constexpr int UntenText = 275;        // period labels under the time axis
constexpr int AchseX = 85;            // the value axis
constexpr int GitterLinks = 80;
constexpr int AchseRechts = 495;
constexpr int SchnittRechts = 500;    // right end of the average line
constexpr int SchnittText = 502;
constexpr int RahmenOben = 8;

// Entries of the colour table, used as its index (their defaults in the
// table of the configuration: bars 2, average 1, labels 13, line 6, frame 1).
enum TGrafikFarbe {
    Balkenfarbe = 4,
    Durchschnittsfarbe = 5,
    Wertefarbe = 7,
    Linienfarbe = 10,
    Rahmenfarbe = 11,
};

uint32_t Farbe(TGrafikFarbe eintrag)
{
    return FarbeNr(Farben[eintrag]);
}

const uint32_t Schwarz = 0x000000;   // FarbeNr(0)
const uint32_t Weiss = 0xFFFFFF;     // FarbeNr(15)

bool Literpreis()
{
    return EntwicklungsArt != 2;
}

// Chart units above the base line for a value in axis units (thousandths,
// or hundredths of a km): five per step of the litre scale, four of the
// range scale.
int64_t Hoehe(int64_t wert)
{
    const int64_t jeSchritt = Literpreis() ? 5 : 4;
    return jeSchritt * SkalaEinheiten({EW_Schritt, EW_Unten}, wert);
}

int64_t PunktHoehe(const TEntwicklungsWert &w)
{
    return Literpreis() ? Hoehe(w.Literpreis) : Hoehe(RundeI32(w.Reichweite * 100.0L));
}

int Px(long double einheiten)
{
    return GrafikPixel(einheiten);
}

void SchriftFarbe(TZeichenflaeche &f, uint32_t farbe)
{
    TSchrift s = f.Schrift();
    s.Farbe = farbe;
    f.SchriftSetzen(s);
}

void TextZentriert(TZeichenflaeche &f, long double mitte, long double y, const std::string &text)
{
    f.Text(Px(mitte) - f.TextBreite(text) / 2, Px(y), text);
}

std::string Preis(int64_t tausendstel)
{
    return PreisText(static_cast<uint16_t>(std::clamp<int64_t>(tausendstel, 0, 65535)));
}

std::string Km(long double km)
{
    return Format("%4.2n Km", {km});
}

struct TZeichnung {
    TZeichenflaeche &f;
    int Z;                    // Zeilenhoehe, pixels
    int32_t G;                // Grundlinie, chart units
    TDiagrammGeometrie Geo;
    uint8_t Art;

    int Zeitachse() const { return Px(G) + Z; }

    void Achsen()
    {
        f.StiftSetzen(Schwarz);
        f.Linie(Px(AchseX), Px(G - 200) - Z, Px(AchseX), Zeitachse());
        f.Linie(Px(AchseX), Zeitachse(), Px(AchseRechts), Zeitachse());
    }

    void Gitter()
    {
        const int linien = Literpreis() ? 5 : 6;
        const int abstand = Literpreis() ? 50 : 40;
        SchriftFarbe(f, Literpreis() ? Farbe(Wertefarbe) : Schwarz);
        for (int i = 0; i < linien; ++i) {
            const int32_t y = G - abstand * i;
            f.Linie(Px(GitterLinks), Px(y), Px(AchseRechts), Px(y));
            const int64_t wert = int64_t{EW_Unten} + 10 * i * int64_t{EW_Schritt};
            const std::string text = Literpreis() ? Preis(wert) : Km(wert * 0.01L);
            f.Text(Px(GitterLinks) - f.TextBreite(text) - 3, Px(y) - Z / 2, text);
        }
        SchriftFarbe(f, Schwarz);
    }

    void Rahmen(int platz)
    {
        const TPlatzKanten k = PlatzKanten(Art, platz);
        const int oben = Px(RahmenOben);
        const int unten = Px(UntenText + Z + 2);
        f.StiftSetzen(Farbe(Rahmenfarbe));
        f.Linie(k.Links, oben, k.Rechts, oben);
        f.Linie(k.Rechts, oben, k.Rechts, unten);
        f.Linie(k.Rechts, unten, k.Links, unten);
        f.Linie(k.Links, unten, k.Links, oben);
        f.StiftSetzen(Schwarz);
    }

    void Balken(int32_t x, const TEntwicklungsWert &w)
    {
        const uint32_t farbe = Farbe(Balkenfarbe);
        f.StiftSetzen(farbe);
        f.PinselSetzen(farbe);
        f.Rechteck(Px(x - Geo.Halbbreite), Zeitachse(), Px(x + Geo.Halbbreite), Px(G - PunktHoehe(w)));
        f.StiftSetzen(Schwarz);
        f.PinselSetzen(Weiss);
    }

    // The previous point of the line, x 0 before the first.
    int VorherX = 0, VorherY = 0;

    void Linienpunkt(int32_t x, const TEntwicklungsWert &w)
    {
        const int px = Px(x), py = Px(G - PunktHoehe(w));
        if (VorherX > 0) {
            f.StiftSetzen(Farbe(Linienfarbe));
            f.Linie(VorherX, VorherY, px, py);
        }
        f.StiftSetzen(Schwarz);
        f.Linie(px - 2, py - 2, px + 3, py + 3);
        f.Linie(px - 2, py + 2, px + 3, py - 3);
        VorherX = px;
        VorherY = py;
    }

    void Punktbeschriftung(int32_t x, const TEntwicklungsWert &w)
    {
        if (Literpreis()) {
            SchriftFarbe(f, Farbe(Wertefarbe));
            TextZentriert(f, x, ObenText, Preis(w.Literpreis));
            SchriftFarbe(f, Schwarz);
            TextZentriert(f, x, UntenText, w.Bezeichnung);
            return;
        }
        TextZentriert(f, x, ObenText, Km(w.Reichweite));
        // The dates on the slot edges, where one value's end meets the
        // next one's start.
        const std::string bis = DatumText(w.RW_BisDatum);
        const int links = Px(x + Geo.Abstand / 2) - f.TextBreite(bis) / 2;
        f.Text(links, Px(UntenText) - Z, bis);
        f.Text(links - Px(Geo.Abstand), Px(UntenText) - Z, DatumText(w.RW_VonDatum));
        if (RW_Ansicht > 1)
            TextZentriert(f, x, UntenText, w.RW_Bezeichnung);
    }

    void Hinweis(const TEntwicklungsWert &erster)
    {
        const int32_t x = Geo.ErsterX;
        const int spitze = Px(G - PunktHoehe(erster));
        f.StiftSetzen(Schwarz);
        SchriftFarbe(f, Schwarz);

        const int unten = Px(UntenText) + Z / 2;
        f.Linie(Px(x), Art == Liniendiagramm ? spitze : Zeitachse(), Px(x), unten);
        f.Linie(Px(x), unten, Px(x + 10), unten);
        f.Text(Px(x + 12), Px(UntenText), Literpreis() ? erster.Bezeichnung : erster.RW_Bezeichnung);

        const int oben = Px(ObenText) + Z / 2;
        f.Linie(Px(x), spitze, Px(x), oben);
        f.Linie(Px(x), oben, Px(x + 10), oben);
        if (Literpreis()) {
            SchriftFarbe(f, Farbe(Wertefarbe));
            f.Text(Px(x + 12), Px(ObenText), Preis(erster.Literpreis));
            SchriftFarbe(f, Schwarz);
        } else {
            f.Text(Px(x + 12), Px(ObenText), "Reichweite : " + Km(erster.Reichweite));
        }
    }

    void Durchschnitt()
    {
        const int64_t a = Literpreis()
                              ? Hoehe(DurchschnittsLiterpreis)
                              : Hoehe(RundeI32(Reichweite(Tankinhalt * 100.0L, DurchschnittsVerbrauchRW)));
        const int64_t y = G - a;
        const uint32_t farbe = Farbe(Durchschnittsfarbe);
        f.StiftSetzen(farbe);
        SchriftFarbe(f, farbe);
        f.Linie(Px(AchseX), Px(y), Px(SchnittRechts), Px(y));
        f.Text(Px(SchnittText), Px(y - Z), "Durchschnitt:");
        if (Literpreis()) {
            SchriftFarbe(f, Farbe(Wertefarbe));
            f.Text(Px(SchnittText), Px(y), Preis(DurchschnittsLiterpreis));
        } else {
            f.Text(Px(SchnittText), Px(y), Km(DurchschnittsReichweite()));
        }
        f.StiftSetzen(Schwarz);
        SchriftFarbe(f, Schwarz);
    }
};

uint8_t GueltigeArt(uint8_t art)
{
    return art <= Liniendiagramm ? art : uint8_t{BreiteBalken};
}

}   // namespace

TDiagrammGeometrie DiagrammGeometrie(uint8_t art)
{
    return Geometrien[GueltigeArt(art)];
}

int32_t PlatzMitte(uint8_t art, int platz)
{
    const TDiagrammGeometrie g = DiagrammGeometrie(art);
    return g.ErsterX + (platz - 1) * g.Abstand;
}

TPlatzKanten PlatzKanten(uint8_t art, int platz)
{
    const TDiagrammGeometrie g = DiagrammGeometrie(art);
    const int rechts = Px(PlatzMitte(art, platz) + g.Abstand / 2);
    return {rechts - Px(g.Abstand), rechts};
}

int32_t Grundlinie(uint8_t entwicklungsArt, int zeilenhoehe)
{
    const int zeilen = entwicklungsArt == 2 ? 2 : 1;
    return 275 - (zeilen * zeilenhoehe + 5);
}

TEntwicklungsFenster EntwicklungsFensterOeffnen(uint8_t art)
{
    TEntwicklungsFenster fenster;
    fenster.Diagrammart = GueltigeArt(art);
    fenster.ErsterSichtbarer = 1;
    fenster.GewaehlterWert = std::max<int32_t>(static_cast<int32_t>(AnzahlEntwicklungswerte()), 1);
    return fenster;
}

void DiagrammartWechseln(TEntwicklungsFenster &fenster, uint8_t art)
{
    fenster.Diagrammart = GueltigeArt(art);
    fenster.ErsterSichtbarer = 1;
}

void EntwicklungsFensterNachfuehren(TEntwicklungsFenster &fenster)
{
    const int32_t anzahl = std::max<int32_t>(static_cast<int32_t>(AnzahlEntwicklungswerte()), 1);
    const int32_t plaetze = DiagrammGeometrie(fenster.Diagrammart).PunkteJeBild;
    fenster.GewaehlterWert = std::clamp<int32_t>(fenster.GewaehlterWert, 1, anzahl);
    fenster.ErsterSichtbarer = std::clamp<int32_t>(fenster.ErsterSichtbarer, 1, anzahl);
    if (fenster.ErsterSichtbarer > fenster.GewaehlterWert)
        fenster.ErsterSichtbarer = fenster.GewaehlterWert;
    if (fenster.ErsterSichtbarer + plaetze - 1 < fenster.GewaehlterWert)
        fenster.ErsterSichtbarer = fenster.GewaehlterWert - (plaetze - 1);
    fenster.GewaehlterPlatz = static_cast<uint8_t>(fenster.GewaehlterWert - fenster.ErsterSichtbarer + 1);
}

TEntwicklungsInfo ZeichneEntwicklungsGrafik(TZeichenflaeche &flaeche, TEntwicklungsFenster &fenster)
{
    TZeichenflaeche &f = flaeche;
    f.PinselSetzen(Weiss);
    f.StiftSetzen(Schwarz);
    TSchrift schrift;
    schrift.Name = "Arial";
    schrift.Groesse = 8;
    schrift.Farbe = Schwarz;
    f.SchriftSetzen(schrift);
    f.FlaecheFuellen(0, 0, f.Breite(), f.Hoehe());

    const int z = f.TextHoehe("Hg");
    TZeichnung zeichnung{f, z, Grundlinie(EntwicklungsArt, z), DiagrammGeometrie(fenster.Diagrammart),
                         GueltigeArt(fenster.Diagrammart)};
    zeichnung.Achsen();
    zeichnung.Gitter();

    TEntwicklungsInfo info;
    const int32_t anzahl = static_cast<int32_t>(AnzahlEntwicklungswerte());
    if (anzahl == 0)
        return info;

    EntwicklungsFensterNachfuehren(fenster);
    zeichnung.Rahmen(fenster.GewaehlterPlatz);

    for (int k = 1; k <= zeichnung.Geo.PunkteJeBild; ++k) {
        const int32_t nr = fenster.ErsterSichtbarer + k - 1;
        if (nr > anzahl)
            break;
        const TEntwicklungsWert &w = EntwicklungsListe[size_t(nr - 1)];
        const int32_t x = PlatzMitte(zeichnung.Art, k);
        if (k == fenster.GewaehlterPlatz)
            info = EntwicklungsInfo(nr);
        if (zeichnung.Art == Liniendiagramm)
            zeichnung.Linienpunkt(x, w);
        else
            zeichnung.Balken(x, w);
        if (zeichnung.Art == BreiteBalken)
            zeichnung.Punktbeschriftung(x, w);
        f.PinselSetzen(Weiss);
    }

    if (anzahl > 1) {
        if (zeichnung.Art != BreiteBalken)
            zeichnung.Hinweis(EntwicklungsListe[size_t(fenster.ErsterSichtbarer - 1)]);
        zeichnung.Durchschnitt();
    }
    return info;
}

TEntwicklungsInfo EntwicklungsInfo(int32_t nr)
{
    TEntwicklungsInfo info;
    if (nr < 1 || nr > static_cast<int32_t>(AnzahlEntwicklungswerte()))
        return info;
    const TEntwicklungsWert &w = EntwicklungsListe[size_t(nr - 1)];
    const bool lp = Literpreis();
    info.Wert = lp ? "Literpreis : " + PreisText(w.Literpreis) : "Reichweite : " + Km(w.Reichweite);
    // The series gives no change to the average for a single point.
    const std::string d = VeraenderungZumDurchschnitt(static_cast<uint32_t>(nr));
    if (!d.empty())
        info.ZumDurchschnitt = "Veränderung zum Durchschnitt: " + d;
    const std::string v = VeraenderungZumVorgaenger(static_cast<uint32_t>(nr));
    if (!v.empty())
        info.ZumVorgaenger = "Veränderung zum Vorgänger: " + v;
    static const char *const praefix[4] = {"Datum : ", "Monat : ", "Quartal : ", "Jahr : "};
    const uint8_t ansicht = lp ? LP_Ansicht : RW_Ansicht;
    info.Zeitraum = std::string(praefix[ansicht >= 1 && ansicht <= 4 ? ansicht - 1 : 0]) +
                    (lp ? w.Bezeichnung : w.RW_Bezeichnung);
    return info;
}

std::string EntwicklungsZaehler(int32_t position)
{
    return ZahlMitPunkten(position, 1) + " / " + ZahlMitPunkten(AnzahlEntwicklungswerte(), 1);
}

int EntwicklungsPlatzBei(uint8_t art, int x)
{
    int platz = 0;
    for (int k = 1; k <= DiagrammGeometrie(art).PunkteJeBild; ++k) {
        const TPlatzKanten kanten = PlatzKanten(art, k);
        if (kanten.Links <= x && x <= kanten.Rechts)
            platz = k;
    }
    return platz;
}

int32_t EntwicklungsPlatzWaehlen(const TEntwicklungsFenster &fenster, int platz)
{
    if (platz < 1)
        return fenster.GewaehlterWert;
    const int32_t neu = fenster.GewaehlterWert + (platz - fenster.GewaehlterPlatz);
    if (neu > static_cast<int32_t>(AnzahlEntwicklungswerte()))
        return fenster.GewaehlterWert;
    return neu;
}
