// Starting and ending the program, and switching it between pausing and
// grabbing: the handlers of the main window's created and will-be-destroyed
// events, of the grab button and of the key catcher.
//
//   state     timer 时钟1   grab button background   entered by
//   paused    0             orange                   start-up, the S key
//   grabbing  200 ms        button face              the grab button
//
// The magnifier is switched together with grabbing, and alone by its buttons.
// At start-up it is stopped and its buttons say so. No handler ever waits for
// the magnifier worker.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "magnifier/magnifier.h"
#include "magnifier/magnifier_platform.h"
#include "ui/form.h"

namespace vorlix {

inline constexpr std::int64_t kGrabPeriodMs = 200;
inline constexpr ColourValue kGrabPausedColour = 0x000080FFu;  // orange: red 255, green 128
inline constexpr int kPauseKey = 83;                           // S, whatever the modifiers
inline constexpr float kMagnifierZoom = 8.0f;

// How long a close waits for a magnifier frame in progress before the window
// goes anyway (the surface is then left to the system, never released under
// a drawing worker).
inline constexpr std::chrono::milliseconds kCloseGrace{2000};

class Lifecycle {
 public:
  // All three must outlive the Lifecycle; none is owned.
  Lifecycle(Form& form, Magnifier& magnifier, MagnifierPlatform& platform);
  Lifecycle(const Lifecycle&) = delete;
  Lifecycle& operator=(const Lifecycle&) = delete;

  void OnWindowCreated();
  void OnWindowWillBeDestroyed();
  void OnGrabClicked();
  void OnKeyCatcherKeyDown(int key, int modifiers);

  // Asked when the user closes the window: true when it may go now. While a
  // magnifier frame is still drawing into the picture it answers false (the
  // toolkit asks again shortly), at most for kCloseGrace.
  bool OnCloseRequested(std::chrono::steady_clock::time_point now);

 private:
  Form& form_;
  Magnifier& magnifier_;
  MagnifierPlatform& platform_;
  NativeHandle picture_window_ = 0;   // not owned
  NativeHandle picture_surface_ = 0;  // owned from creation to destruction
  std::optional<std::chrono::steady_clock::time_point> close_asked_;
};

}  // namespace vorlix
