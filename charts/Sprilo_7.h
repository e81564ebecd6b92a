// The development chart window TForm7: the litre-price or range series of
// EntwicklungsListe as wide bars, narrow bars or a line chart, with the
// selected point's value and changes, the tank capacity button of the range
// chart, printing and the printer set-up.
#pragma once

#include <QDialog>

class TForm7 : public QDialog {
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);
    ~TForm7() override;

    // The two entry points: the series, its statistics and axis scale are
    // built (ErmittleLiterpreisEntwicklung / ErmittleReichweitenEntwicklung).
    // Each hides the main window, runs the chart modally with the newest
    // point selected and returns when the window is closed; the caller shows
    // and enables the main window again.
    void LiterpreisZeigen();
    void ReichweiteZeigen();

private:
    QWidget *m_hauptfenster = nullptr;
    friend TForm7 *Form7Holen(QWidget *hauptfenster);
};

// Created on first use; it goes with the main window. It has no parent
// widget: the main window is hidden while it is open.
TForm7 *Form7Holen(QWidget *hauptfenster);
