// Output paths given on the command line.
#pragma once

#include <filesystem>
#include <string_view>

namespace morvane::cli {

// An output path given on the command line (UTF-8), made absolute against the current
// directory; taken before the stick is opened, which changes the current directory.
std::filesystem::path outputPath(std::string_view path);

}  // namespace morvane::cli
