#include "Meldungen.h"

#include "Plattform.h"
#include "Zusatz1.h"

#include <string_view>

namespace {

struct TVorlage {
    TMeldungsNr Nr;
    int Code;               // help context (and number of the code line)
    bool CodeZeile;         // the text ends with "\r\rCode : " and the code
    TKastenArt Art;
    unsigned Knoepfe;
    int TonArt;
    bool TonImmer;
    const char *Text;
};

constexpr unsigned OkHilfe = KnopfOK | KnopfHilfe;
constexpr unsigned JaNeinHilfe = KnopfJa | KnopfNein | KnopfHilfe;
constexpr auto W = TKastenArt::Warnung;
constexpr auto F = TKastenArt::Fehler;
constexpr auto I = TKastenArt::Information;
constexpr auto B = TKastenArt::Bestaetigen;
using N = TMeldungsNr;

// clang-format off
constexpr TVorlage Vorlagen[] = {
    {N::KonfigNichtSchreibbar, 8101, true, W, OkHilfe, 1, true,
     "Eine Konfigurationsdatei 'SPRILO.INI' kann bei Programmende nicht angelegt werden. Alle möglichen Laufwerke bzw. Verzeichnisse, in denen die Datei geschrieben werden kann, sind schreibgeschützt.\r\r"
     "Das Programm arbeitet momentan mit Standardwerten.\r\r"
     "Sie können im Menuepunkt \"Einstellungen | Konfiguration nachladen\" ein Verzeichnis angeben, in dem die Konfiguration bei Programmende abgelegt werden soll."},
    {N::KonfigNeuInitialisiert, 8102, true, W, OkHilfe, 1, true,
     "Die Konfigurationsdatei 'SPRILO.INI' konnte nicht gefunden werden oder war defekt.\r"
     "Die Einstellungen des Programms wurden neu initialisiert.\r\r"
     "Bitte kontrollieren Sie die Tankstellenliste, da es hier zu Veränderungen gekommen sein könnte.\r"
     "(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")"},
    {N::KonfigFehlerhaft, 8103, true, W, OkHilfe, 2, true,
     "Die Konfigurationsdatei war fehlerhaft und wurde neu angelegt.\r"
     "Die Einstellungen des Programms wurden neu initialisiert.\r\r"
     "Bitte kontrollieren Sie die Tankstellenliste, da es hier zu Veränderungen gekommen sein könnte.\r"
     "(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")"},
    {N::KonfigAngepasst, 8104, true, W, OkHilfe, 2, true,
     "Einige Daten der Konfigurationsdatei waren fehlerhaft und wurden angepasst.\r\r"
     "Bitte kontrollieren Sie die Tankstellenliste, da es auch hier zu Veränderungen gekommen sein könnte.\r"
     "(im Menuepunkt \"Einstellungen | Tankstellenliste bearbeiten...\")"},
    {N::KonfigAltesFormat, 8217, true, I, OkHilfe, 2, true,
     "Die Konfigurationsdatei hatte das Format einer älteren Programmversion.\r"
     "Die alten Einstellungen wurden übernommen.\r\r"
     "Bitte arbeiten Sie nicht mehr mit der alten Programmversion."},

    {N::DatenUnbrauchbar, 8002, true, F, OkHilfe, 5, true,
     "Die Datendatei '%1' war fehlerhaft.\r"
     "Die Daten können nicht benutzt werden.%2"},
    {N::DatenNichtZugreifbar, 8106, true, W, OkHilfe, 4, true,
     "Auf die Datendatei '%1' kann nicht zugegriffen werden.\r"
     "Wahrscheinlich ist sie schreibgeschützt."},
    {N::DatenUnvollstaendig, 8219, true, W, OkHilfe, 2, true,
     "Die Datendatei '%1' ist offenbar unvollständig.\r"
     "Es konnten nur %2 von %3 Tankfüllungen gelesen werden.%4"},
    {N::AngepasstWaehrung, 8218, true, I, OkHilfe, 2, false,
     "Die gespeicherten Daten wurden angepasst.\r\r"
     "Einige Daten waren noch in alter Währung angegeben."},
    {N::AngepasstFormat, 8214, true, I, OkHilfe, 2, false,
     "Die gespeicherten Daten wurden angepasst.\r\r"
     "Die Daten lagen im Format einer alten Version des Programmes vor\r"
     "und wurden an die aktuelle Version angepasst."},
    {N::AngepasstFestverbrauch, 8202, true, I, OkHilfe, 2, false,
     "Die gespeicherten Daten wurden angepasst.\r\r"
     "Ursache : Veränderung im eingestellten Festverbrauch."},
    {N::AngepasstTankstellen, 8202, true, I, OkHilfe, 2, false,
     "Die gespeicherten Daten wurden angepasst.\r\r"
     "Ursache : Veränderung in der Tankstellenliste."},

    {N::Sicherung1, 8105, false, W, OkHilfe, 4, false,
     "Die alte Sicherungskopie '%2' konnte nicht gelöscht werden.\r\r"
     "Wahrscheinlich ist die Datei schreibgeschützt."},
    {N::Sicherung2, 8105, false, W, OkHilfe, 4, false,
     "Von der vorhandenen Datenndatei '%1' konnte keine Sicherungskopie angelegt werden,"
     "da die Datei nicht umbenannt werden konnte.\r\r"
     "Die alte Datendatei wurde mit den neuen Werten überschrieben."},
    {N::Sicherung3, 8105, false, W, OkHilfe, 4, false,
     "Von der vorhandenen Datendatei '%1' konnte keine Sicherungskopie angelegt werden, "
     "da die Sicherungskopie '%2' nicht gelöscht wurde.\r\r"
     "Wahrscheinlich ist die Sicherungsdatei schreibgeschützt.\r"
     "Die alte Datendatei wurde mit den neuen Werten überschrieben."},
    {N::Sicherung4, 8001, false, F, OkHilfe, 5, true,
     "Die Datendatei '%1' konnte nicht angelegt werden.\r\r"
     "Wahrscheinlich ist der Datenträger gegen beschreiben gesichert."},
    {N::Sicherung5, 8001, false, F, OkHilfe, 5, true,
     "Die Datendatei '%1' konnte nicht angelegt werden. Desweitern konnte die alte "
     "Sicherungskopie '%2' nicht gelöscht werden.\r\r"
     "Wahrscheinlich ist der Datenträger gegen beschreiben gesichert."},
    {N::Sicherung6, 8001, false, F, OkHilfe, 5, true,
     "Von der vorhandenen Datenndatei '%1' konnte keine Sicherungskopie angelegt werden, "
     "da die Datei nicht umbenannt werden konnte.\r"
     "Die Datei konnte auch nicht überschrieben werden.\r\r"
     "Wahrscheinlich ist der Datenträger gegen beschreiben gesichert."},
    {N::Sicherung7, 8001, false, F, OkHilfe, 5, true,
     "Die alte Datendatei '%1' konnte nicht umbenannt werden, da die Sicherungsdatei '%2' nicht gelöscht wurde.\r"
     "Außerdem konnte die Datendatei nicht überschrieben werden.\r\r"
     "Entweder sind die Dateien '%1' und '%2' schreibgeschützt oder der "
     "komplette Datenträger ist gegen überschreiben gesichert."},
    {N::SchreibfehlerUnveraendert, 8001, false, F, OkHilfe, 5, true,
     "Die Datendatei '%1' konnte nicht vollständig geschrieben werden.\r"
     "Wahrscheinlich ist der Datenträger voll.\r\r"
     "Die vorhandene Datei '%1' ist unverändert geblieben.%2\r"
     "Die Daten wurden nicht gespeichert."},
    {N::SchreibfehlerNeu, 8001, false, F, OkHilfe, 5, true,
     "Die Datendatei '%1' konnte nicht vollständig geschrieben werden.\r"
     "Wahrscheinlich ist der Datenträger voll.\r\r"
     "Es wurde keine Datei angelegt.\r"
     "Die Daten wurden nicht gespeichert."},
    {N::KeineDatei, 8001, false, F, OkHilfe, 5, true,
     "Unter dem Namen '%1' gibt es schon ein Verzeichnis oder etwas anderes als eine Datei.\r"
     "Die Daten wurden nicht gespeichert.\r\r"
     "Bitte wählen Sie mit \"Speichern unter\" einen anderen Namen."},

    {N::UngespeichertNeu, 8107, false, W, JaNeinHilfe, 3, true,
     "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
     "Durch das Eingeben neuer Daten werden die 'alten' automatisch gelöscht.\r\r"
     "Möchten Sie die Daten vorher speichern?"},
    {N::UngespeichertLaden, 8107, false, W, JaNeinHilfe, 3, true,
     "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
     "Durch das Laden neuer Daten werden die 'alten' automatisch gelöscht.\r\r"
     "Möchten Sie die Daten vorher speichern?\r\r"
     "Wenn Sie auf JA klicken, wird der Ladevorgang abgebrochen.\r"
     "Sie können dann die Daten \"von Hand\" speichern."},
    {N::UngespeichertBeenden, 8108, false, W, KnopfJa | KnopfNein | KnopfAbbruch | KnopfHilfe, 3, true,
     "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
     "Durch das Beenden des Programmes werden die Daten gelöscht.\r\r"
     "Möchten Sie die Daten vorher speichern?"},
    {N::BeendenBestaetigen, 0, false, B, KnopfJa | KnopfNein, 1, false,
     "Das Programm wird beendet.\r"
     "Ist das beabsichtigt ?"},
    {N::KeinKennzeichen, 8211, false, B, JaNeinHilfe, 1, false,
     "Es wurde noch kein KFZ-Kennzeichen eingegeben.\r"
     "Das Kennzeichen kann im Menuepunkt \"Einstellungen | KFZ-Kennzeichen ändern\" eingegeben werden.\r\r"
     "Möchten Sie jetzt ein KFZ-Kennzeichen für die Daten angeben ?"},
    {N::KeinTankinhalt, 8213, false, B, JaNeinHilfe, 1, false,
     "Es wurde noch nicht die Tankgröße angegeben. \r"
     "Der Tankinhalt wird für die Berechnung der theoretischen Fahrstrecke benötigt.\r"
     "Der Tankinhalt kann im Menuepunkt \"Einstellungen | Tankinhalt einstellen\" eingegeben werden.\r\r"
     "Möchten Sie nun einen Tankinhalt für die Daten angeben ?"},

    {N::LogischeFehlerDruck, 8003, true, F, OkHilfe, 5, true,
     "Ihre Daten enthalten einen (oder mehrere) logische Fehler.\r"
     "Die Daten können nicht ausgedruckt werden.\r\r"
     "Ändern Sie vorher die entsprechenden Datensätze."},
    {N::LogischeFehlerAnsicht, 8003, true, F, OkHilfe, 5, true,
     "Ihre Daten enthalten einen (oder mehrere) logische Fehler.\r"
     "Die Daten können nicht betrachtet und analysiert werden.\r\r"
     "Ändern Sie vorher die entsprechenden Datensätze."},
    {N::LogischeFehlerVerbrauch, 8003, true, F, OkHilfe, 5, true,
     "Ihre Daten enthalten einen (oder mehrere) logische Fehler.\r"
     "Die Verbrauchswerte können nicht betrachtet und analysiert werden.\r\r"
     "Ändern Sie vorher die entsprechenden Datensätze."},
    {N::LogischeFehlerLiterpreis, 8003, true, F, OkHilfe, 5, true,
     "Ihre Daten enthalten einen (oder mehrere) logische Fehler.\r"
     "Die Preisentwicklung kann nicht betrachtet werden.\r\r"
     "Ändern Sie vorher die entsprechenden Datensätze."},
    {N::LogischeFehlerReichweite, 8003, true, F, OkHilfe, 5, true,
     "Ihre Daten enthalten einen (oder mehrere) logische Fehler.\r"
     "Die Reichweiten-Entwicklung kann nicht betrachtet werden.\r\r"
     "Ändern Sie vorher die entsprechenden Datensätze."},
    {N::KeinLiterpreisGefunden, 8215, true, I, OkHilfe, 1, false,
     "Für den eingestellten Zeitraum konnten keine \r"
     "Tankfüllungen gefunden werden.\r"
     "Die Entwicklung des Literpreises kann nicht angezeigt werden."},
    {N::KeineReichweiteGefunden, 8216, true, I, OkHilfe, 1, false,
     "Für den eingestellten Zeitraum konnten keine \r"
     "Tankfüllungen gefunden werden.\r"
     "Die Entwicklung der Reichweite kann nicht berechnet und angezeigt werden."},
    {N::ReichweiteOhneTankinhalt, 8213, true, I, OkHilfe, 1, true,
     "Es wurde noch kein Tankinhalt angegeben.\r"
     "Für die Berechnung der maximalen Reichweite wird jedoch der Tankinhalt benötigt.\r"
     "Bitte geben Sie die Tankgröße an."},
    {N::PapierZuKlein, 8209, true, I, OkHilfe, 2, true,
     "Sie haben eine Papiergröße angegeben, die zu klein ist, um die Daten auszugeben.\r"
     "Die momentane Breite des Druckbaren Bereiches ist %1mm, sie muss aber min. 180mm betragen.\r\r"
     "Bitte wählen Sie als Papiergröße A4 (Hoch- oder Querformat) oder A5 (Querformat)"},
    {N::NichtsZuDrucken, 8210, true, I, OkHilfe, 2, true,
     "Es wurden keine Daten gefunden, die in die eingegebenen Suchmuster passen."},
    {N::AusgabeFehlgeschlagen, 0, false, W, KnopfOK, 2, true,
     "Der Ausdruck konnte nicht ausgegeben werden.\r\r"
     "%1"},
    {N::KeineVerbrauchswerte, 8206, true, I, OkHilfe, 1, false,
     "Es wurden keine Verbrauchswerte gefunden, die den gemachten Einstellungen entsprechen.\r\r"
     "Es wurden die Verbrauchswerte \r"
     "%1 gesucht.\r\r"
     "Wahrscheinlich wurde %2 (noch) keine Tankfüllung eingegeben."},
    {N::GrafikNurNachDatum, 8208, true, I, OkHilfe, 2, false,
     "Auf die graphische Ansicht kann nur umgeschalten werden,\r"
     "wenn die Verbrauchswerte nach Datum sortiert sind.\r\r"
     "Bitte wählen Sie im Menüpunkt  \"Sortierung ...\" den Punkt  \"... nach Datum\"  aus."},
    {N::KeineFuellungenGefunden, 8205, true, I, OkHilfe, 1, false,
     "Es wurden keine Tankfüllungen gefunden, die den gemachten Einstellungen entsprechen.\r\r"
     "Es wurden folgende Tankstellen gesucht:\r"
     "%1"},
    {N::AlleDatenGeloescht, 8207, false, I, OkHilfe, 2, false,
     "Es wurden alle Daten gelöscht.\r\r"
     "Sie gelangen nun wieder ins Hauptmenü"},
    {N::AenderungUebernehmen, 0, false, B, KnopfJa | KnopfNein | KnopfAbbruch, 3, true,
     "Wollen Sie die Änderungen wirklich übernehmen ?"},
    {N::DatensatzLoeschen, 0, false, B, KnopfJa | KnopfNein, 3, true,
     "Wollen Sie den Datensatz wirklich löschen ?"},
    {N::MaximaleFuellungen, 8203, true, I, OkHilfe, 2, true,
     "Es wurde die maximale Anzahl von Tankfüllungen (%1) eingegeben.\r\r"
     "Die Daten können nicht mehr erweitert werden."},
    {N::TankstellenlisteVoll, 8201, true, I, OkHilfe, 0, false,
     "Es können nur %1 Tankstellen fest vorgegeben werden."},
    {N::FestverbrauchUngueltig, 8204, false, I, OkHilfe, 2, true, "%1"},
    {N::TankinhaltUngueltig, 8212, false, I, OkHilfe, 2, true, "%1"},

    {N::UngespeichertImport, 8107, false, W, JaNeinHilfe, 3, true,
     "Die im Arbeitsspeicher befindlichen Daten sind noch nicht gespeichert.\r"
     "Durch das Importieren neuer Daten werden die 'alten' automatisch gelöscht.\r\r"
     "Möchten Sie die Daten vorher speichern?\r\r"
     "Wenn Sie auf JA klicken, wird der Import abgebrochen.\r"
     "Sie können dann die Daten \"von Hand\" speichern."},
    {N::ImportUnmoeglich, 0, false, F, KnopfOK, 5, true,
     "Die Datei '%1' kann nicht importiert werden.\r\r"
     "%2\r\r"
     "Ihre bisherigen Daten sind unverändert."},
    {N::ImportNichtsGueltig, 0, false, F, KnopfOK, 5, true,
     "Die Datei '%1' enthält keine Tankfüllung, die übernommen werden kann.\r"
     "Die Zeilen und ihre Fehler stehen in der Liste unten.\r\r"
     "Ihre bisherigen Daten sind unverändert."},
    {N::ImportTeilweise, 0, false, B, KnopfJa | KnopfNein, 3, true,
     "In der Datei '%1' können %2 von %3 Zeilen nicht übernommen werden.\r"
     "Die Zeilen und ihre Fehler stehen in der Liste unten.\r\r"
     "Möchten Sie die %4 gültigen Tankfüllungen importieren?\r"
     "Bei \"Nein\" wird nichts importiert, und Ihre bisherigen Daten bleiben unverändert."},
    {N::ImportFertig, 0, false, I, KnopfOK, 1, false,
     "Aus der Datei '%1' wurden %2 importiert.%3\r\r"
     "Die Daten sind noch nicht gespeichert. Bitte speichern Sie sie mit \"Datei | Speichern unter ...\"."},
    {N::ExportFehlgeschlagen, 0, false, F, KnopfOK, 5, true,
     "Die Datei '%1' konnte nicht geschrieben werden.\r"
     "Wahrscheinlich ist das Verzeichnis schreibgeschützt oder der Datenträger voll.\r\r"
     "Eine schon vorhandene Datei dieses Namens ist unverändert."},
    {N::ExportFertig, 0, false, I, KnopfOK, 1, false,
     "Es wurden %2 in die Datei '%1' exportiert.\r\r"
     "Die Datei kann bei Spritmonitor importiert oder mit einer Tabellenkalkulation geöffnet werden."},

    {N::DateiFehlt, 0, false, I, KnopfOK, 1, true,
     "Die Datei '%1'\r"
     "existiert nicht und kann desshalb auch nicht geladen werden."},
    {N::DateiUeberschreiben, 0, false, B, KnopfJa | KnopfNein, 1, true,
     "Die Datei '%1' existiert bereits.\r\r"
     "Möchten Sie sie überschreiben ?"},
    {N::DateinameUngueltig, 0, false, F, KnopfOK, 1, true,
     "Es wurde kein Dateiname angegeben oder der Dateiname enthält ein ungültige Zeichen.\r\r"
     "Folgende Zeichen sind nicht erlaubt : \r"
     "' ' <- Leerzeichen '*' '?' 'Ä' 'Ü' 'Ö' 'ß' '+' '#' ',' ';' '(' ')' '{' '}' '[' ']'"},

    {N::Softwarehinweis, 0, false, I, KnopfOK, 1, false,
     "Sprilo - Programm\t\tVersion %1\r"
     "===================\r\r"
     "Dieses Programm ist Freeware. Es darf kostenlos benutzt, kopiert und an andere weitergegeben werden, "
     "solange es unverändert und vollständig bleibt und dafür kein Geld verlangt wird.\r\r"
     "Die Nutzung geschieht auf eigene Verantwortung. Für Schäden, die durch die Benutzung des Programmes "
     "entstehen, wird keine Haftung übernommen."},
    {N::Info, 0, false, I, KnopfOK, 1, false,
     "Sprilo - Programm\t\tVersion %1\r"
     "===================\r\r"
     "Ein Programm zur Verwaltung von Tankfüllungen bei Kraftfahrzeugen\r"
     "und zur Ermittlung derer Verbrauchswerte.\r\r"
     "%2\r\r"
     "%3"},
};

struct TBausteinText {
    TBaustein Nr;
    const char *Text;
};

constexpr TBausteinText Bausteine[] = {
    {TBaustein::SicherheitskopieOeffnen, "\r\rVersuchen Sie die Sicherheitskopie '%1' zu öffnen."},
    {TBaustein::SicherheitskopiePruefen, "\r\rBitte prüfen Sie, ob die Sicherheitskopie '%1' vollständig ist."},
    {TBaustein::SicherungUnveraendert, "\rIhre Sicherungskopie '%1' ist ebenfalls unverändert."},
    {TBaustein::InhaltInSicherung, "\r\rDer bisherige Inhalt der Datendatei steht jetzt in der Sicherungskopie '%1'."},
    {TBaustein::KonfigOrt, "Die Konfigurationsdatei 'SPRILO.INI' befindet sich im Verzeichnis:\r%1"},
    {TBaustein::ImportLuecken, "\r\rVor %1 fehlt offenbar jeweils eine weitere Tankfüllung (Liste unten). "
                               "Der Verbrauch über eine solche Lücke ist nicht aussagekräftig."},
    {TBaustein::KeinKonfigOrt, "Es kann keine Konfigurationsdatei angelegt werden.\rBeachten Sie den Hinweis in den Hilfen."},
};
// clang-format on

// Puts the pieces in for %1 .. %9; a piece is not searched again, so a
// file name with "%2" in it stays as it is.
std::string Einsetzen(std::string_view vorlage, std::initializer_list<std::string> teile)
{
    std::string text;
    text.reserve(vorlage.size());
    for (size_t i = 0; i < vorlage.size(); ++i) {
        const char c = vorlage[i];
        if (c == '%' && i + 1 < vorlage.size() && vorlage[i + 1] >= '1' && vorlage[i + 1] <= '9') {
            const size_t nr = static_cast<size_t>(vorlage[i + 1] - '1');
            if (nr < teile.size())
                text += *(teile.begin() + nr);
            ++i;
            continue;
        }
        text += c;
    }
    return text;
}

const TVorlage &Vorlage(TMeldungsNr nr)
{
    for (const TVorlage &v : Vorlagen)
        if (v.Nr == nr)
            return v;
    // Every message the program names is in the table; a missing one is a
    // programming error that the tests catch.
    static const TVorlage leer{TMeldungsNr::Keine, 0, false, TKastenArt::Information, KnopfOK, 1, false, ""};
    return leer;
}

} // namespace

TMeldung MeldungBauen(TMeldungsNr nr, std::initializer_list<std::string> teile)
{
    const TVorlage &v = Vorlage(nr);
    TMeldung m;
    m.Nr = v.Nr;
    m.Code = v.Code;
    m.Text = Einsetzen(v.Text, teile);
    if (v.CodeZeile)
        m.Text += "\r\rCode : " + std::to_string(v.Code);
    m.TonArt = v.TonArt;
    m.TonImmer = v.TonImmer;
    m.Art = v.Art;
    m.Knoepfe = v.Knoepfe;
    m.Hilfe = (v.Knoepfe & KnopfHilfe) ? v.Code : 0;
    return m;
}

std::string Baustein(TBaustein b, std::initializer_list<std::string> teile)
{
    for (const TBausteinText &t : Bausteine)
        if (t.Nr == b)
            return Einsetzen(t.Text, teile);
    return {};
}

int Melden(const TMeldung &meldung)
{
    Signal(meldung.TonArt, meldung.TonImmer);
    return Plattform().MeldungZeigen(meldung);
}

int Melden(TMeldungsNr nr, std::initializer_list<std::string> teile)
{
    return Melden(MeldungBauen(nr, teile));
}
