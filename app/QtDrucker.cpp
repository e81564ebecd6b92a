#include "QtDrucker.h"

#include "QtZeichenflaeche.h"
#include "core/Plattform.h"
#include "print/Druckauftrag.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>
#include <QString>

TQtDrucker::TQtDrucker(QPagedPaintDevice *geraet)
    : m_geraet(geraet), m_seiten(1)
{
    // The painting surface starts from the same pen, brush and font.
    StiftSetzen(m_stift);
    PinselSetzen(m_pinsel);
    SchriftSetzen(m_schrift);
}

TQtDrucker::~TQtDrucker() = default;

int TQtDrucker::Breite() const
{
    return m_geraet->width();
}

int TQtDrucker::Hoehe() const
{
    return m_geraet->height();
}

int TQtDrucker::PunkteProZoll() const
{
    return m_geraet->logicalDpiX();
}

int TQtDrucker::PunkteProZollSenkrecht() const
{
    return m_geraet->logicalDpiY();
}

int TQtDrucker::BreiteMM() const
{
    return m_geraet->widthMM();
}

int TQtDrucker::AnzahlFarben() const
{
    return m_geraet->colorCount();
}

void TQtDrucker::NeueSeite()
{
    m_seiten.emplace_back();
}

void TQtDrucker::Merken(TSchritt schritt)
{
    m_seiten.back().push_back(std::move(schritt));
}

void TQtDrucker::StiftSetzen(uint32_t farbe, int breite, TStiftArt art)
{
    m_stift = {farbe, breite, art};
    Merken([s = m_stift](TZeichenflaeche &f) { f.StiftSetzen(s); });
}

void TQtDrucker::PinselSetzen(uint32_t farbe, TPinselArt art)
{
    m_pinsel = {farbe, art};
    Merken([p = m_pinsel](TZeichenflaeche &f) { f.PinselSetzen(p); });
}

void TQtDrucker::SchriftSetzen(const TSchrift &schrift)
{
    m_schrift = schrift;
    m_font = TQtZeichenflaeche::QtSchrift(schrift, m_geraet);
    Merken([schrift](TZeichenflaeche &f) { f.SchriftSetzen(schrift); });
}

void TQtDrucker::Linie(int x1, int y1, int x2, int y2)
{
    Merken([=](TZeichenflaeche &f) { f.Linie(x1, y1, x2, y2); });
}

void TQtDrucker::Rechteck(int x1, int y1, int x2, int y2)
{
    Merken([=](TZeichenflaeche &f) { f.Rechteck(x1, y1, x2, y2); });
}

void TQtDrucker::FlaecheFuellen(int x1, int y1, int x2, int y2)
{
    Merken([=](TZeichenflaeche &f) { f.FlaecheFuellen(x1, y1, x2, y2); });
}

void TQtDrucker::Text(int x, int y, const std::string &text)
{
    Merken([=](TZeichenflaeche &f) { f.Text(x, y, text); });
}

void TQtDrucker::TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text)
{
    Merken([=](TZeichenflaeche &f) { f.TextImRechteck(x1, y1, x2, y2, x, y, text); });
}

int TQtDrucker::TextBreite(const std::string &text)
{
    return QFontMetrics(m_font, m_geraet).horizontalAdvance(QString::fromStdString(text));
}

int TQtDrucker::TextHoehe(const std::string &)
{
    return QFontMetrics(m_font, m_geraet).height();
}

bool TQtDrucker::Ausgeben(const std::function<void(int seite, int seiten)> &seite)
{
    QPainter maler;
    if (!maler.begin(m_geraet))
        return false;
    TQtZeichenflaeche flaeche(&maler, m_geraet);
    const int seiten = Seiten();
    m_abgebrochen = false;
    for (int i = 0; i < seiten; ++i) {
        if (AbbruchPruefen && AbbruchPruefen()) {
            m_abgebrochen = true;
            // A printer drops the pages it has; a PDF is thrown away by
            // whoever gave its file.
            if (auto *drucker = dynamic_cast<QPrinter *>(m_geraet))
                drucker->abort();
            maler.end();
            return false;
        }
        if (i > 0 && !m_geraet->newPage()) {
            maler.end();
            return false;
        }
        if (seite)
            seite(i + 1, seiten);
        for (const TSchritt &schritt : m_seiten[static_cast<size_t>(i)])
            schritt(flaeche);
    }
    return maler.end();
}

void DruckZeitstempelSetzen()
{
    // The long format of many locales ends in the time zone, which a
    // printout does not need.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    const QString uhrzeit = QLocale::system().toString(QTime::currentTime(), format.trimmed());
    DruckZeitstempel = ZeitstempelText(Plattform().Heute(), uhrzeit.toStdString());
}
