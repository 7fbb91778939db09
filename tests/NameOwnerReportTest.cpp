// The Name / Owner report: learned voice commands spelled in the stick's phonemes.
#include <gtest/gtest.h>

#include "reports/ReportNodes.h"
#include "reports/ReportTree.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/VoiceCommandFile.h"
#include "ui/MemoryTreeControl.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;
using stickgen::VoiceCommand;

const Lines kEnglishHeading{"Custom Voice Commands:", "", "Language: english",
                            "Phonemes http://morvane.example.org/210/english.htm"};

std::vector<std::uint8_t> encode(const std::vector<VoiceCommand>& commands)
{
    return stickgen::encodeVoiceCommandFile(commands);
}

Lines withHeading(const Lines& heading, const Lines& rest)
{
    Lines all = heading;
    all.insert(all.end(), rest.begin(), rest.end());
    return all;
}

class NameOwnerReportTest : public test::InStickDirectory {
protected:
    void writeCommands(const std::vector<VoiceCommand>& commands) { writeBytes(encode(commands)); }
    void writeBytes(const std::vector<std::uint8_t>& bytes)
    {
        stick.write("OPEN-R/APP/DATA/P/ARRMAIN.BIN", bytes);
    }

    // Runs the report as the tree does, with the stick's language code.
    bool report(std::int32_t languageCode)
    {
        StickRoot root = stick.stickRoot();
        root.languageCode = languageCode;
        auto file = StickStream::open("OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN", "rb");
        list.addLine("Dump of file OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN");
        return NameOwnerNode().dump(file.get(), list, root);
    }

    MemoryInfoList list;
};

TEST_F(NameOwnerReportTest, SpellsNamesWithEntriesRunTogether)
{
    writeCommands({{1, {2, 11, 27}}, {65537, {}}, {300, {43, 0}}});
    EXPECT_TRUE(report(3));
    EXPECT_EQ(list.lines(), withHeading(kEnglishHeading, {"", "Dog's Registered Name :", "    aa_ n", "",
                                                          "Dog's Registered Name :", "   ", "",
                                                          "Other VCmd #300 :", "    ?43? -"}));
}

TEST_F(NameOwnerReportTest, EightPhonemesToALine)
{
    writeCommands({{256, {2, 2, 2, 2, 2, 2, 2, 2}}, {2, {3, 3, 3, 3, 3, 3, 3, 3, 4}}});
    EXPECT_TRUE(report(1));
    EXPECT_EQ(list.lines(),
              withHeading(kEnglishHeading, {"", "Owner Name :", "    aa aa aa aa aa aa aa aa", "   ", "",
                                            "Other VCmd #2 :", "    ae ae ae ae ae ae ae ae", "    ah"}));
}

TEST_F(NameOwnerReportTest, UsesTheTableOfTheStickLanguage)
{
    writeCommands({{1, {0, 1, 29, 30}}});
    EXPECT_TRUE(report(2));
    EXPECT_EQ(list.lines(), (Lines{"Custom Voice Commands:", "", "Language: japanese",
                                   "Phonemes http://morvane.example.org/210/japanese.htm", "",
                                   "Dog's Registered Name :", "    gap0_1_3 ?30?"}));
    list.clear();
    EXPECT_TRUE(report(5));
    EXPECT_EQ(list.lines()[2], "Language: french");
    EXPECT_EQ(list.lines().back(), "    - -- p s");
}

TEST_F(NameOwnerReportTest, LanguagesWithoutATableCannotBeDumped)
{
    writeCommands({{1, {2}}});
    for (std::int32_t code : {4, 0, -1}) {
        list.clear();
        EXPECT_FALSE(report(code));
        EXPECT_EQ(list.lines(), (Lines{"Custom Voice Commands:", "", "Unknown Language, can not dump"}));
    }
}

TEST_F(NameOwnerReportTest, AFileWithoutRecordsOrAWrongHeaderFails)
{
    std::vector<std::uint8_t> empty = encode({});
    writeBytes(std::vector<std::uint8_t>(empty.begin(), empty.begin() + 16));
    EXPECT_FALSE(report(3));
    EXPECT_EQ(list.lines(), kEnglishHeading);

    empty[0] = 'A';
    writeBytes(empty);
    list.clear();
    EXPECT_FALSE(report(3));
}

TEST_F(NameOwnerReportTest, AMarkerEndsTheListAndLaterBytesAreIgnored)
{
    std::vector<std::uint8_t> bytes = encode({{1, {2}}, {256, {3}}});
    bytes.insert(bytes.end(), 40, 0xEE);
    writeBytes(bytes);
    EXPECT_TRUE(report(3));
    EXPECT_EQ(list.lines().size(), kEnglishHeading.size() + 6);
}

TEST_F(NameOwnerReportTest, ACutShortItemKeepsWhatWasWrittenAndFails)
{
    std::vector<std::uint8_t> bytes = encode({{1, {2}}, {256, {3, 3, 3, 3, 3, 3, 3, 3, 4, 4}}});
    bytes.resize(bytes.size() - 16 - 4);  // drop the end marker and half of the last item
    writeBytes(bytes);
    EXPECT_FALSE(report(3));
    EXPECT_EQ(list.lines(), withHeading(kEnglishHeading, {"", "Dog's Registered Name :", "    aa", "",
                                                          "Owner Name :", "    ae ae ae ae ae ae ae ae"}));
}

TEST_F(NameOwnerReportTest, AHugeItemCountStopsAtTheEndOfTheFile)
{
    std::vector<std::uint8_t> bytes = encode({{1, {2, 3}}});
    bytes.resize(bytes.size() - 16);
    bytes[16 + 12] = 0xFF;
    bytes[16 + 13] = 0xFF;
    bytes[16 + 14] = 0xFF;
    bytes[16 + 15] = 0x7F;
    writeBytes(bytes);
    EXPECT_FALSE(report(3));
}

TEST_F(NameOwnerReportTest, TheTreeClearsItsHeadingFirst)
{
    writeCommands({{1, {2}}});
    MemoryTreeControl tree;
    buildReportTree(tree);
    tree.select(*tree.nextSibling(*tree.firstChild(TreeControl::kTopLevel)));
    StickRoot root = stick.stickRoot();
    root.languageCode = 3;
    class NoCursor : public WaitCursor {
        void begin() override {}
        void end() override {}
    } cursor;
    EXPECT_EQ(showSelectedReport(tree, list, cursor, root), ReportOutcome::Produced);
    EXPECT_EQ(list.lines().front(), "Custom Voice Commands:");
    releaseReportTree(tree);
}

}  // namespace
}  // namespace morvane
