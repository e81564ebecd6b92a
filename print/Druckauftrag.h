// The print job behind the print dialog and `sprilo-cli drucken`: what is
// printed for each of the five kinds of print, in which order, with which
// titles, and what happens when nothing is found or the user cancels.
// Printing itself goes to any TDruckflaeche; the dialog shows the progress.
#pragma once

#include "core/Sprilo_Dek.h"
#include "print/Druckseite.h"

#include <cstdint>
#include <string>

// The five kinds of print, the print dialog's entry points.
enum TDruckArt : uint8_t {
    DruckArtAlles = 1,          // all data, from the main window
    DruckArtTankfuellungen = 2, // the fill-ups of the list window
    DruckArtVerbrauch = 3,      // the values of the consumption window
    DruckArtLiterpreis = 4,     // the litre-price development
    DruckArtReichweite = 5,     // the range development
};

extern uint8_t DruckArt;

// How a job ended.
enum class TDruckErgebnis {
    Gedruckt,         // at least one report went to the printer
    NichtsGefunden,   // all data: nothing matched the choices (message 8210)
    Abgebrochen,      // the user cancelled; nothing may come out
};

// The job title the printer queue shows, "Druck aller Daten - Sprilo".
std::string DruckauftragTitel(uint8_t druckArt);

// "Ausdruck vom 06.12.2026 um 15:48:31": the date and the time as the
// system writes it.
std::string ZeitstempelText(const TDatum &heute, const std::string &uhrzeit);

// The fill-ups of the main list the print settings choose (all, one year
// or a period of months), in list order. False when cancelled.
bool FuellungenSammeln(TDruckFortschritt &fortschritt, TTankListe &ziel);

// The consumption values the print settings choose (a year or a period,
// single or merged), with their totals, into the consumption list
// (VerbrauchsListe, GesamtVerbrauch …). The consumption window's own
// selection settings are left as they were. False when cancelled.
bool DruckVerbrauchswerteBilden(TDruckFortschritt &fortschritt);

// Runs the reports of a job on a set-up page (Seiteneinrichtung done,
// DruckZeitstempel made): for DruckArtAlles the fill-ups, the station year
// lists and the consumption values as the settings say, each on a page of
// its own; for the others the hand-over of the window that prints
// (DruckListe, DruckVerbrauchsListe) or the development series, with
// `balken` choosing bars or a line for the developments. Seitenzaehler
// starts at 0. The heading texts are empty afterwards for DruckArtAlles.
TDruckErgebnis DruckauftragAusfuehren(uint8_t druckArt, TDruckflaeche &drucker, TDruckFortschritt &fortschritt,
                                      bool balken);
