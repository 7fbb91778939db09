// The line reader of StickFile: one read per line, one seek back after its line end, and
// one more byte read after a CR that ends a read.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stick/StickFile.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

std::vector<std::string> readAllLines(std::string_view content, std::size_t capacity)
{
    test::TempStick stick;
    stick.write("LINES.TXT", content);
    auto file = StickFile::open(stick.rootPath(), "lines.txt", "rt");
    EXPECT_NE(file, nullptr);
    std::vector<std::string> lines;
    std::string line;
    while (file && file->readLine(line, capacity) && lines.size() < 10000)
        lines.push_back(line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(StickLineReader, TurnsCrLfIntoOneLfPerLine)
{
    EXPECT_EQ(readAllLines("ESSID=dog\r\nDHCP=1\r\n", 128), (Lines{"ESSID=dog\n", "DHCP=1\n"}));
}

TEST(StickLineReader, EmptyFileGivesNoLine) { EXPECT_EQ(readAllLines("", 128), Lines{}); }

TEST(StickLineReader, LastLineWithoutLineEndComesBackWithoutLf)
{
    EXPECT_EQ(readAllLines("one\r\ntwo", 128), (Lines{"one\n", "two"}));
}

TEST(StickLineReader, LongLineComesInPiecesOfCapacityLessOne)
{
    EXPECT_EQ(readAllLines("abcdefghij\r\n", 5), (Lines{"abcd", "efgh", "ij\n"}));
}

TEST(StickLineReader, LoneCrEndsTheLineAndKeepsTheNextByte)
{
    EXPECT_EQ(readAllLines("ab\rXcd\r\n", 128), (Lines{"ab\n", "Xcd\n"}));
    EXPECT_EQ(readAllLines("ab\r\r\nc", 128), (Lines{"ab\n", "\n", "c"}));
}

TEST(StickLineReader, CrAsLastByteOfABlockLooksAtTheByteAfterIt)
{
    EXPECT_EQ(readAllLines("abc\r\nde\r\n", 5), (Lines{"abc\n", "de\n"}));
    EXPECT_EQ(readAllLines("abc\rde\r\n", 5), (Lines{"abc\n", "de\n"}));
    EXPECT_EQ(readAllLines("abc\r", 5), (Lines{"abc\n"}));
}

// WLAN files saved on a Unix-like system hold LF line ends: each line is still one line,
// not a block of them cut in the middle of a value.
TEST(StickLineReader, LfAloneEndsALine)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "line" + std::to_string(i % 10) + "\n";  // 6 bytes a line, 240 bytes
    Lines lines = readAllLines(text, 128);
    ASSERT_EQ(lines.size(), 40u);
    EXPECT_EQ(lines[0], "line0\n");
    EXPECT_EQ(lines[21], "line1\n");
    EXPECT_EQ(readAllLines("a\nb\r\nc\n\nd", 128), (Lines{"a\n", "b\n", "c\n", "\n", "d"}));
}

TEST(StickLineReader, TextEndsAtANulByte)
{
    EXPECT_EQ(readAllLines(std::string("ab\0c\r\nzz", 8), 128), (Lines{"ab"}));
}

}  // namespace
}  // namespace morvane
