// View > Voice Recordings in Morvane.exe on a copy of the sample stick: its slots are
// morvane-cli's, Save As... writes the chosen slot where the owner says, and Play either
// plays or says that this computer cannot (a test machine may have no sound).
#include "app/MainWindowCommandIds.h"
#include "dialogs/win32/VoiceDialogRes.h"
#include "tests/support/CliRun.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/ProgramOnStickCopy.h"

namespace morvane::test {
namespace {

class VoiceWindowTest : public ProgramOnStickCopy {
protected:
    static void choose(HWND dialog, int line)
    {
        HWND slots = GetDlgItem(dialog, IDC_VOICE_SLOTS);
        SendMessageW(slots, LB_SETCURSEL, static_cast<WPARAM>(line), 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_VOICE_SLOTS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(slots));
    }
};

TEST_F(VoiceWindowTest, ListsTheCliLinesAndSavesAndPlaysTheChosenSlot)
{
    const std::string printed = runCli({"voices", stick.rootPath()}).out;
    const std::filesystem::path copy =
        stick.dir().parent_path() / (stick.dir().filename().wstring() + L"-0021.wav");
    startProgram();
    HWND dialog = openDialog(IDM_VOICE_RECORDINGS, L"Voice Recordings");
    ASSERT_NE(dialog, nullptr);
    std::string shown;
    for (const std::wstring& entry : listBoxEntries(GetDlgItem(dialog, IDC_VOICE_SLOTS)))
        shown += toCodePage(entry) + "\n";
    EXPECT_EQ(shown, printed);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_VOICE_SAVE)));

    choose(dialog, 21);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_VOICE_SAVE)));
    PostMessageW(dialog, WM_COMMAND, IDC_VOICE_SAVE, 0);
    HWND saveAs = session.waitForWindow(L"Save Recording As");
    ASSERT_NE(saveAs, nullptr);
    EXPECT_EQ(fileNameText(saveAs), L"0021.WAV");
    chooseFile(saveAs, copy);
    ASSERT_TRUE(waitUntil([&] { return std::filesystem::exists(copy); }));
    EXPECT_EQ(fileBytes("OPEN-R/APP/PC/VOICE/0021.WAV").size(), std::filesystem::file_size(copy));

    PostMessageW(dialog, WM_COMMAND, IDC_VOICE_PLAY, 0);
    ASSERT_TRUE(session.waitForIdle());
    if (session.findWindow(GuiSession::programName()) != nullptr) {
        EXPECT_EQ(session.answerMessageBox(), L"This computer cannot play 0021.WAV");
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
    std::filesystem::remove(copy);
}

}  // namespace
}  // namespace morvane::test
