// Every message box of the program in one table: text, sound, box kind,
// buttons and help context. A text is written exactly once, in
// Meldungen.cpp, so that it can be found by searching for what the user
// reads. Texts take the pieces that change (file names, counts) as %1, %2 ...
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

// A box has one of four kinds with fixed titles.
enum class TKastenArt { Warnung, Fehler, Information, Bestaetigen };

enum TKnopf : unsigned {
    KnopfJa = 1u << 0,
    KnopfNein = 1u << 1,
    KnopfOK = 1u << 2,
    KnopfAbbrechen = 1u << 3,   // "Abbrechen" (cancel)
    KnopfAbbruch = 1u << 4,     // "&Abbrechen" (abort)
    KnopfHilfe = 1u << 5,
};

// Answers of a message box.
constexpr int mrOk = 1, mrCancel = 2, mrAbort = 3, mrYes = 6, mrNo = 7;

// The messages by meaning. Several may share a help context (the save
// failures, the two questions about unsaved data).
enum class TMeldungsNr {
    Keine,
    // configuration
    KonfigNichtSchreibbar,          // 8101
    KonfigNeuInitialisiert,         // 8102
    KonfigFehlerhaft,               // 8103
    KonfigAngepasst,                // 8104
    KonfigAltesFormat,              // 8217
    // loading
    DatenUnbrauchbar,               // 8002: %1 file, %2 backup hint or ""
    DatenNichtZugreifbar,           // 8106: %1 file
    DatenUnvollstaendig,            // 8219: %1 file, %2 read, %3 announced, %4 backup hint or ""
    AngepasstWaehrung,              // 8218
    AngepasstFormat,                // 8214
    AngepasstFestverbrauch,         // 8202
    AngepasstTankstellen,           // 8202
    // saving
    Sicherung1,                     // 8105: %1 file, %2 backup (sets of failed steps)
    Sicherung2,
    Sicherung3,
    Sicherung4,                     // 8001
    Sicherung5,
    Sicherung6,
    Sicherung7,
    SchreibfehlerUnveraendert,      // 8001: %1 file, %2 backup piece or ""; the file on disk is as before
    SchreibfehlerNeu,               // 8001: %1 file; there was none and there is none
    KeineDatei,                     // 8001: %1 is a directory or the like
    // questions
    UngespeichertNeu,               // 8107
    UngespeichertLaden,             // 8107
    UngespeichertBeenden,           // 8108
    BeendenBestaetigen,
    KeinKennzeichen,                // 8211
    KeinTankinhalt,                 // 8213
    // refusals
    LogischeFehlerDruck,            // 8003
    LogischeFehlerAnsicht,          // 8003
    LogischeFehlerVerbrauch,        // 8003
    LogischeFehlerLiterpreis,       // 8003
    LogischeFehlerReichweite,       // 8003
    KeineVerbrauchswerte,           // 8206: %1 what was searched, %2 where nothing was entered
    KeinLiterpreisGefunden,         // 8215
    KeineReichweiteGefunden,        // 8216
    ReichweiteOhneTankinhalt,       // 8213
    PapierZuKlein,                  // 8209: %1 the printable width in mm
    NichtsZuDrucken,                // 8210
    AusgabeFehlgeschlagen,          // %1 what could not take the print
    GrafikNurNachDatum,             // 8208
    KeineFuellungenGefunden,        // 8205: %1 the selection text
    AlleDatenGeloescht,             // 8207
    AenderungUebernehmen,
    DatensatzLoeschen,
    MaximaleFuellungen,             // 8203: %1 the maximum
    TankstellenlisteVoll,           // 8201: %1 the maximum
    FestverbrauchUngueltig,         // 8204: %1 the field error text
    TankinhaltUngueltig,            // 8212: %1 the field error text
    // importing and exporting
    UngespeichertImport,            // 8107
    ImportUnmoeglich,               // %1 file, %2 the reason
    ImportNichtsGueltig,            // %1 file; the refused lines in Details
    ImportTeilweise,                // %1 file, %2 refused, %3 lines, %4 valid; the refused lines in Details
    ImportFertig,                   // %1 file, %2 fill-ups, %3 ImportLuecken or ""; the gaps in Details
    ExportFehlgeschlagen,           // %1 file
    ExportFertig,                   // %1 file, %2 fill-ups
    // the file dialog
    DateiFehlt,                     // %1 path
    DateiUeberschreiben,            // %1 path
    DateinameUngueltig,
    // the help menu
    Softwarehinweis,                // %1 version
    Info,                           // %1 version, %2 where the configuration lives, %3 credits
};

// Pieces that go into the texts above.
enum class TBaustein {
    SicherheitskopieOeffnen,        // %1 backup: hint of 8002
    SicherheitskopiePruefen,        // %1 backup: hint of 8219
    SicherungUnveraendert,          // %1 backup: the write error left it as it was
    InhaltInSicherung,              // %1 backup: a failed save left F's content there
    KonfigOrt,                      // %1 directory: where SPRILO.INI is
    KeinKonfigOrt,                  // no configuration file possible
    ImportLuecken,                  // %1 how many fill-ups: the import found gaps before them
};

struct TMeldung {
    TMeldungsNr Nr = TMeldungsNr::Keine;
    int Code = 0;               // code of the "Code : " line, or the help context; 0 = none
    std::string Text;           // "\r" separates lines
    int TonArt = 1;             // sound kind 1..5
    bool TonImmer = false;      // sound even when WarnTonAn is off
    TKastenArt Art = TKastenArt::Information;
    unsigned Knoepfe = KnopfOK;
    int Hilfe = 0;              // help context, 0 = none
    // A list too long for the text (refused lines of an import), shown in a
    // scrollable field below it; "\r" separates lines.
    std::string Details;

    bool Leer() const { return Nr == TMeldungsNr::Keine; }
};

// The message with its pieces put in.
TMeldung MeldungBauen(TMeldungsNr nr, std::initializer_list<std::string> teile = {});
std::string Baustein(TBaustein b, std::initializer_list<std::string> teile = {});

// Sounds the message's signal and shows it in a box; returns the pressed
// button (mrOk ...).
int Melden(const TMeldung &meldung);
int Melden(TMeldungsNr nr, std::initializer_list<std::string> teile = {});
