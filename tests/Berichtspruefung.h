// What the report tests share: a fixture with the recording printer and
// progress, finders for texts and lines, and the recording metrics.
#pragma once

#include "core/Konfiguration.h"
#include "core/Zusatz1.h"
#include "core/Zustand.h"

#include "AufzeichnenderDrucker.h"

#include <gtest/gtest.h>

#include <array>
#include <numeric>
#include <string>
#include <vector>

using V = std::vector<int>;
using VS = std::vector<std::string>;

// The width of a text on the recording printer.
inline int B(const std::string &text)
{
    return TAufzeichnendeFlaeche::ZeichenBreite * static_cast<int>(TAufzeichnendeFlaeche::Zeichen(text));
}
inline const int W = B("W");
inline int Ende(const TAufzeichnung *a) { return a->X + B(a->Text); }

// The colour of entry i of the colour table.
inline uint32_t Eintrag(int i)
{
    return FarbeNr(Farben[static_cast<size_t>(i)]);
}

// Lines as {X1, Y1, X2, Y2}, to compare at once.
inline std::vector<std::array<int, 4>> Strecken(const std::vector<TAufzeichnung> &linien)
{
    std::vector<std::array<int, 4>> r;
    for (const auto &l : linien)
        r.push_back({l.X1, l.Y1, l.X2, l.Y2});
    return r;
}

class TBerichtsTest : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }

    // A fresh printer (A4 portrait by default) and progress.
    void Neu(int breite = 4760, int hoehe = 6779, int breiteMM = 201)
    {
        drucker = TAufzeichnenderDrucker(breite, hoehe, 600, breiteMM);
        fortschritt = TAufzeichnenderFortschritt();
    }
    // The phases, gauge maxima and positions the progress was given.
    void Fortschritt(const VS &phasen, const V &maxima, const V &positionen) const
    {
        EXPECT_EQ(fortschritt.Phasen, phasen);
        EXPECT_EQ(fortschritt.Maxima, maxima);
        EXPECT_EQ(fortschritt.Positionen, positionen);
    }

    // The text records with exactly this text, in drawing order.
    std::vector<const TAufzeichnung *> TexteMit(const std::string &text) const
    {
        std::vector<const TAufzeichnung *> r;
        for (const auto &a : drucker.Flaeche.Aufrufe)
            if (a.Art == TAufrufArt::Text && a.Text == text)
                r.push_back(&a);
        return r;
    }
    const TAufzeichnung &Text(const std::string &text, size_t n = 0) const
    {
        static const TAufzeichnung keiner{};
        const auto alle = TexteMit(text);
        EXPECT_LT(n, alle.size()) << text;
        return n < alle.size() ? *alle[n] : keiner;
    }
    int RechteKante(const std::string &text, size_t n = 0) const { return Text(text, n).X + B(text); }
    // Whether this text is drawn at this height, ending at this right edge.
    bool TextAn(const std::string &text, int y, int rechts) const
    {
        for (const auto *a : TexteMit(text))
            if (a->Y == y && Ende(a) == rechts)
                return true;
        return false;
    }
    // The page of each record with this text.
    V SeitenVon(const std::string &text) const
    {
        V r;
        for (const auto *a : TexteMit(text))
            r.push_back(drucker.SeiteVon(a));
        return r;
    }
    // 1, 2, ... up to the number of pages.
    V AlleSeiten() const
    {
        V r(static_cast<size_t>(drucker.Seiten()));
        std::iota(r.begin(), r.end(), 1);
        return r;
    }

    std::vector<TAufzeichnung> Senkrechte(uint32_t farbe) const
    {
        std::vector<TAufzeichnung> r;
        for (const auto &a : drucker.Flaeche.Linien(farbe))
            if (a.X1 == a.X2)
                r.push_back(a);
        return r;
    }

    // Without colour every line, text and bar is black.
    void AllesSchwarz() const
    {
        for (const auto &a : drucker.Flaeche.Aufrufe) {
            EXPECT_EQ(a.Stift.Farbe, 0u);
            EXPECT_EQ(a.Schrift.Farbe, 0u);
            if (a.Art == TAufrufArt::Rechteck) {
                EXPECT_EQ(a.Pinsel.Farbe, 0u);
            }
        }
    }

    TAufzeichnenderDrucker drucker;
    TAufzeichnenderFortschritt fortschritt;
};
