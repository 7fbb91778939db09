// What an editor says when its save fails, and a viewer when a copy would land on the stick.
#pragma once

#include <string_view>

#include "stick/AtomicFile.h"
#include "stick/StickRoot.h"
#include "ui/UserMessages.h"

namespace morvane {

// Shows why the save of stick path `path` failed: a folder that refused the temporary
// file is named, since the stick is then not write-protected; any other failure shows
// `failedMessage`, the editor's own.
void showSaveFailure(UserMessages& messages, SaveOutcome outcome, std::string_view path,
                     std::string_view failedMessage);

// Whether `target`, the place the owner chose for a copy off the stick, lies inside the
// open stick, where a copy could replace a stick file; if so the owner is told that
// nothing was written.
bool copyTargetInsideStick(std::string_view target, const StickRoot& stick, UserMessages& messages);

}  // namespace morvane
