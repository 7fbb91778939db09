// The section header and the name line, in the upper case the robot's tools write.
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
