// The smallest-visible-sibling lookup of the window under the pointer.
#include "readout/window_lookup.h"

namespace vorlix {

NativeHandle FindPointerWindow(Desktop& desktop) {
  const Point pointer = desktop.CursorPos();
  const NativeHandle found = desktop.WindowFromPoint(pointer);
  if (found == 0) {
    return 0;
  }
  NativeHandle best = found;
  std::int32_t best_area = RectArea(desktop.WindowRect(found));
  const NativeHandle parent = desktop.Parent(found);
  if (parent == 0) {
    return found;
  }
  // Only windows below `found` are candidates; on equal areas the earlier
  // one stays.
  NativeHandle s = desktop.NextWindow(found);
  for (int steps = 0; s != 0 && steps < kMaxSiblingSteps; ++steps) {
    const Rect rect = desktop.WindowRect(s);
    if (PtInRect(rect, pointer) && desktop.Parent(s) == parent && desktop.IsVisible(s)) {
      const std::int32_t area = RectArea(rect);
      if (area < best_area) {
        best = s;
        best_area = area;
      }
    }
    s = desktop.NextWindow(s);
  }
  return best;
}

}  // namespace vorlix
