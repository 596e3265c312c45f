// Which edit field shows which readout field.
#include "ui/readout_binding.h"

#include <string>

namespace vorlix {

std::string_view EditFieldFor(ReadoutField field) {
  switch (field) {
    case ReadoutField::PointerX:
      return "编辑框1";
    case ReadoutField::PointerY:
      return "编辑框2";
    case ReadoutField::WindowHandle:
      return "编辑框14";
    case ReadoutField::WindowClass:
      return "编辑框15";
    case ReadoutField::WindowTitle:
      return "编辑框16";
    case ReadoutField::ParentHandle:
      return "编辑框17";
    case ReadoutField::ParentClass:
      return "编辑框18";
    case ReadoutField::ParentTitle:
      return "编辑框19";
    case ReadoutField::ColourHex:
      return "编辑框3";
    case ReadoutField::ColourDec:
      return "编辑框4";
    case ReadoutField::RedHex:
      return "编辑框5";
    case ReadoutField::GreenHex:
      return "编辑框6";
    case ReadoutField::BlueHex:
      return "编辑框7";
    case ReadoutField::RedDec:
      return "编辑框8";
    case ReadoutField::GreenDec:
      return "编辑框9";
    case ReadoutField::BlueDec:
      return "编辑框10";
    case ReadoutField::HsbHue:
      return "编辑框11";
    case ReadoutField::HsbSaturation:
      return "编辑框12";
    case ReadoutField::HsbBrightness:
      return "编辑框13";
    case ReadoutField::HslHue:
      return "编辑框21";
    case ReadoutField::HslSaturation:
      return "编辑框22";
    case ReadoutField::HslLightness:
      return "编辑框23";
  }
  return {};
}

void ReadoutBinding::Show(ReadoutField field, std::string_view text) {
  const std::string_view control = EditFieldFor(field);
  if (!control.empty()) {
    form_.Write(control, Property::Text, std::string(text));
  }
}

void ReadoutBinding::ShowSwatch(ColourValue colour) {
  form_.Write(kSwatchControl, Property::BackgroundColour, std::int64_t{colour});
}

}  // namespace vorlix
