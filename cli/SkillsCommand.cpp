// morvane-cli skills STICK [options]: the skill levels editor, played from options.
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/SliderCommand.h"
#include "cli/StickArgument.h"
#include "cli/StreamMessages.h"
#include "dialogs/SkillLevelsDialogModel.h"
#include "dialogs/SkillLevelsEditor.h"

namespace morvane::cli {
namespace {

const SliderCommand kSkillsCommand{"skills",
                                   {"--maturity", "--walk", "--ball", "--bone"},
                                   SkillLevelsDialogModel::kPresetNames,
                                   SkillLevelsDialogModel::kFullLevel};

}  // namespace

int runSkills(const CommandContext& context)
{
    const std::optional<SliderRequest> request = parseSliderRequest(context, kSkillsCommand);
    if (!request)
        return kExitUsage;
    StickRoot stick;
    if (!openStickArgument(request->stick, stick, context.err))
        return kExitStickError;
    StreamMessages messages(context.err);
    OptionsSliderView view(kSkillsCommand, *request, context.out);
    MemoryInfoList list;
    const EditOutcome outcome = editSkillLevels(messages, view, list, stick);
    for (const std::string& line : list.lines())
        context.out << line << '\n';
    return outcome == EditOutcome::Saved || outcome == EditOutcome::Cancelled ? kExitOk : kExitNotProduced;
}

}  // namespace morvane::cli
