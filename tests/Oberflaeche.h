// Shared pieces of the window tests: a platform that records beeps instead
// of playing them, and fill-ups made in one line.
#pragma once

#include "QtPlattform.h"
#include "Sprilo_Dek.h"

#include <string>
#include <vector>

class TTestPlattform : public TQtPlattform {
public:
    std::vector<int> Toene;
    void Ton(int art) override { Toene.push_back(art); }
    void HilfeZeigen(int) override {}
};

inline TTankFuellung Fuellung(int km, int tag, int monat, int jahr, const std::string &tankstelle = "Jet")
{
    TTankFuellung f;
    f.KMStand = km;
    f.Datum.Tag = static_cast<uint8_t>(tag);
    f.Datum.Monat = static_cast<uint8_t>(monat);
    f.Datum.Jahr = static_cast<uint16_t>(jahr);
    f.Tankstelle = tankstelle;
    f.Betrag = 50;
    f.Liter = 40;
    return f;
}
