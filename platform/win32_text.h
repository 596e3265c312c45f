// Text conversions at the Win32 edge: the program's own texts are UTF-8 in
// the source and go to the system as UTF-16; texts of other windows are kept
// as bytes in the ANSI code page, as the ANSI calls would return them.
#pragma once

#include <string>
#include <string_view>

namespace vorlix::win32 {

// UTF-8 (the program's own strings) to UTF-16 for the wide calls.
std::wstring Utf8ToWide(std::string_view utf8);

// UTF-16 to the system's ANSI code page (CP_ACP), as an ANSI call would give.
std::string WideToAnsi(std::wstring_view wide);

}  // namespace vorlix::win32
