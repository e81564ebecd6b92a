// The small settings dialog for the licence plate (mode 0), the fixed
// consumption (mode 1) and the tank capacity (mode 2).
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TZusatzForm : public QDialog {
    Q_OBJECT

public:
    explicit TZusatzForm(QWidget *parent = nullptr);
    ~TZusatzForm() override;

    // Entry points; each shows the dialog modally.
    // On OK, Kennzeichen becomes the edit text cut to 20 characters.
    void KennzeichenEingeben();
    // wert receives a confirmed valid value; otherwise it stays as it was.
    void FestverbrauchEingeben(long double &wert);
    void TankinhaltEingeben(long double &wert, bool mindestensEinLiter);

    void KB_Click(QPushButton *sender);
    // Shows in red under the edit which typed characters were left out
    // (the notice of NurSpeicherbareZeichen).
    void ZeichenAbgelehnt(const QString &hinweis);
    void ZeigHilfe();

    int Modus() const { return m_modus; }
    bool MindestensEinLiter() const { return m_mindestensEinLiter; }
    // Help key of the current mode ("FZ_Kennz", "FZ_FestVB", "FZ_Tank0").
    QString HilfeSchluessel() const;

    QLabel *KB_Label1 = nullptr;
    QLineEdit *KB_Edit1 = nullptr;
    QLabel *KB_Label2 = nullptr;
    QLabel *KB_Label3 = nullptr;   // characters the data file cannot hold
    QPushButton *KB_Ok = nullptr;
    QPushButton *KB_Abbr = nullptr;
    QPushButton *BitBtn1 = nullptr;

    void setVisible(bool sichtbar) override;

protected:
    void showEvent(QShowEvent *ereignis) override;   // FormActivate
    void closeEvent(QCloseEvent *ereignis) override; // FormCloseQuery
    void done(int ergebnis) override;

private:
    void Oeffnen(int modus);
    void TexteSetzen(int modus, bool mindestensEinLiter);
    void GroesseFestlegen();
    void Zentrieren();
    // Answers a close request with DarfSchliessen and arms it again.
    bool SchliessenErlaubt();

    int m_modus = 0;
    bool m_mindestensEinLiter = false;
    long double m_wert = 0;
    QString m_kennzeichen;
    bool m_darfSchliessen = true;
};

// Created once at start-up (or on first use); nullptr before.
extern TZusatzForm *ZusatzForm;

// The dialog as a window calls it that runs while the main window is hidden
// and perhaps disabled (the consumption window, the development chart). The
// dialog belongs to the main window and would be disabled with it; for the
// dialog's time the main window is enabled again (it stays hidden, and the
// modal dialog takes all input). Made on first use.
class TEinstellDialog {
public:
    explicit TEinstellDialog(QWidget *hauptfenster);
    ~TEinstellDialog();
    TEinstellDialog(const TEinstellDialog &) = delete;
    TEinstellDialog &operator=(const TEinstellDialog &) = delete;
    TZusatzForm *operator->() const { return ZusatzForm; }

private:
    QWidget *m_eltern = nullptr;
    bool m_freigegeben = false;
};
