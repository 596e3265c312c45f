// What the magnifier needs from the platform: the screen and drawing calls of
// one frame, the cursor, the picture box's drawing context, message sending
// and worker threads. platform/win32_magnifier_platform implements it; tests
// give a fake.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/types.h"

namespace vorlix {

// Owns a started thread's handle. Destroying it closes the handle and never
// waits for the thread.
class StartedThread {
 public:
  virtual ~StartedThread() = default;
};

class MagnifierPlatform {
 public:
  virtual ~MagnifierPlatform() = default;

  // The whole screen's drawing context (GetDC of the desktop window); every
  // TakeScreen is paired with ReleaseScreen on the same thread.
  virtual NativeHandle TakeScreen() = 0;
  virtual void ReleaseScreen(NativeHandle screen) = 0;

  virtual Point CursorPos() = 0;  // GetCursorPos

  // StretchBlt(surface, 0, 0, width, height, screen, sx, sy, sw, sh, SRCCOPY).
  virtual void StretchScreen(NativeHandle surface, std::int32_t width, std::int32_t height,
                             NativeHandle screen, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                             std::int32_t sh) = 0;

  // DrawIcon at its own size, top-left corner at (x, y). The cursor is not
  // owned: it is never destroyed here.
  virtual void DrawCursor(NativeHandle surface, std::int32_t x, std::int32_t y,
                          NativeHandle cursor) = 0;

  // GetCursor: the cursor of the calling thread's input state (not owned).
  virtual NativeHandle CurrentCursor() = 0;

  // SendMessage to a window, waiting for its result; 0 once the window is gone.
  virtual std::int64_t SendToWindow(NativeHandle window, std::uint32_t message) = 0;

  // GetDC / ReleaseDC on a window's client area (UI thread).
  virtual NativeHandle TakeWindowSurface(NativeHandle window) = 0;
  virtual void ReleaseWindowSurface(NativeHandle window, NativeHandle surface) = 0;

  // Starts `body` on a new thread at once; nullptr when no thread could be made.
  virtual std::unique_ptr<StartedThread> StartThread(std::function<void()> body) = 0;

  virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

}  // namespace vorlix
