// `drucken` where the tool is built without Qt: it says so.
#include "Befehle.h"

int PdfDrucken(const TDruckAuftrag &, std::ostream &, std::ostream &fehler)
{
    fehler << "Diese Ausgabe von sprilo-cli wurde ohne Qt gebaut und kann nicht drucken.\n";
    return CliUnbrauchbar;
}
