#include "PanelTankList.h"

#include "Cp1252.h"
#include "Eingabefelder.h"
#include "Format.h"
#include "Konfiguration.h"
#include "Meldungen.h"
#include "Sprilo_1.h"
#include "Sprilo_Dek.h"
#include "Widgethilfen.h"
#include "Zusatz1.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

// ---- TPanelTankList -----------------------------------------------------------

TPanelTankList::TPanelTankList(TForm1 *form1, QWidget *parent)
    : QFrame(parent)
    , m_form1(form1)
{
    PT_Label1 = new QLabel(u"Gespeicherte Tankstellen"_s, this);
    PT_Label1->setObjectName(u"PT_Label1"_s);

    PT_Liste = new QListWidget(this);
    PT_Liste->setObjectName(u"PT_Liste"_s);
    PT_Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for half the list without scrolling even in a cramped work area;
    // the list takes whatever height the panel has beyond that.
    PT_Liste->setMinimumHeight(5 * (fontMetrics().lineSpacing() + 2) + 2 * PT_Liste->frameWidth());

    PT_Edit1 = new QLineEdit(this);
    PT_Edit1->setObjectName(u"PT_Edit1"_s);
    PT_Edit1->setMaxLength(KapazitaetTankstelle);
    NurSpeicherbareZeichen(PT_Edit1, [this](const QString &hinweis) { m_form1->ZeichenAbgelehnt(hinweis); });

    auto knopf = [this](const char *name, const QString &text) {
        auto *k = new QPushButton(text, this);
        k->setObjectName(QString::fromLatin1(name));
        // Enter on a focused button presses it, as the user knows it from
        // dialogs; outside a dialog Qt would only react to the space bar.
        k->setAutoDefault(true);
        return k;
    };
    PT_Button1 = knopf("PT_Button1", u"Nach &oben"_s);
    PT_Button2 = knopf("PT_Button2", u"Nach &unten"_s);
    PT_Button3 = knopf("PT_Button3", u"&Löschen"_s);
    PT_Button4 = knopf("PT_Button4", u"&Einfügen"_s);
    PT_Button5 = knopf("PT_Button5", u"Liste ü&bernehmen"_s);
    PT_Button6 = knopf("PT_Button6", u"&Abbrechen"_s);

    // The list with its buttons beside it, the new name below the list and
    // the two closing buttons at the bottom. The buttons on the right share
    // one column width, so they line up whatever the font.
    // Spacing follows the font so that the buttons do not crowd each other
    // when the platform enlarges the texts.
    const int abstand = PanelAbstand(this);
    auto *raster = new QGridLayout(this);
    raster->setHorizontalSpacing(abstand);
    raster->setVerticalSpacing(abstand);
    raster->addWidget(PT_Label1, 0, 0, 1, 2);
    raster->addWidget(PT_Liste, 1, 0);
    auto *sortierKnoepfe = new QVBoxLayout;
    sortierKnoepfe->setSpacing(abstand);
    sortierKnoepfe->addWidget(PT_Button1);
    sortierKnoepfe->addWidget(PT_Button2);
    sortierKnoepfe->addSpacing(fontMetrics().height());
    sortierKnoepfe->addWidget(PT_Button3);
    sortierKnoepfe->addStretch(1);
    raster->addLayout(sortierKnoepfe, 1, 1);
    raster->addWidget(PT_Edit1, 2, 0);
    raster->addWidget(PT_Button4, 2, 1);
    auto *linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    raster->addWidget(linie, 3, 0, 1, 2);
    auto *endeKnoepfe = new QHBoxLayout;
    endeKnoepfe->setSpacing(abstand);
    endeKnoepfe->addStretch(1);
    endeKnoepfe->addWidget(PT_Button5);
    endeKnoepfe->addWidget(PT_Button6);
    raster->addLayout(endeKnoepfe, 4, 0, 1, 2);
    raster->setRowStretch(1, 1);
    raster->setColumnStretch(0, 1);

    // The name field comes first: the panel opens with the focus in it.
    setTabOrder(PT_Edit1, PT_Button4);
    setTabOrder(PT_Button4, PT_Liste);
    setTabOrder(PT_Liste, PT_Button1);
    setTabOrder(PT_Button1, PT_Button2);
    setTabOrder(PT_Button2, PT_Button3);
    setTabOrder(PT_Button3, PT_Button5);
    setTabOrder(PT_Button5, PT_Button6);

    connect(PT_Button1, &QPushButton::clicked, m_form1, [this] { m_form1->PT_SortClick(PT_Button1); });
    connect(PT_Button2, &QPushButton::clicked, m_form1, [this] { m_form1->PT_SortClick(PT_Button2); });
    connect(PT_Button3, &QPushButton::clicked, m_form1, &TForm1::PT_TankLoesch);
    connect(PT_Button4, &QPushButton::clicked, m_form1, &TForm1::PT_Einfuegen);
    // Enter in the name field inserts it: typing a name and pressing Enter
    // is what one does.
    connect(PT_Edit1, &QLineEdit::returnPressed, m_form1, &TForm1::PT_Einfuegen);
    connect(PT_Button5, &QPushButton::clicked, m_form1, [this] { m_form1->PT_Ende(PT_Button5); });
    connect(PT_Button6, &QPushButton::clicked, m_form1, [this] { m_form1->PT_Ende(PT_Button6); });
    // Esc cancels, as in a dialog, wherever the focus is in the panel.
    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, m_form1, [this] { m_form1->PT_Ende(PT_Button6); });
}

int TPanelTankList::Auswahl() const
{
    const QListWidgetItem *eintrag = PT_Liste->currentItem();
    return eintrag && eintrag->isSelected() ? PT_Liste->row(eintrag) : -1;
}

// ---- TForm1: the station list ---------------------------------------------------

void TForm1::MP_2_6Click()
{
    PanelsSchliessen();
    MP_5_1b_4->setVisible(true);
    PanelTankList->show();

    QListWidget *liste = PanelTankList->PT_Liste;
    liste->clear();
    for (int i = 0; i < AnzahlTankstellen && i < MaxTankstellen; ++i)
        liste->addItem(QString::fromStdString(Tankstellen[i]));

    PanelTankList->PT_Edit1->clear();
    PanelTankList->PT_Edit1->setFocus();
    if (liste->count() > 0)
        liste->setCurrentRow(0);
}

void TForm1::PT_SortClick(QObject *sender)
{
    QListWidget *liste = PanelTankList->PT_Liste;
    const int i = PanelTankList->Auswahl();
    if (i < 0)
        return;
    int ziel = -1;
    if (sender == PanelTankList->PT_Button1 && i > 0)
        ziel = i - 1;
    else if (sender == PanelTankList->PT_Button2 && i + 1 < liste->count())
        ziel = i + 1;
    if (ziel < 0)
        return;
    const QString text = liste->item(i)->text();
    liste->item(i)->setText(liste->item(ziel)->text());
    liste->item(ziel)->setText(text);
    liste->setCurrentRow(ziel);
}

void TForm1::PT_TankLoesch()
{
    QListWidget *liste = PanelTankList->PT_Liste;
    const int i = PanelTankList->Auswahl();
    if (i < 0)
        return;
    delete liste->takeItem(i);
    // Qt would make the neighbour current; the list is left without a
    // selection so that a second press deletes nothing by accident.
    liste->setCurrentRow(-1);
    liste->clearSelection();
}

void TForm1::PT_Einfuegen()
{
    QListWidget *liste = PanelTankList->PT_Liste;
    QLineEdit *edit = PanelTankList->PT_Edit1;
    if (liste->count() >= MaxTankstellen) {
        Melden(TMeldungsNr::TankstellenlisteVoll, {Format("%d", {MaxTankstellen})});
        return;   // the name stays in the field for after a deletion
    }
    // Taken as typed: neither trimmed nor checked against the list, so a
    // name may well appear twice.
    if (!edit->text().isEmpty()) {
        liste->addItem(edit->text());
        liste->setCurrentRow(liste->count() - 1);
    }
    edit->clear();
    FehlerBox1->hide();   // a remark on refused characters is done with
}

void TForm1::PT_Ende(QObject *sender)
{
    if (sender == PanelTankList->PT_Button5) {
        const QListWidget *liste = PanelTankList->PT_Liste;
        std::vector<std::string> namen;
        for (int i = 0; i < liste->count(); ++i)
            namen.push_back(liste->item(i)->text().toStdString());
        if (TankstellenlisteUebernehmen(namen))
            Gespeichert = false;
    }
    PanelsSchliessen();
    StatusAnzeigen();
}
