// Format: printf-like formatting with German separators (decimal ",",
// thousands ".").
//
// Supported: %d, %s, %f, %n with width and precision, "*" width taken from
// the argument list, and "%%". An extended value is first turned into its
// 18 significant decimal digits and then rounded half away from zero to the
// precision, so 0.125 gives "0,13" with two decimals, 1.005 gives "1,01" and
// 2.5 gives "3" with none: the figures the program has always shown and
// printed, whatever the binary value behind them.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

class FormatArgument {
public:
    enum class Typ { Zahl, Ganzzahl, Text };

    FormatArgument(long double v) : m_typ(Typ::Zahl), m_zahl(v) {}
    FormatArgument(double v) : m_typ(Typ::Zahl), m_zahl(v) {}
    FormatArgument(int v) : m_typ(Typ::Ganzzahl), m_ganz(v) {}
    FormatArgument(long v) : m_typ(Typ::Ganzzahl), m_ganz(v) {}
    FormatArgument(long long v) : m_typ(Typ::Ganzzahl), m_ganz(v) {}
    FormatArgument(unsigned v) : m_typ(Typ::Ganzzahl), m_ganz(v) {}
    FormatArgument(const char *s) : m_typ(Typ::Text), m_text(s) {}
    FormatArgument(const std::string &s) : m_typ(Typ::Text), m_text(s) {}

    Typ typ() const { return m_typ; }
    long double zahl() const { return m_typ == Typ::Ganzzahl ? static_cast<long double>(m_ganz) : m_zahl; }
    int64_t ganzzahl() const { return m_ganz; }
    const std::string &text() const { return m_text; }

private:
    Typ m_typ;
    long double m_zahl = 0;
    int64_t m_ganz = 0;
    std::string m_text;
};

std::string Format(std::string_view muster, std::initializer_list<FormatArgument> argumente);
