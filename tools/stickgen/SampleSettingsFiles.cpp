// The sample stick's settings: a custom personality with its data table, wireless LAN
// settings of an AiboWare stick (made-up network names, addresses and key), the Default
// volume presets and a hardware identifier that is none of the known robots'.
#include "tools/stickgen/SampleStickParts.h"

#include <array>

#include "tools/stickgen/CustomComments.h"
#include "tools/stickgen/CustomDataTable.h"
#include "tools/stickgen/HardwareIdFile.h"
#include "tools/stickgen/VolumeConfig.h"
#include "tools/stickgen/WlanSettings.h"

namespace morvane::stickgen {
namespace {

constexpr std::uint32_t kSampleHardwareId = 0x0031A2C4;

StickImageFile customDataTable()
{
    const TableRow heading{"Group", "No", "Name", "Type", "Value", "Note"};
    const std::array<TableRow, 4> rows{{
        {"Motion", "1", "TailWagSpeed", "int", "3", "how fast the tail wags"},
        {"Sound", "2", "BarkVolume", "int", "2", "volume step of a bark"},
        {"Light", "3", "EarLight", "bool", "1", "ear lights on when happy"},
        {"Mind", "4", "NapLength", "min", "20", "length of a daytime nap"},
    }};
    return {"OPEN-R\\APP\\DATA\\P\\CUS.CFG", textBytes(encodeCustomDataTable(heading, rows))};
}

StickImageFile defaultLanSettings()
{
    const std::array<WlanSetting, 10> settings{{
        {"HOSTNAME", "AIBO"},
        {"ESSID", "AIBONET"},
        {"APMODE", "1"},
        {"CHANNEL", "3"},
        {"WEPENABLE", "0"},
        {"WEPKEY", ""},
        {"DHCP", "1"},
        {"IP", "10.0.1.100"},
        {"NETMASK", "255.255.255.0"},
        {"GATEWAY", "10.0.1.1"},
    }};
    return {"OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANDFLT.TXT", textBytes(encodeWlanSettings(settings))};
}

StickImageFile currentLanSettings()
{
    const std::array<WlanSetting, 11> settings{{
        {"HOSTNAME", "BISCUIT"},
        {"ESSID", "SAMPLE-LAN"},
        {"APMODE", "1"},
        {"CHANNEL", "6"},
        {"WEPENABLE", "1"},
        {"WEPKEY", "0123456789"},
        {"DHCP", "0"},
        {"IP", "192.168.0.57"},
        {"NETMASK", "255.255.255.0"},
        {"GATEWAY", "192.168.0.1"},
        {"DNS", "192.168.0.1"},
    }};
    return {"OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANCONF.TXT", textBytes(encodeWlanSettings(settings))};
}

}  // namespace

std::vector<StickImageFile> sampleSettingsFiles()
{
    return {
        {"custom\\comments.ini", textBytes(encodeCustomComments("Clockwork Terrier"))},
        customDataTable(),
        defaultLanSettings(),
        currentLanSettings(),
        {"OPEN-R\\MW\\CONF\\VOLUME.CFG", textBytes(encodeVolumeConfig(kDefaultVolumeWords))},
        {"OPEN-R\\SYSTEM\\DATA\\P\\AIBO-ID", encodeHardwareIdFile(kSampleHardwareId)},
    };
}

}  // namespace morvane::stickgen
