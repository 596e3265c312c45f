// The number-to-text rules every readout field is made with.
#pragma once

#include <cstdint>
#include <string>

namespace vorlix {

// Signed decimal, printf "%d".
std::string IntegerText(std::int32_t value);

// The real rounded toward zero, keeping the low 32 bits of the 64-bit result.
std::int32_t TruncateToInt(double x);

// To zero decimals, halves away from zero, with a 1e-12 nudge so that a value
// a hair under a half rounds up too. Zero and NaN come back unchanged.
double RoundHalfUp(double x);

// printf "%.13g".
std::string RealText(double x);

// "000000" followed by the upper-case hexadecimal of `value` (no leading
// zeros), of which the rightmost `width` characters remain.
std::string HexField(std::uint32_t value, int width);

}  // namespace vorlix
