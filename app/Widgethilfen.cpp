#include "Widgethilfen.h"

#include "Zusatz1.h"

#include <QSizePolicy>
#include <QWidget>

QColor Farbe(int nr)
{
    return QColor::fromRgb(FarbeNr(nr));
}

void FarbeSetzen(QWidget *w, QPalette::ColorRole rolle, const QColor &farbe)
{
    QPalette p = w->palette();
    p.setColor(rolle, farbe);
    w->setPalette(p);
}

void BleibtVerborgenStehen(QWidget *w)
{
    QSizePolicy politik = w->sizePolicy();
    politik.setRetainSizeWhenHidden(true);
    w->setSizePolicy(politik);
}
