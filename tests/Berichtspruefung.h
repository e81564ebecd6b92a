// What the report tests share: a fixture with the recording printer and
// progress, finders for texts and lines, and the recording metrics.
#pragma once

#include "core/Konfiguration.h"
#include "core/Zusatz1.h"
#include "core/Zustand.h"

#include "AufzeichnenderDrucker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The width of a text on the recording printer.
inline int B(const std::string &text)
{
    return TAufzeichnendeFlaeche::ZeichenBreite * static_cast<int>(TAufzeichnendeFlaeche::Zeichen(text));
}

// The colour of entry i of the colour table.
inline uint32_t Eintrag(int i)
{
    return FarbeNr(Farben[static_cast<size_t>(i)]);
}

class TBerichtsTest : public ::testing::Test {
protected:
    void SetUp() override { GlobalenZustandZuruecksetzen(); }
    void TearDown() override { GlobalenZustandZuruecksetzen(); }

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
