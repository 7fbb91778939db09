// Fuzz target of the VOLUME.CFG reader and of the file a save makes of it: each input is
// the file's bytes. Whatever reads must, once opened in the dialog and saved unchanged,
// give a file that reads back as the words saved and keeps every byte before and after
// the pair lines.
#include <string_view>

#include "dialogs/VolumeConfigFile.h"
#include "dialogs/VolumeDialogModel.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"

namespace {

using namespace morvane;

void checkSave(std::string_view old, const VolumePairs& pairs)
{
    requireFuzz(pairs.begin <= pairs.end && pairs.end <= old.size(), "the pair lines lie outside the file");
    VolumeDialogModel dialog(pairs.words);
    dialog.save();
    const std::string saved = updateVolumeConfig(old, pairs, dialog.words());
    const std::optional<VolumePairs> reread = readVolumePairs(saved);
    requireFuzz(reread && reread->words == dialog.words(), "a saved VOLUME.CFG does not read back as saved");
    requireFuzz(saved.starts_with(old.substr(0, pairs.begin)) && saved.ends_with(old.substr(pairs.end)),
                "a save lost bytes around the pair lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    if (const std::optional<VolumePairs> pairs = readVolumePairs(file))
        checkSave(file, *pairs);
    else
        requireFuzz(readVolumePairs(updateVolumeConfig(file, std::nullopt, kDefaultVolumeWords)).has_value(),
                    "the plain form does not read");
    return 0;
}
