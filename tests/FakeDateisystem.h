// A file system in memory that fails exactly what a test asks it to and
// counts the bytes read.
#pragma once

#include "Dateisystem.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>

class TFakeDateisystem final : public TDateisystem {
public:
    std::map<std::string, std::string> Dateien;
    // Files too large to hold: size and the byte at each position.
    struct TVirtuell {
        int64_t Groesse = 0;
        std::function<char(int64_t)> Byte;
    };
    std::map<std::string, TVirtuell> Virtuell;

    bool LoeschenScheitert = false;
    bool UmbenennenScheitert = false;
    bool ErzeugenScheitert = false;
    long SchreibenScheitertNach = -1;   // bytes; -1 = never
    bool SchliessenScheitert = false;

    int64_t Gelesen = 0;                // bytes read through Oeffnen

    TFakeDateisystem() { DateisystemSetzen(this); }
    ~TFakeDateisystem() override { DateisystemSetzen(nullptr); }

    bool Existiert(const std::string &pfad) override
    {
        return Dateien.count(pfad) > 0 || Virtuell.count(pfad) > 0;
    }
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
        if (const auto it = Dateien.find(pfad); it != Dateien.end())
            return std::make_unique<TFakeEingabe>(*this, it->second);
        if (const auto it = Virtuell.find(pfad); it != Virtuell.end())
            return std::make_unique<TFakeEingabe>(*this, it->second);
        return nullptr;
    }
    std::unique_ptr<TAusgabe> Erzeugen(const std::string &pfad) override
    {
        if (ErzeugenScheitert)
            return nullptr;
        Dateien[pfad].clear();
        return std::make_unique<TFakeAusgabe>(*this, pfad);
    }

private:
    class TFakeEingabe final : public TEingabe {
    public:
        TFakeEingabe(TFakeDateisystem &fs, std::string bytes)
            : m_fs(fs), m_bytes(std::move(bytes)), m_groesse(int64_t(m_bytes.size()))
        {
        }
        TFakeEingabe(TFakeDateisystem &fs, const TVirtuell &v) : m_fs(fs), m_groesse(v.Groesse), m_byte(v.Byte) {}
        size_t Lesen(void *ziel, size_t n) override
        {
            const size_t k = size_t(std::min<int64_t>(int64_t(n), m_groesse - m_pos));
            auto *p = static_cast<char *>(ziel);
            if (m_byte)
                for (size_t i = 0; i < k; ++i)
                    p[i] = m_byte(m_pos + int64_t(i));
            else
                std::memcpy(p, m_bytes.data() + m_pos, k);
            m_pos += int64_t(k);
            m_fs.Gelesen += int64_t(k);
            return k;
        }
        bool Fehler() const override { return false; }
        int64_t Groesse() override { return m_groesse; }
        bool Zuruecksetzen() override
        {
            m_pos = 0;
            return true;
        }

    private:
        TFakeDateisystem &m_fs;
        std::string m_bytes;
        int64_t m_groesse;
        std::function<char(int64_t)> m_byte;
        int64_t m_pos = 0;
    };

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
