// What a window hands to the print dialog before opening it: the heading
// lines of the report and the list to print. The window that prints sets
// them; the report reads them.
#pragma once

#include "consumption/Verbrauchswerte.h"
#include "core/Sprilo_Dek.h"

#include <cstdint>
#include <string>

extern std::string DruckUeberschrift;   // title line of the report
extern std::string DruckHinweis1;       // first note line
extern std::string DruckHinweis2;       // second note line
// The fill-ups of the fill-up report, in the order to print; the list
// belongs to the window that set it and must outlive the print.
extern const TTankListe *DruckListe;
// The consumption values of the consumption report, in the order to print,
// and how many of them there are; the same rule of ownership.
extern const TVerbrauchsListe *DruckVerbrauchsListe;
extern int32_t DruckAnzahlVerbrauchswerte;

// Empties the hand-over (this unit's part of GlobalenZustandZuruecksetzen).
void DruckuebergabeZuruecksetzen();
