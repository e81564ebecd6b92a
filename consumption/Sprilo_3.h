// The consumption window TForm3 "Verbrauchsübersicht": the consumption
// values of VerbrauchsListe as a table with a detail box for the marked
// value, or as the bar graph; both share the marked value, the sort order,
// the information box with the totals and the print hand-over.
#pragma once

#include "consumption/Verbrauchsgraph.h"

#include <QDialog>
#include <QImage>

#include <cstdint>

class QAction;
class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class QStackedWidget;
class QTableView;
class QTabWidget;
class TVerbrauchsBild;
class TVerbrauchsModell;
struct TWertLabels;

class TForm3 : public QDialog {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    // Shows the values the consumption panel has just built: totals on the
    // chronological list, then sorted as Sortierung says; the fixed
    // consumption defaults to the total average; table or graph as
    // TabellenAnsicht says. Modal; the main window is hidden while it is
    // open. Returns when it is closed; VerbrauchsListe is empty then.
    void Oeffnen();

    // ---- handlers -----------------------------------------------------------
    // Both view buttons, "&Graphische Ansicht" and "&Tabellarische Ansicht":
    // to the other view (the graph only when sorted by date, else 8208).
    void Button1Click();
    void EndeClick();
    // The detail box for the selected row; the scroll bar follows.
    void GoTo_Akt_Anz();
    void InfoButtonClick();
    void AnzBox2Change(int seite);
    void GV_OkClick();
    // A sort entry or "Umgekehrte &Sortierreihenfolge".
    void MP2_SortClick(QAction *sender);
    void MP1_4Click();
    void DruckButton1Click();
    void HilfeClick();
    // Graph: the end of a scroll action marks the scroll bar's position;
    // while the thumb is dragged only the counter follows.
    void Mark_UpDn();
    void ScrollBar1Change(int position);
    // A left mouse press at pixel height y of Image1 marks that row.
    void Image1MouseDown(int y);
    void C_Box1Click();
    void FV_Button1Click();

    // ---- state --------------------------------------------------------------
    // Nr (= table row) of the marked value, 1-based.
    int32_t MarkierterWert = 1;
    // The graph's five rows as last drawn.
    TGraphFenster GraphFenster;

    // The selected table row, 1-based; 0 when there is none.
    int32_t GewaehlteZeile() const;
    // The table row shown at the top, 1-based.
    int32_t ObersteZeile() const;
    // The graph as last drawn, at the size of Image1.
    const QImage &GraphBild() const { return m_graph; }
    // How often the table was filled (for tests and measurements).
    int FuellZaehler() const { return m_fuellungen; }

    // ---- controls -----------------------------------------------------------
    QMenu *HMP1 = nullptr;       // "A&nsicht"
    QAction *MP1_1 = nullptr;
    QAction *MP1_2 = nullptr;
    QAction *MP1_4 = nullptr;
    QAction *MP1_5 = nullptr;
    QMenu *HMP2 = nullptr;       // "&Sortierung ..."
    QAction *MP2_1 = nullptr;
    QAction *MP2_2 = nullptr;
    QAction *MP2_3 = nullptr;
    QAction *MP2_4 = nullptr;
    QAction *MP2_5 = nullptr;
    QAction *MP2_U = nullptr;
    QAction *HMP3 = nullptr;     // "&Hilfe", a command of its own

    QTableView *Tabelle1 = nullptr;
    TVerbrauchsModell *Modell = nullptr;

    QGroupBox *AnzBox1 = nullptr;
    QLabel *AB_Label1a1 = nullptr;   // "Verbrauch von KM"
    QLabel *AB_Label1b1 = nullptr;
    QLabel *AB_Label1c1 = nullptr;
    QLabel *AB_Label1a2 = nullptr;   // "bis KM"
    QLabel *AB_Label1b2 = nullptr;
    QLabel *AB_Label1c2 = nullptr;
    QLabel *AB_Label1d = nullptr;
    QLabel *AB_Label2 = nullptr;
    QLabel *AB_Label2b = nullptr;
    QLabel *AB_Label3 = nullptr;
    QLabel *AB_Label3b = nullptr;
    QLabel *AB_Label4 = nullptr;
    QLabel *AB_Label4b = nullptr;
    QLabel *AB_Label5 = nullptr;
    QLabel *AB_Label5b = nullptr;
    QLabel *AB_Label8 = nullptr;     // "Theoretische Fahrstrecke :"
    QLabel *AB_Label8b = nullptr;
    QLabel *AB_Label6 = nullptr;
    QLabel *AB_Label7 = nullptr;

    QLabel *InfoLabel1 = nullptr;
    QLabel *InfoLabel2 = nullptr;
    QLabel *LabelNr1 = nullptr;

    QPushButton *Button1 = nullptr;
    QPushButton *Button1b = nullptr;
    QPushButton *InfoButton1 = nullptr;
    QPushButton *DruckButton1 = nullptr;
    QPushButton *HilfeButton = nullptr;
    QPushButton *EndeButton = nullptr;

    QTabWidget *AnzBox2 = nullptr;
    QLabel *GV_Label0 = nullptr;
    QLabel *GV_Label1a1 = nullptr;
    QLabel *GV_Label1b1 = nullptr;
    QLabel *GV_Label1c1 = nullptr;
    QLabel *GV_Label1a2 = nullptr;
    QLabel *GV_Label1b2 = nullptr;
    QLabel *GV_Label1c2 = nullptr;
    QLabel *GV_Label1d1 = nullptr;
    QLabel *GV_Label1d2 = nullptr;
    QLabel *GV_Label2 = nullptr;
    QLabel *GV_Label2b = nullptr;
    QLabel *GV_Label3 = nullptr;
    QLabel *GV_Label3b = nullptr;
    QLabel *GV_Label4 = nullptr;
    QLabel *GV_Label4b = nullptr;
    QLabel *GV_Label5 = nullptr;
    QLabel *GV_Label5b = nullptr;
    QLabel *GV_Label9 = nullptr;     // "Theoretische Fahrstrecke :"
    QLabel *GV_Label9b = nullptr;
    QLabel *GV_Label6 = nullptr;
    QLabel *GV_Label7 = nullptr;
    QLabel *GV_Label8 = nullptr;     // the red warning
    QPushButton *GV_Ok = nullptr;

    QGroupBox *GB_Fest1 = nullptr;
    QCheckBox *C_Box1 = nullptr;
    QPushButton *FV_Button1 = nullptr;
    QFrame *ImagePanel = nullptr;
    TVerbrauchsBild *Image1 = nullptr;
    QScrollBar *ScrollBar1 = nullptr;

public Q_SLOTS:
    // Esc: closes the information box when it is open, else the window.
    void reject() override;
    // Every way out (FormClose): empties VerbrauchsListe, closes the
    // information box, enables every control again.
    void done(int ergebnis) override;

protected:
    void showEvent(QShowEvent *ereignis) override;   // FormActivate

private:
    void MenueAufbauen(class QVBoxLayout *haupt);
    QWidget *TabellenSeiteAufbauen();
    QWidget *GraphSeiteAufbauen();
    QGroupBox *DetailBoxAufbauen(QWidget *eltern);
    void InfoBoxAufbauen(QWidget *eltern);
    // The labels of one value in the detail box and in the information box.
    TWertLabels DetailLabels();
    TWertLabels InfoLabels();
    void GroesseFestlegen();

    // Puts the controls both views share into the current view's places,
    // sets the help context and shows the view's own controls.
    void AnsichtEinrichten();
    void TabellenAnsichtEinrichten();
    void GraphAnsichtEinrichten();
    void MenuesSetzen();
    // The focus to the current view: the table, scrolled as the fill
    // wished, or the graph's scroll bar.
    void AnsichtFokussieren(Qt::FocusReason grund);
    void TabelleFuellen();
    void SpaltenbreitenSetzen();
    void TabellePositionieren();
    // Draws the graph anew into the image and shows it.
    void GraphZeichnen();
    void SortierTextSetzen();
    void Sortieren();
    void InfoBoxFuellen();
    void BedienungFreigeben(bool an);
    // Takes the list back from the print hand-over (the window closes).
    void DruckuebergabeLoesen();

    QWidget *m_hauptfenster = nullptr;
    // This window hid the main window and shows it again on closing.
    bool m_hauptVerborgen = false;
    QStackedWidget *m_ansichten = nullptr;
    QWidget *m_tabellenSeite = nullptr;
    QWidget *m_graphSeite = nullptr;
    QGridLayout *m_tabellenRaster = nullptr;
    QGridLayout *m_graphRaster = nullptr;
    QGridLayout *m_infoRaster = nullptr;
    QImage m_graph;
    int32_t m_sollOben = 1;
    int m_fuellungen = 0;
    int m_spaltenNoetig[5] = {};
    friend TForm3 *Form3Holen(QWidget *hauptfenster);
};

// Created once (at start-up, so that Grafikfaktor is known before any graph
// or chart is drawn); it goes with the main window. It has no parent widget:
// the main window is hidden or disabled while it is open.
TForm3 *Form3Holen(QWidget *hauptfenster);
