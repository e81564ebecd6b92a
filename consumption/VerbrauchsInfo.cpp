// The consumption window's information box with the totals, the smallest
// and the largest value, and the hand-over to printing.
#include "Sprilo_3.h"

#include "consumption/Fensterteile.h"
#include "consumption/Verbrauchstabelle.h"
#include "consumption/Verbrauchstexte.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Sprilo_Dek.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include "Hilfe.h"
#include "Widgethilfen.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString WarnungLetzte = u"Achtung: Bei der letzten Tankfüllung wurde nicht vollgetankt.\n"
                              "Der Durchschnitts-Verbrauch kann nicht korrekt berechnet werden und liegt etwas höher."_s;
const QString WarnungDiese = u"Achtung: Bei dieser Tankfüllung wurde nicht vollgetankt.\n"
                             "Der Durchschnitts-Verbrauch kann nicht korrekt berechnet werden und liegt etwas höher."_s;

} // namespace

// ---- building ---------------------------------------------------------------------

void TForm3::InfoBoxAufbauen(QWidget *eltern)
{
    AnzBox2 = new QTabWidget(eltern);
    AnzBox2->setObjectName(u"AnzBox2"_s);
    AnzBox2->setAutoFillBackground(true);
    HilfeKontextSetzen(AnzBox2, 430);
    // One content, shown on whichever tab is chosen: the tabs only choose
    // the value it describes.
    for (const QString &titel : {u"Gesamt"_s, u"Kleinster"_s, u"Höchster"_s}) {
        auto *seite = new QWidget;
        new QVBoxLayout(seite);
        seite->layout()->setContentsMargins(0, 0, 0, 0);
        AnzBox2->addTab(seite, titel);
    }
    auto *inhalt = new QWidget(AnzBox2->widget(0));
    inhalt->setObjectName(u"InfoInhalt"_s);
    AnzBox2->widget(0)->layout()->addWidget(inhalt);
    auto *r = new QGridLayout(inhalt);
    m_infoRaster = r;
    r->setContentsMargins(14, 10, 14, 10);
    r->setHorizontalSpacing(10);
    r->setVerticalSpacing(3);

    GV_Label0 = Beschriftung(inhalt, "GV_Label0");
    QFont fett = GV_Label0->font();
    fett.setBold(true);
    GV_Label0->setFont(fett);
    WertLabelsAnlegen(InfoLabels(), inhalt, "GV_", 9);
    // The period: one line between from and to, or its start and its end.
    GV_Label1d1 = Beschriftung(inhalt, "GV_Label1d1");
    GV_Label1d2 = Beschriftung(inhalt, "GV_Label1d2");
    GV_Label8 = Beschriftung(inhalt, "GV_Label8", WarnungLetzte);
    FarbeSetzen(GV_Label8, QPalette::WindowText, Farbe(4));
    GV_Ok = Knopf(inhalt, "GV_Ok", u"&Ok"_s, u"Infofenster schließen"_s);
    GV_Ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    connect(GV_Ok, &QPushButton::clicked, this, &TForm3::GV_OkClick);

    for (QLabel *l : {GV_Label1d1, GV_Label1d2})
        MindestensFuer(l, u"September 2099"_s);
    MindestensFuer(GV_Label0, u"Durchschnittlicher Gesamtverbrauch"_s);
    // The warning sets the width: its lines stay whole.
    GV_Label8->setMinimumWidth(GV_Label8->sizeHint().width());

    r->addWidget(GV_Label0, 0, 0, 1, 4);
    r->setRowMinimumHeight(1, 4);
    int zeile = WertLabelsSetzen(InfoLabels(), r, 2);
    r->addWidget(GV_Label1d1, 2, 3);
    r->addWidget(GV_Label1d2, 3, 3);
    r->addWidget(GV_Label8, zeile++, 0, 1, 4);
    r->setRowMinimumHeight(zeile++, 6);
    r->addWidget(GV_Ok, zeile, 0, 1, 4, Qt::AlignRight);
    r->setColumnStretch(3, 1);

    connect(AnzBox2, &QTabWidget::currentChanged, this, &TForm3::AnzBox2Change);
    // The window must have room for the box at its tallest.
    BleibtVerborgenStehen(AnzBox2);
}

TWertLabels TForm3::InfoLabels()
{
    return {GV_Label1a1, GV_Label1b1, GV_Label1c1, GV_Label1a2, GV_Label1b2, GV_Label1c2,
            GV_Label2,   GV_Label2b,  GV_Label3,   GV_Label3b,  GV_Label4,   GV_Label4b,
            GV_Label5,   GV_Label5b,  GV_Label9,   GV_Label9b,  GV_Label6,   GV_Label7};
}

// ---- the box ------------------------------------------------------------------------

void TForm3::InfoButtonClick()
{
    BedienungFreigeben(false);
    {
        const QSignalBlocker still(AnzBox2);
        AnzBox2->setCurrentIndex(0);
    }
    AnzBox2Change(0);
    AnzBox2->show();
    AnzBox2->raise();
    GV_Ok->setDefault(true);
    AnzBox2->setFocus(Qt::OtherFocusReason);
}

void TForm3::AnzBox2Change(int seite)
{
    // The content moves to the chosen tab.
    QWidget *inhalt = GV_Ok->parentWidget();
    QWidget *ziel = AnzBox2->widget(std::clamp(seite, 0, 2));
    if (inhalt->parentWidget() != ziel) {
        inhalt->parentWidget()->layout()->removeWidget(inhalt);
        ziel->layout()->addWidget(inhalt);
        inhalt->show();
    }
    InfoBoxFuellen();
}

void TForm3::InfoBoxFuellen()
{
    const int seite = std::clamp(AnzBox2->currentIndex(), 0, 2);
    const TVerbrauchsWert *werte[] = {&GesamtVerbrauch, &KleinsterVerbrauch, &HoechsterVerbrauch};
    const TVerbrauchsWert &w = *werte[seite];
    static const QString titel[] = {u"Durchschnittlicher Gesamtverbrauch"_s, u"Kleinster Durchschnittsverbrauch"_s,
                                    u"Höchster Durchschnittsverbrauch"_s};
    GV_Label0->setText(titel[seite]);

    WertLabelsFuellen(InfoLabels(), VerbrauchsDetails(w, Tankinhalt), Tankinhalt != 0);

    // The totals run from the first value driven to the last. Found by the
    // odometer, so that the period is right in every sort order; sorted by
    // date, these are the list's ends, swapped when reversed.
    std::string von = w.Bezeichnung;
    std::string bis = w.Bezeichnung;
    if (seite == 0 && !VerbrauchsListe.empty()) {
        const auto erster = std::min_element(VerbrauchsListe.begin(), VerbrauchsListe.end(),
                                             [](const TVerbrauchsWert &a, const TVerbrauchsWert &b) {
                                                 return a.VonKM < b.VonKM;
                                             });
        const auto letzter = std::max_element(VerbrauchsListe.begin(), VerbrauchsListe.end(),
                                              [](const TVerbrauchsWert &a, const TVerbrauchsWert &b) {
                                                  return a.BisKM < b.BisKM;
                                              });
        von = erster->Bezeichnung;
        bis = letzter->Bezeichnung;
    }
    m_infoRaster->removeWidget(GV_Label1d1);
    if (von != bis) {
        m_infoRaster->addWidget(GV_Label1d1, 2, 3);
        GV_Label1d1->setText(Q(von));
        GV_Label1d2->setText(Q(bis));
        GV_Label1d2->show();
    } else {
        // One period: between the two lines.
        m_infoRaster->addWidget(GV_Label1d1, 2, 3, 2, 1, Qt::AlignVCenter);
        GV_Label1d1->setText(Q(w.Bezeichnung));
        GV_Label1d2->hide();
    }

    GV_Label8->setText(seite == 0 ? WarnungLetzte : WarnungDiese);
    GV_Label8->setVisible(w.Vollgetankt == 0);
}

void TForm3::GV_OkClick()
{
    AnzBox2->hide();
    GV_Ok->setDefault(false);
    BedienungFreigeben(true);
    if (TabellenAnsicht)
        Tabelle1->setFocus(Qt::OtherFocusReason);
    else
        ScrollBar1->setFocus(Qt::OtherFocusReason);
}

// ---- printing --------------------------------------------------------------------------

void TForm3::DruckButton1Click()
{
    DruckUeberschrift = VerbrauchsDruckTitel();
    DruckHinweis1 = Text(InfoLabel2->text());
    DruckHinweis2 = VerbrauchsDruckHinweis();
    DruckVerbrauchsListe = &VerbrauchsListe;
    DruckAnzahlVerbrauchswerte = AnzahlVerbrauchswerte();
    // The graph needs the values in date order: sorted otherwise, only the
    // table is printed, and the user's choice comes back afterwards.
    const bool nurTabelle = Sortierung > 1;
    const uint8_t verbrauchsArt = DruckVerbrauchsArt;
    if (nurTabelle)
        DruckVerbrauchsArt = 3;
    Form4Holen(m_hauptfenster)->VerbrauchDrucken(nurTabelle);
    if (nurTabelle)
        DruckVerbrauchsArt = verbrauchsArt;
}

void TForm3::DruckuebergabeLoesen()
{
    if (DruckVerbrauchsListe == &VerbrauchsListe) {
        DruckVerbrauchsListe = nullptr;
        DruckAnzahlVerbrauchswerte = 0;
    }
}
