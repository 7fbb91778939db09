// The buffered-stream way to stick files: paths relative to the current directory,
// Windows text mode on every platform.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "stick/OsFile.h"
#include "stick/StickStream.h"
#include "tests/support/InStickDirectory.h"

namespace morvane {
namespace {

using StickStreamTest = test::InStickDirectory;

std::string readEverything(StickStream& stream)
{
    std::array<char, 64> buffer{};
    std::string text;
    while (std::size_t got = stream.read(buffer.data(), buffer.size()))
        text.append(buffer.data(), got);
    return text;
}

TEST_F(StickStreamTest, OpensRelativePathsInAnyLetterCaseAndOnlyFiles)
{
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "0x8000 0x8000\r\n");
    EXPECT_NE(StickStream::open("open-r\\mw\\conf\\volume.cfg", "rt"), nullptr);
    EXPECT_EQ(StickStream::open("OPEN-R\\MW\\CONF\\MISSING.CFG", "rt"), nullptr);
    EXPECT_EQ(StickStream::open("OPEN-R\\MW\\CONF", "rb"), nullptr) << "a directory is no file";
}

// A read that fails is told from the end of the file, as the C library's error flag tells
// it: a compressed file that does not decompress reads nothing, and says it failed.
TEST_F(StickStreamTest, AFailedReadIsToldFromTheEndOfTheFile)
{
    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", "0x8000 0x8000\r\n");
    std::unique_ptr<StickStream> plain = StickStream::open("OPEN-R\\MW\\CONF\\VOLUME.CFG", "rb");
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(readEverything(*plain), "0x8000 0x8000\r\n");
    EXPECT_FALSE(plain->readFailed());
    StickStream::close(std::move(plain));  // Windows would not let the file be rewritten

    stick.write("OPEN-R/MW/CONF/VOLUME.CFG", std::string("\x1f\x8b\x08\x00not deflated", 16));
    std::unique_ptr<StickStream> broken = StickStream::open("OPEN-R\\MW\\CONF\\VOLUME.CFG", "rb");
    ASSERT_NE(broken, nullptr);
    EXPECT_EQ(readEverything(*broken), "");
    EXPECT_TRUE(broken->readFailed());
}

TEST_F(StickStreamTest, TextModeReadsCrLfAsLfAndKeepsALoneCr)
{
    stick.write("CUS.CFG", "head\r\na\rb\r\n\r\n");
    auto text = StickStream::open("CUS.CFG", "rt");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(readEverything(*text), "head\na\rb\n\n");
    auto binary = StickStream::open("CUS.CFG", "rb");
    ASSERT_NE(binary, nullptr);
    EXPECT_EQ(readEverything(*binary), "head\r\na\rb\r\n\r\n");
}

TEST_F(StickStreamTest, ReadLineStopsAfterLfOrAtCapacity)
{
    stick.write("CUS.CFG", "abcdefgh\r\nxy\r\nlast");
    auto stream = StickStream::open("CUS.CFG", "rt");
    ASSERT_NE(stream, nullptr);
    std::string line;
    ASSERT_TRUE(stream->readLine(line, 6));
    EXPECT_EQ(line, "abcde");
    ASSERT_TRUE(stream->readLine(line, 6));
    EXPECT_EQ(line, "fgh\n");
    ASSERT_TRUE(stream->readLine(line, 6));
    EXPECT_EQ(line, "xy\n");
    ASSERT_TRUE(stream->readLine(line, 6));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(stream->readLine(line, 6));
}

TEST_F(StickStreamTest, SeekAndTellUseFileOffsets)
{
    stick.write("HMMDATA.BIN", std::string(1000, 'h'));
    auto stream = StickStream::open("hmmdata.bin", "rb");
    ASSERT_NE(stream, nullptr);
    ASSERT_TRUE(stream->seek(0, SEEK_END));
    EXPECT_EQ(stream->tell(), 1000);
    ASSERT_TRUE(stream->seek(10, SEEK_SET));
    EXPECT_EQ(stream->tell(), 10);
    EXPECT_TRUE(StickStream::close(std::move(stream)));
}

}  // namespace
}  // namespace morvane
