// The entry panel, typed into like a user: Tab from field to field, Enter to
// take a fill-up over, Esc to cancel.
#include "Oberflaeche.h"
#include "Feldpruefung.h"
#include "PanelEingabe.h"
#include "Zusatz1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

// Every value of a stored fill-up in one line.
QString Zeile(const TTankFuellung &f)
{
    QString z = u"%1 %2 %3 %4 %5"_s.arg(f.KMStand)
                    .arg(QString::fromStdString(DatumText(f.Datum)), QString::fromStdString(f.Tankstelle))
                    .arg(f.TankstellenNr)
                    .arg(f.AlteWaehrung);
    for (long double wert : {f.Betrag, f.Liter, static_cast<long double>(f.Vollgetankt), f.LiterNachAbschaltung,
                             f.BetragNachAbschaltung})
        z += u' ' + QString::number(static_cast<double>(wert), 'g', 15);
    return z + u" / "_s + QString::number(f.LiterPreis);
}

// The focused control; the station combo counts as itself, not its editor.
QWidget *Fokus()
{
    QWidget *w = QApplication::focusWidget();
    return w && qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget() : w;
}

// Makes the window the active one, as a click on it would.
bool Aktivieren(QWidget *fenster)
{
    QApplication::setActiveWindow(fenster);
    return QTest::qWaitForWindowActive(fenster);
}

void Tippen(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), taste, mod);
}

} // namespace

class PanelEingabeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;

    TPanelEingabe &P() { return *m_form->PanelEingabe; }
    QString Fehlertext() const { return m_form->FehlerBox1->isVisible() ? m_form->FehlerLabel1->text() : QString(); }

    // Fill-ups at KM 10000, 10500, ..., all on 1.1.2005; then "Daten erweitern".
    void DatenSetzen(int anzahl, bool oeffnen = true)
    {
        Fuellungen.resize(anzahl);
        for (int i = 0; i < anzahl; ++i) {
            Fuellungen[i].KMStand = 10000 + 500 * i;
            Fuellungen[i].Datum = {1, 1, 2005};
        }
        DatenVorhanden = true;
        m_form->StatusAnzeigen();
        if (oeffnen)
            m_form->SpeedButton3->click();
    }

    // Types the fields "a|b|..." from the focused one on, tabbing past the
    // currency and the radio buttons, which check nothing; an empty text
    // leaves its field as it is, so "|" just leaves the field.
    void Eingeben(const QString &felder)
    {
        const QStringList texte = felder.split(u'|');
        Tippen(texte[0]);
        for (const QString &text : texte.mid(1)) {
            do
                Taste(Qt::Key_Tab);
            while (Fokus() == P().PE_CB2 || qobject_cast<QRadioButton *>(Fokus()));
            Tippen(text);
        }
    }

private slots:
    // A cursor that does not blink shows in every picture of its field.
    void initTestCase() { QApplication::setCursorFlashTime(0); }

    void init()
    {
        QVERIFY(HauptfensterStarten(m_plattform, m_form, [] {
            for (const char *name : {"Aral", "Jet", "Shell"})
                Tankstellen[AnzahlTankstellen++] = name;
        }));
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    // "Neu" on unsaved data asks first: Yes keeps everything, No empties
    // it all and opens the empty panel.
    void neuOeffnetDasLeerePanel()
    {
        DatenSetzen(2, false);
        Gespeichert = false;
        Kennzeichen = "SI-AB 123";
        DateiName = "/daten/AUTO.SPR";
        Tankinhalt = 50;
        Festverbrauch = 7;
        for (int antwort : {mrYes, mrNo}) {
            TQtPlattform::NaechsteAntwort(antwort);
            m_form->SpeedButton2->click();
            QCOMPARE(GezeigteMeldungsNr(), QList<N>(antwort == mrYes ? 1 : 2, N::UngespeichertNeu));
            // plate|file|tank|consumption|fill-ups|data present, saved, panel open
            QCOMPARE(QString::fromStdString(Kennzeichen + '|' + DateiName)
                         + u"|%1|%2|%3|%4%5%6"_s.arg(double(Tankinhalt)).arg(double(Festverbrauch))
                               .arg(AnzahlFuellungen()).arg(DatenVorhanden).arg(Gespeichert).arg(P().isVisible()),
                     antwort == mrYes ? u"SI-AB 123|/daten/AUTO.SPR|50|7|2|100"_s : u"||0|0|0|011"_s);
        }
        QCOMPARE(m_form->IB_Label3->text(), u"Es wurden noch keine Daten eingegeben."_s);
        QCOMPARE(Fokus(), P().PE_Edit1);

        TPanelEingabe &p = P();
        QCOMPARE(p.PE_Label1->text(), u"Eingabe der 1. Tankfüllung"_s);
        QVERIFY(p.PE_RB1->isChecked() && m_form->MP_5_1b_3->isVisible());
        // Nothing cut off in the work area.
        QApplication::processEvents();
        QVERIFY(p.width() >= p.minimumSizeHint().width() && p.height() >= p.minimumSizeHint().height());
        for (QWidget *w : p.findChildren<QWidget *>(QRegularExpression(u"^PE_"_s)))
            QVERIFY2(p.rect().contains(w->geometry()), qPrintable(w->objectName()));

        QStringList folge{Fokus()->objectName()};
        for (int i = 0; i < 10; ++i, folge << Fokus()->objectName())
            Taste(Qt::Key_Tab);
        QCOMPARE(folge.join(u' '), u"PE_Edit1 PE_Edit2 PE_CB1 PE_Edit3 PE_CB2 PE_Edit4 PE_RB1 PE_Edit5 PE_Button1 "
                                   "PE_Button3 PE_Button2"_s);
        Taste(Qt::Key_Return);   // on the cancel button
        QVERIFY(!p.isVisible());
    }

    void eineReiheVonTankfuellungen()
    {
        m_form->DatenNeuClick();
        Eingeben(u"10000|01.03.2005|Jet|50,00|40,5|38"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(Zeile(Fuellungen[0]), u"10000 01.03.2005 Jet 1 0 50 40.5 1 2.5 3.08641975308642 / 1235"_s);
        QVERIFY(DatenVorhanden && !Gespeichert && DatenLogisch);
        QCOMPARE(m_form->IB_Label1->text(), u"Es befinden sich zur Zeit 1 Tankfüllung im Speicher."_s);
        // Ready for the next one, with the entry state reset.
        QVERIFY(!KMStandOk && !DatumOk && !TankstelleBesucht && !BetragOk && !LiterOk && !VollBeiOk);
        QCOMPARE(P().PE_Label1->text() + u'|' + P().PE_CB1->currentText(),
                 u"Eingabe der 2. Tankfüllung|Tankstelle angeben"_s);

        // Lower than all and earlier: goes first, consistent. Another letter
        // case is another station. "Nein" ignores the emptied shut-off field.
        Eingeben(u"9500|15.02.2005|jet|61,25|49|47,5"_s);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Taste(Qt::Key_Backspace);
        Taste(Qt::Key_Backtab);
        Taste(Qt::Key_Right);
        QVERIFY(P().PE_RB2->isChecked() && VollBeiOk);
        QVERIFY(!P().PE_Edit5->isVisible() && P().PE_Label_VollBei->isVisible());
        Taste(Qt::Key_Enter);
        QCOMPARE(Zeile(Fuellungen[0]), u"9500 15.02.2005 jet -1 0 61.25 49 0 0 0 / 1250"_s);
        QVERIFY(DatenLogisch && !m_form->FehlerLabel2->isVisible());
        QCOMPARE(m_form->IB_LabelD1->text(), u"15.02.2005 bei KM 9.500"_s);
        QVERIFY(P().PE_RB1->isChecked() && P().PE_Edit5->isVisible());
        // Tab enters the radio group at "Ja" again, not at the "Nein" used last.
        P().PE_Edit4->setFocus();
        Taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), P().PE_RB1);
        P().PE_Edit1->setFocus();

        // First again but dated after the old first: taken over all the same,
        // and the status light turns red. The shut-off field starts with the
        // litres; the hint left in the station field means an unknown station.
        Eingeben(u"9000|29.03.2005||30|24|"_s);
        QCOMPARE(P().PE_Edit5->text(), u"24"_s);
        Taste(Qt::Key_Tab);
        Taste(Qt::Key_Tab);
        QCOMPARE(Fokus(), P().PE_Button3);
        Taste(Qt::Key_Return);
        QCOMPARE(Zeile(Fuellungen[0]), u"9000 29.03.2005 Tankstelle unbekannt -1 0 30 24 1 0 0 / 1250"_s);
        QVERIFY(!DatenLogisch && m_form->FehlerLabel2->isVisible());
        QCOMPARE(FehlerNr1, 1);
        QCOMPARE(FehlerNr2, 2);
        QCOMPARE(m_form->IB_Label7b->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, 0xFF0000u);
        QVERIFY(!P().isVisible() && !m_form->MP_5_1b_3->isVisible());
        QCOMPARE(m_form->IB_Label1->text(), u"Es befinden sich zur Zeit 3 Tankfüllungen im Speicher."_s);
        QCOMPARE(m_form->IB_LabelD2->text(), u"01.03.2005 bei KM 10.000"_s);
        QVERIFY(m_plattform->Toene.empty());
    }

    void fehlerErscheinenImRotenKasten_data()
    {
        QTest::addColumn<QString>("felder");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("text");
        QTest::newRow("KM abc") << u"abc"_s << 1
            << u"Der KM-Stand ist ungültig.\nDie eingegebene Zeichenkette stellt keine Zahl dar. "_s;
        QTest::newRow("KM 10.250") << u"10.250"_s << 1 << u"Der KM-Stand darf keine Nachkommastellen haben."_s;
        QTest::newRow("KM 0") << u"0"_s << 1
                              << u"Für den KM-Stand dürfen nur positive Zahlen\ngrößer 0 angegeben werden."_s;
        QTest::newRow("KM vorhanden") << u"10500"_s << 1
            << u"Der angegebene KM-Stand wurde schon einmal verwendet.\nBitte geben Sie einen neuen KM-Stand an."_s;
        QTest::newRow("31. April") << u"10600|31.04.2005"_s << 2
                                   << u"Der eingegebene Tag existiert im eingegebenen Monat nicht."_s;
        QTest::newRow("Datum xx") << u"10600|xx"_s << 2 << u"Die eigegebene Zeichenkette stellt kein Datum dar."_s;
        // The date stays empty: Enter must not move on to it past the error.
        QTest::newRow("Betrag 4000,01") << u"10600||Shell|4000,01"_s << 4
            << u"Der Betrag muß im Bereich von  'EUR 1.-' bis  'EUR 4.000.-'  angegeben werden."_s;
        QTest::newRow("Abschaltung 50 bei 45,3 L") << u"10600|02.02.2005|Shell|60|45,3|50"_s << 7
            << u"Die Literzahl ist ungültig.\nWenn nur 45,30L getankt wurden, kann die Säule nicht bei 50,00L "
               "abschalten."_s;
    }

    void fehlerErscheinenImRotenKasten()
    {
        QFETCH(QString, felder);
        QFETCH(int, feld);
        QFETCH(QString, text);
        bool *const ok[] = {nullptr, &KMStandOk, &DatumOk, nullptr, &BetragOk, nullptr, nullptr, &VollBeiOk};
        const char *const richtig[] = {"", "10600", "02.02.2005", "", "4000", "", "", "45,30"};
        DatenSetzen(2);
        Eingeben(felder);
        const auto andereFelder = [this] {
            QList<QImage> bilder;
            for (QLineEdit *e : P().findChildren<QLineEdit *>())
                if (e != QApplication::focusWidget())
                    bilder << e->grab().toImage();
            return bilder;
        };
        const QList<QImage> vorher = andereFelder();
        // Leaving the field and then Enter: the error shows, with one beep
        // each, the focus goes back and nothing is taken over. The field
        // that was left for shows no (second) cursor.
        for (int mal = 1; mal <= 2; ++mal) {
            mal == 1 ? Eingeben(u"|"_s) : Taste(Qt::Key_Return);
            QCOMPARE(Fehlertext(), u'\n' + text);
            QCOMPARE(Fokus(), P().Feld(feld));
            QVERIFY(!*ok[feld]);
            QCOMPARE(m_plattform->Toene, std::vector<int>(mal, 1));
            QVERIFY(andereFelder() == vorher);
        }
        QCOMPARE(AnzahlFuellungen(), 2);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Eingeben(QString::fromLatin1(richtig[feld]) + u'|');
        QCOMPARE(Fehlertext(), QString());
        QVERIFY(Fokus() != P().Feld(feld));
        QVERIFY(*ok[feld]);
    }

    // Enter leads to a field not visited yet. The station field starts with
    // a request that typing must replace, however the field is entered: by
    // Enter on the unvisited field, by Tab or by a click.
    void enterFuehrtZumUnbesuchtenFeld()
    {
        m_form->DatenNeuClick();
        Eingeben(u"10000|01.03.2005"_s);
        QTest::mouseClick(P().PE_Edit3, Qt::LeftButton);   // past the station
        Eingeben(u"50|40|"_s);
        QVERIFY(!TankstelleBesucht);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 0);
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(Fehlertext(), QString());
        QLineEdit *station = P().PE_CB1->lineEdit();
        QCOMPARE(station->selectedText(), u"Tankstelle angeben"_s);
        Tippen(u"Total Nord"_s);
        QCOMPARE(P().PE_CB1->currentText(), u"Total Nord"_s);
        Taste(Qt::Key_Backtab);
        Taste(Qt::Key_Tab);
        QCOMPARE(station->selectedText(), u"Total Nord"_s);
        QTest::mouseClick(P().PE_Edit3, Qt::LeftButton);
        QTest::mouseClick(station, Qt::LeftButton, {}, QPoint(4, station->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(station->selectedText(), u"Total Nord"_s);

        // An emptied station is accepted; an emptied date is no longer valid.
        for (int i = 0; i < 2; ++i) {
            Taste(Qt::Key_A, Qt::ControlModifier);
            Taste(Qt::Key_Backspace);
            Taste(Qt::Key_Backtab);
        }
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 0);
        QCOMPARE(Fokus(), P().PE_Edit2);
        Tippen(u"02.03.2005"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 1);
        QCOMPARE(Zeile(Fuellungen[0]), u"10000 02.03.2005 Tankstelle unbekannt -1 0 50 40 1 0 0 / 1250"_s);
    }

    // The station goes into the data file: characters code page 1252 lacks
    // (and control characters) are left out where they are typed, and the
    // red box says so once per input.
    void tankstelleNimmtNurSpeicherbareZeichen()
    {
        m_form->DatenNeuClick();
        Eingeben(u"10000|01.03.2005|"_s);
        QCOMPARE(Fokus(), P().PE_CB1);
        QApplication::clipboard()->setText(u"Łódź ✓"_s);
        Taste(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(P().PE_CB1->currentText(), u"ód "_s);
        QCOMPARE(Fehlertext(), u"\nDie Zeichen 'Ł', 'ź' und '✓' können nicht gespeichert werden und wurden "
                               u"weggelassen."_s);
        QCOMPARE(m_plattform->Toene, std::vector<int>{1});
        Taste(Qt::Key_Home);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, u"€"_s, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, u"Ω"_s, Qt::NoModifier);
        QCOMPARE(P().PE_CB1->currentText(), u"€ód "_s);
        QCOMPARE(P().PE_CB1->lineEdit()->cursorPosition(), 1);
        QCOMPARE(Fehlertext(), u"\nDas Zeichen 'Ω' kann nicht gespeichert werden und wurde weggelassen."_s);
        QCOMPARE(m_plattform->Toene, (std::vector<int>{1, 1}));
        // Leaving the field correctly takes the remark away.
        Eingeben(u"|50|40|"_s);
        QCOMPARE(Fehlertext(), QString());
        Taste(Qt::Key_Return);
        QCOMPARE(QString::fromStdString(Fuellungen[0].Tankstelle), u"€ód "_s);
    }

    // Esc drops an entry, error and all. A panel opened again starts a new
    // entry even when the window gets the focus back only after opening it:
    // its first field counts as entered, so leaving it checks it. The focus
    // coming back from a message box or from the station list's drop-down
    // is no entering of a field: nothing is checked, the field being typed
    // in keeps its text and no error shows.
    void fokusZurueckAusFensterKastenUndListe()
    {
        DatenSetzen(2);
        Eingeben(u"abc|"_s);
        QVERIFY(m_form->FehlerBox1->isVisible());
        Taste(Qt::Key_Escape);
        QVERIFY(!P().isVisible() && !m_form->FehlerBox1->isVisible() && !m_form->MP_5_1b_3->isVisible());
        QCOMPARE(AnzahlFuellungen(), 2);
        QWidget anderes;
        anderes.show();
        QVERIFY(Aktivieren(&anderes));
        m_form->SpeedButton3->click();
        QVERIFY(Aktivieren(m_form.get()));
        QCOMPARE(Fokus(), P().PE_Edit1);
        QCOMPARE(P().PE_Edit1->text(), QString());

        Tippen(u"abc"_s);
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, this, [] {
            auto *kasten = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(kasten && Aktivieren(kasten));
            kasten->buttons().constFirst()->click();
        });
        m_form->MP_5_2->trigger();   // "Info" in a real box
        QVERIFY(Aktivieren(m_form.get()));
        QCOMPARE(Fokus(), P().PE_Edit1);
        QCOMPARE(Fehlertext(), QString());
        QCOMPARE(P().PE_Edit1->text(), u"abc"_s);
        QCOMPARE(int(m_form->AktuellesFeld), 1);
        Eingeben(u"|"_s);
        QVERIFY(Fehlertext().startsWith(u"\nDer KM-Stand ist ungültig."_s));
        QCOMPARE(Fokus(), P().PE_Edit1);

        // Into the station field, then a station from its list.
        Taste(Qt::Key_A, Qt::ControlModifier);
        Eingeben(u"10600|02.02.2005|"_s);
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(int(m_form->VorigesFeld) * 10 + m_form->AktuellesFeld, 23);
        Taste(Qt::Key_F4);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(P().PE_CB1->view(), Qt::Key_Down);
        QTest::keyClick(P().PE_CB1->view(), Qt::Key_Return);
        QTRY_VERIFY(!QApplication::activePopupWidget());   // after the chosen entry flashed
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(P().PE_CB1->currentText(), u"Jet"_s);
        QCOMPARE(int(m_form->VorigesFeld) * 10 + m_form->AktuellesFeld, 23);
        QVERIFY(KMStandOk && DatumOk && !TankstelleBesucht);
    }

    void hoechstens6000Tankfuellungen()
    {
        DatenSetzen(5999);
        QCOMPARE(P().PE_Label1->text(), u"Eingabe der 6.000. Tankfüllung"_s);
        TQtPlattform::NaechsteAntwort(mrOk);
        Eingeben(u"3500000|02.01.2005||50|40|"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 6000);
        QCOMPARE(Fuellungen.back().KMStand, 3500000);
        QVERIFY(!P().isVisible());
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::MaximaleFuellungen});
        QCOMPARE(TQtPlattform::GezeigteMeldungen()[0].Text, MeldungBauen(N::MaximaleFuellungen, {"6.000"}).Text);
        QCOMPARE(m_form->IB_Label1->text(), u"Es befinden sich zur Zeit 6.000 Tankfüllungen im Speicher."_s);
    }
};

QTEST_MAIN(PanelEingabeTest)
#include "PanelEingabeTest.moc"
