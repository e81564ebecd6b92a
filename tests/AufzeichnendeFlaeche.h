// A drawing surface that draws nothing and writes down every call with the
// pen, brush and font in force, so that tests can check a drawing as
// numbers. Its text metrics are fixed: 6 pixels per character (counted in
// UTF-8 characters, so "ä" is one) and 13 pixels high.
#pragma once

#include "core/Zeichenflaeche.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

enum class TAufrufArt { Linie, Rechteck, Flaeche, Text, TextImRechteck };

struct TAufzeichnung {
    TAufrufArt Art;
    // Linie: from (X1, Y1) to (X2, Y2); Rechteck, Flaeche, TextImRechteck:
    // the corners; Text, TextImRechteck: the text's corner at (X, Y).
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int X = 0, Y = 0;
    std::string Text;
    TStift Stift;
    TPinsel Pinsel;
    TSchrift Schrift;
};

class TAufzeichnendeFlaeche : public TZeichenflaeche {
public:
    static constexpr int ZeichenBreite = 6;
    static constexpr int ZeilenHoehe = 13;

    explicit TAufzeichnendeFlaeche(int breite = 561, int hoehe = 305, int dpi = 96)
        : m_breite(breite), m_hoehe(hoehe), m_dpi(dpi)
    {
    }

    std::vector<TAufzeichnung> Aufrufe;

    int Breite() const override { return m_breite; }
    int Hoehe() const override { return m_hoehe; }
    int PunkteProZoll() const override { return m_dpi; }
    int PunkteProZollSenkrecht() const override { return m_dpi; }

    using TZeichenflaeche::PinselSetzen;
    using TZeichenflaeche::StiftSetzen;
    void StiftSetzen(uint32_t farbe, int breite = 1, TStiftArt art = TStiftArt::Durchgehend) override
    {
        m_stift = {farbe, breite, art};
    }
    TStift Stift() const override { return m_stift; }
    void PinselSetzen(uint32_t farbe, TPinselArt art = TPinselArt::Voll) override { m_pinsel = {farbe, art}; }
    TPinsel Pinsel() const override { return m_pinsel; }
    void SchriftSetzen(const TSchrift &schrift) override { m_schrift = schrift; }
    TSchrift Schrift() const override { return m_schrift; }

    void Linie(int x1, int y1, int x2, int y2) override { Merken(TAufrufArt::Linie, x1, y1, x2, y2); }
    void Rechteck(int x1, int y1, int x2, int y2) override { Merken(TAufrufArt::Rechteck, x1, y1, x2, y2); }
    void FlaecheFuellen(int x1, int y1, int x2, int y2) override { Merken(TAufrufArt::Flaeche, x1, y1, x2, y2); }
    void Text(int x, int y, const std::string &text) override
    {
        Merken(TAufrufArt::Text, 0, 0, 0, 0, x, y, text);
    }
    void TextImRechteck(int x1, int y1, int x2, int y2, int x, int y, const std::string &text) override
    {
        Merken(TAufrufArt::TextImRechteck, x1, y1, x2, y2, x, y, text);
    }
    int TextBreite(const std::string &text) override { return ZeichenBreite * static_cast<int>(Zeichen(text)); }
    int TextHoehe(const std::string &) override { return ZeilenHoehe; }

    static size_t Zeichen(const std::string &text)
    {
        size_t n = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80)
                ++n;
        return n;
    }

    // ---- finding records ----------------------------------------------------
    std::vector<TAufzeichnung> Alle(TAufrufArt art) const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : Aufrufe)
            if (a.Art == art)
                r.push_back(a);
        return r;
    }
    // Lines drawn with a pen of this colour (and style).
    std::vector<TAufzeichnung> Linien(uint32_t farbe) const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : Aufrufe)
            if (a.Art == TAufrufArt::Linie && a.Stift.Farbe == farbe)
                r.push_back(a);
        return r;
    }
    std::vector<TAufzeichnung> Linien(uint32_t farbe, TStiftArt art) const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : Linien(farbe))
            if (a.Stift.Art == art)
                r.push_back(a);
        return r;
    }
    // Rectangles filled with a brush of this colour.
    std::vector<TAufzeichnung> Rechtecke(uint32_t farbe) const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : Aufrufe)
            if (a.Art == TAufrufArt::Rechteck && a.Pinsel.Farbe == farbe)
                r.push_back(a);
        return r;
    }
    std::vector<std::string> Texte() const
    {
        std::vector<std::string> r;
        for (const auto &a : Aufrufe)
            if (a.Art == TAufrufArt::Text || a.Art == TAufrufArt::TextImRechteck)
                r.push_back(a.Text);
        return r;
    }
    // The first text record with exactly this text, nullptr when none.
    const TAufzeichnung *TextMit(const std::string &text) const
    {
        for (const auto &a : Aufrufe)
            if ((a.Art == TAufrufArt::Text || a.Art == TAufrufArt::TextImRechteck) && a.Text == text)
                return &a;
        return nullptr;
    }
    // How many text records start with this text.
    size_t TexteMitAnfang(const std::string &anfang) const
    {
        size_t n = 0;
        for (const auto &t : Texte())
            if (t.compare(0, anfang.size(), anfang) == 0)
                ++n;
        return n;
    }
    void Leeren() { Aufrufe.clear(); }

private:
    void Merken(TAufrufArt art, int x1, int y1, int x2, int y2, int x = 0, int y = 0, const std::string &text = {})
    {
        TAufzeichnung a;
        a.Art = art;
        a.X1 = x1, a.Y1 = y1, a.X2 = x2, a.Y2 = y2, a.X = x, a.Y = y;
        a.Text = text;
        a.Stift = m_stift;
        a.Pinsel = m_pinsel;
        a.Schrift = m_schrift;
        Aufrufe.push_back(std::move(a));
    }

    int m_breite, m_hoehe, m_dpi;
    TStift m_stift;
    TPinsel m_pinsel;
    TSchrift m_schrift;
};
