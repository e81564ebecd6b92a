// The development chart window: opening each series, the info labels, the
// selection by mouse, keys and scroll bar, the chart types, the tank
// capacity of the range chart and the print hand-over. The window is modal;
// each test acts in it from a timer once it shows.
#include "Oberflaeche.h"
#include "Hilfe.h"
#include "Sprilo_Z.h"
#include "Widgethilfen.h"
#include "charts/Entwicklung.h"
#include "charts/Sprilo_7.h"
#include "consumption/Sprilo_3.h"
#include "consumption/Verbrauchsgraph.h"
#include "consumption/Verbrauchstabelle.h"
#include "core/Format.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

// n full fill-ups at Aral, one a month from January 2003 on, 500 km apart;
// litres and prices change from one to the next, the first two prices
// stay apart.
void Tankbuch(int n)
{
    ListeLoeschen(Fuellungen);
    for (int i = 0; i < n; ++i) {
        const int monat = i % 12 + 1;
        const std::string datum =
            (monat < 10 ? "15.0" : "15.") + std::to_string(monat) + "." + std::to_string(2003 + i / 12);
        const int liter = 30 + i % 7;
        const std::string betrag = Format("%1.2f", {liter * (1.2L + 0.01L * (i % 13))});
        const std::string l = std::to_string(liter);
        Fuellungen.push_back(Eintrag(1000 + 500 * i, datum.c_str(), "Aral", betrag.c_str(), l.c_str(), l.c_str()));
    }
    DatenVorhanden = DatenLogisch = Gespeichert = true;
    Tankinhalt = 60;
}

// The series of every fill-up: the litre price (art 1) of n fill-ups, or
// the range (art 2) of their n - 1 consumption values.
void Reihe(int art, int ansicht = 1)
{
    LP_Zeitraumwahl = RW_Zeitraumwahl = 1;
    LP_Ansicht = RW_Ansicht = static_cast<uint8_t>(ansicht);
    art == 1 ? ErmittleLiterpreisEntwicklung() : ErmittleReichweitenEntwicklung();
}

// The pixel x of the centre of slot k.
int PlatzX(uint8_t diagrammart, int k)
{
    return GrafikPixel(PlatzMitte(diagrammart, k));
}

bool FarbeImBild(const QImage &bild, uint32_t rgb)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xFFFFFFu) == rgb)
                return true;
    return false;
}

QString Infos(const TForm7 &f)
{
    QStringList texte;
    for (const QLabel *l : {f.InfoLabel1, f.InfoLabel2, f.InfoLabel3, f.InfoLabel4, f.InfoLabel5})
        texte << (l->isVisible() ? l->text() : u"-"_s);
    return texte.join(u'|');
}

} // namespace

class Form7Test : public QObject {
    Q_OBJECT

    std::unique_ptr<TTestPlattform> m_plattform;
    std::unique_ptr<TForm1> m_form;
    bool m_gelaufen = false;
    bool m_dialogGelaufen = false;

    // Opens the chart of series art, as the development panel does, and
    // runs schritte in it (ImModalenFenster).
    void Oeffnen(int art, std::function<void(TForm7 &)> schritte)
    {
        ImModalenFenster<TForm7>(this, m_gelaufen, std::move(schritte));
        TForm7 *f = Form7Holen(m_form.get());
        art == 1 ? f->LiterpreisZeigen() : f->ReichweiteZeigen();
        QVERIFY(m_gelaufen);
    }

    // Answers the tank capacity dialog with text, confirmed with Enter.
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
        // Made at start-up, as in the program: it sets Grafikfaktor.
        Form3Holen(m_form.get());
        LP_Diagrammart = RW_Diagrammart = 0;
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    // ---- opening ---------------------------------------------------------------------

    void oeffnenJeReihe_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("diagrammart");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("kontext");
        QTest::addColumn<QString>("thema");
        QTest::addColumn<bool>("esc");
        QTest::newRow("Literpreis, schmale Balken")
            << 1 << 1 << u"Entwicklung des Literpreises"_s << 800 << u"F7_LP_All"_s << false;
        QTest::newRow("Reichweite, Linie")
            << 2 << 2 << u"Entwicklung der Reichweite"_s << 810 << u"F7_RW_All"_s << true;
        QTest::newRow("Literpreis, breite Balken")
            << 1 << 0 << u"Entwicklung des Literpreises"_s << 800 << u"F7_LP_All"_s << true;
    }

    // Caption, help, the tank button, the chart type as stored, the newest
    // point selected with its info labels, the scroll bar over all points
    // and the focus on it; the main window is away meanwhile and back after
    // Button1 or Esc. Opened again, the focus is back on the scroll bar.
    void oeffnenJeReihe()
    {
        QFETCH(int, art);
        QFETCH(int, diagrammart);
        QFETCH(QString, titel);
        QFETCH(int, kontext);
        QFETCH(QString, thema);
        QFETCH(bool, esc);
        Tankbuch(art == 1 ? 40 : 41);
        Reihe(art);
        (art == 1 ? LP_Diagrammart : RW_Diagrammart) = static_cast<uint8_t>(diagrammart);
        THilfe::Instanz().DateiSetzen(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../app/SPRILO.HLP"));
        const int plaetze = DiagrammGeometrie(static_cast<uint8_t>(diagrammart)).PunkteJeBild;
        Oeffnen(art, [&](TForm7 &f) {
            QVERIFY(!m_form->isVisible());
            QCOMPARE(f.windowTitle(), titel);
            QCOMPARE(HilfeKontext(&f), kontext);
            QCOMPARE(f.Button3->isVisible(), art == 2);
            QCOMPARE(f.RG1ItemIndex(), diagrammart);
            QCOMPARE(f.Fenster.ErsterSichtbarer + f.Fenster.GewaehlterPlatz - 1, 40);
            QCOMPARE(f.Fenster.ErsterSichtbarer, 41 - plaetze);
            const QScrollBar *s = f.ScrollBar1;
            QCOMPARE(QList<int>({s->minimum(), s->maximum(), s->value(), s->pageStep()}),
                     QList<int>({1, 40, 40, plaetze - 1}));
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            QVERIFY(f.Button1->isDefault());

            const TEntwicklungsInfo neuester = EntwicklungsInfo(40);
            QCOMPARE(Infos(f), u"40 / 40|"_s + Q(neuester.Wert) + u'|' + Q(neuester.ZumDurchschnitt) + u'|'
                                   + Q(neuester.Zeitraum) + u'|' + Q(neuester.ZumVorgaenger));
            QVERIFY(f.InfoLabel2->text().startsWith(art == 1 ? u"Literpreis : "_s : u"Reichweite : "_s));

            // The chart fills the picture at the consumption graph's scale,
            // in the bar or line colour.
            QCOMPARE(f.Image1->width(), static_cast<int>(std::lround(580 * Grafikfaktor)));
            QCOMPARE(f.Bild().size(), f.Image1->size());
            QVERIFY(FarbeImBild(f.Bild(), FarbeNr(Farben[diagrammart == 2 ? 10 : 4])));

            f.HilfeButton->click();
            QCOMPARE(THilfe::Instanz().AktuellesThema(), thema);
            THilfe::Instanz().Beenden();
            f.Button2->setFocus();
            esc ? QTest::keyClick(f.Button2, Qt::Key_Escape) : f.Button1->click();
            QVERIFY(!f.isVisible());
            QVERIFY(m_form->isVisible());
        });
        QVERIFY(m_form->isVisible());
        Oeffnen(art, [](TForm7 &f) { QCOMPARE(QApplication::focusWidget(), f.ScrollBar1); });
    }

    // ---- info labels -------------------------------------------------------------------

    // A single point has neither an average to differ from nor a
    // predecessor; a change of exactly 0 carries no sign.
    void infoLabels_data()
    {
        QTest::addColumn<int>("fuellungen");
        QTest::addColumn<QString>("infos");
        QTest::newRow("ein Punkt") << 1 << u"1 / 1|Literpreis : 1.20,0 EUR/l|-|Datum : 15.01.2003|-"_s;
        QTest::newRow("gleiche Preise") << 2
                                        << u"2 / 2|Literpreis : 1.20,0 EUR/l|Veränderung zum Durchschnitt: 0,00%|"
                                           "Datum : 15.02.2003|Veränderung zum Vorgänger: 0,00%"_s;
    }

    void infoLabels()
    {
        QFETCH(int, fuellungen);
        QFETCH(QString, infos);
        Tankbuch(fuellungen);
        if (fuellungen == 2)
            Fuellungen[1] = Eintrag(1500, "15.02.2003", "Aral", "36,00", "30", "30");
        Reihe(1);
        Oeffnen(1, [&](TForm7 &f) { QCOMPARE(Infos(f), infos); });
    }

    // ---- selection ---------------------------------------------------------------------

    // A left click in a slot selects its point, the scroll bar follows and
    // takes the focus; a right click and a click on an empty slot change
    // nothing.
    void mausWaehltPlatz()
    {
        Tankbuch(6);
        Reihe(1);
        Oeffnen(1, [](TForm7 &f) {
            QCOMPARE(f.Fenster.ErsterSichtbarer * 10 + f.Fenster.GewaehlterPlatz, 34);
            f.Button2->setFocus();
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(PlatzX(BreiteBalken, 2), 40));
            QCOMPARE(f.Fenster.GewaehlterWert, 4);
            QCOMPARE(f.ScrollBar1->value(), 4);
            QCOMPARE(f.InfoLabel1->text(), u"4 / 6"_s);
            QCOMPARE(f.InfoLabel4->text(), u"Datum : 15.04.2003"_s);
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            QTest::mouseClick(f.Image1, Qt::RightButton, {}, QPoint(PlatzX(BreiteBalken, 1), 40));
            QCOMPARE(f.Fenster.GewaehlterWert, 4);
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(PlatzX(BreiteBalken, 1), 40));
            QCOMPARE(f.Fenster.GewaehlterWert, 3);
        });
        Tankbuch(2);
        Reihe(1);
        Oeffnen(1, [](TForm7 &f) {
            const QImage vorher = f.Bild();
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(PlatzX(BreiteBalken, 4), 40));
            QCOMPARE(f.Fenster.GewaehlterWert, 2);
            QCOMPARE(f.InfoLabel1->text(), u"2 / 2"_s);
            QCOMPARE(f.Bild(), vorher);
            QTest::mouseClick(f.Image1, Qt::LeftButton, {}, QPoint(PlatzX(BreiteBalken, 1), 40));
            QCOMPARE(f.Fenster.GewaehlterWert, 1);
            QVERIFY(f.Bild() != vorher);
        });
    }

    // Arrow keys move by one point, page keys by a chart less one; the chart
    // follows with the least movement: a selection below the first visible
    // point becomes the first slot.
    void tastenUndScrollbar()
    {
        Tankbuch(40);
        Reihe(1);
        LP_Diagrammart = SchmaleBalken;
        Oeffnen(1, [](TForm7 &f) {
            auto stand = [&f] {
                return QStringLiteral("%1 ab %2 auf %3")
                    .arg(f.InfoLabel1->text())
                    .arg(f.Fenster.ErsterSichtbarer)
                    .arg(f.Fenster.GewaehlterPlatz);
            };
            const std::pair<Qt::Key, QString> schritte[] = {
                {Qt::Key_Left, u"39 / 40 ab 5 auf 35"_s},     {Qt::Key_PageUp, u"4 / 40 ab 4 auf 1"_s},
                {Qt::Key_PageDown, u"39 / 40 ab 4 auf 36"_s}, {Qt::Key_Right, u"40 / 40 ab 5 auf 36"_s},
                {Qt::Key_Up, u"39 / 40 ab 5 auf 35"_s},       {Qt::Key_Down, u"40 / 40 ab 5 auf 36"_s},
            };
            QCOMPARE(stand(), u"40 / 40 ab 5 auf 36"_s);
            for (const auto &[taste, erwartet] : schritte) {
                QTest::keyClick(f.ScrollBar1, taste);
                QCOMPARE(stand(), erwartet);
            }
            f.ScrollBar1->setValue(2);
            QCOMPARE(stand(), u"2 / 40 ab 2 auf 1"_s);
            QCOMPARE(f.InfoLabel4->text(), u"Datum : 15.02.2003"_s);
        });
    }

    // ---- chart types -------------------------------------------------------------------

    void diagrammartWechseln_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("Literpreis") << 1;
        QTest::newRow("Reichweite") << 2;
    }

    // With point 10 of 40 selected, narrow bars show points 1..36 with the
    // selection in slot 10, wide bars then points 7..10; each choice is
    // stored for the series and the focus goes back to the scroll bar.
    void diagrammartWechseln()
    {
        QFETCH(int, art);
        Tankbuch(art == 1 ? 40 : 41);
        Reihe(art);
        const uint8_t &gespeichert = art == 1 ? LP_Diagrammart : RW_Diagrammart;
        const uint8_t &andere = art == 1 ? RW_Diagrammart : LP_Diagrammart;
        Oeffnen(art, [&](TForm7 &f) {
            auto stand = [&f] {
                return QStringLiteral("%1..%2 auf %3 Seite %4")
                    .arg(f.Fenster.ErsterSichtbarer)
                    .arg(f.Fenster.ErsterSichtbarer + DiagrammGeometrie(f.Fenster.Diagrammart).PunkteJeBild - 1)
                    .arg(f.Fenster.GewaehlterPlatz)
                    .arg(f.ScrollBar1->pageStep());
            };
            f.ScrollBar1->setValue(10);
            QCOMPARE(stand(), u"10..13 auf 1 Seite 3"_s);
            AufMarkeKlicken(f.RG1Items[SchmaleBalken]);
            QCOMPARE(stand(), u"1..36 auf 10 Seite 35"_s);
            QCOMPARE(int(gespeichert), 1);
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            AufMarkeKlicken(f.RG1Items[BreiteBalken]);
            QCOMPARE(stand(), u"7..10 auf 4 Seite 3"_s);
            QCOMPARE(int(gespeichert), 0);
            AufMarkeKlicken(f.RG1Items[Liniendiagramm]);
            QCOMPARE(stand(), u"1..36 auf 10 Seite 35"_s);
            QCOMPARE(int(gespeichert), 2);
            QVERIFY(!FarbeImBild(f.Bild(), FarbeNr(Farben[4])));
            QVERIFY(FarbeImBild(f.Bild(), FarbeNr(Farben[10])));
            QCOMPARE(int(andere), 0);
        });
    }

    // ---- tank capacity -----------------------------------------------------------------

    // The same capacity again changes nothing and leaves the data saved; a
    // new one recomputes every range and marks the data unsaved, also while
    // the panel keeps the main window disabled.
    void tankinhaltAendern()
    {
        Tankbuch(5);
        Reihe(2);
        Oeffnen(2, [this](TForm7 &f) {
            const QString vorher = Infos(f);
            const QImage bild = f.Bild();
            DialogBeantworten(u"60"_s);
            f.Button3->click();
            QVERIFY(m_dialogGelaufen);
            QVERIFY(Gespeichert);
            QCOMPARE(Infos(f), vorher);
            QCOMPARE(f.Bild(), bild);

            m_form->setEnabled(false);
            DialogBeantworten(u"45"_s);
            f.Button3->click();
            QVERIFY(m_dialogGelaufen);
            QVERIFY(!m_form->isEnabled());
            m_form->setEnabled(true);
            QCOMPARE(double(Tankinhalt), 45.0);
            QVERIFY(!Gespeichert);
            const TEntwicklungsWert &neuester = EntwicklungsListe.back();
            QCOMPARE(double(neuester.Reichweite), double(45 * 100 / neuester.Durchschnitt));
            QCOMPARE(f.InfoLabel2->text(), Q("Reichweite : " + Format("%4.2n Km", {neuester.Reichweite})));
            QVERIFY(Infos(f) != vorher);
            QVERIFY(f.Bild() != bild);
        });
    }

    // ---- printing ------------------------------------------------------------------------

    void druckUebergabe_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("zeitraumwahl");
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("hinweis");
        QTest::newRow("Literpreis, alle Jahre, einzeln") << 1 << 1 << 1 << u"Entwicklung über alle Jahre"_s << QString();
        QTest::newRow("Literpreis, Zeitraum, Monate") << 1 << 2 << 2 << u"Entwicklung zwischen 02/2003 und 11/2003."_s
                                                      << u"Die Daten sind nach Monaten zusammengefasst."_s;
        QTest::newRow("Reichweite, Zeitraum, Quartale")
            << 2 << 2 << 3 << u"Entwicklung zwischen 02/2003 und 11/2003."_s
            << u"Die Daten sind quartalsweise zusammengefasst."_s;
        QTest::newRow("Reichweite, alle Jahre, Jahre")
            << 2 << 1 << 4 << u"Entwicklung über alle Jahre"_s << u"Die Daten sind nach Jahren zusammengefasst."_s;
    }

    // The print button hands the title by period and the note by merging
    // to the print dialog, with this window's buttons disabled meanwhile;
    // the chart chosen there is kept for the next print.
    void druckUebergabe()
    {
        QFETCH(int, art);
        QFETCH(int, zeitraumwahl);
        QFETCH(int, ansicht);
        QFETCH(QString, titel);
        QFETCH(QString, hinweis);
        Tankbuch(14);
        Reihe(art, ansicht);
        LP_Zeitraumwahl = RW_Zeitraumwahl = static_cast<uint8_t>(zeitraumwahl);
        const TDatum von{1, 2, 2003}, bis{32, 11, 2003};
        (art == 1 ? LP_Von : RW_Von) = von;
        (art == 1 ? LP_Bis : RW_Bis) = bis;
        (art == 1 ? RW_Von : LP_Von) = TDatum{1, 5, 2001};
        bool &balken = art == 1 ? LP_DruckBalken : RW_DruckBalken;
        balken = true;
        Oeffnen(art, [&](TForm7 &f) {
            bool gedruckt = false;
            ImModalenFenster<TForm4>(this, gedruckt, [&](TForm4 &d) {
                QCOMPARE(Q(DruckUeberschrift), titel);
                QCOMPARE(Q(DruckHinweis1), hinweis);
                QCOMPARE(d.windowTitle(), art == 1 ? u"Drucke Entwicklung der Literpreise"_s
                                                   : u"Drucke Entwicklung der Reichweiten"_s);
                QVERIFY(d.GB4_RB1->isChecked());
                for (QPushButton *k : {f.HilfeButton, f.Button1, f.Button2, f.Button2b, f.Button3})
                    QVERIFY(!k->isEnabled());
                d.GB4_RB2->setChecked(true);
            });
            f.Button2->click();
            QVERIFY(gedruckt);
            QVERIFY(DruckUeberschrift.empty() && DruckHinweis1.empty());
            QVERIFY(f.isVisible() && f.Button2->isEnabled() && f.Button1->isEnabled());
        });
        QVERIFY(!balken);
    }

    // ---- room for everything -----------------------------------------------------------

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control gets the room it asks for, with the range chart's
    // longest texts and a large font too.
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
            Form3Holen(m_form.get());
        }
        Tankbuch(8);
        Reihe(2, 3);
        Oeffnen(2, [](TForm7 &f) {
            QApplication::processEvents();
            QVERIFY(f.InfoLabel3->isVisible() && f.InfoLabel5->isVisible());
            const QString abgeschnitten = Abgeschnitten(&f);
            QVERIFY2(abgeschnitten.isEmpty(), qPrintable(abgeschnitten));
        });
        QApplication::setFont(vorher);
    }
};

QTEST_MAIN(Form7Test)
#include "Form7Test.moc"
