// Benchmark of printing: all data of a large log (every fill-up, the
// station year lists of every year with their sum, and every consumption
// value as table and graph) printed into a PDF, the way the print dialog
// does it: first into the page buffer, then onto the PDF. It also measures
// the longest stretch between two checks for "Druck abbrechen", which is
// how long a cancel can take to be noticed.
//
//   sprilo-bench-druck            10.000 fill-ups
//   sprilo-bench-druck 50000 ...  the sizes given

#include "Tankbuch.h"
#include "app/QtDrucker.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zustand.h"
#include "print/Druckauftrag.h"
#include "print/Druckseite.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Shows nothing; writes down when the job looked for a cancel.
class TMessenderFortschritt : public TDruckFortschritt {
public:
    Uhr::time_point Letzte = Uhr::now();
    Uhr::duration Laengste{};
    int Pruefungen = 0;

    void Phase(const std::string &, int) override {}
    void Position(int) override {}
    void SeitenText(const std::string &) override {}
    bool Abgebrochen() override
    {
        const Uhr::time_point jetzt = Uhr::now();
        Laengste = std::max(Laengste, jetzt - Letzte);
        Letzte = jetzt;
        ++Pruefungen;
        return false;
    }
};

void AlleDatenEinstellen()
{
    const TDatum erste = Fuellungen.front().Datum, letzte = Fuellungen.back().Datum;
    DruckTankfuellungen = DruckTankstellenliste = DruckVerbrauch = true;
    DruckTF_Auswahl = 1;
    DruckTS_Auswahl = 2;
    DruckTS_VonJahr = erste.Jahr;
    DruckTS_BisJahr = letzte.Jahr;
    DruckTS_Einzeln = DruckTS_Summe = true;
    DruckVB_Auswahl = 2;
    DruckVB_Von = {1, erste.Monat, erste.Jahr};
    DruckVB_Bis = {32, letzte.Monat, letzte.Jahr};
    DruckVB_Ansicht = 1;
    DruckVerbrauchsArt = 2;
}

void Messen(int32_t anzahl, const QString &ordner)
{
    GlobalenZustandZuruecksetzen();
    StationslisteSetzen();
    FahrzeugSetzen();
    FuellungenErzeugen(anzahl);
    AlleDatenEinstellen();

    QPdfWriter pdf(ordner + QStringLiteral("/alles.pdf"));
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
    TQtDrucker drucker(&pdf);
    Seiteneinrichtung(drucker);
    DruckZeitstempelSetzen();
    TMessenderFortschritt fortschritt;

    const Uhr::time_point anfang = Uhr::now();
    const TDruckErgebnis ergebnis = DruckauftragAusfuehren(DruckArtAlles, drucker, fortschritt, true);
    const Uhr::time_point gepuffert = Uhr::now();
    drucker.AbbruchPruefen = [&fortschritt] { return fortschritt.Abgebrochen(); };
    const bool geschrieben = ergebnis == TDruckErgebnis::Gedruckt && drucker.Ausgeben();
    const Uhr::time_point fertig = Uhr::now();

    std::printf("%10d  %6d  %12.2f  %12.2f  %10.2f  %18.1f  %s\n", anzahl, drucker.Seiten(),
                Sekunden(gepuffert - anfang), Sekunden(fertig - gepuffert), Sekunden(fertig - anfang),
                Sekunden(fortschritt.Laengste) * 1000, geschrieben ? "" : "FEHLER");
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication anwendung(argc, argv);
    std::vector<int32_t> groessen;
    for (int i = 1; i < argc; ++i)
        groessen.push_back(static_cast<int32_t>(std::strtol(argv[i], nullptr, 10)));
    if (groessen.empty())
        groessen = {10000};

    QTemporaryDir ordner;
    std::printf("Ausdruck aller Daten als PDF (A4 hoch, 600 dpi)\n\n");
    std::printf("%10s  %6s  %12s  %12s  %10s  %18s\n", "Tankfüll.", "Seiten", "Berichte s", "PDF s",
                "gesamt s", "Abbruch spätest ms");
    for (int32_t n : groessen)
        Messen(n, ordner.path());
    return 0;
}
