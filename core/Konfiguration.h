// The configuration file SPRILO.INI: one record of 3084 bytes (an older
// version wrote 784). So far only the petrol-station list is taken from it.
#pragma once

#include <string>

constexpr int KonfigGroesse = 3084;
constexpr int AlteKonfigGroesse = 784;

// Fills Tankstellen/AnzahlTankstellen from the file. A missing or defective
// file (shorter than the old record, or more than 10 stations) gives the
// default list "SHELL , Velmbach"; the result tells whether the file was used.
bool TankstellenlisteLesen(const std::string &pfad);
void TankstellenlisteVorbelegen();
