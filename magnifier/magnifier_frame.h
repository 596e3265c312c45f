// One magnifier picture: the screen square around the pointer stretched over
// the picture box, with the current cursor drawn at its centre.
#pragma once

#include "magnifier/magnifier_platform.h"
#include "magnifier/magnifier_state.h"

namespace vorlix {

// Worker thread only.
void MagnifierFrame(const MagnifierState& state, MagnifierPlatform& platform);

}  // namespace vorlix
