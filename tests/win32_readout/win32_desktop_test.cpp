// The readout against real windows of another process (vorlix_fixture.exe),
// through the real Win32 desktop, under code page 936.
#include "platform/win32_desktop.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "readout/conversion.h"
#include "readout/sample_tick.h"
#include "readout/window_description.h"
#include "readout/window_lookup.h"
#include "tests/fixtures/win32_fixture_process.h"
#include "tests/win32_readout/pointer_at.h"

namespace vorlix {
namespace {

using testing::FixtureProcess;
using testing::FixtureWindow;
using testing::PointerAt;
using win32::Win32Desktop;

// The fixture's long title in GB2312 ("A", then 中 and 文 alternating),
// as far as a title shows it: 1000 bytes, the last the lead byte of 文.
std::string ShownLongTitle() {
  std::string t = "A";
  for (int i = 0; i < 749; ++i) {
    t += i % 2 == 0 ? "\xD6\xD0" : "\xCE\xC4";
  }
  return (t + "Z").substr(0, 1000);
}

const char kParentTitle[] = "\xB8\xB8\xB4\xB0\xBF\xDA";  // 父窗口 in GB2312

// Keeps the last text of each field, and the swatch.
class LastWrites : public ReadoutSink {
 public:
  std::map<ReadoutField, std::string> text;
  std::optional<ColourValue> swatch;
  void Show(ReadoutField field, std::string_view t) override { text[field] = std::string(t); }
  void ShowSwatch(ColourValue colour) override { swatch = colour; }
};

Point Centre(const Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::string HandleText(NativeHandle h) {
  return IntegerText(HandleAsShown(h));
}

long long MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start)
      .count();
}

class Win32Readout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { fixture_ = FixtureProcess::Start(L"", start_error_); }
  static void TearDownTestSuite() { fixture_.reset(); }

  void SetUp() override {
    ASSERT_TRUE(fixture_.has_value()) << "fixture did not start: " << start_error_;
    ASSERT_EQ(GetACP(), 936u) << "the tests expect the Chinese ANSI code page";
  }

  static const FixtureWindow& Window(std::string_view name) {
    const FixtureWindow* w = fixture_->Find(name);
    if (w == nullptr) {
      ADD_FAILURE() << "the fixture reported no window " << name;
      static const FixtureWindow none;
      return none;
    }
    return *w;
  }

  Win32Desktop desktop_;
  static inline std::optional<FixtureProcess> fixture_;
  static inline std::string start_error_;
};

TEST_F(Win32Readout, ClassNamesAndTitlesOfAnotherProcess) {
  struct Case {
    const char* window;
    std::string class_name;
    std::string title;
  };
  const Case cases[] = {
      {"title", "VorlixFixtureTitle", ShownLongTitle()},
      {"empty", "VorlixFixtureEmpty", ""},
      {"family", "VorlixFixtureParent", kParentTitle},
      {"small", "VorlixFixtureChild", "small"},
  };
  for (const Case& c : cases) {
    const WindowDescriptor d = DescribeWindow(desktop_, Window(c.window).handle);
    EXPECT_EQ(d.class_name, c.class_name) << c.window;
    EXPECT_EQ(d.title, c.title) << c.window;
  }
  // The 1500-byte title is cut at byte 1000, inside a double-byte character.
  const std::string cut = DescribeWindow(desktop_, Window("title").handle).title;
  ASSERT_EQ(cut.size(), 1000u);
  EXPECT_EQ(static_cast<unsigned char>(cut.back()), 0xCE);
}

TEST_F(Win32Readout, TopLevelWindowShowsNoParent) {
  const FixtureWindow& title = Window("title");
  const Point p = Centre(title.rect);
  PointerAt desktop(desktop_, p);
  LastWrites shown;
  SampleTick(desktop, shown);
  EXPECT_EQ(shown.text[ReadoutField::PointerX], IntegerText(p.x));
  EXPECT_EQ(shown.text[ReadoutField::PointerY], IntegerText(p.y));
  EXPECT_EQ(shown.text[ReadoutField::WindowHandle], HandleText(title.handle));
  EXPECT_EQ(shown.text[ReadoutField::WindowClass], "VorlixFixtureTitle");
  EXPECT_EQ(shown.text[ReadoutField::WindowTitle], ShownLongTitle());
  EXPECT_EQ(shown.text[ReadoutField::ParentHandle], "0");
  EXPECT_EQ(shown.text[ReadoutField::ParentClass], "");
  EXPECT_EQ(shown.text[ReadoutField::ParentTitle], "");
}

TEST_F(Win32Readout, SmallestVisibleSiblingUnderThePointer) {
  const FixtureWindow& large = Window("large");
  const FixtureWindow& small = Window("small");
  const FixtureWindow& hidden = Window("hidden");
  ASSERT_FALSE(desktop_.IsVisible(hidden.handle));
  const Point in_all = {hidden.rect.left + 5, hidden.rect.top + 5};
  ASSERT_TRUE(PtInRect(large.rect, in_all) && PtInRect(small.rect, in_all));
  // The system itself finds the large child there; the rule picks the small one.
  ASSERT_EQ(desktop_.WindowFromPoint(in_all), large.handle);

  struct Case {
    const char* where;
    Point pointer;
    NativeHandle expected;
  };
  const Case cases[] = {
      {"over large, small and hidden", in_all, small.handle},
      {"over large only", {large.rect.left + 3, large.rect.top + 3}, large.handle},
      {"small's left and top edges", {small.rect.left, small.rect.top}, small.handle},
      {"small's right edge", {small.rect.right, small.rect.top + 5}, large.handle},
      {"small's bottom edge", {small.rect.left + 5, small.rect.bottom}, large.handle},
  };
  for (const Case& c : cases) {
    PointerAt desktop(desktop_, c.pointer);
    EXPECT_EQ(FindPointerWindow(desktop), c.expected) << c.where;
  }

  PointerAt desktop(desktop_, in_all);
  LastWrites shown;
  SampleTick(desktop, shown);
  EXPECT_EQ(shown.text[ReadoutField::WindowHandle], HandleText(small.handle));
  EXPECT_EQ(shown.text[ReadoutField::WindowClass], "VorlixFixtureChild");
  EXPECT_EQ(shown.text[ReadoutField::WindowTitle], "small");
  EXPECT_EQ(shown.text[ReadoutField::ParentHandle], HandleText(Window("family").handle));
  EXPECT_EQ(shown.text[ReadoutField::ParentClass], "VorlixFixtureParent");
  EXPECT_EQ(shown.text[ReadoutField::ParentTitle], kParentTitle);
}

TEST_F(Win32Readout, KnownColourThroughTheRealPixelPath) {
  const Point p = Centre(Window("colour").rect);
  // The window is painted before the fixture reports; the screen may show it
  // a moment later.
  ColourValue seen = kInvalidColour;
  for (const auto start = std::chrono::steady_clock::now(); MillisecondsSince(start) < 5000;) {
    seen = desktop_.ScreenPixel(p);
    if (seen == 0x3264C8) {
      break;
    }
    Sleep(50);
  }
  EXPECT_EQ(seen, 0x3264C8u);

  PointerAt desktop(desktop_, p);
  LastWrites shown;
  SampleTick(desktop, shown);
  EXPECT_EQ(shown.text[ReadoutField::WindowClass], "VorlixFixtureColour");
  const std::map<ReadoutField, std::string> colour = {
      {ReadoutField::RedHex, "C8"},        {ReadoutField::GreenHex, "64"},
      {ReadoutField::BlueHex, "32"},       {ReadoutField::RedDec, "200"},
      {ReadoutField::GreenDec, "100"},     {ReadoutField::BlueDec, "50"},
      {ReadoutField::ColourHex, "3264C8"}, {ReadoutField::ColourDec, "3302600"},
      {ReadoutField::HsbHue, "20"},        {ReadoutField::HslHue, "20"},
      {ReadoutField::HsbSaturation, "75"}, {ReadoutField::HsbBrightness, "78"},
      {ReadoutField::HslSaturation, "60"}, {ReadoutField::HslLightness, "49"},
  };
  for (const auto& [field, text] : colour) {
    EXPECT_EQ(shown.text[field], text) << static_cast<int>(field);
  }
  EXPECT_EQ(shown.swatch, std::optional<ColourValue>(3302600));
}

TEST_F(Win32Readout, NegativeCoordinates) {
  const FixtureWindow& negative = Window("negative");
  if (negative.rect.left >= 0 || negative.rect.top >= 0) {
    GTEST_SKIP() << "the window was not placed at negative coordinates";
  }
  const Point p = {negative.rect.left + 20, negative.rect.top + 20};
  ASSERT_LT(p.x, 0);
  ASSERT_LT(p.y, 0);
  PointerAt desktop(desktop_, p);
  LastWrites shown;
  SampleTick(desktop, shown);
  EXPECT_EQ(shown.text[ReadoutField::PointerX], IntegerText(p.x));
  EXPECT_EQ(shown.text[ReadoutField::PointerY], IntegerText(p.y));
  EXPECT_EQ(shown.text[ReadoutField::PointerX].front(), '-');
  // Where a screen lies there (a monitor left of or above the primary one)
  // the window is found; off every screen the system finds none.
  if (desktop_.WindowFromPoint(p) == negative.handle) {
    EXPECT_EQ(shown.text[ReadoutField::WindowClass], "VorlixFixtureNegative");
  }
  // Off every screen the pixel cannot be read, and reads as white.
  if (desktop_.ScreenPixel(p) == kInvalidColour) {
    EXPECT_EQ(shown.text[ReadoutField::ColourHex], "FFFFFF");
    EXPECT_EQ(shown.text[ReadoutField::RedDec], "255");
    EXPECT_EQ(shown.swatch, std::optional<ColourValue>(0xFFFFFF));
  }
  std::printf("[ figures  ] at (%d,%d): window %s, class \"%s\", colour %s\n", p.x, p.y,
              shown.text[ReadoutField::WindowHandle].c_str(),
              shown.text[ReadoutField::WindowClass].c_str(),
              shown.text[ReadoutField::ColourHex].c_str());
}

TEST_F(Win32Readout, WindowThatStopsAnsweringHoldsTheTickBriefly) {
  const FixtureWindow& hung = Window("hung");
  // First make sure the window really does not answer.
  DWORD_PTR ignored = 0;
  ASSERT_EQ(SendMessageTimeoutW(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(hung.handle)),
                                WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored),
            0);

  auto start = std::chrono::steady_clock::now();
  const WindowDescriptor d = DescribeWindow(desktop_, hung.handle);
  const long long describe_ms = MillisecondsSince(start);
  EXPECT_EQ(d.class_name, "VorlixFixtureHung");
  EXPECT_EQ(d.title, ShownLongTitle());  // the stored caption, cut like any title
  EXPECT_LT(describe_ms, 150);

  PointerAt desktop(desktop_, Centre(hung.rect));
  LastWrites shown;
  start = std::chrono::steady_clock::now();
  SampleTick(desktop, shown);
  const long long tick_ms = MillisecondsSince(start);
  EXPECT_EQ(shown.text[ReadoutField::WindowHandle], HandleText(hung.handle));
  EXPECT_EQ(shown.text[ReadoutField::WindowTitle], ShownLongTitle());
  EXPECT_LT(tick_ms, 200);
  std::printf("[ figures  ] hung window: DescribeWindow %lld ms, whole tick %lld ms\n", describe_ms,
              tick_ms);
}

TEST_F(Win32Readout, VanishedWindowAndNoWindowShowEmptyForms) {
  std::string error;
  std::optional<FixtureProcess> brief =
      FixtureProcess::Start(L"--windows empty --origin 700,600", error);
  ASSERT_TRUE(brief.has_value()) << error;
  const NativeHandle gone = brief->Find("empty")->handle;
  ASSERT_EQ(desktop_.ClassName(gone), "VorlixFixtureEmpty");
  brief->End();

  for (const NativeHandle h : {gone, NativeHandle{0}}) {
    const WindowDescriptor d = DescribeWindow(desktop_, h);
    EXPECT_EQ(d.class_name, "") << h;
    EXPECT_EQ(d.title, "") << h;
  }
  EXPECT_FALSE(desktop_.IsWindow(gone));
}

}  // namespace
}  // namespace vorlix
