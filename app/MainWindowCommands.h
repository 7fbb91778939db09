// The main window's commands that work on the stick: Open, the clipboard copy, and the
// editors and viewers.
#pragma once

#include "app/MainWindowContext.h"

namespace morvane {

// Runs the command with menu or button id `id`. Answers false for ids that are not
// stick commands (About, Exit and the window's own), which the window handles itself.
bool runStickCommand(int id, MainWindowContext& window);

}  // namespace morvane
