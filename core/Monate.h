// The month and year pickers of the selection panels: every month from the
// first to the last fill-up as "MM/JJJJ", and a chosen pair of months read
// back into the start and end of a period.
#pragma once

#include "Sprilo_Dek.h"

#include <cstdint>
#include <string>
#include <vector>

// "05/2004" for May 2004.
std::string MonatsText(const TDatum &datum);
// Every month from the month of erste to the month of letzte, ascending;
// one entry when both lie in the same month, none when letzte is earlier.
std::vector<std::string> MonatsListe(const TDatum &erste, const TDatum &letzte);
// Every year from the year of erste to the year of letzte, ascending.
std::vector<uint16_t> JahresListe(const TDatum &erste, const TDatum &letzte);
// An entry of a month list read as "01." + month + "." + year; a text that
// is no such entry gives the empty date.
TDatum MonatsEintragLesen(const std::string &eintrag);
// Puts the earlier month first and marks the end month with day 32, so
// that every real day of it lies before the end.
void ZeitraumOrdnen(TDatum &von, TDatum &bis);
// The index of the entry of liste for the month of datum, or -1.
int MonatsIndex(const std::vector<std::string> &liste, const TDatum &datum);
