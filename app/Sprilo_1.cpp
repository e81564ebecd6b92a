#include "Sprilo_1.h"

#include "Eingabefelder.h"
#include "browse/PanelTankAnsicht.h"
#include "Format.h"
#include "Hilfe.h"
#include "Konfiguration.h"
#include "Meldungen.h"
#include "PanelEingabe.h"
#include "PanelEntwicklung.h"
#include "PanelTankList.h"
#include "PanelVerbrauch.h"
#include "Sprilo_Dek.h"
#include "Sprilo_V.h"
#include "Symbole.h"
#include "Widgethilfen.h"
#include "Zusatz1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Size of the main window as it was designed, and the width of the entry
// panel's cancel button from which the window factor is taken.
constexpr int DesignBreite = 696;
constexpr int DesignHoehe = 428;
constexpr int DesignKnopfBreite = 137;
// Line height of the font the windows were designed with.
constexpr double DesignZeilenhoehe = 13.0;
constexpr int StatusBreite = 330;

// The status box is as wide as its longest texts need in the font in use.
int StatusBreiteFuer(const QFontMetrics &m)
{
    int breite = StatusBreite;
    for (const QString &text : {u"Es befinden sich zur Zeit 99.999 Tankfüllungen im Speicher."_s,
                                u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s,
                                u"Letzte Tankfüllung vom :  31.12.2099 bei KM 9.999.999"_s})
        breite = std::max(breite, m.horizontalAdvance(text) + 2 * m.averageCharWidth() + 24);
    return breite;
}

} // namespace

// ---- TKurzLabel -------------------------------------------------------------

QSize TKurzLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

void TKurzLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect flaeche = contentsRect();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(flaeche, static_cast<int>(alignment()),
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, flaeche.width()));
}

// ---- TForm1 -------------------------------------------------------------------

const QString TForm1::FehlerText2 =
    u"! !   F E H L E R  ! ! \n\nBei der Eingabe der Daten muß Ihnen ein Fehler unterlaufen sein.\n"
    "Ein Kilometerstand hat ein Datum, welches 'logisch' zu einem anderen Kilometerstand gehören müsste.\n"
    "Beispiel :    KM-Stand       Datum\n"
    "                    10.250         01.01.1996\n"
    "                    10.750         31.12.1995\n"
    "Wahrscheinlich haben Sie sich bei der Eingabe des Datums bzw. des Kilometerstandes vertippt."_s;

TForm1::TForm1(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Sprilo - Programm"_s);
    HilfeKontextSetzen(this, 100);
    // Fixed single border: no maximise button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    MenueAufbauen();

    auto *zentrum = new QWidget(this);
    zentrum->setObjectName(u"Zentrum"_s);
    auto *spalten = new QVBoxLayout(zentrum);
    spalten->setContentsMargins(0, 0, 0, 0);
    spalten->setSpacing(0);
    setCentralWidget(zentrum);

    WerkzeugleisteAufbauen();
    spalten->addWidget(Panel1);
    ArbeitsbereichAufbauen();

    FehlerLabel2->setText(FehlerText2);
    // The window starts with an empty work area: no panel and none of the
    // panels' help items.
    PanelsSchliessen();

    FensterGroesseAnpassen();
    if (const QScreen *bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    KonfigurationLesen(false);
    StatusAnzeigen();
}

void TForm1::MenueAufbauen()
{
    QMenuBar *leiste = menuBar();
    leiste->setObjectName(u"MenuForm1"_s);

    auto eintrag = [this](QMenu *menue, QAction *&ziel, const char *name, const QString &text,
                          int kontext, auto handler) {
        ziel = menue->addAction(text);
        ziel->setObjectName(QString::fromLatin1(name));
        HilfeKontextSetzen(ziel, kontext);
        connect(ziel, &QAction::triggered, this, handler);
    };
    auto menue = [&](QMenu *&ziel, const char *name, const QString &text, int kontext) {
        ziel = leiste->addMenu(text);
        ziel->setObjectName(QString::fromLatin1(name));
        ziel->menuAction()->setObjectName(QString::fromLatin1(name));
        HilfeKontextSetzen(ziel, kontext);
        HilfeKontextSetzen(ziel->menuAction(), kontext);
    };

    menue(MP_1, "MP_1", u"&Datei"_s, 110);
    eintrag(MP_1, MP_1_1, "MP_1_1", u"&Neu"_s, 111, &TForm1::DatenNeuClick);
    MP_1_1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    eintrag(MP_1, MP_1_2, "MP_1_2", u"&Laden ..."_s, 112, &TForm1::LadenClick);
    MP_1_2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    eintrag(MP_1, MP_1_3, "MP_1_3", u"&Speichern"_s, 113, [this] { SpeichernClick(MP_1_3); });
    MP_1_3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    eintrag(MP_1, MP_1_4, "MP_1_4", u"Speichern &unter ..."_s, 114, [this] { SpeichernClick(MP_1_4); });
    MP_1->addSeparator();
    eintrag(MP_1, MP_1_Import, "MP_1_Import", u"&Importieren ..."_s, 110, &TForm1::MP_1_ImportClick);
    eintrag(MP_1, MP_1_Export, "MP_1_Export", u"E&xportieren ..."_s, 110, &TForm1::MP_1_ExportClick);
    MP_1->addSeparator();
    eintrag(MP_1, MP_1_B1, "MP_1_B1", u"&Drucken ..."_s, 115, &TForm1::DruckAufbau);
    MP_1_B1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    eintrag(MP_1, MP_1_B2, "MP_1_B2", u"Drucker&einrichtung ..."_s, 116, &TForm1::DruckEinricht);
    MP_1->addSeparator();
    eintrag(MP_1, MP_Ende, "MP_Ende", u"&Beenden"_s, 117, &TForm1::MP_EndeClick);

    menue(MP_2, "MP_2", u"&Einstellungen"_s, 120);
    eintrag(MP_2, MP_2_1, "MP_2_1", u"KFZ-&Kennzeichen ändern ..."_s, 121, &TForm1::MP_2_1Click);
    eintrag(MP_2, MP_2_2, "MP_2_2", u"Tankin&halt einstellen ..."_s, 122, &TForm1::MP_2_2Click);
    eintrag(MP_2, MP_2_3, "MP_2_3", u"&Festverbrauch einstellen ..."_s, 123, &TForm1::MP_2_3Click);
    eintrag(MP_2, MP_2_5, "MP_2_5", u"Festverbrauch &aktiviert"_s, 125, &TForm1::V_Fest_OnOff);
    MP_2_5->setCheckable(true);
    MP_2->addSeparator();
    eintrag(MP_2, MP_2_6, "MP_2_6", u"&Tankstellenliste bearbeiten ..."_s, 126, &TForm1::MP_2_6Click);
    eintrag(MP_2, MP_2_7, "MP_2_7", u"&Systemtöne aktiviert"_s, 127, &TForm1::WarnTon_OnOff);
    MP_2_7->setCheckable(true);
    N6 = MP_2->addSeparator();
    N6->setObjectName(u"N6"_s);
    eintrag(MP_2, MP_2_8, "MP_2_8", u"Konfiguration &nachladen ..."_s, 128, &TForm1::MP_2_8Click);

    menue(MP_3, "MP_3", u"&Bearbeiten"_s, 130);
    eintrag(MP_3, MP_3_1, "MP_3_1", u"Daten &erweitern"_s, 131, &TForm1::ErweitereDaten);
    eintrag(MP_3, MP_3_2, "MP_3_2", u"Daten ä&ndern"_s, 132, &TForm1::MP_3_2Click);
    eintrag(MP_3, MP_3_3, "MP_3_3", u"Daten &löschen"_s, 133, &TForm1::MP_3_3Click);

    menue(MP_4, "MP_4", u"&Analysen"_s, 140);
    eintrag(MP_4, MP_4_1, "MP_4_1", u"&Tankfüllungen"_s, 141, &TForm1::MP_4_1Click);
    eintrag(MP_4, MP_4_2, "MP_4_2", u"&Verbrauch"_s, 142, &TForm1::MP_4_2Click);
    eintrag(MP_4, MP_4_3, "MP_4_3", u"&Literpreisentwicklung"_s, 143, &TForm1::MP_4_3Click);
    eintrag(MP_4, MP_4_4, "MP_4_4", u"&Reichweitenentwicklung"_s, 144, &TForm1::MP_4_4Click);

    menue(MP_5, "MP_5", u"&Hilfen"_s, 150);
    eintrag(MP_5, MP_5_1, "MP_5_1", u"&Inhalt"_s, 151, &TForm1::ZeigHilfe);
    MP_5_1b = MP_5->addMenu(u"&Hilfe zu ..."_s);
    MP_5_1b->setObjectName(u"MP_5_1b"_s);
    MP_5_1b_Eintrag = MP_5_1b->menuAction();
    MP_5_1b_Eintrag->setObjectName(u"MP_5_1b"_s);
    HilfeKontextSetzen(MP_5_1b, 152);
    HilfeKontextSetzen(MP_5_1b_Eintrag, 152);
    struct THilfeZu {
        QAction *TForm1::*Ziel;
        const char *Name;
        QString Text;
        const char *Thema;
    };
    const THilfeZu hilfeZu[] = {
        {&TForm1::MP_5_1b_1, "MP_5_1b_1", u"... diesem &Fenster"_s, "F1_All"},
        {&TForm1::MP_5_1b_2, "MP_5_1b_2", u"... der Fehler&meldung"_s, "FM_8003"},
        {&TForm1::MP_5_1b_3, "MP_5_1b_3", u"... &Dateneingabe"_s, "F1_DtEin"},
        {&TForm1::MP_5_1b_4, "MP_5_1b_4", u"... Tankstellen&liste"_s, "TankList"},
        {&TForm1::MP_5_1b_5, "MP_5_1b_5", u"... &Tankstellenauswahl"_s, "F1_SprMask"},
        {&TForm1::MP_5_1b_6, "MP_5_1b_6", u"... &Verbrauchsauswahl"_s, "F1_VBMask"},
        {&TForm1::MP_5_1b_7, "MP_5_1b_7", u"... Literpreis-&Entwicklung"_s, "F1_LPMask"},
        {&TForm1::MP_5_1b_8, "MP_5_1b_8", u"... &Reichweiten-Entwicklung"_s, "F1_RWMask"},
    };
    for (const THilfeZu &h : hilfeZu) {
        QAction *a = MP_5_1b->addAction(h.Text);
        a->setObjectName(QString::fromLatin1(h.Name));
        a->setData(QString::fromLatin1(h.Thema));
        HilfeKontextSetzen(a, 152);
        connect(a, &QAction::triggered, this, [this, a] { HilfeZuClick(a); });
        this->*(h.Ziel) = a;
    }
    eintrag(MP_5, MP_5_3, "MP_5_3", u"&Softwarehinweis"_s, 153, &TForm1::ZeigSwHinw);
    eintrag(MP_5, MP_5_4, "MP_5_4", u"&Neuerungen"_s, 154, &TForm1::ZeigNeues);
    MP_5->addSeparator();
    eintrag(MP_5, MP_5_2, "MP_5_2", u"Inf&o"_s, 155, &TForm1::ZeigInfo);
}

void TForm1::WerkzeugleisteAufbauen()
{
    Panel1 = new QFrame;
    Panel1->setObjectName(u"Panel1"_s);
    static_cast<QFrame *>(Panel1)->setFrameShape(QFrame::StyledPanel);
    auto *zeile = new QHBoxLayout(Panel1);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->setSpacing(1);

    struct TKnopf {
        QToolButton *TForm1::*Ziel;
        const char *Name;
        TSymbol Symbol;
        QString Hinweis;
        bool LueckeDavor;
    };
    const TKnopf knoepfe[] = {
        {&TForm1::SpeedButton1, "SpeedButton1", TSymbol::Beenden, u"Programm beenden"_s, false},
        {&TForm1::SpeedButton2, "SpeedButton2", TSymbol::Neu, u"Neue Daten eingeben"_s, true},
        {&TForm1::SpeedButton3, "SpeedButton3", TSymbol::Erweitern, u"Daten erweitern"_s, false},
        {&TForm1::SpeedButton4, "SpeedButton4", TSymbol::Laden, u"Daten laden"_s, false},
        {&TForm1::SpeedButton5, "SpeedButton5", TSymbol::Speichern, u"Speichern"_s, false},
        {&TForm1::SpeedButton6, "SpeedButton6", TSymbol::SpeichernUnter, u"Speichern unter"_s, false},
        {&TForm1::SpeedButton7, "SpeedButton7", TSymbol::Aendern, u"Daten ändern"_s, true},
        {&TForm1::SpeedButton8, "SpeedButton8", TSymbol::Loeschen, u"Daten löschen"_s, false},
        {&TForm1::SpeedButton9, "SpeedButton9", TSymbol::Tankfuellungen, u"Tankfüllungen ansehen"_s, true},
        {&TForm1::SpeedButton10, "SpeedButton10", TSymbol::Verbrauch, u"Verbrauchslisten ansehen"_s, false},
        {&TForm1::SpeedButton15, "SpeedButton15", TSymbol::Literpreis, u"Entwickling des Literpreises"_s, false},
        {&TForm1::SpeedButton16, "SpeedButton16", TSymbol::Reichweite, u"Theoretische Fahrstrecke"_s, false},
        {&TForm1::SpeedButton12, "SpeedButton12", TSymbol::Drucken, u"Drucken"_s, true},
        {&TForm1::SpeedButton14, "SpeedButton14", TSymbol::DruckerEinrichten, u"Drucker einrichten"_s, false},
        {&TForm1::SpeedButton11, "SpeedButton11", TSymbol::Systemtoene, QString(), true},
        {&TForm1::SpeedButton13, "SpeedButton13", TSymbol::Hilfe, u"Hilfen"_s, true},
    };
    for (const TKnopf &k : knoepfe) {
        if (k.LueckeDavor)
            zeile->addSpacing(10);
        auto *knopf = new QToolButton(Panel1);
        knopf->setObjectName(QString::fromLatin1(k.Name));
        knopf->setIcon(SymbolIcon(k.Symbol));
        knopf->setIconSize(QSize(24, 24));
        knopf->setAutoRaise(true);
        knopf->setToolTip(k.Hinweis);
        knopf->setFocusPolicy(Qt::NoFocus);
        HilfeKontextSetzen(knopf, 100);
        zeile->addWidget(knopf);
        this->*(k.Ziel) = knopf;
    }
    zeile->addStretch(1);
    SpeedButton11->setCheckable(true);

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm1::MP_EndeClick);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm1::DatenNeuClick);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm1::ErweitereDaten);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm1::LadenClick);
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeichernClick(SpeedButton5); });
    connect(SpeedButton6, &QToolButton::clicked, this, [this] { SpeichernClick(SpeedButton6); });
    connect(SpeedButton7, &QToolButton::clicked, this, &TForm1::MP_3_2Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::MP_3_3Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm1::MP_4_1Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TForm1::MP_4_2Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TForm1::MP_4_3Click);
    connect(SpeedButton16, &QToolButton::clicked, this, &TForm1::MP_4_4Click);
    connect(SpeedButton12, &QToolButton::clicked, this, &TForm1::DruckAufbau);
    connect(SpeedButton14, &QToolButton::clicked, this, &TForm1::DruckEinricht);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::WarnTon_OnOff);
    connect(SpeedButton13, &QToolButton::clicked, this, &TForm1::ZeigHilfe);
}

void TForm1::ArbeitsbereichAufbauen()
{
    auto *unten = new QWidget;
    unten->setObjectName(u"Unterteil"_s);
    auto *raster = new QGridLayout(unten);
    raster->setContentsMargins(6, 6, 6, 6);
    raster->setHorizontalSpacing(8);
    static_cast<QVBoxLayout *>(centralWidget()->layout())->addWidget(unten, 1);

    // Left: the status box, below it the field errors and below those the
    // explanation of a logical error. Both keep their place while hidden, so
    // that they can show together without covering each other and the
    // window has room for them from the start.
    InfoBox1 = new QGroupBox(u" Programmzustand "_s, unten);
    InfoBox1->setObjectName(u"InfoBox1"_s);
    InfoBox1->setToolTip(u"Aktueller Programmzustand"_s);
    const int statusBreite = StatusBreiteFuer(fontMetrics());
    InfoBox1->setFixedWidth(statusBreite);
    auto *info = new QGridLayout(InfoBox1);
    info->setVerticalSpacing(3);
    auto label = [this](const char *name) {
        auto *l = new QLabel(InfoBox1);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    IB_Label1 = label("IB_Label1");
    IB_Label2 = label("IB_Label2");
    IB_Label3 = new TKurzLabel(InfoBox1);
    IB_Label3->setObjectName(u"IB_Label3"_s);
    IB_Label8 = label("IB_Label8");
    IB_Label4 = label("IB_Label4");
    FarbeSetzen(IB_Label4, QPalette::WindowText, Farbe(4));
    IB_Label5 = label("IB_Label5");
    IB_LabelD1 = label("IB_LabelD1");
    IB_Label6 = label("IB_Label6");
    IB_LabelD2 = label("IB_LabelD2");
    IB_Label7 = label("IB_Label7");
    IB_Label7->setText(u"Datenzustand :"_s);
    IB_Label7b = label("IB_Label7b");
    IB_Label7b->setFixedSize(13, 13);
    IB_Label7b->setFrameShape(QFrame::Box);
    IB_Label7b->setAutoFillBackground(true);

    int zeile = 0;
    for (QLabel *l : {static_cast<QLabel *>(IB_Label1), IB_Label2, static_cast<QLabel *>(IB_Label3),
                      IB_Label8, IB_Label4})
        info->addWidget(l, zeile++, 0, 1, 3);
    info->addWidget(IB_Label5, zeile, 0);
    info->addWidget(IB_LabelD1, zeile++, 1, 1, 2);
    info->addWidget(IB_Label6, zeile, 0);
    info->addWidget(IB_LabelD2, zeile++, 1, 1, 2);
    info->addWidget(IB_Label7, zeile, 0);
    info->addWidget(IB_Label7b, zeile++, 1, Qt::AlignLeft | Qt::AlignVCenter);
    info->setColumnStretch(2, 1);
    for (int i = 0; i < zeile; ++i)
        info->setRowMinimumHeight(i, fontMetrics().height());

    FehlerBox1 = new QFrame(unten);
    FehlerBox1->setObjectName(u"FehlerBox1"_s);
    FehlerBox1->setFrameShape(QFrame::Panel);
    FehlerBox1->setFrameShadow(QFrame::Raised);
    FehlerBox1->setAutoFillBackground(true);
    FarbeSetzen(FehlerBox1, QPalette::Window, Farbe(4));
    FehlerBox1->setFixedWidth(statusBreite);
    auto *fehlerZeilen = new QVBoxLayout(FehlerBox1);
    FehlerLabel1 = new QLabel(FehlerBox1);
    FehlerLabel1->setObjectName(u"FehlerLabel1"_s);
    FehlerLabel1->setAlignment(Qt::AlignCenter);
    FehlerLabel1->setWordWrap(true);
    FarbeSetzen(FehlerLabel1, QPalette::WindowText, Farbe(15));
    QFont fett = FehlerLabel1->font();
    fett.setBold(true);
    FehlerLabel1->setFont(fett);
    fehlerZeilen->addWidget(FehlerLabel1);
    // The longest texts take a blank line and three lines of text.
    const QMargins rand = fehlerZeilen->contentsMargins();
    FehlerBox1->setFixedHeight(5 * QFontMetrics(fett).lineSpacing() + rand.top() + rand.bottom()
                               + 2 * FehlerBox1->frameWidth());
    BleibtVerborgenStehen(FehlerBox1);
    FehlerBox1->hide();

    FehlerLabel2 = new QLabel(unten);
    FehlerLabel2->setObjectName(u"FehlerLabel2"_s);
    FehlerLabel2->setWordWrap(true);
    FehlerLabel2->setFixedWidth(statusBreite);
    FehlerLabel2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FarbeSetzen(FehlerLabel2, QPalette::WindowText, Farbe(5));
    FehlerLabel2->setFont(fett);
    BleibtVerborgenStehen(FehlerLabel2);
    FehlerLabel2->hide();

    auto *links = new QVBoxLayout;
    links->setSpacing(6);
    links->addWidget(InfoBox1);
    links->addWidget(FehlerBox1);
    links->addWidget(FehlerLabel2);
    links->addStretch(1);
    raster->addLayout(links, 0, 0);

    // Right: the work area holding one panel at a time; the waiting label
    // and the loading box appear over it.
    Arbeitsflaeche = new QWidget(unten);
    Arbeitsflaeche->setObjectName(u"Arbeitsflaeche"_s);
    Arbeitsflaeche->setMinimumWidth(330);
    auto *flaeche = new QGridLayout(Arbeitsflaeche);
    flaeche->setContentsMargins(0, 0, 0, 0);
    raster->addWidget(Arbeitsflaeche, 0, 1);
    raster->setColumnStretch(1, 1);

    PanelEingabe = new TPanelEingabe(this, Arbeitsflaeche);
    PanelEingabe->setObjectName(u"PanelEingabe"_s);
    PanelTankList = new TPanelTankList(this, Arbeitsflaeche);
    PanelTankList->setObjectName(u"PanelTankList"_s);
    PanelTankAnsicht = new TPanelTankAnsicht(true, Arbeitsflaeche);
    connect(PanelTankAnsicht, &TPanelTankAnsicht::ButtonClick, this, &TForm1::PTA_ButtonClick);
    connect(PanelTankAnsicht, &TPanelTankAnsicht::ZeichenAbgelehnt, this, &TForm1::ZeichenAbgelehnt);
    PanelVerbrauch = new TPanelVerbrauch(Arbeitsflaeche);
    connect(PanelVerbrauch, &TPanelVerbrauch::ButtonClick, this, &TForm1::PV_ButtonClick);
    PanelLPreis = new TPanelEntwicklung(TPanelEntwicklung::Literpreis, Arbeitsflaeche);
    connect(PanelLPreis, &TPanelEntwicklung::ButtonClick, this, &TForm1::ShowLPClick);
    PanelReichweite = new TPanelEntwicklung(TPanelEntwicklung::Reichweite, Arbeitsflaeche);
    connect(PanelReichweite, &TPanelEntwicklung::ButtonClick, this, &TForm1::ShowRWClick);
    connect(PanelReichweite, &TPanelEntwicklung::TankinhaltAendern, this, &TForm1::PR_Button3Click);
    struct TPanel {
        QWidget *Panel;
        const char *Name;
        int Kontext;
    };
    const TPanel panels[] = {
        {PanelEingabe, "PanelEingabe", 170},
        {PanelTankList, "PanelTankList", 250},
        {PanelTankAnsicht, "PanelTankAnsicht", 180},
        {PanelVerbrauch, "PanelVerbrauch", 190},
        {PanelLPreis, "PanelLPreis", 200},
        {PanelReichweite, "PanelReichweite", 210},
    };
    for (const TPanel &p : panels) {
        p.Panel->setObjectName(QString::fromLatin1(p.Name));
        if (auto *rahmen = qobject_cast<QFrame *>(p.Panel))
            rahmen->setFrameShape(QFrame::StyledPanel);
        HilfeKontextSetzen(p.Panel, p.Kontext);
        flaeche->addWidget(p.Panel, 0, 0);
        p.Panel->hide();
    }
    // Hidden panels do not count in the layout; the work area must still
    // be large enough for the largest of them.
    QSize groesste(Arbeitsflaeche->minimumWidth(), 0);
    for (const TPanel &p : panels)
        groesste = groesste.expandedTo(p.Panel->minimumSizeHint());
    Arbeitsflaeche->setMinimumSize(groesste);
    // The width of the entry panel's cancel button tells how much the
    // platform enlarged the windows: it grows with the font.
    QPushButton *abbrechen = PanelEingabe->PE_Button2;
    const double schrift = std::max(1.0, QFontMetricsF(abbrechen->font()).height() / DesignZeilenhoehe);
    abbrechen->setFixedWidth(std::max(static_cast<int>(std::lround(DesignKnopfBreite * schrift)),
                                      abbrechen->sizeHint().width()));

    WarteLabel1 = new QLabel(u"Die Daten werden sortiert.  Bitte warten ..."_s, Arbeitsflaeche);
    WarteLabel1->setObjectName(u"WarteLabel1"_s);
    WarteLabel1->setAlignment(Qt::AlignCenter);
    WarteLabel1->setAutoFillBackground(true);
    WarteLabel1->setFrameShape(QFrame::Box);
    WarteLabel1->setMargin(10);
    FarbeSetzen(WarteLabel1, QPalette::Window, Farbe(14));
    FarbeSetzen(WarteLabel1, QPalette::WindowText, Farbe(0));
    flaeche->addWidget(WarteLabel1, 0, 0, Qt::AlignCenter);
    WarteLabel1->hide();

    LadeBox1 = new QGroupBox(Arbeitsflaeche);
    LadeBox1->setObjectName(u"LadeBox1"_s);
    LadeBox1->setMinimumWidth(300);
    auto *lade = new QVBoxLayout(LadeBox1);
    LB_Label1 = new QLabel(LadeBox1);
    LB_Label1->setObjectName(u"LB_Label1"_s);
    LB_Label1->setAlignment(Qt::AlignCenter);
    LB_Proz1 = new QProgressBar(LadeBox1);
    LB_Proz1->setObjectName(u"LB_Proz1"_s);
    LB_Proz1->setFormat(u"%p%"_s);
    QPalette balken = LB_Proz1->palette();
    balken.setColor(QPalette::Highlight, Farbe(2));
    balken.setColor(QPalette::Base, Farbe(4));
    LB_Proz1->setPalette(balken);
    lade->addWidget(LB_Label1);
    lade->addWidget(LB_Proz1);
    flaeche->addWidget(LadeBox1, 0, 0, Qt::AlignCenter);
    LadeBox1->hide();
}

void TForm1::FensterGroesseAnpassen()
{
    Fensterfaktor = static_cast<long double>(PanelEingabe->PE_Button2->width()) / DesignKnopfBreite;
    if (Fensterfaktor < 1)
        Fensterfaktor = 1;
    const QSize inhalt = sizeHint();
    const int breite = std::max(static_cast<int>(std::lround(DesignBreite * Fensterfaktor)), inhalt.width());
    const int hoehe = std::max(static_cast<int>(std::lround(DesignHoehe * Fensterfaktor)), inhalt.height());
    setFixedSize(breite, hoehe);
}

// ---- status -----------------------------------------------------------------

void TForm1::StatuslichtSetzen(int farbNr, const QString &hinweis)
{
    FarbeSetzen(IB_Label7b, QPalette::Window, Farbe(farbNr));
    IB_Label7b->setToolTip(hinweis);
    IB_Label7->setToolTip(hinweis);
}

void TForm1::SchalterAbgleichen()
{
    SpeedButton11->setChecked(!WarnTonAn);
    SpeedButton11->setToolTip(WarnTonAn ? u"Systemtöne deaktivieren"_s : u"Systemtöne aktivieren"_s);
    MP_2_7->setChecked(WarnTonAn);
    MP_2_5->setChecked(FestverbrauchAn);
}

void TForm1::StatusAnzeigen()
{
    const bool ohneKonfig = KonfigVerzeichnis.empty();
    MP_2_8->setVisible(ohneKonfig);
    N6->setVisible(ohneKonfig);

    const std::initializer_list<QToolButton *> datenKnoepfe = {SpeedButton3, SpeedButton6, SpeedButton7,
                                                              SpeedButton8, SpeedButton9, SpeedButton15,
                                                              SpeedButton12};
    const std::initializer_list<QAction *> datenEintraege = {MP_3_1, MP_1_4, MP_3_2, MP_3_3, MP_2_1, MP_2_2,
                                                            MP_2_3, MP_4_1, MP_4_3, MP_1_B1, MP_1_Export};
    for (QToolButton *k : datenKnoepfe)
        k->setEnabled(DatenVorhanden);
    for (QAction *a : datenEintraege)
        a->setEnabled(DatenVorhanden);

    if (!DatenVorhanden || Fuellungen.empty()) {
        for (QLabel *l : {IB_Label1, IB_Label2, IB_Label4, IB_Label5, IB_Label6, IB_LabelD1, IB_LabelD2,
                          IB_Label8, FehlerLabel1})
            l->clear();
        IB_Label3->setText(u"Es wurden noch keine Daten eingegeben."_s);
        IB_Label3->setToolTip(QString());
        StatuslichtSetzen(15, u"Keine Daten vorhanden"_s);
    } else {
        const int32_t anzahl = AnzahlFuellungen();
        IB_Label1->setText(u"Es befinden sich zur Zeit "_s + Q(ZahlMitPunkten(anzahl, 1))
                           + (anzahl == 1 ? u" Tankfüllung im Speicher."_s : u" Tankfüllungen im Speicher."_s));
        IB_Label2->setText(u"KFZ - Kennzeichen : "_s + Q(Kennzeichen));
        const QString datei = u"Name der Datendatei : "_s + Q(DateiName);
        IB_Label3->setText(datei);
        IB_Label3->setToolTip(datei);
        QString tank = u"Tankinhalt : "_s;
        if (Tankinhalt > 0)
            tank += Q(Format("%4.2n Liter", {Tankinhalt}));
        IB_Label8->setText(tank);
        IB_Label4->setText(Gespeichert ? QString() : u"Änderungen im Datenstamm wurden noch nicht gespeichert."_s);
        IB_Label5->setText(u"1. Tankfüllung vom :"_s);
        IB_Label6->setText(u"Letzte Tankfüllung vom :"_s);
        const TTankFuellung &erste = Fuellungen.front();
        const TTankFuellung &letzte = Fuellungen.back();
        IB_LabelD1->setText(Q(DatumText(erste.Datum)) + u" bei KM "_s + Q(ZahlMitPunkten(erste.KMStand, 1)));
        IB_LabelD2->setText(Q(DatumText(letzte.Datum)) + u" bei KM "_s + Q(ZahlMitPunkten(letzte.KMStand, 1)));
        FehlerLabel1->clear();
        if (Gespeichert)
            StatuslichtSetzen(2, u"Daten Ok und gespeichert"_s);
        else
            StatuslichtSetzen(14, u"Daten Ok, jedoch noch nicht gespeichert"_s);
    }

    SpeedButton5->setEnabled(!Gespeichert);
    MP_1_3->setEnabled(!Gespeichert);
    const bool mehrere = AnzahlFuellungen() > 1;
    for (QAction *a : {MP_4_2, MP_4_4})
        a->setEnabled(mehrere);
    for (QToolButton *k : {SpeedButton10, SpeedButton16})
        k->setEnabled(mehrere);
    MP_2_3->setEnabled(mehrere && DatenLogisch);
    FehlerLabel2->setVisible(!DatenLogisch);
    MP_5_1b_2->setVisible(!DatenLogisch);
    if (!DatenLogisch)
        StatuslichtSetzen(4, u"Daten enthalten logische Fehler"_s);
    SchalterAbgleichen();
}

void TForm1::ZeichenAbgelehnt(const QString &hinweis)
{
    // Shown like a field error, which it resembles: the field keeps the rest.
    FehlerLabel1->setText(u'\n' + hinweis);
    FehlerBox1->show();
    Signal(1, false);
}

void TForm1::PanelsSchliessen()
{
    FehlerBox1->hide();
    for (QWidget *p : std::initializer_list<QWidget *>{PanelEingabe, PanelTankList, PanelTankAnsicht, PanelVerbrauch,
                                                      PanelLPreis, PanelReichweite})
        p->hide();
    for (QAction *a : {MP_5_1b_3, MP_5_1b_4, MP_5_1b_5, MP_5_1b_6, MP_5_1b_7, MP_5_1b_8})
        a->setVisible(false);
}

// ---- ending -----------------------------------------------------------------

void TForm1::MP_EndeClick()
{
    if (Gespeichert) {
        if (Melden(TMeldungsNr::BeendenBestaetigen) == mrYes)
            close();
        return;
    }
    close();
}

void TForm1::FormCloseQuery(bool &CanClose)
{
    KonfigurationSchreiben();
    if (Gespeichert) {
        CanClose = true;
        return;
    }
    switch (Melden(TMeldungsNr::UngespeichertBeenden)) {
    case mrYes:
        // Closing after a failed save would lose the data: stay open then.
        // A cancelled file dialog closes, as the user chose not to save.
        CanClose = SpeichernClick(this);
        break;
    case mrNo:
        CanClose = true;
        break;
    default:
        CanClose = false;
        break;
    }
}

void TForm1::closeEvent(QCloseEvent *ereignis)
{
    bool CanClose = true;
    FormCloseQuery(CanClose);
    if (CanClose)
        ereignis->accept();
    else
        ereignis->ignore();
}

void TForm1::Aktivieren()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    // A modal window of this program stays in front of the main window.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

// ---- help and information -------------------------------------------------------

void TForm1::ZeigHilfe()
{
    THilfe::Instanz().ThemaZeigen(u"Inhalt"_s);
}

void TForm1::HilfeZuClick(QAction *eintrag)
{
    if (eintrag)
        THilfe::Instanz().ThemaZeigen(eintrag->data().toString());
}

void TForm1::ZeigNeues()
{
    THilfe::Instanz().ThemaZeigen(u"Ver_News"_s);
}

void TForm1::ZeigSwHinw()
{
    Melden(TMeldungsNr::Softwarehinweis, {ProgrammVersion});
}

void TForm1::ZeigInfo()
{
    const std::string ort = KonfigSchreibbar ? Baustein(TBaustein::KonfigOrt, {KonfigVerzeichnis})
                                             : Baustein(TBaustein::KeinKonfigOrt);
    Melden(TMeldungsNr::Info, {ProgrammVersion, ort,
                               "Erstellt mit C++ und Qt " QT_VERSION_STR ".\r"
                               "Schriften: Liberation Sans und Liberation Mono."});
}

void TForm1::MP_2_8Click()
{
    if (!Form5)
        Form5 = new TForm5(this);
    Form5->exec();
    Signal(1, true);
    StatusAnzeigen();
}
