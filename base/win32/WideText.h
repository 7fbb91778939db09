// Conversions between the program's UTF-8 text and the wide text of the Win32 API, and
// from the stick's 8-bit text as the system code page reads it.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::wstring widenUtf8(std::string_view text);
std::string narrowToUtf8(std::wstring_view text);
// The stick's 8-bit text as the system code page reads it; where that code page is UTF-8,
// text that is not valid UTF-8 reads as Latin-1.
std::wstring widenCodePage(std::string_view bytes);

}  // namespace morvane
