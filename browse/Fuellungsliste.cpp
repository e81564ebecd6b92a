#include "Fuellungsliste.h"

#include "core/Zusatz1.h"

TAenderungsErgebnis AenderungPruefen(const TAenderungsEingabe &eingabe, int32_t alterKMStand)
{
    const TFuellungsEingabe &e = eingabe.Felder;
    TAenderungsErgebnis r;
    // From the bottom of the panel to the top, so that a later hit
    // overwrites an earlier one.
    uint8_t nr = LiterPruefen(e.Liter, r.Liter);
    const bool literOk = nr == 0;
    if (e.Vollgetankt) {
        // The full-at value is compared with litres that could be read;
        // unreadable litres keep their own, more telling error.
        if (const uint8_t v = VollBeiPruefen(e.VollBei, r.VollBei, literOk, r.Liter))
            nr = v;
    }
    if (const uint8_t b = BetragPruefen(e.Betrag))
        nr = b;
    if (const uint8_t d = DatumFeldPruefen(e.Datum))
        nr = d;
    if (const uint8_t k = KMStandPruefen(e.KMStand, alterKMStand))
        nr = k;
    r.FehlerNr = nr;
    if (nr != 0)
        return r;

    r.Neu = FuellungBilden(e);
    // The station chosen from the list keeps its own entry even when the
    // list holds the same name twice; a typed name is looked up.
    if (eingabe.GewaehlterEintrag >= 0 && eingabe.GewaehlterEintrag < AnzahlTankstellen
        && Tankstellen[eingabe.GewaehlterEintrag] == r.Neu.Tankstelle)
        r.Neu.TankstellenNr = static_cast<int8_t>(eingabe.GewaehlterEintrag);
    return r;
}

bool DatensatzVerschieden(const TTankFuellung &a, const TTankFuellung &b)
{
    return a.Datum != b.Datum || a.KMStand != b.KMStand || a.TankstellenNr != b.TankstellenNr
           || a.Tankstelle != b.Tankstelle || a.AlteWaehrung != b.AlteWaehrung || a.Betrag != b.Betrag
           || a.Liter != b.Liter || a.Vollgetankt != b.Vollgetankt
           || a.BetragNachAbschaltung != b.BetragNachAbschaltung
           || a.LiterNachAbschaltung != b.LiterNachAbschaltung || a.LiterPreis != b.LiterPreis;
}

int32_t FuellungErsetzen(int32_t nr, const TTankFuellung &neu)
{
    if (nr < 1 || nr > AnzahlFuellungen())
        return 0;
    Gespeichert = false;
    Fuellungen[nr - 1] = neu;
    ListeOrdnen(Fuellungen, DatenLogisch);
    for (int32_t i = 0; i < AnzahlFuellungen(); ++i)
        if (!DatensatzVerschieden(Fuellungen[i], neu))
            return i + 1;
    return nr;
}

bool FuellungLoeschen(int32_t nr)
{
    if (nr < 1 || nr > AnzahlFuellungen())
        return false;
    if (AnzahlFuellungen() == 1) {
        ListeLoeschen(Fuellungen);
        Kennzeichen.clear();
        DatenVorhanden = false;
        Gespeichert = true;
        DatenLogisch = true;
        FehlerNr1 = FehlerNr2 = 0;
        return true;
    }
    Gespeichert = false;
    Fuellungen.erase(Fuellungen.begin() + (nr - 1));
    ListeOrdnen(Fuellungen, DatenLogisch);
    return false;
}
