// Conversions between the program's UTF-8 text and the wide text of the Win32 API.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

std::wstring widenUtf8(std::string_view text);
std::string narrowToUtf8(std::wstring_view text);

}  // namespace morvane
