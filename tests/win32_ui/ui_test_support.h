// Helpers for the toolkit's tests on real windows under Wine: pumping
// messages for a while, reading screen pixels, and real pointer input
// (xdotool) and key input (SendInput).
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace vorlix::testing {

// Runs the calling thread's messages for `ms` milliseconds (WM_QUIT included
// and dropped, so that an earlier window's end does not leak into a test).
void PumpFor(int ms);

// Runs messages until `done` is true or `timeout_ms` passed; returns done().
bool PumpUntil(const std::function<bool()>& done, int timeout_ms = 2000);

// The colour of a screen pixel as GetPixel reports it.
COLORREF ScreenPixel(POINT screen);

// A point of a window's client area in screen coordinates.
POINT ClientToScreenPoint(HWND hwnd, int x, int y);

// Moves the pointer to a screen point (with xdotool, as a user's mouse would);
// true when GetCursorPos then reads it.
bool MovePointer(POINT screen);

// A left click at a screen point (xdotool); false when the pointer did not
// get there.
bool ClickAt(POINT screen);

// Runs messages until the screen pixel shows `colour` (painting reaches the
// screen a little after it is done); false when it did not within the time.
bool PixelBecomes(POINT screen, COLORREF colour, int timeout_ms = 1000);

// Presses and releases a key with SendInput, with Shift held when asked.
void TypeKey(WORD vk, bool shift = false);

// Brings `hwnd` to the front with the keyboard focus on its thread.
void BringToFront(HWND hwnd);

}  // namespace vorlix::testing
