// A file system in memory that fails exactly what a test asks it to, counts
// the bytes read of files too large to hold and records every change in order.
#pragma once

#include "Dateisystem.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

class TFakeDateisystem final : public TDateisystem {
public:
    std::map<std::string, std::string> Dateien;
    // Files too large to hold: size and the byte at each position.
    struct TVirtuell {
        int64_t Groesse = 0;
        std::function<char(int64_t)> Byte;
    };
    std::map<std::string, TVirtuell> Virtuell;
    // Names that exist but are no regular file (directory, FIFO, device).
    std::set<std::string> Andere;

    // Deleting a file that was there before fails (the save's own new
    // files can always go).
    bool LoeschenScheitert = false;
    // Renaming an existing file fails; -1 or the number of such renames that
    // still succeed before the others fail.
    bool UmbenennenScheitert = false;
    int UmbenennenErlaubt = -1;
    // Renaming a new file (from Zwischendatei) onto its name fails.
    bool ErsetzenScheitert = false;
    bool ErzeugenScheitert = false;     // Zwischendatei
    long SchreibenScheitertNach = -1;   // bytes; -1 = never
    bool SchliessenScheitert = false;

    int64_t Gelesen = 0;                // bytes read of the Virtuell files
    // Successful changes: "anlegen P", "schliessen P", "loeschen P",
    // "umbenennen A B", "sichern D".
    std::vector<std::string> Protokoll;

    TFakeDateisystem() { DateisystemSetzen(this); }
    ~TFakeDateisystem() override { DateisystemSetzen(nullptr); }

    bool Existiert(const std::string &pfad) override { return IstDatei(pfad) || Andere.count(pfad) > 0; }
    bool IstDatei(const std::string &pfad) override { return Dateien.count(pfad) > 0 || Virtuell.count(pfad) > 0; }
    bool Loeschen(const std::string &pfad) override
    {
        if ((LoeschenScheitert && !m_neu.count(pfad)) || !Dateien.erase(pfad))
            return false;
        m_neu.erase(pfad);
        Protokoll.push_back("loeschen " + pfad);
        return true;
    }
    bool Umbenennen(const std::string &alt, const std::string &neu) override
    {
        const bool neueDatei = m_neu.count(alt) > 0;
        if (!Dateien.count(alt) || Andere.count(neu))
            return false;
        if (neueDatei ? ErsetzenScheitert : UmbenennenScheitert || UmbenennenErlaubt == 0)
            return false;
        if (!neueDatei && UmbenennenErlaubt > 0)
            --UmbenennenErlaubt;
        Dateien[neu] = std::move(Dateien[alt]);
        Dateien.erase(alt);
        m_neu.erase(alt);
        Protokoll.push_back("umbenennen " + alt + " " + neu);
        return true;
    }
    std::unique_ptr<TEingabe> Oeffnen(const std::string &pfad) override
    {
        if (const auto it = Dateien.find(pfad); it != Dateien.end())
            return SpeicherEingabe(it->second);
        if (const auto it = Virtuell.find(pfad); it != Virtuell.end())
            return std::make_unique<TVirtuellEingabe>(*this, it->second);
        return nullptr;
    }
    std::unique_ptr<TAusgabe> Zwischendatei(const std::string &pfad, std::string &name) override
    {
        if (ErzeugenScheitert)
            return nullptr;
        const size_t schnitt = pfad.rfind('/');
        name = (schnitt == std::string::npos ? "" : pfad.substr(0, schnitt + 1)) + ".neu" + std::to_string(++m_nr);
        m_neu.insert(name);
        Dateien[name].clear();
        Protokoll.push_back("anlegen " + name);
        return std::make_unique<TFakeAusgabe>(*this, name);
    }
    bool VerzeichnisSichern(const std::string &verzeichnis) override
    {
        Protokoll.push_back("sichern " + verzeichnis);
        return true;
    }

private:
    std::set<std::string> m_neu;
    int m_nr = 0;

    class TVirtuellEingabe final : public TEingabe {
    public:
        TVirtuellEingabe(TFakeDateisystem &fs, TVirtuell v) : m_fs(fs), m_v(std::move(v)) {}
        size_t Lesen(void *ziel, size_t n) override
        {
            const size_t k = size_t(std::min<int64_t>(int64_t(n), m_v.Groesse - m_pos));
            for (size_t i = 0; i < k; ++i)
                static_cast<char *>(ziel)[i] = m_v.Byte(m_pos++);
            m_fs.Gelesen += int64_t(k);
            return k;
        }
        bool Fehler() const override { return false; }
        int64_t Groesse() override { return m_v.Groesse; }
        bool Zuruecksetzen() override { m_pos = 0; return true; }

    private:
        TFakeDateisystem &m_fs;
        TVirtuell m_v;
        int64_t m_pos = 0;
    };

    class TFakeAusgabe final : public TAusgabe {
    public:
        TFakeAusgabe(TFakeDateisystem &fs, std::string pfad) : m_fs(fs), m_pfad(std::move(pfad)) {}
        bool Schreiben(const void *daten, size_t n) override
        {
            std::string &inhalt = m_fs.Dateien[m_pfad];
            const long grenze = m_fs.SchreibenScheitertNach;
            const size_t erlaubt = grenze < 0 ? n : std::min(n, size_t(std::max(0L, grenze - long(inhalt.size()))));
            inhalt.append(static_cast<const char *>(daten), erlaubt);
            return erlaubt == n;
        }
        bool Schliessen() override
        {
            if (m_fs.SchliessenScheitert)
                return false;
            m_fs.Protokoll.push_back("schliessen " + m_pfad);
            return true;
        }

    private:
        TFakeDateisystem &m_fs;
        std::string m_pfad;
    };
};
