// A file system in memory that fails exactly what a test asks it to.
#pragma once

#include "Dateisystem.h"

#include <map>
#include <string>

class TFakeDateisystem final : public TDateisystem {
public:
    std::map<std::string, std::string> Dateien;
    bool LoeschenScheitert = false;
    bool UmbenennenScheitert = false;
    bool ErzeugenScheitert = false;
    long SchreibenScheitertNach = -1;   // bytes; -1 = never
    bool SchliessenScheitert = false;

    TFakeDateisystem() { DateisystemSetzen(this); }
    ~TFakeDateisystem() override { DateisystemSetzen(nullptr); }

    bool Existiert(const std::string &pfad) override { return Dateien.count(pfad) > 0; }
    bool Loeschen(const std::string &pfad) override
    {
        if (LoeschenScheitert)
            return false;
        return Dateien.erase(pfad) > 0;
    }
    bool Umbenennen(const std::string &alt, const std::string &neu) override
    {
        if (UmbenennenScheitert || !Dateien.count(alt))
            return false;
        Dateien[neu] = Dateien[alt];
        Dateien.erase(alt);
        return true;
    }
    std::unique_ptr<TEingabe> Oeffnen(const std::string &pfad) override
    {
        const auto it = Dateien.find(pfad);
        if (it == Dateien.end())
            return nullptr;
        return SpeicherEingabe(it->second);
    }
    std::unique_ptr<TAusgabe> Erzeugen(const std::string &pfad) override
    {
        if (ErzeugenScheitert)
            return nullptr;
        Dateien[pfad].clear();
        return std::make_unique<TFakeAusgabe>(*this, pfad);
    }

private:
    class TFakeAusgabe final : public TAusgabe {
    public:
        TFakeAusgabe(TFakeDateisystem &fs, std::string pfad) : m_fs(fs), m_pfad(std::move(pfad)) {}
        bool Schreiben(const void *daten, size_t n) override
        {
            std::string &inhalt = m_fs.Dateien[m_pfad];
            size_t erlaubt = n;
            if (m_fs.SchreibenScheitertNach >= 0) {
                const size_t rest = inhalt.size() < size_t(m_fs.SchreibenScheitertNach)
                    ? size_t(m_fs.SchreibenScheitertNach) - inhalt.size() : 0;
                erlaubt = std::min(n, rest);
            }
            inhalt.append(static_cast<const char *>(daten), erlaubt);
            return erlaubt == n;
        }
        bool Schliessen() override { return !m_fs.SchliessenScheitert; }

    private:
        TFakeDateisystem &m_fs;
        std::string m_pfad;
    };
};
