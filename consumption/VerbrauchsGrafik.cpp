// The consumption window's graph view: the picture, the scroll bar that
// moves the mark, the fixed consumption, and the two settings dialogs the
// window calls (tank capacity, fixed consumption).
#include "Sprilo_3.h"

#include "consumption/Verbrauchsgraph.h"
#include "consumption/Fensterteile.h"
#include "consumption/Verbrauchstabelle.h"
#include "consumption/Verbrauchstexte.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include "Hilfe.h"
#include "Listenfenster.h"
#include "QtZeichenflaeche.h"
#include "Sprilo_Z.h"
#include "Widgethilfen.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The graph as it was designed.
constexpr int DesignBildBreite = 561;
constexpr int DesignBildHoehe = 305;

} // namespace

// ---- building ---------------------------------------------------------------------

QWidget *TForm3::GraphSeiteAufbauen()
{
    auto *seite = new QWidget;
    seite->setObjectName(u"GraphSeite"_s);
    m_graphRaster = new QGridLayout(seite);
    m_graphRaster->setContentsMargins(0, 0, 0, 0);
    m_graphRaster->setHorizontalSpacing(10);
    m_graphRaster->setVerticalSpacing(6);

    Image1 = BildImRahmen(seite, &m_graph,
                          QSize(static_cast<int>(std::lround(DesignBildBreite * Fensterfaktor)),
                                static_cast<int>(std::lround(DesignBildHoehe * Fensterfaktor))),
                          ImagePanel);
    connect(Image1, &TVerbrauchsBild::MausGedrueckt, this, [this](QPoint punkt) { Image1MouseDown(punkt.y()); });
    connect(Image1, &TVerbrauchsBild::Geklickt, this, [this] { ScrollBar1->setFocus(Qt::MouseFocusReason); });

    ScrollBar1 = new QScrollBar(Qt::Vertical, seite);
    ScrollBar1->setObjectName(u"ScrollBar1"_s);
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(1);
    ScrollBar1->setPageStep(4);
    // The keys move the mark; a scroll bar takes no focus by itself.
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    // Every step of the arrows, the page areas, the keys and the wheel ends
    // a scroll action; dragging the thumb ends when it is let go.
    connect(ScrollBar1, &QScrollBar::actionTriggered, this, [this](int aktion) {
        if (aktion == QAbstractSlider::SliderMove && ScrollBar1->isSliderDown())
            return;
        Mark_UpDn();
    });
    connect(ScrollBar1, &QScrollBar::sliderReleased, this, &TForm3::Mark_UpDn);
    Image1->RadWeiterleiten(ScrollBar1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm3::ScrollBar1Change);

    GB_Fest1 = new QGroupBox(u" Festverbrauch "_s, seite);
    GB_Fest1->setObjectName(u"GB_Fest1"_s);
    auto *fest = new QHBoxLayout(GB_Fest1);
    C_Box1 = new QCheckBox(u"aktivie&rt"_s, GB_Fest1);
    C_Box1->setObjectName(u"C_Box1"_s);
    C_Box1->setToolTip(u"Markiert den eingestellten Festverbrauch"_s);
    FV_Button1 = Knopf(GB_Fest1, "FV_Button1", u"&Einstellen"_s, u"Stellt den Festverbrauch ein"_s);
    FV_Button1->setAutoDefault(false);
    fest->addWidget(C_Box1);
    fest->addStretch(1);
    fest->addWidget(FV_Button1);
    connect(C_Box1, &QCheckBox::clicked, this, &TForm3::C_Box1Click);
    connect(FV_Button1, &QPushButton::clicked, this, &TForm3::FV_Button1Click);

    Button1b = Knopf(seite, "Button1b", u"Zur tabelarischen &Ansicht"_s, u"Auf tabellarische Ansicht umschalten"_s);
    Button1b->setAutoDefault(false);
    connect(Button1b, &QPushButton::clicked, this, &TForm3::Button1Click);

    // The graph with its scroll bar on top; below it the sort description
    // and the counter, then two rows of controls, the warning at the bottom.
    auto *bild = new QWidget(seite);
    bild->setObjectName(u"BildMitLeiste"_s);
    auto *nebeneinander = new QHBoxLayout(bild);
    nebeneinander->setContentsMargins(0, 0, 0, 0);
    nebeneinander->setSpacing(0);
    ImagePanel->setParent(bild);
    ScrollBar1->setParent(bild);
    nebeneinander->addWidget(ImagePanel);
    nebeneinander->addWidget(ScrollBar1);
    m_graphRaster->addWidget(bild, 0, 0, 1, 4, Qt::AlignHCenter | Qt::AlignTop);
    m_graphRaster->addWidget(Button1b, 2, 2, 1, 2);
    m_graphRaster->addWidget(GB_Fest1, 3, 0, 2, 1);
    m_graphRaster->setRowStretch(6, 1);
    m_graphRaster->setColumnStretch(0, 1);
    m_graphRaster->setColumnStretch(1, 1);
    m_graphRaster->setColumnStretch(2, 1);
    return seite;
}

void TForm3::GraphAnsichtEinrichten()
{
    HilfeKontextSetzen(this, 420);
    QGridLayout *r = m_graphRaster;
    Einsetzen(r, InfoLabel2, 1, 0, 1, 2);
    Einsetzen(r, LabelNr1, 1, 2, 1, 2);
    Einsetzen(r, HilfeButton, 2, 0);
    Einsetzen(r, InfoButton1, 2, 1);
    Einsetzen(r, DruckButton1, 3, 1, 1, 1, Qt::AlignTop);
    Einsetzen(r, EndeButton, 3, 2, 1, 2, Qt::AlignTop);
    Einsetzen(r, InfoLabel1, 5, 0, 1, 4);
    for (QWidget *w : std::initializer_list<QWidget *>{InfoLabel2, LabelNr1, HilfeButton, InfoButton1, DruckButton1,
                                                      EndeButton})
        w->show();
    InfoLabel1->hide();
    m_ansichten->setCurrentWidget(m_graphSeite);
    const QSignalBlocker still(ScrollBar1);
    ScrollBar1->setRange(1, std::max(1, AnzahlVerbrauchswerte()));
    ScrollBar1->setValue(MarkierterWert);
}

// ---- drawing ---------------------------------------------------------------------

void TForm3::GraphZeichnen()
{
    // The texts grow with the graph, as the window's own texts grow with
    // Fensterfaktor.
    QImage bild = GrafikBildAnlegen(Image1, Grafikfaktor);
    bool vorlaeufig = false;
    {
        QPainter maler(&bild);
        TQtZeichenflaeche flaeche(&maler, &bild);
        flaeche.PinselSetzen(0xFFFFFF, TPinselArt::Voll);
        TSchrift schrift;
        schrift.Name = "Arial";
        schrift.Groesse = 8;
        flaeche.SchriftSetzen(schrift);
        GraphFenster.MarkierterWert = MarkierterWert;
        vorlaeufig = ZeichneVerbrauchsGraph(flaeche, GraphFenster);
    }
    MarkierterWert = std::max<int32_t>(1, GraphFenster.MarkierterWert);
    m_graph = bild;
    InfoLabel1->setVisible(vorlaeufig);
    LabelNr1->setText(ZeilenZaehler(MarkierterWert, AnzahlVerbrauchswerte()));
    SortierTextSetzen();
    Image1->update();
}

// ---- marking and scrolling --------------------------------------------------------------

void TForm3::Mark_UpDn()
{
    MarkierterWert = std::clamp<int32_t>(ScrollBar1->sliderPosition(), 1, std::max(1, AnzahlVerbrauchswerte()));
    GraphZeichnen();
}

void TForm3::ScrollBar1Change(int position)
{
    LabelNr1->setText(ZeilenZaehler(position, AnzahlVerbrauchswerte()));
}

void TForm3::Image1MouseDown(int y)
{
    MarkierterWert = GraphZeileWaehlen(GraphFenster, GraphZeileBei(y));
    ScrollBar1->setValue(MarkierterWert);
    GraphZeichnen();
}

// ---- fixed consumption and tank capacity ---------------------------------------------------

void TForm3::C_Box1Click()
{
    // A setting of the program, not of the vehicle: the data stay saved.
    FestverbrauchAn = C_Box1->isChecked();
    FV_Button1->setEnabled(FestverbrauchAn);
    if (!TabellenAnsicht)
        GraphZeichnen();
}

void TForm3::FV_Button1Click()
{
    long double wert = Festverbrauch;
    TEinstellDialog(m_hauptfenster)->FestverbrauchEingeben(wert);
    if (wert == Festverbrauch)
        return;
    Festverbrauch = wert;
    Gespeichert = false;
    GraphZeichnen();
}

void TForm3::MP1_4Click()
{
    long double wert = Tankinhalt;
    TEinstellDialog(m_hauptfenster)->TankinhaltEingeben(wert, false);
    if (wert == Tankinhalt)
        return;
    Tankinhalt = wert;
    Gespeichert = false;
    if (TabellenAnsicht)
        GoTo_Akt_Anz();
    else
        GraphZeichnen();
}
