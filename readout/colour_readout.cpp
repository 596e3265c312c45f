// Every real is a double and every percentage divides before it multiplies
// by 100: the texts depend on that order where a value lands near a half.
#include "readout/colour_readout.h"

#include <algorithm>

#include "readout/conversion.h"

namespace vorlix {
namespace {

// Degrees before rounding. The first rule that matches decides, so ties
// between components go to red, then green, then blue.
double RawHue(double r, double g, double b, double max, double delta_h) {
  if (max == r && g >= b) {
    return (g - b) * 60 / delta_h;
  }
  if (max == r) {
    return (g - b) * 60 / delta_h + 360;
  }
  if (max == g) {
    return (b - r) * 60 / delta_h + 120;
  }
  return (r - g) * 60 / delta_h + 240;
}

std::string Percent(double fraction) {
  return RealText(RoundHalfUp(fraction * 100));
}

}  // namespace

ColourReadout ComputeColourReadout(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  ColourReadout out;
  out.red_hex = HexField(red, 2);
  out.green_hex = HexField(green, 2);
  out.blue_hex = HexField(blue, 2);
  out.red_dec = IntegerText(red);
  out.green_dec = IntegerText(green);
  out.blue_dec = IntegerText(blue);

  const double r = red;
  const double g = green;
  const double b = blue;
  const std::int32_t value = TruncateToInt(r + g * 256.0 + b * 65536.0);
  out.colour_hex = HexField(static_cast<std::uint32_t>(value), 6);
  out.colour_dec = IntegerText(value);
  out.swatch_colour = static_cast<ColourValue>(value);

  const double max = std::max({r, g, b});
  const double min = std::min({r, g, b});
  const double delta = TruncateToInt(max - min);
  const double sum = TruncateToInt(max + min);
  const double delta_h = delta == 0 ? 1 : delta;

  out.hue = IntegerText(TruncateToInt(RoundHalfUp(RawHue(r, g, b, max, delta_h))));
  out.hsb_saturation = max == 0 ? "0" : Percent(delta / max);
  out.hsb_brightness = Percent(max / 255);
  if (max == 0 || max == min) {
    out.hsl_saturation = "0";
  } else {
    // Lightness sum / 510 not above one half takes the first form.
    out.hsl_saturation = sum <= 255 ? Percent(delta / sum) : Percent(delta / (510 - sum));
  }
  out.hsl_lightness = Percent(sum / 510);
  return out;
}

}  // namespace vorlix
