// The fill-up list window: its table, the change panel, deleting, the view
// of a selection with its sorting and summary, and the main window's
// commands that open it. The window is modal; each test acts in it from a
// timer once it shows.
#include "Oberflaeche.h"
#include "Feldpruefung.h"
#include "Hilfe.h"
#include "Zusatz1.h"
#include "browse/Auswahl.h"
#include "browse/Fuellungsliste.h"
#include "browse/Fuellungstabelle.h"
#include "browse/PanelTankAnsicht.h"
#include "browse/Sprilo_2.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

// n fill-ups at KM 10000, 10500, ... on one day, so that any order of the
// odometer readings is consistent; amounts 50,00 51,00 ..., 40 litres.
void ZehnGleicheTage(int n = 10)
{
    ListeLoeschen(Fuellungen);
    const char *stationen[] = {"Aral", "Jet", "Shell", "Tankhof Nord"};
    for (int i = 0; i < n; ++i)
        Fuellungen.push_back(Eintrag(10000 + 500 * i, "01.03.2005", stationen[i % 4],
                                     std::to_string(50 + i).c_str(), "40", i % 2 ? nullptr : "38"));
    DatenVorhanden = true;
    Gespeichert = true;
    Kennzeichen = "SI-AB 1";
}

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

QString Koepfe(const TForm2 &f)
{
    QStringList koepfe;
    for (int s = 0; s < f.Modell->columnCount(); ++s)
        koepfe << f.Modell->headerData(s, Qt::Horizontal).toString();
    return koepfe.join(u'|');
}

// The odometer readings of the table's rows, in row order.
QString KMFolge(const TForm2 &f)
{
    QStringList km;
    for (int z = 1; z <= f.Modell->rowCount(); ++z)
        km << f.Modell->index(z - 1, f.Modell->Spalte(1)).data().toString().trimmed();
    return km.join(u' ');
}

QWidget *Fokus()
{
    QWidget *w = QApplication::focusWidget();
    return w && qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget() : w;
}

} // namespace

class Form2Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    bool m_gelaufen = false;

    // Runs schritte in the list window as soon as it shows (ImModalenFenster).
    void ImFenster(std::function<void(TForm2 &)> schritte)
    {
        ImModalenFenster<TForm2>(this, m_gelaufen, std::move(schritte));
    }

    // The view of the fill-ups of all years, chosen and sorted as the
    // other settings say.
    void Ansehen(std::function<void(TForm2 &)> schritte)
    {
        JahresAuswahl = 4;
        AuswahlBilden();
        ImFenster(std::move(schritte));
        Form2Holen(m_form.get())->AnsehenOeffnen();
        QVERIFY(m_gelaufen);
    }

    void Aendern(std::function<void(TForm2 &)> schritte)
    {
        ImFenster(std::move(schritte));
        m_form->MP_3_2Click();
        QVERIFY(m_gelaufen);
    }

    void Loeschen(std::function<void(TForm2 &)> schritte)
    {
        ImFenster(std::move(schritte));
        m_form->MP_3_3Click();
        QVERIFY(m_gelaufen);
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

    // ---- the table ------------------------------------------------------------

    // The columns and cells of a row, the row counter by click and keys, and
    // the status light; inconsistent data add the mark column and open at
    // the first offending row, seven rows below the top.
    void tabelleZeigtDieFuellungenUndDieLogischenFehler()
    {
        ZehnGleicheTage(40);
        Fuellungen[2] = Eintrag(11000, "02.03.2005", "Esso Süd", "123,45", "61,07", "59,2");
        bool logisch = true;
        Gespeichert = false;

        // Fill-ups 13 and 14 dated the wrong way round, found last.
        Fuellungen[12].Datum = {2, 3, 2005};
        ListeOrdnen(Fuellungen, logisch);
        DatenLogisch = logisch;
        QCOMPARE(FehlerNr1 * 100 + FehlerNr2, 1314);
        Aendern([](TForm2 &f) {
            QCOMPARE(f.windowTitle(), u"Daten ändern  [Sprilo - Programm]"_s);
            QCOMPARE(Koepfe(f), u" !|  Datum| KM-Stand|Tankstelle|  Betrag|Literpreis| Liter|Voll| voll bei"_s);
            QCOMPARE(Zeile(f, 3), u"|02.03.2005|    11.000|Esso Süd|EUR   123,45|2.02,1 EUR/l|   61,07L|"
                                  " JA|   59,20L"_s);
            QCOMPARE(Zeile(f, 2), u"|01.03.2005|    10.500|Jet|EUR    51,00|1.27,5 EUR/l|   40,00L|NEIN|----"_s);
            QStringList markiert;
            for (int z = 1; z <= 40; ++z)
                if (!f.Modell->index(z - 1, 0).data().toString().isEmpty())
                    markiert << QString::number(z) + f.Modell->index(z - 1, 0).data().toString();
            QCOMPARE(markiert.join(u' '), u"13=> 14=>"_s);
            QVERIFY(f.LP1_Label1->isVisible());
            QCOMPARE(f.GewaehlteZeile(), 13);
            QCOMPARE(f.ObersteZeile(), 6);
            QCOMPARE(f.LabelNr1->text(), u"13 / 40"_s);
            QCOMPARE(Farbe(f.LP1_Label3b), 0xFF0000u);
            QCOMPARE(Fokus(), f.Tabelle1);
            // Every text in its column as a whole.
            for (int s = 1; s < f.Modell->columnCount(); ++s)
                QVERIFY2(f.Tabelle1->columnWidth(s)
                             >= f.Tabelle1->fontMetrics().horizontalAdvance(Zeile(f, 3).split(u'|')[s].trimmed()),
                         qPrintable(QString::number(s)));
        });
        QVERIFY(!m_form->FehlerLabel2->isHidden());

        // Consistent again: no mark column, row 1 chosen at the top; keys and
        // clicks move the counter.
        Fuellungen[12].Datum = {1, 3, 2005};
        Fuellungen[2] = Eintrag(11000, "01.03.2005", "Aral", "50", "40", "38");
        ListeOrdnen(Fuellungen, logisch);
        DatenLogisch = logisch;
        QVERIFY(DatenLogisch);
        Aendern([](TForm2 &f) {
            QCOMPARE(Koepfe(f), u"  Datum| KM-Stand|Tankstelle|  Betrag|Literpreis| Liter|Voll| voll bei"_s);
            QVERIFY(!f.LP1_Label1->isVisible());
            QCOMPARE(f.LabelNr1->text(), u"1 / 40"_s);
            QCOMPARE(f.ObersteZeile(), 1);
            QCOMPARE(Farbe(f.LP1_Label3b), 0xFFFF00u);
            QTest::keyClick(f.Tabelle1, Qt::Key_Down);
            QTest::keyClick(f.Tabelle1, Qt::Key_Down);
            QCOMPARE(f.LabelNr1->text(), u"3 / 40"_s);
            QTest::mouseClick(f.Tabelle1->viewport(), Qt::LeftButton, {},
                              f.Tabelle1->visualRect(f.Modell->index(4, 2)).center());
            QCOMPARE(f.LabelNr1->text(), u"5 / 40"_s);
            QCOMPARE(f.Tabelle1->selectionModel()->selectedRows().size(), 1);
        });
    }

    // ---- change -----------------------------------------------------------------

    // A double click opens the change panel with the fill-up's values; a
    // changed odometer reading with two digits swapped moves the fill-up
    // to the end, where the table then marks it. The data count as unsaved,
    // and the main window comes back with its status rewritten.
    void aenderungVerschiebtDieFuellung()
    {
        ZehnGleicheTage();
        Aendern([this](TForm2 &f) {
            QVERIFY(!m_form->isVisible() && !m_form->isEnabled());
            QCOMPARE(HilfeKontext(&f), 310);
            QCOMPARE(HilfeKontext(f.HMP1) * 1000 + HilfeKontext(f.HMP4), 311311);
            const QRect zeile2 = f.Tabelle1->visualRect(f.Modell->index(1, 0));
            QTest::mouseClick(f.Tabelle1->viewport(), Qt::LeftButton, {}, zeile2.center());
            QTest::mouseDClick(f.Tabelle1->viewport(), Qt::LeftButton, {}, zeile2.center());
            QVERIFY(f.PanelAendern->isVisible());
            QCOMPARE(HilfeKontext(f.PA_Edit1), 315);
            QCOMPARE(f.PA_Label1->text(), u"Änderung der 2. Tankfüllung"_s);
            QStringList felder;
            for (QLineEdit *e : {f.PA_Edit1, f.PA_Edit2, f.PA_Edit3, f.PA_Edit4, f.PA_Edit5})
                felder << e->text();
            felder << f.PA_CB1->currentText() << QString::number(f.PA_CB1->currentIndex()) << f.PA_CB2->currentText();
            QCOMPARE(felder.join(u'|'), u"10500|01.03.2005|51,00|40,00||Jet|1|EUR"_s);
            QVERIFY(f.PA_RB2->isChecked() && !f.PA_Label8->isEnabled());
            QVERIFY(!f.Tabelle1->isEnabled() && !f.Aend_B1->isEnabled() && !f.EndeButton->isEnabled()
                    && !f.HilfeButton->isEnabled() && !f.HMP1->menuAction()->isEnabled());
            QCOMPARE(Fokus(), f.PA_Edit1);
            QCOMPARE(f.PA_Edit1->selectedText(), u"10500"_s);
            // "Ja" offers the litres as the shut-off value.
            f.PA_RB1->click();
            QCOMPARE(f.PA_Edit5->text(), u"40,00"_s);
            QVERIFY(f.PA_Label8->isEnabled());

            f.PA_Edit1->setFocus();
            QTest::keyClicks(f.PA_Edit1, u"15000"_s);
            TQtPlattform::NaechsteAntwort(mrYes);
            QTest::keyClick(f.PA_Edit1, Qt::Key_Return);
            QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::AenderungUebernehmen});
            QVERIFY(!f.PanelAendern->isVisible() && f.Tabelle1->isEnabled() && f.EndeButton->isEnabled());
            QCOMPARE(KMFolge(f), u"10.000 11.000 11.500 12.000 12.500 13.000 13.500 14.000 14.500 15.000"_s);
            QCOMPARE(f.GewaehlteZeile(), 10);
            QCOMPARE(f.LabelNr1->text(), u"10 / 10"_s);
            QCOMPARE(Zeile(f, 10), u"01.03.2005|    15.000|Jet|EUR    51,00|1.27,5 EUR/l|   40,00L| JA|   40,00L"_s);
            QCOMPARE(Farbe(f.LP1_Label3b), 0xFFFF00u);
            QCOMPARE(Fokus(), f.Tabelle1);
            QTest::keyClick(f.Tabelle1, Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(!Gespeichert && DatenLogisch);
        QCOMPARE(Fuellungen[9].KMStand, 15000);
        QCOMPARE(double(Fuellungen[9].LiterNachAbschaltung), 0.0);
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QCOMPARE(m_form->IB_Label4->text(), u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s);
        QCOMPARE(m_form->IB_LabelD2->text(), u"01.03.2005 bei KM 15.000"_s);
        QCOMPARE(m_plattform->Toene, std::vector<int>{3});
    }

    // Whatever the user answers to the question, and when nothing changed,
    // when no question comes at all.
    void aenderungsFrage_data()
    {
        QTest::addColumn<QString>("km");      // typed into PA_Edit1; empty: nothing changed
        QTest::addColumn<int>("antwort");     // 0: no question expected
        QTest::addColumn<bool>("offen");
        QTest::addColumn<int>("neuerStand");  // KM of fill-up 2 afterwards
        QTest::newRow("nichts geändert") << QString() << 0 << false << 10500;
        QTest::newRow("Nein") << u"10600"_s << mrNo << false << 10500;
        QTest::newRow("Abbrechen") << u"10600"_s << mrAbort << true << 10500;
        QTest::newRow("Ja") << u"10600"_s << mrYes << false << 10600;
    }

    void aenderungsFrage()
    {
        QFETCH(QString, km);
        QFETCH(int, antwort);
        QFETCH(bool, offen);
        QFETCH(int, neuerStand);
        ZehnGleicheTage();
        Aendern([&](TForm2 &f) {
            ZeileWaehlen(f, 2);
            f.Aend_B1->click();
            if (!km.isEmpty())
                QTest::keyClicks(f.PA_Edit1, km);
            if (antwort)
                TQtPlattform::NaechsteAntwort(antwort);
            f.PA_Button1->click();
            QCOMPARE(GezeigteMeldungsNr(), antwort ? QList<N>{N::AenderungUebernehmen} : QList<N>{});
            QCOMPARE(f.PanelAendern->isVisible(), offen);
            QCOMPARE(f.Tabelle1->isEnabled(), !offen);
            if (offen) {
                // The typed values stay for more changes.
                QCOMPARE(f.PA_Edit1->text(), km);
                QCOMPARE(f.PA_Edit3->text(), u"51,00"_s);
                QVERIFY(!f.F_Panel1->isVisible());
                f.PA_Button2->click();
                QVERIFY(!f.PanelAendern->isVisible());
            }
            QCOMPARE(f.GewaehlteZeile(), antwort == mrYes ? 2 : 1);
        });
        QCOMPARE(Fuellungen[1].KMStand, neuerStand);
        QCOMPARE(Gespeichert, antwort != mrYes);
        QCOMPARE(int(TQtPlattform::GezeigteMeldungen().size()), antwort ? 1 : 0);
    }

    // A faulty field shows its error in red, beeps and takes the focus;
    // with several, the one nearest the top of the panel is reported.
    // Nothing is asked and nothing changes.
    void fehlerhafteFelder_data()
    {
        QTest::addColumn<QStringList>("eingaben");   // "field=text"
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        QTest::newRow("KM einer anderen Füllung") << QStringList{u"PA_Edit1=11000"_s} << u"PA_Edit1"_s
            << u"\nDer angegebene KM-Stand wurde schon einmal verwendet.\nBitte geben Sie einen neuen KM-Stand an."_s;
        QTest::newRow("Betrag über 4000") << QStringList{u"PA_Edit3=4000,01"_s} << u"PA_Edit3"_s
            << u"\nDer Betrag muß im Bereich von  'EUR 1.-' bis  'EUR 4.000.-'  angegeben werden."_s;
        QTest::newRow("Liter 0") << QStringList{u"PA_Edit4=0"_s} << u"PA_Edit4"_s
            << u"\nDie Literzahl ist ungültig.\nBitte geben Sie nur positive Zahlen größer '0' an."_s;
        QTest::newRow("Abschaltung xy") << QStringList{u"PA_Edit5=xy"_s} << u"PA_Edit5"_s
            << u"\nDie Literzahl ist ungültig.\nDie eingegebene Zeichenkette stellt keine Zahl dar. "_s;
        QTest::newRow("Datum und Liter: das Datum") << QStringList{u"PA_Edit4=0"_s, u"PA_Edit2=1.13.2005"_s}
            << u"PA_Edit2"_s << u"\nDer Monat muß zwischen '1' und '12' liegen. \nAndere Monate sind unlogisch."_s;
        QTest::newRow("alle: der KM-Stand") << QStringList{u"PA_Edit5=xy"_s, u"PA_Edit3=x"_s, u"PA_Edit1=0"_s}
            << u"PA_Edit1"_s << u"\nFür den KM-Stand dürfen nur positive Zahlen\ngrößer 0 angegeben werden."_s;
    }

    void fehlerhafteFelder()
    {
        QFETCH(QStringList, eingaben);
        QFETCH(QString, feld);
        QFETCH(QString, text);
        ZehnGleicheTage();
        const TTankListe vorher = Fuellungen;
        Aendern([&](TForm2 &f) {
            f.Aend_B1->click();
            for (const QString &e : eingaben) {
                auto *edit = f.findChild<QLineEdit *>(e.section(u'=', 0, 0));
                QVERIFY(edit);
                edit->setFocus();
                QTest::keyClicks(edit, e.section(u'=', 1));
            }
            for (int mal = 1; mal <= 2; ++mal) {
                f.PA_Edit1->setFocus();   // wherever it was
                f.PA_Button1->click();
                QVERIFY(f.F_Panel1->isVisible() && f.PanelAendern->isVisible());
                QCOMPARE(f.F_Label1->text(), text);
                QCOMPARE(Farbe(f.F_Panel1), 0xFF0000u);
                QCOMPARE(Fokus()->objectName(), feld);
                QCOMPARE(m_plattform->Toene, std::vector<int>(mal, 1));
            }
            QVERIFY(!f.Tabelle1->isEnabled());
            f.PA_Button2->click();
            QVERIFY(!f.F_Panel1->isVisible() && !f.PanelAendern->isVisible());
        });
        QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
        QVERIFY(Gespeichert);
        QCOMPARE(Fuellungen.size(), vorher.size());
        for (size_t i = 0; i < vorher.size(); ++i)
            QVERIFY(!DatensatzVerschieden(Fuellungen[i], vorher[i]));
    }

    // A shut-off value above the litres: a yellow notice, the value set to
    // the litres, and the focus there. The next press takes the change.
    void abschaltwertUeberDenLitern()
    {
        ZehnGleicheTage();
        Aendern([](TForm2 &f) {
            f.Aend_B1->click();
            QCOMPARE(f.PA_Edit5->text(), u"38,00"_s);
            f.PA_Edit4->setText(u"45,3"_s);
            f.PA_Edit5->setText(u"50"_s);
            f.PA_Button1->click();
            QCOMPARE(f.F_Label1->text(), u"Die Literzahl ist ungültig.\nWenn nur 45,30L getankt wurden, kann die Säule "
                                         "nicht bei 50,00L abschalten.\nDie Abschalt-Literzahl wurde auf das maximum "
                                         "gesetzt."_s);
            QCOMPARE(Farbe(f.F_Panel1), 0xFFFF00u);
            QCOMPARE(Farbe(f.F_Label1, QPalette::WindowText), 0x000000u);
            QCOMPARE(f.PA_Edit5->text(), u"45,3"_s);
            QCOMPARE(Fokus(), f.PA_Edit5);
            QVERIFY(TQtPlattform::GezeigteMeldungen().empty());
            TQtPlattform::NaechsteAntwort(mrYes);
            f.PA_Button1->click();
            QVERIFY(!f.PanelAendern->isVisible());
        });
        QCOMPARE(double(Fuellungen[0].Liter), 45.3);
        QCOMPARE(double(Fuellungen[0].LiterNachAbschaltung), 0.0);
        QCOMPARE(m_plattform->Toene, (std::vector<int>{1, 3}));
    }

    // ---- delete -----------------------------------------------------------------

    // Deleting fill-up 5 of 10: the later ones move up a number, the data
    // are unsaved. No keeps everything and the marked row.
    void loeschenRuecktNach()
    {
        ZehnGleicheTage();
        Loeschen([](TForm2 &f) {
            QCOMPARE(f.windowTitle(), u"Daten löschen  [Sprilo - Programm]"_s);
            QVERIFY(f.Del_B1->isVisible() && !f.Aend_B1->isVisible() && f.MP1_2->isVisible()
                    && !f.MP1_1->isVisible() && !f.HMP2->menuAction()->isVisible());
            ZeileWaehlen(f, 5);
            TQtPlattform::NaechsteAntwort(mrNo);
            f.Del_B1->click();
            QCOMPARE(f.Modell->rowCount(), 10);
            QCOMPARE(f.GewaehlteZeile(), 5);
            QVERIFY(f.Del_B1->isEnabled() && f.EndeButton->isEnabled() && f.HilfeButton->isEnabled());

            TQtPlattform::NaechsteAntwort(mrYes);
            QTest::keyClick(f.Tabelle1, Qt::Key_Return);   // the default button
            QCOMPARE(KMFolge(f), u"10.000 10.500 11.000 11.500 12.500 13.000 13.500 14.000 14.500"_s);
            QCOMPARE(f.LabelNr1->text(), u"1 / 9"_s);
            QCOMPARE(Farbe(f.LP1_Label3b), 0xFFFF00u);
            QVERIFY(f.Del_B1->isEnabled() && f.EndeButton->isEnabled());
            // The close box closes the window, and only the window: the main
            // window is hidden, but the program must go on. (Qt ends it only
            // from the application's own loop, which tests do not run; what
            // decides is the window's flag.)
            QVERIFY(!f.testAttribute(Qt::WA_QuitOnClose));
            f.close();
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::DatensatzLoeschen, N::DatensatzLoeschen}));
        QCOMPARE(AnzahlFuellungen(), 9);
        QCOMPARE(Fuellungen[4].KMStand, 12500);
        QVERIFY(!Gespeichert);
        QCOMPARE(m_form->IB_Label1->text(), u"Es befinden sich zur Zeit 9 Tankfüllungen im Speicher."_s);
    }

    // Deleting the only fill-up deletes the vehicle's data: message 8207,
    // and the window closes.
    void einzigeFuellungLoeschen()
    {
        ZehnGleicheTage(1);
        Loeschen([](TForm2 &f) {
            TQtPlattform::NaechsteAntwort(mrYes);
            TQtPlattform::NaechsteAntwort(mrOk);
            f.Del_B1->click();
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::DatensatzLoeschen, N::AlleDatenGeloescht}));
        QVERIFY(Fuellungen.empty() && !DatenVorhanden);
        QVERIFY(m_form->isVisible() && m_form->isEnabled());
        QCOMPARE(m_form->IB_Label3->text(), u"Es wurden noch keine Daten eingegeben."_s);
        QVERIFY(!m_form->MP_3_3->isEnabled());
        QCOMPARE(m_plattform->Toene, (std::vector<int>{3, 2}));
    }

    // ---- view -------------------------------------------------------------------

    // The rows are numbered 1..n in the order of the sort; the same sort
    // button twice sorts once; reversed is exactly backwards; the headings
    // and the menu follow the buttons, and so does the summary.
    void ansehenSortiert()
    {
        ZehnGleicheTage(6);
        // Amounts 52 50 52 51 50 52: equal amounts by odometer.
        const int betraege[] = {52, 50, 52, 51, 50, 52}, liter[] = {40, 41, 40, 40, 40, 39};
        for (int i = 0; i < 6; ++i) {
            Fuellungen[i].Betrag = betraege[i];
            Fuellungen[i].Liter = liter[i];
            Fuellungen[i].LiterPreis = LiterPreisBerechnen(betraege[i], Fuellungen[i].Liter);
        }
        FuellungsSortierung = 1;
        FuellungenUmgekehrt = false;
        Ansehen([this](TForm2 &f) {
            QCOMPARE(f.windowTitle(), u"Daten ansehen  [Sprilo - Programm]"_s);
            QCOMPARE(HilfeKontext(&f), 330);
            QCOMPARE(f.LP2_Label1->text(), u"Alle Tankstellen aus allen Jahren."_s);
            QCOMPARE(f.LP2_Label2->text(), u"Aufsteigend sortiert nach Datum."_s);
            QVERIFY(f.SpeedButton1->isChecked() && f.MP2_1->isChecked() && !f.SpeedButton5->isChecked());
            QVERIFY(f.LabelPanel2->isVisible() && !f.LabelPanel1->isVisible() && f.Dat_Neu->isVisible()
                    && f.HMP2->menuAction()->isVisible() && f.HMP3->isVisible() && !f.MP1_1->isVisible());
            QCOMPARE(KMFolge(f), u"10.000 10.500 11.000 11.500 12.000 12.500"_s);
            QSignalSpy neu(f.Modell, &QAbstractItemModel::modelReset);

            f.SpeedButton2->click();
            QCOMPARE(neu.count(), 1);
            QCOMPARE(FuellungsSortierung, 2);
            QCOMPARE(KMFolge(f), u"10.500 12.000 11.500 10.000 11.000 12.500"_s);
            QCOMPARE(f.LP2_Label2->text(), u"Aufsteigend sortiert nach Betrag"_s);
            QVERIFY(f.MP2_2->isChecked() && !f.SpeedButton1->isChecked() && !f.SortInfo->isVisible());
            // Row 4 is the fill-up at KM 10.000: the fourth in this order.
            ZeileWaehlen(f, 4);
            QCOMPARE(f.LabelNr1->text(), u"4 / 6"_s);
            QCOMPARE(Zeile(f, 4).section(u'|', 1, 1).trimmed(), u"10.000"_s);

            f.SpeedButton2->click();
            f.MP2_2->trigger();
            QCOMPARE(neu.count(), 1);
            QVERIFY(f.SpeedButton2->isChecked());
            QCOMPARE(f.GewaehlteZeile(), 4);

            f.SpeedButton5->click();
            QCOMPARE(neu.count(), 2);
            QVERIFY(FuellungenUmgekehrt && f.SpeedButton5->isChecked() && f.MP2_5->isChecked());
            QCOMPARE(KMFolge(f), u"12.500 11.000 10.000 11.500 12.000 10.500"_s);
            QCOMPARE(f.LP2_Label2->text(), u"Absteigend sortiert nach Betrag"_s);
            QCOMPARE(f.LabelNr1->text(), u"1 / 6"_s);
            // The summary's smallest and largest of each kind; of equal
            // amounts, the first in this order.
            f.Daten_Info->click();
            QStringList km;
            for (const QLabel *l : {f.DI2_Label3, f.DI2_Label5, f.DI3_Label3, f.DI3_Label5, f.DI4_Label3, f.DI4_Label5})
                km << l->text().section(u" bei KM "_s, 1);
            QCOMPARE(km.join(u' '), u"12.000 12.500 12.500 10.500 10.500 12.500"_s);
            QTest::keyClick(f.DatInfo1, Qt::Key_Escape);

            f.MP2_1->trigger();
            QCOMPARE(neu.count(), 3);
            QVERIFY(f.SpeedButton1->isChecked());
            QCOMPARE(KMFolge(f), u"12.500 12.000 11.500 11.000 10.500 10.000"_s);
            QCOMPARE(f.LP2_Label2->text(), u"Absteigend sortiert nach Datum."_s);

            // The print dialog gets the headings and the list; the window
            // waits meanwhile and takes the hand-over back afterwards.
            bool gedruckt = false;
            ImModalenFenster<TForm4>(this, gedruckt, [&f](TForm4 &d) {
                QCOMPARE(d.windowTitle(), u"Drucke Tankfüllungen"_s);
                QCOMPARE(Q(DruckUeberschrift), u"Alle Tankstellen aus allen Jahren."_s);
                QCOMPARE(Q(DruckHinweis1), u"Absteigend sortiert nach Datum."_s);
                QCOMPARE(DruckListe, &AuswahlListe);
                QVERIFY(!f.EndeButton->isEnabled() && !f.Btn_Druck1->isEnabled());
            });
            f.Btn_Druck1->click();
            QVERIFY(gedruckt);
            QVERIFY(DruckListe == nullptr && DruckUeberschrift.empty() && DruckHinweis1.empty());
            QVERIFY(f.EndeButton->isEnabled() && f.Btn_Druck1->isEnabled() && f.HMP1->menuAction()->isEnabled());

            f.EndeButton->click();
            QVERIFY(!f.isVisible());
        });
        QVERIFY(AuswahlListe.empty());
        QVERIFY(DruckListe == nullptr);
        QVERIFY(FuellungsSortierung == 1 && FuellungenUmgekehrt);
    }

    // The summary of a single fill-up: it is the smallest and the largest
    // of every kind, and the averages are its values. Esc closes the pages,
    // not the window.
    void zusammenfassungEinerFuellung()
    {
        ZehnGleicheTage(3);
        Fuellungen[1] = Eintrag(10500, "01.03.2005", "Jet", "62,4", "48,1", "45");
        TankstellenAuswahl = 2;
        AuswahlTankstelleNr = 1;
        Ansehen([](TForm2 &f) {
            QCOMPARE(f.Modell->rowCount(), 1);
            f.Daten_Info->click();
            QVERIFY(f.DatInfo1->isVisible() && !f.Tabelle1->isEnabled() && !f.Dat_Neu->isEnabled()
                    && !f.HMP3->isEnabled());
            QCOMPARE(f.DatInfo1->currentIndex(), 0);
            QCOMPARE(HilfeKontext(f.DI_Label3a), 340);
            const QList<QLabel *> labels = {f.DI_Label2,  f.DI_Label3a, f.DI_Label4a, f.DI_Label5a, f.DI2_Label3,
                                            f.DI2_Label5, f.DI2_Label7, f.DI3_Label3, f.DI3_Label5, f.DI3_Label7,
                                            f.DI4_Label3, f.DI4_Label5, f.DI4_Label7};
            QStringList texte;
            for (const QLabel *l : labels)
                texte << l->text();
            const QString b = u"EUR    62,40"_s, l = u"  48,10L"_s, p = u"1.29,7 EUR/l"_s,
                          am = u" am 01.03.2005 bei KM 10.500"_s, bei = u" bei 1 Tankfüllungen"_s;
            QCOMPARE(texte, (QStringList{u"Es wurden 1 Tankfüllungen gefunden."_s, b, l.trimmed(), p, b + am, b + am,
                                         b + bei, l + am, l + am, l + bei, p + am, p + am, p + bei}));
            f.DatInfo1->setCurrentIndex(2);
            QTest::keyClick(f.DatInfo1, Qt::Key_Escape);
            QVERIFY(f.isVisible() && !f.DatInfo1->isVisible());
            QVERIFY(f.Tabelle1->isEnabled() && f.Dat_Neu->isEnabled() && f.HMP3->isEnabled());
            QCOMPARE(Fokus(), f.EndeButton);
            // Once more, closed with the page's "&Ok" by Enter.
            f.HMP3->trigger();
            f.DatInfo1->setCurrentIndex(3);
            QTest::keyClick(f.DatInfo1->currentWidget(), Qt::Key_Return);
            QVERIFY(!f.DatInfo1->isVisible());
        });
    }

    // "Daten neu zusammenstellen": a selection that finds nothing gives
    // message 8205 and closes the window; one that finds fill-ups sorts them
    // as chosen and shows them.
    void neueAuswahlImFenster()
    {
        ZehnGleicheTage(4);
        FuellungsSortierung = 1;
        Ansehen([](TForm2 &f) {
            f.Dat_Neu->click();
            QVERIFY(f.PanelTankAnsicht->isVisible() && !f.Tabelle1->isEnabled() && !f.Dat_Neu->isEnabled()
                    && !f.HMP1->menuAction()->isEnabled() && f.EndeButton->isEnabled());
            QCOMPARE(HilfeKontext(f.PanelTankAnsicht->PTA_Button1), 181);
            FuellungsSortierung = 2;
            FuellungenUmgekehrt = true;
            f.PanelTankAnsicht->PTA_Button1->click();
            QVERIFY(!f.PanelTankAnsicht->isVisible() && f.Tabelle1->isEnabled() && f.Dat_Neu->isEnabled());
            QVERIFY(f.SpeedButton2->isChecked() && f.SpeedButton5->isChecked());
            QCOMPARE(f.LP2_Label2->text(), u"Absteigend sortiert nach Betrag"_s);
            QCOMPARE(KMFolge(f), u"11.500 11.000 10.500 10.000"_s);
            QCOMPARE(Fokus(), f.Tabelle1);

            f.Dat_Neu->click();
            TankstellenAuswahl = 3;
            AuswahlWort = "Esso";
            TQtPlattform::NaechsteAntwort(mrOk);
            f.PanelTankAnsicht->PTA_Button1->click();
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(GezeigteMeldungsNr(), QList<N>{N::KeineFuellungenGefunden});
        QVERIFY(AuswahlListe.empty());
    }

    // ---- size and speed ---------------------------------------------------------

    // A million fill-ups open and reach their last row: the table reads
    // only the rows on screen (one item per cell would run into the test's
    // time limit). How fast it is, make bench tells.
    void eineMillionZeilen()
    {
        ListeLoeschen(Fuellungen);
        Fuellungen.resize(1000000, Eintrag(1, "01.03.2005", "Jet", "50", "40", "38"));
        for (int32_t i = 0; i < AnzahlFuellungen(); ++i)
            Fuellungen[static_cast<size_t>(i)].KMStand = 1000 + i;
        DatenVorhanden = true;
        Aendern([&](TForm2 &f) {
            QCOMPARE(f.LabelNr1->text(), u"1 / 1.000.000"_s);
            QTest::keyClick(f.Tabelle1, Qt::Key_End, Qt::ControlModifier);
            QCOMPARE(f.LabelNr1->text(), u"1.000.000 / 1.000.000"_s);
            QCOMPARE(Zeile(f, 1000000).section(u'|', 1, 1), u" 1.000.999"_s);
        });
    }

    // Nothing cut off: the window holds every panel at its size.
    void allesPasstInsFenster()
    {
        ZehnGleicheTage();
        Aendern([](TForm2 &f) {
            QVERIFY(f.width() >= f.minimumSizeHint().width() && f.height() >= f.minimumSizeHint().height());
            f.Aend_B1->click();
            for (QWidget *panel : {static_cast<QWidget *>(f.PanelAendern), static_cast<QWidget *>(f.DatInfo1),
                                   static_cast<QWidget *>(f.PanelTankAnsicht)}) {
                const QWidget *flaeche = panel->parentWidget();
                QVERIFY2(panel->minimumSizeHint().width() <= flaeche->width()
                             && panel->minimumSizeHint().height() <= flaeche->height(),
                         qPrintable(panel->objectName()));
            }
            for (QWidget *w : f.PanelAendern->findChildren<QWidget *>(QRegularExpression(u"^PA_"_s)))
                QVERIFY2(f.PanelAendern->rect().contains(w->geometry()), qPrintable(w->objectName()));
            // The changed row stays in view above the panel.
            const QRect zeile = f.Tabelle1->visualRect(f.Modell->index(0, 0));
            QVERIFY(zeile.bottom() + f.Tabelle1->viewport()->mapTo(&f, QPoint()).y()
                    < f.PanelAendern->mapTo(&f, QPoint()).y());
        });
    }
};

QTEST_MAIN(Form2Test)
#include "Form2Test.moc"
