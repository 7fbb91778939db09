// The modal About box of the main window's About command.
#pragma once

class QWidget;

namespace morvane::qt {

// Shows the About box over `owner` until OK, Escape or its close box ends it.
void runAboutBox(QWidget* owner);

}  // namespace morvane::qt
