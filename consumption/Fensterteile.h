// Small pieces the consumption window's files share in building it.
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QString>

// A label with its control name, showing its text as it stands.
inline QLabel *Beschriftung(QWidget *eltern, const char *name, const QString &text = QString())
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}

// Never narrower than the widest text of its kind.
inline void MindestensFuer(QLabel *l, const QString &muster)
{
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(muster) + 2);
}

// Moves a control into a cell of layout ziel. It changes its parent with
// it, which hides it: the caller decides what shows.
inline void Einsetzen(QGridLayout *ziel, QWidget *w, int zeile, int spalte, int zeilen = 1, int spalten = 1,
                      Qt::Alignment ausrichtung = {})
{
    if (QWidget *eltern = w->parentWidget(); eltern && eltern->layout())
        eltern->layout()->removeWidget(w);
    ziel->addWidget(w, zeile, spalte, zeilen, spalten, ausrichtung);
}
