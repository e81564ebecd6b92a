// The print dialog: what each entry point shows, the options and how they
// are stored, the colour rule, the paper check and the print job into a PDF
// (finished, nothing found, cancelled). Nothing goes to a real printer: the
// program's printer writes a PDF into a temporary folder.
#include "Oberflaeche.h"
#include "Drucker.h"
#include "Hilfe.h"
#include "charts/Entwicklung.h"
#include "print/Druckauftrag.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

using TEingang = std::function<void(TForm4 &)>;

// Fill-ups on the 15th of each month from January 2004, 500 km apart,
// full at every one.
void Tankbuch(int monate)
{
    ListeLoeschen(Fuellungen);
    for (int i = 0; i < monate; ++i) {
        const std::string datum = "15." + std::string(i < 9 ? "0" : "") + std::to_string(i + 1) + ".2004";
        Fuellungen.push_back(Eintrag(10000 + 500 * i, datum.c_str(), "Aral", "50", "40", "40"));
    }
    DatenVorhanden = DatenLogisch = Gespeichert = true;
    Kennzeichen = "HH-SP 42";
}

// The names of the shown boxes and groups, in a fixed order.
QString Gezeigt(const TForm4 &f)
{
    QStringList namen;
    for (const QWidget *w : std::initializer_list<const QWidget *>{
             f.CB1, f.CB2, f.CB3, f.GroupBox1, f.GB1_RB1, f.GB1_Label1, f.GB1_CB1, f.GroupBox2, f.GroupBox2b,
             f.GroupBox2c, f.GroupBox3, f.GroupBox4, f.findChild<QWidget *>(u"Trennlinie1"_s)})
        if (w->isVisible())
            namen << w->objectName();
    return namen.join(u' ');
}

// A row of eingangspunkte: how the dialog is opened, its caption and
// heading, help context and topic, and the boxes and groups shown.
struct TEingangFall { TEingang eingang; QString titel, ueberschrift; int kontext; QString thema, gezeigt; };

// A row of druckOhneErgebnis: what goes wrong before the dialog prints,
// the message it gives and a piece of that message's text.
struct TFehlschlag { std::function<void(QTemporaryDir &)> vorher; N meldung; QString text; };

} // namespace

class Form4Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QTemporaryDir m_ordner;
    QString m_pdf;
    bool m_gelaufen = false;
    bool m_balken = true;

    // Opens the dialog through eingang and runs schritte in it.
    void Oeffnen(const TEingang &eingang, std::function<void(TForm4 &)> schritte)
    {
        ImModalenFenster<TForm4>(this, m_gelaufen, std::move(schritte));
        eingang(*Form4Holen(m_form.get()));
        QVERIFY(m_gelaufen);
    }

    static TEingang AlleDaten() { return [](TForm4 &f) { f.AlleDatenDrucken(); }; }
    static TEingang Verbrauch(bool nurTabelle) { return [=](TForm4 &f) { f.VerbrauchDrucken(nurTabelle); }; }
    TEingang Literpreis() { return [this](TForm4 &f) { f.LiterpreisDrucken(m_balken); }; }

    // "Drucker einrichten", where a printer of so many colours is chosen.
    void Einrichten(TForm4 &f, int farben)
    {
        bool eingerichtet = false;
        ImModalenFenster<QDialog>(this, eingerichtet, [=](QDialog &) { DruckerFarben = [=] { return farben; }; });
        f.Button3->click();
        QVERIFY(eingerichtet);
    }

    // The text of the PDF written, empty when there is none.
    QString PdfText()
    {
        if (!QFile::exists(m_pdf))
            return {};
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-layout"_s, m_pdf, u"-"_s});
        return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput()) : u"?"_s;
    }

private slots:
    void init()
    {
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        Tankbuch(6);
        m_pdf = m_ordner.filePath(u"druck.pdf"_s);
        QFile::remove(m_pdf);
        QPrinter &drucker = Drucker();
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(m_pdf);
        drucker.setPageSize(QPageSize(QPageSize::A4));
        drucker.setPageOrientation(QPageLayout::Portrait);
        DruckerFarben = [] { return 1 << 24; };
        DruckUeberschrift.clear();
        DruckHinweis1.clear();
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    void eingangspunkte_data()
    {
        QTest::addColumn<TEingangFall>("fall");
        const QString lp = u"Drucke Entwicklung der Literpreise"_s, rw = u"Drucke Entwicklung der Reichweiten"_s;
        QTest::newRow("alle Daten")
            << TEingangFall{AlleDaten(), u"Daten ausdrucken"_s, u"Ausdruck aller Daten"_s, 500, u"F4_All"_s,
                            u"CB1 CB2 CB3 GroupBox1 GB1_RB1 GB1_CB1 GroupBox2 GroupBox2b GroupBox2c GroupBox3 "
                            "Trennlinie1"_s};
        QTest::newRow("Tankfüllungen")
            << TEingangFall{[](TForm4 &f) { f.TankfuellungenDrucken(); }, u"Drucke Tankfüllungen"_s,
                            u"Drucke Tankfüllungen"_s, 511, u"F4_Drk_Spr"_s, u"GroupBox1 GB1_Label1 GB1_CB1"_s};
        QTest::newRow("Verbrauch") << TEingangFall{Verbrauch(false), u"Drucke Durchschnittsverbrauch"_s,
                                                   u"Drucke Durchschnittsverbrauch"_s, 521, u"F4_Drk_VB"_s,
                                                   u"GroupBox2"_s};
        QTest::newRow("Literpreis") << TEingangFall{Literpreis(), lp, lp, 540, u"F4_Dr_LP"_s, u"GroupBox4"_s};
        QTest::newRow("Reichweite") << TEingangFall{[this](TForm4 &f) { f.ReichweiteDrucken(m_balken); }, rw, rw,
                                                    550, u"F4_Dr_RW"_s, u"GroupBox4"_s};
    }

    // Caption, heading, help, the groups of the kind of print with room for
    // each, and the chart radio handed in and back.
    void eingangspunkte()
    {
        QFETCH(TEingangFall, fall);
        THilfe::Instanz().DateiSetzen(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../app/SPRILO.HLP"));
        m_balken = true;
        Oeffnen(fall.eingang, [&](TForm4 &f) {
            QCOMPARE(f.windowTitle() + u'|' + f.UB_Label1->text(), fall.titel + u'|' + fall.ueberschrift);
            QVERIFY(f.UB_Label1->font().underline());
            QCOMPARE(HilfeKontext(&f), fall.kontext);
            QCOMPARE(Gezeigt(f), fall.gezeigt);
            QCOMPARE(Abgeschnitten(&f), QString());
            QCOMPARE(f.Button1->toolTip(), u"Daten drucken auf  druck.pdf"_s);
            QCOMPARE(QApplication::focusWidget(), f.Button1);
            f.Button4->click();
            QCOMPARE(THilfe::Instanz().AktuellesThema(), fall.thema);
            if (f.GroupBox4->isVisible()) {
                QVERIFY(f.GB4_RB1->isChecked());
                AufMarkeKlicken(f.GB4_RB2);
            }
        });
        THilfe::Instanz().Beenden();
        QCOMPARE(m_balken, !fall.gezeigt.contains(u"GroupBox4"_s));
    }

    // The lists hold the years and months of the log with the settings
    // chosen (or the first, for "bis" the last entry); a period chosen
    // backwards is stored in order, its end as day 32. The PDF has the
    // header with the licence plate and the fill-ups of the period; the
    // printer has the job's title.
    void zeitraumWirdGeordnet()
    {
        DruckTankfuellungen = true;
        DruckTF_Auswahl = 3;
        DruckVB_Auswahl = 2;
        DruckTF_Jahr = 2004;
        DruckTS_BisJahr = 1999;
        DruckTF_Von = TDatum{1, 3, 2004};
        DruckTF_Bis = TDatum{32, 9, 2011};
        Oeffnen(AlleDaten(), [](TForm4 &f) {
            QCOMPARE(Eintraege(f.GB1_CoB1), u"2004"_s);
            QCOMPARE(Eintraege(f.GB1_CoB2), u"01/2004|02/2004|03/2004|04/2004|05/2004|06/2004"_s);
            QCOMPARE(f.GB1_CoB2->currentText() + f.GB1_CoB3->currentText(), u"03/200406/2004"_s);
            QCOMPARE(f.GB3_CoB3->currentIndex(), f.GB3_CoB3->count() - 1);
            for (QComboBox *von : {f.GB1_CoB2, f.GB2b_CoB2})
                Waehlen(von, u"05/2004"_s);
            for (QComboBox *bis : {f.GB1_CoB3, f.GB2b_CoB3})
                Waehlen(bis, u"02/2004"_s);
            f.Button1->click();
        });
        QCOMPARE(Datum(DruckTF_Von) + u' ' + Datum(DruckTF_Bis), u"1.2.2004 32.5.2004"_s);
        QCOMPARE(Datum(DruckVB_Von) + u' ' + Datum(DruckVB_Bis), u"1.2.2004 32.5.2004"_s);
        const QString text = PdfText();
        QVERIFY2(text.contains(u"Fahrzeug - Kennzeichen : HH-SP 42"_s), qPrintable(text));
        QVERIFY2(text.contains(u"15.03.2004"_s) && text.contains(u"11.000"_s), qPrintable(text));
        QCOMPARE(Drucker().docName(), u"Druck aller Daten - Sprilo"_s);
    }

    // Radios show their lists and store their setting at once; the two
    // lists of a range of years keep one of them on. The three boxes
    // enable their groups, with none "Drucken" is off; they are stored
    // only by printing. A log of one fill-up has no consumption values to
    // offer.
    void radiosUndKaestchen()
    {
        DruckTankfuellungen = DruckVerbrauch = DruckTankstellenliste = true;
        DruckTS_Auswahl = 1;
        DruckTS_Einzeln = true;
        DruckTS_Summe = false;
        Oeffnen(AlleDaten(), [](TForm4 &f) {
            AufMarkeKlicken(f.GB1_RB2);
            QVERIFY(f.GB1_CoB1->isVisible() && !f.GB1_CoB2->isVisible());
            AufMarkeKlicken(f.GB2c_RB3);
            QVERIFY(f.GB3_CB1->isChecked() && !f.GB3_CB1->isEnabled() && !f.GB3_CB2->isChecked());
            AufMarkeKlicken(f.GB3_RB2);
            QVERIFY(f.GB3_CoB3->isVisible() && f.GB3_CB1->isEnabled() && !f.GB3_CoB1->isVisible());
            AufMarkeKlicken(f.GB3_CB1);
            QVERIFY(!f.GB3_CB1->isChecked() && f.GB3_CB2->isChecked());

            AufMarkeKlicken(f.CB1);
            QVERIFY(!f.GB1_RB1->isEnabled() && !f.GB1_CB2->isEnabled() && f.Button1->isEnabled());
            AufMarkeKlicken(f.CB2);
            QVERIFY(!f.GB2_RB1->isEnabled() && !f.CB_Farbe->isEnabled() && !f.GB2c_RB4->isEnabled());
            AufMarkeKlicken(f.CB3);
            QVERIFY(!f.GB3_RB1->isEnabled() && !f.GB3_CB1->isEnabled() && !f.Button1->isEnabled());
            AufMarkeKlicken(f.CB3);
            QVERIFY(f.GB3_CB1->isEnabled() && f.Button1->isEnabled());
            AufMarkeKlicken(f.CB2);
            AufMarkeKlicken(f.GB2_RB3);
            QVERIFY(!f.GB2_CB1->isEnabled() && !f.CB_Farbe->isEnabled());
        });
        QCOMPARE(int(DruckTF_Auswahl) * 1000 + DruckVB_Ansicht * 100 + DruckTS_Auswahl * 10 + DruckTS_Summe, 2321);
        QVERIFY(!DruckTS_Einzeln && DruckTankfuellungen && DruckVerbrauch);
        Tankbuch(1);
        Oeffnen(AlleDaten(), [](TForm4 &f) { QVERIFY(!f.CB2->isChecked() && !f.CB2->isEnabled()); });
    }

    // From a consumption window sorted by other than the date only the
    // table can be printed.
    void verbrauchNurTabelle()
    {
        DruckVerbrauchsArt = 3;
        Oeffnen(Verbrauch(true), [](TForm4 &f) {
            QVERIFY(!f.GB2_RB1->isEnabled() && !f.GB2_RB2->isEnabled() && !f.GB2_CB1->isEnabled());
            QVERIFY(!f.CB_Farbe->isEnabled() && f.GB2_RB3->isChecked() && f.GB2_RB3->isEnabled());
        });
    }

    // A printer without colours turns both boxes off, and printing on it
    // keeps the colour choice made before. The set-up keeps the colour
    // choice of the dialog, not the stored one: a printer without colours
    // chosen there turns the boxes off, and a colour printer chosen again
    // brings the choice back. Only printing stores it.
    void farbwahl()
    {
        DruckerFarben = [] { return 2; };
        DruckInFarbe = true;
        LP_Zeitraumwahl = LP_Ansicht = 1;
        ErmittleLiterpreisEntwicklung();
        Oeffnen(Verbrauch(false), [](TForm4 &f) {
            AufMarkeKlicken(f.GB2_RB1);
            QVERIFY(!f.CB_Farbe->isChecked() && !f.CB_Farbe->isEnabled());
        });
        Oeffnen(Literpreis(), [](TForm4 &f) {
            QVERIFY(!f.GB4_CB1->isChecked() && !f.GB4_CB1->isEnabled());
            f.Button1->click();
        });
        QVERIFY(DruckInFarbe);
        DruckerFarben = [] { return 256; };
        Oeffnen(Literpreis(), [this](TForm4 &f) {
            QVERIFY(f.GB4_CB1->isChecked() && f.GB4_CB1->isEnabled());
            AufMarkeKlicken(f.GB4_CB1);
            Einrichten(f, 2);
            QVERIFY(!f.GB4_CB1->isEnabled() && !f.GB4_CB1->isChecked());
            Einrichten(f, 256);
            QVERIFY(f.GB4_CB1->isEnabled() && !f.GB4_CB1->isChecked());
            AufMarkeKlicken(f.GB4_CB1);
            Einrichten(f, 2);
            Einrichten(f, 256);
            QVERIFY(f.GB4_CB1->isChecked() && f.GB4_CB1->isEnabled() && DruckInFarbe);
            AufMarkeKlicken(f.GB4_CB1);
            f.Button1->click();
        });
        QVERIFY(!DruckInFarbe);
    }

    void druckOhneErgebnis_data()
    {
        QTest::addColumn<TFehlschlag>("fall");
        // A5 portrait is too narrow; the message tells its width.
        QTest::newRow("Papier zu schmal") << TFehlschlag{[](QTemporaryDir &) {
            Drucker().setPageSize(QPageSize(QPageSize::A5));
        }, N::PapierZuKlein, u" ist %1mm"_s};
        QTest::newRow("PDF nicht schreibbar") << TFehlschlag{[](QTemporaryDir &ordner) {
            Drucker().setOutputFileName(ordner.filePath(u"fehlt/druck.pdf"_s));
        }, N::AusgabeFehlgeschlagen, u"fehlt/druck.pdf' kann nicht geschrieben"_s};
        // Only the station list, for a year without fill-ups.
        QTest::newRow("nichts gefunden") << TFehlschlag{[](QTemporaryDir &) {
            DruckTankfuellungen = DruckVerbrauch = false;
            DruckTankstellenliste = true;
            DruckTS_Auswahl = 1;
            DruckTS_Jahr = 2005;
            Fuellungen.push_back(Eintrag(20000, "15.01.2006", "Aral", "50", "40", "40"));
        }, N::NichtsZuDrucken, QString()};
    }

    // Printing that gives nothing says why and writes no file; paper too
    // small leaves the dialog with its options, to choose another.
    void druckOhneErgebnis()
    {
        QFETCH(TFehlschlag, fall);
        DruckTankfuellungen = true;
        DruckTF_Auswahl = 1;
        fall.vorher(m_ordner);
        TQtPlattform::NaechsteAntwort(1);
        Oeffnen(AlleDaten(), [&](TForm4 &f) {
            f.Button1->click();
            QCOMPARE(f.isVisible() && f.GroupBox1->isVisible() && !f.Prozent1->isVisible(),
                     fall.meldung == N::PapierZuKlein);
        });
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{fall.meldung});
        const QString text = QString(fall.text).replace(u"%1"_s, QString::number(Drucker().widthMM()));
        QVERIFY2(QString::fromStdString(TQtPlattform::GezeigteMeldungen().front().Text).contains(text),
                 qPrintable(text));
        QVERIFY(!QFile::exists(Drucker().outputFileName()));
    }

    // Cancelled at the first check: nothing is written, and an earlier
    // print of the same name stays as it was. While the job runs only the
    // gauge, its texts and the cancel button show, and neither the close
    // box nor Esc end it.
    void abbrechenSchreibtNichts()
    {
        QFile alt(m_pdf);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("vorher") == 6);
        alt.close();
        Oeffnen(AlleDaten(), [](TForm4 &f) {
            QTimer::singleShot(0, &f, [&f] {
                QVERIFY(f.Prozent1->isVisible() && f.Button5->isVisible() && !f.Button1->isVisible()
                        && !f.GroupBox1->isVisible());
                QCOMPARE(QApplication::focusWidget(), f.Button5);
                QVERIFY(!f.close());
                QTest::keyClick(&f, Qt::Key_Escape);
                QVERIFY(f.isVisible());
                f.Button5->click();
            });
            f.Button1->click();
            QVERIFY(!f.isVisible());
        });
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("vorher"));
        QVERIFY(GezeigteMeldungsNr().isEmpty());
    }
};

QTEST_MAIN(Form4Test)
#include "Form4Test.moc"
