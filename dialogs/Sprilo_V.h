// The dialog "Konfiguration laden": choose a directory for SPRILO.INI when
// none was found at start-up, or load the file of another directory.
#pragma once

#include "Verzeichnisliste.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TForm5 : public QDialog {
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);
    ~TForm5() override;

    // Re-evaluates the selected directory (state 0..3, texts, actions).
    void AktInfo();
    // Carries out the chosen action and closes.
    void OkClick();

    // The directory shown, with trailing "/".
    QString Verzeichnis() const;
    // Changes the directory as a click in the directory list would.
    void VerzeichnisSetzen(const QString &verzeichnis);
    int Zustand() const { return m_zustand; }
    int Aktion() const { return m_aktion; }

    // Entries of Dir_LB1 carry their full path and their indentation step.
    static constexpr int PfadRolle = TVerzeichnisListe::PfadRolle;
    static constexpr int StufeRolle = TVerzeichnisListe::StufeRolle;

    QLabel *Label1 = nullptr;
    QComboBox *Drive_CB1 = nullptr;
    TVerzeichnisListe *Dir_LB1 = nullptr;
    QGroupBox *InfoBox1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;

protected:
    void showEvent(QShowEvent *ereignis) override;

private:
    void AktionWaehlen(int index);
    void HinweisSetzen(const QString &hinweis);
    void GroesseFestlegen();

    QString m_verzeichnis;
    int m_zustand = 0;
    int m_aktion = 0;
};

// The dialog of the program, created once with the other windows.
extern TForm5 *Form5;
