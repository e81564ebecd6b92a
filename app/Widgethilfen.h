// Small helpers every window uses: text between the core's UTF-8 and Qt,
// the program's colours on widgets.
#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>

class QKeyEvent;
class QLabel;
class QObject;
class QPushButton;
class QRadioButton;
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
// A radio button with its control name and hint.
QRadioButton *Radio(QWidget *eltern, const char *name, const QString &text, const QString &hinweis);
// The spacing of a work panel's layout: it follows the font, so that
// nothing crowds when the platform enlarges the texts.
int PanelAbstand(const QWidget *panel);
// How far a radio's text stands in from its mark: inputs that belong to a
// radio stand under its text.
int RadioEinzug(const QWidget *w);
// The title of a work panel: bold and a fifth larger than the text.
void UeberschriftSchrift(QLabel *label);
// For a panel that works like a dialog, with the keys its focused control
// left alone: Enter presses standard, Esc presses abbrechen (when there is
// one). True when the key was taken.
bool DialogTaste(QKeyEvent *ereignis, QPushButton *standard, QPushButton *abbrechen);
// A group of radios that stands for a setting 1..n: the radio of wert
// (anything else counts as the first), and the number 1..n of sender
// among them (0 when it is none of them).
QRadioButton *RadioFuer(std::initializer_list<QRadioButton *> radios, int wert);
uint8_t NummerVon(std::initializer_list<QRadioButton *> radios, const QObject *sender);
