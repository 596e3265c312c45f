// The picture box's window class.
#include "ui/win32_picture_box.h"

#include "ui/win32_owners.h"
#include "ui/win32_window_class.h"

namespace vorlix::toolkit {
namespace {

constexpr wchar_t kClassName[] = L"VorlixPictureBox";
constexpr int kPaintedSlot = 0;  // window extra bytes: 1 once the first paint is done

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // never erase: the picture is someone else's drawing
    case WM_PAINT: {
      PaintScope paint(hwnd);
      if (GetWindowLongPtrW(hwnd, kPaintedSlot) == 0) {
        SetWindowLongPtrW(hwnd, kPaintedSlot, 1);
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(paint.dc(), &r,
                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // stock, not owned
      }
      return 0;
    }
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

bool RegisterOnce(HINSTANCE instance) {
  WNDCLASSEXW wc = ToolkitClass(instance, kClassName, &Proc);
  wc.cbWndExtra = sizeof(LONG_PTR);
  return RegisterClassOnce(wc);
}

}  // namespace

HWND CreatePictureBox(HWND parent, int id, const RECT& place) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  if (!RegisterOnce(instance)) {
    return nullptr;
  }
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

}  // namespace vorlix::toolkit
