// The file is read and closed before the dialog opens, and replaced only after "Save",
// when it is still as it was read.
#include "dialogs/VolumePresetsEditor.h"

#include "dialogs/SaveFailureMessage.h"
#include "dialogs/VolumeConfigFile.h"
#include "dialogs/VolumeDialogModel.h"
#include "stick/GzipMember.h"
#include "stick/StickStream.h"

namespace morvane {
namespace {

// The old file as read, kept so that a save can keep what the editor does not own.
struct StoredVolumeConfig {
    std::string file;
    std::optional<VolumePairs> pairs;
};

// The whole (decompressed) file; none when it cannot be read to its end or is larger than
// any stick file, so that a save never takes a file cut short by a failing stick for all
// there was.
std::optional<std::string> readWholeFile(StickStream& stream)
{
    std::string file;
    char chunk[4096];
    for (std::size_t got = stream.read(chunk, sizeof chunk); got > 0;
         got = stream.read(chunk, sizeof chunk)) {
        if (file.size() + got > kMaxStickFileContent)
            return std::nullopt;
        file.append(chunk, got);
    }
    if (stream.readFailed())
        return std::nullopt;
    return file;
}

// A file whose pairs cannot be used opens at the Default words, and the owner is told so
// before the dialog shows them, so that made-up values are never taken for the robot's.
// A file that cannot be read whole (a damaged compressed one) opens no dialog: a save
// would replace bytes that were never read, and the robot's other settings with them.
std::optional<StoredVolumeConfig> readStoredConfig(UserMessages& messages)
{
    std::unique_ptr<StickStream> stream = StickStream::open(kVolumeConfigPath, "rb");
    if (!stream) {
        messages.showMessage("Missing VOLUME.CFG file");
        return std::nullopt;
    }
    std::optional<std::string> file = readWholeFile(*stream);
    StickStream::close(std::move(stream));
    if (!file) {
        messages.showMessage("VOLUME.CFG cannot be read; it is left as it is");
        return std::nullopt;
    }
    StoredVolumeConfig stored{std::move(*file), std::nullopt};
    stored.pairs = readVolumePairs(stored.file);
    if (!stored.pairs)
        messages.showMessage("VOLUME.CFG could not be read; the sliders start at the Default positions");
    return stored;
}

// Whether VOLUME.CFG still holds, byte for byte, what was read before the window opened.
// Another robot's stick put in the reader meanwhile would otherwise get this one's settings.
bool stillAsRead(const std::string& file)
{
    std::unique_ptr<StickStream> stream = StickStream::open(kVolumeConfigPath, "rb");
    if (!stream)
        return false;
    const std::optional<std::string> now = readWholeFile(*stream);
    StickStream::close(std::move(stream));
    return now == file;
}

}  // namespace

EditOutcome editVolumePresets(const EditorServices& editor)
{
    const std::optional<StoredVolumeConfig> stored = readStoredConfig(editor.messages);
    if (!stored)
        return EditOutcome::NotOpened;
    VolumeDialogModel dialog(stored->pairs ? stored->pairs->words : kDefaultVolumeWords);
    if (!editor.view.runModal(dialog))
        return EditOutcome::Cancelled;
    if (!stillAsRead(stored->file)) {
        editor.messages.showMessage(
            "VOLUME.CFG on the stick changed or went away while the window was open; nothing was saved");
        return EditOutcome::SaveFailed;
    }
    const SaveOutcome saved =
        writeVolumeConfig(updateVolumeConfig(stored->file, stored->pairs, dialog.words()), editor.files);
    if (saved != SaveOutcome::Saved) {
        showSaveFailure(editor.messages, saved, kVolumeConfigPath,
                        "Failed to save VOLUME.CFG file\nStick may be write protected");
        return EditOutcome::SaveFailed;
    }
    return EditOutcome::Saved;
}

}  // namespace morvane
