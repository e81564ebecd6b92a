// The consumption window: building it, opening and closing, the two views
// and their menus, the table with its detail box, sorting and help. The
// information box and printing are in VerbrauchsInfo.cpp, the graph view's
// handlers in VerbrauchsGrafik.cpp.
#include "Sprilo_3.h"

#include "consumption/Fensterteile.h"
#include "consumption/Verbrauchstabelle.h"
#include "consumption/Verbrauchstexte.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Meldungen.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include "Hilfe.h"
#include "Listenfenster.h"
#include "Widgethilfen.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window as it was designed, and its column widths.
constexpr int DesignBreite = 600;
constexpr int DesignHoehe = 508;
constexpr int DesignSpalten[VerbrauchsSpalten] = {90, 90, 97, 69, 165};
// Rows the table shows at least: the marked row opens seventh from the top.
constexpr int MindestZeilen = 8;

const QString Titel = u"Verbrauchsübersicht  [Sprilo - Programm]"_s;

} // namespace

// ---- creation -----------------------------------------------------------------

TForm3::TForm3(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Form3"_s);
    QVBoxLayout *haupt = EigenesFensterEinrichten(this, Titel);
    MenueAufbauen(haupt);

    // The controls both views show, each view in its own place.
    InfoLabel1 = Beschriftung(this, "InfoLabel1",
                              u"      Achtung: Bei dieser Tankfüllung wurde nicht vollgetankt. Der Verbrauch kann "
                              "nicht korrekt berechnet werden."_s);
    InfoLabel1->setWordWrap(true);
    // Its room is kept while it is hidden: two lines, for a large font.
    InfoLabel1->setMinimumHeight(
        InfoLabel1->heightForWidth(InfoLabel1->fontMetrics().horizontalAdvance(InfoLabel1->text()) / 2 + 20));
    InfoLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FarbeSetzen(InfoLabel1, QPalette::WindowText, Farbe(4));
    BleibtVerborgenStehen(InfoLabel1);
    InfoLabel2 = Beschriftung(this, "InfoLabel2");
    InfoLabel2->setMargin(2);
    MindestensFuer(InfoLabel2, QString::fromUtf8(VerbrauchsSortierWarteText));
    LabelNr1 = Beschriftung(this, "LabelNr1");
    LabelNr1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MindestensFuer(LabelNr1, u"99.999 / 99.999"_s);
    HilfeButton = Knopf(this, "HilfeButton", u"&Hilfe"_s, QString());
    HilfeButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    InfoButton1 = Knopf(this, "InfoButton1", u"&Infos zum Gesamtverbrauch"_s, u"Zeigt Infos zum Gesamtverbrauch an"_s);
    DruckButton1 = Knopf(this, "DruckButton1", u"Verbrauchswerte &drucken"_s, u"Verbrauchswerte ausdrucken"_s);
    EndeButton = Knopf(this, "EndeButton", u"zurück zum Haupt&menü"_s, u"Zurück zum Hauptmenü"_s);
    EndeButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    for (QPushButton *k : {HilfeButton, InfoButton1, DruckButton1, EndeButton})
        k->setAutoDefault(false);
    connect(HilfeButton, &QPushButton::clicked, this, &TForm3::HilfeClick);
    connect(InfoButton1, &QPushButton::clicked, this, &TForm3::InfoButtonClick);
    connect(DruckButton1, &QPushButton::clicked, this, &TForm3::DruckButton1Click);
    connect(EndeButton, &QPushButton::clicked, this, &TForm3::EndeClick);

    auto *flaeche = new QWidget(this);
    flaeche->setObjectName(u"Flaeche"_s);
    auto *raster = new QGridLayout(flaeche);
    raster->setContentsMargins(0, 0, 0, 0);
    m_ansichten = new QStackedWidget(flaeche);
    m_ansichten->setObjectName(u"Ansichten"_s);
    m_tabellenSeite = TabellenSeiteAufbauen();
    m_graphSeite = GraphSeiteAufbauen();
    m_ansichten->addWidget(m_tabellenSeite);
    m_ansichten->addWidget(m_graphSeite);
    raster->addWidget(m_ansichten, 0, 0);
    InfoBoxAufbauen(flaeche);
    raster->addWidget(AnzBox2, 0, 0, Qt::AlignCenter);
    haupt->addWidget(flaeche, 1);

    GroesseFestlegen();
    // The scale of every graph and chart, before any is drawn.
    Grafikfaktor = static_cast<long double>(Image1->width()) / 561.0L;

    AnzBox2->hide();
    TabellenAnsicht ? TabellenAnsichtEinrichten() : GraphAnsichtEinrichten();
}

TForm3::~TForm3() = default;

TForm3 *Form3Holen(QWidget *hauptfenster)
{
    static QPointer<TForm3> form3;
    if (!form3) {
        form3 = new TForm3;
        if (hauptfenster)
            QObject::connect(hauptfenster, &QObject::destroyed, form3, [f = form3.data()] { delete f; });
    }
    if (hauptfenster)
        form3->m_hauptfenster = hauptfenster;
    return form3;
}

void TForm3::MenueAufbauen(QVBoxLayout *haupt)
{
    QMenuBar *leiste = Menueleiste(this, haupt);
    HMP1 = Menue(leiste, "HMP1", u"A&nsicht"_s);
    MP1_1 = Menueeintrag(HMP1, "MP1_1", u"&Graphische Ansicht"_s);
    MP1_2 = Menueeintrag(HMP1, "MP1_2", u"&Tabellarische Ansicht"_s);
    for (QAction *a : {MP1_1, MP1_2}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, &TForm3::Button1Click);
    }
    HMP1->addSeparator();
    MP1_4 = Menueeintrag(HMP1, "MP1_4", u"Tankinhalt &einstellen ..."_s);
    connect(MP1_4, &QAction::triggered, this, &TForm3::MP1_4Click);
    HMP1->addSeparator();
    MP1_5 = Menueeintrag(HMP1, "MP1_5", u"Zurück zum Haupt&menü"_s);
    connect(MP1_5, &QAction::triggered, this, &TForm3::EndeClick);

    HMP2 = Menue(leiste, "HMP2", u"&Sortierung ..."_s);
    auto *gruppe = new QActionGroup(this);
    gruppe->setExclusive(true);
    const struct {
        QAction *TForm3::*Ziel;
        const char *Name;
        QString Text;
    } sortierung[] = {
        {&TForm3::MP2_1, "MP2_1", u"... nach &Datum"_s},
        {&TForm3::MP2_2, "MP2_2", u"... nach Durchschnitts&verbrauch"_s},
        {&TForm3::MP2_3, "MP2_3", u"... nach gefahrenen &KM"_s},
        {&TForm3::MP2_4, "MP2_4", u"... nach verbrauchter &Litermenge"_s},
        {&TForm3::MP2_5, "MP2_5", u"... nach Kilometer&preis  (ct/KM)"_s},
    };
    for (const auto &s : sortierung) {
        QAction *a = Menueeintrag(HMP2, s.Name, s.Text);
        a->setCheckable(true);
        gruppe->addAction(a);
        this->*(s.Ziel) = a;
    }
    HMP2->addSeparator();
    MP2_U = Menueeintrag(HMP2, "MP2_U", u"Umgekehrte &Sortierreihenfolge"_s);
    MP2_U->setCheckable(true);
    for (QAction *a : {MP2_1, MP2_2, MP2_3, MP2_4, MP2_5, MP2_U}) {
        HilfeKontextSetzen(a, 402);
        connect(a, &QAction::triggered, this, [this, a] { MP2_SortClick(a); });
    }
    for (QObject *o : {static_cast<QObject *>(HMP1), static_cast<QObject *>(HMP1->menuAction()),
                       static_cast<QObject *>(HMP2), static_cast<QObject *>(HMP2->menuAction())})
        HilfeKontextSetzen(o, 401);

    HMP3 = Menueeintrag(leiste, "HMP3", u"&Hilfe"_s);
    connect(HMP3, &QAction::triggered, this, &TForm3::HilfeClick);
}

QWidget *TForm3::TabellenSeiteAufbauen()
{
    auto *seite = new QWidget;
    seite->setObjectName(u"TabellenSeite"_s);
    m_tabellenRaster = new QGridLayout(seite);
    m_tabellenRaster->setContentsMargins(0, 0, 0, 0);
    m_tabellenRaster->setHorizontalSpacing(10);
    m_tabellenRaster->setVerticalSpacing(6);

    Tabelle1 = new QTableView(seite);
    Tabelle1->setObjectName(u"Tabelle1"_s);
    Modell = new TVerbrauchsModell(this);
    Modell->setObjectName(u"Modell"_s);
    Tabelle1->setModel(Modell);
    // The columns were laid out for a fixed-pitch font, their texts padded
    // with blanks; at the size of the window's own font.
    QFont schrift(u"Courier New"_s);
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setPointSizeF(std::max(8.0, font().pointSizeF()));
    Tabelle1->setFont(schrift);
    Tabelle1->horizontalHeader()->setFont(schrift);
    ListentabelleEinrichten(Tabelle1, 4);
    Tabelle1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The last column takes the rest of the width.
    Tabelle1->horizontalHeader()->setStretchLastSection(true);
    connect(Tabelle1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { GoTo_Akt_Anz(); });

    {
        TVerbrauchsWert gross;
        gross.VonKM = gross.BisKM = gross.Strecke = 99999999;
        gross.LiterVerbraucht = 99999.99L;
        gross.Durchschnitt = 9999.999999L;
        int summe = 0;
        for (int i = 0; i < VerbrauchsSpalten; ++i) {
            m_spaltenNoetig[i] =
                SpalteNoetig(Tabelle1, Q(VerbrauchsZelle(gross, i)), QString::fromUtf8(VerbrauchsKoepfe[i]));
            summe += m_spaltenNoetig[i];
        }
        TabellenbreiteMindestens(Tabelle1, summe);
        Tabelle1->setMinimumHeight(Tabelle1->horizontalHeader()->sizeHint().height()
                                   + MindestZeilen * Tabelle1->verticalHeader()->defaultSectionSize()
                                   + 2 * Tabelle1->frameWidth());
    }

    AnzBox1 = DetailBoxAufbauen(seite);
    Button1 = Knopf(seite, "Button1", u"Zur graphischen &Ansicht"_s, u"Auf graphische Ansicht umschalten"_s);
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);

    // Table across the top; below it the sort description and the counter,
    // the detail box with the buttons beside it, the warning at the bottom.
    m_tabellenRaster->addWidget(Tabelle1, 0, 0, 1, 2);
    m_tabellenRaster->addWidget(AnzBox1, 2, 0, 6, 1);
    m_tabellenRaster->addWidget(Button1, 3, 1);
    m_tabellenRaster->setRowStretch(0, 1);
    m_tabellenRaster->setColumnStretch(0, 1);
    return seite;
}

QGroupBox *TForm3::DetailBoxAufbauen(QWidget *eltern)
{
    auto *box = new QGroupBox(u" Info zum markierten Verbrauch "_s, eltern);
    box->setObjectName(u"AnzBox1"_s);
    box->setToolTip(u"Details des oben markierten Verbrauchswertes"_s);
    auto *r = new QGridLayout(box);
    r->setHorizontalSpacing(10);
    r->setVerticalSpacing(3);

    WertLabelsAnlegen(DetailLabels(), box, "AB_", 8);
    // The period, beside the from and to rows.
    AB_Label1d = Beschriftung(box, "AB_Label1d");
    MindestensFuer(AB_Label1d, u"September 2099"_s);

    const int zeile = WertLabelsSetzen(DetailLabels(), r, 0);
    r->addWidget(AB_Label1d, 0, 3, 2, 1, Qt::AlignVCenter);
    r->setRowStretch(zeile, 1);
    r->setColumnStretch(3, 1);
    return box;
}

TWertLabels TForm3::DetailLabels()
{
    return {AB_Label1a1, AB_Label1b1, AB_Label1c1, AB_Label1a2, AB_Label1b2, AB_Label1c2,
            AB_Label2,   AB_Label2b,  AB_Label3,   AB_Label3b,  AB_Label4,   AB_Label4b,
            AB_Label5,   AB_Label5b,  AB_Label8,   AB_Label8b,  AB_Label6,   AB_Label7};
}

void TForm3::GroesseFestlegen()
{
    // Each view needs its own room; the window must hold the larger, with
    // texts of the longest kind in the shared labels.
    InfoLabel2->setText(Q(VerbrauchsSortierText(4, true)));
    LabelNr1->setText(u"99.999 / 99.999"_s);
    GraphAnsichtEinrichten();
    m_graphSeite->layout()->activate();
    const QSize graph = m_graphSeite->minimumSizeHint();
    TabellenAnsichtEinrichten();
    m_tabellenSeite->layout()->activate();
    const QSize tabelle = m_tabellenSeite->minimumSizeHint();
    m_ansichten->setMinimumSize(graph.expandedTo(tabelle));

    FenstergroesseFestlegen(this, DesignBreite, DesignHoehe);
}

// ---- opening and closing ----------------------------------------------------------

void TForm3::Oeffnen()
{
    MarkierterWert = 1;
    GraphFenster = TGraphFenster();
    {
        const QSignalBlocker still(ScrollBar1);
        ScrollBar1->setRange(1, std::max(1, AnzahlVerbrauchswerte()));
        ScrollBar1->setValue(1);
    }

    // The totals need the values in the order they were driven.
    BerechneGesamtverbrauch();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    SortiereVerbrauchswerte(Sortierung, UmgekehrtSortiert);
    QApplication::restoreOverrideCursor();

    C_Box1->setChecked(FestverbrauchAn);
    FV_Button1->setEnabled(FestverbrauchAn);
    if (Festverbrauch == 0) {
        Festverbrauch = GesamtVerbrauch.Durchschnitt;
        Gespeichert = false;
    }
    // The graph shows the values in the order they were driven only; a
    // settings file that asks for the graph of another order gets the table.
    if (Sortierung != 1)
        TabellenAnsicht = true;

    AnzBox2->hide();
    BedienungFreigeben(true);
    AnsichtEinrichten();
    // The consumption panel set the hourglass while it built the values.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    Zentrieren(this);
    exec();

    if (m_hauptVerborgen && m_hauptfenster) {
        m_hauptfenster->show();
        m_hauptVerborgen = false;
    }
}

void TForm3::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;
    Zentrieren(this);
    MenuesSetzen();
    // The main window keeps its waiting text in sight until this one is up.
    if (m_hauptfenster && m_hauptfenster->isVisible()) {
        m_hauptfenster->hide();
        m_hauptVerborgen = true;
    }
    AnsichtFokussieren(Qt::ActiveWindowFocusReason);
}

void TForm3::EndeClick()
{
    done(QDialog::Rejected);
}

void TForm3::reject()
{
    if (AnzBox2->isVisible()) {
        GV_OkClick();
        return;
    }
    EndeClick();
}

void TForm3::done(int ergebnis)
{
    Modell->Setzen(nullptr);
    VerbrauchsListeLoeschen();
    DruckuebergabeLoesen();
    m_graph = QImage();
    AnzBox2->hide();
    BedienungFreigeben(true);
    InfoLabel1->hide();
    QDialog::done(ergebnis);
}

// ---- the views -------------------------------------------------------------------

void TForm3::AnsichtEinrichten()
{
    if (TabellenAnsicht)
        TabellenAnsichtEinrichten();
    else
        GraphAnsichtEinrichten();
    MenuesSetzen();
    if (TabellenAnsicht)
        TabelleFuellen();
    else
        GraphZeichnen();
}

void TForm3::TabellenAnsichtEinrichten()
{
    HilfeKontextSetzen(this, 410);
    QGridLayout *r = m_tabellenRaster;
    Einsetzen(r, InfoLabel2, 1, 0);
    Einsetzen(r, LabelNr1, 1, 1);
    Einsetzen(r, HilfeButton, 2, 1);
    Einsetzen(r, InfoButton1, 4, 1);
    Einsetzen(r, DruckButton1, 5, 1);
    Einsetzen(r, EndeButton, 7, 1);
    Einsetzen(r, InfoLabel1, 8, 0, 1, 2);
    for (QWidget *w : std::initializer_list<QWidget *>{InfoLabel2, LabelNr1, HilfeButton, InfoButton1, DruckButton1,
                                                      EndeButton})
        w->show();
    InfoLabel1->hide();
    m_ansichten->setCurrentWidget(m_tabellenSeite);
}

void TForm3::MenuesSetzen()
{
    MP1_1->setChecked(!TabellenAnsicht);
    MP1_1->setEnabled(TabellenAnsicht);
    MP1_2->setChecked(TabellenAnsicht);
    MP1_2->setEnabled(!TabellenAnsicht);
    QAction *eintraege[] = {MP2_1, MP2_2, MP2_3, MP2_4, MP2_5};
    for (QAction *a : eintraege)
        a->setEnabled(TabellenAnsicht);
    eintraege[std::clamp<int>(Sortierung, 1, 5) - 1]->setChecked(true);
    MP2_U->setChecked(UmgekehrtSortiert);
}

void TForm3::Button1Click()
{
    if (!TabellenAnsicht) {
        TabellenAnsicht = true;
    } else if (Sortierung != 1) {
        Melden(TMeldungsNr::GrafikNurNachDatum);
        // The table stays as it is.
        MenuesSetzen();
        Tabelle1->setFocus(Qt::OtherFocusReason);
        return;
    } else {
        TabellenAnsicht = false;
    }
    AnsichtEinrichten();
    AnsichtFokussieren(Qt::OtherFocusReason);
}

void TForm3::AnsichtFokussieren(Qt::FocusReason grund)
{
    if (TabellenAnsicht) {
        Tabelle1->setFocus(grund);
        // The table has its height only once shown: scroll as the fill
        // wished, now and when it is laid out.
        TabellePositionieren();
        QTimer::singleShot(0, this, [this] { TabellePositionieren(); });
    } else {
        ScrollBar1->setFocus(grund);
    }
}

// ---- the table ---------------------------------------------------------------------

void TForm3::TabelleFuellen()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    Modell->Setzen(&VerbrauchsListe);
    ++m_fuellungen;
    SpaltenbreitenSetzen();
    MarkierterWert = std::clamp<int32_t>(MarkierterWert, 1, std::max(1, AnzahlVerbrauchswerte()));
    m_sollOben = MarkierterWert > 6 ? MarkierterWert - 6 : 1;
    ZeileMarkieren(Tabelle1, MarkierterWert);
    TabellePositionieren();
    SortierTextSetzen();
    GoTo_Akt_Anz();
    QApplication::restoreOverrideCursor();
}

void TForm3::SpaltenbreitenSetzen()
{
    QHeaderView *koepfe = Tabelle1->horizontalHeader();
    for (int i = 0; i < VerbrauchsSpalten - 1; ++i)
        koepfe->resizeSection(i, std::max(static_cast<int>(std::lround(DesignSpalten[i] * Fensterfaktor)),
                                          m_spaltenNoetig[i]));
}

void TForm3::TabellePositionieren()
{
    if (Modell->rowCount() == 0)
        return;
    Tabelle1->scrollTo(Modell->index(std::min(m_sollOben, Modell->rowCount()) - 1, 0),
                       QAbstractItemView::PositionAtTop);
}

int32_t TForm3::GewaehlteZeile() const
{
    return MarkierteZeile(Tabelle1);
}

int32_t TForm3::ObersteZeile() const
{
    return ErsteSichtbareZeile(Tabelle1);
}

void TForm3::GoTo_Akt_Anz()
{
    const int32_t zeile = GewaehlteZeile();
    if (zeile < 1 || zeile > AnzahlVerbrauchswerte())
        return;
    MarkierterWert = zeile;
    ScrollBar1->setValue(zeile);
    LabelNr1->setText(ZeilenZaehler(zeile, Modell->rowCount()));

    const TVerbrauchsWert &w = VerbrauchsListe[static_cast<size_t>(zeile - 1)];
    WertLabelsFuellen(DetailLabels(), VerbrauchsDetails(w, Tankinhalt), Tankinhalt != 0);
    AB_Label1d->setText(Q(w.Bezeichnung));
    InfoLabel1->setVisible(w.Vollgetankt == 0);
}

// ---- sorting -------------------------------------------------------------------------

void TForm3::SortierTextSetzen()
{
    InfoLabel2->setAutoFillBackground(false);
    InfoLabel2->setPalette(QPalette());
    InfoLabel2->setText(Q(VerbrauchsSortierText(Sortierung, UmgekehrtSortiert)));
}

void TForm3::MP2_SortClick(QAction *sender)
{
    const uint8_t alteSortierung = Sortierung;
    const bool altUmgekehrt = UmgekehrtSortiert;
    const QAction *eintraege[] = {MP2_1, MP2_2, MP2_3, MP2_4, MP2_5};
    for (int i = 0; i < 5; ++i)
        if (sender == eintraege[i])
            Sortierung = static_cast<uint8_t>(i + 1);
    if (sender == MP2_U)
        UmgekehrtSortiert = MP2_U->isChecked();
    MenuesSetzen();
    if (Sortierung == alteSortierung && UmgekehrtSortiert == altUmgekehrt)
        return;

    InfoLabel2->setText(QString::fromUtf8(VerbrauchsSortierWarteText));
    InfoLabel2->setAutoFillBackground(true);
    FarbeSetzen(InfoLabel2, QPalette::Window, Farbe(14));
    FarbeSetzen(InfoLabel2, QPalette::WindowText, Farbe(0));
    if (!TabellenAnsicht) {
        m_graph.fill(Qt::white);
        Image1->repaint();
    }
    // Painted now: the sort keeps the window busy until it is done.
    InfoLabel2->repaint();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    SortiereVerbrauchswerte(Sortierung, UmgekehrtSortiert);
    QApplication::restoreOverrideCursor();

    // The marked row stays; it holds another value now.
    if (TabellenAnsicht)
        TabelleFuellen();
    else
        GraphZeichnen();
}

// ---- help ----------------------------------------------------------------------------

void TForm3::HilfeClick()
{
    THilfe::Instanz().ThemaZeigen(TabellenAnsicht ? u"F3_VB_Tab"_s : u"F3_VB_Gr"_s);
}

// ---- controls by state -----------------------------------------------------------------

void TForm3::BedienungFreigeben(bool an)
{
    for (QWidget *w : std::initializer_list<QWidget *>{EndeButton, DruckButton1, Button1, Button1b, HilfeButton,
                                                      InfoButton1, Tabelle1, C_Box1, Image1, ScrollBar1})
        w->setEnabled(an);
    FV_Button1->setEnabled(an && C_Box1->isChecked());
    for (QAction *a : {HMP1->menuAction(), HMP2->menuAction(), HMP3})
        a->setEnabled(an);
}
