#include "magnifier/magnifier_geometry.h"

#include <gtest/gtest.h>

namespace vorlix {
namespace {

TEST(MagnifierGeometry, FollowsPointerSizeAndZoom) {
  struct Case {
    Point pointer;
    std::int32_t width, height;
    float zoom;
    MagnifierGeometry expected;  // SourceX, SourceY, SourceWidth, SourceHeight, CursorX, CursorY
  };
  const Case cases[] = {
      // The program's own picture: 150 x 150 at zoom 8 copies 18 x 18 pixels.
      {{0, 0}, 150, 150, 8.0f, {-9, -9, 18, 18, 75, 75}},
      {{100, 40}, 150, 150, 8.0f, {91, 31, 18, 18, 75, 75}},
      {{-300, -2}, 150, 150, 8.0f, {-309, -11, 18, 18, 75, 75}},
      // An odd source size (15) has a half of 7.5: toward zero lands one pixel
      // differently on either side of zero.
      {{100, 3}, 150, 150, 10.0f, {92, -4, 15, 15, 75, 75}},
      {{-100, 7}, 150, 150, 10.0f, {-107, 0, 15, 15, 75, 75}},
      // Sizes that do not divide evenly, and an odd picture (cursor at 74).
      {{50, 50}, 149, 151, 8.0f, {41, 41, 18, 18, 74, 75}},
      {{10, 10}, 150, 100, 3.0f, {-15, -6, 50, 33, 75, 50}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeMagnifierGeometry(c.pointer, c.width, c.height, c.zoom), c.expected)
        << "pointer " << c.pointer.x << "," << c.pointer.y << " size " << c.width << "x" << c.height
        << " zoom " << c.zoom;
  }
}

}  // namespace
}  // namespace vorlix
