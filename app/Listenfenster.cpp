#include "Listenfenster.h"

#include "Widgethilfen.h"
#include "core/Sprilo_Dek.h"
#include "core/Zusatz1.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

const QScreen *Bildschirm(const QWidget *fenster)
{
    return fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
}

} // namespace

// ---- the table ----------------------------------------------------------------

void ListentabelleEinrichten(QTableView *tabelle, int zeilenAbstand)
{
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setTabKeyNavigation(false);
    tabelle->setWordWrap(false);
    tabelle->setCornerButtonEnabled(false);
    tabelle->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    QHeaderView *zeilen = tabelle->verticalHeader();
    zeilen->setSectionResizeMode(QHeaderView::Fixed);
    zeilen->setMinimumSectionSize(1);
    zeilen->setDefaultSectionSize(tabelle->fontMetrics().height() + zeilenAbstand);
    zeilen->hide();
    QHeaderView *koepfe = tabelle->horizontalHeader();
    koepfe->setHighlightSections(false);
    koepfe->setSectionsClickable(false);
    koepfe->setStretchLastSection(false);
    koepfe->setMinimumSectionSize(8);
}

int SpalteNoetig(const QTableView *tabelle, const QString &muster, const QString &kopf)
{
    const QFontMetrics m = tabelle->fontMetrics();
    const int rand = 2 * (m.averageCharWidth() / 2 + 3) + 2;
    const QHeaderView *koepfe = tabelle->horizontalHeader();
    const int kopfRand = 2 * koepfe->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, koepfe) + 2;
    return std::max(m.horizontalAdvance(muster) + rand, koepfe->fontMetrics().horizontalAdvance(kopf) + kopfRand);
}

void TabellenbreiteMindestens(QTableView *tabelle, int spalten)
{
    const int rahmen = 2 * tabelle->frameWidth()
                       + tabelle->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tabelle) + 4;
    tabelle->setMinimumWidth(spalten + rahmen);
}

void ZeileMarkieren(QTableView *tabelle, int32_t zeile)
{
    QItemSelectionModel *auswahl = tabelle->selectionModel();
    const QAbstractItemModel *modell = tabelle->model();
    if (zeile < 1 || zeile > modell->rowCount()) {
        auswahl->clear();
        return;
    }
    auswahl->setCurrentIndex(modell->index(zeile - 1, 0),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int32_t MarkierteZeile(const QTableView *tabelle)
{
    const QModelIndex index = tabelle->selectionModel()->currentIndex();
    return index.isValid() ? index.row() + 1 : 0;
}

int32_t ErsteSichtbareZeile(const QTableView *tabelle)
{
    return tabelle->rowAt(0) + 1;
}

QString ZeilenZaehler(int64_t nr, int64_t anzahl)
{
    return Q(ZahlMitPunkten(nr, 1)) + u" / "_s + Q(ZahlMitPunkten(anzahl, 1));
}

// ---- the window ----------------------------------------------------------------

QVBoxLayout *EigenesFensterEinrichten(QDialog *fenster, const QString &titel)
{
    fenster->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    fenster->setWindowTitle(titel);
    fenster->setAttribute(Qt::WA_QuitOnClose, false);

    auto *haupt = new QVBoxLayout(fenster);
    haupt->setContentsMargins(8, 6, 8, 8);
    haupt->setSpacing(6);
    return haupt;
}

void FenstergroesseFestlegen(QWidget *fenster, int designBreite, int designHoehe)
{
    QLayout *haupt = fenster->layout();
    haupt->invalidate();
    haupt->activate();
    const QSize noetig = haupt->totalMinimumSize();
    QSize design(static_cast<int>(std::lround(designBreite * Fensterfaktor)),
                 static_cast<int>(std::lround(designHoehe * Fensterfaktor)));
    if (const QScreen *schirm = Bildschirm(fenster))
        design = design.boundedTo(schirm->availableGeometry().size() - QSize(16, 48));
    fenster->setFixedSize(std::max(design.width(), noetig.width()), std::max(design.height(), noetig.height()));
    haupt->invalidate();
    haupt->activate();
}

void Zentrieren(QWidget *fenster)
{
    const QScreen *schirm = Bildschirm(fenster);
    if (!schirm)
        return;
    QRect rahmen = fenster->frameGeometry();
    rahmen.moveCenter(schirm->availableGeometry().center());
    fenster->move(rahmen.topLeft());
}

// ---- the menu bar ----------------------------------------------------------------

QMenuBar *Menueleiste(QWidget *fenster, QVBoxLayout *haupt)
{
    auto *leiste = new QMenuBar(fenster);
    leiste->setObjectName(u"MainMenu1"_s);
    haupt->setMenuBar(leiste);
    return leiste;
}

QMenu *Menue(QMenuBar *leiste, const char *name, const QString &text)
{
    QMenu *menue = leiste->addMenu(text);
    menue->setObjectName(QString::fromLatin1(name));
    menue->menuAction()->setObjectName(QString::fromLatin1(name));
    return menue;
}

QAction *Menueeintrag(QMenu *menue, const char *name, const QString &text)
{
    QAction *a = menue->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QAction *Menueeintrag(QMenuBar *leiste, const char *name, const QString &text)
{
    QAction *a = leiste->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}
