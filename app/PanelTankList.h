// The panel for editing the petrol-station list. What its buttons do is
// the main window's business (TForm1::MP_2_6Click, PT_... in
// PanelTankList.cpp).
#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TForm1;

class TPanelTankList : public QFrame {
    Q_OBJECT

public:
    explicit TPanelTankList(TForm1 *form1, QWidget *parent = nullptr);

    // Row of the selected entry of PT_Liste, -1 when none is selected.
    int Auswahl() const;

    QLabel *PT_Label1 = nullptr;
    QListWidget *PT_Liste = nullptr;
    QLineEdit *PT_Edit1 = nullptr;
    QPushButton *PT_Button1 = nullptr;
    QPushButton *PT_Button2 = nullptr;
    QPushButton *PT_Button3 = nullptr;
    QPushButton *PT_Button4 = nullptr;
    QPushButton *PT_Button5 = nullptr;
    QPushButton *PT_Button6 = nullptr;

private:
    TForm1 *m_form1;
};
