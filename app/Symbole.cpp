#include "Symbole.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// Every symbol is laid out on a 24 × 24 grid and drawn afresh for each
// pixel size, so that no size is a blurred copy of another.
constexpr double Raster = 24.0;
constexpr int Groessen[] = {16, 24, 32, 48};

// A small shared palette keeps the tool bar calm.
const QColor Umriss(0x3a, 0x3a, 0x3a);
const QColor Papier(0xff, 0xff, 0xff);
const QColor PapierLinie(0x8a, 0x9a, 0xb0);
const QColor Rot(0xd8, 0x24, 0x24);
const QColor RotDunkel(0x8c, 0x12, 0x12);
const QColor Gruen(0x2e, 0x9e, 0x3e);
const QColor GruenDunkel(0x1b, 0x63, 0x26);
const QColor Blau(0x2a, 0x64, 0xc8);
const QColor BlauDunkel(0x16, 0x3c, 0x80);
const QColor Gelb(0xf6, 0xc8, 0x2a);
const QColor GelbDunkel(0xa8, 0x76, 0x00);
const QColor Grau(0xbc, 0xc0, 0xc8);
const QColor GrauDunkel(0x50, 0x54, 0x5c);

// Maps grid coordinates to pixels. Straight edges are snapped to the pixel
// grid (to pixel centres for odd line widths) so outlines stay sharp even
// with antialiasing switched on.
class TRaster {
public:
    explicit TRaster(int groesse)
        : f(groesse / Raster),
          linie(std::max(1, static_cast<int>(std::lround(groesse / 20.0))))
    {
    }

    double f;       // pixels per grid unit
    int linie;      // width of an ordinary outline in pixels

    double X(double x) const { return std::round(x * f) + Versatz(); }
    QPointF P(double x, double y) const { return {X(x), X(y)}; }
    QPointF P(const QPointF &q) const { return P(q.x(), q.y()); }
    // A length that is not snapped (radii, curves).
    double L(double l) const { return l * f; }
    QRectF R(double x, double y, double b, double h) const
    {
        return QRectF(P(x, y), P(x + b, y + h));
    }
    QRectF R(const QPointF &obenLinks, const QPointF &untenRechts) const
    {
        return QRectF(P(obenLinks), P(untenRechts));
    }
    QPolygonF Polygon(std::initializer_list<QPointF> punkte) const
    {
        QPolygonF ergebnis;
        for (const QPointF &q : punkte)
            ergebnis << P(q.x(), q.y());
        return ergebnis;
    }
    QPen Stift(const QColor &farbe, double faktor = 1.0) const
    {
        QPen stift(farbe, std::max(1.0, linie * faktor));
        stift.setJoinStyle(Qt::MiterJoin);
        return stift;
    }
    QPen RundStift(const QColor &farbe, double faktor = 1.0) const
    {
        QPen stift(farbe, std::max(1.0, linie * faktor), Qt::SolidLine, Qt::RoundCap,
                   Qt::RoundJoin);
        return stift;
    }

private:
    double Versatz() const { return (linie % 2) ? 0.5 : 0.0; }
};

// ---- building blocks -------------------------------------------------------

// A sheet of paper with a folded corner; mit Zeilen adds lines of text.
void Blatt(QPainter &p, const TRaster &r, double x, double y, double b, double h,
           bool mitZeilen)
{
    const double knick = 4;
    p.setPen(r.Stift(Umriss));
    p.setBrush(Papier);
    p.drawPolygon(r.Polygon({{x, y}, {x + b - knick, y}, {x + b, y + knick}, {x + b, y + h},
                             {x, y + h}}));
    p.setBrush(QColor(0xdc, 0xe0, 0xe6));
    p.drawPolygon(r.Polygon({{x + b - knick, y}, {x + b - knick, y + knick}, {x + b, y + knick}}));
    if (!mitZeilen)
        return;
    p.setPen(r.Stift(PapierLinie));
    for (double zy = y + 7; zy <= y + h - 3; zy += 3) {
        const double ende = (zy == y + 7) ? x + b - 5 : x + b - 3;
        p.drawLine(r.P(x + 3, zy), r.P(ende, zy));
    }
}

// A pencil lying from bottom left (tip) to top right.
void Bleistift(QPainter &p, const TRaster &r, double spitzeX, double spitzeY, double laenge)
{
    p.save();
    p.translate(r.L(spitzeX), r.L(spitzeY));
    p.rotate(-45);
    const double d = r.L(2.3);          // half thickness
    const double kegel = r.L(3.6);
    const double l = r.L(laenge);
    const double radierer = r.L(2.6);
    p.setPen(r.Stift(Umriss));
    p.setBrush(QColor(0xf0, 0xd0, 0x9a));   // bare wood
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(kegel, -d), QPointF(kegel, d)}));
    p.setBrush(Gelb);
    p.drawRect(QRectF(kegel, -d, l - kegel - radierer, 2 * d));
    p.setBrush(QColor(0xe8, 0x78, 0x8a));   // eraser
    p.drawRect(QRectF(l - radierer, -d, radierer, 2 * d));
    // graphite point
    p.setPen(Qt::NoPen);
    p.setBrush(Umriss);
    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(kegel * 0.38, -d * 0.38),
                             QPointF(kegel * 0.38, d * 0.38)}));
    p.restore();
}

// A round badge with a plus or a cross.
void Plakette(QPainter &p, const TRaster &r, double cx, double cy, double radius,
              const QColor &fuellung, const QColor &rand, bool kreuz)
{
    p.setPen(r.Stift(rand));
    p.setBrush(fuellung);
    p.drawEllipse(QPointF(r.L(cx), r.L(cy)), r.L(radius), r.L(radius));
    p.setPen(QPen(Qt::white, std::max(1.5, r.L(1.9)), Qt::SolidLine, Qt::FlatCap));
    const double a = radius * 0.55;
    p.save();
    p.translate(r.L(cx), r.L(cy));
    if (kreuz)
        p.rotate(45);
    p.drawLine(QPointF(-r.L(a), 0), QPointF(r.L(a), 0));
    p.drawLine(QPointF(0, -r.L(a)), QPointF(0, r.L(a)));
    p.restore();
}

// A euro sign around the given centre.
void Euro(QPainter &p, const TRaster &r, double cx, double cy, double radius,
          const QColor &farbe)
{
    QPainterPath bogen;
    const QRectF kreis(r.L(cx - radius), r.L(cy - radius), r.L(2 * radius), r.L(2 * radius));
    bogen.arcMoveTo(kreis, 50);
    bogen.arcTo(kreis, 50, 260);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, std::max(1.5, r.L(1.6)), Qt::SolidLine, Qt::FlatCap));
    p.drawPath(bogen);
    const double links = cx - radius - radius * 0.45;
    const double rechts = cx + radius * 0.35;
    p.setPen(QPen(farbe, std::max(1.0, r.L(1.2)), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(r.L(links), r.L(cy - radius * 0.28)),
               QPointF(r.L(rechts), r.L(cy - radius * 0.28)));
    p.drawLine(QPointF(r.L(links), r.L(cy + radius * 0.32)),
               QPointF(r.L(rechts - radius * 0.15), r.L(cy + radius * 0.32)));
}

// Axes of a diagram.
void Achsen(QPainter &p, const TRaster &r)
{
    p.setPen(r.Stift(Umriss));
    p.drawLine(r.P(3, 2), r.P(3, 21));
    p.drawLine(r.P(3, 21), r.P(22, 21));
}

// A floppy disk filling the given square.
void Diskette(QPainter &p, const TRaster &r, double x, double y, double b)
{
    const double k = b / 18.0;   // the shape was drawn 18 units wide
    auto Q = [&](double dx, double dy) { return QPointF(x + dx * k, y + dy * k); };
    p.setPen(r.Stift(BlauDunkel));
    p.setBrush(Blau);
    p.drawPolygon(r.Polygon({Q(0, 0), Q(15, 0), Q(18, 3), Q(18, 18), Q(0, 18)}));
    // metal shutter with its slot
    p.setBrush(Grau);
    p.drawRect(r.R(Q(4, 0), Q(13, 6)));
    p.setPen(Qt::NoPen);
    p.setBrush(BlauDunkel);
    p.drawRect(r.R(Q(9.5, 1.5), Q(11.5, 4.5)));
    // label
    p.setPen(r.Stift(BlauDunkel));
    p.setBrush(Papier);
    p.drawRect(r.R(Q(3, 9.5), Q(15, 18)));
    // its lines would only be noise below 24 pixels
    if (r.f >= 1) {
        p.setPen(r.Stift(PapierLinie));
        p.drawLine(r.P(Q(5, 12.5)), r.P(Q(13, 12.5)));
        p.drawLine(r.P(Q(5, 15)), r.P(Q(13, 15)));
    }
}

// A printer with a printed sheet coming out at the front.
void Drucker(QPainter &p, const TRaster &r)
{
    // paper waiting at the back
    p.setPen(r.Stift(Umriss));
    p.setBrush(Papier);
    p.drawRect(r.R(6, 2, 12, 8));
    // body
    p.setBrush(Grau);
    QPainterPath koerper;
    koerper.addRoundedRect(r.R(2, 9, 20, 9), r.L(1.5), r.L(1.5));
    p.drawPath(koerper);
    // slot and the printed sheet
    p.setBrush(GrauDunkel);
    p.drawRect(r.R(5, 14, 14, 1));
    p.setBrush(Papier);
    p.drawRect(r.R(6, 15, 12, 7));
    p.setPen(r.Stift(PapierLinie));
    p.drawLine(r.P(8, 18), r.P(16, 18));
    if (r.f >= 1)
        p.drawLine(r.P(8, 20), r.P(14, 20));
    // power light
    p.setPen(Qt::NoPen);
    p.setBrush(Gruen);
    p.drawEllipse(QPointF(r.L(18.5), r.L(11.5)), r.L(1.1), r.L(1.1));
}

// A cog wheel.
void Zahnrad(QPainter &p, const TRaster &r, double cx, double cy, double radius)
{
    const int zaehne = 8;
    const double innen = radius * 0.72;
    QPolygonF rad;
    for (int i = 0; i < zaehne; ++i) {
        const double mitte = 2 * M_PI * i / zaehne;
        const double halb = M_PI / zaehne;
        const double winkel[4] = {mitte - halb * 0.95, mitte - halb * 0.45, mitte + halb * 0.45,
                                  mitte + halb * 0.95};
        const double radien[4] = {innen, radius, radius, innen};
        for (int k = 0; k < 4; ++k)
            rad << QPointF(r.L(cx + radien[k] * std::cos(winkel[k])),
                           r.L(cy + radien[k] * std::sin(winkel[k])));
    }
    QPainterPath pfad;
    pfad.addPolygon(rad);
    pfad.closeSubpath();
    pfad.addEllipse(QPointF(r.L(cx), r.L(cy)), r.L(radius * 0.3), r.L(radius * 0.3));
    pfad.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(QColor(0x20, 0x28, 0x38), std::max(1.0, r.L(0.8))));
    p.setBrush(QColor(0x4a, 0x6a, 0x9a));
    p.drawPath(pfad);
}

// A loudspeaker on the left half.
void Lautsprecher(QPainter &p, const TRaster &r)
{
    p.setPen(r.Stift(Umriss));
    p.setBrush(GrauDunkel);
    p.drawPolygon(r.Polygon({{2, 9}, {6, 9}, {12, 4}, {12, 20}, {6, 15}, {2, 15}}));
    p.setBrush(Grau);
    p.drawRect(r.R(2, 9, 4, 6));
}

// ---- the symbols -----------------------------------------------------------

void ZeichneBeenden(QPainter &p, const TRaster &r)
{
    p.setPen(r.Stift(RotDunkel));
    p.setBrush(Rot);
    p.drawEllipse(QPointF(r.L(12), r.L(12)), r.L(10.5), r.L(10.5));
    // power sign
    const double rad = 5.4;
    const QRectF kreis(r.L(12 - rad), r.L(12.6 - rad), r.L(2 * rad), r.L(2 * rad));
    QPen stift(Qt::white, std::max(1.5, r.L(2.2)), Qt::SolidLine, Qt::RoundCap);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    p.drawArc(kreis, 130 * 16, 280 * 16);
    p.drawLine(QPointF(r.L(12), r.L(5.2)), QPointF(r.L(12), r.L(12)));
}

void ZeichneNeu(QPainter &p, const TRaster &r)
{
    Blatt(p, r, 3, 1, 15, 21, false);
    // a star in the lower right corner: something new
    const double cx = 17.2, cy = 16.8, aussen = 6.4, innen = 2.7;
    QPolygonF stern;
    for (int i = 0; i < 10; ++i) {
        const double winkel = -M_PI / 2 + i * M_PI / 5;
        const double rad = (i % 2) ? innen : aussen;
        stern << QPointF(r.L(cx + rad * std::cos(winkel)), r.L(cy + rad * std::sin(winkel)));
    }
    p.setPen(QPen(GelbDunkel, std::max(1.0, r.L(1.0)), Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Gelb);
    p.drawPolygon(stern);
}

void ZeichneErweitern(QPainter &p, const TRaster &r)
{
    Blatt(p, r, 2, 1, 15, 20, true);
    Plakette(p, r, 17.5, 17.5, 5.8, Gruen, GruenDunkel, false);
}

void ZeichneLaden(QPainter &p, const TRaster &r)
{
    // back of the folder with its tab
    p.setPen(r.Stift(GelbDunkel));
    p.setBrush(QColor(0xe0, 0xa8, 0x22));
    p.drawPolygon(r.Polygon({{1, 4}, {8, 4}, {10, 6}, {20, 6}, {20, 20}, {1, 20}}));
    // a sheet peeking out
    p.setPen(r.Stift(Umriss));
    p.setBrush(Papier);
    p.drawRect(r.R(4, 8, 14, 8));
    // the opened front
    p.setPen(r.Stift(GelbDunkel));
    p.setBrush(QColor(0xfa, 0xd4, 0x50));
    p.drawPolygon(r.Polygon({{1, 20}, {5, 11}, {23, 11}, {20, 20}}));
}

void ZeichneSpeichern(QPainter &p, const TRaster &r)
{
    Diskette(p, r, 2, 2, 20);
}

void ZeichneSpeichernUnter(QPainter &p, const TRaster &r)
{
    Diskette(p, r, 1, 1, 17);
    Bleistift(p, r, 10.5, 22.5, 17.5);
}

void ZeichneAendern(QPainter &p, const TRaster &r)
{
    Blatt(p, r, 2, 1, 15, 20, true);
    Bleistift(p, r, 9.5, 22.5, 18.5);
}

void ZeichneLoeschen(QPainter &p, const TRaster &r)
{
    Blatt(p, r, 2, 1, 15, 20, true);
    Plakette(p, r, 17.5, 17.5, 5.8, Rot, RotDunkel, true);
}

void ZeichneTankfuellungen(QPainter &p, const TRaster &r)
{
    // hose from the side of the pump up to the nozzle
    QPainterPath schlauch;
    schlauch.moveTo(r.L(14), r.L(16));
    schlauch.cubicTo(r.L(21.5), r.L(17), r.L(20.5), r.L(12), r.L(20.2), r.L(7.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(r.RundStift(Umriss, 1.5));
    p.drawPath(schlauch);
    p.setPen(r.Stift(Umriss));
    p.setBrush(GrauDunkel);
    p.drawPolygon(r.Polygon({{18.5, 8}, {18.5, 4}, {22, 3}, {22, 5}, {21.5, 8}}));
    // pump body
    p.setPen(r.Stift(GruenDunkel));
    p.setBrush(Gruen);
    QPainterPath koerper;
    koerper.addRoundedRect(r.R(3, 2, 12, 19), r.L(1.5), r.L(1.5));
    p.drawPath(koerper);
    // display
    p.setBrush(Papier);
    p.drawRect(r.R(5, 4, 8, 6));
    // base
    p.setPen(r.Stift(Umriss));
    p.setBrush(GrauDunkel);
    p.drawRect(r.R(2, 20, 14, 2));
}

void ZeichneVerbrauch(QPainter &p, const TRaster &r)
{
    Achsen(p, r);
    p.setPen(r.Stift(BlauDunkel));
    p.setBrush(Blau);
    p.drawRect(r.R(5, 11, 4, 10));
    p.setPen(r.Stift(GruenDunkel));
    p.setBrush(Gruen);
    p.drawRect(r.R(11, 5, 4, 16));
    p.setPen(r.Stift(RotDunkel));
    p.setBrush(Rot);
    p.drawRect(r.R(17, 8, 4, 13));
}

void ZeichneLiterpreis(QPainter &p, const TRaster &r)
{
    Achsen(p, r);
    p.setPen(r.RundStift(Rot, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(r.Polygon({{4, 18}, {9, 14}, {13, 16}, {17, 9}, {21.5, 5}}));
    Euro(p, r, 10.2, 6.6, 4.0, Blau);
}

void ZeichneReichweite(QPainter &p, const TRaster &r)
{
    // road running towards the horizon, with a broken centre line
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x6a, 0x6e, 0x76));
    p.drawPolygon(QPolygonF({QPointF(0, r.L(24)), QPointF(r.L(24), r.L(24)),
                             QPointF(r.L(15), r.L(10)), QPointF(r.L(9), r.L(10))}));
    p.setBrush(Papier);
    // each dash: bottom, top, half width at the bottom
    const double striche[][3] = {{24, 19.5, 1.3}, {17.5, 14.5, 0.95}, {13, 11, 0.7}};
    for (const auto &s : striche) {
        const double oben = s[2] * 0.82;
        p.drawPolygon(QPolygonF({QPointF(r.L(12 - s[2]), r.L(s[0])), QPointF(r.L(12 + s[2]), r.L(s[0])),
                                 QPointF(r.L(12 + oben), r.L(s[1])), QPointF(r.L(12 - oben), r.L(s[1]))}));
    }
    // the distance: a double arrow across the top
    p.setPen(r.RundStift(Blau, 1.4));
    p.drawLine(QPointF(r.L(3.5), r.L(4.5)), QPointF(r.L(20.5), r.L(4.5)));
    p.setPen(Qt::NoPen);
    p.setBrush(Blau);
    p.drawPolygon(QPolygonF({QPointF(r.L(0.5), r.L(4.5)), QPointF(r.L(5.5), r.L(1)),
                             QPointF(r.L(5.5), r.L(8))}));
    p.drawPolygon(QPolygonF({QPointF(r.L(23.5), r.L(4.5)), QPointF(r.L(18.5), r.L(1)),
                             QPointF(r.L(18.5), r.L(8))}));
}

void ZeichneDrucken(QPainter &p, const TRaster &r)
{
    Drucker(p, r);
}

void ZeichneDruckerEinrichten(QPainter &p, const TRaster &r)
{
    Drucker(p, r);
    Zahnrad(p, r, 18, 18, 5.8);
}

void ZeichneSystemtoene(QPainter &p, const TRaster &r, bool stumm)
{
    Lautsprecher(p, r);
    p.setBrush(Qt::NoBrush);
    if (stumm) {
        p.setPen(r.RundStift(Rot, 2.0));
        p.drawLine(QPointF(r.L(15), r.L(8.5)), QPointF(r.L(22), r.L(15.5)));
        p.drawLine(QPointF(r.L(22), r.L(8.5)), QPointF(r.L(15), r.L(15.5)));
        return;
    }
    p.setPen(r.RundStift(Blau, 1.6));
    for (double rad : {4.5, 8.5}) {
        const QRectF kreis(r.L(11 - rad), r.L(12 - rad), r.L(2 * rad), r.L(2 * rad));
        p.drawArc(kreis, -45 * 16, 90 * 16);
    }
}

void ZeichneHilfe(QPainter &p, const TRaster &r)
{
    p.setPen(r.Stift(BlauDunkel));
    p.setBrush(Blau);
    p.drawEllipse(QPointF(r.L(12), r.L(12)), r.L(10.5), r.L(10.5));
    // question mark
    QPainterPath haken;
    const double rad = 3.6;
    const QRectF kreis(r.L(12 - rad), r.L(9 - rad), r.L(2 * rad), r.L(2 * rad));
    haken.arcMoveTo(kreis, 165);
    haken.arcTo(kreis, 165, -225);
    haken.quadTo(QPointF(r.L(12), r.L(12.6)), QPointF(r.L(12), r.L(14.6)));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, std::max(1.5, r.L(2.4)), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(haken);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(r.L(12), r.L(18.2)), r.L(1.5), r.L(1.5));
}

QPixmap Zeichne(TSymbol symbol, int groesse, bool stumm)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const TRaster r(groesse);
    switch (symbol) {
    case TSymbol::Beenden: ZeichneBeenden(p, r); break;
    case TSymbol::Neu: ZeichneNeu(p, r); break;
    case TSymbol::Erweitern: ZeichneErweitern(p, r); break;
    case TSymbol::Laden: ZeichneLaden(p, r); break;
    case TSymbol::Speichern: ZeichneSpeichern(p, r); break;
    case TSymbol::SpeichernUnter: ZeichneSpeichernUnter(p, r); break;
    case TSymbol::Aendern: ZeichneAendern(p, r); break;
    case TSymbol::Loeschen: ZeichneLoeschen(p, r); break;
    case TSymbol::Tankfuellungen: ZeichneTankfuellungen(p, r); break;
    case TSymbol::Verbrauch: ZeichneVerbrauch(p, r); break;
    case TSymbol::Literpreis: ZeichneLiterpreis(p, r); break;
    case TSymbol::Reichweite: ZeichneReichweite(p, r); break;
    case TSymbol::Drucken: ZeichneDrucken(p, r); break;
    case TSymbol::DruckerEinrichten: ZeichneDruckerEinrichten(p, r); break;
    case TSymbol::Systemtoene: ZeichneSystemtoene(p, r, stumm); break;
    case TSymbol::Hilfe: ZeichneHilfe(p, r); break;
    }
    p.end();
    return QPixmap::fromImage(bild);
}

// The disabled look: light grey with less contrast and a little
// transparency, so a disabled button cannot be mistaken for a live one.
QPixmap Ausgegraut(const QPixmap &vorlage)
{
    QImage bild = vorlage.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < bild.height(); ++y) {
        auto *zeile = reinterpret_cast<QRgb *>(bild.scanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb punkt = zeile[x];
            const int grau = 100 + qGray(punkt) * 120 / 255;
            zeile[x] = qRgba(grau, grau, grau, qAlpha(punkt) * 4 / 5);
        }
    }
    return QPixmap::fromImage(bild);
}

}  // namespace

QIcon SymbolIcon(TSymbol symbol)
{
    QIcon icon;
    for (int groesse : Groessen) {
        const QPixmap normal = Zeichne(symbol, groesse, false);
        icon.addPixmap(normal, QIcon::Normal, QIcon::Off);
        icon.addPixmap(Ausgegraut(normal), QIcon::Disabled, QIcon::Off);
        // Only the sound switch looks different when it is down.
        const QPixmap an =
            symbol == TSymbol::Systemtoene ? Zeichne(symbol, groesse, true) : normal;
        icon.addPixmap(an, QIcon::Normal, QIcon::On);
        icon.addPixmap(Ausgegraut(an), QIcon::Disabled, QIcon::On);
    }
    return icon;
}

QPixmap IntroBild(int breite, int hoehe)
{
    QImage bild(std::max(1, breite), std::max(1, hoehe), QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);

    // Drawn on a 240 × 140 canvas, scaled to fit and centred.
    const double entwurfB = 240, entwurfH = 140;
    const double k = std::min(breite / entwurfB, hoehe / entwurfH);
    p.translate((breite - entwurfB * k) / 2, (hoehe - entwurfH * k) / 2);
    p.scale(k, k);

    const QColor linie(0x30, 0x30, 0x38);
    auto Stift = [&](const QColor &farbe, double b) {
        return QPen(farbe, b, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    };

    // ground
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe4, 0xea, 0xf0));
    p.drawRoundedRect(QRectF(6, 118, 228, 14), 7, 7);

    // ---- the pump ----
    // hose, behind the body
    QPainterPath schlauch;
    schlauch.moveTo(84, 92);
    schlauch.cubicTo(112, 96, 110, 60, 104, 44);
    p.setBrush(Qt::NoBrush);
    p.setPen(Stift(linie, 5));
    p.drawPath(schlauch);
    // nozzle hanging at the side
    p.setPen(Stift(linie, 2));
    p.setBrush(QColor(0x58, 0x5c, 0x66));
    p.drawPolygon(QPolygonF({QPointF(98, 46), QPointF(100, 30), QPointF(114, 26),
                             QPointF(116, 32), QPointF(108, 35), QPointF(108, 46)}));

    // body
    p.setPen(Stift(QColor(0x9a, 0x12, 0x12), 2.5));
    p.setBrush(QColor(0xdc, 0x2a, 0x2a));
    QPainterPath koerper;
    koerper.addRoundedRect(QRectF(36, 14, 52, 104), 10, 10);
    p.drawPath(koerper);
    // lamp on top
    p.setBrush(QColor(0xff, 0xd8, 0x40));
    p.setPen(Stift(QColor(0xa8, 0x76, 0x00), 2));
    p.drawRoundedRect(QRectF(44, 4, 36, 12), 5, 5);
    // display with a smile: the pump is friendly
    p.setPen(Stift(linie, 2));
    p.setBrush(QColor(0xf4, 0xfa, 0xff));
    p.drawRoundedRect(QRectF(44, 26, 36, 30), 4, 4);
    p.setBrush(linie);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(55, 37), 2.6, 3.2);
    p.drawEllipse(QPointF(69, 37), 2.6, 3.2);
    p.setPen(Stift(linie, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(53, 38, 18, 12), 200 * 16, 140 * 16);
    // panel with the price digits as little bars
    p.setPen(Stift(QColor(0x9a, 0x12, 0x12), 1.5));
    p.setBrush(QColor(0xf6, 0xe0, 0xe0));
    p.drawRoundedRect(QRectF(44, 64, 36, 14), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x38));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(48 + i * 7.5, 68, 5, 6));
    // hose outlet
    p.setBrush(linie);
    p.drawRoundedRect(QRectF(80, 86, 8, 10), 2, 2);
    // foot
    p.setPen(Stift(linie, 2));
    p.setBrush(QColor(0x58, 0x5c, 0x66));
    p.drawRoundedRect(QRectF(30, 112, 64, 8), 3, 3);

    // ---- a fuel drop ----
    QPainterPath tropfen;
    tropfen.moveTo(128, 40);
    tropfen.cubicTo(134, 52, 142, 58, 142, 68);
    tropfen.cubicTo(142, 76, 136, 82, 128, 82);
    tropfen.cubicTo(120, 82, 114, 76, 114, 68);
    tropfen.cubicTo(114, 58, 122, 52, 128, 40);
    p.setPen(Stift(QColor(0xa8, 0x76, 0x00), 2));
    p.setBrush(QColor(0xf6, 0xc8, 0x2a));
    p.drawPath(tropfen);
    p.setPen(Stift(Qt::white, 2.5));
    p.drawArc(QRectF(119, 60, 12, 14), 150 * 16, 70 * 16);

    // ---- a small car ----
    const QColor auto_(0x2a, 0x64, 0xc8);
    const QColor autoRand(0x16, 0x3c, 0x80);
    QPainterPath wagen;
    wagen.moveTo(152, 108);
    wagen.lineTo(152, 94);
    wagen.quadTo(152, 88, 160, 87);
    wagen.lineTo(172, 86);
    wagen.lineTo(184, 72);
    wagen.quadTo(187, 69, 192, 69);
    wagen.lineTo(212, 69);
    wagen.quadTo(217, 69, 220, 73);
    wagen.lineTo(228, 86);
    wagen.quadTo(234, 88, 234, 94);
    wagen.lineTo(234, 108);
    wagen.closeSubpath();
    p.setPen(Stift(autoRand, 2.5));
    p.setBrush(auto_);
    p.drawPath(wagen);
    // windows
    p.setPen(Stift(autoRand, 1.5));
    p.setBrush(QColor(0xd8, 0xec, 0xfc));
    p.drawPolygon(QPolygonF({QPointF(178, 86), QPointF(188, 74), QPointF(200, 74),
                             QPointF(200, 86)}));
    p.drawPolygon(QPolygonF({QPointF(205, 86), QPointF(205, 74), QPointF(214, 74),
                             QPointF(222, 86)}));
    // headlight
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xe0, 0x60));
    p.drawRoundedRect(QRectF(228, 92, 6, 5), 2, 2);
    // wheels
    for (double x : {170.0, 216.0}) {
        p.setPen(Stift(linie, 2));
        p.setBrush(QColor(0x38, 0x3a, 0x40));
        p.drawEllipse(QPointF(x, 110), 10, 10);
        p.setBrush(QColor(0xc8, 0xcc, 0xd4));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, 110), 4.5, 4.5);
    }

    p.end();
    return QPixmap::fromImage(bild);
}
