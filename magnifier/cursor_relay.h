// How the worker gets the cursor to draw: it asks the UI thread, whose input
// state knows the cursor, with a synchronous message to the label that
// answers cursor requests.
#pragma once

#include <cstdint>

#include "magnifier/magnifier_platform.h"
#include "platform/types.h"
#include "ui/form.h"

namespace vorlix {

// Worker thread: sends CursorRequestMessage to `label` and waits for the answer. The
// cursor is not owned by the caller. 0 when the label is gone.
NativeHandle CursorRelay(MagnifierPlatform& platform, NativeHandle label);

// UI thread: the label's feedback handler; both parameters are ignored.
std::int64_t OnCursorRequest(MagnifierPlatform& platform, std::uint64_t wparam,
                             std::int64_t lparam);

}  // namespace vorlix
