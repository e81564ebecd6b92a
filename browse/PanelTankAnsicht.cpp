#include "PanelTankAnsicht.h"

#include "Auswahllisten.h"
#include "Eingabefelder.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "Widgethilfen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// The word field takes at most this many characters (the setting could
// hold 40).
constexpr int MaxWortLaenge = 20;

} // namespace

TPanelTankAnsicht::TPanelTankAnsicht(bool mitBeenden, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(u"PanelTankAnsicht"_s);
    setFrameShape(QFrame::StyledPanel);
    setToolTip(u"Welche Tankstellen sollen angezeigt werden"_s);

    PTA_Label1 = new QLabel(u"Daten und Zusammenfassung ansehen"_s, this);
    PTA_Label1->setObjectName(u"PTA_Label1"_s);
    UeberschriftSchrift(PTA_Label1);
    PTA_Label2 = new QLabel(u"Daten werden zusammengestellt nach ..."_s, this);
    PTA_Label2->setObjectName(u"PTA_Label2"_s);

    auto gruppe = [this](const char *name, const QString &titel, const QString &hinweis) {
        auto *g = new QGroupBox(titel, this);
        g->setObjectName(QString::fromLatin1(name));
        g->setToolTip(hinweis);
        return g;
    };

    // ---- stations
    PTA_GB1 = gruppe("PTA_GB1", u" ... Tankstellen "_s, u"Welche Tankstellen sollen berücksichtigt werden ?"_s);
    PTA_G1R1 = Radio(PTA_GB1, "PTA_G1R1", u"&Alle Tankstellen"_s, u"Alle Tankstellen"_s);
    PTA_G1R2 = Radio(PTA_GB1, "PTA_G1R2", u"Nur bestimmte &Tankstelle"_s, u"Nur die ausgewählten Tankstellen"_s);
    PTA_G1R3 = Radio(PTA_GB1, "PTA_G1R3", u"Nur bestimmtes &Wort"_s,
                     u"Nur Tankstellen, die folgendes Wort enthalten"_s);
    PTA_G1C1 = Auswahlliste(PTA_GB1, "PTA_G1C1", u"Welche Tankstelle soll angezeigt werden ?"_s);
    // Names run to 40 characters; the list opens as wide as they need.
    PTA_G1C1->setMinimumContentsLength(10);
    PTA_G1E1 = new QLineEdit(PTA_GB1);
    PTA_G1E1->setObjectName(u"PTA_G1E1"_s);
    PTA_G1E1->setToolTip(u"Welches Wort soll im Tankstellen-Namen enthalten sein ?"_s);
    PTA_G1E1->setMaxLength(MaxWortLaenge);
    BleibtVerborgenStehen(PTA_G1E1);
    // The word is kept in the configuration file.
    NurSpeicherbareZeichen(PTA_G1E1, [this](const QString &hinweis) { Q_EMIT ZeichenAbgelehnt(hinweis); });

    // ---- years
    PTA_GB2 = gruppe("PTA_GB2", u" ... Jahren "_s, u"Welche Jahre sollen berücksichtigt werden ?"_s);
    PTA_G2R1 = Radio(PTA_GB2, "PTA_G2R1", u"Nur &dieses Jahr"_s, QString());
    PTA_G2R2 = Radio(PTA_GB2, "PTA_G2R2", u"Nur &ein bestimmtes Jahr"_s, u"Nur ein bestimmtes Jahr"_s);
    PTA_G2R3 = Radio(PTA_GB2, "PTA_G2R3", u"Bestimmter &Zeitraum"_s, u"Nur einen bestimmten Zeitraum"_s);
    PTA_G2R4 = Radio(PTA_GB2, "PTA_G2R4", u"Alle &Jahre"_s, u"Alle Jahre"_s);
    PTA_G2C1 = Auswahlliste(PTA_GB2, "PTA_G2C1", u"Welches Jahr ?"_s);
    PTA_G2C2 = Auswahlliste(PTA_GB2, "PTA_G2C2", QString());
    PTA_G2C3 = Auswahlliste(PTA_GB2, "PTA_G2C3", QString());
    PTA_G2L1 = ListenBeschriftung(PTA_GB2, "PTA_G2L1", u"&von"_s, PTA_G2C2);
    PTA_G2L2 = ListenBeschriftung(PTA_GB2, "PTA_G2L2", u"&bis"_s, PTA_G2C3);

    // ---- sorting
    PTA_GB3 = gruppe("PTA_GB3", u" Daten sortiert nach ... "_s, u"Wie sollen die Daten sortiert werden ?"_s);
    PTA_G3R1 = Radio(PTA_GB3, "PTA_G3R1", u"... Dat&um"_s, u"sortiert nach Datum"_s);
    PTA_G3R2 = Radio(PTA_GB3, "PTA_G3R2", u"... &Betrag"_s, u"sortiert nach Betrag"_s);
    PTA_G3R3 = Radio(PTA_GB3, "PTA_G3R3", u"... getankter &Menge"_s, u"sortiert nach Menge"_s);
    PTA_G3R4 = Radio(PTA_GB3, "PTA_G3R4", u"... Liter&preis"_s, u"sortiert nach Preis pro Liter"_s);
    PTA_G3CB1 = new QCheckBox(u"umgekehrte &Reihenfolge"_s, PTA_GB3);
    PTA_G3CB1->setObjectName(u"PTA_G3CB1"_s);
    PTA_G3CB1->setToolTip(u"Sortierreihenfolge umkehren"_s);

    // ---- buttons
    auto knopf = [this](const char *name, const QString &text, const QString &hinweis) {
        QPushButton *k = Knopf(this, name, text, hinweis);
        // Enter on a focused button presses that one, as in a dialog.
        k->setAutoDefault(true);
        connect(k, &QPushButton::clicked, this, [this, k] { Q_EMIT ButtonClick(k); });
        return k;
    };
    PTA_Button1 = knopf("PTA_Button1", u"Daten an&sehen"_s, u"Daten nach obigen Einstellungen ansehen"_s);
    if (mitBeenden) {
        // In the list window the window itself decides which of its
        // buttons is the default; Enter in the panel is handled below.
        PTA_Button1->setDefault(true);
        PTA_Button2 = knopf("PTA_Button2", u"A&nsehen beenden"_s, u"Abbrechen"_s);
    }

    // ---- layout
    const int abstand = PanelAbstand(this);
    const int einzug = RadioEinzug(this);

    // Each input stands under its radio, indented to the radio's text.
    const QMargins innen(abstand, abstand / 2, abstand, abstand);
    auto *g1 = new QGridLayout(PTA_GB1);
    g1->setContentsMargins(innen);
    g1->setVerticalSpacing(abstand / 2);
    g1->addWidget(PTA_G1R1, 0, 0, 1, 2);
    g1->addWidget(PTA_G1R2, 1, 0, 1, 2);
    g1->addWidget(PTA_G1R3, 2, 0, 1, 2);
    g1->setColumnMinimumWidth(0, einzug);
    // Station and word never show together: they share one place.
    g1->addWidget(PTA_G1C1, 3, 1);
    g1->addWidget(PTA_G1E1, 3, 1);
    g1->setColumnStretch(1, 1);
    g1->setRowStretch(4, 1);

    auto *g2 = new QGridLayout(PTA_GB2);
    g2->setContentsMargins(innen);
    g2->setVerticalSpacing(abstand / 2);
    g2->setColumnMinimumWidth(0, einzug);
    int zeile = 0;
    g2->addWidget(PTA_G2R1, zeile++, 0, 1, 4);
    g2->addWidget(PTA_G2R2, zeile++, 0, 1, 4);
    g2->addWidget(PTA_G2C1, zeile++, 1, 1, 2, Qt::AlignLeft);
    g2->addWidget(PTA_G2R3, zeile++, 0, 1, 4);
    g2->addWidget(PTA_G2L1, zeile, 1);
    g2->addWidget(PTA_G2C2, zeile++, 2, Qt::AlignLeft);
    g2->addWidget(PTA_G2L2, zeile, 1);
    g2->addWidget(PTA_G2C3, zeile++, 2, Qt::AlignLeft);
    g2->addWidget(PTA_G2R4, zeile++, 0, 1, 4);
    g2->setColumnStretch(3, 1);
    g2->setRowStretch(zeile, 1);

    auto *g3 = new QVBoxLayout(PTA_GB3);
    g3->setContentsMargins(innen);
    g3->setSpacing(abstand / 2);
    for (QWidget *w : std::initializer_list<QWidget *>{PTA_G3R1, PTA_G3R2, PTA_G3R3, PTA_G3R4, PTA_G3CB1})
        g3->addWidget(w);
    g3->addStretch(1);

    auto *raster = new QGridLayout(this);
    raster->setContentsMargins(abstand, abstand, abstand, abstand);
    raster->setHorizontalSpacing(abstand);
    raster->setVerticalSpacing(abstand);
    raster->addWidget(PTA_Label1, 0, 0, 1, 2);
    raster->addWidget(PTA_Label2, 1, 0, 1, 2);
    raster->addWidget(PTA_GB1, 2, 0);
    raster->addWidget(PTA_GB3, 3, 0);
    raster->addWidget(PTA_GB2, 2, 1, 2, 1);
    auto *knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(abstand);
    knoepfe->addStretch(1);
    knoepfe->addWidget(PTA_Button1);
    if (PTA_Button2)
        knoepfe->addWidget(PTA_Button2);
    // Room to spare goes below the groups, not into them.
    raster->setRowStretch(4, 1);
    raster->addLayout(knoepfe, 5, 0, 1, 2);
    raster->setColumnStretch(0, 1);
    raster->setColumnStretch(1, 1);

    // Tab goes through the groups in the order they are read.
    QWidget *reihe[] = {PTA_G1R1, PTA_G1R2, PTA_G1R3, PTA_G1C1, PTA_G1E1, PTA_G2R1, PTA_G2R2, PTA_G2C1,
                        PTA_G2R3, PTA_G2C2, PTA_G2C3, PTA_G2R4, PTA_G3R1, PTA_G3R2, PTA_G3R3, PTA_G3R4,
                        PTA_G3CB1, PTA_Button1, PTA_Button2};
    for (size_t i = 0; i + 1 < std::size(reihe) && reihe[i + 1]; ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    // ---- handlers
    for (QRadioButton *r : {PTA_G1R1, PTA_G1R2, PTA_G1R3})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                PTA_G1Click(r);
        });
    for (QRadioButton *r : {PTA_G2R1, PTA_G2R2, PTA_G2R3, PTA_G2R4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                PTA_G2Click(r);
        });
    for (QRadioButton *r : {PTA_G3R1, PTA_G3R2, PTA_G3R3, PTA_G3R4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an && !m_fuellt)
                PTA_G3Click(r);
        });
    for (QComboBox *c : {PTA_G1C1, PTA_G2C1, PTA_G2C2, PTA_G2C3})
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] {
            if (!m_fuellt)
                WechselEintrag(c);
        });
    connect(PTA_G1E1, &QLineEdit::textChanged, this, [this] {
        if (!m_fuellt)
            WechselEintrag(PTA_G1E1);
    });
    connect(PTA_G3CB1, &QCheckBox::toggled, this, [this] {
        if (!m_fuellt)
            WechselEintrag(PTA_G3CB1);
    });
}

void TPanelTankAnsicht::Fuellen()
{
    const QScopedValueRollback<bool> fuellt(m_fuellt, true);

    RadioFuer({PTA_G1R1, PTA_G1R2, PTA_G1R3}, TankstellenAuswahl)->setChecked(true);

    PTA_G1C1->clear();
    const int anzahl = std::clamp(static_cast<int>(AnzahlTankstellen), 0, MaxTankstellen);
    for (int i = 0; i < anzahl; ++i)
        PTA_G1C1->addItem(Q(Tankstellen[i]));
    PTA_G1C1->addItem(u"sonstige Tankstellen"_s);
    PTA_G1C1->setCurrentIndex(AuswahlTankstelleNr >= 0 && AuswahlTankstelleNr < anzahl ? AuswahlTankstelleNr
                                                                                         : anzahl);

    PTA_G1E1->setText(Q(AuswahlWort));

    RadioFuer({PTA_G2R1, PTA_G2R2, PTA_G2R3, PTA_G2R4}, JahresAuswahl)->setChecked(true);
    const QString jahr = QString::number(AktuellesJahr);
    PTA_G2R1->setText(u"Nur &dieses Jahr  ("_s + jahr + u')');
    PTA_G2R1->setToolTip(u"Nur das Jahr "_s + jahr);

    JahreFuellen(PTA_G2C1, AuswahlJahr);
    MonateFuellen(PTA_G2C2, PTA_G2C3, AuswahlVon, AuswahlBis);

    RadioFuer({PTA_G3R1, PTA_G3R2, PTA_G3R3, PTA_G3R4}, FuellungsSortierung)->setChecked(true);
    PTA_G3CB1->setChecked(FuellungenUmgekehrt);

    EingabenZeigen();
    RadioFuer({PTA_G1R1, PTA_G1R2, PTA_G1R3}, TankstellenAuswahl)->setFocus();
}

void TPanelTankAnsicht::EingabenZeigen()
{
    PTA_G1C1->setVisible(TankstellenAuswahl == 2);
    PTA_G1E1->setVisible(TankstellenAuswahl == 3);
    PTA_G2C1->setVisible(JahresAuswahl == 2);
    for (QWidget *w : std::initializer_list<QWidget *>{PTA_G2L1, PTA_G2C2, PTA_G2L2, PTA_G2C3})
        w->setVisible(JahresAuswahl == 3);
}

void TPanelTankAnsicht::PTA_G1Click(QObject *sender)
{
    const uint8_t nr = NummerVon({PTA_G1R1, PTA_G1R2, PTA_G1R3}, sender);
    if (nr == 0)
        return;
    TankstellenAuswahl = nr;
    EingabenZeigen();
    if (nr == 2)
        PTA_G1C1->setFocus();
    else if (nr == 3)
        PTA_G1E1->setFocus();
}

void TPanelTankAnsicht::PTA_G2Click(QObject *sender)
{
    const uint8_t nr = NummerVon({PTA_G2R1, PTA_G2R2, PTA_G2R3, PTA_G2R4}, sender);
    if (nr == 0)
        return;
    JahresAuswahl = nr;
    EingabenZeigen();
    if (nr == 2)
        PTA_G2C1->setFocus();
    else if (nr == 3)
        PTA_G2C2->setFocus();
}

void TPanelTankAnsicht::PTA_G3Click(QObject *sender)
{
    const uint8_t nr = NummerVon({PTA_G3R1, PTA_G3R2, PTA_G3R3, PTA_G3R4}, sender);
    if (nr != 0)
        FuellungsSortierung = nr;
}

void TPanelTankAnsicht::WechselEintrag(QObject *sender)
{
    if (sender == PTA_G1C1) {
        const int i = PTA_G1C1->currentIndex();
        if (i >= 0)
            AuswahlTankstelleNr = static_cast<int8_t>(i == PTA_G1C1->count() - 1 ? -1 : i);
    } else if (sender == PTA_G1E1) {
        AuswahlWort = PTA_G1E1->text().toStdString();
    } else if (sender == PTA_G2C1) {
        JahrLesen(PTA_G2C1, AuswahlJahr);
    } else if (sender == PTA_G2C2 || sender == PTA_G2C3) {
        // Both lists are read every time, and the lists themselves stay as
        // chosen: a start after the end is only swapped in the settings, so
        // the user may still go on to move the end.
        ZeitraumLesen(PTA_G2C2, PTA_G2C3, AuswahlVon, AuswahlBis);
    } else if (sender == PTA_G3CB1) {
        FuellungenUmgekehrt = PTA_G3CB1->isChecked();
    }
}

void TPanelTankAnsicht::JahrUndZeitraumUebernehmen()
{
    WechselEintrag(PTA_G2C1);
    WechselEintrag(PTA_G2C2);
}

void TPanelTankAnsicht::keyPressEvent(QKeyEvent *ereignis)
{
    // Enter takes the settings, Esc closes the panel, as the default and
    // cancel buttons of a dialog would.
    if (!DialogTaste(ereignis, PTA_Button1, PTA_Button2))
        QFrame::keyPressEvent(ereignis);
}
