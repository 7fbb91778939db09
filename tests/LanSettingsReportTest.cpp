// The LAN settings report: every wireless LAN file found, copied line by line.
#include <gtest/gtest.h>

#include "reports/ReportNodes.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

Lines lanReport(const test::TempStick& stick)
{
    MemoryInfoList list;
    StickRoot root = stick.stickRoot();
    EXPECT_TRUE(LanSettingsNode().dump(nullptr, list, root));
    return list.lines();
}

TEST(LanSettingsReport, NoFileAtAll)
{
    test::TempStick stick;
    EXPECT_EQ(lanReport(stick), (Lines{"No LAN configuration files detected"}));
}

TEST(LanSettingsReport, OneAiboWareFileHasNoSeparator)
{
    test::TempStick stick;
    stick.write("OPEN-R/SYSTEM/CONF/WLAN/HTML/wlanconf.txt", "ESSID=home\r\nDHCP=1\r\n");
    EXPECT_EQ(lanReport(stick),
              (Lines{"OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANCONF.TXT", "",
                     "Current LAN Settings for AiboWare stick\n", "    ESSID=home\n", "    DHCP=1\n", ""}));
}

TEST(LanSettingsReport, DefaultBeforeCurrentWithASeparatorAndEmptyFilesKept)
{
    test::TempStick stick;
    stick.write("OPEN-R/SYSTEM/CONF/WLANCONF.TXT", "");
    stick.write("OPEN-R/SYSTEM/CONF/WLANDFLT.TXT", "IP=10.0.0.2");
    EXPECT_EQ(lanReport(stick),
              (Lines{"OPEN-R\\SYSTEM\\CONF\\WLANDFLT.TXT", "", "Default LAN Settings for Open-R SDK stick\n",
                     "    IP=10.0.0.2", "", "----------------", "OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT", "",
                     "Current LAN Settings for Open-R SDK stick\n", ""}));
}

// The robot's settings page may leave the file with LF line ends: every setting is still
// a line of its own, never a value cut where a read of 123 bytes ends.
TEST(LanSettingsReport, LfLineEndsGiveOneLinePerSetting)
{
    test::TempStick stick;
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += "COMMENT" + std::to_string(i) + "=padding\n";
    text += "NETMASK=255.255.255.0\nGATEWAY=10.0.1.1\n";
    stick.write("OPEN-R/SYSTEM/CONF/WLAN/HTML/WLANCONF.TXT", text);
    const Lines lines = lanReport(stick);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[14], "    COMMENT11=padding\n");
    EXPECT_EQ(lines[15], "    NETMASK=255.255.255.0\n");
    EXPECT_EQ(lines[16], "    GATEWAY=10.0.1.1\n");
}

TEST(LanSettingsReport, LongLinesComeInPiecesOf123Characters)
{
    test::TempStick stick;
    stick.write("OPEN-R/SYSTEM/CONF/WLANDFLT.TXT", std::string(130, 'k') + "\r\n");
    const Lines lines = lanReport(stick);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "    " + std::string(123, 'k'));
    EXPECT_EQ(lines[4], "    kkkkkkk\n");
}

TEST(LanSettingsReport, ABigFileIsCopiedLineByLine)
{
    test::TempStick stick;
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "KEY" + std::to_string(i) + "=value\r\n";
    stick.write("OPEN-R/SYSTEM/CONF/WLANDFLT.TXT", text);
    const Lines lines = lanReport(stick);
    ASSERT_EQ(lines.size(), 20000u + 4u);
    EXPECT_EQ(lines[3], "    KEY0=value\n");
    EXPECT_EQ(lines[20002], "    KEY19999=value\n");
}

// A damaged compressed file is not shown as an empty one: the report names the failure and
// fails, while the other files are still copied.
TEST(LanSettingsReport, ADamagedCompressedFileIsNamedAndFailsTheReport)
{
    test::TempStick stick;
    stick.write("OPEN-R/SYSTEM/CONF/WLANDFLT.TXT", "IP=10.0.0.2\r\n");
    const std::string gzipHeader("\x1f\x8b\x08\x00\0\0\0\0\0\x03", 10);
    stick.write("OPEN-R/SYSTEM/CONF/WLANCONF.TXT", gzipHeader + "not a deflate stream at all");
    MemoryInfoList list;
    StickRoot root = stick.stickRoot();
    EXPECT_FALSE(LanSettingsNode().dump(nullptr, list, root));
    EXPECT_EQ(list.lines(),
              (Lines{"OPEN-R\\SYSTEM\\CONF\\WLANDFLT.TXT", "", "Default LAN Settings for Open-R SDK stick\n",
                     "    IP=10.0.0.2\n", "", "----------------", "OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT", "",
                     "Current LAN Settings for Open-R SDK stick\n",
                     "    ERROR: the file cannot be read from here on", ""}));
}

}  // namespace
}  // namespace morvane
