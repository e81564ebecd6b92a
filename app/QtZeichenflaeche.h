// The drawing surface over a QPainter: the same graph or report paints a
// widget, a QImage, a QPrinter or a QPdfWriter.
//
// Lines use a flat cap, which with a one-pixel pen leaves out the end pixel
// exactly as the interface asks; wider pens (the printed reports) end flush
// at the end point. Fonts are sized in whole pixels from the device's
// vertical resolution, so the same point size gives the same cell on screen
// and proportionally larger cells on a printer.
#pragma once

#include "core/Zeichenflaeche.h"

#include <QFont>
#include <QImage>

class QPainter;
class QPaintDevice;
class QWidget;

// A white picture the size of widget w, in its device pixels, for a graph
// drawn at faktor (Grafikfaktor). Its texts grow with the drawing, as the
// window's own texts grow with Fensterfaktor: the picture counts faktor
// times 96 dots per inch.
QImage GrafikBildAnlegen(const QWidget *w, long double faktor);

class TQtZeichenflaeche : public TZeichenflaeche {
public:
    // geraet is the device the painter paints on (its size, resolution and
    // font metrics); nullptr takes the painter's own.
    explicit TQtZeichenflaeche(QPainter *maler, QPaintDevice *geraet = nullptr);

    int Breite() const override;
    int Hoehe() const override;
    int PunkteProZoll() const override;
    int PunkteProZollSenkrecht() const override;

    using TZeichenflaeche::PinselSetzen;
    using TZeichenflaeche::StiftSetzen;
    void StiftSetzen(uint32_t farbe, int breite = 1, TStiftArt art = TStiftArt::Durchgehend) override;
    TStift Stift() const override { return m_stift; }
    void PinselSetzen(uint32_t farbe, TPinselArt art = TPinselArt::Voll) override;
    TPinsel Pinsel() const override { return m_pinsel; }
    void SchriftSetzen(const TSchrift &schrift) override;
    TSchrift Schrift() const override { return m_schrift; }

    void Linie(int x1, int y1, int x2, int y2) override;
    void Rechteck(int x1, int y1, int x2, int y2) override;
    void FlaecheFuellen(int x1, int y1, int x2, int y2) override;
    void Text(int x, int y, const std::string &text) override;
    void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text) override;
    int TextBreite(const std::string &text) override;
    int TextHoehe(const std::string &text) override;

    // The Qt font a TSchrift stands for on device geraet.
    static QFont QtSchrift(const TSchrift &schrift, const QPaintDevice *geraet);

private:
    void TextZeichnen(int x, int y, const std::string &text);

    QPainter *m_maler;
    QPaintDevice *m_geraet;
    TStift m_stift;
    TPinsel m_pinsel;
    TSchrift m_schrift;
    QFont m_font;
};
