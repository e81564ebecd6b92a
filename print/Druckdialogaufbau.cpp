// The print dialog's controls: the heading, the two columns of option
// groups, the buttons and the progress display, with their names, texts
// and hints, and the handlers they are connected to.
#include "Sprilo_4.h"

#include "Auswahllisten.h"
#include "Hilfe.h"
#include "Widgethilfen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace {

QCheckBox *Kaestchen(QWidget *eltern, const char *name, const QString &text, const QString &hinweis = {})
{
    auto *k = new QCheckBox(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setToolTip(hinweis);
    return k;
}

QLabel *Beschriftung(QWidget *eltern, const char *name, const QString &text = {})
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QGroupBox *Gruppe(QWidget *eltern, const char *name, const QString &titel, const QString &hinweis)
{
    auto *g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setToolTip(hinweis);
    return g;
}

QFrame *Linie(QWidget *eltern, QFrame::Shape form)
{
    auto *l = new QFrame(eltern);
    l->setFrameShape(form);
    l->setFrameShadow(QFrame::Sunken);
    return l;
}

// "von" list, "bis" label and list of a period in one row, indented
// under the radio they belong to.
QHBoxLayout *ZeitraumZeile(QWidget *bezug, QLabel *von, QComboBox *erste, QLabel *bis, QComboBox *letzte)
{
    auto *zeile = new QHBoxLayout;
    zeile->setContentsMargins(RadioEinzug(bezug), 0, 0, 0);
    zeile->addWidget(von);
    zeile->addWidget(erste);
    zeile->addSpacing(6);
    zeile->addWidget(bis);
    zeile->addWidget(letzte);
    zeile->addStretch(1);
    return zeile;
}

// A radio with a list beside it.
QHBoxLayout *RadioMitListe(QRadioButton *radio, QComboBox *liste)
{
    auto *zeile = new QHBoxLayout;
    zeile->addWidget(radio);
    zeile->addWidget(liste);
    zeile->addStretch(1);
    return zeile;
}

} // namespace

TForm4::TForm4(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Form4"_s);
    setWindowTitle(u"Druck"_s);
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    m_optionen = new QWidget(this);
    m_optionen->setObjectName(u"Optionen"_s);
    auto *optionen = new QVBoxLayout(m_optionen);
    optionen->setContentsMargins(0, 0, 0, 0);

    UB_Label1 = Beschriftung(m_optionen, "UB_Label1");
    QFont unterstrichen = UB_Label1->font();
    unterstrichen.setUnderline(true);
    unterstrichen.setBold(true);
    UB_Label1->setFont(unterstrichen);
    UB_Label1->setAlignment(Qt::AlignCenter);
    optionen->addWidget(UB_Label1);

    // The all-data dialog separates its two columns and the buttons by lines.
    m_linieSenkrecht = Linie(m_optionen, QFrame::VLine);
    m_linieSenkrecht->setObjectName(u"Trennlinie1"_s);
    m_linieWaagerecht = Linie(m_optionen, QFrame::HLine);
    m_linieWaagerecht->setObjectName(u"Trennlinie2"_s);
    auto *spalten = new QHBoxLayout;
    spalten->addWidget(LinkeSpalteAufbauen(), 1);
    spalten->addWidget(m_linieSenkrecht);
    spalten->addWidget(RechteSpalteAufbauen(), 1);
    optionen->addLayout(spalten);
    optionen->addWidget(m_linieWaagerecht);

    auto *haupt = new QVBoxLayout(this);
    haupt->setSizeConstraint(QLayout::SetNoConstraint);
    haupt->addWidget(m_optionen);
    haupt->addWidget(KnoepfeAufbauen());
    FortschrittAufbauen();
    Verbinden();
}

// Fill-ups, station year lists and the chart type.
QWidget *TForm4::LinkeSpalteAufbauen()
{
    m_linkeSpalte = new QWidget(m_optionen);
    m_linkeSpalte->setObjectName(u"LinkeSpalte"_s);
    auto *links = new QVBoxLayout(m_linkeSpalte);
    links->setContentsMargins(0, 0, 0, 0);

    CB1 = Kaestchen(m_linkeSpalte, "CB1", u"Tankfüllungen au&sdrucken"_s,
                    u"Sollen die Tankfüllungen ausgedruckt werden ?"_s);
    HilfeKontextSetzen(CB1, 510);
    links->addWidget(CB1);

    GroupBox1 = Gruppe(m_linkeSpalte, "GroupBox1", u" &Tankfüllungen  "_s, u"Die Tankfüllungen werden gedruckt"_s);
    auto *gb1 = new QVBoxLayout(GroupBox1);
    m_gb1Auswahl = new QWidget(GroupBox1);
    m_gb1Auswahl->setObjectName(u"GB1_Auswahl"_s);
    auto *gb1Auswahl = new QVBoxLayout(m_gb1Auswahl);
    gb1Auswahl->setContentsMargins(0, 0, 0, 0);
    GB1_RB1 = Radio(m_gb1Auswahl, "GB1_RB1", u"Alle Jahre"_s, u"Es sollen alle Tankfüllungen ausgedruckt werden"_s);
    GB1_RB2 = Radio(m_gb1Auswahl, "GB1_RB2", u"Nur ein bestimmtes Jahr"_s, {});
    GB1_RB3 = Radio(m_gb1Auswahl, "GB1_RB3", u"Der Zeitraum"_s, u"Nur ein bestimmter Zeitraum"_s);
    GB1_CoB1 = Auswahlliste(m_gb1Auswahl, "GB1_CoB1", u"Bitte das Jahr angeben"_s);
    GB1_CoB2 = Auswahlliste(m_gb1Auswahl, "GB1_CoB2", u"Bitte den ersten Monat angeben"_s);
    GB1_CoB3 = Auswahlliste(m_gb1Auswahl, "GB1_CoB3", u"Bitte den letzten Monat angeben"_s);
    GB1_L1 = ListenBeschriftung(m_gb1Auswahl, "GB1_L1", u"von"_s, GB1_CoB2);
    GB1_L2 = ListenBeschriftung(m_gb1Auswahl, "GB1_L2", u"bis"_s, GB1_CoB3);
    gb1Auswahl->addWidget(GB1_RB1);
    gb1Auswahl->addLayout(RadioMitListe(GB1_RB2, GB1_CoB1));
    gb1Auswahl->addWidget(GB1_RB3);
    gb1Auswahl->addLayout(ZeitraumZeile(GB1_RB3, GB1_L1, GB1_CoB2, GB1_L2, GB1_CoB3));
    gb1->addWidget(m_gb1Auswahl);
    GB1_Label1 = Beschriftung(GroupBox1, "GB1_Label1", u"Es werden die Tankfüllungen ausgedruckt."_s);
    gb1->addWidget(GB1_Label1);
    GB1_CB1 = Kaestchen(GroupBox1, "GB1_CB1", u"Mit A&bschaltwerten"_s,
                        u"Die Angaben, ob und bei wieviel Liter voll war, wird mitgedruckt"_s);
    GB1_CB2 = Kaestchen(GroupBox1, "GB1_CB2", u"Mit Zusa&mmenfassung"_s,
                        u"Eine Zusammenfassung der ausgedruckten Werte wird mitgedruckt"_s);
    gb1->addWidget(GB1_CB1);
    gb1->addWidget(GB1_CB2);
    links->addWidget(GroupBox1);

    CB3 = Kaestchen(m_linkeSpalte, "CB3", u"Tankstellen - Jahreslisten ausd&rucken"_s,
                    u"Soll eine Tankstellenliste ausgedruckt werden ?"_s);
    HilfeKontextSetzen(CB3, 530);
    links->addWidget(CB3);

    GroupBox3 = Gruppe(m_linkeSpalte, "GroupBox3", u" Tankstellen - Jahres&liste "_s,
                       u"Eine Zusammenfassung der in der Tankstellenliste angegebenen Tankstellen"_s);
    HilfeKontextSetzen(GroupBox3, 530);
    auto *gb3 = new QVBoxLayout(GroupBox3);
    GB3_RB1 = Radio(GroupBox3, "GB3_RB1", u"Nur ein bestimmtes Jahr"_s, {});
    GB3_RB2 = Radio(GroupBox3, "GB3_RB2", u"Der Zeitraum"_s, {});
    GB3_CoB1 = Auswahlliste(GroupBox3, "GB3_CoB1", u"Bitte das Jahr angeben"_s);
    GB3_CoB2 = Auswahlliste(GroupBox3, "GB3_CoB2", u"Bitte das erste Jahr angeben"_s);
    GB3_CoB3 = Auswahlliste(GroupBox3, "GB3_CoB3", u"Bitte das letzte Jahr angeben"_s);
    GB3_L1 = ListenBeschriftung(GroupBox3, "GB3_L1", u"von"_s, GB3_CoB2);
    GB3_L2 = ListenBeschriftung(GroupBox3, "GB3_L2", u"bis"_s, GB3_CoB3);
    GB3_CB1 = Kaestchen(GroupBox3, "GB3_CB1", u"Jedes Jahr einzeln"_s);
    GB3_CB2 = Kaestchen(GroupBox3, "GB3_CB2", u"Summe über alle Jahre"_s);
    gb3->addLayout(RadioMitListe(GB3_RB1, GB3_CoB1));
    gb3->addWidget(GB3_RB2);
    gb3->addLayout(ZeitraumZeile(GB3_RB2, GB3_L1, GB3_CoB2, GB3_L2, GB3_CoB3));
    auto *gb3Kaestchen = new QVBoxLayout;
    gb3Kaestchen->setContentsMargins(RadioEinzug(GB3_RB2), 0, 0, 0);
    gb3Kaestchen->addWidget(GB3_CB1);
    gb3Kaestchen->addWidget(GB3_CB2);
    gb3->addLayout(gb3Kaestchen);
    links->addWidget(GroupBox3);

    GroupBox4 = Gruppe(m_linkeSpalte, "GroupBox4", u" Diagrammart "_s, u"Wie sollen die daten gedruckt werden?"_s);
    auto *gb4 = new QVBoxLayout(GroupBox4);
    GB4_RB1 = Radio(GroupBox4, "GB4_RB1", u"&Balkendiagramm"_s, {});
    GB4_RB2 = Radio(GroupBox4, "GB4_RB2", u"&Liniendiagramm"_s, {});
    GB4_CB1 = Kaestchen(GroupBox4, "GB4_CB1", u"Ausdruck in &Farbe (Farbdrucker nötig)"_s);
    gb4->addWidget(GB4_RB1);
    gb4->addWidget(GB4_RB2);
    gb4->addWidget(GB4_CB1);
    links->addWidget(GroupBox4);
    links->addStretch(1);
    return m_linkeSpalte;
}

// The consumption values: how, which period, how merged.
QWidget *TForm4::RechteSpalteAufbauen()
{
    m_rechteSpalte = new QWidget(m_optionen);
    m_rechteSpalte->setObjectName(u"RechteSpalte"_s);
    auto *rechts = new QVBoxLayout(m_rechteSpalte);
    rechts->setContentsMargins(0, 0, 0, 0);

    CB2 = Kaestchen(m_rechteSpalte, "CB2", u"Verbrauchs&werte ausdrucken"_s,
                    u"Sollen die Verbrauchswerte ausgedruckt werden ?"_s);
    HilfeKontextSetzen(CB2, 520);
    rechts->addWidget(CB2);

    GroupBox2 = Gruppe(m_rechteSpalte, "GroupBox2", u" &Verbrauchswerte "_s,
                       u"Die Durchschnittsverbrauchswerte werden gedruckt"_s);
    auto *gb2 = new QVBoxLayout(GroupBox2);
    GB2_Label1 = Beschriftung(GroupBox2, "GB2_Label1", u"Wie sollen die Verbrauchswerte ausgedruckt werden ?"_s);
    GB2_RB1 = Radio(GroupBox2, "GB2_RB1", u"Nur &Graphisch"_s, {});
    GB2_RB2 = Radio(GroupBox2, "GB2_RB2", u"Tabellarisch &und Graphisch"_s, {});
    GB2_RB3 = Radio(GroupBox2, "GB2_RB3", u"Nur Tabellaris&ch"_s, {});
    GB2_CB1 = Kaestchen(GroupBox2, "GB2_CB1", u"Festverbrauch mar&kieren"_s, u"Eingestellter Festverbrauch markieren"_s);
    CB_Farbe = Kaestchen(GroupBox2, "CB_Farbe", u"graphischer Ausdruck in &Farbe (Farbdrucker nötig)"_s);
    for (QWidget *w : std::initializer_list<QWidget *>{GB2_Label1, GB2_RB1, GB2_RB2, GB2_RB3, GB2_CB1, CB_Farbe})
        gb2->addWidget(w);
    rechts->addWidget(GroupBox2);

    GroupBox2b = Gruppe(m_rechteSpalte, "GroupBox2b", u" &Zeitraum "_s,
                        u"Für welchen Zeitraum sollen die Verbrauchswerte ausgedruckt werden ?"_s);
    auto *gb2b = new QVBoxLayout(GroupBox2b);
    GB2b_RB1 = Radio(GroupBox2b, "GB2b_RB1", u"Nur ein bestimmtes Jahr"_s, {});
    GB2b_RB2 = Radio(GroupBox2b, "GB2b_RB2", u"Der Zeitraum"_s, {});
    GB2b_CoB1 = Auswahlliste(GroupBox2b, "GB2b_CoB1", u"Bitte das Jahr angeben"_s);
    GB2b_CoB2 = Auswahlliste(GroupBox2b, "GB2b_CoB2", u"Bitte den ersten Monat angeben"_s);
    GB2b_CoB3 = Auswahlliste(GroupBox2b, "GB2b_CoB3", u"Bitte den letzten Monat angeben"_s);
    GB2b_L1 = ListenBeschriftung(GroupBox2b, "GB2b_L1", u"von"_s, GB2b_CoB2);
    GB2b_L2 = ListenBeschriftung(GroupBox2b, "GB2b_L2", u"bis"_s, GB2b_CoB3);
    gb2b->addLayout(RadioMitListe(GB2b_RB1, GB2b_CoB1));
    gb2b->addWidget(GB2b_RB2);
    gb2b->addLayout(ZeitraumZeile(GB2b_RB2, GB2b_L1, GB2b_CoB2, GB2b_L2, GB2b_CoB3));
    rechts->addWidget(GroupBox2b);

    GroupBox2c = Gruppe(m_rechteSpalte, "GroupBox2c", u" Zusamme&nfassung "_s,
                        u"Sollen die Verbrauchswerte zusammengefasst werden ?"_s);
    auto *gb2c = new QGridLayout(GroupBox2c);
    GB2c_RB1 = Radio(GroupBox2c, "GB2c_RB1", u"Einzeln"_s, {});
    GB2c_RB2 = Radio(GroupBox2c, "GB2c_RB2", u"Monatilich"_s, {});
    GB2c_RB3 = Radio(GroupBox2c, "GB2c_RB3", u"Quartalsweise"_s, {});
    GB2c_RB4 = Radio(GroupBox2c, "GB2c_RB4", u"Jährlich"_s, {});
    gb2c->addWidget(GB2c_RB1, 0, 0);
    gb2c->addWidget(GB2c_RB2, 0, 1);
    gb2c->addWidget(GB2c_RB3, 1, 0);
    gb2c->addWidget(GB2c_RB4, 1, 1);
    rechts->addWidget(GroupBox2c);
    rechts->addStretch(1);
    return m_rechteSpalte;
}

QWidget *TForm4::KnoepfeAufbauen()
{
    m_knoepfe = new QWidget(this);
    m_knoepfe->setObjectName(u"Knoepfe"_s);
    auto *knoepfe = new QHBoxLayout(m_knoepfe);
    knoepfe->setContentsMargins(0, 0, 0, 0);
    Button1 = Knopf(m_knoepfe, "Button1", u"&Drucken"_s, {});
    Button1->setDefault(true);
    Button2 = Knopf(m_knoepfe, "Button2", u"&Abbruch"_s, u"Drucken abbrechen"_s);
    Button3 = Knopf(m_knoepfe, "Button3", u"&Einrichten"_s, u"Drucker einrichten"_s);
    Button4 = Knopf(m_knoepfe, "Button4", u"&Hilfe"_s, u"Hilfen aufrufen"_s);
    knoepfe->addStretch(1);
    for (QPushButton *k : {Button1, Button2, Button3, Button4})
        knoepfe->addWidget(k);
    knoepfe->addStretch(1);
    return m_knoepfe;
}

// Placed by hand in the emptied window while the job runs.
void TForm4::FortschrittAufbauen()
{
    Prozent1 = new QProgressBar(this);
    Prozent1->setObjectName(u"Prozent1"_s);
    Prozent1->setToolTip(u"Fortschritt des Ausdruckes"_s);
    Prozent1->setTextVisible(true);
    QPalette blau = Prozent1->palette();
    blau.setColor(QPalette::Highlight, Qt::blue);
    Prozent1->setPalette(blau);
    ProzLabel1 = Beschriftung(this, "ProzLabel1");
    ProzLabel2 = Beschriftung(this, "ProzLabel2");
    for (QLabel *l : {ProzLabel1, ProzLabel2})
        l->setAlignment(Qt::AlignCenter);
    Button5 = Knopf(this, "Button5", u"Druck &abbrechen"_s, {});
    for (QWidget *w : std::initializer_list<QWidget *>{Prozent1, ProzLabel1, ProzLabel2, Button5})
        w->hide();
}

void TForm4::Verbinden()
{
    for (QCheckBox *k : {CB1, CB2, CB3})
        connect(k, &QCheckBox::clicked, this, [this, k] { CB_Click(k); });
    for (QRadioButton *r : {GB1_RB1, GB1_RB2, GB1_RB3})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                GB1_RBClick(r);
        });
    for (QRadioButton *r : {GB2_RB1, GB2_RB2, GB2_RB3})
        connect(r, &QRadioButton::toggled, this, [this](bool an) {
            if (an)
                GB2_RBClick();
        });
    for (QRadioButton *r : {GB2b_RB1, GB2b_RB2})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                GB2b_RBClick(r);
        });
    for (QRadioButton *r : {GB2c_RB1, GB2c_RB2, GB2c_RB3, GB2c_RB4})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                GB2c_RBClick(r);
        });
    for (QRadioButton *r : {GB3_RB1, GB3_RB2})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                GB3_RBClick(r);
        });
    for (QCheckBox *k : {GB3_CB1, GB3_CB2})
        connect(k, &QCheckBox::clicked, this, [this, k] { GB3_CBClick(k); });
    connect(CB_Farbe, &QCheckBox::clicked, this, &TForm4::CB_FarbeClick);
    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
    connect(Button2, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(Button3, &QPushButton::clicked, this, &TForm4::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm4::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm4::Button5Click);
}
