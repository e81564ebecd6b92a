#include "PanelEntwicklung.h"

#include "Auswahllisten.h"
#include "Widgethilfen.h"
#include "core/Format.h"
#include "core/Konfiguration.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <iterator>

using namespace Qt::Literals::StringLiterals;

namespace {

// What differs between the two panels: the settings, the texts and the
// control names (which follow no single pattern).
struct TPanelArt {
    const char *Panel;
    const char *Titel;
    const char *HinweisAnsehen;
    // Label1, GB1, G1R1, G1R2, Label2, G1C1, Label3, G1C2, GB2, G2R1..G2R4,
    // Button1, Button2, Label4, Button3.
    const char *Namen[17];
};

const TPanelArt LiterpreisPanel{
    "PanelLPreis",
    "Entwicklung des Literpreises",
    "Entwicklung der Literpreise ansehen",
    {"PLp_Label1", "PLp_GB1", "PLP_G1_R1", "PLp_G1_R2", "PLP_Label2", "PLp_G1_C1", "PLP_Label3", "PLp_G1_C2",
     "PLp_GB2", "PLp_G2_R1", "PLp_G2_R2", "PLp_G2_R3", "PLp_G2_R4", "PLp_Button1", "PLp_Button2", nullptr,
     nullptr},
};

const TPanelArt ReichweitenPanel{
    "PanelReichweite",
    "Entwicklung der Reichweite",
    "Reichweite ansehen",
    {"PR_Label1", "PR_GB1", "PR_G1R1", "PR_G1R2", "PR_Label2", "PR_G1C1", "PR_Label3", "PR_G1C2", "PR_GB2",
     "PR_G2R1", "PR_G2R2", "PR_G2R3", "PR_G2R4", "PR_Button1", "PR_Button2", "PR_Label4", "PR_Button3"},
};

enum TName { NLabel1, NGB1, NG1R1, NG1R2, NLabel2, NG1C1, NLabel3, NG1C2, NGB2, NG2R1, NButton1 = 13, NButton2,
             NLabel4, NButton3 };

} // namespace

TPanelEntwicklung::TPanelEntwicklung(TArt art, QWidget *parent)
    : QFrame(parent)
    , m_art(art)
    , m_zeitraumwahl(art == Literpreis ? &LP_Zeitraumwahl : &RW_Zeitraumwahl)
    , m_ansicht(art == Literpreis ? &LP_Ansicht : &RW_Ansicht)
    , m_von(art == Literpreis ? &LP_Von : &RW_Von)
    , m_bis(art == Literpreis ? &LP_Bis : &RW_Bis)
{
    const TPanelArt &a = art == Literpreis ? LiterpreisPanel : ReichweitenPanel;
    auto name = [&a](TName n) { return QString::fromLatin1(a.Namen[n]); };
    setObjectName(QString::fromLatin1(a.Panel));
    setFrameShape(QFrame::StyledPanel);

    Label1 = new QLabel(QString::fromUtf8(a.Titel), this);
    Label1->setObjectName(name(NLabel1));
    UeberschriftSchrift(Label1);

    // ---- period
    GB1 = new QGroupBox(u" Zeitraum "_s, this);
    GB1->setObjectName(name(NGB1));
    G1R1 = Radio(GB1, a.Namen[NG1R1], u"Alle &Jahre"_s, u"Alle Jahre berücksichtigen"_s);
    G1R2 = Radio(GB1, a.Namen[NG1R2], u"Nur ein bestimmter &Zeitraum"_s,
                 u"Nur einen bestimmten Zeitraum berücksichtigen"_s);
    G1C1 = Auswahlliste(GB1, a.Namen[NG1C1], QString());
    G1C2 = Auswahlliste(GB1, a.Namen[NG1C2], QString());
    Label2 = ListenBeschriftung(GB1, a.Namen[NLabel2], u"&von"_s, G1C1);
    Label3 = ListenBeschriftung(GB1, a.Namen[NLabel3], u"&bis"_s, G1C2);

    // ---- grouping, with the consumption panel's hints
    GB2 = new QGroupBox(u" Zusammenfassung "_s, this);
    GB2->setObjectName(name(NGB2));
    QRadioButton *radios[4];
    Gruppierungsradios(GB2, &a.Namen[NG2R1], radios);
    G2R1 = radios[0];
    G2R2 = radios[1];
    G2R3 = radios[2];
    G2R4 = radios[3];

    // ---- buttons
    auto knopf = [this](const char *name, const QString &text, const QString &hinweis) {
        QPushButton *k = Knopf(this, name, text, hinweis);
        // Enter on a focused button presses that one, as in a dialog.
        k->setAutoDefault(true);
        return k;
    };
    if (art == Reichweite) {
        Label4 = new QLabel(this);
        Label4->setObjectName(name(NLabel4));
        Button3 = knopf(a.Namen[NButton3], u"&Tankinhalt ändern"_s, u"Tankinhalt ändern"_s);
        connect(Button3, &QPushButton::clicked, this, &TPanelEntwicklung::TankinhaltAendern);
    }
    Button1 = knopf(a.Namen[NButton1], u"Entwicklung an&sehen"_s, QString::fromUtf8(a.HinweisAnsehen));
    Button1->setDefault(true);
    Button2 = knopf(a.Namen[NButton2], u"&Abbrechen"_s, QString());
    for (QPushButton *k : {Button1, Button2})
        connect(k, &QPushButton::clicked, this, [this, k] { Q_EMIT ButtonClick(k); });

    // ---- layout
    const int abstand = PanelAbstand(this);
    const QMargins innen(abstand, abstand / 2, abstand, abstand);

    // The month lists stand under the period radio, indented to its text.
    auto *g1 = new QGridLayout(GB1);
    g1->setContentsMargins(innen);
    g1->setVerticalSpacing(abstand / 2);
    g1->setColumnMinimumWidth(0, RadioEinzug(this));
    g1->addWidget(G1R1, 0, 0, 1, 4);
    g1->addWidget(G1R2, 1, 0, 1, 4);
    g1->addWidget(Label2, 2, 1);
    g1->addWidget(G1C1, 2, 2, Qt::AlignLeft);
    g1->addWidget(Label3, 3, 1);
    g1->addWidget(G1C2, 3, 2, Qt::AlignLeft);
    g1->setColumnStretch(3, 1);
    g1->setRowStretch(4, 1);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(abstand, abstand, abstand, abstand);
    raster->setHorizontalSpacing(abstand);
    raster->setVerticalSpacing(abstand);
    raster->addWidget(Label1, 0, 0, 1, 2);
    raster->addWidget(GB1, 1, 0);
    raster->addWidget(GB2, 1, 1);
    if (Label4) {
        // The tank capacity under the period, its button beside it.
        raster->addWidget(Label4, 2, 0, Qt::AlignLeft | Qt::AlignVCenter);
        raster->addWidget(Button3, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    }
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(abstand);
    knoepfe->addStretch(1);
    knoepfe->addWidget(Button1);
    knoepfe->addWidget(Button2);
    // Room to spare goes below the groups, not into them.
    raster->setRowStretch(3, 1);
    raster->addLayout(knoepfe, 4, 0, 1, 2);
    raster->setColumnStretch(0, 3);
    raster->setColumnStretch(1, 2);

    // Tab goes through the groups in the order they are read.
    QWidget *reihe[] = {G1R1, G1R2, G1C1, G1C2, G2R1, G2R2, G2R3, G2R4, Button3, Button1, Button2};
    QWidget *vorher = nullptr;
    for (QWidget *w : reihe) {
        if (!w)
            continue;
        if (vorher)
            setTabOrder(vorher, w);
        vorher = w;
    }

    // ---- handlers
    for (QRadioButton *r : {G1R1, G1R2, G2R1, G2R2, G2R3, G2R4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                GBClick(r);
        });
    for (QComboBox *c : {G1C1, G1C2})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_fuellt)
                CBClick();
        });
}

void TPanelEntwicklung::Fuellen()
{
    const QScopedValueRollback<bool> fuellt(m_fuellt, true);
    QRadioButton *zeitraum = RadioFuer({G1R1, G1R2}, Zeitraumwahl());
    zeitraum->setChecked(true);
    MonateZeigen();
    MonateFuellen(G1C1, G1C2, Von(), Bis());
    RadioFuer({G2R1, G2R2, G2R3, G2R4}, Ansicht())->setChecked(true);
    if (Label4)
        TankinhaltZeigen();
    zeitraum->setFocus();
}

void TPanelEntwicklung::TankinhaltZeigen()
{
    if (Label4)
        Label4->setText(u"Aktueller Tankinhalt :\n"_s + Q(Format("%4.2n Liter", {Tankinhalt})));
}

void TPanelEntwicklung::MonateZeigen()
{
    for (QWidget *w : std::initializer_list<QWidget *>{Label2, G1C1, Label3, G1C2})
        w->setVisible(Zeitraumwahl() == 2);
}

void TPanelEntwicklung::GBClick(QObject *sender)
{
    if (const uint8_t nr = NummerVon({G1R1, G1R2}, sender)) {
        Zeitraumwahl() = nr;
        MonateZeigen();
        if (nr == 2)
            G1C1->setFocus();
    } else if (const uint8_t ansicht = NummerVon({G2R1, G2R2, G2R3, G2R4}, sender)) {
        Ansicht() = ansicht;
    }
}

void TPanelEntwicklung::CBClick()
{
    // The lists stay as chosen; a start after the end is only swapped in the
    // settings.
    ZeitraumLesen(G1C1, G1C2, Von(), Bis());
}

void TPanelEntwicklung::keyPressEvent(QKeyEvent *ereignis)
{
    if (!DialogTaste(ereignis, Button1, Button2))
        QFrame::keyPressEvent(ereignis);
}
