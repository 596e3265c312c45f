// Reads the running Vorlix window from another process, as the end-to-end
// tests need it:
//
//   vorlix_probe.exe fields   one line per control of the window:
//                               control NAME ENABLED LEFT TOP RIGHT BOTTOM HEXTEXT
//                             (screen rectangle; the text in the ANSI code page,
//                             as hexadecimal bytes, "-" when empty), then
//                               focus NAME   (the control with the keyboard focus)
//   vorlix_probe.exe close    closes the window as its close button does
//
// Controls are named by where they sit in the window, from the program's own
// layout. Exits 3 when no Vorlix window appears within ten seconds.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/win32_text.h"
#include "ui/main_window_layout.h"

namespace {

HWND WaitForMainWindow() {
  const std::wstring title = vorlix::win32::Utf8ToWide(vorlix::MainWindow().title);
  for (int i = 0; i < 200; ++i) {
    HWND w = FindWindowW(nullptr, title.c_str());
    if (w != nullptr && IsWindowVisible(w)) {
      return w;
    }
    Sleep(50);
  }
  return nullptr;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

// The control whose place in the layout matches the window's place.
const vorlix::ControlLayout* NameOf(HWND main, HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  POINT origin{0, 0};
  ClientToScreen(main, &origin);
  for (const vorlix::ControlLayout& c : vorlix::MainWindowControls()) {
    const vorlix::Point p = vorlix::ClientPosition(c);
    if (r.left - origin.x == p.x && r.top - origin.y == p.y && r.right - r.left == c.width &&
        r.bottom - r.top == c.height) {
      return &c;
    }
  }
  return nullptr;
}

std::string TextOf(HWND w) {
  wchar_t buffer[2048] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(w, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                           2000, &copied)) {
    return "?";
  }
  const std::string ansi = vorlix::win32::WideToAnsi(buffer);
  if (ansi.empty()) {
    return "-";
  }
  std::string hex;
  char digits[4];
  for (unsigned char b : ansi) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    hex += digits;
  }
  return hex;
}

int PrintFields(HWND main) {
  std::vector<HWND> children;
  EnumChildWindows(main, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    const vorlix::ControlLayout* c = NameOf(main, child);
    if (c == nullptr) {
      continue;
    }
    RECT r;
    GetWindowRect(child, &r);
    std::printf("control %.*s %d %ld %ld %ld %ld %s\n", static_cast<int>(c->name.size()),
                c->name.data(), IsWindowEnabled(child) ? 1 : 0, r.left, r.top, r.right, r.bottom,
                TextOf(child).c_str());
  }
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(main, nullptr);
  const vorlix::ControlLayout* focus = nullptr;
  if (GetGUIThreadInfo(thread, &info) && info.hwndFocus != nullptr) {
    focus = NameOf(main, info.hwndFocus);
  }
  if (focus != nullptr) {
    std::printf("focus %.*s\n", static_cast<int>(focus->name.size()), focus->name.data());
  } else {
    std::printf("focus -\n");
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vorlix_probe fields|close\n");
    return 2;
  }
  HWND main_window = WaitForMainWindow();
  if (main_window == nullptr) {
    std::fprintf(stderr, "vorlix_probe: no Vorlix window\n");
    return 3;
  }
  if (std::strcmp(argv[1], "fields") == 0) {
    return PrintFields(main_window);
  }
  if (std::strcmp(argv[1], "close") == 0) {
    PostMessageW(main_window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  std::fprintf(stderr, "vorlix_probe: unknown command %s\n", argv[1]);
  return 2;
}
