// The entry panel, typed into like a user: Tab from field to field, Enter to
// take a fill-up over, Esc to cancel.
#include "Oberflaeche.h"
#include "Feldpruefung.h"
#include "PanelEingabe.h"
#include "QtPlattform.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;

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

void Tippen(const QString &text) { QTest::keyClicks(QApplication::focusWidget(), text); }
void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), taste, mod);
}

// The messages shown so far, each as "code/help/kind/buttons text".
QStringList Meldungen()
{
    QStringList texte;
    for (const TMeldung &m : TQtPlattform::GezeigteMeldungen())
        texte << u"%1/%2/%3/%4 "_s.arg(m.Code).arg(m.Hilfe).arg(int(m.Art)).arg(m.Knoepfe)
                     + QString::fromStdString(m.Text);
    return texte;
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
        Gespeichert = WarnTonAn = false;
        Kennzeichen = "SI-AB 123";
        DateiName = "/daten/AUTO.SPR";
        Tankinhalt = 50;
        Festverbrauch = 7;
        const QString frage = u"8107/8107/%1/%2 Die im Arbeitsspeicher befindlichen Daten sind noch nicht "
                              "gespeichert.\rDurch das Eingeben neuer Daten werden die 'alten' automatisch "
                              "gelöscht.\r\rMöchten Sie die Daten vorher speichern?"_s.arg(int(TKastenArt::Warnung))
                                  .arg(KnopfJa | KnopfNein | KnopfHilfe);
        for (int antwort : {mrYes, mrNo}) {
            TQtPlattform::NaechsteAntwort(antwort);
            m_form->SpeedButton2->click();
            const int n = antwort == mrYes ? 1 : 2;
            QCOMPARE(Meldungen(), QStringList(n, frage));
            QCOMPARE(m_plattform->Toene, std::vector<int>(n, 3));   // although sounds are off
            // plate|file|tank|consumption|fill-ups|data present, saved, panel open
            QCOMPARE(QString::fromStdString(Kennzeichen + '|' + DateiName)
                         + u"|%1|%2|%3|%4%5%6"_s.arg(double(Tankinhalt)).arg(double(Festverbrauch))
                               .arg(AnzahlFuellungen()).arg(DatenVorhanden).arg(Gespeichert).arg(P().isVisible()),
                     antwort == mrYes ? u"SI-AB 123|/daten/AUTO.SPR|50|7|2|100"_s : u"||0|0|0|011"_s);
        }
        QCOMPARE(m_form->IB_Label3->text(), u"Es wurden noch keine Daten eingegeben."_s);
        QCOMPARE(Fokus(), P().PE_Edit1);

        TPanelEingabe &p = P();
        QStringList texte{p.PE_Label1->text(), p.PE_CB1->currentText(), p.PE_CB1->itemText(2), p.PE_CB2->itemText(0),
                          QString::number(p.PE_CB2->count())};
        for (QLabel *l : p.findChildren<QLabel *>())
            if (QWidget *f = l->buddy())
                texte << l->text() + u'|' + f->toolTip() + u'|'
                             + (f == p.PE_CB1 ? p.PE_CB1->lineEdit() : f)->property("maxLength").toString();
        QCOMPARE(texte, (QStringList{u"Eingabe der 1. Tankfüllung"_s, u"Tankstelle angeben"_s, u"Shell"_s, u"EUR"_s,
                                     u"1"_s, u"KM-&Stand :|Eingabe des KM-Stades|8"_s,
                                     u"&Datum :|Datum der Tankfüllung|10"_s,
                                     u"Name der &Tankstelle :|Tankstelle angeben oder aus Liste wählen|40"_s,
                                     u"Bezahlter &Betrag :|Gezahlter Betrag in Euro|8"_s,
                                     u"Getankte &Literzahl :|Getankte Literzahl|8"_s,
                                     u"&Vollgetankt bei Liter :|Wann hat die Säule abgeschalten ?|8"_s}));
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
        p.PE_CB2->activated(0);
        QCOMPARE(p.PE_Edit3->toolTip(), u"Gezahlter Betrag in EUR"_s);
        m_form->ErweitereDaten();
        QCOMPARE(p.PE_Edit3->toolTip(), u"Gezahlter Betrag in Euro"_s);
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
        // Leaving the field and then Enter: the error shows, with one beep
        // each, the focus stays and nothing is taken over.
        for (int mal = 1; mal <= 2; ++mal) {
            mal == 1 ? Eingeben(u"|"_s) : Taste(Qt::Key_Return);
            QCOMPARE(Fehlertext(), u'\n' + text);
            QCOMPARE(Fokus(), P().Feld(feld));
            QVERIFY(!*ok[feld]);
            QCOMPARE(m_plattform->Toene, std::vector<int>(mal, 1));
        }
        QCOMPARE(AnzahlFuellungen(), 2);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Eingeben(QString::fromLatin1(richtig[feld]) + u'|');
        QCOMPARE(Fehlertext(), QString());
        QVERIFY(Fokus() != P().Feld(feld));
        QVERIFY(*ok[feld]);
    }

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

        // Esc drops the next one, error and all.
        Eingeben(u"abc|"_s);
        QVERIFY(m_form->FehlerBox1->isVisible());
        Taste(Qt::Key_Escape);
        QVERIFY(!P().isVisible() && !m_form->FehlerBox1->isVisible() && !m_form->MP_5_1b_3->isVisible());
        QCOMPARE(AnzahlFuellungen(), 1);
        m_form->SpeedButton3->click();
        QCOMPARE(P().PE_Edit1->text(), QString());
    }

    // The station field starts with a request that typing must replace,
    // however the field is entered: by Enter on the unvisited field, by Tab
    // or by a click.
    void tankstelleWirdBeimBetretenGanzGewaehlt()
    {
        m_form->DatenNeuClick();
        Eingeben(u"10000|01.03.2005"_s);
        QTest::mouseClick(P().PE_Edit3, Qt::LeftButton);   // past the station
        Eingeben(u"50|40|"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(P().PE_CB1->lineEdit()->selectedText(), u"Tankstelle angeben"_s);
        Tippen(u"Total Nord"_s);
        QCOMPARE(P().PE_CB1->currentText(), u"Total Nord"_s);

        Taste(Qt::Key_Backtab);
        Taste(Qt::Key_Tab);
        QCOMPARE(P().PE_CB1->lineEdit()->selectedText(), u"Total Nord"_s);
        QTest::mouseClick(P().PE_Edit3, Qt::LeftButton);
        QLineEdit *station = P().PE_CB1->lineEdit();
        QTest::mouseClick(station, Qt::LeftButton, {}, QPoint(4, station->height() / 2));
        QCoreApplication::processEvents();
        QCOMPARE(Fokus(), P().PE_CB1);
        QCOMPARE(station->selectedText(), u"Total Nord"_s);
        Tippen(u"Jet"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 1);
        QCOMPARE(QString::fromStdString(Fuellungen[0].Tankstelle), u"Jet"_s);
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

    // After an error the focus goes back to the faulty field; the field
    // that was left for must not show a (second) cursor. The cursor does
    // not blink here, so one drawn shows in every picture.
    void nurDasFokussierteFeldHatEineSchreibmarke()
    {
        const int blinken = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0);
        const auto zurueck = qScopeGuard([blinken] { QApplication::setCursorFlashTime(blinken); });
        DatenSetzen(2);
        const QImage datum = P().PE_Edit2->grab().toImage(), station = P().PE_CB1->grab().toImage();
        Eingeben(u"abc|"_s);
        QCOMPARE(Fokus(), P().PE_Edit1);
        QVERIFY(m_form->FehlerBox1->isVisible());
        QCOMPARE(P().PE_Edit2->grab().toImage(), datum);
        Taste(Qt::Key_A, Qt::ControlModifier);
        Eingeben(u"10600|xx|"_s);
        QCOMPARE(Fokus(), P().PE_Edit2);
        QCOMPARE(P().PE_CB1->grab().toImage(), station);
    }

    // The focus coming back from a message box or from the station list's
    // drop-down is no entering of a field: nothing is checked, the field
    // being typed in keeps its text and no error shows.
    void fokusZurueckAusKastenUndListe()
    {
        DatenSetzen(2);
        Tippen(u"abc"_s);
        TQtPlattform::FensterErwarten();
        QTimer::singleShot(0, this, [] {
            auto *kasten = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(kasten);
            QApplication::setActiveWindow(kasten);
            QVERIFY(QTest::qWaitForWindowActive(kasten));
            kasten->buttons().constFirst()->click();
        });
        m_form->MP_5_2->trigger();   // "Info" in a real box
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(Fokus(), P().PE_Edit1);
        QCOMPARE(Fehlertext(), QString());
        QCOMPARE(P().PE_Edit1->text(), u"abc"_s);
        QCOMPARE(int(m_form->AktuellesFeld), 1);

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

    // A panel closed and opened again starts a new entry even when the
    // window gets the focus back only after opening it: its first field
    // counts as entered, so leaving it checks it.
    void wiederGeoeffnetesPanelBetrittDasErsteFeld()
    {
        DatenSetzen(2);
        QCOMPARE(Fokus(), P().PE_Edit1);
        Taste(Qt::Key_Escape);
        QVERIFY(!P().isVisible());

        QWidget anderes;
        anderes.show();
        QApplication::setActiveWindow(&anderes);
        QVERIFY(QTest::qWaitForWindowActive(&anderes));
        m_form->SpeedButton3->click();
        QApplication::setActiveWindow(m_form.get());
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QCOMPARE(Fokus(), P().PE_Edit1);
        Eingeben(u"abc|"_s);
        QCOMPARE(Fehlertext(), u"\nDer KM-Stand ist ungültig.\nDie eingegebene Zeichenkette stellt keine Zahl dar. "_s);
        QCOMPARE(Fokus(), P().PE_Edit1);
    }

    void hoechstens6000Tankfuellungen()
    {
        DatenSetzen(5999);
        QCOMPARE(P().PE_Label1->text(), u"Eingabe der 6.000. Tankfüllung"_s);
        WarnTonAn = false;
        TQtPlattform::NaechsteAntwort(mrOk);
        Eingeben(u"3500000|02.01.2005||50|40|"_s);
        Taste(Qt::Key_Return);
        QCOMPARE(AnzahlFuellungen(), 6000);
        QCOMPARE(Fuellungen.back().KMStand, 3500000);
        QVERIFY(!P().isVisible());
        QCOMPARE(Meldungen(), QStringList{u"8203/8203/%1/%2 Es wurde die maximale Anzahl von Tankfüllungen (6.000) "
                                          "eingegeben.\r\rDie Daten können nicht mehr erweitert werden.\r\r"
                                          "Code : 8203"_s.arg(int(TKastenArt::Information)).arg(KnopfOK | KnopfHilfe)});
        QCOMPARE(m_plattform->Toene, std::vector<int>{2});
        QCOMPARE(m_form->IB_Label1->text(), u"Es befinden sich zur Zeit 6.000 Tankfüllungen im Speicher."_s);
    }
};

QTEST_MAIN(PanelEingabeTest)
#include "PanelEingabeTest.moc"
