// The window lookup over small fake window trees.
#include "readout/window_lookup.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/readout/fake_desktop.h"

namespace vorlix {
namespace {

using testing::FakeDesktop;
using testing::FakeWindow;

TEST(PtInRect, LeftAndTopInsideRightAndBottomOutside) {
  const Rect r{10, 20, 30, 40};
  EXPECT_TRUE(PtInRect(r, {10, 20}));
  EXPECT_TRUE(PtInRect(r, {29, 39}));
  EXPECT_FALSE(PtInRect(r, {30, 25}));
  EXPECT_FALSE(PtInRect(r, {15, 40}));
  EXPECT_FALSE(PtInRect(r, {9, 25}));
  EXPECT_FALSE(PtInRect(r, {15, 19}));
  EXPECT_TRUE(PtInRect({-100, -50, -10, -5}, {-100, -6}));
  EXPECT_FALSE(PtInRect({}, {0, 0}));
}

TEST(RectArea, ThirtyTwoBitProductWraps) {
  EXPECT_EQ(RectArea({10, 20, 30, 60}), 800);
  EXPECT_EQ(RectArea({-1920, -100, 0, 980}), 1920 * 1080);
  EXPECT_EQ(RectArea({0, 0, 65536, 32768}), INT32_MIN);  // 2^31 does not fit
}

struct Sibling {
  NativeHandle handle;
  Rect rect;
  NativeHandle parent = 1;
  bool visible = true;
};

struct LookupCase {
  const char* name;
  Point pointer;
  std::vector<Sibling> z_order;  // the window the system finds first, then those below it
  NativeHandle expected;
};

// The system finds the first window of the list; each one's next window in
// z-order is the one after it.
FakeDesktop DesktopOf(const LookupCase& c) {
  FakeDesktop desktop;
  desktop.cursor = {c.pointer};
  desktop.from_point = c.z_order.empty() ? 0 : c.z_order.front().handle;
  for (std::size_t i = 0; i < c.z_order.size(); ++i) {
    FakeWindow w;
    w.rect = c.z_order[i].rect;
    w.parent = c.z_order[i].parent;
    w.visible = c.z_order[i].visible;
    w.next = i + 1 < c.z_order.size() ? c.z_order[i + 1].handle : 0;
    desktop.windows[c.z_order[i].handle] = w;
  }
  return desktop;
}

TEST(FindPointerWindow, PrefersTheSmallestVisibleSiblingBelow) {
  const Rect large{0, 0, 300, 300};
  const Rect small{50, 50, 150, 150};
  const LookupCase cases[] = {
      {"smaller sibling below", {60, 60}, {{10, large}, {11, small}}, 11},
      {"smallest of several, walking past one not under the pointer",
       {60, 60},
       {{10, large}, {11, {0, 0, 100, 100}}, {12, {200, 200, 210, 210}}, {13, {55, 55, 70, 70}}},
       13},
      {"larger sibling below does not replace", {60, 60}, {{10, small}, {11, large}}, 10},
      {"hidden sibling passed over", {60, 60}, {{10, large}, {11, small, 1, false}}, 10},
      {"sibling of another parent passed over", {60, 60}, {{10, large}, {11, small, 2}}, 10},
      {"walk goes on past a hidden one",
       {60, 60},
       {{10, large}, {11, {55, 55, 60, 70}, 1, false}, {12, small}},
       12},
      {"equal areas keep the earlier",
       {60, 60},
       {{10, {0, 0, 100, 100}}, {11, {50, 50, 150, 150}}},
       10},
      {"no parent: the window itself", {60, 60}, {{10, large, 0}, {11, small, 0}}, 10},
      {"nothing under the pointer", {60, 60}, {}, 0},
      {"left and top edges are inside", {50, 50}, {{10, large}, {11, small}}, 11},
      {"right edge is outside", {150, 60}, {{10, large}, {11, small}}, 10},
      {"bottom edge is outside", {60, 150}, {{10, large}, {11, small}}, 10},
      {"negative coordinates",
       {-1500, -20},
       {{10, {-1920, -100, 0, 980}}, {11, {-1600, -50, -1400, 0}}},
       11},
  };
  for (const LookupCase& c : cases) {
    FakeDesktop desktop = DesktopOf(c);
    EXPECT_EQ(FindPointerWindow(desktop), c.expected) << c.name;
    // One reading of the pointer serves the whole lookup.
    EXPECT_EQ(desktop.cursor_reads, 1u) << c.name;
    ASSERT_EQ(desktop.from_point_asks.size(), 1u) << c.name;
    EXPECT_EQ(desktop.from_point_asks[0], c.pointer) << c.name;
  }
}

TEST(FindPointerWindow, AZOrderThatLoopsStillEnds) {
  LookupCase c{"loop", {60, 60}, {{10, {0, 0, 300, 300}}, {11, {50, 50, 150, 150}}}, 11};
  FakeDesktop desktop = DesktopOf(c);
  desktop.windows[11].next = 10;  // 10 -> 11 -> 10 -> ...
  EXPECT_EQ(FindPointerWindow(desktop), 11u);
}

}  // namespace
}  // namespace vorlix
