// The Voice Recordings command: the robot's voice slots in their window.
#pragma once

#include "dialogs/ViewerReading.h"
#include "pc/VoiceSlots.h"
#include "stick/StickRoot.h"
#include "ui/SaveDialog.h"
#include "ui/SoundPlayer.h"
#include "ui/UserMessages.h"
#include "ui/VoiceDialogView.h"

namespace morvane {

struct VoiceServices {
    UserMessages& messages;
    SaveDialog& saveDialog;
    SoundPlayer& player;
    const StickRoot& stick;  // a recording is copied off it, never onto it
};

// The slots as the window shows them, each played and copied from the stick when asked.
class VoiceModel final : public VoiceRecords {
public:
    VoiceModel(std::vector<VoiceSlot> slots, const VoiceServices& services);
    const std::vector<std::string>& lines() const override { return lines_; }
    const std::vector<std::string>& problems() const override { return problems_; }
    void play(std::size_t line) override;
    void saveAs(std::size_t line) override;

private:
    // The bytes of the slot's file; none, after a message, when they cannot be read.
    std::optional<std::vector<std::uint8_t>> recordingBytes(std::size_t line);

    std::vector<VoiceSlot> shown_;  // the slots of the list's lines
    std::vector<std::string> lines_;
    std::vector<std::string> problems_;
    VoiceServices services_;
};

// Reads the voice slots of the open stick, through `reading`, and shows `view` over them;
// false, after its message, when the stick has no voice folder, and false when Cancel
// stopped the reading.
bool viewVoiceRecordings(const VoiceServices& services, ViewerReading& reading, VoiceDialogView& view);

}  // namespace morvane
