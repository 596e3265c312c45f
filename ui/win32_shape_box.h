// The shape box: a child window whose whole client area is its background
// colour (the swatch). A new colour shows at once.
#pragma once

#include <windows.h>

#include "platform/types.h"

namespace vorlix::toolkit {

class ShapeBox {
 public:
  explicit ShapeBox(ColourValue colour) : colour_(colour) {}
  ShapeBox(const ShapeBox&) = delete;
  ShapeBox& operator=(const ShapeBox&) = delete;

  // Makes the child window; this object must outlive it. nullptr on failure.
  HWND Create(HWND parent, int id, const RECT& place);

  ColourValue Colour() const { return colour_; }
  void SetColour(ColourValue colour);

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;  // not owned: destroyed with its parent
  ColourValue colour_;
};

}  // namespace vorlix::toolkit
