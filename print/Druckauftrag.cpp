#include "Druckauftrag.h"

#include "charts/Entwicklung.h"
#include "consumption/Verbrauchswerte.h"
#include "core/Konfiguration.h"
#include "core/Monate.h"
#include "core/Zusatz1.h"
#include "print/Druckuebergabe.h"
#include "print/Entwicklungsbericht.h"
#include "print/Tankbericht.h"
#include "print/Verbrauchsbericht.h"

#include <utility>

uint8_t DruckArt = DruckArtAlles;

namespace {

// The consumption window's selection settings, kept while the print job
// builds its own values with them and put back afterwards.
class TVerbrauchsauswahlSichern {
public:
    TVerbrauchsauswahlSichern()
        : m_auswahl(VerbrauchsAuswahl), m_jahr(GewaehltesJahr), m_von(ZeitraumVon), m_bis(ZeitraumBis),
          m_ansicht(VerbrauchsAnsicht), m_umgekehrt(UmgekehrtSortiert)
    {
    }
    ~TVerbrauchsauswahlSichern()
    {
        VerbrauchsAuswahl = m_auswahl;
        GewaehltesJahr = m_jahr;
        ZeitraumVon = m_von;
        ZeitraumBis = m_bis;
        VerbrauchsAnsicht = m_ansicht;
        UmgekehrtSortiert = m_umgekehrt;
    }

private:
    uint8_t m_auswahl;
    uint16_t m_jahr;
    TDatum m_von, m_bis;
    uint8_t m_ansicht;
    bool m_umgekehrt;
};

std::string Zeitraum(const TDatum &von, const TDatum &bis, const char *verbindung)
{
    return MonatsText(von) + verbindung + MonatsText(bis);
}

// The heading texts of the all-data job: empty before, between and after
// its reports.
void TexteLeeren()
{
    DruckUeberschrift.clear();
    DruckHinweis1.clear();
    DruckHinweis2.clear();
}

TDruckErgebnis AlleDatenDrucken(TDruckflaeche &drucker, TDruckFortschritt &fortschritt)
{
    TexteLeeren();
    bool gedruckt = false;
    // Each report after the first begins on a page of its own.
    auto neueSeite = [&] {
        if (gedruckt)
            drucker.NeueSeite();
    };

    if (DruckTankfuellungen) {
        TTankListe liste;
        if (!FuellungenSammeln(fortschritt, liste))
            return TDruckErgebnis::Abgebrochen;
        if (!liste.empty()) {
            switch (DruckTF_Auswahl) {
            case 2:
                DruckUeberschrift = "Alle Tankfüllungen aus dem Jahr " + std::to_string(DruckTF_Jahr) + ".";
                break;
            case 3:
                DruckUeberschrift = "Alle Tankfüllungen aus dem Zeitraum von " +
                                    Zeitraum(DruckTF_Von, DruckTF_Bis, " bis ") + ".";
                break;
            default:
                DruckUeberschrift = "Alle Tankfüllungen aus allen Jahren.";
            }
            if (!DruckeTankfuellungen(drucker, fortschritt, liste)) {
                TexteLeeren();
                return TDruckErgebnis::Abgebrochen;
            }
            gedruckt = true;
            DruckUeberschrift.clear();
        }
    }

    if (DruckTankstellenliste) {
        const std::vector<TTankstellenJahr> jahre = TankstellenJahreBilden(fortschritt);
        // An empty list may also mean the user cancelled while it was built.
        if (jahre.empty() && fortschritt.Abgebrochen())
            return TDruckErgebnis::Abgebrochen;
        if (!jahre.empty()) {
            neueSeite();
            if (!DruckeTankstellenJahresliste(drucker, fortschritt, jahre))
                return TDruckErgebnis::Abgebrochen;
            gedruckt = true;
        }
    }

    if (DruckVerbrauch) {
        const TVerbrauchsauswahlSichern gesichert;
        const bool fertig = DruckVerbrauchswerteBilden(fortschritt);
        if (!fertig) {
            VerbrauchsListeLoeschen();
            return TDruckErgebnis::Abgebrochen;
        }
        if (AnzahlVerbrauchswerte() > 0) {
            // The values are in date order, oldest first, whatever order
            // the consumption window was last left in.
            UmgekehrtSortiert = false;
            neueSeite();
            DruckUeberschrift = DruckVB_Auswahl == 2
                                    ? "Druchschnittsverbrauch zwischen " + Zeitraum(DruckVB_Von, DruckVB_Bis, " und ") + "."
                                    : "Druchschnittsverbrauch des Jahres " + std::to_string(DruckVB_Jahr) + ".";
            switch (DruckVB_Ansicht) {
            case 2:
                DruckHinweis1 = "Die Werte sind nach Monaten zusammengefasst.";
                break;
            case 3:
                DruckHinweis1 = "Die Werte sind quartalsweise zusammengefasst.";
                break;
            case 4:
                DruckHinweis1 = "Die Werte sind nach Jahren zusammengefasst.";
                break;
            default:
                break;
            }
            const bool fertig = DruckeVerbrauchswerte(drucker, fortschritt, VerbrauchsListe);
            TexteLeeren();
            VerbrauchsListeLoeschen();
            if (!fertig)
                return TDruckErgebnis::Abgebrochen;
            gedruckt = true;
        }
        VerbrauchsListeLoeschen();
    }

    TexteLeeren();
    return gedruckt ? TDruckErgebnis::Gedruckt : TDruckErgebnis::NichtsGefunden;
}

} // namespace

std::string DruckauftragTitel(uint8_t druckArt)
{
    switch (druckArt) {
    case DruckArtTankfuellungen:
        return "Tankfüllungen - Sprilo";
    case DruckArtVerbrauch:
        return "Verbrauchswerte - Sprilo";
    case DruckArtLiterpreis:
        return "Literpreisentwicklung - Sprilo";
    case DruckArtReichweite:
        return "Reichweitenentwicklung - Sprilo";
    default:
        return "Druck aller Daten - Sprilo";
    }
}

std::string ZeitstempelText(const TDatum &heute, const std::string &uhrzeit)
{
    return "Ausdruck vom " + DatumText(heute) + " um " + uhrzeit;
}

bool FuellungenSammeln(TDruckFortschritt &fortschritt, TTankListe &ziel)
{
    ziel.clear();
    fortschritt.Phase("Suchen der Tankfüllungen", AnzahlFuellungen());
    int32_t nr = 0;
    for (const TTankFuellung &f : Fuellungen) {
        fortschritt.Position(++nr);
        bool nehmen = true;
        if (DruckTF_Auswahl == 2)
            nehmen = f.Datum.Jahr == DruckTF_Jahr;
        else if (DruckTF_Auswahl == 3)
            nehmen = DatumVergleich(f.Datum, DruckTF_Von) >= 0 && DatumVergleich(f.Datum, DruckTF_Bis) <= 0;
        if (nehmen)
            ziel.push_back(f);
        if (fortschritt.Abgebrochen()) {
            ziel.clear();
            return false;
        }
    }
    return true;
}

bool DruckVerbrauchswerteBilden(TDruckFortschritt &fortschritt)
{
    const TVerbrauchsauswahlSichern gesichert;
    fortschritt.Phase("Suchen der Verbrauchsdaten", AnzahlFuellungen());
    VerbrauchsAuswahl = DruckVB_Auswahl == 2 ? 4 : 3;
    GewaehltesJahr = DruckVB_Jahr;
    ZeitraumVon = DruckVB_Von;
    ZeitraumBis = DruckVB_Bis;
    VerbrauchsAnsicht = DruckVB_Ansicht;
    ErmittleVerbrauchswerte();
    fortschritt.Position(AnzahlFuellungen());
    if (fortschritt.Abgebrochen()) {
        VerbrauchsListeLoeschen();
        return false;
    }
    if (AnzahlVerbrauchswerte() > 0)
        BerechneGesamtverbrauch();
    return true;
}

TDruckErgebnis DruckauftragAusfuehren(uint8_t druckArt, TDruckflaeche &drucker, TDruckFortschritt &fortschritt,
                                      bool balken)
{
    Seitenzaehler = 0;
    bool fertig = true;
    switch (druckArt) {
    case DruckArtTankfuellungen:
        if (!DruckListe || DruckListe->empty())
            return TDruckErgebnis::NichtsGefunden;
        fertig = DruckeTankfuellungen(drucker, fortschritt, *DruckListe);
        break;
    case DruckArtVerbrauch:
        if (!DruckVerbrauchsListe || DruckVerbrauchsListe->empty())
            return TDruckErgebnis::NichtsGefunden;
        fertig = DruckeVerbrauchswerte(drucker, fortschritt, *DruckVerbrauchsListe);
        break;
    case DruckArtLiterpreis:
    case DruckArtReichweite:
        if (EntwicklungsListe.empty())
            return TDruckErgebnis::NichtsGefunden;
        fertig = DruckeEntwicklung(drucker, fortschritt, balken);
        break;
    default:
        return AlleDatenDrucken(drucker, fortschritt);
    }
    return fertig ? TDruckErgebnis::Gedruckt : TDruckErgebnis::Abgebrochen;
}
