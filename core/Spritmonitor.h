// The CSV export of spritmonitor.de, read into a fill-up list and written
// from one, so that a log kept there can move here and back.
//
// One line per fill-up, newest first, ";" between the fields (or "," with
// a decimal point), the columns found by their names in the first line:
//   Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;Reifen;
//   Strecken;Fahrweise;Kraftstoff;Bemerkung;Verbrauch
// Tankart 1 is a full tank, 2 a partial one, 3 the first fill-up, 0 a
// fill-up the service marked as not valid.
#pragma once

#include "Sprilo_Dek.h"

#include <cstdint>
#include <string>
#include <vector>

// A line the import refused, with the reason in the user's words.
struct TImportFehler {
    int64_t Zeile = 0;          // line of the file, the header is line 1
    std::string Grund;          // one or more sentences, no line breaks
};

// A fill-up whose distance since the previous one in the file does not
// match the odometer: a fill-up is missing in between.
struct TImportLuecke {
    int64_t Zeile = 0;
    int32_t KMStand = 0;
    int64_t TeilKm = 0;         // as the file says
    int64_t Differenz = 0;      // odometer difference to the previous fill-up
};

struct TImportErgebnis {
    // The file could not be used at all (not readable, no header, a column
    // missing); Grund tells why, nothing else is set.
    bool Lesbar = false;
    bool Geoeffnet = true;                   // false: the file could not be opened
    std::string Grund;
    int64_t Zeilen = 0;                      // data lines read
    TTankListe Fuellungen;                   // the valid lines, by odometer
    // The first MaxBerichtEintraege refused lines (in file order) and gaps
    // (by odometer), and how many there are in all.
    std::vector<TImportFehler> Abgelehnt;
    std::vector<TImportLuecke> Luecken;
    int64_t AnzahlAbgelehnt = 0;
    int64_t AnzahlLuecken = 0;
};

// Files larger than this are no export of a single vehicle (a thousand
// fill-ups take some 100 KB).
constexpr int64_t MaxImportGroesse = 16ll * 1024 * 1024;
// A report names this many lines of each kind and counts the rest.
constexpr int64_t MaxBerichtEintraege = 1000;

// Reads an export from its bytes. Station numbers come from the current
// station list.
TImportErgebnis SpritmonitorLesen(const std::string &bytes);
// The same from a file through the file system of the core.
TImportErgebnis SpritmonitorDateiLesen(const std::string &datei);

// The refused lines and the gaps as lines of text ("Zeile 7: ..."), at most
// maxZeilen of each (0 = all that are kept) followed by how many more there are.
std::string AbgelehntText(const TImportErgebnis &e, size_t maxZeilen);
std::string LueckenText(const TImportErgebnis &e, size_t maxZeilen);

// Makes the imported fill-ups the current data, as loading a file would:
// new data without plate, tank capacity or file name, not saved, the
// logical check run and the fixed consumption taken from the last values.
void ImportUebernehmen(TImportErgebnis &&e);

// The current fill-ups as an export: UTF-8 with BOM, CRLF, newest first.
std::string SpritmonitorText();
// Writes SpritmonitorText() to a new file beside datei and only then gives
// it datei's name; false when that failed (datei is then as it was).
bool SpritmonitorSchreiben(const std::string &datei);
