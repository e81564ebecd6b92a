#include "Hilfedatei.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

std::string Gross(const std::string &s)
{
    std::string g = s;
    for (char &c : g)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return g;
}

std::string ZeileNr(size_t nr)
{
    return "Zeile " + std::to_string(nr) + ": ";
}

std::vector<std::string> Woerter(const std::string &zeile)
{
    std::vector<std::string> w;
    std::istringstream in(zeile);
    std::string wort;
    while (in >> wort)
        w.push_back(wort);
    return w;
}

// Only plain decimal digits count; "+5", "0x10" or "12a" are typing errors
// in the file and must not silently become some other number.
bool KontextLesen(const std::string &text, int &kontext)
{
    if (text.empty() || text.size() > 9)
        return false;
    int wert = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        wert = wert * 10 + (c - '0');
    }
    if (wert <= 0)
        return false;
    kontext = wert;
    return true;
}

void RechtsKuerzen(std::string &s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
}

// The directive a line starts with ("@thema", "@titel", ...), empty when the
// line is ordinary text.
std::string Anweisung(const std::string &zeile)
{
    if (zeile.empty() || zeile[0] != '@')
        return {};
    size_t ende = 1;
    while (ende < zeile.size() && zeile[ende] != ' ' && zeile[ende] != '\t')
        ++ende;
    return zeile.substr(0, ende);
}

std::string NachAnweisung(const std::string &zeile, const std::string &anweisung)
{
    size_t anfang = anweisung.size();
    while (anfang < zeile.size() && (zeile[anfang] == ' ' || zeile[anfang] == '\t'))
        ++anfang;
    return zeile.substr(anfang);
}

} // namespace

bool THilfedatei::Laden(const std::string &pfad)
{
    m_themen.clear();
    m_schluessel.clear();
    m_kontexte.clear();

    struct stat info {};
    if (::stat(pfad.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
        m_fehler = "Die Hilfedatei „" + pfad + "“ wurde nicht gefunden.";
        return false;
    }
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei) {
        m_fehler = "Die Hilfedatei „" + pfad + "“ konnte nicht gelesen werden.";
        return false;
    }
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    if (datei.bad()) {
        m_fehler = "Die Hilfedatei „" + pfad + "“ konnte nicht gelesen werden.";
        return false;
    }
    if (!Lesen(inhalt.str())) {
        m_fehler = "Die Hilfedatei „" + pfad + "“ ist fehlerhaft. " + m_fehler;
        return false;
    }
    return true;
}

bool THilfedatei::Lesen(const std::string &inhalt)
{
    m_themen.clear();
    m_schluessel.clear();
    m_kontexte.clear();
    m_fehler.clear();

    std::vector<THilfeThema> themen;
    std::map<std::string, size_t> schluessel;
    std::map<int, size_t> kontexte;

    auto scheitern = [this](const std::string &fehler) {
        m_fehler = fehler;
        return false;
    };

    std::string text = inhalt;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    bool titelErwartet = false;   // the line after "@thema" must be "@titel"
    size_t themaZeile = 0;
    size_t nr = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string::npos)
            ende = text.size();
        std::string zeile = text.substr(pos, ende - pos);
        pos = ende + 1;
        ++nr;
        RechtsKuerzen(zeile);

        if (zeile.compare(0, 2, "@@") == 0)
            continue;
        const std::string anweisung = Anweisung(zeile);

        if (titelErwartet) {
            if (anweisung != "@titel")
                return scheitern(ZeileNr(nr) + "Hier fehlt die Zeile „@titel“ zum Thema „"
                                 + themen.back().Schluessel + "“.");
            const std::string titel = NachAnweisung(zeile, anweisung);
            if (titel.empty())
                return scheitern(ZeileNr(nr) + "Das Thema hat keinen Titel.");
            themen.back().Titel = titel;
            titelErwartet = false;
            continue;
        }

        if (anweisung == "@thema") {
            const std::vector<std::string> w = Woerter(NachAnweisung(zeile, anweisung));
            if (w.empty())
                return scheitern(ZeileNr(nr) + "Nach „@thema“ fehlt der Schlüssel des Themas.");
            THilfeThema thema;
            thema.Schluessel = w[0];
            const std::string gross = Gross(thema.Schluessel);
            if (schluessel.count(gross))
                return scheitern(ZeileNr(nr) + "Das Thema „" + thema.Schluessel
                                 + "“ ist schon vorhanden.");
            for (size_t i = 1; i < w.size(); ++i) {
                int kontext = 0;
                if (!KontextLesen(w[i], kontext))
                    return scheitern(ZeileNr(nr) + "„" + w[i] + "“ ist keine gültige Hilfekontextnummer.");
                const auto frueher = kontexte.find(kontext);
                if (frueher != kontexte.end())
                    return scheitern(ZeileNr(nr) + "Die Hilfekontextnummer " + std::to_string(kontext)
                                     + " gehört schon zum Thema „" + themen[frueher->second].Schluessel
                                     + "“.");
                for (int k : thema.Kontexte) {
                    if (k == kontext)
                        return scheitern(ZeileNr(nr) + "Die Hilfekontextnummer " + std::to_string(kontext)
                                         + " steht zweimal in der Zeile.");
                }
                thema.Kontexte.push_back(kontext);
            }
            const size_t index = themen.size();
            schluessel[gross] = index;
            for (int k : thema.Kontexte)
                kontexte[k] = index;
            themen.push_back(std::move(thema));
            titelErwartet = true;
            themaZeile = nr;
            continue;
        }

        if (anweisung == "@titel")
            return scheitern(ZeileNr(nr) + "„@titel“ steht nicht direkt nach einer Zeile „@thema“.");
        if (!anweisung.empty())
            return scheitern(ZeileNr(nr) + "Unbekannte Anweisung „" + anweisung + "“.");

        if (themen.empty()) {
            if (zeile.find_first_not_of(" \t") == std::string::npos)
                continue;
            return scheitern(ZeileNr(nr) + "Text vor dem ersten Thema.");
        }
        std::string &t = themen.back().Text;
        if (!t.empty() || !zeile.empty()) {
            if (!t.empty())
                t += '\n';
            t += zeile;
        }
    }

    if (titelErwartet)
        return scheitern(ZeileNr(themaZeile) + "Auf „@thema“ folgt keine Zeile „@titel“.");
    if (themen.empty())
        return scheitern("Die Hilfedatei enthält kein Thema.");

    for (THilfeThema &thema : themen) {
        while (!thema.Text.empty() && (thema.Text.back() == '\n' || thema.Text.back() == ' '))
            thema.Text.pop_back();
    }
    m_themen = std::move(themen);
    m_schluessel = std::move(schluessel);
    m_kontexte = std::move(kontexte);
    return true;
}

const THilfeThema *THilfedatei::Thema(const std::string &schluessel) const
{
    const auto it = m_schluessel.find(Gross(schluessel));
    return it == m_schluessel.end() ? nullptr : &m_themen[it->second];
}

const THilfeThema *THilfedatei::ThemaZuKontext(int kontext) const
{
    const auto it = m_kontexte.find(kontext);
    return it == m_kontexte.end() ? nullptr : &m_themen[it->second];
}
