// The volume presets editor: sliders and presets, and the command from VOLUME.CFG on
// the stick to the file written back in its normalised form.
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

    test::UiLog log;
    test::RecordingMessages messages{log};
};

TEST_F(VolumePresetsEditorTest, SaveWithoutMovingWritesTheNormalisedFile)
{
    stick.write(kVolumeConfigPath, "0xA000 0x9D00\r\n0xE780 0xE480\r\n0xC000 0xBD00\r\n0xFF00 0xFC00\r\n"
                                   "MIDI_Master_Tune:5\r\nmore\r\n");
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(editVolumePresets(messages, view), EditOutcome::Saved);
    EXPECT_EQ(view.opened, (Positions{0, 39, 0, 63}));
    EXPECT_EQ(onStick(), stickgen::encodeVolumeConfig({0x8000, 0xE700, 0x8000, 0xFF00}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VolumePresetsEditorTest, UnusablePairsOpenAtTheDefaultPositionsWithoutAMessage)
{
    stick.write(kVolumeConfigPath, "0x9000 0x9000\r\n0xFF00 0xFC00\r\n0xFF00 0xFC00\r\n0xFF00 0xFC00\r\n");
    ScriptedSliderView view([](SliderControls&) { return false; });
    EXPECT_EQ(editVolumePresets(messages, view), EditOutcome::Cancelled);
    EXPECT_EQ(view.opened, (Positions{0, 39, 54, 62}));
    stick.write(kVolumeConfigPath, "0xFF00 0xFC00\r\n");
    EXPECT_EQ(editVolumePresets(messages, view), EditOutcome::Cancelled);
    EXPECT_EQ(view.opened, (Positions{0, 39, 54, 62})) << "a pair read before the failure counts neither";
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(VolumePresetsEditorTest, CancelAfterLoudLeavesTheFileByteForByte)
{
    const std::string old = "0x8000 0x8000 0xC500 0xC200 0xC600 0xC300 0xC700 0xC400\n";
    stick.write(kVolumeConfigPath, old);
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Loud"));
        return false;
    });
    EXPECT_EQ(editVolumePresets(messages, view), EditOutcome::Cancelled);
    EXPECT_EQ(onStick(), old);
}

TEST_F(VolumePresetsEditorTest, AMissingFileShowsItsMessageAndNoDialog)
{
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(editVolumePresets(messages, view), EditOutcome::NotOpened);
    EXPECT_EQ(messages.shown, Lines{"Missing VOLUME.CFG file"});
    EXPECT_EQ(view.opened, std::nullopt);
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

TEST_F(VolumePresetsEditorTest, AFailedSaveSaysTheStickMayBeWriteProtectedAndKeepsTheFile)
{
    const std::string old = stickgen::encodeVolumeConfig(kDefaultVolumeWords);
    stick.write(kVolumeConfigPath, old);
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Loud"));
        return pressSave(controls);
    });
    NoCreate files;
    EXPECT_EQ(editVolumePresets(messages, view, files), EditOutcome::SaveFailed);
    EXPECT_EQ(messages.shown, Lines{"Failed to save VOLUME.CFG file\nStick may be write protected"});
    EXPECT_EQ(onStick(), old);
}

}  // namespace
}  // namespace morvane
