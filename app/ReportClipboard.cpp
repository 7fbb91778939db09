// Copying the information list to the clipboard as CR LF text.
#include "app/ReportClipboard.h"

namespace morvane {

std::string clipboardText(const InfoList& list)
{
    std::string text;
    for (std::size_t index = 0; index < list.lineCount(); ++index) {
        text += list.line(index);
        text += "\r\n";
    }
    text += '\0';
    return text;
}

void copyReportToClipboard(const InfoList& list, Clipboard& clipboard, UserMessages& messages)
{
    switch (clipboard.putText(clipboardText(list))) {
    case Clipboard::Result::Done:
        return;
    case Clipboard::Result::NoMemory:
        messages.showMessage("GlobalAlloc failed");
        return;
    case Clipboard::Result::Refused:
        messages.showMessage("Clipboard error");
        return;
    }
}

}  // namespace morvane
