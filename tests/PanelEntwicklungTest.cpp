// The litre-price and range panels on the main window: opening them, what
// they show of the settings, what their inputs write back, and their buttons
// with the development chart behind "Entwicklung ansehen". Each test runs on
// both panels where they behave alike; art 1 is the litre price, 2 the
// range. Lists of entries are written "a|b|c".
#include "Hilfe.h"
#include "Oberflaeche.h"
#include "PanelEntwicklung.h"
#include "PanelTankList.h"
#include "Sprilo_Z.h"
#include "charts/Entwicklung.h"
#include "charts/Sprilo_7.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

// Saved full fill-ups 500 km apart, one per "TT.MM.JJJJ" entry.
void FuellungenSetzen(const QString &eintraege)
{
    Fuellungen.clear();
    for (const QString &e : eintraege.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList d = e.split(u'.');
        TTankFuellung f = Fuellung(10000 + 500 * AnzahlFuellungen(), d[0].toInt(), d[1].toInt(), d[2].toInt());
        f.Vollgetankt = 1;
        Fuellungen.push_back(f);
    }
    DatenVorhanden = !Fuellungen.empty();
    Gespeichert = true;
}

// Two fill-ups in November 2002, then one a month to February 2003.
const QString Fuenf = u"15.11.2002|20.11.2002|20.12.2002|03.01.2003|10.02.2003"_s;
const QString Monate = u"11/2002|12/2002|01/2003|02/2003"_s;
// Only the first fill-up in November 2002, none in January and February 2003.
const QString Drei = u"15.11.2002|20.12.2002|03.03.2003"_s;

// One panel's settings as "Zeitraumwahl Ansicht Von-Bis", dates "T.M.JJJJ".
QString Einstellungen(int art)
{
    const auto text = [](int wahl, int ansicht, const TDatum &von, const TDatum &bis) {
        return u"%1 %2 %3-%4"_s.arg(wahl).arg(ansicht).arg(Datum(von), Datum(bis));
    };
    return art == 1 ? text(LP_Zeitraumwahl, LP_Ansicht, LP_Von, LP_Bis)
                    : text(RW_Zeitraumwahl, RW_Ansicht, RW_Von, RW_Bis);
}

void Einstellen(int art, const QString &text)
{
    const QStringList t = text.split(QRegularExpression(u"[ .-]"_s));
    const auto datum = [&t](int i) {
        return TDatum{uint8_t(t[i].toInt()), uint8_t(t[i + 1].toInt()), uint16_t(t[i + 2].toInt())};
    };
    (art == 1 ? LP_Zeitraumwahl : RW_Zeitraumwahl) = uint8_t(t[0].toInt());
    (art == 1 ? LP_Ansicht : RW_Ansicht) = uint8_t(t[1].toInt());
    (art == 1 ? LP_Von : RW_Von) = datum(2);
    (art == 1 ? LP_Bis : RW_Bis) = datum(5);
}

void ArtSpalte()
{
    QTest::addColumn<int>("art");
    QTest::newRow("Literpreis") << 1;
    QTest::newRow("Reichweite") << 2;
}

} // namespace

class PanelEntwicklungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    QFont m_schrift;

    bool Starten()
    {
        if (!HauptfensterStarten(m_plattform, m_form))
            return false;
        Tankinhalt = 55.3L;
        WarnTonAn = false;
        return true;
    }

    TPanelEntwicklung *Panel(int art) const { return art == 1 ? m_form->PanelLPreis : m_form->PanelReichweite; }
    QAction *HilfeEintrag(int art) const { return art == 1 ? m_form->MP_5_1b_7 : m_form->MP_5_1b_8; }
    bool Offen(int art) const { return Panel(art)->isVisible() && HilfeEintrag(art)->isVisible(); }
    // Through the menu, which follows the fill-ups set.
    void Oeffnen(int art) const
    {
        m_form->StatusAnzeigen();
        (art == 1 ? m_form->MP_4_3 : m_form->MP_4_4)->trigger();
    }

    // The checked radios and the shown month lists with their captions, by
    // name, and the selected months.
    QString Anzeige(int art) const
    {
        const TPanelEntwicklung *p = Panel(art);
        QStringList namen;
        for (const QRadioButton *r : {p->G1R1, p->G1R2, p->G2R1, p->G2R2, p->G2R3, p->G2R4})
            if (r->isChecked())
                namen << r->objectName();
        for (const QWidget *w : std::initializer_list<const QWidget *>{p->Label2, p->G1C1, p->Label3, p->G1C2})
            if (w->isVisible())
                namen << w->objectName();
        return namen.join(u' ') + u" / "_s + p->G1C1->currentText() + u' ' + p->G1C2->currentText();
    }

    // The main window and its waiting text back as before the chart.
    void HauptfensterFrei() const
    {
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QVERIFY(!m_form->WarteLabel1->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

private slots:
    void initTestCase() { m_schrift = QApplication::font(); }
    void init() { QVERIFY(Starten()); }

    void cleanup()
    {
        const int uebrig = HauptfensterBeenden(m_plattform, m_form);
        QApplication::setFont(m_schrift);
        QCOMPARE(uebrig, 0);
    }

    void oeffnenZeigtDieEinstellungen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("einstellungen");
        QTest::addColumn<QString>("erwAnzeige");
        QTest::newRow("Literpreis, alle Jahre")
            << 1 << u"1 3 1.12.2002-32.1.2003"_s << u"PLP_G1_R1 PLp_G2_R3 / 12/2002 01/2003"_s;
        QTest::newRow("Literpreis, Zeitraum nicht in den Listen")
            << 1 << u"2 1 1.5.1999-32.8.2004"_s
            << u"PLp_G1_R2 PLp_G2_R1 PLP_Label2 PLp_G1_C1 PLP_Label3 PLp_G1_C2 / 11/2002 02/2003"_s;
        QTest::newRow("Reichweite, Zeitraum") << 2 << u"2 4 1.12.2002-32.1.2003"_s
                                              << u"PR_G1R2 PR_G2R4 PR_Label2 PR_G1C1 PR_Label3 PR_G1C2 / 12/2002 01/2003"_s;
        QTest::newRow("Reichweite, alle Jahre, Bis nicht in der Liste")
            << 2 << u"1 2 1.1.2003-32.3.2003"_s << u"PR_G1R1 PR_G2R2 / 01/2003 02/2003"_s;
    }

    // The menu opens the panel with its help entry and shows the stored
    // choice; months not in the lists show the first and the last entry.
    // Opening changes no setting.
    void oeffnenZeigtDieEinstellungen()
    {
        QFETCH(int, art);
        QFETCH(QString, einstellungen);
        FuellungenSetzen(Fuenf);
        Einstellen(art, einstellungen);
        m_form->MP_2_6->trigger();
        Oeffnen(art);

        QVERIFY(Offen(art));
        QVERIFY(!m_form->PanelTankList->isVisible());
        QCOMPARE(HilfeKontext(Panel(art)), art == 1 ? 200 : 210);
        QTEST(Anzeige(art), "erwAnzeige");
        QCOMPARE(Eintraege(Panel(art)->G1C1), Monate);
        QCOMPARE(Eintraege(Panel(art)->G1C2), Monate);
        QCOMPARE(Einstellungen(art), einstellungen);
        QVERIFY(Panel(art)->Button1->isDefault());
        if (art == 2)
            QCOMPARE(Panel(art)->Label4->text(), u"Aktueller Tankinhalt :\n55,30 Liter"_s);
    }

    void logischeFehlerVerweigernDasPanel_data() { ArtSpalte(); }

    // Inconsistent data: the panel stays shut and the message about the
    // development sounds even when sounds are off; the panel that was open
    // is gone.
    void logischeFehlerVerweigernDasPanel()
    {
        QFETCH(int, art);
        FuellungenSetzen(u"01.02.2004|01.01.2004"_s);
        DatenLogisch = false;
        m_form->MP_2_6->trigger();
        TQtPlattform::NaechsteAntwort(mrOk);
        Oeffnen(art);

        QCOMPARE(GezeigteMeldungsNr(), QList<N>{art == 1 ? N::LogischeFehlerLiterpreis : N::LogischeFehlerReichweite});
        QCOMPARE(m_plattform->Toene, std::vector<int>{5});
        QVERIFY(!Panel(art)->isVisible() && !HilfeEintrag(art)->isVisible());
        QVERIFY(!m_form->PanelTankList->isVisible());
    }

    void eingabenSchreibenDieEinstellungen_data() { ArtSpalte(); }

    // Radios and lists write this panel's settings at once, the other
    // panel's stay; a period chosen backwards is stored forwards and ends
    // after the last day of its month.
    void eingabenSchreibenDieEinstellungen()
    {
        QFETCH(int, art);
        FuellungenSetzen(Fuenf);
        Einstellen(art, u"1 1 1.1.2000-32.1.2000"_s);
        const QString andere = Einstellungen(3 - art);
        Oeffnen(art);
        TPanelEntwicklung *p = Panel(art);

        AufMarkeKlicken(p->G1R2);
        QCOMPARE(QApplication::focusWidget(), p->G1C1);
        Waehlen(p->G1C1, u"02/2003"_s);
        Waehlen(p->G1C2, u"12/2002"_s);
        AufMarkeKlicken(p->G2R3);
        QCOMPARE(Einstellungen(art), u"2 3 1.12.2002-32.2.2003"_s);
        Waehlen(p->G1C2, u"02/2003"_s);
        AufMarkeKlicken(p->G2R2);
        QCOMPARE(Einstellungen(art), u"2 2 1.2.2003-32.2.2003"_s);
        AufMarkeKlicken(p->G1R1);
        AufMarkeKlicken(p->G2R4);
        QCOMPARE(Einstellungen(art), u"1 4 1.2.2003-32.2.2003"_s);
        QVERIFY(!p->G1C1->isVisible() && !p->Label3->isVisible());
        QCOMPARE(Einstellungen(3 - art), andere);
    }

    void ansehenOeffnetDasDiagramm_data()
    {
        QTest::addColumn<QString>("fuellungen");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("einstellungen");
        QTest::addColumn<bool>("mitEnter");
        QTest::addColumn<int>("erwAnzahl");
        QTest::addColumn<QString>("erwEinstellungen");
        // Fuenf: five fill-ups in four months, four consumption values. The
        // months are read from the lists, whatever the choice.
        QTest::newRow("Literpreis einzeln") << Fuenf << 1 << u"1 1 1.1.1990-32.2.2003"_s << false << 5
                                            << u"1 1 1.11.2002-32.2.2003"_s;
        QTest::newRow("Literpreis monatsweise, Enter") << Fuenf << 1 << u"1 2 1.11.2002-32.2.2003"_s << true << 4
                                                       << u"1 2 1.11.2002-32.2.2003"_s;
        // The range finds nothing here (nichtsGefundenMeldetEs).
        QTest::newRow("Literpreis, nur die erste Tankfuellung")
            << Drei << 1 << u"2 1 1.11.2002-32.11.2002"_s << false << 1 << u"2 1 1.11.2002-32.11.2002"_s;
        QTest::newRow("Reichweite jahresweise, Enter") << Fuenf << 2 << u"1 4 1.11.2002-32.2.2003"_s << true << 2
                                                       << u"1 4 1.11.2002-32.2.2003"_s;
        // Von in no list: the lists show the whole time, and that counts.
        QTest::newRow("Reichweite, Zeitraum wie gezeigt")
            << Fuenf << 2 << u"2 1 1.1.1990-32.2.2003"_s << false << 4 << u"2 1 1.11.2002-32.2.2003"_s;
    }

    // Points found go to the chart: the main window waits hidden and
    // disabled without the waiting text until the chart closes, then shows
    // the panel again.
    void ansehenOeffnetDasDiagramm()
    {
        QFETCH(QString, fuellungen);
        QFETCH(int, art);
        QFETCH(QString, einstellungen);
        QFETCH(bool, mitEnter);
        FuellungenSetzen(fuellungen);
        Einstellen(art, einstellungen);
        Oeffnen(art);

        QString waehrenddessen;
        bool gelaufen = false;
        ImModalenFenster<TForm7>(this, gelaufen, [&](TForm7 &) {
            waehrenddessen = u"%1 %2 %3 %4 %5"_s.arg(EntwicklungsArt)
                                 .arg(AnzahlEntwicklungswerte())
                                 .arg(m_form->isVisible() ? u"sichtbar"_s : u"verborgen"_s)
                                 .arg(m_form->isEnabled() ? u"frei"_s : u"gesperrt"_s)
                                 .arg(m_form->WarteLabel1->isHidden() ? u"ohne"_s : u"mit Wartetext"_s);
        });
        if (mitEnter)
            QTest::keyClick(Panel(art)->G2R1, Qt::Key_Return);
        else
            QTest::mouseClick(Panel(art)->Button1, Qt::LeftButton);

        QFETCH(int, erwAnzahl);
        QVERIFY(gelaufen);
        QCOMPARE(waehrenddessen, u"%1 %2 verborgen gesperrt ohne"_s.arg(art).arg(erwAnzahl));
        QTEST(Einstellungen(art), "erwEinstellungen");
        HauptfensterFrei();
        QVERIFY(Offen(art));
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    void nichtsGefundenMeldetEs_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("von");
        QTest::addColumn<QString>("bis");
        QTest::addColumn<bool>("toene");
        QTest::addColumn<double>("tank");
        QTest::addColumn<int>("erwMeldung");
        QTest::addColumn<int>("erwToene");
        const int lp = int(N::KeinLiterpreisGefunden), rw = int(N::KeineReichweiteGefunden);
        QTest::newRow("Literpreis, leerer Zeitraum") << 1 << u"01/2003"_s << u"02/2003"_s << false << 60.0 << lp << 0;
        QTest::newRow("Literpreis, rueckwaerts, mit Toenen")
            << 1 << u"02/2003"_s << u"01/2003"_s << true << 60.0 << lp << 1;
        QTest::newRow("Reichweite, leerer Zeitraum") << 2 << u"01/2003"_s << u"02/2003"_s << false << 60.0 << rw << 0;
        // The range starts at the second fill-up.
        QTest::newRow("Reichweite, nur die erste Tankfuellung")
            << 2 << u"11/2002"_s << u"11/2002"_s << true << 60.0 << rw << 1;
        // Without a tank capacity nothing is built; the message sounds
        // even with sounds off.
        QTest::newRow("Reichweite ohne Tankinhalt")
            << 2 << u"11/2002"_s << u"03/2003"_s << false << 0.0 << int(N::ReichweiteOhneTankinhalt) << 1;
    }

    // No chart: the message, a beep as it wants, and the panel stays as it
    // was, the main window free.
    void nichtsGefundenMeldetEs()
    {
        QFETCH(int, art);
        QFETCH(QString, von);
        QFETCH(QString, bis);
        QFETCH(bool, toene);
        QFETCH(double, tank);
        FuellungenSetzen(Drei);
        WarnTonAn = toene;
        Tankinhalt = tank;
        EntwicklungsArt = 0;
        Einstellen(art, u"2 3 1.11.2002-32.3.2003"_s);
        Oeffnen(art);
        TPanelEntwicklung *p = Panel(art);
        Waehlen(p->G1C1, von);
        Waehlen(p->G1C2, bis);
        const QString vorher = Anzeige(art);
        TQtPlattform::NaechsteAntwort(mrOk);
        QTest::mouseClick(p->Button1, Qt::LeftButton);

        QFETCH(int, erwMeldung);
        QFETCH(int, erwToene);
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N(erwMeldung)});
        QCOMPARE(m_plattform->Toene, std::vector<int>(erwToene, 1));
        QCOMPARE(int(EntwicklungsArt), tank > 0 ? art : 0);
        QCOMPARE(AnzahlEntwicklungswerte(), 0u);
        QVERIFY(Offen(art));
        QCOMPARE(Anzeige(art), vorher);
        HauptfensterFrei();
    }

    // "&Tankinhalt ändern" runs the settings' tank dialog: the panel and the
    // status box show the new capacity, and the data count as changed.
    void tankinhaltAendernZeigtIhn()
    {
        FuellungenSetzen(Fuenf);
        Oeffnen(2);
        bool gelaufen = false;
        ImModalenFenster<TZusatzForm>(this, gelaufen, [](TZusatzForm &d) {
            d.KB_Edit1->selectAll();
            QTest::keyClicks(d.KB_Edit1, u"60"_s);
            QTest::keyClick(d.KB_Edit1, Qt::Key_Return);
        });
        QTest::mouseClick(m_form->PanelReichweite->Button3, Qt::LeftButton);

        QVERIFY(gelaufen);
        QCOMPARE(m_form->PanelReichweite->Label4->text(), u"Aktueller Tankinhalt :\n60,00 Liter"_s);
        QCOMPARE(m_form->IB_Label8->text(), u"Tankinhalt : 60,00 Liter"_s);
        QVERIFY(!Gespeichert);
        QVERIFY(Offen(2));
    }

    // "&Abbrechen" and Esc close the panel, and nothing else happens.
    void abbrechenSchliesstDasPanel()
    {
        FuellungenSetzen(Fuenf);
        for (int art : {1, 2}) {
            Oeffnen(art);
            QTest::mouseClick(Panel(art)->Button2, Qt::LeftButton);
            QVERIFY(!Panel(art)->isVisible() && !HilfeEintrag(art)->isVisible());
            Oeffnen(art);
            QTest::keyClick(Panel(art)->G2R1, Qt::Key_Escape);
            QVERIFY(!Panel(art)->isVisible() && !HilfeEintrag(art)->isVisible());
        }
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    // The range needs a consumption value, that is two fill-ups; the litre
    // price does with one.
    void reichweiteErstAbZweiTankfuellungen()
    {
        FuellungenSetzen(u"15.11.2002"_s);
        m_form->StatusAnzeigen();
        QVERIFY(!m_form->MP_4_4->isEnabled() && !m_form->SpeedButton16->isEnabled());
        QVERIFY(m_form->MP_4_3->isEnabled() && m_form->SpeedButton15->isEnabled());
        FuellungenSetzen(u"15.11.2002|20.12.2002"_s);
        m_form->StatusAnzeigen();
        QVERIFY(m_form->MP_4_4->isEnabled() && m_form->SpeedButton16->isEnabled());
    }

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control of both panels gets the room it asks for, with the month
    // lists shown, also when the platform's font is large.
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
        FuellungenSetzen(Fuenf);
        Tankinhalt = 1234.56L;
        for (int art : {1, 2}) {
            Einstellen(art, u"2 1 1.1.2000-32.1.2000"_s);
            Oeffnen(art);
            QApplication::processEvents();
            QVERIFY(m_form->Arbeitsflaeche->rect().contains(Panel(art)->geometry()));
            const QString abgeschnitten = Abgeschnitten(Panel(art));
            QVERIFY2(abgeschnitten.isEmpty(), qPrintable(abgeschnitten));
        }
    }
};

QTEST_MAIN(PanelEntwicklungTest)
#include "PanelEntwicklungTest.moc"
