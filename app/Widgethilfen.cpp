#include "Widgethilfen.h"

#include "Zusatz1.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSizePolicy>
#include <QStyle>
#include <QWidget>

#include <algorithm>

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

QRadioButton *Radio(QWidget *eltern, const char *name, const QString &text, const QString &hinweis)
{
    auto *r = new QRadioButton(text, eltern);
    r->setObjectName(QString::fromLatin1(name));
    r->setToolTip(hinweis);
    return r;
}

int PanelAbstand(const QWidget *panel)
{
    return std::max(6, panel->fontMetrics().height() / 2);
}

int RadioEinzug(const QWidget *w)
{
    return w->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
           + w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
}

void UeberschriftSchrift(QLabel *label)
{
    QFont schrift = label->font();
    schrift.setBold(true);
    if (schrift.pointSizeF() > 0)
        schrift.setPointSizeF(schrift.pointSizeF() * 1.2);
    label->setFont(schrift);
}

bool DialogTaste(QKeyEvent *ereignis, QPushButton *standard, QPushButton *abbrechen)
{
    // A focused button has taken Enter itself already.
    if ((ereignis->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QPushButton *knopf = nullptr;
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        knopf = standard;
        break;
    case Qt::Key_Escape:
        knopf = abbrechen;
        break;
    default:
        break;
    }
    if (!knopf)
        return false;
    knopf->click();
    ereignis->accept();
    return true;
}

QRadioButton *RadioFuer(std::initializer_list<QRadioButton *> radios, int wert)
{
    const int i = wert >= 1 && wert <= static_cast<int>(radios.size()) ? wert - 1 : 0;
    return radios.begin()[i];
}

uint8_t NummerVon(std::initializer_list<QRadioButton *> radios, const QObject *sender)
{
    uint8_t nr = 0;
    for (QRadioButton *r : radios) {
        ++nr;
        if (r == sender)
            return nr;
    }
    return 0;
}
