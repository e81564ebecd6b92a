// The table of the list window: the fill-ups of a list as rows, and how
// their cells are drawn.
#pragma once

#include "core/Sprilo_Dek.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

// Reads the list only for the rows on screen, so a list of a million
// fill-ups opens as fast as one of ten. It holds no copy: Setzen must be
// called again whenever the list changed.
class TFuellungsModell : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // liste may be nullptr (no rows). markSpalte puts the column " !" in
    // front, with "=>" in the rows FehlerNr1 and FehlerNr2.
    void Setzen(const TTankListe *liste, bool markSpalte);
    const TTankListe *Liste() const { return m_liste; }
    bool MarkSpalte() const { return m_markSpalte; }
    // Table column of fill-up column spalte (0 date .. 7 full-at).
    int Spalte(int spalte) const { return spalte + (m_markSpalte ? 1 : 0); }

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    const TTankListe *m_liste = nullptr;
    int m_zeilen = 0;
    bool m_markSpalte = false;
};

class TFuellungsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};
