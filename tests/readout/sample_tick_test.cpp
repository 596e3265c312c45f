// The order of a tick's writes and its four readings of the pointer.
#include "readout/sample_tick.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/readout/fake_desktop.h"

namespace vorlix {
namespace {

using testing::FakeDesktop;
using testing::FakeWindow;

// Records every write in order; the swatch as "swatch" with its decimal value.
class RecordingSink : public ReadoutSink {
 public:
  using Write = std::pair<std::string, std::string>;
  std::vector<Write> writes;

  void Show(ReadoutField field, std::string_view text) override {
    writes.emplace_back(Name(field), std::string(text));
  }
  void ShowSwatch(ColourValue colour) override {
    writes.emplace_back("swatch", std::to_string(colour));
  }

 private:
  static std::string Name(ReadoutField f) {
    static const char* const kNames[] = {
        "PointerX",     "PointerY",      "WindowHandle",  "WindowClass",   "WindowTitle",
        "ParentHandle", "ParentClass",   "ParentTitle",   "RedHex",        "GreenHex",
        "BlueHex",      "RedDec",        "GreenDec",      "BlueDec",       "ColourHex",
        "ColourDec",    "HsbSaturation", "HsbBrightness", "HslSaturation", "HslLightness",
        "HsbHue",       "HslHue",
    };
    return kNames[static_cast<int>(f)];
  }
};

using Writes = std::vector<RecordingSink::Write>;

TEST(SampleTick, ShowsEachFieldInOrderFromFourPointerReadings) {
  FakeDesktop desktop;
  // The pointer moves between the readings: x, y, lookup and pixel each see
  // a different point.
  desktop.cursor = {{-1280, 5}, {6, -300}, {50, 60}, {70, 80}};
  desktop.from_point = 7;
  desktop.windows[7] = FakeWindow().At({0, 0, 100, 100}).ChildOf(3).Class("Child").Title("C");
  desktop.windows[3] = FakeWindow().At({0, 0, 200, 200}).Class("Frame").Title("P");
  desktop.pixels[{70, 80}] = 0x3264C8;  // R 200, G 100, B 50

  RecordingSink sink;
  SampleTick(desktop, sink);

  const Writes expected = {
      {"PointerX", "-1280"},    {"PointerY", "-300"},    {"WindowHandle", "7"},
      {"WindowClass", "Child"}, {"WindowTitle", "C"},    {"ParentHandle", "3"},
      {"ParentClass", "Frame"}, {"ParentTitle", "P"},    {"RedHex", "C8"},
      {"GreenHex", "64"},       {"BlueHex", "32"},       {"RedDec", "200"},
      {"GreenDec", "100"},      {"BlueDec", "50"},       {"ColourHex", "3264C8"},
      {"ColourDec", "3302600"}, {"swatch", "3302600"},   {"HsbSaturation", "75"},
      {"HsbBrightness", "78"},  {"HslSaturation", "60"}, {"HslLightness", "49"},
      {"HsbHue", "20"},         {"HslHue", "20"},
  };
  EXPECT_EQ(sink.writes, expected);
  EXPECT_EQ(desktop.cursor_reads, 4u);
  EXPECT_EQ(desktop.from_point_asks, (std::vector<Point>{{50, 60}}));
  EXPECT_EQ(desktop.pixel_asks, (std::vector<Point>{{70, 80}}));
}

TEST(SampleTick, TopLevelWindowShowsAnEmptyParentAndHandlesAsSigned32Bits) {
  FakeDesktop desktop;
  desktop.cursor = {{1, 2}, {1, 2}, {1, 2}, {1, 2}};
  desktop.from_point = 0x1FFFFFFFEull;  // low 32 bits: -2
  desktop.windows[0x1FFFFFFFEull] = FakeWindow().Class("Top").Title("T");
  desktop.pixels[{1, 2}] = kInvalidColour;  // unreadable pixel reads as white

  RecordingSink sink;
  SampleTick(desktop, sink);

  const Writes expected = {
      {"PointerX", "1"},         {"PointerY", "2"},      {"WindowHandle", "-2"},
      {"WindowClass", "Top"},    {"WindowTitle", "T"},   {"ParentHandle", "0"},
      {"ParentClass", ""},       {"ParentTitle", ""},    {"RedHex", "FF"},
      {"GreenHex", "FF"},        {"BlueHex", "FF"},      {"RedDec", "255"},
      {"GreenDec", "255"},       {"BlueDec", "255"},     {"ColourHex", "FFFFFF"},
      {"ColourDec", "16777215"}, {"swatch", "16777215"}, {"HsbSaturation", "0"},
      {"HsbBrightness", "100"},  {"HslSaturation", "0"}, {"HslLightness", "100"},
      {"HsbHue", "0"},           {"HslHue", "0"},
  };
  EXPECT_EQ(sink.writes, expected);
}

TEST(SampleTick, NothingUnderThePointerShowsTheEmptyForms) {
  FakeDesktop desktop;
  desktop.cursor = {{0, 0}, {0, 0}, {0, 0}, {0, 0}};
  RecordingSink sink;
  SampleTick(desktop, sink);

  ASSERT_GE(sink.writes.size(), 8u);
  const Writes windows(sink.writes.begin() + 2, sink.writes.begin() + 8);
  const Writes expected = {
      {"WindowHandle", "0"}, {"WindowClass", ""}, {"WindowTitle", ""},
      {"ParentHandle", "0"}, {"ParentClass", ""}, {"ParentTitle", ""},
  };
  EXPECT_EQ(windows, expected);
  EXPECT_EQ(desktop.length_messages, 0);
}

TEST(SampleTick, ParentQueriedSeparatelyWithItsHandleShownFirst) {
  // A parent that does not answer still shows its handle and class, with
  // the caption the system stores for it.
  FakeDesktop desktop;
  desktop.cursor = {{5, 5}, {5, 5}, {5, 5}, {5, 5}};
  desktop.from_point = 20;
  desktop.windows[20] = FakeWindow().ChildOf(21).Class("Button").Title("OK");
  desktop.windows[21] = FakeWindow().Class("Dialog").NotAnswering().Stored("Hung");
  RecordingSink sink;
  SampleTick(desktop, sink);
  ASSERT_GE(sink.writes.size(), 8u);
  const Writes parent(sink.writes.begin() + 5, sink.writes.begin() + 8);
  const Writes expected = {
      {"ParentHandle", "21"}, {"ParentClass", "Dialog"}, {"ParentTitle", "Hung"}};
  EXPECT_EQ(parent, expected);
}

}  // namespace
}  // namespace vorlix
