// Encoder of the wireless LAN files WLANDFLT.TXT and WLANCONF.TXT.
#pragma once

#include <span>
#include <string>

namespace morvane::stickgen {

struct WlanSetting {
    std::string key;
    std::string value;
};

// One KEY=value line per setting, as CR LF text.
std::string encodeWlanSettings(std::span<const WlanSetting> settings);

}  // namespace morvane::stickgen
