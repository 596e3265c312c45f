// Starting and stopping the magnifier worker, the thread that redraws the
// magnified picture every 200 ms while the window stays responsive.
//
// The UI thread never waits for a worker: a stop clears the worker record and
// returns at once, and the worker leaves its loop at its next test. The state
// the worker reads is kept alive by the worker itself, so a worker that
// outlives its Magnifier (or the window) touches nothing released.
#pragma once

#include <chrono>
#include <memory>

#include "magnifier/magnifier_platform.h"
#include "magnifier/magnifier_state.h"
#include "ui/form.h"

namespace vorlix {

inline constexpr std::chrono::milliseconds kMagnifierPeriod{200};

// What a worker thread holds on to.
struct MagnifierShared {
  MagnifierState state;
  std::shared_ptr<MagnifierPlatform> platform;
};

// The worker's body: while the record names `id`, one frame then a sleep.
void MagnifierWorker(MagnifierShared& shared, WorkerId id);

class Magnifier {
 public:
  // `form` must outlive the Magnifier (the buttons live there); not owned.
  Magnifier(Form& form, std::shared_ptr<MagnifierPlatform> platform);
  Magnifier(const Magnifier&) = delete;
  Magnifier& operator=(const Magnifier&) = delete;

  // The fixed fields, written once after the window has been created and
  // before the first start.
  void SetFixedFields(NativeHandle picture_surface, std::int32_t width, std::int32_t height,
                      float zoom, NativeHandle cursor_source);

  // The start command (button "开启放大镜"). A worker that is already recorded
  // keeps drawing: a second start never adds a second worker.
  void StartMagnifier();
  // The stop command (button "关闭放大镜").
  void StopMagnifier();

  // True once no frame is in progress and none can begin again: from then on
  // the picture surface may be released. Call after StopMagnifier.
  bool TryRetire();
  bool FrameInProgress() const;

  const MagnifierState& State() const { return shared_->state; }

 private:
  void ShowRunning(bool running);

  Form& form_;
  std::shared_ptr<MagnifierShared> shared_;
  std::unique_ptr<StartedThread> worker_thread_;  // the recorded worker's handle
  WorkerId last_id_ = 0;
};

}  // namespace vorlix
