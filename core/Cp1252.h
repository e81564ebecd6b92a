// Code page 1252, the character set of the data and configuration files.
// Texts live as UTF-8 in memory and are converted at the file boundary.
#pragma once

#include <string>

// The UTF-8 text of the given code page 1252 bytes. The five bytes that the
// code page leaves undefined map to the control characters of the same
// number, so that every byte reads back as itself.
std::string AusCp1252(const std::string &bytes);
// The code page 1252 bytes of a UTF-8 text; characters the code page lacks
// (and malformed UTF-8) become "?".
std::string NachCp1252(const std::string &utf8);
// The first n characters (code points) of a UTF-8 text.
std::string Zeichenweise(const std::string &utf8, size_t n);
// Number of characters (code points) of a UTF-8 text.
size_t Zeichenzahl(const std::string &utf8);

// Control characters: C0, DEL and the C1 code points U+0080..U+009F.
bool IstSteuerzeichen(char32_t c);
// Whether the first character of a UTF-8 text is one.
bool BeginntMitSteuerzeichen(const std::string &utf8);
// The text with every control character shown as "?".
std::string SteuerzeichenSichtbar(const std::string &utf8);

// Whether the files can hold c as a printable character: code page 1252
// without its control characters and the five bytes it leaves undefined.
bool Cp1252Speicherbar(char32_t c);
// The text without the characters the files cannot hold; those are
// appended to abgelehnt when given.
std::string NurSpeicherbar(const std::string &utf8, std::string *abgelehnt = nullptr);
