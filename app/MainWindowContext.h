// What the main window's commands work on: the opened stick, the report tree, the
// information list and the window system's services.
#pragma once

#include "reports/InfoList.h"
#include "stick/StickRoot.h"
#include "ui/Clipboard.h"
#include "ui/FileOpenDialog.h"
#include "ui/TreeControl.h"
#include "ui/UserMessages.h"
#include "ui/WaitCursor.h"

namespace morvane {

struct MainWindowContext {
    StickRoot& stick;
    TreeControl& tree;
    InfoList& list;
    WaitCursor& waitCursor;
    UserMessages& messages;
    FileOpenDialog& fileDialog;
    Clipboard& clipboard;
};

}  // namespace morvane
