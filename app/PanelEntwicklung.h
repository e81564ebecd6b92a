// The two development panels of the main window: "Entwicklung des
// Literpreises" (PanelLPreis) and "Entwicklung der Reichweite"
// (PanelReichweite). Each chooses all years or a period of months and how
// the points are grouped; the range panel also shows the tank capacity and
// offers to change it. One class serves both: they differ only in their
// texts, control names and the settings they keep in step (LP_... or
// RW_...). What the buttons do is the main window's business (signals
// ButtonClick: TForm1::ShowLPClick / ShowRWClick, TankinhaltAendern:
// TForm1::PR_Button3Click).
#pragma once

#include "core/Sprilo_Dek.h"

#include <QFrame>

#include <cstdint>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

class TPanelEntwicklung : public QFrame {
    Q_OBJECT

public:
    enum TArt : uint8_t { Literpreis = 1, Reichweite = 2 };

    // art picks the texts, the control names and the settings.
    explicit TPanelEntwicklung(TArt art, QWidget *parent = nullptr);

    TArt Art() const { return m_art; }

    // Sets every control from the settings: the period radio with the month
    // lists shown only for a period, the lists from the first to the last
    // fill-up on the stored months (else the first and the last entry), the
    // grouping radio and, on the range panel, the tank capacity. Focuses the
    // period radio. Changes no setting.
    void Fuellen();
    // The range panel's "Aktueller Tankinhalt :" with Tankinhalt.
    void TankinhaltZeigen();

    // PLp_GBClick / PR_GBClick, every radio of the panel: the period radios
    // set the Zeitraumwahl and show or hide the month lists, the grouping
    // radios set the Ansicht.
    void GBClick(QObject *sender);
    // PLp_CBClick / PR_CBClick, a changed month list: the two months go into
    // Von and Bis, the earlier one first.
    void CBClick();

    // The settings of this panel: LP_... or RW_...
    uint8_t &Zeitraumwahl() const { return *m_zeitraumwahl; }
    uint8_t &Ansicht() const { return *m_ansicht; }
    TDatum &Von() const { return *m_von; }
    TDatum &Bis() const { return *m_bis; }

    // Controls; the object name of each, litre price / range:
    QLabel *Label1 = nullptr;        // PLp_Label1  / PR_Label1, title
    QGroupBox *GB1 = nullptr;        // PLp_GB1     / PR_GB1, period
    QRadioButton *G1R1 = nullptr;    // PLP_G1_R1   / PR_G1R1, all years
    QRadioButton *G1R2 = nullptr;    // PLp_G1_R2   / PR_G1R2, a period
    QLabel *Label2 = nullptr;        // PLP_Label2  / PR_Label2, "&von"
    QComboBox *G1C1 = nullptr;       // PLp_G1_C1   / PR_G1C1, first month
    QLabel *Label3 = nullptr;        // PLP_Label3  / PR_Label3, "&bis"
    QComboBox *G1C2 = nullptr;       // PLp_G1_C2   / PR_G1C2, last month
    QGroupBox *GB2 = nullptr;        // PLp_GB2     / PR_GB2, grouping
    QRadioButton *G2R1 = nullptr;    // PLp_G2_R1.. / PR_G2R1..: single,
    QRadioButton *G2R2 = nullptr;    //   by month,
    QRadioButton *G2R3 = nullptr;    //   by quarter,
    QRadioButton *G2R4 = nullptr;    //   by year
    QLabel *Label4 = nullptr;        // -           / PR_Label4, tank capacity
    QPushButton *Button3 = nullptr;  // -           / PR_Button3, change it
    QPushButton *Button1 = nullptr;  // PLp_Button1 / PR_Button1, show (default)
    QPushButton *Button2 = nullptr;  // PLp_Button2 / PR_Button2, cancel

Q_SIGNALS:
    // Button1 or Button2 was pressed (or Enter / Esc).
    void ButtonClick(QObject *sender);
    // Button3 of the range panel was pressed.
    void TankinhaltAendern();

protected:
    // Enter presses Button1, Esc Button2, wherever the focus is in the panel.
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    // The month lists and their captions, only while a period is chosen.
    void MonateZeigen();

    const TArt m_art;
    uint8_t *m_zeitraumwahl;
    uint8_t *m_ansicht;
    TDatum *m_von;
    TDatum *m_bis;

    // Set while the controls are set from the settings: their change
    // signals must not write the settings back.
    bool m_fuellt = false;
};
