#include "Entwicklungsbericht.h"

#include "Berichtsgrafik.h"
#include "charts/Entwicklung.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <cstddef>
#include <string>

namespace {

// Entries of the colour table.
enum TBerichtsFarbe {
    Balkenfarbe = 4,
    Durchschnittsfarbe = 5,
    Linienfarbe = 10,
};

// Where a change cannot be given: a single point, the first point, or an
// average of 0.
const char *const OhneVeraenderung = "-----   ";

int32_t Px(int64_t x)
{
    return static_cast<int32_t>(std::clamp<int64_t>(x, -1000000000, 1000000000));
}

std::string Preis(int64_t tausendstel)
{
    return PreisText(static_cast<uint16_t>(std::clamp<int64_t>(tausendstel, 0, 65535)));
}

std::string Km(long double km)
{
    return Format("%4.2n Km", {km});
}

std::string OderStriche(const std::string &veraenderung)
{
    return veraenderung.empty() ? OhneVeraenderung : veraenderung;
}

struct TBericht {
    TBericht(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, bool balken)
        : f(drucker), fortschritt(fortschritt), Balken(balken), Stift(drucker.Stift())
    {
    }

    TDruckflaeche &f;
    TDruckFortschritt &fortschritt;
    bool Balken;
    bool IstReichweite = EntwicklungsArt == 2;
    TStift Stift;   // the report's pen, as Seiteneinrichtung set it

    int32_t x0 = 0;
    int32_t L = 0;             // left edge of the graph
    int32_t G = 0;             // the graph's zero, two units right of L
    int32_t u = 0;             // pixels per axis unit
    int32_t GraphRechts = 0, WertRechts = 0, DurchschnittRechts = 0, VorgaengerRechts = 0;
    int Einheiten = 40;        // axis units of the scale
    int Linien = 5;            // scale labels and grid lines
    TEntwicklungsSkala Skala;

    void Einrichten()
    {
        const int32_t W = Spaltenabstand;
        x0 = LinkerRand;
        L = x0 + f.TextBreite(IstReichweite ? "15.07.2000 bis 06.09.2000  " : "September 1999  ");
        VorgaengerRechts = Seitenbreite - W;
        DurchschnittRechts = VorgaengerRechts - f.TextBreite("  +1.234,56%") - W;
        WertRechts = DurchschnittRechts - f.TextBreite("  +1.234,56%") - W;
        GraphRechts = WertRechts - f.TextBreite(IstReichweite ? "123.456,78 Km" : "12.34,5 EUR/l") - W;
        Einheiten = IstReichweite ? 50 : 40;
        Linien = IstReichweite ? 6 : 5;
        u = (GraphRechts - L) / (Einheiten + 2);
        G = L + 2 * u;
        Skala = EntwicklungsSkala(IstReichweite, EW_Minimum, EW_Maximum);
    }

    // Pixels right of G for a value in the scale's units (thousandths, or
    // hundredths of a km).
    int64_t Stelle(int64_t wert) const { return SkalaEinheiten(Skala, wert) * u; }
    int64_t Stelle(const TEntwicklungsWert &w) const
    {
        return IstReichweite ? Stelle(RundeI32(w.Reichweite * 100.0L)) : Stelle(w.Literpreis);
    }
    int64_t DurchschnittsStelle() const
    {
        return IstReichweite ? Stelle(RundeI32(Reichweite(Tankinhalt * 100.0L, DurchschnittsVerbrauchRW)))
                             : Stelle(DurchschnittsLiterpreis);
    }

    std::string Wert(const TEntwicklungsWert &w) const
    {
        return IstReichweite ? Km(w.Reichweite) : PreisText(w.Literpreis);
    }

    void Linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) { f.Linie(x1, y1, x2, y2); }
    void Text(int32_t x, int32_t y, const std::string &text) { f.Text(x, y, text); }
    void Rechts(int32_t x, int32_t y, const std::string &text) { TextRechts(f, x, y, text); }

    void Spaltenkoepfe()
    {
        const int32_t Z = DruckZeilenhoehe;
        const int32_t th = f.TextHoehe("Hg");
        f.StiftSetzen(DruckSchwarz, 1);
        int32_t y = DruckZeile;
        Text(x0, y + Z / 2, IstReichweite ? "Zeitraum" : "Datum");
        if (IstReichweite)
            Rechts(WertRechts, y, "Reichweite bei");
        else
            Text(Zentriert(f, "Literpreis", GraphRechts + Spaltenabstand, WertRechts), y, "Literpreis");
        Text(Zentriert(f, "Veränderung zum", WertRechts + Spaltenabstand, VorgaengerRechts), y, "Veränderung zum");
        y += th;
        if (IstReichweite)
            Rechts(WertRechts, y, Format("%4.2nL Tankinhalt", {Tankinhalt}));
        else
            Text(Zentriert(f, "in Euro", GraphRechts + Spaltenabstand, WertRechts), y, "in Euro");
        Rechts(DurchschnittRechts, y, "Durchschnitt");
        Rechts(VorgaengerRechts, y, "Vorgänger");
        y += th;
        Linie(x0, y, VorgaengerRechts, y);

        // The scale row.
        y += Z / 2;
        for (int i = 0; i < Linien; ++i) {
            const int32_t x = G + 10 * i * u;
            const int64_t wert = int64_t{Skala.Unten} + 10 * i * int64_t{Skala.Schritt};
            TextUmMitte(f, x, y, IstReichweite ? Km(wert * 0.01L) : Preis(wert));
            Linie(x, y + Z, x, y + 2 * Z);
        }
        const int32_t achse = y + RundeI32(1.6L * Z);
        Linie(L, achse, G + Einheiten * u, achse);
        Linie(L, achse, L, y + 2 * Z);
        DruckZeile = y + 2 * Z;
        f.StiftSetzen(Stift);
    }

    // The previous point of the line on this page.
    bool HatVorher = false;
    int32_t VorherX = 0, VorherY = 0;

    void Zeile(uint32_t nr)
    {
        const TEntwicklungsWert &w = EntwicklungsListe[nr - 1];
        const int32_t Z = DruckZeilenhoehe;
        const int32_t oben = DruckZeile;
        const int32_t unten = oben + Z;
        const std::string &bezeichnung = IstReichweite ? w.RW_Bezeichnung : w.Bezeichnung;
        if (!bezeichnung.empty())
            Text(x0, oben, bezeichnung);
        Rechts(WertRechts, oben, Wert(w));
        Rechts(DurchschnittRechts, oben, OderStriche(VeraenderungZumDurchschnitt(nr)));
        Rechts(VorgaengerRechts, oben, OderStriche(VeraenderungZumVorgaenger(nr)));

        f.StiftSetzen(DruckSchwarz, 1);
        Linie(L, oben, L, unten);
        for (int i = 0; i < Linien; ++i)
            Linie(G + 10 * i * u, oben - 1, G + 10 * i * u, unten + 1);

        const int32_t x = Px(G + Stelle(w));
        if (Balken) {
            const TPinsel pinsel = f.Pinsel();
            const uint32_t farbe = DruckFarbe(Balkenfarbe);
            const int32_t rand = RundeI32(0.2L * Z);
            f.StiftSetzen(farbe, Stift.Breite);
            f.PinselSetzen(farbe);
            f.Rechteck(L, oben + rand, std::max(x, L), unten - rand);
            f.PinselSetzen(pinsel);
            f.StiftSetzen(DruckSchwarz, Stift.Breite);
            Linie(L, oben, L, unten);
        } else {
            const int32_t y = oben + RundeI32(0.5L * f.TextHoehe("Hg"));
            if (HatVorher) {
                f.StiftSetzen(DruckFarbe(Linienfarbe), Stift.Breite);
                Linie(VorherX, VorherY, x, y);
            }
            f.StiftSetzen(DruckSchwarz, Stift.Breite);
            Linie(x - 5, y - 5, x + 6, y + 6);
            Linie(x - 5, y + 5, x + 6, y - 6);
            HatVorher = true;
            VorherX = x;
            VorherY = y;
        }
        if (AnzahlEntwicklungswerte() > 1) {
            const int32_t a = Px(G + DurchschnittsStelle());
            f.StiftSetzen(DruckFarbe(Durchschnittsfarbe), Stift.Breite);
            Linie(a, oben, a, unten);
        }
        f.StiftSetzen(Stift);
    }

    // Under the rows: a line from the average's place in the graph to its
    // text.
    void Legende()
    {
        const int32_t y = DruckZeile;
        const int32_t Z = DruckZeilenhoehe;
        const uint32_t farbe = DruckFarbe(Durchschnittsfarbe);
        f.StiftSetzen(farbe, Stift.Breite);
        DruckSchriftFarbe(f, farbe);
        const int32_t a = Px(G + DurchschnittsStelle());
        const int32_t hoehe = y + Z + RundeI32(0.5L * Z);
        Linie(a, y, a, hoehe);
        Linie(a, hoehe, G + 5, hoehe);
        Text(L, y + Z,
             IstReichweite ? "Durchschnittliche Reichweite : " + Km(DurchschnittsReichweite())
                           : "Durchschnittlicher Literpreis : " + PreisText(DurchschnittsLiterpreis));
        f.StiftSetzen(Stift);
        DruckSchriftFarbe(f, DruckSchwarz);
    }

    bool Drucken()
    {
        const size_t anzahl = EntwicklungsListe.size();
        int zeilen = 0;   // rows on this page
        for (size_t i = 0; i < anzahl; ++i) {
            if (zeilen > 0 && zeilen % 5 == 0) {
                f.StiftSetzen(DruckSchwarz, 1);
                Linie(x0, DruckZeile - 1, VorgaengerRechts, DruckZeile - 1);
                f.StiftSetzen(Stift);
                DruckZeile += 2;
            }
            const uint32_t nr = static_cast<uint32_t>(i + 1);
            Zeile(nr);
            DruckZeile += DruckZeilenhoehe;
            ++zeilen;
            fortschritt.Position(static_cast<int>(nr));
            if (fortschritt.Abgebrochen())
                return false;
            if (i + 1 < anzahl && SeiteVoll(5)) {
                Legende();
                NeueDruckseite(f, fortschritt);
                Spaltenkoepfe();
                zeilen = 0;
                HatVorher = false;
            }
        }
        Legende();
        return true;
    }
};

}   // namespace

bool DruckeEntwicklung(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, bool balken)
{
    if (EntwicklungsListe.empty())
        return true;
    const bool reichweite = EntwicklungsArt == 2;
    fortschritt.Phase(reichweite ? "Ausdruck der Reichweiten-Entwicklung" : "Ausdruck der Literpreis-Entwicklung",
                      static_cast<int>(EntwicklungsListe.size()));
    Spaltenabstand = drucker.TextBreite("W");
    DruckZeilenhoehe = RundeI32(drucker.TextHoehe("Hg") * 1.4L) + 5;
    DruckSchriftFarbe(drucker, DruckSchwarz);
    Seitenkopf(drucker, fortschritt);
    TBericht bericht(drucker, fortschritt, balken);
    bericht.Einrichten();
    bericht.Spaltenkoepfe();
    return bericht.Drucken();
}
