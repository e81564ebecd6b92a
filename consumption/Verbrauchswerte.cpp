#include "Verbrauchswerte.h"

#include "Verbrauchsgraph.h"
#include "core/Cp1252.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

TVerbrauchsListe VerbrauchsListe;
long double StartKorrektur = 0;
TVerbrauchsWert GesamtVerbrauch;
TVerbrauchsWert KleinsterVerbrauch;
TVerbrauchsWert HoechsterVerbrauch;

uint8_t VerbrauchsAuswahl = 1;
uint16_t AktuellesJahr = 0;
uint16_t GewaehltesJahr = 0;
TDatum ZeitraumVon;
TDatum ZeitraumBis;
uint8_t VerbrauchsAnsicht = 1;

int32_t SkalaSchritt = 1;
int32_t SkalaUnten = 0;

namespace {

constexpr size_t KapazitaetBezeichnung = 20;
constexpr int MaxLetzteVolltankungen = 5;

bool IstVoll(const TTankFuellung &f)
{
    return f.Vollgetankt != 0;
}

int32_t AufI32(int64_t wert)
{
    return static_cast<int32_t>(std::clamp<int64_t>(wert, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

// Odometer readings come straight from the file; a damaged one may lie at
// either end of the i32 range, so the difference is taken in 64 bits and
// clamped to what the field can hold.
int32_t StreckeZwischen(int32_t vonKM, int32_t bisKM)
{
    return AufI32(static_cast<int64_t>(bisKM) - vonKM);
}

// The fill-up count is a 16-bit field; a huge list merged into one year must
// not wrap around to a small number, so it stops at the top.
uint16_t AnzahlPlus(uint16_t anzahl, uint32_t dazu)
{
    return static_cast<uint16_t>(std::min<uint32_t>(uint32_t(anzahl) + dazu, 65535u));
}

void DurchschnittNeu(TVerbrauchsWert &v)
{
    v.Durchschnitt = v.Strecke == 0 ? 0.0L : v.LiterVerbraucht * 100.0L / static_cast<long double>(v.Strecke);
}

// Adds fill-up f to the value that ends at it (forward builders).
void FuellungAddieren(TVerbrauchsWert &v, const TTankFuellung &f)
{
    v.BisKM = f.KMStand;
    v.BisDatum = f.Datum;
    v.Strecke = StreckeZwischen(v.VonKM, v.BisKM);
    v.AnzahlTankungen = AnzahlPlus(v.AnzahlTankungen, 1);
    v.Vollgetankt = IstVoll(f) ? 1 : 0;
    v.Betrag = v.Betrag + f.Betrag;
    v.LiterGetankt = v.LiterGetankt + f.Liter;
    v.LiterNachAbschaltungEnde = f.LiterNachAbschaltung;
    v.LiterVerbraucht = v.LiterVerbraucht + f.Liter - f.LiterNachAbschaltung;
    DurchschnittNeu(v);
}

// Adds fill-up f to the oldest value while walking backwards: the start moves
// back to f's predecessor, the end and the full flag stay.
void FuellungVorneAddieren(TVerbrauchsWert &v, const TTankFuellung &f, const TTankFuellung &vorgaenger)
{
    v.VonKM = vorgaenger.KMStand;
    v.VonDatum = vorgaenger.Datum;
    v.Strecke = StreckeZwischen(v.VonKM, v.BisKM);
    v.AnzahlTankungen = AnzahlPlus(v.AnzahlTankungen, 1);
    v.Betrag = v.Betrag + f.Betrag;
    v.LiterGetankt = v.LiterGetankt + f.Liter;
    if (IstVoll(f))
        v.LiterNachAbschaltungEnde = f.LiterNachAbschaltung;
    v.LiterVerbraucht = v.LiterVerbraucht + f.Liter - f.LiterNachAbschaltung;
    DurchschnittNeu(v);
}

void WertAnhaengen(TVerbrauchsWert &v, const TVerbrauchsWert &w)
{
    v.BisKM = w.BisKM;
    v.BisDatum = w.BisDatum;
    v.Strecke = StreckeZwischen(v.VonKM, v.BisKM);
    v.AnzahlTankungen = AnzahlPlus(v.AnzahlTankungen, w.AnzahlTankungen);
    v.Betrag = v.Betrag + w.Betrag;
    // What v pressed in above the full level is consumed within w.
    v.LiterVerbraucht = v.LiterVerbraucht + v.LiterNachAbschaltungEnde + w.LiterGetankt - w.LiterNachAbschaltungEnde;
    v.LiterNachAbschaltungEnde = w.LiterNachAbschaltungEnde;
    v.LiterGetankt = v.LiterGetankt + w.LiterGetankt;
    v.Vollgetankt = w.Vollgetankt;
    DurchschnittNeu(v);
}

// Labels values by the month, quarter or year of their end and merges
// neighbours of equal label, one value at a time, so that a builder can hand
// over each value as soon as it is complete.
class TZusammenfassung {
public:
    explicit TZusammenfassung(bool monatsnamen)
        : m_monatsnamen(monatsnamen), m_jahresweise(VerbrauchsAnsicht == 4)
    {
    }

    void Hinzufuegen(TVerbrauchsWert &&w)
    {
        // Neighbouring values mostly share their month, so the label is
        // built only when month or year change.
        if (!m_bekannt || w.BisDatum.Jahr != m_letztesDatum.Jahr
            || (!m_jahresweise && w.BisDatum.Monat != m_letztesDatum.Monat)) {
            const std::string jahr = std::to_string(w.BisDatum.Jahr);
            m_bezeichnung = m_jahresweise ? "Das Jahr " + jahr : ZeitraumName(w.BisDatum.Monat, m_monatsnamen) + " " + jahr;
            m_bezeichnung = Zeichenweise(m_bezeichnung, KapazitaetBezeichnung);
            m_letztesDatum = w.BisDatum;
            m_bekannt = true;
        }
        if (!m_ergebnis.empty() && m_ergebnis.back().Bezeichnung == m_bezeichnung) {
            WertAnhaengen(m_ergebnis.back(), w);
        } else {
            w.Bezeichnung = m_bezeichnung;
            m_ergebnis.push_back(std::move(w));
        }
    }

    TVerbrauchsListe Ergebnis() { return std::move(m_ergebnis); }

private:
    bool m_monatsnamen;
    bool m_jahresweise;
    bool m_bekannt = false;
    TDatum m_letztesDatum;
    std::string m_bezeichnung;
    TVerbrauchsListe m_ergebnis;
};

bool FuellungGewaehlt(const TTankFuellung &f)
{
    switch (VerbrauchsAuswahl) {
    case 2:
        return f.Datum.Jahr == AktuellesJahr;
    case 3:
        return f.Datum.Jahr == GewaehltesJahr;
    case 4:
        return DatumVergleich(ZeitraumVon, f.Datum) <= 0 && DatumVergleich(f.Datum, ZeitraumBis) <= 0;
    default:
        return false;
    }
}

long double Sortierschluessel(const TVerbrauchsWert &w, int sortierung)
{
    switch (sortierung) {
    case 2:
        return w.Durchschnitt;
    case 3:
        return w.Strecke;
    case 4:
        return w.LiterVerbraucht;
    case 5:
        return KostenProKm(w);
    default:
        return w.VonKM;
    }
}

// -1, 0, 1 like a comparison of numbers; NaN (only from damaged records)
// sorts above every number so that the order stays a strict weak one.
int SchluesselVergleich(long double a, long double b)
{
    const bool aNaN = std::isnan(a);
    const bool bNaN = std::isnan(b);
    if (aNaN || bNaN)
        return aNaN == bNaN ? 0 : (aNaN ? 1 : -1);
    return a < b ? -1 : (b < a ? 1 : 0);
}

}   // namespace

int32_t RundeI32(long double x)
{
    if (std::isnan(x))
        return 0;
    const long double r = std::nearbyintl(x);
    if (r <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    if (r >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

void VerbrauchsListeLoeschen()
{
    VerbrauchsListe.clear();
    VerbrauchsListe.shrink_to_fit();
}

void VerbrauchsZustandZuruecksetzen()
{
    VerbrauchsListeLoeschen();
    StartKorrektur = 0;
    GesamtVerbrauch = TVerbrauchsWert();
    KleinsterVerbrauch = TVerbrauchsWert();
    HoechsterVerbrauch = TVerbrauchsWert();
    SkalaSchritt = 1;
    SkalaUnten = 0;
    Grafikfaktor = 1;
}

void VerbrauchswerteBilden(const std::function<bool(const TTankFuellung &)> &gewaehlt,
                           const std::function<void(TVerbrauchsWert &&)> &abgeben, long double &startKorrektur)
{
    startKorrektur = 0;
    TVerbrauchsWert aktuell;
    bool begonnen = false;
    for (size_t i = 1; i < Fuellungen.size(); ++i) {
        const TTankFuellung &f = Fuellungen[i];
        if (!gewaehlt(f))
            continue;

        if (!begonnen) {
            // The first value starts at the last full fill-up before f (or at
            // the very first one); the partial fill-ups in between were
            // consumed on its way but were tanked before the selection.
            size_t s = i - 1;
            while (s > 0 && !IstVoll(Fuellungen[s])) {
                aktuell.Betrag = aktuell.Betrag + Fuellungen[s].Betrag;
                aktuell.LiterVerbraucht = aktuell.LiterVerbraucht + Fuellungen[s].Liter;
                aktuell.AnzahlTankungen = AnzahlPlus(aktuell.AnzahlTankungen, 1);
                --s;
            }
            aktuell.VonKM = Fuellungen[s].KMStand;
            aktuell.VonDatum = Fuellungen[s].Datum;
            aktuell.LiterVerbraucht = aktuell.LiterVerbraucht + Fuellungen[s].LiterNachAbschaltung;
            startKorrektur = aktuell.LiterVerbraucht;
            begonnen = true;
        } else if (aktuell.Vollgetankt) {
            TVerbrauchsWert neu;
            neu.VonKM = aktuell.BisKM;
            neu.VonDatum = aktuell.BisDatum;
            neu.LiterVerbraucht = aktuell.LiterNachAbschaltungEnde;
            abgeben(std::move(aktuell));
            aktuell = std::move(neu);
        }
        FuellungAddieren(aktuell, f);
    }
    if (begonnen)
        abgeben(std::move(aktuell));
}

void ErmittleVerbrauchswerte()
{
    VerbrauchsListeLoeschen();

    // Merged views take each value as soon as it is complete; the single
    // values of a long period never have to be held all at once.
    const bool zusammenfassen = VerbrauchsAnsicht >= 2 && VerbrauchsAnsicht <= 4;
    TZusammenfassung zusammenfassung(VerbrauchsAnsicht == 2);
    TVerbrauchsListe einzeln;
    VerbrauchswerteBilden(FuellungGewaehlt,
                          [&](TVerbrauchsWert &&w) {
                              if (zusammenfassen)
                                  zusammenfassung.Hinzufuegen(std::move(w));
                              else
                                  einzeln.push_back(std::move(w));
                          },
                          StartKorrektur);

    VerbrauchsListe = zusammenfassen ? zusammenfassung.Ergebnis() : std::move(einzeln);
}

void ErmittleLetzteVerbrauchswerte()
{
    VerbrauchsListeLoeschen();
    StartKorrektur = 0;
    // One fill-up has no start to measure from.
    if (Fuellungen.size() < 2)
        return;

    TVerbrauchsListe rueckwaerts;   // newest value first
    const TTankFuellung &letzte = Fuellungen.back();
    TVerbrauchsWert vorne;          // the oldest value built so far
    vorne.BisKM = letzte.KMStand;
    vorne.BisDatum = letzte.Datum;
    vorne.Vollgetankt = IstVoll(letzte) ? 1 : 0;
    bool belegt = false;

    size_t f = Fuellungen.size() - 1;
    int volle = 0;
    while (f > 0 && volle < MaxLetzteVolltankungen) {
        const TTankFuellung &fuellung = Fuellungen[f];
        if (IstVoll(fuellung)) {
            ++volle;
            if (belegt) {
                // This full fill-up starts the value in front; what it pressed
                // in above the full level is consumed there.
                vorne.LiterVerbraucht = vorne.LiterVerbraucht + fuellung.LiterNachAbschaltung;
                DurchschnittNeu(vorne);
                TVerbrauchsWert neu;
                neu.BisKM = vorne.VonKM;
                neu.BisDatum = vorne.VonDatum;
                rueckwaerts.push_back(std::move(vorne));
                vorne = std::move(neu);
            }
        }
        FuellungVorneAddieren(vorne, fuellung, Fuellungen[f - 1]);
        belegt = true;
        --f;
    }
    while (f > 0 && !IstVoll(Fuellungen[f])) {
        FuellungVorneAddieren(vorne, Fuellungen[f], Fuellungen[f - 1]);
        --f;
    }
    const TTankFuellung &start = Fuellungen[f];
    vorne.LiterVerbraucht = vorne.LiterVerbraucht + start.LiterNachAbschaltung;
    DurchschnittNeu(vorne);
    StartKorrektur = start.LiterNachAbschaltung;
    rueckwaerts.push_back(std::move(vorne));

    std::reverse(rueckwaerts.begin(), rueckwaerts.end());
    VerbrauchsListe = std::move(rueckwaerts);
}

void FasseVerbrauchswerteZusammen(bool monatsnamen)
{
    TZusammenfassung zusammenfassung(monatsnamen);
    for (TVerbrauchsWert &w : VerbrauchsListe)
        zusammenfassung.Hinzufuegen(std::move(w));
    VerbrauchsListe = zusammenfassung.Ergebnis();
}

void BerechneGesamtverbrauch()
{
    GesamtVerbrauch = TVerbrauchsWert();
    if (VerbrauchsListe.empty()) {
        KleinsterVerbrauch = TVerbrauchsWert();
        HoechsterVerbrauch = TVerbrauchsWert();
        BerechneGraphSkala();
        return;
    }

    const TVerbrauchsWert &erster = VerbrauchsListe.front();
    const TVerbrauchsWert &letzter = VerbrauchsListe.back();
    GesamtVerbrauch.Bezeichnung = erster.Bezeichnung;
    GesamtVerbrauch.VonKM = erster.VonKM;
    GesamtVerbrauch.VonDatum = erster.VonDatum;
    GesamtVerbrauch.BisKM = letzter.BisKM;
    GesamtVerbrauch.BisDatum = letzter.BisDatum;
    GesamtVerbrauch.Vollgetankt = letzter.Vollgetankt;
    GesamtVerbrauch.LiterNachAbschaltungEnde = letzter.LiterNachAbschaltungEnde;
    GesamtVerbrauch.Strecke = StreckeZwischen(GesamtVerbrauch.VonKM, GesamtVerbrauch.BisKM);

    size_t kleinster = 0;
    size_t hoechster = 0;
    for (size_t i = 0; i < VerbrauchsListe.size(); ++i) {
        const TVerbrauchsWert &w = VerbrauchsListe[i];
        GesamtVerbrauch.AnzahlTankungen = AnzahlPlus(GesamtVerbrauch.AnzahlTankungen, w.AnzahlTankungen);
        GesamtVerbrauch.Betrag = GesamtVerbrauch.Betrag + w.Betrag;
        GesamtVerbrauch.LiterGetankt = GesamtVerbrauch.LiterGetankt + w.LiterGetankt;
        if (w.Durchschnitt < VerbrauchsListe[kleinster].Durchschnitt)
            kleinster = i;
        if (w.Durchschnitt > VerbrauchsListe[hoechster].Durchschnitt)
            hoechster = i;
    }
    KleinsterVerbrauch = VerbrauchsListe[kleinster];
    HoechsterVerbrauch = VerbrauchsListe[hoechster];

    GesamtVerbrauch.LiterVerbraucht =
        GesamtVerbrauch.LiterGetankt - GesamtVerbrauch.LiterNachAbschaltungEnde + StartKorrektur;
    DurchschnittNeu(GesamtVerbrauch);

    BerechneGraphSkala();
}

TVerbrauchsSkala VerbrauchsSkala(long double kleinster, long double hoechster)
{
    // Integer steps as the graph uses them; 64 bits so that absurd averages
    // from a damaged file cannot overflow.
    const int64_t spanne = RundeI32((hoechster - kleinster) * 100.0L);
    int64_t schritt = spanne / 100 + 1;
    if (spanne % 100 == 0)
        schritt -= 1;
    schritt = std::max<int64_t>(schritt, 1);
    const int64_t rand = RundeI32(static_cast<long double>(100 - spanne / schritt) * 0.5L);
    int64_t unten = RundeI32(kleinster * 100.0L) - rand - 10 * schritt;
    unten = (unten / 10) * 10;
    unten = std::max<int64_t>(unten, 0);
    return {AufI32(schritt), AufI32(unten)};
}

int64_t SkalaSchritte(const TVerbrauchsSkala &skala, long double verbrauch)
{
    const int64_t schritt = std::max<int32_t>(skala.Schritt, 1);
    return int64_t{RundeI32(verbrauch * 100.0L)} / schritt - skala.Unten / schritt;
}

void BerechneGraphSkala()
{
    const TVerbrauchsSkala skala = VerbrauchsSkala(KleinsterVerbrauch.Durchschnitt, HoechsterVerbrauch.Durchschnitt);
    SkalaSchritt = skala.Schritt;
    SkalaUnten = skala.Unten;
}

void SortiereVerbrauchswerte(int sortierung, bool umgekehrt)
{
    // A stable sort with this order gives what swapping out-of-order
    // neighbours until nothing moves gives, in O(n log n). The keys are taken
    // once, so that the price per km is not divided out on every comparison.
    struct TEintrag {
        long double Schluessel;
        int32_t VonKM;
        uint32_t Index;
    };
    std::vector<TEintrag> eintraege;
    eintraege.reserve(VerbrauchsListe.size());
    for (size_t i = 0; i < VerbrauchsListe.size(); ++i)
        eintraege.push_back({Sortierschluessel(VerbrauchsListe[i], sortierung), VerbrauchsListe[i].VonKM,
                             static_cast<uint32_t>(i)});

    const bool nachKMStand = sortierung >= 2 && sortierung <= 5;
    std::stable_sort(eintraege.begin(), eintraege.end(),
                     [nachKMStand, umgekehrt](const TEintrag &a, const TEintrag &b) {
                         int v = SchluesselVergleich(a.Schluessel, b.Schluessel);
                         if (v == 0 && nachKMStand)
                             v = a.VonKM < b.VonKM ? -1 : (b.VonKM < a.VonKM ? 1 : 0);
                         return umgekehrt ? v > 0 : v < 0;
                     });

    TVerbrauchsListe sortiert;
    sortiert.reserve(VerbrauchsListe.size());
    for (const TEintrag &e : eintraege)
        sortiert.push_back(std::move(VerbrauchsListe[e.Index]));
    VerbrauchsListe = std::move(sortiert);
}

long double Reichweite(long double tankinhalt, long double durchschnitt)
{
    if (durchschnitt == 0)
        return 0;
    return tankinhalt / durchschnitt * 100.0L;
}

long double KostenProKm(const TVerbrauchsWert &w)
{
    if (w.LiterVerbraucht == 0)
        return 0;
    return w.Betrag / w.LiterVerbraucht * w.Durchschnitt;
}

uint16_t DurchschnittlicherLiterPreis(const TVerbrauchsWert &w)
{
    return LiterPreisBerechnen(w.Betrag, w.LiterVerbraucht);
}
