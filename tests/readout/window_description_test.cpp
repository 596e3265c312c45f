// Class name and title against windows that answer, lie, hang or vanish.
#include "readout/window_description.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/readout/fake_desktop.h"

namespace vorlix {
namespace {

using testing::FakeDesktop;
using testing::FakeWindow;

constexpr NativeHandle kWindow = 0x42;

// "A" then 749 characters of two bytes each, then "Z": 1500 bytes, with a
// character across byte 1000.
std::string LongGb2312Title() {
  std::string t = "A";
  for (int i = 0; i < 749; ++i) {
    t += i % 2 == 0 ? "\xD6\xD0" : "\xCE\xC4";  // 中, 文
  }
  return t + "Z";
}

struct DescribeCase {
  const char* name;
  FakeWindow window;
  std::string class_name;  // expected
  std::string title;       // expected
  int text_messages;       // WM_GETTEXT expected to be sent
};

TEST(DescribeWindow, ClassAndTitleAsTheWindowAnswers) {
  const std::string long_title = LongGb2312Title();
  const std::string kilo_ascii(1500, 'a');
  const DescribeCase cases[] = {
      {"answering window", FakeWindow().Class("Notepad").Title("hello"), "Notepad", "hello", 1},
      {"empty title", FakeWindow().Class("Notepad").Title(""), "Notepad", "", 0},
      {"1500-byte title: first 1000 bytes, cut inside a character",
       FakeWindow().Class("Notepad").Title(long_title), "Notepad", long_title.substr(0, 1000), 1},
      {"class name fails", FakeWindow().Class("").Title("x"), "", "x", 1},
      {"negative length", FakeWindow().Class("C").Title("abc").ReportsLength(-5), "C", "", 0},
      {"huge length asks for 1000 characters",
       FakeWindow().Class("C").Title(kilo_ascii).ReportsLength(1LL << 40), "C",
       kilo_ascii.substr(0, 1000), 1},
      {"length smaller than the text: the buffer bounds the copy",
       FakeWindow().Class("C").Title("abcdef").ReportsLength(3), "C", "abc", 1},
      {"length larger than the text", FakeWindow().Class("C").Title("abc").ReportsLength(50), "C",
       "abc", 1},
      {"does not answer: the stored caption",
       FakeWindow().Class("C").Title("live").NotAnswering().Stored("stored"), "C", "stored", 0},
      {"does not answer: the stored caption is cut too",
       FakeWindow().Class("C").NotAnswering().Stored(long_title), "C", long_title.substr(0, 1000),
       0},
      {"stops answering after the length",
       FakeWindow().Class("C").Title("live").StopsAfterLength().Stored("stored"), "C", "stored", 1},
      {"vanishes mid-query: empty class and title",
       FakeWindow().Class("C").Title("live").VanishesAfterLength().Stored("s"), "", "", 1},
      {"not a window", FakeWindow().Class("C").Title("live").Gone(), "", "", 0},
  };
  for (const DescribeCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop desktop;
    desktop.windows[kWindow] = c.window;
    const WindowDescriptor d = DescribeWindow(desktop, kWindow);
    EXPECT_EQ(d.handle, kWindow);
    EXPECT_EQ(d.class_name, c.class_name);
    EXPECT_EQ(d.title, c.title);
    EXPECT_EQ(static_cast<int>(desktop.text_units_asked.size()), c.text_messages);
    // Whatever the window claims, no more is asked for than can be shown,
    // and no message may wait longer than the bound.
    for (std::size_t units : desktop.text_units_asked) {
      EXPECT_LE(units, kTitleByteLimit);
    }
    for (std::chrono::milliseconds t : desktop.timeouts) {
      EXPECT_GT(t.count(), 0);
      EXPECT_LE(t.count(), 50);
    }
  }
}

TEST(DescribeWindow, TheTextBufferFollowsTheReportedLength) {
  FakeDesktop desktop;
  desktop.windows[kWindow] = FakeWindow().Title("abcdef").ReportsLength(4);
  DescribeWindow(desktop, kWindow);
  EXPECT_EQ(desktop.text_units_asked, std::vector<std::size_t>{4});
}

TEST(DescribeWindow, NoWindowAsksNothing) {
  FakeDesktop desktop;
  const WindowDescriptor d = DescribeWindow(desktop, 0);
  EXPECT_EQ(d.handle, 0u);
  EXPECT_EQ(d.class_name, "");
  EXPECT_EQ(d.title, "");
  EXPECT_EQ(desktop.length_messages, 0);
}

}  // namespace
}  // namespace vorlix
