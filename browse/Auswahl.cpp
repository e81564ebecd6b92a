#include "Auswahl.h"

#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Monate.h"
#include "core/Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <algorithm>
#include <vector>

TTankListe AuswahlListe;

void AuswahlZustandZuruecksetzen()
{
    ListeLoeschen(AuswahlListe);
}

namespace {

bool TankstelleGewaehlt(const TTankFuellung &f)
{
    switch (TankstellenAuswahl) {
    case 2:
        return f.TankstellenNr == AuswahlTankstelleNr;
    case 3:
        // An empty word would be found everywhere; the user asked for
        // stations with a word in their name, and there is none.
        return !AuswahlWort.empty() && TextEnthalten(f.Tankstelle, AuswahlWort, false);
    default:
        return true;
    }
}

bool ZeitGewaehlt(const TTankFuellung &f)
{
    switch (JahresAuswahl) {
    case 1:
        return f.Datum.Jahr == AktuellesJahr;
    case 2:
        return f.Datum.Jahr == AuswahlJahr;
    case 3:
        return DatumVergleich(AuswahlVon, f.Datum) <= 0 && DatumVergleich(f.Datum, AuswahlBis) <= 0;
    default:
        return true;
    }
}

// The key of the sort as one comparable value; the litre price counts as
// the unsigned number it is stored as.
long double Schluessel(const TTankFuellung &f, uint8_t sortierung)
{
    switch (sortierung) {
    case 2:
        return f.Betrag;
    case 3:
        return f.Liter;
    case 4:
        return f.LiterPreis;
    default:
        return f.KMStand;
    }
}

std::string AmBeiKm(const TTankFuellung &f)
{
    return " am " + DatumText(f.Datum) + " bei KM " + ZahlMitPunkten(f.KMStand, 1);
}

} // namespace

void AuswahlBilden()
{
    ListeLoeschen(AuswahlListe);
    const auto gewaehlt = [](const TTankFuellung &f) { return TankstelleGewaehlt(f) && ZeitGewaehlt(f); };
    // Counted first, so that a selection of a million copies is allocated
    // once and no larger than it needs.
    AuswahlListe.reserve(static_cast<size_t>(std::count_if(Fuellungen.begin(), Fuellungen.end(), gewaehlt)));
    for (const TTankFuellung &f : Fuellungen)
        if (gewaehlt(f))
            AuswahlListe.push_back(f);
}

void AuswahlSortieren(TTankListe &liste, uint8_t sortierung, bool umgekehrt)
{
    // Sorting (key, odometer, position) gives the order of exchanging
    // neighbours until none is out of place, without its quadratic time:
    // the position keeps equal entries in their order. The small entries
    // are sorted and the records moved once.
    struct TEintrag {
        long double Schluessel;
        int32_t KMStand;
        uint32_t Position;
    };
    const uint8_t s = sortierung >= 1 && sortierung <= 4 ? sortierung : 1;
    std::vector<TEintrag> eintraege;
    eintraege.reserve(liste.size());
    for (size_t i = 0; i < liste.size(); ++i)
        eintraege.push_back({Schluessel(liste[i], s), liste[i].KMStand, static_cast<uint32_t>(i)});
    const auto vor = [umgekehrt](const TEintrag &a, const TEintrag &b) {
        if (a.Schluessel != b.Schluessel)
            return umgekehrt ? a.Schluessel > b.Schluessel : a.Schluessel < b.Schluessel;
        if (a.KMStand != b.KMStand)
            return umgekehrt ? a.KMStand > b.KMStand : a.KMStand < b.KMStand;
        return a.Position < b.Position;
    };
    if (std::is_sorted(eintraege.begin(), eintraege.end(), vor))
        return;
    std::sort(eintraege.begin(), eintraege.end(), vor);
    TTankListe sortiert;
    sortiert.reserve(liste.size());
    for (const TEintrag &e : eintraege)
        sortiert.push_back(std::move(liste[e.Position]));
    liste.swap(sortiert);
}

void AuswahlSortieren()
{
    AuswahlSortieren(AuswahlListe, FuellungsSortierung, FuellungenUmgekehrt);
}

std::string AuswahlText()
{
    std::string text;
    switch (TankstellenAuswahl) {
    case 2:
        if (AuswahlTankstelleNr >= 0 && AuswahlTankstelleNr < AnzahlTankstellen)
            text = "Nur die Tankstelle '" + Tankstellen[AuswahlTankstelleNr] + "'";
        else
            text = "Nur die sonstigen Tankstellen";
        break;
    case 3:
        text = "Nur Tankstellen, die das Wort '" + AuswahlWort + "' enthalten";
        break;
    default:
        text = "Alle Tankstellen";
        break;
    }
    text += " aus ";
    switch (JahresAuswahl) {
    case 1:
        text += "diesem Jahr.";
        break;
    case 2:
        text += "dem Jahr " + std::to_string(AuswahlJahr) + ".";
        break;
    case 3:
        text += "dem Zeitraum von " + MonatsText(AuswahlVon) + " bis " + MonatsText(AuswahlBis) + ".";
        break;
    default:
        text += "allen Jahren.";
        break;
    }
    return text;
}

std::string SortierungsText(uint8_t sortierung, bool umgekehrt)
{
    std::string text = umgekehrt ? "Absteigend sortiert nach " : "Aufsteigend sortiert nach ";
    switch (sortierung) {
    case 2:
        return text + "Betrag";
    case 3:
        return text + "getankter Menge.";
    case 4:
        return text + "Literpreis.";
    default:
        return text + "Datum.";
    }
}

const std::array<const char *, FuellungsSpalten> FuellungsKoepfe = {
    "  Datum", " KM-Stand", "Tankstelle", "  Betrag", "Literpreis", " Liter", "Voll", " voll bei"};

std::string FuellungsZelle(const TTankFuellung &f, int spalte)
{
    switch (spalte) {
    case 0:
        return DatumText(f.Datum);
    case 1:
        return ZahlMitPunkten(f.KMStand, 10);
    case 2:
        return f.Tankstelle;
    case 3:
        return EuroText(f.Betrag);
    case 4:
        return PreisText(f.LiterPreis);
    case 5:
        return LiterText(8, f.Liter);
    case 6:
        return f.Vollgetankt ? " JA" : "NEIN";
    case 7:
        return f.Vollgetankt ? LiterText(8, f.Liter - f.LiterNachAbschaltung) : std::string("----");
    default:
        return {};
    }
}

TAuswahlZusammenfassung AuswahlZusammenfassen(const TTankListe &liste)
{
    TAuswahlZusammenfassung z;
    if (liste.empty())
        return z;
    long double summeBetrag = 0, summeLiter = 0;
    const TTankFuellung *minBetrag = &liste.front(), *maxBetrag = minBetrag;
    const TTankFuellung *minLiter = minBetrag, *maxLiter = minBetrag;
    const TTankFuellung *minPreis = minBetrag, *maxPreis = minBetrag;
    for (const TTankFuellung &f : liste) {
        summeBetrag += f.Betrag;
        summeLiter += f.Liter;
        if (f.Betrag < minBetrag->Betrag)
            minBetrag = &f;
        if (f.Betrag > maxBetrag->Betrag)
            maxBetrag = &f;
        if (f.Liter < minLiter->Liter)
            minLiter = &f;
        if (f.Liter > maxLiter->Liter)
            maxLiter = &f;
        if (f.LiterPreis < minPreis->LiterPreis)
            minPreis = &f;
        if (f.LiterPreis > maxPreis->LiterPreis)
            maxPreis = &f;
    }
    const long double n = static_cast<long double>(liste.size());
    const std::string anzahl = ZahlMitPunkten(static_cast<int64_t>(liste.size()), 1);
    const std::string preis = PreisText(LiterPreisBerechnen(summeBetrag, summeLiter));

    z.Gefunden = "Es wurden " + anzahl + " Tankfüllungen gefunden.";
    z.Gesamtbetrag = EuroText(summeBetrag);
    z.GesamtLiter = LiterText(1, summeLiter);
    z.LiterpreisGerundet = preis;
    z.GeringsterBetrag = EuroText(minBetrag->Betrag) + AmBeiKm(*minBetrag);
    z.HoechsterBetrag = EuroText(maxBetrag->Betrag) + AmBeiKm(*maxBetrag);
    z.DurchschnittBetrag = EuroText(summeBetrag / n) + Format(" bei %1.0n Tankfüllungen", {n});
    z.GeringsteMenge = LiterText(7, minLiter->Liter) + AmBeiKm(*minLiter);
    z.GroessteMenge = LiterText(7, maxLiter->Liter) + AmBeiKm(*maxLiter);
    z.DurchschnittMenge = Format("%7.2fL bei %1.0n Tankfüllungen", {summeLiter / n, n});
    z.GeringsterLiterpreis = PreisText(minPreis->LiterPreis) + AmBeiKm(*minPreis);
    z.HoechsterLiterpreis = PreisText(maxPreis->LiterPreis) + AmBeiKm(*maxPreis);
    z.DurchschnittLiterpreis = preis + " bei " + anzahl + " Tankfüllungen";
    return z;
}
