// The skill levels and volume dialogs in the real program: opened from the main window
// on a copy of the sample stick, driven through their buttons and trackbars, and the
// files they leave behind.
#include <windows.h>

#include <commctrl.h>

#include "app/MainWindowCommandIds.h"
#include "dialogs/VolumeConfigFile.h"
#include "dialogs/win32/SkillLevelsDialogRes.h"
#include "dialogs/win32/VolumePresetsDialogRes.h"
#include "reports/FlashVarFile.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/ProgramOnStickCopy.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Positions = std::vector<LRESULT>;

// Both editors number their four trackbars from the same id, top first.
static_assert(IDC_MATURITY_SLIDER == IDC_VOLUME0_SLIDER);
constexpr int kFirstSlider = IDC_MATURITY_SLIDER;

class EditorDialogsWindowTest : public ProgramOnStickCopy {
protected:
    HWND openSkillLevels() { return openDialog(IDM_SKILL_LEVELS, L"Skill Levels"); }
    HWND openVolume() { return openDialog(IDM_VOLUME_PRESETS, L"Volume Settings"); }

    static void click(HWND dialog, int button) { SendMessageW(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }
    // What a user's drag of a trackbar ends in: the new position, then the notification.
    static void dragSlider(HWND dialog, int slider, int position)
    {
        HWND trackbar = GetDlgItem(dialog, kFirstSlider + slider);
        SendMessageW(trackbar, TBM_SETPOS, TRUE, position);
        SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(trackbar));
    }
    static Positions sliders(HWND dialog, UINT message = TBM_GETPOS)
    {
        Positions positions;
        for (int slider = 0; slider < 4; ++slider)
            positions.push_back(SendMessageW(GetDlgItem(dialog, kFirstSlider + slider), message, 0, 0));
        return positions;
    }

    FlashVars storedFlashVars() const
    {
        FlashVars vars;
        EXPECT_TRUE(decodeFlashVars(fileBytes(kFlashVarPath), vars));
        return vars;
    }
    // FVAR as it was, with the four values of the dialog in their slots.
    Bytes flashVarsWith(const FlashVars& before, std::int32_t maturity, std::int32_t walk, std::int32_t ball,
                        std::int32_t bone) const
    {
        FlashVars vars = before;
        vars[FlashVarSlot::maturity] = maturity;
        vars[FlashVarSlot::walkSkill] = walk;
        vars[FlashVarSlot::ballSkill] = ball;
        vars[FlashVarSlot::boneSkill] = bone;
        const auto bytes = encodeFlashVars(vars);
        return {bytes.begin(), bytes.end()};
    }
    bool confirmationShown() const
    {
        return session.waitForLine("Changes done") &&
               session.listLines() ==
                   std::vector<std::string>{"Changes done", " click \"Summary\" to see new stage"};
    }
};

TEST_F(EditorDialogsWindowTest, SkillLevelsOpenOnTheStoredValuesAndBabySavesMaturityAlone)
{
    const FlashVars before = storedFlashVars();
    startProgram();
    HWND dialog = openSkillLevels();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), session.mainWindow());
    EXPECT_EQ(sliders(dialog, TBM_GETRANGEMAX), Positions(4, 10000));
    EXPECT_EQ(sliders(dialog), (Positions{before[FlashVarSlot::maturity], before[FlashVarSlot::walkSkill],
                                          before[FlashVarSlot::ballSkill], before[FlashVarSlot::boneSkill]}));
    click(dialog, IDC_BABY_PRESET);
    EXPECT_EQ(sliders(dialog), (Positions{10000, 0, 0, 0}));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(confirmationShown()) << session.listText();
    EXPECT_EQ(fileBytes(kFlashVarPath), flashVarsWith(before, 10000, 0, 0, 0));
    EXPECT_EQ(session.findWindow(GuiSession::programName()), nullptr);  // no warning
}

TEST_F(EditorDialogsWindowTest, SkillsOnANewbornWarnFromTheDialogAndSaveAllTheSame)
{
    const FlashVars before = storedFlashVars();
    startProgram();
    HWND dialog = openSkillLevels();
    ASSERT_NE(dialog, nullptr);
    click(dialog, IDC_NEWBORN_PRESET);
    dragSlider(dialog, 1, 3000);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    HWND warning = session.waitForWindow(GuiSession::programName());
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(GetWindow(warning, GW_OWNER), dialog);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(session.answerMessageBox(), L"Warning: other skill levels don't do much until AIBO grows up");
    EXPECT_TRUE(confirmationShown()) << session.listText();
    EXPECT_EQ(fileBytes(kFlashVarPath), flashVarsWith(before, 0, 3000, 0, 0));
}

// The refused stick has no VERSION file and an FVAR of its own (all values 0).
TEST_F(EditorDialogsWindowTest, AfterARefusedOpenSkillLevelsReadAndSaveTheStickThatWasOpen)
{
    TempStick refused;
    ASSERT_EQ(stickgen::writeSampleStick(refused.dir()), std::nullopt);
    refused.remove("OPEN-R/APP/VERSION");
    refused.remove("OPEN-R/SYSTEM/VERSION");
    refused.write("OPEN-R/APP/DATA/P/FVAR", stickgen::encodeFlashVarFile({}));
    const Bytes refusedFvar = refused.read("OPEN-R/APP/DATA/P/FVAR");
    const FlashVars before = storedFlashVars();
    startProgram();
    PostMessageW(session.mainWindow(), WM_COMMAND, IDM_OPEN, 0);
    chooseFile(session.waitForWindow(kStickFileDialogTitle), refused.dir() / "MEMSTICK.IND");
    EXPECT_EQ(session.answerMessageBox(), L"Stick Open Error: missing VERSION file");
    EXPECT_EQ(session.answerMessageBox(), L"Failed to open new image");
    HWND dialog = openSkillLevels();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(sliders(dialog), (Positions{10000, 5000, 7500, 2500}));
    click(dialog, IDC_BABY_PRESET);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(confirmationShown()) << session.listText();
    EXPECT_EQ(fileBytes("OPEN-R/APP/DATA/P/FVAR"), flashVarsWith(before, 10000, 0, 0, 0));
    EXPECT_EQ(refused.read("OPEN-R/APP/DATA/P/FVAR"), refusedFvar);
}

TEST_F(EditorDialogsWindowTest, LeavingSkillLevelsWithoutSaveChangesNothing)
{
    const Bytes before = fileBytes(kFlashVarPath);
    startProgram();
    const std::vector<std::string> shown = session.listLines();
    struct Leave {
        UINT message;
        WPARAM wParam;
    };
    for (const Leave leave : {Leave{WM_COMMAND, IDCANCEL}, Leave{WM_CLOSE, 0}}) {  // "Cancel", the close box
        HWND dialog = openSkillLevels();
        ASSERT_NE(dialog, nullptr);
        click(dialog, IDC_ADULT_PRESET);
        PostMessageW(dialog, leave.message, leave.wParam, 0);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    }
    EXPECT_EQ(fileBytes(kFlashVarPath), before);
    EXPECT_EQ(session.listLines(), shown);
}

TEST_F(EditorDialogsWindowTest, VolumeOpensOnTheStoredWordsAndLoudSavesItsWords)
{
    startProgram();
    HWND dialog = openVolume();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(sliders(dialog, TBM_GETRANGEMAX), Positions(4, 63));
    EXPECT_EQ(sliders(dialog), (Positions{0, 39, 54, 62}));
    click(dialog, IDC_LOUD_PRESET);
    EXPECT_EQ(sliders(dialog), (Positions{0, 54, 59, 63}));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    // The file is read once the save is over, not polled during it: a file open for
    // reading cannot be replaced, so a read at the wrong moment made the save fail.
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(session.waitForIdle());
    const std::string loud = encodeVolumeConfig({0x8000, 0xF600, 0xFB00, 0xFF00});
    EXPECT_EQ(fileBytes(kVolumeConfigPath), Bytes(loud.begin(), loud.end()));
    EXPECT_EQ(session.findWindow(GuiSession::programName()), nullptr);
}

TEST_F(EditorDialogsWindowTest, CancellingVolumeLeavesTheFileAsItWas)
{
    const Bytes before = fileBytes(kVolumeConfigPath);
    startProgram();
    HWND dialog = openVolume();
    ASSERT_NE(dialog, nullptr);
    click(dialog, IDC_LOUD_PRESET);
    dragSlider(dialog, 0, 20);
    click(dialog, IDCANCEL);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(fileBytes(kVolumeConfigPath), before);
}

}  // namespace
}  // namespace morvane::test
