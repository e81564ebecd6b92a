// What the list window does to the main list: checking a changed fill-up,
// telling whether a change changes anything, deleting a fill-up.
#pragma once

#include "core/Feldpruefung.h"
#include "core/Sprilo_Dek.h"

#include <cstdint>

// The texts of the change panel and what the station list shows.
struct TAenderungsEingabe {
    TFuellungsEingabe Felder;
    int GewaehlterEintrag = -1;   // entry of the station list chosen, -1 none
};

struct TAenderungsErgebnis {
    uint8_t FehlerNr = 0;         // 0, or the number of the topmost faulty field's error
    TTankFuellung Neu;
    long double Liter = 0;        // as read, for the notice of error 18
    long double VollBei = 0;
};

// Reads every input of the change panel at once. The fill-up's own old
// odometer reading alterKMStand is allowed again. When several fields are
// faulty, the one nearest the top of the panel is reported; of the litres
// and the shut-off value below them, the shut-off value's error wins, as
// it is read after the litres it is measured against.
TAenderungsErgebnis AenderungPruefen(const TAenderungsEingabe &eingabe, int32_t alterKMStand);

// True when any stored field of the two records differs.
bool DatensatzVerschieden(const TTankFuellung &a, const TTankFuellung &b);

// Puts neu in place of fill-up nr (1-based) and re-sorts the main list;
// returns the number the changed fill-up has now. Marks the data unsaved.
int32_t FuellungErsetzen(int32_t nr, const TTankFuellung &neu);

// Deletes fill-up nr (1-based): the later ones move up one number. The
// last fill-up takes the vehicle's data with it and leaves nothing to
// save. Returns true when that was the last one.
bool FuellungLoeschen(int32_t nr);
