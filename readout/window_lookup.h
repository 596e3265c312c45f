// Which window the readout reports under the pointer: the window the system
// finds there, or the smallest visible sibling below it in z-order that also
// lies under the pointer. The geometry rules are plain functions.
#pragma once

#include <cstdint>

#include "platform/desktop.h"
#include "platform/types.h"

namespace vorlix {

// Left and top edges inside, right and bottom edges outside.
constexpr bool PtInRect(const Rect& r, Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// Width times height in 32-bit integers; wraps as 32-bit arithmetic does
// instead of overflowing.
constexpr std::int32_t RectArea(const Rect& r) {
  const std::uint32_t width =
      static_cast<std::uint32_t>(r.right) - static_cast<std::uint32_t>(r.left);
  const std::uint32_t height =
      static_cast<std::uint32_t>(r.bottom) - static_cast<std::uint32_t>(r.top);
  return static_cast<std::int32_t>(width * height);
}

// The most siblings one lookup steps through. The z-order can change while
// the walk runs; this keeps a walk that the changes turn into a loop finite.
inline constexpr int kMaxSiblingSteps = 65536;

// Reads the pointer once and returns the window under it, or 0 for none.
NativeHandle FindPointerWindow(Desktop& desktop);

}  // namespace vorlix
