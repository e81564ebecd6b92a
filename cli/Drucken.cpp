// `sprilo-cli drucken`: the print job of the print dialog, onto a PDF page
// of A4 (portrait or landscape) or A5 with the unprintable border of a
// typical printer, written without any window.
#include "Befehle.h"

#include "Meldungen.h"
#include "Plattform.h"
#include "app/QtDrucker.h"
#include "print/Druckauftrag.h"
#include "print/Druckseite.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cstdio>

namespace {

// The unprintable border of a laser printer on every side.
constexpr qreal DruckerRandMM = 5;
// Printer pixels per inch of the PDF page.
constexpr int DruckAufloesung = 600;

int Drucken(const TDruckAuftrag &auftrag, std::ostream &aus, std::ostream &fehler);

} // namespace

int PdfDrucken(const TDruckAuftrag &auftrag, std::ostream &aus, std::ostream &fehler)
{
    if (QGuiApplication::instance())
        return Drucken(auftrag, aus, fehler);
    // Fonts and painting need an application; the tool has no window, so
    // it runs on the offscreen platform unless told otherwise. The
    // application ends before the program does, with everything it made.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about the environment (no runtime directory and the like)
    // are no business of the tool's user.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext &, const QString &text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
    int argc = 1;
    char name[] = "sprilo-cli";
    char *argv[] = {name, nullptr};
    QGuiApplication anwendung(argc, argv);
    return Drucken(auftrag, aus, fehler);
}

namespace {

int Drucken(const TDruckAuftrag &auftrag, std::ostream &aus, std::ostream &fehler)
{
    QSaveFile datei(QString::fromStdString(auftrag.Ausgabe));
    QPdfWriter pdf(&datei);
    pdf.setResolution(DruckAufloesung);
    pdf.setTitle(QString::fromStdString(DruckauftragTitel(auftrag.Art)));
    pdf.setCreator(QStringLiteral("Sprilo"));
    pdf.setPageLayout(QPageLayout(QPageSize(auftrag.A5 ? QPageSize::A5 : QPageSize::A4),
                                  auftrag.Quer ? QPageLayout::Landscape : QPageLayout::Portrait,
                                  QMarginsF(DruckerRandMM, DruckerRandMM, DruckerRandMM, DruckerRandMM),
                                  QPageLayout::Millimeter));

    TQtDrucker drucker(&pdf);
    if (!Seiteneinrichtung(drucker)) {
        fehler << Zeilen(MeldungBauen(TMeldungsNr::PapierZuKlein, {std::to_string(drucker.BreiteMM())}).Text)
               << '\n';
        return CliUnbrauchbar;
    }
    DruckZeitstempelSetzen();
    TStillerFortschritt fortschritt;
    const TDruckErgebnis ergebnis = DruckauftragAusfuehren(auftrag.Art, drucker, fortschritt, auftrag.Balken);
    if (ergebnis == TDruckErgebnis::NichtsGefunden) {
        fehler << Zeilen(MeldungBauen(TMeldungsNr::NichtsZuDrucken).Text) << '\n';
        return CliNichtsGefunden;
    }
    if (ergebnis != TDruckErgebnis::Gedruckt)
        return CliUnbrauchbar;

    // The file appears only complete: written beside it and renamed.
    if (!datei.open(QIODevice::WriteOnly) || !drucker.Ausgeben() || !datei.commit()) {
        fehler << "Die Datei '" << auftrag.Ausgabe << "' kann nicht geschrieben werden.\n";
        return CliNichtGeoeffnet;
    }
    aus << "Seiten: " << drucker.Seiten() << '\n';
    return CliOk;
}

} // namespace
