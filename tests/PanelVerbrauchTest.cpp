// The consumption selection panel on the main window: opening it, what it
// shows of the settings, what its inputs write back, and its two buttons
// with the consumption window behind "Werte ansehen". Lists of entries are
// written "a|b|c".
#include "Oberflaeche.h"
#include "PanelTankList.h"
#include "PanelVerbrauch.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

// The day the tests run on: "this year" is 2026.
const TDatum Heute{15, 6, 2026};

// Saved fill-ups 500 km apart, one per "TT.MM.JJJJ" entry; a "-" after the
// date marks a fill-up that was not full.
void FuellungenSetzen(const QString &eintraege)
{
    Fuellungen.clear();
    for (const QString &e : eintraege.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList datum = e.left(10).split(u'.');
        TTankFuellung f = Fuellung(10000 + 500 * AnzahlFuellungen(), datum[0].toInt(), datum[1].toInt(),
                                   datum[2].toInt());
        f.Vollgetankt = e.endsWith(u'-') ? 0 : 1;
        Fuellungen.push_back(f);
    }
    DatenVorhanden = !Fuellungen.empty();
    Gespeichert = true;
}

// n full fill-ups, one on the first of every month from January 2002 on.
QString Monatlich(int n, int ersterMonat = 1)
{
    QStringList e;
    for (int i = 0; i < n; ++i) {
        const int m = ersterMonat - 1 + i;
        e << u"01.%1.%2"_s.arg(m % 12 + 1, 2, 10, QChar(u'0')).arg(2002 + m / 12);
    }
    return e.join(u'|');
}

TDatum DatumAus(const QString &text)
{
    const QStringList t = text.split(u'.');
    return TDatum{static_cast<uint8_t>(t[0].toInt()), static_cast<uint8_t>(t[1].toInt()),
                  static_cast<uint16_t>(t[2].toInt())};
}

} // namespace

class PanelVerbrauchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    TPanelVerbrauch *p = nullptr;
    QFont m_schrift;

    bool Starten()
    {
        if (!HauptfensterStartenAm(Heute, m_plattform, m_form))
            return false;
        p = m_form->PanelVerbrauch;
        return true;
    }

    // The inputs the panel shows now, by name.
    QString Eingaben() const
    {
        QStringList namen;
        for (QWidget *w : std::initializer_list<QWidget *>{p->PV_G1C1, p->PV_G1L1, p->PV_G1C2, p->PV_G1L2,
                                                          p->PV_G1C3})
            if (w->isVisible())
                namen << w->objectName();
        return namen.join(u' ');
    }

    // The grouping radios: the checked one and the disabled ones, by name.
    QString Ansicht() const
    {
        QStringList gewaehlt, gesperrt;
        for (QRadioButton *r : {p->PV_G2R1, p->PV_G2R2, p->PV_G2R3, p->PV_G2R4}) {
            if (r->isChecked())
                gewaehlt << r->objectName();
            if (!r->isEnabled())
                gesperrt << r->objectName();
        }
        return gewaehlt.join(u' ') + u" / "_s + gesperrt.join(u' ');
    }

    bool Offen() const { return p->isVisible() && m_form->MP_5_1b_6->isVisible(); }

private slots:
    void initTestCase() { m_schrift = QApplication::font(); }
    void init() { QVERIFY(Starten()); }

    void cleanup()
    {
        const int uebrig = HauptfensterBeenden(m_plattform, m_form);
        QApplication::setFont(m_schrift);
        QCOMPARE(uebrig, 0);
    }

    // Inconsistent data: neither panel nor window opens; message 8003 about
    // the consumption values sounds even when sounds are off.
    void logischeFehlerVerweigernDasPanel()
    {
        FuellungenSetzen(u"01.02.2004|01.01.2004"_s);
        DatenLogisch = false;
        WarnTonAn = false;
        m_form->StatusAnzeigen();
        m_form->MP_2_6->trigger();
        TQtPlattform::NaechsteAntwort(mrOk);
        QTest::mouseClick(m_form->SpeedButton10, Qt::LeftButton);

        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::LogischeFehlerVerbrauch});
        QCOMPARE(m_plattform->Toene, std::vector<int>{5});
        QVERIFY(!p->isVisible() && !m_form->MP_5_1b_6->isVisible());
        QVERIFY(!m_form->PanelTankList->isVisible());
    }

    void listenZeigenDieEinstellungen_data()
    {
        for (const char *spalte : {"fuellungen", "jahr", "von", "bis", "erwJahre", "erwJahr", "erwMonate", "erwVon",
                                   "erwBis"})
            QTest::addColumn<QString>(spalte);
        auto zeile = [](const char *name, std::initializer_list<const char *> werte) {
            QTestData &z = QTest::newRow(name);
            for (const char *w : werte)
                z << QString::fromUtf8(w);
        };
        const char *wende = "15.11.2002|20.12.2002|03.01.2003|10.02.2003";
        const char *monate = "11/2002|12/2002|01/2003|02/2003";
        zeile("ueber den Jahreswechsel",
              {wende, "2003", "1.12.2002", "32.1.2003", "2002|2003", "2003", monate, "12/2002", "01/2003"});
        zeile("nichts davon in den Listen",
              {wende, "1999", "1.5.2003", "32.8.2003", "2002|2003", "2002", monate, "11/2002", "02/2003"});
        zeile("ein Monat", {"02.03.2005|28.03.2005", "2005", "1.3.2005", "32.3.2005", "2005", "2005", "03/2005",
                            "03/2005", "03/2005"});
    }

    // The lists run from the first to the last fill-up and show the stored
    // year and period, or the first year and the whole time; opening
    // changes none of the settings.
    void listenZeigenDieEinstellungen()
    {
        QFETCH(QString, fuellungen);
        QFETCH(QString, jahr);
        QFETCH(QString, von);
        QFETCH(QString, bis);
        FuellungenSetzen(fuellungen);
        GewaehltesJahr = static_cast<uint16_t>(jahr.toInt());
        ZeitraumVon = DatumAus(von);
        ZeitraumBis = DatumAus(bis);
        m_form->StatusAnzeigen();
        m_form->MP_4_2->trigger();
        QVERIFY(Offen());

        QTEST(Eintraege(p->PV_G1C1), "erwJahre");
        QTEST(p->PV_G1C1->currentText(), "erwJahr");
        QTEST(Eintraege(p->PV_G1C2), "erwMonate");
        QTEST(Eintraege(p->PV_G1C3), "erwMonate");
        QTEST(p->PV_G1C2->currentText(), "erwVon");
        QTEST(p->PV_G1C3->currentText(), "erwBis");
        QCOMPARE(QString::number(GewaehltesJahr), jahr);
        QCOMPARE(Datum(ZeitraumVon), von);
        QCOMPARE(Datum(ZeitraumBis), bis);
    }

    // What is chosen goes into the settings at once; a period chosen
    // backwards is stored forwards and ends after the last day of its month.
    // The reverse box waits for "Werte ansehen".
    void listenSchreibenDieEinstellungen()
    {
        FuellungenSetzen(u"15.11.2002|20.12.2002|03.01.2003|10.02.2003"_s);
        VerbrauchsAuswahl = 3;
        m_form->MP_4_2Click();
        Waehlen(p->PV_G1C1, u"2003"_s);
        QCOMPARE(int(GewaehltesJahr), 2003);
        Waehlen(p->PV_G1C1, u"2002"_s);
        QCOMPARE(int(GewaehltesJahr), 2002);

        AufMarkeKlicken(p->PV_G1R4);
        Waehlen(p->PV_G1C2, u"02/2003"_s);
        Waehlen(p->PV_G1C3, u"11/2002"_s);
        QCOMPARE(Datum(ZeitraumVon), u"1.11.2002"_s);
        QCOMPARE(Datum(ZeitraumBis), u"32.2.2003"_s);
        QCOMPARE(p->PV_G1C2->currentText(), u"02/2003"_s);   // as the user left them
        Waehlen(p->PV_G1C3, u"02/2003"_s);
        QCOMPARE(Datum(ZeitraumVon), u"1.2.2003"_s);
        QCOMPARE(Datum(ZeitraumBis), u"32.2.2003"_s);

        AufMarkeKlicken(p->PV_CB1);
        QVERIFY(p->PV_CB1->isChecked());
        QVERIFY(!UmgekehrtSortiert);
        QCOMPARE(int(VerbrauchsAuswahl), 4);
    }

    void ersteWahlNenntDieLetztenWerte_data()
    {
        QTest::addColumn<QString>("fuellungen");
        QTest::addColumn<QString>("erwText");
        QTest::addColumn<QString>("erwHinweis");
        QTest::newRow("zwei Tankfuellungen") << u"01.01.2002|01.02.2002-"_s << u"Der &letzte Verbrauchswert"_s
                                             << u"Nur den letzten Verbrauchswert"_s;
        QTest::newRow("drei") << Monatlich(3) << u"Die &letzten 2 Verbrauchswerte"_s
                              << u"Nur die letzten 2 Verbrauchswerte"_s;
        QTest::newRow("viele volle") << Monatlich(20) << u"Die &letzten 5 Verbrauchswerte"_s
                                     << u"Nur die letzten 5 Verbrauchswerte"_s;
        QTest::newRow("zuletzt nicht voll") << Monatlich(8) + u"|01.12.2002-|15.12.2002-"_s
                                            << u"Die &letzten 6 Verbrauchswerte"_s
                                            << u"Nur die letzten 6 Verbrauchswerte"_s;
    }

    // The first choice names how many last values there are; the second
    // names this year.
    void ersteWahlNenntDieLetztenWerte()
    {
        QFETCH(QString, fuellungen);
        FuellungenSetzen(fuellungen);
        m_form->MP_4_2Click();
        QTEST(p->PV_G1R1->text(), "erwText");
        QTEST(p->PV_G1R1->toolTip(), "erwHinweis");
        QCOMPARE(p->PV_G1R2->text(), u"Alle aus &diesem Jahr  (2026)"_s);
        QCOMPARE(p->PV_G1R2->toolTip(), u"Alle Verbrauchswerte aus dem Jahr 2026"_s);
    }

    void radiosZeigenNurIhreEingaben_data()
    {
        for (const char *spalte : {"vorher", "radio", "erwAuswahl", "erwEingaben", "erwFokus"})
            QTest::addColumn<QString>(spalte);
        QTest::newRow("ein Jahr") << u"PV_G1R4"_s << u"PV_G1R3"_s << u"3"_s << u"PV_G1C1"_s << u"PV_G1C1"_s;
        QTest::newRow("Zeitraum") << u"PV_G1R3"_s << u"PV_G1R4"_s << u"4"_s << u"PV_G1L1 PV_G1C2 PV_G1L2 PV_G1C3"_s
                                  << u"PV_G1C2"_s;
        QTest::newRow("dieses Jahr") << u"PV_G1R3"_s << u"PV_G1R2"_s << u"2"_s << QString() << u"PV_G1R2"_s;
        QTest::newRow("die letzten") << u"PV_G1R4"_s << u"PV_G1R1"_s << u"1"_s << QString() << u"PV_G1R1"_s;
    }

    // Each choice sets VerbrauchsAuswahl and shows only its inputs. Opening
    // shows the stored choice's inputs with the focus on its radio.
    void radiosZeigenNurIhreEingaben()
    {
        FuellungenSetzen(Monatlich(4));
        VerbrauchsAuswahl = 4;
        m_form->MP_4_2Click();
        QVERIFY(p->PV_G1R4->isChecked());
        QCOMPARE(Eingaben(), u"PV_G1L1 PV_G1C2 PV_G1L2 PV_G1C3"_s);
        QCOMPARE(QApplication::focusWidget(), p->PV_G1R4);

        QFETCH(QString, vorher);
        QFETCH(QString, radio);
        AufMarkeKlicken(p->findChild<QRadioButton *>(vorher));
        AufMarkeKlicken(p->findChild<QRadioButton *>(radio));
        QTEST(QString::number(VerbrauchsAuswahl), "erwAuswahl");
        QTEST(Eingaben(), "erwEingaben");
        QTEST(QApplication::focusWidget()->objectName(), "erwFokus");
    }

    // The last values are never grouped: the first choice shows "&Einzeln"
    // with the other groupings disabled but keeps the stored grouping, which
    // the other choices show again.
    void ersteWahlZeigtEinzelnUndBehaeltDieAnsicht()
    {
        FuellungenSetzen(Monatlich(4));
        VerbrauchsAuswahl = 1;
        VerbrauchsAnsicht = 2;
        m_form->MP_4_2Click();
        QCOMPARE(Ansicht(), u"PV_G2R1 / PV_G2R2 PV_G2R3 PV_G2R4"_s);
        QCOMPARE(int(VerbrauchsAnsicht), 2);

        AufMarkeKlicken(p->PV_G1R2);
        QCOMPARE(Ansicht(), u"PV_G2R2 / "_s);
        QCOMPARE(int(VerbrauchsAnsicht), 2);
        AufMarkeKlicken(p->PV_G2R4);
        QCOMPARE(int(VerbrauchsAnsicht), 4);

        AufMarkeKlicken(p->PV_G1R1);
        QCOMPARE(Ansicht(), u"PV_G2R1 / PV_G2R2 PV_G2R3 PV_G2R4"_s);
        QCOMPARE(int(VerbrauchsAnsicht), 4);
        AufMarkeKlicken(p->PV_G1R3);
        QCOMPARE(Ansicht(), u"PV_G2R4 / "_s);

        // Opened with another choice, the stored grouping shows at once.
        m_form->MP_4_2Click();
        QCOMPARE(Ansicht(), u"PV_G2R4 / "_s);
        AufMarkeKlicken(p->PV_G2R1);
        QCOMPARE(int(VerbrauchsAnsicht), 1);
    }

    void keineWerteMeldet8206_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<bool>("toene");
        QTest::addColumn<QString>("erwText");
        const auto text = [](const char *gesucht, const char *wo) {
            return u"Es wurden keine Verbrauchswerte gefunden, die den gemachten Einstellungen entsprechen.\r\r"
                   "Es wurden die Verbrauchswerte \r"_s
                   + QString::fromUtf8(gesucht) + u" gesucht.\r\rWahrscheinlich wurde "_s + QString::fromUtf8(wo)
                   + u" (noch) keine Tankfüllung eingegeben.\r\rCode : 8206"_s;
        };
        QTest::newRow("dieses Jahr") << 2 << true << text("des Jahres 2026", "in diesem Jahr");
        QTest::newRow("dieses Jahr ohne Toene") << 2 << false << text("des Jahres 2026", "in diesem Jahr");
        QTest::newRow("ein Jahr") << 3 << true << text("des Jahres 2003", "in Jahr 2003");
        QTest::newRow("Zeitraum ohne Toene")
            << 4 << false << text("in Zeitraum von 11/2002 bis 02/2003", "in diesem Zeitraum");
    }

    // Nothing found: message 8206 names what was searched, sounds only when
    // sounds are on, and the panel is opened again as the settings are.
    void keineWerteMeldet8206()
    {
        QFETCH(int, auswahl);
        QFETCH(bool, toene);
        // Nothing from 11/2002 to 02/2003 nor in 2003 nor in 2026.
        FuellungenSetzen(u"15.10.2002|20.10.2002|15.03.2004|10.04.2004"_s);
        WarnTonAn = toene;
        VerbrauchsAuswahl = static_cast<uint8_t>(auswahl);
        GewaehltesJahr = 2003;
        ZeitraumVon = TDatum{1, 11, 2002};
        ZeitraumBis = TDatum{32, 2, 2003};
        m_form->MP_4_2Click();
        TQtPlattform::NaechsteAntwort(mrOk);
        QTest::mouseClick(p->PV_Button1, Qt::LeftButton);

        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::KeineVerbrauchswerte});
        const TMeldung &m = TQtPlattform::GezeigteMeldungen()[0];
        QTEST(QString::fromStdString(m.Text), "erwText");
        QVERIFY(m.Art == TKastenArt::Information && m.Knoepfe == (KnopfOK | KnopfHilfe) && m.Hilfe == 8206);
        QCOMPARE(m_plattform->Toene, toene ? std::vector<int>{1} : std::vector<int>{});
        QVERIFY(Offen());
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QVERIFY(!m_form->WarteLabel1->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        // The last values are there again for the first choice.
        QCOMPARE(AnzahlVerbrauchswerte(), 3);
        QCOMPARE(p->PV_G1R1->text(), u"Die &letzten 3 Verbrauchswerte"_s);
    }

    void werteAnsehenOeffnetDasFenster_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<bool>("mitEnter");
        QTest::addColumn<int>("erwAnzahl");
        // Fill-ups on the first of every month, January 2002 to June 2003.
        QTest::newRow("die letzten") << 1 << 3 << false << 5;
        QTest::newRow("ein Jahr einzeln") << 3 << 1 << false << 11;
        QTest::newRow("ein Jahr quartalsweise, Enter") << 3 << 3 << true << 4;
        QTest::newRow("Zeitraum monatsweise") << 4 << 2 << false << 4;
    }

    // Values found go to the consumption window: the main window waits
    // disabled with its waiting text until the window closes, and then
    // shows the panel again as the settings now are.
    void werteAnsehenOeffnetDasFenster()
    {
        QFETCH(int, auswahl);
        QFETCH(int, ansicht);
        QFETCH(bool, mitEnter);
        FuellungenSetzen(Monatlich(18));
        VerbrauchsAuswahl = static_cast<uint8_t>(auswahl);
        VerbrauchsAnsicht = static_cast<uint8_t>(ansicht);
        GewaehltesJahr = 2002;
        ZeitraumVon = TDatum{1, 3, 2003};
        ZeitraumBis = TDatum{32, 6, 2003};
        m_form->MP_4_2Click();
        AufMarkeKlicken(p->PV_CB1);

        QString waehrenddessen;
        bool gelaufen = false;
        ImModalenFenster<QDialog>(this, gelaufen, [&](QDialog &) {
            waehrenddessen = u"%1 %2 %3 %4 %5"_s.arg(AnzahlVerbrauchswerte())
                                 .arg(UmgekehrtSortiert ? u"umgekehrt"_s : u"vorwaerts"_s)
                                 .arg(m_form->isVisible() ? u"sichtbar"_s : u"verborgen"_s)
                                 .arg(m_form->isEnabled() ? u"frei"_s : u"gesperrt"_s)
                                 .arg(m_form->WarteLabel1->isHidden() ? u"ohne"_s : u"mit Wartetext"_s);
            UmgekehrtSortiert = false;   // the user turns the order round meanwhile
        });
        if (mitEnter)
            QTest::keyClick(p->PV_CB1, Qt::Key_Return);
        else
            QTest::mouseClick(p->PV_Button1, Qt::LeftButton);

        QFETCH(int, erwAnzahl);
        QCOMPARE(waehrenddessen, u"%1 umgekehrt verborgen gesperrt mit Wartetext"_s.arg(erwAnzahl));
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QVERIFY(!m_form->WarteLabel1->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(Offen());
        QVERIFY(!p->PV_CB1->isChecked());
        QCOMPARE(AnzahlVerbrauchswerte(), 5);
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    void abbrechenSchliesstDasPanel_data()
    {
        QTest::addColumn<QString>("wo");
        QTest::addColumn<int>("taste");
        QTest::newRow("Knopf") << u"PV_Button2"_s << 0;
        QTest::newRow("Enter auf dem Knopf") << u"PV_Button2"_s << int(Qt::Key_Return);
        QTest::newRow("Esc im Radio") << u"PV_G2R1"_s << int(Qt::Key_Escape);
        QTest::newRow("Esc in der Liste") << u"PV_G1C1"_s << int(Qt::Key_Escape);
        QTest::newRow("Esc auf dem Kaestchen") << u"PV_CB1"_s << int(Qt::Key_Escape);
    }

    // "&Abbrechen" and Esc close the panel, and nothing else happens: the
    // reverse box is not taken over.
    void abbrechenSchliesstDasPanel()
    {
        QFETCH(QString, wo);
        QFETCH(int, taste);
        FuellungenSetzen(Monatlich(3));
        VerbrauchsAuswahl = 3;
        m_form->MP_4_2Click();
        p->PV_CB1->setChecked(true);
        auto *ziel = p->findChild<QWidget *>(wo);
        if (taste == 0) {
            QTest::mouseClick(ziel, Qt::LeftButton);
        } else {
            ziel->setFocus();
            QTest::keyClick(ziel, static_cast<Qt::Key>(taste));
        }
        QVERIFY(!p->isVisible() && !m_form->MP_5_1b_6->isVisible());
        QVERIFY(!UmgekehrtSortiert);
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    // A month list opens with twelve lines, whatever the style would do.
    void monatslisteZeigtZwoelfZeilen()
    {
        FuellungenSetzen(Monatlich(30));
        VerbrauchsAuswahl = 4;
        m_form->MP_4_2Click();
        QComboBox *liste = p->PV_G1C3;
        QCOMPARE(liste->count(), 30);
        liste->setCurrentIndex(0);
        liste->showPopup();
        QAbstractItemView *zeilen = liste->view();
        QTRY_VERIFY(zeilen->isVisible());
        const QRect innen = zeilen->viewport()->rect();
        QCOMPARE(zeilen->indexAt(innen.topLeft() + QPoint(2, 2)).row(), 0);
        QCOMPARE(zeilen->indexAt(innen.bottomLeft() + QPoint(2, -2)).row(), 11);
        liste->hidePopup();
    }

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control of the panel gets the room it asks for, with every
    // choice, also when the platform's font is large.
    void nichtsAbgeschnitten()
    {
        QFETCH(int, punkte);
        if (punkte > 0) {
            QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0);
            QFont schrift = QApplication::font();
            schrift.setPointSize(punkte);
            QApplication::setFont(schrift);
            QVERIFY(Starten());
        }
        FuellungenSetzen(Monatlich(12, 3) + u"|01.03.2003-"_s);
        for (uint8_t wahl : {1, 3, 4}) {
            VerbrauchsAuswahl = wahl;
            m_form->MP_4_2Click();
            QApplication::processEvents();
            QVERIFY(m_form->Arbeitsflaeche->rect().contains(p->geometry()));
            const QString abgeschnitten = Abgeschnitten(p);
            QVERIFY2(abgeschnitten.isEmpty(), qPrintable(abgeschnitten));
        }
    }
};

QTEST_MAIN(PanelVerbrauchTest)
#include "PanelVerbrauchTest.moc"
