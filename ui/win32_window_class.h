// Registering the toolkit's own window classes: each once per process, with
// the shared system arrow cursor.
#pragma once

#include <windows.h>

namespace vorlix::toolkit {

// A class description with the fields every toolkit class shares filled in:
// size, procedure, instance, name and the arrow cursor (a shared system
// cursor, not owned).
WNDCLASSEXW ToolkitClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc);

// Registers `wc` unless a class of that name is already registered for its
// instance; false only when registering failed.
bool RegisterClassOnce(const WNDCLASSEXW& wc);

}  // namespace vorlix::toolkit
