// The pixel under the pointer, read afresh.
#include "readout/pixel_read.h"

namespace vorlix {

PixelComponents ReadPointerPixel(Desktop& desktop) {
  const Point pointer = desktop.CursorPos();
  return SplitColour(desktop.ScreenPixel(pointer));
}

}  // namespace vorlix
