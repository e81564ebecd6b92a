// Importing a Spritmonitor export and exporting the data into one, from the
// main window. The core reads and writes the files; this side asks, picks
// the file and tells what happened.
#include "Sprilo_1.h"

#include "Datendatei.h"
#include "Laden3.h"
#include "Meldungen.h"
#include "Spritmonitor.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QApplication>

#include <string>

namespace {

const std::string SpritmonitorFilter = "Spritmonitor-Export  (*.CSV)|*.CSV";

std::string TankfuellungenText(size_t n)
{
    return ZahlMitPunkten(static_cast<int64_t>(n), 1) + (n == 1 ? " Tankfüllung" : " Tankfüllungen");
}

} // namespace

void TForm1::MP_1_ImportClick()
{
    // Yes means "save by hand first", as with loading.
    if (!Gespeichert && Melden(TMeldungsNr::UngespeichertImport) != mrNo) {
        StatusAnzeigen();
        return;
    }
    PanelsSchliessen();

    std::string datei;
    if (!DateiAuswahl(true, DatenVerzeichnis, SpritmonitorFilter, datei)) {
        StatusAnzeigen();
        return;
    }
    repaint();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TImportErgebnis e = SpritmonitorDateiLesen(datei);
    QApplication::restoreOverrideCursor();

    if (!e.Lesbar) {
        Melden(TMeldungsNr::ImportUnmoeglich, {datei, e.Grund});
        StatusAnzeigen();
        return;
    }
    if (e.Fuellungen.empty()) {
        TMeldung m = MeldungBauen(TMeldungsNr::ImportNichtsGueltig, {datei});
        m.Details = AbgelehntText(e, 0);
        Melden(m);
        StatusAnzeigen();
        return;
    }
    // With refused lines the user chooses: the valid ones or nothing.
    if (!e.Abgelehnt.empty()) {
        TMeldung frage = MeldungBauen(TMeldungsNr::ImportTeilweise,
                                      {datei, ZahlMitPunkten(e.AnzahlAbgelehnt, 1), ZahlMitPunkten(e.Zeilen, 1),
                                       ZahlMitPunkten(static_cast<int64_t>(e.Fuellungen.size()), 1)});
        frage.Details = AbgelehntText(e, 0);
        if (Melden(frage) != mrYes) {
            StatusAnzeigen();
            return;
        }
    }

    const std::string anzahl = TankfuellungenText(e.Fuellungen.size());
    const std::string luecken =
        e.Luecken.empty() ? std::string() : Baustein(TBaustein::ImportLuecken, {TankfuellungenText(e.AnzahlLuecken)});
    TMeldung bericht = MeldungBauen(TMeldungsNr::ImportFertig, {datei, anzahl, luecken});
    bericht.Details = LueckenText(e, 0);
    ImportUebernehmen(std::move(e));
    StatusAnzeigen();
    Melden(bericht);
}

void TForm1::MP_1_ExportClick()
{
    PanelsSchliessen();
    std::string datei = DateiName.empty() ? std::string() : DateiOhneEndung(DateiName) + ".CSV";
    if (!DateiAuswahl(false, DatenVerzeichnis, SpritmonitorFilter, datei)) {
        StatusAnzeigen();
        return;
    }
    repaint();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool geschrieben = SpritmonitorSchreiben(datei);
    QApplication::restoreOverrideCursor();
    if (geschrieben)
        Melden(TMeldungsNr::ExportFertig, {datei, TankfuellungenText(Fuellungen.size())});
    else
        Melden(TMeldungsNr::ExportFehlgeschlagen, {datei});
    StatusAnzeigen();
}
