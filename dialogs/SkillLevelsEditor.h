// The Skill Levels command: FVAR's maturity and three skill levels through the slider
// dialog, written back on "Save".
#pragma once

#include "dialogs/EditOutcome.h"
#include "dialogs/EditorServices.h"

namespace morvane {

// Reads FVAR, runs the view over a SkillLevelsDialogModel, and after "Save" rewrites FVAR
// through the file operations with the four new values (the other 60 as read), runs
// detection on the stick again and puts the confirmation into the list. Failures are
// shown through the messages.
EditOutcome editSkillLevels(const EditorServices& editor);

}  // namespace morvane
