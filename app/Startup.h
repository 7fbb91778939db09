// The window program's start-up: from the command line to an accepted stick.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/DriveScan.h"
#include "stick/StickRoot.h"
#include "ui/FileOpenDialog.h"
#include "ui/UserMessages.h"

namespace morvane {

// What start-up needs from the window system.
struct StartupUi {
    UserMessages& messages;
    FileOpenDialog& fileDialog;
    ScanWindow& scanWindow;
    WaitCursor& waitCursor;
    std::vector<std::string> searchRoots;  // probed in this order when no directory is named
    MarkerProbe probe = markerFileOpens;
};

// Enters the directory named on `commandLine` or scans the search roots, then checks the
// stick, offering the file-open dialog after every refusal. Answers true with the stick
// opened (its root the current directory), or false when the program is to end: the
// named directory or the found root cannot be entered, or the user cancelled.
bool locateStick(std::string_view commandLine, StartupUi& ui, StickRoot& stick);

// The same with the stick directory already taken from the command line; an empty one
// names none.
bool locateNamedStick(std::string_view directory, StartupUi& ui, StickRoot& stick);

}  // namespace morvane
