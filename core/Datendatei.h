// Loading and saving data files. Both work on the global state and report
// what happened: the one message the program shows, the failure bits of the
// backup copy, and progress for the gauge.
#pragma once

#include "Meldungen.h"
#include "Sprilo_Dek.h"

#include <cstdint>
#include <functional>
#include <string>

// Progress display (the program's loading box): Beginnen with the label
// text and the gauge maximum, Schritt with the gauge position, Ende.
struct TFortschritt {
    std::function<void(const std::string &text, int64_t maximum)> Beginnen;
    std::function<void(int64_t position)> Schritt;
    std::function<void()> Ende;
};

// "D/AUTO.ALT.SPR" -> "D/AUTO": the name up to the first "." of its last
// path component.
std::string DateiOhneEndung(const std::string &name);
// Directory part of a path, without the trailing "/" ("/" for the root,
// "" for a bare name).
std::string Verzeichnisteil(const std::string &pfad);
// Name of the backup copy of a data file.
std::string Sicherungsname(const std::string &datei);

// ---- loading ---------------------------------------------------------------
enum class TLadeStatus {
    Geladen,          // the list holds the file's data (maybe adapted)
    KeineDaten,       // a file without fill-ups: no data, no message
    NichtGeoeffnet,   // could not be opened: nothing changed
    Unbrauchbar,      // damaged: the list is empty
};

struct TLadeErgebnis {
    TLadeStatus Status = TLadeStatus::Geladen;
    TMeldung Warnung;             // shown before Meldung: the file seems incomplete
    TMeldung Meldung;             // Leer(): nothing to tell
    bool AltesFormat = false;     // read as 76-byte records
};

// Loads the file into the global list and state.
TLadeErgebnis DatenLaden(const std::string &datei, const TFortschritt &fortschritt = {});

// ---- saving ----------------------------------------------------------------
enum TSicherungsFehler : int {
    SicherungNichtGeloescht = 1,   // the old backup copy could not be deleted
    DateiNichtUmbenannt = 2,       // the data file could not become the backup
    DateiNichtAngelegt = 4,        // the new file could not be made or take the data file's name
};

struct TSpeicherErgebnis {
    int Fehlerbits = 0;
    bool Geschrieben = false;      // the whole file is on the disk
    TMeldung Meldung;              // Leer(): nothing to tell
};

// Writes the list to a new file beside datei; once that is complete on the
// disk, turns the existing file into the backup copy and gives the new file
// its name. A failure leaves datei as it was, or its message says where
// the previous content is.
TSpeicherErgebnis DatenSpeichern(const std::string &datei, const TFortschritt &fortschritt = {});

// The message for a set of failure bits 1..7 (empty for 0).
TMeldung Sicherungsmeldung(int fehlerbits, const std::string &datei, const std::string &sicherung);
