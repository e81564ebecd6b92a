// The table of the consumption window: the values of VerbrauchsListe as
// rows (row i holds the value with Nr i), and the picture of the graph view.
#pragma once

#include "consumption/Verbrauchswerte.h"

#include <QAbstractTableModel>
#include <QWidget>

class QFrame;
class QImage;

// Reads the list only for the rows on screen. It holds no copy: Setzen must
// be called again whenever the list changed (a sort, a new selection).
class TVerbrauchsModell : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // liste may be nullptr (no rows).
    void Setzen(const TVerbrauchsListe *liste);

    int rowCount(const QModelIndex &eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex &eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    const TVerbrauchsListe *m_liste = nullptr;
    int m_zeilen = 0;
};

// Image1 of the consumption window and of the development chart: shows the
// graph the window drew into an image and reports mouse presses; the
// drawing itself is the window's business.
class TVerbrauchsBild : public QWidget {
    Q_OBJECT

public:
    explicit TVerbrauchsBild(const QImage *bild, QWidget *eltern = nullptr);
    // The mouse wheel over the picture turns this widget (the scroll bar).
    void RadWeiterleiten(QWidget *ziel) { m_rad = ziel; }

Q_SIGNALS:
    // Left button pressed at pixel punkt.
    void MausGedrueckt(QPoint punkt);
    // Any click (press and release on the picture).
    void Geklickt();

protected:
    void paintEvent(QPaintEvent *ereignis) override;
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;
    void wheelEvent(QWheelEvent *ereignis) override;

private:
    const QImage *m_bild;
    QWidget *m_rad = nullptr;
};

// A sunken frame "ImagePanel" in eltern holding a picture widget "Image1"
// of bild, fixed at groesse pixels; the frame goes to rahmen.
TVerbrauchsBild *BildImRahmen(QWidget *eltern, const QImage *bild, QSize groesse, QFrame *&rahmen);
