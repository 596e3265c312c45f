// The desktop of the running Windows session, as the pointer readout asks
// for it: the pointer, the window tree, class names, window titles through
// the text messages (each bounded in time), stored captions, screen pixels.
#pragma once

#include "platform/desktop.h"

namespace vorlix::win32 {

class Win32Desktop : public Desktop {
 public:
  Point CursorPos() override;
  NativeHandle WindowFromPoint(Point p) override;
  Rect WindowRect(NativeHandle w) override;
  NativeHandle Parent(NativeHandle w) override;
  NativeHandle NextWindow(NativeHandle w) override;
  bool IsVisible(NativeHandle w) override;
  bool IsWindow(NativeHandle w) override;
  std::string ClassName(NativeHandle w) override;
  TextLengthReply TextLength(NativeHandle w, std::chrono::milliseconds timeout) override;
  std::optional<std::string> Text(NativeHandle w, std::size_t max_units,
                                  std::chrono::milliseconds timeout) override;
  std::string StoredCaption(NativeHandle w, std::size_t max_units) override;
  ColourValue ScreenPixel(Point p) override;
};

}  // namespace vorlix::win32
