// The magnifier's worker record: one atomic word shared by the UI thread and
// the worker threads, without locks.
//
// The word holds the id of the worker the program runs (0 for none) and one
// "frame in progress" bit. A worker draws only after it has set that bit while
// the word still names it, so
//   - a stop (clearing the id) that has returned lets no new frame begin;
//   - at most one frame is in progress at any time, even while a worker that
//     was just stopped finishes its frame and a new one is already recorded;
//   - a retired record (the window is going) never lets a frame begin again.
// The UI thread only ever reads and writes the word: it never waits.
#pragma once

#include <atomic>
#include <cstdint>

namespace vorlix {

using WorkerId = std::uint64_t;

class WorkerRecord {
 public:
  enum class FrameStart {
    Draw,   // the frame may begin; end it with EndFrame
    Wait,   // another worker's frame is still in progress: try again shortly
    Leave,  // this worker is no longer the recorded one: end the thread
  };

  // UI thread. Records `id` (non-zero) as the running worker; false when the
  // record is retired. Call before the worker's thread exists.
  bool Publish(WorkerId id);

  // UI thread. Clears the recorded worker; a frame in progress may finish.
  void Clear();

  // UI thread. Clears the record only if it still names `id` (a worker that
  // could not be started).
  void Withdraw(WorkerId id);

  // UI thread. Retires the record when no worker is recorded and no frame is
  // in progress; from then on no frame begins. False while a frame runs.
  bool TryRetire();

  WorkerId Recorded() const;  // 0 when stopped or retired
  bool FrameInProgress() const;
  bool Retired() const;

  // Worker thread.
  FrameStart BeginFrame(WorkerId id);
  // Ends the frame begun by `id`; true while `id` is still the recorded worker.
  bool EndFrame(WorkerId id);

 private:
  static constexpr std::uint64_t kBusy = 1;
  static constexpr WorkerId kRetired = (~std::uint64_t{0}) >> 1;

  std::atomic<std::uint64_t> word_{0};
};

}  // namespace vorlix
