// The skill levels editor: its sliders, presets and warning, and the whole command from
// FVAR on the stick to FVAR written back and the confirmation in the list.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "dialogs/SkillLevelsDialogModel.h"
#include "dialogs/SkillLevelsEditor.h"
#include "tests/support/InStickDirectory.h"
#include "tests/support/ScriptedSliderView.h"
#include "tests/support/ScriptedUi.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

using test::pressSave;
using test::ScriptedSliderView;
using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

const std::string kWarning = "Warning: other skill levels don't do much until AIBO grows up";
constexpr std::string_view kFvarPath = "OPEN-R\\APP\\DATA\\P\\FVAR";

std::size_t presetIndex(std::string_view name)
{
    const auto& names = SkillLevelsDialogModel::kPresetNames;
    return static_cast<std::size_t>(std::find(names.begin(), names.end(), name) - names.begin());
}

class SkillLevelsModelTest : public ::testing::Test {
protected:
    test::UiLog log;
    test::RecordingMessages messages{log};
};

TEST_F(SkillLevelsModelTest, SlidersShowStoredValuesWithinTheirRangeAndMoveOnlyWithin)
{
    SkillLevelsDialogModel dialog({-5, 12000, 4000, 10000}, messages);
    EXPECT_EQ(dialog.sliderMaximum(), 10000);
    EXPECT_EQ((std::array{dialog.position(0), dialog.position(1), dialog.position(2), dialog.position(3)}),
              (std::array{0, 10000, 4000, 10000}));
    EXPECT_EQ(dialog.values(), (SkillValues{-5, 12000, 4000, 10000})) << "values change only on Save";
    dialog.setPosition(kBallSkillSlider, 10001);
    dialog.setPosition(kBoneSkillSlider, -1);
    EXPECT_EQ(dialog.position(kBallSkillSlider), 10000);
    EXPECT_EQ(dialog.position(kBoneSkillSlider), 0);
}

TEST_F(SkillLevelsModelTest, PresetsSetTheFourSlidersAndSaveTakesThem)
{
    SkillLevelsDialogModel dialog({1, 2, 3, 4}, messages);
    dialog.pressPreset(presetIndex("Adult"));
    EXPECT_EQ(dialog.values(), (SkillValues{1, 2, 3, 4}));
    dialog.save();
    EXPECT_EQ(dialog.values(), (SkillValues{10000, 10000, 10000, 10000}));
    dialog.pressPreset(presetIndex("Baby"));
    dialog.save();
    EXPECT_EQ(dialog.values(), (SkillValues{10000, 0, 0, 0}));
    dialog.pressPreset(presetIndex("NewBorn"));
    dialog.save();
    EXPECT_EQ(dialog.values(), (SkillValues{0, 0, 0, 0}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkillLevelsModelTest, SaveWarnsOnlyAboutSkillsOfARobotThatHasNotGrownUp)
{
    const auto warningsFor = [&](const SkillValues& values) {
        messages.shown.clear();
        SkillLevelsDialogModel dialog(values, messages);
        dialog.save();
        return messages.shown;
    };
    EXPECT_EQ(warningsFor({9999, 0, 0, 0}), Lines{});
    EXPECT_EQ(warningsFor({9999, 0, 0, 1}), Lines{kWarning});
    EXPECT_EQ(warningsFor({0, 1, 0, 0}), Lines{kWarning});
    EXPECT_EQ(warningsFor({0, 0, 1, 0}), Lines{kWarning});
    EXPECT_EQ(warningsFor({10000, 10000, 10000, 10000}), Lines{});
    // 12000 shows, and saves, as 10000: a grown-up robot.
    EXPECT_EQ(warningsFor({12000, 5000, 0, 0}), Lines{});
}

class SkillLevelsEditorTest : public test::InStickDirectory {
protected:
    // FVAR with every slot distinct, the four skill slots as given.
    Bytes writeFvar(std::int32_t maturity, std::int32_t walk, std::int32_t ball, std::int32_t bone)
    {
        stickgen::FlashVarValues values{};
        for (std::size_t slot = 0; slot < values.size(); ++slot)
            values[slot] = static_cast<std::int32_t>(1000 * slot + 7) * (slot % 2 == 0 ? 1 : -1);
        values[3] = maturity;
        values[5] = walk;
        values[7] = ball;
        values[8] = bone;
        const Bytes file = stickgen::encodeFlashVarFile(values);
        stick.write(kFvarPath, file);
        return file;
    }

    Bytes fvarOnStick() const
    {
        std::ifstream file(stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR", std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(file), {});
    }

    EditOutcome edit(ScriptedSliderView& view)
    {
        StickRoot root = stick.stickRoot();
        return editSkillLevels({messages, view, list, root, systemFileOperations()});
    }

    test::UiLog log;
    test::RecordingMessages messages{log};
    MemoryInfoList list;
};

const Lines kConfirmation{"Changes done", " click \"Summary\" to see new stage"};

TEST_F(SkillLevelsEditorTest, BabyThenSaveWritesTheFourValuesAndKeepsEveryOtherSlot)
{
    Bytes expected = writeFvar(4000, 300, 200, 100);
    list.addLine("Summary line");
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Baby"));
        return pressSave(controls);
    });
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    const std::array<std::int32_t, 4> baby{10000, 0, 0, 0};
    const std::array<std::size_t, 4> slots{3, 5, 7, 8};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        for (std::size_t byte = 0; byte < 4; ++byte)
            expected[4 + 4 * slots[i] + byte] =
                static_cast<std::uint8_t>(static_cast<std::uint32_t>(baby[i]) >> (8 * byte));
    }
    EXPECT_EQ(fvarOnStick(), expected);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(list.lines(), kConfirmation);
}

TEST_F(SkillLevelsEditorTest, ACompressedFvarIsReadAndSavedCompressedUnderItsOwnName)
{
    stick.write(kFvarPath, stickgen::gzipCompressed(writeFvar(4000, 300, 200, 100), "FVAR"));
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Baby"));
        return pressSave(controls);
    });
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    EXPECT_EQ(view.opened, (test::SliderPositionList{4000, 300, 200, 100}));
    const std::optional<stickgen::GunzippedFile> saved = stickgen::gunzipWithZlib(fvarOnStick());
    ASSERT_TRUE(saved.has_value()) << "FVAR stays a gzip member";
    EXPECT_EQ(saved->name, "FVAR");
    EXPECT_EQ(saved->content, writeFvar(10000, 0, 0, 0));
}

TEST_F(SkillLevelsEditorTest, MovingASkillOfANewBornWarnsAndSavesAllTheSame)
{
    writeFvar(10000, 10000, 10000, 10000);
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("NewBorn"));
        controls.setPosition(kWalkSkillSlider, 2500);
        return pressSave(controls);
    });
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    EXPECT_EQ(messages.shown, Lines{kWarning});
    EXPECT_EQ(fvarOnStick(), writeFvar(0, 2500, 0, 0));
    EXPECT_EQ(list.lines(), kConfirmation);
}

TEST_F(SkillLevelsEditorTest, SaveWithoutMovingRewritesWithValuesOutsideTheRangeBroughtIn)
{
    writeFvar(10000, 12000, 5000, -3);
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(edit(view), EditOutcome::Saved);
    EXPECT_EQ(fvarOnStick(), writeFvar(10000, 10000, 5000, 0));
    EXPECT_EQ(fvarOnStick().size(), 260u);
    EXPECT_EQ(list.lines(), kConfirmation);
}

TEST_F(SkillLevelsEditorTest, ASaveRunsDetectionAgainOnTheStick)
{
    ASSERT_FALSE(stickgen::writeSampleStick(stick.dir()));
    StickRoot root = stick.stickRoot();
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(editSkillLevels({messages, view, list, root, systemFileOperations()}), EditOutcome::Saved);
    EXPECT_NE(root.softwareKind, nullptr);
    EXPECT_EQ(root.languageCode, 3);
}

TEST_F(SkillLevelsEditorTest, CancelAfterAPresetLeavesFvarAndTheListAlone)
{
    const Bytes before = writeFvar(3000, 1, 2, 3);
    list.addLine("Summary line");
    ScriptedSliderView view([](SliderControls& controls) {
        controls.pressPreset(presetIndex("Adult"));
        return false;
    });
    EXPECT_EQ(edit(view), EditOutcome::Cancelled);
    EXPECT_EQ(fvarOnStick(), before);
    EXPECT_EQ(list.lines(), Lines{"Summary line"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SkillLevelsEditorTest, AnUnreadableFvarShowsTheRebootHintAndNoDialog)
{
    const std::string hint = "No FVAR file yet\nPlease reboot AIBO at least once";
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(edit(view), EditOutcome::NotOpened) << "missing";
    Bytes file = writeFvar(1, 2, 3, 4);
    file.pop_back();
    stick.write(kFvarPath, file);
    EXPECT_EQ(edit(view), EditOutcome::NotOpened) << "259 bytes";
    file = writeFvar(1, 2, 3, 4);
    file[3] = 'X';
    stick.write(kFvarPath, file);
    EXPECT_EQ(edit(view), EditOutcome::NotOpened) << "wrong magic";
    Bytes damaged = stickgen::gzipCompressed(writeFvar(1, 2, 3, 4), "FVAR");
    damaged[20] ^= 0x40;
    stick.write(kFvarPath, damaged);
    EXPECT_EQ(edit(view), EditOutcome::NotOpened) << "a damaged gzip stream";
    EXPECT_EQ(messages.shown, (Lines{hint, hint, hint, hint}));
    EXPECT_EQ(view.opened, std::nullopt);
}

const Lines kChangedOnTheStick{
    "FVAR on the stick changed or went away while the window was open; nothing was saved"};

// Another robot's stick put in the reader while the window is open keeps its own FVAR:
// the first robot's other variables, read before, are not written over it.
TEST_F(SkillLevelsEditorTest, AnotherStickInTheReaderKeepsItsOwnFvar)
{
    writeFvar(10000, 1, 2, 3);
    stickgen::FlashVarValues other{};
    other[3] = 10000;
    other[15] = 4242;
    const Bytes otherRobots = stickgen::encodeFlashVarFile(other);
    ScriptedSliderView view([&](SliderControls& controls) {
        stick.write(kFvarPath, otherRobots);
        controls.pressPreset(presetIndex("Adult"));
        return pressSave(controls);
    });
    list.addLine("Summary line");
    EXPECT_EQ(edit(view), EditOutcome::SaveFailed);
    EXPECT_EQ(messages.shown, kChangedOnTheStick);
    EXPECT_EQ(fvarOnStick(), otherRobots);
    EXPECT_EQ(list.lines(), Lines{"Summary line"});
}

TEST_F(SkillLevelsEditorTest, AStickPulledWhileTheWindowIsOpenGetsNothingWritten)
{
    const Bytes before = writeFvar(10000, 1, 2, 3);
    list.addLine("Summary line");
    // The stick's folder goes away while the dialog is open, as when the stick is pulled.
    const std::filesystem::path folder = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P";
    const std::filesystem::path aside = stick.dir() / "P-aside";
    ScriptedSliderView view([&](SliderControls& controls) {
        std::filesystem::rename(folder, aside);
        return pressSave(controls);
    });
    EXPECT_EQ(edit(view), EditOutcome::SaveFailed);
    EXPECT_EQ(messages.shown, kChangedOnTheStick);
    EXPECT_EQ(list.lines(), Lines{"Summary line"});
    EXPECT_FALSE(std::filesystem::exists(folder)) << "nothing was made in its place";
    std::filesystem::rename(aside, folder);
    EXPECT_EQ(fvarOnStick(), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1) << "no temporary file left";
}

TEST_F(SkillLevelsEditorTest, AWriteProtectedFvarIsKeptAndTheSaveSaidToHaveFailed)
{
    const Bytes before = writeFvar(10000, 1, 2, 3);
    const std::filesystem::path file = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR";
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    ScriptedSliderView view(pressSave);
    EXPECT_EQ(edit(view), EditOutcome::SaveFailed);
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(messages.shown, Lines{"Save to memory stick failed (FVAR)"});
    EXPECT_EQ(fvarOnStick(), before);
}

}  // namespace
}  // namespace morvane
