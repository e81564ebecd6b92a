// Loading and saving data files from the main window. The core reads and
// writes the files; this side asks the questions, picks the file, shows the
// loading box and the one message the core reports.
#include "Sprilo_1.h"

#include "Datendatei.h"
#include "Laden3.h"
#include "Meldungen.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

const std::string LadeFilter = "Tankstellendaten  (*.SPR)|*.SPR|Sicherheitskopie   (*.SPK)|*.SPK";
const std::string SpeicherFilter = "Tankstellendaten  (*.SPR)|*.SPR";

// LadeBox1 with its gauge and the hourglass while a file is read or
// written. The gauge moves at most about a hundred times, so that a long
// file is not slowed down by repainting; each move lets the box repaint.
class TLadeAnzeige {
public:
    explicit TLadeAnzeige(TForm1 &form) : m_form(form) {}
    ~TLadeAnzeige() { Ende(); }
    TLadeAnzeige(const TLadeAnzeige &) = delete;
    TLadeAnzeige &operator=(const TLadeAnzeige &) = delete;

    TFortschritt Fortschritt()
    {
        TFortschritt f;
        f.Beginnen = [this](const std::string &text, int64_t maximum) { Beginnen(text, maximum); };
        f.Schritt = [this](int64_t position) { Schritt(position); };
        f.Ende = [this] { Ende(); };
        return f;
    }

private:
    void Beginnen(const std::string &text, int64_t maximum)
    {
        // A damaged header may give any count; the gauge only needs a scale.
        m_maximum = std::clamp<int64_t>(maximum, 0, INT_MAX);
        m_schrittweite = std::max<int64_t>(1, m_maximum / 100);
        m_gezeigt = 0;
        if (!m_aktiv) {
            m_aktiv = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
        m_form.LB_Label1->setText(QString::fromStdString(text));
        m_form.LB_Proz1->setRange(0, static_cast<int>(m_maximum));
        m_form.LB_Proz1->setValue(0);
        m_form.LadeBox1->show();
        Auffrischen();
    }

    void Schritt(int64_t position)
    {
        // The last record always shows, so that the gauge ends full.
        if (!m_aktiv || (position - m_gezeigt < m_schrittweite && position != m_maximum))
            return;
        m_gezeigt = position;
        m_form.LB_Proz1->setValue(static_cast<int>(std::min(position, m_maximum)));
        Auffrischen();
    }

    void Ende()
    {
        if (!m_aktiv)
            return;
        m_aktiv = false;
        m_form.LadeBox1->hide();
        QApplication::restoreOverrideCursor();
    }

    static void Auffrischen() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

    TForm1 &m_form;
    bool m_aktiv = false;
    int64_t m_maximum = 0;
    int64_t m_schrittweite = 1;
    int64_t m_gezeigt = 0;
};

// True when the user wants to go on loading; Yes means "save by hand first".
bool AlteDatenVerwerfen()
{
    return Gespeichert || Melden(TMeldungsNr::UngespeichertLaden) == mrNo;
}

} // namespace

void TForm1::LadenClick()
{
    DateiLaden({});
}

void TForm1::DateiOeffnen(const QString &datei)
{
    m_wartendeDatei = datei;
    if (!m_ladeWarten) {
        m_ladeWarten = new QTimer(this);
        connect(m_ladeWarten, &QTimer::timeout, this, &TForm1::WartendeDateiLaden);
    }
    // Never right here: the caller may be a socket's signal, and loading
    // asks questions in loops of their own.
    m_ladeWarten->start(0);
}

void TForm1::WartendeDateiLaden()
{
    // With a modal window (a message, a dialog, a list or chart window) or
    // a job under the hourglass the user could not reach "Datei | Laden"
    // either; the file waits until they are done.
    if (QApplication::activeModalWidget() || QApplication::overrideCursor()) {
        m_ladeWarten->start(250);
        return;
    }
    m_ladeWarten->stop();
    // An open menu holds nothing; it gives way to the file.
    if (QWidget *menue = QApplication::activePopupWidget())
        menue->close();
    const std::string datei = m_wartendeDatei.toStdString();
    m_wartendeDatei.clear();
    if (!datei.empty())
        DateiLaden(datei);
}

void TForm1::DateiLaden(std::string datei)
{
    if (!AlteDatenVerwerfen()) {
        StatusAnzeigen();
        return;
    }
    PanelsSchliessen();

    if (datei.empty()) {
        datei = DateiName;
        if (!DateiAuswahl(true, DatenVerzeichnis, LadeFilter, datei)) {
            StatusAnzeigen();
            return;
        }
    }
    // The dialog must be gone from the screen before the reading blocks.
    repaint();

    TLadeErgebnis ergebnis;
    {
        TLadeAnzeige anzeige(*this);
        ergebnis = DatenLaden(datei, anzeige.Fortschritt());
    }
    // An incomplete file is said first; what loading adapted follows.
    if (!ergebnis.Warnung.Leer())
        Melden(ergebnis.Warnung);
    if (!ergebnis.Meldung.Leer())
        Melden(ergebnis.Meldung);
    StatusAnzeigen();
}

bool TForm1::SpeichernClick(QObject *sender)
{
    PanelsSchliessen();
    std::string datei = DateiName;

    // Saving goes on whatever the answers and the dialogs' outcome.
    if (Kennzeichen.empty() && Melden(TMeldungsNr::KeinKennzeichen) == mrYes)
        MP_2_1Click();
    if (Tankinhalt == 0 && Melden(TMeldungsNr::KeinTankinhalt) == mrYes)
        MP_2_2Click();

    const bool unterNeuemNamen = sender != nullptr && (sender == MP_1_4 || sender == SpeedButton6);
    if (datei.empty() || unterNeuemNamen) {
        if (!DateiAuswahl(false, DatenVerzeichnis, SpeicherFilter, datei)) {
            // Nothing saved, nothing to tell: the user chose not to.
            StatusAnzeigen();
            return true;
        }
    }

    TSpeicherErgebnis ergebnis;
    {
        TLadeAnzeige anzeige(*this);
        ergebnis = DatenSpeichern(datei, anzeige.Fortschritt());
    }
    if (!ergebnis.Meldung.Leer())
        Melden(ergebnis.Meldung);
    StatusAnzeigen();
    return ergebnis.Geschrieben;
}
