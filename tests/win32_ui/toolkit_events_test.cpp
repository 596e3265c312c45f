// The toolkit's events and properties on the real main window: clicks with
// real pointer input, the colour button's colours on screen, the label's
// feedback from another thread, key-down swallowing, timer periods, closing.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ui/main_window_layout.h"
#include "ui/win32_form_toolkit.h"
#include "ui_test_support.h"

namespace vorlix {
namespace {

using testing::ClientToScreenPoint;
using testing::PixelBecomes;
using testing::PumpFor;
using testing::PumpUntil;
using testing::ScreenPixel;

class ToolkitEvents : public ::testing::Test {
 protected:
  void Open() {
    toolkit_ = std::make_unique<FormToolkit>(std::move(handlers_));
    ASSERT_TRUE(toolkit_->Open(MainWindow(), MainWindowControls()));
    testing::BringToFront(toolkit_->MainWindowHandle());
  }
  void TearDown() override {
    toolkit_.reset();
    PumpFor(20);
  }

  HWND Window(std::string_view name) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(toolkit_->Handle(name)));
  }
  // A point inside the control, in screen coordinates.
  POINT Inside(std::string_view name, int x, int y) {
    return ClientToScreenPoint(Window(name), x, y);
  }
  // Somewhere on the window that is no control (between the magnifier
  // buttons' row and the colour box).
  POINT Away() { return ClientToScreenPoint(toolkit_->MainWindowHandle(), 300, 258); }

  FormHandlers handlers_;
  std::unique_ptr<FormToolkit> toolkit_;
};

TEST_F(ToolkitEvents, CreatedRunsOnceAfterEveryControlExists) {
  int created = 0;
  bool controls_there = false;
  handlers_.created = [&] {
    ++created;
    controls_there = toolkit_ != nullptr;  // set only once Open is running
  };
  FormToolkit* seen = nullptr;
  handlers_.created = [&] {
    ++created;
    controls_there =
        seen != nullptr &&
        IsWindow(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(seen->Handle("标签27")))) &&
        IsWindowVisible(seen->MainWindowHandle());
  };
  auto toolkit = std::make_unique<FormToolkit>(std::move(handlers_));
  seen = toolkit.get();
  ASSERT_TRUE(toolkit->Open(MainWindow(), MainWindowControls()));
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(controls_there);
  EXPECT_FALSE(toolkit->Open(MainWindow(), MainWindowControls()));  // once only
  EXPECT_EQ(created, 1);
}

TEST_F(ToolkitEvents, RealClicksRunTheBoundHandlers) {
  int grab = 0;
  int start = 0;
  int stop = 0;
  handlers_.clicked["超级按钮1"] = [&] { ++grab; };
  handlers_.clicked["按钮1"] = [&] { ++start; };
  handlers_.clicked["按钮2"] = [&] { ++stop; };
  ASSERT_NO_FATAL_FAILURE(Open());

  ASSERT_TRUE(testing::ClickAt(Inside("按钮1", 20, 10)));
  EXPECT_TRUE(PumpUntil([&] { return start == 1; }));
  ASSERT_TRUE(testing::ClickAt(Inside("超级按钮1", 25, 12)));
  EXPECT_TRUE(PumpUntil([&] { return grab == 1; }));
  EXPECT_EQ(start, 1);
  EXPECT_EQ(stop, 0);

  // A disabled button ignores the click.
  toolkit_->Write("按钮2", Property::Disabled, true);
  EXPECT_EQ(toolkit_->Read("按钮2", Property::Disabled), PropertyValue(true));
  ASSERT_TRUE(testing::ClickAt(Inside("按钮2", 20, 10)));
  PumpFor(100);
  EXPECT_EQ(stop, 0);
  toolkit_->Write("按钮2", Property::Disabled, false);
  ASSERT_TRUE(testing::ClickAt(Inside("按钮2", 20, 10)));
  EXPECT_TRUE(PumpUntil([&] { return stop == 1; }));
}

TEST_F(ToolkitEvents, ColourButtonFollowsBkColorOutAndThePointer) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF orange = RGB(255, 128, 0);
  HWND button = Window("超级按钮1");
  const POINT probe = Inside("超级按钮1", 5, 5);  // inside the edge, clear of the text
  ASSERT_TRUE(testing::MovePointer(Away()));
  EXPECT_TRUE(PixelBecomes(probe, orange));

  ASSERT_TRUE(testing::MovePointer(Inside("超级按钮1", 25, 12)));
  EXPECT_TRUE(PixelBecomes(probe, face)) << "pointer over it";
  toolkit_->Write("超级按钮1", Property::BkColorOut, std::int64_t{0x00336699});
  EXPECT_TRUE(PixelBecomes(probe, face)) << "pointer still over it";
  ASSERT_TRUE(testing::MovePointer(Away()));
  EXPECT_TRUE(PixelBecomes(probe, RGB(0x99, 0x66, 0x33))) << "pointer gone";

  struct Case {
    ColourValue bk_color_out;
    bool default_color;
    COLORREF shown;
  };
  const Case cases[] = {
      {kDefaultColourValue, false, face},
      {0x00336699u, false, RGB(0x99, 0x66, 0x33)},
      {0x00336699u, true, face},  // the colour properties are ignored
      {0x000080FFu, false, orange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.bk_color_out << " " << c.default_color);
    toolkit_->Write("超级按钮1", Property::BkColorOut, std::int64_t{c.bk_color_out});
    toolkit_->Write("超级按钮1", Property::DefaultColor, c.default_color);
    // Repainted at once: nothing is left for a later WM_PAINT.
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE));
    EXPECT_TRUE(PixelBecomes(probe, c.shown));
    EXPECT_EQ(toolkit_->Read("超级按钮1", Property::BkColorOut),
              PropertyValue(std::int64_t{c.bk_color_out}));
  }
}

TEST_F(ToolkitEvents, ShapeBoxFillsWithItsColourAndPictureBoxKeepsWhatWasDrawn) {
  ASSERT_NO_FATAL_FAILURE(Open());
  toolkit_->Write("外形框1", Property::BackgroundColour, std::int64_t{0x00102030});
  EXPECT_FALSE(GetUpdateRect(Window("外形框1"), nullptr, FALSE));
  EXPECT_TRUE(PixelBecomes(Inside("外形框1", 0, 0), RGB(0x30, 0x20, 0x10)));
  EXPECT_EQ(ScreenPixel(Inside("外形框1", 59, 59)), RGB(0x30, 0x20, 0x10));
  EXPECT_EQ(toolkit_->Read("外形框1", Property::BackgroundColour),
            PropertyValue(std::int64_t{0x00102030}));
  toolkit_->Write("外形框1", Property::BackgroundColour, std::int64_t{kDefaultColourValue});
  EXPECT_TRUE(PixelBecomes(Inside("外形框1", 30, 30), GetSysColor(COLOR_BTNFACE)));

  HWND picture = Window("图片框1");
  HDC dc = GetDC(picture);                        // released below
  HBRUSH red = CreateSolidBrush(RGB(200, 0, 0));  // deleted below
  RECT all{0, 0, 150, 150};
  FillRect(dc, &all, red);
  DeleteObject(red);
  ReleaseDC(picture, dc);
  InvalidateRect(picture, nullptr, TRUE);
  UpdateWindow(picture);
  PumpFor(100);
  EXPECT_EQ(ScreenPixel(Inside("图片框1", 75, 75)), RGB(200, 0, 0));
}

TEST_F(ToolkitEvents, FeedbackAnswersAMessageSentFromAnotherThread) {
  const DWORD ui_thread = GetCurrentThreadId();
  std::atomic<DWORD> handled_on{0};
  handlers_.feedback["标签1"] = [&](std::uint64_t wp,
                                    std::int64_t lp) -> std::optional<std::int64_t> {
    handled_on = GetCurrentThreadId();
    return static_cast<std::int64_t>(wp * 100) + lp;
  };
  handlers_.feedback["标签2"] = [](std::uint64_t, std::int64_t) -> std::optional<std::int64_t> {
    return std::nullopt;
  };
  ASSERT_NO_FATAL_FAILURE(Open());

  std::atomic<bool> done{false};
  std::int64_t answered = -1;
  std::int64_t nothing = -1;
  std::int64_t unbound = -1;
  std::thread worker([&] {
    answered = toolkit_->Send("标签1", CursorRequestMessage, 7, 9);
    nothing = toolkit_->Send("标签2", CursorRequestMessage, 7, 9);
    unbound = toolkit_->Send("标签3", CursorRequestMessage, 7, 9);
    done = true;
  });
  const bool finished = PumpUntil([&] { return done.load(); }, 5000);
  worker.join();
  ASSERT_TRUE(finished);
  EXPECT_EQ(answered, 709);
  EXPECT_EQ(handled_on.load(), ui_thread);
  EXPECT_EQ(nothing, 0);
  EXPECT_EQ(unbound, 0);
}

TEST_F(ToolkitEvents, OnlyAKeyDownHandlerReturningFalseSwallowsTheKey) {
  std::vector<std::pair<int, int>> keys;
  handlers_.key_down["编辑框20"] = [&](int key, int modifiers) -> std::optional<bool> {
    keys.emplace_back(key, modifiers);
    if (key == 'A') {
      return false;
    }
    if (key == 'C') {
      return true;
    }
    return std::nullopt;
  };
  ASSERT_NO_FATAL_FAILURE(Open());
  toolkit_->Focus("编辑框20");
  ASSERT_EQ(GetFocus(), Window("编辑框20"));

  testing::TypeKey('A');
  testing::TypeKey('B');
  testing::TypeKey('C');
  testing::TypeKey('S', /*shift=*/true);
  PumpFor(100);
  EXPECT_EQ(toolkit_->Read("编辑框20", Property::Text), PropertyValue(std::string("bcS")));
  const std::vector<std::pair<int, int>> expected = {
      {'A', 0}, {'B', 0}, {'C', 0}, {VK_SHIFT, kModifierShift}, {'S', kModifierShift}};
  EXPECT_EQ(keys, expected);
}

TEST_F(ToolkitEvents, TimerPeriodStartsStopsAndIgnoresTheSameValue) {
  int ticks = 0;
  handlers_.periodic["时钟1"] = [&] { ++ticks; };
  ASSERT_NO_FATAL_FAILURE(Open());
  PumpFor(150);
  EXPECT_EQ(ticks, 0) << "period 0 at first";

  toolkit_->Write("时钟1", Property::Period, std::int64_t{30});
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 1000));

  toolkit_->Write("时钟1", Property::Period, std::int64_t{0});
  PumpFor(20);
  ticks = 0;
  PumpFor(200);
  EXPECT_EQ(ticks, 0) << "period 0 stops it";
  EXPECT_EQ(toolkit_->Read("时钟1", Property::Period), PropertyValue(std::int64_t{0}));

  // Writing the running period every 20 ms leaves a 60 ms timer running...
  toolkit_->Write("时钟1", Property::Period, std::int64_t{60});
  ticks = 0;
  for (int i = 0; i < 20; ++i) {
    toolkit_->Write("时钟1", Property::Period, std::int64_t{60});
    PumpFor(20);
  }
  EXPECT_GE(ticks, 2);

  // ...while a new period restarts it each time, so it never comes due.
  ticks = 0;
  for (int i = 0; i < 20; ++i) {
    toolkit_->Write("时钟1", Property::Period, std::int64_t{i % 2 == 0 ? 61 : 60});
    PumpFor(20);
  }
  EXPECT_EQ(ticks, 0);

  toolkit_->Write("时钟1", Property::Period, std::int64_t{-5});
  ticks = 0;
  PumpFor(200);
  EXPECT_EQ(ticks, 0) << "a negative period stops it too";
}

TEST_F(ToolkitEvents, CloseWaitsUntilAllowedThenEndsTheLoop) {
  int asked = 0;
  bool controls_alive_at_destroy = false;
  handlers_.close_requested = [&] { return ++asked >= 3; };
  handlers_.will_be_destroyed = [&] {
    controls_alive_at_destroy = IsWindow(Window("图片框1")) != FALSE;
  };
  ASSERT_NO_FATAL_FAILURE(Open());
  HWND main = toolkit_->MainWindowHandle();
  PumpFor(20);  // no quit message left over from an earlier window
  PostMessageW(main, WM_CLOSE, 0, 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(toolkit_->RunMessageLoop(), 0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(15));
  EXPECT_EQ(asked, 3);
  EXPECT_TRUE(controls_alive_at_destroy);
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(toolkit_->MainWindowHandle(), nullptr);
}

TEST_F(ToolkitEvents, TextIsAnsiBytesBothWays) {
  ASSERT_NO_FATAL_FAILURE(Open());
  ASSERT_EQ(GetACP(), 936u) << "the runner sets code page 936";
  const std::string title = "\xB1\xEA\xCC\xE2 Notepad";  // "标题" in GB2312
  toolkit_->Write("编辑框16", Property::Text, title);
  wchar_t wide[64] = {};
  GetWindowTextW(Window("编辑框16"), wide, 64);
  EXPECT_STREQ(wide, L"标题 Notepad");
  EXPECT_EQ(toolkit_->Read("编辑框16", Property::Text), PropertyValue(title));
}

}  // namespace
}  // namespace vorlix
