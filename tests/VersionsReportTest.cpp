// The versions report: every VERSION file gets its title and two value lines or one error.
#include <gtest/gtest.h>

#include "reports/ReportNodes.h"
#include "reports/VersionsReport.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::uint8_t> versionFile(std::string comment = "x")
{
    return stickgen::encodeVersionFile(
        {std::move(comment), {0, 1, 112, 200, 0, 255, 7, 8}, LanguagePayload{3, 128, 0, 1}});
}

class VersionsReportTest : public test::InStickDirectory {
protected:
    Lines dumpOne(const std::vector<std::uint8_t>& bytes)
    {
        stick.write("ONE", bytes);
        auto stream = StickStream::open("ONE", "rb");
        MemoryInfoList list;
        dumpVersionFile(stream.get(), "App Version:", list);
        return list.lines();
    }
};

TEST_F(VersionsReportTest, PrintsEveryPayloadByteFromZeroTo255)
{
    EXPECT_EQ(dumpOne(versionFile()),
              (Lines{"App Version:", "   vers: 0 1 112 200 0 255 7 8", "   cncd: 3 128 0 1"}));
    EXPECT_EQ(dumpOne(versionFile("")),
              (Lines{"App Version:", "   vers: 0 1 112 200 0 255 7 8", "   cncd: 3 128 0 1"}));
}

TEST_F(VersionsReportTest, EachDefectGivesExactlyOneErrorLine)
{
    std::vector<std::uint8_t> formatTwo = versionFile();
    formatTwo[4] = 2;
    std::vector<std::uint8_t> versionLength7 = versionFile("");
    versionLength7[20] = 7;
    std::vector<std::uint8_t> languageLength5 = versionFile("");
    languageLength5[36] = 5;
    std::vector<std::uint8_t> farComment = versionFile("");
    farComment[15] = 0x7F;
    const std::vector<std::uint8_t> complete = versionFile("");
    const std::vector<std::uint8_t> cut(complete.begin(), complete.end() - 1);
    const std::vector<std::uint8_t> tiny(complete.begin(), complete.begin() + 10);

    EXPECT_EQ(dumpOne(tiny), (Lines{"App Version:", "   ERROR: file too small"}));
    EXPECT_EQ(dumpOne(formatTwo), (Lines{"App Version:", "   ERROR: file unknown format"}));
    EXPECT_EQ(dumpOne(cut), (Lines{"App Version:", "   ERROR: file too small (pt2)"}));
    EXPECT_EQ(dumpOne(farComment), (Lines{"App Version:", "   ERROR: file too small (pt2)"}));
    EXPECT_EQ(dumpOne(versionLength7), (Lines{"App Version:", "   ERROR: file unknown format (VERS)"}));
    EXPECT_EQ(dumpOne(languageLength5), (Lines{"App Version:", "   ERROR: file unknown format (CNCD)"}));
    const std::vector<std::uint8_t> damagedGzip{0x1f, 0x8b, 0x08, 0, 0, 0, 0, 0, 0, 3, 'n', 'o', 't'};
    EXPECT_EQ(dumpOne(damagedGzip), (Lines{"App Version:", "   ERROR: file cannot be read"}));
}

TEST_F(VersionsReportTest, ReportsAllFourFilesAndAlwaysSucceeds)
{
    stick.write("OPEN-R/APP/VERSION", versionFile());
    stick.write("OPEN-R/mw/Version", std::string("VERS"));
    stick.write("OPEN-R/SYSTEM/VERSION", versionFile());
    MemoryInfoList list;
    StickRoot root;
    EXPECT_TRUE(VersionsNode().dump(nullptr, list, root));
    EXPECT_EQ(list.lines(), (Lines{"App Version:", "   vers: 0 1 112 200 0 255 7 8", "   cncd: 3 128 0 1",
                                   "MW Version:", "   ERROR: file too small",
                                   "System Version:", "   vers: 0 1 112 200 0 255 7 8", "   cncd: 3 128 0 1",
                                   "Custom Version:", "   ERROR: file missing", ""}));
}

}  // namespace
}  // namespace morvane
