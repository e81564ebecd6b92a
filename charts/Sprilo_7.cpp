// The development chart window: building it, the two entry points, drawing
// the chart into Image1 and its info labels, the selection by scroll bar and
// mouse, the chart type, the tank capacity and the print hand-over.
#include "Sprilo_7.h"

#include "charts/Entwicklung.h"
#include "consumption/Fensterteile.h"
#include "consumption/Verbrauchsgraph.h"
#include "consumption/Verbrauchstabelle.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include "Drucker.h"
#include "Hilfe.h"
#include "Listenfenster.h"
#include "QtZeichenflaeche.h"
#include "Sprilo_Z.h"
#include "Widgethilfen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// The window and its picture as they were designed.
constexpr int DesignBreite = 614;
constexpr int DesignHoehe = 494;
constexpr int DesignBildBreite = 580;
constexpr int DesignBildHoehe = 305;

bool Literpreis()
{
    return EntwicklungsArt != 2;
}

int Scrollmaximum()
{
    return std::max(1, static_cast<int>(AnzahlEntwicklungswerte()));
}

} // namespace

// ---- creation -----------------------------------------------------------------

TForm7::TForm7(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Form7"_s);
    QVBoxLayout *haupt = EigenesFensterEinrichten(this, u"Entwicklung des Literpreises"_s);

    // At the consumption graph's scale, so that the chart fills the picture.
    Image1 = BildImRahmen(this, &m_bild,
                          QSize(static_cast<int>(std::lround(DesignBildBreite * Grafikfaktor)),
                                static_cast<int>(std::lround(DesignBildHoehe * Grafikfaktor))),
                          ImagePanel);
    connect(Image1, &TVerbrauchsBild::MausGedrueckt, this, [this](QPoint punkt) { Image1MouseDown(punkt.x()); });
    connect(Image1, &TVerbrauchsBild::Geklickt, this, [this] { ScrollBar1->setFocus(Qt::MouseFocusReason); });

    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(u"ScrollBar1"_s);
    ScrollBar1->setRange(1, 1);
    ScrollBar1->setSingleStep(1);
    // The keys move the selection; a scroll bar takes no focus by itself.
    ScrollBar1->setFocusPolicy(Qt::StrongFocus);
    ScrollBar1->installEventFilter(this);
    Image1->RadWeiterleiten(ScrollBar1);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TForm7::ScrollBar1Change);

    InfoLabel1 = Beschriftung(this, "InfoLabel1");
    InfoLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    MindestensFuer(InfoLabel1, u"9.999.999 / 9.999.999"_s);
    InfoLabel2 = Beschriftung(this, "InfoLabel2");
    MindestensFuer(InfoLabel2, u"Reichweite : 99.999,99 Km"_s);
    InfoLabel3 = Beschriftung(this, "InfoLabel3");
    MindestensFuer(InfoLabel3, u"Veränderung zum Durchschnitt: +999,99%"_s);
    InfoLabel4 = Beschriftung(this, "InfoLabel4");
    MindestensFuer(InfoLabel4, u"Quartal : 01.01.2099 bis 31.12.2099"_s);
    InfoLabel5 = Beschriftung(this, "InfoLabel5");
    MindestensFuer(InfoLabel5, u"Veränderung zum Vorgänger: +999,99%"_s);
    for (QLabel *l : {InfoLabel3, InfoLabel5})
        BleibtVerborgenStehen(l);

    RG1 = new QGroupBox(u" Diagrammart "_s, this);
    RG1->setObjectName(u"RG1"_s);
    auto *arten = new QVBoxLayout(RG1);
    arten->setSpacing(2);
    m_arten = new QButtonGroup(this);
    const QString texte[3] = {u"Balkendiagramm  (&breite Balken)"_s, u"Balkendiagramm  (&schmale Balken)"_s,
                              u"&Liniendiagramm"_s};
    for (int i = 0; i < 3; ++i) {
        RG1Items[i] = Radio(RG1, QByteArray("RG1_" + QByteArray::number(i)).constData(), texte[i], QString());
        m_arten->addButton(RG1Items[i], i);
        arten->addWidget(RG1Items[i]);
    }
    connect(m_arten, &QButtonGroup::idToggled, this, [this](int art, bool an) {
        if (an)
            RG1Click(art);
    });

    Button1 = Knopf(this, "Button1", u"zurück zum Haupt&menü"_s, u"Zurück zum Hauptmenü"_s);
    Button1->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    Button3 = Knopf(this, "Button3", u"&Tankinhalt ändern"_s, u"Tankinhalt verändern"_s);
    HilfeButton = Knopf(this, "HilfeButton", u"&Hilfe"_s, u"Hilfen aufrufen"_s);
    HilfeButton->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
    Button2 = Knopf(this, "Button2", u"Entwicklung &drucken"_s, u"Entwicklung ausdrucken"_s);
    Button2b = Knopf(this, "Button2b", u"Drucker &einrichten"_s, u"Drucker einrichten"_s);
    for (QPushButton *k : {Button2, Button2b, Button3, HilfeButton})
        k->setAutoDefault(false);
    // Enter and Esc both go back to the main window.
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TForm7::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm7::Button2Click);
    connect(Button2b, &QPushButton::clicked, this, &TForm7::Button2bClick);
    connect(Button3, &QPushButton::clicked, this, &TForm7::Button3Click);
    connect(HilfeButton, &QPushButton::clicked, this, &TForm7::HilfeButtonClick);

    // The chart on top, under it the scroll bar with the counter at its
    // right end; below them the info labels in two columns, then the chart
    // type and the buttons.
    auto *bild = new QWidget(this);
    bild->setObjectName(u"BildMitLeiste"_s);
    auto *untereinander = new QGridLayout(bild);
    untereinander->setContentsMargins(0, 0, 0, 0);
    untereinander->setHorizontalSpacing(10);
    untereinander->setVerticalSpacing(2);
    ImagePanel->setParent(bild);
    ScrollBar1->setParent(bild);
    InfoLabel1->setParent(bild);
    untereinander->addWidget(ImagePanel, 0, 0, 1, 2);
    untereinander->addWidget(ScrollBar1, 1, 0);
    untereinander->addWidget(InfoLabel1, 1, 1);
    untereinander->setColumnStretch(0, 1);

    auto *raster = new QGridLayout;
    raster->setHorizontalSpacing(10);
    raster->setVerticalSpacing(4);
    raster->addWidget(bild, 0, 0, 1, 2, Qt::AlignHCenter);
    raster->addWidget(InfoLabel2, 1, 0);
    raster->addWidget(InfoLabel3, 1, 1);
    raster->addWidget(InfoLabel4, 2, 0);
    raster->addWidget(InfoLabel5, 2, 1);
    auto *knoepfe = new QGridLayout;
    knoepfe->setHorizontalSpacing(8);
    knoepfe->setVerticalSpacing(4);
    knoepfe->addWidget(Button2, 0, 0);
    knoepfe->addWidget(HilfeButton, 0, 1);
    knoepfe->addWidget(Button2b, 1, 0);
    knoepfe->addWidget(Button3, 1, 1);
    knoepfe->addWidget(Button1, 2, 1);
    knoepfe->setRowStretch(3, 1);
    raster->addWidget(RG1, 3, 0, Qt::AlignTop);
    raster->addLayout(knoepfe, 3, 1);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);
    raster->setRowStretch(4, 1);
    haupt->addLayout(raster, 1);

    FenstergroesseFestlegen(this, DesignBreite, DesignHoehe);
}

TForm7::~TForm7() = default;

TForm7 *Form7Holen(QWidget *hauptfenster)
{
    static QPointer<TForm7> form7;
    if (!form7) {
        form7 = new TForm7;
        if (hauptfenster)
            QObject::connect(hauptfenster, &QObject::destroyed, form7, [f = form7.data()] { delete f; });
    }
    if (hauptfenster)
        form7->m_hauptfenster = hauptfenster;
    return form7;
}

// ---- opening and closing ----------------------------------------------------------

void TForm7::LiterpreisZeigen()
{
    Zeigen(1);
}

void TForm7::ReichweiteZeigen()
{
    Zeigen(2);
}

void TForm7::Zeigen(uint8_t art)
{
    EntwicklungsArt = art;
    const bool lp = Literpreis();
    setWindowTitle(lp ? u"Entwicklung des Literpreises"_s : u"Entwicklung der Reichweite"_s);
    HilfeKontextSetzen(this, lp ? 800 : 810);
    Button3->setVisible(!lp);

    Fenster = EntwicklungsFensterOeffnen(lp ? LP_Diagrammart : RW_Diagrammart);
    {
        const QSignalBlocker still(m_arten);
        RG1Items[Fenster.Diagrammart]->setChecked(true);
    }
    {
        const QSignalBlocker still(ScrollBar1);
        ScrollBar1->setRange(1, Scrollmaximum());
        ScrollBar1->setPageStep(DiagrammGeometrie(Fenster.Diagrammart).PunkteJeBild - 1);
        ScrollBar1->setValue(Fenster.GewaehlterWert);
    }
    ScrollBar1Change(ScrollBar1->value());
    Zeichnen();
    // The panel set the hourglass while it built the series.
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();

    Zentrieren(this);
    exec();
    HauptfensterZeigen();
}

void TForm7::showEvent(QShowEvent *ereignis)
{
    QDialog::showEvent(ereignis);
    if (ereignis->spontaneous())
        return;
    Zentrieren(this);
    // The main window keeps its waiting text in sight until this one is up.
    if (m_hauptfenster && m_hauptfenster->isVisible()) {
        m_hauptfenster->hide();
        m_hauptVerborgen = true;
    }
    ScrollBar1->setFocus(Qt::ActiveWindowFocusReason);
}

void TForm7::Button1Click()
{
    done(QDialog::Rejected);
}

void TForm7::done(int ergebnis)
{
    HauptfensterZeigen();
    QDialog::done(ergebnis);
}

void TForm7::HauptfensterZeigen()
{
    if (m_hauptVerborgen && m_hauptfenster)
        m_hauptfenster->show();
    m_hauptVerborgen = false;
}

// ---- drawing ---------------------------------------------------------------------

void TForm7::Zeichnen()
{
    QImage bild = GrafikBildAnlegen(Image1, Grafikfaktor);
    TEntwicklungsInfo info;
    {
        QPainter maler(&bild);
        TQtZeichenflaeche flaeche(&maler, &bild);
        info = ZeichneEntwicklungsGrafik(flaeche, Fenster);
    }
    m_bild = bild;
    const std::pair<QLabel *, const std::string &> texte[] = {
        {InfoLabel2, info.Wert},
        {InfoLabel3, info.ZumDurchschnitt},
        {InfoLabel4, info.Zeitraum},
        {InfoLabel5, info.ZumVorgaenger},
    };
    for (const auto &[label, text] : texte) {
        label->setText(Q(text));
        label->setVisible(!text.empty());
    }
    Image1->update();
}

// ---- selection ---------------------------------------------------------------------

void TForm7::ScrollBar1Change(int position)
{
    InfoLabel1->setText(Q(EntwicklungsZaehler(position)));
    Fenster.GewaehlterWert = position;
    if (isVisible())
        Zeichnen();
}

void TForm7::Image1MouseDown(int x)
{
    Fenster.GewaehlterWert = EntwicklungsPlatzWaehlen(Fenster, EntwicklungsPlatzBei(Fenster.Diagrammart, x));
    const QSignalBlocker still(ScrollBar1);
    ScrollBar1->setValue(Fenster.GewaehlterWert);
    ScrollBar1Change(ScrollBar1->value());
}

bool TForm7::eventFilter(QObject *objekt, QEvent *ereignis)
{
    // Qt's scroll bar takes the arrow keys the vertical way round, which
    // turns left and right over on a horizontal one: left goes back.
    if (objekt == ScrollBar1 && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent *>(ereignis)->key();
        if (taste == Qt::Key_Left || taste == Qt::Key_Right) {
            ScrollBar1->triggerAction(taste == Qt::Key_Left ? QAbstractSlider::SliderSingleStepSub
                                                            : QAbstractSlider::SliderSingleStepAdd);
            return true;
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

int TForm7::RG1ItemIndex() const
{
    return m_arten->checkedId();
}

void TForm7::RG1Click(int art)
{
    (Literpreis() ? LP_Diagrammart : RW_Diagrammart) = static_cast<uint8_t>(art);
    DiagrammartWechseln(Fenster, static_cast<uint8_t>(art));
    ScrollBar1->setPageStep(DiagrammGeometrie(Fenster.Diagrammart).PunkteJeBild - 1);
    Zeichnen();
    if (isVisible())
        ScrollBar1->setFocus(Qt::OtherFocusReason);
}

// ---- tank capacity, printing, help -------------------------------------------------------

void TForm7::Button3Click()
{
    long double wert = Tankinhalt;
    TEinstellDialog(m_hauptfenster)->TankinhaltEingeben(wert, false);
    if (wert == Tankinhalt)
        return;
    // The capacity belongs to the data file.
    Tankinhalt = wert;
    Gespeichert = false;
    ReichweitenNeuBerechnen();
    Zeichnen();
}

void TForm7::Button2Click()
{
    DruckUeberschrift = EntwicklungsDruckUeberschrift();
    DruckHinweis1 = EntwicklungsDruckHinweis();
    const std::initializer_list<QPushButton *> knoepfe = {HilfeButton, Button1, Button2, Button2b, Button3};
    for (QPushButton *k : knoepfe)
        k->setEnabled(false);
    // The dialog preselects the chart of the last print and hands back the
    // one chosen now.
    if (Literpreis())
        Form4Holen(m_hauptfenster)->LiterpreisDrucken(LP_DruckBalken);
    else
        Form4Holen(m_hauptfenster)->ReichweiteDrucken(RW_DruckBalken);
    for (QPushButton *k : knoepfe)
        k->setEnabled(true);
    DruckUeberschrift.clear();
    DruckHinweis1.clear();
    ScrollBar1->setFocus();
}

void TForm7::Button2bClick()
{
    DruckerEinrichten(this);
}

void TForm7::HilfeButtonClick()
{
    THilfe::Instanz().ThemaZeigen(Literpreis() ? u"F7_LP_All"_s : u"F7_RW_All"_s);
}
