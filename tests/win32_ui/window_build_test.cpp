// The main window as the toolkit builds it, checked on the real windows: the
// frame, size and place, and for every control its class, place in the
// client area, first text, font, styles and enabled state.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32_text.h"
#include "ui/main_window_layout.h"
#include "ui/win32_form_toolkit.h"
#include "ui_test_support.h"

namespace vorlix {
namespace {

class MainWindowBuild : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    toolkit_ = std::make_unique<FormToolkit>(FormHandlers{});
    ASSERT_TRUE(toolkit_->Open(MainWindow(), MainWindowControls()));
    testing::PumpFor(200);
  }
  static void TearDownTestSuite() { toolkit_.reset(); }

  static HWND Window(std::string_view name) {
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(toolkit_->Handle(name)));
  }

  static std::unique_ptr<FormToolkit> toolkit_;
};
std::unique_ptr<FormToolkit> MainWindowBuild::toolkit_;

TEST_F(MainWindowBuild, WindowHasItsFrameSizePlaceAndTitle) {
  HWND main = toolkit_->MainWindowHandle();
  ASSERT_NE(main, nullptr);
  RECT r{};
  GetWindowRect(main, &r);
  EXPECT_EQ(r.right - r.left, 335);
  EXPECT_EQ(r.bottom - r.top, 525);
  const int sw = GetSystemMetrics(SM_CXSCREEN);
  const int sh = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(r.left, (sw - 335) / 2);
  EXPECT_EQ(r.top, (sh - 525) / 2);

  const LONG_PTR style = GetWindowLongPtrW(main, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(IsWindowVisible(main));

  wchar_t title[32] = {};
  GetWindowTextW(main, title, 32);
  EXPECT_STREQ(title, L"Vorlix");
}

enum class Font { YaHei, SongTi, Faceless, Default };

struct Expected {
  const char* name;
  const char* group;  // "" = the window itself
  const wchar_t* window_class;
  int x, y, w, h;  // relative to the group box when in one
  const char* text;
  Font font;
};

// Written from the window's design, independently of the layout table.
const Expected kControls[] = {
    {"图片框1", "", L"VorlixPictureBox", 5, 5, 150, 150, "", Font::Default},
    {"标签3", "", L"Static", 5, 160, 50, 25, "鼠标位置", Font::YaHei},
    {"标签1", "", L"Static", 70, 160, 20, 25, "X", Font::YaHei},
    {"编辑框1", "", L"Edit", 95, 160, 60, 25, "", Font::Default},
    {"标签2", "", L"Static", 70, 190, 20, 25, "Y", Font::YaHei},
    {"编辑框2", "", L"Edit", 95, 190, 60, 25, "", Font::Default},
    {"超级按钮1", "", L"VorlixColourButton", 5, 190, 50, 25, "Tamsu", Font::YaHei},
    {"标签21", "", L"Static", 5, 225, 150, 30, "点“Tamsu”启用；按“S”键暂停，获取鼠标位置信息。",
     Font::SongTi},
    {"按钮1", "", L"Button", 117, 243, 70, 20, "开启放大镜", Font::Default},
    {"按钮2", "", L"Button", 192, 243, 70, 20, "关闭放大镜", Font::Default},
    {"分组框1", "", L"Button", 160, 5, 165, 115, "当前窗口", Font::YaHei},
    {"分组框2", "", L"Button", 160, 130, 165, 115, "父窗口", Font::YaHei},
    {"分组框3", "", L"Button", 5, 268, 320, 195, "颜色值", Font::YaHei},
    {"标签22", "", L"Static", 5, 470, 320, 25,
     "说明：抓取点为鼠标指标尖右下方点的信息；如放大镜鼠标指针与实际鼠标样式不一致时，将鼠标移回"
     "本窗口即可。",
     Font::Default},
    {"标签15", "分组框1", L"Static", 5, 20, 30, 25, "句柄", Font::YaHei},
    {"标签16", "分组框1", L"Static", 5, 50, 30, 25, "类名", Font::YaHei},
    {"标签17", "分组框1", L"Static", 5, 80, 30, 25, "标题", Font::YaHei},
    {"编辑框14", "分组框1", L"Edit", 40, 20, 120, 25, "*", Font::Default},
    {"编辑框15", "分组框1", L"Edit", 40, 50, 120, 25, "*", Font::Default},
    {"编辑框16", "分组框1", L"Edit", 40, 80, 120, 25, "*", Font::Faceless},
    {"标签18", "分组框2", L"Static", 5, 20, 30, 25, "句柄", Font::YaHei},
    {"标签19", "分组框2", L"Static", 5, 50, 30, 25, "类名", Font::YaHei},
    {"标签20", "分组框2", L"Static", 5, 80, 30, 25, "标题", Font::YaHei},
    {"编辑框17", "分组框2", L"Edit", 40, 20, 120, 25, "*", Font::Default},
    {"编辑框18", "分组框2", L"Edit", 40, 50, 120, 25, "*", Font::Default},
    {"编辑框19", "分组框2", L"Edit", 40, 80, 120, 25, "*", Font::Faceless},
    {"标签5", "分组框3", L"Static", 40, 20, 40, 25, "16进制", Font::YaHei},
    {"标签6", "分组框3", L"Static", 125, 20, 40, 25, "10进制", Font::YaHei},
    {"标签4", "分组框3", L"Static", 5, 45, 30, 25, "颜色", Font::YaHei},
    {"编辑框3", "分组框3", L"Edit", 40, 45, 80, 25, "", Font::Default},
    {"编辑框4", "分组框3", L"Edit", 125, 45, 80, 25, "", Font::Default},
    {"外形框1", "分组框3", L"VorlixShapeBox", 210, 15, 60, 60, "", Font::Default},
    {"编辑框20", "分组框3", L"Edit", 276, 36, 24, 24, "", Font::Default},
    {"标签10", "分组框3", L"Static", 40, 75, 40, 25, "16进制", Font::YaHei},
    {"标签11", "分组框3", L"Static", 85, 75, 40, 25, "10进制", Font::YaHei},
    {"标签7", "分组框3", L"Static", 5, 100, 30, 25, "红(R)", Font::YaHei},
    {"标签8", "分组框3", L"Static", 5, 130, 30, 25, "绿(G)", Font::YaHei},
    {"标签9", "分组框3", L"Static", 5, 160, 30, 25, "蓝(B)", Font::YaHei},
    {"编辑框5", "分组框3", L"Edit", 40, 100, 40, 25, "*", Font::Default},
    {"编辑框6", "分组框3", L"Edit", 40, 130, 40, 25, "*", Font::Default},
    {"编辑框7", "分组框3", L"Edit", 40, 160, 40, 25, "*", Font::Default},
    {"编辑框8", "分组框3", L"Edit", 85, 100, 40, 25, "*", Font::Default},
    {"编辑框9", "分组框3", L"Edit", 85, 130, 40, 25, "*", Font::Default},
    {"编辑框10", "分组框3", L"Edit", 85, 160, 40, 25, "*", Font::Default},
    {"标签12", "分组框3", L"Static", 142, 100, 50, 25, "色调  H", Font::YaHei},
    {"标签13", "分组框3", L"Static", 142, 130, 50, 25, "饱和度 S", Font::YaHei},
    {"标签14", "分组框3", L"Static", 142, 160, 50, 25, "亮度  B", Font::YaHei},
    {"编辑框11", "分组框3", L"Edit", 198, 100, 30, 25, "*", Font::Default},
    {"编辑框12", "分组框3", L"Edit", 198, 130, 30, 25, "*", Font::Default},
    {"编辑框13", "分组框3", L"Edit", 198, 160, 30, 25, "*", Font::Default},
    {"标签23", "分组框3", L"Static", 230, 100, 35, 25, "H", Font::YaHei},
    {"标签24", "分组框3", L"Static", 230, 130, 35, 25, "%    S", Font::YaHei},
    {"标签25", "分组框3", L"Static", 230, 160, 35, 25, "%    L", Font::YaHei},
    {"编辑框21", "分组框3", L"Edit", 270, 100, 30, 25, "*", Font::Default},
    {"编辑框22", "分组框3", L"Edit", 270, 130, 30, 25, "*", Font::Default},
    {"编辑框23", "分组框3", L"Edit", 270, 160, 30, 25, "*", Font::Default},
    {"标签26", "分组框3", L"Static", 300, 130, 12, 25, "%", Font::YaHei},
    {"标签27", "分组框3", L"Static", 300, 160, 12, 25, "%", Font::YaHei},
};

const Expected* FindExpected(std::string_view name) {
  for (const Expected& e : kControls) {
    if (name == e.name) {
      return &e;
    }
  }
  return nullptr;
}

LOGFONTW FontOf(HWND hwnd) {
  LOGFONTW lf{};
  const auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
  if (font != nullptr) {
    GetObjectW(font, sizeof(lf), &lf);
  }
  return lf;
}

TEST_F(MainWindowBuild, EveryControlIsBuiltAsDesigned) {
  HWND main = toolkit_->MainWindowHandle();
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  const LOGFONTW& message_font = metrics.lfMessageFont;

  for (const Expected& e : kControls) {
    SCOPED_TRACE(e.name);
    HWND hwnd = Window(e.name);
    ASSERT_NE(hwnd, nullptr);

    wchar_t cls[64] = {};
    GetClassNameW(hwnd, cls, 64);
    EXPECT_STREQ(cls, e.window_class);

    int x = e.x;
    int y = e.y;
    if (*e.group != '\0') {
      const Expected* box = FindExpected(e.group);
      ASSERT_NE(box, nullptr);
      x += box->x;
      y += box->y;
    }
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, y);
    EXPECT_EQ(r.right - r.left, e.w);
    EXPECT_EQ(r.bottom - r.top, e.h);

    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    EXPECT_EQ(std::wstring(text), win32::Utf8ToWide(e.text));

    const LOGFONTW lf = FontOf(hwnd);
    // The two named faces the layout asks for, at 9 points, GB2312.
    const auto expect_named = [&lf](const wchar_t* face) {
      EXPECT_STREQ(lf.lfFaceName, face);
      EXPECT_EQ(lf.lfHeight, -12);
      EXPECT_EQ(lf.lfWeight, FW_NORMAL);
      EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
    };
    switch (e.font) {
      case Font::YaHei:
        expect_named(L"微软雅黑");
        break;
      case Font::SongTi:
        expect_named(L"宋体");
        break;
      case Font::Faceless:
        EXPECT_STREQ(lf.lfFaceName, L"");
        EXPECT_EQ(lf.lfHeight, -12);
        EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
        break;
      case Font::Default:
        if (std::wstring_view(e.window_class).starts_with(L"Vorlix")) {
          break;  // drawn by others or not at all: no text, no font asked
        }
        EXPECT_STREQ(lf.lfFaceName, message_font.lfFaceName);
        EXPECT_EQ(lf.lfHeight, message_font.lfHeight);
        EXPECT_EQ(lf.lfCharSet, message_font.lfCharSet);
        break;
    }
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_TRUE(IsWindowVisible(hwnd));
  }
}

TEST_F(MainWindowBuild, EditFieldsBindTheUsersTypingOnly) {
  struct Style {
    const char* name;
    bool read_only;
    bool number;
    UINT limit;  // EM_GETLIMITTEXT; 0x7FFFFFFE = none
  };
  constexpr UINT kNone = 0x7FFFFFFE;
  const Style styles[] = {
      {"编辑框1", false, true, 4},       {"编辑框2", false, false, 4},
      {"编辑框3", false, false, kNone},  {"编辑框4", false, false, kNone},
      {"编辑框20", false, false, kNone},
  };
  for (const Style& s : styles) {
    SCOPED_TRACE(s.name);
    HWND hwnd = Window(s.name);
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_EQ((style & ES_READONLY) != 0, s.read_only);
    EXPECT_EQ((style & ES_NUMBER) != 0, s.number);
    EXPECT_FALSE(style & ES_NOHIDESEL);
    EXPECT_EQ(static_cast<UINT>(SendMessageW(hwnd, EM_GETLIMITTEXT, 0, 0)), s.limit);
  }
  const char* read_only[] = {"编辑框5",  "编辑框6",  "编辑框7",  "编辑框8",  "编辑框9",
                             "编辑框10", "编辑框11", "编辑框12", "编辑框13", "编辑框14",
                             "编辑框15", "编辑框16", "编辑框17", "编辑框18", "编辑框19",
                             "编辑框21", "编辑框22", "编辑框23"};
  for (const char* name : read_only) {
    SCOPED_TRACE(name);
    const LONG_PTR style = GetWindowLongPtrW(Window(name), GWL_STYLE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & ES_NUMBER);
    EXPECT_FALSE(style & ES_NOHIDESEL);
  }

  // The program writes past the typed limit.
  toolkit_->Write("编辑框1", Property::Text, std::string("12345678"));
  EXPECT_EQ(toolkit_->Read("编辑框1", Property::Text), PropertyValue(std::string("12345678")));
  toolkit_->Write("编辑框1", Property::Text, std::string());
}

TEST_F(MainWindowBuild, EveryControlShowsInsideTheClientArea) {
  RECT client{};
  GetClientRect(toolkit_->MainWindowHandle(), &client);
  for (const Expected& e : kControls) {
    if (*e.group != '\0') {
      continue;  // inside its group box, checked by the layout's own tests
    }
    EXPECT_LE(e.x + e.w, client.right) << e.name;
    EXPECT_LE(e.y + e.h, client.bottom) << e.name;
  }
}

TEST_F(MainWindowBuild, HandlesAndSizes) {
  EXPECT_EQ(toolkit_->Handle("时钟1"), 0u);
  EXPECT_EQ(toolkit_->Handle("编辑框99"), 0u);
  EXPECT_EQ(toolkit_->Read("图片框1", Property::Width), PropertyValue(std::int64_t{150}));
  EXPECT_EQ(toolkit_->Read("图片框1", Property::Height), PropertyValue(std::int64_t{150}));
  EXPECT_EQ(toolkit_->Read("时钟1", Property::Period), PropertyValue(std::int64_t{0}));
  EXPECT_EQ(toolkit_->Read("超级按钮1", Property::BkColorOut),
            PropertyValue(std::int64_t{0x000080FF}));
  EXPECT_EQ(toolkit_->Read("超级按钮1", Property::DefaultColor), PropertyValue(false));
}

}  // namespace
}  // namespace vorlix
