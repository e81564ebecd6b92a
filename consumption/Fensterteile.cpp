#include "Fensterteile.h"

#include "consumption/Verbrauchstexte.h"

#include "Widgethilfen.h"

#include <QByteArray>

#include <utility>

using namespace Qt::Literals::StringLiterals;

void WertLabelsAnlegen(const TWertLabels &l, QWidget *eltern, const char *praefix, int fahrstreckeNr)
{
    const auto label = [eltern, praefix](QLabel *&ziel, const QByteArray &name, const QString &text = QString()) {
        ziel = Beschriftung(eltern, (praefix + name).constData(), text);
    };
    const QByteArray fahrstrecke = "Label" + QByteArray::number(fahrstreckeNr);
    label(l.VonText, "Label1a1", u"Verbrauch von KM"_s);
    label(l.VonKM, "Label1b1");
    label(l.VonDatum, "Label1c1");
    label(l.BisText, "Label1a2", u"bis KM"_s);
    label(l.BisKM, "Label1b2");
    label(l.BisDatum, "Label1c2");
    label(l.StreckeText, "Label2", u"Gefahrene Strecke :"_s);
    label(l.Strecke, "Label2b");
    label(l.GetanktText, "Label3", u"Getankte Liter :"_s);
    label(l.Getankt, "Label3b");
    label(l.VerbrauchtText, "Label4", u"Verbrauchte Liter :"_s);
    label(l.Verbraucht, "Label4b");
    label(l.DurchschnittText, "Label5", u"Durchschnittsverbrauch :"_s);
    label(l.Durchschnitt, "Label5b");
    label(l.FahrstreckeText, fahrstrecke, u"Theoretische Fahrstrecke :"_s);
    label(l.Fahrstrecke, fahrstrecke + 'b');
    label(l.Tankungen, "Label6");
    label(l.Kosten, "Label7");
    l.Kosten->setWordWrap(true);

    for (QLabel *km : {l.VonKM, l.BisKM}) {
        km->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        MindestensFuer(km, u"99.999.999"_s);
    }
    for (QLabel *datum : {l.VonDatum, l.BisDatum})
        MindestensFuer(datum, u"am 31.12.2099"_s);
    MindestensFuer(l.Fahrstrecke, u"99.999,99 KM   (mit 999,99 Liter)"_s);
    MindestensFuer(l.Tankungen, u"Anzahl der einbezogenen Tankfüllungen : 99.999"_s);
    // The amount sentence takes up to three lines.
    l.Kosten->setMinimumHeight(3 * l.Kosten->fontMetrics().lineSpacing());
}

int WertLabelsSetzen(const TWertLabels &l, QGridLayout *r, int zeile)
{
    r->addWidget(l.VonText, zeile, 0);
    r->addWidget(l.VonKM, zeile, 1);
    r->addWidget(l.VonDatum, zeile, 2);
    ++zeile;
    r->addWidget(l.BisText, zeile, 0);
    r->addWidget(l.BisKM, zeile, 1);
    r->addWidget(l.BisDatum, zeile, 2);
    ++zeile;
    const std::pair<QLabel *, QLabel *> zeilen[] = {
        {l.StreckeText, l.Strecke},           {l.GetanktText, l.Getankt},
        {l.VerbrauchtText, l.Verbraucht},     {l.DurchschnittText, l.Durchschnitt},
        {l.FahrstreckeText, l.Fahrstrecke},
    };
    for (const auto &[text, wert] : zeilen) {
        r->addWidget(text, zeile, 0);
        r->addWidget(wert, zeile, 1, 1, 3);
        ++zeile;
    }
    r->addWidget(l.Tankungen, zeile++, 0, 1, 4);
    r->addWidget(l.Kosten, zeile++, 0, 1, 4);
    return zeile;
}

void WertLabelsFuellen(const TWertLabels &l, const TVerbrauchsDetails &d, bool mitTankinhalt)
{
    const std::pair<QLabel *, const std::string &> texte[] = {
        {l.VonKM, d.VonKM},
        {l.VonDatum, d.VonDatum},
        {l.BisKM, d.BisKM},
        {l.BisDatum, d.BisDatum},
        {l.Strecke, d.Strecke},
        {l.Getankt, d.LiterGetankt},
        {l.Verbraucht, d.LiterVerbraucht},
        {l.Durchschnitt, d.Durchschnitt},
        {l.Fahrstrecke, d.Fahrstrecke},
        {l.Tankungen, d.Tankungen},
        {l.Kosten, d.Kosten},
    };
    for (const auto &[label, text] : texte)
        label->setText(Q(text));
    l.FahrstreckeText->setVisible(mitTankinhalt);
    l.Fahrstrecke->setVisible(mitTankinhalt);
}
