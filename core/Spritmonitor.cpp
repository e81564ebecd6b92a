#include "Spritmonitor.h"

#include "Cp1252.h"
#include "Datendatei.h"
#include "Dateisystem.h"
#include "Feldpruefung.h"
#include "Zusatz1.h"
#include "consumption/Verbrauchswerte.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace {

// ---- characters ------------------------------------------------------------

bool GueltigesUtf8(const std::string &s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t folge = 0;
        char32_t wert = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF)
            folge = 1, wert = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            folge = 2, wert = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            folge = 3, wert = c & 0x07;
        else
            return false;
        if (i + folge >= s.size())
            return false;
        for (size_t k = 1; k <= folge; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80)
                return false;
            wert = (wert << 6) | (b & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode.
        if ((folge == 2 && wert < 0x800) || (folge == 3 && (wert < 0x10000 || wert > 0x10FFFF))
            || (wert >= 0xD800 && wert <= 0xDFFF))
            return false;
        i += folge + 1;
    }
    return true;
}

std::string Getrimmt(const std::string &s)
{
    const size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

// A message of the field rules ("\rA\rB ") as one sentence line.
std::string EinZeilig(const std::string &text)
{
    std::string s;
    for (const char c : text) {
        const char z = c == '\r' ? ' ' : c;
        if (z == ' ' && (s.empty() || s.back() == ' '))
            continue;
        s += z;
    }
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// A value of the file as the report quotes it: short, control characters
// visible.
std::string Zitat(const std::string &wert)
{
    std::string z = SteuerzeichenSichtbar(Zeichenweise(wert, 20));
    if (Zeichenzahl(wert) > 20)
        z += "...";
    return "„" + z + "“";
}

// ---- the CSV structure --------------------------------------------------------

struct TSatz {
    int64_t Zeile = 0;
    std::vector<std::string> Felder;
    bool Offen = false;   // a quoted text runs to the end of the file
};

// Reads the text record by record, so that a large file is never held as
// fields all at once. Quoted fields may hold the separator, line breaks and
// "" for a quote; CRLF, LF and CR end a line. Empty lines and lines of
// separators alone are left out.
class TSatzLeser {
public:
    TSatzLeser(const std::string &text, char trenner) : m_text(text), m_trenner(trenner) {}

    bool Naechster(TSatz &satz)
    {
        while (m_i < m_text.size()) {
            Lesen(satz);
            // Spreadsheet programs like to end a file with lines of separators alone.
            const bool leer = !satz.Offen && std::all_of(satz.Felder.begin(), satz.Felder.end(),
                                                         [](const std::string &f) { return Getrimmt(f).empty(); });
            if (!leer)
                return true;
        }
        return false;
    }

private:
    void Zeilenende()
    {
        if (m_text[m_i] == '\r' && m_i + 1 < m_text.size() && m_text[m_i + 1] == '\n')
            ++m_i;
        ++m_i;
        ++m_zeile;
    }

    void Lesen(TSatz &satz)
    {
        const std::string &t = m_text;
        const size_t n = t.size();
        satz = TSatz{};
        satz.Zeile = m_zeile;
        for (;;) {
            std::string feld;
            if (m_i < n && t[m_i] == '"') {
                ++m_i;
                for (;;) {
                    if (m_i >= n) {
                        satz.Offen = true;
                        break;
                    }
                    if (t[m_i] == '"') {
                        if (m_i + 1 < n && t[m_i + 1] == '"') {
                            feld += '"';
                            m_i += 2;
                            continue;
                        }
                        ++m_i;
                        break;
                    }
                    if (t[m_i] == '\n' || t[m_i] == '\r') {
                        feld += '\n';
                        Zeilenende();
                        continue;
                    }
                    feld += t[m_i++];
                }
            }
            // Unquoted text, or what follows a closing quote, up to the separator.
            while (m_i < n && t[m_i] != m_trenner && t[m_i] != '\n' && t[m_i] != '\r')
                feld += t[m_i++];
            satz.Felder.push_back(std::move(feld));
            if (m_i < n && t[m_i] == m_trenner) {
                ++m_i;
                continue;
            }
            if (m_i < n)
                Zeilenende();
            return;
        }
    }

    const std::string &m_text;
    char m_trenner;
    size_t m_i = 0;
    int64_t m_zeile = 1;
};

// ";" unless the first line has no ";" outside quotes but a ",".
char TrennerErkennen(const std::string &text)
{
    bool inText = false, komma = false;
    for (const char c : text) {
        if (c == '"')
            inText = !inText;
        else if (!inText && (c == '\n' || c == '\r'))
            break;
        else if (!inText && c == ';')
            return ';';
        else if (!inText && c == ',')
            komma = true;
    }
    return komma ? ',' : ';';
}

// ---- the columns ----------------------------------------------------------------

enum TSpalte { Datum, KmStand, TeilKm, Spritmenge, Kosten, Waehrung, Tankart, Bemerkung, Tankstelle, AnzahlSpalten };

struct TSpaltenName {
    const char *Name;
    bool Noetig;
};

constexpr TSpaltenName SpaltenNamen[AnzahlSpalten] = {
    {"Datum", true},     {"Km-Stand", true}, {"Teil-Km", false},  {"Spritmenge", true},  {"Kosten", true},
    {"Währung", false},  {"Tankart", true},  {"Bemerkung", false}, {"Tankstelle", false},
};

struct TZeile {
    TTankFuellung Fuellung;
    int64_t Zeile = 0;
    int64_t TeilKm = -1;   // -1: not given
};

bool DatumsformOk(const std::string &t)
{
    // TT.MM.JJJJ, day and month with one or two digits.
    size_t i = 0;
    for (int teil = 0; teil < 3; ++teil) {
        const size_t anfang = i;
        while (i < t.size() && IstZiffer(t[i]))
            ++i;
        const size_t laenge = i - anfang;
        if (teil < 2 ? (laenge < 1 || laenge > 2) : laenge != 4)
            return false;
        if (teil < 2) {
            if (i >= t.size() || t[i] != '.')
                return false;
            ++i;
        }
    }
    return i == t.size();
}

// A number of the file, read as the entry fields read numbers; longer texts
// than any number are no number.
TZahlErgebnis Zahl(const std::string &t)
{
    if (t.size() > 30)
        return {};
    return TextInZahl(t);
}

} // namespace

TImportErgebnis SpritmonitorLesen(const std::string &bytes)
{
    TImportErgebnis e;
    if (bytes.size() >= 2 && ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'))) {
        e.Grund = "Die Datei ist in UTF-16 gespeichert. Sprilo liest Spritmonitor-Exporte in UTF-8 oder Windows-1252.";
        return e;
    }
    // UTF-8 when every byte sequence is valid UTF-8 (pure ASCII is both);
    // otherwise the Windows code page of older exports, BOM or not.
    const std::string rest = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
    const std::string text = GueltigesUtf8(rest) ? rest : AusCp1252(rest);

    TSatzLeser leser(text, TrennerErkennen(text));
    TSatz satz;
    if (!leser.Naechster(satz)) {
        e.Grund = "Die Datei ist leer.";
        return e;
    }

    int spalte[AnzahlSpalten];
    std::fill(std::begin(spalte), std::end(spalte), -1);
    const std::vector<std::string> kopf = satz.Felder;
    for (size_t k = 0; k < kopf.size(); ++k)
        for (int s = 0; s < AnzahlSpalten; ++s)
            if (spalte[s] < 0 && Grossschreibung(Getrimmt(kopf[k])) == Grossschreibung(SpaltenNamen[s].Name))
                spalte[s] = static_cast<int>(k);
    std::vector<std::string> fehlend;
    for (int s = 0; s < AnzahlSpalten; ++s)
        if (SpaltenNamen[s].Noetig && spalte[s] < 0)
            fehlend.push_back(std::string("„") + SpaltenNamen[s].Name + "“");
    if (!fehlend.empty()) {
        std::string liste;
        for (size_t k = 0; k < fehlend.size(); ++k)
            liste += (k == 0 ? "" : k + 1 == fehlend.size() ? " und " : ", ") + fehlend[k];
        e.Grund = (fehlend.size() == 1 ? "Die Spalte " + liste + " fehlt." : "Die Spalten " + liste + " fehlen.")
                  + " Die erste Zeile muss die Spaltennamen des Spritmonitor-Exports enthalten "
                    "(Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;...).";
        return e;
    }

    std::vector<TZeile> gueltig;
    std::set<int32_t> kmStaende;
    while (leser.Naechster(satz)) {
        ++e.Zeilen;
        auto feld = [&](TSpalte s) -> std::string {
            const int k = spalte[s];
            return k >= 0 && static_cast<size_t>(k) < satz.Felder.size() ? satz.Felder[k] : std::string();
        };
        std::vector<std::string> gruende;
        auto fehler = [&](const std::string &name, const std::string &wert, const std::string &text) {
            gruende.push_back(wert.empty() ? text : name + " " + Zitat(wert) + ": " + text);
        };
        if (satz.Offen)
            gruende.push_back("Ein Text in Anführungszeichen wird bis zum Ende der Datei nicht geschlossen.");

        const std::string datum = Getrimmt(feld(Datum));
        if (datum.empty())
            fehler("", "", "Das Datum fehlt.");
        else if (!DatumsformOk(datum))
            fehler("Datum", datum, EinZeilig(FehlerText(5)) + " Erwartet wird TT.MM.JJJJ.");
        else if (const uint8_t nr = DatumFeldPruefen(datum))
            fehler("Datum", datum, EinZeilig(FehlerText(nr)));

        const std::string kmText = Getrimmt(feld(KmStand));
        int32_t km = 0;
        if (kmText.empty()) {
            fehler("", "", "Der KM-Stand fehlt.");
        } else {
            const TZahlErgebnis z = Zahl(kmText);
            // A fraction of a kilometre is rounded: the log counts whole ones.
            const long double gerundet = z.Ok ? std::round(z.Wert) : 0;
            if (!z.Ok)
                fehler("Km-Stand", kmText, EinZeilig(FehlerText(1)));
            else if (gerundet < 1)
                fehler("Km-Stand", kmText, EinZeilig(FehlerText(3)));
            else if (gerundet > INT32_MAX)
                fehler("Km-Stand", kmText, "Der KM-Stand ist zu groß.");
            else if (kmStaende.count(static_cast<int32_t>(gerundet)))
                fehler("Km-Stand", kmText, "Der KM-Stand kommt in der Datei schon einmal vor.");
            else
                km = static_cast<int32_t>(gerundet);
        }

        const std::string liter = Getrimmt(feld(Spritmenge));
        long double literWert = 0;
        if (liter.empty())
            fehler("", "", "Die Spritmenge fehlt.");
        else if (const uint8_t nr = liter.size() > 30 ? 14 : LiterPruefen(liter, literWert))
            fehler("Spritmenge", liter, EinZeilig(FehlerText(nr)));

        // Logs without prices exist: an amount of 0 is taken as it is.
        const std::string kosten = Getrimmt(feld(Kosten));
        const TZahlErgebnis kostenZahl = Zahl(kosten);
        if (kosten.empty())
            fehler("", "", "Die Kosten fehlen.");
        else if (!(kostenZahl.Ok && kostenZahl.Wert == 0 && kostenZahl.Nachkomma <= 2))
            if (const uint8_t nr = kosten.size() > 30 ? 9 : BetragPruefen(kosten))
                fehler("Kosten", kosten, EinZeilig(FehlerText(nr)));

        const std::string waehrung = Getrimmt(feld(Waehrung));
        if (!waehrung.empty() && Grossschreibung(waehrung) != "EUR" && waehrung != "€")
            fehler("Währung", waehrung, "Sprilo rechnet nur in Euro; Tankfüllungen in anderer Währung werden nicht übernommen.");

        const std::string tankart = Getrimmt(feld(Tankart));
        if (tankart.empty())
            fehler("", "", "Die Tankart fehlt.");
        else if (tankart.size() != 1 || tankart[0] < '0' || tankart[0] > '3')
            fehler("Tankart", tankart, "Unbekannte Tankart (1 voll, 2 teilweise, 3 erste Tankfüllung, 0 ungültig).");

        if (!gruende.empty()) {
            std::string grund;
            for (const std::string &g : gruende)
                grund += (grund.empty() ? "" : " ") + g;
            if (++e.AnzahlAbgelehnt <= MaxBerichtEintraege)
                e.Abgelehnt.push_back({satz.Zeile, grund});
            continue;
        }

        kmStaende.insert(km);
        TFuellungsEingabe eingabe;
        eingabe.KMStand = std::to_string(km);
        eingabe.Datum = datum;
        const std::string station = NurSpeicherbar(feld(Tankstelle));
        const std::string bemerkung = NurSpeicherbar(feld(Bemerkung));
        eingabe.Tankstelle = !Getrimmt(station).empty() ? station : !Getrimmt(bemerkung).empty() ? bemerkung : "";
        eingabe.Betrag = kosten;
        eingabe.Liter = liter;
        eingabe.Vollgetankt = tankart != "2";
        // No shut-off value is known: the pump stopped at the litres tanked.
        eingabe.VollBei = liter;
        TZeile zeile{FuellungBilden(eingabe), satz.Zeile, -1};
        const TZahlErgebnis teilKm = Zahl(Getrimmt(feld(TeilKm)));
        if (teilKm.Ok && teilKm.Wert >= 0 && teilKm.Wert < 1e12L)
            zeile.TeilKm = static_cast<int64_t>(std::llround(teilKm.Wert));
        gueltig.push_back(std::move(zeile));
    }

    std::stable_sort(gueltig.begin(), gueltig.end(),
                     [](const TZeile &a, const TZeile &b) { return a.Fuellung.KMStand < b.Fuellung.KMStand; });
    // A distance that differs from the odometers by more than the rounding
    // of both means a fill-up the file does not hold; so does a distance of
    // 0 after the first fill-up (the service's "first fill-up" after a gap).
    for (size_t i = 1; i < gueltig.size(); ++i) {
        const int64_t differenz = int64_t(gueltig[i].Fuellung.KMStand) - gueltig[i - 1].Fuellung.KMStand;
        if (gueltig[i].TeilKm >= 0 && std::llabs(gueltig[i].TeilKm - differenz) > 1
            && ++e.AnzahlLuecken <= MaxBerichtEintraege)
            e.Luecken.push_back({gueltig[i].Zeile, gueltig[i].Fuellung.KMStand, gueltig[i].TeilKm, differenz});
    }
    if (e.Zeilen == 0) {
        e.Grund = "Die Datei enthält keine Tankfüllungen.";
        return e;
    }
    e.Fuellungen.reserve(gueltig.size());
    for (TZeile &z : gueltig)
        e.Fuellungen.push_back(std::move(z.Fuellung));
    e.Lesbar = true;
    return e;
}

TImportErgebnis SpritmonitorDateiLesen(const std::string &datei)
{
    TImportErgebnis e;
    std::unique_ptr<TEingabe> ein = Dateisystem().Oeffnen(datei);
    if (!ein) {
        e.Geoeffnet = false;
        e.Grund = "Die Datei kann nicht geöffnet werden. Vielleicht fehlt sie, oder sie ist keine gewöhnliche Datei.";
        return e;
    }
    const int64_t groesse = ein->Groesse();
    if (groesse > MaxImportGroesse) {
        e.Grund = "Die Datei ist mit " + ZahlMitPunkten(groesse / (1024 * 1024), 1)
                  + " MB zu groß für einen Spritmonitor-Export.";
        return e;
    }
    std::string bytes;
    char puffer[65536];
    for (size_t n; (n = ein->Lesen(puffer, sizeof puffer)) > 0;) {
        bytes.append(puffer, n);
        if (static_cast<int64_t>(bytes.size()) > MaxImportGroesse) {
            e.Grund = "Die Datei ist zu groß für einen Spritmonitor-Export.";
            return e;
        }
    }
    if (ein->Fehler()) {
        e.Grund = "Die Datei konnte nicht vollständig gelesen werden.";
        return e;
    }
    return SpritmonitorLesen(bytes);
}

namespace {

template <typename T, typename F>
std::string Auflisten(const std::vector<T> &liste, int64_t anzahl, size_t maxZeilen, F zeile)
{
    std::string text;
    const size_t zeigen = maxZeilen == 0 ? liste.size() : std::min(maxZeilen, liste.size());
    for (size_t i = 0; i < zeigen; ++i)
        text += (i ? "\r" : "") + zeile(liste[i]);
    if (static_cast<int64_t>(zeigen) < anzahl)
        text += "\r... und " + ZahlMitPunkten(anzahl - static_cast<int64_t>(zeigen), 1) + " weitere";
    return text;
}

} // namespace

std::string AbgelehntText(const TImportErgebnis &e, size_t maxZeilen)
{
    return Auflisten(e.Abgelehnt, e.AnzahlAbgelehnt, maxZeilen,
                     [](const TImportFehler &f) { return "Zeile " + std::to_string(f.Zeile) + ": " + f.Grund; });
}

std::string LueckenText(const TImportErgebnis &e, size_t maxZeilen)
{
    return Auflisten(e.Luecken, e.AnzahlLuecken, maxZeilen, [](const TImportLuecke &l) {
        return "Zeile " + std::to_string(l.Zeile) + ", KM-Stand " + ZahlMitPunkten(l.KMStand, 1) + ": laut Datei "
               + ZahlMitPunkten(l.TeilKm, 1) + " Km seit der vorigen Tankfüllung, nach den KM-Ständen "
               + ZahlMitPunkten(l.Differenz, 1) + " Km";
    });
}

void ImportUebernehmen(TImportErgebnis &&e)
{
    NeueDaten();
    Fuellungen = std::move(e.Fuellungen);
    DatenVorhanden = !Fuellungen.empty();
    ListeOrdnen(Fuellungen, DatenLogisch);
    // As loading a file without a fixed consumption does.
    if (AnzahlFuellungen() > 1) {
        ErmittleLetzteVerbrauchswerte();
        BerechneGesamtverbrauch();
        Festverbrauch = GesamtVerbrauch.Durchschnitt;
    }
    Gespeichert = !DatenVorhanden;
}

namespace {

// "1234,56": two decimals with a comma, whatever the C locale says.
std::string Zahl2(long double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.2Lf", std::isfinite(wert) ? wert : 0.0L);
    std::string s = puffer;
    for (char &c : s)
        if (c == '.')
            c = ',';
    return s;
}

std::string Zitiert(const std::string &text)
{
    std::string s = "\"";
    for (const char c : text)
        s += c == '"' ? std::string("\"\"") : std::string(1, c);
    return s + "\"";
}

std::string DatumZweistellig(const TDatum &d)
{
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, "%02u.%02u.%04u", unsigned(d.Tag), unsigned(d.Monat), unsigned(d.Jahr));
    return puffer;
}

} // namespace

std::string SpritmonitorText()
{
    // The consumption of each value that ends at a full fill-up, by the
    // odometer reading it ends at.
    std::map<int32_t, long double> verbrauch;
    long double startKorrektur = 0;
    VerbrauchswerteBilden([](const TTankFuellung &) { return true; },
                          [&](TVerbrauchsWert &&w) {
                              if (w.Vollgetankt)
                                  verbrauch[w.BisKM] = w.Durchschnitt;
                          },
                          startKorrektur);

    std::string text = "\xEF\xBB\xBF"
                       "Datum;Km-Stand;Teil-Km;Spritmenge;Kosten;Währung;Tankart;Reifen;Strecken;Fahrweise;"
                       "Kraftstoff;Bemerkung;Verbrauch\r\n";
    for (size_t i = Fuellungen.size(); i-- > 0;) {
        const TTankFuellung &f = Fuellungen[i];
        const int64_t teilKm = i > 0 ? int64_t(f.KMStand) - Fuellungen[i - 1].KMStand : 0;
        const auto v = verbrauch.find(f.KMStand);
        text += DatumZweistellig(f.Datum) + ";" + Zahl2(f.KMStand) + ";" + Zahl2(teilKm) + ";" + Zahl2(f.Liter) + ";"
                + Zahl2(f.Betrag) + ";EUR;" + (f.Vollgetankt ? "1" : "2") + ";;;;;" + Zitiert(f.Tankstelle) + ";"
                + (v != verbrauch.end() ? Zahl2(v->second) : "") + "\r\n";
    }
    return text;
}

bool SpritmonitorSchreiben(const std::string &datei)
{
    TDateisystem &fs = Dateisystem();
    if (fs.Existiert(datei) && !fs.IstDatei(datei))
        return false;
    std::string neu;
    std::unique_ptr<TAusgabe> aus = fs.Zwischendatei(datei, neu);
    if (!aus)
        return false;
    const std::string text = SpritmonitorText();
    bool ok = aus->Schreiben(text.data(), text.size());
    ok = aus->Schliessen() && ok;
    aus.reset();
    if (!ok || !fs.Umbenennen(neu, datei)) {
        fs.Loeschen(neu);
        return false;
    }
    fs.VerzeichnisSichern(Verzeichnisteil(datei));
    return true;
}
