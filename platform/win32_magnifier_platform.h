// The magnifier's platform calls on Win32: screen and picture drawing
// contexts, StretchBlt, DrawIcon, GetCursor, SendMessage and worker threads.
#pragma once

#include "magnifier/magnifier_platform.h"

namespace vorlix::win32 {

class Win32MagnifierPlatform final : public MagnifierPlatform {
 public:
  NativeHandle TakeScreen() override;
  void ReleaseScreen(NativeHandle screen) override;
  Point CursorPos() override;
  void StretchScreen(NativeHandle surface, std::int32_t width, std::int32_t height,
                     NativeHandle screen, std::int32_t sx, std::int32_t sy, std::int32_t sw,
                     std::int32_t sh) override;
  void DrawCursor(NativeHandle surface, std::int32_t x, std::int32_t y,
                  NativeHandle cursor) override;
  NativeHandle CurrentCursor() override;
  std::int64_t SendToWindow(NativeHandle window, std::uint32_t message) override;
  NativeHandle TakeWindowSurface(NativeHandle window) override;
  void ReleaseWindowSurface(NativeHandle window, NativeHandle surface) override;
  std::unique_ptr<StartedThread> StartThread(std::function<void()> body) override;
  void Sleep(std::chrono::milliseconds duration) override;
};

}  // namespace vorlix::win32
