// The volume presets editor: sliders and presets, and the command from VOLUME.CFG on
// the stick to the file written back: the pairs in their normalised form, every other
// line and the file's compressed or plain form kept.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dialogs/VolumeConfigFile.h"
#include "dialogs/VolumeDialogModel.h"
#include "dialogs/VolumePresetsEditor.h"
#include "tests/support/InStickDirectory.h"
#include "tests/support/ScriptedSliderView.h"
#include "tests/support/ScriptedUi.h"
#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/VolumeConfig.h"

namespace morvane {
namespace {

using test::pressSave;
using test::ScriptedSliderView;
using Lines = std::vector<std::string>;
using Positions = test::SliderPositionList;
using test::positionsOf;

std::size_t presetIndex(std::string_view name)
{
    const auto& names = VolumeDialogModel::kPresetNames;
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

TEST(VolumeDialogModelTest, OpensAtThePositionsOfTheWordsWithinZeroTo63)
{
    VolumeDialogModel dialog({0x8000, 0xE780, 0xC0FF, 0xFFFF});
    EXPECT_EQ(dialog.sliderMaximum(), 63);
    EXPECT_EQ(positionsOf(dialog), (Positions{0, 39, 0, 63}));
    dialog.setPosition(0, 64);
    dialog.setPosition(1, -1);
    EXPECT_EQ(positionsOf(dialog), (Positions{63, 0, 0, 63}));
}

TEST(VolumeDialogModelTest, PresetsMoveTheSlidersAndSaveTurnsThemIntoWords)
{
    VolumeDialogModel dialog({0x8000, 0x8000, 0x8000, 0x8000});
    dialog.pressPreset(presetIndex("Loud"));
    EXPECT_EQ(positionsOf(dialog), (Positions{0, 54, 59, 63}));
    EXPECT_EQ(dialog.words(), (VolumeWords{0x8000, 0x8000, 0x8000, 0x8000})) << "words change only on Save";
    dialog.save();
    EXPECT_EQ(dialog.words(), (VolumeWords{0x8000, 0xF600, 0xFB00, 0xFF00}));
    dialog.pressPreset(presetIndex("Quiet"));
    EXPECT_EQ(positionsOf(dialog), (Positions{0, 19, 26, 39}));
    dialog.save();
    EXPECT_EQ(dialog.words(), (VolumeWords{0x8000, 0xD300, 0xDA00, 0xE700}));
    dialog.pressPreset(presetIndex("Default"));
    dialog.save();
    EXPECT_EQ(dialog.words(), kDefaultVolumeWords);
    dialog.setPosition(3, 1);
    dialog.save();
    EXPECT_EQ(dialog.words()[3], 0xC100);
}

class VolumePresetsEditorTest : public test::InStickDirectory {
protected:
    std::string onStick() const
    {
        std::ifstream file(stick.dir() / "OPEN-R" / "MW" / "CONF" / "VOLUME.CFG", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    EditOutcome edit(SliderDialogView& view, FileOperations& files = systemFileOperations())
    {
        StickRoot root = stick.stickRoot();
        return editVolumePresets({messages, view, list, root, files});
    }

    test::UiLog log;
    test::RecordingMessages messages{log};
    MemoryInfoList list;
};

TEST_F(VolumePresetsEditorTest, SaveWithoutMovingNormalisesThePairsAndKeepsTheOtherLines)
{
    stick.write(kVolumeConfigPath, "0xA000 0x9D00\r\n0xE780 0xE480\r\n0xC000 0xBD00\r\n0xFF00 0xFC00\r\n"
                                   "MIDI_Master_Tune:5\r\nmore\r\n");
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    EXPECT_EQ(view.opened, (Positions{0, 39, 0, 63}));
    EXPECT_EQ(onStick(), "0x8000 0x8000\r\n0xE700 0xE400\r\n0x8000 0x8000\r\n0xFF00 0xFC00\r\n"
                         "MIDI_Master_Tune:5\r\nmore\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

const std::string kUnreadNotice = "VOLUME.CFG could not be read; the sliders start at the Default positions";

TEST_F(VolumePresetsEditorTest, UnusablePairsOpenAtTheDefaultPositionsAfterANotice)
{
    stick.write(kVolumeConfigPath, "0x9000 0x9000\r\n0xFF00 0xFC00\r\n0xFF00 0xFC00\r\n0xFF00 0xFC00\r\n");
    ScriptedSliderView view([](SliderControls&) { return false; });
    EXPECT_EQ(edit(view), EditOutcome::Cancelled);
    EXPECT_EQ(view.opened, (Positions{0, 39, 54, 62}));
    stick.write(kVolumeConfigPath, "0xFF00 0xFC00\r\n");
    EXPECT_EQ(edit(view), EditOutcome::Cancelled);
    EXPECT_EQ(view.opened, (Positions{0, 39, 54, 62})) << "a pair read before the failure counts neither";
    EXPECT_EQ(messages.shown, (Lines{kUnreadNotice, kUnreadNotice}));
    EXPECT_EQ(log, (test::UiLog{"message: " + kUnreadNotice, "message: " + kUnreadNotice}))
        << "the notice comes before the dialog";
}

std::vector<std::uint8_t> bytesOf(std::string_view text) { return {text.begin(), text.end()}; }

TEST_F(VolumePresetsEditorTest, TheRobotsCompressedFileStaysCompressedWithItsNameAndOtherSettings)
{
    const std::string robot =
        "0x8000 0x8000\r\n0xe700 0xe400\r\n0xf600 0xf300\r\n0xfe00 0xfb00\r\n"
        "MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n";
    stick.write(kVolumeConfigPath, stickgen::gzipCompressed(bytesOf(robot), "VOLUME.CFG", "volumes"));
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Loud"));
        return pressSave(controls);
    });
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    EXPECT_EQ(view.opened, (Positions{0, 39, 54, 62}));
    EXPECT_TRUE(messages.shown.empty());
    const std::optional<stickgen::GunzippedFile> saved = stickgen::gunzipWithZlib(bytesOf(onStick()));
    ASSERT_TRUE(saved.has_value()) << "the file is a gzip member";
    EXPECT_EQ(saved->name, "VOLUME.CFG");
    EXPECT_EQ(saved->comment, "volumes");
    EXPECT_EQ(std::string(saved->content.begin(), saved->content.end()),
              "0x8000 0x8000\r\n0xF600 0xF300\r\n0xFB00 0xF800\r\n0xFF00 0xFC00\r\n"
              "MIDI_Master_Tune:8\r\nPlaying_Rcg_Volume:0x8000\r\nDoInit_Wait_Time:16000\r\n\r\n");
}

// A file that cannot be read whole opens no dialog, so no save can replace it: its bytes
// were never read, and the robot's other settings are among them.
TEST_F(VolumePresetsEditorTest, ADamagedOrHugeCompressedFileOpensNoDialogAndIsKept)
{
    const std::vector<std::uint8_t> good = stickgen::gzipCompressed(
        bytesOf("0x8000 0x8000 0xFF00 0xFC00 0xFF00 0xFC00 0xFF00 0xFC00\r\n"), "VOLUME.CFG");
    std::vector<std::uint8_t> damaged = good;
    damaged[damaged.size() - 6] ^= 0x01;  // the stored CRC
    // 64 MB of blanks before the pairs: a few tens of kilobytes on the stick.
    std::vector<std::uint8_t> blanks(64 * 1024 * 1024, ' ');
    const std::string pairs = "0x8000 0x8000 0xFF00 0xFC00 0xFF00 0xFC00 0xFF00 0xFC00";
    blanks.insert(blanks.end(), pairs.begin(), pairs.end());
    const std::vector<std::uint8_t> bomb = stickgen::gzipCompressed(blanks, "VOLUME.CFG");
    ASSERT_LT(bomb.size(), 100u * 1024);
    for (const std::vector<std::uint8_t>* file :
         std::array<const std::vector<std::uint8_t>*, 3>{&good, &damaged, &bomb}) {
        stick.write(kVolumeConfigPath, *file);
        messages.shown.clear();
        ScriptedSliderView view(pressSave);
        const bool readable = file == &good;
        EXPECT_EQ(edit(view), readable ? EditOutcome::Saved : EditOutcome::NotOpened);
        EXPECT_EQ(view.opened, readable ? std::optional<Positions>(Positions{0, 63, 63, 63}) : std::nullopt);
        EXPECT_EQ(messages.shown,
                  readable ? Lines() : Lines({"VOLUME.CFG cannot be read; it is left as it is"}));
        if (!readable) {
            EXPECT_EQ(onStick(), std::string(file->begin(), file->end()));
        }
    }
}

TEST_F(VolumePresetsEditorTest, CancelAfterLoudLeavesTheFileByteForByte)
{
    const std::string old = "0x8000 0x8000 0xC500 0xC200 0xC600 0xC300 0xC700 0xC400\n";
    stick.write(kVolumeConfigPath, old);
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Loud"));
        return false;
    });
    EXPECT_EQ(edit(view), EditOutcome::Cancelled);
    EXPECT_EQ(onStick(), old);
}

TEST_F(VolumePresetsEditorTest, AMissingFileShowsItsMessageAndNoDialog)
{
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(edit(view), EditOutcome::NotOpened);
    EXPECT_EQ(messages.shown, Lines{"Missing VOLUME.CFG file"});
    EXPECT_EQ(view.opened, std::nullopt);
}

// Another robot's stick put in the reader while the window is open, or the file going
// away: nothing is written over what was not read.
TEST_F(VolumePresetsEditorTest, AFileChangedOrGoneWhileTheWindowIsOpenIsNotWrittenOver)
{
    const std::string changed = "0x8000 0x8000\r\n0xC100 0xBE00\r\n0xC200 0xBF00\r\n0xC300 0xC000\r\n"
                                "MIDI_Master_Tune:3\r\n";
    stick.write(kVolumeConfigPath, stickgen::encodeVolumeConfig(kDefaultVolumeWords));
    ScriptedSliderView swapped([&](SliderControls& controls) {
        stick.write(kVolumeConfigPath, changed);
        controls.pressPreset(presetIndex("Loud"));
        return pressSave(controls);
    });
    EXPECT_EQ(edit(swapped), EditOutcome::SaveFailed);
    EXPECT_EQ(onStick(), changed);

    const std::filesystem::path file = stick.dir() / "OPEN-R" / "MW" / "CONF" / "VOLUME.CFG";
    ScriptedSliderView removed([&](SliderControls& controls) {
        std::filesystem::remove(file);
        return pressSave(controls);
    });
    EXPECT_EQ(edit(removed), EditOutcome::SaveFailed);
    EXPECT_FALSE(std::filesystem::exists(file));
    const std::string message = "VOLUME.CFG on the stick changed or went away while the window was open; "
                                "nothing was saved";
    EXPECT_EQ(messages.shown, (Lines{message, message}));
}

// Fails the save's first step: the temporary file cannot be made.
class NoCreate : public FileOperations {
public:
    std::optional<Handle> create(const std::string&) override { return std::nullopt; }
    bool write(Handle, std::span<const std::uint8_t>) override { return false; }
    bool flush(Handle) override { return false; }
    bool close(Handle) override { return false; }
    bool rename(const std::string&, const std::string&) override { return false; }
    bool remove(const std::string&) override { return false; }
};

// A folder that refuses the temporary file is named; a file that cannot be replaced
// may be on a write-protected stick. Either way the file keeps its bytes.
TEST_F(VolumePresetsEditorTest, AFailedSaveSaysWhyAndKeepsTheFile)
{
    const std::string old = stickgen::encodeVolumeConfig(kDefaultVolumeWords);
    stick.write(kVolumeConfigPath, old);
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Loud"));
        return pressSave(controls);
    });
    NoCreate files;
    EXPECT_EQ(edit(view, files), EditOutcome::SaveFailed);
    EXPECT_EQ(messages.shown, Lines{noTemporaryFileMessage("OPEN-R/MW/CONF")});
    EXPECT_EQ(onStick(), old);

    messages.shown.clear();
    const std::filesystem::path file = stick.dir() / "OPEN-R" / "MW" / "CONF" / "VOLUME.CFG";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    EXPECT_EQ(edit(view), EditOutcome::SaveFailed);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(messages.shown, Lines{"Failed to save VOLUME.CFG file\nStick may be write protected"});
    EXPECT_EQ(onStick(), old);
}

}  // namespace
}  // namespace morvane
