#include "Konfiguration.h"

#include "Datensatz.h"
#include "Dateisystem.h"
#include "Sprilo_Dek.h"

#include <vector>

namespace {

constexpr int OffsetAnzahlTankstellen = 257;
constexpr int OffsetTankstellen = 258;

} // namespace

void TankstellenlisteVorbelegen()
{
    for (auto &t : Tankstellen)
        t.clear();
    Tankstellen[0] = "SHELL , Velmbach";
    AnzahlTankstellen = 1;
}

bool TankstellenlisteLesen(const std::string &pfad)
{
    std::unique_ptr<TEingabe> ein = Dateisystem().Oeffnen(pfad);
    std::vector<uint8_t> satz(KonfigGroesse);
    size_t gelesen = 0;
    if (ein) {
        gelesen = ein->Lesen(satz.data(), satz.size());
        if (ein->Fehler())
            gelesen = 0;
    }
    // A whole record of either version; the station list sits at the same
    // place in both.
    if (gelesen < static_cast<size_t>(AlteKonfigGroesse) || satz[OffsetAnzahlTankstellen] > MaxTankstellen) {
        TankstellenlisteVorbelegen();
        return false;
    }
    for (auto &t : Tankstellen)
        t.clear();
    AnzahlTankstellen = satz[OffsetAnzahlTankstellen];
    for (int i = 0; i < MaxTankstellen; ++i)
        Tankstellen[i] = TextfeldLesen(satz.data() + OffsetTankstellen + i * (KapazitaetTankstelle + 1),
                                       KapazitaetTankstelle);
    return true;
}
