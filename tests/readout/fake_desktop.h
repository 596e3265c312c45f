// A desktop made of plain records for the readout's tests: a few windows with
// canned answers, a pointer that can move between readings, and a log of
// what the readout asked for.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/desktop.h"

namespace vorlix::testing {

// Texts are GB2312 bytes: a byte of 0x81 or above starts a two-byte
// character. Returns the first `units` characters, as a wide text of that
// many characters converts to the ANSI code page.
inline std::string FirstCharacters(const std::string& bytes, std::size_t units) {
  std::size_t end = 0;
  for (std::size_t n = 0; n < units && end < bytes.size(); ++n) {
    end += static_cast<unsigned char>(bytes[end]) >= 0x81 ? 2 : 1;
  }
  return bytes.substr(0, end);
}

struct FakeWindow {
  Rect rect;
  NativeHandle parent = 0;
  NativeHandle next = 0;  // the window below it in z-order
  bool visible = true;
  std::string class_name;
  std::string title;                         // what WM_GETTEXT copies
  std::optional<long long> reported_length;  // WM_GETTEXTLENGTH when it differs from title
  bool answers = true;                       // false: every text message times out
  bool stops_after_length = false;           // answers the length, then times out
  bool vanishes_after_length = false;        // destroyed right after answering the length
  std::string stored_caption;
  bool alive = true;

  // Chained setters for building a window in one expression.
  FakeWindow& At(Rect r) { return rect = r, *this; }
  FakeWindow& ChildOf(NativeHandle p) { return parent = p, *this; }
  FakeWindow& Class(std::string c) { return class_name = std::move(c), *this; }
  FakeWindow& Title(std::string t) { return title = std::move(t), *this; }
  FakeWindow& ReportsLength(long long n) { return reported_length = n, *this; }
  FakeWindow& NotAnswering() { return answers = false, *this; }
  FakeWindow& StopsAfterLength() { return stops_after_length = true, *this; }
  FakeWindow& VanishesAfterLength() { return vanishes_after_length = true, *this; }
  FakeWindow& Stored(std::string c) { return stored_caption = std::move(c), *this; }
  FakeWindow& Gone() { return alive = false, *this; }
};

class FakeDesktop : public Desktop {
 public:
  std::map<NativeHandle, FakeWindow> windows;
  std::vector<Point> cursor;                          // successive answers of CursorPos
  NativeHandle from_point = 0;                        // what WindowFromPoint answers
  std::map<std::pair<int, int>, ColourValue> pixels;  // unlisted pixels are 0 (black)

  // What the readout asked.
  std::size_t cursor_reads = 0;
  std::vector<Point> from_point_asks;
  std::vector<Point> pixel_asks;
  std::vector<std::size_t> text_units_asked;
  std::vector<std::chrono::milliseconds> timeouts;
  int length_messages = 0;

  Point CursorPos() override {
    if (cursor_reads >= cursor.size()) {
      ADD_FAILURE() << "pointer read " << cursor_reads + 1 << " times; the test expects "
                    << cursor.size();
      return {};
    }
    return cursor[cursor_reads++];
  }
  NativeHandle WindowFromPoint(Point p) override {
    from_point_asks.push_back(p);
    return from_point;
  }
  Rect WindowRect(NativeHandle w) override { return Live(w) ? windows[w].rect : Rect{}; }
  NativeHandle Parent(NativeHandle w) override { return Live(w) ? windows[w].parent : 0; }
  NativeHandle NextWindow(NativeHandle w) override { return Live(w) ? windows[w].next : 0; }
  bool IsVisible(NativeHandle w) override { return Live(w) && windows[w].visible; }
  bool IsWindow(NativeHandle w) override { return Live(w); }
  std::string ClassName(NativeHandle w) override { return Live(w) ? windows[w].class_name : ""; }

  TextLengthReply TextLength(NativeHandle w, std::chrono::milliseconds timeout) override {
    timeouts.push_back(timeout);
    ++length_messages;
    if (!Live(w) || !windows[w].answers) {
      return {};
    }
    FakeWindow& window = windows[w];
    const long long length =
        window.reported_length.value_or(static_cast<long long>(window.title.size()));
    if (window.vanishes_after_length) {
      window.alive = false;
    }
    return {true, length};
  }

  std::optional<std::string> Text(NativeHandle w, std::size_t max_units,
                                  std::chrono::milliseconds timeout) override {
    timeouts.push_back(timeout);
    text_units_asked.push_back(max_units);
    if (!Live(w) || !windows[w].answers || windows[w].stops_after_length) {
      return std::nullopt;
    }
    return FirstCharacters(windows[w].title, max_units);
  }

  std::string StoredCaption(NativeHandle w, std::size_t max_units) override {
    return Live(w) ? FirstCharacters(windows[w].stored_caption, max_units) : "";
  }

  ColourValue ScreenPixel(Point p) override {
    pixel_asks.push_back(p);
    const auto found = pixels.find({p.x, p.y});
    return found == pixels.end() ? 0 : found->second;
  }

 private:
  bool Live(NativeHandle w) {
    const auto found = windows.find(w);
    return found != windows.end() && found->second.alive;
  }
};

}  // namespace vorlix::testing
