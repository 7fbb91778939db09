// morvane-cli volume STICK [options]: the volume presets editor, played from options.
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/SliderCommand.h"
#include "cli/StickArgument.h"
#include "cli/StreamMessages.h"
#include "dialogs/VolumeDialogModel.h"
#include "dialogs/VolumePresetsEditor.h"

namespace morvane::cli {
namespace {

const SliderCommand kVolumeCommand{"volume",
                                   {"--volume0", "--volume1", "--volume2", "--volume3"},
                                   VolumeDialogModel::kPresetNames,
                                   volumeToPosition(0xFFFF)};

}  // namespace

int runVolume(const CommandContext& context)
{
    const std::optional<SliderRequest> request = parseSliderRequest(context, kVolumeCommand);
    if (!request)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(request->stick, stick, context.err))
        return kExitStickError;
    StreamMessages messages(context.err);
    OptionsSliderView view(kVolumeCommand, *request, context.out);
    const EditOutcome outcome = editVolumePresets(messages, view);
    return outcome == EditOutcome::Saved || outcome == EditOutcome::Cancelled ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
