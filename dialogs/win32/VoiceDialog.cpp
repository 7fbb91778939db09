// The slots' lines stand in a fixed-pitch font, as the diary's do.
#include "dialogs/win32/VoiceDialog.h"

#include "base/win32/WideText.h"
#include "dialogs/win32/ProblemBox.h"
#include "dialogs/win32/VoiceDialogRes.h"

namespace morvane::win32 {

VoiceDialog::VoiceDialog(const DialogHost& host) : ModalDialog(host, IDD_VOICE_RECORDINGS) {}

void VoiceDialog::runModal(VoiceRecords& voices)
{
    voices_ = &voices;
    runDialog();
    voices_ = nullptr;
}

void VoiceDialog::onInit()
{
    HWND slots = item(IDC_VOICE_SLOTS);
    SendMessageW(slots, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    for (const std::string& line : voices_->lines())
        SendMessageW(slots, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widenCodePage(line).c_str()));
    showProblems(item(IDC_VOICE_PROBLEMS), voices_->problems());
}

// "Play" and "Save As..." work on the chosen slot; Done and Escape end the window.
void VoiceDialog::onCommand(int id)
{
    const LRESULT chosen = SendMessageW(item(IDC_VOICE_SLOTS), LB_GETCURSEL, 0, 0);
    if ((id == IDC_VOICE_PLAY || id == IDC_VOICE_SAVE) && chosen != LB_ERR) {
        if (id == IDC_VOICE_PLAY)
            voices_->play(static_cast<std::size_t>(chosen));
        else
            voices_->saveAs(static_cast<std::size_t>(chosen));
        return;
    }
    Dialog::onCommand(id);
}

void VoiceDialog::onNotification(int id, int code)
{
    if (id != IDC_VOICE_SLOTS || code != LBN_SELCHANGE)
        return;
    const bool chosen = SendMessageW(item(IDC_VOICE_SLOTS), LB_GETCURSEL, 0, 0) != LB_ERR;
    EnableWindow(item(IDC_VOICE_PLAY), chosen);
    EnableWindow(item(IDC_VOICE_SAVE), chosen);
}

}  // namespace morvane::win32
