// Conversions between the logic's NativeHandle values and Win32 handle
// types, and the owners of the kernel and drawing handles the program keeps.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/types.h"

namespace vorlix::win32 {

template <typename H>
H FromNative(NativeHandle h) {
  return reinterpret_cast<H>(static_cast<std::uintptr_t>(h));
}

template <typename H>
NativeHandle ToNative(H h) {
  return static_cast<NativeHandle>(reinterpret_cast<std::uintptr_t>(h));
}

// Owns a kernel handle (a thread's, here); CloseHandle when it goes.
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE h) : handle_(h) {}
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      reset(std::exchange(other.handle_, nullptr));
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;
  ~OwnedHandle() { reset(); }

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (handle_ != nullptr) {
      CloseHandle(handle_);
    }
    handle_ = h;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A window's drawing context from GetDC, released on the same thread when it
// goes (GetDC(nullptr) for the whole screen).
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) {
      ReleaseDC(window_, dc_);
    }
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;  // not owned
  HDC dc_;
};

}  // namespace vorlix::win32
