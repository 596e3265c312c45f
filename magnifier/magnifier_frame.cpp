#include "magnifier/magnifier_frame.h"

#include "magnifier/cursor_relay.h"
#include "magnifier/magnifier_geometry.h"

namespace vorlix {

namespace {

// The screen's drawing context for the length of one frame.
class ScreenLease {
 public:
  explicit ScreenLease(MagnifierPlatform& platform)
      : platform_(platform), screen_(platform.TakeScreen()) {}
  ~ScreenLease() {
    if (screen_ != 0) {
      platform_.ReleaseScreen(screen_);
    }
  }
  ScreenLease(const ScreenLease&) = delete;
  ScreenLease& operator=(const ScreenLease&) = delete;

  NativeHandle get() const { return screen_; }

 private:
  MagnifierPlatform& platform_;
  NativeHandle screen_;
};

}  // namespace

void MagnifierFrame(const MagnifierState& state, MagnifierPlatform& platform) {
  ScreenLease screen(platform);
  const Point pointer = platform.CursorPos();
  const MagnifierGeometry g =
      ComputeMagnifierGeometry(pointer, state.Width, state.Height, state.Zoom);
  platform.StretchScreen(state.PictureSurface, state.Width, state.Height, screen.get(), g.SourceX,
                         g.SourceY, g.SourceWidth, g.SourceHeight);
  // The relayed cursor belongs to the system or the UI thread (the shared
  // system cursors among them): it is drawn, never destroyed.
  const NativeHandle cursor = CursorRelay(platform, state.CursorSource);
  if (cursor != 0) {
    platform.DrawCursor(state.PictureSurface, g.CursorX, g.CursorY, cursor);
  }
}

}  // namespace vorlix
