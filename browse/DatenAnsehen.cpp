// The view mode of the list window (3): sorting the selection, selecting
// anew inside the window, the summary pages and the hand-over to printing.
#include "Sprilo_2.h"

#include "Auswahl.h"
#include "Fuellungstabelle.h"
#include "PanelTankAnsicht.h"
#include "core/Konfiguration.h"
#include "core/Meldungen.h"
#include "core/Zusatz1.h"
#include "print/Druckuebergabe.h"
#include "print/Sprilo_4.h"

#include "Hilfe.h"
#include "Widgethilfen.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QFont Fett(QFont schrift)
{
    schrift.setBold(true);
    return schrift;
}

// The pictures of the five sort buttons: a calendar sheet, the euro sign,
// a drop, euros per litre and two opposite arrows. Drawn on a 24 × 24 grid.
QIcon SortierSymbol(int nr)
{
    QIcon icon;
    for (const int groesse : {16, 20, 24, 32, 48}) {
        QPixmap bild(groesse, groesse);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(groesse / 24.0, groesse / 24.0);
        const QColor umriss(0x3a, 0x3a, 0x3a);
        const QColor blau(0x2a, 0x64, 0xc8);
        const QColor rot(0xd8, 0x24, 0x24);
        p.setPen(QPen(umriss, 1.5));
        switch (nr) {
        case 1: {
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(3.5, 4.5, 17, 16), 1.5, 1.5);
            p.fillRect(QRectF(4.25, 5.25, 15.5, 4.5), rot);
            p.setPen(Qt::NoPen);
            p.setBrush(umriss);
            for (int zeile = 0; zeile < 3; ++zeile)
                for (int spalte = 0; spalte < 4; ++spalte)
                    p.drawRect(QRectF(6 + spalte * 3.3, 11.5 + zeile * 2.9, 1.8, 1.8));
            break;
        }
        case 2:
        case 4: {
            QFont schrift(u"Liberation Sans"_s);
            schrift.setBold(true);
            schrift.setPixelSize(nr == 2 ? 20 : 12);
            p.setFont(schrift);
            p.setPen(nr == 2 ? blau : umriss);
            p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, nr == 2 ? u"€"_s : u"€/l"_s);
            break;
        }
        case 3: {
            QPainterPath tropfen;
            tropfen.moveTo(12, 2.5);
            tropfen.cubicTo(15, 8, 19, 11.5, 19, 15);
            tropfen.arcTo(QRectF(5, 8, 14, 14), 0, -180);
            tropfen.cubicTo(5, 11.5, 9, 8, 12, 2.5);
            p.setBrush(blau);
            p.drawPath(tropfen);
            break;
        }
        default: {
            p.setPen(QPen(umriss, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(8, 4), QPointF(8, 20));
            p.drawPolyline(QPolygonF({QPointF(4, 8), QPointF(8, 4), QPointF(12, 8)}));
            p.drawLine(QPointF(16, 4), QPointF(16, 20));
            p.drawPolyline(QPolygonF({QPointF(12, 16), QPointF(16, 20), QPointF(20, 16)}));
            break;
        }
        }
        p.end();
        icon.addPixmap(bild);
    }
    return icon;
}

} // namespace

// ---- building ------------------------------------------------------------------

void TForm2::SortierKnoepfeAufbauen(QHBoxLayout *knoepfe)
{
    m_sortierKnoepfe = new QButtonGroup(this);
    m_sortierKnoepfe->setExclusive(true);
    const struct {
        QToolButton *TForm2::*Ziel;
        const char *Name;
        QString Hinweis;
    } sortierKnoepfe[] = {
        {&TForm2::SpeedButton1, "SpeedButton1", u"Nach Datum / KM-Stand sortiert"_s},
        {&TForm2::SpeedButton2, "SpeedButton2", u"Nach Betrag sortiert"_s},
        {&TForm2::SpeedButton3, "SpeedButton3", u"Nach getankter Menge sortiert"_s},
        {&TForm2::SpeedButton4, "SpeedButton4", u"Nach Literpreis sortiert"_s},
        {&TForm2::SpeedButton5, "SpeedButton5", u"Sortierreihenfolge umkehren"_s},
    };
    const int symbol = std::max(22, fontMetrics().height() + 8);
    int nr = 0;
    for (const auto &k : sortierKnoepfe) {
        auto *knopf = new QToolButton(LabelPanel2);
        knopf->setObjectName(QString::fromLatin1(k.Name));
        knopf->setToolTip(k.Hinweis);
        knopf->setIcon(SortierSymbol(++nr));
        knopf->setIconSize(QSize(symbol, symbol));
        knopf->setCheckable(true);
        knopf->setAutoRaise(true);
        if (nr == 5)
            knoepfe->addSpacing(10);
        else
            m_sortierKnoepfe->addButton(knopf);
        knoepfe->addWidget(knopf);
        connect(knopf, &QToolButton::clicked, this, [this, knopf] { SpeedButtonClick(knopf); });
        this->*(k.Ziel) = knopf;
    }
}

void TForm2::DatInfoAufbauen(QWidget *flaeche)
{
    DatInfo1 = new QTabWidget(flaeche);
    DatInfo1->setObjectName(u"DatInfo1"_s);
    DatInfo1->setToolTip(u"Infos zu den gefundenen Tankfüllungen"_s);
    DatInfo1->setAutoFillBackground(true);
    HilfeKontextSetzen(DatInfo1, 340);

    auto label = [](QWidget *seite, const char *name, const QString &text = QString()) {
        auto *l = new QLabel(text, seite);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    // One page: a heading, rows of caption and value, the "&Ok" button.
    auto seite = [&](QWidget *&ziel, const char *name, const QString &titel, QPushButton *&ok,
                     const char *okName) {
        ziel = new QWidget;
        ziel->setObjectName(QString::fromLatin1(name));
        DatInfo1->addTab(ziel, titel);
        ok = new QPushButton(u"&Ok"_s, ziel);
        ok->setObjectName(QString::fromLatin1(okName));
        ok->setToolTip(u"Infofenster schließen"_s);
        ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
        connect(ok, &QPushButton::clicked, this, &TForm2::DI_ButtonClick);
        auto *raster = new QGridLayout(ziel);
        raster->setContentsMargins(16, 12, 16, 12);
        raster->setHorizontalSpacing(16);
        raster->setVerticalSpacing(8);
        return raster;
    };
    auto ueberschrift = [](QLabel *l) {
        l->setFont(Fett(l->font()));
        FarbeSetzen(l, QPalette::WindowText, Farbe(12));
    };
    auto abschluss = [](QGridLayout *raster, int zeile, QPushButton *ok) {
        raster->setRowStretch(zeile, 1);
        raster->addWidget(ok, zeile + 1, 0, 1, 2, Qt::AlignRight);
        raster->setColumnStretch(1, 1);
    };

    QGridLayout *r = seite(Seite1, "Seite1", u"Allgemeines"_s, DI_Button1, "DI_Button1");
    DI_Label1 = label(Seite1, "DI_Label1", u"Zusammenfassung der gefundenen Tankfüllungen"_s);
    ueberschrift(DI_Label1);
    DI_Label2 = label(Seite1, "DI_Label2");
    DI_Label3 = label(Seite1, "DI_Label3", u"Gesamtbertag :"_s);
    DI_Label3a = label(Seite1, "DI_Label3a");
    DI_Label4 = label(Seite1, "DI_Label4", u"Gesamt Literzahl :"_s);
    DI_Label4a = label(Seite1, "DI_Label4a");
    DI_Label5 = label(Seite1, "DI_Label5", u"Durchschnittlicher Literpreis :  (gerundet)"_s);
    DI_Label5a = label(Seite1, "DI_Label5a");
    r->addWidget(DI_Label1, 0, 0, 1, 2);
    r->addWidget(DI_Label2, 1, 0, 1, 2);
    r->addWidget(DI_Label3, 2, 0);
    r->addWidget(DI_Label3a, 2, 1);
    r->addWidget(DI_Label4, 3, 0);
    r->addWidget(DI_Label4a, 3, 1);
    r->addWidget(DI_Label5, 4, 0);
    r->addWidget(DI_Label5a, 4, 1);
    abschluss(r, 5, DI_Button1);

    // Pages 2 to 4: smallest, largest and average of one value.
    const struct {
        QWidget *TForm2::*Seite;
        const char *Name;
        QString Titel;
        QPushButton *TForm2::*Ok;
        const char *OkName;
        QLabel *TForm2::*Labels[7];
        const char *LabelNamen[7];
        QString Texte[4];
    } seiten[] = {
        {&TForm2::Seite2, "Seite2", u"Info Betrag"_s, &TForm2::DI_Button2, "DI_Button2",
         {&TForm2::DI2_Label1, &TForm2::DI2_Label2, &TForm2::DI2_Label3, &TForm2::DI2_Label4, &TForm2::DI2_Label5,
          &TForm2::DI2_Label6, &TForm2::DI2_Label7},
         {"DI2_Label1", "DI2_Label2", "DI2_Label3", "DI2_Label4", "DI2_Label5", "DI2_Label6", "DI2_Label7"},
         {u"Zusammenstellung nach Betrag"_s, u"Geringster Betrag"_s, u"Höchster Betrag"_s,
          u"Durchschnittlicher Betrag"_s}},
        {&TForm2::Seite3, "Seite3", u"Info Liter"_s, &TForm2::DI_Button3, "DI_Button3",
         {&TForm2::DI3_Label1, &TForm2::DI3_Label2, &TForm2::DI3_Label3, &TForm2::DI3_Label4, &TForm2::DI3_Label5,
          &TForm2::DI3_Label6, &TForm2::DI3_Label7},
         {"DI3_Label1", "DI3_Label2", "DI3_Label3", "DI3_Label4", "DI3_Label5", "DI3_Label6", "DI3_Label7"},
         {u"Zusammenstellung nach Liter"_s, u"Geringstes Tankvolumen"_s, u"Größtes Tankvolumen"_s,
          u"Durchschnittliches Tankvolumen"_s}},
        {&TForm2::Seite4, "Seite4", u"Info Literpreis"_s, &TForm2::DI_Button4, "DI_Button4",
         {&TForm2::DI4_Label1, &TForm2::DI4_Label2, &TForm2::DI4_Label3, &TForm2::DI4_Label4, &TForm2::DI4_Label5,
          &TForm2::DI4_Label6, &TForm2::DI4_Label7},
         {"DI4_Label1", "DI4_Label2", "DI4_Label3", "DI4_Label4", "DI4_Label5", "DI4_Label6", "DI4_Label7"},
         {u"Zusammenstellung nach Literpreis"_s, u"Geringster Literpreis"_s, u"Höchster Literpreis"_s,
          u"Durchschnittlicher Literpreis"_s}},
    };
    for (const auto &s : seiten) {
        QGridLayout *raster = seite(this->*(s.Seite), s.Name, s.Titel, this->*(s.Ok), s.OkName);
        QWidget *w = this->*(s.Seite);
        for (int i = 0; i < 7; ++i) {
            // Captions are labels 1, 2, 4 and 6; values 3, 5 and 7.
            const bool beschriftung = i == 0 || i % 2 == 1;
            this->*(s.Labels[i]) = label(w, s.LabelNamen[i], beschriftung ? s.Texte[(i + 1) / 2] : QString());
        }
        ueberschrift(this->*(s.Labels[0]));
        raster->addWidget(this->*(s.Labels[0]), 0, 0, 1, 2);
        for (int i = 0; i < 3; ++i) {
            raster->addWidget(this->*(s.Labels[1 + 2 * i]), 1 + i, 0);
            raster->addWidget(this->*(s.Labels[2 + 2 * i]), 1 + i, 1);
        }
        abschluss(raster, 4, this->*(s.Ok));
    }
    // The page's "&Ok" answers Enter.
    connect(DatInfo1, &QTabWidget::currentChanged, this, [this](int seite) {
        const QPushButton *ok[] = {DI_Button1, DI_Button2, DI_Button3, DI_Button4};
        if (seite >= 0 && seite < 4)
            const_cast<QPushButton *>(ok[seite])->setDefault(true);
    });
    // Values of the widest kind must fit in.
    const QFontMetrics m = DI_Label3a->fontMetrics();
    const int wert = m.horizontalAdvance(u"EUR 99.999.999,99 am 31.12.2099 bei KM 99.999.999"_s);
    for (QLabel *l : {DI_Label3a, DI2_Label3, DI3_Label3, DI4_Label3})
        l->setMinimumWidth(wert);
}

// ---- view: sorting ---------------------------------------------------------------

void TForm2::SortierAnzeigeSetzen()
{
    LP2_Label2->setText(Q(SortierungsText(FuellungsSortierung, FuellungenUmgekehrt)));
    const int schluessel = std::clamp<int>(FuellungsSortierung, 1, 4);
    QToolButton *knoepfe[] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4};
    QAction *eintraege[] = {MP2_1, MP2_2, MP2_3, MP2_4};
    knoepfe[schluessel - 1]->setChecked(true);
    eintraege[schluessel - 1]->setChecked(true);
    SpeedButton5->setChecked(FuellungenUmgekehrt);
    MP2_5->setChecked(FuellungenUmgekehrt);
}

void TForm2::Sortieren()
{
    LP2_Label2->setText(QString::fromUtf8(SortierWarteText));
    LP2_Label2->setAutoFillBackground(true);
    FarbeSetzen(LP2_Label2, QPalette::Window, Farbe(14));
    FarbeSetzen(LP2_Label2, QPalette::WindowText, Farbe(0));
    // Painted now: the sort keeps the window busy until it is done.
    if (SortInfo->isVisible())
        SortInfo->repaint();
    if (LP2_Label2->isVisible())
        LP2_Label2->repaint();
    AuswahlSortieren();
    LP2_Label2->setAutoFillBackground(false);
    LP2_Label2->setPalette(QPalette());
    LP2_Label2->setText(Q(SortierungsText(FuellungsSortierung, FuellungenUmgekehrt)));
}

void TForm2::SpeedButtonClick(QObject *sender)
{
    const uint8_t alteSortierung = FuellungsSortierung;
    const bool altUmgekehrt = FuellungenUmgekehrt;
    const QObject *schluessel[4][2] = {
        {SpeedButton1, MP2_1}, {SpeedButton2, MP2_2}, {SpeedButton3, MP2_3}, {SpeedButton4, MP2_4}};
    for (int i = 0; i < 4; ++i)
        if (sender == schluessel[i][0] || sender == schluessel[i][1])
            FuellungsSortierung = static_cast<uint8_t>(i + 1);
    if (sender == SpeedButton5 || sender == MP2_5)
        FuellungenUmgekehrt = !altUmgekehrt;
    SortierAnzeigeSetzen();
    if (FuellungsSortierung == alteSortierung && FuellungenUmgekehrt == altUmgekehrt)
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    BedienungFreigeben(false, true);
    Sortieren();
    TabelleFuellen(&AuswahlListe, 3);
    BedienungFreigeben(true, true);
    QApplication::restoreOverrideCursor();
}

// ---- view: a new selection ---------------------------------------------------------

void TForm2::Dat_NeuClick()
{
    if (FensterModus != 3)
        return;
    BedienungFreigeben(false, false);
    Tabelle1->setEnabled(false);
    PanelTankAnsicht->show();
    PanelTankAnsicht->raise();
    PanelTankAnsicht->PTA_Button1->setDefault(true);
    PanelTankAnsicht->Fuellen();
}

void TForm2::PTA_ButtonClick(QObject *sender)
{
    Q_UNUSED(sender);
    PanelTankAnsicht->JahrUndZeitraumUebernehmen();
    // The table reads the selection, which is built anew now.
    Modell->Setzen(nullptr, false);
    AuswahlBilden();
    if (AuswahlAnzahl() == 0) {
        Melden(TMeldungsNr::KeineFuellungenGefunden, {AuswahlText()});
        done(QDialog::Rejected);
        return;
    }
    SortierAnzeigeSetzen();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LP2_Label1->setText(Q(AuswahlText()));
    Sortieren();
    TabelleFuellen(&AuswahlListe, 3);
    BedienungFreigeben(true, false);
    Tabelle1->setEnabled(true);
    PanelTankAnsicht->hide();
    QApplication::restoreOverrideCursor();
    Tabelle1->setFocus(Qt::OtherFocusReason);
}

// ---- view: the summary and the print ------------------------------------------------

void TForm2::Daten_InfoClick()
{
    if (FensterModus != 3)
        return;
    BedienungFreigeben(false, false);
    Tabelle1->setEnabled(false);
    const TAuswahlZusammenfassung z = AuswahlZusammenfassen(AuswahlListe);
    const struct {
        QLabel *Label;
        const std::string &Text;
    } werte[] = {
        {DI_Label2, z.Gefunden},           {DI_Label3a, z.Gesamtbetrag},
        {DI_Label4a, z.GesamtLiter},       {DI_Label5a, z.LiterpreisGerundet},
        {DI2_Label3, z.GeringsterBetrag},  {DI2_Label5, z.HoechsterBetrag},
        {DI2_Label7, z.DurchschnittBetrag}, {DI3_Label3, z.GeringsteMenge},
        {DI3_Label5, z.GroessteMenge},     {DI3_Label7, z.DurchschnittMenge},
        {DI4_Label3, z.GeringsterLiterpreis}, {DI4_Label5, z.HoechsterLiterpreis},
        {DI4_Label7, z.DurchschnittLiterpreis},
    };
    for (const auto &w : werte)
        w.Label->setText(Q(w.Text));
    DatInfo1->setCurrentIndex(0);
    DatInfo1->show();
    DatInfo1->raise();
    DI_Button1->setDefault(true);
    DatInfo1->setFocus(Qt::OtherFocusReason);
}

void TForm2::DI_ButtonClick()
{
    DatInfo1->hide();
    Tabelle1->setEnabled(true);
    BedienungFreigeben(true, false);
    EndeButton->setFocus(Qt::OtherFocusReason);
}

void TForm2::Btn_Druck1Click()
{
    if (FensterModus != 3)
        return;
    BedienungFreigeben(false, false);
    EndeButton->setEnabled(false);
    DruckUeberschrift = LP2_Label1->text().toStdString();
    DruckHinweis1 = LP2_Label2->text().toStdString();
    DruckListe = &AuswahlListe;
    Form4Holen(nullptr)->TankfuellungenDrucken();
    BedienungFreigeben(true, false);
    DruckUeberschrift.clear();
    DruckHinweis1.clear();
    DruckListe = nullptr;
}

