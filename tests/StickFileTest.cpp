// Opening, reading, seeking and closing stick files through the root-joined access.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#include <utime.h>
#endif

#include "stick/StickFile.h"
#include "stick/StickPath.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

using test::TempStick;

TEST(StickFile, OpensExistingFilesOnlyAndNeverDirectories)
{
    TempStick stick;
    stick.write("OPEN-R\\APP\\VERSION", "x");
    EXPECT_NE(StickFile::openForReading(stick.rootPath(), "OPEN-R\\APP\\VERSION"), nullptr);
    EXPECT_EQ(StickFile::openForReading(stick.rootPath(), "OPEN-R\\APP\\MISSING"), nullptr);
    EXPECT_EQ(StickFile::openForReading(stick.rootPath(), "OPEN-R\\APP"), nullptr);
    EXPECT_EQ(StickFile::open(stick.rootPath(), "OPEN-R\\APP\\MISSING", "rt"), nullptr);
    // An unknown root reaches nothing, not even what the path would name from the top.
    std::string fromTheTop = stick.rootPath().substr(1) + "\\OPEN-R\\APP\\VERSION";
    std::replace(fromTheTop.begin(), fromTheTop.end(), '/', '\\');
    EXPECT_EQ(StickFile::openForReading("", fromTheTop), nullptr);
}

TEST(StickFile, MatchesNamesWithoutRegardToLetterCase)
{
    TempStick stick;
    stick.write("MEMSTICK.IND", "");
    stick.write("OPEN-R/APP/DATA/P/TR.CT", "colours");
    stick.write("custom/Comments.Ini", "x");
    EXPECT_NE(StickFile::openForReading(stick.rootPath(), "memstick.ind"), nullptr);
    EXPECT_NE(StickFile::openForReading(stick.rootPath(), "open-r\\app\\data\\p\\tr.ct"), nullptr);
    EXPECT_NE(StickFile::openForReading(stick.rootPath(), "CUSTOM\\COMMENTS.INI"), nullptr);
}

TEST(StickFile, PrefersTheExactNameWhenSeveralDifferOnlyInCase)
{
    TempStick stick;
    stick.write("GVAR", "upper");
    stick.write("gvar", "lower");
    std::array<char, 5> text{};
    auto file = StickFile::openForReading(stick.rootPath(), "gvar");
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(file->readExact(text.data(), 5));
    EXPECT_EQ(std::string(text.data(), 5), "lower");
}

TEST(StickFile, RefusesAJoinedPathLongerThan255Characters)
{
    TempStick stick;
    const std::string root = stick.rootPath();
    ASSERT_LT(root.size(), 200u);
    // 255 bytes in all: the root, one separator and the name.
    std::string name(255 - root.size() - 1, 'a');
    stick.write(name, "fits");
    stick.write(name + "a", "one byte too long");
    EXPECT_NE(StickFile::openForReading(root, name), nullptr);
    EXPECT_EQ(StickFile::openForReading(root, name + "a"), nullptr);
}

TEST(StickFile, ReadExactFailsOnAShortReadAndStillAdvances)
{
    TempStick stick;
    stick.write("TEN", "0123456789");
    auto file = StickFile::openForReading(stick.rootPath(), "TEN");
    ASSERT_NE(file, nullptr);
    std::array<char, 16> buffer{};
    EXPECT_FALSE(file->readExact(buffer.data(), 16));
    EXPECT_FALSE(file->readExact(buffer.data(), 1));
    ASSERT_TRUE(file->seek(8));
    EXPECT_TRUE(file->readExact(buffer.data(), 2));
    EXPECT_EQ(std::string(buffer.data(), 2), "89");
}

TEST(StickFile, SeekBeyondTheEndMakesTheNextReadFailAndNegativeSeekKeepsPosition)
{
    TempStick stick;
    stick.write("TEN", "0123456789");
    auto file = StickFile::openForReading(stick.rootPath(), "TEN");
    ASSERT_NE(file, nullptr);
    std::array<char, 4> buffer{};
    EXPECT_TRUE(file->seek(100));
    EXPECT_FALSE(file->readExact(buffer.data(), 1));
    ASSERT_TRUE(file->seek(3));
    EXPECT_FALSE(file->seek(-1));
    ASSERT_TRUE(file->readExact(buffer.data(), 2));
    EXPECT_EQ(std::string(buffer.data(), 2), "34");
}

TEST(StickFile, CloseAnswersFalseForNone)
{
    EXPECT_FALSE(StickFile::close(nullptr));
    TempStick stick;
    stick.write("A", "a");
    EXPECT_TRUE(StickFile::close(StickFile::openForReading(stick.rootPath(), "A")));
}

#ifndef _WIN32
// Only a regular file opens: a pipe would hold the open until a writer came, and a device
// such as /dev/zero would feed a reader for ever.
TEST(StickFile, RefusesPipesAndDevicesStandingUnderAStickName)
{
    TempStick stick;
    stick.write("OPEN-R/SYSTEM/CONF/README", "x");
    const std::filesystem::path conf = stick.dir() / "OPEN-R" / "SYSTEM" / "CONF";
    ASSERT_EQ(mkfifo((conf / "WLANCONF.TXT").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", conf / "WLANDFLT.TXT");
    EXPECT_EQ(StickFile::openForReading(stick.rootPath(), "OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT"), nullptr);
    EXPECT_EQ(StickFile::openForReading(stick.rootPath(), "OPEN-R\\SYSTEM\\CONF\\WLANDFLT.TXT"), nullptr);
    std::filesystem::create_symlink(conf / "README", conf / "LINKED");
    EXPECT_NE(StickFile::openForReading(stick.rootPath(), "OPEN-R\\SYSTEM\\CONF\\LINKED"), nullptr);
}
#else
// A device name opens the device, not a file of the stick's folder: it is refused.
TEST(StickFile, RefusesADeviceName)
{
    TempStick stick;
    EXPECT_EQ(StickFile::openForReading(stick.rootPath(), "NUL"), nullptr);
}
#endif

#ifndef _WIN32
// Reading leaves the file's access time as it was. (Under Wine the host's read() moves it
// whatever the program asks, so this is pinned natively; Windows keeps it by SetFileTime.)
TEST(StickFile, ReadingLeavesTheAccessTimeAlone)
{
    test::TempStick stick;
    stick.write("OPEN-R/SYSTEM/VERSION", "abc");
    const std::string path = (stick.dir() / "OPEN-R" / "SYSTEM" / "VERSION").string();
    const utimbuf old{1000000000, 1000000000};  // 2001, long before today's relatime window
    ASSERT_EQ(utime(path.c_str(), &old), 0);
    auto file = StickFile::openForReading(stick.rootPath(), "OPEN-R\\SYSTEM\\VERSION");
    ASSERT_NE(file, nullptr);
    char bytes[3]{};
    EXPECT_TRUE(file->readExact(bytes, 3));
    EXPECT_TRUE(StickFile::close(std::move(file)));
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_atime, 1000000000);
}
#endif

}  // namespace
}  // namespace morvane
