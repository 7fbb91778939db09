// Output paths given on the command line.
#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/CommandLine.h"
#include "stick/StickRoot.h"

namespace morvane::cli {

// An output path given on the command line (UTF-8), made absolute against the current
// directory; taken before the stick is opened, which changes the current directory.
std::filesystem::path outputPath(std::string_view path);

// The path given with option `name` (--out, --png, --against), made absolute as outputPath
// does; none when the option was not given.
std::optional<std::filesystem::path> pathOption(const ParsedArgs& parsed, std::string_view name);

// Whether `output`, given with `option` to `command`, lies inside the open stick, which the
// command only reads: a copy or a picture written there could replace a stick file. If so
// the usage error is reported.
bool outputInsideStick(std::string_view command, std::string_view option,
                       const std::optional<std::filesystem::path>& output, const StickRoot& stick,
                       std::ostream& err);

}  // namespace morvane::cli
