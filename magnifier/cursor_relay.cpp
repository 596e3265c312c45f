#include "magnifier/cursor_relay.h"

namespace vorlix {

NativeHandle CursorRelay(MagnifierPlatform& platform, NativeHandle label) {
  return static_cast<NativeHandle>(platform.SendToWindow(label, CursorRequestMessage));
}

std::int64_t OnCursorRequest(MagnifierPlatform& platform, std::uint64_t /*wparam*/,
                             std::int64_t /*lparam*/) {
  return static_cast<std::int64_t>(platform.CurrentCursor());
}

}  // namespace vorlix
