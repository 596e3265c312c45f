// Class name and title of one window, each text message bounded in time.
#include "readout/window_description.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace vorlix {
namespace {

std::string CutTitle(std::string text) {
  if (text.size() > kTitleByteLimit) {
    text.resize(kTitleByteLimit);
  }
  return text;
}

std::string StoredTitle(Desktop& desktop, NativeHandle window) {
  return CutTitle(desktop.StoredCaption(window, kTitleByteLimit));
}

// The length the window reports is not trusted: zero or negative gives an
// empty title, and however large it is, no more than kTitleByteLimit
// characters are asked for.
std::string AskTitle(Desktop& desktop, NativeHandle window) {
  const TextLengthReply length = desktop.TextLength(window, kTextMessageTimeout);
  if (!length.answered) {
    return StoredTitle(desktop, window);
  }
  if (length.length <= 0) {
    return {};
  }
  const auto units = static_cast<std::size_t>(
      std::min<long long>(length.length, static_cast<long long>(kTitleByteLimit)));
  std::optional<std::string> text = desktop.Text(window, units, kTextMessageTimeout);
  if (!text) {
    return StoredTitle(desktop, window);
  }
  return CutTitle(std::move(*text));
}

}  // namespace

WindowDescriptor DescribeWindow(Desktop& desktop, NativeHandle window) {
  WindowDescriptor out;
  out.handle = window;
  if (window == 0) {
    return out;
  }
  std::string class_name = desktop.ClassName(window);
  std::string title = desktop.IsWindow(window) ? AskTitle(desktop, window) : std::string();
  // A window that is gone once the queries are done shows an empty class
  // and title, as no window does: what was read before it went, or the
  // empty answers of a vanished window, would be a half-read description.
  // The handle itself stays as found (it has already been shown).
  if (!desktop.IsWindow(window)) {
    return out;
  }
  out.class_name = std::move(class_name);
  out.title = std::move(title);
  return out;
}

}  // namespace vorlix
