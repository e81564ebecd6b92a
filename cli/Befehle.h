// The commands of sprilo-cli, callable in-process for tests.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// Exit codes.
constexpr int CliOk = 0;
constexpr int CliUnbrauchbar = 1;
constexpr int CliNichtGeoeffnet = 2;
constexpr int CliNichtsGefunden = 3;
constexpr int CliAufruffehler = 64;

// argumente without the program name.
int CliAusfuehren(const std::vector<std::string> &argumente, std::ostream &aus, std::ostream &fehler);

// A message's text for the terminal: its "\r" line breaks as "\n".
std::string Zeilen(const std::string &text);

// What `drucken` prints, once the data are ready.
struct TDruckAuftrag {
    uint8_t Art = 1;          // TDruckArt
    bool Balken = true;       // developments: bars or a line
    bool Quer = false;        // A4 landscape
    bool A5 = false;          // A5 portrait (too narrow: refused)
    std::string Ausgabe;      // the PDF file
};

// Writes the report as a PDF through the print job, with the page of a
// printer: 8209 when the paper is too narrow, 8210 when nothing was found,
// on fehler. Returns the exit code. Nothing is written unless the whole
// report was.
int PdfDrucken(const TDruckAuftrag &auftrag, std::ostream &aus, std::ostream &fehler);
