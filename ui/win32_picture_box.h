// The picture box: a plain child window that others draw into through a
// drawing context of their own (the magnifier, from its worker thread). Its
// painting never covers what was drawn: only its very first paint, before
// anyone could draw, fills it with white.
#pragma once

#include <windows.h>

namespace vorlix::toolkit {

// Makes the picture box's child window. nullptr on failure.
HWND CreatePictureBox(HWND parent, int id, const RECT& place);

}  // namespace vorlix::toolkit
