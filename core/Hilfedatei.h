// The help file SPRILO.HLP: UTF-8 text made of topics. Each topic begins
// with a line
//     @thema <Schluessel> [<Kontext> ...]
// followed by a line "@titel <Titel>" and the topic's text in simple HTML
// up to the next "@thema". Links to other topics are written
// <a href="#Schluessel">. Lines starting with "@@" are comments.
#pragma once

#include <map>
#include <string>
#include <vector>

struct THilfeThema {
    std::string Schluessel;
    std::vector<int> Kontexte;
    std::string Titel;
    std::string Text;           // HTML
};

class THilfedatei {
public:
    // Reads the file; false (and Fehler) when it cannot be read.
    bool Laden(const std::string &pfad);
    // Reads the topics from text; false with Fehler on a malformed head line
    // (line number named), on a key used twice or a context number used
    // twice.
    bool Lesen(const std::string &inhalt);

    // Keys compare without regard to letter case.
    const THilfeThema *Thema(const std::string &schluessel) const;
    const THilfeThema *ThemaZuKontext(int kontext) const;
    const std::vector<THilfeThema> &Themen() const { return m_themen; }
    // German description of the last failure.
    const std::string &Fehler() const { return m_fehler; }

private:
    std::vector<THilfeThema> m_themen;
    std::map<std::string, size_t> m_schluessel;   // upper-case key -> index
    std::map<int, size_t> m_kontexte;
    std::string m_fehler;
};
