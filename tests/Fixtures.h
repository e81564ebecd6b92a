// Reading the fixture folders: data files written by an independent
// implementation of the file layouts, with a description of their content.
#pragma once

#include "Sprilo_Dek.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

inline std::string FixturPfad(const std::string &ordner, const std::string &datei = {})
{
    std::string p = std::string(SPRILO_TESTDATEN) + "/fixtures/" + ordner;
    return datei.empty() ? p : p + "/" + datei;
}

inline std::string DateiInhalt(const std::string &pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

// x as its encoder lays it out in groesse bytes.
template <typename T>
std::string Bytes(const T &x, void (*kodieren)(const T &, uint8_t *), int groesse)
{
    std::string s(size_t(groesse), '\0');
    kodieren(x, reinterpret_cast<uint8_t *>(s.data()));
    return s;
}

inline void DateiSchreiben(const std::string &pfad, const std::string &bytes)
{
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus << bytes;
}

struct TFixtur {
    std::map<std::string, std::string> Kopf;
    std::vector<TTankFuellung> Fuellungen;
};

inline std::vector<std::string> Felder(const std::string &zeile, char trenner)
{
    std::vector<std::string> f;
    std::string teil;
    std::istringstream s(zeile);
    while (std::getline(s, teil, trenner))
        f.push_back(teil);
    if (!zeile.empty() && zeile.back() == trenner)
        f.emplace_back();
    return f;
}

// inhalt.txt: key=value lines, then one line per fill-up
// "TT.MM.JJJJ;KM;Tankstelle;Betrag;Liter;J|N;VollBei;[Nr];[AlteWaehrung]".
inline TFixtur FixturLesen(const std::string &ordner)
{
    TFixtur fx;
    std::ifstream ein(FixturPfad(ordner, "inhalt.txt"));
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (zeile.empty())
            continue;
        if (zeile.find(';') == std::string::npos) {
            const size_t gleich = zeile.find('=');
            fx.Kopf[zeile.substr(0, gleich)] = zeile.substr(gleich + 1);
            continue;
        }
        const auto f = Felder(zeile, ';');
        TTankFuellung t;
        t.Datum = {uint8_t(std::stoi(f[0].substr(0, 2))), uint8_t(std::stoi(f[0].substr(3, 2))),
                   uint16_t(std::stoi(f[0].substr(6, 4)))};
        t.KMStand = std::stoi(f[1]);
        t.Tankstelle = f[2];
        t.Betrag = std::strtold(f[3].c_str(), nullptr);
        t.Liter = std::strtold(f[4].c_str(), nullptr);
        t.Vollgetankt = f[5] == "J" ? 1 : 0;
        const long double vollBei = f[6].empty() ? -1 : std::strtold(f[6].c_str(), nullptr);
        t.LiterNachAbschaltung = (t.Vollgetankt && vollBei >= 0) ? t.Liter - vollBei : 0;
        t.BetragNachAbschaltung = t.Betrag * t.LiterNachAbschaltung / t.Liter;
        t.LiterPreis = static_cast<uint16_t>(std::nearbyintl(t.Betrag / t.Liter * 1000.0L));
        t.TankstellenNr = static_cast<int8_t>(f.size() > 7 && !f[7].empty() ? std::stoi(f[7]) : -1);
        t.AlteWaehrung = static_cast<uint8_t>(f.size() > 8 && !f[8].empty() ? std::stoi(f[8]) : 0);
        fx.Fuellungen.push_back(t);
    }
    return fx;
}

inline long double KopfZahl(const TFixtur &fx, const std::string &schluessel)
{
    const auto it = fx.Kopf.find(schluessel);
    return it == fx.Kopf.end() ? 0 : std::strtold(it->second.c_str(), nullptr);
}

// A directory of its own, removed with all it holds.
struct TOrdner {
    std::string Pfad;
    TOrdner()
    {
        char muster[] = "/tmp/sprilo-testXXXXXX";
        if (!mkdtemp(muster))
            throw std::runtime_error("mkdtemp");
        Pfad = muster;
    }
    ~TOrdner() { std::error_code fehler; std::filesystem::remove_all(Pfad, fehler); }
    std::string operator/(const std::string &name) const { return Pfad + "/" + name; }
    std::vector<std::string> Namen() const
    {
        std::vector<std::string> n;
        for (const auto &e : std::filesystem::directory_iterator(Pfad))
            n.push_back(e.path().filename().string());
        std::sort(n.begin(), n.end());
        return n;
    }
};
