// The colour texts of the readout: one screen pixel's red, green and blue
// turned into hexadecimal and decimal texts, the combined colour value, and
// the hue, saturation, brightness and lightness of the HSB and HSL models.
// Pure computation: no platform, no state.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace vorlix {

struct ColourReadout {
  std::string red_hex;  // two upper-case hexadecimal digits
  std::string green_hex;
  std::string blue_hex;
  std::string red_dec;  // decimal
  std::string green_dec;
  std::string blue_dec;
  std::string colour_hex;  // the colour value in six digits: blue, green, red
  std::string colour_dec;
  std::string hue;             // degrees, 0 to 360 (360 is not wrapped to 0)
  std::string hsb_saturation;  // percent
  std::string hsb_brightness;
  std::string hsl_saturation;
  std::string hsl_lightness;
  ColourValue swatch_colour = 0;  // R + 256 G + 65536 B
};

ColourReadout ComputeColourReadout(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

}  // namespace vorlix
