// "Daten ä&ndern" and "Daten &löschen": the main window steps aside for the
// fill-up list window in its change or delete mode.
#include "Sprilo_1.h"

#include "browse/Sprilo_2.h"

namespace {

void ListenfensterOeffnen(TForm1 *form1, void (TForm2::*oeffnen)())
{
    form1->PanelsSchliessen();
    form1->setEnabled(false);
    form1->hide();
    (Form2Holen(form1)->*oeffnen)();
    form1->show();
    form1->setEnabled(true);
    form1->StatusAnzeigen();
}

} // namespace

void TForm1::MP_3_2Click()
{
    ListenfensterOeffnen(this, &TForm2::AendernOeffnen);
}

void TForm1::MP_3_3Click()
{
    ListenfensterOeffnen(this, &TForm2::LoeschenOeffnen);
}
