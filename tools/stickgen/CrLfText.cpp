// Joining lines into the CR LF text that the robot writes.
#include "tools/stickgen/CrLfText.h"

namespace morvane::stickgen {

std::string joinCrLfLines(std::span<const std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

}  // namespace morvane::stickgen
