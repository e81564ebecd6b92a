// The printed development reports of the litre price and of the range: one
// row per point of EntwicklungsListe (by EntwicklungsArt) with its value,
// its changes to the average and to its predecessor, and a horizontal bar
// or a point of a line chart on the series' scale.
#pragma once

#include "print/Druckseite.h"

// Prints the series on the page prepared by Seiteneinrichtung, from the
// top of a new page; balken chooses bars, else the line chart. False when
// the user cancelled; the caller then aborts the job.
bool DruckeEntwicklung(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, bool balken);
