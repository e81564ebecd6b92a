#include "Extended.h"

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

struct TTeile {
    uint64_t Mantisse;
    uint16_t VorzeichenExponent;
};

TTeile TeileLesen(const uint8_t *p)
{
    TTeile t{0, 0};
    for (int i = 7; i >= 0; --i)
        t.Mantisse = (t.Mantisse << 8) | p[i];
    t.VorzeichenExponent = static_cast<uint16_t>(p[8] | (p[9] << 8));
    return t;
}

void TeileSchreiben(const TTeile &t, uint8_t *p)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(t.Mantisse >> (8 * i));
    p[8] = static_cast<uint8_t>(t.VorzeichenExponent);
    p[9] = static_cast<uint8_t>(t.VorzeichenExponent >> 8);
}

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
// The host's long double is the x87 format itself: its object
// representation is mantissa then sign and exponent, in host byte order.
// Copying the parts in keeps every pattern exactly, payloads included.
constexpr bool HostIstX87 = true;

long double AusTeilen(const TTeile &t)
{
    unsigned char roh[sizeof(long double)] = {};
    static_assert(sizeof(long double) >= 10, "x87 long double has 10 significant bytes");
    std::memcpy(roh, &t.Mantisse, 8);
    std::memcpy(roh + 8, &t.VorzeichenExponent, 2);
    long double v;
    std::memcpy(&v, roh, sizeof v);
    return v;
}

TTeile InTeile(long double v)
{
    unsigned char roh[sizeof(long double)];
    std::memcpy(roh, &v, sizeof v);
    TTeile t;
    std::memcpy(&t.Mantisse, roh, 8);
    std::memcpy(&t.VorzeichenExponent, roh + 8, 2);
    return t;
}
#else
constexpr bool HostIstX87 = false;

// Portable path for hosts whose long double has another format: exact for
// every value the host can hold; NaN payloads are not kept.
long double AusTeilen(const TTeile &t)
{
    const bool negativ = t.VorzeichenExponent & 0x8000;
    const int exponent = t.VorzeichenExponent & 0x7FFF;
    long double v;
    if (exponent == 0x7FFF) {
        v = (t.Mantisse << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                   : std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int e = exponent == 0 ? 1 - 16383 - 63 : exponent - 16383 - 63;
        v = std::ldexp(static_cast<long double>(t.Mantisse), e);
    }
    return negativ ? -v : v;
}

TTeile InTeile(long double v)
{
    TTeile t{0, 0};
    if (std::signbit(v))
        t.VorzeichenExponent = 0x8000;
    v = std::fabs(v);
    if (std::isnan(v)) {
        t.VorzeichenExponent |= 0x7FFF;
        t.Mantisse = 0xC000000000000000ull;
    } else if (std::isinf(v)) {
        t.VorzeichenExponent |= 0x7FFF;
        t.Mantisse = 0x8000000000000000ull;
    } else if (v != 0) {
        int e;
        const long double m = std::frexp(v, &e);   // v = m * 2^e, 0.5 <= m < 1
        int exponent = e - 1 + 16383;
        long double skaliert;
        if (exponent <= 0) {
            skaliert = std::ldexp(v, 16382 + 63);
            exponent = 0;
        } else {
            skaliert = std::ldexp(m, 64);
        }
        t.Mantisse = static_cast<uint64_t>(skaliert);
        t.VorzeichenExponent |= static_cast<uint16_t>(exponent);
    }
    return t;
}
#endif

} // namespace

long double ExtendedLesen(const uint8_t *p)
{
    return AusTeilen(TeileLesen(p));
}

void ExtendedSchreiben(long double v, uint8_t *p)
{
    (void)HostIstX87;
    TeileSchreiben(InTeile(v), p);
}
