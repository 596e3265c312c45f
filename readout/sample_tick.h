// One sampling tick: the pointer position, the window under the pointer and
// its parent, and the pixel colour, each shown as soon as it is known.
// Nothing is kept from one tick to the next.
#pragma once

#include "platform/desktop.h"
#include "readout/readout_sink.h"

namespace vorlix {

// The pointer is read four times (x, y, the window lookup, the pixel): the
// readings are not one snapshot. The fields are shown in ReadoutField order
// (the hue last, into both hue fields), the swatch right after the decimal
// colour value.
void SampleTick(Desktop& desktop, ReadoutSink& sink);

}  // namespace vorlix
