// Owners of the Win32 resources the toolkit creates: one small move-only type
// per kind of handle, each releasing its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/win32_handles.h"

namespace vorlix::toolkit {

// A GDI object made by the toolkit (font, brush), deleted with DeleteObject.
template <typename Handle>
class UniqueGdiObject {
 public:
  UniqueGdiObject() = default;
  explicit UniqueGdiObject(Handle h) : handle_(h) {}
  ~UniqueGdiObject() { Reset(); }
  UniqueGdiObject(UniqueGdiObject&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueGdiObject& operator=(UniqueGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  UniqueGdiObject(const UniqueGdiObject&) = delete;
  UniqueGdiObject& operator=(const UniqueGdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_ != nullptr) {
      DeleteObject(handle_);
      handle_ = nullptr;
    }
  }

 private:
  Handle handle_ = nullptr;
};

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;

// A top-level window the toolkit created; destroyed unless it went first
// (the window procedure calls Forget at WM_NCDESTROY).
class UniqueWindow {
 public:
  UniqueWindow() = default;
  explicit UniqueWindow(HWND h) : hwnd_(h) {}
  ~UniqueWindow() { Reset(); }
  UniqueWindow(UniqueWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
  UniqueWindow& operator=(UniqueWindow&& other) noexcept {
    if (this != &other) {
      Reset();
      hwnd_ = std::exchange(other.hwnd_, nullptr);
    }
    return *this;
  }
  UniqueWindow(const UniqueWindow&) = delete;
  UniqueWindow& operator=(const UniqueWindow&) = delete;

  HWND get() const { return hwnd_; }
  void Forget() { hwnd_ = nullptr; }
  void Reset() {
    if (HWND h = std::exchange(hwnd_, nullptr); h != nullptr) {
      DestroyWindow(h);
    }
  }

 private:
  HWND hwnd_ = nullptr;
};

// BeginPaint ... EndPaint around one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = BeginPaint(hwnd_, &ps_); }
  ~PaintScope() { EndPaint(hwnd_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const { return dc_; }  // not owned: EndPaint releases it

 private:
  HWND hwnd_;  // not owned
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// SelectObject for the life of the scope, then the previous object back.
class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectScope() {
    if (previous_ != nullptr) {
      SelectObject(dc_, previous_);
    }
  }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;            // not owned
  HGDIOBJ previous_;  // not owned: it belongs to whoever selected it before
};

}  // namespace vorlix::toolkit
