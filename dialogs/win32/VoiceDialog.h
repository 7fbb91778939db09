// VoiceDialog: the window of the Voice Recordings command, the slots, and "Play" and
// "Save As..." for the chosen one.
#pragma once

#include "dialogs/win32/ModalDialog.h"
#include "ui/VoiceDialogView.h"

namespace morvane::win32 {

class VoiceDialog final : public VoiceDialogView, private ModalDialog {
public:
    explicit VoiceDialog(const DialogHost& host);
    void runModal(VoiceRecords& voices) override;

private:
    void onInit() override;
    void onCommand(int id) override;
    void onNotification(int id, int code) override;

    VoiceRecords* voices_ = nullptr;
};

}  // namespace morvane::win32
