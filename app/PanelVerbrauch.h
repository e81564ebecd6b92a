// The consumption selection panel "Durchschnittsverbrauch ansehen" of the
// main window: which fill-ups enter the consumption values (the last ones,
// this year, a chosen year or a period of months), how they are grouped and
// whether the consumption window shows them in reverse order. The panel
// keeps its controls and the selection settings (Verbrauchswerte.h) in
// step; what its buttons do is the main window's business (signal
// ButtonClick: TForm1::PV_ButtonClick).
#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

class TPanelVerbrauch : public QFrame {
    Q_OBJECT

public:
    explicit TPanelVerbrauch(QWidget *parent = nullptr);

    // Sets every control from the settings: the choice and its captions
    // (letzte = how many last values there are), the year and month lists
    // from the first to the last fill-up, the grouping and the reverse box;
    // shows only the inputs of the choice and focuses the choice's radio.
    // Changes no setting.
    void Fuellen(int letzte);

    // A choice radio: sets VerbrauchsAuswahl, shows (and focuses) only its
    // inputs and offers the groupings the choice allows.
    void PV_G1Click(QObject *sender);
    // A grouping radio: sets VerbrauchsAnsicht.
    void PV_G2Click(QObject *sender);
    // A changed list: the year list goes into GewaehltesJahr, the month
    // lists into ZeitraumVon and ZeitraumBis, the earlier month first.
    void WechselEintrag_V(QObject *sender);
    // Takes the year and the period from the lists, whatever is chosen (the
    // first step of PV_ButtonClick).
    void ListenUebernehmen();

    QLabel *PV_Label1 = nullptr;
    QGroupBox *PV_GB1 = nullptr;
    QRadioButton *PV_G1R1 = nullptr;
    QRadioButton *PV_G1R2 = nullptr;
    QRadioButton *PV_G1R3 = nullptr;
    QRadioButton *PV_G1R4 = nullptr;
    QComboBox *PV_G1C1 = nullptr;
    QLabel *PV_G1L1 = nullptr;
    QComboBox *PV_G1C2 = nullptr;
    QLabel *PV_G1L2 = nullptr;
    QComboBox *PV_G1C3 = nullptr;
    QGroupBox *PV_GB2 = nullptr;
    QRadioButton *PV_G2R1 = nullptr;
    QRadioButton *PV_G2R2 = nullptr;
    QRadioButton *PV_G2R3 = nullptr;
    QRadioButton *PV_G2R4 = nullptr;
    QCheckBox *PV_CB1 = nullptr;
    QPushButton *PV_Button1 = nullptr;
    QPushButton *PV_Button2 = nullptr;

Q_SIGNALS:
    // PV_Button1 or PV_Button2 was pressed (or Enter / Esc).
    void ButtonClick(QObject *sender);

protected:
    // Enter presses PV_Button1, Esc PV_Button2, wherever the focus is in
    // the panel.
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    // Shows the year list with the third choice, the period with the
    // fourth, and hides them otherwise.
    void EingabenZeigen();
    // The last values are never grouped: with the first choice "&Einzeln"
    // is shown checked and the other groupings are disabled, while
    // VerbrauchsAnsicht keeps the grouping stored for the other choices,
    // which get it shown again.
    void AnsichtZeigen();

    // Set while the controls are set from the settings: their change
    // signals must not write the settings back.
    bool m_fuellt = false;
};
