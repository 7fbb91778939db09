// Fuzz target of the VOLUME.CFG reader: each input becomes the stick's VOLUME.CFG, read
// as text through the stick's streams. Whatever reads must, once opened in the dialog
// and saved unchanged, give a file that reads back as the words saved.
#include <span>

#include "dialogs/VolumeConfigFile.h"
#include "dialogs/VolumeDialogModel.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"

namespace {

using namespace morvane;

std::optional<VolumeWords> readFile(std::span<const std::uint8_t> bytes)
{
    static const ScratchStick stick;
    requireFuzz(stick.writeFile(kVolumeConfigPath, bytes), "cannot write VOLUME.CFG");
    // Opened from the stick's root: the current directory stays where the replay reads its corpus.
    std::unique_ptr<StickStream> stream = StickStream::open(stick.absolutePath(kVolumeConfigPath), "rt");
    requireFuzz(stream != nullptr, "cannot open VOLUME.CFG");
    VolumeWords words{};
    if (!readVolumeConfig(*stream, words))
        return std::nullopt;
    return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<VolumeWords> words = readFile(std::span(data, size));
    if (!words)
        return 0;
    VolumeDialogModel dialog(*words);
    dialog.save();
    const std::string saved = encodeVolumeConfig(dialog.words());
    const std::optional<VolumeWords> reread =
        readFile(std::span(reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()));
    requireFuzz(reread == dialog.words(), "a saved VOLUME.CFG does not read back as saved");
    return 0;
}
