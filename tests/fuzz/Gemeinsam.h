// What both fuzz targets need: a scratch folder in memory where possible,
// and a check that stops the run at the input that broke it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// Created once per run, ending in "/".
inline const std::string &FuzzOrdner()
{
    static const std::string ordner = [] {
        std::string muster = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/sprilo-fuzz-XXXXXX");
        if (!mkdtemp(muster.data()))
            std::abort();
        return muster + "/";
    }();
    return ordner;
}

inline void Pruefen(bool bedingung)
{
    if (!bedingung)
        __builtin_trap();
}

inline void DateiAblegen(const std::string &pfad, const uint8_t *daten, size_t groesse)
{
    std::FILE *f = std::fopen(pfad.c_str(), "wb");
    if (!f || std::fwrite(daten, 1, groesse, f) != groesse || std::fclose(f) != 0)
        std::abort();
}
