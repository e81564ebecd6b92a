// Benchmark of the fill-up list window with a large log, on the offscreen
// platform: opening it in view mode (selection, sort, table, first paint),
// scrolling through the table page by page, re-sorting by each key and
// the summary pages. Then the consumption window: the values of the whole
// log merged by month, and the window with its table up to the first
// picture. Last the development chart with the litre price of every
// fill-up: opening it up to the first picture, and a jump of the
// selection.
//
//   sprilo-bench-fenster            1.000.000 fill-ups
//   sprilo-bench-fenster 100000     another size

#include "Tankbuch.h"
#include "app/QtPlattform.h"
#include "app/SPRILO.h"
#include "app/Sprilo_1.h"
#include "charts/Entwicklung.h"
#include "charts/Sprilo_7.h"
#include "browse/Auswahl.h"
#include "browse/PanelTankAnsicht.h"
#include "browse/Sprilo_2.h"
#include "consumption/Sprilo_3.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Zusatz1.h"
#include "core/Zustand.h"

#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using TUhr = std::chrono::steady_clock;

double Sekunden(TUhr::time_point anfang)
{
    return std::chrono::duration<double>(TUhr::now() - anfang).count();
}

std::string Zeit(double sekunden)
{
    if (sekunden < 0.001)
        return Format("%1.0n µs", {static_cast<long double>(sekunden * 1e6)});
    if (sekunden < 1.0)
        return Format("%1.1n ms", {static_cast<long double>(sekunden * 1e3)});
    return Format("%1.3n s", {static_cast<long double>(sekunden)});
}

// No sound and no help viewer; a box would be a fault of the measurement.
class TStillePlattform : public TQtPlattform {
public:
    void Ton(int) override {}
    void HilfeZeigen(int) override {}
};

struct TErgebnis {
    double Oeffnen = 0;
    double BlaetternMittel = 0;
    double BlaetternSpitze = 0;
    int Seiten = 0;
    std::vector<std::pair<std::string, double>> Sortieren;
    double Zusammenfassung = 0;
    double Schliessen = 0;
    bool Ok = false;
};

// Runs inside the list window's modal loop: the window is open and shown.
// Painting is measured by rendering into an image: the offscreen platform
// paints nothing on repaint() for lack of a screen.
void Malen(QWidget *w)
{
    const QPixmap bild = w->grab();
    if (bild.isNull())
        std::fprintf(stderr, "Warnung: %s wurde nicht gemalt.\n", qPrintable(w->objectName()));
}

void ImFenster(TForm2 *form2, TUhr::time_point start, TErgebnis &e)
{
    Malen(form2);
    e.Oeffnen = Sekunden(start);

    // Page by page through the first part of the table, each page painted.
    QScrollBar *leiste = form2->Tabelle1->verticalScrollBar();
    const int schritt = std::max(1, leiste->pageStep());
    std::vector<double> zeiten;
    for (int i = 0; i < 300; ++i) {
        const TUhr::time_point t = TUhr::now();
        leiste->setValue(leiste->value() + schritt);
        Malen(form2->Tabelle1->viewport());
        zeiten.push_back(Sekunden(t));
    }
    // And the jumps a user makes with the thumb: to the end and back.
    for (int ziel : {leiste->maximum(), leiste->maximum() / 2, 0}) {
        const TUhr::time_point t = TUhr::now();
        leiste->setValue(ziel);
        Malen(form2->Tabelle1->viewport());
        zeiten.push_back(Sekunden(t));
    }
    e.Seiten = static_cast<int>(zeiten.size());
    double summe = 0;
    for (double z : zeiten)
        summe += z;
    e.BlaetternMittel = summe / static_cast<double>(zeiten.size());
    e.BlaetternSpitze = *std::max_element(zeiten.begin(), zeiten.end());

    const std::pair<const char *, QToolButton *> knoepfe[] = {
        {"nach Betrag", form2->SpeedButton2},     {"nach Menge", form2->SpeedButton3},
        {"nach Literpreis", form2->SpeedButton4}, {"umgekehrt", form2->SpeedButton5},
        {"nach Datum", form2->SpeedButton1},
    };
    for (const auto &[name, knopf] : knoepfe) {
        const TUhr::time_point t = TUhr::now();
        knopf->click();
        Malen(form2);
        e.Sortieren.emplace_back(name, Sekunden(t));
    }

    TUhr::time_point t = TUhr::now();
    form2->Daten_Info->click();
    Malen(form2);
    e.Zusammenfassung = Sekunden(t);
    form2->DI_ButtonClick();

    t = TUhr::now();
    form2->EndeButton->click();
    e.Schliessen = Sekunden(t);
    e.Ok = true;
}

struct TVerbrauchsErgebnis {
    double Oeffnen = 0;
    int32_t Werte = 0;
    bool Ok = false;
};

// All values from the first fill-up's month to the last one's, merged by
// month, and the consumption window with its table: timed from the start
// of the computation to the window's first picture.
void VerbrauchMessen(TForm1 &form1, TVerbrauchsErgebnis &e)
{
    VerbrauchsAuswahl = 4;
    ZeitraumVon = TDatum{1, Fuellungen.front().Datum.Monat, Fuellungen.front().Datum.Jahr};
    ZeitraumBis = TDatum{32, Fuellungen.back().Datum.Monat, Fuellungen.back().Datum.Jahr};
    VerbrauchsAnsicht = 2;
    TabellenAnsicht = true;
    Sortierung = 1;
    UmgekehrtSortiert = false;
    TForm3 *form3 = Form3Holen(&form1);

    TUhr::time_point start;
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, form3, [&] {
        if (QApplication::activeModalWidget() != form3 || !form3->Tabelle1->isVisible())
            return;
        warten.stop();
        Malen(form3);
        e.Oeffnen = Sekunden(start);
        e.Werte = AnzahlVerbrauchswerte();
        e.Ok = true;
        form3->EndeButton->click();
    });
    warten.start(0);
    start = TUhr::now();
    ErmittleVerbrauchswerte();
    form3->Oeffnen();
}

struct TEntwicklungsErgebnis {
    double Oeffnen = 0;
    double Sprung = 0;
    uint32_t Punkte = 0;
    bool Ok = false;
};

// The litre price of every fill-up as single points (the series is built
// beforehand, sprilo-bench times that), and the chart window from the
// entry point to its first picture; then the selection moved to the
// middle of the series with the scroll bar, up to the new picture.
void EntwicklungMessen(TForm1 &form1, TEntwicklungsErgebnis &e)
{
    LP_Zeitraumwahl = 1;
    LP_Ansicht = 1;
    LP_Diagrammart = 1;
    ErmittleLiterpreisEntwicklung();
    e.Punkte = AnzahlEntwicklungswerte();
    TForm7 *form7 = Form7Holen(&form1);

    TUhr::time_point start;
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, form7, [&] {
        if (QApplication::activeModalWidget() != form7 || !form7->isVisible())
            return;
        warten.stop();
        Malen(form7);
        e.Oeffnen = Sekunden(start);
        const TUhr::time_point t = TUhr::now();
        form7->ScrollBar1->setValue(form7->ScrollBar1->maximum() / 2);
        Malen(form7);
        e.Sprung = Sekunden(t);
        e.Ok = form7->Fenster.GewaehlterWert == form7->ScrollBar1->maximum() / 2;
        form7->Button1->click();
    });
    warten.start(0);
    start = TUhr::now();
    form7->LiterpreisZeigen();
}

} // namespace

int main(int argc, char **argv)
{
    int32_t anzahl = 1000000;
    if (argc > 1) {
        const long wert = std::strtol(argv[1], nullptr, 10);
        if (wert < 100 || wert > 2000000) {
            std::fprintf(stderr, "Aufruf: sprilo-bench-fenster [Anzahl von 100 bis 2.000.000]\n");
            return 1;
        }
        anzahl = static_cast<int32_t>(wert);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AnwendungEinrichten();
    TStillePlattform plattform;
    PlattformSetzen(&plattform);

    GlobalenZustandZuruecksetzen();
    StationslisteSetzen();
    FahrzeugSetzen();
    std::printf("%s Tankfüllungen erzeugen ...\n", ZahlMitPunkten(anzahl, 1).c_str());
    FuellungenErzeugen(anzahl);
    DatenVorhanden = true;
    TankstellenAuswahl = 1;
    JahresAuswahl = 4;
    FuellungsSortierung = 1;
    FuellungenUmgekehrt = false;

    TForm1 form1;
    // Made at start-up, as in the program: it sets Grafikfaktor.
    Form3Holen(&form1);
    form1.StatusAnzeigen();
    form1.show();
    form1.MP_4_1Click();
    TForm2 *form2 = Form2Holen(&form1);

    TErgebnis e;
    TUhr::time_point start;
    // Events run already while the selection is built (the wait text is
    // painted at once); the measuring starts when the window is up.
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, form2, [&] {
        if (QApplication::activeModalWidget() != form2 || !form2->Tabelle1->isVisible())
            return;
        warten.stop();
        ImFenster(form2, start, e);
    });
    warten.start(0);
    start = TUhr::now();
    form1.PTA_ButtonClick(form1.PanelTankAnsicht->PTA_Button1);
    if (!e.Ok) {
        std::fprintf(stderr, "Fehler: Das Fenster \"Daten ansehen\" wurde nicht geöffnet.\n");
        return 1;
    }

    TVerbrauchsErgebnis v;
    VerbrauchMessen(form1, v);
    if (!v.Ok) {
        std::fprintf(stderr, "Fehler: Die Verbrauchsübersicht wurde nicht geöffnet.\n");
        return 1;
    }

    TEntwicklungsErgebnis w;
    EntwicklungMessen(form1, w);
    if (!w.Ok) {
        std::fprintf(stderr, "Fehler: Das Entwicklungsfenster wurde nicht geöffnet.\n");
        return 1;
    }

    struct rusage nutzung {};
    ::getrusage(RUSAGE_SELF, &nutzung);
    std::printf("\nFenster \"Daten ansehen\" mit %s Tankfüllungen (Plattform %s):\n",
                ZahlMitPunkten(anzahl, 1).c_str(), qPrintable(QApplication::platformName()));
    std::printf("  Öffnen (Auswahl, Sortieren, Tabelle, erstes Bild): %s   Ziel < 1 s: %s\n", Zeit(e.Oeffnen).c_str(),
                e.Oeffnen < 1.0 ? "erreicht" : "verfehlt");
    std::printf("  Blättern: %d Seiten, je Seite im Mittel %s, höchstens %s   Ziel < 50 ms: %s\n", e.Seiten,
                Zeit(e.BlaetternMittel).c_str(), Zeit(e.BlaetternSpitze).c_str(),
                e.BlaetternSpitze < 0.05 ? "erreicht" : "verfehlt");
    double langsamste = 0;
    for (const auto &[name, zeit] : e.Sortieren) {
        std::printf("  Sortieren %-16s %s\n", (name + ":").c_str(), Zeit(zeit).c_str());
        langsamste = std::max(langsamste, zeit);
    }
    std::printf("  Sortieren, langsamster Schlüssel: %s   Ziel < 1 s: %s\n", Zeit(langsamste).c_str(),
                langsamste < 1.0 ? "erreicht" : "verfehlt");
    std::printf("  Zusammenfassung: %s   Ziel < 0,3 s: %s\n", Zeit(e.Zusammenfassung).c_str(),
                e.Zusammenfassung < 0.3 ? "erreicht" : "verfehlt");
    std::printf("  Schließen: %s\n", Zeit(e.Schliessen).c_str());
    std::printf("\nVerbrauchsübersicht, alle Werte nach Monaten zusammengefasst (%s Werte):\n",
                ZahlMitPunkten(v.Werte, 1).c_str());
    std::printf("  Werte ermitteln und Fenster öffnen (Tabelle, erstes Bild): %s   Ziel < 1 s: %s\n",
                Zeit(v.Oeffnen).c_str(), v.Oeffnen < 1.0 ? "erreicht" : "verfehlt");
    std::printf("\nEntwicklung des Literpreises, jede Tankfüllung ein Punkt (%s Punkte):\n",
                ZahlMitPunkten(w.Punkte, 1).c_str());
    std::printf("  Entwicklungsfenster geöffnet (erstes Bild): %s   Ziel < 0,3 s: %s\n", Zeit(w.Oeffnen).c_str(),
                w.Oeffnen < 0.3 ? "erreicht" : "verfehlt");
    std::printf("  Auswahl in die Mitte springen (neues Bild): %s\n", Zeit(w.Sprung).c_str());
    std::printf("  Spitze Speicher: %s MB\n",
                Format("%1.1n", {static_cast<long double>(nutzung.ru_maxrss) / 1024.0L}).c_str());
    PlattformSetzen(nullptr);
    return 0;
}
