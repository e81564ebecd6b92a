// The main window's vehicle settings (licence plate, tank capacity, fixed
// consumption), the two switches and the printer commands.
#include "Drucker.h"
#include "print/Sprilo_4.h"
#include "Meldungen.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Sprilo_Z.h"
#include "Zusatz1.h"

using namespace Qt::Literals::StringLiterals;

namespace {

// The dialog is normally created at start-up; a window built without the
// program around it (tests, tools) gets it on first use.
TZusatzForm &Zusatz(TForm1 *form1)
{
    if (!ZusatzForm)
        ZusatzForm = new TZusatzForm(form1);
    return *ZusatzForm;
}

} // namespace

void TForm1::MP_2_1Click()
{
    PanelsSchliessen();
    const std::string alt = Kennzeichen;
    Zusatz(this).KennzeichenEingeben();
    if (Kennzeichen != alt)
        Gespeichert = false;
    StatusAnzeigen();
}

void TForm1::MP_2_2Click()
{
    const long double alt = Tankinhalt;
    long double wert = Tankinhalt;
    Zusatz(this).TankinhaltEingeben(wert, false);
    Tankinhalt = wert;
    if (Tankinhalt != alt)
        Gespeichert = false;
    StatusAnzeigen();
}

void TForm1::MP_2_3Click()
{
    const long double alt = Festverbrauch;
    long double wert = Festverbrauch;
    Zusatz(this).FestverbrauchEingeben(wert);
    Festverbrauch = wert;
    if (Festverbrauch != alt)
        Gespeichert = false;
    StatusAnzeigen();
}

// A setting of the program, not of the vehicle: the data stay saved.
void TForm1::V_Fest_OnOff()
{
    FestverbrauchAn = !FestverbrauchAn;
    StatusAnzeigen();
}

void TForm1::WarnTon_OnOff()
{
    WarnTonAn = !WarnTonAn;
    // Not forced: switching on beeps once, switching off is silent.
    Signal(1, false);
    StatusAnzeigen();
}

void TForm1::DruckEinricht()
{
    DruckerEinrichten(this);
}

void TForm1::DruckAufbau()
{
    if (!DatenLogisch) {
        Melden(TMeldungsNr::LogischeFehlerDruck);
        return;
    }
    Form4Holen(this)->AlleDatenDrucken();
}
