#include "PanelEingabe.h"

#include "Eingabefelder.h"
#include "Feldpruefung.h"
#include "Meldungen.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Widgethilfen.h"
#include "Zusatz1.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

// ---- TPanelEingabe ------------------------------------------------------------

TPanelEingabe::TPanelEingabe(TForm1 *form1, QWidget *parent)
    : QFrame(parent)
    , m_form1(form1)
{
    setFrameShape(QFrame::StyledPanel);

    PE_Label1 = new QLabel(this);
    PE_Label1->setObjectName(u"PE_Label1"_s);
    UeberschriftSchrift(PE_Label1);

    auto feld = [this](const char *name, int maxLaenge, const QString &hinweis) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLaenge);
        e->setToolTip(hinweis);
        return e;
    };
    PE_Edit1 = feld("PE_Edit1", 8, u"Eingabe des KM-Stades"_s);
    PE_Edit2 = feld("PE_Edit2", 10, u"Datum der Tankfüllung"_s);

    PE_CB1 = new QComboBox(this);
    PE_CB1->setObjectName(u"PE_CB1"_s);
    PE_CB1->setEditable(true);
    PE_CB1->setInsertPolicy(QComboBox::NoInsert);
    PE_CB1->lineEdit()->setMaxLength(KapazitaetTankstelle);
    PE_CB1->setToolTip(u"Tankstelle angeben oder aus Liste wählen"_s);
    // The name is taken as typed: a station in another letter case is a
    // different one, so completion must not change the case.
    if (QCompleter *vervollstaendigung = PE_CB1->completer())
        vervollstaendigung->setCaseSensitivity(Qt::CaseSensitive);
    PE_CB1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    PE_CB1->setMinimumContentsLength(12);
    // The field starts with a request ("Tankstelle angeben") that typing
    // must replace, however the field is entered.
    GanzenTextBeimBetretenWaehlen(PE_CB1);
    NurSpeicherbareZeichen(PE_CB1->lineEdit(), [this](const QString &hinweis) { m_form1->ZeichenAbgelehnt(hinweis); });

    PE_Edit3 = feld("PE_Edit3", 8, u"Gezahlter Betrag in Euro"_s);
    PE_CB2 = new QComboBox(this);
    PE_CB2->setObjectName(u"PE_CB2"_s);
    PE_CB2->addItem(u"EUR"_s);
    PE_CB2->setToolTip(u"Währung ?"_s);
    PE_Edit4 = feld("PE_Edit4", 8, u"Getankte Literzahl"_s);

    PE_RB1 = new QRadioButton(u"&Ja"_s, this);
    PE_RB1->setObjectName(u"PE_RB1"_s);
    PE_RB2 = new QRadioButton(u"&Nein"_s, this);
    PE_RB2->setObjectName(u"PE_RB2"_s);
    for (QRadioButton *rb : {PE_RB1, PE_RB2})
        rb->setToolTip(u"Haben Sie vollgetankt ?"_s);
    auto *vollGruppe = new QButtonGroup(this);
    vollGruppe->setObjectName(u"PE_Voll"_s);
    vollGruppe->addButton(PE_RB1);
    vollGruppe->addButton(PE_RB2);
    PE_RB1->setChecked(true);

    PE_Edit5 = feld("PE_Edit5", 8, u"Wann hat die Säule abgeschalten ?"_s);
    // "Nein" hides the field; the form must not shift when it does.
    QSizePolicy bleibt = PE_Edit5->sizePolicy();
    bleibt.setRetainSizeWhenHidden(true);
    PE_Edit5->setSizePolicy(bleibt);

    auto knopf = [this](const char *name, const QString &text, const QString &hinweis) {
        return Knopf(this, name, text, hinweis);
    };
    PE_Button1 = knopf("PE_Button1", u"Daten üb&ernehmen  &&  Weiter"_s,
                       u"Übernimmt die Tankfüllung und setzt die Dateneingabe fort"_s);
    PE_Button3 = knopf("PE_Button3", u"über&nehmen  &&  Ende"_s,
                       u"Übernimmt die Tankfüllung und beendet die Dateneingabe"_s);
    PE_Button2 = knopf("PE_Button2", u"Eingabe &abbrechen"_s, u"Beendet die Dateneingabe"_s);

    // Short fields are as wide as their longest sensible content in the
    // font in use, so the form grows with the font.
    const QFontMetrics m = PE_Edit1->fontMetrics();
    const int kurzBreite = m.horizontalAdvance(u"31.12.2005"_s) + 2 * m.averageCharWidth() + 8;
    for (QLineEdit *e : {PE_Edit1, PE_Edit2, PE_Edit3, PE_Edit4, PE_Edit5})
        e->setFixedWidth(kurzBreite);

    auto beschriftung = [this](const char *name, const QString &text, QWidget *partner) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(partner);
        return l;
    };
    QLabel *kmLabel = beschriftung("PE_Label_KMStand", u"KM-&Stand :"_s, PE_Edit1);
    QLabel *datumLabel = beschriftung("PE_Label_Datum", u"&Datum :"_s, PE_Edit2);
    QLabel *stationLabel = beschriftung("PE_Label_Tankstelle", u"Name der &Tankstelle :"_s, PE_CB1);
    QLabel *betragLabel = beschriftung("PE_Label_Betrag", u"Bezahlter &Betrag :"_s, PE_Edit3);
    QLabel *literLabel = beschriftung("PE_Label_Liter", u"Getankte &Literzahl :"_s, PE_Edit4);
    QLabel *vollLabel = beschriftung("PE_Label_Voll", u"Vollgetankt ?"_s, nullptr);
    PE_Label_VollBei = beschriftung("PE_Label_VollBei", u"&Vollgetankt bei Liter :"_s, PE_Edit5);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(10, 8, 10, 10);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(6);
    int zeile = 0;
    raster->addWidget(PE_Label1, zeile++, 0, 1, 3);
    raster->setRowMinimumHeight(zeile++, 4);
    const struct {
        QLabel *Label;
        QWidget *Feld;
    } zeilen[] = {{kmLabel, PE_Edit1}, {datumLabel, PE_Edit2}, {stationLabel, PE_CB1},
                  {betragLabel, PE_Edit3}, {literLabel, PE_Edit4}, {vollLabel, nullptr},
                  {PE_Label_VollBei, PE_Edit5}};
    for (const auto &z : zeilen) {
        raster->addWidget(z.Label, zeile, 0);
        if (z.Feld == PE_CB1) {
            raster->addWidget(PE_CB1, zeile, 1, 1, 2);
        } else if (z.Feld == PE_Edit3) {
            raster->addWidget(PE_Edit3, zeile, 1);
            raster->addWidget(PE_CB2, zeile, 2, Qt::AlignLeft);
        } else if (!z.Feld) {
            auto *jaNein = new QHBoxLayout;
            jaNein->setSpacing(16);
            jaNein->addWidget(PE_RB1);
            jaNein->addWidget(PE_RB2);
            jaNein->addStretch(1);
            raster->addLayout(jaNein, zeile, 1, 1, 2);
        } else {
            raster->addWidget(z.Feld, zeile, 1);
        }
        ++zeile;
    }
    raster->setColumnStretch(2, 1);
    raster->setRowMinimumHeight(zeile++, 8);

    // The work area is narrow: the three buttons stand one above the other
    // at the right, the take-over buttons as wide as the column.
    auto *knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(6);
    knoepfe->addWidget(PE_Button1);
    knoepfe->addWidget(PE_Button3);
    knoepfe->addWidget(PE_Button2, 0, Qt::AlignRight);
    raster->addLayout(knoepfe, zeile++, 0, 1, 3, Qt::AlignRight);
    raster->setRowStretch(zeile, 1);

    setTabOrder(PE_Edit1, PE_Edit2);
    setTabOrder(PE_Edit2, PE_CB1);
    setTabOrder(PE_CB1, PE_Edit3);
    setTabOrder(PE_Edit3, PE_CB2);
    setTabOrder(PE_CB2, PE_Edit4);
    setTabOrder(PE_Edit4, PE_RB1);
    setTabOrder(PE_RB1, PE_RB2);
    setTabOrder(PE_RB2, PE_Edit5);
    setTabOrder(PE_Edit5, PE_Button1);
    setTabOrder(PE_Button1, PE_Button3);
    setTabOrder(PE_Button3, PE_Button2);

    for (QWidget *w : std::initializer_list<QWidget *>{PE_Edit1, PE_Edit2, PE_CB1, PE_CB1->lineEdit(), PE_Edit3,
                                                      PE_CB2, PE_Edit4, PE_RB1, PE_RB2, PE_Edit5, PE_Button1,
                                                      PE_Button3, PE_Button2})
        w->installEventFilter(this);

    connect(PE_RB1, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            m_form1->Voll_JN(PE_RB1);
    });
    connect(PE_RB2, &QRadioButton::toggled, this, [this](bool an) {
        if (an)
            m_form1->Voll_JN(PE_RB2);
    });
    connect(PE_CB2, &QComboBox::activated, m_form1, &TForm1::PE_CB2Change);
    connect(PE_Button1, &QPushButton::clicked, this, [this] { m_form1->DatenDazuClick(PE_Button1); });
    connect(PE_Button3, &QPushButton::clicked, this, [this] { m_form1->DatenDazuClick(PE_Button3); });
    connect(PE_Button2, &QPushButton::clicked, m_form1, &TForm1::ExitDatEinClick);
}

int TPanelEingabe::FeldNr(const QObject *control) const
{
    if (!control)
        return -1;
    if (control == PE_Button1)
        return 0;
    if (control == PE_Edit1)
        return 1;
    if (control == PE_Edit2)
        return 2;
    if (control == PE_CB1 || control == PE_CB1->lineEdit())
        return 3;
    if (control == PE_Edit3)
        return 4;
    if (control == PE_Edit4)
        return 5;
    if (control == PE_RB1 || control == PE_RB2)
        return 6;
    if (control == PE_Edit5)
        return 7;
    return -1;
}

QWidget *TPanelEingabe::Feld(int feldNr) const
{
    switch (feldNr) {
    case 1:
        return PE_Edit1;
    case 2:
        return PE_Edit2;
    case 3:
        return PE_CB1;
    case 4:
        return PE_Edit3;
    case 5:
        return PE_Edit4;
    case 7:
        return PE_Edit5;
    default:
        return nullptr;
    }
}

bool TPanelEingabe::eventFilter(QObject *objekt, QEvent *ereignis)
{
    if (ereignis->type() == QEvent::KeyPress) {
        const auto *taste = static_cast<QKeyEvent *>(ereignis);
        switch (taste->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The panel lives in the main window, which has no default
            // button: Enter presses "übernehmen & Weiter" unless the focus
            // is on one of the other two buttons.
            if (objekt == PE_Button3 || objekt == PE_Button2)
                static_cast<QPushButton *>(objekt)->click();
            else
                m_form1->DatenDazuClick(PE_Button1);
            return true;
        case Qt::Key_Escape:
            m_form1->ExitDatEinClick();
            return true;
        default:
            break;
        }
        return false;
    }

    if (ereignis->type() == QEvent::FocusIn) {
        const auto *fokus = static_cast<QFocusEvent *>(ereignis);
        const bool betritt = objekt == PE_Button3 || (FeldNr(objekt) >= 0 && FeldNr(objekt) != 6);
        if (!betritt)
            return false;
        QObject *feld = objekt == PE_CB1->lineEdit() ? PE_CB1 : objekt;
        // The focus coming back to the same control after a message box or
        // a drop-down list is no entering of a field.
        const bool zurueck = fokus->reason() == Qt::ActiveWindowFocusReason
                             || fokus->reason() == Qt::PopupFocusReason;
        if (zurueck && feld == m_zuletztBetreten)
            return false;
        m_zuletztBetreten = feld;
        m_form1->EnterFeld(feld);
        // A failed check has put the focus back into the faulty field. This
        // control must not take the focus event now: it would start a
        // blinking cursor of its own beside the real one.
        if (!static_cast<QWidget *>(feld)->hasFocus())
            return true;
    }
    return false;
}

void TPanelEingabe::hideEvent(QHideEvent *ereignis)
{
    // Opening the panel again is a new entry: its first field counts as
    // entered even when the window gets the focus back only later.
    if (!ereignis->spontaneous())
        m_zuletztBetreten = nullptr;
    QFrame::hideEvent(ereignis);
}

// ---- TForm1: entry of fill-ups --------------------------------------------------

void TForm1::DatenNeuClick()
{
    // Yes means the user wants to save first (by hand); only an explicit
    // No throws the data away.
    if (!Gespeichert && Melden(TMeldungsNr::UngespeichertNeu) != mrNo)
        return;
    NeueDaten();
    StatusAnzeigen();
    ErweitereDaten();
}

void TForm1::ErweitereDaten()
{
    PanelsSchliessen();

    if (AnzahlFuellungen() >= MaxFuellungenEingabe) {
        Melden(TMeldungsNr::MaximaleFuellungen, {ZahlMitPunkten(MaxFuellungenEingabe, 1)});
        return;
    }

    TPanelEingabe &p = *PanelEingabe;
    p.PE_CB1->clear();
    for (int i = 0; i < AnzahlTankstellen && i < MaxTankstellen; ++i)
        p.PE_CB1->addItem(QString::fromStdString(Tankstellen[i]));
    p.PE_Label1->setText(u"Eingabe der "_s + QString::fromStdString(ZahlMitPunkten(AnzahlFuellungen() + 1, 1))
                         + u". Tankfüllung"_s);
    for (QLineEdit *e : {p.PE_Edit1, p.PE_Edit2, p.PE_Edit3, p.PE_Edit4, p.PE_Edit5})
        e->clear();
    p.PE_CB1->setCurrentIndex(-1);
    p.PE_CB1->setEditText(QString::fromUtf8(TankstelleHinweis));
    p.PE_CB2->setCurrentIndex(0);
    p.PE_Edit3->setToolTip(u"Gezahlter Betrag in Euro"_s);
    p.PE_RB1->setChecked(true);
    Voll_JN(p.PE_RB1);

    p.show();
    MP_5_1b_3->setVisible(true);
    // Tab enters a radio group at the button that last had the focus; "Ja"
    // is the choice now, so it must be that button.
    p.PE_RB1->setFocus(Qt::OtherFocusReason);
    AktuellesFeld = 0;
    PruefungLaeuft = false;
    p.PE_Edit1->setFocus(Qt::OtherFocusReason);
    EingabeZustandZuruecksetzen();
}

void TForm1::SetEingFoc(QObject *sender)
{
    VorigesFeld = AktuellesFeld;
    // "übernehmen & Ende" has no field number: the field last visited stays
    // the current one, so Enter there checks it once more.
    const int nr = PanelEingabe->FeldNr(sender);
    if (nr >= 0)
        AktuellesFeld = static_cast<uint8_t>(nr);
}

void TForm1::EnterFeld(QObject *sender)
{
    SetEingFoc(sender);
    // A failed check puts the focus back, which enters a field again; that
    // must not check anything.
    if (PruefungLaeuft)
        return;
    PruefungLaeuft = true;
    uint8_t fehlerNr = 0;
    FeldPruefen(VorigesFeld, fehlerNr);
    PruefungLaeuft = false;
}

void TForm1::FeldPruefen(uint8_t feldNr, uint8_t &fehlerNr)
{
    TPanelEingabe &p = *PanelEingabe;

    // An empty field is never an error, but never valid either.
    if (p.PE_Edit1->text().isEmpty())
        KMStandOk = false;
    if (p.PE_Edit2->text().isEmpty())
        DatumOk = false;
    if (p.PE_Edit3->text().isEmpty())
        BetragOk = false;
    if (p.PE_Edit4->text().isEmpty())
        LiterOk = false;
    if (p.PE_Edit5->text().isEmpty() && p.PE_Edit5->isVisibleTo(&p))
        VollBeiOk = false;

    fehlerNr = 0;
    switch (feldNr) {
    case 1:
        if (!p.PE_Edit1->text().isEmpty()) {
            fehlerNr = KMStandPruefen(Text(p.PE_Edit1->text()), -1);
            KMStandOk = fehlerNr == 0;
        }
        break;
    case 2:
        if (!p.PE_Edit2->text().isEmpty()) {
            fehlerNr = DatumFeldPruefen(Text(p.PE_Edit2->text()));
            DatumOk = fehlerNr == 0;
        }
        break;
    case 3:
        // Any station text is accepted, an empty one too; the name is
        // decided at the take-over.
        TankstelleBesucht = true;
        break;
    case 4:
        if (!p.PE_Edit3->text().isEmpty()) {
            WaehrungsText = Text(p.PE_CB2->currentText());
            fehlerNr = BetragPruefen(Text(p.PE_Edit3->text()));
            BetragOk = fehlerNr == 0;
        }
        break;
    case 5:
        if (!p.PE_Edit4->text().isEmpty()) {
            long double liter = 0;
            fehlerNr = LiterPruefen(Text(p.PE_Edit4->text()), liter);
            if (fehlerNr == 0) {
                LiterOk = true;
                // New litres: the full-at value must be confirmed again.
                if (p.PE_RB1->isChecked())
                    VollBeiOk = false;
                EingabeLiter = liter;
                p.PE_Edit5->setText(p.PE_Edit4->text());
            } else {
                LiterOk = false;
            }
        }
        break;
    case 7:
        if (!p.PE_Edit5->text().isEmpty()) {
            fehlerNr = VollBeiPruefen(Text(p.PE_Edit5->text()), EingabeVollBei, LiterOk, EingabeLiter);
            VollBeiOk = fehlerNr == 0;
        }
        break;
    default:
        break;
    }

    if (fehlerNr > 0) {
        QString text = QString::fromStdString(FehlerText(fehlerNr));
        text.replace(u'\r', u'\n');
        FehlerLabel1->setText(text);
        FehlerBox1->show();
        Signal(1, false);
        if (QWidget *ziel = p.Feld(FehlerFeld(fehlerNr)))
            ziel->setFocus(Qt::OtherFocusReason);
    }
    // Leaving a field correctly takes an earlier error away; the take-over
    // buttons (field 0) leave the box as it is.
    if (feldNr > 0)
        FehlerBox1->setVisible(fehlerNr > 0);
}

void TForm1::Voll_JN(QObject *sender)
{
    TPanelEingabe &p = *PanelEingabe;
    if (sender == p.PE_RB2) {
        p.PE_Edit5->hide();
        VollBeiOk = true;
    } else if (sender == p.PE_RB1) {
        p.PE_Edit5->show();
        VollBeiOk = false;
    }
}

void TForm1::PE_CB2Change(int index)
{
    if (index == 0)
        PanelEingabe->PE_Edit3->setToolTip(u"Gezahlter Betrag in EUR"_s);
}

void TForm1::DatenDazuClick(QObject *sender)
{
    TPanelEingabe &p = *PanelEingabe;

    // Enter takes over without leaving the field being typed in: check it.
    uint8_t fehlerNr = 0;
    FeldPruefen(AktuellesFeld, fehlerNr);
    if (fehlerNr > 0)
        return;

    const struct {
        bool Ok;
        QWidget *Feld;
    } pflicht[] = {{KMStandOk, p.PE_Edit1}, {DatumOk, p.PE_Edit2},  {TankstelleBesucht, p.PE_CB1},
                   {BetragOk, p.PE_Edit3},  {LiterOk, p.PE_Edit4}, {VollBeiOk, p.PE_Edit5}};
    for (const auto &f : pflicht) {
        if (!f.Ok) {
            f.Feld->setFocus(Qt::OtherFocusReason);
            return;
        }
    }

    FuellungEinfuegen();
    StatusAnzeigen();
    if (sender == p.PE_Button1)
        ErweitereDaten();
    else
        ExitDatEinClick();
}

void TForm1::ExitDatEinClick()
{
    PanelsSchliessen();
}

void TForm1::FuellungEinfuegen()
{
    const TPanelEingabe &p = *PanelEingabe;
    TFuellungsEingabe eingabe;
    eingabe.KMStand = Text(p.PE_Edit1->text());
    eingabe.Datum = Text(p.PE_Edit2->text());
    eingabe.Tankstelle = Text(p.PE_CB1->currentText());
    eingabe.Betrag = Text(p.PE_Edit3->text());
    eingabe.Liter = Text(p.PE_Edit4->text());
    eingabe.Vollgetankt = p.PE_RB1->isChecked();
    eingabe.VollBei = Text(p.PE_Edit5->text());

    DatenVorhanden = true;
    Gespeichert = false;
    FuellungAnhaengen(FuellungBilden(eingabe));
    bool logisch = true;
    ListeOrdnen(Fuellungen, logisch);
    DatenLogisch = logisch;
}
