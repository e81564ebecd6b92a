#include "Widgethilfen.h"

#include "Zusatz1.h"

#include <QPushButton>
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

QPushButton *Knopf(QWidget *eltern, const char *name, const QString &text, const QString &hinweis)
{
    auto *k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setToolTip(hinweis);
    return k;
}
