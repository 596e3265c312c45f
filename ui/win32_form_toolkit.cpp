// FormToolkit: the main window's procedure, building the controls from the
// layout, and the Form operations on them.
#include "ui/win32_form_toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win32_text.h"
#include "ui/win32_colour_button.h"
#include "ui/win32_control_hooks.h"
#include "ui/win32_picture_box.h"
#include "ui/win32_shape_box.h"
#include "ui/win32_window_class.h"

namespace vorlix {
namespace {

constexpr wchar_t kMainClassName[] = L"VorlixMainWindow";
constexpr int kFirstControlId = 1000;
constexpr UINT_PTR kCloseRetryTimer = 1;
constexpr UINT kCloseRetryMs = 10;

constexpr DWORD kMainStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

bool RegisterMainClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc = toolkit::ToolkitClass(instance, kMainClassName, proc);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);                  // shared system icon, not owned
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // system colour, not owned
  return toolkit::RegisterClassOnce(wc);
}

// The width the text takes in one line in `font`, in pixels.
int TextWidth(HWND hwnd, HFONT font, const std::wstring& text) {
  win32::WindowDc dc(hwnd);
  if (dc.get() == nullptr) {
    return 0;
  }
  toolkit::SelectScope select(dc.get(), font);
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

std::int64_t AsInteger(const PropertyValue& value) {
  if (const auto* i = std::get_if<std::int64_t>(&value)) {
    return *i;
  }
  if (const auto* b = std::get_if<bool>(&value)) {
    return *b ? 1 : 0;
  }
  return 0;
}

bool AsTruth(const PropertyValue& value) {
  if (const auto* b = std::get_if<bool>(&value)) {
    return *b;
  }
  return AsInteger(value) != 0;
}

std::string WindowTextAnsi(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) {
    return {};
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

struct FormToolkit::Control {
  ControlLayout layout;
  int id = 0;
  HWND hwnd = nullptr;  // not owned: destroyed with the main window
  std::unique_ptr<toolkit::ColourButton> colour_button;
  std::unique_ptr<toolkit::ShapeBox> shape_box;
  std::int64_t period = 0;  // timers
  bool disabled = false;    // timers (they have no window)
  std::int32_t width = 0;   // timers
  std::int32_t height = 0;  // timers
};

FormToolkit::FormToolkit(FormHandlers handlers) : handlers_(std::move(handlers)) {}

FormToolkit::~FormToolkit() {
  main_.Reset();
}

bool FormToolkit::Open(const WindowLayout& window, std::span<const ControlLayout> controls) {
  if (main_.get() != nullptr) {
    return false;
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterMainClass(instance, &FormToolkit::MainProc)) {
    return false;
  }
  DWORD style = kMainStyle;
  if (!window.fixed_frame) {
    style |= WS_THICKFRAME;
  }
  if (window.maximize_box) {
    style |= WS_MAXIMIZEBOX;
  }
  if (!window.minimize_box) {
    style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
  }
  const Point place =
      CentredPlace(window, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const std::wstring title = win32::Utf8ToWide(window.title);
  HWND hwnd =
      CreateWindowExW(0, kMainClassName, title.c_str(), style, place.x, place.y, window.outer_width,
                      window.outer_height, nullptr, nullptr, instance, this);
  if (hwnd == nullptr) {
    main_.Forget();  // a window that failed in creation is already gone
    return false;
  }

  int next_id = kFirstControlId;
  for (const ControlLayout& layout : controls) {
    auto control = std::make_unique<Control>();
    control->layout = layout;
    control->id = next_id++;
    control->period = layout.period;
    control->width = layout.width;
    control->height = layout.height;
    Control& ref = *control;
    if (!controls_.emplace(std::string(layout.name), std::move(control)).second ||
        !CreateControl(ref)) {
      main_.Reset();
      return false;
    }
  }
  // Buttons stay whole where a caption or a group box's frame runs under them.
  for (auto& [name, control] : controls_) {
    const ControlKind kind = control->layout.kind;
    if (kind == ControlKind::PushButton || kind == ControlKind::ColourButton) {
      SetWindowPos(control->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }

  ShowWindow(hwnd, SW_SHOWNORMAL);
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (handlers_.created) {
    handlers_.created();
  }
  return main_.get() != nullptr;
}

bool FormToolkit::CreateControl(Control& control) {
  const ControlLayout& l = control.layout;
  HWND parent = main_.get();
  if (!l.group.empty()) {
    Control* box = Find(l.group);
    if (box == nullptr || box->hwnd == nullptr) {
      return false;
    }
    parent = box->hwnd;
  }
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const RECT place{l.position.x, l.position.y, l.position.x + l.width, l.position.y + l.height};
  const auto menu_id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id));
  const std::wstring text = win32::Utf8ToWide(l.text);
  const HFONT font = fonts_.For(l.font);
  auto make = [&](const wchar_t* cls, DWORD style, DWORD ex_style) {
    return CreateWindowExW(ex_style, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, l.position.x,
                           l.position.y, l.width, l.height, parent, menu_id, instance, nullptr);
  };

  HWND hwnd = nullptr;
  switch (l.kind) {
    case ControlKind::Label: {
      DWORD style = SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS;
      // A caption that fits on one line sits in the middle of its height,
      // level with the field beside it; a longer one wraps from the top.
      if (TextWidth(parent, font, text) <= l.width) {
        style |= SS_CENTERIMAGE;
      }
      hwnd = make(WC_STATICW, style, 0);
      if (hwnd != nullptr) {
        if (auto it = handlers_.feedback.find(l.name); it != handlers_.feedback.end()) {
          toolkit::HookFeedback(hwnd, &it->second);
        }
      }
      break;
    }
    case ControlKind::EditField: {
      DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | WS_CLIPSIBLINGS;
      if (l.edit.read_only) {
        style |= ES_READONLY;
      }
      if (l.edit.integer_only) {
        style |= ES_NUMBER;
      }
      if (!l.edit.hide_selection) {
        style |= ES_NOHIDESEL;
      }
      hwnd = make(WC_EDITW, style, WS_EX_CLIENTEDGE);
      if (hwnd != nullptr) {
        SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(std::max(l.edit.typed_limit, 0)), 0);
        if (auto it = handlers_.key_down.find(l.name); it != handlers_.key_down.end()) {
          toolkit::HookKeyDown(hwnd, &it->second);
        }
      }
      break;
    }
    case ControlKind::PushButton:
      hwnd = make(WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON | WS_CLIPSIBLINGS, 0);
      break;
    case ControlKind::GroupBox:
      hwnd = make(WC_BUTTONW, BS_GROUPBOX | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0);
      if (hwnd != nullptr) {
        toolkit::HookGroupBox(hwnd);
      }
      break;
    case ControlKind::ColourButton:
      control.colour_button = std::make_unique<toolkit::ColourButton>(l.colour, l.default_color);
      hwnd = control.colour_button->Create(parent, control.id, place, text);
      break;
    case ControlKind::ShapeBox:
      control.shape_box = std::make_unique<toolkit::ShapeBox>(l.colour);
      hwnd = control.shape_box->Create(parent, control.id, place);
      break;
    case ControlKind::PictureBox:
      hwnd = toolkit::CreatePictureBox(parent, control.id, place);
      break;
    case ControlKind::Timer: {
      const UINT_PTR timer_id = static_cast<UINT_PTR>(control.id);
      by_timer_[timer_id] = &control;
      if (control.period > 0) {
        SetTimer(main_.get(), timer_id, static_cast<UINT>(control.period), nullptr);
      }
      return true;  // no window
    }
  }
  if (hwnd == nullptr) {
    return false;
  }
  control.hwnd = hwnd;
  by_window_[hwnd] = &control;
  if (font != nullptr) {
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

int FormToolkit::RunMessageLoop() {
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK FormToolkit::MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<FormToolkit*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->main_ = toolkit::UniqueWindow(hwnd);  // from its first message on
  }
  auto* self = reinterpret_cast<FormToolkit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->main_.Forget();
    self->fonts_.ReleaseAll();  // the controls that used them are gone
    return DefWindowProcW(hwnd, msg, wp, lp);
  }
  return self->HandleMain(msg, wp, lp);
}

LRESULT FormToolkit::HandleMain(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = main_.get();
  switch (msg) {
    case WM_COMMAND:
      if (lp != 0) {
        OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
      }
      return 0;
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wp));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnControlColour(msg, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_CLOSE:
      OnCloseRequest();
      return 0;
    case WM_DESTROY:
      if (handlers_.will_be_destroyed) {
        handlers_.will_be_destroyed();
      }
      KillTimer(hwnd, kCloseRetryTimer);
      for (const auto& [id, control] : by_timer_) {
        KillTimer(hwnd, id);
      }
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void FormToolkit::OnCommand(HWND from, UINT code) {
  if (code != BN_CLICKED) {
    return;
  }
  Control* control = ByWindow(from);
  if (control == nullptr) {
    return;
  }
  if (auto it = handlers_.clicked.find(control->layout.name); it != handlers_.clicked.end()) {
    if (it->second) {
      it->second();
    }
  }
}

void FormToolkit::OnTimer(UINT_PTR id) {
  if (id == kCloseRetryTimer) {
    KillTimer(main_.get(), kCloseRetryTimer);
    OnCloseRequest();
    return;
  }
  auto found = by_timer_.find(id);
  if (found == by_timer_.end() || found->second->period <= 0) {
    return;
  }
  if (auto it = handlers_.periodic.find(found->second->layout.name);
      it != handlers_.periodic.end() && it->second) {
    it->second();
  }
}

void FormToolkit::OnCloseRequest() {
  if (handlers_.close_requested && !handlers_.close_requested()) {
    // Not yet: ask again shortly, with the message loop running meanwhile.
    SetTimer(main_.get(), kCloseRetryTimer, kCloseRetryMs, nullptr);
    return;
  }
  DestroyWindow(main_.get());
}

LRESULT FormToolkit::OnControlColour(UINT msg, HDC dc, HWND from) {
  Control* control = ByWindow(from);
  if (control != nullptr && control->layout.kind == ControlKind::EditField) {
    // Every edit field, read-only or not: black on white.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));  // stock, not owned
  }
  return DefWindowProcW(main_.get(), msg, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(from));
}

FormToolkit::Control* FormToolkit::Find(std::string_view name) {
  auto it = controls_.find(name);
  return it == controls_.end() ? nullptr : it->second.get();
}

FormToolkit::Control* FormToolkit::ByWindow(HWND hwnd) {
  auto it = by_window_.find(hwnd);
  return it == by_window_.end() ? nullptr : it->second;
}

void FormToolkit::Write(std::string_view name, Property property, const PropertyValue& value) {
  Control* c = Find(name);
  if (c == nullptr) {
    return;
  }
  switch (property) {
    case Property::Width:
    case Property::Height: {
      const auto size = static_cast<std::int32_t>(AsInteger(value));
      if (c->hwnd == nullptr) {
        (property == Property::Width ? c->width : c->height) = size;
        return;
      }
      RECT r{};
      GetWindowRect(c->hwnd, &r);
      const int w = property == Property::Width ? size : r.right - r.left;
      const int h = property == Property::Height ? size : r.bottom - r.top;
      SetWindowPos(c->hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      return;
    }
    case Property::Disabled:
      if (c->hwnd == nullptr) {
        c->disabled = AsTruth(value);
      } else {
        EnableWindow(c->hwnd, AsTruth(value) ? FALSE : TRUE);
      }
      return;
    case Property::Text:
      if (const auto* text = std::get_if<std::string>(&value); text && c->hwnd) {
        SetWindowTextA(c->hwnd, text->c_str());
      }
      return;
    case Property::Period: {
      if (c->layout.kind != ControlKind::Timer) {
        return;
      }
      const std::int64_t period = AsInteger(value);
      if (period == c->period) {
        return;  // the running timer goes on as it was
      }
      c->period = period;
      const auto timer_id = static_cast<UINT_PTR>(c->id);
      if (period <= 0) {
        KillTimer(main_.get(), timer_id);
      } else {
        const auto ms = static_cast<UINT>(std::min<std::int64_t>(period, USER_TIMER_MAXIMUM));
        SetTimer(main_.get(), timer_id, ms, nullptr);  // starts, or restarts with the new period
      }
      return;
    }
    case Property::BackgroundColour:
      if (c->shape_box) {
        c->shape_box->SetColour(static_cast<ColourValue>(AsInteger(value)));
      }
      return;
    case Property::BkColorOut:
      if (c->colour_button) {
        c->colour_button->SetBkColorOut(static_cast<ColourValue>(AsInteger(value)));
      }
      return;
    case Property::DefaultColor:
      if (c->colour_button) {
        c->colour_button->SetDefaultColor(AsTruth(value));
      }
      return;
  }
}

PropertyValue FormToolkit::Read(std::string_view name, Property property) {
  Control* c = Find(name);
  if (c == nullptr) {
    return std::int64_t{0};
  }
  switch (property) {
    case Property::Width:
    case Property::Height: {
      if (c->hwnd == nullptr) {
        return std::int64_t{property == Property::Width ? c->width : c->height};
      }
      RECT r{};
      GetWindowRect(c->hwnd, &r);
      return std::int64_t{property == Property::Width ? r.right - r.left : r.bottom - r.top};
    }
    case Property::Disabled:
      return c->hwnd == nullptr ? c->disabled : IsWindowEnabled(c->hwnd) == FALSE;
    case Property::Text:
      return c->hwnd == nullptr ? std::string() : WindowTextAnsi(c->hwnd);
    case Property::Period:
      return c->period;
    case Property::BackgroundColour:
      return std::int64_t{c->shape_box ? c->shape_box->Colour() : kDefaultColourValue};
    case Property::BkColorOut:
      return std::int64_t{c->colour_button ? c->colour_button->BkColorOut() : kDefaultColourValue};
    case Property::DefaultColor:
      return c->colour_button ? c->colour_button->DefaultColor() : false;
  }
  return std::int64_t{0};
}

NativeHandle FormToolkit::Handle(std::string_view name) {
  auto it = controls_.find(name);
  if (it == controls_.end()) {
    return 0;
  }
  return static_cast<NativeHandle>(reinterpret_cast<std::uintptr_t>(it->second->hwnd));
}

std::int64_t FormToolkit::Send(std::string_view name, std::uint32_t message, std::uint64_t wparam,
                               std::int64_t lparam) {
  auto it = controls_.find(name);
  if (it == controls_.end() || it->second->hwnd == nullptr) {
    return 0;
  }
  return static_cast<std::int64_t>(SendMessageW(
      it->second->hwnd, message, static_cast<WPARAM>(wparam), static_cast<LPARAM>(lparam)));
}

void FormToolkit::Focus(std::string_view name) {
  if (Control* c = Find(name); c != nullptr && c->hwnd != nullptr) {
    SetFocus(c->hwnd);
  }
}

}  // namespace vorlix
