// The consumption graph: five consumption values at a time as horizontal
// bars on an L/100Km axis, the fixed consumption and the total average as
// lines, the marked value framed. Drawn on any TZeichenflaeche in graph
// units (a drawing 561 units wide) times Grafikfaktor.
#pragma once

#include "core/Zeichenflaeche.h"

#include <cstdint>

// Width of the graph's drawing surface in pixels / 561; computed when the
// consumption window is made, before any graph or chart is drawn; 1 after
// VerbrauchsZustandZuruecksetzen.
extern long double Grafikfaktor;

// Graph units to whole pixels: times Grafikfaktor, rounded to nearest with
// halves to even. Every graph coordinate goes through here.
int GrafikPixel(long double einheiten);

// Which values the five rows show and which one is marked; numbers are the
// values' Nr (1-based).
struct TGraphFenster {
    int32_t ErsterSichtbarer = 1;   // Nr of the value in row 1
    int32_t MarkierterWert = 1;
    uint8_t MarkierteZeile = 1;     // 1..5
};

// Draws the whole graph of VerbrauchsListe in the surface's current font.
// First moves the window of five rows as little as needed to show
// MarkierterWert and sets MarkierteZeile. Returns true when the marked value
// did not end with a full tank; an empty list draws the bare grid and gives
// false.
bool ZeichneVerbrauchsGraph(TZeichenflaeche &flaeche, TGraphFenster &fenster);

// The row 1..5 at pixel height y of the surface, 0 outside the rows; at a
// shared edge the lower row wins.
int GraphZeileBei(int y);

// A mouse press in row k: the new marked value, or the old one when the
// row holds no value.
int32_t GraphZeileWaehlen(const TGraphFenster &fenster, int zeile);
