// Single instance across real processes; the helper program plays the other Sprilo.
#include "Einzelinstanz.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
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

std::unique_ptr<QProcess> Starten(const QString &art, const QStringList &argumente = {}, const QString &ordner = {})
{
    auto prozess = std::make_unique<QProcess>();
    prozess->setWorkingDirectory(ordner);
    prozess->start(QString::fromUtf8(SPRILO_EINZELINSTANZ_HELFER), QStringList{art} + argumente);
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
void ZweiteStarten(const QStringList &argumente = {}, const QString &ordner = {})
{
    auto zweite = Starten(u"zweite"_s, argumente, ordner);
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

    // The file of a second start goes to the first as an absolute path,
    // made against the second's working directory; Qt's options and
    // Sprilo's own are no file names.
    void zweiterStartUebergibtDatei()
    {
        QTemporaryDir ordner;
        QVERIFY(QDir(ordner.path()).mkdir(u"Fahrten"_s));
        const QString fahrten = ordner.filePath(u"Fahrten"_s);
        const QString lang = u"Tankbuch "_s + QString(40000, u'ü') + u".spr"_s;
        const struct {
            QStringList argumente;
            QString erwartet;   // empty: only activated
        } faelle[] = {
            {{u"Golf.SPR"_s}, fahrten + u"/Golf.SPR"_s},
            {{}, {}},
            {{u"-platform"_s, u"offscreen"_s, u"../Polo für Jürgen.spr"_s}, ordner.path() + u"/Polo für Jürgen.spr"_s},
            {{u"-x"_s}, {}},
            {{u"--"_s, u"-neu.SPR"_s, u"zweite.SPR"_s}, fahrten + u"/-neu.SPR"_s},
            {{u"/daten/Bus.SPR"_s}, u"/daten/Bus.SPR"_s},
            {{lang}, fahrten + u'/' + lang},
        };
        auto erste = Starten(u"erste"_s);
        QCOMPARE(ZeileLesen(*erste), u"Erste"_s);
        for (const auto &fall : faelle) {
            ZweiteStarten(fall.argumente, fahrten);
            QCOMPARE(ZeileLesen(*erste), u"aktiviert"_s);
            // Lines come in order: a wrong "laden" would show in the next case.
            if (!fall.erwartet.isEmpty())
                QCOMPARE(ZeileLesen(*erste), u"laden "_s + fall.erwartet);
        }
        erste->write("ende\n");
        QVERIFY(Beendet(*erste));
        QCOMPARE(erste->readAll(), QByteArray());
    }

    // A request that comes in small pieces is taken when its line is
    // complete; a broken one is ignored and the connection still serves.
    void nachrichtInStueckenUndKaputteZeile()
    {
        TEinzelinstanz instanz;
        QCOMPARE(instanz.Pruefen(), TEinzelinstanz::TErgebnis::Erste);
        QSignalSpy aktiviert(&instanz, &TEinzelinstanz::Aktivieren);
        QSignalSpy geoeffnet(&instanz, &TEinzelinstanz::Oeffnen);
        const QString datei = u"/tmp/"_s + QString(300000, u'ß') + u"\nZeile.SPR"_s;
        const QByteArray nachricht = "laden !!kein Base64!!\nladen " + QFile::encodeName(datei).toBase64() + '\n';

        QLocalSocket verbindung;
        verbindung.connectToServer(TEinzelinstanz::StandardName());
        QVERIFY(verbindung.waitForConnected(4000));
        for (qsizetype i = 0; i < nachricht.size(); i += 70000) {
            verbindung.write(nachricht.mid(i, 70000));
            QVERIFY(QTest::qWaitFor([&] { return verbindung.bytesToWrite() == 0; }, 4000));
        }
        QVERIFY(QTest::qWaitFor([&] { return verbindung.canReadLine(); }, 4000));
        QCOMPARE(verbindung.readAll(), QByteArray("ok\n"));
        QCOMPARE(aktiviert.count(), 1);
        QCOMPARE(geoeffnet.count(), 1);
        QCOMPARE(geoeffnet.at(0).at(0).toString(), datei);
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
