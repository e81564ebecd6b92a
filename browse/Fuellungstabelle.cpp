// The table of the list window: the model over a fill-up list and the way
// its cells are drawn.
#include "Fuellungstabelle.h"

#include "Auswahl.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fill-up columns whose texts are numbers, padded to their width.
bool ZahlenSpalte(int spalte)
{
    return spalte == 1 || spalte == 3 || spalte == 4 || spalte == 5 || spalte == 7;
}

constexpr int BetragSpalte = 3;

} // namespace

// ---- TFuellungsModell ---------------------------------------------------------

void TFuellungsModell::Setzen(const TTankListe *liste, bool markSpalte)
{
    beginResetModel();
    m_liste = liste;
    m_zeilen = liste ? static_cast<int>(liste->size()) : 0;
    m_markSpalte = markSpalte;
    endResetModel();
}

int TFuellungsModell::rowCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : m_zeilen;
}

int TFuellungsModell::columnCount(const QModelIndex &eltern) const
{
    return eltern.isValid() ? 0 : FuellungsSpalten + (m_markSpalte ? 1 : 0);
}

QVariant TFuellungsModell::data(const QModelIndex &index, int rolle) const
{
    // The list may have changed since the last Setzen (a deletion, a new
    // selection): rows it no longer has stay empty until then.
    if (!m_liste || !index.isValid() || index.row() >= static_cast<int>(m_liste->size()))
        return {};
    const int spalte = index.column() - (m_markSpalte ? 1 : 0);
    switch (rolle) {
    case Qt::DisplayRole:
        if (spalte < 0) {
            const int32_t nr = index.row() + 1;
            return nr == FehlerNr1 || nr == FehlerNr2 ? u"=>"_s : QString();
        }
        return QString::fromStdString(FuellungsZelle((*m_liste)[static_cast<size_t>(index.row())], spalte));
    case Qt::ToolTipRole:
        // A long station name is cut off in its column.
        if (spalte == 2)
            return QString::fromStdString((*m_liste)[static_cast<size_t>(index.row())].Tankstelle);
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter)
                                   | (ZahlenSpalte(spalte) ? Qt::AlignRight : Qt::AlignLeft));
    default:
        return {};
    }
}

QVariant TFuellungsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal)
        return {};
    const int spalte = abschnitt - (m_markSpalte ? 1 : 0);
    if (rolle == Qt::DisplayRole)
        return spalte < 0 ? u" !"_s : QString::fromUtf8(FuellungsKoepfe[static_cast<size_t>(spalte)]);
    if (rolle == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter)
                                   | (ZahlenSpalte(spalte) ? Qt::AlignRight : Qt::AlignLeft));
    return {};
}

// ---- TFuellungsDelegate -------------------------------------------------------

// The numbers are padded with blanks for a fixed-pitch font; in the table's
// font a blank is narrower than a digit, so the padding would make the
// columns ragged. Right-aligned without it they line up, and the currency
// of an amount stands at the left edge of its column.
void TFuellungsDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto *modell = qobject_cast<const TFuellungsModell *>(index.model());
    const int spalte = modell ? index.column() - (modell->MarkSpalte() ? 1 : 0) : -1;
    if (!ZahlenSpalte(spalte))
        return;
    QString text = option->text.trimmed();
    if (spalte == BetragSpalte && text.startsWith(u"EUR "_s))
        text = text.mid(4).trimmed();
    option->text = text;
}

void TFuellungsDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const auto *modell = qobject_cast<const TFuellungsModell *>(index.model());
    if (!modell || index.column() != modell->Spalte(BetragSpalte))
        return;
    if (!index.data(Qt::DisplayRole).toString().startsWith(u"EUR "_s))
        return;
    // "EUR" on the baseline the style gave the number: a line of the
    // cell's font centred in the text area.
    QStyleOptionViewItem feld = option;
    initStyleOption(&feld, index);
    const QStyle *stil = feld.widget ? feld.widget->style() : QApplication::style();
    const int rand = stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, feld.widget) + 1;
    const QRect flaeche = stil->subElementRect(QStyle::SE_ItemViewItemText, &feld, feld.widget).adjusted(rand, 0, -rand, 0);
    QTextLayout zeile(u"EUR"_s, feld.font);
    zeile.beginLayout();
    QTextLine linie = zeile.createLine();
    linie.setLineWidth(flaeche.width());
    zeile.endLayout();
    const int hoehe = qCeil(linie.height());
    const QRect platz = QStyle::alignedRect(feld.direction, Qt::AlignLeft | Qt::AlignVCenter,
                                            QSize(flaeche.width(), hoehe), flaeche);
    const bool gewaehlt = feld.state & QStyle::State_Selected;
    const QPalette::ColorGroup gruppe = !(feld.state & QStyle::State_Enabled) ? QPalette::Disabled
                                        : (feld.state & QStyle::State_Active) ? QPalette::Active
                                                                              : QPalette::Inactive;
    painter->save();
    painter->setFont(feld.font);
    painter->setPen(feld.palette.color(gruppe, gewaehlt ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(QPointF(platz.left(), platz.top() + linie.ascent()), u"EUR"_s);
    painter->restore();
}
