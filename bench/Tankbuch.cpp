#include "Tankbuch.h"

#include "core/Sprilo_Dek.h"

#include <array>
#include <random>
#include <utility>

namespace {

// 1.1.1950 plus 54.000 days ends in 2097: inside the valid years for any size.
constexpr int StartJahr = 1950;
constexpr int64_t SpanneTage = 54000;

const std::array<const char *, 5> Stationen = {"Aral", "Shell", "Esso", "Jet", "Total"};
const char *const UnbekannteStation = "Tankstelle unbekannt";

// mt19937_64 is the same everywhere; the library's distributions and
// std::shuffle are not, so the mapping onto ranges is done here.
class TZufall {
public:
    explicit TZufall(uint64_t startwert) : m_gen(startwert) {}
    int64_t Zahl(int64_t von, int64_t bis)
    {
        return von + static_cast<int64_t>(m_gen() % static_cast<uint64_t>(bis - von + 1));
    }

private:
    std::mt19937_64 m_gen;
};

// Days since 1.1.1970 and back (proleptic Gregorian calendar).
int64_t TageSeit1970(int jahr, int monat, int tag)
{
    jahr -= monat <= 2;
    const int64_t aera = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const int64_t jahrInAera = jahr - aera * 400;
    const int64_t tagImJahr = (153 * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const int64_t tagInAera = jahrInAera * 365 + jahrInAera / 4 - jahrInAera / 100 + tagImJahr;
    return aera * 146097 + tagInAera - 719468;
}

TDatum DatumAusTagen(int64_t tage)
{
    tage += 719468;
    const int64_t aera = (tage >= 0 ? tage : tage - 146096) / 146097;
    const int64_t tagInAera = tage - aera * 146097;
    const int64_t jahrInAera = (tagInAera - tagInAera / 1460 + tagInAera / 36524 - tagInAera / 146096) / 365;
    const int64_t tagImJahr = tagInAera - (365 * jahrInAera + jahrInAera / 4 - jahrInAera / 100);
    const int64_t mp = (5 * tagImJahr + 2) / 153;
    const int tag = static_cast<int>(tagImJahr - (153 * mp + 2) / 5 + 1);
    const int monat = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int jahr = static_cast<int>(jahrInAera + aera * 400 + (monat <= 2));
    TDatum d;
    d.Tag = static_cast<uint8_t>(tag);
    d.Monat = static_cast<uint8_t>(monat);
    d.Jahr = static_cast<uint16_t>(jahr);
    return d;
}

} // namespace

void StationslisteSetzen()
{
    for (size_t i = 0; i < Stationen.size(); ++i)
        Tankstellen[i] = Stationen[i];
    AnzahlTankstellen = static_cast<uint8_t>(Stationen.size());
}

void FahrzeugSetzen()
{
    Kennzeichen = "B-SP 2024";
    Tankinhalt = 60;
    // Not 0: loading would otherwise repair it and the load time would
    // include a consumption computation.
    Festverbrauch = 7.5L;
}

void FuellungenErzeugen(int32_t n)
{
    TZufall zufall(Startwert + static_cast<uint64_t>(n));
    const int64_t start = TageSeit1970(StartJahr, 1, 1);
    ListeLoeschen(Fuellungen);
    Fuellungen.reserve(static_cast<size_t>(n));
    int32_t km = 1000;
    for (int32_t i = 0; i < n; ++i) {
        TTankFuellung f;
        // Spread evenly over the span: several fill-ups a day for the big
        // logs, but the date never falls while the odometer rises.
        f.Datum = DatumAusTagen(start + static_cast<int64_t>(i) * SpanneTage / n);
        km += static_cast<int32_t>(zufall.Zahl(300, 900));
        f.KMStand = km;
        const int64_t station = zufall.Zahl(0, static_cast<int64_t>(Stationen.size()));
        if (station < static_cast<int64_t>(Stationen.size())) {
            f.Tankstelle = Stationen[station];
            f.TankstellenNr = static_cast<int8_t>(station);
        } else {
            f.Tankstelle = UnbekannteStation;
            f.TankstellenNr = -1;
        }
        f.AlteWaehrung = 0;
        const int64_t literHundertstel = zufall.Zahl(2500, 6000);
        const int64_t preisTausendstel = zufall.Zahl(1000, 2000);
        const int64_t betragCent = (literHundertstel * preisTausendstel + 500) / 1000;
        f.Liter = static_cast<long double>(literHundertstel) / 100.0L;
        f.Betrag = static_cast<long double>(betragCent) / 100.0L;
        f.Vollgetankt = zufall.Zahl(1, 5) == 1 ? 0 : 1;
        f.LiterNachAbschaltung = f.Vollgetankt ? static_cast<long double>(zufall.Zahl(0, 200)) / 100.0L : 0.0L;
        f.BetragNachAbschaltung = f.Betrag * f.LiterNachAbschaltung / f.Liter;
        f.LiterPreis = LiterPreisBerechnen(f.Betrag, f.Liter);
        Fuellungen.push_back(std::move(f));
    }
}

void Mischen(TTankListe &liste, uint64_t startwert)
{
    TZufall zufall(startwert);
    for (size_t i = liste.size(); i > 1; --i) {
        const size_t j = static_cast<size_t>(zufall.Zahl(0, static_cast<int64_t>(i - 1)));
        std::swap(liste[i - 1], liste[j]);
    }
}
