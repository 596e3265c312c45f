#include "ui/lifecycle.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "tests/support/fake_form.h"
#include "tests/support/fake_magnifier_platform.h"

namespace vorlix {
namespace {

using testing::FakeForm;
using testing::FakeMagnifierPlatform;
using Clock = std::chrono::steady_clock;

constexpr NativeHandle kPictureWindow = 300;
constexpr NativeHandle kLabelWindow = 301;

class LifecycleTest : public ::testing::Test {
 protected:
  LifecycleTest()
      : platform_(std::make_shared<FakeMagnifierPlatform>()),
        magnifier_(form_, platform_),
        lifecycle_(form_, magnifier_, *platform_) {
    form_.handles = {{"图片框1", kPictureWindow}, {"标签1", kLabelWindow}};
    form_.Write("图片框1", Property::Width, std::int64_t{150});
    form_.Write("图片框1", Property::Height, std::int64_t{150});
    form_.Write("时钟1", Property::Period, std::int64_t{0});
    form_.Write("超级按钮1", Property::BkColorOut, std::int64_t{kGrabPausedColour});
    form_.writes.clear();
    lifecycle_.OnWindowCreated();
  }
  ~LifecycleTest() override {
    magnifier_.StopMagnifier();
    platform_->ReleaseHeldFrames();
    platform_->JoinAll();
  }

  std::int64_t Period() { return form_.Integer("时钟1", Property::Period); }
  std::int64_t GrabColour() { return form_.Integer("超级按钮1", Property::BkColorOut); }
  bool Released() {
    const auto calls = platform_->Calls();
    return std::count(calls.begin(), calls.end(), "ReleaseWindowSurface 300,1300") == 1;
  }

  FakeForm form_;
  std::shared_ptr<FakeMagnifierPlatform> platform_;
  Magnifier magnifier_;
  Lifecycle lifecycle_;
};

TEST_F(LifecycleTest, StartsPausedWithTheMagnifierStoppedAndTheFocusOnTheKeyCatcher) {
  const MagnifierState& s = magnifier_.State();
  EXPECT_EQ(s.PictureSurface, 1300u);  // GetDC of the picture box's window
  EXPECT_EQ(s.Width, 150);
  EXPECT_EQ(s.Height, 150);
  EXPECT_EQ(s.Zoom, 8.0f);
  EXPECT_EQ(s.CursorSource, kLabelWindow);
  EXPECT_EQ(s.Worker.Recorded(), 0u);
  EXPECT_TRUE(form_.MagnifierShowsStopped());
  EXPECT_EQ(Period(), 0);
  EXPECT_EQ(GrabColour(), kGrabPausedColour);
  EXPECT_EQ(platform_->threads_started.load(), 0);
  EXPECT_EQ(form_.focus, std::vector<std::string>{"编辑框20"});
}

TEST_F(LifecycleTest, GrabStartsSamplingAndTheMagnifier) {
  lifecycle_.OnGrabClicked();
  EXPECT_EQ(Period(), 200);
  EXPECT_NE(magnifier_.State().Worker.Recorded(), 0u);
  EXPECT_TRUE(form_.MagnifierShowsRunning());
  EXPECT_EQ(GrabColour(), std::int64_t{kDefaultColourValue});
  EXPECT_EQ(form_.focus.back(), "编辑框20");

  // Again while grabbing: the same period, still one worker.
  lifecycle_.OnGrabClicked();
  EXPECT_EQ(Period(), 200);
  EXPECT_EQ(platform_->threads_started.load(), 1);
}

TEST_F(LifecycleTest, TheSKeyPausesWhateverTheModifiers) {
  for (int modifiers : {0, 1, 2, 4, 3}) {  // plain, Ctrl, Shift, Alt, Ctrl+Shift
    lifecycle_.OnGrabClicked();
    form_.Write("编辑框20", Property::Text, std::string("x"));
    lifecycle_.OnKeyCatcherKeyDown(kPauseKey, modifiers);
    EXPECT_EQ(Period(), 0) << modifiers;
    EXPECT_EQ(magnifier_.State().Worker.Recorded(), 0u) << modifiers;
    EXPECT_TRUE(form_.MagnifierShowsStopped()) << modifiers;
    EXPECT_EQ(form_.Text("编辑框20"), "") << modifiers;
    EXPECT_EQ(GrabColour(), kGrabPausedColour) << modifiers;
  }
}

TEST_F(LifecycleTest, OtherKeysChangeNothing) {
  lifecycle_.OnGrabClicked();
  form_.writes.clear();
  for (int key : {0x41 /* A */, 0x54 /* T */, 82, 84, 0x73 /* F4 */, 13}) {
    lifecycle_.OnKeyCatcherKeyDown(key, 0);
  }
  EXPECT_TRUE(form_.writes.empty());
  EXPECT_EQ(Period(), 200);
}

TEST_F(LifecycleTest, CloseWaitsForTheFrameInProgressWithoutBlocking) {
  platform_->hold_frames = true;
  lifecycle_.OnGrabClicked();
  platform_->WaitForHeldFrame();

  const Clock::time_point t0 = Clock::now();
  EXPECT_FALSE(lifecycle_.OnCloseRequested(t0));  // a frame draws into the picture
  EXPECT_EQ(magnifier_.State().Worker.Recorded(), 0u);
  EXPECT_FALSE(lifecycle_.OnCloseRequested(t0 + std::chrono::milliseconds(100)));

  platform_->ReleaseHeldFrames();
  while (magnifier_.FrameInProgress()) {
    std::this_thread::yield();
  }
  EXPECT_TRUE(lifecycle_.OnCloseRequested(t0 + std::chrono::milliseconds(150)));
  lifecycle_.OnWindowWillBeDestroyed();
  EXPECT_TRUE(Released());
  EXPECT_EQ(platform_->frames_begun.load(), 1);
}

TEST_F(LifecycleTest, AFrameThatOutlastsTheGraceKeepsItsSurface) {
  platform_->hold_frames = true;
  lifecycle_.OnGrabClicked();
  platform_->WaitForHeldFrame();

  const Clock::time_point t0 = Clock::now();
  EXPECT_FALSE(lifecycle_.OnCloseRequested(t0));
  EXPECT_TRUE(lifecycle_.OnCloseRequested(t0 + kCloseGrace));  // the window goes anyway
  lifecycle_.OnWindowWillBeDestroyed();
  EXPECT_FALSE(Released());  // never released under a drawing worker
}

TEST_F(LifecycleTest, DestroyWithTheMagnifierStoppedReleasesThePictureOnce) {
  lifecycle_.OnGrabClicked();
  lifecycle_.OnKeyCatcherKeyDown(kPauseKey, 0);
  platform_->JoinAll();
  lifecycle_.OnWindowWillBeDestroyed();
  lifecycle_.OnWindowWillBeDestroyed();
  EXPECT_TRUE(Released());
  EXPECT_TRUE(form_.MagnifierShowsStopped());
}

}  // namespace
}  // namespace vorlix
