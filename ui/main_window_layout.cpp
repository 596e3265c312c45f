// The main window's controls, places, first texts and fonts.
#include "ui/main_window_layout.h"

#include <array>
#include <vector>

namespace vorlix {
namespace {

constexpr FontSpec kYaHei{.face = "微软雅黑"};
constexpr FontSpec kSongTi{.face = "宋体"};
constexpr FontSpec kFaceless{.face = ""};  // the system's face at the same size

constexpr EditStyle kOutput{.read_only = true};
constexpr EditStyle kPlain{};

// The grab button's first background: orange (red 255, green 128, blue 0).
constexpr ColourValue kGrabButtonFirstColour = 0x000080FFu;

ControlLayout Control(std::string_view name, ControlKind kind, std::string_view group, Point at,
                      std::int32_t w, std::int32_t h, std::string_view text = {},
                      std::optional<FontSpec> font = std::nullopt) {
  ControlLayout c;
  c.name = name;
  c.kind = kind;
  c.group = group;
  c.position = at;
  c.width = w;
  c.height = h;
  c.text = text;
  c.font = font;
  return c;
}

ControlLayout Label(std::string_view name, std::string_view group, Point at, std::int32_t w,
                    std::int32_t h, std::string_view text, std::optional<FontSpec> font = kYaHei) {
  return Control(name, ControlKind::Label, group, at, w, h, text, font);
}

ControlLayout Edit(std::string_view name, std::string_view group, Point at, std::int32_t w,
                   std::int32_t h, std::string_view text, EditStyle style,
                   std::optional<FontSpec> font = std::nullopt) {
  ControlLayout c = Control(name, ControlKind::EditField, group, at, w, h, text, font);
  c.edit = style;
  return c;
}

// The two window boxes: the same three rows each.
void AddWindowRows(std::vector<ControlLayout>& out, std::string_view group, int first_label,
                   int first_edit) {
  static constexpr std::array<std::string_view, 3> kCaptions = {"句柄", "类名", "标题"};
  static constexpr std::array<std::string_view, 6> kLabelNames = {"标签15", "标签16", "标签17",
                                                                  "标签18", "标签19", "标签20"};
  static constexpr std::array<std::string_view, 6> kEditNames = {
      "编辑框14", "编辑框15", "编辑框16", "编辑框17", "编辑框18", "编辑框19"};
  for (int row = 0; row < 3; ++row) {
    const std::int32_t y = 20 + 30 * row;
    out.push_back(Label(kLabelNames[static_cast<std::size_t>(first_label + row)], group, {5, y}, 30,
                        25, kCaptions[static_cast<std::size_t>(row)]));
    // The title row shows other programs' titles in the system's own face.
    const auto font = row == 2 ? std::optional<FontSpec>(kFaceless) : std::nullopt;
    out.push_back(Edit(kEditNames[static_cast<std::size_t>(first_edit + row)], group, {40, y}, 120,
                       25, "*", kOutput, font));
  }
}

std::vector<ControlLayout> BuildControls() {
  std::vector<ControlLayout> c;
  const std::string_view top;

  c.push_back(Control("图片框1", ControlKind::PictureBox, top, {5, 5}, 150, 150));
  c.push_back(Label("标签3", top, {5, 160}, 50, 25, "鼠标位置"));
  c.push_back(Label("标签1", top, {70, 160}, 20, 25, "X"));
  c.push_back(
      Edit("编辑框1", top, {95, 160}, 60, 25, "", {.integer_only = true, .typed_limit = 4}));
  c.push_back(Label("标签2", top, {70, 190}, 20, 25, "Y"));
  c.push_back(Edit("编辑框2", top, {95, 190}, 60, 25, "", {.typed_limit = 4}));
  ControlLayout grab =
      Control("超级按钮1", ControlKind::ColourButton, top, {5, 190}, 50, 25, "Tamsu", kYaHei);
  grab.colour = kGrabButtonFirstColour;
  grab.default_color = false;
  c.push_back(grab);
  c.push_back(Label("标签21", top, {5, 225}, 150, 30,
                    "点“Tamsu”启用；按“S”键暂停，获取鼠标位置信息。", kSongTi));
  c.push_back(Control("时钟1", ControlKind::Timer, top, {75, 232}, 40, 40));
  c.push_back(Control("按钮1", ControlKind::PushButton, top, {117, 243}, 70, 20, "开启放大镜"));
  c.push_back(Control("按钮2", ControlKind::PushButton, top, {192, 243}, 70, 20, "关闭放大镜"));
  c.push_back(Label("标签22", top, {5, 470}, 320, 25,
                    "说明：抓取点为鼠标指标尖右下方点的信息；如放大镜鼠标指针与实际鼠标样式不一致"
                    "时，将鼠标移回本窗口即可。",
                    std::nullopt));

  c.push_back(
      Control("分组框1", ControlKind::GroupBox, top, {160, 5}, 165, 115, "当前窗口", kYaHei));
  AddWindowRows(c, "分组框1", 0, 0);
  c.push_back(
      Control("分组框2", ControlKind::GroupBox, top, {160, 130}, 165, 115, "父窗口", kYaHei));
  AddWindowRows(c, "分组框2", 3, 3);

  const std::string_view g = "分组框3";
  c.push_back(Control(g, ControlKind::GroupBox, top, {5, 268}, 320, 195, "颜色值", kYaHei));
  c.push_back(Label("标签5", g, {40, 20}, 40, 25, "16进制"));
  c.push_back(Label("标签6", g, {125, 20}, 40, 25, "10进制"));
  c.push_back(Label("标签4", g, {5, 45}, 30, 25, "颜色"));
  c.push_back(Edit("编辑框3", g, {40, 45}, 80, 25, "", kPlain));
  c.push_back(Edit("编辑框4", g, {125, 45}, 80, 25, "", kPlain));
  c.push_back(Control("外形框1", ControlKind::ShapeBox, g, {210, 15}, 60, 60));
  c.push_back(Edit("编辑框20", g, {276, 36}, 24, 24, "", kPlain));
  c.push_back(Label("标签10", g, {40, 75}, 40, 25, "16进制"));
  c.push_back(Label("标签11", g, {85, 75}, 40, 25, "10进制"));

  static constexpr std::array<std::string_view, 3> kRowLabels = {"标签7", "标签8", "标签9"};
  static constexpr std::array<std::string_view, 3> kRowCaptions = {"红(R)", "绿(G)", "蓝(B)"};
  static constexpr std::array<std::string_view, 3> kHex = {"编辑框5", "编辑框6", "编辑框7"};
  static constexpr std::array<std::string_view, 3> kDec = {"编辑框8", "编辑框9", "编辑框10"};
  static constexpr std::array<std::string_view, 3> kModelLabels = {"标签12", "标签13", "标签14"};
  static constexpr std::array<std::string_view, 3> kModelCaptions = {"色调  H", "饱和度 S",
                                                                     "亮度  B"};
  static constexpr std::array<std::string_view, 3> kHsb = {"编辑框11", "编辑框12", "编辑框13"};
  static constexpr std::array<std::string_view, 3> kHslLabels = {"标签23", "标签24", "标签25"};
  static constexpr std::array<std::string_view, 3> kHslCaptions = {"H", "%    S", "%    L"};
  static constexpr std::array<std::string_view, 3> kHsl = {"编辑框21", "编辑框22", "编辑框23"};
  for (std::size_t row = 0; row < 3; ++row) {
    const std::int32_t y = 100 + 30 * static_cast<std::int32_t>(row);
    c.push_back(Label(kRowLabels[row], g, {5, y}, 30, 25, kRowCaptions[row]));
    c.push_back(Edit(kHex[row], g, {40, y}, 40, 25, "*", kOutput));
    c.push_back(Edit(kDec[row], g, {85, y}, 40, 25, "*", kOutput));
    c.push_back(Label(kModelLabels[row], g, {142, y}, 50, 25, kModelCaptions[row]));
    c.push_back(Edit(kHsb[row], g, {198, y}, 30, 25, "*", kOutput));
    c.push_back(Label(kHslLabels[row], g, {230, y}, 35, 25, kHslCaptions[row]));
    c.push_back(Edit(kHsl[row], g, {270, y}, 30, 25, "*", kOutput));
  }
  c.push_back(Label("标签26", g, {300, 130}, 12, 25, "%"));
  c.push_back(Label("标签27", g, {300, 160}, 12, 25, "%"));
  return c;
}

}  // namespace

const WindowLayout& MainWindow() {
  static const WindowLayout window{.title = "Vorlix", .outer_width = 335, .outer_height = 525};
  return window;
}

std::span<const ControlLayout> MainWindowControls() {
  static const std::vector<ControlLayout> controls = BuildControls();
  return controls;
}

const ControlLayout* FindControl(std::string_view name) {
  for (const ControlLayout& c : MainWindowControls()) {
    if (c.name == name) {
      return &c;
    }
  }
  return nullptr;
}

Point CentredPlace(const WindowLayout& window, std::int32_t screen_width,
                   std::int32_t screen_height) {
  return {(screen_width - window.outer_width) / 2, (screen_height - window.outer_height) / 2};
}

Point ClientPosition(const ControlLayout& control) {
  if (control.group.empty()) {
    return control.position;
  }
  const ControlLayout* box = FindControl(control.group);
  if (box == nullptr) {
    return control.position;
  }
  const Point origin = ClientPosition(*box);
  return {origin.x + control.position.x, origin.y + control.position.y};
}

}  // namespace vorlix
