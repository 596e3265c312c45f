// The state the UI thread shares with the magnifier worker.
#pragma once

#include <cstdint>

#include "magnifier/worker_record.h"
#include "platform/types.h"

namespace vorlix {

struct MagnifierState {
  // Written once on the UI thread when the window has been created, before
  // any worker starts; only read afterwards.
  NativeHandle PictureSurface = 0;  // the picture box's drawing context (not owned here)
  std::int32_t Width = 0;           // the picture box's size in pixels
  std::int32_t Height = 0;
  float Zoom = 8.0f;
  NativeHandle CursorSource = 0;  // the label that answers cursor requests (not owned)

  // The running worker, as far as the program knows: the one atomic word.
  WorkerRecord Worker;
};

}  // namespace vorlix
