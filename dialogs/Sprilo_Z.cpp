#include "Sprilo_Z.h"

#include "Eingabefelder.h"
#include "Feldpruefung.h"
#include "Format.h"
#include "Hilfe.h"
#include "Meldungen.h"
#include "Sprilo_Dek.h"
#include "Zusatz1.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

TZusatzForm *ZusatzForm = nullptr;

TEinstellDialog::TEinstellDialog(QWidget *hauptfenster)
{
    if (!ZusatzForm)
        ZusatzForm = new TZusatzForm(hauptfenster);
    m_eltern = ZusatzForm->parentWidget();
    m_freigegeben = m_eltern && !m_eltern->isEnabled();
    if (m_freigegeben)
        m_eltern->setEnabled(true);
}

TEinstellDialog::~TEinstellDialog()
{
    if (m_freigegeben && m_eltern)
        m_eltern->setEnabled(false);
}

namespace {

constexpr int DesignBreite = 257;
constexpr int DesignHoehe = 141;

struct TModusTexte {
    QString Titel;
    int Kontext;
    QString Anfrage;     // KB_Label1
    QString Bemerkung;   // KB_Label2; empty = hidden
    QString EditHinweis;
    QString OkHinweis;
    QString Schluessel;  // help topic
};

// Modes 0, 1, 2 and the minimum-one-litre variant of mode 2.
const TModusTexte &Texte(int modus, bool mindestensEinLiter)
{
    static const TModusTexte texte[4] = {
        {u"Kennzeichen eingeben"_s, 7010, u"Bitte geben Sie das KFZ-Kennzeichen an."_s, u"maximal 20 Zeichen"_s,
         u"KFZ-Kennzeichen"_s, u"Kennzeichen übernehmen"_s, u"FZ_Kennz"_s},
        {u"Festverbrauch eingeben"_s, 7020, u"Bitte geben Sie den Festverbrauch an."_s, QString(),
         u"Festverbrauch"_s, u"Festverbrauch übernehmen"_s, u"FZ_FestVB"_s},
        {u"Tankinhalt eingeben"_s, 7030, u"Bitte geben Sie den Tankinhalt an."_s,
         u"0 => Streckenberechnung deaktiviert"_s, u"Tankinhalt"_s, u"Tankinhalt übernehmen"_s, u"FZ_Tank0"_s},
        {u"Tankinhalt eingeben"_s, 7031, u"Bitte geben Sie den Tankinhalt an."_s, u"Mindestgröße : ein Liter"_s,
         u"Tankinhalt"_s, u"Tankinhalt übernehmen"_s, u"FZ_Tank0"_s},
    };
    const int i = std::clamp(modus, 0, 2) + (modus == 2 && mindestensEinLiter ? 1 : 0);
    return texte[i];
}

} // namespace

TZusatzForm::TZusatzForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"ZusatzForm"_s);
    setModal(true);
    // Caption with the close box only: no minimise, maximise or "?" button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    KB_Label1 = new QLabel(this);
    KB_Label1->setObjectName(u"KB_Label1"_s);
    KB_Label1->setAlignment(Qt::AlignCenter);
    KB_Label1->setWordWrap(true);

    KB_Edit1 = new QLineEdit(this);
    KB_Edit1->setObjectName(u"KB_Edit1"_s);
    KB_Edit1->setMaxLength(KapazitaetKennzeichen);
    // A plate of 20 capitals must be readable as a whole.
    KB_Edit1->setMinimumWidth(KB_Edit1->fontMetrics().horizontalAdvance(QString(KapazitaetKennzeichen, u'H'))
                              + 4 * KB_Edit1->fontMetrics().averageCharWidth());

    KB_Label2 = new QLabel(this);
    KB_Label2->setObjectName(u"KB_Label2"_s);
    KB_Label2->setAlignment(Qt::AlignCenter);

    // Says which typed characters were left out; hidden until then.
    KB_Label3 = new QLabel(this);
    KB_Label3->setObjectName(u"KB_Label3"_s);
    KB_Label3->setAlignment(Qt::AlignCenter);
    KB_Label3->setWordWrap(true);
    QPalette rot = KB_Label3->palette();
    rot.setColor(QPalette::WindowText, QColor::fromRgb(FarbeNr(4)));
    KB_Label3->setPalette(rot);
    KB_Label3->hide();

    KB_Ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), u"&Ok"_s, this);
    KB_Ok->setObjectName(u"KB_Ok"_s);
    KB_Ok->setDefault(true);
    KB_Abbr = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), u"Abbruch"_s, this);
    KB_Abbr->setObjectName(u"KB_Abbr"_s);
    KB_Abbr->setToolTip(u"Abbrechen"_s);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), u"&Hilfe"_s, this);
    BitBtn1->setObjectName(u"BitBtn1"_s);
    BitBtn1->setToolTip(u"Hilfe"_s);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addWidget(KB_Ok);
    knoepfe->addWidget(KB_Abbr);
    knoepfe->addWidget(BitBtn1);

    auto *haupt = new QVBoxLayout(this);
    haupt->setSpacing(6);
    // Room the texts do not need is shared above and below them.
    haupt->addStretch(1);
    haupt->addWidget(KB_Label1);
    haupt->addWidget(KB_Edit1);
    haupt->addWidget(KB_Label2);
    haupt->addWidget(KB_Label3);
    haupt->addStretch(1);
    haupt->addLayout(knoepfe);

    setTabOrder(KB_Edit1, KB_Ok);
    setTabOrder(KB_Ok, KB_Abbr);
    setTabOrder(KB_Abbr, BitBtn1);

    // Upper case while typing, and only what the data file can hold; text
    // put in by the program stays as it is.
    NurSpeicherbareZeichen(
        KB_Edit1, [this](const QString &hinweis) { ZeichenAbgelehnt(hinweis); },
        [](const QString &text) { return QString::fromStdString(Grossschreibung(text.toStdString())); });
    connect(KB_Ok, &QPushButton::clicked, this, [this] { KB_Click(KB_Ok); });
    connect(KB_Abbr, &QPushButton::clicked, this, [this] { KB_Click(KB_Abbr); });
    connect(BitBtn1, &QPushButton::clicked, this, &TZusatzForm::ZeigHilfe);

    TexteSetzen(0, false);
    GroesseFestlegen();
}

TZusatzForm::~TZusatzForm()
{
    if (ZusatzForm == this)
        ZusatzForm = nullptr;
}

QString TZusatzForm::HilfeSchluessel() const
{
    return Texte(m_modus, m_mindestensEinLiter).Schluessel;
}

void TZusatzForm::TexteSetzen(int modus, bool mindestensEinLiter)
{
    const TModusTexte &t = Texte(modus, mindestensEinLiter);
    setWindowTitle(t.Titel);
    HilfeKontextSetzen(this, t.Kontext);
    KB_Label1->setText(t.Anfrage);
    KB_Label2->setText(t.Bemerkung);
    KB_Label2->setVisible(!t.Bemerkung.isEmpty());
    KB_Edit1->setToolTip(t.EditHinweis);
    KB_Ok->setToolTip(t.OkHinweis);
}

// The design size scaled for the screen's font, enlarged where the texts of
// the mode shown need more room. The design has a remark under the edit;
// without one (mode 1) the dialog is lower by its line, so that no gap
// shows where it would be.
void TZusatzForm::GroesseFestlegen()
{
    auto *haupt = static_cast<QVBoxLayout *>(layout());
    haupt->invalidate();
    haupt->activate();
    const int breite = std::max(static_cast<int>(std::lround(DesignBreite * Fensterfaktor)),
                                haupt->totalMinimumSize().width());
    int design = static_cast<int>(std::lround(DesignHoehe * Fensterfaktor));
    if (KB_Label2->isHidden())
        design -= KB_Label2->fontMetrics().height() + haupt->spacing();
    const int noetig = haupt->hasHeightForWidth() ? haupt->totalHeightForWidth(breite)
                                                  : haupt->totalSizeHint().height();
    setFixedSize(breite, std::max({design, noetig, haupt->totalMinimumSize().height()}));
}

void TZusatzForm::Zentrieren()
{
    const QScreen *schirm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(schirm->availableGeometry().center());
    move(rahmen.topLeft());
}

void TZusatzForm::Oeffnen(int modus)
{
    m_modus = modus;
    m_darfSchliessen = true;
    if (modus != 2)
        m_mindestensEinLiter = false;
    TexteSetzen(modus, m_mindestensEinLiter);
    KB_Label3->hide();
    GroesseFestlegen();
    if (modus == 0) {
        KB_Edit1->setText(QString::fromStdString(Kennzeichen));
    } else {
        // Selected as a whole, so that typing replaces it.
        KB_Edit1->setText(QString::fromStdString(Format("%3.2f", {m_wert})));
        KB_Edit1->selectAll();
    }
    Zentrieren();
}

void TZusatzForm::KennzeichenEingeben()
{
    Oeffnen(0);
    if (exec() == QDialog::Accepted)
        Kennzeichen = m_kennzeichen.toStdString();
}

void TZusatzForm::FestverbrauchEingeben(long double &wert)
{
    m_wert = wert;
    Oeffnen(1);
    exec();
    wert = m_wert;
}

void TZusatzForm::TankinhaltEingeben(long double &wert, bool mindestensEinLiter)
{
    m_wert = wert;
    m_mindestensEinLiter = mindestensEinLiter;
    Oeffnen(2);
    exec();
    wert = m_wert;
}

void TZusatzForm::KB_Click(QPushButton *sender)
{
    bool abgelehnt = false;
    if (sender == KB_Ok) {
        if (m_modus == 0) {
            m_kennzeichen = KB_Edit1->text().left(KapazitaetKennzeichen);
        } else {
            const std::string text = KB_Edit1->text().toStdString();
            long double wert = 0;
            const uint8_t fehlerNr = m_modus == 1 ? FestverbrauchPruefen(text, wert)
                                                  : TankinhaltPruefen(text, m_mindestensEinLiter, wert);
            if (fehlerNr != 0) {
                abgelehnt = true;
                m_darfSchliessen = false;
                Melden(m_modus == 1 ? TMeldungsNr::FestverbrauchUngueltig : TMeldungsNr::TankinhaltUngueltig,
                       {FehlerText(fehlerNr)});
            } else {
                m_wert = wert;
            }
        }
    }
    KB_Ok->setFocus();
    KB_Edit1->setFocus();
    // After a refusal the whole text is ready to be typed over.
    if (abgelehnt)
        KB_Edit1->selectAll();
    done(sender == KB_Ok ? QDialog::Accepted : QDialog::Rejected);
}

void TZusatzForm::ZeichenAbgelehnt(const QString &hinweis)
{
    KB_Label3->setText(hinweis);
    if (!KB_Label3->isVisible()) {
        KB_Label3->show();
        GroesseFestlegen();
    }
    Signal(1, false);
}

void TZusatzForm::ZeigHilfe()
{
    THilfe::Instanz().ThemaZeigen(HilfeSchluessel());
}

void TZusatzForm::setVisible(bool sichtbar)
{
    QDialog::setVisible(sichtbar);
    // Showing a dialog focuses its edit as if by Tab, which selects the
    // text; the plate is amended rather than replaced, so the cursor goes
    // to its end instead.
    if (sichtbar && m_modus == 0)
        KB_Edit1->setCursorPosition(KB_Edit1->text().size());
}

void TZusatzForm::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    KB_Edit1->setFocus();
}

bool TZusatzForm::SchliessenErlaubt()
{
    const bool erlaubt = m_darfSchliessen;
    m_darfSchliessen = true;
    return erlaubt;
}

void TZusatzForm::closeEvent(QCloseEvent *ereignis)
{
    if (!SchliessenErlaubt()) {
        ereignis->ignore();
        return;
    }
    // The close box counts as cancel.
    QDialog::closeEvent(ereignis);
}

void TZusatzForm::done(int ergebnis)
{
    if (!SchliessenErlaubt())
        return;
    QDialog::done(ergebnis);
}
