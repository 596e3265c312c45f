// Titles are asked for with the wide messages and converted to the ANSI code
// page: they give the same bytes as the ANSI messages, and under Wine only the
// wide form honours the time-out for WM_GETTEXTLENGTH.
#include "platform/win32_desktop.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "platform/win32_handles.h"
#include "platform/win32_text.h"

namespace vorlix::win32 {
namespace {

HWND ToHwnd(NativeHandle h) {
  return FromNative<HWND>(h);
}
NativeHandle FromHwnd(HWND h) {
  return ToNative(h);
}

// The most characters one text request makes room for, whatever it is asked.
constexpr std::size_t kMaxTextUnits = 32767;

constexpr UINT kTextMessageFlags = SMTO_ABORTIFHUNG | SMTO_BLOCK;

UINT TimeoutMs(std::chrono::milliseconds timeout) {
  return static_cast<UINT>(std::clamp<long long>(timeout.count(), 1, 60000));
}

}  // namespace

Point Win32Desktop::CursorPos() {
  POINT p{};
  if (!GetCursorPos(&p)) {
    return {};
  }
  return {static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y)};
}

NativeHandle Win32Desktop::WindowFromPoint(Point p) {
  return FromHwnd(::WindowFromPoint(POINT{p.x, p.y}));
}

Rect Win32Desktop::WindowRect(NativeHandle w) {
  RECT r{};
  if (!GetWindowRect(ToHwnd(w), &r)) {
    return {};
  }
  return {static_cast<std::int32_t>(r.left), static_cast<std::int32_t>(r.top),
          static_cast<std::int32_t>(r.right), static_cast<std::int32_t>(r.bottom)};
}

NativeHandle Win32Desktop::Parent(NativeHandle w) {
  return FromHwnd(GetParent(ToHwnd(w)));
}

NativeHandle Win32Desktop::NextWindow(NativeHandle w) {
  return FromHwnd(GetWindow(ToHwnd(w), GW_HWNDNEXT));
}

bool Win32Desktop::IsVisible(NativeHandle w) {
  return IsWindowVisible(ToHwnd(w)) != FALSE;
}

bool Win32Desktop::IsWindow(NativeHandle w) {
  return ::IsWindow(ToHwnd(w)) != FALSE;
}

std::string Win32Desktop::ClassName(NativeHandle w) {
  char name[259] = {};
  const int n = GetClassNameA(ToHwnd(w), name, static_cast<int>(sizeof name));
  if (n <= 0) {
    return {};
  }
  return std::string(name, static_cast<std::size_t>(std::min(n, 258)));
}

TextLengthReply Win32Desktop::TextLength(NativeHandle w, std::chrono::milliseconds timeout) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(ToHwnd(w), WM_GETTEXTLENGTH, 0, 0, kTextMessageFlags, TimeoutMs(timeout),
                          &result) == 0) {
    return {};
  }
  // The window's answer, as the signed result it sent.
  return {true, static_cast<long long>(static_cast<LRESULT>(result))};
}

std::optional<std::string> Win32Desktop::Text(NativeHandle w, std::size_t max_units,
                                              std::chrono::milliseconds timeout) {
  const std::size_t units = std::min(max_units, kMaxTextUnits);
  std::vector<wchar_t> buffer(units + 1, L'\0');
  DWORD_PTR copied = 0;
  if (SendMessageTimeoutW(ToHwnd(w), WM_GETTEXT, static_cast<WPARAM>(units + 1),
                          reinterpret_cast<LPARAM>(buffer.data()), kTextMessageFlags,
                          TimeoutMs(timeout), &copied) == 0) {
    return std::nullopt;
  }
  // The count the window answers is not trusted; the terminator is.
  buffer[units] = L'\0';
  return WideToAnsi(std::wstring_view(buffer.data(), std::wcslen(buffer.data())));
}

std::string Win32Desktop::StoredCaption(NativeHandle w, std::size_t max_units) {
  const std::size_t units = std::min(max_units, kMaxTextUnits);
  std::vector<wchar_t> buffer(units + 1, L'\0');
  const int n = InternalGetWindowText(ToHwnd(w), buffer.data(), static_cast<int>(units + 1));
  if (n <= 0) {
    return {};
  }
  buffer[units] = L'\0';
  return WideToAnsi(std::wstring_view(buffer.data(), std::wcslen(buffer.data())));
}

ColourValue Win32Desktop::ScreenPixel(Point p) {
  const WindowDc screen(nullptr);  // the whole screen
  if (screen.get() == nullptr) {
    return kInvalidColour;
  }
  return static_cast<ColourValue>(GetPixel(screen.get(), p.x, p.y));
}

}  // namespace vorlix::win32
