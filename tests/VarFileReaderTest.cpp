// Reading the scrambled variable files, and reading and rewriting FVAR. The values each
// layout descrambles to are checked through the dumps (VarFileReportTest).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "reports/FlashVarFile.h"
#include "reports/ScrambledVarFile.h"
#include "tests/support/InStickDirectory.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/ScrambledVarFile.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

class VarFileReaderTest : public test::InStickDirectory {
protected:
    // Writes `file` as GVAR and reads it into a buffer of 99s.
    std::optional<std::size_t> readGvar(const Bytes& file)
    {
        stick.write("OPEN-R/APP/DATA/P/GVAR", file);
        values.fill(99);
        return readGlobalVars(stick.stickRoot(), values);
    }

    GlobalVars values{};
};

Bytes gvarFile(const VarFileLayout& layout)
{
    return stickgen::encodeScrambledVarFile(layout, std::vector<std::int32_t>{-1, 2});
}

TEST_F(VarFileReaderTest, DamagedScrambledFilesAreRefusedAndTheValuesLeftAlone)
{
    EXPECT_EQ(readGlobalVars(stick.stickRoot(), values), std::nullopt) << "missing";
    Bytes checksumOff = gvarFile(kGlobalVars128Layout);
    checksumOff.back() ^= 0x10;
    Bytes only200 = gvarFile(kGlobalVars64Layout);
    only200.resize(4 + 200);
    Bytes noChecksum = gvarFile(kGlobalVars64Layout);
    noChecksum.pop_back();
    const std::pair<const char*, Bytes> damaged[]{{"checksum off by one bit", checksumOff},
                                                  {"AiboMind1 magic, 200 data bytes", only200},
                                                  {"no checksum byte", noChecksum},
                                                  {"DVAR in GVAR's place", gvarFile(kDiaryVarsLayout)}};
    for (const auto& [what, file] : damaged) {
        EXPECT_EQ(readGvar(file), std::nullopt) << what;
        EXPECT_TRUE(std::all_of(values.begin(), values.end(), [](std::int32_t v) { return v == 99; }))
            << what;
    }
    std::array<std::int32_t, 31> tooSmall{};
    EXPECT_FALSE(decodeScrambledVars(kRVarsLayout, gvarFile(kRVarsLayout), tooSmall));
}

TEST_F(VarFileReaderTest, BytesAfterTheRecordAreIgnored)
{
    Bytes gvar = gvarFile(kGlobalVars64Layout);
    gvar.insert(gvar.end(), {1, 2, 3});
    EXPECT_EQ(readGvar(gvar), 64u);
    EXPECT_EQ(values[0], -1);
    EXPECT_EQ(values[64], 99);
    stickgen::FlashVarValues written{};
    written[63] = -7;
    Bytes fvar = stickgen::encodeFlashVarFile(written);
    fvar.push_back(1);
    stick.write("OPEN-R/APP/DATA/P/FVAR", fvar);
    FlashVars vars;
    ASSERT_TRUE(readFlashVars(StickStream::open(kFlashVarPath, "rb"), vars));
    EXPECT_EQ(vars.values[63], -7);
    EXPECT_FALSE(readFlashVars(nullptr, vars));
}

TEST_F(VarFileReaderTest, WrittenFlashVarsReadBackIn260BytesReplacingTheOldFile)
{
    FlashVars written;
    for (std::size_t i = 0; i < kFlashVarCount; ++i)
        written.values[i] = static_cast<std::int32_t>(i * 40503) - 1000000;
    written[FlashVarSlot::maturity] = 10000;
    stick.write("OPEN-R/APP/DATA/P/fvar", "old");
    ASSERT_EQ(writeFlashVars(written), SaveOutcome::Saved);
    FlashVars read;
    ASSERT_TRUE(readFlashVars(StickStream::open(kFlashVarPath, "rb"), read));
    EXPECT_EQ(read, written);
    const std::filesystem::path directory = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), 1)
        << "fvar replaced, not joined";
    EXPECT_EQ(std::filesystem::file_size(directory / "fvar"), 260u);
}

// What follows the variables in an FVAR is not this program's: a save keeps it.
TEST_F(VarFileReaderTest, ASaveKeepsTheBytesAfterTheVariables)
{
    std::vector<std::uint8_t> fvar{'F', 'V', 'A', 'R'};
    fvar.resize(260, 0);
    for (const char c : std::string("TRAILER"))
        fvar.push_back(static_cast<std::uint8_t>(c));
    stick.write("OPEN-R/APP/DATA/P/FVAR", fvar);
    FlashVars vars;
    vars.values[0] = 0x01020304;
    ASSERT_EQ(writeFlashVars(vars), SaveOutcome::Saved);
    const std::filesystem::path file = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR";
    std::ifstream saved(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved), {}};
    ASSERT_EQ(bytes.size(), 267u);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\x04\x03\x02\x01"));
    EXPECT_EQ(bytes.substr(260), "TRAILER");
}

// An FVAR whose whole content cannot be read again (here more than any stick file holds,
// once decompressed) is not replaced: what follows its variables could not be kept.
TEST_F(VarFileReaderTest, AnFvarThatCannotBeReadWholeIsNotReplaced)
{
    std::vector<std::uint8_t> fvar{'F', 'V', 'A', 'R'};
    fvar.resize(17 * 1024 * 1024, 0);
    const std::vector<std::uint8_t> packed = stickgen::gzipCompressed(fvar, "FVAR");
    stick.write("OPEN-R/APP/DATA/P/FVAR", packed);
    EXPECT_EQ(writeFlashVars(FlashVars{}), SaveOutcome::Failed);
    const std::filesystem::path file = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR";
    EXPECT_EQ(std::filesystem::file_size(file), packed.size());
}

// Values fit the pads when at least half of them lie within plus or minus 100000000.
TEST(KeyPadFit, HalfTheValuesWithinAHundredMillionFit)
{
    const std::int32_t wild = 100000001;
    const std::pair<std::vector<std::int32_t>, bool> cases[]{
        {{0, 0, 0, 0}, true},
        {{100000000, -100000000, wild, -wild}, true},
        {{20170531, wild, -wild, wild}, false},
        {{0, 0, wild, wild, wild}, false},
        {{0, 0, 0, wild, wild}, true},
        {{INT32_MIN, INT32_MAX}, false},
    };
    for (const auto& [values, fits] : cases)
        EXPECT_EQ(fitsKeyPads(values), fits) << ::testing::PrintToString(values);
}

}  // namespace
}  // namespace morvane
