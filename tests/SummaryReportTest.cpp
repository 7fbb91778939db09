// The Summary report: the full overview line by line, and the rules behind its lines.
#include <gtest/gtest.h>

#include <limits>

#include "reports/GlobalVarSlots.h"
#include "reports/ReportNodes.h"
#include "reports/SummaryText.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/HardwareIdFile.h"
#include "tools/stickgen/ScrambledVarFile.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

class SummaryReportTest : public test::InStickDirectory {
protected:
    // The example robot: AiboMind in English, grown up, named, with a hardware id.
    void SetUp() override
    {
        InStickDirectory::SetUp();
        stick.writeMarker();
        writeLanguage(3);
        stick.write("OPEN-R/APP/DATA/E/HMMDATA.BIN", std::string(239456, 'h'));
        flash[3] = 10000;
        flash[5] = 5000;
        flash[7] = 7500;
        flash[8] = 2500;
        flash[10] = 1201;
        writeFlash();
        globals[gvar::wakeHour] = 7;
        globals[gvar::wakeMinute] = 5;
        globals[gvar::lastRunYear] = 4;
        globals[gvar::lastRunMonth] = 11;
        globals[gvar::lastRunDay] = 3;
        writeGlobals();
        stick.write("OPEN-R/APP/DATA/P/ARRMAIN.BIN", "arrc");
        stick.write("OPEN-R/SYSTEM/DATA/P/AIBO-ID", stickgen::encodeHardwareIdFile(0x12345678));
    }

    void writeLanguage(std::optional<std::uint8_t> code)
    {
        std::optional<LanguagePayload> language;
        if (code)
            language = LanguagePayload{*code, 0, 0, 0};
        stick.write("OPEN-R/APP/VERSION", stickgen::encodeVersionFile({"", {0, 1, 0x70, 0xFF}, language}));
    }
    void writeFlash() { stick.write("OPEN-R/APP/DATA/P/FVAR", stickgen::encodeFlashVarFile(flash)); }
    void writeGlobals()
    {
        stick.write("OPEN-R/APP/DATA/P/GVAR",
                    stickgen::encodeScrambledVarFile(kGlobalVars128Layout, globals));
    }

    Lines summary(bool expectedResult = true)
    {
        MemoryInfoList list;
        list.addLine("left over from the last report");
        StickRoot root = stick.stickRoot();
        EXPECT_EQ(SummaryNode().dump(nullptr, list, root), expectedResult);
        return list.lines();
    }

    // The lines from the first that starts with `prefix` on, `count` of them.
    Lines linesFrom(const Lines& lines, std::string_view prefix, std::size_t count)
    {
        auto it = std::find_if(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
        if (it == lines.end())
            return {};
        return Lines(it, std::min(lines.end(), it + static_cast<std::ptrdiff_t>(count)));
    }

    stickgen::FlashVarValues flash{};
    std::array<std::int32_t, 128> globals{};
};

TEST_F(SummaryReportTest, TheExampleRobotLineByLine)
{
    EXPECT_EQ(summary(), (Lines{"Summary:",
                                "",
                                "Browsing OpenR from " + stick.rootPath(),
                                "Version: ERS-7 AiboMind V1/V2/V3",
                                "Language: English",
                                "",
                                "Maturity Level = 100%",
                                "Walking Skill Level = 50%",
                                "Pink Ball Skill Level = 75%",
                                "AIBOne Skill Level = 25%",
                                "",
                                "Active time = 600 minutes",
                                "Personality = I am a curious AIBO",
                                "",
                                "AiboMind2/3",
                                "Wakeup:  7:05 AM",
                                "Last run: 2004.11.03 (yyyy.mm.dd)",
                                "",
                                "AIBO has been named",
                                " (click on Name / Owner)",
                                "",
                                "Hardware AIBOID: 12345678",
                                ""}));
}

TEST_F(SummaryReportTest, VoiceDataIsCheckedOnlyForJapaneseAndEnglish)
{
    writeLanguage(2);
    EXPECT_EQ(linesFrom(summary(), "Language:", 2),
              (Lines{"Language: Japanese", " WARNING: Voice recognition does not match language"}));
    writeLanguage(4);
    EXPECT_EQ(linesFrom(summary(), "Language:", 2), (Lines{"Language: German", ""}));
    std::filesystem::remove(stick.dir() / "OPEN-R/APP/DATA/E/HMMDATA.BIN");
    writeLanguage(2);
    EXPECT_EQ(linesFrom(summary(), "Language:", 2), (Lines{"Language: Japanese", ""}));
}

TEST_F(SummaryReportTest, AStickWithoutLanguageShowsQuestionMarks)
{
    writeLanguage(std::nullopt);
    EXPECT_EQ(linesFrom(summary(), "Language:", 2), (Lines{"Language:  ???", ""}));
}

TEST_F(SummaryReportTest, ARobotThatHasNotGrownUpIgnoresCommands)
{
    flash[3] = 9999;
    flash[10] = -3;
    writeFlash();
    const Lines lines = summary();
    EXPECT_EQ(linesFrom(lines, "Maturity", 2),
              (Lines{"Maturity Level = 99.99%", "  AIBO ignores most commands"}));
    EXPECT_EQ(linesFrom(lines, "Active", 1), (Lines{"Active time = -1 minutes"}));
    flash[3] = -1;
    writeFlash();
    EXPECT_EQ(linesFrom(summary(), "Maturity", 2),
              (Lines{"Maturity Level = bad value -1", "  AIBO ignores most commands"}));
}

TEST_F(SummaryReportTest, MissingOrDamagedVariableFilesSayWhereSettingsComeFrom)
{
    stick.write("OPEN-R/APP/DATA/P/FVAR", "FVAR too short");
    std::vector<std::uint8_t> gvar = stickgen::encodeScrambledVarFile(kGlobalVars128Layout, globals);
    gvar.back() ^= 1;
    stick.write("OPEN-R/APP/DATA/P/GVAR", gvar);
    const Lines lines = summary();
    EXPECT_EQ(linesFrom(lines, "No FVAR", 3),
              (Lines{"No FVAR file", " (settings will be taken from AIBO Flash ROM)", ""}));
    EXPECT_EQ(linesFrom(lines, "No GVAR", 2), (Lines{"No GVAR file", ""}));
}

TEST_F(SummaryReportTest, AlarmAndBedTimeAndTheOldGlobalLayout)
{
    globals[gvar::alarmSet] = 1;
    globals[gvar::wakeHour] = 12;
    globals[gvar::wakeMinute] = 0;
    globals[gvar::bedHour] = 23;
    globals[gvar::bedMinute] = 59;
    stick.write("OPEN-R/APP/DATA/P/GVAR", stickgen::encodeScrambledVarFile(kGlobalVars64Layout, globals));
    EXPECT_EQ(linesFrom(summary(), "AiboMind", 5),
              (Lines{"AiboMind1", "Alarm Set", "Wakeup: 12:00 AM", "BedTime: 11:59 PM",
                     "Last run: 2004.11.03 (yyyy.mm.dd)"}));
}

TEST_F(SummaryReportTest, AnyStoredYearPrintsAsItselfPlus2000)
{
    globals[gvar::lastRunYear] = std::numeric_limits<std::int32_t>::max();
    globals[gvar::lastRunMonth] = 1;
    globals[gvar::lastRunDay] = 2;
    stick.write("OPEN-R/APP/DATA/P/GVAR", stickgen::encodeScrambledVarFile(kGlobalVars128Layout, globals));
    EXPECT_EQ(linesFrom(summary(), "Last run:", 1), (Lines{"Last run: 2147485647.01.02 (yyyy.mm.dd)"}));
}

TEST_F(SummaryReportTest, CustomPersonalityAndDataTable)
{
    stick.write("CUSTOM/COMMENTS.INI", "[custom]\r\nname= Rex \r\n");
    stick.write(
        "OPEN-R/APP/DATA/P/CUS.CFG",
        "heading\r\na\tb\tc\td\te\tf\r\nA\tB\tC\tD\tE\tF\tG\r\n1\t2\t3\t4\t5\r\nx\tx\tx\tx\tx\tx\r\n");
    EXPECT_EQ(linesFrom(summary(), "Custom personality", 6),
              (Lines{"Custom personality:  Rex ", "", "Aibo Custom Data:", "  c=e (a)", "  C=E (A)", ""}));
}

TEST_F(SummaryReportTest, TheCustomNameCountsOnlyInsideItsSection)
{
    for (const char* text : {"NAME=Rex\r\n[CUSTOM]\r\n", "[CUSTOM]\r\n[other]\r\nNAME=Rex\r\n",
                             "[Custom]\r\nNAME=Rex\r\n", "[custom]\r\nNickname=Rex\r\n"}) {
        stick.write("CUSTOM/COMMENTS.INI", text);
        EXPECT_TRUE(linesFrom(summary(), "Custom personality", 1).empty()) << text;
    }
    stick.write("CUSTOM/COMMENTS.INI", "[CUSTOM]\r\nNAME=first\r\nNAME=second\r\n");
    EXPECT_EQ(linesFrom(summary(), "Custom personality", 1), (Lines{"Custom personality: first"}));
    stick.write("CUSTOM/COMMENTS.INI", "[CUSTOM]\nNAME=Clockwork Terrier\n");
    EXPECT_EQ(linesFrom(summary(), "Custom personality", 1),
              (Lines{"Custom personality: Clockwork Terrier"}));
}

TEST_F(SummaryReportTest, ADamagedCompressedDataTableIsNotShownAsAnEmptyOne)
{
    const std::string gzipHeader("\x1f\x8b\x08\x00\0\0\0\0\0\x03", 10);
    stick.write("OPEN-R/APP/DATA/P/CUS.CFG", gzipHeader + "not a deflate stream at all");
    EXPECT_EQ(linesFrom(summary(), "Aibo Custom Data:", 3),
              (Lines{"Aibo Custom Data:", "  ERROR: the file cannot be read from here on", ""}));
}

TEST_F(SummaryReportTest, AHeadingOnlyDataTableIsJustItsTitle)
{
    stick.write("OPEN-R/APP/DATA/P/CUS.CFG", "heading only\r\n");
    EXPECT_EQ(linesFrom(summary(), "Aibo Custom Data:", 3),
              (Lines{"Aibo Custom Data:", "", "Maturity Level = 100%"}));
}

TEST_F(SummaryReportTest, HardwareIdentifiers)
{
    stick.write("OPEN-R/SYSTEM/DATA/P/AIBO-ID", stickgen::encodeHardwareIdFile(0x0030081B));
    EXPECT_EQ(linesFrom(summary(), "Hardware", 3),
              (Lines{"Hardware AIBOID: 0030081B", "Last run in ERS-7 Larkspin - Quillfen#13", ""}));
    stick.write("OPEN-R/SYSTEM/DATA/P/AIBO-ID", std::string("abc"));
    const Lines lines = summary();
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(lines[lines.size() - 2], " (click on Name / Owner)");
}

TEST_F(SummaryReportTest, ScenesAndAnUnnamedRobot)
{
    std::filesystem::remove(stick.dir() / "OPEN-R/APP/DATA/P/ARRMAIN.BIN");
    stick.write("OPEN-R/APP/DATA/P/ESCENE.BIN", "");
    EXPECT_EQ(linesFrom(summary(), "AIBO has", 3),
              (Lines{"AIBO has not been named", "AIBO has memorized one or more scenes!", ""}));
}

TEST_F(SummaryReportTest, AStickThatWentAwayIsReportedNotSummarised)
{
    std::filesystem::remove(stick.dir() / "MEMSTICK.IND");
    EXPECT_EQ(summary(false),
              (Lines{"Summary:", "", "Error getting memory stick status", "can't open memstick.ind"}));
}

TEST(SummaryText, PercentTexts)
{
    EXPECT_EQ(formatPercent("x %s y", 10000), "x 100% y");
    EXPECT_EQ(formatPercent("%s", 9999), "99.99%");
    EXPECT_EQ(formatPercent("%s", 1250), "12.50%");
    EXPECT_EQ(formatPercent("%s", 5), "0.05%");
    EXPECT_EQ(formatPercent("%s", 0), "0%");
    EXPECT_EQ(formatPercent("%s", 10001), "bad value 10001");
    EXPECT_EQ(formatPercent("%s", -2147483647 - 1), "bad value -2147483648");
}

TEST(SummaryText, ClockTexts)
{
    EXPECT_EQ(formatClockTime(7, 5), " 7:05 AM");
    EXPECT_EQ(formatClockTime(13, 30), " 1:30 PM");
    EXPECT_EQ(formatClockTime(23, 59), "11:59 PM");
    EXPECT_EQ(formatClockTime(12, 0), "12:00 AM");
}

TEST(SummaryText, PersonalityRule)
{
    FlashVars vars;
    auto with = [&](std::int32_t ball, std::int32_t bone, std::int32_t skill4, std::int32_t walk,
                    std::int32_t future9) {
        vars[FlashVarSlot::ballSkill] = ball;
        vars[FlashVarSlot::boneSkill] = bone;
        vars[FlashVarSlot::skill4] = skill4;
        vars[FlashVarSlot::walkSkill] = walk;
        vars[FlashVarSlot::futureSkill9] = future9;
        return std::string(personalityText(vars));
    };
    EXPECT_EQ(with(7500, 2500, 0, 5000, 0), "I am a curious AIBO");
    EXPECT_EQ(with(7500, 2500, 0, 0, 1000), "I am a fine spoiled AIBO");
    EXPECT_EQ(with(2500, 2500, 0, 5000, 0), "I am a respectable AIBO");
    EXPECT_EQ(with(5000, 0, 6000, 0, 1000), "I am a smart affectionate AIBO");
    EXPECT_EQ(with(0, -1, -2147483647 - 1, -2147483647 - 1, -2147483647 - 1), "I am a curious AIBO");
}

}  // namespace
}  // namespace morvane
