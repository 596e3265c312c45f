// The fonts of the main window: one font per distinct request of the layout,
// plus the toolkit's default font, all owned here and released together once
// the window and its controls are gone.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "ui/main_window_layout.h"
#include "ui/win32_owners.h"

namespace vorlix::toolkit {

class FontSet {
 public:
  FontSet() = default;
  FontSet(const FontSet&) = delete;
  FontSet& operator=(const FontSet&) = delete;

  // The font for a layout request; nullopt asks for the toolkit's default
  // font (the system's message font). Not owned by the caller; nullptr when
  // the system made none.
  HFONT For(const std::optional<FontSpec>& wanted);

  void ReleaseAll();

 private:
  using Key = std::tuple<std::wstring, int, int, int>;  // face, height, weight, charset
  UniqueFont default_;
  std::vector<std::pair<Key, UniqueFont>> made_;
};

}  // namespace vorlix::toolkit
