// libFuzzer target: any bytes as SPRILO.INI. Reading must neither crash
// nor hang, and afterwards every setting a window uses as a month, year,
// index or choice lies in its range.
#include "Gemeinsam.h"
#include "Konfiguration.h"
#include "Sprilo_Dek.h"
#include "Zustand.h"
#include "consumption/Verbrauchswerte.h"

#include <string>

namespace {

bool Monat(const TDatum &d, int tag)
{
    return d.Tag == tag && d.Monat >= 1 && d.Monat <= 12 && d.Jahr >= 1900 && d.Jahr <= 2100;
}

bool Jahr(uint16_t j)
{
    return j >= 1900 && j <= 2100;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t groesse)
{
    const std::string datei = FuzzOrdner() + KonfigDateiname;
    DateiAblegen(datei, daten, groesse);

    GlobalenZustandZuruecksetzen();
    KonfigVerzeichnis = FuzzOrdner();
    KonfigSchreibbar = true;
    KonfigurationLesen(false);

    Pruefen(AnzahlTankstellen <= MaxTankstellen);
    Pruefen(AuswahlTankstelleNr >= -1 && AuswahlTankstelleNr < AnzahlTankstellen);
    Pruefen(TankstellenAuswahl >= 1 && TankstellenAuswahl <= 3 && JahresAuswahl >= 1 && JahresAuswahl <= 4);
    Pruefen(FuellungsSortierung >= 1 && FuellungsSortierung <= 4);
    Pruefen(VerbrauchsAuswahl >= 1 && VerbrauchsAuswahl <= 4 && VerbrauchsAnsicht >= 1 && VerbrauchsAnsicht <= 4);
    Pruefen(Sortierung >= 1 && Sortierung <= 5 && (Sortierung == 1 || TabellenAnsicht));
    Pruefen(DruckVerbrauchsArt >= 1 && DruckVerbrauchsArt <= 3 && DruckTF_Auswahl >= 1 && DruckTF_Auswahl <= 3);
    Pruefen(DruckVB_Auswahl >= 1 && DruckVB_Auswahl <= 2 && DruckVB_Ansicht >= 1 && DruckVB_Ansicht <= 4);
    Pruefen(DruckTS_Auswahl >= 1 && DruckTS_Auswahl <= 2 && (DruckTS_Einzeln || DruckTS_Summe));
    Pruefen(LP_Zeitraumwahl >= 1 && LP_Zeitraumwahl <= 2 && LP_Ansicht >= 1 && LP_Ansicht <= 4);
    Pruefen(RW_Zeitraumwahl >= 1 && RW_Zeitraumwahl <= 2 && RW_Ansicht >= 1 && RW_Ansicht <= 4);
    Pruefen(LP_Diagrammart <= 2 && RW_Diagrammart <= 2);
    for (const TDatum *d : {&AuswahlVon, &ZeitraumVon, &DruckTF_Von, &DruckVB_Von, &LP_Von, &RW_Von})
        Pruefen(Monat(*d, 1));
    for (const TDatum *d : {&AuswahlBis, &ZeitraumBis, &DruckTF_Bis, &DruckVB_Bis, &LP_Bis, &RW_Bis})
        Pruefen(Monat(*d, 32));
    for (uint16_t j : {AuswahlJahr, GewaehltesJahr, DruckTF_Jahr, DruckVB_Jahr, DruckTS_Jahr, DruckTS_VonJahr,
                       DruckTS_BisJahr})
        Pruefen(Jahr(j));
    for (uint8_t farbe : Farben)
        Pruefen(farbe <= 15);
    return 0;
}
