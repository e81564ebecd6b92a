#include "Format.h"

#include "Cp1252.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char Dezimaltrenner = ',';
constexpr char Tausendertrenner = '.';

// Significant digits kept of an extended value before rounding.
constexpr int Stellen = 18;

// A value as its 18 significant decimal digits: 0.Ziffern × 10^Exponent.
struct TDezimal {
    bool Negativ = false;
    std::string Ziffern;   // exactly Stellen digits, or empty for zero
    int Exponent = 0;      // digits before the decimal point
};

TDezimal Zerlegen(long double v)
{
    TDezimal d;
    d.Negativ = std::signbit(v);
    if (v == 0)
        return d;
    // "%.17Le" gives the correctly rounded 18 digits of the extended value.
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.17Le", std::fabs(v));
    d.Ziffern.reserve(Stellen);
    const char *p = puffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Ziffern += *p;
    d.Exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
    return d;
}

// Rounds to `nachkomma` decimals, halves away from zero, working on the
// decimal digits so that 0.125 gives 0.13. Afterwards Ziffern holds the
// digits before and after the point (trailing zeros may be missing); empty
// means the result is zero.
void Runden(TDezimal &d, int nachkomma)
{
    if (d.Ziffern.empty())
        return;
    const int behalten = d.Exponent + nachkomma;
    if (behalten >= static_cast<int>(d.Ziffern.size()))
        return;
    if (behalten < 0) {
        d.Ziffern.clear();
        return;
    }
    const bool aufrunden = d.Ziffern[behalten] >= '5';
    d.Ziffern.resize(behalten);
    if (aufrunden) {
        int i = behalten - 1;
        while (i >= 0 && d.Ziffern[i] == '9') {
            d.Ziffern[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.Ziffern[i];
        } else {
            d.Ziffern.insert(d.Ziffern.begin(), '1');
            ++d.Exponent;
        }
    }
    if (d.Ziffern.find_first_not_of('0') == std::string::npos)
        d.Ziffern.clear();
}

std::string Gruppieren(const std::string &ganz)
{
    std::string s;
    const size_t n = ganz.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            s += Tausendertrenner;
        s += ganz[i];
    }
    return s;
}

// Numbers beyond 18 integer digits go into the general
// format: shortest digits and an exponent without "+" (1,5E25).
std::string Allgemein(const TDezimal &d)
{
    std::string z = d.Ziffern;
    while (z.size() > 1 && z.back() == '0')
        z.pop_back();
    std::string s = d.Negativ ? "-" : "";
    s += z[0];
    if (z.size() > 1) {
        s += Dezimaltrenner;
        s.append(z, 1, std::string::npos);
    }
    s += 'E';
    s += std::to_string(d.Exponent - 1);
    return s;
}

// %f (gruppiert false) and %n (gruppiert true).
std::string Festkomma(long double v, int nachkomma, bool gruppiert)
{
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    if (nachkomma > Stellen)
        nachkomma = Stellen;

    TDezimal d = Zerlegen(v);
    if (d.Exponent > Stellen)
        return Allgemein(d);
    Runden(d, nachkomma);

    std::string ganz, bruch;
    if (d.Ziffern.empty()) {
        ganz = "0";
        bruch.assign(nachkomma, '0');
    } else {
        if (d.Exponent <= 0) {
            ganz = "0";
            bruch.assign(-d.Exponent, '0');
            bruch += d.Ziffern;
        } else {
            ganz = d.Ziffern.substr(0, d.Exponent);
            ganz.append(d.Exponent - ganz.size(), '0');
            if (static_cast<int>(d.Ziffern.size()) > d.Exponent)
                bruch = d.Ziffern.substr(d.Exponent);
        }
        bruch.resize(nachkomma, '0');
    }

    std::string s;
    // A value that rounds to zero shows no sign.
    if (d.Negativ && !d.Ziffern.empty())
        s += '-';
    s += gruppiert ? Gruppieren(ganz) : ganz;
    if (nachkomma > 0) {
        s += Dezimaltrenner;
        s += bruch;
    }
    return s;
}

std::string Ganzzahl(int64_t n, int mindestStellen)
{
    const bool negativ = n < 0;
    // Via unsigned so that the smallest int64 has a magnitude too.
    const uint64_t betrag = negativ ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    std::string z = std::to_string(betrag);
    if (mindestStellen > static_cast<int>(z.size()))
        z.insert(0, mindestStellen - z.size(), '0');
    return negativ ? "-" + z : z;
}

int64_t AlsGanzzahl(const FormatArgument &a)
{
    if (a.typ() == FormatArgument::Typ::Ganzzahl)
        return a.ganzzahl();
    if (a.typ() == FormatArgument::Typ::Text)
        return 0;
    const long double v = a.zahl();
    if (std::isnan(v))
        return 0;
    if (v >= 9.2e18L)
        return INT64_MAX;
    if (v <= -9.2e18L)
        return INT64_MIN;
    return static_cast<int64_t>(v);
}

} // namespace

std::string Format(std::string_view muster, std::initializer_list<FormatArgument> argumente)
{
    std::string ergebnis;
    auto arg = argumente.begin();
    const auto ende = argumente.end();
    const FormatArgument leer(0);
    auto naechstes = [&]() -> const FormatArgument & { return arg != ende ? *arg++ : leer; };

    size_t i = 0;
    const size_t n = muster.size();
    while (i < n) {
        const char c = muster[i];
        if (c != '%') {
            ergebnis += c;
            ++i;
            continue;
        }
        const size_t anfang = i++;
        if (i < n && muster[i] == '%') {
            ergebnis += '%';
            ++i;
            continue;
        }

        bool links = false;
        if (i < n && muster[i] == '-') {
            links = true;
            ++i;
        }
        int breite = -1;
        if (i < n && muster[i] == '*') {
            breite = static_cast<int>(AlsGanzzahl(naechstes()));
            if (breite < 0) {
                links = true;
                breite = -breite;
            }
            ++i;
        } else {
            while (i < n && muster[i] >= '0' && muster[i] <= '9')
                breite = (breite < 0 ? 0 : breite * 10) + (muster[i++] - '0');
        }
        int genauigkeit = -1;
        if (i < n && muster[i] == '.') {
            ++i;
            genauigkeit = 0;
            if (i < n && muster[i] == '*') {
                genauigkeit = static_cast<int>(AlsGanzzahl(naechstes()));
                ++i;
            } else {
                while (i < n && muster[i] >= '0' && muster[i] <= '9')
                    genauigkeit = genauigkeit * 10 + (muster[i++] - '0');
            }
        }
        if (i >= n) {
            // An unfinished specifier stays as typed.
            ergebnis.append(muster.substr(anfang));
            break;
        }

        std::string feld;
        switch (muster[i]) {
        case 'd':
        case 'D':
            feld = Ganzzahl(AlsGanzzahl(naechstes()), genauigkeit);
            break;
        case 'f':
        case 'F':
            feld = Festkomma(naechstes().zahl(), genauigkeit < 0 ? 2 : genauigkeit, false);
            break;
        case 'n':
        case 'N':
            feld = Festkomma(naechstes().zahl(), genauigkeit < 0 ? 2 : genauigkeit, true);
            break;
        case 's':
        case 'S': {
            const FormatArgument &a = naechstes();
            if (a.typ() == FormatArgument::Typ::Text)
                feld = a.text();
            else if (a.typ() == FormatArgument::Typ::Ganzzahl)
                feld = Ganzzahl(a.ganzzahl(), 0);
            else
                feld = Festkomma(a.zahl(), 2, false);
            if (genauigkeit >= 0)
                feld = Zeichenweise(feld, static_cast<size_t>(genauigkeit));
            break;
        }
        default:
            // Unknown conversions are shown as they stand.
            ergebnis.append(muster.substr(anfang, i + 1 - anfang));
            ++i;
            continue;
        }
        ++i;
        // Width counts characters, so that umlauts in %s pad correctly.
        const size_t zeichen = Zeichenzahl(feld);
        if (breite > static_cast<int>(zeichen)) {
            if (links)
                feld.append(breite - zeichen, ' ');
            else
                feld.insert(0, breite - zeichen, ' ');
        }
        ergebnis += feld;
    }
    return ergebnis;
}
