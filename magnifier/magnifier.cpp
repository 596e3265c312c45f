#include "magnifier/magnifier.h"

#include <utility>

#include "magnifier/magnifier_frame.h"

namespace vorlix {

namespace {
constexpr const char* kStartButton = "按钮1";
constexpr const char* kStopButton = "按钮2";
// How long a worker that was just started waits for the previous worker's
// last frame to finish before it tests again.
constexpr std::chrono::milliseconds kHandOverPause{2};
}  // namespace

void MagnifierWorker(MagnifierShared& shared, WorkerId id) {
  WorkerRecord& record = shared.state.Worker;
  for (;;) {
    switch (record.BeginFrame(id)) {
      case WorkerRecord::FrameStart::Leave:
        return;
      case WorkerRecord::FrameStart::Wait:
        shared.platform->Sleep(kHandOverPause);
        continue;
      case WorkerRecord::FrameStart::Draw:
        break;
    }
    MagnifierFrame(shared.state, *shared.platform);
    if (!record.EndFrame(id)) {
      return;
    }
    shared.platform->Sleep(kMagnifierPeriod);
  }
}

Magnifier::Magnifier(Form& form, std::shared_ptr<MagnifierPlatform> platform)
    : form_(form), shared_(std::make_shared<MagnifierShared>()) {
  shared_->platform = std::move(platform);
}

void Magnifier::SetFixedFields(NativeHandle picture_surface, std::int32_t width,
                               std::int32_t height, float zoom, NativeHandle cursor_source) {
  MagnifierState& s = shared_->state;
  s.PictureSurface = picture_surface;
  s.Width = width;
  s.Height = height;
  s.Zoom = zoom;
  s.CursorSource = cursor_source;
}

void Magnifier::ShowRunning(bool running) {
  form_.Write(kStartButton, Property::Disabled, running);
  form_.Write(kStopButton, Property::Disabled, !running);
}

void Magnifier::StartMagnifier() {
  ShowRunning(true);
  WorkerRecord& record = shared_->state.Worker;
  if (record.Recorded() != 0) {
    return;
  }
  const WorkerId id = ++last_id_;
  // Recorded before the thread exists, so its first loop test sees it.
  if (!record.Publish(id)) {
    ShowRunning(false);
    return;
  }
  std::shared_ptr<MagnifierShared> shared = shared_;
  std::unique_ptr<StartedThread> thread =
      shared_->platform->StartThread([shared, id] { MagnifierWorker(*shared, id); });
  if (thread == nullptr) {
    record.Withdraw(id);
    ShowRunning(false);
    return;
  }
  worker_thread_ = std::move(thread);
}

void Magnifier::StopMagnifier() {
  ShowRunning(false);
  shared_->state.Worker.Clear();
  worker_thread_.reset();  // closes the handle; the thread ends by itself
}

bool Magnifier::TryRetire() {
  return shared_->state.Worker.TryRetire();
}

bool Magnifier::FrameInProgress() const {
  return shared_->state.Worker.FrameInProgress();
}

}  // namespace vorlix
