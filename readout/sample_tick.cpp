// One sampling tick, field by field, in the order the window shows them.
#include "readout/sample_tick.h"

#include "readout/colour_readout.h"
#include "readout/conversion.h"
#include "readout/pixel_read.h"
#include "readout/window_description.h"
#include "readout/window_lookup.h"

namespace vorlix {
namespace {

// The handle is shown before the window is asked for its class and title.
void ShowWindowFields(Desktop& desktop, ReadoutSink& sink, NativeHandle window,
                      ReadoutField handle_field, ReadoutField class_field,
                      ReadoutField title_field) {
  sink.Show(handle_field, IntegerText(HandleAsShown(window)));
  const WindowDescriptor described = DescribeWindow(desktop, window);
  sink.Show(class_field, described.class_name);
  sink.Show(title_field, described.title);
}

}  // namespace

void SampleTick(Desktop& desktop, ReadoutSink& sink) {
  sink.Show(ReadoutField::PointerX, IntegerText(desktop.CursorPos().x));
  sink.Show(ReadoutField::PointerY, IntegerText(desktop.CursorPos().y));

  const NativeHandle window = FindPointerWindow(desktop);
  ShowWindowFields(desktop, sink, window, ReadoutField::WindowHandle, ReadoutField::WindowClass,
                   ReadoutField::WindowTitle);
  const NativeHandle parent = window == 0 ? 0 : desktop.Parent(window);
  ShowWindowFields(desktop, sink, parent, ReadoutField::ParentHandle, ReadoutField::ParentClass,
                   ReadoutField::ParentTitle);

  const PixelComponents pixel = ReadPointerPixel(desktop);
  const ColourReadout colour = ComputeColourReadout(pixel.red, pixel.green, pixel.blue);
  sink.Show(ReadoutField::RedHex, colour.red_hex);
  sink.Show(ReadoutField::GreenHex, colour.green_hex);
  sink.Show(ReadoutField::BlueHex, colour.blue_hex);
  sink.Show(ReadoutField::RedDec, colour.red_dec);
  sink.Show(ReadoutField::GreenDec, colour.green_dec);
  sink.Show(ReadoutField::BlueDec, colour.blue_dec);
  sink.Show(ReadoutField::ColourHex, colour.colour_hex);
  sink.Show(ReadoutField::ColourDec, colour.colour_dec);
  sink.ShowSwatch(colour.swatch_colour);
  sink.Show(ReadoutField::HsbSaturation, colour.hsb_saturation);
  sink.Show(ReadoutField::HsbBrightness, colour.hsb_brightness);
  sink.Show(ReadoutField::HslSaturation, colour.hsl_saturation);
  sink.Show(ReadoutField::HslLightness, colour.hsl_lightness);
  sink.Show(ReadoutField::HsbHue, colour.hue);
  sink.Show(ReadoutField::HslHue, colour.hue);
}

}  // namespace vorlix
