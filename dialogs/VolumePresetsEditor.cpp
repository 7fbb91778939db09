// The file is read and closed before the dialog opens, and replaced only after "Save".
#include "dialogs/VolumePresetsEditor.h"

#include "dialogs/VolumeConfigFile.h"
#include "dialogs/VolumeDialogModel.h"

namespace morvane {
namespace {

// A file whose pairs cannot be used opens at the Default words, without a message.
std::optional<VolumeWords> readStoredWords(UserMessages& messages)
{
    std::unique_ptr<StickStream> stream = StickStream::open(kVolumeConfigPath, "rt");
    if (!stream) {
        messages.showMessage("Missing VOLUME.CFG file");
        return std::nullopt;
    }
    VolumeWords words{};
    if (!readVolumeConfig(*stream, words))
        words = kDefaultVolumeWords;
    StickStream::close(std::move(stream));
    return words;
}

}  // namespace

EditOutcome editVolumePresets(UserMessages& messages, SliderDialogView& view, FileOperations& files)
{
    const std::optional<VolumeWords> stored = readStoredWords(messages);
    if (!stored)
        return EditOutcome::NotOpened;
    VolumeDialogModel dialog(*stored);
    if (!view.runModal(dialog))
        return EditOutcome::Cancelled;
    if (!writeVolumeConfig(dialog.words(), files)) {
        messages.showMessage("Failed to save VOLUME.CFG file\nStick may be write protected");
        return EditOutcome::SaveFailed;
    }
    return EditOutcome::Saved;
}

}  // namespace morvane
