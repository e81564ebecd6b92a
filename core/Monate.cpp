#include "Monate.h"

#include "Zusatz1.h"

#include <algorithm>
#include <utility>

std::string MonatsText(const TDatum &datum)
{
    std::string text = std::to_string(datum.Monat);
    if (datum.Monat < 10)
        text = "0" + text;
    return text + "/" + std::to_string(datum.Jahr);
}

std::vector<std::string> MonatsListe(const TDatum &erste, const TDatum &letzte)
{
    std::vector<std::string> liste;
    if (erste.Monat < 1 || erste.Monat > 12 || letzte.Monat < 1 || letzte.Monat > 12)
        return liste;
    TDatum d{1, erste.Monat, erste.Jahr};
    while (d.Jahr < letzte.Jahr || (d.Jahr == letzte.Jahr && d.Monat <= letzte.Monat)) {
        liste.push_back(MonatsText(d));
        if (++d.Monat > 12) {
            d.Monat = 1;
            ++d.Jahr;
        }
    }
    return liste;
}

std::vector<uint16_t> JahresListe(const TDatum &erste, const TDatum &letzte)
{
    std::vector<uint16_t> liste;
    for (unsigned j = erste.Jahr; j <= letzte.Jahr; ++j)
        liste.push_back(static_cast<uint16_t>(j));
    return liste;
}

TDatum MonatsEintragLesen(const std::string &eintrag)
{
    std::string text = "01." + eintrag;
    std::replace(text.begin(), text.end(), '/', '.');
    const TDatumErgebnis e = DatumLesen(text);
    return e.Fehler == 0 ? e.Datum : TDatum{};
}

void ZeitraumOrdnen(TDatum &von, TDatum &bis)
{
    if (DatumVergleich(von, bis) >= 0)
        std::swap(von, bis);
    bis.Tag = 32;
}

int MonatsIndex(const std::vector<std::string> &liste, const TDatum &datum)
{
    const auto it = std::find(liste.begin(), liste.end(), MonatsText(datum));
    return it == liste.end() ? -1 : static_cast<int>(it - liste.begin());
}
