// libFuzzer target: any bytes as a data file. Loading must neither crash
// nor hang nor run out of memory; what it accepts it must save and load
// back unchanged, and what it refuses leaves no data behind.
#include "Datendatei.h"
#include "Gemeinsam.h"
#include "Sprilo_Dek.h"
#include "Zustand.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const std::string datei = FuzzOrdner() + "FUZZ.SPR";
    const std::string kopie = FuzzOrdner() + "KOPIE.SPR";
    DateiAblegen(datei, daten, groesse);

    GlobalenZustandZuruecksetzen();
    Tankstellen[0] = "SHELL , Velmbach", Tankstellen[1] = "Aral";
    AnzahlTankstellen = 2;
    const TLadeErgebnis e = DatenLaden(datei);
    Pruefen(e.Status != TLadeStatus::NichtGeoeffnet);
    if (e.Status != TLadeStatus::Geladen) {
        Pruefen(Fuellungen.empty() && !DatenVorhanden);
        return 0;
    }
    Pruefen(DatenVorhanden && !Fuellungen.empty());
    for (size_t i = 1; i < Fuellungen.size(); ++i)
        Pruefen(Fuellungen[i - 1].KMStand <= Fuellungen[i].KMStand);

    // What was loaded goes out and comes back bit for bit.
    const TTankListe geladen = Fuellungen;
    const std::string kennzeichen = Kennzeichen;
    unlink(kopie.c_str());
    Pruefen(DatenSpeichern(kopie).Geschrieben);
    GlobalenZustandZuruecksetzen();
    Tankstellen[0] = "SHELL , Velmbach", Tankstellen[1] = "Aral";
    AnzahlTankstellen = 2;
    const TLadeErgebnis zurueck = DatenLaden(kopie);
    Pruefen(zurueck.Status == TLadeStatus::Geladen && Kennzeichen == kennzeichen);
    Pruefen(Fuellungen.size() == geladen.size());
    for (size_t i = 0; i < geladen.size(); ++i) {
        const TTankFuellung &a = geladen[i], &b = Fuellungen[i];
        Pruefen(a.KMStand == b.KMStand && a.Datum == b.Datum && a.Tankstelle == b.Tankstelle
                && a.TankstellenNr == b.TankstellenNr && a.LiterPreis == b.LiterPreis
                && a.Vollgetankt == b.Vollgetankt);
    }
    return 0;
}
