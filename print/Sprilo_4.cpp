#include "Sprilo_4.h"

#include "Auswahllisten.h"
#include "Drucker.h"
#include "Hilfe.h"
#include "Konfiguration.h"
#include "Meldungen.h"
#include "QtDrucker.h"
#include "QtPlattform.h"
#include "Sprilo_Dek.h"
#include "Widgethilfen.h"
#include "Zusatz1.h"
#include "print/Druckauftrag.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

bool DruckAbbrechen = false;
bool Farbwahl = true;
bool AusVerbrauchsfenster = false;
bool Trennlinien = false;

std::function<int()> DruckerFarben = [] {
    QPrinter &drucker = Drucker();
    if (drucker.outputFormat() == QPrinter::PdfFormat)
        return drucker.colorCount();
    // The set-up dialog's grey-scale choice; the driver itself always
    // reports colours.
    return drucker.colorMode() == QPrinter::GrayScale ? 2 : drucker.colorCount();
};

namespace {

// Room of the dialog in design units (scaled by Fensterfaktor): at least
// this wide, and the progress mode's size.
constexpr int DesignBreite = 300;
constexpr int FortschrittBreite = 330;
constexpr int FortschrittHoehe = 170;

int Skaliert(int design)
{
    return static_cast<int>(std::lround(design * Fensterfaktor));
}

void Freigeben(std::initializer_list<QWidget *> widgets, bool an)
{
    for (QWidget *w : widgets)
        w->setEnabled(an);
}

// Every control inside a group, not the group's own title.
void InhaltFreigeben(QGroupBox *gruppe, bool an)
{
    for (QWidget *w : gruppe->findChildren<QWidget *>())
        w->setEnabled(an);
}

// The year list selects the year; without it the last entry.
void JahrOderLetztes(QComboBox *liste, uint16_t jahr)
{
    JahreFuellen(liste, jahr);
    if (liste->findText(QString::number(jahr)) < 0)
        liste->setCurrentIndex(liste->count() - 1);
}

} // namespace

TForm4::~TForm4() = default;

TForm4 *Form4Holen(QWidget *hauptfenster)
{
    static QPointer<TForm4> form4;
    static QPointer<QWidget> besitzer;
    if (!form4)
        form4 = new TForm4;
    // A window that prints before the main window did leaves the dialog
    // without an owner until the main window asks for it.
    if (hauptfenster && !besitzer) {
        besitzer = hauptfenster;
        QObject::connect(hauptfenster, &QObject::destroyed, form4, [f = form4.data()] { delete f; });
    }
    return form4;
}

// ---- entry points ------------------------------------------------------------------

void TForm4::AlleDatenDrucken()
{
    AllesVerbergen();
    for (QWidget *w : std::initializer_list<QWidget *>{CB1, CB2, CB3, GroupBox1, m_gb1Auswahl, GB1_CB1, GB1_CB2,
                                                        GroupBox2, GroupBox2b, GroupBox2c, GroupBox3, m_rechteSpalte,
                                                        m_linieSenkrecht, m_linieWaagerecht})
        w->show();
    Trennlinien = true;
    HilfeKontextSetzen(GroupBox1, 510);
    HilfeKontextSetzen(GroupBox2, 520);
    m_nurTabelle = false;
    AlleDatenEinrichten();
    Oeffnen(DruckArtAlles, u"Daten ausdrucken"_s, u"Ausdruck aller Daten"_s, 500);
}

void TForm4::TankfuellungenDrucken()
{
    AllesVerbergen();
    for (QWidget *w : std::initializer_list<QWidget *>{GroupBox1, GB1_Label1, GB1_CB1, GB1_CB2})
        w->show();
    AusVerbrauchsfenster = false;
    m_nurTabelle = false;
    Oeffnen(DruckArtTankfuellungen, u"Drucke Tankfüllungen"_s, u"Drucke Tankfüllungen"_s, 511);
}

void TForm4::VerbrauchDrucken(bool nurTabelle)
{
    AllesVerbergen();
    m_rechteSpalte->show();
    GroupBox2->show();
    m_linkeSpalte->hide();
    AusVerbrauchsfenster = true;
    m_nurTabelle = nurTabelle;
    Oeffnen(DruckArtVerbrauch, u"Drucke Durchschnittsverbrauch"_s, u"Drucke Durchschnittsverbrauch"_s, 521);
}

void TForm4::EntwicklungDrucken(uint8_t druckArt, bool &balken)
{
    AllesVerbergen();
    GroupBox4->show();
    AusVerbrauchsfenster = false;
    m_nurTabelle = false;
    (balken ? GB4_RB1 : GB4_RB2)->setChecked(true);
    const bool literpreis = druckArt == DruckArtLiterpreis;
    const QString titel = literpreis ? u"Drucke Entwicklung der Literpreise"_s : u"Drucke Entwicklung der Reichweiten"_s;
    Oeffnen(druckArt, titel, titel, literpreis ? 540 : 550);
    balken = GB4_RB1->isChecked();
}

void TForm4::LiterpreisDrucken(bool &balken)
{
    EntwicklungDrucken(DruckArtLiterpreis, balken);
}

void TForm4::ReichweiteDrucken(bool &balken)
{
    EntwicklungDrucken(DruckArtReichweite, balken);
}

void TForm4::AllesVerbergen()
{
    Trennlinien = false;
    for (QWidget *w : std::initializer_list<QWidget *>{CB1, CB2, CB3, GroupBox1, GroupBox2, GroupBox2b, GroupBox2c,
                                                        GroupBox3, GroupBox4, m_gb1Auswahl, GB1_Label1, GB1_CB1,
                                                        GB1_CB2, m_linieSenkrecht, m_linieWaagerecht, Prozent1,
                                                        ProzLabel1, ProzLabel2, Button5})
        w->hide();
    m_linkeSpalte->show();
    m_rechteSpalte->hide();
    m_optionen->show();
    m_knoepfe->show();
    UB_Label1->show();
    HilfeKontextSetzen(GroupBox1, 0);
    HilfeKontextSetzen(GroupBox2, 0);
}

void TForm4::Oeffnen(uint8_t druckArt, const QString &titel, const QString &ueberschrift, int kontext)
{
    DruckArt = druckArt;
    setWindowTitle(titel);
    UB_Label1->setText(ueberschrift);
    HilfeKontextSetzen(this, kontext);
    if (druckArt != DruckArtAlles)
        GruppenFreigeben(true, true, true);
    Aktivieren();
    GroesseFestlegen();
    Zentrieren();
    exec();
}

// ---- opening and activation -----------------------------------------------------

void TForm4::AlleDatenEinrichten()
{
    JahreFuellen(GB1_CoB1, DruckTF_Jahr);
    JahreFuellen(GB2b_CoB1, DruckVB_Jahr);
    JahreFuellen(GB3_CoB1, DruckTS_Jahr);
    JahreFuellen(GB3_CoB2, DruckTS_VonJahr);
    JahrOderLetztes(GB3_CoB3, DruckTS_BisJahr);
    MonateFuellen(GB1_CoB2, GB1_CoB3, DruckTF_Von, DruckTF_Bis);
    MonateFuellen(GB2b_CoB2, GB2b_CoB3, DruckVB_Von, DruckVB_Bis);

    CB1->setChecked(DruckTankfuellungen);
    CB2->setChecked(DruckVerbrauch);
    CB3->setChecked(DruckTankstellenliste);
    // From a single fill-up no consumption value can be made.
    const bool einzige = Fuellungen.size() == 1;
    if (einzige)
        CB2->setChecked(false);
    CB2->setEnabled(!einzige);

    // Each radio's handling shows its lists, also when it is checked already.
    QRadioButton *r = RadioFuer({GB1_RB1, GB1_RB2, GB1_RB3}, DruckTF_Auswahl);
    r->setChecked(true);
    GB1_RBClick(r);
    r = RadioFuer({GB2b_RB1, GB2b_RB2}, DruckVB_Auswahl);
    r->setChecked(true);
    GB2b_RBClick(r);
    r = RadioFuer({GB2c_RB1, GB2c_RB2, GB2c_RB3, GB2c_RB4}, DruckVB_Ansicht);
    r->setChecked(true);
    GB2c_RBClick(r);
    r = RadioFuer({GB3_RB1, GB3_RB2}, DruckTS_Auswahl);
    r->setChecked(true);
    GB3_RBClick(r);

    AusVerbrauchsfenster = false;
}

void TForm4::Aktivieren()
{
    for (QPushButton *k : {Button1, Button2, Button3, Button4}) {
        k->show();
        k->setEnabled(true);
    }
    m_fokus = Button1;
    GB1_CB1->setChecked(DruckMitAbschaltwerten);
    GB1_CB2->setChecked(DruckMitZusammenfassung);
    GB2_CB1->setChecked(DruckFestverbrauchMarkieren);
    RadioFuer({GB2_RB1, GB2_RB2, GB2_RB3}, DruckVerbrauchsArt)->setChecked(true);
    FarbRegel(DruckInFarbe);
    if (DruckArt == DruckArtAlles)
        GruppenFreigeben(CB1->isChecked(), CB2->isChecked(), CB3->isChecked());
    else
        GB2_RBClick();
    VerbrauchsfensterRegel();
    if (DruckArt == DruckArtAlles)
        DruckenFreigeben();
    DruckHinweisSetzen();
}

void TForm4::DruckenFreigeben()
{
    const bool eines = CB1->isChecked() || CB2->isChecked() || CB3->isChecked();
    Button1->setEnabled(eines);
    m_fokus = eines ? Button1 : Button2;
    if (isVisible())
        m_fokus->setFocus();
}

void TForm4::FarbRegel(bool wahl)
{
    Farbwahl = wahl;
    const bool farbig = DruckerFarben() >= 3;
    for (QCheckBox *k : {CB_Farbe, GB4_CB1}) {
        k->setChecked(farbig && wahl);
        k->setEnabled(farbig);
    }
    CB_Farbe->setEnabled(farbig && !GB2_RB3->isChecked()
                         && !(DruckArt == DruckArtAlles && !CB2->isChecked()) && !(AusVerbrauchsfenster && m_nurTabelle));
}

// Values sorted by other than the date make no graph: only the table.
void TForm4::VerbrauchsfensterRegel()
{
    if (AusVerbrauchsfenster && m_nurTabelle)
        Freigeben({GB2_CB1, CB_Farbe, GB2_RB1, GB2_RB2}, false);
}

void TForm4::DruckHinweisSetzen()
{
    const QPrinter &drucker = Drucker();
    QString name = drucker.printerName();
    if (drucker.outputFormat() == QPrinter::PdfFormat)
        name = drucker.outputFileName().isEmpty() ? u"PDF"_s : QFileInfo(drucker.outputFileName()).fileName();
    Button1->setToolTip(u"Daten drucken auf  "_s + name);
}

// The groups shown or hidden since the last opening change the size the
// nested layouts remember; they are asked afresh, the innermost first.
void TForm4::GroesseFestlegen()
{
    const QList<QWidget *> kinder = findChildren<QWidget *>();
    for (auto w = kinder.crbegin(); w != kinder.crend(); ++w)
        (*w)->updateGeometry();
    for (QLayout *l : findChildren<QLayout *>())
        l->invalidate();
    auto *haupt = layout();
    haupt->invalidate();
    haupt->activate();
    QSize groesse = haupt->totalSizeHint().expandedTo(haupt->totalMinimumSize());
    groesse.setWidth(std::max(groesse.width(), Skaliert(DesignBreite)));
    setFixedSize(groesse);
}

void TForm4::Zentrieren()
{
    const QScreen *schirm = QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    QRect rahmen = frameGeometry();
    rahmen.moveCenter(schirm->availableGeometry().center());
    move(rahmen.topLeft());
}

// ---- enabling by the three boxes -------------------------------------------------

void TForm4::GruppenFreigeben(bool tankfuellungen, bool verbrauch, bool tankstellen)
{
    InhaltFreigeben(GroupBox1, tankfuellungen);
    Gruppe2Freigeben(verbrauch);
    InhaltFreigeben(GroupBox3, tankstellen);
    Freigeben({GB3_CB1, GB3_CB2}, tankstellen && DruckTS_Auswahl == 2);
}

void TForm4::Gruppe2Freigeben(bool an)
{
    Freigeben({GB2_Label1, GB2_RB1, GB2_RB2, GB2_RB3, GB2_CB1}, an);
    InhaltFreigeben(GroupBox2b, an);
    InhaltFreigeben(GroupBox2c, an);
    GB2_CB1->setEnabled(an && !GB2_RB3->isChecked());
    FarbRegel(Farbwahl);
}

void TForm4::CB_Click(QCheckBox *sender)
{
    if (sender == CB1) {
        InhaltFreigeben(GroupBox1, CB1->isChecked());
    } else if (sender == CB2) {
        Gruppe2Freigeben(CB2->isChecked());
    } else if (sender == CB3) {
        InhaltFreigeben(GroupBox3, CB3->isChecked());
        Freigeben({GB3_CB1, GB3_CB2}, CB3->isChecked() && DruckTS_Auswahl == 2);
    }
    DruckenFreigeben();
}

// ---- radios: stored at once --------------------------------------------------------

void TForm4::GB1_RBClick(QRadioButton *sender)
{
    DruckTF_Auswahl = NummerVon({GB1_RB1, GB1_RB2, GB1_RB3}, sender);
    GB1_CoB1->setVisible(DruckTF_Auswahl == 2);
    for (QWidget *w : std::initializer_list<QWidget *>{GB1_CoB2, GB1_CoB3, GB1_L1, GB1_L2})
        w->setVisible(DruckTF_Auswahl == 3);
}

void TForm4::GB2_RBClick()
{
    const bool nurTabelle = GB2_RB3->isChecked();
    const bool an = DruckArt != DruckArtAlles || CB2->isChecked();
    GB2_CB1->setEnabled(an && !nurTabelle);
    CB_Farbe->setEnabled(an && !nurTabelle && DruckerFarben() >= 3);
    VerbrauchsfensterRegel();
}

void TForm4::GB2b_RBClick(QRadioButton *sender)
{
    DruckVB_Auswahl = NummerVon({GB2b_RB1, GB2b_RB2}, sender);
    GB2b_CoB1->setVisible(DruckVB_Auswahl == 1);
    for (QWidget *w : std::initializer_list<QWidget *>{GB2b_CoB2, GB2b_CoB3, GB2b_L1, GB2b_L2})
        w->setVisible(DruckVB_Auswahl == 2);
}

void TForm4::GB2c_RBClick(QRadioButton *sender)
{
    DruckVB_Ansicht = NummerVon({GB2c_RB1, GB2c_RB2, GB2c_RB3, GB2c_RB4}, sender);
}

void TForm4::GB3_RBClick(QRadioButton *sender)
{
    DruckTS_Auswahl = NummerVon({GB3_RB1, GB3_RB2}, sender);
    const bool bereich = DruckTS_Auswahl == 2;
    GB3_CoB1->setVisible(!bereich);
    for (QWidget *w : std::initializer_list<QWidget *>{GB3_CoB2, GB3_CoB3, GB3_L1, GB3_L2})
        w->setVisible(bereich);
    GB3_CB1->setChecked(bereich ? DruckTS_Einzeln : true);
    GB3_CB2->setChecked(bereich ? DruckTS_Summe : false);
    Freigeben({GB3_CB1, GB3_CB2}, bereich && (DruckArt != DruckArtAlles || CB3->isChecked()));
}

// At least one of the two lists of a range is printed.
void TForm4::GB3_CBClick(QCheckBox *sender)
{
    QCheckBox *andere = sender == GB3_CB1 ? GB3_CB2 : GB3_CB1;
    if (!sender->isChecked())
        andere->setChecked(true);
    DruckTS_Einzeln = GB3_CB1->isChecked();
    DruckTS_Summe = GB3_CB2->isChecked();
}

void TForm4::CB_FarbeClick()
{
    GB4_CB1->setChecked(CB_Farbe->isChecked());
}

// ---- buttons ------------------------------------------------------------------------

void TForm4::Button3Click()
{
    if (DruckerFarben() >= 3)
        Farbwahl = GB4_CB1->isChecked();
    DruckerEinrichten(this);
    FarbRegel(Farbwahl);
    if (DruckArt == DruckArtAlles)
        Gruppe2Freigeben(CB2->isChecked());
    else
        GB2_RBClick();
    VerbrauchsfensterRegel();
    DruckHinweisSetzen();
}

QString TForm4::HilfeSchluessel() const
{
    switch (DruckArt) {
    case DruckArtTankfuellungen:
        return u"F4_Drk_Spr"_s;
    case DruckArtVerbrauch:
        return u"F4_Drk_VB"_s;
    case DruckArtLiterpreis:
        return u"F4_Dr_LP"_s;
    case DruckArtReichweite:
        return u"F4_Dr_RW"_s;
    default:
        return u"F4_All"_s;
    }
}

void TForm4::Button4Click()
{
    THilfe::Instanz().ThemaZeigen(HilfeSchluessel());
}

void TForm4::Button5Click()
{
    DruckAbbrechen = true;
}

// ---- the print job --------------------------------------------------------------------

void TForm4::EinstellungenUebernehmen()
{
    DruckMitAbschaltwerten = GB1_CB1->isChecked();
    DruckMitZusammenfassung = GB1_CB2->isChecked();
    DruckFestverbrauchMarkieren = GB2_CB1->isChecked();
    DruckVerbrauchsArt = GB2_RB1->isChecked() ? 1 : GB2_RB2->isChecked() ? 2 : 3;
    DruckInFarbe = GB4_CB1->isChecked();
    if (DruckArt != DruckArtAlles)
        return;
    DruckTankfuellungen = CB1->isChecked();
    DruckVerbrauch = CB2->isChecked();
    DruckTankstellenliste = CB3->isChecked();
    if (DruckTS_Auswahl == 2) {
        DruckTS_Einzeln = GB3_CB1->isChecked();
        DruckTS_Summe = GB3_CB2->isChecked();
    }
    JahrLesen(GB1_CoB1, DruckTF_Jahr);
    JahrLesen(GB2b_CoB1, DruckVB_Jahr);
    JahrLesen(GB3_CoB1, DruckTS_Jahr);
    JahrLesen(GB3_CoB2, DruckTS_VonJahr);
    JahrLesen(GB3_CoB3, DruckTS_BisJahr);
    ZeitraumLesen(GB1_CoB2, GB1_CoB3, DruckTF_Von, DruckTF_Bis);
    ZeitraumLesen(GB2b_CoB2, GB2b_CoB3, DruckVB_Von, DruckVB_Bis);
}

// A PDF needs its file before the job: asked for once, then kept with the
// printer. False when the user chose none.
bool TForm4::PdfDateiKlaeren()
{
    QPrinter &drucker = Drucker();
    if (drucker.outputFormat() != QPrinter::PdfFormat || !drucker.outputFileName().isEmpty())
        return true;
    if (!TQtPlattform::FensterErlaubt(u"File dialog for the PDF of the print"_s))
        return false;
    QString name = QFileDialog::getSaveFileName(this, u"Ausdruck speichern als PDF"_s, QString(),
                                                u"PDF-Dateien (*.pdf)"_s);
    if (name.isEmpty())
        return false;
    if (QFileInfo(name).suffix().isEmpty())
        name += u".pdf"_s;
    drucker.setOutputFileName(name);
    DruckHinweisSetzen();
    return true;
}

void TForm4::FortschrittsModus()
{
    Trennlinien = false;
    m_optionen->hide();
    m_knoepfe->hide();
    Prozent1->setRange(0, 1);
    Prozent1->setValue(0);
    ProzLabel1->clear();
    ProzLabel2->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{Prozent1, ProzLabel1, ProzLabel2, Button5})
        w->show();
    setFixedSize(std::max(Skaliert(FortschrittBreite), Button5->sizeHint().width() * 3), Skaliert(FortschrittHoehe));
    FortschrittAnordnen();
    Zentrieren();
    ProzLabel2->repaint();
    Button5->setFocus();
}

// The gauge in the middle, the phase text above it, the page text under it
// and the cancel button below that, all centred.
void TForm4::FortschrittAnordnen()
{
    const int rand = Skaliert(20);
    const int breite = width() - 2 * rand;
    const int balken = Prozent1->sizeHint().height();
    const int zeile = ProzLabel1->sizeHint().height();
    const int oben = (height() - 3 * balken) / 2;
    Prozent1->setGeometry(rand, oben, breite, balken);
    ProzLabel1->setGeometry(rand, oben - 5 - zeile, breite, zeile);
    ProzLabel2->setGeometry(rand, oben + balken + 5, breite, zeile);
    const QSize knopf = Button5->sizeHint();
    Button5->setGeometry((width() - knopf.width()) / 2, ProzLabel2->geometry().bottom() + 1 + 10, knopf.width(),
                         knopf.height());
}

void TForm4::Phase(const std::string &text, int maximum)
{
    ProzLabel1->setText(Q(text));
    Prozent1->setRange(0, std::max(maximum, 1));
    Prozent1->setValue(0);
    ProzLabel1->repaint();
}

void TForm4::Position(int wert)
{
    Prozent1->setValue(std::clamp(wert, Prozent1->minimum(), Prozent1->maximum()));
}

void TForm4::SeitenText(const std::string &text)
{
    ProzLabel2->setText(Q(text));
    ProzLabel2->repaint();
}

// Handling what is pending after every item would slow a long job down;
// every 30 ms keeps the cancel button answering.
bool TForm4::Abgebrochen()
{
    if (!m_pause.isValid() || m_pause.elapsed() >= 30) {
        QCoreApplication::processEvents();
        m_pause.restart();
    }
    return DruckAbbrechen;
}

void TForm4::SchliessknopfZeigen(bool an)
{
    if (QWindow *fenster = windowHandle())
        fenster->setFlag(Qt::WindowCloseButtonHint, an);
}

void TForm4::Button1Click()
{
    DruckZeitstempelSetzen();
    DruckAbbrechen = false;

    // A PDF is written beside its file and renamed onto it when complete:
    // a cancelled or failed print leaves an earlier file as it was.
    QPrinter &qdrucker = Drucker();
    const bool pdf = qdrucker.outputFormat() == QPrinter::PdfFormat;
    QSaveFile datei;
    QPdfWriter pdfGeraet(&datei);
    if (pdf) {
        pdfGeraet.setResolution(qdrucker.resolution());
        pdfGeraet.setPageLayout(qdrucker.pageLayout());
        pdfGeraet.setTitle(Q(DruckauftragTitel(DruckArt)));
        pdfGeraet.setCreator(u"Sprilo"_s);
    }
    TQtDrucker drucker(pdf ? static_cast<QPagedPaintDevice *>(&pdfGeraet) : &qdrucker);
    if (!Seiteneinrichtung(drucker)) {
        Melden(TMeldungsNr::PapierZuKlein, {std::to_string(drucker.BreiteMM())});
        return;
    }
    if (!PdfDateiKlaeren())
        return;

    m_druckt = true;
    FortschrittsModus();
    EinstellungenUebernehmen();
    Drucker().setDocName(Q(DruckauftragTitel(DruckArt)));
    SchliessknopfZeigen(false);
    m_pause.invalidate();

    const TDruckErgebnis ergebnis = DruckauftragAusfuehren(DruckArt, drucker, *this, GB4_RB1->isChecked());
    switch (ergebnis) {
    case TDruckErgebnis::Gedruckt: {
        drucker.AbbruchPruefen = [this] { return Abgebrochen(); };
        if (pdf)
            datei.setFileName(qdrucker.outputFileName());
        bool ausgegeben = (!pdf || datei.open(QIODevice::WriteOnly)) &&
                          drucker.Ausgeben([this](int seite, int seiten) {
                              Prozent1->setRange(0, seiten);
                              Prozent1->setValue(seite);
                              SeitenText("Ausdruck der Seite :  -" + ZahlMitPunkten(seite, 1) + "-");
                          });
        if (pdf) {
            if (ausgegeben)
                ausgegeben = datei.commit();
            else
                datei.cancelWriting();
        }
        if (!ausgegeben && !drucker.Abgebrochen())
            Melden(TMeldungsNr::AusgabeFehlgeschlagen,
                   {pdf ? "Die Datei '" + Text(qdrucker.outputFileName()) + "' kann nicht geschrieben werden."
                        : "Der Drucker '" + Text(qdrucker.printerName()) + "' hat den Auftrag nicht angenommen."});
        break;
    }
    case TDruckErgebnis::NichtsGefunden:
        Melden(TMeldungsNr::NichtsZuDrucken);
        break;
    case TDruckErgebnis::Abgebrochen:
        break;
    }

    SchliessknopfZeigen(true);
    m_druckt = false;
    // A printer without colours does not erase the colour choice.
    if (DruckerFarben() < 3)
        DruckInFarbe = Farbwahl;
    done(QDialog::Accepted);
}

// ---- window events ---------------------------------------------------------------------

void TForm4::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    if (m_fokus && !m_druckt)
        m_fokus->setFocus();
}

void TForm4::resizeEvent(QResizeEvent *ereignis)
{
    QDialog::resizeEvent(ereignis);
    if (Prozent1->isVisibleTo(this))
        FortschrittAnordnen();
}

// While printing only "Druck &abbrechen" ends the job.
void TForm4::closeEvent(QCloseEvent *ereignis)
{
    if (m_druckt) {
        ereignis->ignore();
        return;
    }
    QDialog::closeEvent(ereignis);
}

void TForm4::reject()
{
    if (!m_druckt)
        QDialog::reject();
}
