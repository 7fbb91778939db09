// Checking a stick: a backup's manifest read in sha256sum's variants, every byte read, the
// formats' own rules, and morvane-cli check against a backup as the owner meets it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/BackupManifest.h"
#include "app/StickCheck.h"
#include "base/Utf8Path.h"
#include "tests/support/CliRun.h"
#include "tests/support/FailingTreeReading.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using test::runCli;

const std::string kEmpty = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";
const std::string kAbc = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

TEST(BackupManifest, ReadsSha256sumsLinesAndStopsAtTheFirstThatDoesNotParse)
{
    ParsedManifest parsed = parseBackupManifest(kEmpty + "  MEMSTICK.IND\n" + kAbc + "  OPEN-R/a b.txt\n");
    EXPECT_EQ(parsed.badLine, 0u);
    ASSERT_EQ(parsed.entries.size(), 2u);
    EXPECT_EQ(parsed.entries[1].path, "OPEN-R/a b.txt");
    parsed = parseBackupManifest(
        "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855 *MEMSTICK.IND\r\n");
    ASSERT_EQ(parsed.entries.size(), 1u);
    EXPECT_EQ(parsed.entries[0].digest, kEmpty);
    EXPECT_EQ(parsed.entries[0].path, "MEMSTICK.IND");
    // A digit too few, one blank, no path, a letter that is no hexadecimal digit, a path
    // ending in a carriage return.
    for (const char* bad : {"3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  X\n",
                            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855 *\r\r\n",
                            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  X\r\r\n",
                            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855 X\n",
                            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  \n",
                            "x3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855  X\n"})
        EXPECT_EQ(parseBackupManifest(kEmpty + "  A\n" + bad).badLine, 2u) << bad;
}

// A path that would lead a restore out of the stick, on any system, is a line that does not
// parse: the backup is then damaged, and nothing is written.
TEST(BackupManifest, APathThatLeavesTheStickDoesNotParse)
{
    for (const char* path : {"../x", "OPEN-R/../../x", "..", "OPEN-R/./x", "./x", "/etc/passwd", "OPEN-R//x",
                             "OPEN-R/", "OPEN-R\\..\\..\\x", "C:/x", "C:x", "OPEN-R/x:stream"})
        EXPECT_EQ(parseBackupManifest(kEmpty + "  A\n" + kAbc + "  " + path + "\n").badLine, 2u) << path;
    EXPECT_EQ(parseBackupManifest(kAbc + "  ..hidden/x..y/.z\n").badLine, 0u);
}

class StickCheckTest : public ::testing::Test {
protected:
    StickCheckTest() { EXPECT_EQ(stickgen::writeSampleStick(stick), std::nullopt); }

    std::vector<std::string>
    problems(const std::optional<std::vector<ManifestEntry>>& manifest = std::nullopt,
             TreeReading& reading = systemTreeReading())
    {
        UnwatchedReading quiet;
        std::vector<std::string> lines;
        for (const CheckProblem& problem : checkStick(stick, manifest, quiet, reading).problems)
            lines.push_back(problem.line());
        return lines;
    }

    test::TempStick folder;
    const fs::path stick = folder.dir() / "stick";
};

// The sample stick holds no problem; a damaged GVAR, a short FVAR, a missing marker and
// a file that fails part-way each show, in path order.
TEST_F(StickCheckTest, EveryByteIsReadAndTheFormatsRulesHold)
{
    EXPECT_EQ(problems(), std::vector<std::string>{});
    std::fstream gvar(stick / "OPEN-R" / "APP" / "DATA" / "P" / "GVAR",
                      std::ios::in | std::ios::out | std::ios::binary);
    gvar.seekp(100);
    gvar.put('\x01');
    gvar.close();
    fs::resize_file(stick / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR", 259);
    fs::remove(stick / "MEMSTICK.IND");
    test::FailingTreeReading reading("RVAR");
    EXPECT_EQ(problems(std::nullopt, reading),
              (std::vector<std::string>{"bad: MEMSTICK.IND (missing)", "bad: OPEN-R/APP/DATA/P/FVAR (size)",
                                        "bad: OPEN-R/APP/DATA/P/GVAR (checksum)",
                                        "unreadable: OPEN-R/APP/DATA/P/RVAR"}));
}

// A compressed file that does not decompress is named once, by that, however the robot's
// readers would judge its part; one that decompresses is no problem.
TEST_F(StickCheckTest, ACompressedFileThatDoesNotDecompressIsBad)
{
    const fs::path data = stick / "OPEN-R" / "APP" / "DATA" / "P";
    const std::string text = "ESSID=home\r\n";
    const std::vector<std::uint8_t> whole = stickgen::gzipCompressed(
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), "WLANCONF.TXT");
    std::ofstream(data / "WHOLE.TXT", std::ios::binary)
        .write(reinterpret_cast<const char*>(whole.data()), static_cast<std::streamsize>(whole.size()));
    std::vector<std::uint8_t> cut(whole.begin(), whole.end() - 6);
    std::ofstream(data / "GVAR", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
    EXPECT_EQ(problems(), (std::vector<std::string>{"bad: OPEN-R/APP/DATA/P/GVAR (does not decompress)"}));
}

// Against a manifest: a file whose digest differs is changed, one only in the manifest
// missing, one only on the stick extra; letter case alone is no difference.
TEST_F(StickCheckTest, AgainstAManifestFilesAreChangedMissingOrExtra)
{
    std::ofstream(stick / "extra.txt") << "abc";
    const std::vector<ManifestEntry> manifest{
        {kEmpty, "memstick.ind"}, {kAbc, "Gone.txt"}, {kAbc, "extra.TXT"}};
    const std::vector<std::string> found = problems(manifest);
    EXPECT_EQ(std::count(found.begin(), found.end(), "missing: Gone.txt"), 1);
    EXPECT_EQ(std::count_if(found.begin(), found.end(),
                            [](const std::string& line) { return line.starts_with("extra: "); }),
              65);  // the sample stick's files the manifest lacks
    EXPECT_EQ(std::find(found.begin(), found.end(), "extra: MEMSTICK.IND"), found.end());
    EXPECT_EQ(std::find(found.begin(), found.end(), "extra: extra.txt"), found.end());
    std::ofstream(stick / "extra.txt") << "abcd";
    const std::vector<std::string> changed = problems(manifest);
    EXPECT_NE(std::find(changed.begin(), changed.end(), "changed: extra.txt"), changed.end());
}

// The owner's round: a backup, the skill levels changed, and check names exactly FVAR;
// the backup checked on its own holds nothing wrong; a backup without its manifest, or
// with a damaged one, is said to be so.
TEST_F(StickCheckTest, TheCliChecksAStickAgainstItsBackupAndABackupAgainstItself)
{
    const std::string stickArg = utf8Text(stick);
    const std::string backup = utf8Text(folder.dir() / "backup");
    ASSERT_EQ(runCli({"backup", stickArg, backup}).status, 0);
    ASSERT_EQ(runCli({"skills", stickArg, "--walk", "1234"}).status, 0);
    const test::CliRun changed = runCli({"check", stickArg, "--against", backup});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.out, "changed: OPEN-R/APP/DATA/P/FVAR\n66 files checked, 1 problems\n");
    const test::CliRun itself = runCli({"check", backup});
    EXPECT_EQ(itself.status, 0);
    EXPECT_EQ(itself.out, "66 files checked, 0 problems\n");

    std::ofstream(folder.dir() / "backup" / "MORVANE-BACKUP.sha256", std::ios::app) << "not a line\n";
    const test::CliRun damaged = runCli({"check", stickArg, "--against", backup});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.err,
              "morvane-cli: the manifest of the backup " + backup + " is damaged (line 67 does not parse)\n");
    fs::remove(folder.dir() / "backup" / "MORVANE-BACKUP.sha256");
    const test::CliRun incomplete = runCli({"check", stickArg, "--against", backup});
    EXPECT_EQ(incomplete.status, 1);
    EXPECT_EQ(incomplete.err, "morvane-cli: the backup " + backup +
                                  " holds no MORVANE-BACKUP.sha256: the backup is incomplete\n");
}

#ifndef _WIN32
// What the listing cannot see is unreadable, not missing: a link where the backup holds a
// file, and the files of a folder that is now a link.
TEST_F(StickCheckTest, WhatTheListingCannotSeeIsUnreadableNotMissing)
{
    fs::create_directories(folder.dir() / "elsewhere");
    std::ofstream(folder.dir() / "elsewhere" / "abc.txt", std::ios::binary) << "abc";
    fs::create_symlink(folder.dir() / "elsewhere" / "abc.txt", stick / "OPEN-R" / "LINK.TXT");
    fs::create_directory_symlink(folder.dir() / "elsewhere", stick / "LINKED");
    const std::vector<std::string> found =
        problems(std::vector<ManifestEntry>{{kAbc, "LINKED/abc.txt"}, {kAbc, "OPEN-R/LINK.TXT"}});
    std::vector<std::string> notExtra;
    std::copy_if(found.begin(), found.end(), std::back_inserter(notExtra),
                 [](const std::string& line) { return !line.starts_with("extra: "); });
    EXPECT_EQ(notExtra, (std::vector<std::string>{"unreadable: LINKED", "unreadable: OPEN-R/LINK.TXT"}));
}
#endif

}  // namespace
}  // namespace morvane
