#include "Sprilo_2.h"

#include "Auswahl.h"
#include "Fuellungstabelle.h"
#include "PanelTankAnsicht.h"
#include "core/Zusatz1.h"
#include "print/Druckuebergabe.h"

#include "Hilfe.h"
#include "Listenfenster.h"
#include "Widgethilfen.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window as it was designed, and the width of the table the column
// widths were given for.
constexpr int DesignBreite = 806;
constexpr int DesignHoehe = 391;
constexpr double DesignTabelle = 785.0;
constexpr int DesignMarkSpalte = 20;
// Date, odometer, station, amount, litre price, litres, full, full at.
constexpr int DesignSpalten[FuellungsSpalten] = {80, 80, 249, 88, 88, 66, 33, 66};
// The columns together, with or without the mark column (the station
// column is 20 narrower with it).
constexpr int DesignSumme = 750;

QFont Fett(QFont schrift)
{
    schrift.setBold(true);
    return schrift;
}

struct TModusTexte {
    QString Titel;
    int Kontext;        // the window's help context
    int MenueKontext;   // that of HMP1 and HMP4
    QString Anleitung;  // LP1_Label2
    QString Schluessel; // help topic of HilfeButton and HMP4
};

const TModusTexte &ModusTexte(uint8_t modus)
{
    static const TModusTexte texte[3] = {
        {u"Daten ändern  [Sprilo - Programm]"_s, 310, 311,
         u"Markieren Sie den Datensatz, der geändert werden soll."_s, u"F2_Aend"_s},
        {u"Daten löschen  [Sprilo - Programm]"_s, 320, 321,
         u"Markieren Sie den Datensatz, der gelöscht werden soll."_s, u"F2_Loesch"_s},
        {u"Daten ansehen  [Sprilo - Programm]"_s, 330, 331, QString(), u"F2_Ans_All"_s},
    };
    return texte[std::clamp<int>(modus, 1, 3) - 1];
}

} // namespace

// ---- creation -----------------------------------------------------------------

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Form2"_s);
    QVBoxLayout *haupt = EigenesFensterEinrichten(this, ModusTexte(1).Titel);
    MenueAufbauen(haupt);
    haupt->addWidget(KopfAufbauen());
    haupt->addWidget(FlaecheAufbauen(), 1);
    haupt->addWidget(KnoepfeAufbauen());

    setTabOrder(Tabelle1, Aend_B1);
    // The size must do for every mode: view has the most buttons, the
    // other two modes show one button instead of three.
    Aend_B1->hide();
    Del_B1->hide();
    GroesseFestlegen();

    // Everything counted for the size; each opening shows its own part.
    ModusElementeVerbergen();
    DatInfo1->hide();
    SortInfo->hide();
    LP1_Label1->hide();
}

TForm2::~TForm2() = default;

TForm2 *Form2Holen(QWidget *hauptfenster)
{
    static QPointer<TForm2> form2;
    if (!form2) {
        form2 = new TForm2;
        if (hauptfenster)
            QObject::connect(hauptfenster, &QObject::destroyed, form2, [f = form2.data()] { delete f; });
    }
    return form2;
}

void TForm2::MenueAufbauen(QVBoxLayout *haupt)
{
    QMenuBar *leiste = Menueleiste(this, haupt);

    auto eintrag = [this](QMenu *menue, const char *name, const QString &text, auto handler) {
        QAction *a = Menueeintrag(menue, name, text);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    HMP1 = Menue(leiste, "HMP1", u"&Bearbeiten"_s);
    MP1_1 = eintrag(HMP1, "MP1_1", u"&Datensatz ändern"_s, &TForm2::Aend_B1Click);
    MP1_2 = eintrag(HMP1, "MP1_2", u"&Datensatz löschen"_s, &TForm2::Del_B1Click);
    MP1_3 = eintrag(HMP1, "MP1_3", u"Daten &neu zusammenstellen"_s, &TForm2::Dat_NeuClick);
    MP1_5 = eintrag(HMP1, "MP1_5", u"&Daten ausdrucken ..."_s, &TForm2::Btn_Druck1Click);
    HMP1->addSeparator();
    MP1_6 = eintrag(HMP1, "MP1_6", u"Zurück zum &Hauptmenü"_s, &TForm2::EndeClick);

    HMP2 = Menue(leiste, "HMP2", u"&Sortierung ..."_s);
    auto *gruppe = new QActionGroup(this);
    gruppe->setExclusive(true);
    const struct {
        QAction *TForm2::*Ziel;
        const char *Name;
        QString Text;
    } sortierung[] = {
        {&TForm2::MP2_1, "MP2_1", u"... nach &Datum"_s},
        {&TForm2::MP2_2, "MP2_2", u"... nach &Betrag"_s},
        {&TForm2::MP2_3, "MP2_3", u"... nach &Litermenge"_s},
        {&TForm2::MP2_4, "MP2_4", u"... nach Liter&preis"_s},
    };
    for (const auto &s : sortierung) {
        QAction *a = Menueeintrag(HMP2, s.Name, s.Text);
        a->setCheckable(true);
        gruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, a] { SpeedButtonClick(a); });
        this->*(s.Ziel) = a;
    }
    HMP2->addSeparator();
    MP2_5 = Menueeintrag(HMP2, "MP2_5", u"Umgekehrte &Sortierreihenfolge"_s);
    MP2_5->setCheckable(true);
    connect(MP2_5, &QAction::triggered, this, [this] { SpeedButtonClick(MP2_5); });

    HMP3 = Menueeintrag(leiste, "HMP3", u"&Info"_s);
    connect(HMP3, &QAction::triggered, this, &TForm2::Daten_InfoClick);
    HMP4 = Menueeintrag(leiste, "HMP4", u"&Hilfe"_s);
    connect(HMP4, &QAction::triggered, this, &TForm2::HilfeClick);
}

QWidget *TForm2::KopfAufbauen()
{
    auto *kopf = new QWidget(this);
    kopf->setObjectName(u"Kopf"_s);
    auto *raster = new QGridLayout(kopf);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setHorizontalSpacing(12);

    // Modes 1 and 2: what to do, the consistency note and the status light.
    LabelPanel1 = new QFrame(kopf);
    LabelPanel1->setObjectName(u"LabelPanel1"_s);
    auto *lp1 = new QGridLayout(LabelPanel1);
    lp1->setContentsMargins(0, 0, 0, 0);
    lp1->setVerticalSpacing(4);
    LP1_Label2 = new QLabel(LabelPanel1);
    LP1_Label2->setObjectName(u"LP1_Label2"_s);
    LP1_Label2->setAlignment(Qt::AlignCenter);
    LP1_Label2->setFont(Fett(LP1_Label2->font()));
    LP1_Label1 = new QLabel(LabelPanel1);
    LP1_Label1->setObjectName(u"LP1_Label1"_s);
    FarbeSetzen(LP1_Label1, QPalette::WindowText, Farbe(4));
    BleibtVerborgenStehen(LP1_Label1);
    LP1_Label3 = new QLabel(u"Datenzustand :"_s, LabelPanel1);
    LP1_Label3->setObjectName(u"LP1_Label3"_s);
    LP1_Label3b = new QLabel(LabelPanel1);
    LP1_Label3b->setObjectName(u"LP1_Label3b"_s);
    const int licht = std::max(13, LP1_Label3->fontMetrics().height() - 2);
    LP1_Label3b->setFixedSize(licht, licht);
    LP1_Label3b->setFrameShape(QFrame::Box);
    LP1_Label3b->setAutoFillBackground(true);
    lp1->addWidget(LP1_Label2, 0, 0, 1, 3);
    lp1->addWidget(LP1_Label1, 1, 0);
    lp1->addWidget(LP1_Label3, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    lp1->addWidget(LP1_Label3b, 1, 2, Qt::AlignVCenter);
    lp1->setColumnStretch(0, 1);

    // Mode 3: what was selected, how it is sorted, and the sort buttons.
    LabelPanel2 = new QFrame(kopf);
    LabelPanel2->setObjectName(u"LabelPanel2"_s);
    auto *lp2 = new QGridLayout(LabelPanel2);
    lp2->setContentsMargins(0, 0, 0, 0);
    lp2->setVerticalSpacing(2);
    LP2_Label1 = new QLabel(LabelPanel2);
    LP2_Label1->setObjectName(u"LP2_Label1"_s);
    LP2_Label1->setWordWrap(true);
    LP2_Label1->setFont(Fett(LP2_Label1->font()));
    // Room for two lines: the longest selection texts need them.
    LP2_Label1->setMinimumHeight(2 * QFontMetrics(LP2_Label1->font()).lineSpacing());
    LP2_Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LP2_Label2 = new QLabel(LabelPanel2);
    LP2_Label2->setObjectName(u"LP2_Label2"_s);
    LP2_Label2->setMargin(1);
    lp2->addWidget(LP2_Label1, 0, 0);
    lp2->addWidget(LP2_Label2, 1, 0, Qt::AlignLeft);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(2);
    SortierKnoepfeAufbauen(knoepfe);
    lp2->addLayout(knoepfe, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    lp2->setColumnStretch(0, 1);

    for (QWidget *w : {static_cast<QWidget *>(LabelPanel1), static_cast<QWidget *>(LabelPanel2)}) {
        BleibtVerborgenStehen(w);
        raster->addWidget(w, 0, 0);
    }

    LabelNr1 = new QLabel(kopf);
    LabelNr1->setObjectName(u"LabelNr1"_s);
    LabelNr1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    LabelNr1->setMinimumWidth(LabelNr1->fontMetrics().horizontalAdvance(u"9.999.999 / 9.999.999"_s) + 4);
    raster->addWidget(LabelNr1, 0, 1, Qt::AlignRight | Qt::AlignTop);
    raster->setColumnStretch(0, 1);
    return kopf;
}

QWidget *TForm2::FlaecheAufbauen()
{
    // The table, and the panels that take its place or cover part of it,
    // all in one cell.
    auto *flaeche = new QWidget(this);
    flaeche->setObjectName(u"Flaeche"_s);
    auto *raster = new QGridLayout(flaeche);
    raster->setContentsMargins(0, 0, 0, 0);

    Tabelle1 = new QTableView(flaeche);
    Tabelle1->setObjectName(u"Tabelle1"_s);
    Modell = new TFuellungsModell(this);
    Modell->setObjectName(u"Modell"_s);
    Tabelle1->setModel(Modell);
    Tabelle1->setItemDelegate(new TFuellungsDelegate(Tabelle1));
    ListentabelleEinrichten(Tabelle1, 6);
    raster->addWidget(Tabelle1, 0, 0);
    connect(Tabelle1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { AktAnz(); });
    connect(Tabelle1, &QAbstractItemView::doubleClicked, this, [this] { Tabelle1DblClick(); });

    // What each column needs for its widest text; the table is at least as
    // wide as all of them together.
    {
        const QString muster[FuellungsSpalten] = {
            u"31.12.2099"_s,    u"99.999.999"_s, u"Tankstelle unbekannt"_s, u"EUR  4.000,00"_s,
            u"19.99,9 EUR/l"_s, u"999,99L"_s,    u"NEIN"_s,                 u"999,99L"_s};
        int summe = 0;
        for (int i = 0; i < FuellungsSpalten; ++i) {
            m_spaltenNoetig[i] = SpalteNoetig(Tabelle1, muster[i], QString::fromUtf8(FuellungsKoepfe[i]));
            summe += m_spaltenNoetig[i];
        }
        m_markNoetig = SpalteNoetig(Tabelle1, u"=>"_s, u" !"_s);
        summe += m_markNoetig;
        TabellenbreiteMindestens(Tabelle1, summe);
    }

    SortInfo = new QFrame(flaeche);
    SortInfo->setObjectName(u"SortInfo"_s);
    SortInfo->setFrameShape(QFrame::StyledPanel);
    SortInfo->setAutoFillBackground(true);
    FarbeSetzen(SortInfo, QPalette::Window, Qt::white);
    raster->addWidget(SortInfo, 0, 0);

    PanelAendernAufbauen(flaeche);
    raster->addWidget(PanelAendern, 0, 0, Qt::AlignBottom);
    // Above the change panel the header and the changed row stay in view.
    Tabelle1->setMinimumHeight(PanelAendern->minimumSizeHint().height()
                               + Tabelle1->horizontalHeader()->sizeHint().height()
                               + 2 * Tabelle1->verticalHeader()->defaultSectionSize() + 2 * Tabelle1->frameWidth());

    PanelTankAnsicht = new TPanelTankAnsicht(false, flaeche);
    PanelTankAnsicht->setObjectName(u"PanelTankAnsicht"_s);
    HilfeKontextSetzen(PanelTankAnsicht, 181);
    // It covers the table, which must not shine through.
    PanelTankAnsicht->setAutoFillBackground(true);
    if (PanelTankAnsicht->frameShape() == QFrame::NoFrame)
        PanelTankAnsicht->setFrameShape(QFrame::StyledPanel);
    raster->addWidget(PanelTankAnsicht, 0, 0, Qt::AlignCenter);
    connect(PanelTankAnsicht, &TPanelTankAnsicht::ButtonClick, this, &TForm2::PTA_ButtonClick);
    // Characters the word field left out: said at the field, as this window
    // has no error box beside the panel.
    connect(PanelTankAnsicht, &TPanelTankAnsicht::ZeichenAbgelehnt, this, [this](const QString &hinweis) {
        QLineEdit *wort = PanelTankAnsicht->PTA_G1E1;
        QToolTip::showText(wort->mapToGlobal(QPoint(0, wort->height())), hinweis, wort);
        Signal(1, false);
    });

    DatInfoAufbauen(flaeche);
    raster->addWidget(DatInfo1, 0, 0, Qt::AlignCenter);

    // Hidden panels must still count, so that the window has room for them.
    for (QWidget *w : std::initializer_list<QWidget *>{SortInfo, PanelAendern, PanelTankAnsicht, DatInfo1}) {
        BleibtVerborgenStehen(w);
        w->raise();
    }
    return flaeche;
}

QWidget *TForm2::KnoepfeAufbauen()
{
    auto *zeile = new QWidget(this);
    zeile->setObjectName(u"Knoepfe"_s);
    auto *knoepfe = new QHBoxLayout(zeile);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    auto knopf = [zeile](const char *name, const QString &text, const QString &hinweis) {
        return Knopf(zeile, name, text, hinweis);
    };
    Aend_B1 = knopf("Aend_B1", u"&Datensatz ändern"_s, u"Markierten Datensatz ändern"_s);
    Del_B1 = knopf("Del_B1", u"&Datensatz löschen"_s, u"Markierten Datensatz löschen"_s);
    Dat_Neu = knopf("Dat_Neu", u"Daten &neu zusammenstellen"_s, u"Daten neu zusammenstellen"_s);
    Daten_Info = knopf("Daten_Info", u"&Zusammenfassung der Daten"_s,
                       u"Zusammenfassung und Analyse der Tankfüllungen ansehen"_s);
    Btn_Druck1 = knopf("Btn_Druck1", u"Daten dr&ucken"_s, u"gefundene Tankfüllungen ausdrucken"_s);
    EndeButton = knopf("EndeButton", u"zurück zum Haupt&menü"_s, u"Zurück zum Hauptmenü"_s);
    EndeButton->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    HilfeButton = knopf("HilfeButton", u"&Hilfe"_s, QString());
    HilfeButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    for (QPushButton *k : {Aend_B1, Del_B1, Dat_Neu, Daten_Info, Btn_Druck1})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    knoepfe->addWidget(EndeButton);
    knoepfe->addWidget(HilfeButton);

    connect(Aend_B1, &QPushButton::clicked, this, &TForm2::Aend_B1Click);
    connect(Del_B1, &QPushButton::clicked, this, &TForm2::Del_B1Click);
    connect(Dat_Neu, &QPushButton::clicked, this, &TForm2::Dat_NeuClick);
    connect(Daten_Info, &QPushButton::clicked, this, &TForm2::Daten_InfoClick);
    connect(Btn_Druck1, &QPushButton::clicked, this, &TForm2::Btn_Druck1Click);
    connect(EndeButton, &QPushButton::clicked, this, &TForm2::EndeClick);
    connect(HilfeButton, &QPushButton::clicked, this, &TForm2::HilfeClick);
    return zeile;
}

void TForm2::GroesseFestlegen()
{
    FenstergroesseFestlegen(this, DesignBreite, DesignHoehe);
    // The table's part laid out too, so that the table has its width.
    QLayout *flaeche = Tabelle1->parentWidget()->layout();
    flaeche->invalidate();
    flaeche->activate();
    Spaltenfaktor = Tabelle1->width() / DesignTabelle;
}

// ---- opening ----------------------------------------------------------------

void TForm2::AendernOeffnen()
{
    ModusSetzen(1);
    Oeffnen();
}

void TForm2::LoeschenOeffnen()
{
    ModusSetzen(2);
    Oeffnen();
}

void TForm2::AnsehenOeffnen()
{
    ModusSetzen(3);
    Oeffnen();
}

void TForm2::ModusSetzen(uint8_t modus)
{
    const TModusTexte &t = ModusTexte(modus);
    FensterModus = modus;
    HilfeKontextSetzen(this, t.Kontext);
    for (QObject *o : {static_cast<QObject *>(HMP1), static_cast<QObject *>(HMP1->menuAction()),
                       static_cast<QObject *>(HMP4)})
        HilfeKontextSetzen(o, t.MenueKontext);
    setWindowTitle(t.Titel);
    LP1_Label2->setText(t.Anleitung);
    Geaendert = false;

    ModusElementeVerbergen();
    const bool ansehen = modus == 3;
    LabelPanel1->setVisible(!ansehen);
    LabelPanel2->setVisible(ansehen);
    Aend_B1->setVisible(modus == 1);
    Del_B1->setVisible(modus == 2);
    for (QWidget *w : {Dat_Neu, Daten_Info, Btn_Druck1})
        w->setVisible(ansehen);
    MP1_1->setVisible(modus == 1);
    MP1_2->setVisible(modus == 2);
    for (QAction *a : {MP1_3, MP1_5, HMP2->menuAction(), HMP3})
        a->setVisible(ansehen);
    // Whatever an earlier opening left disabled is usable again.
    for (QWidget *w : {static_cast<QWidget *>(Tabelle1), static_cast<QWidget *>(Aend_B1),
                       static_cast<QWidget *>(Del_B1), static_cast<QWidget *>(EndeButton)})
        w->setEnabled(true);

    if (!ansehen) {
        TabelleFuellen(&Fuellungen, modus);
        BedienungFreigeben(false, false);
        HilfeButton->setEnabled(true);
        HMP1->menuAction()->setEnabled(true);
        HMP4->setEnabled(true);
        (modus == 1 ? Aend_B1 : Del_B1)->setDefault(true);
        return;
    }
    BedienungFreigeben(true, false);
    SortierAnzeigeSetzen();
    LP2_Label1->setText(Q(AuswahlText()));
    Sortieren();
    TabelleFuellen(&AuswahlListe, 3);
    // The main window set the hourglass while it built the selection.
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TForm2::Oeffnen()
{
    Zentrieren(this);
    exec();
}

void TForm2::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;
    Zentrieren(this);
    Tabelle1->setFocus(Qt::ActiveWindowFocusReason);
    // The table has its size only now: scroll as the fill wished.
    TabellePositionieren();
    QTimer::singleShot(0, this, [this] { TabellePositionieren(); });
}

// ---- the table ----------------------------------------------------------------

void TForm2::TabelleFuellen(const TTankListe *liste, uint8_t modus)
{
    // FehlerNr1 and FehlerNr2 number the main list; a selection, which has
    // numbers of its own, is only viewed when the data are consistent.
    const bool mark = !DatenLogisch && modus != 3;
    Modell->Setzen(liste, mark);
    ++m_fuellungen;
    SpaltenbreitenSetzen();
    if (mark)
        LP1_Label1->setText(u"Logisch falsche Datensätze sind in der ersten Spalte markiert."_s);
    LP1_Label1->setVisible(mark);

    ZeileMarkieren(Tabelle1, 1);
    m_sollOben = 1;
    if (Geaendert) {
        ZeileMarkieren(Tabelle1, AenderKnoten);
        m_sollOben = 0;
    }
    if (mark) {
        ZeileMarkieren(Tabelle1, FehlerNr1);
        m_sollOben = FehlerNr1 > 7 ? FehlerNr1 - 7 : 1;
    }
    TabellePositionieren();
    AktAnz();

    QString hinweis;
    int farbe = 2;
    if (!DatenLogisch) {
        farbe = 4;
        hinweis = u"Daten enthalten logische Fehler"_s;
    } else if (Gespeichert) {
        hinweis = u"Daten Ok und gespeichert"_s;
    } else {
        farbe = 14;
        hinweis = u"Daten Ok, jedoch noch nicht gespeichert"_s;
    }
    FarbeSetzen(LP1_Label3b, QPalette::Window, Farbe(farbe));
    LP1_Label3b->setToolTip(hinweis);
    LP1_Label3->setToolTip(hinweis);
    Geaendert = false;
}

void TForm2::SpaltenbreitenSetzen()
{
    // The design widths scaled, but never below what a column needs; the
    // station column gives up what the others took beyond their share.
    const bool mark = Modell->MarkSpalte();
    auto breite = [this](int design, int noetig) {
        return std::max(static_cast<int>(std::lround(Spaltenfaktor * design)), noetig);
    };
    int platz = static_cast<int>(std::lround(Spaltenfaktor * DesignSumme));
    QHeaderView *koepfe = Tabelle1->horizontalHeader();
    if (mark) {
        const int b = breite(DesignMarkSpalte, m_markNoetig);
        koepfe->resizeSection(0, b);
        platz -= b;
    }
    constexpr int Station = 2;
    for (int i = 0; i < FuellungsSpalten; ++i) {
        if (i == Station)
            continue;
        const int b = breite(DesignSpalten[i], m_spaltenNoetig[i]);
        koepfe->resizeSection(Modell->Spalte(i), b);
        platz -= b;
    }
    koepfe->resizeSection(Modell->Spalte(Station), std::max(platz, m_spaltenNoetig[Station]));
}

void TForm2::TabellePositionieren()
{
    if (Modell->rowCount() == 0)
        return;
    if (m_sollOben > 0) {
        Tabelle1->scrollTo(Modell->index(std::min(m_sollOben, Modell->rowCount()) - 1, 0),
                           QAbstractItemView::PositionAtTop);
    } else if (Tabelle1->currentIndex().isValid()) {
        Tabelle1->scrollTo(Tabelle1->currentIndex(), QAbstractItemView::EnsureVisible);
    }
}

int32_t TForm2::GewaehlteZeile() const
{
    return MarkierteZeile(Tabelle1);
}

int32_t TForm2::ObersteZeile() const
{
    return ErsteSichtbareZeile(Tabelle1);
}

void TForm2::AktAnz()
{
    LabelNr1->setText(ZeilenZaehler(GewaehlteZeile(), Modell->rowCount()));
}

void TForm2::Tabelle1DblClick()
{
    if (FensterModus == 1)
        Aend_B1Click();
    else if (FensterModus == 2)
        Del_B1Click();
}

// ---- controls by state ---------------------------------------------------------

void TForm2::ModusElementeVerbergen()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Aend_B1, Del_B1, Dat_Neu, Daten_Info, Btn_Druck1, PanelAendern,
                                                      PanelTankAnsicht, LabelPanel1, LabelPanel2, F_Panel1})
        w->hide();
}

void TForm2::BedienungFreigeben(bool an, bool mitSortInfo)
{
    if (mitSortInfo)
        SortInfo->setVisible(!an);
    for (QWidget *w : std::initializer_list<QWidget *>{SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4,
                                                      SpeedButton5, Dat_Neu, Daten_Info, Btn_Druck1, HilfeButton})
        w->setEnabled(an);
    for (QAction *a : {HMP1->menuAction(), HMP2->menuAction(), HMP3, HMP4})
        a->setEnabled(an);
    if (mitSortInfo || an)
        EndeButton->setEnabled(an);
}

// ---- help and closing --------------------------------------------------------------

void TForm2::HilfeClick()
{
    THilfe::Instanz().ThemaZeigen(ModusTexte(FensterModus).Schluessel);
}

void TForm2::EndeClick()
{
    done(QDialog::Rejected);
}

void TForm2::reject()
{
    if (DatInfo1->isVisible()) {
        DI_ButtonClick();
        return;
    }
    // While "zurück zum Hauptmenü" is disabled (a change being typed, a
    // print), neither Esc nor the close box leaves the window.
    if (!EndeButton->isEnabled())
        return;
    EndeClick();
}

void TForm2::done(int ergebnis)
{
    Modell->Setzen(nullptr, false);
    ListeLoeschen(AuswahlListe);
    if (DruckListe == &AuswahlListe)
        DruckListe = nullptr;
    DI_ButtonClick();
    SortInfo->hide();
    ModusElementeVerbergen();
    QDialog::done(ergebnis);
}
