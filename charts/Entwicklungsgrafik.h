// The development chart: the litre-price or range series of
// EntwicklungsListe (by EntwicklungsArt) as wide bars, narrow bars or a line
// chart, a few points at a time, with its axes, grid, the selected slot
// framed, the first point's callout and the average line. Drawn on any
// TZeichenflaeche in chart units (a drawing 561 units wide) times
// Grafikfaktor, as the consumption graph is.
#pragma once

#include "core/Zeichenflaeche.h"

#include <cstdint>
#include <string>

// Chart types, the radio group's item index (LP_Diagrammart, RW_Diagrammart).
enum TDiagrammart : uint8_t { BreiteBalken = 0, SchmaleBalken = 1, Liniendiagramm = 2 };

// Where the slots of a chart type lie, in chart units.
struct TDiagrammGeometrie {
    uint8_t Abstand;        // between slot centres
    uint8_t Halbbreite;     // half a bar's width
    uint8_t PunkteJeBild;   // slots per chart
    int32_t ErsterX;        // centre of slot 1
};

// The layout of chart type art; an unknown type is drawn as wide bars.
TDiagrammGeometrie DiagrammGeometrie(uint8_t art);
// The centre of slot k (1-based) in chart units.
int32_t PlatzMitte(uint8_t art, int platz);

// Left and right edge of slot k in pixels: the frame of the selected slot
// and the area a mouse press picks it by.
struct TPlatzKanten {
    int Links;
    int Rechts;
};
TPlatzKanten PlatzKanten(uint8_t art, int platz);

// The y of the value axis' bottom line in chart units: room for one text
// row under the time axis for the litre price (EntwicklungsArt 1), two for
// the range's dates; zeilenhoehe is the height of "Hg" in pixels.
int32_t Grundlinie(uint8_t entwicklungsArt, int zeilenhoehe);

// Which points the slots show and which one is selected; numbers are the
// points' Nr (1-based).
struct TEntwicklungsFenster {
    uint8_t Diagrammart = BreiteBalken;
    int32_t ErsterSichtbarer = 1;   // Nr of the point in slot 1
    int32_t GewaehlterWert = 1;     // Nr of the selected point (the scroll bar position)
    uint8_t GewaehlterPlatz = 1;    // its slot, set by every drawing
};

// The texts of the info labels for the selected point. An empty text is a
// hidden label.
struct TEntwicklungsInfo {
    std::string Wert;              // InfoLabel2
    std::string ZumDurchschnitt;   // InfoLabel3, only with two points or more
    std::string Zeitraum;          // InfoLabel4
    std::string ZumVorgaenger;     // InfoLabel5, only with a predecessor
};

// Opening the chart: the newest point selected, the first point in slot 1
// (the drawing then scrolls to the selection).
TEntwicklungsFenster EntwicklungsFensterOeffnen(uint8_t art);

// Another chart type: slot 1 back to the first point, so the drawing
// scrolls forward until the selection is the last visible slot.
void DiagrammartWechseln(TEntwicklungsFenster &fenster, uint8_t art);

// Moves the first visible point as little as needed to show GewaehlterWert
// and sets GewaehlterPlatz.
void EntwicklungsFensterNachfuehren(TEntwicklungsFenster &fenster);

// Draws the whole chart of EntwicklungsListe in the chart font (Arial 8,
// black), after scrolling as EntwicklungsFensterNachfuehren does; returns
// the info texts of the selected point. An empty series draws the bare axes
// and grid and gives empty texts.
TEntwicklungsInfo ZeichneEntwicklungsGrafik(TZeichenflaeche &flaeche, TEntwicklungsFenster &fenster);

// The info texts of point nr (1..n).
TEntwicklungsInfo EntwicklungsInfo(int32_t nr);
// InfoLabel1: the scroll bar position and the number of points, "3 / 40".
std::string EntwicklungsZaehler(int32_t position);

// The slot at pixel x of the surface (the last one whose edges hold x), 0
// when none; the height does not matter.
int EntwicklungsPlatzBei(uint8_t art, int x);

// A mouse press in slot k: the new selected point, or the old one when the
// slot is empty or k is 0.
int32_t EntwicklungsPlatzWaehlen(const TEntwicklungsFenster &fenster, int platz);
