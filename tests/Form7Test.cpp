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

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// n full fill-ups at Aral, one a month from January 2003 on, 500 km apart,
// litres and prices changing from one to the next; then the series of every
// fill-up: the litre price (art 1) of n points or the range (art 2) of n - 1.
void Reihe(int art, int n, int ansicht = 1)
{
    ListeLoeschen(Fuellungen);
    for (int i = 0; i < n; ++i) {
        const std::string datum = QDate(2003, 1, 15).addMonths(i).toString(u"dd.MM.yyyy"_s).toStdString();
        const std::string betrag = Format("%1.2f", {(30 + i % 7) * (1.2L + 0.01L * (i % 13))});
        const std::string l = std::to_string(30 + i % 7);
        Fuellungen.push_back(Eintrag(1000 + 500 * i, datum.c_str(), "Aral", betrag.c_str(), l.c_str(), l.c_str()));
    }
    DatenVorhanden = DatenLogisch = Gespeichert = true;
    Tankinhalt = 60;
    LP_Zeitraumwahl = RW_Zeitraumwahl = 1;
    LP_Ansicht = RW_Ansicht = static_cast<uint8_t>(ansicht);
    art == 1 ? ErmittleLiterpreisEntwicklung() : ErmittleReichweitenEntwicklung();
}

// Clicks the centre of slot platz of the chart shown.
void Klicken(TForm7 &f, int platz, Qt::MouseButton knopf = Qt::LeftButton)
{
    QTest::mouseClick(f.Image1, knopf, {}, QPoint(GrafikPixel(PlatzMitte(f.Fenster.Diagrammart, platz)), 40));
}

bool FarbeImBild(const QImage &bild, int farbe)
{
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if ((bild.pixel(x, y) & 0xFFFFFFu) == FarbeNr(Farben[farbe]))
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

    // Opens the chart of series art, as the development panel does, and
    // runs schritte in it (ImModalenFenster).
    void Oeffnen(int art, std::function<void(TForm7 &)> schritte)
    {
        ImModalenFenster<TForm7>(this, m_gelaufen, std::move(schritte));
        TForm7 *f = Form7Holen(m_form.get());
        art == 1 ? f->LiterpreisZeigen() : f->ReichweiteZeigen();
        QVERIFY(m_gelaufen);
    }

private slots:
    void init()
    {
        SchriftDerZeileSetzen();
        QVERIFY(HauptfensterStarten(m_plattform, m_form));
        // Made at start-up, as in the program: it sets Grafikfaktor.
        Form3Holen(m_form.get());
        LP_Diagrammart = RW_Diagrammart = 0;
    }

    void cleanup() { QCOMPARE(HauptfensterBeenden(m_plattform, m_form), 0); }

    void oeffnenJeReihe_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("diagrammart");
        QTest::addColumn<bool>("esc");
        QTest::newRow("Literpreis, schmale Balken, Button1") << 1 << 1 << false;
        QTest::newRow("Reichweite, Linie, Esc") << 2 << 2 << true;
        QTest::newRow("Literpreis, breite Balken, Esc") << 1 << 0 << true;
    }

    // Caption, help, the tank button, the chart type as stored, the newest
    // of 40 points selected with its info labels, the scroll bar over all
    // points and the focus on it; the main window is away meanwhile and
    // back after Button1 or Esc. With point 10 selected, the next chart
    // type keeps the selection, sets the page step to a chart less one, is
    // stored for this series alone and drawn, and gives the focus back to
    // the scroll bar. Opened again, it shows that type, the focus on the
    // scroll bar.
    void oeffnenJeReihe()
    {
        QFETCH(int, art);
        QFETCH(int, diagrammart);
        QFETCH(bool, esc);
        const bool lp = art == 1;
        const uint8_t neu = static_cast<uint8_t>((diagrammart + 1) % 3);
        Reihe(art, lp ? 40 : 41);
        (lp ? LP_Diagrammart : RW_Diagrammart) = static_cast<uint8_t>(diagrammart);
        THilfe::Instanz().DateiSetzen(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../app/SPRILO.HLP"));
        Oeffnen(art, [&](TForm7 &f) {
            QVERIFY(!m_form->isVisible());
            QCOMPARE(f.windowTitle(), lp ? u"Entwicklung des Literpreises"_s : u"Entwicklung der Reichweite"_s);
            QCOMPARE(HilfeKontext(&f), lp ? 800 : 810);
            QCOMPARE(f.Button3->isVisible(), !lp);
            QCOMPARE(f.RG1ItemIndex(), diagrammart);
            const QScrollBar *s = f.ScrollBar1;
            QCOMPARE(QList<int>({s->minimum(), s->maximum(), s->value(), s->pageStep()}),
                     QList<int>({1, 40, 40, DiagrammGeometrie(uint8_t(diagrammart)).PunkteJeBild - 1}));
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            QVERIFY(f.Button1->isDefault());
            const TEntwicklungsInfo i = EntwicklungsInfo(40);
            QCOMPARE(Infos(f),
                     Q("40 / 40|" + i.Wert + '|' + i.ZumDurchschnitt + '|' + i.Zeitraum + '|' + i.ZumVorgaenger));
            // The chart fills the picture at the consumption graph's scale.
            QCOMPARE(f.Image1->width(), static_cast<int>(std::lround(580 * Grafikfaktor)));
            f.HilfeButton->click();
            QCOMPARE(THilfe::Instanz().AktuellesThema(), lp ? u"F7_LP_All"_s : u"F7_RW_All"_s);
            THilfe::Instanz().Beenden();

            f.ScrollBar1->setValue(10);
            AufMarkeKlicken(f.RG1Items[neu]);
            const QList<int> stand{LP_Diagrammart, RW_Diagrammart, f.Fenster.GewaehlterWert, s->pageStep()};
            QCOMPARE(stand, QList<int>({lp ? neu : 0, lp ? 0 : neu, 10, DiagrammGeometrie(neu).PunkteJeBild - 1}));
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            // Bars and line each in their colour.
            QVERIFY(FarbeImBild(f.Bild(), neu == 2 ? 10 : 4) && !FarbeImBild(f.Bild(), neu == 2 ? 4 : 10));

            f.Button2->setFocus();
            esc ? QTest::keyClick(f.Button2, Qt::Key_Escape) : f.Button1->click();
            QVERIFY(!f.isVisible() && m_form->isVisible());
        });
        Oeffnen(art, [&](TForm7 &f) {
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            QCOMPARE(f.RG1ItemIndex(), neu);
        });
    }

    // Arrow keys move by one point, page keys by a chart less one; the chart
    // follows with the least movement: a selection below the first visible
    // point becomes the first slot. A left click in a slot selects its
    // point, the labels follow and the scroll bar takes the focus; a right
    // click changes nothing. The first point has no predecessor: that
    // label goes.
    void auswahlMitTastenUndMaus()
    {
        Reihe(1, 40);
        LP_Diagrammart = SchmaleBalken;
        Oeffnen(1, [](TForm7 &f) {
            const std::pair<Qt::Key, QString> schritte[] = {
                {Qt::Key_Left, u"39 / 40 ab 5 auf 35"_s},     {Qt::Key_PageUp, u"4 / 40 ab 4 auf 1"_s},
                {Qt::Key_PageDown, u"39 / 40 ab 4 auf 36"_s}, {Qt::Key_Right, u"40 / 40 ab 5 auf 36"_s},
                {Qt::Key_Up, u"39 / 40 ab 5 auf 35"_s},       {Qt::Key_Down, u"40 / 40 ab 5 auf 36"_s},
            };
            for (const auto &[taste, erwartet] : schritte) {
                QTest::keyClick(f.ScrollBar1, taste);
                QCOMPARE(u"%1 ab %2 auf %3"_s.arg(f.InfoLabel1->text())
                             .arg(f.Fenster.ErsterSichtbarer)
                             .arg(f.Fenster.GewaehlterPlatz),
                         erwartet);
            }
            f.Button2->setFocus();
            Klicken(f, 4);
            QCOMPARE(f.InfoLabel1->text() + u' ' + f.InfoLabel4->text(), u"8 / 40 Datum : 15.08.2003"_s);
            QCOMPARE(QApplication::focusWidget(), f.ScrollBar1);
            Klicken(f, 1, Qt::RightButton);
            QCOMPARE(f.ScrollBar1->value(), 8);
            f.ScrollBar1->setValue(1);
            QVERIFY(f.InfoLabel3->isVisible() && !f.InfoLabel5->isVisible());
        });
    }

    // The same capacity again changes nothing and leaves the data saved; a
    // new one recomputes every range and marks the data unsaved, also while
    // the panel keeps the main window disabled.
    void tankinhaltAendern()
    {
        Reihe(2, 5);
        Oeffnen(2, [this](TForm7 &f) {
            QVERIFY(TankinhaltEingeben(this, u"60"_s, [&f] { f.Button3->click(); }));
            QVERIFY(Gespeichert);
            m_form->setEnabled(false);
            QVERIFY(TankinhaltEingeben(this, u"45"_s, [&f] { f.Button3->click(); }));
            QVERIFY(!m_form->isEnabled() && !Gespeichert && Tankinhalt == 45);
            const TEntwicklungsWert &neuester = EntwicklungsListe.back();
            QCOMPARE(double(neuester.Reichweite), double(45 * 100 / neuester.Durchschnitt));
            QCOMPARE(f.InfoLabel2->text(), Q("Reichweite : " + Format("%4.2n Km", {neuester.Reichweite})));
        });
    }

    void druckUebergabe_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("zeitraumwahl");
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<QString>("texte");   // title and note, '|' between them
        const QString alle = u"Entwicklung über alle Jahre|"_s;
        const QString zeitraum = u"Entwicklung zwischen 02/2003 und 11/2003.|"_s;
        QTest::newRow("Literpreis, alle Jahre, einzeln") << 1 << 1 << 1 << alle;
        QTest::newRow("Literpreis, Zeitraum, Monate")
            << 1 << 2 << 2 << zeitraum + u"Die Daten sind nach Monaten zusammengefasst."_s;
        QTest::newRow("Reichweite, Zeitraum, Quartale")
            << 2 << 2 << 3 << zeitraum + u"Die Daten sind quartalsweise zusammengefasst."_s;
        QTest::newRow("Reichweite, alle Jahre, Jahre")
            << 2 << 1 << 4 << alle + u"Die Daten sind nach Jahren zusammengefasst."_s;
    }

    // The print button hands the title by period and the note by merging
    // to the print dialog, with this window's buttons disabled meanwhile;
    // the chart chosen there is kept for the next print.
    void druckUebergabe()
    {
        QFETCH(int, art);
        QFETCH(int, zeitraumwahl);
        QFETCH(int, ansicht);
        QFETCH(QString, texte);
        Reihe(art, 14, ansicht);
        LP_Zeitraumwahl = RW_Zeitraumwahl = static_cast<uint8_t>(zeitraumwahl);
        (art == 1 ? LP_Von : RW_Von) = TDatum{1, 2, 2003};
        (art == 1 ? LP_Bis : RW_Bis) = TDatum{32, 11, 2003};
        (art == 1 ? RW_Von : LP_Von) = TDatum{1, 5, 2001};
        bool &balken = art == 1 ? LP_DruckBalken : RW_DruckBalken;
        balken = true;
        Oeffnen(art, [&](TForm7 &f) {
            bool gedruckt = false;
            ImModalenFenster<TForm4>(this, gedruckt, [&](TForm4 &d) {
                QCOMPARE(Q(DruckUeberschrift + '|' + DruckHinweis1), texte);
                QCOMPARE(d.windowTitle(), art == 1 ? u"Drucke Entwicklung der Literpreise"_s
                                                   : u"Drucke Entwicklung der Reichweiten"_s);
                QVERIFY(d.GB4_RB1->isChecked());
                for (QPushButton *k : {f.HilfeButton, f.Button1, f.Button2, f.Button2b, f.Button3})
                    QVERIFY(!k->isEnabled());
                d.GB4_RB2->setChecked(true);
            });
            f.Button2->click();
            QVERIFY(gedruckt && DruckUeberschrift.empty() && DruckHinweis1.empty());
            QVERIFY(f.isVisible() && f.Button2->isEnabled() && f.Button1->isEnabled());
        });
        QVERIFY(!balken);
    }

    void nichtsAbgeschnitten_data() { SchriftgroessenDaten(); }

    // Every control gets the room it asks for, with the range chart's
    // longest texts and a large font too.
    void nichtsAbgeschnitten()
    {
        Reihe(2, 8, 3);
        Oeffnen(2, [](TForm7 &f) {
            QApplication::processEvents();
            QVERIFY(f.InfoLabel3->isVisible() && f.InfoLabel5->isVisible());
            QCOMPARE(Abgeschnitten(&f), QString());
        });
    }
};

QTEST_MAIN(Form7Test)
#include "Form7Test.moc"
