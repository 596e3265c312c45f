// A magnifier platform for tests: real threads, a pretend screen. It counts
// frames and how many are drawn at once, records the drawing calls, and joins
// every thread it started when it goes.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "magnifier/magnifier_platform.h"

namespace vorlix::testing {

class FakeMagnifierPlatform : public MagnifierPlatform {
 public:
  ~FakeMagnifierPlatform() override { JoinAll(); }

  NativeHandle TakeScreen() override {
    const int now = ++drawing_now;
    int seen = most_drawing_at_once.load();
    while (now > seen && !most_drawing_at_once.compare_exchange_weak(seen, now)) {
    }
    ++frames_begun;
    Log("TakeScreen");
    {
      std::unique_lock lock(mutex_);
      if (hold_frames) {
        held_.notify_all();
        held_.wait(lock, [this] { return !hold_frames; });
      }
    }
    return kScreen;
  }
  void ReleaseScreen(NativeHandle screen) override {
    Log("ReleaseScreen " + std::to_string(screen));
    --drawing_now;
  }
  Point CursorPos() override {
    Log("CursorPos");
    return pointer;
  }
  void StretchScreen(NativeHandle surface, std::int32_t w, std::int32_t h, NativeHandle screen,
                     std::int32_t sx, std::int32_t sy, std::int32_t sw, std::int32_t sh) override {
    Log("StretchScreen " + Join(surface, w, h, screen, sx, sy, sw, sh));
  }
  void DrawCursor(NativeHandle surface, std::int32_t x, std::int32_t y,
                  NativeHandle cursor) override {
    Log("DrawCursor " + Join(surface, x, y, cursor));
  }
  NativeHandle CurrentCursor() override { return cursor; }
  std::int64_t SendToWindow(NativeHandle window, std::uint32_t message) override {
    Log("SendToWindow " + Join(window, message));
    return static_cast<std::int64_t>(relayed_cursor);
  }
  NativeHandle TakeWindowSurface(NativeHandle window) override {
    Log("TakeWindowSurface " + std::to_string(window));
    return window + 1000;
  }
  void ReleaseWindowSurface(NativeHandle window, NativeHandle surface) override {
    Log("ReleaseWindowSurface " + Join(window, surface));
  }

  std::unique_ptr<StartedThread> StartThread(std::function<void()> body) override {
    if (refuse_threads) {
      return nullptr;
    }
    std::lock_guard lock(mutex_);
    threads_.emplace_back(std::move(body));
    ++threads_started;
    return std::make_unique<StartedThread>();
  }

  void Sleep(std::chrono::milliseconds d) override {
    std::this_thread::sleep_for(d / sleep_divisor);
  }

  // Lets frames held in TakeScreen go on.
  void ReleaseHeldFrames() {
    std::lock_guard lock(mutex_);
    hold_frames = false;
    held_.notify_all();
  }
  // Waits until a frame is held in TakeScreen.
  void WaitForHeldFrame() {
    std::unique_lock lock(mutex_);
    held_.wait(lock, [this] { return drawing_now.load() > 0; });
  }

  void JoinAll() {
    std::vector<std::thread> threads;
    {
      std::lock_guard lock(mutex_);
      threads.swap(threads_);
    }
    for (std::thread& t : threads) {
      t.join();
    }
  }

  std::vector<std::string> Calls() {
    std::lock_guard lock(mutex_);
    return calls_;
  }

  // Settings (set before threads start).
  Point pointer{100, 40};
  NativeHandle cursor = 0x10003;
  NativeHandle relayed_cursor = 0x10003;
  bool refuse_threads = false;
  bool record_calls = true;
  int sleep_divisor = 1;
  bool hold_frames = false;  // guarded by mutex_ once threads run

  static constexpr NativeHandle kScreen = 77;

  // Observations.
  std::atomic<int> drawing_now{0};
  std::atomic<int> most_drawing_at_once{0};
  std::atomic<int> frames_begun{0};
  std::atomic<int> threads_started{0};

 private:
  template <typename... Values>
  static std::string Join(Values... values) {
    return JoinNumbers({static_cast<std::int64_t>(values)...});
  }
  static std::string JoinNumbers(std::initializer_list<std::int64_t> values) {
    std::string s;
    for (std::int64_t v : values) {
      s += (s.empty() ? "" : ",") + std::to_string(v);
    }
    return s;
  }
  void Log(std::string call) {
    if (record_calls) {
      std::lock_guard lock(mutex_);
      calls_.push_back(std::move(call));
    }
  }

  std::mutex mutex_;
  std::condition_variable held_;
  std::vector<std::thread> threads_;
  std::vector<std::string> calls_;
};

}  // namespace vorlix::testing
