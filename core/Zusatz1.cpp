#include "Zusatz1.h"

#include "Cp1252.h"
#include "Format.h"
#include "Plattform.h"

#include <cstdio>

namespace {

// Everything typed or compared here is cut to this many characters.
constexpr size_t MaxZeichen = 128;

// Byte length of the UTF-8 character starting with byte b; stray bytes
// count as one character each.
size_t ZeichenLaenge(unsigned char b)
{
    if ((b & 0xE0) == 0xC0)
        return 2;
    if ((b & 0xF0) == 0xE0)
        return 3;
    if ((b & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

const uint8_t MonatsTage[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int TageImMonat(int monat, int jahr)
{
    if (monat < 1 || monat > 12)
        return 0;
    if (monat == 2 && Schaltjahr(jahr))
        return 29;
    return MonatsTage[monat - 1];
}

// ---- numbers --------------------------------------------------------------

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

bool IstTrenner(char c)
{
    return (c >= ',' && c <= '/') || c == ':' || c == ';';
}

long double Potenz(int32_t n, long double x)
{
    long double p = 1;
    for (int32_t i = 0; i < n; ++i)
        p *= x;
    return p;
}

TZahlErgebnis TextInZahl(const std::string &eingabe)
{
    // Any byte of a multi-byte character is neither digit nor separator, so
    // scanning bytes after cutting to characters is enough: such a text is
    // not a number, and then the count is reported as 0 anyway.
    const std::string text = Zeichenweise(eingabe, MaxZeichen);
    TZahlErgebnis e;
    long double wert = 0;
    unsigned anzahl = 0;
    unsigned nachkomma = 0;
    bool trennerGesehen = false;
    bool ok = true;

    size_t i = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    if (negativ)
        i = 1;
    if (i >= text.size())
        ok = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        ++anzahl;
        if (IstZiffer(c)) {
            wert = wert * 10 + (c - '0');
            if (trennerGesehen)
                ++nachkomma;
        } else if (IstTrenner(c)) {
            if (trennerGesehen)
                ok = false;
            trennerGesehen = true;
        } else {
            ok = false;
        }
    }

    if (!ok)
        return e;
    if (trennerGesehen)
        wert /= Potenz(static_cast<int32_t>(nachkomma), 10);
    if (negativ)
        wert *= -1;
    e.Wert = wert;
    e.Ok = true;
    e.Anzahl = static_cast<uint8_t>(anzahl);
    e.Nachkomma = static_cast<uint8_t>(nachkomma);
    return e;
}

TGanzzahlErgebnis TextInGanzzahl(const std::string &text)
{
    TGanzzahlErgebnis e;
    const TZahlErgebnis z = TextInZahl(text);
    if (!z.Ok) {
        e.Fehler = 1;
    } else if (z.Nachkomma > 0) {
        e.Fehler = 2;
    } else if (z.Wert > INT32_MAX) {
        // Clamped rather than wrapped, so that range checks of the callers
        // still see a value that is too large.
        e.Wert = INT32_MAX;
    } else if (z.Wert < INT32_MIN) {
        e.Wert = INT32_MIN;
    } else {
        e.Wert = static_cast<int32_t>(z.Wert);
    }
    return e;
}

std::string ZahlMitPunkten(int64_t n, int32_t breite)
{
    const std::string ziffern = std::to_string(n);
    std::string s;
    int gezaehlt = 0;
    for (auto it = ziffern.rbegin(); it != ziffern.rend(); ++it) {
        if (*it != '-') {
            ++gezaehlt;
            if (gezaehlt == 4) {
                s.insert(s.begin(), '.');
                gezaehlt = 1;
            }
        }
        s.insert(s.begin(), *it);
    }
    if (breite > static_cast<int32_t>(s.size()))
        s.insert(0, breite - s.size(), ' ');
    return s;
}

std::string LiterText(int breite, long double liter)
{
    return Format("%*.2nL", {breite, liter});
}

std::string EuroText(long double betrag)
{
    return Format("EUR %8.2n", {betrag});
}

std::string PreisText(uint16_t preis)
{
    std::string s;
    if (preis < 10)
        s = "0.00";
    else if (preis < 100)
        s = "0.0";
    else if (preis < 1000)
        s = "0.";
    s += ZahlMitPunkten(preis, 1);
    s.insert(s.size() - 1, ",");
    s += " EUR/l";
    return s;
}

// ---- dates ----------------------------------------------------------------

TDatumErgebnis DatumLesen(const std::string &eingabe)
{
    const std::string text = Zeichenweise(eingabe, 10);
    int zustand = 1;
    int tag = 0, monat = 0, jahr = 0;
    int trenner = 0;
    bool ok = true;

    for (const char c : text) {
        if (IstZiffer(c)) {
            const int z = c - '0';
            switch (zustand) {
            case 1: tag = z; zustand = 2; break;
            case 2: tag = tag * 10 + z; zustand = 3; break;
            case 4: monat = z; zustand = 5; break;
            case 5: monat = monat * 10 + z; zustand = 6; break;
            case 7: jahr = z; zustand = 8; break;
            case 8:
            case 9:
            case 10: jahr = jahr * 10 + z; ++zustand; break;
            case 11: break;   // digits beyond the fourth year digit are ignored
            default: ok = false; break;   // third day or month digit
            }
        } else if (IstTrenner(c)) {
            if (zustand == 2 || zustand == 3)
                zustand = 4;
            else if (zustand == 5 || zustand == 6)
                zustand = 7;
            else
                ok = false;
            if (++trenner > 2)
                ok = false;
        } else {
            // Also every byte of a non-ASCII character.
            ok = false;
        }
    }

    if (zustand < 8)
        jahr = Plattform().Heute().Jahr;
    if (jahr < 80)
        jahr += 2000;
    else if (jahr < 100)
        jahr += 1900;

    TDatumErgebnis e;
    e.Datum.Tag = static_cast<uint8_t>(tag);
    e.Datum.Monat = static_cast<uint8_t>(monat);
    e.Datum.Jahr = static_cast<uint16_t>(jahr);
    e.Fehler = ok ? DatumPruefen(tag, monat, jahr) : 4;
    return e;
}

uint8_t DatumPruefen(int tag, int monat, int jahr)
{
    uint8_t fehler = 0;
    if (jahr < 1900 || jahr > 2100)
        fehler = 3;
    // Later checks overwrite: a wrong day or month is told before the year.
    if (monat < 1 || monat > 12)
        fehler = 2;
    else if (tag < 1 || tag > TageImMonat(monat, jahr))
        fehler = 1;
    return fehler;
}

std::string DatumText(const TDatum &d)
{
    std::string s;
    if (d.Tag < 10)
        s += '0';
    s += std::to_string(d.Tag);
    s += '.';
    if (d.Monat < 10)
        s += '0';
    s += std::to_string(d.Monat);
    s += '.';
    s += std::to_string(d.Jahr);
    return s;
}

TDatum HeutigesDatum()
{
    return Plattform().Heute();
}

int8_t DatumVergleich(const TDatum &a, const TDatum &b)
{
    if (a.Jahr != b.Jahr)
        return a.Jahr > b.Jahr ? 1 : -1;
    if (a.Monat != b.Monat)
        return a.Monat > b.Monat ? 1 : -1;
    if (a.Tag != b.Tag)
        return a.Tag > b.Tag ? 1 : -1;
    return 0;
}

bool Schaltjahr(int jahr)
{
    return jahr % 400 == 0 || (jahr % 4 == 0 && jahr % 100 != 0);
}

std::string ZeitraumName(int nr, bool monat)
{
    static const char *const monate[12] = {
        "Januar", "Februar", "März", "April", "Mai", "Juni",
        "Juli", "August", "September", "Oktober", "November", "Dezember",
    };
    static const char *const quartale[4] = {"1. Quartal", "2. Quartal", "3. Quartal", "4. Quartal"};
    if (nr < 1 || nr > 12)
        return {};
    return monat ? monate[nr - 1] : quartale[(nr - 1) / 3];
}

// ---- texts ----------------------------------------------------------------

std::string GrossBuchstabe(const std::string &zeichen)
{
    if (zeichen.size() == 1 && zeichen[0] >= 'a' && zeichen[0] <= 'z')
        return std::string(1, static_cast<char>(zeichen[0] - 'a' + 'A'));
    if (zeichen == "ä")
        return "Ä";
    if (zeichen == "ö")
        return "Ö";
    if (zeichen == "ü")
        return "Ü";
    return zeichen;
}

std::string Grossschreibung(const std::string &text)
{
    std::string s;
    s.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t laenge = ZeichenLaenge(static_cast<unsigned char>(text[i]));
        s += GrossBuchstabe(text.substr(i, laenge));
        i += laenge;
    }
    return s;
}

bool TextEnthalten(const std::string &text, const std::string &teil, bool exakt)
{
    std::string t = Zeichenweise(text, MaxZeichen);
    std::string g = Zeichenweise(teil, MaxZeichen);
    if (g.empty())
        return false;
    if (!exakt) {
        t = Grossschreibung(t);
        g = Grossschreibung(g);
    }
    return t.find(g) != std::string::npos;
}

bool Beschreibbar(const std::string &dateiname)
{
    if (dateiname.empty())
        return false;
    std::FILE *f = std::fopen(dateiname.c_str(), "wb");
    if (!f)
        return false;
    if (std::fclose(f) != 0) {
        std::remove(dateiname.c_str());
        return false;
    }
    return std::remove(dateiname.c_str()) == 0;
}

// ---- sound and colour -----------------------------------------------------

void Signal(int art, bool immer)
{
    if (!WarnTonAn && !immer)
        return;
    Plattform().Ton(art >= 1 && art <= 5 ? art : 1);
}

uint32_t FarbeNr(int32_t i)
{
    static constexpr uint32_t grundfarben[16] = {
        0x000000, 0x0000FF, 0x008000, 0x008080, 0xFF0000, 0xFF00FF, 0x800000, 0xC0C0C0,
        0x808080, 0x00FFFF, 0x00FF00, 0x808000, 0x000080, 0x800080, 0xFFFF00, 0xFFFFFF,
    };
    if (i < 0)
        return 0x000000;
    const int32_t nr = i % 40;
    if (nr < 16)
        return grundfarben[nr];
    return Plattform().SystemFarbe(nr - 15);
}
