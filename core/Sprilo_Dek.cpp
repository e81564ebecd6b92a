#include "Sprilo_Dek.h"

#include "Cp1252.h"

#include <algorithm>
#include <cmath>

TTankListe Fuellungen;
bool DatenVorhanden = false;
bool Gespeichert = true;
bool DatenLogisch = true;
int32_t FehlerNr1 = 0;
int32_t FehlerNr2 = 0;
std::string Kennzeichen;
long double Tankinhalt = 0;
long double Festverbrauch = 0;
bool FestverbrauchAn = true;
bool WarnTonAn = true;
std::string Tankstellen[MaxTankstellen];
uint8_t AnzahlTankstellen = 0;
std::string DateiName;
std::string DatenVerzeichnis;
std::string KonfigVerzeichnis;
bool KonfigSchreibbar = false;
long double Fensterfaktor = 1;

void NeueDaten()
{
    ListeLoeschen(Fuellungen);
    DatenVorhanden = false;
    Gespeichert = true;
    DatenLogisch = true;
    FehlerNr1 = FehlerNr2 = 0;
    Kennzeichen.clear();
    Tankinhalt = 0;
    Festverbrauch = 0;
    DateiName.clear();
}

void KernZustandZuruecksetzen()
{
    NeueDaten();
    FestverbrauchAn = true;
    WarnTonAn = true;
    for (auto &t : Tankstellen)
        t.clear();
    AnzahlTankstellen = 0;
    DatenVerzeichnis.clear();
    KonfigVerzeichnis.clear();
    KonfigSchreibbar = false;
    Fensterfaktor = 1;
}

void ListeLoeschen(TTankListe &liste)
{
    liste.clear();
    liste.shrink_to_fit();
}

void FuellungAnhaengen(const TTankFuellung &fuellung)
{
    Fuellungen.push_back(fuellung);
}

namespace {

// Sorts by KMStand; equal readings keep their order, exactly as a bubble
// sort of neighbour exchanges leaves them. The records are large, so only
// (reading, position) pairs are sorted and each record is moved once.
void NachKMStandSortieren(TTankListe &liste)
{
    const size_t n = liste.size();
    std::vector<uint32_t> quelle(n);
    {
        std::vector<std::pair<int32_t, uint32_t>> schluessel(n);
        for (size_t i = 0; i < n; ++i)
            schluessel[i] = {liste[i].KMStand, static_cast<uint32_t>(i)};
        std::sort(schluessel.begin(), schluessel.end());
        for (size_t k = 0; k < n; ++k)
            quelle[k] = schluessel[k].second;
    }
    // Place k receives the record from quelle[k]: follow each cycle once.
    for (size_t start = 0; start < n; ++start) {
        if (quelle[start] == start)
            continue;
        TTankFuellung merker = std::move(liste[start]);
        size_t k = start;
        for (;;) {
            const size_t j = quelle[k];
            quelle[k] = static_cast<uint32_t>(k);
            if (j == start) {
                liste[k] = std::move(merker);
                break;
            }
            liste[k] = std::move(liste[j]);
            k = j;
        }
    }
}

} // namespace

void ListeOrdnen(TTankListe &liste, bool &ergebnis)
{
    FehlerNr1 = 0;
    FehlerNr2 = 0;
    if (!std::is_sorted(liste.begin(), liste.end(),
                        [](const TTankFuellung &a, const TTankFuellung &b) { return a.KMStand < b.KMStand; }))
        NachKMStandSortieren(liste);

    ergebnis = true;
    for (size_t i = 0; i + 1 < liste.size(); ++i) {
        if (DatumFrueher(liste[i].Datum, liste[i + 1].Datum)) {
            ergebnis = false;
            FehlerNr1 = static_cast<int32_t>(i + 1);
            FehlerNr2 = static_cast<int32_t>(i + 2);
        }
    }
}

bool DatumFrueher(const TDatum &a, const TDatum &b)
{
    if (b.Jahr != a.Jahr)
        return b.Jahr < a.Jahr;
    if (b.Monat != a.Monat)
        return b.Monat < a.Monat;
    return b.Tag < a.Tag;
}

bool KMStandVorhanden(int32_t km, int32_t ausser)
{
    if (km == ausser)
        return false;
    return std::any_of(Fuellungen.begin(), Fuellungen.end(),
                       [km](const TTankFuellung &f) { return f.KMStand == km; });
}

int TankstellenIndex(const std::string &name)
{
    // Names are compared as the file stores them: at most 40 characters.
    // Loading calls this for every record, so cut only what is too long.
    auto gekuerzt = [](const std::string &s) {
        return s.size() <= KapazitaetTankstelle ? s : Zeichenweise(s, KapazitaetTankstelle);
    };
    const std::string gesucht = gekuerzt(name);
    int index = -1;
    for (int i = 0; i < AnzahlTankstellen && i < MaxTankstellen; ++i) {
        const std::string &eintrag = Tankstellen[i];
        if (eintrag.size() <= KapazitaetTankstelle ? eintrag == gesucht : gekuerzt(eintrag) == gesucht)
            index = i;
    }
    return index;
}

bool TankstellenNrAbgleichen(TTankFuellung &fuellung)
{
    const int nr = TankstellenIndex(fuellung.Tankstelle);
    if (nr == fuellung.TankstellenNr)
        return false;
    fuellung.TankstellenNr = static_cast<int8_t>(nr);
    return true;
}

bool TankstellenNeuZuordnen(TTankListe &liste)
{
    bool geaendert = false;
    for (TTankFuellung &f : liste)
        geaendert = TankstellenNrAbgleichen(f) || geaendert;
    return geaendert;
}

long double BetragNachAbschaltungBerechnen(long double betrag, long double literNachAbschaltung, long double liter)
{
    return liter != 0 ? betrag * literNachAbschaltung / liter : 0.0L;
}

uint16_t LiterPreisBerechnen(long double betrag, long double liter)
{
    // The stored field has 16 bits. A price beyond it (or a damaged record
    // without litres) must not wrap around to a cheap one: clamp instead.
    if (liter == 0)
        return 0;
    const long double preis = std::nearbyintl(betrag / liter * 1000.0L);
    if (std::isnan(preis) || preis <= 0)
        return 0;
    if (preis >= 65535.0L)
        return 65535;
    return static_cast<uint16_t>(preis);
}
