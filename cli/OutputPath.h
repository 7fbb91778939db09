// Output paths given on the command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "cli/CommandLine.h"

namespace morvane::cli {

// An output path given on the command line (UTF-8), made absolute against the current
// directory; taken before the stick is opened, which changes the current directory.
std::filesystem::path outputPath(std::string_view path);

// The path given with option `name` (--out, --png, --against), made absolute as outputPath
// does; none when the option was not given.
std::optional<std::filesystem::path> pathOption(const ParsedArgs& parsed, std::string_view name);

}  // namespace morvane::cli
