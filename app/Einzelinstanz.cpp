#include "Einzelinstanz.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray Aktivierung = "aktivieren\n";
const QByteArray Bestaetigung = "ok\n";

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

TEinzelinstanz::TErgebnis TEinzelinstanz::Pruefen()
{
    m_sperre = std::make_unique<QLockFile>(QDir::tempPath() + u'/' + m_name + u".lock"_s);
    // Only a lock whose process is gone counts as left over; a long-running
    // Sprilo keeps its lock however old the file is.
    m_sperre->setStaleLockTime(0);

    if (m_sperre->tryLock(0)) {
        // A socket file left by a crashed instance would block listen().
        QLocalServer::removeServer(m_name);
        m_server = new QLocalServer(this);
        connect(m_server, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *verbindung = m_server->nextPendingConnection()) {
                connect(verbindung, &QLocalSocket::disconnected, verbindung, &QObject::deleteLater);
                connect(verbindung, &QLocalSocket::readyRead, this, [this, verbindung] {
                    while (verbindung->canReadLine()) {
                        if (verbindung->readLine() != Aktivierung)
                            continue;
                        emit Aktivieren();
                        // The sender waits for this, so it ends only after
                        // this instance has come to the front.
                        verbindung->write(Bestaetigung);
                        verbindung->flush();
                    }
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
        verbindung.write(Aktivierung);
        verbindung.waitForBytesWritten(int(frist.remainingTime()));
        while (!verbindung.canReadLine() && !frist.hasExpired()
               && verbindung.waitForReadyRead(int(frist.remainingTime()))) {
        }
        verbindung.disconnectFromServer();
    }
    return TErgebnis::Zweite;
}
