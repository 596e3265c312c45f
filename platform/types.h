// Small value types in which the program's logic speaks about the desktop.
// Nothing here includes <windows.h>: the Win32 layer converts at its edge.
#pragma once

#include <cstdint>

namespace vorlix {

// A native handle (window, drawing context, cursor, thread) as an opaque
// value; 0 means none. Wide enough for a 64-bit Windows handle.
using NativeHandle = std::uint64_t;

// What the user is shown for a handle: the signed decimal of its low 32 bits.
constexpr std::int32_t HandleAsShown(NativeHandle h) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(h & 0xFFFFFFFFu));
}

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The platform's colour layout: red in the low byte, then green, then blue.
using ColourValue = std::uint32_t;

// What a pixel read answers when it cannot read the pixel (all bits set).
inline constexpr ColourValue kInvalidColour = 0xFFFFFFFFu;

// The system button-face colour, where a colour property takes it.
inline constexpr ColourValue kDefaultColourValue = 0xFF000000u;

}  // namespace vorlix
