#include "Entwicklung.h"

#include "consumption/Verbrauchswerte.h"
#include "core/Cp1252.h"
#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Monate.h"
#include "core/Zusatz1.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

TEntwicklungsListe EntwicklungsListe;
uint8_t EntwicklungsArt = 1;
long double EW_Minimum = 0;
long double EW_Maximum = 0;
uint16_t DurchschnittsLiterpreis = 0;
long double DurchschnittsVerbrauchRW = 0;
int32_t EW_Schritt = 1;
int32_t EW_Unten = 0;

namespace {

constexpr size_t KapazitaetBezeichnung = 25;

bool IstReichweite()
{
    return EntwicklungsArt == 2;
}

int32_t AufI32(int64_t wert)
{
    return static_cast<int32_t>(std::clamp<int64_t>(wert, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
}

// Strecke is an i32 field; a merged group of absurd distances from a damaged
// file stops at its ends instead of wrapping around.
int32_t StreckePlus(int32_t a, int32_t b)
{
    return AufI32(static_cast<int64_t>(a) + b);
}

long double DurchschnittAus(long double literVerbraucht, int64_t strecke)
{
    return strecke == 0 ? 0.0L : literVerbraucht * 100.0L / static_cast<long double>(strecke);
}

bool ImZeitraum(const TTankFuellung &f, uint8_t zeitraumwahl, const TDatum &von, const TDatum &bis)
{
    if (zeitraumwahl != 2)
        return true;
    return DatumVergleich(von, f.Datum) <= 0 && DatumVergleich(f.Datum, bis) <= 0;
}

void Nummerieren()
{
    for (size_t i = 0; i < EntwicklungsListe.size(); ++i)
        EntwicklungsListe[i].Nr = static_cast<uint32_t>(i + 1);
}

void Zusammenfassen(uint8_t ansicht)
{
    if (ansicht == 2)
        FasseEntwicklungZusammen(true);
    else if (ansicht == 3 || ansicht == 4)
        FasseEntwicklungZusammen(false);
}

}   // namespace

void EntwicklungsListeLoeschen()
{
    EntwicklungsListe.clear();
    EntwicklungsListe.shrink_to_fit();
}

void EntwicklungsZustandZuruecksetzen()
{
    EntwicklungsListeLoeschen();
    EntwicklungsArt = 1;
    EW_Minimum = 0;
    EW_Maximum = 0;
    DurchschnittsLiterpreis = 0;
    DurchschnittsVerbrauchRW = 0;
    EW_Schritt = 1;
    EW_Unten = 0;
}

void ErmittleLiterpreisEntwicklung()
{
    EntwicklungsListeLoeschen();
    EntwicklungsArt = 1;
    // Every fill-up of the time counts, from the very first, full or not.
    for (const TTankFuellung &f : Fuellungen) {
        if (!ImZeitraum(f, LP_Zeitraumwahl, LP_Von, LP_Bis))
            continue;
        TEntwicklungsWert w;
        w.Nr = static_cast<uint32_t>(EntwicklungsListe.size() + 1);
        w.Datum = f.Datum;
        w.Bezeichnung = DatumText(f.Datum);
        w.Literpreis = f.LiterPreis;
        w.Liter = f.Liter;
        w.Betrag = f.Betrag;
        EntwicklungsListe.push_back(std::move(w));
    }
    if (EntwicklungsListe.empty())
        return;
    Zusammenfassen(LP_Ansicht);
    BerechneEntwicklungsStatistik();
}

void ErmittleReichweitenEntwicklung()
{
    EntwicklungsListeLoeschen();
    EntwicklungsArt = 2;
    // The consumption values are built as the consumption analysis builds
    // them, but into a list of their own: the consumption window's values
    // stay as they are.
    const uint8_t zeitraumwahl = RW_Zeitraumwahl;
    const TDatum von = RW_Von;
    const TDatum bis = RW_Bis;
    long double startKorrektur = 0;
    VerbrauchswerteBilden(
        [&](const TTankFuellung &f) { return ImZeitraum(f, zeitraumwahl, von, bis); },
        [](TVerbrauchsWert &&v) {
            TEntwicklungsWert w;
            w.Nr = static_cast<uint32_t>(EntwicklungsListe.size() + 1);
            w.RW_VonDatum = v.VonDatum;
            w.RW_BisDatum = v.BisDatum;
            w.RW_Bezeichnung =
                Zeichenweise(DatumText(v.VonDatum) + " bis " + DatumText(v.BisDatum), KapazitaetBezeichnung);
            w.Strecke = v.Strecke;
            w.LiterVerbraucht = v.LiterVerbraucht;
            w.Durchschnitt = v.Durchschnitt;
            w.Reichweite = Reichweite(Tankinhalt, w.Durchschnitt);
            EntwicklungsListe.push_back(std::move(w));
        },
        startKorrektur);
    if (EntwicklungsListe.empty())
        return;
    Zusammenfassen(RW_Ansicht);
    BerechneEntwicklungsStatistik();
}

void FasseEntwicklungZusammen(bool monatsnamen)
{
    const bool reichweite = IstReichweite();
    const bool jahresweise = (reichweite ? RW_Ansicht : LP_Ansicht) == 4;

    TEntwicklungsListe ergebnis;
    // Neighbouring points mostly share their month, so the label is built
    // only when month or year change.
    bool bekannt = false;
    TDatum letztesDatum;
    std::string bezeichnung;
    for (TEntwicklungsWert &w : EntwicklungsListe) {
        const TDatum &d = reichweite ? w.RW_BisDatum : w.Datum;
        if (!bekannt || d.Jahr != letztesDatum.Jahr || (!jahresweise && d.Monat != letztesDatum.Monat)) {
            const std::string jahr = std::to_string(d.Jahr);
            bezeichnung = jahresweise ? "Das Jahr " + jahr : ZeitraumName(d.Monat, monatsnamen) + " " + jahr;
            bezeichnung = Zeichenweise(bezeichnung, KapazitaetBezeichnung);
            letztesDatum = d;
            bekannt = true;
        }
        if (!ergebnis.empty() && (reichweite ? ergebnis.back().RW_Bezeichnung : ergebnis.back().Bezeichnung) == bezeichnung) {
            TEntwicklungsWert &v = ergebnis.back();
            if (reichweite) {
                v.RW_BisDatum = w.RW_BisDatum;
                v.Strecke = StreckePlus(v.Strecke, w.Strecke);
                v.LiterVerbraucht = v.LiterVerbraucht + w.LiterVerbraucht;
                v.Durchschnitt = DurchschnittAus(v.LiterVerbraucht, v.Strecke);
                v.Reichweite = Reichweite(Tankinhalt, v.Durchschnitt);
            } else {
                // A litre-weighted price of the group; its date stays the first one's.
                v.Liter = v.Liter + w.Liter;
                v.Betrag = v.Betrag + w.Betrag;
                v.Literpreis = LiterPreisBerechnen(v.Betrag, v.Liter);
            }
        } else {
            (reichweite ? w.RW_Bezeichnung : w.Bezeichnung) = bezeichnung;
            ergebnis.push_back(std::move(w));
        }
    }
    EntwicklungsListe = std::move(ergebnis);
    Nummerieren();
}

void BerechneEntwicklungsStatistik()
{
    const bool reichweite = IstReichweite();
    DurchschnittsLiterpreis = 0;
    DurchschnittsVerbrauchRW = 0;
    EW_Minimum = 0;
    EW_Maximum = 0;
    if (!EntwicklungsListe.empty()) {
        EW_Minimum = EntwicklungsGroesse(EntwicklungsListe.front());
        EW_Maximum = EW_Minimum;
    }
    long double summeBetrag = 0;
    long double summeLiter = 0;
    int64_t summeStrecke = 0;
    for (const TEntwicklungsWert &w : EntwicklungsListe) {
        const long double g = EntwicklungsGroesse(w);
        if (g < EW_Minimum)
            EW_Minimum = g;
        if (g > EW_Maximum)
            EW_Maximum = g;
        if (reichweite) {
            summeStrecke += w.Strecke;
            summeLiter = summeLiter + w.LiterVerbraucht;
        } else {
            summeBetrag = summeBetrag + w.Betrag;
            summeLiter = summeLiter + w.Liter;
        }
    }
    if (reichweite)
        DurchschnittsVerbrauchRW = DurchschnittAus(summeLiter, summeStrecke);
    else
        DurchschnittsLiterpreis = LiterPreisBerechnen(summeBetrag, summeLiter);

    const TEntwicklungsSkala skala = EntwicklungsSkala(reichweite, EW_Minimum, EW_Maximum);
    EW_Schritt = skala.Schritt;
    EW_Unten = skala.Unten;
}

TEntwicklungsSkala EntwicklungsSkala(bool reichweite, long double minimum, long double maximum)
{
    // The axis scale in whole units (thousandths of a euro, or hundredths of
    // a km); 64 bits so that absurd ranges from a damaged file cannot
    // overflow on the way.
    const int64_t spanne = reichweite ? RundeI32(maximum * 100.0L - minimum * 100.0L)
                                      : RundeI32(maximum - minimum);
    int64_t schritt = spanne / 40 + 1;
    if (spanne % 40 == 0)
        schritt -= 1;
    schritt = std::max<int64_t>(schritt, 1);
    int64_t unten;
    if (reichweite) {
        // The pad is taken off as it is, in hundredths of a km, not in steps.
        const int64_t rand = RundeI32(static_cast<long double>(40 - spanne / schritt) * 0.5L);
        unten = RundeI32(minimum * 100.0L) - rand - 5 * schritt;
        unten = (unten / 10) * 10;
        unten = std::max<int64_t>(unten, 0);
    } else {
        unten = RundeI32(minimum);
        if (spanne == 0)
            unten -= 20;
        else if (spanne <= 20)
            unten -= 10;
    }
    return {AufI32(schritt), AufI32(unten)};
}

int64_t SkalaEinheiten(const TEntwicklungsSkala &skala, int64_t wert)
{
    const int64_t schritt = std::max<int32_t>(skala.Schritt, 1);
    return wert / schritt - int64_t{skala.Unten} / schritt;
}

void ReichweitenNeuBerechnen()
{
    for (TEntwicklungsWert &w : EntwicklungsListe)
        w.Reichweite = Reichweite(Tankinhalt, w.Durchschnitt);
    BerechneEntwicklungsStatistik();
}

long double DurchschnittsReichweite()
{
    return Reichweite(Tankinhalt, DurchschnittsVerbrauchRW);
}

long double EntwicklungsGroesse(const TEntwicklungsWert &w)
{
    return IstReichweite() ? w.Reichweite : static_cast<long double>(w.Literpreis);
}

long double EntwicklungsDurchschnitt()
{
    return IstReichweite() ? DurchschnittsReichweite() : static_cast<long double>(DurchschnittsLiterpreis);
}

bool VeraenderungProzent(long double wert, long double basis, long double &prozent)
{
    prozent = 0;
    if (basis == 0 || std::isnan(basis) || std::isnan(wert))
        return false;
    prozent = (wert - basis) * 100.0L / basis;
    return true;
}

std::string VeraenderungText(long double prozent)
{
    return (prozent > 0 ? "+" : "") + Format("%4.2n%%", {prozent});
}

std::string VeraenderungZumDurchschnitt(uint32_t nr)
{
    if (EntwicklungsListe.size() < 2 || nr < 1 || nr > EntwicklungsListe.size())
        return {};
    long double prozent = 0;
    if (!VeraenderungProzent(EntwicklungsGroesse(EntwicklungsListe[nr - 1]), EntwicklungsDurchschnitt(), prozent))
        return {};
    return VeraenderungText(prozent);
}

std::string VeraenderungZumVorgaenger(uint32_t nr)
{
    if (nr < 2 || nr > EntwicklungsListe.size())
        return {};
    long double prozent = 0;
    if (!VeraenderungProzent(EntwicklungsGroesse(EntwicklungsListe[nr - 1]),
                             EntwicklungsGroesse(EntwicklungsListe[nr - 2]), prozent))
        return {};
    return VeraenderungText(prozent);
}

std::string EntwicklungsDruckUeberschrift()
{
    const bool reichweite = EntwicklungsArt == 2;
    if ((reichweite ? RW_Zeitraumwahl : LP_Zeitraumwahl) != 2)
        return "Entwicklung über alle Jahre";
    return "Entwicklung zwischen " + MonatsText(reichweite ? RW_Von : LP_Von) + " und " +
           MonatsText(reichweite ? RW_Bis : LP_Bis) + ".";
}

std::string EntwicklungsDruckHinweis()
{
    switch (EntwicklungsArt == 2 ? RW_Ansicht : LP_Ansicht) {
    case 2:
        return "Die Daten sind nach Monaten zusammengefasst.";
    case 3:
        return "Die Daten sind quartalsweise zusammengefasst.";
    case 4:
        return "Die Daten sind nach Jahren zusammengefasst.";
    default:
        return {};
    }
}
