// The main window TForm1: tool bar, main menu, the status box on the left
// and the work area on the right in which one panel is shown at a time.
// Every command starts here.
#pragma once

#include <QLabel>
#include <QMainWindow>

#include <string>

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class QToolButton;
class TPanelEingabe;
class TPanelEntwicklung;
class TPanelTankList;
class TPanelTankAnsicht;
class TPanelVerbrauch;

// A label that shortens its text with "..." in the middle when it does not
// fit; text() keeps the whole text.
class TKurzLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
};

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The explanation shown in FehlerLabel2 while the data are inconsistent.
    static const QString FehlerText2;

    // The rest of the window's creation: reads the configuration and shows
    // the status. Separate from the constructor so that tests can build the
    // window without a configuration.
    void FormCreate();

    // Rewrites the status box and enables the commands the data allow.
    void StatusAnzeigen();
    // Empties the work area before a panel or window opens.
    void PanelsSchliessen();
    // Tells in FehlerBox1 which typed characters a field left out because
    // the files cannot hold them.
    void ZeichenAbgelehnt(const QString &hinweis);
    // Computes Fensterfaktor from the entry panel's cancel button and makes
    // the window at least as large as the design scaled by it.
    void FensterGroesseAnpassen();

    // ---- commands ---------------------------------------------------------
    void MP_EndeClick();
    void FormCloseQuery(bool &CanClose);
    void ZeigHilfe();
    void HilfeZuClick(QAction *eintrag);
    void ZeigNeues();
    void ZeigSwHinw();
    void ZeigInfo();
    void MP_2_8Click();
    // A second start asked this one to come to the front.
    void Aktivieren();

    // Entry of fill-ups (PanelEingabe.cpp).
    void DatenNeuClick();
    void ErweitereDaten();
    void EnterFeld(QObject *sender);
    void SetEingFoc(QObject *sender);
    void FeldPruefen(uint8_t feldNr, uint8_t &fehlerNr);
    void Voll_JN(QObject *sender);
    void PE_CB2Change(int index);
    void DatenDazuClick(QObject *sender);
    void ExitDatEinClick();
    void FuellungEinfuegen();

    // The petrol-station list (PanelTankList.cpp).
    void MP_2_6Click();
    void PT_SortClick(QObject *sender);
    void PT_TankLoesch();
    void PT_Einfuegen();
    void PT_Ende(QObject *sender);

    // Vehicle settings, switches and printer (Einstellungen.cpp).
    void MP_2_1Click();
    void MP_2_2Click();
    void MP_2_3Click();
    void V_Fest_OnOff();
    void WarnTon_OnOff();
    void DruckEinricht();
    void DruckAufbau();

    // Loading and saving data files (Dateien.cpp). SpeichernClick returns
    // false when the data could not be written.
    void LadenClick();
    bool SpeichernClick(QObject *sender);
    // Loads a file named outside the program (the command line, a second
    // start) as LadenClick does, without the file dialog. It waits while a
    // modal window or a job keeps the menu out of reach; a newer request
    // replaces a waiting one.
    void DateiOeffnen(const QString &datei);

    // Importing a Spritmonitor export and exporting into one (Austausch.cpp).
    void MP_1_ImportClick();
    void MP_1_ExportClick();

    // The fill-up selection and the list window in view mode
    // (TankAnsicht.cpp).
    void MP_4_1Click();
    void PTA_ButtonClick(QObject *sender);

    // Changing and deleting fill-ups in the list window (DatenAendern.cpp).
    void MP_3_2Click();
    void MP_3_3Click();

    // The consumption selection and the consumption window
    // (Verbrauchsauswahl.cpp).
    void MP_4_2Click();
    void PV_ButtonClick(QObject *sender);

    // The litre-price and range development panels and the chart window
    // (Entwicklungsauswahl.cpp).
    void MP_4_3Click();
    void MP_4_4Click();
    void ShowLPClick(QObject *sender);
    void ShowRWClick(QObject *sender);
    void PR_Button3Click();

    // ---- controls ---------------------------------------------------------
    QWidget *Panel1 = nullptr;   // tool bar
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;
    QToolButton *SpeedButton6 = nullptr;
    QToolButton *SpeedButton7 = nullptr;
    QToolButton *SpeedButton8 = nullptr;
    QToolButton *SpeedButton9 = nullptr;
    QToolButton *SpeedButton10 = nullptr;
    QToolButton *SpeedButton11 = nullptr;
    QToolButton *SpeedButton12 = nullptr;
    QToolButton *SpeedButton13 = nullptr;
    QToolButton *SpeedButton14 = nullptr;
    QToolButton *SpeedButton15 = nullptr;
    QToolButton *SpeedButton16 = nullptr;

    QMenu *MP_1 = nullptr;
    QMenu *MP_2 = nullptr;
    QMenu *MP_3 = nullptr;
    QMenu *MP_4 = nullptr;
    QMenu *MP_5 = nullptr;
    QMenu *MP_5_1b = nullptr;
    QAction *MP_1_1 = nullptr;
    QAction *MP_1_2 = nullptr;
    QAction *MP_1_3 = nullptr;
    QAction *MP_1_4 = nullptr;
    QAction *MP_1_Import = nullptr;
    QAction *MP_1_Export = nullptr;
    QAction *MP_1_B1 = nullptr;
    QAction *MP_1_B2 = nullptr;
    QAction *MP_Ende = nullptr;
    QAction *MP_2_1 = nullptr;
    QAction *MP_2_2 = nullptr;
    QAction *MP_2_3 = nullptr;
    QAction *MP_2_5 = nullptr;
    QAction *MP_2_6 = nullptr;
    QAction *MP_2_7 = nullptr;
    QAction *N6 = nullptr;
    QAction *MP_2_8 = nullptr;
    QAction *MP_3_1 = nullptr;
    QAction *MP_3_2 = nullptr;
    QAction *MP_3_3 = nullptr;
    QAction *MP_4_1 = nullptr;
    QAction *MP_4_2 = nullptr;
    QAction *MP_4_3 = nullptr;
    QAction *MP_4_4 = nullptr;
    QAction *MP_5_1 = nullptr;
    QAction *MP_5_1b_Eintrag = nullptr;   // the submenu's own item
    QAction *MP_5_1b_1 = nullptr;
    QAction *MP_5_1b_2 = nullptr;
    QAction *MP_5_1b_3 = nullptr;
    QAction *MP_5_1b_4 = nullptr;
    QAction *MP_5_1b_5 = nullptr;
    QAction *MP_5_1b_6 = nullptr;
    QAction *MP_5_1b_7 = nullptr;
    QAction *MP_5_1b_8 = nullptr;
    QAction *MP_5_2 = nullptr;
    QAction *MP_5_3 = nullptr;
    QAction *MP_5_4 = nullptr;

    QGroupBox *InfoBox1 = nullptr;
    QLabel *IB_Label1 = nullptr;
    QLabel *IB_Label2 = nullptr;
    TKurzLabel *IB_Label3 = nullptr;
    QLabel *IB_Label8 = nullptr;
    QLabel *IB_Label4 = nullptr;
    QLabel *IB_Label5 = nullptr;
    QLabel *IB_LabelD1 = nullptr;
    QLabel *IB_Label6 = nullptr;
    QLabel *IB_LabelD2 = nullptr;
    QLabel *IB_Label7 = nullptr;
    QLabel *IB_Label7b = nullptr;   // status light

    QFrame *FehlerBox1 = nullptr;
    QLabel *FehlerLabel1 = nullptr;
    QLabel *FehlerLabel2 = nullptr;
    QLabel *WarteLabel1 = nullptr;
    QGroupBox *LadeBox1 = nullptr;
    QLabel *LB_Label1 = nullptr;
    QProgressBar *LB_Proz1 = nullptr;

    QWidget *Arbeitsflaeche = nullptr;
    TPanelEingabe *PanelEingabe = nullptr;
    TPanelTankList *PanelTankList = nullptr;
    TPanelTankAnsicht *PanelTankAnsicht = nullptr;
    TPanelVerbrauch *PanelVerbrauch = nullptr;
    TPanelEntwicklung *PanelLPreis = nullptr;
    TPanelEntwicklung *PanelReichweite = nullptr;

    // Focus bookkeeping of the entry panel.
    uint8_t AktuellesFeld = 0;
    uint8_t VorigesFeld = 0;
    bool PruefungLaeuft = false;

protected:
    void closeEvent(QCloseEvent *ereignis) override;

private:
    void MenueAufbauen();
    void WerkzeugleisteAufbauen();
    void ArbeitsbereichAufbauen();
    void StatuslichtSetzen(int farbNr, const QString &hinweis);
    void SchalterAbgleichen();
    // Loading behind LadenClick and DateiOeffnen; an empty name asks for
    // one in the file dialog.
    void DateiLaden(std::string datei);
    void WartendeDateiLaden();

    QString m_wartendeDatei;
    QTimer *m_ladeWarten = nullptr;
};
