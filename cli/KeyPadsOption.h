// --key-pads FILE, which every command takes, before or after its name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvane::cli {

// Takes every "--key-pads FILE" and "--key-pads=FILE" out of `args`, wherever they stand;
// the last one names the file. False, with `error` set, when a FILE is missing.
bool takeKeyPadsOption(std::vector<std::string>& args, std::optional<std::string>& file, std::string& error);

}  // namespace morvane::cli
