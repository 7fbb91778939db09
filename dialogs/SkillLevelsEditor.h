// The Skill Levels command: FVAR's maturity and three skill levels through the slider
// dialog, written back on "Save".
#pragma once

#include "dialogs/EditOutcome.h"
#include "reports/InfoList.h"
#include "stick/StickRoot.h"
#include "ui/SliderDialog.h"
#include "ui/UserMessages.h"

namespace morvane {

// Reads FVAR, runs `view` over a SkillLevelsDialogModel, and after "Save" rewrites FVAR
// with the four new values (the other 60 as read), runs detection on `stick` again and
// puts the confirmation into `list`. Failures are shown through `messages`.
EditOutcome editSkillLevels(UserMessages& messages, SliderDialogView& view, InfoList& list, StickRoot& stick);

}  // namespace morvane
