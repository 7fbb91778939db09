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

// The volume editor writes nothing into the list: a save prints nothing.
EditOutcome editVolume(StickRoot&, UserMessages& messages, SliderDialogView& view, InfoList&)
{
    return editVolumePresets(messages, view);
}

}  // namespace

int runVolume(const CommandContext& context) { return runSliderCommand(context, kVolumeCommand, editVolume); }

}  // namespace morvane::cli
