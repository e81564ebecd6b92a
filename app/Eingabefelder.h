// Small habits shared by the text fields of several windows: the whole
// text selected when a field is entered, and only characters that the data
// and configuration files can hold.
#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QLineEdit;

// Selects the whole text whenever the field gets the focus (by the
// program, the keyboard or a click), unless part of it is selected
// already, so that typing replaces it. The focus coming back with the
// window (after a message box) keeps what was there.
void GanzenTextBeimBetretenWaehlen(QLineEdit *edit);
void GanzenTextBeimBetretenWaehlen(QComboBox *feld);

// Takes out again what the user typed or pasted into edit and the files
// cannot hold, keeping the cursor where it was; umformen, when given,
// changes the rest as it is typed (upper case). melden hears of each edit
// that lost characters, once, with the user's notice. Text the program puts
// in is not touched.
void NurSpeicherbareZeichen(QLineEdit *edit, std::function<void(const QString &hinweis)> melden,
                            std::function<QString(const QString &)> umformen = {});
