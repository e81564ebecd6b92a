// Small pieces the consumption window's files share in building it and in
// showing a value.
#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QString>

struct TVerbrauchsDetails;

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

// The labels that describe one consumption value: from and to, each with
// caption, odometer and date (a fourth column is left to the box, for the
// period); a caption and a value a row for the distance, the litres filled
// and consumed, the average and the theoretical range; the fill-up count
// and the amount sentence. The detail box and the information box each
// have a set of their own; these refer to the window's members.
struct TWertLabels {
    QLabel *&VonText;
    QLabel *&VonKM;
    QLabel *&VonDatum;
    QLabel *&BisText;
    QLabel *&BisKM;
    QLabel *&BisDatum;
    QLabel *&StreckeText;
    QLabel *&Strecke;
    QLabel *&GetanktText;
    QLabel *&Getankt;
    QLabel *&VerbrauchtText;
    QLabel *&Verbraucht;
    QLabel *&DurchschnittText;
    QLabel *&Durchschnitt;
    QLabel *&FahrstreckeText;
    QLabel *&Fahrstrecke;
    QLabel *&Tankungen;
    QLabel *&Kosten;
};

// Makes the set in eltern, with room for the widest texts, named praefix
// with "Label1a1" ... "Label7"; the range's pair is "Label<n>" and
// "Label<n>b", n = fahrstreckeNr.
void WertLabelsAnlegen(const TWertLabels &l, QWidget *eltern, const char *praefix, int fahrstreckeNr);
// Lays the set out in r from row zeile on; returns the first row after it.
int WertLabelsSetzen(const TWertLabels &l, QGridLayout *r, int zeile);
// Shows the details d; the range only with a tank capacity.
void WertLabelsFuellen(const TWertLabels &l, const TVerbrauchsDetails &d, bool mitTankinhalt);
