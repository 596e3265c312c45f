#include "magnifier/worker_record.h"

namespace vorlix {

namespace {
constexpr WorkerId IdOf(std::uint64_t word) {
  return word >> 1;
}
}  // namespace

bool WorkerRecord::Publish(WorkerId id) {
  std::uint64_t word = word_.load();
  do {
    if (IdOf(word) == kRetired) {
      return false;
    }
  } while (!word_.compare_exchange_weak(word, (id << 1) | (word & kBusy)));
  return true;
}

void WorkerRecord::Clear() {
  std::uint64_t word = word_.load();
  while (IdOf(word) != kRetired && !word_.compare_exchange_weak(word, word & kBusy)) {
  }
}

void WorkerRecord::Withdraw(WorkerId id) {
  std::uint64_t word = word_.load();
  while (IdOf(word) == id && !word_.compare_exchange_weak(word, word & kBusy)) {
  }
}

bool WorkerRecord::TryRetire() {
  std::uint64_t idle = 0;
  return word_.compare_exchange_strong(idle, kRetired << 1) || Retired();
}

WorkerId WorkerRecord::Recorded() const {
  const WorkerId id = IdOf(word_.load());
  return id == kRetired ? 0 : id;
}

bool WorkerRecord::FrameInProgress() const {
  return (word_.load() & kBusy) != 0;
}

bool WorkerRecord::Retired() const {
  return IdOf(word_.load()) == kRetired;
}

WorkerRecord::FrameStart WorkerRecord::BeginFrame(WorkerId id) {
  std::uint64_t word = id << 1;
  if (word_.compare_exchange_strong(word, word | kBusy)) {
    return FrameStart::Draw;
  }
  return IdOf(word) == id ? FrameStart::Wait : FrameStart::Leave;
}

bool WorkerRecord::EndFrame(WorkerId id) {
  return IdOf(word_.fetch_and(~kBusy)) == id;
}

}  // namespace vorlix
