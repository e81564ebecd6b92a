#include "Zustand.h"

#include "Feldpruefung.h"
#include "Konfiguration.h"
#include "Sprilo_Dek.h"
#include "browse/Auswahl.h"
#include "charts/Entwicklung.h"
#include "consumption/Verbrauchswerte.h"
#include "print/Druckseite.h"
#include "print/Druckuebergabe.h"

void GlobalenZustandZuruecksetzen()
{
    KernZustandZuruecksetzen();
    EinstellungenZuruecksetzen();
    VerbrauchsZustandZuruecksetzen();
    EingabeZustandZuruecksetzen();
    AuswahlZustandZuruecksetzen();
    DruckuebergabeZuruecksetzen();
    DruckseiteZuruecksetzen();
    EntwicklungsZustandZuruecksetzen();
}
