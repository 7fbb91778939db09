// morvane-cli skills STICK [options]: the skill levels editor, played from options.
#include "cli/SliderCommand.h"
#include "dialogs/SkillLevelsDialogModel.h"
#include "dialogs/SkillLevelsEditor.h"

namespace morvane::cli {
namespace {

const SliderCommand kSkillsCommand{"skills",
                                   {"--maturity", "--walk", "--ball", "--bone"},
                                   SkillLevelsDialogModel::kPresetNames,
                                   SkillLevelsDialogModel::kFullLevel};

}  // namespace

// After a save the editor's confirmation lines are in the list, and get printed.
int runSkills(const CommandContext& context)
{
    return runSliderCommand(context, kSkillsCommand, editSkillLevels);
}

}  // namespace morvane::cli
