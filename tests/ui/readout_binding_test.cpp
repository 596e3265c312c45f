// The readout binding: every readout field lands in its own edit field, the
// swatch in the shape box.
#include "ui/readout_binding.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/main_window_layout.h"

namespace vorlix {
namespace {

// Records every property write; answers nothing else.
class RecordingForm : public Form {
 public:
  struct Write {
    std::string control;
    Property property;
    PropertyValue value;
  };
  std::vector<Write> writes;

  void Write(std::string_view control, Property property, const PropertyValue& value) override {
    writes.push_back({std::string(control), property, value});
  }
  PropertyValue Read(std::string_view, Property) override { return std::int64_t{0}; }
  NativeHandle Handle(std::string_view) override { return 0; }
  std::int64_t Send(std::string_view, std::uint32_t, std::uint64_t, std::int64_t) override {
    return 0;
  }
  void Focus(std::string_view) override {}
};

TEST(ReadoutBinding, EveryFieldLandsInItsEditField) {
  const std::map<ReadoutField, std::string> expected = {
      {ReadoutField::PointerX, "编辑框1"},       {ReadoutField::PointerY, "编辑框2"},
      {ReadoutField::WindowHandle, "编辑框14"},  {ReadoutField::WindowClass, "编辑框15"},
      {ReadoutField::WindowTitle, "编辑框16"},   {ReadoutField::ParentHandle, "编辑框17"},
      {ReadoutField::ParentClass, "编辑框18"},   {ReadoutField::ParentTitle, "编辑框19"},
      {ReadoutField::ColourHex, "编辑框3"},      {ReadoutField::ColourDec, "编辑框4"},
      {ReadoutField::RedHex, "编辑框5"},         {ReadoutField::GreenHex, "编辑框6"},
      {ReadoutField::BlueHex, "编辑框7"},        {ReadoutField::RedDec, "编辑框8"},
      {ReadoutField::GreenDec, "编辑框9"},       {ReadoutField::BlueDec, "编辑框10"},
      {ReadoutField::HsbHue, "编辑框11"},        {ReadoutField::HsbSaturation, "编辑框12"},
      {ReadoutField::HsbBrightness, "编辑框13"}, {ReadoutField::HslHue, "编辑框21"},
      {ReadoutField::HslSaturation, "编辑框22"}, {ReadoutField::HslLightness, "编辑框23"},
  };
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(ReadoutField::HslHue) + 1);

  RecordingForm form;
  ReadoutBinding binding(form);
  std::set<std::string> targets;
  for (const auto& [field, control] : expected) {
    form.writes.clear();
    // A text with bytes of the ANSI code page, passed on untouched.
    const std::string text = "\xB1\xEA\xCC\xE2 " + control;
    binding.Show(field, text);
    ASSERT_EQ(form.writes.size(), 1u) << control;
    EXPECT_EQ(form.writes[0].control, control);
    EXPECT_EQ(form.writes[0].property, Property::Text) << control;
    EXPECT_EQ(form.writes[0].value, PropertyValue(text)) << control;
    targets.insert(form.writes[0].control);

    const ControlLayout* layout = FindControl(control);
    ASSERT_NE(layout, nullptr) << control;
    EXPECT_EQ(layout->kind, ControlKind::EditField) << control;
  }
  EXPECT_EQ(targets.size(), expected.size());
}

TEST(ReadoutBinding, SwatchGoesToTheShapeBoxBackground) {
  RecordingForm form;
  ReadoutBinding binding(form);
  binding.ShowSwatch(0x00336699u);
  ASSERT_EQ(form.writes.size(), 1u);
  EXPECT_EQ(form.writes[0].control, "外形框1");
  EXPECT_EQ(form.writes[0].property, Property::BackgroundColour);
  EXPECT_EQ(form.writes[0].value, PropertyValue(std::int64_t{0x00336699}));
  EXPECT_EQ(FindControl("外形框1")->kind, ControlKind::ShapeBox);
}

}  // namespace
}  // namespace vorlix
