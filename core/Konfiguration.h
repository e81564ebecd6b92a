// The configuration file SPRILO.INI: one record of 3084 bytes (an older
// version wrote 784) holding every setting that outlives a run. This unit
// owns the file, the search for a writable directory, the defaults and the
// checks; the settings themselves are used by the panels and windows.
#pragma once

#include "Sprilo_Dek.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr int KonfigGroesse = 3084;
constexpr int AlteKonfigGroesse = 784;
inline constexpr const char *KonfigDateiname = "SPRILO.INI";
inline constexpr const char *TestDateiname = "$$$$$$$$.$$$";

// ---- the settings ---------------------------------------------------------
// WarnTonAn, DatenVerzeichnis, AnzahlTankstellen, Tankstellen and
// FestverbrauchAn live in Sprilo_Dek.h; VerbrauchsAuswahl, VerbrauchsAnsicht,
// AktuellesJahr, GewaehltesJahr, ZeitraumVon and ZeitraumBis in
// consumption/Verbrauchswerte.h. AktuellesJahr serves the fill-up selection
// as well.

// fill-up selection
extern uint8_t TankstellenAuswahl;      // 1..3
extern uint8_t JahresAuswahl;           // 1..4
extern uint8_t FuellungsSortierung;     // 1..4
extern int8_t AuswahlTankstelleNr;      // -1 = none
extern std::string AuswahlWort;         // at most 40 characters
extern uint16_t AuswahlJahr;
extern TDatum AuswahlVon;               // day 1
extern TDatum AuswahlBis;               // day 32
extern bool FuellungenUmgekehrt;

// consumption overview
extern bool TabellenAnsicht;
extern uint8_t Sortierung;              // 1..5
extern bool UmgekehrtSortiert;

// print options
extern bool DruckMitAbschaltwerten;
extern bool DruckMitZusammenfassung;
extern bool DruckFestverbrauchMarkieren;
extern uint8_t DruckVerbrauchsArt;      // 1..3
extern bool DruckInFarbe;
extern bool DruckTankfuellungen;
extern uint8_t DruckTF_Auswahl;         // 1..3
extern uint16_t DruckTF_Jahr;
extern TDatum DruckTF_Von;
extern TDatum DruckTF_Bis;
extern bool DruckVerbrauch;
extern uint8_t DruckVB_Auswahl;         // 1..2
extern uint8_t DruckVB_Ansicht;         // 1..4
extern uint16_t DruckVB_Jahr;
extern TDatum DruckVB_Von;
extern TDatum DruckVB_Bis;
extern bool DruckTankstellenliste;
extern uint8_t DruckTS_Auswahl;         // 1..2
extern uint16_t DruckTS_Jahr;
extern uint16_t DruckTS_VonJahr;
extern uint16_t DruckTS_BisJahr;
extern bool DruckTS_Einzeln;
extern bool DruckTS_Summe;

// development series and charts
extern uint8_t LP_Zeitraumwahl;         // 1..2
extern uint8_t LP_Ansicht;              // 1..4
extern TDatum LP_Von;
extern TDatum LP_Bis;
extern uint8_t LP_Diagrammart;          // 0..2
extern bool LP_DruckBalken;
extern uint8_t RW_Zeitraumwahl;
extern uint8_t RW_Ansicht;
extern TDatum RW_Von;
extern TDatum RW_Bis;
extern uint8_t RW_Diagrammart;
extern bool RW_DruckBalken;

// colour numbers for FarbeNr
extern std::array<uint8_t, 16> Farben;
extern const std::array<uint8_t, 16> StandardFarben;

// ---- where the file may live ----------------------------------------------
// The candidates of the search, in this order: the user's DATEN folder, the
// user's configuration folder (created when missing), the program's folder,
// the roots of the mounted volumes ("/" first). Paths without a trailing "/".
struct TKonfigOrte {
    std::string DatenOrdner;            // ~/DATEN
    std::string KonfigOrdner;           // ~/.config/sprilo
    std::string ProgrammOrdner;         // directory of the executable
    std::vector<std::string> Laufwerke; // mount points, "/" first
    std::string Heimverzeichnis;        // data directory when DATEN is missing
};

// The candidates in use. The program sets them from the real system at
// start-up (StandardKonfigOrte); tests set their own temporary folders.
extern TKonfigOrte KonfigOrte;
TKonfigOrte StandardKonfigOrte();
// Mount points of real volumes from /proc/self/mounts: "/" first, then the
// others in alphabetical order; pseudo file systems are left out.
std::vector<std::string> EingehaengteLaufwerke();
// The same for the text of a mounts file (one mount per line: device, mount
// point, type, ...; blanks in names escaped as \040).
std::vector<std::string> LaufwerkeAusMounts(const std::string &inhalt);
// verzeichnis + "/" + name, without doubling a "/" already there ("/" + name
// for the root).
std::string InVerzeichnis(const std::string &verzeichnis, const std::string &name);

// Progress of the start-up: the intro window shows the line and repaints.
// Both may be empty (command-line tool, tests).
struct TStartAnzeige {
    std::function<void(const std::string &zeile)> Zeile;
    std::function<void()> Neuzeichnen;
};
extern TStartAnzeige StartAnzeige;

// ---- the record ------------------------------------------------------------
// Writes the settings into one 3084-byte record as the file holds it.
std::vector<uint8_t> KonfigurationKodieren();
// Takes the settings of a 3084-byte record (altesFormat false) or of an old
// 784-byte one (true; the fields it lacks get their defaults for heute).
// No checks: see KonfigurationPruefen.
void KonfigurationDekodieren(const uint8_t *satz, bool altesFormat, const TDatum &heute);

// ---- the operations ---------------------------------------------------------
// Finds the directory for SPRILO.INI among KonfigOrte and sets
// KonfigVerzeichnis (with trailing "/", empty when none), KonfigSchreibbar
// and DatenVerzeichnis.
void KonfigurationSuchen();
// Reads KonfigVerzeichnis + SPRILO.INI and checks it; shows 8101, 8102,
// 8103, 8104 or 8217 as needed.
void KonfigurationLesen(bool erzwingen);
void KonfigurationPruefen(const TDatum &heute, bool altesFormat);
// Defaults of the groups stufe..5 (stufe 0 also sounds and station list),
// then KonfigurationSchreiben.
void KonfigurationVorbelegen(int stufe, const TDatum &heute);
// Writes the file when KonfigSchreibbar; a failure is silent for the user,
// the result tells whether the whole record reached the disk.
bool KonfigurationSchreiben();

// What the configuration dialog finds in a directory: 1 when it can be
// written to (test file), plus 2 when SPRILO.INI exists there.
int KonfigVerzeichnisZustand(const std::string &verzeichnis);

// Only the petrol-station list of a file, for the command-line tool: a
// missing or defective file gives the default list "SHELL , Velmbach"; the
// result tells whether the file was used.
bool TankstellenlisteLesen(const std::string &pfad);
void TankstellenlisteVorbelegen();
// Every setting of a configuration file, for the command-line tool: read
// and checked as at start-up, never written back. A missing or defective
// file leaves the defaults; false then.
bool EinstellungenLesen(const std::string &pfad);

// Takes an edited station list (each name cut to 40 characters, at most
// ten): the station chosen for the fill-up view falls back to "other
// stations" when the list became too short for it, and the fill-ups get
// the numbers of their stations. True when that changed any fill-up.
bool TankstellenlisteUebernehmen(const std::vector<std::string> &namen);

// Every setting of the groups 1..5 back to its default as of today, no
// search places and no start-up display (this unit's part of
// GlobalenZustandZuruecksetzen); the file is not touched.
void EinstellungenZuruecksetzen();
