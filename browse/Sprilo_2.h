// The fill-up list window TForm2: the table of fill-ups in one of three
// modes. Change (1) and delete (2) work on the main list; view (3) shows
// the selection list, which it sorts, summarises, prints and selects anew.
#pragma once

#include "browse/Auswahl.h"
#include "core/Sprilo_Dek.h"

#include <QDialog>

#include <cstdint>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QTabWidget;
class QToolButton;
class TFuellungsModell;
class TPanelTankAnsicht;

class TForm2 : public QDialog {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // Each sets up its mode, fills the table and shows the window modally;
    // they return when it is closed. The caller hides its own window.
    void AendernOeffnen();    // 1, called by TForm1::MP_3_2Click
    void LoeschenOeffnen();   // 2, called by TForm1::MP_3_3Click
    void AnsehenOeffnen();    // 3, called by TForm1::PTA_ButtonClick

    // ---- handlers -----------------------------------------------------------
    void EndeClick();
    void HilfeClick();
    // Rewrites the row counter "x / n" for the selected row.
    void AktAnz();
    void Tabelle1DblClick();
    // Change: opens the change panel with the selected fill-up; the radios;
    // the two buttons of the panel.
    void Aend_B1Click();
    void PA_Voll_JN(QObject *sender);
    void PA_ButtonClick(QObject *sender);
    // Delete the selected fill-up, after asking.
    void Del_B1Click();
    // View: the sort buttons and the items of "Sortierung ...".
    void SpeedButtonClick(QObject *sender);
    // The selection panel inside the window, and its button.
    void Dat_NeuClick();
    void PTA_ButtonClick(QObject *sender);
    // The summary pages, and their "&Ok" buttons.
    void Daten_InfoClick();
    void DI_ButtonClick();
    void Btn_Druck1Click();

    // ---- state --------------------------------------------------------------
    uint8_t FensterModus = 0;
    int32_t AenderZeile = 0;
    // Nr of the fill-up being changed; after a change, the Nr it moved to.
    int32_t AenderKnoten = 0;
    bool Geaendert = false;
    // Table width at creation / 785: the scale of the column widths.
    double Spaltenfaktor = 1;

    // The selected row, 1-based; 0 when there is none.
    int32_t GewaehlteZeile() const;
    // The row shown at the top of the table, 1-based.
    int32_t ObersteZeile() const;
    // How often the table was filled: each sort, change and deletion fills
    // it once (for tests and measurements).
    int FuellZaehler() const { return m_fuellungen; }

    // ---- controls -----------------------------------------------------------
    QMenu *HMP1 = nullptr;       // "&Bearbeiten"
    QAction *MP1_1 = nullptr;
    QAction *MP1_2 = nullptr;
    QAction *MP1_3 = nullptr;
    QAction *MP1_5 = nullptr;
    QAction *MP1_6 = nullptr;
    QMenu *HMP2 = nullptr;       // "&Sortierung ..."
    QAction *MP2_1 = nullptr;
    QAction *MP2_2 = nullptr;
    QAction *MP2_3 = nullptr;
    QAction *MP2_4 = nullptr;
    QAction *MP2_5 = nullptr;
    QAction *HMP3 = nullptr;     // "&Info", a command of its own
    QAction *HMP4 = nullptr;     // "&Hilfe", a command of its own

    QTableView *Tabelle1 = nullptr;
    TFuellungsModell *Modell = nullptr;
    QLabel *LabelNr1 = nullptr;

    QFrame *LabelPanel1 = nullptr;
    QLabel *LP1_Label1 = nullptr;
    QLabel *LP1_Label2 = nullptr;
    QLabel *LP1_Label3 = nullptr;
    QLabel *LP1_Label3b = nullptr;

    QFrame *LabelPanel2 = nullptr;
    QLabel *LP2_Label1 = nullptr;
    QLabel *LP2_Label2 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    QToolButton *SpeedButton4 = nullptr;
    QToolButton *SpeedButton5 = nullptr;

    QPushButton *Aend_B1 = nullptr;
    QPushButton *Del_B1 = nullptr;
    QPushButton *Dat_Neu = nullptr;
    QPushButton *Daten_Info = nullptr;
    QPushButton *Btn_Druck1 = nullptr;
    QPushButton *EndeButton = nullptr;
    QPushButton *HilfeButton = nullptr;

    QFrame *SortInfo = nullptr;

    QFrame *PanelAendern = nullptr;
    QLabel *PA_Label1 = nullptr;
    QLineEdit *PA_Edit1 = nullptr;
    QLineEdit *PA_Edit2 = nullptr;
    QComboBox *PA_CB1 = nullptr;
    QLineEdit *PA_Edit3 = nullptr;
    QComboBox *PA_CB2 = nullptr;
    QLineEdit *PA_Edit4 = nullptr;
    QLabel *PA_Label7 = nullptr;
    QRadioButton *PA_RB1 = nullptr;
    QRadioButton *PA_RB2 = nullptr;
    QLabel *PA_Label8 = nullptr;
    QLineEdit *PA_Edit5 = nullptr;
    QPushButton *PA_Button1 = nullptr;
    QPushButton *PA_Button2 = nullptr;
    QFrame *F_Panel1 = nullptr;
    QLabel *F_Label1 = nullptr;

    TPanelTankAnsicht *PanelTankAnsicht = nullptr;

    QTabWidget *DatInfo1 = nullptr;
    QWidget *Seite1 = nullptr;
    QWidget *Seite2 = nullptr;
    QWidget *Seite3 = nullptr;
    QWidget *Seite4 = nullptr;
    QLabel *DI_Label1 = nullptr;
    QLabel *DI_Label2 = nullptr;
    QLabel *DI_Label3 = nullptr;
    QLabel *DI_Label3a = nullptr;
    QLabel *DI_Label4 = nullptr;
    QLabel *DI_Label4a = nullptr;
    QLabel *DI_Label5 = nullptr;
    QLabel *DI_Label5a = nullptr;
    QLabel *DI2_Label1 = nullptr;
    QLabel *DI2_Label2 = nullptr;
    QLabel *DI2_Label3 = nullptr;
    QLabel *DI2_Label4 = nullptr;
    QLabel *DI2_Label5 = nullptr;
    QLabel *DI2_Label6 = nullptr;
    QLabel *DI2_Label7 = nullptr;
    QLabel *DI3_Label1 = nullptr;
    QLabel *DI3_Label2 = nullptr;
    QLabel *DI3_Label3 = nullptr;
    QLabel *DI3_Label4 = nullptr;
    QLabel *DI3_Label5 = nullptr;
    QLabel *DI3_Label6 = nullptr;
    QLabel *DI3_Label7 = nullptr;
    QLabel *DI4_Label1 = nullptr;
    QLabel *DI4_Label2 = nullptr;
    QLabel *DI4_Label3 = nullptr;
    QLabel *DI4_Label4 = nullptr;
    QLabel *DI4_Label5 = nullptr;
    QLabel *DI4_Label6 = nullptr;
    QLabel *DI4_Label7 = nullptr;
    QPushButton *DI_Button1 = nullptr;
    QPushButton *DI_Button2 = nullptr;
    QPushButton *DI_Button3 = nullptr;
    QPushButton *DI_Button4 = nullptr;

public Q_SLOTS:
    // Esc: closes the summary when it is open; closes the window unless
    // "zurück zum Hauptmenü" is disabled (change panel, printing).
    void reject() override;
    // Every way out (FormClose): empties the selection, closes the summary
    // and hides the elements of the mode.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent *ereignis) override;   // FormActivate

private:
    void MenueAufbauen(class QVBoxLayout *haupt);
    QWidget *KopfAufbauen();
    QWidget *FlaecheAufbauen();
    QWidget *KnoepfeAufbauen();
    void SortierKnoepfeAufbauen(class QHBoxLayout *knoepfe);
    void PanelAendernAufbauen(QWidget *flaeche);
    void DatInfoAufbauen(QWidget *flaeche);
    void GroesseFestlegen();

    // Sets the mode's captions, help, visible elements; fills the table.
    void ModusSetzen(uint8_t modus);
    void Oeffnen();
    void TabelleFuellen(const TTankListe *liste, uint8_t modus);
    void SpaltenbreitenSetzen();
    void TabellePositionieren();
    void ModusElementeVerbergen();
    void BedienungFreigeben(bool an, bool mitSortInfo);
    // Rewrites LP2_Label2 and the down states and check marks of the sort
    // buttons and items from FuellungsSortierung / FuellungenUmgekehrt.
    void SortierAnzeigeSetzen();
    // AuswahlSortieren with the wait text in LP2_Label2.
    void Sortieren();
    void AendernSchliessen();
    void FehlerZeigen(const QString &text, bool hinweis);
    void ZeichenAbgelehnt(const QString &hinweis);

    QButtonGroup *m_sortierKnoepfe = nullptr;
    // The table's scroll position wished by the last fill, applied as soon
    // as the table has its size: the top row (1-based), or 0 to just make
    // the selected row visible.
    int32_t m_sollOben = 0;
    int m_fuellungen = 0;
    // Width each column needs for its widest text (SpaltenbreitenSetzen).
    int m_spaltenNoetig[FuellungsSpalten] = {};
    int m_markNoetig = 0;
};

// Created once, on first use; it goes with the main window. It has no
// parent widget: the main window is disabled while it is open, which would
// disable a child window as well.
TForm2 *Form2Holen(QWidget *hauptfenster);
