// The main window's layout as data: names, containment, overlaps, placement.
#include "ui/main_window_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace vorlix {
namespace {

bool Overlap(const ControlLayout& a, const ControlLayout& b) {
  return a.position.x < b.position.x + b.width && b.position.x < a.position.x + a.width &&
         a.position.y < b.position.y + b.height && b.position.y < a.position.y + a.height;
}

TEST(MainWindowLayout, NamesAreUniqueAndGroupBoxesComeBeforeTheirContents) {
  std::set<std::string_view> seen;
  for (const ControlLayout& c : MainWindowControls()) {
    EXPECT_TRUE(seen.insert(c.name).second) << "twice: " << c.name;
    if (!c.group.empty()) {
      EXPECT_TRUE(seen.contains(c.group)) << c.name << " before its box " << c.group;
      const ControlLayout* box = FindControl(c.group);
      ASSERT_NE(box, nullptr) << c.name;
      EXPECT_EQ(box->kind, ControlKind::GroupBox) << c.name;
      EXPECT_TRUE(box->group.empty()) << "nested group box " << c.group;
    }
  }
  EXPECT_EQ(seen.size(), 59u);
  EXPECT_EQ(FindControl("编辑框99"), nullptr);
}

TEST(MainWindowLayout, EveryControlLiesInsideItsContainer) {
  const WindowLayout& window = MainWindow();
  for (const ControlLayout& c : MainWindowControls()) {
    std::int32_t width = window.outer_width;
    std::int32_t height = window.outer_height;
    if (!c.group.empty()) {
      width = FindControl(c.group)->width;
      height = FindControl(c.group)->height;
    }
    EXPECT_GE(c.position.x, 0) << c.name;
    EXPECT_GE(c.position.y, 0) << c.name;
    EXPECT_LE(c.position.x + c.width, width) << c.name;
    EXPECT_LE(c.position.y + c.height, height) << c.name;
    EXPECT_GT(c.width, 0) << c.name;
    EXPECT_GT(c.height, 0) << c.name;
  }
}

// Only the places the design itself makes overlap: the hint runs under the
// first magnifier button, and both buttons reach 2 px into the parent box.
// The timer has no visible form.
TEST(MainWindowLayout, OnlyTheDesignedOverlapsExist) {
  std::set<std::pair<std::string, std::string>> found;
  const auto controls = MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const ControlLayout& a = controls[i];
      const ControlLayout& b = controls[j];
      if (a.group != b.group || a.kind == ControlKind::Timer || b.kind == ControlKind::Timer) {
        continue;
      }
      if (Overlap(a, b)) {
        found.emplace(std::string(a.name), std::string(b.name));
      }
    }
  }
  const std::set<std::pair<std::string, std::string>> expected = {
      {"标签21", "按钮1"}, {"按钮1", "分组框2"}, {"按钮2", "分组框2"}};
  EXPECT_EQ(found, expected);
}

TEST(MainWindowLayout, ClientPositionAddsTheGroupBoxOrigin) {
  struct Case {
    std::string_view name;
    Point at;
  };
  const Case cases[] = {
      {"图片框1", {5, 5}},      {"编辑框14", {200, 25}},  {"编辑框19", {200, 210}},
      {"编辑框20", {281, 304}}, {"编辑框23", {275, 428}}, {"标签27", {305, 428}},
  };
  for (const Case& c : cases) {
    const ControlLayout* control = FindControl(c.name);
    ASSERT_NE(control, nullptr) << c.name;
    EXPECT_EQ(ClientPosition(*control), c.at) << c.name;
  }
}

TEST(MainWindowLayout, WindowIsCentredWithIntegerDivision) {
  struct Case {
    std::int32_t sw, sh;
    Point at;
  };
  const Case cases[] = {
      {1024, 768, {344, 121}},
      {1920, 1080, {792, 277}},
      {1025, 769, {345, 122}},
      {300, 500, {-17, -12}},  // a screen smaller than the window: toward zero
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredPlace(MainWindow(), c.sw, c.sh), c.at) << c.sw << "x" << c.sh;
  }
}

}  // namespace
}  // namespace vorlix
