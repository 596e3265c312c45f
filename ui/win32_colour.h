// The program's colour values as the system's COLORREF: the default value
// stands for the button-face colour of the current scheme.
#pragma once

#include <windows.h>

#include "platform/types.h"

namespace vorlix::toolkit {

inline COLORREF ToColorRef(ColourValue colour) {
  if (colour == kDefaultColourValue) {
    return GetSysColor(COLOR_BTNFACE);
  }
  return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

}  // namespace vorlix::toolkit
