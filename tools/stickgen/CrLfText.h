// The robot's text files: lines ended by CR LF.
#pragma once

#include <span>
#include <string>

namespace morvane::stickgen {

// Each line followed by CR LF, the last one included.
std::string joinCrLfLines(std::span<const std::string> lines);

}  // namespace morvane::stickgen
