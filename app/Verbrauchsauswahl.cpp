// The main window's side of the consumption selection: opening the panel
// and what its two buttons do, with the consumption window behind "Werte
// ansehen".
#include "Sprilo_1.h"

#include "Meldungen.h"
#include "PanelVerbrauch.h"
#include "Sprilo_Dek.h"
#include "consumption/Sprilo_3.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Monate.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <string>

namespace {

// What message 8206 says for the choice in VerbrauchsAuswahl: which values
// were searched and where nothing was entered.
struct TSuche {
    std::string Gesucht;
    std::string Wo;
};

TSuche GesuchteWerte()
{
    switch (VerbrauchsAuswahl) {
    case 2:
        return {"des Jahres " + std::to_string(AktuellesJahr), "in diesem Jahr"};
    case 3:
        return {"des Jahres " + std::to_string(GewaehltesJahr), "in Jahr " + std::to_string(GewaehltesJahr)};
    case 4:
        return {"in Zeitraum von " + MonatsText(ZeitraumVon) + " bis " + MonatsText(ZeitraumBis),
                "in diesem Zeitraum"};
    default:
        // The last values of two fill-ups are never none.
        return {};
    }
}

} // namespace

void TForm1::MP_4_2Click()
{
    PanelsSchliessen();
    if (!DatenLogisch) {
        Melden(TMeldungsNr::LogischeFehlerVerbrauch);
        return;
    }
    PanelVerbrauch->show();
    MP_5_1b_6->setVisible(true);
    // Only the number of the last values is needed here, for the first
    // choice's caption; "Werte ansehen" shows these very values.
    ErmittleLetzteVerbrauchswerte();
    PanelVerbrauch->Fuellen(AnzahlVerbrauchswerte());
}

void TForm1::PV_ButtonClick(QObject *sender)
{
    PanelVerbrauch->ListenUebernehmen();

    if (sender == PanelVerbrauch->PV_Button1) {
        UmgekehrtSortiert = PanelVerbrauch->PV_CB1->isChecked();
        // Building a long period takes a while: the waiting text must be up
        // before the work starts.
        WarteLabel1->show();
        WarteLabel1->raise();
        WarteLabel1->repaint();
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (VerbrauchsAuswahl != 1)
            ErmittleVerbrauchswerte();
        if (AnzahlVerbrauchswerte() != 0) {
            setEnabled(false);
            // The consumption window hides the main window while it is open
            // and empties the consumption list when it closes.
            Form3Holen(this)->Oeffnen();
            // Back to the normal cursor, however the window left it.
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
            WarteLabel1->hide();
            show();
            setEnabled(true);
            StatusAnzeigen();
        } else {
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
            WarteLabel1->hide();
            const TSuche suche = GesuchteWerte();
            Melden(TMeldungsNr::KeineVerbrauchswerte, {suche.Gesucht, suche.Wo});
        }
        // The panel as the settings now are, with the last values built
        // afresh.
        MP_4_2Click();
    } else if (sender == PanelVerbrauch->PV_Button2) {
        PanelsSchliessen();
    }
}
