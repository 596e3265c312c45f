// The main window as data: every control with its name, kind, place, size,
// first text, font and edit styles, and the window's own frame, size and
// title. The Win32 toolkit builds the window from it; nothing here needs a
// platform.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace vorlix {

enum class ControlKind {
  Label,
  EditField,
  PushButton,
  ColourButton,
  Timer,
  PictureBox,
  ShapeBox,
  GroupBox,
};

// The GB2312 character set number of a font request.
inline constexpr int kGb2312Charset = 134;
inline constexpr int kNormalWeight = 400;

// A font the layout asks for. An empty face leaves the face to the system.
struct FontSpec {
  std::string_view face;  // UTF-8
  int height = -12;       // character height in pixels, as a font request takes it
  int weight = kNormalWeight;
  int charset = kGb2312Charset;
};

struct EditStyle {
  bool read_only = false;
  bool integer_only = false;   // binds what the user types
  int typed_limit = 0;         // characters the user may type; 0 = no limit
  bool hide_selection = true;  // while the field does not have the focus
};

struct ControlLayout {
  std::string_view name;  // UTF-8, e.g. "编辑框14"
  ControlKind kind = ControlKind::Label;
  std::string_view group;  // name of the group box it sits in; empty = the window
  Point position;          // relative to the group box when in one, else to the client area
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string_view text;                     // first text, UTF-8
  std::optional<FontSpec> font;              // nullopt: the toolkit's default font
  EditStyle edit;                            // edit fields only
  std::int64_t period = 0;                   // timers: first period in ms (0 = stopped)
  ColourValue colour = kDefaultColourValue;  // shape box background, colour button BkColorOut
  bool default_color = false;                // colour button DefaultColor
};

struct WindowLayout {
  std::string_view title;  // UTF-8
  std::int32_t outer_width = 0;
  std::int32_t outer_height = 0;
  bool fixed_frame = true;  // no resizing
  bool minimize_box = true;
  bool maximize_box = false;
};

const WindowLayout& MainWindow();

// Every control of the main window; group boxes come before their contents.
std::span<const ControlLayout> MainWindowControls();

// The control named `name`, or nullptr.
const ControlLayout* FindControl(std::string_view name);

// The window's top-left corner centred on a screen of the given size
// (integer division, as the window is placed when it is created).
Point CentredPlace(const WindowLayout& window, std::int32_t screen_width,
                   std::int32_t screen_height);

// Where a control sits in the window's client area: its position, plus its
// group box's position when it sits in one.
Point ClientPosition(const ControlLayout& control);

}  // namespace vorlix
