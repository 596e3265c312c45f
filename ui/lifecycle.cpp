#include "ui/lifecycle.h"

#include <string>

namespace vorlix {

namespace {
constexpr const char* kPicture = "图片框1";
constexpr const char* kCursorLabel = "标签1";
constexpr const char* kTimer = "时钟1";
constexpr const char* kGrabButton = "超级按钮1";
constexpr const char* kKeyCatcher = "编辑框20";

std::int32_t ReadInteger(Form& form, const char* control, Property property) {
  const PropertyValue v = form.Read(control, property);
  return std::holds_alternative<std::int64_t>(v)
             ? static_cast<std::int32_t>(std::get<std::int64_t>(v))
             : 0;
}
}  // namespace

Lifecycle::Lifecycle(Form& form, Magnifier& magnifier, MagnifierPlatform& platform)
    : form_(form), magnifier_(magnifier), platform_(platform) {}

void Lifecycle::OnWindowCreated() {
  picture_window_ = form_.Handle(kPicture);
  picture_surface_ = platform_.TakeWindowSurface(picture_window_);
  magnifier_.SetFixedFields(picture_surface_, ReadInteger(form_, kPicture, Property::Width),
                            ReadInteger(form_, kPicture, Property::Height), kMagnifierZoom,
                            form_.Handle(kCursorLabel));
  magnifier_.StopMagnifier();  // starts stopped, and the buttons show it
  form_.Focus(kKeyCatcher);
}

void Lifecycle::OnGrabClicked() {
  form_.Write(kTimer, Property::Period, kGrabPeriodMs);
  magnifier_.StartMagnifier();
  form_.Write(kGrabButton, Property::BkColorOut, std::int64_t{kDefaultColourValue});
  form_.Focus(kKeyCatcher);
}

void Lifecycle::OnKeyCatcherKeyDown(int key, int /*modifiers*/) {
  if (key != kPauseKey) {
    return;
  }
  form_.Write(kTimer, Property::Period, std::int64_t{0});
  magnifier_.StopMagnifier();
  form_.Write(kKeyCatcher, Property::Text, std::string());
  form_.Write(kGrabButton, Property::BkColorOut, std::int64_t{kGrabPausedColour});
}

bool Lifecycle::OnCloseRequested(std::chrono::steady_clock::time_point now) {
  // Stopped on every asking, not only the first: a start that slipped in
  // between (a click while the close waits) must not keep the window up.
  magnifier_.StopMagnifier();
  if (magnifier_.TryRetire()) {
    return true;
  }
  if (!close_asked_) {
    close_asked_ = now;
  }
  return now - *close_asked_ >= kCloseGrace;
}

void Lifecycle::OnWindowWillBeDestroyed() {
  magnifier_.StopMagnifier();
  if (picture_surface_ == 0) {
    return;
  }
  // Released only once no frame can draw into it again; a frame that
  // outlasted the close grace keeps it, and the system reclaims it with the
  // process.
  if (magnifier_.TryRetire()) {
    platform_.ReleaseWindowSurface(picture_window_, picture_surface_);
  }
  picture_surface_ = 0;
}

}  // namespace vorlix
