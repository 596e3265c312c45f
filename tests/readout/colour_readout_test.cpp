// The colour texts for known colours and at the edges of their rules.
#include "readout/colour_readout.h"

#include <gtest/gtest.h>

#include <string>

namespace vorlix {
namespace {

struct ColourCase {
  int r, g, b;
  const char* hex;
  const char* dec;
  const char* hue;
  const char* hsb_s;
  const char* hsb_b;
  const char* hsl_s;
  const char* hsl_l;
};

void ExpectColour(const ColourCase& c) {
  SCOPED_TRACE(::testing::Message() << "R,G,B = " << c.r << "," << c.g << "," << c.b);
  const ColourReadout out =
      ComputeColourReadout(static_cast<std::uint8_t>(c.r), static_cast<std::uint8_t>(c.g),
                           static_cast<std::uint8_t>(c.b));
  EXPECT_EQ(out.colour_hex, c.hex);
  EXPECT_EQ(out.colour_dec, c.dec);
  EXPECT_EQ(std::to_string(out.swatch_colour), c.dec);
  EXPECT_EQ(out.hue, c.hue);
  EXPECT_EQ(out.hsb_saturation, c.hsb_s);
  EXPECT_EQ(out.hsb_brightness, c.hsb_b);
  EXPECT_EQ(out.hsl_saturation, c.hsl_s);
  EXPECT_EQ(out.hsl_lightness, c.hsl_l);
}

TEST(ColourReadout, KnownColours) {
  const ColourCase cases[] = {
      {0, 0, 0, "000000", "0", "0", "0", "0", "0", "0"},
      {255, 255, 255, "FFFFFF", "16777215", "0", "0", "100", "0", "100"},
      {128, 128, 128, "808080", "8421504", "0", "0", "50", "0", "50"},
      {1, 1, 1, "010101", "65793", "0", "0", "0", "0", "0"},
      {255, 0, 0, "0000FF", "255", "0", "100", "100", "100", "50"},
      {0, 255, 0, "00FF00", "65280", "120", "100", "100", "100", "50"},
      {0, 0, 255, "FF0000", "16711680", "240", "100", "100", "100", "50"},
      {255, 0, 1, "0100FF", "65791", "360", "100", "100", "100", "50"},
      {255, 255, 0, "00FFFF", "65535", "60", "100", "100", "100", "50"},
      {255, 0, 255, "FF00FF", "16711935", "300", "100", "100", "100", "50"},
      {18, 52, 86, "563412", "5649426", "210", "79", "34", "65", "20"},
      {127, 128, 128, "80807F", "8421503", "180", "1", "50", "0", "50"},
      {128, 0, 0, "000080", "128", "0", "100", "50", "100", "25"},
      {255, 128, 0, "0080FF", "33023", "30", "100", "100", "100", "50"},
      // The worked example of every field.
      {200, 100, 50, "3264C8", "3302600", "20", "75", "78", "60", "49"},
  };
  for (const ColourCase& c : cases) {
    ExpectColour(c);
  }
}

// Where a rule's form, order or rounding shows in the texts.
TEST(ColourReadout, RulesAtTheirEdges) {
  const ColourCase cases[] = {
      // HSL saturation: a sum up to 255 takes delta / sum (254 / 254; the
      // other form would give 99), above 255 delta / (510 - sum) (144 / 254;
      // the other form would give 56).
      {254, 0, 0, "0000FE", "254", "0", "100", "100", "100", "50"},
      {200, 56, 56, "3838C8", "3684552", "0", "72", "78", "57", "50"},
      // Hue exactly half a degree rounds up: 0.5 gives 1, 359.5 gives 360.
      {120, 1, 0, "000178", "376", "1", "100", "47", "100", "24"},
      {120, 0, 1, "010078", "65656", "360", "100", "47", "100", "24"},
      // HSB saturation exactly one half percent (1 / 200) rounds up.
      {200, 199, 199, "C7C7C8", "13092808", "0", "1", "78", "1", "78"},
  };
  for (const ColourCase& c : cases) {
    ExpectColour(c);
  }
}

TEST(ColourReadout, ComponentsInBothBasesAlwaysTwoHexDigits) {
  const ColourReadout a = ComputeColourReadout(200, 100, 50);
  EXPECT_EQ(a.red_hex, "C8");
  EXPECT_EQ(a.green_hex, "64");
  EXPECT_EQ(a.blue_hex, "32");
  EXPECT_EQ(a.red_dec, "200");
  EXPECT_EQ(a.green_dec, "100");
  EXPECT_EQ(a.blue_dec, "50");
  const ColourReadout b = ComputeColourReadout(0, 10, 255);
  EXPECT_EQ(b.red_hex, "00");
  EXPECT_EQ(b.green_hex, "0A");
  EXPECT_EQ(b.blue_hex, "FF");
  EXPECT_EQ(b.red_dec, "0");
  EXPECT_EQ(b.green_dec, "10");
  EXPECT_EQ(b.blue_dec, "255");
}

TEST(ColourReadout, EveryGreyHasNoHueAndNoSaturation) {
  for (int v = 0; v <= 255; ++v) {
    const auto c = static_cast<std::uint8_t>(v);
    const ColourReadout out = ComputeColourReadout(c, c, c);
    EXPECT_EQ(out.hue, "0") << v;
    EXPECT_EQ(out.hsb_saturation, "0") << v;
    EXPECT_EQ(out.hsl_saturation, "0") << v;
  }
}

}  // namespace
}  // namespace vorlix
