// SkillLevelsDialog: the window of the Skill Levels command, maturity and three skill
// levels from 0 to 10000.
#pragma once

#include "dialogs/win32/TrackbarDialog.h"

namespace morvane {

class SkillLevelsDialog final : public TrackbarDialog {
public:
    explicit SkillLevelsDialog(const DialogHost& host);
};

}  // namespace morvane
