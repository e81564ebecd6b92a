// The 10-byte extended float of the data and configuration files:
// 64-bit mantissa with explicit integer bit (bytes 0..7), then 15-bit
// exponent and sign (bytes 8..9), little-endian.
#pragma once

#include <cstdint>

constexpr int ExtendedBreite = 10;

// Decodes the 10 bytes at p. Every bit pattern, NaNs and denormals included,
// comes back as the same 10 bytes from ExtendedSchreiben.
long double ExtendedLesen(const uint8_t *p);
// Writes v as 10 bytes to p.
void ExtendedSchreiben(long double v, uint8_t *p);
