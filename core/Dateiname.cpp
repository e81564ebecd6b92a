#include "Dateiname.h"

#include "Datendatei.h"

namespace {

// Characters that a data file's path must not contain, directories included.
const char *const Verboten[] = {
    "*", "?", "ß", "ä", "ü", "ö", "Ä", "Ü", "Ö", " ", "+", "#", ",", ";", "(", ")", "{", "}", "[", "]",
};

std::string Kleinschreibung(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

bool DateinameGueltig(const std::string &pfad)
{
    for (const char *zeichen : Verboten)
        if (pfad.find(zeichen) != std::string::npos)
            return false;
    return !DateiOhneEndung(Dateiteil(pfad)).empty();
}

std::string Pfadteil(const std::string &pfad)
{
    const size_t schraegstrich = pfad.rfind('/');
    return schraegstrich == std::string::npos ? std::string() : pfad.substr(0, schraegstrich + 1);
}

std::string Dateiteil(const std::string &pfad)
{
    const size_t schraegstrich = pfad.rfind('/');
    return schraegstrich == std::string::npos ? pfad : pfad.substr(schraegstrich + 1);
}

std::string Endung(const std::string &pfad)
{
    const std::string name = Dateiteil(pfad);
    const size_t punkt = name.rfind('.');
    return punkt == std::string::npos ? std::string() : name.substr(punkt);
}

std::string NameMitEndung(const std::string &name, const std::string &x)
{
    return x == ".*" ? name : DateiOhneEndung(name) + x;
}

std::vector<TDateityp> FilterZerlegen(const std::string &filter)
{
    std::vector<std::string> teile;
    size_t anfang = 0;
    while (anfang <= filter.size()) {
        const size_t strich = filter.find('|', anfang);
        const size_t ende = strich == std::string::npos ? filter.size() : strich;
        teile.push_back(filter.substr(anfang, ende - anfang));
        if (strich == std::string::npos)
            break;
        anfang = strich + 1;
    }
    std::vector<TDateityp> typen;
    for (size_t i = 0; i + 1 < teile.size(); i += 2)
        typen.push_back({teile[i], teile[i + 1]});
    return typen;
}

int DateitypWaehlen(const std::vector<TDateityp> &typen, const std::string &name)
{
    // Linux names are often lower case: auto.spr is still a data file.
    const std::string gesucht = Kleinschreibung("*" + Endung(name));
    int gefunden = 0;
    for (size_t i = 0; i < typen.size(); ++i)
        if (Kleinschreibung(typen[i].Maske) == gesucht)
            gefunden = static_cast<int>(i);
    return gefunden;
}
