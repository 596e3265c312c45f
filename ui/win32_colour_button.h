// The colour button: a push button painted in a colour of the program's
// choosing (BkColorOut) while the pointer is off it and in the button face
// while the pointer is over it; black text. A click is reported to the parent
// as WM_COMMAND / BN_CLICKED, like a push button's.
#pragma once

#include <windows.h>

#include <string_view>

#include "platform/types.h"

namespace vorlix::toolkit {

class ColourButton {
 public:
  ColourButton(ColourValue bk_color_out, bool default_color)
      : bk_color_out_(bk_color_out), default_color_(default_color) {}
  ColourButton(const ColourButton&) = delete;
  ColourButton& operator=(const ColourButton&) = delete;

  // Makes the child window; this object must outlive it. nullptr on failure.
  HWND Create(HWND parent, int id, const RECT& place, std::wstring_view text);

  ColourValue BkColorOut() const { return bk_color_out_; }
  void SetBkColorOut(ColourValue colour);
  bool DefaultColor() const { return default_color_; }
  void SetDefaultColor(bool on);
  bool PointerOver() const { return pointer_over_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Paint();
  void RepaintNow();
  void PointerLeft();
  COLORREF Background() const;

  HWND hwnd_ = nullptr;   // not owned: destroyed with its parent
  HFONT font_ = nullptr;  // not owned: the toolkit owns its fonts
  ColourValue bk_color_out_;
  bool default_color_;
  bool pointer_over_ = false;
  bool pressed_ = false;
};

}  // namespace vorlix::toolkit
