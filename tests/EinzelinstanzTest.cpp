// Single instance across real processes: the helper program plays the other
// Sprilo. Everything happens in a private temporary directory (TMPDIR), so
// a Sprilo the developer has running does not disturb the test.
#include "Einzelinstanz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QString Helfer()
{
    return QString::fromUtf8(SPRILO_EINZELINSTANZ_HELFER);
}

QString SperrDatei()
{
    return QDir::tempPath() + u'/' + TEinzelinstanz::StandardName() + u".lock"_s;
}

// Starts the helper with the test's TMPDIR.
std::unique_ptr<QProcess> Starten(const QString &art)
{
    auto prozess = std::make_unique<QProcess>();
    prozess->setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    prozess->setProgram(Helfer());
    prozess->setArguments({art});
    prozess->start();
    return prozess;
}

// Waits for the next line of the helper while the event loop runs, so an
// instance in this process can answer meanwhile.
QString ZeileLesen(QProcess &prozess, int ms = 4000)
{
    QDeadlineTimer frist(ms);
    while (!prozess.canReadLine() && !frist.hasExpired()) {
        if (prozess.state() == QProcess::NotRunning && prozess.bytesAvailable() == 0)
            break;
        QTest::qWait(10);
    }
    if (!prozess.canReadLine()) {
        // The last line of a process that has ended may lack nothing but the
        // newline.
        return QString::fromUtf8(prozess.readAll()).trimmed();
    }
    return QString::fromUtf8(prozess.readLine()).trimmed();
}

bool EndeAbwarten(QProcess &prozess, int ms = 4000)
{
    QDeadlineTimer frist(ms);
    while (prozess.state() != QProcess::NotRunning && !frist.hasExpired())
        QTest::qWait(10);
    return prozess.state() == QProcess::NotRunning;
}

void Beenden(QProcess &prozess)
{
    if (prozess.state() == QProcess::NotRunning)
        return;
    prozess.write("ende\n");
    if (!EndeAbwarten(prozess)) {
        prozess.kill();
        prozess.waitForFinished(2000);
    }
}

} // namespace

class EinzelinstanzTest : public QObject {
    Q_OBJECT

private slots:
    void ersteInstanzImProzessIstErste()
    {
        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Erste);
        QVERIFY(QFileInfo::exists(SperrDatei()));
    }

    void zweiterStartAktiviertDieErste()
    {
        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Erste);
        QSignalSpy aktiviert(&instanz, &TEinzelinstanz::Aktivieren);

        auto zweite = Starten(u"zweite"_s);
        QCOMPARE(ZeileLesen(*zweite), u"Zweite"_s);
        QVERIFY(EndeAbwarten(*zweite));
        QCOMPARE(zweite->exitStatus(), QProcess::NormalExit);
        QCOMPARE(zweite->exitCode(), 0);
        // The second start waits for the answer, which comes after the signal.
        QCOMPARE(aktiviert.count(), 1);
    }

    void ohneLaufendeInstanzIstDerStartErste()
    {
        // The instances of the cases before have released their lock.
        QVERIFY(!QFileInfo::exists(SperrDatei()));
        auto prozess = Starten(u"zweite"_s);
        QCOMPARE(ZeileLesen(*prozess), u"Erste"_s);
        QVERIFY(EndeAbwarten(*prozess));
        QCOMPARE(prozess->exitCode(), 0);
    }

    void sperreEinesAbgestuerztenProzessesWirdUebernommen()
    {
        auto abstuerzend = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*abstuerzend), u"Erste"_s);
        abstuerzend->kill();  // SIGKILL: no chance to clean up
        QVERIFY(abstuerzend->waitForFinished(4000));
        QCOMPARE(abstuerzend->exitStatus(), QProcess::CrashExit);
        QVERIFY(QFileInfo::exists(SperrDatei()));

        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Erste);

        // The socket file the crashed one left behind was replaced, so the
        // new first instance can be reached.
        QSignalSpy aktiviert(&instanz, &TEinzelinstanz::Aktivieren);
        auto zweite = Starten(u"zweite"_s);
        QCOMPARE(ZeileLesen(*zweite), u"Zweite"_s);
        QVERIFY(EndeAbwarten(*zweite));
        QCOMPARE(aktiviert.count(), 1);
    }

    void zweiProzesseErsterWirdAktiviert()
    {
        auto erste = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*erste), u"Erste"_s);

        auto zweite = Starten(u"zweite"_s);
        QCOMPARE(ZeileLesen(*zweite), u"Zweite"_s);
        QVERIFY(EndeAbwarten(*zweite));
        QCOMPARE(zweite->exitCode(), 0);
        QCOMPARE(ZeileLesen(*erste), u"aktiviert"_s);

        // A third start is turned away as well and activates again.
        auto dritte = Starten(u"zweite"_s);
        QCOMPARE(ZeileLesen(*dritte), u"Zweite"_s);
        QCOMPARE(ZeileLesen(*erste), u"aktiviert"_s);
        QVERIFY(EndeAbwarten(*dritte));

        Beenden(*erste);
        QCOMPARE(erste->exitCode(), 0);
        QVERIFY(!QFileInfo::exists(SperrDatei()));
    }

    void solangeDieErsteLaeuftBleibtEinZweiterImProzessZweite()
    {
        auto erste = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*erste), u"Erste"_s);

        // Pruefen blocks while it waits for the answer; the helper answers
        // from its own event loop.
        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Zweite);
        QCOMPARE(ZeileLesen(*erste), u"aktiviert"_s);
        Beenden(*erste);
    }

    void sperreNichtAnlegbarIstUnbekannt()
    {
        // A folder that does not exist: the lock file cannot be created, and
        // the program runs without the guarantee.
        TEinzelinstanz instanz(u"fehlt/Sprilo"_s);
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Unbekannt);
    }

    void standardNameNenntDenBenutzer()
    {
        QCOMPARE(TEinzelinstanz::StandardName(),
                 u"Spriloprogramm 3.0 ist schon da-"_s + QString::number(getuid()));
    }
};

int main(int argc, char *argv[])
{
    // Lock and socket go to QDir::tempPath(); point it, for this process and
    // the helpers it starts, to a directory of its own before anything uses it.
    QTemporaryDir temp(QDir::tempPath() + u"/EinzelinstanzTest-XXXXXX"_s);
    if (!temp.isValid())
        return 1;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));

    QCoreApplication app(argc, argv);
    EinzelinstanzTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EinzelinstanzTest.moc"
