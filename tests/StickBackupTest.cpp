// Backing up a stick: what the copy and its manifest hold, the files that cannot be read,
// a destination that fills up or is refused, Cancel, and morvane-cli backup's output.
#include <gtest/gtest.h>

#include <cwctype>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "app/BackupDestination.h"
#include "app/StickBackup.h"
#include "base/Utf8Path.h"
#include "cli/CliMain.h"
#include "stick/StickTree.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/FailingTreeReading.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void writeFile(const fs::path& path, std::string_view text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class Copying : public BackupProgress {
public:
    bool copying(std::string_view path, std::size_t, std::size_t) override
    {
        seen.emplace_back(path);
        return cancelAt.empty() || path != cancelAt;
    }
    std::vector<std::string> seen;
    std::string cancelAt;
};

// The system's file operations, but writes fail once `room` bytes have been written.
class FillingUp : public FileOperations {
public:
    explicit FillingUp(std::size_t room) : room_(room) {}
    std::optional<Handle> create(const std::string& path) override { return system_.create(path); }
    bool write(Handle file, std::span<const std::uint8_t> bytes) override
    {
        if (bytes.size() > room_)
            return false;
        room_ -= bytes.size();
        return system_.write(file, bytes);
    }
    bool flush(Handle file) override { return system_.flush(file); }
    bool close(Handle file) override { return system_.close(file); }
    bool rename(const std::string& from, const std::string& to) override { return system_.rename(from, to); }
    bool remove(const std::string& path) override { return system_.remove(path); }

private:
    std::size_t room_;
    FileOperations& system_ = systemFileOperations();
};

class StickBackupTest : public ::testing::Test {
protected:
    StickBackupTest()
    {
        writeFile(stick / "MEMSTICK.IND", "");
        writeFile(stick / "OPEN-R" / "STIKSAFE.BIN", std::string(1024, '\x5a'));
        writeFile(stick / "OPEN-R" / "APP" / "abc.txt", "abc");
        writeFile(stick / ".hidden", "");
        writeFile(stick / utf8Path("Photos of M\xc3\xbcller") / "a b.JPG", "ff");
        fs::create_directories(stick / "EMPTY");
    }

    BackupResult backUp(TreeReading& reading = systemTreeReading(),
                        FileOperations& files = systemFileOperations())
    {
        return backUpStick(stick, destination, {"Stick: the test's"}, progress, reading, files);
    }

    test::TempStick folder;
    const fs::path stick = folder.dir() / "stick";
    const fs::path destination = folder.dir() / "backup";
    Copying progress;
};

// "abc" and "" have well-known digests; the manifest lists files in byte order of their
// paths, with '/' between the parts.
TEST_F(StickBackupTest, EveryFileIsCopiedWithItsTimeAndTheManifestComesLast)
{
    const fs::path abc = stick / "OPEN-R" / "APP" / "abc.txt";
    fs::last_write_time(abc, fs::file_time_type::clock::now() - std::chrono::hours(24 * 365));
    const BackupResult result = backUp();
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Done);
    EXPECT_EQ(result.files, 5u);
    EXPECT_EQ(result.bytes, 1024u + 3u + 2u);
    EXPECT_EQ(fileText(destination / "MORVANE-BACKUP.sha256"),
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  .hidden\n"
              "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  MEMSTICK.IND\n"
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad  OPEN-R/APP/abc.txt\n"
              "e8fb68ce4d4d002dba40c0a459d96807c96ded1c2fdefae3f56f8a0c06a4fecf  OPEN-R/STIKSAFE.BIN\n"
              "05a9bf223fedf80a9d0da5f73f5c191a665bf4a0a4a3e608f2f9e7d5ff23959c  Photos of M\xc3\xbcller/a "
              "b.JPG\n");
    EXPECT_EQ(fileText(destination / "OPEN-R" / "STIKSAFE.BIN"), std::string(1024, '\x5a'));
    EXPECT_EQ(fileText(destination / utf8Path("Photos of M\xc3\xbcller") / "a b.JPG"), "ff");
    EXPECT_TRUE(fs::is_directory(destination / "EMPTY"));
    EXPECT_EQ(fs::last_write_time(destination / "OPEN-R" / "APP" / "abc.txt"), fs::last_write_time(abc));
    EXPECT_NE(fileText(destination / "MORVANE-BACKUP.txt")
                  .find("Stick: the test's\nFiles that could not be read: none\n"),
              std::string::npos);
    EXPECT_EQ(progress.seen.front(), ".hidden");
}

TEST_F(StickBackupTest, AFileThatCannotBeReadIsLeftOutAndTheRestCopied)
{
    test::FailingTreeReading reading("STIKSAFE.BIN");
    const BackupResult result = backUp(reading);
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Done);
    EXPECT_EQ(result.unreadable, std::vector<std::string>{"OPEN-R/STIKSAFE.BIN"});
    EXPECT_EQ(result.files, 4u);
    EXPECT_FALSE(fs::exists(destination / "OPEN-R" / "STIKSAFE.BIN"));
    EXPECT_EQ(fileText(destination / "OPEN-R" / "APP" / "abc.txt"), "abc");
    EXPECT_EQ(fileText(destination / "MORVANE-BACKUP.sha256").find("STIKSAFE"), std::string::npos);
    EXPECT_NE(fileText(destination / "MORVANE-BACKUP.txt")
                  .find("Files that could not be read:\n  OPEN-R/STIKSAFE.BIN\n"),
              std::string::npos);
}

#ifndef _WIN32
// A link is never followed, and a name a manifest line cannot give back (a ':' or a line
// feed, possible on a copy of the stick here) would make the whole backup unreadable to a
// restore: each is left out and named, as an unreadable file is.
TEST_F(StickBackupTest, ALinkAndANameNoManifestCanHoldAreLeftOutAndNamed)
{
    fs::create_symlink(stick / "OPEN-R" / "APP" / "abc.txt", stick / "OPEN-R" / "LINK.TXT");
    fs::create_directory_symlink(stick / "OPEN-R" / "APP", stick / "LINKED");
    writeFile(stick / "OPEN-R" / "C:D.JPG", "x");
    writeFile(stick / "OPEN-R" / "two\nlines", "x");
    const BackupResult result = backUp();
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Done);
    EXPECT_EQ(result.unreadable,
              (std::vector<std::string>{"LINKED", "OPEN-R/C:D.JPG", "OPEN-R/LINK.TXT", "OPEN-R/two\nlines"}));
    EXPECT_EQ(result.files, 5u);
    EXPECT_FALSE(fs::exists(destination / "LINKED"));
    EXPECT_FALSE(fs::exists(destination / "OPEN-R" / "C:D.JPG"));
    EXPECT_EQ(fileText(destination / "MORVANE-BACKUP.sha256").find("OPEN-R/C"), std::string::npos);
}
#endif

// Each copy reaches the disk before the manifest that vouches for it is written: a copy
// closed unflushed could be empty after a power cut, under a manifest saying otherwise.
TEST_F(StickBackupTest, EveryCopyIsFlushedBeforeItIsClosed)
{
    class Recording : public FillingUp {
    public:
        Recording() : FillingUp(std::size_t{1} << 20) {}
        std::optional<Handle> create(const std::string& path) override
        {
            std::optional<Handle> file = FillingUp::create(path);
            if (file)
                opened[*file] = path;
            return file;
        }
        bool flush(Handle file) override
        {
            flushed.insert(opened[file]);
            return FillingUp::flush(file);
        }
        bool close(Handle file) override
        {
            if (!flushed.contains(opened[file]))
                closedUnflushed.push_back(opened[file]);
            return FillingUp::close(file);
        }
        std::map<Handle, std::string> opened;
        std::set<std::string> flushed;
        std::vector<std::string> closedUnflushed;
    } files;
    ASSERT_EQ(backUp(systemTreeReading(), files).outcome, BackupResult::Outcome::Done);
    EXPECT_EQ(files.flushed.size(), 7u) << "five copies, the notes and the manifest";
    EXPECT_EQ(files.closedUnflushed, std::vector<std::string>{});
}

// Whether the destination fills up or Cancel is pressed, what was written goes again:
// the folder the backup made, or what it put into an empty folder that was there.
TEST_F(StickBackupTest, AFullDestinationOrCancelLeavesNothingBehind)
{
    FillingUp full(1000);
    BackupResult result = backUp(systemTreeReading(), full);
    EXPECT_EQ(result.outcome, BackupResult::Outcome::DestinationFailed);
    EXPECT_EQ(result.failedPath, "OPEN-R/STIKSAFE.BIN");
    EXPECT_FALSE(fs::exists(destination));

    fs::create_directories(destination);
    progress.cancelAt = "OPEN-R/APP/abc.txt";
    result = backUp();
    EXPECT_EQ(result.outcome, BackupResult::Outcome::Cancelled);
    EXPECT_TRUE(fs::is_directory(destination));
    EXPECT_TRUE(fs::is_empty(destination));
    EXPECT_TRUE(fs::exists(stick / "OPEN-R" / "APP" / "abc.txt")) << "the stick is only read";
}

TEST_F(StickBackupTest, ADestinationMustBeNewOrEmptyAndApartFromTheStick)
{
    EXPECT_EQ(unsuitableBackupDestination(stick, destination), std::nullopt);
    fs::create_directories(destination);
    EXPECT_EQ(unsuitableBackupDestination(stick, destination), std::nullopt);
    writeFile(destination / "x", "");
    EXPECT_EQ(unsuitableBackupDestination(stick, destination),
              "the destination exists and is not an empty folder");
    EXPECT_EQ(unsuitableBackupDestination(stick, stick / "OPEN-R" / "new"),
              "the destination lies inside the stick");
    EXPECT_EQ(unsuitableBackupDestination(stick, stick / "OPEN-R" / ".." / "new"),
              "the destination lies inside the stick");
    EXPECT_EQ(unsuitableBackupDestination(stick / "OPEN-R", folder.dir() / "stick"),
              "the destination exists and is not an empty folder");
    EXPECT_EQ(unsuitableBackupDestination(stick / "OPEN-R", folder.dir()),
              "the destination exists and is not an empty folder");
    fs::create_directories(folder.dir() / "outer");
    EXPECT_EQ(unsuitableBackupDestination(folder.dir() / "outer" / "stick", folder.dir() / "outer"),
              "the stick lies inside the destination");
}

#ifdef _WIN32
// Windows names a folder in any letter case, the drive's too: the stick's folder spelt
// otherwise is still the stick.
TEST_F(StickBackupTest, TheSticksFolderInOtherLetterCaseIsTheStick)
{
    EXPECT_EQ(unsuitableBackupDestination(stick, folder.dir() / "STICK" / "open-r" / "new"),
              "the destination lies inside the stick");
    std::wstring lowerDrive = stick.wstring();
    lowerDrive[0] = static_cast<wchar_t>(std::towlower(lowerDrive[0]));
    std::wstring upperDrive = lowerDrive;
    upperDrive[0] = static_cast<wchar_t>(std::towupper(upperDrive[0]));
    EXPECT_EQ(unsuitableBackupDestination(fs::path(lowerDrive), fs::path(upperDrive) / "new"),
              "the destination lies inside the stick");
}
#else
// A backslash is a letter of a name here: a destination named with one takes the backup's
// own files too, not a folder that the name would be on a stick.
TEST_F(StickBackupTest, ADestinationNamedWithABackslashHoldsTheWholeBackup)
{
    fs::create_directories(folder.dir() / "backup");
    const fs::path named = folder.dir() / "backup\\x";
    fs::create_directories(folder.dir() / "backup" / "x");
    EXPECT_EQ(backUpStick(stick, named, {"Stick: the test's"}, progress, systemTreeReading(),
                          systemFileOperations())
                  .outcome,
              BackupResult::Outcome::Done);
    EXPECT_TRUE(fs::exists(named / "MORVANE-BACKUP.sha256"));
    EXPECT_TRUE(fs::exists(named / "MORVANE-BACKUP.txt"));
    EXPECT_TRUE(fs::is_empty(folder.dir() / "backup" / "x"));
}
#endif

using test::CliRun;
using test::runCli;

// The sample stick backed up by morvane-cli: the last line says what was copied, the
// backup opens as the same stick, and its notes name the software and the robot.
TEST(CliBackup, BacksUpTheSampleStickIntoAFolderThatOpensAsTheStick)
{
    test::TempStick folder;
    ASSERT_EQ(stickgen::writeSampleStick(folder.dir() / "stick"), std::nullopt);
    const std::string stick = utf8Text(folder.dir() / "stick");
    const std::string backup = utf8Text(folder.dir() / "backup");
    const CliRun run = runCli({"backup", stick, backup});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::optional<StickTree> tree = listStickTree(folder.dir() / "stick");
    ASSERT_TRUE(tree.has_value());
    std::uint64_t bytes = 0;
    for (const std::string& file : tree->files)
        bytes += fs::file_size(treePath(folder.dir() / "stick", file));
    EXPECT_EQ(run.out, std::to_string(tree->files.size()) + " files, " + std::to_string(bytes) +
                           " bytes backed up to " + backup + "\n");
    const auto afterRoot = [](const std::string& report) {
        return report.substr(report.find("\nVersion: "));
    };
    EXPECT_EQ(afterRoot(runCli({"report", "all", backup}).out),
              afterRoot(runCli({"report", "all", stick}).out));
    const std::string notes = fileText(folder.dir() / "backup" / "MORVANE-BACKUP.txt");
    EXPECT_NE(notes.find("\nSoftware: ERS-7 AiboMind V1/V2/V3\nLanguage code: 3\nHardware id: 0031A2C4\n"),
              std::string::npos)
        << notes;
}

TEST(CliBackup, ARefusedStickIsBackedUpAndABadDestinationIsAUsageError)
{
    test::TempStick folder;
    writeFile(folder.dir() / "notastick" / "file.txt", "x");
    const std::string notAStick = utf8Text(folder.dir() / "notastick");
    const CliRun refused = runCli({"backup", notAStick, utf8Text(folder.dir() / "b1")});
    EXPECT_EQ(refused.status, 0);
    EXPECT_EQ(refused.err, "Stick Open Error: can't open memstick.ind\n");
    EXPECT_NE(fileText(folder.dir() / "b1" / "MORVANE-BACKUP.txt")
                  .find("Software: not recognised: can't open memstick.ind\n"),
              std::string::npos);

    const CliRun inside = runCli({"backup", notAStick, utf8Text(folder.dir() / "notastick" / "b2")});
    EXPECT_EQ(inside.status, 64);
    EXPECT_EQ(inside.err,
              "morvane-cli: backup: the destination lies inside the stick (try 'morvane-cli --help')\n")
        << "a usage error is one line";
    EXPECT_FALSE(fs::exists(folder.dir() / "notastick" / "b2"));
    EXPECT_EQ(runCli({"backup", notAStick}).status, 64);
}

}  // namespace
}  // namespace morvane
