// The colour button's window class: painting, hover tracking and clicks.
#include "ui/win32_colour_button.h"

#include <string>

#include "ui/win32_colour.h"
#include "ui/win32_owners.h"
#include "ui/win32_window_class.h"

namespace vorlix::toolkit {
namespace {

constexpr wchar_t kClassName[] = L"VorlixColourButton";

bool RegisterOnce(HINSTANCE instance, WNDPROC proc) {
  // No background brush: WM_PAINT covers every pixel.
  return RegisterClassOnce(ToolkitClass(instance, kClassName, proc));
}

}  // namespace

HWND ColourButton::Create(HWND parent, int id, const RECT& place, std::wstring_view text) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  if (!RegisterOnce(instance, &ColourButton::Proc)) {
    return nullptr;
  }
  const std::wstring caption(text);
  return CreateWindowExW(0, kClassName, caption.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void ColourButton::SetBkColorOut(ColourValue colour) {
  bk_color_out_ = colour;
  RepaintNow();
}

void ColourButton::SetDefaultColor(bool on) {
  default_color_ = on;
  RepaintNow();
}

void ColourButton::RepaintNow() {
  if (hwnd_ != nullptr) {
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
}

void ColourButton::PointerLeft() {
  if (pointer_over_) {
    pointer_over_ = false;
    RepaintNow();
  }
}

COLORREF ColourButton::Background() const {
  if (default_color_ || pointer_over_) {
    return GetSysColor(COLOR_BTNFACE);
  }
  return ToColorRef(bk_color_out_);
}

LRESULT CALLBACK ColourButton::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<ColourButton*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<ColourButton*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->Handle(msg, wp, lp);
}

LRESULT ColourButton::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wp);
      if (LOWORD(lp) != 0) {
        RepaintNow();
      }
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(hwnd_, msg, wp, lp);
      RepaintNow();
      return r;
    }
    case WM_ENABLE:
      RepaintNow();
      return 0;
    case WM_MOUSEMOVE:
      if (!pointer_over_) {
        pointer_over_ = true;
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd_;
        TrackMouseEvent(&track);
        RepaintNow();
      }
      return 0;
    case WM_MOUSELEAVE:
      PointerLeft();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      SetCapture(hwnd_);
      RepaintNow();
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) {
        return 0;
      }
      pressed_ = false;
      ReleaseCapture();
      RECT client{};
      GetClientRect(hwnd_, &client);
      const POINT at{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RepaintNow();
      if (PtInRect(&client, at)) {
        const int id = GetDlgCtrlID(hwnd_);
        SendMessageW(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(hwnd_));
      }
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressed_) {
        pressed_ = false;
        RepaintNow();
      }
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void ColourButton::Paint() {
  PaintScope paint(hwnd_);
  RECT r{};
  GetClientRect(hwnd_, &r);
  UniqueBrush fill(CreateSolidBrush(Background()));
  FillRect(paint.dc(), &r, fill.get());
  DrawEdge(paint.dc(), &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));

  SelectScope font(paint.dc(), font_ != nullptr ? static_cast<HGDIOBJ>(font_)
                                                : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.dc(), TRANSPARENT);
  SetTextColor(paint.dc(), IsWindowEnabled(hwnd_) ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
  if (pressed_) {
    OffsetRect(&r, 1, 1);
  }
  DrawTextW(paint.dc(), text.c_str(), length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace vorlix::toolkit
