#include "Verbrauchstabelle.h"

#include "consumption/Verbrauchstexte.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>

// ---- TVerbrauchsModell --------------------------------------------------------

void TVerbrauchsModell::Setzen(const TVerbrauchsListe *liste)
{
    beginResetModel();
    m_liste = liste;
    m_zeilen = liste ? static_cast<int>(liste->size()) : 0;
    endResetModel();
}

int TVerbrauchsModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : m_zeilen;
}

int TVerbrauchsModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : VerbrauchsSpalten;
}

QVariant TVerbrauchsModell::data(const QModelIndex &index, int rolle) const
{
    // The list may have been emptied since the last Setzen (the window
    // closing): rows it no longer has stay empty.
    if (!m_liste || !index.isValid() || index.row() >= static_cast<int>(m_liste->size()))
        return {};
    switch (rolle) {
    case Qt::DisplayRole:
        return QString::fromStdString(VerbrauchsZelle((*m_liste)[static_cast<size_t>(index.row())], index.column()));
    case Qt::TextAlignmentRole:
        // Padded for the fixed-pitch font, as the columns were designed.
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TVerbrauchsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || abschnitt < 0 || abschnitt >= VerbrauchsSpalten)
        return {};
    if (rolle == Qt::DisplayRole)
        return QString::fromUtf8(VerbrauchsKoepfe[abschnitt]);
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

// ---- TVerbrauchsBild ------------------------------------------------------------

TVerbrauchsBild::TVerbrauchsBild(const QImage *bild, QWidget *eltern)
    : QWidget(eltern)
    , m_bild(bild)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TVerbrauchsBild::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    if (m_bild && !m_bild->isNull())
        maler.drawImage(QPoint(0, 0), *m_bild);
    else
        maler.fillRect(rect(), Qt::white);
}

void TVerbrauchsBild::mousePressEvent(QMouseEvent *ereignis)
{
    if (ereignis->button() == Qt::LeftButton)
        Q_EMIT MausGedrueckt(ereignis->position().toPoint());
    ereignis->accept();
}

void TVerbrauchsBild::mouseReleaseEvent(QMouseEvent *ereignis)
{
    if (rect().contains(ereignis->position().toPoint()))
        Q_EMIT Geklickt();
    ereignis->accept();
}

void TVerbrauchsBild::wheelEvent(QWheelEvent *ereignis)
{
    if (m_rad && m_rad->isEnabled())
        QCoreApplication::sendEvent(m_rad, ereignis);
    else
        ereignis->ignore();
}

TVerbrauchsBild *BildImRahmen(QWidget *eltern, const QImage *bild, QSize groesse, QFrame *&rahmen)
{
    rahmen = new QFrame(eltern);
    rahmen->setObjectName(QStringLiteral("ImagePanel"));
    rahmen->setFrameShape(QFrame::Panel);
    rahmen->setFrameShadow(QFrame::Sunken);
    auto *innen = new QHBoxLayout(rahmen);
    const int rand = rahmen->frameWidth();
    innen->setContentsMargins(rand, rand, rand, rand);
    auto *b = new TVerbrauchsBild(bild, rahmen);
    b->setObjectName(QStringLiteral("Image1"));
    b->setFixedSize(groesse);
    innen->addWidget(b);
    return b;
}
