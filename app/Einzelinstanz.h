// Only one Sprilo per user: the first start owns a lock file and listens on
// a local socket; a second start finds the lock taken, asks the first one
// over the socket to come to the front (and to load the file it was given)
// and ends.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLocalServer;

class TEinzelinstanz : public QObject {
    Q_OBJECT

public:
    // The name of lock and socket: "Spriloprogramm 3.0 ist schon da" plus
    // the user id, in the temporary directory.
    explicit TEinzelinstanz(const QString &name = StandardName(), QObject *parent = nullptr);
    ~TEinzelinstanz() override;

    static QString StandardName();

    enum class TErgebnis {
        Erste,      // this is the only instance; it now listens
        Zweite,     // another one runs and was told to come to the front
        Unbekannt,  // the lock could not be made; run normally
    };
    // Takes the lock; when another instance holds it, sends it the
    // activation, with datei (an absolute path) when not empty, and waits
    // (at most a few seconds) until it has answered.
    TErgebnis Pruefen(const QString &datei = {});

signals:
    // A second start asked this instance to come to the front.
    void Aktivieren();
    // ... and to load this file; comes right after Aktivieren.
    void Oeffnen(const QString &datei);

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_sperre;
    QLocalServer *m_server = nullptr;
};

// The data file named on the command line (QCoreApplication::arguments(),
// Qt's own options already taken out by QApplication), made absolute
// against the working directory; empty when there is none. Options
// ("-x", "--x") are no file names; after "--" every argument is one. Of
// several names the first counts.
QString StartDatei(const QStringList &argumente);
