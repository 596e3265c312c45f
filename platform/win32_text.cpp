#include "platform/win32_text.h"

#include <windows.h>

namespace vorlix::win32 {

std::wstring Utf8ToWide(std::string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int size = static_cast<int>(utf8.size());
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (units <= 0) {
    return {};
  }
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), units);
  return wide;
}

std::string WideToAnsi(std::wstring_view wide) {
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) {
    return {};
  }
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

}  // namespace vorlix::win32
