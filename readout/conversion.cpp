#include "readout/conversion.h"

#include <cmath>
#include <cstdio>

namespace vorlix {

std::string IntegerText(std::int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
  return text;
}

std::int32_t TruncateToInt(double x) {
  if (std::isnan(x)) {
    return 0;
  }
  // Out of the 64-bit range the conversion itself would be undefined; clamp
  // first, then keep the low 32 bits as the rule says.
  constexpr double kLimit = 9223372036854775807.0;
  const double t = std::trunc(x);
  const std::int64_t wide = t >= kLimit    ? INT64_MAX
                            : t <= -kLimit ? INT64_MIN
                                           : static_cast<std::int64_t>(t);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

double RoundHalfUp(double x) {
  if (x == 0.0 || std::isnan(x)) {
    return x;
  }
  const double nudged = std::fabs(x) + 1e-12;
  double whole = 0.0;
  const double fraction = std::modf(nudged, &whole);
  if (fraction >= 0.5) {
    whole += 1.0;
  }
  return x < 0.0 ? -whole : whole;
}

std::string RealText(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "%.13g", x);
  return text;
}

std::string HexField(std::uint32_t value, int width) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
  const std::string padded = std::string("000000") + digits;
  if (width <= 0) {
    return {};
  }
  const auto keep = static_cast<std::size_t>(width);
  return keep >= padded.size() ? padded : padded.substr(padded.size() - keep);
}

}  // namespace vorlix
