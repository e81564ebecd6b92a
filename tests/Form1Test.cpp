// The main window: status box, command states, help menu, panels,
// closing and the window factor, driven on the offscreen platform with the
// global state set directly.
#include "Konfiguration.h"
#include "Oberflaeche.h"
#include "QtPlattform.h"
#include "PanelEingabe.h"
#include "PanelTankList.h"
#include "Sprilo_1.h"
#include "Laden3.h"
#include "Sprilo_V.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

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

QRgb Lichtfarbe(const TForm1 &f)
{
    return f.IB_Label7b->palette().color(QPalette::Window).rgb() & 0xFFFFFFu;
}

const TMeldung *LetzteMeldung()
{
    const auto &m = TQtPlattform::GezeigteMeldungen();
    return m.empty() ? nullptr : &m.back();
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QTemporaryDir m_ordner;

private slots:
    void init()
    {
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    void ohneDatenSindNurDieGrundbefehleBenutzbar()
    {
        TForm1 &f = *m_form;
        QCOMPARE(f.IB_Label3->text(), u"Es wurden noch keine Daten eingegeben."_s);
        QCOMPARE(f.IB_Label3->toolTip(), QString());
        for (QLabel *l : {f.IB_Label1, f.IB_Label2, f.IB_Label4, f.IB_Label5, f.IB_Label6, f.IB_LabelD1,
                          f.IB_LabelD2, f.IB_Label8})
            QCOMPARE(l->text(), QString());
        QCOMPARE(Lichtfarbe(f), 0xFFFFFFu);
        QCOMPARE(f.IB_Label7b->toolTip(), u"Keine Daten vorhanden"_s);
        QCOMPARE(f.IB_Label7->toolTip(), u"Keine Daten vorhanden"_s);
        QCOMPARE(f.IB_Label7->text(), u"Datenzustand :"_s);

        QStringList benutzbar, gesperrt;
        for (QAction *a : f.findChildren<QAction *>()) {
            // A hidden item counts as disabled; only shown ones matter here.
            if (a->objectName().startsWith(u"MP_"_s) && !a->menu() && a->isVisible())
                (a->isEnabled() ? benutzbar : gesperrt) << a->objectName();
        }
        for (QToolButton *k : f.findChildren<QToolButton *>())
            (k->isEnabled() ? benutzbar : gesperrt) << k->objectName();
        benutzbar.sort();
        gesperrt.sort();
        QCOMPARE(gesperrt, (QStringList{u"MP_1_3"_s, u"MP_1_4"_s, u"MP_1_B1"_s, u"MP_2_1"_s, u"MP_2_2"_s,
                                        u"MP_2_3"_s, u"MP_3_1"_s, u"MP_3_2"_s, u"MP_3_3"_s, u"MP_4_1"_s,
                                        u"MP_4_2"_s, u"MP_4_3"_s, u"MP_4_4"_s, u"SpeedButton10"_s,
                                        u"SpeedButton12"_s, u"SpeedButton15"_s, u"SpeedButton16"_s,
                                        u"SpeedButton3"_s, u"SpeedButton5"_s, u"SpeedButton6"_s,
                                        u"SpeedButton7"_s, u"SpeedButton8"_s, u"SpeedButton9"_s}));
        QVERIFY(benutzbar.contains(u"MP_1_1"_s));
        QVERIFY(benutzbar.contains(u"MP_1_2"_s));
        QVERIFY(benutzbar.contains(u"MP_Ende"_s));
        QVERIFY(benutzbar.contains(u"MP_2_6"_s));
        QVERIFY(benutzbar.contains(u"SpeedButton11"_s));
        QVERIFY(!f.FehlerLabel2->isVisible());
        QVERIFY(!f.MP_5_1b_2->isVisible());
    }

    void statusBoxBeschreibtDieDaten_data()
    {
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<bool>("logisch");
        QTest::addColumn<double>("tankinhalt");
        QTest::addColumn<QString>("zeile1");
        QTest::addColumn<QString>("zeile8");
        QTest::addColumn<QString>("zeile4");
        QTest::addColumn<uint>("licht");
        QTest::addColumn<QString>("hinweis");
        QTest::addColumn<bool>("festverbrauchBenutzbar");
        QTest::addColumn<bool>("verbrauchBenutzbar");

        const QString ungespeichert = u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s;
        QTest::newRow("eine Füllung, gespeichert")
            << 1 << true << true << 0.0 << u"Es befinden sich zur Zeit 1 Tankfüllung im Speicher."_s
            << u"Tankinhalt : "_s << QString() << 0x008000u << u"Daten Ok und gespeichert"_s << false << false;
        QTest::newRow("zwei Füllungen, ungespeichert")
            << 2 << false << true << 55.5 << u"Es befinden sich zur Zeit 2 Tankfüllungen im Speicher."_s
            << u"Tankinhalt : 55,50 Liter"_s << ungespeichert << 0xFFFF00u
            << u"Daten Ok, jedoch noch nicht gespeichert"_s << true << true;
        QTest::newRow("1234 Füllungen mit Tausenderpunkt")
            << 1234 << true << true << 1234.5 << u"Es befinden sich zur Zeit 1.234 Tankfüllungen im Speicher."_s
            << u"Tankinhalt : 1.234,50 Liter"_s << QString() << 0x008000u << u"Daten Ok und gespeichert"_s
            << true << true;
        QTest::newRow("logischer Fehler überdeckt gespeichert")
            << 3 << true << false << 40.0 << u"Es befinden sich zur Zeit 3 Tankfüllungen im Speicher."_s
            << u"Tankinhalt : 40,00 Liter"_s << QString() << 0xFF0000u << u"Daten enthalten logische Fehler"_s
            << false << true;
        QTest::newRow("logischer Fehler überdeckt ungespeichert")
            << 2 << false << false << 0.0 << u"Es befinden sich zur Zeit 2 Tankfüllungen im Speicher."_s
            << u"Tankinhalt : "_s << ungespeichert << 0xFF0000u << u"Daten enthalten logische Fehler"_s << false
            << true;
    }

    void statusBoxBeschreibtDieDaten()
    {
        QFETCH(int, anzahl);
        QFETCH(bool, gespeichert);
        QFETCH(bool, logisch);
        QFETCH(double, tankinhalt);
        FuellungenSetzen(anzahl);
        Gespeichert = gespeichert;
        DatenLogisch = logisch;
        Tankinhalt = tankinhalt;
        Kennzeichen = "SI-AB 123";
        DateiName = "/home/fahrer/DATEN/AUTO.SPR";
        TForm1 &f = *m_form;
        f.StatusAnzeigen();

        QTEST(f.IB_Label1->text(), "zeile1");
        QTEST(f.IB_Label8->text(), "zeile8");
        QTEST(f.IB_Label4->text(), "zeile4");
        QTEST(static_cast<uint>(Lichtfarbe(f)), "licht");
        QTEST(f.IB_Label7b->toolTip(), "hinweis");
        QTEST(f.IB_Label7->toolTip(), "hinweis");
        QCOMPARE(f.IB_Label2->text(), u"KFZ - Kennzeichen : SI-AB 123"_s);
        QCOMPARE(f.IB_Label3->text(), u"Name der Datendatei : /home/fahrer/DATEN/AUTO.SPR"_s);
        QCOMPARE(f.IB_Label3->toolTip(), f.IB_Label3->text());
        QCOMPARE(f.IB_Label5->text(), u"1. Tankfüllung vom :"_s);
        QCOMPARE(f.IB_Label6->text(), u"Letzte Tankfüllung vom :"_s);
        QCOMPARE(f.IB_LabelD1->text(), u"01.01.1996 bei KM 10.000"_s);
        const TTankFuellung &letzte = Fuellungen.back();
        QCOMPARE(f.IB_LabelD2->text(), QString::fromStdString(DatumText(letzte.Datum)) + u" bei KM "_s
                                           + QString::fromStdString(ZahlMitPunkten(letzte.KMStand, 1)));

        QTEST(f.MP_2_3->isEnabled(), "festverbrauchBenutzbar");
        QTEST(f.MP_4_2->isEnabled(), "verbrauchBenutzbar");
        QTEST(f.MP_4_4->isEnabled(), "verbrauchBenutzbar");
        QTEST(f.SpeedButton10->isEnabled(), "verbrauchBenutzbar");
        QTEST(f.SpeedButton16->isEnabled(), "verbrauchBenutzbar");
        QCOMPARE(f.SpeedButton5->isEnabled(), !gespeichert);
        QCOMPARE(f.MP_1_3->isEnabled(), !gespeichert);
        for (QAction *a : {f.MP_3_1, f.MP_1_4, f.MP_3_2, f.MP_3_3, f.MP_2_1, f.MP_2_2, f.MP_4_1, f.MP_4_3, f.MP_1_B1})
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        QCOMPARE(f.FehlerLabel2->isVisible(), !logisch);
        QCOMPARE(f.MP_5_1b_2->isVisible(), !logisch);
        QCOMPARE(f.FehlerLabel2->text(), TForm1::FehlerText2);
    }

    // "Hilfe zu ..." offers a panel's topic only while that panel is open;
    // the error topic only while the data are inconsistent.
    void hilfeZuZeigtNurOffenePanels()
    {
        TForm1 &f = *m_form;
        const auto sichtbar = [&f] {
            QStringList namen;
            for (const QAction *a : f.MP_5_1b->actions())
                if (a->isVisible())
                    namen << a->objectName();
            return namen.join(u' ');
        };
        QCOMPARE(sichtbar(), u"MP_5_1b_1"_s);
        f.ErweitereDaten();
        QCOMPARE(sichtbar(), u"MP_5_1b_1 MP_5_1b_3"_s);
        f.MP_2_6->trigger();
        QCOMPARE(sichtbar(), u"MP_5_1b_1 MP_5_1b_4"_s);
        DatenLogisch = false;
        f.StatusAnzeigen();
        f.PanelsSchliessen();
        QCOMPARE(sichtbar(), u"MP_5_1b_1 MP_5_1b_2"_s);
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
        QVERIFY(!status.intersects(kasten));
        QVERIFY(!kasten.intersects(text));
        QVERIFY(status.bottom() < kasten.top() && kasten.bottom() < text.top());
        QVERIFY(f.rect().contains(text));
        QVERIFY(f.FehlerLabel2->height() >= f.FehlerLabel2->heightForWidth(f.FehlerLabel2->width()));
        QVERIFY(f.FehlerLabel1->height() >= f.FehlerLabel1->heightForWidth(f.FehlerLabel1->width()));
    }

    void konfigurationNachladenNurOhneKonfigurationsverzeichnis()
    {
        TForm1 &f = *m_form;
        QVERIFY(f.MP_2_8->isVisible());
        QVERIFY(f.N6->isVisible());
        KonfigVerzeichnis = "/tmp/";
        f.StatusAnzeigen();
        QVERIFY(!f.MP_2_8->isVisible());
        QVERIFY(!f.N6->isVisible());
    }

    void schalterZeigenTonUndFestverbrauch()
    {
        TForm1 &f = *m_form;
        QVERIFY(f.SpeedButton11->isCheckable());
        QVERIFY(!f.SpeedButton11->isChecked());
        QCOMPARE(f.SpeedButton11->toolTip(), u"Systemtöne deaktivieren"_s);
        QVERIFY(f.MP_2_7->isChecked());
        QVERIFY(f.MP_2_5->isChecked());

        WarnTonAn = false;
        FestverbrauchAn = false;
        f.StatusAnzeigen();
        QVERIFY(f.SpeedButton11->isChecked());
        QCOMPARE(f.SpeedButton11->toolTip(), u"Systemtöne aktivieren"_s);
        QVERIFY(!f.MP_2_7->isChecked());
        QVERIFY(!f.MP_2_5->isChecked());
    }

    void panelsSchliessenRaeumtDieArbeitsflaeche()
    {
        TForm1 &f = *m_form;
        f.PanelTankList->show();
        f.FehlerBox1->show();
        f.WarteLabel1->show();
        f.LadeBox1->show();
        DatenLogisch = false;
        f.StatusAnzeigen();
        for (QAction *a : {f.MP_5_1b_3, f.MP_5_1b_4, f.MP_5_1b_8})
            a->setVisible(true);

        f.PanelsSchliessen();
        for (QWidget *p : std::initializer_list<QWidget *>{f.PanelEingabe, f.PanelTankList, f.PanelTankAnsicht, f.PanelVerbrauch, f.PanelLPreis,
                           f.PanelReichweite, static_cast<QWidget *>(f.FehlerBox1)})
            QVERIFY2(!p->isVisible(), qPrintable(p->objectName()));
        for (QAction *a : {f.MP_5_1b_3, f.MP_5_1b_4, f.MP_5_1b_5, f.MP_5_1b_6, f.MP_5_1b_7, f.MP_5_1b_8})
            QVERIFY2(!a->isVisible(), qPrintable(a->objectName()));
        QVERIFY(f.MP_5_1b_1->isVisible());
        QVERIFY(f.MP_5_1b_2->isVisible());
        QVERIFY(f.FehlerLabel2->isVisible());
        QVERIFY(f.WarteLabel1->isVisible());
        QVERIFY(f.LadeBox1->isVisible());
    }

    void schliessenFragtNachUngespeichertenDaten_data()
    {
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geschlossen");
        QTest::newRow("gespeichert: ohne Frage") << true << 0 << true;
        QTest::newRow("Ja: schließt") << false << mrYes << true;
        QTest::newRow("Nein: schließt") << false << mrNo << true;
        QTest::newRow("Abbrechen: bleibt offen") << false << mrAbort << false;
    }

    void schliessenFragtNachUngespeichertenDaten()
    {
        QFETCH(bool, gespeichert);
        QFETCH(int, antwort);
        QFETCH(bool, geschlossen);
        QVERIFY(m_ordner.isValid());
        const QString ini = m_ordner.filePath(u"SPRILO.INI"_s);
        QFile::remove(ini);
        KonfigVerzeichnis = m_ordner.path().toStdString() + "/";
        KonfigSchreibbar = true;
        WarnTonAn = false;
        FuellungenSetzen(2);
        Gespeichert = gespeichert;
        // With plate and tank capacity set, Yes goes straight to the file dialog.
        Kennzeichen = "GI-S 1";
        Tankinhalt = 50;
        const QString datei = m_ordner.filePath(u"Schluss.SPR"_s);
        QFile::remove(datei);
        if (antwort)
            TQtPlattform::NaechsteAntwort(antwort);
        if (antwort == mrYes)
            NaechsteDateiAuswahl(datei.toStdString());

        QCOMPARE(m_form->close(), geschlossen);
        QCOMPARE(m_form->isVisible(), !geschlossen);
        // The configuration is written first, whatever the answer.
        QCOMPARE(QFileInfo(ini).size(), qint64(KonfigGroesse));
        if (gespeichert) {
            QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
            return;
        }
        // Yes really saves: the two fill-ups are in the chosen file.
        QCOMPARE(QFileInfo(datei).size(), antwort == mrYes ? qint64(3 * 96) : qint64(0));
        const TMeldung *m = LetzteMeldung();
        QVERIFY(m);
        QCOMPARE(m->Code, 8108);
        QCOMPARE(m->Hilfe, 8108);
        QCOMPARE(m->TonArt, 3);
        QVERIFY(m->TonImmer);
        QCOMPARE(static_cast<int>(m->Art), static_cast<int>(TKastenArt::Warnung));
        QCOMPARE(m->Knoepfe, unsigned(KnopfJa | KnopfNein | KnopfAbbruch | KnopfHilfe));
        // Sounds are off, but this question always sounds.
        QCOMPARE(m_plattform->Toene, std::vector<int>{3});
    }

    void beendenFragtNurBeiGespeichertenDaten_data()
    {
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<QList<int>>("antworten");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<bool>("geschlossen");
        QTest::newRow("gespeichert, Ja") << true << QList<int>{mrYes} << QList<int>{0} << true;
        QTest::newRow("gespeichert, Nein") << true << QList<int>{mrNo} << QList<int>{0} << false;
        QTest::newRow("ungespeichert: gleich die Schließfrage")
            << false << QList<int>{mrAbort} << QList<int>{8108} << false;
    }

    void beendenFragtNurBeiGespeichertenDaten()
    {
        QFETCH(bool, gespeichert);
        QFETCH(QList<int>, antworten);
        QFETCH(QList<int>, codes);
        QFETCH(bool, geschlossen);
        FuellungenSetzen(1);
        Gespeichert = gespeichert;
        for (int a : antworten)
            TQtPlattform::NaechsteAntwort(a);

        m_form->MP_EndeClick();

        QList<int> gezeigt;
        for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
            gezeigt << m.Code;
        QCOMPARE(gezeigt, codes);
        QCOMPARE(m_form->isVisible(), !geschlossen);
        if (gespeichert) {
            const TMeldung &frage = TQtPlattform::GezeigteMeldungen().front();
            QCOMPARE(QString::fromStdString(frage.Text), u"Das Programm wird beendet.\rIst das beabsichtigt ?"_s);
            QCOMPARE(frage.Knoepfe, unsigned(KnopfJa | KnopfNein));
            QCOMPARE(frage.Hilfe, 0);
            QCOMPARE(static_cast<int>(frage.Art), static_cast<int>(TKastenArt::Bestaetigen));
        }
    }

    void grosseSchriftVergroessertDasFenster()
    {
        TForm1 &f = *m_form;
        f.FensterGroesseAnpassen();
        QCOMPARE(static_cast<double>(Fensterfaktor), f.PanelEingabe->PE_Button2->width() / 137.0);
        QVERIFY(Fensterfaktor >= 1);
        QVERIFY(f.width() >= std::lround(696 * Fensterfaktor));
        QVERIFY(f.height() >= std::lround(428 * Fensterfaktor));

        f.PanelEingabe->PE_Button2->setFixedWidth(171);
        f.FensterGroesseAnpassen();
        QCOMPARE(static_cast<double>(Fensterfaktor), 171.0 / 137.0);
        QVERIFY2(f.width() >= 869, qPrintable(QString::number(f.width())));
        QVERIFY2(f.height() >= 534, qPrintable(QString::number(f.height())));
        Fensterfaktor = 1;
    }

    void inhaltPasstInDasFenster()
    {
        // The longest texts of the status box must fit at the design size.
        FuellungenSetzen(1234);
        Gespeichert = false;
        Tankinhalt = 1234.5;
        Kennzeichen = std::string(20, 'W');
        m_form->StatusAnzeigen();
        QApplication::processEvents();
        for (QLabel *l : {m_form->IB_Label1, m_form->IB_Label2, m_form->IB_Label4, m_form->IB_Label8}) {
            const int noetig = l->fontMetrics().horizontalAdvance(l->text());
            QVERIFY2(l->width() >= noetig, qPrintable(l->objectName() + u": "_s + QString::number(l->width())
                                                      + u" < "_s + QString::number(noetig)));
        }
    }

    void infoNenntDasKonfigurationsverzeichnisNurWennBekannt()
    {
        KonfigSchreibbar = true;
        KonfigVerzeichnis = "/home/fahrer/.config/sprilo/";
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->ZeigInfo();
        const std::string mit = LetzteMeldung()->Text;
        QVERIFY(mit.rfind("Sprilo - Programm\t\tVersion 3.2\r===================\r\r"
                          "Ein Programm zur Verwaltung von Tankfüllungen bei Kraftfahrzeugen\r"
                          "und zur Ermittlung derer Verbrauchswerte.\r\r"
                          "Die Konfigurationsdatei 'SPRILO.INI' befindet sich im Verzeichnis:\r"
                          "/home/fahrer/.config/sprilo/\r\r",
                          0) == 0);
        QCOMPARE(LetzteMeldung()->Knoepfe, unsigned(KnopfOK));
        QCOMPARE(LetzteMeldung()->Hilfe, 0);

        KonfigSchreibbar = false;
        KonfigVerzeichnis.clear();
        WarnTonAn = false;
        TQtPlattform::NaechsteAntwort(mrOk);
        m_form->ZeigInfo();
        const std::string ohne = LetzteMeldung()->Text;
        QVERIFY(ohne.find("Es kann keine Konfigurationsdatei angelegt werden.\rBeachten Sie den Hinweis in den "
                          "Hilfen.\r\r")
                != std::string::npos);
        QVERIFY(ohne.find("befindet sich") == std::string::npos);
        // The first box sounded, the second did not: sounds were off.
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
    }

    void konfigurationNachladenTontUndZeigtDenStatus()
    {
        WarnTonAn = false;
        QVERIFY(m_ordner.isValid());
        DatenVerzeichnis = m_ordner.path().toStdString();
        QTimer::singleShot(0, this, [] {
            QVERIFY(Form5 && Form5->isVisible());
            Form5->reject();
        });
        m_form->MP_2_8Click();
        // The dialog chose nothing, so the item is still offered; the beep
        // sounds even with sounds off.
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        QVERIFY(m_form->MP_2_8->isVisible());
        delete Form5;
    }

    void zweiterStartHoltDasFensterNachVorn()
    {
        m_form->showMinimized();
        QTRY_VERIFY(m_form->isMinimized());
        m_form->Aktivieren();
        QTRY_VERIFY(!m_form->isMinimized());
        QVERIFY(m_form->isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "Form1Test.moc"
