// The seam between the core and the platform it runs on. The program
// installs a Qt implementation, tests install fakes; without either the core
// falls back to a quiet console platform.
#pragma once

#include "Meldungen.h"
#include "Sprilo_Dek.h"

#include <cstdint>

class TPlattform {
public:
    virtual ~TPlattform() = default;

    // Plays the platform's message sound of kind 1..5 (default beep,
    // exclamation, question, asterisk, hand).
    virtual void Ton(int art) = 0;
    // System colour 1..24 in the Windows numbering (1 desktop background ...
    // 24 tooltip background) as 0xRRGGBB.
    virtual uint32_t SystemFarbe(int index) = 0;
    // Today's date.
    virtual TDatum Heute() = 0;
    // Shows a modal message box and returns the pressed button (mrOk ...).
    virtual int MeldungZeigen(const TMeldung &meldung) = 0;
};

// The platform in use. Never null.
TPlattform &Plattform();
// Installs p (not owned); nullptr restores the console platform.
void PlattformSetzen(TPlattform *p);

// Windows' classic colour for system colour index 1..24 (0 outside).
uint32_t KlassischeSystemFarbe(int index);
