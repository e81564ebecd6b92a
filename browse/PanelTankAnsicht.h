// The fill-up selection panel "Daten und Zusammenfassung ansehen". It
// exists twice, on the main window (with "A&nsehen beenden") and inside the
// list window; both edit the same selection settings (Konfiguration.h).
// The panel itself keeps its controls and the settings in step; what its
// buttons do is the business of the window that holds it (signal
// ButtonClick: TForm1::PTA_ButtonClick, TForm2::PTA_ButtonClick).
#pragma once

#include <QFrame>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TPanelTankAnsicht : public QFrame {
    Q_OBJECT

public:
    // mitBeenden: the main window's panel, with the cancel button
    // PTA_Button2; the list window's has PTA_Button1 only.
    explicit TPanelTankAnsicht(bool mitBeenden, QWidget *parent = nullptr);

    // Sets every control from the settings: the radios, the station list
    // with "sonstige Tankstellen", the word, this year's caption, the year
    // and month lists from the first to the last fill-up, the sort radios
    // and the reverse box; shows only the inputs of the chosen modes and
    // puts the focus on the chosen station radio.
    void Fuellen();

    // The radio groups: set TankstellenAuswahl, JahresAuswahl or
    // FuellungsSortierung by the sender and show (and focus) only the
    // inputs that belong to the choice.
    void PTA_G1Click(QObject *sender);
    void PTA_G2Click(QObject *sender);
    void PTA_G3Click(QObject *sender);
    // A changed input (PTA_G1C1, PTA_G1E1, PTA_G2C1 .. PTA_G2C3, PTA_G3CB1)
    // goes into its setting; the two month lists are read as a period.
    void WechselEintrag(QObject *sender);
    // Takes the year and the period from the lists, whatever mode is
    // chosen (the first step of both windows' PTA_ButtonClick).
    void JahrUndZeitraumUebernehmen();

    QLabel *PTA_Label1 = nullptr;
    QLabel *PTA_Label2 = nullptr;
    QGroupBox *PTA_GB1 = nullptr;
    QRadioButton *PTA_G1R1 = nullptr;
    QRadioButton *PTA_G1R2 = nullptr;
    QRadioButton *PTA_G1R3 = nullptr;
    QComboBox *PTA_G1C1 = nullptr;
    QLineEdit *PTA_G1E1 = nullptr;
    QGroupBox *PTA_GB2 = nullptr;
    QRadioButton *PTA_G2R1 = nullptr;
    QRadioButton *PTA_G2R2 = nullptr;
    QRadioButton *PTA_G2R3 = nullptr;
    QRadioButton *PTA_G2R4 = nullptr;
    QComboBox *PTA_G2C1 = nullptr;
    QLabel *PTA_G2L1 = nullptr;
    QComboBox *PTA_G2C2 = nullptr;
    QLabel *PTA_G2L2 = nullptr;
    QComboBox *PTA_G2C3 = nullptr;
    QGroupBox *PTA_GB3 = nullptr;
    QRadioButton *PTA_G3R1 = nullptr;
    QRadioButton *PTA_G3R2 = nullptr;
    QRadioButton *PTA_G3R3 = nullptr;
    QRadioButton *PTA_G3R4 = nullptr;
    QCheckBox *PTA_G3CB1 = nullptr;
    QPushButton *PTA_Button1 = nullptr;
    QPushButton *PTA_Button2 = nullptr;   // nullptr in the list window

Q_SIGNALS:
    // PTA_Button1 or PTA_Button2 was pressed (or Enter / Esc).
    void ButtonClick(QObject *sender);
    // The word field left out typed characters that the configuration file
    // cannot hold; hinweis tells which (for the window's error display).
    void ZeichenAbgelehnt(const QString &hinweis);

protected:
    // Enter presses PTA_Button1, Esc PTA_Button2 (when there is one),
    // wherever the focus is in the panel.
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    // Shows the station input of TankstellenAuswahl and the year inputs of
    // JahresAuswahl, hides the others.
    void EingabenZeigen();

    // Set while Fuellen puts the settings into the controls: their change
    // signals must not write the settings back half-way.
    bool m_fuellt = false;
};
