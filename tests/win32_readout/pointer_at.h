// A desktop that answers every question as the real one does, except that
// the pointer is wherever the test puts it (moving the real pointer from a
// process without an active window does not work under Wine).
#pragma once

#include "platform/desktop.h"

namespace vorlix::testing {

class PointerAt : public Desktop {
 public:
  PointerAt(Desktop& real, Point pointer) : real_(real), pointer_(pointer) {}

  Point CursorPos() override { return pointer_; }
  NativeHandle WindowFromPoint(Point p) override { return real_.WindowFromPoint(p); }
  Rect WindowRect(NativeHandle w) override { return real_.WindowRect(w); }
  NativeHandle Parent(NativeHandle w) override { return real_.Parent(w); }
  NativeHandle NextWindow(NativeHandle w) override { return real_.NextWindow(w); }
  bool IsVisible(NativeHandle w) override { return real_.IsVisible(w); }
  bool IsWindow(NativeHandle w) override { return real_.IsWindow(w); }
  std::string ClassName(NativeHandle w) override { return real_.ClassName(w); }
  TextLengthReply TextLength(NativeHandle w, std::chrono::milliseconds timeout) override {
    return real_.TextLength(w, timeout);
  }
  std::optional<std::string> Text(NativeHandle w, std::size_t max_units,
                                  std::chrono::milliseconds timeout) override {
    return real_.Text(w, max_units, timeout);
  }
  std::string StoredCaption(NativeHandle w, std::size_t max_units) override {
    return real_.StoredCaption(w, max_units);
  }
  ColourValue ScreenPixel(Point p) override { return real_.ScreenPixel(p); }

 private:
  Desktop& real_;  // not owned
  Point pointer_;
};

}  // namespace vorlix::testing
