// The colour of the screen pixel under the pointer, split into its red,
// green and blue components.
#pragma once

#include <cstdint>

#include "platform/desktop.h"
#include "platform/types.h"

namespace vorlix {

struct PixelComponents {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const PixelComponents&, const PixelComponents&) = default;
};

// Red in bits 0 to 7, green in 8 to 15, blue in 16 to 23. A pixel that could
// not be read (kInvalidColour) reads as white, 255, 255, 255.
constexpr PixelComponents SplitColour(ColourValue colour) {
  return {static_cast<std::uint8_t>(colour & 0xFF), static_cast<std::uint8_t>((colour >> 8) & 0xFF),
          static_cast<std::uint8_t>((colour >> 16) & 0xFF)};
}

// Reads the pointer afresh and the pixel at that point.
PixelComponents ReadPointerPixel(Desktop& desktop);

}  // namespace vorlix
