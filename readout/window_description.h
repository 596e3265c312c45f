// Class name and title of a window, as the readout shows them. The title is
// asked for with the window text messages, each bounded in time, so that a
// window whose program has stopped answering cannot hold up the readout.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "platform/desktop.h"
#include "platform/types.h"

namespace vorlix {

// The longest any one text message may keep the readout waiting.
inline constexpr std::chrono::milliseconds kTextMessageTimeout{50};

// A title shows at most this many bytes (a double-byte character across the
// cut loses its second byte). It is also the most characters ever asked for.
inline constexpr std::size_t kTitleByteLimit = 1000;

struct WindowDescriptor {
  NativeHandle handle = 0;  // 0: no window
  std::string class_name;   // ANSI code page; empty when unknown
  std::string title;        // ANSI code page, at most kTitleByteLimit bytes
};

// Never blocks longer than two text messages' time-outs. A window that does
// not answer in time shows the caption the system stores for it instead.
WindowDescriptor DescribeWindow(Desktop& desktop, NativeHandle window);

}  // namespace vorlix
