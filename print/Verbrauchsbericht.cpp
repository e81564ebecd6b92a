#include "Verbrauchsbericht.h"

#include "Berichtsgrafik.h"
#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace {

// Entries of the colour table.
enum TBerichtsFarbe {
    BisBezug = 0,        // bar up to the reference value
    ErstesBand = 1,      // the first 20 steps above it
    ZweitesBand = 2,     // the next 20
    DarueberHinaus = 3,  // beyond
    Durchschnittsfarbe = 5,   // average lines and texts
    Festverbrauchsfarbe = 6,
    Reichweitenfarbe = 9,
};

// Far off the page is as good as anywhere there; pixel positions from a
// damaged file must not wrap.
int32_t Px(int64_t x)
{
    return static_cast<int32_t>(std::clamp<int64_t>(x, -1000000000, 1000000000));
}

// ---- the table ----------------------------------------------------------------

// Column edges of the table, measured in the report font.
struct TTabelle {
    bool MitZeitraum;
    int32_t Links;           // x0: the period column, or KM-Stand without it
    int32_t VonKM, VonDatum, BisKM, BisDatum, Strecke, Getankt;
    int32_t BetragLinks, BetragRechts, Liter, Verbrauch, KMPreis;

    void Verschieben(int32_t d, bool mitLinks)
    {
        if (mitLinks)
            Links += d;
        for (int32_t *kante : {&VonKM, &VonDatum, &BisKM, &BisDatum, &Strecke, &Getankt, &BetragLinks,
                               &BetragRechts, &Liter, &Verbrauch, &KMPreis})
            *kante += d;
    }
};

TTabelle TabellenSpalten(TZeichenflaeche &f, bool mitZeitraum)
{
    const int32_t W = Spaltenabstand;
    auto b = [&f](const char *muster) { return f.TextBreite(muster); };
    TTabelle t{};
    t.MitZeitraum = mitZeitraum;
    t.Links = 0;
    t.VonKM = b("September 1999") + W + b("123.456");
    t.VonDatum = t.VonKM + W;
    t.BisKM = t.VonDatum + b("22.09.1999") + W + b("123.456");
    t.BisDatum = t.BisKM + W;
    t.Strecke = t.BisDatum + b("22.09.1999") + W + b("123.456KM");
    t.Getankt = t.Strecke + b("23.456,78L") + W;
    t.BetragLinks = t.Getankt + W;
    t.BetragRechts = t.BetragLinks + b("DM 123.456,78");
    t.Liter = t.BetragRechts + b("23.456,78L") + W;
    t.Verbrauch = t.Liter + b("1.234,567890") + W;
    t.KMPreis = t.Verbrauch + b("1.234,5678") + W;
    // Single values have no period: the odometer column moves to the left
    // edge, where the period column began.
    if (!mitZeitraum)
        t.Verschieben(-(t.VonKM - b("KM-Stand")), false);
    t.Verschieben(TabellenLinks, true);
    // Centred on the page, or right-aligned when wider than the page, but
    // never beyond the left edge.
    int32_t d = Seitenbreite - t.KMPreis;
    if (d >= 0)
        d /= 2;
    d = std::max(d, -t.Links);
    t.Verschieben(d, true);
    return t;
}

struct TBericht {
    TBericht(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TVerbrauchsListe &liste)
        : f(drucker), fortschritt(fortschritt), liste(liste), Stift(drucker.Stift())
    {
    }

    TDruckflaeche &f;
    TDruckFortschritt &fortschritt;
    const TVerbrauchsListe &liste;
    TStift Stift;   // the report's pen, as Seiteneinrichtung set it

    void Linie(int32_t x1, int32_t y1, int32_t x2, int32_t y2) { f.Linie(x1, y1, x2, y2); }
    void Text(int32_t x, int32_t y, const std::string &text) { f.Text(x, y, text); }
    void Rechts(int32_t x, int32_t y, const std::string &text) { TextRechts(f, x, y, text); }

    void NeueSeite() { NeueDruckseite(f, fortschritt); }

    void Farbe(uint32_t farbe, int breite)
    {
        f.StiftSetzen(farbe, breite);
        DruckSchriftFarbe(f, farbe);
    }

    // ---- table ----
    void Spaltenkoepfe(const TTabelle &t)
    {
        const int32_t Z = DruckZeilenhoehe;
        const int32_t y1 = DruckZeile;
        const int32_t y2 = DruckZeile + Z;
        if (t.MitZeitraum)
            Text(t.Links, y1 + Z / 2, "Zeitraum");
        Rechts(t.VonDatum, y1, "von");
        Rechts(t.VonKM, y2, "KM-Stand");
        Text(t.VonDatum, y2, "Datum");
        Rechts(t.BisDatum, y1, "bis");
        Rechts(t.BisKM, y2, "KM-Stand");
        Text(t.BisDatum, y2, "Datum");
        const struct {
            int32_t Kante;
            const char *Oben, *Unten;
        } rechts[] = {
            {t.Strecke, "Gefahrene", "Strecke"},       {t.Getankt, "Getankte", "Liter"},
            {t.Liter, "Verbrauchte", "Litermenge"},    {t.Verbrauch, "Verbrauch", "in L/100Km"},
            {t.KMPreis, "KM-Preis", "in ct/Km"},
        };
        for (const auto &s : rechts) {
            Rechts(s.Kante, y1, s.Oben);
            Rechts(s.Kante, y2, s.Unten);
        }
        Text(Zentriert(f, "Bezahlter", t.BetragLinks, t.BetragRechts), y1, "Bezahlter");
        Text(Zentriert(f, "Betrag", t.BetragLinks, t.BetragRechts), y2, "Betrag");
        DruckZeile += 2 * Z;
        Linie(t.Links, DruckZeile, t.KMPreis, DruckZeile);
        DruckZeile += 5;
    }

    void Tabellenzeile(const TTabelle &t, const TVerbrauchsWert &w)
    {
        const int32_t y = DruckZeile;
        if (t.MitZeitraum && !w.Bezeichnung.empty())
            Text(t.Links, y, w.Bezeichnung);
        Rechts(t.VonKM, y, ZahlMitPunkten(w.VonKM, 1));
        Text(t.VonDatum, y, DatumText(w.VonDatum));
        Rechts(t.BisKM, y, ZahlMitPunkten(w.BisKM, 1));
        Text(t.BisDatum, y, DatumText(w.BisDatum));
        Rechts(t.Strecke, y, ZahlMitPunkten(w.Strecke, 1) + "Km");
        Rechts(t.Getankt, y, LiterText(1, w.LiterGetankt));
        Text(t.BetragLinks, y, "EUR");
        Rechts(t.BetragRechts, y, Format("%2.2n", {w.Betrag}));
        Rechts(t.Liter, y, LiterText(1, w.LiterVerbraucht));
        Rechts(t.Verbrauch, y, Format("%14.6n", {w.Durchschnitt}));
        Rechts(t.KMPreis, y, Format("%2.4n", {KostenProKm(w)}));
    }

    bool Tabelle()
    {
        fortschritt.Phase("Ausdruck der Verbrauchswerte  (tabellarisch)", static_cast<int>(liste.size()));
        const TTabelle t = TabellenSpalten(f, !liste.front().Bezeichnung.empty());
        Spaltenkoepfe(t);
        int zeilen = 0;   // rows on this page
        for (size_t i = 0; i < liste.size(); ++i) {
            if (zeilen > 0 && zeilen % 5 == 0) {
                Linie(t.Links, DruckZeile, t.KMPreis, DruckZeile);
                DruckZeile += 3;
            }
            Tabellenzeile(t, liste[i]);
            DruckZeile += DruckZeilenhoehe;
            ++zeilen;
            fortschritt.Position(static_cast<int>(i + 1));
            if (fortschritt.Abgebrochen())
                return false;
            if (i + 1 < liste.size() && SeiteVoll(3)) {
                NeueSeite();
                Spaltenkoepfe(t);
                zeilen = 0;
            }
        }
        return true;
    }

    // ---- graph ----
    int32_t x0 = 0, KMRechts = 0;
    int32_t G = 0;        // the graph's zero
    int32_t R = 0;        // right edge of the consumption texts
    int32_t s = 0, u = 0; // pixels per scale step, per grid unit (5 steps)
    int32_t H = 0;        // half a band
    TVerbrauchsSkala Skala;

    void GraphEinrichten()
    {
        const int32_t W = Spaltenabstand;
        x0 = LinkerRand;
        KMRechts = x0 + f.TextBreite("KM 123.456");
        G = x0 + f.TextBreite("September 1999  ");
        R = Seitenbreite - W;
        const int32_t ende = R - f.TextBreite("1.234,567890L/100Km");
        s = static_cast<int32_t>(std::trunc(static_cast<long double>((ende - G) / 24) * 0.2L));
        u = 5 * s;
        H = RundeI32(DruckZeilenhoehe * 1.5L);
        Skala = VerbrauchsSkala(KleinsterVerbrauch.Durchschnitt, HoechsterVerbrauch.Durchschnitt);
    }

    // Pixels right of G for a consumption in L/100Km.
    int64_t Stelle(long double verbrauch) const { return SkalaSchritte(Skala, verbrauch) * s; }

    // Solid lines every four grid units, dashed between them, dotted
    // between those, from y1 to y2.
    void Gitter(int32_t y1, int32_t y2, bool durchgehend)
    {
        if (durchgehend) {
            f.StiftSetzen(DruckSchwarz, 1, TStiftArt::Durchgehend);
            for (int i = 0; i <= 6; ++i)
                Linie(G + 4 * i * u, y1, G + 4 * i * u, y2);
        }
        f.StiftSetzen(DruckSchwarz, 1, TStiftArt::Gestrichelt);
        for (int i = 0; i <= 5; ++i)
            Linie(G + 2 * u + 4 * i * u, y1, G + 2 * u + 4 * i * u, y2);
        f.StiftSetzen(DruckSchwarz, 1, TStiftArt::Gepunktet);
        for (int i = 0; i <= 11; ++i)
            Linie(G + u + 2 * i * u, y1, G + u + 2 * i * u, y2);
        f.StiftSetzen(Stift);
    }

    void Skalenzeile()
    {
        const int32_t y = DruckZeile;
        const int32_t Z = DruckZeilenhoehe;
        f.StiftSetzen(DruckSchwarz, 1);
        for (int i = 0; i <= 6; ++i) {
            const int32_t x = G + 4 * i * u;
            const long double wert = (Skala.Unten + 20.0L * i * Skala.Schritt) * 0.01L;
            TextUmMitte(f, x, y, Format("%4.2nl", {wert}));
            Linie(x, y + Z, x, y + Z + H);
        }
        Gitter(y + Z, y + Z + H, false);
        f.StiftSetzen(DruckSchwarz, 1);
        Linie(G, y + H, G + 24 * u, y + H);
        f.StiftSetzen(Stift);
        if (Tankinhalt > 0) {
            const int32_t th = f.TextHoehe("Verbrauch");
            Rechts(R, y, "Verbrauch");
            DruckSchriftFarbe(f, DruckFarbe(Reichweitenfarbe));
            Rechts(R, y + th, "Reichweite bei");
            DruckSchriftFarbe(f, DruckSchwarz);
            Rechts(R, y + 2 * th, Format("%4.2nL Tankinhalt", {Tankinhalt}));
        }
        DruckZeile += H + Z;
    }

    void KMStand(int32_t y, int32_t km)
    {
        Text(x0, y, "KM");
        Rechts(KMRechts, y, ZahlMitPunkten(km, 1));
    }

    int32_t Anfang(const TVerbrauchsWert &w) const { return UmgekehrtSortiert ? w.BisKM : w.VonKM; }
    int32_t Ende(const TVerbrauchsWert &w) const { return UmgekehrtSortiert ? w.VonKM : w.BisKM; }

    // One filled piece of the bar from G + von to G + bis, negative
    // positions counting as 0.
    void Balkenstueck(int eintrag, int64_t von, int64_t bis, int32_t y1, int32_t y2)
    {
        von = std::max<int64_t>(von, 0);
        bis = std::max<int64_t>(bis, 0);
        if (bis <= von)
            return;
        const uint32_t farbe = DruckFarbe(eintrag);
        f.StiftSetzen(farbe, 1);
        f.PinselSetzen(farbe);
        f.Rechteck(Px(G + von), y1, Px(G + bis), y2);
    }

    // The bar of a consumption: up to the reference in the first colour,
    // then a new colour every four grid units above it.
    void Balken(long double verbrauch, long double bezug, int32_t oben, int32_t unten)
    {
        const TPinsel pinsel = f.Pinsel();
        const int64_t v = Stelle(verbrauch);
        const int64_t r = Stelle(bezug);
        Balkenstueck(BisBezug, 0, std::min(v, r), oben, unten);
        Balkenstueck(ErstesBand, r, std::min(v, r + 4 * u), oben, unten);
        Balkenstueck(ZweitesBand, r + 4 * u, std::min(v, r + 8 * u), oben, unten);
        Balkenstueck(DarueberHinaus, r + 8 * u, v, oben, unten);
        f.PinselSetzen(pinsel);
        f.StiftSetzen(DruckSchwarz, Stift.Breite);
        Linie(G, oben, G, unten);
    }

    void Band(const TVerbrauchsWert &w, long double bezug)
    {
        const int32_t oben = DruckZeile;
        const int32_t mitte = oben + H;
        const int32_t unten = oben + 2 * H;
        KMStand(unten, Ende(w));
        if (!w.Bezeichnung.empty())
            Text(x0, mitte, w.Bezeichnung);
        const std::string verbrauch = Format("%8.6nL/100Km", {w.Durchschnitt});
        if (Tankinhalt > 0) {
            const int32_t halb = f.TextHoehe(verbrauch) / 2;
            Rechts(R, mitte - halb, verbrauch);
            DruckSchriftFarbe(f, DruckFarbe(Reichweitenfarbe));
            Rechts(R, mitte + halb, Format("%4.2n Km", {Reichweite(Tankinhalt, w.Durchschnitt)}));
            DruckSchriftFarbe(f, DruckSchwarz);
        } else {
            Rechts(R, mitte, verbrauch);
        }
        Gitter(oben, unten + DruckZeilenhoehe, true);
        Balken(w.Durchschnitt, bezug, oben + f.TextHoehe("Wg"), unten);

        if (DruckFestverbrauchMarkieren) {
            const int64_t p = Stelle(Festverbrauch);
            if (p > 0 && p <= 120 * int64_t{s}) {
                f.StiftSetzen(DruckFarbe(Festverbrauchsfarbe), Stift.Breite);
                Linie(Px(G + p), oben, Px(G + p), unten);
            }
        }
        if (liste.size() > 1) {
            const int64_t p = Stelle(GesamtVerbrauch.Durchschnitt);
            f.StiftSetzen(DruckFarbe(Durchschnittsfarbe), Stift.Breite);
            Linie(Px(G + p), oben, Px(G + p), unten);
        }
        f.StiftSetzen(Stift);
    }

    void ReichweiteRechts(int32_t y, long double verbrauch)
    {
        if (Tankinhalt <= 0)
            return;
        DruckSchriftFarbe(f, DruckFarbe(Reichweitenfarbe));
        Rechts(R, y, Format("=> Reichweite : %4.2n Km", {Reichweite(Tankinhalt, verbrauch)}));
    }

    // Under the bands: the fixed consumption and the total average, each
    // with a line from its place in the graph to its text.
    void Legende()
    {
        const int32_t y = DruckZeile;
        if (DruckFestverbrauchMarkieren) {
            Farbe(DruckFarbe(Festverbrauchsfarbe), Stift.Breite);
            const int64_t p = Stelle(Festverbrauch);
            const int32_t hoehe = y + H + RundeI32(1.5L * H);
            if (p > 120 * int64_t{s}) {
                // Beyond the scale: an arrow pointing that way.
                Linie(G + 5, hoehe, G + 95 * s, hoehe);
                Linie(G + 95 * s, hoehe, G + 93 * s, hoehe - 2 * s);
                Linie(G + 95 * s, hoehe, G + 93 * s, hoehe + 2 * s);
            } else if (p > 0) {
                Linie(Px(G + p), y, Px(G + p), hoehe);
                Linie(Px(G + p), hoehe, G + 5, hoehe);
            }
            const int32_t textY = y + RundeI32(2.15L * H);
            Text(G, textY, Format("Eingestellter Festverbrauch : %4.2nL/100Km ", {Festverbrauch}));
            ReichweiteRechts(textY, Festverbrauch);
        }
        if (liste.size() > 1) {
            const long double schnitt = GesamtVerbrauch.Durchschnitt;
            Farbe(DruckFarbe(Durchschnittsfarbe), Stift.Breite);
            const int64_t p = Stelle(schnitt);
            const int32_t hoehe = y + H + RundeI32(0.5L * DruckZeilenhoehe);
            Linie(Px(G + p), y, Px(G + p), hoehe);
            Linie(Px(G + p), hoehe, G + 5, hoehe);
            Text(G, y + H, Format("Durchschnittlicher Gesamtverbrauch : %8.6nL/100Km ", {schnitt}));
            ReichweiteRechts(y + H, schnitt);
        }
        f.StiftSetzen(Stift);
        DruckSchriftFarbe(f, DruckSchwarz);
    }

    bool Graph()
    {
        fortschritt.Phase("Ausdruck der Verbrauchswerte  (graphisch)", static_cast<int>(liste.size()));
        GraphEinrichten();
        const long double bezug = DruckFestverbrauchMarkieren ? Festverbrauch : GesamtVerbrauch.Durchschnitt;
        Skalenzeile();
        KMStand(DruckZeile, Anfang(liste.front()));
        for (size_t i = 0; i < liste.size(); ++i) {
            Band(liste[i], bezug);
            DruckZeile += 2 * H;
            fortschritt.Position(static_cast<int>(i + 1));
            if (fortschritt.Abgebrochen())
                return false;
            if (i + 1 < liste.size() && PasstNicht(5 * H)) {
                Legende();
                NeueSeite();
                Skalenzeile();
                KMStand(DruckZeile, Anfang(liste[i + 1]));
            }
        }
        Legende();
        return true;
    }
};

}   // namespace

bool DruckeVerbrauchswerte(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TVerbrauchsListe &liste)
{
    if (liste.empty())
        return true;
    const bool tabelle = DruckVerbrauchsArt != 1;
    const bool graph = DruckVerbrauchsArt != 3;
    Spaltenabstand = drucker.TextBreite("W");
    DruckZeilenhoehe = TabellenZeilenhoehe(drucker);
    DruckSchriftFarbe(drucker, DruckSchwarz);
    Seitenkopf(drucker, fortschritt);
    TBericht bericht(drucker, fortschritt, liste);
    if (tabelle) {
        if (!bericht.Tabelle())
            return false;
        DruckZeile += 3 * DruckZeilenhoehe;
        if (graph && SeiteVoll(15))
            bericht.NeueSeite();
    }
    return !graph || bericht.Graph();
}
