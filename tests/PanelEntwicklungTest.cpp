// The litre-price and range panels on the main window: opening them, what
// they show of the settings, what their inputs write back, and their buttons
// with the development chart behind "Entwicklung ansehen". Each test runs on
// both panels where they behave alike; art 1 is the litre price, 2 the
// range. Lists of entries are written "a|b|c". Which commands the data
// allow is Form1Test's business.
#include "Hilfe.h"
#include "Oberflaeche.h"
#include "PanelEntwicklung.h"
#include "PanelTankList.h"
#include "charts/Entwicklung.h"
#include "charts/Sprilo_7.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

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

// A row of ansehenOeffnetDasDiagramm: the settings before, the points found
// and the settings after.
struct TAnsehen { QString fuellungen; int art; QString einstellungen; bool mitEnter; int anzahl; QString danach; };

// A row of nichtsGefundenMeldetEs: the months chosen, sounds on, the tank
// capacity, the message and the beeps it gives.
struct TNichts { int art; QString von, bis; bool toene; double tank; N meldung; int piepser; };

} // namespace

class PanelEntwicklungTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;

    TPanelEntwicklung *Panel(int art) const { return art == 1 ? m_form->PanelLPreis : m_form->PanelReichweite; }
    QAction *HilfeEintrag(int art) const { return art == 1 ? m_form->MP_5_1b_7 : m_form->MP_5_1b_8; }
    bool Offen(int art) const { return Panel(art)->isVisible() && HilfeEintrag(art)->isVisible(); }
    bool Zu(int art) const { return !Panel(art)->isVisible() && !HilfeEintrag(art)->isVisible(); }
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
    bool HauptfensterFrei() const
    {
        return m_form->isVisible() && m_form->isEnabled() && !m_form->WarteLabel1->isVisible()
               && !QApplication::overrideCursor();
    }

private slots:
    void init()
    {
        SchriftDerZeileSetzen();
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        Tankinhalt = 55.3L;
        WarnTonAn = false;
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    void oeffnenZeigtDieEinstellungen_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("einstellungen");
        QTest::addColumn<QString>("erwAnzeige");
        QTest::addColumn<bool>("esc");
        QTest::newRow("Literpreis, alle Jahre")
            << 1 << u"1 3 1.12.2002-32.1.2003"_s << u"PLP_G1_R1 PLp_G2_R3 / 12/2002 01/2003"_s << false;
        QTest::newRow("Literpreis, Zeitraum nicht in den Listen, Esc")
            << 1 << u"2 1 1.5.1999-32.8.2004"_s
            << u"PLp_G1_R2 PLp_G2_R1 PLP_Label2 PLp_G1_C1 PLP_Label3 PLp_G1_C2 / 11/2002 02/2003"_s << true;
        QTest::newRow("Reichweite, Zeitraum") << 2 << u"2 4 1.12.2002-32.1.2003"_s
            << u"PR_G1R2 PR_G2R4 PR_Label2 PR_G1C1 PR_Label3 PR_G1C2 / 12/2002 01/2003"_s << false;
        QTest::newRow("Reichweite, alle Jahre, Bis nicht in der Liste, Esc")
            << 2 << u"1 2 1.1.2003-32.3.2003"_s << u"PR_G1R1 PR_G2R2 / 01/2003 02/2003"_s << true;
    }

    // The menu opens the panel with its help entry instead of the one open
    // and shows the stored choice; months not in the lists show the first
    // and the last entry. Opening changes no setting. "&Tankinhalt ändern"
    // runs the settings' tank dialog: the panel and the status box show the
    // new capacity, and the data count as changed. "&Abbrechen" and Esc
    // close the panel.
    void oeffnenZeigtDieEinstellungen()
    {
        QFETCH(int, art);
        QFETCH(QString, einstellungen);
        QFETCH(bool, esc);
        FuellungenSetzen(Fuenf);
        Einstellen(art, einstellungen);
        m_form->MP_2_6->trigger();
        Oeffnen(art);
        TPanelEntwicklung *p = Panel(art);

        QVERIFY(Offen(art) && !m_form->PanelTankList->isVisible());
        QCOMPARE(HilfeKontext(p), art == 1 ? 200 : 210);
        QTEST(Anzeige(art), "erwAnzeige");
        QCOMPARE(Eintraege(p->G1C1) + u' ' + Eintraege(p->G1C2),
                 u"11/2002|12/2002|01/2003|02/2003 11/2002|12/2002|01/2003|02/2003"_s);
        QCOMPARE(Einstellungen(art), einstellungen);
        QVERIFY(p->Button1->isDefault());
        if (art == 2) {
            QCOMPARE(p->Label4->text(), u"Aktueller Tankinhalt :\n55,30 Liter"_s);
            QVERIFY(TankinhaltEingeben(this, u"60"_s, [p] { QTest::mouseClick(p->Button3, Qt::LeftButton); }));
            QCOMPARE(p->Label4->text(), u"Aktueller Tankinhalt :\n60,00 Liter"_s);
            QCOMPARE(m_form->IB_Label8->text(), u"Tankinhalt : 60,00 Liter"_s);
            QVERIFY(!Gespeichert && Offen(2));
        }
        esc ? QTest::keyClick(p->G2R1, Qt::Key_Escape) : QTest::mouseClick(p->Button2, Qt::LeftButton);
        QVERIFY(Zu(art));
    }

    // Inconsistent data: the panel stays shut and the message about the
    // development sounds even when sounds are off; the panel that was open
    // is gone.
    void logischeFehlerVerweigernDasPanel()
    {
        FuellungenSetzen(u"01.02.2004|01.01.2004"_s);
        DatenLogisch = false;
        for (int art : {1, 2}) {
            m_form->MP_2_6->trigger();
            TQtPlattform::NaechsteAntwort(mrOk);
            Oeffnen(art);
            QVERIFY(Zu(art) && !m_form->PanelTankList->isVisible());
        }
        QCOMPARE(GezeigteMeldungsNr(), QList<N>({N::LogischeFehlerLiterpreis, N::LogischeFehlerReichweite}));
        QCOMPARE(m_plattform->Toene, std::vector<int>({5, 5}));
    }

    // Radios and lists write this panel's settings at once, the other
    // panel's stay; a period chosen backwards is stored forwards and ends
    // after the last day of its month.
    void eingabenSchreibenDieEinstellungen()
    {
        FuellungenSetzen(Fuenf);
        for (int art : {1, 2}) {
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
    }

    void ansehenOeffnetDasDiagramm_data()
    {
        QTest::addColumn<TAnsehen>("fall");
        // Fuenf: five fill-ups in four months, four consumption values. The
        // months are read from the lists, whatever the choice.
        QTest::newRow("Literpreis einzeln")
            << TAnsehen{Fuenf, 1, u"1 1 1.1.1990-32.2.2003"_s, false, 5, u"1 1 1.11.2002-32.2.2003"_s};
        QTest::newRow("Literpreis monatsweise, Enter")
            << TAnsehen{Fuenf, 1, u"1 2 1.11.2002-32.2.2003"_s, true, 4, u"1 2 1.11.2002-32.2.2003"_s};
        // The range finds nothing here (nichtsGefundenMeldetEs).
        QTest::newRow("Literpreis, nur die erste Tankfuellung")
            << TAnsehen{Drei, 1, u"2 1 1.11.2002-32.11.2002"_s, false, 1, u"2 1 1.11.2002-32.11.2002"_s};
        QTest::newRow("Reichweite jahresweise, Enter")
            << TAnsehen{Fuenf, 2, u"1 4 1.11.2002-32.2.2003"_s, true, 2, u"1 4 1.11.2002-32.2.2003"_s};
        // Von in no list: the lists show the whole time, and that counts.
        QTest::newRow("Reichweite, Zeitraum wie gezeigt")
            << TAnsehen{Fuenf, 2, u"2 1 1.1.1990-32.2.2003"_s, false, 4, u"2 1 1.11.2002-32.2.2003"_s};
    }

    // Points found go to the chart: the main window waits hidden and
    // disabled without the waiting text until the chart closes, then shows
    // the panel again.
    void ansehenOeffnetDasDiagramm()
    {
        QFETCH(TAnsehen, fall);
        FuellungenSetzen(fall.fuellungen);
        Einstellen(fall.art, fall.einstellungen);
        Oeffnen(fall.art);

        bool gelaufen = false;
        ImModalenFenster<TForm7>(this, gelaufen, [&](TForm7 &) {
            QCOMPARE(int(EntwicklungsArt) * 1000 + int(AnzahlEntwicklungswerte()), fall.art * 1000 + fall.anzahl);
            QVERIFY(!m_form->isVisible() && !m_form->isEnabled() && m_form->WarteLabel1->isHidden());
        });
        if (fall.mitEnter)
            QTest::keyClick(Panel(fall.art)->G2R1, Qt::Key_Return);
        else
            QTest::mouseClick(Panel(fall.art)->Button1, Qt::LeftButton);

        QVERIFY(gelaufen);
        QCOMPARE(Einstellungen(fall.art), fall.danach);
        QVERIFY(HauptfensterFrei());
        QVERIFY(Offen(fall.art));
    }

    void nichtsGefundenMeldetEs_data()
    {
        QTest::addColumn<TNichts>("fall");
        const N lp = N::KeinLiterpreisGefunden, rw = N::KeineReichweiteGefunden;
        QTest::newRow("Literpreis, leerer Zeitraum") << TNichts{1, u"01/2003"_s, u"02/2003"_s, false, 60, lp, 0};
        QTest::newRow("Literpreis, rueckwaerts, mit Toenen")
            << TNichts{1, u"02/2003"_s, u"01/2003"_s, true, 60, lp, 1};
        QTest::newRow("Reichweite, leerer Zeitraum") << TNichts{2, u"01/2003"_s, u"02/2003"_s, false, 60, rw, 0};
        // The range starts at the second fill-up.
        QTest::newRow("Reichweite, nur die erste Tankfuellung")
            << TNichts{2, u"11/2002"_s, u"11/2002"_s, true, 60, rw, 1};
        // Without a tank capacity nothing is built; the message sounds
        // even with sounds off.
        QTest::newRow("Reichweite ohne Tankinhalt")
            << TNichts{2, u"11/2002"_s, u"03/2003"_s, false, 0, N::ReichweiteOhneTankinhalt, 1};
    }

    // No chart: the message, a beep as it wants, and the panel stays as it
    // was, the main window free.
    void nichtsGefundenMeldetEs()
    {
        QFETCH(TNichts, fall);
        FuellungenSetzen(Drei);
        WarnTonAn = fall.toene;
        Tankinhalt = fall.tank;
        EntwicklungsArt = 0;
        Einstellen(fall.art, u"2 3 1.11.2002-32.3.2003"_s);
        Oeffnen(fall.art);
        TPanelEntwicklung *p = Panel(fall.art);
        Waehlen(p->G1C1, fall.von);
        Waehlen(p->G1C2, fall.bis);
        const QString vorher = Anzeige(fall.art);
        TQtPlattform::NaechsteAntwort(mrOk);
        QTest::mouseClick(p->Button1, Qt::LeftButton);

        QCOMPARE(GezeigteMeldungsNr(), QList<N>{fall.meldung});
        QCOMPARE(m_plattform->Toene, std::vector<int>(fall.piepser, 1));
        QCOMPARE(int(EntwicklungsArt), fall.tank > 0 ? fall.art : 0);
        QCOMPARE(AnzahlEntwicklungswerte(), 0u);
        QVERIFY(Offen(fall.art));
        QCOMPARE(Anzeige(fall.art), vorher);
        QVERIFY(HauptfensterFrei());
    }

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control of both panels gets the room it asks for, with the month
    // lists shown, also when the platform's font is large.
    void nichtsAbgeschnitten()
    {
        FuellungenSetzen(Fuenf);
        Tankinhalt = 1234.56L;
        for (int art : {1, 2}) {
            Einstellen(art, u"2 1 1.1.2000-32.1.2000"_s);
            Oeffnen(art);
            QApplication::processEvents();
            QVERIFY(m_form->Arbeitsflaeche->rect().contains(Panel(art)->geometry()));
            QCOMPARE(Abgeschnitten(Panel(art)), QString());
        }
    }
};

QTEST_MAIN(PanelEntwicklungTest)
#include "PanelEntwicklungTest.moc"
