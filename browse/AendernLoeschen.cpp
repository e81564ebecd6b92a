// The list window's change panel and the deleting of a fill-up (modes 1
// and 2 of TForm2).
#include "Sprilo_2.h"

#include "Fuellungsliste.h"
#include "Fuellungstabelle.h"
#include "core/Feldpruefung.h"
#include "core/Format.h"
#include "core/Meldungen.h"
#include "core/Zusatz1.h"

#include "Eingabefelder.h"
#include "Hilfe.h"
#include "Widgethilfen.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

void TForm2::PanelAendernAufbauen(QWidget *flaeche)
{
    PanelAendern = new QFrame(flaeche);
    PanelAendern->setObjectName(u"PanelAendern"_s);
    PanelAendern->setFrameShape(QFrame::Panel);
    PanelAendern->setFrameShadow(QFrame::Raised);
    PanelAendern->setAutoFillBackground(true);
    HilfeKontextSetzen(PanelAendern, 315);
    QFrame *p = PanelAendern;

    PA_Label1 = new QLabel(p);
    PA_Label1->setObjectName(u"PA_Label1"_s);
    QFont ueberschrift = PA_Label1->font();
    ueberschrift.setBold(true);
    PA_Label1->setFont(ueberschrift);

    auto feld = [p](const char *name, int maxLaenge, const QString &hinweis = QString()) {
        auto *e = new QLineEdit(p);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLaenge);
        e->setToolTip(hinweis);
        GanzenTextBeimBetretenWaehlen(e);
        return e;
    };
    // The hints of the entry panel's fields.
    PA_Edit1 = feld("PA_Edit1", 8, u"Eingabe des KM-Stades"_s);
    PA_Edit2 = feld("PA_Edit2", 10, u"Datum der Tankfüllung"_s);
    PA_CB1 = new QComboBox(p);
    PA_CB1->setObjectName(u"PA_CB1"_s);
    PA_CB1->setEditable(true);
    PA_CB1->setInsertPolicy(QComboBox::NoInsert);
    PA_CB1->lineEdit()->setMaxLength(KapazitaetTankstelle);
    PA_CB1->setToolTip(u"Tankstelle angeben oder aus Liste wählen"_s);
    // Another letter case is another station: completion keeps the case typed.
    if (QCompleter *vervollstaendigung = PA_CB1->completer())
        vervollstaendigung->setCaseSensitivity(Qt::CaseSensitive);
    PA_CB1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    PA_CB1->setMinimumContentsLength(20);
    GanzenTextBeimBetretenWaehlen(PA_CB1);
    NurSpeicherbareZeichen(PA_CB1->lineEdit(), [this](const QString &hinweis) { ZeichenAbgelehnt(hinweis); });
    PA_Edit3 = feld("PA_Edit3", 8, u"Gezahlter Betrag in EUR"_s);
    PA_CB2 = new QComboBox(p);
    PA_CB2->setObjectName(u"PA_CB2"_s);
    PA_CB2->addItem(u"EUR"_s);
    PA_CB2->setToolTip(u"Währung ?"_s);
    PA_Edit4 = feld("PA_Edit4", 8, u"Getankte Literzahl"_s);
    PA_RB1 = new QRadioButton(u"&Ja"_s, p);
    PA_RB1->setObjectName(u"PA_RB1"_s);
    PA_RB2 = new QRadioButton(u"&Nein"_s, p);
    PA_RB2->setObjectName(u"PA_RB2"_s);
    auto *voll = new QButtonGroup(p);
    for (QRadioButton *rb : {PA_RB1, PA_RB2}) {
        rb->setToolTip(u"Haben Sie vollgetankt ?"_s);
        voll->addButton(rb);
        connect(rb, &QRadioButton::toggled, this, [this, rb](bool an) {
            if (an)
                PA_Voll_JN(rb);
        });
    }
    PA_Edit5 = feld("PA_Edit5", 8, u"Wann hat die Säule abgeschalten ?"_s);

    const QFontMetrics m = PA_Edit1->fontMetrics();
    const int kurzBreite = m.horizontalAdvance(u"31.12.2005"_s) + 2 * m.averageCharWidth() + 8;
    for (QLineEdit *e : {PA_Edit1, PA_Edit2, PA_Edit3, PA_Edit4, PA_Edit5})
        e->setFixedWidth(kurzBreite);

    auto beschriftung = [p](const char *name, const QString &text, QWidget *partner) {
        auto *l = new QLabel(text, p);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(partner);
        return l;
    };
    QLabel *kmLabel = beschriftung("PA_Label2", u"KM-&Stand :"_s, PA_Edit1);
    QLabel *datumLabel = beschriftung("PA_Label3", u"&Datum :"_s, PA_Edit2);
    QLabel *stationLabel = beschriftung("PA_Label4", u"Name der &Tankstelle :"_s, PA_CB1);
    QLabel *betragLabel = beschriftung("PA_Label5", u"Bezahlter &Betrag :"_s, PA_Edit3);
    QLabel *literLabel = beschriftung("PA_Label6", u"Getankte &Literzahl :"_s, PA_Edit4);
    PA_Label7 = beschriftung("PA_Label7", u"Vollketankt ?"_s, nullptr);
    PA_Label8 = beschriftung("PA_Label8", u"&vollgetankt bei Liter :"_s, PA_Edit5);

    auto knopf = [p](const char *name, const QString &text, const QString &hinweis) {
        return Knopf(p, name, text, hinweis);
    };
    PA_Button1 = knopf("PA_Button1", u"Änd&erungen übernehmen"_s, u"Übernimmt die Änderungen"_s);
    PA_Button2 = knopf("PA_Button2", u"Änderungen n&icht übernehmen"_s, u"Bricht die Daten-Änderung ab"_s);
    connect(PA_Button1, &QPushButton::clicked, this, [this] { PA_ButtonClick(PA_Button1); });
    connect(PA_Button2, &QPushButton::clicked, this, [this] { PA_ButtonClick(PA_Button2); });

    // The error text, red; a corrected shut-off value, yellow. It keeps its
    // room while hidden, so that the panel does not jump.
    F_Panel1 = new QFrame(p);
    F_Panel1->setObjectName(u"F_Panel1"_s);
    F_Panel1->setFrameShape(QFrame::Panel);
    F_Panel1->setFrameShadow(QFrame::Raised);
    F_Panel1->setAutoFillBackground(true);
    auto *fehler = new QVBoxLayout(F_Panel1);
    fehler->setContentsMargins(8, 2, 8, 2);
    F_Label1 = new QLabel(F_Panel1);
    F_Label1->setObjectName(u"F_Label1"_s);
    F_Label1->setWordWrap(true);
    F_Label1->setAlignment(Qt::AlignCenter);
    F_Label1->setFont(ueberschrift);
    fehler->addWidget(F_Label1);
    QSizePolicy bleibt = F_Panel1->sizePolicy();
    bleibt.setRetainSizeWhenHidden(true);
    bleibt.setHorizontalPolicy(QSizePolicy::Expanding);
    F_Panel1->setSizePolicy(bleibt);
    // The longest texts: a blank line and two lines, or the three lines of
    // the shut-off notice.
    F_Panel1->setMinimumHeight(4 * QFontMetrics(ueberschrift).lineSpacing() + 4 + 2 * F_Panel1->frameWidth());

    // Three pairs of caption and field side by side, the station across
    // two of them; below, the error text and the two buttons.
    auto *raster = new QGridLayout(p);
    raster->setContentsMargins(10, 6, 10, 8);
    raster->setHorizontalSpacing(8);
    raster->setVerticalSpacing(5);
    raster->addWidget(PA_Label1, 0, 0, 1, 8);
    raster->addWidget(kmLabel, 1, 0);
    raster->addWidget(PA_Edit1, 1, 1);
    raster->addWidget(datumLabel, 2, 0);
    raster->addWidget(PA_Edit2, 2, 1);
    raster->addWidget(stationLabel, 3, 0);
    raster->addWidget(PA_CB1, 3, 1, 1, 4);
    raster->setColumnMinimumWidth(2, 16);
    raster->addWidget(betragLabel, 1, 3);
    auto *betrag = new QHBoxLayout;
    betrag->setSpacing(4);
    betrag->addWidget(PA_Edit3);
    betrag->addWidget(PA_CB2);
    betrag->addStretch(1);
    raster->addLayout(betrag, 1, 4);
    raster->addWidget(literLabel, 2, 3);
    raster->addWidget(PA_Edit4, 2, 4);
    raster->setColumnMinimumWidth(5, 16);
    raster->addWidget(PA_Label7, 1, 6);
    auto *jaNein = new QHBoxLayout;
    jaNein->setSpacing(12);
    jaNein->addWidget(PA_RB1);
    jaNein->addWidget(PA_RB2);
    jaNein->addStretch(1);
    raster->addLayout(jaNein, 1, 7);
    raster->addWidget(PA_Label8, 2, 6);
    raster->addWidget(PA_Edit5, 2, 7);
    raster->setColumnStretch(8, 1);

    auto *unten = new QHBoxLayout;
    unten->setSpacing(10);
    unten->addWidget(F_Panel1, 1);
    auto *knoepfe = new QVBoxLayout;
    knoepfe->setSpacing(4);
    knoepfe->addWidget(PA_Button1);
    knoepfe->addWidget(PA_Button2);
    knoepfe->addStretch(1);
    unten->addLayout(knoepfe);
    raster->addLayout(unten, 4, 0, 1, 9);

    setTabOrder(PA_Edit1, PA_Edit2);
    setTabOrder(PA_Edit2, PA_CB1);
    setTabOrder(PA_CB1, PA_Edit3);
    setTabOrder(PA_Edit3, PA_CB2);
    setTabOrder(PA_CB2, PA_Edit4);
    setTabOrder(PA_Edit4, PA_RB1);
    setTabOrder(PA_RB1, PA_RB2);
    setTabOrder(PA_RB2, PA_Edit5);
    setTabOrder(PA_Edit5, PA_Button1);
    setTabOrder(PA_Button1, PA_Button2);
}

// ---- change --------------------------------------------------------------------

void TForm2::Aend_B1Click()
{
    const int32_t zeile = GewaehlteZeile();
    if (FensterModus != 1 || PanelAendern->isVisible() || zeile < 1 || zeile > AnzahlFuellungen())
        return;

    PA_CB1->clear();
    for (int i = 0; i < AnzahlTankstellen && i < MaxTankstellen; ++i)
        PA_CB1->addItem(Q(Tankstellen[i]));

    AenderZeile = zeile;
    // The changed row stays in view above the panel.
    Tabelle1->scrollTo(Modell->index(zeile - 1, 0), QAbstractItemView::PositionAtTop);
    AenderKnoten = zeile;
    const TTankFuellung &f = Fuellungen[static_cast<size_t>(zeile - 1)];

    PA_Label1->setText(u"Änderung der "_s + Q(ZahlMitPunkten(AenderZeile, 1)) + u". Tankfüllung"_s);
    PA_Edit1->setText(QString::number(f.KMStand));
    PA_Edit2->setText(Q(DatumText(f.Datum)));
    if (f.TankstellenNr >= 0 && f.TankstellenNr < PA_CB1->count()) {
        PA_CB1->setCurrentIndex(f.TankstellenNr);
    } else {
        PA_CB1->setCurrentIndex(-1);
        PA_CB1->setEditText(Q(f.Tankstelle));
    }
    PA_CB2->setCurrentIndex(0);
    PA_Edit3->setText(Q(Format("%2.2f", {f.Betrag})));
    PA_Edit4->setText(Q(Format("%3.2f", {f.Liter})));
    QRadioButton *voll = f.Vollgetankt ? PA_RB1 : PA_RB2;
    voll->setChecked(true);
    PA_Voll_JN(voll);

    F_Panel1->hide();
    PanelAendern->show();
    PanelAendern->raise();
    PA_Button1->setDefault(true);
    for (QWidget *w : {static_cast<QWidget *>(Tabelle1), static_cast<QWidget *>(Aend_B1),
                       static_cast<QWidget *>(EndeButton), static_cast<QWidget *>(HilfeButton)})
        w->setEnabled(false);
    HMP1->menuAction()->setEnabled(false);
    HMP4->setEnabled(false);
    PA_Edit1->setFocus(Qt::OtherFocusReason);
}

void TForm2::PA_Voll_JN(QObject *sender)
{
    QPalette farben = PA_Edit5->palette();
    if (sender == PA_RB2) {
        farben.setColor(QPalette::Base, palette().color(QPalette::Button));
        PA_Edit5->setPalette(farben);
        PA_Edit5->clear();
        // Nothing typed here would count.
        PA_Edit5->setReadOnly(true);
        PA_Label8->setEnabled(false);
    } else if (sender == PA_RB1) {
        farben.setColor(QPalette::Base, palette().color(QPalette::Base));
        PA_Edit5->setPalette(farben);
        PA_Edit5->setReadOnly(false);
        PA_Label8->setEnabled(true);
        if (AenderKnoten >= 1 && AenderKnoten <= AnzahlFuellungen()) {
            const TTankFuellung &f = Fuellungen[static_cast<size_t>(AenderKnoten - 1)];
            PA_Edit5->setText(Q(Format("%3.2f", {f.Liter - f.LiterNachAbschaltung})));
        }
    }
}

void TForm2::FehlerZeigen(const QString &text, bool hinweis)
{
    QPalette farben = F_Panel1->palette();
    farben.setColor(QPalette::Window, QColor::fromRgb(FarbeNr(hinweis ? 14 : 4)));
    F_Panel1->setPalette(farben);
    QPalette schrift = F_Label1->palette();
    schrift.setColor(QPalette::WindowText, QColor::fromRgb(FarbeNr(hinweis ? 0 : 15)));
    F_Label1->setPalette(schrift);
    QString zeilen = text;
    zeilen.replace(u'\r', u'\n');
    F_Label1->setText(zeilen);
    F_Panel1->show();
}

void TForm2::ZeichenAbgelehnt(const QString &hinweis)
{
    // Shown like a field error; the field keeps the rest.
    FehlerZeigen(hinweis, false);
    Signal(1, false);
}

void TForm2::PA_ButtonClick(QObject *sender)
{
    if (AenderKnoten < 1 || AenderKnoten > AnzahlFuellungen()) {
        AendernSchliessen();
        return;
    }
    if (sender == PA_Button1) {
        WaehrungsText = Text(PA_CB2->currentText());
        TAenderungsEingabe eingabe;
        eingabe.Felder.KMStand = Text(PA_Edit1->text());
        eingabe.Felder.Datum = Text(PA_Edit2->text());
        eingabe.Felder.Tankstelle = Text(PA_CB1->currentText());
        eingabe.Felder.Betrag = Text(PA_Edit3->text());
        eingabe.Felder.Liter = Text(PA_Edit4->text());
        eingabe.Felder.Vollgetankt = PA_RB1->isChecked();
        eingabe.Felder.VollBei = Text(PA_Edit5->text());
        eingabe.GewaehlterEintrag = PA_CB1->currentIndex();
        const TTankFuellung &alt = Fuellungen[static_cast<size_t>(AenderKnoten - 1)];
        const TAenderungsErgebnis ergebnis = AenderungPruefen(eingabe, alt.KMStand);

        if (ergebnis.FehlerNr == 18) {
            FehlerZeigen(Q("Die Literzahl ist ungültig.\rWenn nur " + LiterText(1, ergebnis.Liter)
                           + " getankt wurden, kann die " + "Säule nicht bei " + LiterText(1, ergebnis.VollBei)
                           + " abschalten." + "\r" + "Die Abschalt-Literzahl wurde auf " + "das maximum gesetzt."),
                         true);
            PA_Edit5->setText(PA_Edit4->text());
        } else if (ergebnis.FehlerNr != 0) {
            FehlerZeigen(Q(FehlerText(ergebnis.FehlerNr)), false);
        }
        if (ergebnis.FehlerNr != 0) {
            Signal(1, false);
            QWidget *ziel = nullptr;
            switch (FehlerFeld(ergebnis.FehlerNr)) {
            case 1: ziel = PA_Edit1; break;
            case 2: ziel = PA_Edit2; break;
            case 4: ziel = PA_Edit3; break;
            case 5: ziel = PA_Edit4; break;
            case 7: ziel = PA_Edit5; break;
            default: break;
            }
            if (ziel)
                ziel->setFocus(Qt::OtherFocusReason);
            return;
        }

        if (DatensatzVerschieden(alt, ergebnis.Neu)) {
            switch (Melden(TMeldungsNr::AenderungUebernehmen)) {
            case mrYes:
                AenderKnoten = FuellungErsetzen(AenderKnoten, ergebnis.Neu);
                Geaendert = true;
                break;
            case mrNo:
                break;
            default:
                // Abort (or the box closed otherwise): go on typing.
                return;
            }
        }
    }
    AendernSchliessen();
}

void TForm2::AendernSchliessen()
{
    F_Panel1->hide();
    PanelAendern->hide();
    for (QWidget *w : {static_cast<QWidget *>(Tabelle1), static_cast<QWidget *>(Aend_B1),
                       static_cast<QWidget *>(EndeButton), static_cast<QWidget *>(HilfeButton)})
        w->setEnabled(true);
    HMP1->menuAction()->setEnabled(true);
    HMP4->setEnabled(true);
    Aend_B1->setDefault(true);
    TabelleFuellen(&Fuellungen, 1);
    Tabelle1->setFocus(Qt::OtherFocusReason);
}

// ---- delete -------------------------------------------------------------------

void TForm2::Del_B1Click()
{
    const int32_t zeile = GewaehlteZeile();
    if (FensterModus != 2 || zeile < 1 || zeile > AnzahlFuellungen())
        return;

    const std::initializer_list<QWidget *> waehrendDerFrage = {Del_B1, EndeButton, HilfeButton};
    for (QWidget *w : waehrendDerFrage)
        w->setEnabled(false);
    HMP1->menuAction()->setEnabled(false);
    HMP4->setEnabled(false);
    const int antwort = Melden(TMeldungsNr::DatensatzLoeschen);
    for (QWidget *w : waehrendDerFrage)
        w->setEnabled(true);
    HMP1->menuAction()->setEnabled(true);
    HMP4->setEnabled(true);
    // No leaves the table as it was, with the row still marked.
    if (antwort != mrYes) {
        Tabelle1->setFocus(Qt::OtherFocusReason);
        return;
    }

    AenderZeile = zeile;
    if (FuellungLoeschen(zeile)) {
        Modell->Setzen(&Fuellungen, false);
        AktAnz();
        Melden(TMeldungsNr::AlleDatenGeloescht);
        done(QDialog::Rejected);
        return;
    }
    TabelleFuellen(&Fuellungen, 2);
    Tabelle1->setFocus(Qt::OtherFocusReason);
}
