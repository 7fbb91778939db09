// Stick files stored as gzip members: both ways to a stick file read the decompressed
// bytes, a damaged or oversized member opens but reads nothing, and a save keeps the
// form it finds (the old header byte for byte).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "stick/GzipMember.h"
#include "stick/StickFile.h"
#include "stick/StickFileContent.h"
#include "stick/StickFileSave.h"
#include "stick/StickStream.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/GzipFile.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using CompressedStickFileTest = test::InStickDirectory;

// "ab\r\ncd\r\n" in one member whose header has every optional field: an extra field
// "XY" of two bytes, the name TEST.TXT, the comment "hi" and a header CRC.
const Bytes kMember{0x1f, 0x8b, 0x08, 0x1e, 0xff, 0xe0, 0xf5, 0x05, 0x02, 0x00, 0x04, 0x00,
                    0x58, 0x59, 0x00, 0x00, 0x54, 0x45, 0x53, 0x54, 0x2e, 0x54, 0x58, 0x54,
                    0x00, 0x68, 0x69, 0x00, 0xa1, 0x63, 0x4b, 0x4c, 0xe2, 0xe5, 0x4a, 0x4e,
                    0xe1, 0xe5, 0x02, 0x00, 0xbd, 0x85, 0x52, 0xa0, 0x08, 0x00, 0x00, 0x00};
constexpr std::size_t kMemberHeaderSize = 30;

Bytes concatenated(Bytes first, const Bytes& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string streamText(const char* path, const char* mode)
{
    std::unique_ptr<StickStream> stream = StickStream::open(path, mode);
    if (!stream)
        return "<no stream>";
    std::string text(64, '\0');
    text.resize(stream->read(text.data(), text.size()));
    return text;
}

TEST_F(CompressedStickFileTest, BothWaysReadTheDecompressedBytes)
{
    stick.write("WLANCONF.TXT", kMember);
    EXPECT_EQ(streamText("WLANCONF.TXT", "rb"), "ab\r\ncd\r\n");
    EXPECT_EQ(streamText("wlanconf.txt", "rt"), "ab\ncd\n");
    std::unique_ptr<StickFile> file = StickFile::open(stick.rootPath(), "WLANCONF.TXT", "rt");
    ASSERT_NE(file, nullptr);
    std::string line;
    ASSERT_TRUE(file->readLine(line, 124));
    EXPECT_EQ(line, "ab\n");
    ASSERT_TRUE(file->readLine(line, 124));
    EXPECT_EQ(line, "cd\n");
    EXPECT_FALSE(file->readLine(line, 124));
    EXPECT_TRUE(StickFile::close(std::move(file)));

    std::unique_ptr<StickStream> stream = StickStream::open("WLANCONF.TXT", "rb");
    ASSERT_TRUE(stream->seek(0, SEEK_END));
    EXPECT_EQ(stream->tell(), 8) << "the size is the decompressed size";
    EXPECT_FALSE(stream->seek(-9, SEEK_END));
    EXPECT_EQ(stream->tell(), 8);
}

TEST_F(CompressedStickFileTest, MembersInARowReadAsOneFileAndBytesAfterThemAreIgnored)
{
    stick.write("A.CFG", concatenated(kMember, kMember));
    EXPECT_EQ(streamText("A.CFG", "rb"), "ab\r\ncd\r\nab\r\ncd\r\n");
    stick.write("B.CFG", concatenated(kMember, {0, 0, 'x'}));
    EXPECT_EQ(streamText("B.CFG", "rb"), "ab\r\ncd\r\n");
    stick.write("C.CFG", Bytes{0x1f, 0x8b, 0x07, 0x00, 'p', 'l', 'a', 'i', 'n'});
    EXPECT_EQ(streamText("C.CFG", "rb"), std::string("\x1f\x8b\x07\x00plain", 9))
        << "not deflate: a plain file";
}

TEST_F(CompressedStickFileTest, ADamagedMemberOpensButCannotBeRead)
{
    const auto damage = [](Bytes member, std::size_t at) {
        member[at] ^= 0x01;
        return member;
    };
    const Bytes damaged[] = {damage(kMember, 33), damage(kMember, kMember.size() - 8),
                             damage(kMember, kMember.size() - 1), Bytes(kMember.begin(), kMember.end() - 1),
                             Bytes(kMember.begin(), kMember.begin() + 20)};
    for (const Bytes& bytes : damaged) {
        stick.write("FVAR", bytes);
        std::unique_ptr<StickStream> stream = StickStream::open("FVAR", "rb");
        ASSERT_NE(stream, nullptr) << "the file is there";
        char byte = 0;
        EXPECT_EQ(stream->read(&byte, 1), 0u);
        EXPECT_FALSE(stream->seek(0, SEEK_END));
        std::unique_ptr<StickFile> file = StickFile::openForReading(stick.rootPath(), "FVAR");
        ASSERT_NE(file, nullptr);
        EXPECT_FALSE(file->readExact(&byte, 1));
    }
}

TEST(GzipMemberTest, ContentBeyondTheLimitIsRefused)
{
    EXPECT_EQ(gunzip(kMember, 8), (Bytes{'a', 'b', '\r', '\n', 'c', 'd', '\r', '\n'}));
    EXPECT_EQ(gunzip(kMember, 7), std::nullopt);
    EXPECT_EQ(gunzip(concatenated(kMember, kMember), 15), std::nullopt) << "the limit counts every member";
    // A stick file holds at most 16 MiB once decompressed.
    const Bytes largest(16777216, 'x');
    EXPECT_EQ(gunzip(stickgen::gzipCompressed(largest, "BIG"))->size(), largest.size());
    EXPECT_EQ(gunzip(stickgen::gzipCompressed(Bytes(16777217, 'x'), "BIG")), std::nullopt);

    bool beyondLimit = false;
    EXPECT_EQ(gunzip(kMember, 7, beyondLimit), std::nullopt);
    EXPECT_TRUE(beyondLimit);
    Bytes damaged = kMember;
    damaged[kMember.size() - 1] ^= 0x01;
    EXPECT_EQ(gunzip(damaged, 8, beyondLimit), std::nullopt);
    EXPECT_FALSE(beyondLimit) << "damaged, not too large";
}

// A whole file read within a limit of its reader's: a compressed file is refused as too
// large once its content passes that limit, as a plain one is by its size.
TEST_F(CompressedStickFileTest, AReadersLimitRefusesLargerCompressedContent)
{
    stick.write("HUGE.XML", stickgen::gzipCompressed(Bytes(17 * 1024 * 1024, 'x'), "HUGE.XML"));
    EXPECT_EQ(readStickFileContent("HUGE.XML", 1024 * 1024).outcome, StickFileContent::Outcome::TooLarge)
        << "beyond every stick file too, yet refused for the reader's limit";
    stick.write("DAY.XML", stickgen::gzipCompressed(Bytes(2 * 1024 * 1024, 'x'), "DAY.XML"));
    EXPECT_EQ(readStickFileContent("DAY.XML", 1024 * 1024).outcome, StickFileContent::Outcome::TooLarge);
    const StickFileContent whole = readStickFileContent("DAY.XML", 2 * 1024 * 1024);
    EXPECT_EQ(whole.outcome, StickFileContent::Outcome::Read);
    EXPECT_EQ(whole.bytes.size(), 2u * 1024 * 1024);
    Bytes damaged = kMember;
    damaged[kMember.size() - 1] ^= 0x01;
    stick.write("BAD.XML", damaged);
    EXPECT_EQ(readStickFileContent("BAD.XML", 1024).outcome, StickFileContent::Outcome::Unreadable);
}

// "robot" behind an extra field of five bytes and no other optional field, so that the
// data starts right after the extra field.
TEST(GzipMemberTest, TheExtraFieldIsSkippedByItsOwnLength)
{
    const Bytes member{0x1f, 0x8b, 0x08, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x05,
                       0x00, 0x41, 0x42, 0x01, 0x00, 0x5a, 0x2b, 0xca, 0x4f, 0xca, 0x2f,
                       0x01, 0x00, 0xe4, 0x7e, 0x2b, 0xd8, 0x05, 0x00, 0x00, 0x00};
    EXPECT_EQ(gunzip(member), (Bytes{'r', 'o', 'b', 'o', 't'}));
}

Bytes onDisk(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

TEST_F(CompressedStickFileTest, ASaveKeepsTheFormItFinds)
{
    const Bytes content{'n', 'e', 'w'};
    stick.write("P/PLAIN", "old");
    ASSERT_EQ(saveStickFile("P\\PLAIN", content), SaveOutcome::Saved);
    EXPECT_EQ(onDisk(stick.dir() / "P" / "PLAIN"), content);
    ASSERT_EQ(saveStickFile("P\\ABSENT", content), SaveOutcome::Saved);
    EXPECT_EQ(onDisk(stick.dir() / "P" / "ABSENT"), content);

    stick.write("P/PACKED", kMember);
    ASSERT_EQ(saveStickFile("p\\packed", content), SaveOutcome::Saved);
    const Bytes saved = onDisk(stick.dir() / "P" / "PACKED");
    ASSERT_GT(saved.size(), kMemberHeaderSize);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + kMemberHeaderSize),
              Bytes(kMember.begin(), kMember.begin() + kMemberHeaderSize))
        << "the old header, byte for byte";
    EXPECT_EQ(streamText("P\\PACKED", "rb"), "new");

    stick.write("P/BROKEN", Bytes{0x1f, 0x8b, 0x08, 0x08, 0, 0, 0, 0, 0, 0xff, 'N', 'O'});
    ASSERT_EQ(saveStickFile("P\\BROKEN", content), SaveOutcome::Saved);
    const Bytes rewritten = onDisk(stick.dir() / "P" / "BROKEN");
    EXPECT_EQ(Bytes(rewritten.begin(), rewritten.begin() + 17),
              (Bytes{0x1f, 0x8b, 0x08, 0x08, 0, 0, 0, 0, 0, 0xff, 'B', 'R', 'O', 'K', 'E', 'N', 0}))
        << "an unreadable header: a new one naming the file";
    EXPECT_EQ(streamText("P\\BROKEN", "rb"), "new");
}

// Bytes after the old members start no member and are not this program's: the new member
// goes before them. Members in a row become one member of the whole content.
TEST_F(CompressedStickFileTest, ASaveKeepsWhatFollowedTheOldMembers)
{
    const Bytes content{'n', 'e', 'w'};
    stick.write("P/TAILED", concatenated(concatenated(kMember, kMember), {0, 0, 'x'}));
    ASSERT_EQ(saveStickFile("P\\TAILED", content), SaveOutcome::Saved);
    const Bytes saved = onDisk(stick.dir() / "P" / "TAILED");
    ASSERT_GT(saved.size(), kMemberHeaderSize + 3);
    EXPECT_EQ(Bytes(saved.end() - 3, saved.end()), (Bytes{0, 0, 'x'}));
    EXPECT_EQ(gunzip(saved), content);
    EXPECT_EQ(gzipMembersSize(saved), saved.size() - 3);
    EXPECT_EQ(gzipMembersSize(concatenated(kMember, {0x1f})), kMember.size());
    EXPECT_EQ(gzipMembersSize(Bytes(kMember.begin(), kMember.end() - 1)), std::nullopt);
}

}  // namespace
}  // namespace morvane
