// File access of the core: opening, creating, deleting and renaming files.
// The program uses the real file system; tests install a fake that fails
// exactly the operation they want to see fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class TEingabe {
public:
    virtual ~TEingabe() = default;
    // Reads up to n bytes; returns how many were read, 0 at the end.
    // A read error returns 0 and sets Fehler().
    virtual size_t Lesen(void *ziel, size_t n) = 0;
    virtual bool Fehler() const = 0;
    // Size in bytes, -1 when unknown.
    virtual int64_t Groesse() = 0;
    // Back to the first byte; false if that is not possible.
    virtual bool Zuruecksetzen() = 0;
};

class TAusgabe {
public:
    virtual ~TAusgabe() = default;
    // false when not every byte could be written.
    virtual bool Schreiben(const void *daten, size_t n) = 0;
    // Flushes to the disk and closes; false on any error.
    virtual bool Schliessen() = 0;
};

class TDateisystem {
public:
    virtual ~TDateisystem() = default;
    // Something (a file, a directory ...) exists under this name.
    virtual bool Existiert(const std::string &pfad) = 0;
    // A directory exists under this name (symbolic links followed).
    virtual bool IstVerzeichnis(const std::string &pfad);
    // A regular file exists under this name (symbolic links followed); not
    // a directory, FIFO or device.
    virtual bool IstDatei(const std::string &pfad);
    // Creates the directory and its missing parents; true when it exists
    // afterwards.
    virtual bool VerzeichnisAnlegen(const std::string &pfad);
    virtual bool Loeschen(const std::string &pfad) = 0;
    virtual bool Umbenennen(const std::string &alt, const std::string &neu) = 0;
    // nullptr when the file cannot be opened for reading; only regular
    // files open, so that a FIFO or a device neither blocks nor floods the
    // reader.
    virtual std::unique_ptr<TEingabe> Oeffnen(const std::string &pfad) = 0;
    // Creates a new, empty file beside pfad (same directory, so that it can
    // be renamed onto pfad) under a name that no other file has: hidden and
    // with an ending of no file type of the program. It takes pfad's access
    // rights when pfad exists. name receives its path; nullptr on failure.
    virtual std::unique_ptr<TAusgabe> Zwischendatei(const std::string &pfad, std::string &name) = 0;
    // Makes the renames in a directory durable; false when the directory
    // could not be flushed.
    virtual bool VerzeichnisSichern(const std::string &verzeichnis) = 0;
};

// The file system in use; never null.
TDateisystem &Dateisystem();
// Installs d (not owned); nullptr restores the real file system.
void DateisystemSetzen(TDateisystem *d);

// An input over bytes in memory (tests, fuzzing).
std::unique_ptr<TEingabe> SpeicherEingabe(std::string bytes);
