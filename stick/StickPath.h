// Joining a stick-relative path onto the stick root, and writing one as messages show it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane {

// The longest joined path a stick file may have, in bytes; longer paths cannot be opened.
inline constexpr std::size_t kMaxStickPath = 255;

std::string joinStickPath(std::string_view rootPath, std::string_view relativePath);

// A stick path as messages show it, with '/' between its parts ("OPEN-R/APP/PC/VOICE/0000.WAV").
std::string slashedStickPath(std::string path);

}  // namespace morvane
