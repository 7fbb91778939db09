// The program's paths are UTF-8 text; std::filesystem spells them natively (wide on
// Windows). These convert between the two, the same on every system.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {

std::filesystem::path utf8Path(std::string_view text);
std::string utf8Text(const std::filesystem::path& path);

}  // namespace morvane
