// Single instance across real processes; the helper program plays the other Sprilo.
#include "Einzelinstanz.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString SperrDatei()
{
    return QDir::tempPath() + u'/' + TEinzelinstanz::StandardName() + u".lock"_s;
}

std::unique_ptr<QProcess> Starten(const QString &art)
{
    auto prozess = std::make_unique<QProcess>();
    prozess->start(QString::fromUtf8(SPRILO_EINZELINSTANZ_HELFER), {art});
    return prozess;
}

// qWaitFor runs the event loop, so an instance in this process can answer meanwhile.
QString ZeileLesen(QProcess &prozess)
{
    if (!QTest::qWaitFor([&] { return prozess.canReadLine() || prozess.state() == QProcess::NotRunning; }, 4000))
        return {};
    return QString::fromUtf8(prozess.canReadLine() ? prozess.readLine() : prozess.readAll()).trimmed();
}

bool Beendet(QProcess &prozess)
{
    return QTest::qWaitFor([&] { return prozess.state() == QProcess::NotRunning; }, 4000)
        && prozess.exitStatus() == QProcess::NormalExit && prozess.exitCode() == 0;
}

// A second Sprilo must find the first, activate it and end.
void ZweiteStarten()
{
    auto zweite = Starten(u"zweite"_s);
    QCOMPARE(ZeileLesen(*zweite), u"Zweite"_s);
    QVERIFY(Beendet(*zweite));
}

} // namespace

class EinzelinstanzTest : public QObject {
    Q_OBJECT

private slots:
    // The crashed first leaves its lock and socket behind; an instance in
    // this process takes both over and is activated by the next start.
    void sperreEinesAbgestuerztenProzessesWirdUebernommen()
    {
        QVERIFY(!QFileInfo::exists(SperrDatei()));
        auto abstuerzend = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*abstuerzend), u"Erste"_s);
        abstuerzend->kill();   // SIGKILL: no chance to clean up
        QVERIFY(abstuerzend->waitForFinished(4000));
        QVERIFY(QFileInfo::exists(SperrDatei()));

        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Erste);
        QSignalSpy aktiviert(&instanz, &TEinzelinstanz::Aktivieren);
        ZweiteStarten();
        // The second start waits for the answer, which comes after the signal.
        QCOMPARE(aktiviert.count(), 1);
    }

    void zweiProzesseErsterWirdAktiviert()
    {
        auto erste = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*erste), u"Erste"_s);
        for (int i = 0; i < 2; ++i) {   // every further start activates again
            ZweiteStarten();
            QCOMPARE(ZeileLesen(*erste), u"aktiviert"_s);
        }
        erste->write("ende\n");
        QVERIFY(Beendet(*erste));
        QVERIFY(!QFileInfo::exists(SperrDatei()));
    }

    void sperreNichtAnlegbarIstUnbekannt()
    {
        TEinzelinstanz instanz(u"fehlt/Sprilo"_s);   // a folder that does not exist
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Unbekannt);
    }
};

int main(int argc, char *argv[])
{
    // Lock and socket go to QDir::tempPath(): a private one, so a running Sprilo does not disturb.
    QTemporaryDir temp(QDir::tempPath() + u"/EinzelinstanzTest-XXXXXX"_s);
    if (!temp.isValid())
        return 1;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QCoreApplication app(argc, argv);
    EinzelinstanzTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "EinzelinstanzTest.moc"
