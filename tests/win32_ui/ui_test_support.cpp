// Message pumping, pixels and input for the toolkit's Wine tests.
#include "ui_test_support.h"

#include <cstdio>
#include <string>

namespace vorlix::testing {

void PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

bool PumpUntil(const std::function<bool()>& done, int timeout_ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!done()) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) {
      return done();
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return true;
}

COLORREF ScreenPixel(POINT screen) {
  HDC dc = GetDC(nullptr);  // released below
  const COLORREF colour = GetPixel(dc, screen.x, screen.y);
  ReleaseDC(nullptr, dc);
  return colour;
}

POINT ClientToScreenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

namespace {

// Starts xdotool on the X display of the Wine desktop (Wine starts Unix
// programs too). Its process cannot be waited for from here (the wait fails
// under Wine), so callers watch for what it does. X display coordinates are
// desktop coordinates: the virtual desktop fills the whole 1024 x 768 screen.
// Pointer input made this way reaches the windows as a real mouse's would;
// SendInput moves under Wine were seen to bounce back now and then.
bool StartXdotool(const std::wstring& arguments) {
  std::wstring command = L"Z:\\usr\\bin\\xdotool " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::fprintf(stderr, "xdotool could not start: error %lu\n", GetLastError());
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool MovePointer(POINT screen) {
  if (!StartXdotool(L"mousemove " + std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y))) {
    return false;
  }
  const bool arrived = PumpUntil(
      [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == screen.x && now.y == screen.y;
      },
      1000);
  PumpFor(50);
  if (!arrived) {
    POINT now{};
    GetCursorPos(&now);
    std::fprintf(stderr, "pointer at %ld,%ld, not %ld,%ld\n", now.x, now.y, screen.x, screen.y);
  }
  return arrived;
}

bool PixelBecomes(POINT screen, COLORREF colour, int timeout_ms) {
  return PumpUntil([&] { return ScreenPixel(screen) == colour; }, timeout_ms);
}

bool ClickAt(POINT screen) {
  if (!MovePointer(screen) || !StartXdotool(L"click 1")) {
    return false;
  }
  PumpFor(300);
  return true;
}

void TypeKey(WORD vk, bool shift) {
  INPUT keys[4]{};
  int n = 0;
  if (shift) {
    keys[n].type = INPUT_KEYBOARD;
    keys[n++].ki.wVk = VK_SHIFT;
  }
  keys[n].type = INPUT_KEYBOARD;
  keys[n++].ki.wVk = vk;
  keys[n].type = INPUT_KEYBOARD;
  keys[n].ki.wVk = vk;
  keys[n++].ki.dwFlags = KEYEVENTF_KEYUP;
  if (shift) {
    keys[n].type = INPUT_KEYBOARD;
    keys[n].ki.wVk = VK_SHIFT;
    keys[n++].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(static_cast<UINT>(n), keys, sizeof(INPUT));
  PumpFor(100);
}

void BringToFront(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
  PumpFor(100);
}

}  // namespace vorlix::testing
