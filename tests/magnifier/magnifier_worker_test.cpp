#include "magnifier/magnifier.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "magnifier/cursor_relay.h"
#include "magnifier/magnifier_frame.h"
#include "tests/support/fake_form.h"
#include "tests/support/fake_magnifier_platform.h"

namespace vorlix {
namespace {

using ::testing::ElementsAre;
using testing::FakeForm;
using testing::FakeMagnifierPlatform;

constexpr NativeHandle kSurface = 555;
constexpr NativeHandle kLabel = 42;

class MagnifierTest : public ::testing::Test {
 protected:
  MagnifierTest()
      : platform_(std::make_shared<FakeMagnifierPlatform>()), magnifier_(form_, platform_) {
    magnifier_.SetFixedFields(kSurface, 150, 150, 8.0f, kLabel);
  }
  ~MagnifierTest() override {
    magnifier_.StopMagnifier();
    platform_->ReleaseHeldFrames();
    platform_->JoinAll();
  }

  void WaitUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(done());
  }

  FakeForm form_;
  std::shared_ptr<FakeMagnifierPlatform> platform_;
  Magnifier magnifier_;
};

TEST_F(MagnifierTest, OneFrameCopiesAroundThePointerAndDrawsTheRelayedCursor) {
  MagnifierFrame(magnifier_.State(), *platform_);
  EXPECT_THAT(
      platform_->Calls(),
      ElementsAre("TakeScreen", "CursorPos", "StretchScreen 555,150,150,77,91,31,18,18",
                  "SendToWindow 42,32885", "DrawCursor 555,75,75,65539", "ReleaseScreen 77"));
}

TEST_F(MagnifierTest, NoCursorFromTheRelayDrawsNothingOverThePicture) {
  platform_->relayed_cursor = 0;
  MagnifierFrame(magnifier_.State(), *platform_);
  EXPECT_THAT(platform_->Calls(),
              ElementsAre("TakeScreen", "CursorPos", "StretchScreen 555,150,150,77,91,31,18,18",
                          "SendToWindow 42,32885", "ReleaseScreen 77"));
}

TEST_F(MagnifierTest, CursorRequestAnswersTheUiThreadsCursor) {
  platform_->cursor = 0x1234;
  EXPECT_EQ(OnCursorRequest(*platform_, 7, 9), 0x1234);
}

TEST_F(MagnifierTest, StartDrawsUntilStopAndTheButtonsFollow) {
  magnifier_.StartMagnifier();
  EXPECT_TRUE(form_.MagnifierShowsRunning());
  WaitUntil([&] { return platform_->frames_begun.load() >= 1; });
  magnifier_.StopMagnifier();
  EXPECT_TRUE(form_.MagnifierShowsStopped());
  EXPECT_EQ(magnifier_.State().Worker.Recorded(), 0u);
}

TEST_F(MagnifierTest, StopWithNothingRunningOnlyFlipsTheButtons) {
  magnifier_.StopMagnifier();
  EXPECT_TRUE(form_.MagnifierShowsStopped());
  EXPECT_EQ(platform_->threads_started.load(), 0);
  EXPECT_TRUE(platform_->Calls().empty());
}

TEST_F(MagnifierTest, StartWhileRunningKeepsTheOneWorker) {
  magnifier_.StartMagnifier();
  magnifier_.StartMagnifier();
  magnifier_.StartMagnifier();
  EXPECT_EQ(platform_->threads_started.load(), 1);
  EXPECT_TRUE(form_.MagnifierShowsRunning());
}

TEST_F(MagnifierTest, AWorkerThatCannotBeMadeLeavesTheStoppedState) {
  platform_->refuse_threads = true;
  magnifier_.StartMagnifier();
  EXPECT_TRUE(form_.MagnifierShowsStopped());
  EXPECT_EQ(magnifier_.State().Worker.Recorded(), 0u);
  platform_->refuse_threads = false;
  magnifier_.StartMagnifier();  // and a later start still works
  WaitUntil([&] { return platform_->frames_begun.load() >= 1; });
}

// The worker must find its own record at its very first test: a start that
// recorded the worker only after the thread ran would draw nothing here,
// because the thread is held until it has begun its first frame or ended.
TEST_F(MagnifierTest, TheWorkerSeesItsRecordFromItsFirstTest) {
  platform_->hold_frames = true;
  magnifier_.StartMagnifier();
  platform_->WaitForHeldFrame();
  EXPECT_EQ(platform_->frames_begun.load(), 1);
}

TEST_F(MagnifierTest, NoFrameBeginsAfterStopReturnsBesidesTheOneInProgress) {
  platform_->hold_frames = true;
  magnifier_.StartMagnifier();
  platform_->WaitForHeldFrame();  // a frame is in progress
  magnifier_.StopMagnifier();
  EXPECT_TRUE(magnifier_.FrameInProgress());
  EXPECT_FALSE(magnifier_.TryRetire());  // the surface may not go yet
  platform_->ReleaseHeldFrames();
  WaitUntil([&] { return !magnifier_.FrameInProgress(); });
  std::this_thread::sleep_for(std::chrono::milliseconds(450));  // two periods
  EXPECT_EQ(platform_->frames_begun.load(), 1);
  EXPECT_TRUE(magnifier_.TryRetire());
  magnifier_.StartMagnifier();  // the window is going: nothing starts again
  EXPECT_EQ(platform_->threads_started.load(), 1);
  EXPECT_TRUE(form_.MagnifierShowsStopped());
}

// Starts and stops in every interleaving a random storm gives: frames never
// overlap, and once a stop has returned and the frame in progress (if any)
// has ended, no frame begins.
TEST_F(MagnifierTest, StormsOfStartsAndStopsNeverDrawTwoFramesAtOnce) {
  platform_->record_calls = false;
  platform_->sleep_divisor = 200;  // 200 ms periods become 1 ms
  std::mt19937 random(20261211);
  for (int round = 0; round < 300; ++round) {
    const int operations = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < operations; ++i) {
      if (random() % 2 == 0) {
        magnifier_.StartMagnifier();
      } else {
        magnifier_.StopMagnifier();
      }
      if (random() % 3 == 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 500));
      }
    }
    magnifier_.StopMagnifier();
    WaitUntil([&] { return !magnifier_.FrameInProgress(); });
    const int frames = platform_->frames_begun.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_EQ(platform_->frames_begun.load(), frames)
        << "a frame began after the stop, round " << round;
  }
  EXPECT_EQ(platform_->most_drawing_at_once.load(), 1);
  EXPECT_GT(platform_->frames_begun.load(), 0);
}

}  // namespace
}  // namespace vorlix
