#include "Einzelinstanz.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// One request per line. A file name goes as Base64 of its bytes, so that
// any name (newlines, any encoding, any length) fits into one line.
const QByteArray Aktivierung = "aktivieren\n";
const QByteArray LadenKopf = "laden ";
const QByteArray Bestaetigung = "ok\n";

// A line longer than this is no request of Sprilo's; the connection ends.
constexpr qint64 HoechsteZeilenLaenge = 16 * 1024 * 1024;

// How long a second start waits for the first one to come to the front.
constexpr int AntwortZeitMs = 5000;

} // namespace

TEinzelinstanz::TEinzelinstanz(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
}

TEinzelinstanz::~TEinzelinstanz()
{
    if (m_server)
        m_server->close();
    if (m_sperre)
        m_sperre->unlock();
}

QString TEinzelinstanz::StandardName()
{
    // One instance per user: another user's Sprilo must not block this one.
    return u"Spriloprogramm 3.0 ist schon da"_s + u'-' + QString::number(getuid());
}

TEinzelinstanz::TErgebnis TEinzelinstanz::Pruefen(const QString &datei)
{
    m_sperre = std::make_unique<QLockFile>(QDir::tempPath() + u'/' + m_name + u".lock"_s);
    // Only a lock whose process is gone counts as left over; a long-running
    // Sprilo keeps its lock however old the file is.
    m_sperre->setStaleLockTime(0);

    if (m_sperre->tryLock(0)) {
        // A socket file left by a crashed instance would block listen().
        QLocalServer::removeServer(m_name);
        m_server = new QLocalServer(this);
        // It takes files to load: only this user's processes may talk to it.
        m_server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *verbindung = m_server->nextPendingConnection()) {
                connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
                connect(verbindung, &QLocalSocket::readyRead, this, [this, verbindung] {
                    // A line may come in pieces; it waits in the socket's
                    // buffer until its end is there.
                    while (verbindung->canReadLine()) {
                        const QByteArray zeile = verbindung->readLine();
                        QString datei;
                        if (zeile.startsWith(LadenKopf) && zeile.endsWith('\n')) {
                            const auto name = QByteArray::fromBase64Encoding(
                                zeile.mid(LadenKopf.size()).chopped(1), QByteArray::AbortOnBase64DecodingErrors);
                            if (!name || name.decoded.isEmpty())
                                continue;
                            datei = QFile::decodeName(*name);
                        } else if (zeile != Aktivierung) {
                            continue;
                        }
                        emit Aktivieren();
                        if (!datei.isEmpty())
                            emit Oeffnen(datei);
                        // The sender waits for this, so it ends only after
                        // this instance has come to the front.
                        verbindung->write(Bestaetigung);
                        verbindung->flush();
                    }
                    if (verbindung->bytesAvailable() > HoechsteZeilenLaenge)
                        verbindung->abort();
                });
            }
        });
        // Without a server the program still runs as the only instance; it
        // just cannot be brought to the front by a second start.
        m_server->listen(m_name);
        return TErgebnis::Erste;
    }

    if (m_sperre->error() != QLockFile::LockFailedError) {
        // The lock file cannot be made at all: run without the guarantee.
        m_sperre.reset();
        return TErgebnis::Unbekannt;
    }
    m_sperre.reset();

    // Another instance runs. Even if it does not answer in time it holds the
    // lock, so this one must end either way.
    QLocalSocket verbindung;
    verbindung.connectToServer(m_name);
    QDeadlineTimer frist(AntwortZeitMs);
    if (verbindung.waitForConnected(int(frist.remainingTime()))) {
        verbindung.write(datei.isEmpty() ? Aktivierung
                                         : LadenKopf + QFile::encodeName(datei).toBase64() + '\n');
        while (verbindung.bytesToWrite() > 0 && !frist.hasExpired()
               && verbindung.waitForBytesWritten(int(frist.remainingTime()))) {
        }
        while (!verbindung.canReadLine() && !frist.hasExpired()
               && verbindung.waitForReadyRead(int(frist.remainingTime()))) {
        }
        verbindung.disconnectFromServer();
    }
    return TErgebnis::Zweite;
}

QString StartDatei(const QStringList &argumente)
{
    bool nurNamen = false;
    for (qsizetype i = 1; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        if (!nurNamen && a == u"--"_s) {
            nurNamen = true;
            continue;
        }
        if (a.isEmpty() || (!nurNamen && a.startsWith(u'-')))
            continue;
        return QDir::cleanPath(QDir::current().absoluteFilePath(a));
    }
    return {};
}
