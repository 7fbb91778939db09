// The main window's "Copy Report to Clipboard" command.
#pragma once

#include <string>

#include "reports/InfoList.h"
#include "ui/Clipboard.h"
#include "ui/UserMessages.h"

namespace morvane {

// The list as clipboard text: every line followed by CR LF, the last one too, then one
// NUL byte. The lines' bytes pass unchanged.
std::string clipboardText(const InfoList& list);

// Puts clipboardText(list) on the clipboard; shows "GlobalAlloc failed" or
// "Clipboard error" when that fails.
void copyReportToClipboard(const InfoList& list, Clipboard& clipboard, UserMessages& messages);

}  // namespace morvane
