// What an editor says when its save fails.
#pragma once

#include <string_view>

#include "stick/AtomicFile.h"
#include "ui/UserMessages.h"

namespace morvane {

// Shows why the save of stick path `path` failed: a folder that refused the temporary
// file is named, since the stick is then not write-protected; any other failure shows
// `failedMessage`, the editor's own.
void showSaveFailure(UserMessages& messages, SaveOutcome outcome, std::string_view path,
                     std::string_view failedMessage);

}  // namespace morvane
