// What every printed report shares: the printer as a surface of pages, the
// progress the print job shows, and the page itself: setting up the
// printer, the page header and footer, the line advance, the page-break
// rule of the tables and the column edges found by measuring sample texts.
// All coordinates are printer pixels.
#pragma once

#include "core/Zeichenflaeche.h"

#include <cstdint>
#include <string>

// A printer (or a PDF) as the reports see it: a drawing surface that is one
// page at a time. Breite() and Hoehe() are the page's printable area.
class TDruckflaeche : public TZeichenflaeche {
public:
    // The printable width in millimetres (the device's horizontal size).
    virtual int BreiteMM() const = 0;
    // How many colours the printer prints; fewer than 3 is black and white.
    virtual int AnzahlFarben() const = 0;
    // Ends the current page and begins the next one.
    virtual void NeueSeite() = 0;
};

// What the print job shows while it runs: the phase text with its gauge,
// the page text, and whether the user has cancelled.
class TDruckFortschritt {
public:
    virtual ~TDruckFortschritt() = default;
    // A new phase: its text (ProzLabel1) and the gauge's maximum.
    virtual void Phase(const std::string &text, int maximum) = 0;
    // The gauge's progress within the phase.
    virtual void Position(int wert) = 0;
    // The page text (ProzLabel2), "Ausdruck der Seite :  -3-".
    virtual void SeitenText(const std::string &text) = 0;
    // Lets the window handle what is pending; true once the user has
    // cancelled. Every collecting and printing loop asks after each item.
    virtual bool Abgebrochen() = 0;
};

// A progress that shows nothing and is never cancelled (printing from the
// command line).
class TStillerFortschritt : public TDruckFortschritt {
public:
    void Phase(const std::string &, int) override {}
    void Position(int) override {}
    void SeitenText(const std::string &) override {}
    bool Abgebrochen() override { return false; }
};

// ---- the page of the current print job ---------------------------------------
extern int32_t Seitenbreite;        // page width in pixels
extern int32_t Seitenhoehe;         // page height in pixels
extern bool Hochformat;             // Seitenbreite < Seitenhoehe
extern int32_t LinkerRand;          // half an inch on narrow paper, else 0
extern int32_t ObererRand;          // half an inch on wide paper, else 0
extern int32_t DruckZeile;          // y of the next line
extern int32_t DruckZeilenhoehe;    // line advance of the current report
extern int32_t Spaltenabstand;      // width of "W": the gap between columns
extern int32_t TabellenLinks;       // x of tables: LinkerRand on portrait pages, else 0
extern int32_t Seitenzaehler;       // page number within the job
// "Ausdruck vom 06.12.2026 um 15:48:31", made when the job starts.
extern std::string DruckZeitstempel;

// The narrowest printable width a report fits on.
inline constexpr int MindestBreiteMM = 180;

// The footer's program name and version, "Sprilo 3.2".
std::string Fusszeile();

// Prepares the page of a new job: size, pen width 3, the report font
// (Arial 8 on paper narrower than 211 mm with a left margin of half an
// inch, else Arial 10 with a top margin of half an inch), TabellenLinks
// and Spaltenabstand in that font. True when the printable width is at
// least MindestBreiteMM.
bool Seiteneinrichtung(TDruckflaeche &drucker);

// Draws the header and footer of a page (counting Seitenzaehler and
// showing the page text) and leaves DruckZeile under the header. Pen and
// font are as before afterwards.
void Seitenkopf(TDruckflaeche &drucker, TDruckFortschritt &fortschritt);
// Ends the page and draws the header of the next one (the column headings
// are the report's own).
void NeueDruckseite(TDruckflaeche &drucker, TDruckFortschritt &fortschritt);

// The line advance of the table reports: the height of "Hg" + 5.
int32_t TabellenZeilenhoehe(TZeichenflaeche &flaeche);

// The page-break rule: true when `zeilen` more lines from DruckZeile would
// come closer than 100 pixels to the bottom of the page.
bool SeiteVoll(int32_t zeilen);
// The same for a block of `hoehe` pixels.
bool PasstNicht(int32_t hoehe);

// Writing in the report's columns.
// x at which a text is centred between two edges (halved toward zero).
int32_t Zentriert(TZeichenflaeche &flaeche, const std::string &text, int32_t links, int32_t rechts);
// Writes a text right-aligned at the edge x.
void TextRechts(TZeichenflaeche &flaeche, int32_t x, int32_t y, const std::string &text);
// Writes a text centred on the page.
void TextMittig(TZeichenflaeche &flaeche, int32_t y, const std::string &text);
// Writes a text centred on the x `mitte` (short markers such as "JA").
void TextUmMitte(TZeichenflaeche &flaeche, int32_t mitte, int32_t y, const std::string &text);

// Resets the page state (this unit's part of GlobalenZustandZuruecksetzen).
void DruckseiteZuruecksetzen();
