// What the reports with graphs share: the colours of the colour table
// (everything black when the user prints without colour) and the font
// colour.
#pragma once

#include "core/Konfiguration.h"
#include "core/Zeichenflaeche.h"
#include "core/Zusatz1.h"

#include <cstdint>

inline constexpr uint32_t DruckSchwarz = 0x000000;

// Entry eintrag (0..15) of Farben as a colour, black without DruckInFarbe.
inline uint32_t DruckFarbe(int eintrag)
{
    return DruckInFarbe ? FarbeNr(Farben[static_cast<size_t>(eintrag)]) : DruckSchwarz;
}

inline void DruckSchriftFarbe(TZeichenflaeche &f, uint32_t farbe)
{
    TSchrift s = f.Schrift();
    s.Farbe = farbe;
    f.SchriftSetzen(s);
}
