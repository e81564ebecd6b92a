// The drawing surface every graph, chart and printed report draws on. The
// drawing code knows only this interface; the program puts a QPainter
// behind it (a widget, an image, a printer or a PDF alike), the tests a
// recorder with fixed text metrics. Coordinates are whole pixels of the
// surface, y downwards; colours are 0xRRGGBB as FarbeNr gives them.
#pragma once

#include <cstdint>
#include <string>

enum class TStiftArt { Durchgehend, Gestrichelt, Gepunktet };

struct TStift {
    uint32_t Farbe = 0;           // 0xRRGGBB
    int Breite = 1;               // pixels
    TStiftArt Art = TStiftArt::Durchgehend;
};

// A full brush fills rectangles and lays its colour under every text; an
// empty one leaves both transparent, so rectangles are only outlined.
enum class TPinselArt { Voll, Leer };

struct TPinsel {
    uint32_t Farbe = 0xFFFFFF;
    TPinselArt Art = TPinselArt::Voll;
};

struct TSchrift {
    std::string Name = "Arial";   // "Arial" and "Courier New" map to the Liberation fonts
    int Groesse = 8;              // points, measured against the surface's resolution
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    uint32_t Farbe = 0;           // 0xRRGGBB
};

class TZeichenflaeche {
public:
    virtual ~TZeichenflaeche() = default;

    // Size of the surface in pixels, and its resolution in pixels per inch
    // across (PunkteProZoll) and down (PunkteProZollSenkrecht); a printer
    // may differ in the two.
    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
    virtual int PunkteProZoll() const = 0;
    virtual int PunkteProZollSenkrecht() const = 0;

    virtual void StiftSetzen(uint32_t farbe, int breite = 1, TStiftArt art = TStiftArt::Durchgehend) = 0;
    void StiftSetzen(const TStift &stift) { StiftSetzen(stift.Farbe, stift.Breite, stift.Art); }
    virtual TStift Stift() const = 0;
    virtual void PinselSetzen(uint32_t farbe, TPinselArt art = TPinselArt::Voll) = 0;
    void PinselSetzen(const TPinsel &pinsel) { PinselSetzen(pinsel.Farbe, pinsel.Art); }
    virtual TPinsel Pinsel() const = 0;
    virtual void SchriftSetzen(const TSchrift &schrift) = 0;
    virtual TSchrift Schrift() const = 0;

    // A line from (x1, y1) to (x2, y2) with the pen, the end point
    // excluded, so that lines drawn one after another meet without drawing
    // a corner twice.
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    // The rectangle from (x1, y1) to (x2, y2), right and bottom edges
    // excluded: filled with the brush (when full) and outlined with the pen
    // along the inside of its edges. Corners may come in any order.
    virtual void Rechteck(int x1, int y1, int x2, int y2) = 0;
    // The same area filled with the brush colour only, no outline.
    virtual void FlaecheFuellen(int x1, int y1, int x2, int y2) = 0;
    // Text in the current font with the top left corner of its cell at
    // (x, y); a full brush lays its colour under the cell first.
    virtual void Text(int x, int y, const std::string &text) = 0;
    // The same, cut off at the rectangle (x1, y1)-(x2, y2); a full brush
    // fills the whole rectangle first.
    virtual void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text) = 0;
    // Width and height of a text in the current font, in pixels; the
    // height is the font's cell height (ascent and descent).
    virtual int TextBreite(const std::string &text) = 0;
    virtual int TextHoehe(const std::string &text) = 0;
};
