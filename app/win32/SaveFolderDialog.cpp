// GetSaveFileName opening in Documents with the proposed name, no filter and no extension
// added: the name typed is the new folder's. A name that is an existing folder opens that
// folder in the dialog instead of ending it, so an existing folder is never chosen by
// mistake; its emptiness is the caller's to check.
#include "app/win32/SaveFolderDialog.h"

#include "app/win32/CommonFileDialog.h"

namespace morvane::win32 {

std::optional<std::string> SaveFolderDialog::chooseNewFolder(const NewFolderRequest& request)
{
    CommonFileDialog dialog(owner_.window, request.title, request.suggestedName, documentsFolder());
    return dialog.run(GetSaveFileNameW);
}

}  // namespace morvane::win32
