// The dialog "Konfiguration laden" on real directories in a temporary folder:
// the four states of a directory, the actions and what OK does with them,
// and the directory list.
#include "Hilfe.h"
#include "Konfiguration.h"
#include "QtPlattform.h"
#include "Sprilo_Dek.h"
#include "Sprilo_V.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const TDatum Heute{15, 7, 2024};

const QColor Rot(0xFF, 0x00, 0x00);
const QColor Gruen(0x00, 0x80, 0x00);

const QString NichtSchreibbar = u"In das Verzeichnis kann nicht geschrieben werden."_s;
const QString Schreibbar = u"Dieses Verzeichnis kann für die Konfigurationsdatei genutzt werden."_s;
const QString KeineDatei = u"In dem Verzeichnis ist keine Konfigurationsdatei vorhanden."_s;
const QString DateiDa = u"Eine Konfigurationsdatei ist vorhanden und kann geladen werden."_s;

const QString Hinweis1 = u"Konfigurationsdatei bei Programmende in dieses Verzeichnis speichern"_s;
const QString Hinweis2 = u"Konfigurationsdatei laden"_s;
const QString Hinweis3 = u"Konfigurationsdatei laden und bei Programmende in dieses Verzeichnis speichern"_s;

bool IstRoot()
{
    return ::geteuid() == 0;
}

QColor Farbe(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}

void DateiSchreiben(const QString &pfad, const std::vector<uint8_t> &bytes)
{
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    QCOMPARE(datei.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size())), qint64(bytes.size()));
}

// The mount point that holds pfad, as the drive list shows it.
QString LaufwerkVon(const QString &pfad)
{
    QString bestes = u"/"_s;
    for (const std::string &l : EingehaengteLaufwerke()) {
        const QString laufwerk = QString::fromStdString(l);
        if ((pfad == laufwerk || pfad.startsWith(laufwerk + u'/')) && laufwerk.size() > bestes.size())
            bestes = laufwerk;
    }
    return bestes;
}

QStringList Texte(const QListWidget *liste)
{
    QStringList texte;
    for (int i = 0; i < liste->count(); ++i)
        texte << liste->item(i)->text();
    return texte;
}

QList<int> Stufen(const QListWidget *liste)
{
    QList<int> stufen;
    for (int i = 0; i < liste->count(); ++i)
        stufen << liste->item(i)->data(TForm5::StufeRolle).toInt();
    return stufen;
}

QStringList Eintraege(const QComboBox *box)
{
    QStringList texte;
    for (int i = 0; i < box->count(); ++i)
        texte << box->itemText(i);
    return texte;
}

QListWidgetItem *EintragMitText(QListWidget *liste, const QString &text)
{
    const auto treffer = liste->findItems(text, Qt::MatchExactly);
    return treffer.isEmpty() ? nullptr : treffer.last();
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

    // A configuration file with a station list that the defaults do not
    // have, so a test can tell whether it was loaded.
    void ErkennbareKonfigSchreiben(const QString &ordner)
    {
        KonfigurationVorbelegen(0, Heute);
        AnzahlTankstellen = 3;
        Tankstellen[0] = "Aral Hauptstraße";
        Tankstellen[1] = "Jet";
        Tankstellen[2] = "Esso Südring";
        DateiSchreiben(ordner + u"/SPRILO.INI"_s, KonfigurationKodieren());
        TankstellenlisteVorbelegen();
        QCOMPARE(Tankstellen[0], std::string("SHELL , Velmbach"));
    }

    void StationenGeladen()
    {
        QCOMPARE(int(AnzahlTankstellen), 3);
        QCOMPARE(Tankstellen[0], std::string("Aral Hauptstraße"));
        QCOMPARE(Tankstellen[1], std::string("Jet"));
        QCOMPARE(Tankstellen[2], std::string("Esso Südring"));
    }

    void Zeigen(TForm5 &form)
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        // The dialog falls back to the home directory; it must not be the
        // real one.
        QVERIFY(QDir(m_temp.path()).mkpath(u"heim"_s));
        qputenv("HOME", QFile::encodeName(Ordner(u"heim"_s)));
        QCOMPARE(QDir::homePath(), Ordner(u"heim"_s));

        PlattformSetzen(&m_plattform);
        TQtPlattform::HeuteFestlegen(Heute);
        KonfigVerzeichnis.clear();
        KonfigSchreibbar = false;
        QDir basis(m_temp.path());
        for (const QString &name : {u"z0"_s, u"z1"_s, u"z2"_s, u"z3"_s, u"liste/A"_s, u"liste/b"_s,
                                    u"liste/c"_s, u"liste/.versteckt"_s})
            QVERIFY(basis.mkpath(name));
        QFile(Ordner(u"liste/datei.txt"_s)).open(QIODevice::WriteOnly);
        ErkennbareKonfigSchreiben(Ordner(u"z2"_s));
        ErkennbareKonfigSchreiben(Ordner(u"z3"_s));
        ErkennbareKonfigSchreiben(Ordner(u"liste/b"_s));
        QCOMPARE(::chmod(QFile::encodeName(Ordner(u"z0"_s)).constData(), 0555), 0);
        QCOMPARE(::chmod(QFile::encodeName(Ordner(u"z2"_s)).constData(), 0555), 0);
    }

    void cleanupTestCase()
    {
        // Writable again, so the temporary folder can be removed.
        ::chmod(QFile::encodeName(Ordner(u"z0"_s)).constData(), 0755);
        ::chmod(QFile::encodeName(Ordner(u"z2"_s)).constData(), 0755);
        PlattformSetzen(nullptr);
    }

    void init()
    {
        GlobalenZustandZuruecksetzen();
        TQtPlattform::TestZustandLoeschen();
        TQtPlattform::HeuteFestlegen(Heute);
        KonfigurationVorbelegen(0, Heute);
        KonfigVerzeichnis.clear();
        KonfigSchreibbar = false;
        DatenVerzeichnis = m_temp.path().toStdString();
        Fensterfaktor = 1;
    }

    void cleanup() { TQtPlattform::TestZustandLoeschen(); }

    void fensterUndSteuerelemente()
    {
        TForm5 form;
        QCOMPARE(form.windowTitle(), u"Konfiguration laden"_s);
        QVERIFY(form.isModal());
        QCOMPARE(HilfeKontext(&form), 600);
        QCOMPARE(HilfeKontext(form.Dir_LB1), 600);
        QCOMPARE(form.Label1->text(),
                 u"Wählen Sie ein Verzeichnis aus, in dem die Konfiguration gespeichert werden soll."_s);
        QCOMPARE(form.Drive_CB1->toolTip(), u"Mögliche Laufwerke"_s);
        QCOMPARE(form.Dir_LB1->toolTip(), u"Mögliche Verzeichnisse"_s);
        QCOMPARE(form.InfoBox1->title(), u" Verzeichnis - Informationen "_s);
        QCOMPARE(form.Label2->text(), u"Aktuelles Verzeichnis:"_s);
        QCOMPARE(form.Label6->text(), u"Aktion auswählen und mit OK bestätigen"_s);
        QCOMPARE(form.Button1->text(), u"&OK"_s);
        QCOMPARE(form.Button2->text(), u"&Abbruch"_s);
        QCOMPARE(form.Button3->text(), u"&Hilfe"_s);
        for (const char *name : {"Label1", "Drive_CB1", "Dir_LB1", "InfoBox1", "Label2", "Label3", "Label4",
                                 "Label5", "ComboBox1", "Label6", "Button1", "Button2", "Button3"})
            QVERIFY2(form.findChild<QWidget *>(QString::fromLatin1(name)), name);

        // Fixed size, at least the design size.
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.width() >= 474);
        QVERIFY(form.height() >= 251);
    }

    void groesseFolgtDemFensterfaktor()
    {
        Fensterfaktor = 1.5L;
        TForm5 form;
        QVERIFY(form.width() >= 711);
        QVERIFY(form.height() >= 377);
    }

    void zustaende_data()
    {
        QTest::addColumn<QString>("ordner");
        QTest::addColumn<bool>("nurOhneRoot");
        QTest::addColumn<int>("zustand");
        QTest::addColumn<QString>("text4");
        QTest::addColumn<QColor>("farbe4");
        QTest::addColumn<QString>("text5");
        QTest::addColumn<QColor>("farbe5");
        QTest::addColumn<QStringList>("aktionen");
        QTest::addColumn<bool>("auswahlFrei");
        QTest::addColumn<bool>("label6");
        QTest::addColumn<bool>("okFrei");
        QTest::addColumn<int>("aktion");
        QTest::addColumn<QString>("hinweis");

        QTest::newRow("schreibbar, ohne Datei")
            << Ordner(u"z1"_s) << false << 1 << Schreibbar << Gruen << KeineDatei << Rot
            << QStringList{u"Verzeichnis auswählen"_s} << false << false << true << 1 << Hinweis1;
        QTest::newRow("schreibbar, mit Datei")
            << Ordner(u"z3"_s) << false << 3 << Schreibbar << Gruen << DateiDa << Gruen
            << QStringList{u"Datei laden und Verzeichnis setzen"_s, u"nur Verzeichnis auswählen"_s,
                           u"nur Konfiguration laden"_s}
            << true << true << true << 3 << Hinweis3;
        QTest::newRow("schreibgeschützt, ohne Datei")
            << Ordner(u"z0"_s) << true << 0 << NichtSchreibbar << Rot << KeineDatei << Rot << QStringList{}
            << false << false << false << 0 << QString();
        QTest::newRow("schreibgeschützt, mit Datei")
            << Ordner(u"z2"_s) << true << 2 << NichtSchreibbar << Rot << DateiDa << Gruen
            << QStringList{u"Konfiguration laden"_s} << false << false << true << 2 << Hinweis2;
        // Not even root may create files in /proc.
        QTest::newRow("Systemverzeichnis")
            << u"/proc"_s << false << 0 << NichtSchreibbar << Rot << KeineDatei << Rot << QStringList{}
            << false << false << false << 0 << QString();
    }

    void zustaende()
    {
        QFETCH(QString, ordner);
        QFETCH(bool, nurOhneRoot);
        if (nurOhneRoot && IstRoot())
            QSKIP("root may write into read-only directories");
        if (!QFileInfo(ordner).isDir())
            QSKIP("directory missing on this system");

        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(ordner);

        QTEST(form.Zustand(), "zustand");
        QCOMPARE(form.Verzeichnis(), ordner + u'/');
        QCOMPARE(form.Label3->text(), ordner);
        QTEST(form.Label4->text(), "text4");
        QTEST(Farbe(form.Label4), "farbe4");
        QTEST(form.Label5->text(), "text5");
        QTEST(Farbe(form.Label5), "farbe5");
        QTEST(Eintraege(form.ComboBox1), "aktionen");
        QTEST(form.ComboBox1->isEnabled(), "auswahlFrei");
        QTEST(form.Label6->isVisible(), "label6");
        QTEST(form.Button1->isEnabled(), "okFrei");
        QTEST(form.Aktion(), "aktion");
        QTEST(form.Button1->toolTip(), "hinweis");
        QTEST(form.ComboBox1->toolTip(), "hinweis");
        QCOMPARE(form.ComboBox1->currentIndex(), form.ComboBox1->count() > 0 ? 0 : -1);
    }

    void zustandWechseltMitDemVerzeichnis()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        QCOMPARE(form.Zustand(), 3);
        form.VerzeichnisSetzen(Ordner(u"z1"_s));
        // Everything of state 3 is reset.
        QCOMPARE(form.Zustand(), 1);
        QVERIFY(!form.Label6->isVisible());
        QVERIFY(!form.ComboBox1->isEnabled());
        QCOMPARE(Eintraege(form.ComboBox1), QStringList{u"Verzeichnis auswählen"_s});
        QCOMPARE(Farbe(form.Label5), Rot);
        form.VerzeichnisSetzen(u"/proc"_s);
        QVERIFY(!form.Button1->isEnabled());
        QCOMPARE(form.ComboBox1->count(), 0);
        form.VerzeichnisSetzen(Ordner(u"z1"_s));
        QVERIFY(form.Button1->isEnabled());
    }

    void auswahlImZustandDreiSetztAktionUndHinweis()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        const struct {
            int index;
            int aktion;
            QString hinweis;
        } faelle[] = {{1, 1, Hinweis1}, {2, 2, Hinweis2}, {0, 3, Hinweis3}};
        for (const auto &fall : faelle) {
            form.ComboBox1->setCurrentIndex(fall.index);
            QCOMPARE(form.Aktion(), fall.aktion);
            QCOMPARE(form.Button1->toolTip(), fall.hinweis);
            QCOMPARE(form.ComboBox1->toolTip(), fall.hinweis);
        }
    }

    void okMitVerzeichnisAuswaehlen()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z1"_s));
        QCOMPARE(form.Aktion(), 1);
        form.Button1->click();

        QCOMPARE(QString::fromStdString(KonfigVerzeichnis), Ordner(u"z1"_s) + u'/');
        QVERIFY(KonfigSchreibbar);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QVERIFY(!form.isVisible());
        // Nothing was loaded and nothing written yet.
        QCOMPARE(Tankstellen[0], std::string("SHELL , Velmbach"));
        QVERIFY(!QFileInfo::exists(Ordner(u"z1/SPRILO.INI"_s)));
    }

    void okMitLadenUndVerzeichnisSetzen()
    {
        ErkennbareKonfigSchreiben(Ordner(u"z3"_s));
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        QCOMPARE(form.Aktion(), 3);
        // In case loading wants to report something.
        TQtPlattform::NaechsteAntwort(mrOk);
        TQtPlattform::NaechsteAntwort(mrOk);
        form.Button1->click();

        StationenGeladen();
        QCOMPARE(QString::fromStdString(KonfigVerzeichnis), Ordner(u"z3"_s) + u'/');
        QVERIFY(KonfigSchreibbar);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        // A sound file loads without a message.
        QCOMPARE(TQtPlattform::GezeigteMeldungen().size(), size_t(0));
    }

    void nurKonfigurationLadenLaesstDasVerzeichnisLeer()
    {
        ErkennbareKonfigSchreiben(Ordner(u"z3"_s));
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        QCOMPARE(form.Zustand(), 3);
        form.ComboBox1->setCurrentIndex(2);
        QCOMPARE(form.ComboBox1->currentText(), u"nur Konfiguration laden"_s);
        TQtPlattform::NaechsteAntwort(mrOk);
        TQtPlattform::NaechsteAntwort(mrOk);
        form.Button1->click();

        StationenGeladen();
        QCOMPARE(KonfigVerzeichnis, std::string());
        QVERIFY(!KonfigSchreibbar);
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void nurVerzeichnisAuswaehlenLaedtNichts()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        form.ComboBox1->setCurrentIndex(1);
        form.Button1->click();

        QCOMPARE(Tankstellen[0], std::string("SHELL , Velmbach"));
        QCOMPARE(QString::fromStdString(KonfigVerzeichnis), Ordner(u"z3"_s) + u'/');
        QVERIFY(KonfigSchreibbar);
    }

    void schreibgeschuetztLadenOhneVerzeichnis()
    {
        if (IstRoot())
            QSKIP("root may write into read-only directories");
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z2"_s));
        QCOMPARE(form.Aktion(), 2);
        TQtPlattform::NaechsteAntwort(mrOk);
        TQtPlattform::NaechsteAntwort(mrOk);
        form.Button1->click();

        StationenGeladen();
        QCOMPARE(KonfigVerzeichnis, std::string());
        QVERIFY(!KonfigSchreibbar);
    }

    void abbruchAendertNichts()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"z3"_s));
        form.Button2->click();
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QCOMPARE(KonfigVerzeichnis, std::string());
        QVERIFY(!KonfigSchreibbar);
        QCOMPARE(Tankstellen[0], std::string("SHELL , Velmbach"));
    }

    void hilfeKnopfZeigtF5All()
    {
        THilfe::Instanz().DateiSetzen(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../app/SPRILO.HLP"));
        TForm5 form;
        Zeigen(form);
        form.Button3->click();
        QCOMPARE(THilfe::Instanz().AktuellesThema(), u"F5_All"_s);
        THilfe::Instanz().Beenden();
    }

    void startVerzeichnis_data()
    {
        QTest::addColumn<QString>("konfig");
        QTest::addColumn<QString>("daten");
        QTest::addColumn<QString>("erwartet");
        QTest::newRow("Konfigurationsverzeichnis")
            << Ordner(u"z1/"_s) << Ordner(u"liste"_s) << Ordner(u"z1/"_s);
        QTest::newRow("Datenverzeichnis") << QString() << Ordner(u"liste"_s) << Ordner(u"liste/"_s);
        QTest::newRow("Heimverzeichnis") << QString() << Ordner(u"fehlt"_s) << Ordner(u"heim/"_s);
    }

    void startVerzeichnis()
    {
        QFETCH(QString, konfig);
        QFETCH(QString, daten);
        KonfigVerzeichnis = konfig.toStdString();
        DatenVerzeichnis = daten.toStdString();
        TForm5 form;
        Zeigen(form);
        QTEST(form.Verzeichnis(), "erwartet");
        // The start directory was evaluated as well.
        QCOMPARE(form.Zustand(), KonfigVerzeichnisZustand(form.Verzeichnis().toStdString()));
        QVERIFY(!form.Label4->text().isEmpty());
    }

    void verzeichnisListeZeigtPfadUndUnterverzeichnisse()
    {
        TForm5 form;
        Zeigen(form);
        const QString liste = Ordner(u"liste"_s);
        form.VerzeichnisSetzen(liste);

        const QString laufwerk = LaufwerkVon(liste);
        QStringList erwartet{laufwerk};
        erwartet << liste.mid(laufwerk.size()).split(u'/', Qt::SkipEmptyParts);
        const int tiefe = int(erwartet.size());
        // Hidden ones and files left out, letter case ignored in the order.
        erwartet << u"A"_s << u"b"_s << u"c"_s;
        QCOMPARE(Texte(form.Dir_LB1), erwartet);

        QList<int> stufen;
        for (int i = 0; i < tiefe; ++i)
            stufen << i;
        stufen << tiefe << tiefe << tiefe;
        QCOMPARE(Stufen(form.Dir_LB1), stufen);

        QCOMPARE(form.Dir_LB1->currentRow(), tiefe - 1);
        QCOMPARE(form.Dir_LB1->item(tiefe - 1)->data(TForm5::PfadRolle).toString(), liste);
        QCOMPARE(form.Dir_LB1->item(tiefe + 1)->data(TForm5::PfadRolle).toString(), liste + u"/b"_s);
        QCOMPARE(form.Dir_LB1->item(0)->data(TForm5::PfadRolle).toString(), laufwerk);
        QCOMPARE(form.Drive_CB1->currentText(), laufwerk);
    }

    void laufwerkslisteZeigtDieEingehaengtenLaufwerke()
    {
        TForm5 form;
        Zeigen(form);
        QStringList erwartet;
        for (const std::string &l : EingehaengteLaufwerke())
            erwartet << QString::fromStdString(l);
        if (!erwartet.contains(u"/"_s))
            erwartet.prepend(u"/"_s);
        QCOMPARE(Eintraege(form.Drive_CB1), erwartet);
        QCOMPARE(form.Drive_CB1->itemText(0), u"/"_s);
    }

    void laufwerkWaehlenWechseltInDieWurzel()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"liste"_s));
        emit form.Drive_CB1->activated(0);
        QCOMPARE(form.Verzeichnis(), u"/"_s);
        QCOMPARE(form.Label3->text(), u"/"_s);
        QCOMPARE(form.Dir_LB1->item(0)->text(), u"/"_s);
        QCOMPARE(form.Dir_LB1->currentRow(), 0);
        const QStringList unter = QDir(u"/"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                          QDir::Name | QDir::IgnoreCase);
        QCOMPARE(Texte(form.Dir_LB1).mid(1), unter);
        QCOMPARE(form.Zustand(), KonfigVerzeichnisZustand("/"));
    }

    void doppelklickWechseltInsVerzeichnis()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"liste"_s));
        QCOMPARE(form.Zustand(), 1);
        QListWidgetItem *b = EintragMitText(form.Dir_LB1, u"b"_s);
        QVERIFY(b);
        DoppelKlicken(form.Dir_LB1, b);

        QCOMPARE(form.Verzeichnis(), Ordner(u"liste/b/"_s));
        QCOMPARE(form.Label3->text(), Ordner(u"liste/b"_s));
        // b holds a configuration file: the state was evaluated anew.
        QCOMPARE(form.Zustand(), 3);
        QCOMPARE(form.Dir_LB1->currentItem()->text(), u"b"_s);
        QCOMPARE(form.Dir_LB1->currentRow(), form.Dir_LB1->count() - 1);

        // Up again by the path entry of the parent.
        QListWidgetItem *eltern = form.Dir_LB1->item(form.Dir_LB1->currentRow() - 1);
        QCOMPARE(eltern->text(), u"liste"_s);
        DoppelKlicken(form.Dir_LB1, eltern);
        QCOMPARE(form.Verzeichnis(), Ordner(u"liste/"_s));
    }

    void enterInDerListeOeffnetStattOk()
    {
        TForm5 form;
        Zeigen(form);
        form.VerzeichnisSetzen(Ordner(u"liste"_s));
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.Dir_LB1->setFocus();
        QTRY_VERIFY(form.Dir_LB1->hasFocus());
        QVERIFY(!form.Button1->isDefault());

        form.Dir_LB1->setCurrentItem(EintragMitText(form.Dir_LB1, u"c"_s));
        QTest::keyClick(form.Dir_LB1, Qt::Key_Return);

        QCOMPARE(form.Verzeichnis(), Ordner(u"liste/c/"_s));
        QVERIFY(form.isVisible());
        QCOMPARE(KonfigVerzeichnis, std::string());

        // Elsewhere OK is the default button again.
        form.Drive_CB1->setFocus();
        QTRY_VERIFY(form.Drive_CB1->hasFocus());
        QVERIFY(form.Button1->isDefault());
    }
};

QTEST_MAIN(Form5Test)
#include "Form5Test.moc"
