#include "Verbrauchstexte.h"

#include "core/Format.h"
#include "core/Zusatz1.h"

#include <algorithm>

const char *const VerbrauchsKoepfe[VerbrauchsSpalten] = {
    "Von KM-Stand", "Bis KM-Stand", "   Strecke", "  Liter", "Durchschnittsverbrauch",
};

std::string VerbrauchsZelle(const TVerbrauchsWert &w, int spalte)
{
    switch (spalte) {
    case 0:
        return ZahlMitPunkten(w.VonKM, 10);
    case 1:
        return ZahlMitPunkten(w.BisKM, 10);
    case 2:
        return " " + ZahlMitPunkten(w.Strecke, 7) + " Km";
    case 3:
        // The litres consumed, not the litres tanked.
        return LiterText(8, w.LiterVerbraucht);
    case 4:
        return Format("%14.6nL/100Km", {w.Durchschnitt});
    default:
        return {};
    }
}

TVerbrauchsDetails VerbrauchsDetails(const TVerbrauchsWert &w, long double tankinhalt)
{
    TVerbrauchsDetails d;
    d.VonKM = ZahlMitPunkten(w.VonKM, 1);
    d.VonDatum = "am " + DatumText(w.VonDatum);
    d.BisKM = ZahlMitPunkten(w.BisKM, 1);
    d.BisDatum = "am " + DatumText(w.BisDatum);
    d.Strecke = ZahlMitPunkten(w.Strecke, 1) + " Km";
    d.LiterGetankt = LiterText(1, w.LiterGetankt);
    d.LiterVerbraucht = LiterText(1, w.LiterVerbraucht);
    d.Durchschnitt = Format("%8.6nL/100Km", {w.Durchschnitt});
    if (tankinhalt != 0)
        d.Fahrstrecke = Format("%7.2n KM   (mit %4.2n Liter)", {Reichweite(tankinhalt, w.Durchschnitt), tankinhalt});
    d.Tankungen = "Anzahl der einbezogenen Tankfüllungen : " + ZahlMitPunkten(w.AnzahlTankungen, 1);
    d.Kosten = "Der Gesamtbetrag von EUR" + Format(" %2.2n", {w.Betrag})
               + " entspricht einem durchschnittlichen Literpreis von " + PreisText(DurchschnittlicherLiterPreis(w))
               + " bzw. Kosten von " + Format("%2.4n", {KostenProKm(w)}) + " cent/Km";
    return d;
}

std::string VerbrauchsSortierText(int sortierung, bool umgekehrt)
{
    static const char *const schluessel[] = {
        "Datum.", "Durchschnittsverbrauch.", "gefahrene Kilometer.", "verbrauchter Litermenge.", "Kilometerpreis.",
    };
    return std::string(umgekehrt ? "Ungekehrt sortiert nach " : "Sortiert nach ")
           + schluessel[std::clamp(sortierung, 1, 5) - 1];
}

namespace {

std::string Monat(const TDatum &d)
{
    return Format("%.2d/%d", {int(d.Monat), int(d.Jahr)});
}

} // namespace

std::string VerbrauchsDruckTitel()
{
    switch (VerbrauchsAuswahl) {
    case 2:
        return "Druchschnittsverbrauch des Jahres " + std::to_string(AktuellesJahr) + ".";
    case 3:
        return "Druchschnittsverbrauch des Jahres " + std::to_string(GewaehltesJahr) + ".";
    case 4:
        return "Druchschnittsverbrauch zwischen " + Monat(ZeitraumVon) + " und " + Monat(ZeitraumBis) + ".";
    default:
        return "Druchschnittsverbrauch der letzten " + std::to_string(AnzahlVerbrauchswerte()) + " Tankfüllungen.";
    }
}

std::string VerbrauchsDruckHinweis()
{
    if (VerbrauchsAuswahl == 1)
        return {};
    switch (VerbrauchsAnsicht) {
    case 2:
        return "Die Werte sind nach Monaten zusammengefasst.";
    case 3:
        return "Die Werte sind quartalsweise zusammengefasst.";
    case 4:
        return "Die Werte sind nach Jahren zusammengefasst.";
    default:
        return {};
    }
}
