#include "Auswahllisten.h"

#include "Widgethilfen.h"
#include "core/Monate.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

void AuswahllisteEinrichten(QComboBox *liste)
{
    liste->setMaxVisibleItems(12);
    // Styles that open a list over the current entry ignore the line count
    // and would show years of months at once.
    liste->setStyleSheet(u"QComboBox { combobox-popup: 0; }"_s);
    liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    liste->setMinimumContentsLength(7);
    // The inputs of a choice appear and disappear; the group keeps its size
    // so that nothing below it moves.
    BleibtVerborgenStehen(liste);
}

QComboBox *Auswahlliste(QWidget *eltern, const char *name, const QString &hinweis)
{
    auto *c = new QComboBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setToolTip(hinweis);
    AuswahllisteEinrichten(c);
    return c;
}

QLabel *ListenBeschriftung(QWidget *eltern, const char *name, const QString &text, QWidget *liste)
{
    auto *l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(liste);
    BleibtVerborgenStehen(l);
    return l;
}

void JahreFuellen(QComboBox *liste, uint16_t jahr)
{
    liste->clear();
    if (Fuellungen.empty())
        return;
    for (uint16_t j : JahresListe(Fuellungen.front().Datum, Fuellungen.back().Datum))
        liste->addItem(QString::number(j));
    liste->setCurrentIndex(std::max(0, liste->findText(QString::number(jahr))));
}

void MonateFuellen(QComboBox *von, QComboBox *bis, const TDatum &zeitraumVon, const TDatum &zeitraumBis)
{
    von->clear();
    bis->clear();
    if (Fuellungen.empty())
        return;
    const std::vector<std::string> monate = MonatsListe(Fuellungen.front().Datum, Fuellungen.back().Datum);
    for (const std::string &m : monate) {
        von->addItem(Q(m));
        bis->addItem(Q(m));
    }
    const int v = MonatsIndex(monate, zeitraumVon);
    const int b = MonatsIndex(monate, zeitraumBis);
    von->setCurrentIndex(v >= 0 ? v : 0);
    bis->setCurrentIndex(b >= 0 ? b : bis->count() - 1);
}

bool JahrLesen(const QComboBox *liste, uint16_t &jahr)
{
    bool ok = false;
    const uint16_t gewaehlt = liste->currentText().toUShort(&ok);
    if (ok)
        jahr = gewaehlt;
    return ok;
}

bool ZeitraumLesen(const QComboBox *von, const QComboBox *bis, TDatum &zeitraumVon, TDatum &zeitraumBis)
{
    if (von->currentIndex() < 0 || bis->currentIndex() < 0)
        return false;
    TDatum erster = MonatsEintragLesen(Text(von->currentText()));
    TDatum letzter = MonatsEintragLesen(Text(bis->currentText()));
    ZeitraumOrdnen(erster, letzter);
    zeitraumVon = erster;
    zeitraumBis = letzter;
    return true;
}

void Gruppierungsradios(QGroupBox *gruppe, const char *const namen[4], QRadioButton *ziel[4])
{
    static const char16_t *const texte[4][2] = {
        {u"&Einzeln", u"Jeden Verbrauchswert einzeln anzeigen"},
        {u"&Monatsweise", u"Die Verbrauchswerte monatlich auflisten"},
        {u"&Quartalsweise", u"Die Verbrauchswerte quartalsweise auflisten"},
        {u"&Jahresweise", u"Die Verbrauchswerte jahresweise auflisten"},
    };
    const int abstand = PanelAbstand(gruppe);
    auto *stapel = new QVBoxLayout(gruppe);
    stapel->setContentsMargins(abstand, abstand / 2, abstand, abstand);
    stapel->setSpacing(abstand / 2);
    for (int i = 0; i < 4; ++i) {
        ziel[i] = Radio(gruppe, namen[i], QString::fromUtf16(texte[i][0]), QString::fromUtf16(texte[i][1]));
        stapel->addWidget(ziel[i]);
    }
    stapel->addStretch(1);
}
