// The drawing surface every graph, chart and printed report draws on. The
// drawing code knows only this interface; the program puts a QPainter
// behind it (a widget, an image, a printer or a PDF alike), the tests a
// recorder with fixed text metrics. Coordinates are whole pixels of the
// surface, y downwards; colours are 0xRRGGBB as FarbeNr gives them.
#pragma once

#include <cstdint>
#include <string>

enum class TStiftArt { Durchgehend, Gestrichelt, Gepunktet };

struct TSchrift {
    std::string Name = "Arial";   // "Arial" and "Courier New" map to the Liberation fonts
    int Groesse = 8;              // points
    bool Fett = false;
    bool Kursiv = false;
    bool Unterstrichen = false;
    uint32_t Farbe = 0;           // 0xRRGGBB
};

class TZeichenflaeche {
public:
    virtual ~TZeichenflaeche() = default;

    // Size of the surface in pixels, and its resolution (pixels per inch).
    virtual int Breite() const = 0;
    virtual int Hoehe() const = 0;
    virtual int PunkteProZoll() const = 0;

    virtual void StiftSetzen(uint32_t farbe, int breite = 1, TStiftArt art = TStiftArt::Durchgehend) = 0;
    virtual void PinselSetzen(uint32_t farbe) = 0;
    virtual void SchriftSetzen(const TSchrift &schrift) = 0;
    virtual TSchrift Schrift() const = 0;

    // A line from (x1, y1) to (x2, y2) with the pen, the end point
    // excluded as on the original surface.
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    // The rectangle from (x1, y1) to (x2, y2), right and bottom edges
    // excluded: filled with the brush and outlined with the pen.
    virtual void Rechteck(int x1, int y1, int x2, int y2) = 0;
    // The same area filled with the brush only, no outline.
    virtual void FlaecheFuellen(int x1, int y1, int x2, int y2) = 0;
    // Text in the current font with its top left corner at (x, y), on a
    // transparent background.
    virtual void Text(int x, int y, const std::string &text) = 0;
    // The same, cut off at the rectangle (x1, y1)-(x2, y2).
    virtual void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text) = 0;
    // Width and height of a text in the current font, in pixels.
    virtual int TextBreite(const std::string &text) = 0;
    virtual int TextHoehe(const std::string &text) = 0;
};
