// The window program's start-up: the command line, the drive scan and the open loop,
// against the scripted window system.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/Startup.h"
#include "app/StartupCommandLine.h"
#include "app/StickFileChoice.h"
#include "stick/OsFile.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

using Log = std::vector<std::string>;

const std::string kNoMarker = "message: Stick Open Error: can't open memstick.ind";

// A development stick: the marker and a system VERSION file are all detection needs.
void makeAcceptable(const test::TempStick& stick)
{
    stick.writeMarker();
    stick.write("OPEN-R/SYSTEM/VERSION", "any");
}

std::string markerOf(const test::TempStick& stick) { return (stick.dir() / "MEMSTICK.IND").string(); }

// The search roots of the Windows program, on every system.
std::vector<std::string> driveRoots()
{
    std::vector<std::string> roots;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        roots.push_back(std::string(1, letter) + ":\\");
    return roots;
}

TEST(StartupCommandLine, SkipsBlanksAndTheSwitchAndKeepsTheRestUnchanged)
{
    EXPECT_EQ(stickDirectoryArgument(""), "");
    EXPECT_EQ(stickDirectoryArgument("   "), "");
    EXPECT_EQ(stickDirectoryArgument("/v"), "");
    EXPECT_EQ(stickDirectoryArgument("  /v  "), "");
    EXPECT_EQ(stickDirectoryArgument("/vE:\\images\\stick"), "E:\\images\\stick");
    EXPECT_EQ(stickDirectoryArgument(" /v C:\\My Sticks\\a  "), "C:\\My Sticks\\a  ");
}

TEST(StartupCommandLine, OnePairOfQuotesAroundTheWholeDirectoryIsDropped)
{
    EXPECT_EQ(stickDirectoryArgument("\"C:\\stick\""), "C:\\stick");
    EXPECT_EQ(stickDirectoryArgument("\"C:\\Users\\Jane Doe\\AIBO\""), "C:\\Users\\Jane Doe\\AIBO");
    EXPECT_EQ(stickDirectoryArgument("  /v  \"D:\\My Sticks\\\""), "D:\\My Sticks\\");
    EXPECT_EQ(stickDirectoryArgument("/v\"E:\\\""), "E:\\");
    EXPECT_EQ(stickDirectoryArgument("\"\"C:\\a b\"\""), "\"C:\\a b\"");
    EXPECT_EQ(stickDirectoryArgument("\"\""), "");
}

TEST(StartupCommandLine, QuotesNotAroundTheWholeDirectoryStay)
{
    EXPECT_EQ(stickDirectoryArgument("\""), "\"");
    EXPECT_EQ(stickDirectoryArgument("/v \""), "\"");
    EXPECT_EQ(stickDirectoryArgument("\"C:\\a b"), "\"C:\\a b");
    EXPECT_EQ(stickDirectoryArgument("C:\\a b\""), "C:\\a b\"");
    EXPECT_EQ(stickDirectoryArgument("\"C:\\a\" b"), "\"C:\\a\" b");
    EXPECT_EQ(stickDirectoryArgument("C:\\\"a b\""), "C:\\\"a b\"");
    EXPECT_EQ(stickDirectoryArgument("\"C:\\a b\"  "), "\"C:\\a b\"  ");
}

TEST(StartupCommandLine, TheSwitchIsCaseSensitiveAndOnlyBlanksSeparate)
{
    EXPECT_EQ(stickDirectoryArgument("/V"), "/V");
    EXPECT_EQ(stickDirectoryArgument("/v/v"), "/v");
    EXPECT_EQ(stickDirectoryArgument("\tC:\\stick"), "\tC:\\stick");
}

TEST(StickFileChoice, TheDirectoryKeepsItsTrailingBackslash)
{
    EXPECT_EQ(directoryOfFile("E:\\MEMSTICK.IND"), "E:\\");
    EXPECT_EQ(directoryOfFile("C:\\img\\stick\\memstick.ind"), "C:\\img\\stick\\");
    EXPECT_EQ(directoryOfFile("E:\\OPEN-R\\APP\\VERSION"), "E:\\OPEN-R\\APP\\");
    EXPECT_EQ(directoryOfFile("E:MEMSTICK.IND"), "E:");
}

TEST(StickFileChoice, TheDialogAsksForTheMarkerFileAndACancelLeavesNoPath)
{
    test::ScriptedUi ui;
    std::string path = "left over";
    EXPECT_FALSE(askForStickFile(ui.fileDialog, path));
    EXPECT_EQ(path, "");
    ASSERT_EQ(ui.fileDialog.requests.size(), 1u);
    const FileOpenRequest& request = ui.fileDialog.requests[0];
    EXPECT_EQ(request.title, "Open MEMSTICK.IND file at root of OpenR directory");
    EXPECT_EQ(request.initialName, "memstick.ind");
    EXPECT_EQ(request.defaultExtension, "ind");
    EXPECT_EQ(request.filterLabel, "Memory Stick Files (*.ind)");
    EXPECT_EQ(request.filterPattern, "*.ind");
}

class StartupTest : public ::testing::Test {
protected:
    bool locate(std::string_view commandLine)
    {
        StartupUi startupUi{ui.messages, ui.fileDialog, ui.scanWindow, ui.waitCursor, driveRoots(), probe};
        return locateStick(commandLine, startupUi, opened);
    }
    std::string current() const { return currentDirectory().value_or(""); }

    test::CurrentDirectoryGuard guard;
    test::ScriptedUi ui;
    StickRoot opened;
    std::vector<char> drivesWithMarker;
    MarkerProbe probe = [this](const std::string& path) {
        return std::find(drivesWithMarker.begin(), drivesWithMarker.end(), path[0]) != drivesWithMarker.end();
    };
};

TEST_F(StartupTest, ANamedStickOpensWithoutScanOrDialog)
{
    test::TempStick stick;
    makeAcceptable(stick);
    ASSERT_TRUE(locate("/v " + stick.rootPath()));
    EXPECT_EQ(ui.log, Log{});
    EXPECT_EQ(opened.rootPath, current());
    EXPECT_NE(opened.softwareKind, nullptr);
}

TEST_F(StartupTest, ANamedStickInQuotesWithBlanksInItsPathOpens)
{
    test::TempStick parent;
    parent.write("Jane Doe/My Stick/MEMSTICK.IND", "");
    parent.write("Jane Doe/My Stick/OPEN-R/SYSTEM/VERSION", "any");
    const std::filesystem::path named = parent.dir() / "Jane Doe" / "My Stick";
    ASSERT_TRUE(locate("/v \"" + named.string() + "\""));
    EXPECT_EQ(ui.log, Log{});
    EXPECT_EQ(std::filesystem::path(current()), named);
    EXPECT_EQ(opened.rootPath, current());
}

TEST_F(StartupTest, ADirectoryThatCannotBeEnteredEndsTheProgram)
{
    const std::string before = current();
    const std::string gone = (std::filesystem::path(before) / "gone dir").string();
    EXPECT_FALSE(locate("/V"));
    EXPECT_FALSE(locate("\"" + gone + "\""));
    EXPECT_EQ(ui.log, (Log{"message: ERROR: directory '/V' specified on command line is invalid",
                           "message: ERROR: directory '" + gone + "' specified on command line is invalid"}));
    EXPECT_EQ(current(), before);
}

TEST_F(StartupTest, TheScanStopsAtTheFirstDriveWithTheMarker)
{
    drivesWithMarker = {'F', 'D'};
    const DriveScanResult scan = scanRootsForStick(driveRoots(), ui.scanWindow, ui.waitCursor, probe);
    EXPECT_EQ(scan.stickRoot, "D:\\");
    EXPECT_FALSE(scan.manualOpenRequested);
    EXPECT_EQ(ui.log, (Log{"scan window open", "wait cursor on", "probe A:\\MEMSTICK.IND",
                           "probe B:\\MEMSTICK.IND", "probe C:\\MEMSTICK.IND", "probe D:\\MEMSTICK.IND",
                           "scan window closed", "wait cursor off"}));
}

TEST_F(StartupTest, AMountPointWithTheMarkerBecomesTheStick)
{
    test::TempStick empty, stick;
    makeAcceptable(stick);
    std::vector<std::string> probed;
    StartupUi startupUi{ui.messages,
                        ui.fileDialog,
                        ui.scanWindow,
                        ui.waitCursor,
                        {empty.rootPath(), stick.rootPath()},
                        [&](const std::string& path) {
                            probed.push_back(path);
                            return markerFileOpens(path);
                        }};
    ASSERT_TRUE(locateStick("", startupUi, opened));
    EXPECT_EQ(probed, (Log{empty.rootPath() + "/MEMSTICK.IND", stick.rootPath() + "/MEMSTICK.IND"}));
    EXPECT_EQ(std::filesystem::path(opened.rootPath), stick.dir());
}

TEST_F(StartupTest, TheSwitchAloneScansAndAFoundDriveThatCannotBeEnteredEndsTheProgram)
{
    // No drive Q: exists on the test machines, so its root cannot be entered.
    drivesWithMarker = {'Q'};
    const std::string before = current();
    EXPECT_FALSE(locate("/v"));
    EXPECT_EQ(ui.log.front(), "scan window open");
    EXPECT_EQ(ui.log[ui.log.size() - 4], "probe Q:\\MEMSTICK.IND");
    EXPECT_EQ(ui.log.back(), "message: Internal error: chdir");
    EXPECT_EQ(current(), before);
}

TEST_F(StartupTest, ManualOpenDuringTheScanGoesStraightToTheFileDialog)
{
    test::TempStick stick;
    makeAcceptable(stick);
    ui.scanWindow.pressManualOpenAt = "C:\\MEMSTICK.IND";
    ui.fileDialog.choices = {markerOf(stick)};
    ASSERT_TRUE(locate(""));
    EXPECT_EQ(ui.log,
              (Log{"scan window open", "wait cursor on", "probe A:\\MEMSTICK.IND", "probe B:\\MEMSTICK.IND",
                   "probe C:\\MEMSTICK.IND", "scan window closed", "wait cursor off", "file dialog"}));
    EXPECT_EQ(opened.rootPath, current());
    EXPECT_EQ(std::filesystem::path(opened.rootPath), stick.dir());
}

TEST_F(StartupTest, WithNoMarkerTheStartDirectoryIsExaminedFirst)
{
    test::TempStick notAStick;
    ASSERT_TRUE(changeDirectory(notAStick.rootPath()));
    EXPECT_FALSE(locate(""));
    ASSERT_GE(ui.log.size(), 5u);
    EXPECT_EQ(ui.log[ui.log.size() - 5], "probe Z:\\MEMSTICK.IND");
    EXPECT_EQ(std::vector(ui.log.end() - 2, ui.log.end()), (Log{kNoMarker, "file dialog"}));
    EXPECT_EQ(opened.rootPath, notAStick.rootPath());
}

TEST_F(StartupTest, TheDialogComesBackAfterEveryRefusedChoice)
{
    test::TempStick notAStick, stick;
    makeAcceptable(stick);
    notAStick.write("other.ind", "");
    const std::string refused = (notAStick.dir() / "other.ind").string();
    ui.fileDialog.choices = {refused, refused, markerOf(stick)};
    ASSERT_TRUE(locate(notAStick.rootPath()));
    EXPECT_EQ(ui.log, (Log{kNoMarker, "file dialog", kNoMarker, "file dialog", kNoMarker, "file dialog"}));
    EXPECT_EQ(std::filesystem::path(opened.rootPath), stick.dir());
}

TEST_F(StartupTest, OnlyTheChosenFilesDirectoryCountsAndItMustBeTheRoot)
{
    test::TempStick stick;
    makeAcceptable(stick);
    stick.write("OPEN-R/APP/VERSION", "x");
    ui.fileDialog.choices = {(stick.dir() / "OPEN-R" / "APP" / "VERSION").string()};
    EXPECT_FALSE(locate(stick.rootPath() + "/OPEN-R"));
    EXPECT_EQ(ui.log, (Log{kNoMarker, "file dialog", kNoMarker, "file dialog"}));
    EXPECT_EQ(std::filesystem::path(current()), stick.dir() / "OPEN-R" / "APP");
}

TEST_F(StartupTest, AChosenDirectoryThatCannotBeEnteredLeavesTheCurrentOneToBeCheckedAgain)
{
    test::TempStick notAStick;
    ui.fileDialog.choices = {(notAStick.dir() / "gone" / "MEMSTICK.IND").string()};
    EXPECT_FALSE(locate(notAStick.rootPath()));
    EXPECT_EQ(ui.log, (Log{kNoMarker, "file dialog", kNoMarker, "file dialog"}));
    EXPECT_EQ(current(), notAStick.rootPath());
}

}  // namespace
}  // namespace morvane
