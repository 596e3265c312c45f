#include "platform/win32_magnifier_platform.h"

#include <windows.h>

#include <utility>

#include "platform/win32_handles.h"

namespace vorlix::win32 {

namespace {

class Win32Thread final : public StartedThread {
 public:
  explicit Win32Thread(HANDLE thread) : thread_(thread) {}

 private:
  OwnedHandle thread_;  // closing it does not end or wait for the thread
};

DWORD WINAPI RunThreadBody(void* parameter) {
  std::unique_ptr<std::function<void()>> body(static_cast<std::function<void()>*>(parameter));
  (*body)();
  return 0;
}

}  // namespace

NativeHandle Win32MagnifierPlatform::TakeScreen() {
  return ToNative(GetDC(GetDesktopWindow()));
}

void Win32MagnifierPlatform::ReleaseScreen(NativeHandle screen) {
  ReleaseDC(GetDesktopWindow(), FromNative<HDC>(screen));
}

Point Win32MagnifierPlatform::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

void Win32MagnifierPlatform::StretchScreen(NativeHandle surface, std::int32_t width,
                                           std::int32_t height, NativeHandle screen,
                                           std::int32_t sx, std::int32_t sy, std::int32_t sw,
                                           std::int32_t sh) {
  StretchBlt(FromNative<HDC>(surface), 0, 0, width, height, FromNative<HDC>(screen), sx, sy, sw, sh,
             SRCCOPY);
}

void Win32MagnifierPlatform::DrawCursor(NativeHandle surface, std::int32_t x, std::int32_t y,
                                        NativeHandle cursor) {
  DrawIcon(FromNative<HDC>(surface), x, y, FromNative<HICON>(cursor));
}

NativeHandle Win32MagnifierPlatform::CurrentCursor() {
  return ToNative(GetCursor());
}

std::int64_t Win32MagnifierPlatform::SendToWindow(NativeHandle window, std::uint32_t message) {
  return static_cast<std::int64_t>(SendMessageW(FromNative<HWND>(window), message, 0, 0));
}

NativeHandle Win32MagnifierPlatform::TakeWindowSurface(NativeHandle window) {
  return ToNative(GetDC(FromNative<HWND>(window)));
}

void Win32MagnifierPlatform::ReleaseWindowSurface(NativeHandle window, NativeHandle surface) {
  ReleaseDC(FromNative<HWND>(window), FromNative<HDC>(surface));
}

std::unique_ptr<StartedThread> Win32MagnifierPlatform::StartThread(std::function<void()> body) {
  auto owned_body = std::make_unique<std::function<void()>>(std::move(body));
  HANDLE thread = CreateThread(nullptr, 0, RunThreadBody, owned_body.get(), 0, nullptr);
  if (thread == nullptr) {
    return nullptr;
  }
  owned_body.release();  // the thread owns it now
  return std::make_unique<Win32Thread>(thread);
}

void Win32MagnifierPlatform::Sleep(std::chrono::milliseconds duration) {
  ::Sleep(static_cast<DWORD>(duration.count()));
}

}  // namespace vorlix::win32
