#include "QtZeichenflaeche.h"

#include <QColor>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QLineF>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace {

QColor Farbe(uint32_t rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | (rgb & 0xFFFFFFu)));
}

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

// Corners in any order to a rectangle whose right and bottom edges are left
// out; empty when it has no inside.
QRect Bereich(int x1, int y1, int x2, int y2)
{
    const int links = std::min(x1, x2);
    const int oben = std::min(y1, y2);
    return QRect(links, oben, std::max(x1, x2) - links, std::max(y1, y2) - oben);
}

// A picture of 96 dots per inch, in dots per metre.
constexpr double PunkteProMeter96 = 96 / 0.0254;

}   // namespace

QImage GrafikBildAnlegen(const QWidget *w, long double faktor)
{
    const qreal verhaeltnis = w->devicePixelRatioF();
    QImage bild(w->size() * verhaeltnis, QImage::Format_RGB32);
    bild.setDevicePixelRatio(verhaeltnis);
    const int punkte = static_cast<int>(std::lround(PunkteProMeter96 * static_cast<double>(faktor)));
    bild.setDotsPerMeterX(punkte);
    bild.setDotsPerMeterY(punkte);
    bild.fill(Qt::white);
    return bild;
}

TQtZeichenflaeche::TQtZeichenflaeche(QPainter *maler, QPaintDevice *geraet)
    : m_maler(maler), m_geraet(geraet ? geraet : maler->device())
{
    // Whole pixels, as the drawing code counts them; texts stay smooth.
    m_maler->setRenderHint(QPainter::Antialiasing, false);
    m_maler->setBackgroundMode(Qt::TransparentMode);
    m_maler->setBrush(Qt::NoBrush);
    StiftSetzen(m_stift);
    PinselSetzen(m_pinsel);
    SchriftSetzen(m_schrift);
}

int TQtZeichenflaeche::Breite() const
{
    return m_geraet->width();
}

int TQtZeichenflaeche::Hoehe() const
{
    return m_geraet->height();
}

int TQtZeichenflaeche::PunkteProZoll() const
{
    return m_geraet->logicalDpiX();
}

int TQtZeichenflaeche::PunkteProZollSenkrecht() const
{
    return m_geraet->logicalDpiY();
}

void TQtZeichenflaeche::StiftSetzen(uint32_t farbe, int breite, TStiftArt art)
{
    m_stift = {farbe, std::max(breite, 1), art};
    QPen stift(Farbe(farbe), m_stift.Breite, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Dashes and dots in the classic proportions, in pen widths.
    if (art == TStiftArt::Gestrichelt)
        stift.setDashPattern({18, 6});
    else if (art == TStiftArt::Gepunktet)
        stift.setDashPattern({3, 3});
    m_maler->setPen(stift);
}

void TQtZeichenflaeche::PinselSetzen(uint32_t farbe, TPinselArt art)
{
    // Kept here, not on the painter: every fill below uses it explicitly.
    m_pinsel = {farbe, art};
}

QFont TQtZeichenflaeche::QtSchrift(const TSchrift &schrift, const QPaintDevice *geraet)
{
    // The layouts were measured in Arial and Courier New; the Liberation
    // fonts share their widths and are there on every system we run on.
    QString name = Q(schrift.Name);
    QStringList familien;
    if (name.compare(u"Arial"_s, Qt::CaseInsensitive) == 0)
        familien << u"Liberation Sans"_s;
    else if (name.compare(u"Courier New"_s, Qt::CaseInsensitive) == 0)
        familien << u"Liberation Mono"_s;
    familien << name;

    QFont font;
    font.setFamilies(familien);
    const int dpi = geraet ? geraet->logicalDpiY() : 96;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(schrift.Groesse * dpi / 72.0))));
    font.setBold(schrift.Fett);
    font.setItalic(schrift.Kursiv);
    font.setUnderline(schrift.Unterstrichen);
    return font;
}

void TQtZeichenflaeche::SchriftSetzen(const TSchrift &schrift)
{
    m_schrift = schrift;
    m_font = QtSchrift(schrift, m_geraet);
    m_maler->setFont(m_font);
}

void TQtZeichenflaeche::Linie(int x1, int y1, int x2, int y2)
{
    // With a flat cap Qt leaves out the pixel at the far end of the line's
    // long axis (right or bottom), whichever way the line runs. For a line
    // running left or up that is its start, so it is drawn one step further
    // back instead: from the pixel before the end to the one beyond the
    // start. Wide pens end flush at both points anyway.
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    if (dx == 0 && dy == 0)
        return;   // nothing but its end point
    const bool rueckwaerts = std::abs(dx) >= std::abs(dy) ? dx < 0 : dy < 0;
    if (!rueckwaerts || m_stift.Breite > 1) {
        m_maler->drawLine(x1, y1, x2, y2);
        return;
    }
    const qreal schritte = std::max(std::abs(dx), std::abs(dy));
    const QPointF schritt(dx / schritte, dy / schritte);
    m_maler->drawLine(QLineF(QPointF(x2, y2) - schritt, QPointF(x1, y1) - schritt));
}

void TQtZeichenflaeche::Rechteck(int x1, int y1, int x2, int y2)
{
    const QRect r = Bereich(x1, y1, x2, y2);
    if (r.isEmpty())
        return;
    if (m_pinsel.Art == TPinselArt::Voll)
        m_maler->fillRect(r, Farbe(m_pinsel.Farbe));
    // QPainter's outline of QRect(x, y, w, h) covers x..x+w, one more than
    // the area.
    m_maler->drawRect(r.adjusted(0, 0, -1, -1));
}

void TQtZeichenflaeche::FlaecheFuellen(int x1, int y1, int x2, int y2)
{
    const QRect r = Bereich(x1, y1, x2, y2);
    if (!r.isEmpty())
        m_maler->fillRect(r, Farbe(m_pinsel.Farbe));
}

void TQtZeichenflaeche::TextZeichnen(int x, int y, const std::string &text)
{
    const QFontMetrics masse(m_font, m_geraet);
    m_maler->save();
    m_maler->setPen(Farbe(m_schrift.Farbe));
    m_maler->drawText(x, y + masse.ascent(), Q(text));
    m_maler->restore();
}

void TQtZeichenflaeche::Text(int x, int y, const std::string &text)
{
    if (m_pinsel.Art == TPinselArt::Voll)
        m_maler->fillRect(QRect(x, y, TextBreite(text), TextHoehe(text)), Farbe(m_pinsel.Farbe));
    TextZeichnen(x, y, text);
}

void TQtZeichenflaeche::TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text)
{
    const QRect r = Bereich(x1, y1, x2, y2);
    if (m_pinsel.Art == TPinselArt::Voll && !r.isEmpty())
        m_maler->fillRect(r, Farbe(m_pinsel.Farbe));
    m_maler->save();
    m_maler->setClipRect(r, m_maler->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    TextZeichnen(x, y, text);
    m_maler->restore();
}

int TQtZeichenflaeche::TextBreite(const std::string &text)
{
    return QFontMetrics(m_font, m_geraet).horizontalAdvance(Q(text));
}

int TQtZeichenflaeche::TextHoehe(const std::string &text)
{
    return QFontMetrics(m_font, m_geraet).height();
}
