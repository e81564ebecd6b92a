// The two table reports of the fill-ups: the fill-up report (one fill-up
// per row, optionally with the pump's shut-off and a summary) and the
// station year list (per year, or summed over a range of years, how often
// and for how much was tanked at each station of the station list).
#pragma once

#include "print/Druckseite.h"
#include "core/Sprilo_Dek.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Prints the fill-ups in list order, beginning with the header of the
// current page. False when the user cancelled.
bool DruckeTankfuellungen(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TTankListe &liste);

// One row of the station year list.
struct TTankstellenZeile {
    std::string ZeilenName;
    uint16_t Tankungen = 0;
    long double BetragSumme = 0;
    long double LiterSumme = 0;
    bool Benutzt = false;            // at least one fill-up
};

// Rows 0..9 are the stations of the station list, then these two.
inline constexpr int SonstigeZeile = 10;   // fill-ups of stations not in the list
inline constexpr int SummenZeile = 11;     // all fill-ups of the year

// The station year list of one year, or (ListenJahr 0) the sum over the
// chosen range of years.
struct TTankstellenJahr {
    uint16_t ListenJahr = 0;
    uint8_t BenutzteZeilen = 0;      // used rows among 0..10
    std::array<TTankstellenZeile, 12> Zeilen;
};

// Adds up the fill-ups of the main list for the years the print settings
// choose (DruckTS_...): one record per year in the order the years first
// occur, then the sum record when a range is summed. Empty when no
// fill-up was taken, and when the user cancelled (the progress knows which).
std::vector<TTankstellenJahr> TankstellenJahreBilden(TDruckFortschritt &fortschritt);

// Prints the records the settings ask for, beginning with the header of
// the current page. False when the user cancelled.
bool DruckeTankstellenJahresliste(TDruckflaeche &drucker, TDruckFortschritt &fortschritt,
                                  const std::vector<TTankstellenJahr> &jahre);
