// Where a sampling tick shows what it computed: one call per field, in the
// order the tick writes them. The main window binds each field to its edit
// field; tests record the calls.
#pragma once

#include <string_view>

#include "platform/types.h"

namespace vorlix {

enum class ReadoutField {
  PointerX,
  PointerY,
  WindowHandle,
  WindowClass,
  WindowTitle,
  ParentHandle,
  ParentClass,
  ParentTitle,
  RedHex,
  GreenHex,
  BlueHex,
  RedDec,
  GreenDec,
  BlueDec,
  ColourHex,
  ColourDec,
  HsbSaturation,
  HsbBrightness,
  HslSaturation,
  HslLightness,
  HsbHue,  // the hue in the HSB column
  HslHue,  // the same hue in the HSL column
};

class ReadoutSink {
 public:
  virtual ~ReadoutSink() = default;
  // `text` is in the ANSI code page (titles and class names as other
  // programs wrote them); it is only valid during the call.
  virtual void Show(ReadoutField field, std::string_view text) = 0;
  virtual void ShowSwatch(ColourValue colour) = 0;
};

}  // namespace vorlix
