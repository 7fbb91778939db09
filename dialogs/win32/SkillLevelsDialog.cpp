#include "dialogs/win32/SkillLevelsDialog.h"

#include "dialogs/win32/SkillLevelsDialogRes.h"

namespace morvane::win32 {

// The presets in the model's order: "Adult", "Baby", "NewBorn".
SkillLevelsDialog::SkillLevelsDialog(const DialogHost& host)
    : SliderDialog(
          host, {IDD_SKILL_LEVELS,
                 {IDC_MATURITY_SLIDER, IDC_WALK_SKILL_SLIDER, IDC_BALL_SKILL_SLIDER, IDC_BONE_SKILL_SLIDER},
                 {IDC_ADULT_PRESET, IDC_BABY_PRESET, IDC_NEWBORN_PRESET}})
{
}

}  // namespace morvane::win32
