// The printed consumption report: the consumption values as a table, as a
// horizontal bar graph of their average consumption, or both (table first),
// as DruckVerbrauchsArt says.
#pragma once

#include "consumption/Verbrauchswerte.h"
#include "print/Druckseite.h"

// Prints the values of liste (in that order) on the page prepared by
// Seiteneinrichtung, from the top of a new page. The graph's scale, average
// and reference come from GesamtVerbrauch, KleinsterVerbrauch and
// HoechsterVerbrauch of that list. False when the user cancelled; the
// caller then aborts the job.
bool DruckeVerbrauchswerte(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TVerbrauchsListe &liste);
