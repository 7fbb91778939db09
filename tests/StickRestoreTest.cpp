// Restoring a stick from its backup: the owner's round trip, the backups refused and why,
// letter case, and a file that cannot be written or no longer matches its manifest.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "app/FileProgress.h"
#include "app/StickRestore.h"
#include "base/Utf8Path.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using test::runCli;

std::string fileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

const std::string kPhoto = "Photos of M\xc3\xbcller/a b.JPG";

// Counts how often it is told of each file, and stops the work the `stopAt`-th time it is
// told of `stopIn`.
class StopWithin final : public FileProgress {
public:
    explicit StopWithin(std::string stopIn = {}, int stopAt = 0) : stopIn_(std::move(stopIn)), stopAt_(stopAt)
    {
    }
    std::map<std::string, int, std::less<>> told;

private:
    bool step(std::string_view path, std::size_t, std::size_t) override
    {
        const int times = ++told[std::string(path)];
        return path != stopIn_ || times != stopAt_;
    }
    std::string stopIn_;
    int stopAt_;
};

// The system's reads of a stick tree, in parts of 100,000 bytes at most.
class ShortReads final : public TreeReading {
public:
    std::optional<std::size_t> read(OsFile& file, std::span<std::uint8_t> buffer) override
    {
        return TreeReading::read(file, buffer.first(std::min<std::size_t>(buffer.size(), 100000)));
    }
};

class StickRestoreTest : public ::testing::Test {
protected:
    StickRestoreTest()
    {
        EXPECT_EQ(stickgen::writeSampleStick(stickDir), std::nullopt);
        fs::create_directories(stickDir / utf8Path("Photos of M\xc3\xbcller"));
        std::ofstream(stickDir / utf8Path(kPhoto), std::ios::binary) << "ff";
        EXPECT_EQ(runCli({"backup", stick, backup}).status, 0);
    }

    std::optional<ManifestEntry> commentsEntry() const { return manifestEntry("CUSTOM/COMMENTS.INI"); }

    // The backup's manifest entry of `path`, the backup checked first.
    std::optional<ManifestEntry> manifestEntry(std::string_view path) const
    {
        std::vector<ManifestEntry> manifest;
        UnwatchedReading quiet;
        if (damagedBackup(backupDir, manifest, quiet))
            return std::nullopt;
        const auto entry = std::find_if(manifest.begin(), manifest.end(),
                                        [&](const ManifestEntry& e) { return e.path == path; });
        return entry == manifest.end() ? std::nullopt : std::optional(*entry);
    }

    test::TempStick folder;
    const fs::path stickDir = folder.dir() / "stick";
    const fs::path backupDir = folder.dir() / "backup";
    const std::string stick = utf8Text(stickDir);
    const std::string backup = utf8Text(backupDir);
};

// Backed up, the skill levels changed and a photo lost: check names both, a dry run
// writes nothing, the restore puts both back, and check then finds nothing.
TEST_F(StickRestoreTest, TheOwnersRoundTripPutsTheChangedFilesBack)
{
    const std::string fvar = fileText(stickDir / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR");
    ASSERT_EQ(runCli({"skills", stick, "--walk", "1234"}).status, 0);
    fs::remove(stickDir / utf8Path(kPhoto));
    EXPECT_EQ(runCli({"check", stick, "--against", backup}).out,
              "changed: OPEN-R/APP/DATA/P/FVAR\nmissing: " + kPhoto + "\n66 files checked, 2 problems\n");
    const test::CliRun dry = runCli({"restore", backup, stick, "--dry-run"});
    EXPECT_EQ(dry.status, 0);
    EXPECT_EQ(dry.out, "would restore: OPEN-R/APP/DATA/P/FVAR\nwould restore: " + kPhoto +
                           "\n2 files would be restored\n");
    EXPECT_FALSE(fs::exists(stickDir / utf8Path(kPhoto)));
    const test::CliRun restore = runCli({"restore", backup, stick});
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(restore.out, "restored: OPEN-R/APP/DATA/P/FVAR\nrestored: " + kPhoto + "\n2 files restored\n");
    EXPECT_EQ(fileText(stickDir / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR"), fvar);
    EXPECT_EQ(fs::last_write_time(stickDir / utf8Path(kPhoto)),
              fs::last_write_time(backupDir / utf8Path(kPhoto)));
    EXPECT_EQ(runCli({"check", stick, "--against", backup}).out, "67 files checked, 0 problems\n");
}

TEST_F(StickRestoreTest, AnIncompleteDamagedOrOtherRobotsBackupIsRefused)
{
    const auto refusal = [&](std::vector<std::string> args) {
        const test::CliRun run = runCli(std::move(args));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        return run.err;
    };
    // Another robot: the stick's hardware id differs; --force restores all the same.
    std::ofstream(stickDir / "OPEN-R" / "SYSTEM" / "DATA" / "P" / "AIBO-ID", std::ios::binary) << "ABCD";
    EXPECT_EQ(
        refusal({"restore", backup, stick}),
        "The backup is of another robot: its hardware id is 0031A2C4, the stick's is 44434241; nothing was "
        "written (--force restores it all the same)\n");
    EXPECT_EQ(runCli({"restore", backup, stick, "--force"}).out,
              "restored: OPEN-R/SYSTEM/DATA/P/AIBO-ID\n1 files restored\n");
    // A file of the backup changed after it was made.
    std::ofstream(backupDir / "CUSTOM" / "COMMENTS.INI", std::ios::app) << "x";
    EXPECT_EQ(refusal({"restore", backup, stick}),
              "The backup " + backup + " is damaged: changed: CUSTOM/COMMENTS.INI; nothing was written\n");
    std::ofstream(backupDir / "MORVANE-BACKUP.sha256", std::ios::app) << "not a line\n";
    EXPECT_EQ(refusal({"restore", backup, stick}),
              "The backup " + backup + " is damaged: its manifest cannot be read; nothing was written\n");
    fs::remove(backupDir / "MORVANE-BACKUP.sha256");
    EXPECT_EQ(refusal({"restore", backup, stick}),
              "The backup " + backup +
                  " holds no MORVANE-BACKUP.sha256: it is incomplete; nothing was written\n");
}

// A backup of other software, or of software the detection does not know (made of a stick
// whose VERSION was damaged), is put onto a stick that opens only with --force.
TEST_F(StickRestoreTest, OtherOrUnknownSoftwareIsRefusedUnlessForced)
{
    const std::string rCode = "R-CODE";
    const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> versions{
        {"ERS-7 R-CODE",
         stickgen::encodeVersionFile({rCode, {0x00, 0x01, 0x74, 0xFF, 0, 0, 0, 0}, std::nullopt})},
        {"none that Morvane recognises", {'d', 'a', 'm', 'a', 'g', 'e', 'd'}}};
    const fs::path other = folder.dir() / "other";
    const fs::path otherBackup = folder.dir() / "other backup";
    for (const auto& [software, version] : versions) {
        fs::remove_all(other);
        fs::remove_all(otherBackup);
        fs::copy(stickDir, other, fs::copy_options::recursive);
        std::ofstream(other / "OPEN-R" / "APP" / "VERSION", std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(version.data()),
                   static_cast<std::streamsize>(version.size()));
        ASSERT_EQ(runCli({"backup", utf8Text(other), utf8Text(otherBackup)}).status, 0);
        const test::CliRun refused = runCli({"restore", utf8Text(otherBackup), stick});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, "The backup holds other software: " + software +
                                   ", the stick holds ERS-7 AiboMind V1/V2/V3; nothing was written (--force "
                                   "restores it all the same)\n");
    }
    EXPECT_EQ(runCli({"restore", utf8Text(otherBackup), stick, "--force"}).out,
              "restored: OPEN-R/APP/VERSION\n1 files restored\n");
}

// A manifest cut short would restore only the files it still lists: a file of the backup
// that it does not list refuses the restore, unless a file browser left it there.
TEST_F(StickRestoreTest, AManifestThatMissesAFileIsIncompleteButBrowserLeftoversAreNot)
{
    std::ofstream(backupDir / ".DS_Store") << "Finder";
    std::ofstream(backupDir / "OPEN-R" / "._VERSION") << "Finder";
    std::ofstream(backupDir / "OPEN-R" / "Thumbs.db") << "Explorer";
    std::ofstream(backupDir / "desktop.ini") << "Explorer";
    EXPECT_EQ(runCli({"restore", backup, stick}).out, "0 files restored\n");

    const std::string manifest = fileText(backupDir / "MORVANE-BACKUP.sha256");
    ASSERT_EQ(manifest.find("  CUSTOM/COMMENTS.INI\n"), 64u);
    std::ofstream(backupDir / "MORVANE-BACKUP.sha256", std::ios::binary)
        << manifest.substr(0, manifest.find('\n') + 1);
    test::CliRun cut = runCli({"restore", backup, stick});
    EXPECT_EQ(cut.status, 1);
    EXPECT_EQ(cut.err, "The backup " + backup +
                           " is incomplete: its manifest does not list MEMSTICK.IND; nothing was written\n");

    test::TempStick empty;
    empty.write("MORVANE-BACKUP.sha256", "");
    EXPECT_EQ(runCli({"restore", empty.rootPath(), stick}).err,
              "The backup " + empty.rootPath() +
                  " is incomplete: its manifest lists no file; nothing was written\n");
}

// A folder that does not open as a stick (an empty one, mistyped for the stick) gets none of
// the backup's files; the command says why, as every command given a refused stick does.
TEST_F(StickRestoreTest, AFolderThatIsNoStickIsRefusedAndLeftAlone)
{
    const fs::path elsewhere = folder.dir() / "elsewhere";
    fs::create_directories(elsewhere);
    const test::CliRun run = runCli({"restore", backup, utf8Text(elsewhere)});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("Stick Open Error: ")) << run.err;
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

#ifndef _WIN32
// On a copy of the stick on a case-sensitive disk two names can differ in case alone: each
// is a file of its own to check and to restore, and neither is written over the other.
TEST_F(StickRestoreTest, NamesDifferingInCaseAloneAreTwoFiles)
{
    const fs::path photos = stickDir / "OPEN-R" / "APP" / "PC" / "PHOTO";
    const std::string upper = fileText(photos / "IMG00001.JPG");
    std::ofstream(photos / "img00001.jpg", std::ios::binary) << "lower";
    const std::string twins = utf8Text(folder.dir() / "twins");
    ASSERT_EQ(runCli({"backup", stick, twins}).status, 0);
    EXPECT_EQ(runCli({"check", twins}).out, "68 files checked, 0 problems\n");

    fs::remove(photos / "IMG00001.JPG");
    std::ofstream(photos / "img00001.jpg", std::ios::app) << "x";
    EXPECT_EQ(runCli({"check", stick, "--against", twins}).out,
              "missing: OPEN-R/APP/PC/PHOTO/IMG00001.JPG\nchanged: OPEN-R/APP/PC/PHOTO/img00001.jpg\n"
              "67 files checked, 2 problems\n");
    const test::CliRun restore = runCli({"restore", twins, stick});
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_EQ(restore.out,
              "restored: OPEN-R/APP/PC/PHOTO/IMG00001.JPG\nrestored: OPEN-R/APP/PC/PHOTO/img00001.jpg\n"
              "2 files restored\n");
    EXPECT_EQ(fileText(photos / "IMG00001.JPG"), upper);
    EXPECT_EQ(fileText(photos / "img00001.jpg"), "lower");
}
#endif

// A file the plan found missing goes under the backup's own name, and never over a file
// that stands in its place all the same: on a disk that ignores letter case, the file of
// another entry spelt otherwise.
TEST_F(StickRestoreTest, AMissingFileIsNeverWrittenOverAnother)
{
    test::CurrentDirectoryGuard guard;
    fs::current_path(stickDir);
    std::ofstream(stickDir / "CUSTOM" / "COMMENTS.INI", std::ios::binary) << "old";
    const std::optional<ManifestEntry> entry = commentsEntry();
    ASSERT_TRUE(entry.has_value());
#ifndef _WIN32
    fs::copy_file(backupDir / "CUSTOM" / "COMMENTS.INI", backupDir / "CUSTOM" / "comments.ini");
#endif
    const bool written =
        restoreFile(backupDir, {RestoreStep::Kind::Restore, "CUSTOM/comments.ini", {}}, entry->digest);
    EXPECT_EQ(fileText(stickDir / "CUSTOM" / "COMMENTS.INI"), "old");
#ifdef _WIN32
    EXPECT_FALSE(written);
#else
    EXPECT_TRUE(written);
    EXPECT_EQ(fileText(stickDir / "CUSTOM" / "comments.ini"),
              fileText(backupDir / "CUSTOM" / "COMMENTS.INI"));
#endif
}

#ifndef _WIN32
// A folder of a stick's copy that is a link may lead out of the stick: the backup did not
// follow it, and the restore writes nothing through it.
TEST_F(StickRestoreTest, AFolderThatIsALinkIsNotWrittenThrough)
{
    const fs::path outside = folder.dir() / "outside";
    fs::create_directories(outside);
    fs::remove_all(stickDir / "CUSTOM");
    fs::create_directory_symlink(outside, stickDir / "CUSTOM");
    const test::CliRun run = runCli({"restore", backup, stick});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot write CUSTOM/COMMENTS.INI; the stick's file is as it was"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(fs::is_empty(outside));
}
#endif

// Failing operations and a backup file that no longer matches its digest leave the stick's
// file as it was, with no temporary file and no folder made for it; a folder the stick
// spells in lower case is used.
TEST_F(StickRestoreTest, AFileIsWrittenWholeAndRightOrNotAtAll)
{
    class NoRename : public FileOperations {
    public:
        std::optional<Handle> create(const std::string& path) override { return system.create(path); }
        bool write(Handle file, std::span<const std::uint8_t> bytes) override
        {
            return system.write(file, bytes);
        }
        bool flush(Handle file) override { return system.flush(file); }
        bool close(Handle file) override { return system.close(file); }
        bool rename(const std::string&, const std::string&) override { return false; }
        bool remove(const std::string& path) override { return system.remove(path); }
        FileOperations& system = systemFileOperations();
    } noRename;
    test::CurrentDirectoryGuard guard;
    fs::current_path(stickDir);
    std::ofstream(stickDir / "CUSTOM" / "COMMENTS.INI", std::ios::binary) << "old";
    const std::string digest = "0000000000000000000000000000000000000000000000000000000000000000";
    const RestoreStep comments{RestoreStep::Kind::Restore, "CUSTOM/COMMENTS.INI", "CUSTOM/COMMENTS.INI"};
    EXPECT_FALSE(restoreFile(backupDir, comments, digest));
    const std::optional<ManifestEntry> entry = commentsEntry();
    ASSERT_TRUE(entry.has_value());
    EXPECT_FALSE(restoreFile(backupDir, comments, entry->digest, systemTreeReading(), noRename));
    EXPECT_EQ(fileText(stickDir / "CUSTOM" / "COMMENTS.INI"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(stickDir / "CUSTOM"), {}), 1) << "no temporary file left";

    fs::remove_all(stickDir / "CUSTOM");
    EXPECT_FALSE(restoreFile(backupDir, {RestoreStep::Kind::Restore, entry->path, {}}, entry->digest,
                             systemTreeReading(), noRename));
    EXPECT_FALSE(fs::exists(fs::symlink_status(stickDir / "CUSTOM")))
        << "no folder left for a file not written";
    const std::optional<ManifestEntry> voice = manifestEntry("OPEN-R/APP/PC/VOICE/0000.WAV");
    ASSERT_TRUE(voice.has_value());
    fs::remove_all(stickDir / "OPEN-R" / "APP" / "PC");
    EXPECT_FALSE(restoreFile(backupDir, {RestoreStep::Kind::Restore, voice->path, {}}, voice->digest,
                             systemTreeReading(), noRename));
    EXPECT_FALSE(fs::exists(fs::symlink_status(stickDir / "OPEN-R" / "APP" / "PC")))
        << "both folders made go";
    EXPECT_TRUE(fs::is_directory(stickDir / "OPEN-R" / "APP")) << "the folder that stood before stays";

    fs::create_directory(stickDir / "custom");
    EXPECT_TRUE(restoreFile(backupDir, {RestoreStep::Kind::Restore, entry->path, {}}, entry->digest));
    EXPECT_EQ(fileText(stickDir / "custom" / "COMMENTS.INI"),
              fileText(backupDir / "CUSTOM" / "COMMENTS.INI"));
    EXPECT_EQ(std::distance(fs::directory_iterator(stickDir), {}),
              std::distance(fs::directory_iterator(backupDir), {}) - 2)
        << "no second folder CUSTOM beside custom";
}

// A file of several chunks keeps the progress told while it is read or written, so that
// the window stays alive and Cancel is taken within it; nothing half-done stays behind.
TEST_F(StickRestoreTest, CancelIsTakenWithinALargeFile)
{
    const std::string big = "OPEN-R/APP/DATA/BIG.BIN";
    const fs::path bigPath = stickDir / big;
    std::ofstream(bigPath, std::ios::binary) << std::string(600000, 'b');  // 256 KiB, 256 KiB and a part
    const fs::path copy = folder.dir() / "copy";
    StopWithin watching;
    EXPECT_EQ(backUpStick(stickDir, copy, {}, watching).outcome, BackupResult::Outcome::Done);
    EXPECT_EQ(watching.told[big], 3) << "before the file and after each of its full chunks";
    EXPECT_EQ(watching.told["MEMSTICK.IND"], 1);
    ShortReads shortReads;
    StopWithin watchingShortReads;
    EXPECT_EQ(backUpStick(stickDir, folder.dir() / "short", {}, watchingShortReads, shortReads).outcome,
              BackupResult::Outcome::Done);
    EXPECT_EQ(watchingShortReads.told[big], 3) << "as often when the reads come in smaller parts";

    StopWithin stopInBackup(big, 2);
    EXPECT_EQ(backUpStick(stickDir, folder.dir() / "cut", {}, stopInBackup).outcome,
              BackupResult::Outcome::Cancelled);
    EXPECT_FALSE(fs::exists(folder.dir() / "cut"));
    EXPECT_EQ(stopInBackup.told[big], 2);
    StopWithin stopInCheck(big, 2);
    EXPECT_EQ(checkStick(stickDir, std::nullopt, stopInCheck).outcome, CheckResult::Outcome::Cancelled);

    std::vector<ManifestEntry> manifest;
    UnwatchedReading quiet;
    ASSERT_EQ(damagedBackup(copy, manifest, quiet), std::nullopt);
    const std::string changed(600000, 'c');
    std::ofstream(bigPath, std::ios::binary) << changed;
    test::CurrentDirectoryGuard guard;
    ASSERT_TRUE(changeDirectory(stick));
    StopWithin stopInPlan(big, 2);
    EXPECT_EQ(planRestore(manifest, stopInPlan), std::nullopt);
    const std::optional<std::vector<RestoreStep>> plan = planRestore(manifest, quiet);
    ASSERT_TRUE(plan.has_value());
    StopWithin stopInWrite(big, 3);
    const RestoreResult restored = restoreStick(*plan, copy, manifest, false, stopInWrite);
    EXPECT_TRUE(restored.cancelled);
    EXPECT_EQ(restored.lines, std::vector<std::string>{"0 files restored"});
    EXPECT_EQ(restored.unwritten, std::vector<std::string>{});
    EXPECT_EQ(fileText(bigPath), changed);
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(bigPath.parent_path()))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"BIG.BIN", "E", "P"})) << "no temporary file stays";
}

}  // namespace
}  // namespace morvane
