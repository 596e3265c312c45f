// Subclass procedures for labels, edit fields and group boxes.
#include "ui/win32_control_hooks.h"

#include <commctrl.h>

#include "ui/form.h"

namespace vorlix::toolkit {
namespace {

constexpr UINT_PTR kFeedbackHook = 1;
constexpr UINT_PTR kKeyDownHook = 2;
constexpr UINT_PTR kGroupBoxHook = 3;

LRESULT CALLBACK FeedbackProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                              DWORD_PTR data) {
  if (msg == CursorRequestMessage) {
    const auto* handler = reinterpret_cast<const FeedbackHandler*>(data);
    if (handler != nullptr && *handler) {
      return static_cast<LRESULT>((*handler)(wp, lp).value_or(0));
    }
    return 0;
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &FeedbackProc, id);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK KeyDownProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                             DWORD_PTR data) {
  if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
    const auto* handler = reinterpret_cast<const KeyDownHandler*>(data);
    if (handler != nullptr && *handler) {
      const std::optional<bool> pass = (*handler)(static_cast<int>(wp), CurrentModifiers());
      if (pass.has_value() && !*pass) {
        // The message loop has already turned the key into characters: drop
        // them too, so that nothing of the key reaches the field.
        MSG typed{};
        while (PeekMessageW(&typed, hwnd, WM_CHAR, WM_DEADCHAR, PM_REMOVE)) {
        }
        while (PeekMessageW(&typed, hwnd, WM_SYSCHAR, WM_SYSDEADCHAR, PM_REMOVE)) {
        }
        return 0;
      }
    }
  }
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, &KeyDownProc, id);
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

// The controls inside a group box are its children: their notifications go
// on to the window that handles them.
LRESULT CALLBACK GroupBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR) {
  switch (msg) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return SendMessageW(GetParent(hwnd), msg, wp, lp);
    case WM_ERASEBKGND: {
      // The main window does not paint under its children, so the box
      // fills its own inside with the window's background.
      RECT r{};
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));  // not owned
      return 1;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &GroupBoxProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

bool HookFeedback(HWND label, const FeedbackHandler* handler) {
  return SetWindowSubclass(label, &FeedbackProc, kFeedbackHook,
                           reinterpret_cast<DWORD_PTR>(handler)) != FALSE;
}

bool HookKeyDown(HWND edit, const KeyDownHandler* handler) {
  return SetWindowSubclass(edit, &KeyDownProc, kKeyDownHook,
                           reinterpret_cast<DWORD_PTR>(handler)) != FALSE;
}

bool HookGroupBox(HWND group_box) {
  return SetWindowSubclass(group_box, &GroupBoxProc, kGroupBoxHook, 0) != FALSE;
}

int CurrentModifiers() {
  int bits = 0;
  if (GetKeyState(VK_CONTROL) < 0) {
    bits |= kModifierCtrl;
  }
  if (GetKeyState(VK_SHIFT) < 0) {
    bits |= kModifierShift;
  }
  if (GetKeyState(VK_MENU) < 0) {
    bits |= kModifierAlt;
  }
  return bits;
}

}  // namespace vorlix::toolkit
