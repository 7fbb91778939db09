// SkillLevelsDialog: the window of the Skill Levels command, maturity and three skill
// levels from 0 to 10000.
#pragma once

#include "dialogs/win32/SliderDialog.h"

namespace morvane::win32 {

class SkillLevelsDialog final : public SliderDialog {
public:
    explicit SkillLevelsDialog(const DialogHost& host);
};

}  // namespace morvane::win32
