// The desktop as the pointer readout sees it: the pointer, the window tree,
// other windows' class names and titles, and screen pixels. The Win32
// implementation is platform/win32_desktop; tests give a fake.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

#include "platform/types.h"

namespace vorlix {

// The answer to a window text message sent with a time limit.
struct TextLengthReply {
  bool answered = false;  // false: the window did not answer in time, or is gone
  long long length = 0;   // as the window reported it; not to be trusted
};

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual Point CursorPos() = 0;                        // GetCursorPos
  virtual NativeHandle WindowFromPoint(Point p) = 0;    // WindowFromPoint
  virtual Rect WindowRect(NativeHandle w) = 0;          // GetWindowRect
  virtual NativeHandle Parent(NativeHandle w) = 0;      // GetParent
  virtual NativeHandle NextWindow(NativeHandle w) = 0;  // GetWindow(GW_HWNDNEXT)
  virtual bool IsVisible(NativeHandle w) = 0;           // IsWindowVisible
  virtual bool IsWindow(NativeHandle w) = 0;            // IsWindow

  // GetClassNameA into a 259-byte buffer: at most 258 bytes, empty on failure.
  virtual std::string ClassName(NativeHandle w) = 0;

  // WM_GETTEXTLENGTH, waiting at most `timeout`.
  virtual TextLengthReply TextLength(NativeHandle w, std::chrono::milliseconds timeout) = 0;

  // WM_GETTEXT with room for `max_units` characters (plus the terminator),
  // waiting at most `timeout`; the text in the ANSI code page, or nothing
  // when the window did not answer in time.
  virtual std::optional<std::string> Text(NativeHandle w, std::size_t max_units,
                                          std::chrono::milliseconds timeout) = 0;

  // The caption the system stores for the window, read without sending it a
  // message (at most `max_units` characters), in the ANSI code page.
  virtual std::string StoredCaption(NativeHandle w, std::size_t max_units) = 0;

  // The colour of one screen pixel (screen drawing context taken and
  // released inside); kInvalidColour when it cannot be read.
  virtual ColourValue ScreenPixel(Point p) = 0;
};

}  // namespace vorlix
