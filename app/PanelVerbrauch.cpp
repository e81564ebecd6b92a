#include "PanelVerbrauch.h"

#include "Auswahllisten.h"
#include "Widgethilfen.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"

#include <QCheckBox>
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

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

TPanelVerbrauch::TPanelVerbrauch(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(u"PanelVerbrauch"_s);
    setFrameShape(QFrame::StyledPanel);

    PV_Label1 = new QLabel(u"Durchschnittsverbrauch ansehen"_s, this);
    PV_Label1->setObjectName(u"PV_Label1"_s);
    UeberschriftSchrift(PV_Label1);

    // ---- which fill-ups
    PV_GB1 = new QGroupBox(u" Welche Tankfüllungen berücksichtigen "_s, this);
    PV_GB1->setObjectName(u"PV_GB1"_s);
    // The first two captions name how many values and which year; Fuellen
    // writes them.
    PV_G1R1 = Radio(PV_GB1, "PV_G1R1", u"Die &letzten 5 Verbrauchswerte"_s, QString());
    PV_G1R2 = Radio(PV_GB1, "PV_G1R2", u"Alle aus &diesem Jahr"_s, QString());
    PV_G1R3 = Radio(PV_GB1, "PV_G1R3", u"Alle aus einem &bestimmten Jahr"_s,
                    u"Alle Verbrauchswerte aus einem bestimmten Jahr"_s);
    PV_G1R4 = Radio(PV_GB1, "PV_G1R4", u"Nur ein bestimmter &Zeitraum"_s,
                    u"Alle Verbrauchswerte aus einem bestimmten Zeitraum"_s);
    PV_G1C1 = Auswahlliste(PV_GB1, "PV_G1C1", QString());
    PV_G1C2 = Auswahlliste(PV_GB1, "PV_G1C2", QString());
    PV_G1C3 = Auswahlliste(PV_GB1, "PV_G1C3", QString());
    PV_G1L1 = ListenBeschriftung(PV_GB1, "PV_G1L1", u"&von"_s, PV_G1C2);
    PV_G1L2 = ListenBeschriftung(PV_GB1, "PV_G1L2", u"&bis"_s, PV_G1C3);

    // ---- grouping
    PV_GB2 = new QGroupBox(u" Ansichtsart "_s, this);
    PV_GB2->setObjectName(u"PV_GB2"_s);
    PV_GB2->setToolTip(u"Wie sollen die Daten angezeigt werden ?"_s);
    static const char *const gruppierung[4] = {"PV_G2R1", "PV_G2R2", "PV_G2R3", "PV_G2R4"};
    QRadioButton *radios[4];
    Gruppierungsradios(PV_GB2, gruppierung, radios);
    PV_G2R1 = radios[0];
    PV_G2R2 = radios[1];
    PV_G2R3 = radios[2];
    PV_G2R4 = radios[3];

    PV_CB1 = new QCheckBox(u"umgekehrte &Reihenfolge"_s, this);
    PV_CB1->setObjectName(u"PV_CB1"_s);
    PV_CB1->setToolTip(u"Sortierreihenfolge umkehren"_s);

    // ---- buttons
    auto knopf = [this](const char *name, const QString &text, const QString &hinweis) {
        QPushButton *k = Knopf(this, name, text, hinweis);
        // Enter on a focused button presses that one, as in a dialog.
        k->setAutoDefault(true);
        connect(k, &QPushButton::clicked, this, [this, k] { Q_EMIT ButtonClick(k); });
        return k;
    };
    PV_Button1 = knopf("PV_Button1", u"Werte an&sehen"_s, u"Verbrauchsdaten ansehen"_s);
    PV_Button1->setDefault(true);
    PV_Button2 = knopf("PV_Button2", u"&Abbrechen"_s, QString());

    // ---- layout
    const int abstand = PanelAbstand(this);
    const int einzug = RadioEinzug(this);
    const QMargins innen(abstand, abstand / 2, abstand, abstand);

    // The inputs of a choice stand under its radio, indented to its text.
    auto *g1 = new QGridLayout(PV_GB1);
    g1->setContentsMargins(innen);
    g1->setVerticalSpacing(abstand / 2);
    g1->setColumnMinimumWidth(0, einzug);
    int zeile = 0;
    g1->addWidget(PV_G1R1, zeile++, 0, 1, 4);
    g1->addWidget(PV_G1R2, zeile++, 0, 1, 4);
    g1->addWidget(PV_G1R3, zeile++, 0, 1, 4);
    g1->addWidget(PV_G1C1, zeile++, 1, 1, 2, Qt::AlignLeft);
    g1->addWidget(PV_G1R4, zeile++, 0, 1, 4);
    g1->addWidget(PV_G1L1, zeile, 1);
    g1->addWidget(PV_G1C2, zeile++, 2, Qt::AlignLeft);
    g1->addWidget(PV_G1L2, zeile, 1);
    g1->addWidget(PV_G1C3, zeile++, 2, Qt::AlignLeft);
    g1->setColumnStretch(3, 1);
    g1->setRowStretch(zeile, 1);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(abstand, abstand, abstand, abstand);
    raster->setHorizontalSpacing(abstand);
    raster->setVerticalSpacing(abstand);
    raster->addWidget(PV_Label1, 0, 0, 1, 2);
    raster->addWidget(PV_GB1, 1, 0);
    raster->addWidget(PV_GB2, 1, 1);
    // Under the choices, where the narrow grouping column keeps its width.
    raster->addWidget(PV_CB1, 2, 0, 1, 2);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(abstand);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PV_Button1);
    knoepfe->addWidget(PV_Button2);
    // Room to spare goes below the groups, not into them.
    raster->setRowStretch(3, 1);
    raster->addLayout(knoepfe, 4, 0, 1, 2);
    raster->setColumnStretch(0, 3);
    raster->setColumnStretch(1, 2);

    // Tab goes through the groups in the order they are read.
    QWidget *reihe[] = {PV_G1R1, PV_G1R2, PV_G1R3, PV_G1C1, PV_G1R4, PV_G1C2, PV_G1C3, PV_G2R1, PV_G2R2,
                        PV_G2R3, PV_G2R4, PV_CB1, PV_Button1, PV_Button2};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    // ---- handlers
    for (QRadioButton *r : {PV_G1R1, PV_G1R2, PV_G1R3, PV_G1R4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                PV_G1Click(r);
        });
    for (QRadioButton *r : {PV_G2R1, PV_G2R2, PV_G2R3, PV_G2R4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                PV_G2Click(r);
        });
    for (QComboBox *c : {PV_G1C1, PV_G1C2, PV_G1C3})
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] {
            if (!m_fuellt)
                WechselEintrag_V(c);
        });
}

void TPanelVerbrauch::Fuellen(int letzte)
{
    const QScopedValueRollback<bool> fuellt(m_fuellt, true);

    QRadioButton *auswahl = RadioFuer({PV_G1R1, PV_G1R2, PV_G1R3, PV_G1R4}, VerbrauchsAuswahl);
    auswahl->setChecked(true);
    if (letzte == 1) {
        PV_G1R1->setText(u"Der &letzte Verbrauchswert"_s);
        PV_G1R1->setToolTip(u"Nur den letzten Verbrauchswert"_s);
    } else {
        const QString n = QString::number(letzte);
        PV_G1R1->setText(u"Die &letzten "_s + n + u" Verbrauchswerte"_s);
        PV_G1R1->setToolTip(u"Nur die letzten "_s + n + u" Verbrauchswerte"_s);
    }
    PV_CB1->setChecked(UmgekehrtSortiert);
    const QString jahr = QString::number(AktuellesJahr);
    PV_G1R2->setText(u"Alle aus &diesem Jahr  ("_s + jahr + u')');
    PV_G1R2->setToolTip(u"Alle Verbrauchswerte aus dem Jahr "_s + jahr);

    EingabenZeigen();
    JahreFuellen(PV_G1C1, GewaehltesJahr);
    MonateFuellen(PV_G1C2, PV_G1C3, ZeitraumVon, ZeitraumBis);
    AnsichtZeigen();
    auswahl->setFocus();
}

void TPanelVerbrauch::EingabenZeigen()
{
    PV_G1C1->setVisible(VerbrauchsAuswahl == 3);
    for (QWidget *w : std::initializer_list<QWidget *>{PV_G1L1, PV_G1C2, PV_G1L2, PV_G1C3})
        w->setVisible(VerbrauchsAuswahl == 4);
}

void TPanelVerbrauch::AnsichtZeigen()
{
    // Checking a radio here must not change the stored grouping.
    const QScopedValueRollback<bool> fuellt(m_fuellt, true);
    const bool einzeln = VerbrauchsAuswahl == 1;
    if (einzeln)
        PV_G2R1->setChecked(true);
    else
        RadioFuer({PV_G2R1, PV_G2R2, PV_G2R3, PV_G2R4}, VerbrauchsAnsicht)->setChecked(true);
    for (QRadioButton *r : {PV_G2R2, PV_G2R3, PV_G2R4})
        r->setEnabled(!einzeln);
}

void TPanelVerbrauch::PV_G1Click(QObject *sender)
{
    const uint8_t nr = NummerVon({PV_G1R1, PV_G1R2, PV_G1R3, PV_G1R4}, sender);
    if (nr == 0)
        return;
    VerbrauchsAuswahl = nr;
    EingabenZeigen();
    AnsichtZeigen();
    if (nr == 3)
        PV_G1C1->setFocus();
    else if (nr == 4)
        PV_G1C2->setFocus();
}

void TPanelVerbrauch::PV_G2Click(QObject *sender)
{
    const uint8_t nr = NummerVon({PV_G2R1, PV_G2R2, PV_G2R3, PV_G2R4}, sender);
    if (nr != 0)
        VerbrauchsAnsicht = nr;
}

void TPanelVerbrauch::WechselEintrag_V(QObject *sender)
{
    if (sender == PV_G1C1)
        JahrLesen(PV_G1C1, GewaehltesJahr);
    // Both month lists are read every time; the lists themselves stay as
    // chosen, so a start after the end is only swapped in the settings and
    // the user may still go on to move the end.
    ZeitraumLesen(PV_G1C2, PV_G1C3, ZeitraumVon, ZeitraumBis);
}

void TPanelVerbrauch::ListenUebernehmen()
{
    JahrLesen(PV_G1C1, GewaehltesJahr);
    ZeitraumLesen(PV_G1C2, PV_G1C3, ZeitraumVon, ZeitraumBis);
}

void TPanelVerbrauch::keyPressEvent(QKeyEvent *ereignis)
{
    if (!DialogTaste(ereignis, PV_Button1, PV_Button2))
        QFrame::keyPressEvent(ereignis);
}
