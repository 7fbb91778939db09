// The text files: volume presets, custom data table, custom comments, LAN settings.
#include <gtest/gtest.h>

#include <array>

#include "tools/stickgen/CustomComments.h"
#include "tools/stickgen/CustomDataTable.h"
#include "tools/stickgen/VolumeConfig.h"
#include "tools/stickgen/WlanSettings.h"

namespace morvane::stickgen {
namespace {

// Every LF is preceded by CR, every CR followed by LF, and the text ends with CR LF.
bool isCrLfText(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            return false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))
            return false;
    }
    return text.ends_with("\r\n");
}

TEST(VolumeConfig, DefaultPresetIsTheSix82ByteLines)
{
    const std::string text = encodeVolumeConfig(kDefaultVolumeWords);
    EXPECT_EQ(text, "0x8000 0x8000\r\n0xE700 0xE400\r\n0xF600 0xF300\r\n0xFE00 0xFB00\r\n"
                    "MIDI_Master_Tune:8\r\n\r\n");
    EXPECT_EQ(text.size(), 82u);
}

TEST(VolumeConfig, CompanionIsTheWordLess0x300ButNeverBelow0x8000)
{
    EXPECT_EQ(encodeVolumeConfig({0x8000, 0xC100, 0x8200, 0xFF00}),
              "0x8000 0x8000\r\n0xC100 0xBE00\r\n0x8200 0x8000\r\n0xFF00 0xFC00\r\n"
              "MIDI_Master_Tune:8\r\n\r\n");
}

TEST(TextFiles, EndEveryLineWithCrLf)
{
    const std::array<TableRow, 1> rows{{{"a", "b", "c", "d", "e", "f"}}};
    const std::array<WlanSetting, 2> settings{{{"ESSID", "SAMPLE"}, {"DHCP", "1"}}};
    EXPECT_TRUE(isCrLfText(encodeCustomDataTable({"h0", "h1", "h2", "h3", "h4", "h5"}, rows)));
    EXPECT_TRUE(isCrLfText(encodeCustomComments("Rex")));
    EXPECT_TRUE(isCrLfText(encodeWlanSettings(settings)));
}

TEST(CustomDataTable, WritesHeadingThenRowsWithTabSeparatedFields)
{
    const std::array<TableRow, 2> rows{{{"a", "b", "c", "d", "e", "f"}, {"1", "2", "3", "4", "5", "6", "7"}}};
    EXPECT_EQ(encodeCustomDataTable({"H"}, rows), "H\r\na\tb\tc\td\te\tf\r\n1\t2\t3\t4\t5\t6\t7\r\n");
}

}  // namespace
}  // namespace morvane::stickgen
