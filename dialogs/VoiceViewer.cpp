// The slots are read before the window opens; a recording's bytes are read again when it
// is played or copied, so the copy is the stick's file as it is then. A copy goes to a
// place of the computer's own, named as the owner chose it, and never onto the stick:
// there it would replace the robot's file outside the stick's own saving.
#include "dialogs/VoiceViewer.h"

#include "dialogs/SaveFailureMessage.h"
#include "stick/AtomicFile.h"
#include "stick/StickFileContent.h"

namespace morvane {

VoiceModel::VoiceModel(std::vector<VoiceSlot> slots, const VoiceServices& services) : services_(services)
{
    for (VoiceSlot& slot : slots) {
        if (const std::optional<std::string> line = voiceLine(slot)) {
            lines_.push_back(*line);
            shown_.push_back(std::move(slot));
        } else {
            problems_.push_back(voiceProblem(slot));
        }
    }
}

std::optional<std::vector<std::uint8_t>> VoiceModel::recordingBytes(std::size_t line)
{
    StickFileContent content = readStickFileContent(voicePath(shown_.at(line)), kLargestRecording);
    if (content.outcome == StickFileContent::Outcome::Read)
        return std::move(content.bytes);
    services_.messages.showMessage("Cannot read " + shown_[line].file + " from the stick");
    return std::nullopt;
}

void VoiceModel::play(std::size_t line)
{
    const std::optional<std::vector<std::uint8_t>> wave = recordingBytes(line);
    if (wave && !services_.player.play(*wave))
        services_.messages.showMessage("This computer cannot play " + shown_[line].file);
}

void VoiceModel::saveAs(std::size_t line)
{
    const std::optional<std::string> target =
        services_.saveDialog.chooseSaveLocation({"Save Recording As", shown_.at(line).file, false});
    if (!target)
        return;
    if (copyTargetInsideStick(*target, services_.stick, services_.messages))
        return;
    const std::optional<std::vector<std::uint8_t>> wave = recordingBytes(line);
    if (wave && replaceNativeFileAtomically(*target, *wave) != SaveOutcome::Saved)
        services_.messages.showMessage("Cannot write " + *target + "; nothing was written");
}

bool viewVoiceRecordings(const VoiceServices& services, ViewerReading& reading, VoiceDialogView& view)
{
    std::optional<std::vector<VoiceSlot>> slots = readVoiceSlots(reading);
    if (!reading.finish())
        return false;
    if (!slots) {
        services.messages.showMessage("No voice recordings on this stick");
        return false;
    }
    VoiceModel model(std::move(*slots), services);
    view.runModal(model);
    return true;
}

}  // namespace morvane
