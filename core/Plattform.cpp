#include "Plattform.h"

#include <ctime>

namespace {

// Used where no other platform is installed (the command-line tool): no
// sound, no boxes, the classic colours and the system clock.
class TKonsolenPlattform final : public TPlattform {
public:
    void Ton(int) override {}
    uint32_t SystemFarbe(int index) override { return KlassischeSystemFarbe(index); }
    TDatum Heute() override
    {
        const std::time_t jetzt = std::time(nullptr);
        std::tm t{};
        localtime_r(&jetzt, &t);
        TDatum d;
        d.Tag = static_cast<uint8_t>(t.tm_mday);
        d.Monat = static_cast<uint8_t>(t.tm_mon + 1);
        d.Jahr = static_cast<uint16_t>(t.tm_year + 1900);
        return d;
    }
    int MeldungZeigen(const TMeldung &meldung) override
    {
        if (meldung.Knoepfe & KnopfOK)
            return mrOk;
        if (meldung.Knoepfe & KnopfNein)
            return mrNo;
        return mrCancel;
    }
};

TKonsolenPlattform konsole;
TPlattform *aktuell = &konsole;

} // namespace

TPlattform &Plattform()
{
    return *aktuell;
}

void PlattformSetzen(TPlattform *p)
{
    aktuell = p ? p : &konsole;
}

uint32_t KlassischeSystemFarbe(int index)
{
    // COLOR_BACKGROUND (1) .. COLOR_INFOBK (24) of the classic scheme.
    static constexpr uint32_t farben[24] = {
        0x3A6EA5, 0x000080, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000,
        0x000000, 0x000000, 0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080,
        0x000080, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080, 0x000000,
        0xC0C0C0, 0xFFFFFF, 0x000000, 0xC0C0C0, 0x000000, 0xFFFFE1,
    };
    if (index < 1 || index > 24)
        return 0;
    return farben[index - 1];
}
