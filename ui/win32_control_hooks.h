// Events the standard controls do not raise by themselves, added by
// subclassing them: a label's feedback on CursorRequestMessage, an edit
// field's key-down with the chance to swallow the key, and group boxes passing
// their children's notifications on to the main window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace vorlix::toolkit {

using FeedbackHandler =
    std::function<std::optional<std::int64_t>(std::uint64_t wparam, std::int64_t lparam)>;
using KeyDownHandler = std::function<std::optional<bool>(int key, int modifiers)>;

// The handlers are not owned and must outlive the control.
bool HookFeedback(HWND label, const FeedbackHandler* handler);
bool HookKeyDown(HWND edit, const KeyDownHandler* handler);
bool HookGroupBox(HWND group_box);

// The modifier bits (Ctrl 1, Shift 2, Alt 4) of the current key state.
int CurrentModifiers();

}  // namespace vorlix::toolkit
