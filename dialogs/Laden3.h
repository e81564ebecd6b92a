// The program's own file dialog for opening and for saving under a new
// name, with the file name rules.
#pragma once

#include "Verzeichnisliste.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TLadeSelfMade : public QDialog {
    Q_OBJECT

public:
    explicit TLadeSelfMade(QWidget *parent = nullptr);
    ~TLadeSelfMade() override;

    void LadeClick();
    void AbbruchClick();

    // Opening steps up to showing: captions, directory, state, types and
    // the name field. exec() then shows the dialog.
    void Vorbereiten(bool modus, const QString &verzeichnis, const QString &filter, const QString &name);
    // DirLB1's directory, ending in "/".
    QString Verzeichnis() const;
    void VerzeichnisSetzen(const QString &verzeichnis);

    // Dialog state, kept between runs.
    bool DialogModus = true;
    QString UrsprungsName;
    QString AktuellerName;
    bool Bestaetigt = false;

    QLabel *Label1 = nullptr;
    TVerzeichnisListe *DirLB1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *DriveCB1 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *FilterCB1 = nullptr;
    QLabel *Label4 = nullptr;
    QListWidget *FileLB1 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Lade = nullptr;
    QPushButton *Button2 = nullptr;

    void reject() override;

protected:
    void showEvent(QShowEvent *ereignis) override;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void DateilisteFuellen();
    // Edit1 from AktuellerName and the type's extension.
    void NameNeuAufbauen();
    QString Maskenendung() const;
    void GroesseFestlegen();

    QString m_verzeichnis;
};

// Created once at start-up (or on first use); nullptr before.
extern TLadeSelfMade *LadeSelfMade;

// Shows the dialog in open (modus true) or save-as mode; name is the
// proposed file on entry and the chosen full path on return ("" when
// cancelled). Returns !name.empty().
bool DateiAuswahl(bool modus, const std::string &verzeichnis, const std::string &filter, std::string &name);

// For tests: the next DateiAuswahl answers with this name at once, without
// showing the dialog ("" = cancelled). The same queue as
// TQtPlattform::NaechsteDatei.
void NaechsteDateiAuswahl(const std::string &name);
