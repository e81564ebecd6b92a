// The fill-up selection panel on the main window: opening it, what it
// shows of the settings, what its inputs write back, and its two buttons
// with the list window behind "Daten ansehen". Lists of entries are
// written "a|b|c".
#include "Oberflaeche.h"
#include "PanelTankList.h"
#include "Zusatz1.h"
#include "browse/Auswahl.h"
#include "browse/PanelTankAnsicht.h"
#include "consumption/Verbrauchswerte.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

void StationenSetzen(const QString &namen)
{
    const QStringList liste = namen.split(u'|', Qt::SkipEmptyParts);
    for (int i = 0; i < MaxTankstellen; ++i)
        Tankstellen[i] = i < liste.size() ? liste[i].toStdString() : std::string();
    AnzahlTankstellen = static_cast<uint8_t>(liste.size());
}

// Saved fill-ups, one per "TT.MM.JJJJ Station" entry, numbered by the
// current station list.
void FuellungenSetzen(const QString &eintraege)
{
    Fuellungen.clear();
    for (const QString &e : eintraege.split(u'|', Qt::SkipEmptyParts)) {
        const QStringList datum = e.left(10).split(u'.');
        TTankFuellung f = Fuellung(10000 + 500 * AnzahlFuellungen(), datum[0].toInt(), datum[1].toInt(),
                                   datum[2].toInt(), e.mid(11).toStdString());
        f.TankstellenNr = static_cast<int8_t>(TankstellenIndex(f.Tankstelle));
        Fuellungen.push_back(f);
    }
    DatenVorhanden = !Fuellungen.empty();
    Gespeichert = true;
}

// A row of test data with text columns only.
void Reihe(const char *name, std::initializer_list<const char *> werte)
{
    QTestData &z = QTest::newRow(name);
    for (const char *w : werte)
        z << QString::fromUtf8(w);
}

} // namespace

class PanelTankAnsichtTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    TPanelTankAnsicht *p = nullptr;
    QFont m_schrift;

    bool Starten()
    {
        if (!HauptfensterStartenAm(Heute, m_plattform, m_form))
            return false;
        p = m_form->PanelTankAnsicht;
        return true;
    }

    // The inputs the panel shows now, by name.
    QString Eingaben() const
    {
        QStringList namen;
        for (QWidget *w : std::initializer_list<QWidget *>{p->PTA_G1C1, p->PTA_G1E1, p->PTA_G2C1, p->PTA_G2L1,
                                                          p->PTA_G2C2, p->PTA_G2L2, p->PTA_G2C3})
            if (w->isVisible())
                namen << w->objectName();
        return namen.join(u' ');
    }

    bool Offen() const { return p->isVisible() && m_form->MP_5_1b_5->isVisible(); }

private slots:
    void initTestCase() { m_schrift = QApplication::font(); }
    void init() { QVERIFY(Starten()); }

    void cleanup()
    {
        const int uebrig = HauptfensterBeenden(m_plattform, m_form);
        QApplication::setFont(m_schrift);
        QCOMPARE(uebrig, 0);
    }

    // Inconsistent data cannot be viewed: message 8003 with its sound even
    // when sounds are off, and the work area stays empty.
    void logischeFehlerVerweigernDasPanel()
    {
        FuellungenSetzen(u"01.02.2004 Jet|01.01.2004 Jet"_s);
        DatenLogisch = false;
        WarnTonAn = false;
        m_form->StatusAnzeigen();
        m_form->MP_2_6->trigger();
        TQtPlattform::NaechsteAntwort(mrOk);
        QTest::mouseClick(m_form->SpeedButton9, Qt::LeftButton);
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::LogischeFehlerAnsicht});
        QCOMPARE(m_plattform->Toene, std::vector<int>{5});
        QVERIFY(!p->isVisible() && !m_form->MP_5_1b_5->isVisible());
        QVERIFY(!m_form->PanelTankList->isVisible());
    }

    void panelZeigtDieEinstellungen_data()
    {
        for (const char *spalte : {"stationen", "nr", "fuellungen", "jahr", "von", "bis", "erwStationen",
                                   "erwStation", "erwJahre", "erwJahr", "erwMonate", "erwVon", "erwBis"})
            QTest::addColumn<QString>(spalte);
        const char *wende = "15.11.2003 Aral|20.12.2003 Shell|03.01.2004 Jet|10.02.2004 Aral";
        const char *stationen = "Aral|Shell|sonstige Tankstellen";
        Reihe("ueber den Jahreswechsel",
              {"Aral|Shell", "1", wende, "2004", "1.12.2003", "32.1.2004", stationen, "Shell", "2003|2004", "2004",
               "11/2003|12/2003|01/2004|02/2004", "12/2003", "01/2004"});
        Reihe("nichts davon in den Listen",
              {"Aral|Shell", "-1", wende, "1999", "1.5.2004", "32.8.2004", stationen, "sonstige Tankstellen",
               "2003|2004", "2003", "11/2003|12/2003|01/2004|02/2004", "11/2003", "02/2004"});
        Reihe("Station ausserhalb der Liste",
              {"Aral|Shell", "5", wende, "0", "0.0.0", "0.0.0", stationen, "sonstige Tankstellen", "2003|2004",
               "2003", "11/2003|12/2003|01/2004|02/2004", "11/2003", "02/2004"});
        Reihe("ein Monat", {"", "0", "02.03.2005 Jet|28.03.2005 Jet", "2005", "1.3.2005", "32.3.2005",
                            "sonstige Tankstellen", "sonstige Tankstellen", "2005", "2005", "03/2005", "03/2005",
                            "03/2005"});
        Reihe("keine Daten", {"Aral", "0", "", "2005", "1.3.2005", "32.3.2005", "Aral|sonstige Tankstellen",
                              "Aral", "", "", "", "", ""});
    }

    // Opening puts the settings into the controls and changes none of them.
    void panelZeigtDieEinstellungen()
    {
        QFETCH(QString, stationen);
        QFETCH(QString, nr);
        QFETCH(QString, fuellungen);
        QFETCH(QString, jahr);
        QFETCH(QString, von);
        QFETCH(QString, bis);
        StationenSetzen(stationen);
        FuellungenSetzen(fuellungen);
        TankstellenAuswahl = 2;
        AuswahlTankstelleNr = static_cast<int8_t>(nr.toInt());
        AuswahlJahr = static_cast<uint16_t>(jahr.toInt());
        const QStringList v = von.split(u'.'), b = bis.split(u'.');
        AuswahlVon = TDatum{uint8_t(v[0].toInt()), uint8_t(v[1].toInt()), uint16_t(v[2].toInt())};
        AuswahlBis = TDatum{uint8_t(b[0].toInt()), uint8_t(b[1].toInt()), uint16_t(b[2].toInt())};
        m_form->MP_4_1Click();
        QVERIFY(Offen());

        QTEST(Eintraege(p->PTA_G1C1), "erwStationen");
        QTEST(p->PTA_G1C1->currentText(), "erwStation");
        QTEST(Eintraege(p->PTA_G2C1), "erwJahre");
        QTEST(p->PTA_G2C1->currentText(), "erwJahr");
        QTEST(Eintraege(p->PTA_G2C2), "erwMonate");
        QTEST(Eintraege(p->PTA_G2C3), "erwMonate");
        QTEST(p->PTA_G2C2->currentText(), "erwVon");
        QTEST(p->PTA_G2C3->currentText(), "erwBis");
        QCOMPARE(u"%1 %2 %3 %4"_s.arg(AuswahlTankstelleNr).arg(AuswahlJahr).arg(Datum(AuswahlVon), Datum(AuswahlBis)),
                 u"%1 %2 %3 %4"_s.arg(nr, jahr, von, bis));
    }

    // The radios, the word, this year and the order come from the settings;
    // only the inputs of the chosen modes show, and the focus is on the
    // chosen station radio.
    void panelZeigtDieGewaehltenArten()
    {
        FuellungenSetzen(u"15.11.2003 Aral|10.02.2004 Aral"_s);
        TankstellenAuswahl = 3;
        AuswahlWort = "Nord";
        JahresAuswahl = 3;
        FuellungsSortierung = 4;
        FuellungenUmgekehrt = true;
        m_form->StatusAnzeigen();
        m_form->MP_4_1->trigger();
        QVERIFY(p->PTA_G1R3->isChecked() && p->PTA_G2R3->isChecked() && p->PTA_G3R4->isChecked());
        QVERIFY(p->PTA_G3CB1->isChecked());
        QCOMPARE(p->PTA_G1E1->text(), u"Nord"_s);
        QCOMPARE(p->PTA_G2R1->text(), u"Nur &dieses Jahr  (2026)"_s);
        QCOMPARE(p->PTA_G2R1->toolTip(), u"Nur das Jahr 2026"_s);
        QCOMPARE(Eingaben(), u"PTA_G1E1 PTA_G2L1 PTA_G2C2 PTA_G2L2 PTA_G2C3"_s);
        QCOMPARE(QApplication::focusWidget(), p->PTA_G1R3);

        TankstellenAuswahl = 2;
        JahresAuswahl = 2;
        FuellungsSortierung = 1;
        FuellungenUmgekehrt = false;
        m_form->MP_4_1Click();
        QVERIFY(p->PTA_G1R2->isChecked() && p->PTA_G2R2->isChecked() && p->PTA_G3R1->isChecked());
        QVERIFY(!p->PTA_G3CB1->isChecked());
        QCOMPARE(Eingaben(), u"PTA_G1C1 PTA_G2C1"_s);
        QCOMPARE(QApplication::focusWidget(), p->PTA_G1R2);
    }

    void radioZeigtNurSeineEingaben_data()
    {
        for (const char *spalte : {"vorher", "radio", "erwEinstellungen", "erwEingaben", "erwFokus"})
            QTest::addColumn<QString>(spalte);
        Reihe("eine Tankstelle", {"", "PTA_G1R2", "2 4 1", "PTA_G1C1", "PTA_G1C1"});
        Reihe("ein Wort", {"PTA_G1R2", "PTA_G1R3", "3 4 1", "PTA_G1E1", "PTA_G1E1"});
        Reihe("alle Tankstellen", {"PTA_G1R3", "PTA_G1R1", "1 4 1", "", "PTA_G1R1"});
        Reihe("ein Jahr", {"PTA_G2R3", "PTA_G2R2", "1 2 1", "PTA_G2C1", "PTA_G2C1"});
        Reihe("Zeitraum", {"PTA_G2R2", "PTA_G2R3", "1 3 1", "PTA_G2L1 PTA_G2C2 PTA_G2L2 PTA_G2C3", "PTA_G2C2"});
        Reihe("dieses Jahr", {"PTA_G2R3", "PTA_G2R1", "1 1 1", "", "PTA_G2R1"});
        Reihe("Literpreis", {"", "PTA_G3R4", "1 4 4", "", "PTA_G3R4"});
    }

    // Each radio sets its mode and shows only the inputs that belong to it;
    // the inputs of the mode left go away.
    void radioZeigtNurSeineEingaben()
    {
        QFETCH(QString, vorher);
        QFETCH(QString, radio);
        FuellungenSetzen(u"15.11.2003 Aral|10.02.2004 Aral"_s);
        TankstellenAuswahl = 1;
        JahresAuswahl = 4;
        FuellungsSortierung = 1;
        m_form->MP_4_1Click();
        if (!vorher.isEmpty())
            AufMarkeKlicken(p->findChild<QRadioButton *>(vorher));
        AufMarkeKlicken(p->findChild<QRadioButton *>(radio));
        QTEST(u"%1 %2 %3"_s.arg(TankstellenAuswahl).arg(JahresAuswahl).arg(FuellungsSortierung),
              "erwEinstellungen");
        QTEST(Eingaben(), "erwEingaben");
        QTEST(QApplication::focusWidget()->objectName(), "erwFokus");
    }

    // What is chosen goes into the settings at once; a period chosen
    // backwards is stored forwards and ends after the last day of its month.
    void eingabenSchreibenDieEinstellungen()
    {
        StationenSetzen(u"Aral|Shell"_s);
        FuellungenSetzen(u"15.11.2003 Aral|20.12.2003 Shell|03.01.2004 Jet|10.06.2004 Aral"_s);
        TankstellenAuswahl = 2;
        JahresAuswahl = 3;
        m_form->MP_4_1Click();

        Waehlen(p->PTA_G1C1, u"sonstige Tankstellen"_s);
        QCOMPARE(int(AuswahlTankstelleNr), -1);
        Waehlen(p->PTA_G1C1, u"Shell"_s);
        QCOMPARE(int(AuswahlTankstelleNr), 1);

        AufMarkeKlicken(p->PTA_G1R3);
        p->PTA_G1E1->selectAll();
        QTest::keyClicks(p->PTA_G1E1, u"nord"_s);
        QCOMPARE(QString::fromStdString(AuswahlWort), u"nord"_s);
        QTest::keyClicks(p->PTA_G1E1, u"-und-sued-ring-strasse"_s);
        QCOMPARE(QString::fromStdString(AuswahlWort), u"nord-und-sued-ring-s"_s);
        // The word goes into the configuration file: what it cannot hold is
        // left out, and the red box says so.
        p->PTA_G1E1->clear();
        QApplication::clipboard()->setText(u"Łeba"_s);
        QTest::keyClick(p->PTA_G1E1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(QString::fromStdString(AuswahlWort), u"eba"_s);
        QVERIFY(m_form->FehlerBox1->isVisible());
        QVERIFY(m_form->FehlerLabel1->text().contains(u"'Ł'"_s));

        AufMarkeKlicken(p->PTA_G2R2);
        Waehlen(p->PTA_G2C1, u"2004"_s);
        QCOMPARE(int(AuswahlJahr), 2004);

        AufMarkeKlicken(p->PTA_G2R3);
        Waehlen(p->PTA_G2C2, u"05/2004"_s);
        Waehlen(p->PTA_G2C3, u"02/2004"_s);
        QCOMPARE(Datum(AuswahlVon), u"1.2.2004"_s);
        QCOMPARE(Datum(AuswahlBis), u"32.5.2004"_s);
        QCOMPARE(p->PTA_G2C2->currentText(), u"05/2004"_s);   // as the user left them

        AufMarkeKlicken(p->PTA_G3CB1);
        QVERIFY(FuellungenUmgekehrt);
        AufMarkeKlicken(p->PTA_G3CB1);
        QVERIFY(!FuellungenUmgekehrt);
    }

    void nichtsGefundenMeldet8205_data()
    {
        QTest::addColumn<bool>("mitEnter");
        QTest::addColumn<int>("tankstellen");
        QTest::addColumn<QString>("wort");
        QTest::addColumn<int>("jahre");
        QTest::addColumn<QString>("erwText");
        QTest::newRow("leeres Wort") << false << 3 << QString() << 4
                                     << u"Nur Tankstellen, die das Wort '' enthalten aus allen Jahren."_s;
        QTest::newRow("Wort nicht da, Enter") << true << 3 << u"Esso"_s << 2
                                              << u"Nur Tankstellen, die das Wort 'Esso' enthalten aus dem Jahr 2003."_s;
        QTest::newRow("nur aeltere Jahre") << false << 1 << QString() << 1
                                           << u"Alle Tankstellen aus diesem Jahr."_s;
    }

    // Nothing found: message 8205 names the selection; the panel stays.
    // Year and period are taken from the lists first, whatever the mode.
    void nichtsGefundenMeldet8205()
    {
        QFETCH(bool, mitEnter);
        QFETCH(int, tankstellen);
        QFETCH(QString, wort);
        QFETCH(int, jahre);
        FuellungenSetzen(u"15.11.2003 Aral|10.02.2004 Tankhof NORD"_s);
        WarnTonAn = true;
        TankstellenAuswahl = static_cast<uint8_t>(tankstellen);
        AuswahlWort = wort.toStdString();
        JahresAuswahl = static_cast<uint8_t>(jahre);
        AuswahlJahr = 1999;
        m_form->MP_4_1Click();
        TQtPlattform::NaechsteAntwort(mrOk);
        if (mitEnter)
            QTest::keyClick(p->PTA_G1E1, Qt::Key_Return);
        else
            QTest::mouseClick(p->PTA_Button1, Qt::LeftButton);

        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::KeineFuellungenGefunden});
        QFETCH(QString, erwText);
        QCOMPARE(TQtPlattform::GezeigteMeldungen()[0].Text,
                 MeldungBauen(N::KeineFuellungenGefunden, {erwText.toStdString()}).Text);
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        QVERIFY(Offen());
        QVERIFY(!m_form->WarteLabel1->isVisible());
        QCOMPARE(u"%1 %2 %3"_s.arg(AuswahlJahr).arg(Datum(AuswahlVon), Datum(AuswahlBis)), u"2003 1.11.2003 32.2.2004"_s);
    }

    // Found fill-ups go to the list window; the main window waits hidden
    // and disabled, and comes back with the panel as the settings now are.
    void datenAnsehenOeffnetDieListe()
    {
        FuellungenSetzen(u"15.11.2003 Aral|10.02.2004 Tankhof NORD|01.03.2004 Aral"_s);
        TankstellenAuswahl = 3;
        AuswahlWort = "nord";
        JahresAuswahl = 4;
        m_form->MP_4_1Click();

        QString waehrenddessen;
        auto *warten = new QTimer(m_form.get());
        connect(warten, &QTimer::timeout, this, [&] {
            auto *liste = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!liste)
                return;
            warten->stop();
            waehrenddessen = u"%1 %2 %3 %4"_s.arg(AuswahlAnzahl())
                                 .arg(m_form->isVisible() ? u"sichtbar"_s : u"verborgen"_s)
                                 .arg(m_form->isEnabled() ? u"frei"_s : u"gesperrt"_s)
                                 .arg(m_form->WarteLabel1->isHidden() ? u"ohne"_s : u"mit Wartetext"_s);
            // The user changes the order in the list window meanwhile.
            FuellungsSortierung = 3;
            liste->reject();
        });
        warten->start(10);
        TQtPlattform::FensterErwarten(1);
        QTest::mouseClick(p->PTA_Button1, Qt::LeftButton);

        QCOMPARE(waehrenddessen, u"1 verborgen gesperrt mit Wartetext"_s);
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QVERIFY(!m_form->WarteLabel1->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(Offen());
        QVERIFY(p->PTA_G3R3->isChecked());
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    void beendenSchliesstDasPanel_data()
    {
        QTest::addColumn<QString>("wo");
        QTest::addColumn<int>("taste");
        QTest::newRow("Knopf") << u"PTA_Button2"_s << 0;
        QTest::newRow("Enter auf dem Knopf") << u"PTA_Button2"_s << int(Qt::Key_Return);
        QTest::newRow("Esc im Radio") << u"PTA_G2R4"_s << int(Qt::Key_Escape);
        QTest::newRow("Esc in der Liste") << u"PTA_G1C1"_s << int(Qt::Key_Escape);
        QTest::newRow("Esc im Wort") << u"PTA_G1E1"_s << int(Qt::Key_Escape);
    }

    // "A&nsehen beenden" and Esc close the panel, and nothing else happens.
    void beendenSchliesstDasPanel()
    {
        QFETCH(QString, wo);
        QFETCH(int, taste);
        FuellungenSetzen(u"15.11.2003 Aral"_s);
        TankstellenAuswahl = wo == u"PTA_G1E1"_s ? 3 : 2;
        m_form->MP_4_1Click();
        auto *ziel = p->findChild<QWidget *>(wo);
        if (taste == 0) {
            QTest::mouseClick(ziel, Qt::LeftButton);
        } else {
            ziel->setFocus();
            QTest::keyClick(ziel, static_cast<Qt::Key>(taste));
        }
        QVERIFY(!p->isVisible() && !m_form->MP_5_1b_5->isVisible());
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
    }

    // A month list opens with twelve lines, whatever the style would do.
    void monatslisteZeigtZwoelfZeilen()
    {
        QStringList fuellungen;
        for (int i = 0; i < 30; ++i)
            fuellungen << u"01.%1.%2 Jet"_s.arg(i % 12 + 1, 2, 10, QChar(u'0')).arg(2003 + i / 12);
        FuellungenSetzen(fuellungen.join(u'|'));
        JahresAuswahl = 3;
        m_form->MP_4_1Click();
        QComboBox *liste = p->PTA_G2C2;
        QCOMPARE(liste->count(), 30);
        liste->showPopup();
        QAbstractItemView *zeilen = liste->view();
        QTRY_VERIFY(zeilen->isVisible());
        const QRect innen = zeilen->viewport()->rect();
        QCOMPARE(zeilen->indexAt(innen.topLeft() + QPoint(2, 2)).row(), 0);
        QCOMPARE(zeilen->indexAt(innen.bottomLeft() + QPoint(2, -2)).row(), 11);
        liste->hidePopup();
    }

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control of the panel gets the room it asks for, in every mode,
    // also when the platform's font is large.
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
        StationenSetzen(u"Tankstelle mit einem sehr langen Namen an der B 27"_s);
        FuellungenSetzen(u"15.11.2003 Aral|10.02.2004 Aral"_s);
        for (uint8_t art : {2, 3}) {
            TankstellenAuswahl = art;
            JahresAuswahl = art;
            m_form->MP_4_1Click();
            QApplication::processEvents();
            QVERIFY(m_form->Arbeitsflaeche->rect().contains(p->geometry()));
            const QString abgeschnitten = Abgeschnitten(p);
            QVERIFY2(abgeschnitten.isEmpty(), qPrintable(abgeschnitten));
        }
    }
};

QTEST_MAIN(PanelTankAnsichtTest)
#include "PanelTankAnsichtTest.moc"
