// The section header and the name line, in upper case, as a stick written by the robot holds them.
#include "tools/stickgen/CustomComments.h"

#include <array>

#include "tools/stickgen/CrLfText.h"

namespace morvane::stickgen {

std::string encodeCustomComments(std::string_view personalityName)
{
    const std::array<std::string, 2> lines{"[CUSTOM]", "NAME=" + std::string(personalityName)};
    return joinCrLfLines(lines);
}

}  // namespace morvane::stickgen
