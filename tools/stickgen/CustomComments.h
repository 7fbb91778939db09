// Encoder of custom\comments.ini, which names an installed custom personality.
#pragma once

#include <string>
#include <string_view>

namespace morvane::stickgen {

// A [CUSTOM] section whose NAME= line holds `personalityName`, as CR LF text.
std::string encodeCustomComments(std::string_view personalityName);

}  // namespace morvane::stickgen
