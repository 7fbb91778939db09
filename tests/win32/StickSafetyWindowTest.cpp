// Stick > Back Up Stick... and Restore from Backup... in Morvane.exe: the save dialog that
// asks for the new folder, the question before a restore, and the list holding what
// morvane-cli prints. morvane-cli runs in this process and moves its current directory, so
// every expectation is taken before the program starts.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/MainWindowCommandIds.h"
#include "base/Utf8Path.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/GuiSession.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class StickSafetyWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(stickgen::writeSampleStick(stickDir), std::nullopt); }
    void start()
    {
        session.start(L"/v " + stickDir.wstring());
        ASSERT_NE(session.mainWindow(), nullptr);
        ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    }
    void post(int command) { PostMessageW(session.mainWindow(), WM_COMMAND, command, 0); }
    std::string cli(std::vector<std::string> arguments) { return runCli(std::move(arguments)).out; }

    TempStick folder;
    const fs::path stickDir = folder.dir() / "stick";
    const fs::path backupDir = folder.dir() / "backup of the stick";
    CurrentDirectoryGuard guard;
    GuiSession session;
};

// The save dialog proposes a folder named after the stick; the folder typed is made and
// the list then holds morvane-cli backup's line for it.
TEST_F(StickSafetyWindowTest, BackUpStickAsksForANewFolderAndShowsWhatTheCliPrints)
{
    const std::string byCli = cli({"backup", utf8Text(stickDir), utf8Text(folder.dir() / "by the cli")});
    const std::string expected = byCli.substr(0, byCli.find(" to ")) + " to " + utf8Text(backupDir) + "\n";
    start();
    post(IDM_BACK_UP_STICK);
    HWND dialog = session.waitForWindow(L"Back Up Stick");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(fileNameText(dialog).rfind(L"stick backup 20", 0), 0u) << fileNameText(dialog);
    chooseFile(dialog, backupDir);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == expected; })) << session.listText();
    EXPECT_TRUE(fs::exists(backupDir / "MORVANE-BACKUP.sha256"));
}

// No writes nothing and leaves the dry run's lines; Yes restores the changed file, and the
// list holds what morvane-cli printed for a twin of the stick.
TEST_F(StickSafetyWindowTest, RestoreShowsTheDryRunAsksOnceAndPutsTheChangedFileBack)
{
    const fs::path twin = folder.dir() / "twin";
    ASSERT_EQ(stickgen::writeSampleStick(twin), std::nullopt);
    ASSERT_EQ(runCli({"backup", utf8Text(stickDir), utf8Text(backupDir)}).status, 0);
    for (const fs::path& stick : {stickDir, twin})
        ASSERT_EQ(runCli({"skills", utf8Text(stick), "--walk", "1234"}).status, 0);
    const std::string dryRun = cli({"restore", utf8Text(backupDir), utf8Text(twin), "--dry-run"});
    const std::string restored = cli({"restore", utf8Text(backupDir), utf8Text(twin)});
    ASSERT_EQ(restored, "restored: OPEN-R/APP/DATA/P/FVAR\n1 files restored\n");
    start();
    const auto chooseTheBackup = [&] {
        post(IDM_RESTORE_FROM_BACKUP);
        HWND dialog = session.waitForWindow(L"Restore from Backup: open the backup's MORVANE-BACKUP.sha256");
        ASSERT_NE(dialog, nullptr);
        chooseFile(dialog, backupDir / "MORVANE-BACKUP.sha256");
    };

    chooseTheBackup();
    const std::wstring question = session.answerQuestion(false);
    EXPECT_EQ(question.rfind(L"Restore from ", 0), 0u) << question;
    EXPECT_TRUE(waitUntil([&] { return session.listText() == dryRun; })) << session.listText();
    EXPECT_NE(fileText(stickDir / "OPEN-R/APP/DATA/P/FVAR"), fileText(backupDir / "OPEN-R/APP/DATA/P/FVAR"));

    chooseTheBackup();
    EXPECT_EQ(session.answerQuestion(true), question);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == restored; })) << session.listText();
    EXPECT_EQ(fileText(stickDir / "OPEN-R/APP/DATA/P/FVAR"), fileText(backupDir / "OPEN-R/APP/DATA/P/FVAR"));
}

}  // namespace
}  // namespace morvane::test
