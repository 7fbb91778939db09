// Replacing a file in one step: whichever step of a save fails, the old file stays as it
// was and no temporary file is left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "base/Utf8Path.h"
#include "stick/AtomicFile.h"
#include "tests/support/InStickDirectory.h"

namespace morvane {
namespace {

enum class Step { Create, Write, Flush, Close, Rename, Remove };

// The system's file operations, with the chosen steps failing. A failing write writes
// half of its bytes first, and a failing close still releases the file, as systems do.
class FaultyFileOperations : public FileOperations {
public:
    explicit FaultyFileOperations(std::set<Step> failing) : failing_(std::move(failing)) {}

    std::optional<Handle> create(const std::string& path) override
    {
        createdPath = path;
        return fails(Step::Create) ? std::nullopt : system_.create(path);
    }
    bool write(Handle file, std::span<const std::uint8_t> bytes) override
    {
        if (!fails(Step::Write))
            return system_.write(file, bytes);
        system_.write(file, bytes.first(bytes.size() / 2));
        return false;
    }
    bool flush(Handle file) override { return !fails(Step::Flush) && system_.flush(file); }
    bool close(Handle file) override { return system_.close(file) && !fails(Step::Close); }
    bool rename(const std::string& from, const std::string& to) override
    {
        return !fails(Step::Rename) && system_.rename(from, to);
    }
    bool remove(const std::string& path) override { return !fails(Step::Remove) && system_.remove(path); }

    std::string createdPath;

private:
    bool fails(Step step) const { return failing_.count(step) != 0; }

    std::set<Step> failing_;
    FileOperations& system_ = systemFileOperations();
};

class AtomicFileTest : public test::InStickDirectory {
protected:
    std::string contentOf(const std::string& name) const
    {
        std::ifstream in(directory() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::set<std::string> namesInDirectory() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(directory()))
            names.insert(entry.path().filename().string());
        return names;
    }

    std::filesystem::path directory() const { return stick.dir() / "OPEN-R" / "MW" / "CONF"; }

    const std::vector<std::uint8_t> newBytes{'n', 'e', 'w', '\r', '\n', 0, 1};
};

TEST_F(AtomicFileTest, AFailureAtAnyStepKeepsTheOldFileAndLeavesNoTemporary)
{
    const std::pair<Step, SaveOutcome> failures[]{{Step::Create, SaveOutcome::TemporaryFileRefused},
                                                  {Step::Write, SaveOutcome::Failed},
                                                  {Step::Flush, SaveOutcome::Failed},
                                                  {Step::Close, SaveOutcome::Failed},
                                                  {Step::Rename, SaveOutcome::Failed}};
    for (const auto& [step, outcome] : failures) {
        stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "old volumes\r\n");
        FaultyFileOperations files({step});
        EXPECT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes, files), outcome);
        EXPECT_EQ(contentOf("VOLUME.CFG"), "old volumes\r\n") << static_cast<int>(step);
        EXPECT_EQ(namesInDirectory(), std::set<std::string>{"VOLUME.CFG"}) << static_cast<int>(step);
        EXPECT_EQ(std::filesystem::path(files.createdPath).parent_path(), "OPEN-R/MW/CONF");
    }
}

TEST_F(AtomicFileTest, AFailedCleanUpStillReportsTheFailureAndKeepsTheOldFile)
{
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "old");
    FaultyFileOperations files({Step::Rename, Step::Remove});
    EXPECT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes, files), SaveOutcome::Failed);
    EXPECT_EQ(contentOf("VOLUME.CFG"), "old");
}

TEST_F(AtomicFileTest, AWriteProtectedFileIsKept)
{
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "old");
    const std::filesystem::path file = directory() / "VOLUME.CFG";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Failed);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(contentOf("VOLUME.CFG"), "old");
    EXPECT_EQ(namesInDirectory(), std::set<std::string>{"VOLUME.CFG"});
}

TEST_F(AtomicFileTest, ReplacesOrCreatesTheFileWithExactlyTheNewBytes)
{
    stick.write("OPEN-R/MW/CONF/volume.cfg", "old volumes, longer than the new ones");
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Saved);
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\OTHER.CFG", newBytes), SaveOutcome::Saved);
    const std::string expected(newBytes.begin(), newBytes.end());
    EXPECT_EQ(contentOf("volume.cfg"), expected);
    EXPECT_EQ(contentOf("OTHER.CFG"), expected);
    EXPECT_EQ(namesInDirectory().size(), 2u);
    EXPECT_EQ(replaceFileAtomically("OPEN-R\\NOWHERE\\VOLUME.CFG", newBytes),
              SaveOutcome::TemporaryFileRefused);
    EXPECT_FALSE(std::filesystem::exists(stick.dir() / "OPEN-R" / "NOWHERE"));
}

#ifndef _WIN32
// A file only its owner could read stays so when it is replaced.
TEST_F(AtomicFileTest, TheNewFileKeepsTheOldOnesPermissions)
{
    using std::filesystem::perms;
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "old");
    std::filesystem::permissions(directory() / "VOLUME.CFG", perms::owner_read | perms::owner_write);
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Saved);
    EXPECT_EQ(std::filesystem::status(directory() / "VOLUME.CFG").permissions(),
              perms::owner_read | perms::owner_write);
}
#endif

// A file the disk spells in other letter case keeps its name: on Windows too, where the
// stick path's spelling would otherwise become the file's.
TEST_F(AtomicFileTest, AFileReplacedKeepsItsLetterCase)
{
    stick.write("OPEN-R/MW/CONF/volume.cfg", "old");
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Saved);
    EXPECT_EQ(namesInDirectory(), std::set<std::string>{"volume.cfg"});
    EXPECT_EQ(contentOf("volume.cfg"), std::string(newBytes.begin(), newBytes.end()));
#ifdef _WIN32
    ASSERT_EQ(replaceNativeFileAtomically(utf8Text(directory() / "VOLUME.CFG"), newBytes),
              SaveOutcome::Saved);
    EXPECT_EQ(namesInDirectory(), std::set<std::string>{"volume.cfg"});
#endif
}

// What stands under the temporary name is not the save's: a file left by a save cut off, or
// someone else's, and a link to a file elsewhere are neither written through nor removed.
TEST_F(AtomicFileTest, WhatStandsUnderTheTemporaryNameIsLeftAsItIs)
{
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "old");
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG.morvane-new", "someone's");
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Saved);
    EXPECT_EQ(contentOf("VOLUME.CFG"), std::string(newBytes.begin(), newBytes.end()));
    EXPECT_EQ(contentOf("VOLUME.CFG.morvane-new"), "someone's");
    EXPECT_EQ(namesInDirectory(), (std::set<std::string>{"VOLUME.CFG", "VOLUME.CFG.morvane-new"}));

    stick.write("elsewhere.txt", "not the stick's");
    std::error_code error;
    std::filesystem::create_symlink(stick.dir() / "elsewhere.txt", directory() / "VOLUME.CFG.morvane-new2",
                                    error);
    if (error)
        GTEST_SKIP() << "no symbolic links here: " << error.message();
    ASSERT_EQ(replaceFileAtomically("OPEN-R\\MW\\CONF\\VOLUME.CFG", newBytes), SaveOutcome::Saved);
    EXPECT_FALSE(std::filesystem::is_symlink(directory() / "VOLUME.CFG"));
    EXPECT_EQ(contentOf("VOLUME.CFG.morvane-new2"), "not the stick's");
    EXPECT_TRUE(std::filesystem::is_symlink(directory() / "VOLUME.CFG.morvane-new2"));
    EXPECT_EQ(namesInDirectory(),
              (std::set<std::string>{"VOLUME.CFG", "VOLUME.CFG.morvane-new", "VOLUME.CFG.morvane-new2"}));
}

}  // namespace
}  // namespace morvane
