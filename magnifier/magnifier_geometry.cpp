#include "magnifier/magnifier_geometry.h"

#include "readout/conversion.h"

namespace vorlix {

MagnifierGeometry ComputeMagnifierGeometry(Point pointer, std::int32_t width, std::int32_t height,
                                           float zoom) {
  const double z = static_cast<double>(zoom);
  MagnifierGeometry g;
  g.SourceWidth = TruncateToInt(width / z);
  g.SourceHeight = TruncateToInt(height / z);
  g.SourceX = TruncateToInt(pointer.x - g.SourceWidth / 2.0);
  g.SourceY = TruncateToInt(pointer.y - g.SourceHeight / 2.0);
  g.CursorX = TruncateToInt(width / 2.0);
  g.CursorY = TruncateToInt(height / 2.0);
  return g;
}

}  // namespace vorlix
