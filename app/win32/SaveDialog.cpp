// GetSaveFileName opening in Documents with the proposed name, no filter and no extension
// added. For a new folder, a name that is an existing folder opens that folder in the
// dialog instead of ending it, so an existing folder is never chosen by mistake; its
// emptiness is the caller's to check. For a file, replacing one is asked about.
#include "app/win32/SaveDialog.h"

#include "app/win32/CommonFileDialog.h"

namespace morvane::win32 {

std::optional<std::string> SaveDialog::chooseSaveLocation(const SaveRequest& request)
{
    CommonFileDialog dialog(owner_.window, request.title, request.suggestedName, documentsFolder());
    if (!request.newFolder)
        dialog.fields().Flags |= OFN_OVERWRITEPROMPT;
    return dialog.run(GetSaveFileNameW);
}

}  // namespace morvane::win32
