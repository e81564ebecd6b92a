// The intro window shown while the program starts: title, version, a
// picture and a progress line with the current start-up step.
#pragma once

#include <QWidget>

class QLabel;

class TIntroForm : public QWidget {
    Q_OBJECT

public:
    explicit TIntroForm(QWidget *parent = nullptr);

    // Shows the line as the progress line and repaints at once.
    void Fortschritt(const QString &zeile);
    // Repaints at once (messages may have covered the window).
    void Neuzeichnen();

    QLabel *Label1 = nullptr;   // "Sprilo - Programm"
    QLabel *Label2 = nullptr;   // version
    QLabel *Image1 = nullptr;   // picture
    QLabel *Label3 = nullptr;   // progress line
};
