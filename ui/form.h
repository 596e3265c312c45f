// The program's view of its window toolkit: controls named as in the main
// window's layout, their properties, messages to them and the keyboard focus.
// The Win32 toolkit implements it; tests of the handlers give a fake.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/types.h"

namespace vorlix {

enum class Property {
  Width,             // integer, pixels
  Height,            // integer, pixels
  Disabled,          // truth: greyed out, ignores input
  Text,              // text in the ANSI code page (edit fields, labels, buttons)
  Period,            // integer, milliseconds; <= 0 stops a timer
  BackgroundColour,  // colour value (shape box)
  BkColorOut,        // colour value (colour button, pointer off it)
  DefaultColor,      // truth (colour button: ignore the colour properties)
};

// Integers and colours travel as std::int64_t, truths as bool, texts as bytes.
using PropertyValue = std::variant<std::int64_t, bool, std::string>;

class Form {
 public:
  virtual ~Form() = default;

  virtual void Write(std::string_view control, Property property, const PropertyValue& value) = 0;
  virtual PropertyValue Read(std::string_view control, Property property) = 0;

  // The control's native window; not owned by the caller. 0 for an unknown
  // control or one without a window (the timer).
  virtual NativeHandle Handle(std::string_view control) = 0;

  // Sends a message to the control and waits for its result. Callable from
  // any thread once the window exists.
  virtual std::int64_t Send(std::string_view control, std::uint32_t message, std::uint64_t wparam,
                            std::int64_t lparam) = 0;

  virtual void Focus(std::string_view control) = 0;
};

// The message a label turns into its feedback event (wParam, lParam in, the
// handler's integer out).
inline constexpr std::uint32_t CursorRequestMessage = 32885;

// Modifier bits given with a key-down event.
inline constexpr int kModifierCtrl = 1;
inline constexpr int kModifierShift = 2;
inline constexpr int kModifierAlt = 4;

// What the window does on its events, all run on the UI thread. A missing
// entry means the toolkit's default behaviour.
struct FormHandlers {
  std::function<void()> created;            // the window and every control exist
  std::function<void()> will_be_destroyed;  // the window and its controls still exist
  // Asked when the user closes the window: true closes it now, false has the
  // toolkit ask again a little later while messages keep flowing.
  std::function<bool()> close_requested;
  std::map<std::string, std::function<void()>, std::less<>> clicked;   // buttons
  std::map<std::string, std::function<void()>, std::less<>> periodic;  // timers
  // Edit fields: virtual-key code and modifier bits; only false swallows the key.
  std::map<std::string, std::function<std::optional<bool>(int key, int modifiers)>, std::less<>>
      key_down;
  // Labels sent CursorRequestMessage: (wParam, lParam) -> message result, 0 for nullopt.
  std::map<std::string,
           std::function<std::optional<std::int64_t>(std::uint64_t wparam, std::int64_t lparam)>,
           std::less<>>
      feedback;
};

}  // namespace vorlix
