// Windows for the end-to-end tests to point at, in a process of their own.
//
//   e2e_fixture.exe REPORT_PATH
//
// Creates three topmost windows away from the Vorlix window's place:
//   solid    a top-level window painted RGB(200, 100, 50), class
//            "VorlixE2ESolid", a GB2312 title;
//   child    a child of `solid`, painted RGB(18, 52, 86), class
//            "VorlixE2EChild", title "子窗口";
//   pattern  a top-level window in which every pixel has its own colour
//            (red 2x, green 2y, blue x+y of the pixel inside the window).
// Then writes one line per window to REPORT_PATH,
//   NAME HANDLE LEFT TOP RIGHT BOTTOM
// (HANDLE as the signed decimal of its low 32 bits, the rectangle in screen
// pixels), then the line "ready", and runs until it is ended.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kSolidColour = RGB(200, 100, 50);
constexpr COLORREF kChildColour = RGB(18, 52, 86);

void FillWithColour(HWND hwnd, COLORREF colour) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  HBRUSH brush = CreateSolidBrush(colour);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(dc, &client, brush);
  DeleteObject(brush);
  EndPaint(hwnd, &ps);
}

COLORREF PatternColour(int x, int y) {
  return RGB((x * 2) & 0xFF, (y * 2) & 0xFF, (x + y) & 0xFF);
}

void PaintPattern(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT client;
  GetClientRect(hwnd, &client);
  const int w = client.right;
  const int h = client.bottom;
  // A top-down 32-bit picture: blue, green, red, unused per pixel.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const COLORREF c = PatternColour(x, y);
      pixels[static_cast<std::size_t>(y) * w + x] =
          (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, w, h, 0, 0, 0, h, pixels.data(), &info, DIB_RGB_COLORS);
  EndPaint(hwnd, &ps);
}

LRESULT CALLBACK SolidProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    FillWithColour(hwnd, kSolidColour);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    FillWithColour(hwnd, kChildColour);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_PAINT) {
    PaintPattern(hwnd);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void Register(const char* name, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  RegisterClassA(&wc);
}

void Report(std::FILE* out, const char* name, HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  const auto shown =
      static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(hwnd) & 0xFFFFFFFFu);
  std::fprintf(out, "%s %d %ld %ld %ld %ld\n", name, static_cast<int>(shown), r.left, r.top,
               r.right, r.bottom);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: e2e_fixture REPORT_PATH\n");
    return 2;
  }
  Register("VorlixE2ESolid", SolidProc);
  Register("VorlixE2EChild", ChildProc);
  Register("VorlixE2EPattern", PatternProc);

  // "测试窗口 e2e" in GB2312 bytes.
  const char* solid_title = "\xB2\xE2\xCA\xD4\xB4\xB0\xBF\xDA e2e";
  const char* child_title = "\xD7\xD3\xB4\xB0\xBF\xDA";  // "子窗口"
  const DWORD popup = WS_POPUP | WS_VISIBLE;
  HWND solid = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "VorlixE2ESolid", solid_title,
                               popup, 700, 60, 300, 200, nullptr, nullptr, nullptr, nullptr);
  HWND child = CreateWindowExA(0, "VorlixE2EChild", child_title, WS_CHILD | WS_VISIBLE, 20, 20, 120,
                               80, solid, nullptr, nullptr, nullptr);
  HWND pattern = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "VorlixE2EPattern", "pattern",
                                 popup, 700, 420, 160, 160, nullptr, nullptr, nullptr, nullptr);
  if (solid == nullptr || child == nullptr || pattern == nullptr) {
    return 1;
  }
  UpdateWindow(solid);
  UpdateWindow(pattern);

  std::FILE* out = std::fopen(argv[1], "w");
  if (out == nullptr) {
    return 1;
  }
  Report(out, "solid", solid);
  Report(out, "child", child);
  Report(out, "pattern", pattern);
  std::fprintf(out, "ready\n");
  std::fclose(out);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
