// Help: the help file SPRILO.HLP beside the executable, shown in the
// program's own help window. Topics are opened by key ("Inhalt", "F5_All")
// or by help context number; F1 opens the topic of the focused element.
#pragma once

#include "Hilfedatei.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;
class THilfeFenster;

class THilfe : public QObject {
    Q_OBJECT

public:
    // The one help of the program.
    static THilfe &Instanz();

    // The help file in use (the program sets the executable's folder +
    // "SPRILO.HLP"); it is read again when it changed on disk.
    void DateiSetzen(const QString &pfad);
    QString Datei() const;

    // Opens the topic of this key; a key the file lacks is reported in the
    // help window.
    void ThemaZeigen(const QString &schluessel);
    // Opens the topic that carries this context number; 0 opens "Inhalt".
    void KontextZeigen(int kontext);
    // Closes the help window (end of the program).
    void Beenden();

    // Catches F1 in every window of the application.
    void F1Einrichten();

    // ---- for tests ---------------------------------------------------------
    // The window, nullptr before the first topic was opened.
    QWidget *Fenster() const;
    // Key of the topic shown last; empty when the last request failed.
    QString AktuellesThema() const;
    // The text the window shows now (plain text of the page).
    QString AngezeigterText() const;

private:
    THilfe() = default;
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    THilfeFenster *FensterHolen();
    // Reads the file unless the copy in memory is still current; false with
    // a German description of the failure.
    bool DateiLesen(QString &fehler);
    // Puts the page into the window and brings it up in front.
    void Zeigen(const QString &schluessel, const QString &titel, const QString &html);

    QString m_datei;
    QPointer<THilfeFenster> m_fenster;
    THilfedatei m_inhalt;
    bool m_geladen = false;
    QString m_geladenerPfad;     // the file m_inhalt came from, with its
    QDateTime m_geladenGeaendert; // modification time and size then
    qint64 m_geladenGroesse = -1;
    bool m_f1Eingerichtet = false;
};

// Help context of a widget, an action or a menu; HilfeKontext looks up the
// parents until one carries a number (0 when none does).
void HilfeKontextSetzen(QObject *objekt, int kontext);
int HilfeKontext(const QObject *objekt);
