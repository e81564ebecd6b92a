// The print dialog: one dialog for the five kinds of print. Each entry
// point shows only the option groups of its kind, the options are kept in
// the print settings, and the job runs inside the dialog with a gauge and a
// cancel button.
#pragma once

#include "print/Druckseite.h"

#include <QDialog>
#include <QElapsedTimer>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;

// Set by "Druck &abbrechen"; the job's loops ask for it after each item.
extern bool DruckAbbrechen;
// The colour choice, kept while a printer without colours is selected.
extern bool Farbwahl;
// The dialog was opened by the consumption window.
extern bool AusVerbrauchsfenster;
// The all-data dialog draws its two separator lines.
extern bool Trennlinien;

// How many colours the program's printer prints. A PDF counts as colour; a
// printer set to grey scale in its set-up prints two. Tests put a printer
// without colours in its place.
extern std::function<int()> DruckerFarben;

class TForm4 : public QDialog, public TDruckFortschritt {
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);
    ~TForm4() override;

    // ---- the five entry points; each runs the dialog modally -----------------
    // All data, from the main window.
    void AlleDatenDrucken();
    // The fill-ups the list window handed over (DruckListe).
    void TankfuellungenDrucken();
    // The consumption values the consumption window handed over;
    // nurTabelle when they are sorted by other than the date, which leaves
    // only the table to print.
    void VerbrauchDrucken(bool nurTabelle);
    // The litre-price or range development; balken chooses the bar chart
    // radio beforehand and receives its state afterwards.
    void LiterpreisDrucken(bool &balken);
    void ReichweiteDrucken(bool &balken);

    // ---- TDruckFortschritt: the progress mode --------------------------------
    void Phase(const std::string &text, int maximum) override;
    void Position(int wert) override;
    void SeitenText(const std::string &text) override;
    bool Abgebrochen() override;

    // Help key of the current kind of print ("F4_All" …).
    QString HilfeSchluessel() const;
    // True while the job runs (progress mode).
    bool Druckt() const { return m_druckt; }

    QLabel *UB_Label1 = nullptr;
    QCheckBox *CB1 = nullptr;
    QCheckBox *CB2 = nullptr;
    QCheckBox *CB3 = nullptr;

    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *GB1_RB1 = nullptr;
    QRadioButton *GB1_RB2 = nullptr;
    QRadioButton *GB1_RB3 = nullptr;
    QComboBox *GB1_CoB1 = nullptr;
    QComboBox *GB1_CoB2 = nullptr;
    QComboBox *GB1_CoB3 = nullptr;
    QLabel *GB1_L1 = nullptr;
    QLabel *GB1_L2 = nullptr;
    QLabel *GB1_Label1 = nullptr;
    QCheckBox *GB1_CB1 = nullptr;
    QCheckBox *GB1_CB2 = nullptr;

    QGroupBox *GroupBox2 = nullptr;
    QLabel *GB2_Label1 = nullptr;
    QCheckBox *CB_Farbe = nullptr;
    QRadioButton *GB2_RB1 = nullptr;
    QRadioButton *GB2_RB2 = nullptr;
    QRadioButton *GB2_RB3 = nullptr;
    QCheckBox *GB2_CB1 = nullptr;

    QGroupBox *GroupBox2b = nullptr;
    QRadioButton *GB2b_RB1 = nullptr;
    QRadioButton *GB2b_RB2 = nullptr;
    QComboBox *GB2b_CoB1 = nullptr;
    QComboBox *GB2b_CoB2 = nullptr;
    QComboBox *GB2b_CoB3 = nullptr;
    QLabel *GB2b_L1 = nullptr;
    QLabel *GB2b_L2 = nullptr;

    QGroupBox *GroupBox2c = nullptr;
    QRadioButton *GB2c_RB1 = nullptr;
    QRadioButton *GB2c_RB2 = nullptr;
    QRadioButton *GB2c_RB3 = nullptr;
    QRadioButton *GB2c_RB4 = nullptr;

    QGroupBox *GroupBox3 = nullptr;
    QRadioButton *GB3_RB1 = nullptr;
    QRadioButton *GB3_RB2 = nullptr;
    QComboBox *GB3_CoB1 = nullptr;
    QComboBox *GB3_CoB2 = nullptr;
    QComboBox *GB3_CoB3 = nullptr;
    QLabel *GB3_L1 = nullptr;
    QLabel *GB3_L2 = nullptr;
    QCheckBox *GB3_CB1 = nullptr;
    QCheckBox *GB3_CB2 = nullptr;

    QGroupBox *GroupBox4 = nullptr;
    QRadioButton *GB4_RB1 = nullptr;
    QRadioButton *GB4_RB2 = nullptr;
    QCheckBox *GB4_CB1 = nullptr;

    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;

    QProgressBar *Prozent1 = nullptr;
    QLabel *ProzLabel1 = nullptr;
    QLabel *ProzLabel2 = nullptr;
    QPushButton *Button5 = nullptr;

    // ---- handlers ------------------------------------------------------------
    void CB_Click(QCheckBox *sender);
    void GB1_RBClick(QRadioButton *sender);
    void GB2_RBClick();
    void GB2b_RBClick(QRadioButton *sender);
    void GB2c_RBClick(QRadioButton *sender);
    void GB3_RBClick(QRadioButton *sender);
    void GB3_CBClick(QCheckBox *sender);
    void CB_FarbeClick();
    void Button1Click();   // the print job
    void Button3Click();   // printer set-up
    void Button4Click();   // help
    void Button5Click();   // cancel the job
    // Esc and the close box; while printing only Button5 ends the job.
    void reject() override;

protected:
    void showEvent(QShowEvent *ereignis) override;   // FormActivate
    void closeEvent(QCloseEvent *ereignis) override;
    void resizeEvent(QResizeEvent *ereignis) override;

private:
    // The controls (Druckdialogaufbau.cpp).
    QWidget *LinkeSpalteAufbauen();
    QWidget *RechteSpalteAufbauen();
    QWidget *KnoepfeAufbauen();
    void FortschrittAufbauen();
    void Verbinden();

    void EntwicklungDrucken(uint8_t druckArt, bool &balken);
    void Oeffnen(uint8_t druckArt, const QString &titel, const QString &ueberschrift, int kontext);
    void AllesVerbergen();
    void AlleDatenEinrichten();
    void Aktivieren();
    void DruckenFreigeben();
    void GruppenFreigeben(bool tankfuellungen, bool verbrauch, bool tankstellen);
    void Gruppe2Freigeben(bool an);
    // Both colour boxes by the printer's colours, checked as wahl.
    void FarbRegel(bool wahl);
    void VerbrauchsfensterRegel();
    void DruckHinweisSetzen();
    void GroesseFestlegen();
    void Zentrieren();
    void FortschrittsModus();
    void FortschrittAnordnen();
    void EinstellungenUebernehmen();
    bool PdfDateiKlaeren();
    void SchliessknopfZeigen(bool an);

    QWidget *m_optionen = nullptr;        // heading, boxes and groups
    QWidget *m_linkeSpalte = nullptr;
    QWidget *m_rechteSpalte = nullptr;
    QWidget *m_gb1Auswahl = nullptr;      // the radios and lists of group 1
    QWidget *m_linieSenkrecht = nullptr;  // the separator lines of all data
    QWidget *m_linieWaagerecht = nullptr;
    QWidget *m_knoepfe = nullptr;
    QWidget *m_fokus = nullptr;
    bool m_nurTabelle = false;
    bool m_druckt = false;
    QElapsedTimer m_pause;
};

// The print dialog, made on first use; it goes with the main window. Like
// the list and consumption windows it has no parent widget, so that it is
// not disabled with the window that opens it.
TForm4 *Form4Holen(QWidget *hauptfenster);
