// The dialog "Konfiguration laden" on real directories in a temporary folder.
#include "Hilfe.h"
#include "Konfiguration.h"
#include "QtPlattform.h"
#include "Sprilo_Dek.h"
#include "Sprilo_V.h"
#include "Zustand.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

const TDatum Heute{15, 7, 2024};
const QColor Rot(0xFF, 0x00, 0x00);
const QColor Gruen(0x00, 0x80, 0x00);

QStringList Texte(const QAbstractItemModel *modell)
{
    QStringList texte;
    for (int i = 0; i < modell->rowCount(); ++i)
        texte << modell->index(i, 0).data().toString();
    return texte;
}

// A double click as the mouse makes it: the first press, then the second.
void DoppelKlicken(QListWidget *liste, QListWidgetItem *eintrag)
{
    liste->scrollToItem(eintrag);
    const QPoint punkt = liste->visualItemRect(eintrag).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, punkt);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, punkt);
}

} // namespace

class Form5Test : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_temp;
    TQtPlattform m_plattform;

    QString Ordner(const QString &name) const { return m_temp.path() + u'/' + name; }

    void Zeigen(TForm5 &form)
    {
        TQtPlattform::FensterErwarten();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        PlattformSetzen(&m_plattform);
        TQtPlattform::TestModusSetzen(true);
        // z<n> is in state n; a directory in the way of the test file bars writing, even for root.
        for (const QString &name : {u"heim"_s, u"z0/$$$$$$$$.$$$"_s, u"z1"_s, u"z2/$$$$$$$$.$$$"_s, u"z3"_s,
                                    u"liste/a"_s, u"liste/B"_s, u"liste/c"_s, u"liste/.versteckt"_s})
            QVERIFY(QDir(m_temp.path()).mkpath(name));
        QFile(Ordner(u"liste/datei.txt"_s)).open(QIODevice::WriteOnly);
        // The dialog falls back to the home directory; it must not be the real one.
        qputenv("HOME", QFile::encodeName(Ordner(u"heim"_s)));
        QCOMPARE(QDir::homePath(), Ordner(u"heim"_s));
        // A station list the defaults do not have, so a test can tell whether it was loaded.
        KonfigurationVorbelegen(0, Heute);
        AnzahlTankstellen = 2;
        Tankstellen[0] = "Aral Hauptstraße";
        KonfigSchreibbar = true;
        for (const QString &ordner : {u"z2/"_s, u"z3/"_s, u"liste/B/"_s}) {
            KonfigVerzeichnis = Ordner(ordner).toStdString();
            QVERIFY(KonfigurationSchreiben());
        }
    }

    void cleanupTestCase() { PlattformSetzen(nullptr); }

    void init()
    {
        GlobalenZustandZuruecksetzen();   // also no KonfigVerzeichnis, not writable
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform::HeuteFestlegen(Heute);
        KonfigurationVorbelegen(0, Heute);
        DatenVerzeichnis = m_temp.path().toStdString();
        Fensterfaktor = 1;
    }

    void cleanup() { QCOMPARE(TQtPlattform::ErwarteteFenster(), 0); }

    void groesseUndHilfe()
    {
        THilfe::Instanz().DateiSetzen(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../app/SPRILO.HLP"));
        TForm5 form;
        QCOMPARE(HilfeKontext(form.Dir_LB1), 600);
        Zeigen(form);
        form.Button3->click();
        QCOMPARE(THilfe::Instanz().AktuellesThema(), u"F5_All"_s);
        THilfe::Instanz().Beenden();
        // Fixed size, at least the design size times the window factor.
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.width() >= 474 && form.height() >= 251);
        Fensterfaktor = 1.5L;
        TForm5 gross;
        QVERIFY(gross.width() >= 711 && gross.height() >= 377);
    }

    // One dialog through every change of state: nothing of a state stays behind.
    void zustaende()
    {
        const QString text4[] = {u"In das Verzeichnis kann nicht geschrieben werden."_s,
                                 u"Dieses Verzeichnis kann für die Konfigurationsdatei genutzt werden."_s};
        const QString text5[] = {u"In dem Verzeichnis ist keine Konfigurationsdatei vorhanden."_s,
                                 u"Eine Konfigurationsdatei ist vorhanden und kann geladen werden."_s};
        const QStringList aktionen[] = {{}, {u"Verzeichnis auswählen"_s}, {u"Konfiguration laden"_s},
                                        {u"Datei laden und Verzeichnis setzen"_s, u"nur Verzeichnis auswählen"_s,
                                         u"nur Konfiguration laden"_s}};
        TForm5 form;
        Zeigen(form);
        for (int zustand : {3, 1, 0, 2, 3, 0, 1}) {
            const QString ordner = Ordner(u"z"_s + QString::number(zustand));
            form.VerzeichnisSetzen(ordner);
            const bool schreibbar = zustand & 1, dateiDa = zustand & 2;
            QCOMPARE(form.Zustand(), zustand);
            QCOMPARE(form.Label3->text(), ordner);
            QCOMPARE(form.Label4->text(), text4[schreibbar]);
            QCOMPARE(form.Label4->palette().color(QPalette::WindowText), schreibbar ? Gruen : Rot);
            QCOMPARE(form.Label5->text(), text5[dateiDa]);
            QCOMPARE(form.Label5->palette().color(QPalette::WindowText), dateiDa ? Gruen : Rot);
            QCOMPARE(Texte(form.ComboBox1->model()), aktionen[zustand]);
            QCOMPARE(form.ComboBox1->currentIndex(), zustand == 0 ? -1 : 0);
            QCOMPARE(form.ComboBox1->isEnabled(), zustand == 3);
            QCOMPARE(form.Label6->isVisible(), zustand == 3);
            QCOMPARE(form.Button1->isEnabled(), zustand != 0);
            QCOMPARE(form.Aktion(), zustand);
        }
    }

    void okFuehrtDieAktionAus_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<int>("wahl");          // entry of the action list, -1: as offered
        QTest::addColumn<int>("aktion");
        QTest::addColumn<bool>("ok");           // else Abbruch
        QTest::addColumn<bool>("geladen");
        QTest::addColumn<QString>("konfig");    // KonfigVerzeichnis afterwards
        QTest::newRow("Verzeichnis auswählen") << u"z1"_s << -1 << 1 << true << false << Ordner(u"z1/"_s);
        QTest::newRow("Datei laden und Verzeichnis setzen") << u"z3"_s << 0 << 3 << true << true << Ordner(u"z3/"_s);
        QTest::newRow("nur Verzeichnis auswählen") << u"z3"_s << 1 << 1 << true << false << Ordner(u"z3/"_s);
        QTest::newRow("nur Konfiguration laden") << u"z3"_s << 2 << 2 << true << true << QString();
        QTest::newRow("Abbruch") << u"z3"_s << 0 << 3 << false << false << QString();
    }

    void okFuehrtDieAktionAus()
    {
        QFETCH(QString, ordner);
        QFETCH(int, wahl);
        QFETCH(bool, ok);
        QFETCH(bool, geladen);
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(ordner));
        if (wahl >= 0) {
            form.ComboBox1->setCurrentIndex(2);   // by way of another entry: every choice a change
            form.ComboBox1->setCurrentIndex(wahl);
        }
        QTEST(form.Aktion(), "aktion");
        // Answers in case loading wants to report something; it must not.
        TQtPlattform::NaechsteAntwort(mrOk);
        TQtPlattform::NaechsteAntwort(mrOk);
        (ok ? form.Button1 : form.Button2)->click();
        QCOMPARE(form.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(0));
        QCOMPARE(Tankstellen[0], std::string(geladen ? "Aral Hauptstraße" : "SHELL , Velmbach"));
        QCOMPARE(int(AnzahlTankstellen), geladen ? 2 : 1);
        QTEST(QString::fromStdString(KonfigVerzeichnis), "konfig");
        QCOMPARE(KonfigSchreibbar, !KonfigVerzeichnis.empty());
        QVERIFY(!QFileInfo::exists(Ordner(u"z1/SPRILO.INI"_s)));   // nothing written before the end of the run
    }

    void startVerzeichnis()
    {
        // KonfigVerzeichnis, DatenVerzeichnis, where the dialog starts
        const QString faelle[][3] = {{Ordner(u"z1/"_s), Ordner(u"liste"_s), Ordner(u"z1/"_s)},
                                     {{}, Ordner(u"liste"_s), Ordner(u"liste/"_s)},
                                     {{}, Ordner(u"fehlt"_s), Ordner(u"heim/"_s)}};
        for (const auto &[konfig, daten, erwartet] : faelle) {
            KonfigVerzeichnis = konfig.toStdString();
            DatenVerzeichnis = daten.toStdString();
            TForm5 form;
            Zeigen(form);
            QCOMPARE(form.Verzeichnis(), erwartet);
            QCOMPARE(form.Zustand(), KonfigVerzeichnisZustand(erwartet.toStdString()));
        }
    }

    void verzeichnisUndLaufwerksliste()
    {
        TForm5 form;
        Zeigen(form);
        QStringList laufwerke;      // "/" first
        for (const std::string &l : EingehaengteLaufwerke())
            laufwerke << QString::fromStdString(l);
        QCOMPARE(Texte(form.Drive_CB1->model()), laufwerke);
        // The path from its volume down, then the visible subdirectories, sorted in any case, one step further in.
        const QString liste = Ordner(u"liste"_s);
        form.VerzeichnisSetzen(liste);
        QString laufwerk = u"/"_s;
        for (const QString &l : laufwerke)
            if (liste.startsWith(l + u'/') && l.size() > laufwerk.size())
                laufwerk = l;
        const QStringList pfad = QStringList{laufwerk} + liste.mid(laufwerk.size()).split(u'/', Qt::SkipEmptyParts);
        const int tiefe = int(pfad.size());
        QCOMPARE(Texte(form.Dir_LB1->model()), (pfad + QStringList{u"a"_s, u"B"_s, u"c"_s}));
        for (int i = 0; i < form.Dir_LB1->count(); ++i)
            QCOMPARE(form.Dir_LB1->item(i)->data(TForm5::StufeRolle).toInt(), qMin(i, tiefe));
        QCOMPARE(form.Dir_LB1->currentRow(), tiefe - 1);
        QCOMPARE(form.Drive_CB1->currentText(), laufwerk);
        emit form.Drive_CB1->activated(0);     // a drive: its root
        QCOMPARE(form.Verzeichnis(), u"/"_s);
        QCOMPARE(Texte(form.Dir_LB1->model()),
                 QStringList{u"/"_s} + QDir(u"/"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::IgnoreCase));
        QCOMPARE(form.Zustand(), KonfigVerzeichnisZustand("/"));
    }

    // Enter in the list is tested with the file dialog, which shares it.
    void doppelklickOeffnetDasVerzeichnis()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"liste"_s));
        QListWidgetItem *mitDatei = form.Dir_LB1->findItems(u"B"_s, Qt::MatchExactly).value(0);
        QVERIFY(mitDatei);
        DoppelKlicken(form.Dir_LB1, mitDatei);
        QCOMPARE(form.Verzeichnis(), Ordner(u"liste/B/"_s));
        QCOMPARE(form.Zustand(), 3);    // B holds a configuration file
        QCOMPARE(form.Dir_LB1->currentItem()->text(), u"B"_s);
        // Up again by the path entry of the parent.
        QListWidgetItem *eltern = form.Dir_LB1->item(form.Dir_LB1->currentRow() - 1);
        QCOMPARE(eltern->text(), u"liste"_s);
        DoppelKlicken(form.Dir_LB1, eltern);
        QCOMPARE(form.Verzeichnis(), Ordner(u"liste/"_s));
    }
};

QTEST_MAIN(Form5Test)
#include "Form5Test.moc"
