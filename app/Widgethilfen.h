// Small helpers every window uses: text between the core's UTF-8 and Qt,
// the program's colours on widgets.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <string>

class QPushButton;
class QWidget;

inline QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::string Text(const QString &text)
{
    return text.toStdString();
}

// Colour number nr of the program's table (FarbeNr).
QColor Farbe(int nr);
void FarbeSetzen(QWidget *w, QPalette::ColorRole rolle, const QColor &farbe);
// The widget keeps its room in the layout while it is hidden.
void BleibtVerborgenStehen(QWidget *w);
// A push button with its control name and hint.
QPushButton *Knopf(QWidget *eltern, const char *name, const QString &text, const QString &hinweis);
