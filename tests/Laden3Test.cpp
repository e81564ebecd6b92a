// The file dialog driven like a user: names, directories, extensions, messages.
#include "Laden3.h"
#include "Oberflaeche.h"
#include "Zusatz1.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::string Filter = "Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK";

// Types over the name field and confirms with Enter (the default button).
void Eingeben(TLadeSelfMade &d, const QString &text)
{
    d.Edit1->setFocus();
    d.Edit1->selectAll();
    QTest::keyClicks(d.Edit1, text);
    QTest::keyClick(d.Edit1, Qt::Key_Return);
}

} // namespace

class Laden3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    QTemporaryDir m_ordner;
    QString m_dir;   // ends in "/"

    // Runs the dialog; schritte runs while it is shown, and whatever stays
    // open afterwards is cancelled.
    std::string Auswahl(bool modus, const std::string &name, const std::function<void(TLadeSelfMade &)> &schritte)
    {
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, [&] {
            TLadeSelfMade &d = *LadeSelfMade;
            QApplication::setActiveWindow(&d);
            QVERIFY(QTest::qWaitForWindowActive(&d));
            schritte(d);
            if (d.isVisible())
                d.AbbruchClick();
        });
        std::string ergebnis = name;
        if (DateiAuswahl(modus, m_dir.toStdString(), Filter, ergebnis) == ergebnis.empty())
            return "<Ergebnis passt nicht zum Namen>";
        return ergebnis;
    }

    std::string Pfad(const QString &name) const { return name.isEmpty() ? "" : (m_dir + name).toStdString(); }

private slots:
    void initTestCase()
    {
        // The dialog writes nothing: one set of files serves every test.
        m_dir = m_ordner.path() + u'/';
        for (const QString &name : {u"unter"_s, u"mit blank"_s, u"klein"_s})
            QVERIFY(QDir(m_dir).mkdir(name));
        for (const QString &name : {u"AUTO.SPR"_s, u"ANDERS.SPR"_s, u"klein/auto.spr"_s, u"klein/alt.spk"_s})
            QVERIFY(QFile(m_dir + name).open(QIODevice::WriteOnly));
    }

    void init()
    {
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform::TestModusSetzen(true);
        m_plattform = std::make_unique<TTestPlattform>();
        PlattformSetzen(m_plattform.get());
    }

    void cleanup()
    {
        TQtPlattform::TestFehlerEmpfaenger(nullptr);
        QCOMPARE(UnbenutzteVormerkungen(), 0);
        PlattformSetzen(nullptr);
    }

    void eingeben_data()
    {
        QTest::addColumn<bool>("oeffnen");
        QTest::addColumn<QString>("vorname");        // proposed file, relative to the directory
        QTest::addColumn<QStringList>("eingaben");   // each typed over the name and confirmed
        QTest::addColumn<QString>("feld");           // the name field when the first one left the dialog open
        QTest::addColumn<QList<int>>("meldungen");   // TMeldungsNr shown, answered in turn by "antworten"
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<QString>("ergebnis");       // relative; empty: nothing chosen
        const int ungueltig = int(TMeldungsNr::DateinameUngueltig), fehlt = int(TMeldungsNr::DateiFehlt),
                  ueber = int(TMeldungsNr::DateiUeberschreiben);
        const QList<int> keine;
        // The field offers ".SPR"; confirmed unchanged it is an empty name.
        QTest::newRow("leerer Name") << false << QString() << QStringList{{}, u"NEU"_s} << u".SPR"_s
                                     << QList{ungueltig} << QList{mrOk} << u"NEU.SPR"_s;
        QTest::newRow("Endung ersetzt") << false << QString() << QStringList{u"auto.txt"_s} << QString() << keine
                                        << keine << u"auto.SPR"_s;
        // A bare directory name is a file name in the current directory.
        QTest::newRow("Verzeichnisname") << false << QString() << QStringList{u"unter"_s} << QString() << keine
                                         << keine << u"unter.SPR"_s;
        // A directory path changes there without a message and empties the field.
        QTest::newRow("Verzeichnispfad") << false << QString() << QStringList{m_dir + u"unter"_s, u"AUTO"_s}
                                         << QString() << keine << keine << u"unter/AUTO.SPR"_s;
        QTest::newRow("Leerzeichen im Namen") << false << QString() << QStringList{u"MEIN AUTO"_s}
                                              << u"MEIN AUTO"_s << QList{ungueltig} << QList{mrOk} << QString();
        QTest::newRow("Leerzeichen im Verzeichnis") << false << QString() << QStringList{u"mit blank/AUTO"_s}
                                                    << m_dir + u"mit blank/AUTO.SPR"_s << QList{ungueltig}
                                                    << QList{mrOk} << QString();
        QTest::newRow("Datei fehlt") << true << QString() << QStringList{u"FEHLT"_s} << u"FEHLT.SPR"_s
                                     << QList{fehlt} << QList{mrOk} << QString();
        // Linux tells AUTO.SPR from auto.spr; the one that exists is meant.
        QTest::newRow("Kleinschreibung") << true << QString() << QStringList{u"klein/AUTO"_s} << QString() << keine
                                         << keine << u"klein/auto.spr"_s;
        // Saving under the name it came with asks nothing; over another file it asks.
        QTest::newRow("eigener Name") << false << u"AUTO.SPR"_s << QStringList{{}} << QString() << keine << keine
                                      << u"AUTO.SPR"_s;
        QTest::newRow("überschreiben") << false << u"AUTO.SPR"_s << QStringList{u"ANDERS"_s, {}} << u"ANDERS"_s
                                       << QList{ueber, ueber} << QList{mrNo, mrYes} << u"ANDERS.SPR"_s;
    }

    void eingeben()
    {
        QFETCH(bool, oeffnen);
        QFETCH(QString, vorname);
        QFETCH(QStringList, eingaben);
        QFETCH(QString, feld);
        QFETCH(QList<int>, antworten);
        QFETCH(QString, ergebnis);
        for (int antwort : antworten)
            TQtPlattform::NaechsteAntwort(antwort);
        QCOMPARE(Auswahl(oeffnen, Pfad(vorname), [&](TLadeSelfMade &d) {
            for (int i = 0; i < eingaben.size(); ++i) {
                QVERIFY(d.isVisible());
                Eingeben(d, eingaben[i]);
                if (i == 0 && d.isVisible())
                    QCOMPARE(d.Edit1->text(), feld);
            }
        }), Pfad(ergebnis));
        QList<int> gezeigt;
        for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
            gezeigt << int(m.Nr);
        QTEST(gezeigt, "meldungen");
    }

    // Choosing in the type or drive list takes the name field's text
    // first: on entering the list, and on a key or click in it when it has
    // the focus already while the name changed (a failed open leaves the
    // bare file name).
    void wahlInDerListeUebernimmtDenNamen()
    {
        const std::string ergebnis = Auswahl(true, "", [](TLadeSelfMade &d) {
            QTest::keyClicks(d.Edit1, u"nichtda/FEHLT"_s);
            QTest::keyClick(d.Edit1, Qt::Key_Tab);
            QTest::keyClick(d.FileLB1, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), d.FilterCB1);
            d.FilterCB1->setCurrentIndex(1);
            QCOMPARE(d.Edit1->text(), u"nichtda/FEHLT.SPK"_s);
            TQtPlattform::NaechsteAntwort(mrOk);
            QTest::keyClick(d.FilterCB1, Qt::Key_Return);   // "Öffnen", the default button
            QCOMPARE(d.Edit1->text(), u"FEHLT.SPK"_s);
            QCOMPARE(QApplication::focusWidget(), d.FilterCB1);
            QTest::keyClick(d.FilterCB1, Qt::Key_Up);
            QCOMPARE(d.Edit1->text(), u"FEHLT.SPR"_s);

            // With the mouse, in the drive list: its root is another
            // directory, which rebuilds the name.
            QTest::keyClick(d.FilterCB1, Qt::Key_N, Qt::AltModifier);   // "Datei&name"
            QCOMPARE(QApplication::focusWidget(), d.Edit1);
            QTest::keyClicks(d.Edit1, u"nichtda/ANDERS"_s);
            QTest::mouseClick(d.DriveCB1, Qt::LeftButton);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Escape);
            QTRY_VERIFY(!QApplication::activePopupWidget());
            TQtPlattform::NaechsteAntwort(mrOk);
            QTest::keyClick(d.DriveCB1, Qt::Key_Return);
            QCOMPARE(d.Edit1->text(), u"ANDERS.SPR"_s);
            QTest::mouseClick(d.DriveCB1, Qt::LeftButton);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Home);
            QTest::keyClick(d.DriveCB1->view(), Qt::Key_Return);
            QTRY_VERIFY(!QApplication::activePopupWidget());   // after the chosen entry flashed
            QCOMPARE(d.Verzeichnis(), u"/"_s);
            QCOMPARE(d.Edit1->text(), u"ANDERS.SPR"_s);
        });
        QCOMPARE(ergebnis, std::string());
    }

    // While the directory list has the focus, Enter opens the entry instead
    // of confirming; the file list ignores letter case, and a click in it
    // fills the name.
    void verzeichnisUndDateiliste()
    {
        Auswahl(true, "", [this](TLadeSelfMade &d) {
            d.DirLB1->setFocus();
            QVERIFY(!d.Lade->isDefault());
            d.DirLB1->setCurrentItem(d.DirLB1->findItems(u"klein"_s, Qt::MatchExactly).value(0));
            QTest::keyClick(d.DirLB1, Qt::Key_Return);
            QVERIFY(d.isVisible());
            QCOMPARE(d.Verzeichnis(), m_dir + u"klein/"_s);
            d.FilterCB1->setFocus();
            QVERIFY(d.Lade->isDefault());   // again once the list is left
            QCOMPARE(d.FileLB1->count(), 1);
            QCOMPARE(d.FileLB1->item(0)->text(), u"auto.spr"_s);
            d.FilterCB1->setCurrentIndex(1);
            QCOMPARE(d.FileLB1->item(0)->text(), u"alt.spk"_s);
            d.FileLB1->setCurrentRow(0);
            QCOMPARE(d.Edit1->text(), u"alt.spk"_s);
        });
    }

    // Escape and the close box choose nothing, also after a confirmed run.
    void schliessfeldNachBestaetigungGibtNichts()
    {
        const std::string name = Pfad(u"AUTO.SPR"_s);
        QCOMPARE(Auswahl(true, name, [](TLadeSelfMade &d) { d.Lade->click(); }), name);
        QCOMPARE(Auswahl(true, name, [](TLadeSelfMade &d) { d.close(); }), std::string());
        QCOMPARE(Auswahl(true, name, [](TLadeSelfMade &d) { QTest::keyClick(&d, Qt::Key_Escape); }), std::string());
    }

    void groesseFolgtFensterfaktor()
    {
        delete LadeSelfMade;
        Fensterfaktor = 2;
        Auswahl(false, "", [](TLadeSelfMade &d) {
            QCOMPARE(d.size(), QSize(860, 600));
            for (QWidget *w : d.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY(d.rect().contains(w->geometry()));
        });
        Fensterfaktor = 1;
        delete LadeSelfMade;
    }

    // Queued names answer without a window; with none queued the test mode
    // reports the dialog and it chooses nothing, never waiting for a user.
    void naechsteAntwortOhneFenster()
    {
        NaechsteDateiAuswahl("/x/A.SPR");
        NaechsteDateiAuswahl("");
        QCOMPARE(TQtPlattform::AusstehendeDateien(), 2);
        std::string name = "alt";
        QVERIFY(DateiAuswahl(true, "/", Filter, name));
        QCOMPARE(name, std::string("/x/A.SPR"));
        QVERIFY(!DateiAuswahl(false, "/", Filter, name));
        QCOMPARE(name, std::string());

        QStringList gemeldet;
        TQtPlattform::TestFehlerEmpfaenger([&](const QString &text) { gemeldet << text; });
        name = "/x/AUTO.SPR";
        QVERIFY(!DateiAuswahl(true, "/", Filter, name));
        QCOMPARE(name, std::string());
        QVERIFY(!LadeSelfMade || !LadeSelfMade->isVisible());
        QCOMPARE(gemeldet, QStringList{u"File dialog without a queued name: \"Öffnen\", name \"/x/AUTO.SPR\""_s});

        // Leftovers are counted, and forgotten with the test state.
        NaechsteDateiAuswahl("/x/B.SPR");
        QCOMPARE(UnbenutzteVormerkungen(), 1);
        TQtPlattform::TestZustandLoeschen();
        QCOMPARE(UnbenutzteVormerkungen(), 0);
    }
};

QTEST_MAIN(Laden3Test)
#include "Laden3Test.moc"
