// The main window's side of the fill-up selection: opening the panel and
// what its two buttons do.
#include "Sprilo_1.h"

#include "Meldungen.h"
#include "Sprilo_Dek.h"
#include "browse/Auswahl.h"
#include "browse/PanelTankAnsicht.h"
#include "browse/Sprilo_2.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

// Hides a window the moment another one appears. The list window sorts
// before it shows itself, and all that time the main window's waiting text
// must stay in sight.
class TBeimZeigenVerbergen : public QObject {
public:
    TBeimZeigenVerbergen(QWidget *erscheint, QWidget *verschwindet)
        : m_erscheint(erscheint)
        , m_verschwindet(verschwindet)
    {
        m_erscheint->installEventFilter(this);
    }
    ~TBeimZeigenVerbergen() override { m_erscheint->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *ereignis) override
    {
        if (ereignis->type() == QEvent::Show)
            m_verschwindet->hide();
        return false;
    }

private:
    QWidget *m_erscheint;
    QWidget *m_verschwindet;
};

} // namespace

void TForm1::MP_4_1Click()
{
    PanelsSchliessen();
    if (!DatenLogisch) {
        Melden(TMeldungsNr::LogischeFehlerAnsicht);
        return;
    }
    PanelTankAnsicht->show();
    MP_5_1b_5->setVisible(true);
    PanelTankAnsicht->Fuellen();
}

void TForm1::PTA_ButtonClick(QObject *sender)
{
    PanelTankAnsicht->JahrUndZeitraumUebernehmen();

    if (sender == PanelTankAnsicht->PTA_Button1) {
        // Selecting and sorting a long list takes a while: the waiting text
        // must be up before the work starts, not after.
        WarteLabel1->show();
        WarteLabel1->raise();
        WarteLabel1->repaint();
        AuswahlBilden();
        if (AuswahlAnzahl() == 0) {
            WarteLabel1->hide();
            Melden(TMeldungsNr::KeineFuellungenGefunden, {AuswahlText()});
            return;
        }
        QApplication::setOverrideCursor(Qt::WaitCursor);
        setEnabled(false);
        TForm2 *liste = Form2Holen(this);
        {
            // The list window takes the main window's place until it is
            // closed.
            const TBeimZeigenVerbergen platzMachen(liste, this);
            liste->AnsehenOeffnen();
        }
        WarteLabel1->hide();
        show();
        setEnabled(true);
        // Back to the normal cursor, however the list window left it.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        MP_4_1Click();
    } else if (sender == PanelTankAnsicht->PTA_Button2) {
        PanelsSchliessen();
    }
}
