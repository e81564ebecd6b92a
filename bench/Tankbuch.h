// Large fuel logs for the benchmarks: the same fill-ups for the same size
// on every machine and every run.
#pragma once

#include "core/Sprilo_Dek.h"

#include <cstdint>

constexpr uint64_t Startwert = 19500101;   // fixed seed: every run writes the same files

// The station list the logs are written and read against, so that loading
// finds every stored station number unchanged.
void StationslisteSetzen();
// Licence plate, tank capacity and a fixed consumption.
void FahrzeugSetzen();
// Fills Fuellungen with n fill-ups in odometer order, derived as the entry
// form derives them; one in five not full, one in six at a station not in
// the list.
void FuellungenErzeugen(int32_t n);
// The same records in an order fixed by startwert.
void Mischen(TTankListe &liste, uint64_t startwert);
