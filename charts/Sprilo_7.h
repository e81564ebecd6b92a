// The development chart window TForm7: the litre-price or range series of
// EntwicklungsListe as wide bars, narrow bars or a line chart, with the
// selected point's value and changes, the tank capacity button of the range
// chart, printing and the printer set-up.
#pragma once

#include "charts/Entwicklungsgrafik.h"

#include <QDialog>
#include <QImage>

#include <cstdint>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class TVerbrauchsBild;

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

    // ---- handlers -----------------------------------------------------------
    // A left mouse press at pixel x of Image1 selects that slot's point.
    void Image1MouseDown(int x);
    // The scroll bar's position is the selected point.
    void ScrollBar1Change(int position);
    // Another chart type (the item index of RG1).
    void RG1Click(int art);
    void Button1Click();
    void Button2Click();
    void Button2bClick();
    void Button3Click();
    void HilfeButtonClick();

    // ---- state --------------------------------------------------------------
    // Which points the slots show and which one is selected.
    TEntwicklungsFenster Fenster;

    // The chart as last drawn, at the size of Image1.
    const QImage &Bild() const { return m_bild; }
    // The checked item of RG1, -1 when none is.
    int RG1ItemIndex() const;

    // ---- controls -----------------------------------------------------------
    QFrame *ImagePanel = nullptr;
    TVerbrauchsBild *Image1 = nullptr;
    QScrollBar *ScrollBar1 = nullptr;
    QLabel *InfoLabel1 = nullptr;   // "3 / 40"
    QLabel *InfoLabel2 = nullptr;   // the value
    QLabel *InfoLabel3 = nullptr;   // change to the average
    QLabel *InfoLabel4 = nullptr;   // date or period
    QLabel *InfoLabel5 = nullptr;   // change to the predecessor
    QGroupBox *RG1 = nullptr;       // " Diagrammart "
    QRadioButton *RG1Items[3] = {};
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button2b = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *HilfeButton = nullptr;

public Q_SLOTS:
    // Every way out: the main window comes back.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent *ereignis) override;   // FormActivate
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void Zeigen(uint8_t art);
    // Draws the chart anew into the image and fills the info labels.
    void Zeichnen();
    void HauptfensterZeigen();

    QWidget *m_hauptfenster = nullptr;
    // This window hid the main window and shows it again on closing.
    bool m_hauptVerborgen = false;
    QButtonGroup *m_arten = nullptr;
    QImage m_bild;
    friend TForm7 *Form7Holen(QWidget *hauptfenster);
};

// Created on first use; it goes with the main window. It has no parent
// widget: the main window is hidden while it is open.
TForm7 *Form7Holen(QWidget *hauptfenster);
