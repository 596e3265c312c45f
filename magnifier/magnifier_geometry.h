// Where one magnifier frame copies from and where it draws the cursor: pure
// arithmetic over the pointer position and the picture's size and zoom.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace vorlix {

struct MagnifierGeometry {
  std::int32_t SourceX = 0;
  std::int32_t SourceY = 0;
  std::int32_t SourceWidth = 0;
  std::int32_t SourceHeight = 0;
  std::int32_t CursorX = 0;
  std::int32_t CursorY = 0;
  friend bool operator==(const MagnifierGeometry&, const MagnifierGeometry&) = default;
};

// The source square is (width / zoom) x (height / zoom) screen pixels centred
// on the pointer; the cursor image's top-left corner goes to the picture's
// centre. Every division is in doubles (the float zoom widened) and each
// result is truncated toward zero.
MagnifierGeometry ComputeMagnifierGeometry(Point pointer, std::int32_t width, std::int32_t height,
                                           float zoom);

}  // namespace vorlix
