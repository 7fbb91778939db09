// The dumps of GVAR, FVAR, RVAR and DVAR, run through the report tree as the window runs them.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "reports/ReportTree.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/ScrambledVarFile.h"
#include "ui/MemoryTreeControl.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

class NoWaitCursor : public WaitCursor {
public:
    void begin() override {}
    void end() override {}
};

class VarFileReportTest : public test::InStickDirectory {
protected:
    void SetUp() override
    {
        InStickDirectory::SetUp();
        buildReportTree(tree);
    }
    void TearDown() override { releaseReportTree(tree); }

    // The list after selecting the entry titled `title`.
    Lines report(std::string_view title)
    {
        for (TreeControl::Item item : tree.itemsInDisplayOrder()) {
            if (tree.title(item) == title)
                tree.select(item);
        }
        MemoryInfoList list;
        StickRoot root = stick.stickRoot();
        NoWaitCursor cursor;
        showSelectedReport(tree, list, cursor, root);
        return list.lines();
    }

    // The layout's file with the given values at their indices and zeros elsewhere.
    Bytes scrambled(const VarFileLayout& layout,
                    std::initializer_list<std::pair<std::size_t, std::int32_t>> set)
    {
        std::vector<std::int32_t> values(layout.valueCount());
        for (const auto& [index, value] : set)
            values[index] = value;
        Bytes file = stickgen::encodeScrambledVarFile(layout, values);
        stick.write(layout.path, file);
        return file;
    }

    MemoryTreeControl tree;
};

const std::string kGvarHeading = "Dump of file OPEN-R\\APP\\DATA\\P\\GVAR";
const std::string kFvarHeading = "Dump of file OPEN-R\\APP\\DATA\\P\\FVAR";
const std::string kRvarHeading = "Dump of file OPEN-R\\APP\\DATA\\P\\RVAR";
const std::string kDvarHeading = "Dump of file OPEN-R\\APP\\DATA\\P\\DVAR";

TEST_F(VarFileReportTest, GlobalsNameTheirLayoutAndShowOnlyNonZeroValuesOfAGoodFile)
{
    scrambled(kGlobalVars64Layout, {{0, 7}, {10, 23}, {63, -5}});
    EXPECT_EQ(report("global variables"), (Lines{kGvarHeading, "", "AiboMind1 Globals", "Non-Zero Values",
                                                 "G{0} = 7", "G{10} = 23", "G{63} = -5", ""}));
    scrambled(kGlobalVars128Layout, {{127, -2147483647 - 1}});
    EXPECT_EQ(report("global variables"), (Lines{kGvarHeading, "", "AiboMind2/3 Globals", "Non-Zero Values",
                                                 "G{127} = -2147483648", ""}));
    Bytes file = scrambled(kGlobalVars64Layout, {});
    EXPECT_EQ(report("global variables"),
              (Lines{kGvarHeading, "", "AiboMind1 Globals", "Non-Zero Values", ""}));
    file.back() ^= 0x01;
    stick.write(kGlobalVars64Layout.path, file);
    EXPECT_EQ(report("global variables"),
              (Lines{kGvarHeading, "", "bad or missing GVAR file", "", "Error dumping file"}));
}

TEST_F(VarFileReportTest, FlashVariablesShowTheLabelledSlotsThenTheUnexpectedOnes)
{
    stickgen::FlashVarValues values{};
    values[3] = 10000;
    values[10] = -12;
    values[63] = 1;
    values[20] = 4;
    stick.write("OPEN-R/APP/DATA/P/FVAR", stickgen::encodeFlashVarFile(values));
    EXPECT_EQ(report("flash variables"), (Lines{kFvarHeading,
                                                "",
                                                " 0: Flag0 = 0",
                                                " 1: Flag1 = 0",
                                                " 2: Flag2 = 0",
                                                " 3: Baby Skill Level = 10000",
                                                " 4: Skill4 Level = 0",
                                                " 5: Walk Skill Level = 0",
                                                " 6: Future Skill 6 = 0",
                                                " 7: Ball Skill Level = 0",
                                                " 8: Bone Skill Level = 0",
                                                " 9: Future Skill 9 = 0",
                                                "10: time counter (1/2 min) = -12",
                                                "11: TBD = 0",
                                                "12: TBD = 0",
                                                "13: TBD = 0",
                                                "14: TBD = 0",
                                                "15: TBD = 0",
                                                "16: TBD = 0",
                                                "17: TBD = 0",
                                                "",
                                                "F{20} = 4 -- UNEXPECTED",
                                                "F{63} = 1 -- UNEXPECTED"}));
    Bytes foreign = stickgen::encodeFlashVarFile({});
    foreign[0] = 'f';
    Bytes shortFile = stickgen::encodeFlashVarFile({});
    shortFile.pop_back();
    for (const Bytes& file : {foreign, shortFile}) {
        stick.write("OPEN-R/APP/DATA/P/FVAR", file);
        EXPECT_EQ(report("flash variables"),
                  (Lines{kFvarHeading, "", "bad FVAR file", "", "Error dumping file"}));
    }
}

TEST_F(VarFileReportTest, RAndDiaryVariablesShowOnlyNonZeroValuesWithoutHeadings)
{
    scrambled(kRVarsLayout, {{31, -9}});
    EXPECT_EQ(report("r variables (mind2/3)"), (Lines{kRvarHeading, "", "R{31} = -9"}));
    scrambled(kDiaryVarsLayout, {{0, 1}, {138, 2}});
    EXPECT_EQ(report("diary variables"), (Lines{kDvarHeading, "", "D{0} = 1", "D{138} = 2"}));
    scrambled(kDiaryVarsLayout, {});
    EXPECT_EQ(report("diary variables"), (Lines{kDvarHeading, ""}));
}

TEST_F(VarFileReportTest, RAndDiaryFilesWithAWrongMagicAreNoFiles)
{
    Bytes file = stickgen::encodeScrambledVarFile(kDiaryVarsLayout, {});
    file[3] = 0x0D;
    file.back() ^= 0x2D ^ 0x0D;  // the checksum still matches: only the magic is wrong
    stick.write(kDiaryVarsLayout.path, file);
    EXPECT_EQ(report("diary variables"),
              (Lines{kDvarHeading, "", "no DVAR file", "(only used in Mind3)", "", "Error dumping file"}));
    stick.write(kRVarsLayout.path, file);
    EXPECT_EQ(report("r variables (mind2/3)"),
              (Lines{kRvarHeading, "", "no RVAR file", "", "Error dumping file"}));
}

TEST_F(VarFileReportTest, AMissingFileLeavesOnlyTheTreesWarning)
{
    for (const char* title :
         {"global variables", "flash variables", "r variables (mind2/3)", "diary variables"})
        EXPECT_EQ(report(title),
                  (Lines{"Non-critical warning:", " that file does not exist", " display not available"}))
            << title;
}

}  // namespace
}  // namespace morvane
