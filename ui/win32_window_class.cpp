#include "ui/win32_window_class.h"

namespace vorlix::toolkit {

WNDCLASSEXW ToolkitClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);  // shared system cursor, not owned
  wc.lpszClassName = name;
  return wc;
}

bool RegisterClassOnce(const WNDCLASSEXW& wc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(wc.hInstance, wc.lpszClassName, &existing)) {
    return true;
  }
  return RegisterClassExW(&wc) != 0;
}

}  // namespace vorlix::toolkit
