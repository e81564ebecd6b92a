#include "Tankbericht.h"

#include "core/Format.h"
#include "core/Konfiguration.h"
#include "core/Zusatz1.h"

#include <cmath>

namespace {

// ---- fill-up report ------------------------------------------------------------

// The column edges, measured in the report font so that the table follows
// the printer's resolution and the font size.
struct TTankSpalten {
    bool Abschaltwerte = false;
    int32_t Datum = 0;            // left edge
    int32_t Tankstelle = 0;       // left edge
    int32_t TankstelleBreite = 0; // room for the station name
    int32_t KMStand = 0;          // right edge
    int32_t BetragLinks = 0;
    int32_t BetragRechts = 0;
    int32_t Literpreis = 0;       // right edge of the whole price
    int32_t PreisZahl = 0;        // where the number ends and " EUR/l" begins
    int32_t Menge = 0;            // right edge
    int32_t VollMitte = 0;
    int32_t VollBei = 0;          // right edge
    int32_t Rechts = 0;           // right edge of the last column
};

TTankSpalten TankSpaltenMessen(TZeichenflaeche &f)
{
    const int32_t w = Spaltenabstand;
    const int32_t liter = f.TextBreite("123.456,78L");
    const int32_t nein = f.TextBreite("NEIN");
    TTankSpalten s;
    s.Abschaltwerte = DruckMitAbschaltwerten;
    s.Datum = TabellenLinks;
    s.Tankstelle = f.TextBreite("22.09.1999") + w + TabellenLinks;
    if (s.Abschaltwerte) {
        s.VollBei = Seitenbreite;
        s.VollMitte = Seitenbreite - liter - w - nein / 2;
        s.Menge = s.VollMitte - w - nein / 2;
    } else {
        s.Menge = Seitenbreite;
    }
    s.Literpreis = s.Menge - liter - w;
    s.PreisZahl = s.Literpreis - f.TextBreite(" EUR/l");
    s.BetragRechts = s.Literpreis - f.TextBreite("12.34,5 EUR/l") - w;
    s.BetragLinks = s.BetragRechts - f.TextBreite("EUR 123.456,78");
    s.KMStand = s.BetragLinks - w;
    s.TankstelleBreite = s.KMStand - f.TextBreite("123.456") - w - s.Tankstelle;
    if (Hochformat)
        s.TankstelleBreite -= LinkerRand;
    s.Rechts = s.Abschaltwerte ? s.VollBei : s.Menge;
    return s;
}

void TankUeberschriften(TZeichenflaeche &f, const TTankSpalten &s)
{
    const int32_t y = DruckZeile;
    f.Text(s.Datum, y, "Datum");
    f.Text(s.Tankstelle, y, "Tankstelle");
    TextRechts(f, s.KMStand, y, "KM-Stand");
    f.Text(Zentriert(f, "Betrag", s.BetragLinks, s.BetragRechts), y, "Betrag");
    f.Text(Zentriert(f, "Literpreis", s.BetragRechts + Spaltenabstand, s.Literpreis), y, "Literpreis");
    TextRechts(f, s.Menge, y, "Menge");
    if (s.Abschaltwerte) {
        TextUmMitte(f, s.VollMitte, y, "Voll");
        TextRechts(f, s.VollBei, y, "Voll bei");
    }
    DruckZeile += DruckZeilenhoehe;
    f.Linie(TabellenLinks, DruckZeile, s.Rechts, DruckZeile);
    DruckZeile += 5;
}

void TankZeile(TZeichenflaeche &f, const TTankSpalten &s, const TTankFuellung &t)
{
    const int32_t y = DruckZeile;
    f.Text(s.Datum, y, DatumText(t.Datum));
    // A name too long for its column is cut off there rather than written
    // over the odometer reading.
    if (f.TextBreite(t.Tankstelle) <= s.TankstelleBreite)
        f.Text(s.Tankstelle, y, t.Tankstelle);
    else
        f.TextImRechteck(s.Tankstelle, y, s.Tankstelle + s.TankstelleBreite, y + DruckZeilenhoehe, s.Tankstelle, y,
                         t.Tankstelle);
    TextRechts(f, s.KMStand, y, ZahlMitPunkten(t.KMStand, 1));
    f.Text(s.BetragLinks, y, "EUR");
    TextRechts(f, s.BetragRechts, y, Format("%2.2n", {t.Betrag}));
    const std::string preis = PreisText(t.LiterPreis);
    const size_t blank = preis.find(' ');
    TextRechts(f, s.PreisZahl, y, preis.substr(0, blank));
    if (blank != std::string::npos)
        f.Text(s.PreisZahl, y, preis.substr(blank, 6));
    TextRechts(f, s.Menge, y, LiterText(1, t.Liter));
    if (s.Abschaltwerte) {
        if (t.Vollgetankt) {
            TextUmMitte(f, s.VollMitte, y, "JA");
            // The litres at which the pump first shut off.
            TextRechts(f, s.VollBei, y, LiterText(1, t.Liter - t.LiterNachAbschaltung));
        } else {
            TextUmMitte(f, s.VollMitte, y, "NEIN");
            TextRechts(f, s.VollBei, y, "-----     ");
        }
    }
    DruckZeile += DruckZeilenhoehe;
}

struct TTankSummen {
    int64_t Anzahl = 0;
    int64_t NichtVoll = 0;
    long double Betrag = 0;
    long double Liter = 0;
};

void TankZusammenfassung(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TTankSummen &summen)
{
    DruckZeile += 3 * DruckZeilenhoehe;
    if (SeiteVoll(7))
        NeueDruckseite(drucker, fortschritt);

    const TSchrift schrift = drucker.Schrift();
    TSchrift unterstrichen = schrift;
    unterstrichen.Unterstrichen = true;
    drucker.SchriftSetzen(unterstrichen);
    TextMittig(drucker, DruckZeile, "Zusammenfassung der Tankfüllungen");
    drucker.SchriftSetzen(schrift);
    DruckZeile += DruckZeilenhoehe + 5;

    const int32_t mitte = Seitenbreite / 2;
    auto zeile = [&](const std::string &name, const std::string &wert) {
        TextRechts(drucker, mitte, DruckZeile, name);
        drucker.Text(mitte + 10, DruckZeile, wert);
        DruckZeile += DruckZeilenhoehe;
    };
    zeile("Anzahl Tankfüllungen :", ZahlMitPunkten(summen.Anzahl, 1));
    if (summen.NichtVoll > 0)
        zeile("Dabei wurde", ZahlMitPunkten(summen.NichtVoll, 1) + " mal nicht vollgetankt.");
    zeile("Gesamtbetrag :", EuroText(summen.Betrag));
    zeile("Gesamte Litermenge :", LiterText(1, summen.Liter));
    zeile("Durchschnittlicher Literpreis :", PreisText(LiterPreisBerechnen(summen.Betrag, summen.Liter)));
}

// ---- station year list ---------------------------------------------------------

TTankstellenJahr LeeresJahr()
{
    TTankstellenJahr jahr;
    for (int i = 0; i < MaxTankstellen; ++i)
        if (i < AnzahlTankstellen)
            jahr.Zeilen[size_t(i)].ZeilenName = Tankstellen[i];
    jahr.Zeilen[SonstigeZeile].ZeilenName = "Sonstige Tankstellen";
    jahr.Zeilen[SummenZeile].ZeilenName = "Summe aller Tankstellen";
    return jahr;
}

void Hinzufuegen(TTankstellenZeile &zeile, uint16_t tankungen, long double betrag, long double liter)
{
    zeile.Tankungen = static_cast<uint16_t>(zeile.Tankungen + tankungen);
    zeile.BetragSumme += betrag;
    zeile.LiterSumme += liter;
    zeile.Benutzt = true;
}

void BenutzteZaehlen(TTankstellenJahr &jahr)
{
    jahr.BenutzteZeilen = 0;
    for (int i = 0; i <= SonstigeZeile; ++i)
        if (jahr.Zeilen[size_t(i)].Benutzt)
            ++jahr.BenutzteZeilen;
}

bool JahrGewaehlt(uint16_t jahr)
{
    if (DruckTS_Auswahl == 1)
        return jahr == DruckTS_Jahr;
    return DruckTS_Auswahl == 2 && DruckTS_VonJahr <= jahr && jahr <= DruckTS_BisJahr;
}

struct TJahresSpalten {
    int32_t Name = 0;
    int32_t Anzahl = 0;           // right edge
    int32_t BetragLinks = 0;
    int32_t BetragRechts = 0;
    int32_t Liter = 0;            // right edge
    int32_t Preis = 0;            // right edge
};

TJahresSpalten JahresSpaltenMessen(TZeichenflaeche &f)
{
    const int32_t w = Spaltenabstand;
    TJahresSpalten s;
    s.Name = LinkerRand;
    s.Preis = Seitenbreite - w;
    s.Liter = s.Preis - w - f.TextBreite("Durchschnitts-");
    s.BetragRechts = s.Liter - w - f.TextBreite("123.456,78L");
    s.BetragLinks = s.BetragRechts - f.TextBreite("EUR 123.456,78");
    s.Anzahl = s.BetragLinks - w;
    return s;
}

void JahresZeile(TZeichenflaeche &f, const TJahresSpalten &s, const TTankstellenZeile &z)
{
    const int32_t y = DruckZeile;
    f.Text(s.Name, y, z.ZeilenName);
    TextRechts(f, s.Anzahl, y, ZahlMitPunkten(z.Tankungen, 1));
    f.Text(s.BetragLinks, y, "EUR");
    TextRechts(f, s.BetragRechts, y, Format("%2.2n", {z.BetragSumme}));
    TextRechts(f, s.Liter, y, Format("%10.2nL", {z.LiterSumme}));
    TextRechts(f, s.Preis, y, PreisText(LiterPreisBerechnen(z.BetragSumme, z.LiterSumme)));
    DruckZeile += DruckZeilenhoehe;
}

void JahrDrucken(TZeichenflaeche &f, const TJahresSpalten &s, const TTankstellenJahr &jahr)
{
    const int32_t zh = DruckZeilenhoehe;
    const TSchrift schrift = f.Schrift();
    TSchrift gross = schrift;
    gross.Groesse += 2;
    f.SchriftSetzen(gross);
    const std::string titel = "Die Jahres-Tankstellenliste " +
                              (jahr.ListenJahr != 0 ? "des Jahres " + std::to_string(jahr.ListenJahr) + "."
                                                    : "der Jahre " + std::to_string(DruckTS_VonJahr) + " bis " +
                                                          std::to_string(DruckTS_BisJahr) + ".");
    f.Text(s.Name, DruckZeile, titel);
    f.SchriftSetzen(schrift);
    DruckZeile += static_cast<int32_t>(std::nearbyint(1.5L * zh));

    const int32_t y1 = DruckZeile, y2 = DruckZeile + zh;
    f.Text(s.Name, y1, "Name der");
    f.Text(s.Name, y2, "Tankstelle");
    TextRechts(f, s.Anzahl, y1, "Anzahl der");
    TextRechts(f, s.Anzahl, y2, "Tankfüllungen");
    f.Text(Zentriert(f, "Summe", s.BetragLinks, s.BetragRechts), y1, "Summe");
    f.Text(Zentriert(f, "Betrag", s.BetragLinks, s.BetragRechts), y2, "Betrag");
    TextRechts(f, s.Liter, y1, "getankte");
    f.Text(Zentriert(f, "Liter", s.Liter - f.TextBreite("getankte"), s.Liter), y2, "Liter");
    TextRechts(f, s.Preis, y1, "Durchschnitts-");
    f.Text(Zentriert(f, "Literpreis", s.Preis - f.TextBreite("Durchschnitts-"), s.Preis), y2, "Literpreis");
    f.Linie(s.Name, DruckZeile + 2 * zh + 2, s.Preis, DruckZeile + 2 * zh + 2);
    DruckZeile += 2 * zh + 11;

    for (int i = 0; i <= SonstigeZeile; ++i)
        if (jahr.Zeilen[size_t(i)].Benutzt)
            JahresZeile(f, s, jahr.Zeilen[size_t(i)]);
    f.Linie(s.Name, DruckZeile + 2, s.Preis, DruckZeile + 2);
    DruckZeile += 6;
    JahresZeile(f, s, jahr.Zeilen[SummenZeile]);
    DruckZeile += 3 * zh;
}

bool JahrWirdGedruckt(const TTankstellenJahr &jahr)
{
    if (DruckTS_Auswahl == 1)
        return true;
    if (jahr.ListenJahr == 0)
        return DruckTS_Summe;
    // A range of a single year has no sum record: its one year list is it.
    return DruckTS_Einzeln || (DruckTS_Summe && DruckTS_VonJahr == DruckTS_BisJahr);
}

} // namespace

bool DruckeTankfuellungen(TDruckflaeche &drucker, TDruckFortschritt &fortschritt, const TTankListe &liste)
{
    fortschritt.Phase("Ausdruck der Tankfüllungen", static_cast<int>(liste.size()));
    Spaltenabstand = drucker.TextBreite("W");
    const TTankSpalten spalten = TankSpaltenMessen(drucker);
    DruckZeilenhoehe = TabellenZeilenhoehe(drucker);
    Seitenkopf(drucker, fortschritt);
    TankUeberschriften(drucker, spalten);

    TTankSummen summen;
    int zeileAufSeite = 0;
    for (size_t i = 0; i < liste.size(); ++i) {
        const TTankFuellung &t = liste[i];
        fortschritt.Position(static_cast<int>(i + 1));
        ++zeileAufSeite;
        if (zeileAufSeite > 1 && zeileAufSeite % 5 == 1) {
            drucker.Linie(TabellenLinks, DruckZeile, spalten.Rechts, DruckZeile);
            DruckZeile += 3;
        }
        TankZeile(drucker, spalten, t);
        ++summen.Anzahl;
        if (!t.Vollgetankt)
            ++summen.NichtVoll;
        summen.Betrag += t.Betrag;
        summen.Liter += t.Liter;

        if (fortschritt.Abgebrochen())
            return false;
        if (i + 1 < liste.size() && SeiteVoll(3)) {
            NeueDruckseite(drucker, fortschritt);
            TankUeberschriften(drucker, spalten);
            zeileAufSeite = 0;
        }
    }
    if (DruckMitZusammenfassung)
        TankZusammenfassung(drucker, fortschritt, summen);
    return true;
}

std::vector<TTankstellenJahr> TankstellenJahreBilden(TDruckFortschritt &fortschritt)
{
    fortschritt.Phase("Erstellen der Tankstellen-Jahresliste", AnzahlFuellungen());
    std::vector<TTankstellenJahr> jahre;
    for (size_t i = 0; i < Fuellungen.size(); ++i) {
        const TTankFuellung &t = Fuellungen[i];
        fortschritt.Position(static_cast<int>(i + 1));
        if (JahrGewaehlt(t.Datum.Jahr)) {
            // The list runs in date order, so a year is normally the last
            // one begun; looking it up keeps one record per year even so.
            TTankstellenJahr *jahr = nullptr;
            for (auto &j : jahre)
                if (j.ListenJahr == t.Datum.Jahr)
                    jahr = &j;
            if (!jahr) {
                jahre.push_back(LeeresJahr());
                jahr = &jahre.back();
                jahr->ListenJahr = t.Datum.Jahr;
            }
            const int zeile = t.TankstellenNr >= 0 && t.TankstellenNr < MaxTankstellen ? t.TankstellenNr
                                                                                       : SonstigeZeile;
            Hinzufuegen(jahr->Zeilen[size_t(zeile)], 1, t.Betrag, t.Liter);
            Hinzufuegen(jahr->Zeilen[SummenZeile], 1, t.Betrag, t.Liter);
            BenutzteZaehlen(*jahr);
        }
        if (fortschritt.Abgebrochen())
            return {};
    }

    if (!jahre.empty() && DruckTS_Auswahl == 2 && DruckTS_Summe && DruckTS_VonJahr != DruckTS_BisJahr) {
        TTankstellenJahr summe = LeeresJahr();
        for (const auto &jahr : jahre)
            for (size_t z = 0; z < summe.Zeilen.size(); ++z) {
                const TTankstellenZeile &zeile = jahr.Zeilen[z];
                if (zeile.Benutzt)
                    Hinzufuegen(summe.Zeilen[z], zeile.Tankungen, zeile.BetragSumme, zeile.LiterSumme);
            }
        BenutzteZaehlen(summe);
        jahre.push_back(summe);
    }
    return jahre;
}

bool DruckeTankstellenJahresliste(TDruckflaeche &drucker, TDruckFortschritt &fortschritt,
                                  const std::vector<TTankstellenJahr> &jahre)
{
    fortschritt.Phase("Ausdruck der Jahres-Tankstellenliste", static_cast<int>(jahre.size()));
    Spaltenabstand = drucker.TextBreite("W");
    const TJahresSpalten spalten = JahresSpaltenMessen(drucker);
    DruckZeilenhoehe = TabellenZeilenhoehe(drucker);
    Seitenkopf(drucker, fortschritt);

    for (size_t i = 0; i < jahre.size(); ++i) {
        fortschritt.Position(static_cast<int>(i + 1));
        if (JahrWirdGedruckt(jahre[i]))
            JahrDrucken(drucker, spalten, jahre[i]);
        if (i + 1 < jahre.size()) {
            const int32_t naechstes = jahre[i + 1].BenutzteZeilen * DruckZeilenhoehe + 12;
            if (PasstNicht(static_cast<int32_t>(std::nearbyint(4.5L * DruckZeilenhoehe)) + naechstes))
                NeueDruckseite(drucker, fortschritt);
        }
        if (fortschritt.Abgebrochen())
            return false;
    }
    return true;
}
