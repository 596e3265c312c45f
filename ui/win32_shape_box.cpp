// The shape box's window class: it fills its client area with its colour.
#include "ui/win32_shape_box.h"

#include "ui/win32_colour.h"
#include "ui/win32_owners.h"
#include "ui/win32_window_class.h"

namespace vorlix::toolkit {
namespace {

constexpr wchar_t kClassName[] = L"VorlixShapeBox";

bool RegisterOnce(HINSTANCE instance, WNDPROC proc) {
  return RegisterClassOnce(ToolkitClass(instance, kClassName, proc));
}

}  // namespace

HWND ShapeBox::Create(HWND parent, int id, const RECT& place) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  if (!RegisterOnce(instance, &ShapeBox::Proc)) {
    return nullptr;
  }
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void ShapeBox::SetColour(ColourValue colour) {
  colour_ = colour;
  if (hwnd_ != nullptr) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

LRESULT CALLBACK ShapeBox::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<ShapeBox*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ShapeBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills every pixel
    case WM_PAINT:
      if (self != nullptr) {
        PaintScope paint(hwnd);
        RECT r{};
        GetClientRect(hwnd, &r);
        UniqueBrush fill(CreateSolidBrush(ToColorRef(self->colour_)));
        FillRect(paint.dc(), &r, fill.get());
        return 0;
      }
      break;
    case WM_NCDESTROY:
      if (self != nullptr) {
        self->hwnd_ = nullptr;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace vorlix::toolkit
