#include "Cp1252.h"

#include <cstdint>

namespace {

// Unicode code points of the bytes 0x80..0x9F; the rest is Latin-1.
constexpr char32_t Bereich80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void Anhaengen(std::string &s, char32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the code point at s[i] and advances i; returns U+FFFD for
// malformed sequences (consuming one byte).
char32_t Naechstes(const std::string &s, size_t &i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    int folge = 0;
    char32_t c = 0;
    if (b < 0x80) {
        ++i;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        folge = 1;
        c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2;
        c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3;
        c = b & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + folge >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto f = static_cast<unsigned char>(s[i + k]);
        if ((f & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (f & 0x3F);
    }
    i += folge + 1;
    return c;
}

} // namespace

std::string AusCp1252(const std::string &bytes)
{
    std::string s;
    s.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        Anhaengen(s, (b >= 0x80 && b < 0xA0) ? Bereich80[b - 0x80] : char32_t(b));
    }
    return s;
}

std::string NachCp1252(const std::string &utf8)
{
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const char32_t c = Naechstes(utf8, i);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            s += static_cast<char>(c);
            continue;
        }
        char ersatz = '?';
        for (int k = 0; k < 32; ++k) {
            if (Bereich80[k] == c) {
                ersatz = static_cast<char>(0x80 + k);
                break;
            }
        }
        s += ersatz;
    }
    return s;
}

std::string Zeichenweise(const std::string &utf8, size_t n)
{
    size_t i = 0;
    for (size_t k = 0; k < n && i < utf8.size(); ++k)
        Naechstes(utf8, i);
    return utf8.substr(0, i);
}

bool IstSteuerzeichen(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool BeginntMitSteuerzeichen(const std::string &utf8)
{
    size_t i = 0;
    return !utf8.empty() && IstSteuerzeichen(Naechstes(utf8, i));
}

std::string SteuerzeichenSichtbar(const std::string &utf8)
{
    std::string s;
    s.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t anfang = i;
        if (IstSteuerzeichen(Naechstes(utf8, i)))
            s += '?';
        else
            s.append(utf8, anfang, i - anfang);
    }
    return s;
}

bool Cp1252Speicherbar(char32_t c)
{
    if ((c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF))
        return true;
    // The undefined bytes map to control characters of their own number.
    if (c < 0xA0)
        return false;
    for (const char32_t z : Bereich80)
        if (z == c)
            return true;
    return false;
}

std::string NurSpeicherbar(const std::string &utf8, std::string *abgelehnt)
{
    std::string bleibt;
    bleibt.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t anfang = i;
        if (Cp1252Speicherbar(Naechstes(utf8, i)))
            bleibt.append(utf8, anfang, i - anfang);
        else if (abgelehnt)
            abgelehnt->append(utf8, anfang, i - anfang);
    }
    return bleibt;
}

size_t Zeichenzahl(const std::string &utf8)
{
    size_t n = 0;
    for (size_t i = 0; i < utf8.size(); ++n)
        Naechstes(utf8, i);
    return n;
}
