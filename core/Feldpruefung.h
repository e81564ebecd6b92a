// The rules for every value typed for a fill-up and for the two numeric
// vehicle settings, with the error numbers 1..24 and their texts.
#pragma once

#include "Sprilo_Dek.h"

#include <cstdint>
#include <string>

// ---- entry state of the entry panel ------------------------------------------
// Reset when a new entry begins; a fill-up is taken over only when all six
// flags are set.
extern bool KMStandOk;
extern bool DatumOk;
extern bool TankstelleBesucht;
extern bool BetragOk;
extern bool LiterOk;
extern bool VollBeiOk;
extern long double EingabeLiter;     // litres at their last successful check
extern long double EingabeVollBei;   // full-at value as read by its last check
// Text of the currency choice that is on screen (entry or change panel);
// message 11 names it.
extern std::string WaehrungsText;

void EingabeZustandZuruecksetzen();

// The text of an error number; empty for 0 and numbers outside 1..24.
std::string FehlerText(int fehlerNr);

// What the user is told about characters a text field refused because the
// files cannot hold them (NurSpeicherbar): each named once, control
// characters together.
std::string AbgelehnteZeichenText(const std::string &abgelehnt);

// Field texts are cut to this many characters before they are read.
constexpr std::size_t MaxFeldtext = 255;

// Each check returns 0 or the error number; within a field later hits
// overwrite earlier ones in the order the rules are given. An empty text is
// the caller's business (it is never an error).
uint8_t KMStandPruefen(const std::string &text, int32_t ausser);                 // 1..4
uint8_t DatumFeldPruefen(const std::string &text);                               // 5..8
uint8_t BetragPruefen(const std::string &text);                                  // 9..11
uint8_t LiterPruefen(const std::string &text, long double &wert);                // 12, 14, 16
// Reads the full-at value into wert; 18 when literOk and wert > liter.
uint8_t VollBeiPruefen(const std::string &text, long double &wert, bool literOk,
                       long double liter);                                      // 13, 15, 17, 18
uint8_t FestverbrauchPruefen(const std::string &text, long double &wert);        // 12, 14, 16, 24
uint8_t TankinhaltPruefen(const std::string &text, bool mindestensEinLiter,
                          long double &wert);                                   // 19..23

// The field (FeldNr 1, 2, 4, 5, 7) whose value an error number refuses, so
// that the focus can go back there; 0 for 0 and for the errors of the two
// vehicle settings (19..24), which have no field in the entry panel.
int FehlerFeld(int fehlerNr);

// ---- building a fill-up ----------------------------------------------------
// What the station field shows until the user names a station, and the
// name a fill-up gets when he names none.
inline constexpr const char *TankstelleHinweis = "Tankstelle angeben";
inline constexpr const char *TankstelleUnbekannt = "Tankstelle unbekannt";

// The texts of a fill-up as typed; each has passed its check.
struct TFuellungsEingabe {
    std::string KMStand;
    std::string Datum;
    std::string Tankstelle;
    std::string Betrag;
    std::string Liter;
    bool Vollgetankt = true;
    std::string VollBei;            // ignored when not full
};

// The record with its derived values: the litres and the share of the
// amount after the first shut-off, the litre price, the station number.
TTankFuellung FuellungBilden(const TFuellungsEingabe &eingabe);
