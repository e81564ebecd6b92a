// The main window's side of the litre-price and range developments:
// opening their panels, what their buttons do, and the chart window behind
// "Entwicklung ansehen".
#include "Sprilo_1.h"

#include "Meldungen.h"
#include "PanelEntwicklung.h"
#include "Sprilo_Dek.h"
#include "charts/Entwicklung.h"
#include "charts/Sprilo_7.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace {

// Opens a development panel as the settings are, or refuses it with the
// message about inconsistent data.
bool PanelOeffnen(TForm1 &form, TPanelEntwicklung *panel, QAction *hilfe, TMeldungsNr logischeFehler)
{
    form.PanelsSchliessen();
    if (!DatenLogisch) {
        Melden(logischeFehler);
        return false;
    }
    panel->show();
    hilfe->setVisible(true);
    panel->Fuellen();
    return true;
}

void NormalerCursor()
{
    // However the work or the chart window left it.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

// Builds a series with the waiting text up and the hourglass on; the waiting
// text goes again afterwards, the hourglass stays for the chart window.
void SerieBilden(QLabel *warteLabel, void (*ermitteln)())
{
    // A long period takes a while: the waiting text must be up before the
    // work starts.
    warteLabel->show();
    warteLabel->raise();
    warteLabel->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ermitteln();
    warteLabel->hide();
}

} // namespace

void TForm1::MP_4_3Click()
{
    PanelOeffnen(*this, PanelLPreis, MP_5_1b_7, TMeldungsNr::LogischeFehlerLiterpreis);
}

void TForm1::MP_4_4Click()
{
    PanelOeffnen(*this, PanelReichweite, MP_5_1b_8, TMeldungsNr::LogischeFehlerReichweite);
}

void TForm1::ShowLPClick(QObject *sender)
{
    if (sender == PanelLPreis->Button2) {
        PanelsSchliessen();
        return;
    }
    if (sender != PanelLPreis->Button1)
        return;
    // The period shown counts, even when its lists were never touched.
    PanelLPreis->CBClick();
    SerieBilden(WarteLabel1, ErmittleLiterpreisEntwicklung);
    if (AnzahlEntwicklungswerte() == 0) {
        NormalerCursor();
        // The panel stays as the user left it, to choose another period.
        Melden(TMeldungsNr::KeinLiterpreisGefunden);
        return;
    }
    setEnabled(false);
    Form7Holen(this)->LiterpreisZeigen();
    NormalerCursor();
    show();
    setEnabled(true);
    StatusAnzeigen();
    MP_4_3Click();
}

void TForm1::ShowRWClick(QObject *sender)
{
    if (sender == PanelReichweite->Button2) {
        PanelsSchliessen();
        return;
    }
    if (sender != PanelReichweite->Button1)
        return;
    // Without a tank capacity there is no range; the box says where to give
    // it, and the panel with its button stays.
    if (Tankinhalt <= 0) {
        Melden(TMeldungsNr::ReichweiteOhneTankinhalt);
        return;
    }
    PanelReichweite->CBClick();
    SerieBilden(WarteLabel1, ErmittleReichweitenEntwicklung);
    if (AnzahlEntwicklungswerte() != 0) {
        setEnabled(false);
        Form7Holen(this)->ReichweiteZeigen();
        NormalerCursor();
        show();
        setEnabled(true);
    } else {
        NormalerCursor();
        Melden(TMeldungsNr::KeineReichweiteGefunden);
    }
    // The chart window may have changed the tank capacity.
    MP_4_4Click();
    StatusAnzeigen();
}

void TForm1::PR_Button3Click()
{
    MP_2_2Click();
    PanelReichweite->TankinhaltZeigen();
}
