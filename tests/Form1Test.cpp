// The main window: status box, command states, help menu, panels and the
// window factor, driven on the offscreen platform with the global state set
// directly. (Closing and "Beenden": DateienTest.)
#include "Oberflaeche.h"
#include "PanelEingabe.h"
#include "PanelEntwicklung.h"
#include "PanelTankList.h"
#include "PanelVerbrauch.h"
#include "Sprilo_V.h"
#include "browse/PanelTankAnsicht.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

void FuellungenSetzen(int anzahl)
{
    ListeLoeschen(Fuellungen);
    for (int i = 0; i < anzahl; ++i)
        Fuellungen.push_back(Fuellung(10000 + 500 * i, 1 + i % 28, 1 + (i / 28) % 12, 1996 + i / 336));
    DatenVorhanden = anzahl > 0;
}

// The items of "Hilfe zu ..." that are shown.
QString HilfeZu(const TForm1 &f)
{
    QStringList namen;
    for (const QAction *a : f.MP_5_1b->actions())
        if (a->isVisible())
            namen << a->objectName();
    return namen.join(u' ');
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;

private slots:
    void init() { QVERIFY(HauptfensterStarten(m_plattform, m_form)); }
    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    // The status box's lines, light and hint, and which shown commands are
    // disabled, for each state of the data.
    void statusBoxUndBefehleFolgenDenDaten_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<bool>("logisch");
        QTest::addColumn<double>("tankinhalt");
        QTest::addColumn<QString>("status");     // the lines, '|' between them
        QTest::addColumn<uint>("licht");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<QString>("gesperrt");
        const auto status = [](const QString &anzahl, const QString &letzte, bool ungespeichert, const QString &tank) {
            return u"Es befinden sich zur Zeit %1 im Speicher.|KFZ - Kennzeichen : %2|Name der Datendatei : "
                   "/home/fahrer/DATEN/AUTO.SPR|%3|1. Tankfüllung vom :|01.01.1996 bei KM 10.000|Letzte "
                   "Tankfüllung vom :|%4|Tankinhalt : %5"_s
                .arg(anzahl, QString(20, u'W'),
                     ungespeichert ? u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s : QString(), letzte,
                     tank);
        };
        QTest::newRow("keine Daten") << 0 << true << true << 0.0
            << u"||Es wurden noch keine Daten eingegeben.||||||"_s << 0xFFFFFFu << u"Keine Daten vorhanden"_s
            << u"MP_1_3 MP_1_4 MP_1_B1 MP_1_Export MP_2_1 MP_2_2 MP_2_3 MP_3_1 MP_3_2 MP_3_3 MP_4_1 MP_4_2 MP_4_3 MP_4_4 "
               "SpeedButton10 SpeedButton12 SpeedButton15 SpeedButton16 SpeedButton3 SpeedButton5 SpeedButton6 "
               "SpeedButton7 SpeedButton8 SpeedButton9"_s;
        QTest::newRow("eine Füllung, gespeichert") << 1 << true << true << 0.0
            << status(u"1 Tankfüllung"_s, u"01.01.1996 bei KM 10.000"_s, false, QString()) << 0x008000u
            << u"Daten Ok und gespeichert"_s
            << u"MP_1_3 MP_2_3 MP_4_2 MP_4_4 SpeedButton10 SpeedButton16 SpeedButton5"_s;
        QTest::newRow("zwei Füllungen, ungespeichert") << 2 << false << true << 55.5
            << status(u"2 Tankfüllungen"_s, u"02.01.1996 bei KM 10.500"_s, true, u"55,50 Liter"_s) << 0xFFFF00u
            << u"Daten Ok, jedoch noch nicht gespeichert"_s << QString();
        // The longest texts: they must fit at the design size.
        QTest::newRow("1234 Füllungen mit Tausenderpunkt") << 1234 << true << true << 1234.5
            << status(u"1.234 Tankfüllungen"_s, u"02.09.1999 bei KM 626.500"_s, false, u"1.234,50 Liter"_s)
            << 0x008000u << u"Daten Ok und gespeichert"_s << u"MP_1_3 SpeedButton5"_s;
        QTest::newRow("logischer Fehler überdeckt gespeichert") << 3 << true << false << 40.0
            << status(u"3 Tankfüllungen"_s, u"03.01.1996 bei KM 11.000"_s, false, u"40,00 Liter"_s) << 0xFF0000u
            << u"Daten enthalten logische Fehler"_s << u"MP_1_3 MP_2_3 SpeedButton5"_s;
        QTest::newRow("logischer Fehler überdeckt ungespeichert") << 2 << false << false << 0.0
            << status(u"2 Tankfüllungen"_s, u"02.01.1996 bei KM 10.500"_s, true, QString()) << 0xFF0000u
            << u"Daten enthalten logische Fehler"_s << u"MP_2_3"_s;
    }

    void statusBoxUndBefehleFolgenDenDaten()
    {
        QFETCH(int, anzahl);
        QFETCH(bool, gespeichert);
        QFETCH(bool, logisch);
        QFETCH(double, tankinhalt);
        FuellungenSetzen(anzahl);
        Gespeichert = gespeichert;
        DatenLogisch = logisch;
        Tankinhalt = tankinhalt;
        Kennzeichen = std::string(20, 'W');
        DateiName = "/home/fahrer/DATEN/AUTO.SPR";
        TForm1 &f = *m_form;
        f.StatusAnzeigen();
        QApplication::processEvents();

        QStringList zeilen;
        for (QLabel *l : std::initializer_list<QLabel *>{f.IB_Label1, f.IB_Label2, f.IB_Label3, f.IB_Label4,
                                                         f.IB_Label5, f.IB_LabelD1, f.IB_Label6, f.IB_LabelD2,
                                                         f.IB_Label8}) {
            zeilen << l->text();
            // Each line fits; only the file name may be shortened (its hint has it whole).
            const int noetig = l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(l == f.IB_Label3 || l->width() >= noetig, qPrintable(l->objectName() + u" cut off"_s));
        }
        QTEST(zeilen.join(u'|'), "status");
        QCOMPARE(f.IB_Label3->toolTip(), anzahl ? f.IB_Label3->text() : QString());
        QTEST(f.IB_Label7b->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, "licht");
        QTEST(f.IB_Label7b->toolTip(), "hinweis");
        QTEST(f.IB_Label7->toolTip(), "hinweis");
        QCOMPARE(f.FehlerLabel2->isVisible(), !logisch);
        QCOMPARE(f.MP_5_1b_2->isVisible(), !logisch);

        // A hidden item counts as disabled; only shown ones matter here.
        QStringList gesperrt;
        for (QAction *a : f.findChildren<QAction *>())
            if (a->objectName().startsWith(u"MP_"_s) && !a->menu() && a->isVisible() && !a->isEnabled())
                gesperrt << a->objectName();
        for (QToolButton *k : f.findChildren<QToolButton *>())
            if (!k->isEnabled())
                gesperrt << k->objectName();
        gesperrt.sort();
        QTEST(gesperrt.join(u' '), "gesperrt");
        for (QAction *a : {f.MP_1_1, f.MP_1_2, f.MP_Ende, f.MP_2_6})
            QVERIFY2(a->isVisible() && a->isEnabled(), qPrintable(a->objectName()));
    }

    // "Hilfe zu ..." offers a panel's topic only while that panel is open,
    // the error topic only while the data are inconsistent. Closing the
    // panels clears the work area but leaves the error text and the
    // loading display.
    void hilfeZuUndPanelsSchliessen()
    {
        TForm1 &f = *m_form;
        QCOMPARE(HilfeZu(f), u"MP_5_1b_1"_s);
        f.ErweitereDaten();
        QCOMPARE(HilfeZu(f), u"MP_5_1b_1 MP_5_1b_3"_s);
        f.MP_2_6->trigger();
        QCOMPARE(HilfeZu(f), u"MP_5_1b_1 MP_5_1b_4"_s);

        DatenLogisch = false;
        f.StatusAnzeigen();
        const std::initializer_list<QWidget *> flaeche{f.PanelEingabe, f.PanelTankList, f.PanelTankAnsicht,
                                                       f.PanelVerbrauch, f.PanelLPreis, f.PanelReichweite,
                                                       f.FehlerBox1, f.FehlerLabel2, f.WarteLabel1, f.LadeBox1};
        for (QWidget *w : flaeche)
            w->show();
        for (QAction *a : {f.MP_5_1b_3, f.MP_5_1b_5, f.MP_5_1b_6, f.MP_5_1b_7, f.MP_5_1b_8})
            a->setVisible(true);
        f.PanelsSchliessen();
        QCOMPARE(HilfeZu(f), u"MP_5_1b_1 MP_5_1b_2"_s);
        QStringList sichtbar;
        for (QWidget *w : flaeche)
            if (w->isVisible())
                sichtbar << w->objectName();
        QCOMPARE(sichtbar.join(u' '), u"FehlerLabel2 WarteLabel1 LadeBox1"_s);
    }

    // A field error with inconsistent data: the red box and the magenta
    // explanation show one under the other, each whole and inside the window.
    void feldfehlerUndLogikfehlerSindBeideLesbar()
    {
        TForm1 &f = *m_form;
        FuellungenSetzen(2);
        DatenLogisch = false;
        f.StatusAnzeigen();
        f.ErweitereDaten();
        QTest::keyClicks(f.PanelEingabe->PE_Edit1, u"abc"_s);
        QTest::keyClick(f.PanelEingabe->PE_Edit1, Qt::Key_Tab);
        QApplication::processEvents();
        QVERIFY(f.FehlerBox1->isVisible() && f.FehlerLabel2->isVisible());
        const auto imFenster = [&f](const QWidget *w) { return QRect(w->mapTo(&f, QPoint()), w->size()); };
        const QRect status = imFenster(f.InfoBox1), kasten = imFenster(f.FehlerBox1), text = imFenster(f.FehlerLabel2);
        QVERIFY(status.bottom() < kasten.top() && kasten.bottom() < text.top());
        QVERIFY(f.rect().contains(text));
        for (QLabel *l : {f.FehlerLabel1, f.FehlerLabel2})
            QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(l->objectName()));
    }

    // Check marks, the sound button and "Konfiguration nachladen" (offered
    // only while no configuration directory is known) follow the settings.
    // Reloading beeps even with sounds off and shows the status again.
    void schalterUndNachladenFolgenDenEinstellungen()
    {
        TForm1 &f = *m_form;
        const auto stand = [&f] {
            return u"%1%2%3%4%5 "_s.arg(f.SpeedButton11->isChecked()).arg(f.MP_2_7->isChecked())
                       .arg(f.MP_2_5->isChecked()).arg(f.MP_2_8->isVisible()).arg(f.N6->isVisible())
                + f.SpeedButton11->toolTip();
        };
        QCOMPARE(stand(), u"01111 Systemtöne deaktivieren"_s);
        WarnTonAn = false;
        QTemporaryDir ordner;
        DatenVerzeichnis = ordner.path().toStdString();
        QTimer::singleShot(0, this, [] {
            QVERIFY(Form5 && Form5->isVisible());
            Form5->reject();   // chooses nothing
        });
        f.MP_2_8Click();
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        QCOMPARE(stand(), u"10111 Systemtöne aktivieren"_s);
        FestverbrauchAn = false;
        KonfigVerzeichnis = "/tmp/";
        f.StatusAnzeigen();
        QCOMPARE(stand(), u"10000 Systemtöne aktivieren"_s);
        delete Form5;
    }

    void grosseSchriftVergroessertDasFenster()
    {
        TForm1 &f = *m_form;
        f.FensterGroesseAnpassen();
        QCOMPARE(static_cast<double>(Fensterfaktor), f.PanelEingabe->PE_Button2->width() / 137.0);
        QVERIFY(Fensterfaktor >= 1);
        QVERIFY(f.width() >= std::lround(696 * Fensterfaktor) && f.height() >= std::lround(428 * Fensterfaktor));

        f.PanelEingabe->PE_Button2->setFixedWidth(171);
        f.FensterGroesseAnpassen();
        QCOMPARE(static_cast<double>(Fensterfaktor), 171.0 / 137.0);
        QVERIFY2(f.width() >= 869 && f.height() >= 534, qPrintable(u"%1x%2"_s.arg(f.width()).arg(f.height())));
        Fensterfaktor = 1;
    }

    void infoNenntDasKonfigurationsverzeichnisNurWennBekannt()
    {
        KonfigSchreibbar = true;
        KonfigVerzeichnis = "/home/fahrer/.config/sprilo/";
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->ZeigInfo();
        KonfigSchreibbar = false;
        KonfigVerzeichnis.clear();
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->ZeigInfo();
        const auto &m = TQtPlattform::GezeigteMeldungen();
        QCOMPARE(GezeigteMeldungsNr(), QList<TMeldungsNr>(2, TMeldungsNr::Info));
        QVERIFY(m[0].Text.rfind("Sprilo - Programm\t\tVersion 3.2\r===================\r\r"
                                "Ein Programm zur Verwaltung von Tankfüllungen bei Kraftfahrzeugen\r"
                                "und zur Ermittlung derer Verbrauchswerte.\r\r"
                                "Die Konfigurationsdatei 'SPRILO.INI' befindet sich im Verzeichnis:\r"
                                "/home/fahrer/.config/sprilo/\r\r",
                                0) == 0);
        QVERIFY(m[1].Text.find("Es kann keine Konfigurationsdatei angelegt werden.\rBeachten Sie den Hinweis in "
                               "den Hilfen.\r\r") != std::string::npos);
        QVERIFY(m[1].Text.find("befindet sich") == std::string::npos);
    }

    void zweiterStartHoltDasFensterNachVorn()
    {
        m_form->showMinimized();
        QTRY_VERIFY(m_form->isMinimized());
        m_form->Aktivieren();
        QTRY_VERIFY(!m_form->isMinimized() && m_form->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
