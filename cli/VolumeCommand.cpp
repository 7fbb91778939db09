// morvane-cli volume STICK [options]: the volume presets editor, played from options.
#include "cli/SliderCommand.h"
#include "dialogs/VolumeDialogModel.h"
#include "dialogs/VolumePresetsEditor.h"

namespace morvane::cli {
namespace {

const SliderCommand kVolumeCommand{"volume",
                                   {"--volume0", "--volume1", "--volume2", "--volume3"},
                                   VolumeDialogModel::kPresetNames,
                                   volumeToPosition(0xFFFF)};

}  // namespace

// The volume editor writes nothing into the list: a save prints nothing.
int runVolume(const CommandContext& context)
{
    return runSliderCommand(context, kVolumeCommand, editVolumePresets);
}

}  // namespace morvane::cli
