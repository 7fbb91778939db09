// The main window's Back Up Stick... and Restore from Backup... against the scripted window
// system: what the owner is asked and shown, in order, and what lands on disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/BackupDestination.h"
#include "app/MainWindowCommandIds.h"
#include "app/MainWindowCommands.h"
#include "base/Utf8Path.h"
#include "stick/Detection.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedSliderView.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"
#include "ui/MemoryTreeControl.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class NoColorView : public ColorDialogView {
public:
    void runModal(const ColorAreaPainter&) override {}
};

class NoFaceView : public FaceDialogView {
public:
    void runModal(const FaceRecords&) override {}
};

class NoDiaryView : public DiaryDialogView {
public:
    void runModal(const DiaryRecords&) override {}
};

class NoPhotoView : public PhotoAlbumView {
public:
    void runModal(PhotoRecords&) override {}
};

class NoVoiceView : public VoiceDialogView {
public:
    void runModal(VoiceRecords&) override {}
};

std::string readText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeText(const fs::path& path, std::string_view text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The entries of `log` that start with `prefix`.
Lines entriesStarting(const Lines& log, std::string_view prefix)
{
    Lines found;
    std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                 [&](const std::string& entry) { return entry.starts_with(prefix); });
    return found;
}

// The sample stick, opened in the folder "My AIBO" as the window opens it.
class BackupRestoreCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(stickgen::writeSampleStick(stickDir), std::nullopt);
        ASSERT_TRUE(changeDirectory(utf8Text(stickDir)));
        stick.rootPath = currentDirectory().value_or("");
        ASSERT_EQ(detectSoftware(stick), std::nullopt);
        list.addLine("shown before");
    }
    bool run(int command) { return runStickCommand(command, context); }
    // A backup of the stick as it is now, made by morvane-cli.
    void backUpWithTheCli()
    {
        ASSERT_EQ(test::runCli({"backup", utf8Text(stickDir), utf8Text(backupDir)}).status, 0);
        manifest = utf8Text(backupDir / "MORVANE-BACKUP.sha256");
    }

    test::CurrentDirectoryGuard guard;
    test::TempStick folder;
    const fs::path stickDir = folder.dir() / "My AIBO";
    const fs::path backupDir = folder.dir() / utf8Path("Sauvegarde d\xc3\xa9"
                                                       "cembre");
    std::string manifest;
    StickRoot stick;
    MemoryTreeControl tree;
    MemoryInfoList list;
    test::ScriptedUi ui;
    test::ScriptedSliderView sliders{test::pressSave};
    NoColorView colors;
    NoFaceView faces;
    NoDiaryView diary;
    NoPhotoView photos;
    NoVoiceView voices;
    MainWindowContext context{{stick, ui.messages, ui.questions, ui.fileDialog, ui.saveDialog, ui.clipboard,
                               ui.waitCursor, ui.progress, ui.player},
                              tree,
                              list,
                              {sliders, sliders, colors, faces, diary, photos, voices}};
};

TEST(SuggestedBackupName, NamesTheStickFolderOrDriveAndTheLocalTime)
{
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 11;
    when.tm_mday = 9;
    when.tm_hour = 7;
    when.tm_min = 5;
    EXPECT_EQ(suggestedBackupName("/media/jane/AIBO", when), "AIBO backup 2026-12-09 07.05");
    EXPECT_EQ(suggestedBackupName("C:\\Users\\Jane Doe\\My AIBO\\", when), "My AIBO backup 2026-12-09 07.05");
    EXPECT_EQ(suggestedBackupName("E:\\", when), "Stick E backup 2026-12-09 07.05");
    EXPECT_EQ(suggestedBackupName("/", when), "Stick backup 2026-12-09 07.05");
}

// The folder proposed is named after the stick; the copy's lines replace the list and
// match morvane-cli's; the stick's 66 files each pass the progress window.
TEST_F(BackupRestoreCommandsTest, BackUpStickCopiesTheStickIntoTheChosenFolder)
{
    ui.saveDialog.choices = {utf8Text(backupDir)};
    EXPECT_TRUE(run(IDM_BACK_UP_STICK));
    ASSERT_FALSE(ui.log.empty());
    EXPECT_TRUE(ui.log.front().starts_with("save dialog Back Up Stick: My AIBO backup 20")) << ui.log.front();
    EXPECT_EQ(entriesStarting(ui.log, "progress open"), Lines{"progress open Back Up Stick"});
    EXPECT_EQ(entriesStarting(ui.log, "progress 66/66 "), Lines{"progress 66/66 OPEN-R/SYSTEM/VERSION"});
    EXPECT_EQ(ui.log.back(), "progress closed");
    ASSERT_EQ(list.lines().size(), 1u);
    const std::string cli =
        test::runCli({"backup", utf8Text(stickDir), utf8Text(folder.dir() / "second")}).out;
    const std::string bytes = cli.substr(0, cli.find(" backed up to "));
    EXPECT_EQ(list.lines()[0], bytes + " backed up to " + utf8Text(backupDir));
    EXPECT_TRUE(fs::exists(backupDir / "MORVANE-BACKUP.sha256"));
}

// Cancel in the dialog does nothing; a folder that is not empty, or inside the stick, is
// refused before anything is copied; Cancel in the progress window removes the copy.
TEST_F(BackupRestoreCommandsTest, ARefusedFolderOrCancelLeavesTheListAndNoCopy)
{
    EXPECT_TRUE(run(IDM_BACK_UP_STICK));
    fs::create_directories(backupDir / "something");
    ui.saveDialog.choices = {utf8Text(backupDir), utf8Text(stickDir / "OPEN-R" / "copy")};
    EXPECT_TRUE(run(IDM_BACK_UP_STICK));
    EXPECT_TRUE(run(IDM_BACK_UP_STICK));
    EXPECT_EQ(entriesStarting(ui.log, "message"),
              (Lines{"message: The destination exists and is not an empty folder",
                     "message: The destination lies inside the stick"}));
    EXPECT_TRUE(entriesStarting(ui.log, "progress").empty());

    ui.log.clear();
    ui.saveDialog.choices = {utf8Text(folder.dir() / "cancelled")};
    ui.progress.cancelAt = "OPEN-R/APP/DATA/P/FVAR";
    EXPECT_TRUE(run(IDM_BACK_UP_STICK));
    EXPECT_EQ(entriesStarting(ui.log, "message"),
              Lines{"message: The backup was cancelled; what it had written was removed"});
    EXPECT_FALSE(fs::exists(folder.dir() / "cancelled"));
    EXPECT_FALSE(fs::exists(stickDir / "OPEN-R" / "copy"));
    EXPECT_EQ(list.lines(), Lines{"shown before"});
}

// The owner's round trip in the window: the dry run is shown and asked about once, the
// restore writes the changed file back and keeps the stick's own, and says so in the list.
TEST_F(BackupRestoreCommandsTest, RestoreShowsTheDryRunAsksOnceAndPutsTheFileBack)
{
    backUpWithTheCli();
    const std::string fvar = readText(stickDir / "OPEN-R/APP/DATA/P/FVAR");
    ASSERT_EQ(test::runCli({"skills", utf8Text(stickDir), "--ball", "5000"}).status, 0);
    ASSERT_TRUE(changeDirectory(stick.rootPath));
    writeText(stickDir / "OPEN-R" / "APP" / "own.txt", "the stick's own");

    ui.fileDialog.choices = {manifest};
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    const Lines dryRun{"would restore: OPEN-R/APP/DATA/P/FVAR", "kept: OPEN-R/APP/own.txt",
                       "1 files would be restored"};
    EXPECT_EQ(list.lines(), dryRun);
    EXPECT_EQ(entriesStarting(ui.log, "question"),
              Lines{"question: Restore from " + utf8Text(backupDir) +
                    " onto the stick? Files to restore: 1. The list names them; files only on the stick "
                    "are kept."});
    EXPECT_NE(readText(stickDir / "OPEN-R/APP/DATA/P/FVAR"), fvar);

    ui.log.clear();
    ui.fileDialog.choices = {manifest};
    ui.questions.answers = {true};
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    EXPECT_EQ(list.lines(),
              (Lines{"restored: OPEN-R/APP/DATA/P/FVAR", "kept: OPEN-R/APP/own.txt", "1 files restored"}));
    EXPECT_EQ(entriesStarting(ui.log, "message"), Lines{});
    EXPECT_EQ(entriesStarting(ui.log, "progress open"),
              (Lines{"progress open Restore from Backup", "progress open Restore from Backup"}));
    EXPECT_EQ(readText(stickDir / "OPEN-R/APP/DATA/P/FVAR"), fvar);
    EXPECT_EQ(test::runCli({"check", utf8Text(stickDir), "--against", utf8Text(backupDir)}).out,
              "extra: OPEN-R/APP/own.txt\n67 files checked, 1 problems\n");

    ui.log.clear();
    ui.fileDialog.choices = {manifest};
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    EXPECT_EQ(entriesStarting(ui.log, "message"),
              Lines{"message: Nothing to restore: the stick holds every file of the backup as it is"});
    EXPECT_TRUE(entriesStarting(ui.log, "question").empty());
}

// Another robot's backup takes a second Yes, naming both robots; a damaged backup and
// Cancel while the backup is checked write nothing.
TEST_F(BackupRestoreCommandsTest, AnotherRobotIsAskedAboutAndADamagedBackupRefused)
{
    backUpWithTheCli();
    writeText(stickDir / "OPEN-R" / "SYSTEM" / "DATA" / "P" / "AIBO-ID", "ABCD");
    ui.fileDialog.choices = {manifest, manifest};
    ui.questions.answers = {true, false, true, true};
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    const std::string other = "question: The backup is of another robot: its hardware id is 0031A2C4, the "
                              "stick's is 44434241. Restore it onto this stick all the same?";
    EXPECT_EQ(entriesStarting(ui.log, "question").back(), other);
    EXPECT_EQ(readText(stickDir / "OPEN-R" / "SYSTEM" / "DATA" / "P" / "AIBO-ID"), "ABCD");
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    EXPECT_EQ(entriesStarting(ui.log, "question").size(), 4u);
    EXPECT_EQ(list.lines(), (Lines{"restored: OPEN-R/SYSTEM/DATA/P/AIBO-ID", "1 files restored"}));

    ui.log.clear();
    ui.fileDialog.choices = {manifest};
    ui.progress.cancelAt = "OPEN-R/APP/DATA/P/FVAR";
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    EXPECT_EQ(entriesStarting(ui.log, "message"),
              Lines{"message: The restore was cancelled; nothing was written"});

    ui.log.clear();
    ui.progress.cancelAt.reset();
    writeText(backupDir / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR", "changed");
    ui.fileDialog.choices = {manifest};
    EXPECT_TRUE(run(IDM_RESTORE_FROM_BACKUP));
    EXPECT_EQ(entriesStarting(ui.log, "message"),
              Lines{"message: The backup " + utf8Text(backupDir) +
                    " is damaged: changed: OPEN-R/APP/DATA/P/FVAR; nothing was written"});
    EXPECT_TRUE(entriesStarting(ui.log, "question").empty());
}

}  // namespace
}  // namespace morvane
