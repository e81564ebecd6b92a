// The entry panel: the controls for one new fill-up. What they do is the
// main window's business (TForm1::ErweitereDaten, EnterFeld, DatenDazuClick
// ... in PanelEingabe.cpp).
#pragma once

#include <QFrame>
#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TForm1;

class TPanelEingabe : public QFrame {
    Q_OBJECT

public:
    explicit TPanelEingabe(TForm1 *form1, QWidget *parent = nullptr);

    // Field number of a control (PE_Button1 0, PE_Edit1 1 ... PE_Edit5 7);
    // -1 for controls without one (PE_Button3, PE_Button2, PE_CB2).
    int FeldNr(const QObject *control) const;
    // The control of a field number (focus target); nullptr for 0 and 6.
    QWidget *Feld(int feldNr) const;

    QLabel *PE_Label1 = nullptr;
    QLineEdit *PE_Edit1 = nullptr;
    QLineEdit *PE_Edit2 = nullptr;
    QComboBox *PE_CB1 = nullptr;
    QLineEdit *PE_Edit3 = nullptr;
    QComboBox *PE_CB2 = nullptr;
    QLineEdit *PE_Edit4 = nullptr;
    QRadioButton *PE_RB1 = nullptr;
    QRadioButton *PE_RB2 = nullptr;
    QLabel *PE_Label_VollBei = nullptr;
    QLineEdit *PE_Edit5 = nullptr;
    QPushButton *PE_Button1 = nullptr;
    QPushButton *PE_Button3 = nullptr;
    QPushButton *PE_Button2 = nullptr;

protected:
    // Enter, Esc and the entering of fields (TForm1::EnterFeld).
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void hideEvent(QHideEvent *ereignis) override;

private:
    TForm1 *m_form1;
    // The control EnterFeld was last called for; the focus returning to it
    // with the window or from a drop-down list does not enter it again.
    QPointer<QObject> m_zuletztBetreten;
};
