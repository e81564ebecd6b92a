// The consumption window: its table and detail box, sorting, the
// information box, the graph view with its mark, the settings it changes
// and the print hand-over. The window is modal; each test acts in it from a
// timer once it shows.
#include "Oberflaeche.h"
#include "Feldpruefung.h"
#include "Hilfe.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"
#include "consumption/Sprilo_3.h"
#include "consumption/Verbrauchsgraph.h"
#include "consumption/Verbrauchstabelle.h"
#include "consumption/Verbrauchswerte.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QWheelEvent>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using N = TMeldungsNr;

namespace {

// A fill-up at Aral as the entry panel makes it; vollBei nullptr: not full.
TTankFuellung BeiAral(int km, const char *datum, const char *betrag, const char *liter, const char *vollBei)
{
    return Eintrag(km, datum, "Aral", betrag, liter, vollBei);
}

void Tankbuch(const std::vector<TTankFuellung> &fuellungen)
{
    ListeLoeschen(Fuellungen);
    for (const TTankFuellung &f : fuellungen)
        Fuellungen.push_back(f);
    DatenVorhanden = DatenLogisch = Gespeichert = true;
    Festverbrauch = 7.5L;
    Tankinhalt = 55;
}

// Full at 1000, 1500 and 2000 km with 30 and 35 litres: 6,00 and 7,00
// L/100Km, together 6,50.
void ZweiWerte()
{
    Tankbuch({BeiAral(1000, "02.01.2003", "40", "40", "40"), BeiAral(1500, "03.02.2003", "39,60", "30", "30"),
              BeiAral(2000, "04.03.2003", "47,25", "35", "35")});
}

// n values of 500 km each, one a month from January 2003 on; the litres
// go 30, 31, ... so that no two averages are equal.
void Werte(int n)
{
    std::vector<TTankFuellung> f{BeiAral(1000, "02.01.2003", "40", "40", "40")};
    for (int i = 1; i <= n; ++i) {
        const int monat = (i - 1) % 12 + 1;
        const int jahr = 2003 + (i - 1) / 12;
        const std::string datum = (monat < 10 ? "15.0" : "15.") + std::to_string(monat) + "." + std::to_string(jahr);
        const std::string liter = std::to_string(30 + i);
        f.push_back(BeiAral(1000 + 500 * i, datum.c_str(), "50", liter.c_str(), liter.c_str()));
    }
    Tankbuch(f);
}

// All values of the log, single (1) or merged (2 month, 3 quarter, 4 year).
void AlleWerte(uint8_t ansicht)
{
    VerbrauchsAuswahl = 4;
    ZeitraumVon = TDatum{1, 1, 2000};
    ZeitraumBis = TDatum{32, 12, 2030};
    VerbrauchsAnsicht = ansicht;
    ErmittleVerbrauchswerte();
}

// The start odometer readings of the rows, in row order.
QString VonKM(const TForm3 &f)
{
    QStringList km;
    for (int z = 1; z <= f.Modell->rowCount(); ++z)
        km << f.Modell->index(z - 1, 0).data().toString().trimmed();
    return km.join(u' ');
}

// Pixel height of the middle of graph row k.
int GraphZeileY(int k)
{
    return static_cast<int>(std::lround((34 + 42 * (k - 1) + 21) * Grafikfaktor));
}

} // namespace

class Form3Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    bool m_gelaufen = false;
    bool m_dialogGelaufen = false;

    // Opens the window on the values built, as the consumption panel does,
    // and runs schritte in it (ImModalenFenster).
    void Oeffnen(std::function<void(TForm3 &)> schritte)
    {
        ImModalenFenster<TForm3>(this, m_gelaufen, std::move(schritte));
        Form3Holen(m_form.get())->Oeffnen();
        QVERIFY(m_gelaufen);
    }

    // Answers the settings dialog with text, confirmed with Enter.
    void DialogBeantworten(const QString &text)
    {
        ImModalenFenster<TZusatzForm>(this, m_dialogGelaufen, [text](TZusatzForm &d) {
            d.KB_Edit1->selectAll();
            QTest::keyClicks(d.KB_Edit1, text);
            QTest::keyClick(d.KB_Edit1, Qt::Key_Return);
        });
    }

private slots:
    void init()
    {
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        WarnTonAn = true;
        Sortierung = 1;
        UmgekehrtSortiert = false;
        TabellenAnsicht = true;
        FestverbrauchAn = false;
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    // ---- the table and the detail box ------------------------------------------

    // The cells of both rows, the detail box of the marked value, the
    // counter and the sort description; help contexts and menus of the
    // table view. The main window is away meanwhile.
    void tabelleUndDetailsDerWerte()
    {
        // The pump shut off at 28 of 30 litres at 1500 km: the first value
        // consumed 28, the second 35 + 2.
        Tankbuch({BeiAral(1000, "02.01.2003", "40", "40", "40"), BeiAral(1500, "03.02.2003", "39,60", "30", "28"),
                  BeiAral(2000, "04.03.2003", "47,25", "35", "35")});
        ErmittleLetzteVerbrauchswerte();
        Oeffnen([this](TForm3 &f) {
            QVERIFY(!m_form->isVisible());
            QVERIFY(Festverbrauch == 7.5L && Gespeichert);   // a fixed consumption that was set stays
            QCOMPARE(Zeile(f, 1), u"     1.000|     1.500|     500 Km|   28,00L|      5,600000L/100Km"_s);
            QCOMPARE(Zeile(f, 2), u"     1.500|     2.000|     500 Km|   37,00L|      7,400000L/100Km"_s);
            QCOMPARE(f.GewaehlteZeile(), 1);
            QCOMPARE(f.LabelNr1->text(), u"1 / 2"_s);
            QCOMPARE(f.InfoLabel2->text(), u"Sortiert nach Datum."_s);

            ZeileWaehlen(f, 2);
            QStringList details;
            for (QLabel *l : {f.AB_Label1a1, f.AB_Label1b1, f.AB_Label1c1, f.AB_Label1a2, f.AB_Label1b2, f.AB_Label1c2,
                              f.AB_Label2b, f.AB_Label3b, f.AB_Label4b, f.AB_Label5b, f.AB_Label8, f.AB_Label8b,
                              f.AB_Label6, f.AB_Label7})
                details << l->text();
            QCOMPARE(details.join(u'|'),
                     u"Verbrauch von KM|1.500|am 03.02.2003|bis KM|2.000|am 04.03.2003|500 Km|35,00L|37,00L|"
                     "7,400000L/100Km|Theoretische Fahrstrecke :| 743,24 KM   (mit 55,00 Liter)|"
                     "Anzahl der einbezogenen Tankfüllungen : 1|Der Gesamtbetrag von EUR 47,25 entspricht einem "
                     "durchschnittlichen Literpreis von 1.27,7 EUR/l bzw. Kosten von 9,4500 cent/Km"_s);
            QCOMPARE(f.LabelNr1->text(), u"2 / 2"_s);
            QCOMPARE(f.MarkierterWert, 2);
            QVERIFY(f.AB_Label8b->isVisible() && !f.InfoLabel1->isVisible());

            QCOMPARE(HilfeKontext(&f), 410);
            QVERIFY(f.MP1_2->isChecked() && !f.MP1_2->isEnabled());
            QVERIFY(!f.MP1_1->isChecked() && f.MP1_1->isEnabled());
            QVERIFY(f.MP2_1->isChecked() && f.MP2_5->isEnabled() && !f.MP2_U->isChecked());
            QVERIFY(f.Tabelle1->isVisible() && f.Button1->isVisible() && !f.Button1b->isVisible()
                    && !f.ScrollBar1->isVisible() && !f.GB_Fest1->isVisible());
            QCOMPARE(QApplication::focusWidget(), f.Tabelle1);
        });
        QVERIFY(m_form->isVisible());
    }

    // The marked row opens seventh from the top, and sorting keeps the row:
    // another value stands in it then.
    void sortierenBehaeltDieMarkierteZeile()
    {
        Werte(30);
        AlleWerte(1);
        Oeffnen([](TForm3 &f) {
            QCOMPARE(f.ObersteZeile(), 1);
            ZeileWaehlen(f, 20);
            QCOMPARE(f.AB_Label1b1->text(), u"10.500"_s);
            const int vorher = f.FuellZaehler();
            f.MP2_U->trigger();
            QVERIFY(UmgekehrtSortiert);
            QCOMPARE(f.FuellZaehler(), vorher + 1);
            QCOMPARE(f.GewaehlteZeile(), 20);
            QCOMPARE(f.MarkierterWert, 20);
            QCOMPARE(f.ObersteZeile(), 14);
            QCOMPARE(f.LabelNr1->text(), u"20 / 30"_s);
            QCOMPARE(f.AB_Label1b1->text(), u"6.000"_s);
            QCOMPARE(f.InfoLabel2->text(), u"Ungekehrt sortiert nach Datum."_s);
            QVERIFY(!f.InfoLabel2->autoFillBackground());
            // The entry already checked sorts nothing.
            f.MP2_1->trigger();
            QCOMPARE(f.FuellZaehler(), vorher + 1);
        });
        QVERIFY(UmgekehrtSortiert);
    }

    // Equal averages go by the start odometer, reversed by it descending,
    // whatever order the values had before; the sort description and the
    // menu follow.
    void gleicheDurchschnitteNachKMStand_data()
    {
        QTest::addColumn<QStringList>("eintraege");
        QTest::addColumn<QString>("folge");
        QTest::addColumn<QString>("text");
        QTest::newRow("aufsteigend") << QStringList{u"MP2_U"_s, u"MP2_2"_s, u"MP2_U"_s} << u"1.000 1.500 2.500 2.000"_s
                                     << u"Sortiert nach Durchschnittsverbrauch."_s;
        QTest::newRow("umgekehrt") << QStringList{u"MP2_2"_s, u"MP2_U"_s} << u"2.000 2.500 1.500 1.000"_s
                                   << u"Ungekehrt sortiert nach Durchschnittsverbrauch."_s;
    }

    void gleicheDurchschnitteNachKMStand()
    {
        QFETCH(QStringList, eintraege);
        QFETCH(QString, folge);
        QFETCH(QString, text);
        Tankbuch({BeiAral(1000, "02.01.2003", "40", "40", "40"), BeiAral(1500, "03.02.2003", "45", "30", "30"),
                  BeiAral(2000, "04.03.2003", "45", "30", "30"), BeiAral(2500, "05.04.2003", "50", "35", "35"),
                  BeiAral(3000, "06.05.2003", "45", "30", "30")});
        AlleWerte(1);
        Oeffnen([&](TForm3 &f) {
            QCOMPARE(VonKM(f), u"1.000 1.500 2.000 2.500"_s);
            for (const QString &name : eintraege)
                f.findChild<QAction *>(name)->trigger();
            QCOMPARE(Sortierung, uint8_t(2));
            QCOMPARE(VonKM(f), folge);
            QCOMPARE(f.InfoLabel2->text(), text);
            QVERIFY(f.MP2_2->isChecked() && !f.MP2_1->isChecked());
            QCOMPARE(f.MP2_U->isChecked(), UmgekehrtSortiert);
        });
    }

    // The graph needs the date order: sorted otherwise, both ways to it
    // give 8208 and the table stays as it was.
    void grafikNurNachDatum()
    {
        Werte(4);
        AlleWerte(1);
        Sortierung = 2;
        Oeffnen([this](TForm3 &f) {
            ZeileWaehlen(f, 3);
            const int fuellungen = f.FuellZaehler();
            TQtPlattform::NaechsteAntwort(mrOk);
            f.Button1->click();
            TQtPlattform::NaechsteAntwort(mrOk);
            f.MP1_1->trigger();
            QCOMPARE(GezeigteMeldungsNr(), (QList<N>{N::GrafikNurNachDatum, N::GrafikNurNachDatum}));
            QCOMPARE(TQtPlattform::GezeigteMeldungen().front().Hilfe, 8208);
            QCOMPARE(m_plattform->Toene, (std::vector<int>{2, 2}));
            QVERIFY(TabellenAnsicht && f.Tabelle1->isVisible() && !f.Image1->isVisible());
            QVERIFY(!f.MP1_1->isChecked() && f.MP1_2->isChecked());
            QCOMPARE(f.GewaehlteZeile(), 3);
            QCOMPARE(f.FuellZaehler(), fuellungen);
            QCOMPARE(HilfeKontext(&f), 410);
        });
    }

    // A value that did not end with a full tank warns in the detail box, also
    // in the graph; the totals then end with it, so "Gesamt" warns about the
    // last fill-up. Three values are three graph rows: a click into the
    // fourth leaves the mark.
    void vorlaeufigerWertWarnt()
    {
        ZweiWerte();
        Fuellungen.push_back(BeiAral(2400, "20.03.2003", "30", "20", nullptr));
        ErmittleLetzteVerbrauchswerte();
        Oeffnen([](TForm3 &f) {
            QVERIFY(!f.InfoLabel1->isVisible());
            ZeileWaehlen(f, 3);
            QVERIFY(f.InfoLabel1->isVisible());
            QCOMPARE(f.InfoLabel1->text(), u"      Achtung: Bei dieser Tankfüllung wurde nicht vollgetankt. Der Verbrauch "
                                           "kann nicht korrekt berechnet werden."_s);
            QCOMPARE(Farbe(f.InfoLabel1, QPalette::WindowText), 0xFF0000u);

            f.InfoButton1->click();
            QVERIFY(f.GV_Label8->isVisible());
            QCOMPARE(f.GV_Label8->text(), u"Achtung: Bei der letzten Tankfüllung wurde nicht vollgetankt.\nDer "
                                          "Durchschnitts-Verbrauch kann nicht korrekt berechnet werden und liegt "
                                          "etwas höher."_s);
            QCOMPARE(Farbe(f.GV_Label8, QPalette::WindowText), 0xFF0000u);
            const int hoch = f.AnzBox2->height();
            // The smallest is the provisional one (20 litres on 400 km).
            f.AnzBox2->setCurrentIndex(1);
            QCOMPARE(f.GV_Label1b1->text(), u"2.000"_s);
            QVERIFY(f.GV_Label8->isVisible());
            QCOMPARE(f.GV_Label8->text(), u"Achtung: Bei dieser Tankfüllung wurde nicht vollgetankt.\nDer "
                                          "Durchschnitts-Verbrauch kann nicht korrekt berechnet werden und liegt "
                                          "etwas höher."_s);
            // The largest is a full one: the box is lower without the warning.
            f.AnzBox2->setCurrentIndex(2);
            QVERIFY(!f.GV_Label8->isVisible());
            QTRY_VERIFY(f.AnzBox2->height() < hoch);
            f.GV_Ok->click();

            f.Button1->click();
            QVERIFY(f.Image1->isVisible() && f.InfoLabel1->isVisible());
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(20, GraphZeileY(1)));
            QVERIFY(!f.InfoLabel1->isVisible());
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(20, GraphZeileY(4)));
            QCOMPARE(f.MarkierterWert, 1);
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(20, GraphZeileY(3)));
            QCOMPARE(f.MarkierterWert, 3);
            QVERIFY(f.InfoLabel1->isVisible());
        });
    }

    // ---- the information box ---------------------------------------------------

    // Totals, smallest and largest with their titles; the period labels of
    // the totals name the first and the last month however the values are
    // sorted; every other control waits until "&Ok".
    void infoBoxMitZeitraum()
    {
        ZweiWerte();
        AlleWerte(2);
        UmgekehrtSortiert = true;
        Oeffnen([](TForm3 &f) {
            QCOMPARE(VonKM(f), u"1.500 1.000"_s);
            f.InfoButton1->click();
            QVERIFY(f.AnzBox2->isVisible());
            QCOMPARE(f.AnzBox2->currentIndex(), 0);
            QStringList werte;
            for (QLabel *l : {f.GV_Label0, f.GV_Label1b1, f.GV_Label1c1, f.GV_Label1b2, f.GV_Label1c2, f.GV_Label1d1,
                              f.GV_Label1d2, f.GV_Label2b, f.GV_Label3b, f.GV_Label4b, f.GV_Label5b, f.GV_Label6,
                              f.GV_Label7})
                werte << l->text();
            QCOMPARE(werte.join(u'|'),
                     u"Durchschnittlicher Gesamtverbrauch|1.000|am 02.01.2003|2.000|am 04.03.2003|Februar 2003|"
                     "März 2003|1.000 Km|65,00L|65,00L|6,500000L/100Km|Anzahl der einbezogenen Tankfüllungen : 2|"
                     "Der Gesamtbetrag von EUR 86,85 entspricht einem durchschnittlichen Literpreis von 1.33,6 EUR/l "
                     "bzw. Kosten von 8,6850 cent/Km"_s);
            QVERIFY(f.GV_Label1d2->isVisible() && !f.GV_Label8->isVisible());
            QVERIFY(f.GV_Label1d1->geometry().bottom() < f.GV_Label1d2->geometry().top());
            for (QWidget *w : std::initializer_list<QWidget *>{f.EndeButton, f.DruckButton1, f.Button1, f.HilfeButton,
                                                              f.InfoButton1, f.Tabelle1, f.C_Box1, f.ScrollBar1})
                QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
            QVERIFY(!f.HMP1->menuAction()->isEnabled() && !f.HMP2->menuAction()->isEnabled() && !f.HMP3->isEnabled());

            f.AnzBox2->setCurrentIndex(1);
            QCOMPARE(f.GV_Label0->text(), u"Kleinster Durchschnittsverbrauch"_s);
            QCOMPARE(f.GV_Label5b->text() + u'|' + f.GV_Label1d1->text(), u"6,000000L/100Km|Februar 2003"_s);
            QVERIFY(!f.GV_Label1d2->isVisible());
            f.AnzBox2->setCurrentIndex(2);
            QCOMPARE(f.GV_Label0->text(), u"Höchster Durchschnittsverbrauch"_s);
            QCOMPARE(f.GV_Label5b->text() + u'|' + f.GV_Label1d1->text(), u"7,000000L/100Km|März 2003"_s);

            // Esc closes the box, not the window.
            QTest::keyClick(f.AnzBox2, Qt::Key_Escape);
            QVERIFY(f.isVisible() && !f.AnzBox2->isVisible());
            QVERIFY(f.EndeButton->isEnabled() && f.Tabelle1->isEnabled() && f.HMP2->menuAction()->isEnabled());
            QVERIFY(!f.FV_Button1->isEnabled());
            QCOMPARE(QApplication::focusWidget(), f.Tabelle1);
            f.InfoButton1->click();
            f.GV_Ok->click();
            QVERIFY(!f.AnzBox2->isVisible() && f.InfoButton1->isEnabled());
        });
    }

    // ---- opening and closing ------------------------------------------------------

    // The print hand-over: title by selection, the sort description, the
    // merging note and the list in its order. Every way out (weg) empties
    // the list, lets go of the hand-over and brings the main window back.
    void druckUebergabe_data()
    {
        QTest::addColumn<int>("auswahl");
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("hinweis2");
        QTest::addColumn<QString>("weg");
        QTest::newRow("letzte") << 1 << 2 << u"Druchschnittsverbrauch der letzten 2 Tankfüllungen."_s << QString()
                                << u"Esc"_s;
        QTest::newRow("Jahr") << 2 << 3 << u"Druchschnittsverbrauch des Jahres 2003."_s
                              << u"Die Werte sind quartalsweise zusammengefasst."_s << u"MP1_5"_s;
        QTest::newRow("gewähltes Jahr") << 3 << 1 << u"Druchschnittsverbrauch des Jahres 2003."_s << QString()
                                        << u"EndeButton"_s;
        QTest::newRow("Zeitraum") << 4 << 2 << u"Druchschnittsverbrauch zwischen 01/2003 und 03/2003."_s
                                  << u"Die Werte sind nach Monaten zusammengefasst."_s << u"Esc"_s;
        QTest::newRow("Jahre") << 4 << 4 << u"Druchschnittsverbrauch zwischen 01/2003 und 03/2003."_s
                               << u"Die Werte sind nach Jahren zusammengefasst."_s << u"EndeButton"_s;
    }

    void druckUebergabe()
    {
        QFETCH(int, auswahl);
        QFETCH(int, ansicht);
        QFETCH(QString, titel);
        QFETCH(QString, hinweis2);
        QFETCH(QString, weg);
        ZweiWerte();
        VerbrauchsAuswahl = static_cast<uint8_t>(auswahl);
        VerbrauchsAnsicht = static_cast<uint8_t>(ansicht);
        AktuellesJahr = GewaehltesJahr = 2003;
        ZeitraumVon = TDatum{1, 1, 2003};
        ZeitraumBis = TDatum{32, 3, 2003};
        auswahl == 1 ? ErmittleLetzteVerbrauchswerte() : ErmittleVerbrauchswerte();
        Sortierung = 3;
        DruckVerbrauchsArt = 2;
        Oeffnen([&](TForm3 &f) {
            // Sorted by the km driven: only the table, for this print.
            bool gedruckt = false;
            ImModalenFenster<TForm4>(this, gedruckt, [&](TForm4 &d) {
                QCOMPARE(d.windowTitle(), u"Drucke Durchschnittsverbrauch"_s);
                QCOMPARE(QString::fromStdString(DruckUeberschrift), titel);
                QCOMPARE(QString::fromStdString(DruckHinweis1), u"Sortiert nach gefahrene Kilometer."_s);
                QCOMPARE(QString::fromStdString(DruckHinweis2), hinweis2);
                QCOMPARE(DruckVerbrauchsListe, &VerbrauchsListe);
                QCOMPARE(DruckAnzahlVerbrauchswerte, AnzahlVerbrauchswerte());
                QVERIFY(d.GB2_RB3->isChecked() && !d.GB2_RB1->isEnabled());
            });
            f.DruckButton1->click();
            QVERIFY(gedruckt);
            QCOMPARE(DruckVerbrauchsArt, 2);
            QVERIFY(AnzahlVerbrauchswerte() > 0 && f.EndeButton->isEnabled());
            if (weg == u"Esc"_s)
                QTest::keyClick(f.Tabelle1, Qt::Key_Escape);
            else if (weg == u"MP1_5"_s)
                f.MP1_5->trigger();
            else
                f.EndeButton->click();
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(AnzahlVerbrauchswerte(), 0);
        QVERIFY(DruckVerbrauchsListe == nullptr);
        QVERIFY(m_form->isVisible());
    }

    // The tank capacity from the window's menu: a new one marks the data
    // unsaved and shows in the detail box at once; without one the
    // theoretical range is missing there and on every page of the
    // information box.
    void tankinhaltEinstellen()
    {
        ZweiWerte();
        Festverbrauch = 0;
        ErmittleLetzteVerbrauchswerte();
        Oeffnen([this](TForm3 &f) {
            // A fixed consumption of 0 became the total average: unsaved.
            QVERIFY(Festverbrauch == 6.5L && !Gespeichert);
            Gespeichert = true;
            auto fahrstrecken = [&f] {   // on the information box's pages
                QStringList r;
                f.InfoButton1->click();
                for (int seite = 0; seite < 3; ++seite) {
                    f.AnzBox2->setCurrentIndex(seite);
                    r << (f.GV_Label9->isVisible() && f.GV_Label9b->isVisible() ? f.GV_Label9b->text() : u"-"_s);
                }
                f.GV_Ok->click();
                return r.join(u'|');
            };
            DialogBeantworten(u"0"_s);
            f.MP1_4->trigger();
            QCOMPARE(double(Tankinhalt), 0.0);
            QVERIFY(!Gespeichert);
            QVERIFY(!f.AB_Label8->isVisible() && !f.AB_Label8b->isVisible());
            QCOMPARE(fahrstrecken(), u"-|-|-"_s);
            Gespeichert = true;
            // Disabled by the consumption panel meanwhile: the dialog still answers.
            m_form->setEnabled(false);
            DialogBeantworten(u"60"_s);
            f.MP1_4->trigger();
            QCOMPARE(double(Tankinhalt), 60.0);
            QVERIFY(!Gespeichert && !m_form->isEnabled());
            QCOMPARE(f.AB_Label8b->text(), u"1.000,00 KM   (mit 60,00 Liter)"_s);
            m_form->setEnabled(true);
            QCOMPARE(fahrstrecken(), u" 923,08 KM   (mit 60,00 Liter)|1.000,00 KM   (mit 60,00 Liter)| 857,14 KM   "
                                     "(mit 60,00 Liter)"_s);
        });
    }

    // ---- the graph ---------------------------------------------------------------

    // The graph view: its controls, menus and help context; the mark moves
    // with the keys on the scroll bar and the window of five rows follows as
    // little as needed; a click marks a row, below the rows nothing.
    void grafikMarkiertUndScrollt()
    {
        Werte(12);
        AlleWerte(1);
        Oeffnen([](TForm3 &f) {
            f.Button1->click();
            QVERIFY(!TabellenAnsicht);
            QVERIFY(f.Image1->isVisible() && f.ScrollBar1->isVisible() && f.Button1b->isVisible()
                    && f.GB_Fest1->isVisible() && !f.Tabelle1->isVisible() && !f.Button1->isVisible());
            QCOMPARE(HilfeKontext(&f), 420);
            QVERIFY(f.MP1_1->isChecked() && !f.MP1_1->isEnabled() && f.MP1_2->isEnabled() && !f.MP1_2->isChecked());
            QVERIFY(!f.MP2_1->isEnabled() && !f.MP2_5->isEnabled() && f.MP2_U->isEnabled() && f.MP2_1->isChecked());
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            QCOMPARE(f.ScrollBar1->minimum() * 100 + f.ScrollBar1->maximum(), 112);
            QCOMPARE(f.ScrollBar1->pageStep(), 4);
            QCOMPARE(f.Image1->width(), static_cast<int>(std::lround(561 * Grafikfaktor)));
            QCOMPARE(f.GraphBild().size(), f.Image1->size());

            for (int i = 0; i < 7; ++i)
                QTest::keyClick(f.ScrollBar1, Qt::Key_Down);
            QCOMPARE(f.MarkierterWert, 8);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer * 10 + f.GraphFenster.MarkierteZeile, 45);
            QCOMPARE(f.LabelNr1->text(), u"8 / 12"_s);
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(f.ScrollBar1, Qt::Key_Up);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer * 10 + f.GraphFenster.MarkierteZeile, 31);
            QTest::keyClick(f.ScrollBar1, Qt::Key_PageDown);
            QCOMPARE(f.MarkierterWert, 7);
            QTest::keyClick(f.ScrollBar1, Qt::Key_End);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer * 100 + f.MarkierterWert, 812);
            QTest::keyClick(f.ScrollBar1, Qt::Key_Home);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer * 100 + f.MarkierterWert, 101);

            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(20, GraphZeileY(4)));
            QCOMPARE(f.MarkierterWert, 4);
            QCOMPARE(f.ScrollBar1->value(), 4);
            QCOMPARE(f.LabelNr1->text(), u"4 / 12"_s);
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(20, f.Image1->height() - 2));
            QCOMPARE(f.MarkierterWert, 4);
            QTest::mouseClick(f.Image1, Qt::RightButton, {}, QPoint(20, GraphZeileY(2)));
            QCOMPARE(f.MarkierterWert, 4);

            // Dragging the thumb only counts; letting go marks.
            f.ScrollBar1->setSliderDown(true);
            f.ScrollBar1->setSliderPosition(10);
            QCOMPARE(f.LabelNr1->text(), u"10 / 12"_s);
            QCOMPARE(f.MarkierterWert, 4);
            f.ScrollBar1->setSliderDown(false);
            QCOMPARE(f.MarkierterWert, 10);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer, 6);

            // The wheel over the graph turns the scroll bar: three values a notch.
            QWheelEvent rad(QPointF(20, 20), f.Image1->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, 120),
                            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.Image1, &rad);
            QCOMPARE(f.MarkierterWert, 7);
            QCOMPARE(f.GraphFenster.ErsterSichtbarer, 6);

            // Back to the table, on the value marked in the graph.
            f.Button1b->click();
            QVERIFY(TabellenAnsicht && f.Tabelle1->isVisible());
            QCOMPARE(f.GewaehlteZeile(), 7);
            QCOMPARE(f.LabelNr1->text(), u"7 / 12"_s);
        });
        QVERIFY(TabellenAnsicht);
    }

    // The fixed consumption box: the switch is a setting of the program,
    // the value belongs to the vehicle and marks the data unsaved.
    void festverbrauchImGraph()
    {
        Werte(3);
        AlleWerte(1);
        TabellenAnsicht = false;
        Oeffnen([this](TForm3 &f) {
            QVERIFY(!f.C_Box1->isChecked() && !f.FV_Button1->isEnabled());
            const QImage ohne = f.GraphBild();
            f.C_Box1->click();
            QVERIFY(FestverbrauchAn && f.FV_Button1->isEnabled() && Gespeichert);
            QVERIFY(f.GraphBild() != ohne);
            DialogBeantworten(u"8,25"_s);
            f.FV_Button1->click();
            QCOMPARE(double(Festverbrauch), 8.25);
            QVERIFY(!Gespeichert);
            f.C_Box1->click();
            QVERIFY(!FestverbrauchAn && !f.FV_Button1->isEnabled());
            QCOMPARE(f.GraphBild(), ohne);
        });
    }

    // ---- room for everything ---------------------------------------------------------

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control gets the room it asks for in both views and with the
    // information box open at its tallest, also with a large font.
    void nichtsAbgeschnitten()
    {
        QFETCH(int, punkte);
        const QFont vorher = QApplication::font();
        if (punkte > 0) {
            QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0);
            QFont schrift = vorher;
            schrift.setPointSize(punkte);
            QApplication::setFont(schrift);
            QVERIFY(HauptfensterStarten(m_plattform, m_form));
        }
        ZweiWerte();
        Fuellungen.push_back(BeiAral(99999400, "20.03.2003", "3999,99", "999,99", nullptr));
        ErmittleLetzteVerbrauchswerte();
        Oeffnen([](TForm3 &f) {
            auto pruefen = [&f](const char *wo) {
                QApplication::processEvents();
                const QString abgeschnitten = Abgeschnitten(&f);
                QVERIFY2(abgeschnitten.isEmpty(), qPrintable(QString::fromLatin1(wo) + u' ' + abgeschnitten));
            };
            ZeileWaehlen(f, 3);
            QVERIFY(f.InfoLabel1->isVisible());
            pruefen("Tabelle");
            f.InfoButton1->click();
            pruefen("Info");
            f.GV_OkClick();
            f.Button1->click();
            f.ScrollBar1->setValue(3);
            f.Mark_UpDn();
            QVERIFY(f.InfoLabel1->isVisible());
            pruefen("Grafik");
            f.InfoButton1->click();
            pruefen("Grafik mit Info");
        });
        QApplication::setFont(vorher);
    }
};

QTEST_MAIN(Form3Test)
#include "Form3Test.moc"
