// The classic drive and directory lists shared by the program's dialogs
// that let the user pick a directory.
#pragma once

#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QString>

class QComboBox;
class QKeyEvent;

// pfad without trailing "/" (the root stays "/").
QString OhneSchraegstrich(const QString &pfad);
// pfad with exactly one trailing "/" added if it had none.
QString MitSchraegstrich(const QString &pfad);
// The cleaned absolute form of verzeichnis or, if that vanished meanwhile,
// its nearest parent that is left (at worst "/"); no trailing "/".
QString VorhandenesVerzeichnis(const QString &verzeichnis);

// Fills laufwerke with the mounted volumes (the root always first if the
// mount table lacks it); each entry carries its mount point as data.
void LaufwerkeFuellen(QComboBox *laufwerke);
// The mount point in laufwerke that holds pfad: the longest prefix of it.
QString LaufwerkVon(const QComboBox *laufwerke, const QString &pfad);
// Selects the volume that holds pfad without signalling a user choice.
void LaufwerkAnzeigen(QComboBox *laufwerke, const QString &pfad);

// A directory list drawn as a little tree: the path from the volume's root
// down to the current directory, then its subdirectories. Double-click or
// Enter on an entry emits Geoeffnet with the entry's full path.
class TVerzeichnisListe : public QListWidget {
    Q_OBJECT

public:
    // Entries carry their full path and their indentation step.
    static constexpr int PfadRolle = Qt::UserRole;
    static constexpr int StufeRolle = Qt::UserRole + 1;

    explicit TVerzeichnisListe(QWidget *parent = nullptr);

    // Shows verzeichnis (without trailing "/") below the mount point laufwerk.
    void Fuellen(const QString &verzeichnis, const QString &laufwerk);
    // While the list has the focus, this button is no default, so Enter
    // opens an entry instead of confirming the dialog.
    void StandardKnopfSetzen(QPushButton *knopf) { m_standardKnopf = knopf; }

signals:
    void Geoeffnet(const QString &pfad);

protected:
    void focusInEvent(QFocusEvent *ereignis) override;
    void focusOutEvent(QFocusEvent *ereignis) override;
    void keyPressEvent(QKeyEvent *ereignis) override;

private:
    void Oeffnen(QListWidgetItem *eintrag);

    QPointer<QPushButton> m_standardKnopf;
};
