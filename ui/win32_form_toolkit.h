// FormToolkit: the Form of the program over raw Win32. It builds the main
// window and its controls from a layout, delivers the controls' events to
// the handlers given at creation (all on the UI thread), and runs the
// message loop.
//
// Controls inside a group box are that group box's child windows, placed
// relative to it; the group box passes their notifications (WM_COMMAND, the
// colour messages) on to the main window. Everything else is a child of the
// main window. Handle() and Send() may be called from any thread once Open()
// has returned: the name-to-window table never changes afterwards.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "ui/form.h"
#include "ui/main_window_layout.h"
#include "ui/win32_fonts.h"
#include "ui/win32_owners.h"

namespace vorlix {

class FormToolkit final : public Form {
 public:
  explicit FormToolkit(FormHandlers handlers);
  ~FormToolkit() override;  // destroys the window if it is still there
  FormToolkit(const FormToolkit&) = delete;
  FormToolkit& operator=(const FormToolkit&) = delete;

  // UI thread, once: builds, places and shows the window, then raises the
  // created event. false when the window could not be made. The layout's
  // strings must outlive the toolkit.
  bool Open(const WindowLayout& window, std::span<const ControlLayout> controls);

  // Runs until the main window is gone; returns the exit code (0).
  int RunMessageLoop();

  // Not owned by the caller; nullptr before Open and after the window is gone.
  HWND MainWindowHandle() const { return main_.get(); }

  void Write(std::string_view control, Property property, const PropertyValue& value) override;
  PropertyValue Read(std::string_view control, Property property) override;
  NativeHandle Handle(std::string_view control) override;
  std::int64_t Send(std::string_view control, std::uint32_t message, std::uint64_t wparam,
                    std::int64_t lparam) override;
  void Focus(std::string_view control) override;

 private:
  struct Control;

  static LRESULT CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMain(UINT msg, WPARAM wp, LPARAM lp);
  bool CreateControl(Control& control);
  void OnCommand(HWND from, UINT code);
  void OnTimer(UINT_PTR id);
  void OnCloseRequest();
  LRESULT OnControlColour(UINT msg, HDC dc, HWND from);
  Control* Find(std::string_view name);
  Control* ByWindow(HWND hwnd);

  FormHandlers handlers_;
  toolkit::UniqueWindow main_;
  toolkit::FontSet fonts_;
  std::map<std::string, std::unique_ptr<Control>, std::less<>> controls_;
  std::map<HWND, Control*> by_window_;
  std::map<UINT_PTR, Control*> by_timer_;
};

}  // namespace vorlix
