// Creating the layout's fonts with CreateFontW.
#include "ui/win32_fonts.h"

#include "platform/win32_text.h"

namespace vorlix::toolkit {

HFONT FontSet::For(const std::optional<FontSpec>& wanted) {
  if (!wanted) {
    if (!default_) {
      NONCLIENTMETRICSW metrics{};
      metrics.cbSize = sizeof(metrics);
      if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        default_ = UniqueFont(CreateFontIndirectW(&metrics.lfMessageFont));
      }
    }
    return default_.get();
  }
  Key key{win32::Utf8ToWide(wanted->face), wanted->height, wanted->weight, wanted->charset};
  for (const auto& [made_key, font] : made_) {
    if (made_key == key) {
      return font.get();
    }
  }
  const std::wstring& face = std::get<0>(key);
  UniqueFont font(CreateFontW(wanted->height, 0, 0, 0, wanted->weight, FALSE, FALSE, FALSE,
                              static_cast<DWORD>(wanted->charset), OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              face.empty() ? nullptr : face.c_str()));
  const HFONT result = font.get();
  made_.emplace_back(std::move(key), std::move(font));
  return result;
}

void FontSet::ReleaseAll() {
  made_.clear();
  default_.Reset();
}

}  // namespace vorlix::toolkit
