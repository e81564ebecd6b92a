// File name rules of the file dialog and the path pieces it works with,
// free of any window. Paths use "/" as separator.
#pragma once

#include <string>
#include <vector>

// A full path is acceptable when it holds none of the refused characters
// and the name of its last component without extension is not empty.
bool DateinameGueltig(const std::string &pfad);

// Up to and including the last "/" ("" for a bare name).
std::string Pfadteil(const std::string &pfad);
// The last path component.
std::string Dateiteil(const std::string &pfad);
// Extension of the last path component from its last "." on, with the
// point ("" when it has none): "D/AUTO.ALT.SPR" -> ".SPR".
std::string Endung(const std::string &pfad);
// name with its extension replaced by x ("*.SPR" -> ".SPR"), or name itself
// when x is ".*" (every type).
std::string NameMitEndung(const std::string &name, const std::string &x);

// One file type of a filter string: display text and mask.
struct TDateityp {
    std::string Text;
    std::string Maske;
};
// "Text|Mask|Text|Mask" -> the pairs; a text without mask is dropped.
std::vector<TDateityp> FilterZerlegen(const std::string &filter);
// Index of the last type whose mask is "*" + the extension of name (letter
// case ignored); 0 when none is.
int DateitypWaehlen(const std::vector<TDateityp> &typen, const std::string &name);
