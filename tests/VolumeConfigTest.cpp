// VOLUME.CFG: the words and positions, reading the four pairs, the file as a save
// rewrites it (the pairs replaced, every other line kept), and a save that fails at any
// step leaving the old file as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dialogs/VolumeConfigFile.h"
#include "tests/support/InStickDirectory.h"

namespace morvane {
namespace {

TEST(VolumeWordsTest, PositionsComeFromTheHighByteAndGoBackAsWholeSteps)
{
    EXPECT_EQ(volumeToPosition(0xE780), 39);
    EXPECT_EQ(volumeToPosition(0xC0FF), 0);
    EXPECT_EQ(volumeToPosition(0x0000), 0);
    EXPECT_EQ(volumeToPosition(0xC100), 1);
    EXPECT_EQ(volumeToPosition(0xFFFF), 63);
    EXPECT_EQ(positionToVolume(0), 0x8000);
    EXPECT_EQ(positionToVolume(1), 0xC100);
    EXPECT_EQ(positionToVolume(63), 0xFF00);
    EXPECT_EQ(companionWord(0xFF00), 0xFC00u);
    EXPECT_EQ(companionWord(0x8000), 0x8000u);
    EXPECT_EQ(companionWord(0x8100), 0x8000u) << "never below 0x8000";
}

TEST(VolumeConfigEncodingTest, TheDefaultFileIsSixCrLfLinesOf82Bytes)
{
    const std::string file = encodeVolumeConfig(kDefaultVolumeWords);
    EXPECT_EQ(file, "0x8000 0x8000\r\n0xE700 0xE400\r\n0xF600 0xF300\r\n0xFE00 0xFB00\r\n"
                    "MIDI_Master_Tune:8\r\n\r\n");
    EXPECT_EQ(file.size(), 82u);
    EXPECT_EQ(
        encodeVolumeConfig({0xFF00, 0xC100, 0x8000, 0xABCD}),
        "0xFF00 0xFC00\r\n0xC100 0xBE00\r\n0x8000 0x8000\r\n0xABCD 0xA8CD\r\nMIDI_Master_Tune:8\r\n\r\n");
}

// The words readVolumePairs finds in a file holding `text`, or none.
std::optional<VolumeWords> read(std::string_view text)
{
    const std::optional<VolumePairs> pairs = readVolumePairs(text);
    return pairs ? std::optional(pairs->words) : std::nullopt;
}

TEST(VolumeConfigReadTest, ReadsFourCheckedPairsInAnyLayoutOfWhiteSpace)
{
    const VolumeWords normal{0x8000, 0xE700, 0xF600, 0xFE00};
    EXPECT_EQ(read(encodeVolumeConfig(normal)), normal);
    EXPECT_EQ(read("0x8000 0x8000 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), normal) << "one line";
    EXPECT_EQ(read("\r\n\t 0x8000 0x8000\n\n0xe700\t0xe400\r\n0xF600 0xf300\n  0xFE00    0xFB00 tail"),
              normal);
    EXPECT_EQ(read("0x8000 0x1234 0xE780 0xE480 0xC000 0xBD00 0xA000 0x9D00\r\n"),
              (VolumeWords{0x8000, 0xE780, 0xC000, 0xA000}))
        << "0x8000 needs no companion; others need theirs";
    EXPECT_EQ(read("0x0000E700 0xE400 0x18000 0x17D00 0xF600 0xF300 0xFE00 0xFB00"),
              (VolumeWords{0xE700, 0x8000, 0xF600, 0xFE00}))
        << "compared as 32-bit numbers, kept as their low 16 bits";
}

TEST(VolumeConfigReadTest, RefusesMissingPairsBadCompanionsAndOtherSpellings)
{
    EXPECT_EQ(read(""), std::nullopt);
    EXPECT_EQ(read("0x8000 0x8000 0xE700 0xE400 0xF600 0xF300\r\n"), std::nullopt) << "three pairs";
    EXPECT_EQ(read("0x8000 0x8000 0xE700 0xE400 0xF600 0xF300 0xFE00"), std::nullopt) << "no last companion";
    EXPECT_EQ(read("0x9000 0x9000 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt);
    EXPECT_EQ(read("0x8000 0x8000 0xE700 0xE401 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt);
    EXPECT_EQ(read("0X8000 0x8000 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt) << "0X";
    EXPECT_EQ(read("8000 0x8000 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt) << "no 0x";
    EXPECT_EQ(read("0x 0x8000 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt) << "no digits";
    EXPECT_EQ(read("0x100008000 0x100007D00 0xE700 0xE400 0xF600 0xF300 0xFE00 0xFB00"), std::nullopt)
        << "more than 32 bits";
}

enum class Step { Create, Write, Flush, Close, Rename };

// The system's file operations with one step failing; a failing write writes half.
class FailingStep : public FileOperations {
public:
    explicit FailingStep(Step step) : step_(step) {}
    std::optional<Handle> create(const std::string& path) override
    {
        return step_ == Step::Create ? std::nullopt : system_.create(path);
    }
    bool write(Handle file, std::span<const std::uint8_t> bytes) override
    {
        if (step_ != Step::Write)
            return system_.write(file, bytes);
        system_.write(file, bytes.first(bytes.size() / 2));
        return false;
    }
    bool flush(Handle file) override { return step_ != Step::Flush && system_.flush(file); }
    bool close(Handle file) override { return system_.close(file) && step_ != Step::Close; }
    bool rename(const std::string& from, const std::string& to) override
    {
        return step_ != Step::Rename && system_.rename(from, to);
    }
    bool remove(const std::string& path) override { return system_.remove(path); }

private:
    Step step_;
    FileOperations& system_ = systemFileOperations();
};

class VolumeConfigWriteTest : public test::InStickDirectory {
protected:
    std::string onStick() const
    {
        std::ifstream file(stick.dir() / "OPEN-R" / "MW" / "CONF" / "VOLUME.CFG", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

// The file a save makes of `old` for the Loud words.
std::string savedLoud(std::string_view old)
{
    return updateVolumeConfig(old, readVolumePairs(old), {0x8000, 0xF600, 0xFB00, 0xFF00});
}

TEST(VolumeConfigUpdateTest, ASaveReplacesThePairLinesAndKeepsEveryOtherByte)
{
    const std::string loudPairs = "0x8000 0x8000\r\n0xF600 0xF300\r\n0xFB00 0xF800\r\n0xFF00 0xFC00\r\n";
    EXPECT_EQ(savedLoud("0x8000 0x8000\r\n0xE700 0xE400\r\n0xF600 0xF300\r\n0xFE00 0xFB00\r\n"
                        "MIDI_Master_Tune:8\r\n\r\n"),
              loudPairs + "MIDI_Master_Tune:8\r\n\r\n")
        << "a file in the plain form is rewritten in that form, 82 bytes";
    EXPECT_EQ(
        savedLoud("0x8000 0x8000\r\n0xe700 0xe400\r\n0xf600 0xf300\r\n0xfe00 0xfb00\r\n"
                  "MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n\r\n"),
        loudPairs + "MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n\r\n")
        << "the robot's own file keeps its other settings and empty lines";
    EXPECT_EQ(savedLoud("\r\n\t\r\n  0x8000 0x8000 0xE700 0xE400\r\n0xF600 0xF300 0xFE00 0xFB00 tail\r\n"
                        "MIDI_Master_Tune:3\r\nrest"),
              "\r\n\t\r\n" + loudPairs + "MIDI_Master_Tune:3\r\nrest")
        << "from the first pair's line start to the fourth pair's line end, whatever the layout";
    EXPECT_EQ(savedLoud("0x8000 0x8000\n0xE700 0xE400\n0xF600 0xF300\n0xFE00 0xFB00"),
              loudPairs + "MIDI_Master_Tune:8\r\n\r\n")
        << "no MIDI_Master_Tune line: the usual one and an empty line follow the pairs";
    EXPECT_EQ(savedLoud("0x8000 0x8000\r\n0xE700 0xE400\r\n0xF600 0xF300\r\n0xFE00 0xFB00\r\nX\r\n"),
              loudPairs + "MIDI_Master_Tune:8\r\n\r\nX\r\n");
    EXPECT_EQ(savedLoud("0x9000 0x9000\r\nMIDI_Master_Tune:3\r\nExtra: line\r\n"),
              loudPairs + "MIDI_Master_Tune:8\r\n\r\n")
        << "pairs that cannot be read: the whole file in the plain form";
}

TEST_F(VolumeConfigWriteTest, ASaveFailingAtAnyStepLeavesTheOldFileByteForByte)
{
    const std::string old = "0x8000 0x8000\r\n0xC500 0xC200\r\nkept as it was\r\n";
    stick.write(kVolumeConfigPath, old);
    for (Step step : {Step::Create, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
        FailingStep files(step);
        EXPECT_NE(writeVolumeConfig("0x8000 0x8000\r\n", files), SaveOutcome::Saved)
            << static_cast<int>(step);
        EXPECT_EQ(onStick(), old) << static_cast<int>(step);
        const auto conf = stick.dir() / "OPEN-R" / "MW" / "CONF";
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(conf), {}), 1) << static_cast<int>(step);
    }
}

}  // namespace
}  // namespace morvane
