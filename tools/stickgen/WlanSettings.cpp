// The LAN files are plain KEY=value lines, in the order given.
#include "tools/stickgen/WlanSettings.h"

#include <vector>

#include "tools/stickgen/CrLfText.h"

namespace morvane::stickgen {

std::string encodeWlanSettings(std::span<const WlanSetting> settings)
{
    std::vector<std::string> lines;
    for (const WlanSetting& setting : settings)
        lines.push_back(setting.key + "=" + setting.value);
    return joinCrLfLines(lines);
}

}  // namespace morvane::stickgen
