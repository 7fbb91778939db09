// GetOpenFileName with the request's texts. The dialog must not move the current
// directory: it is the open stick's root, and only the caller changes it. The dialog
// may change it while the user browses (OFN_NOCHANGEDIR is not honoured by every
// system), so the directory is put back when the dialog closes.
#include "app/win32/StickFileDialog.h"

#include <commdlg.h>

#include "base/win32/WideText.h"
#include "stick/OsFile.h"

namespace morvane::win32 {
namespace {

// "label\0pattern\0\0", the filter list of a single entry.
std::wstring filterList(const FileOpenRequest& request)
{
    std::wstring filter = widenUtf8(request.filterLabel);
    filter += L'\0';
    filter += widenUtf8(request.filterPattern);
    filter += L'\0';
    return filter;  // c_str() adds the final NUL
}

}  // namespace

std::optional<std::string> StickFileDialog::chooseFile(const FileOpenRequest& request)
{
    const std::wstring title = widenUtf8(request.title);
    const std::wstring extension = widenUtf8(request.defaultExtension);
    const std::wstring filter = filterList(request);
    std::wstring file = widenUtf8(request.initialName);
    file.resize(32768, L'\0');

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner_.window;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    const std::optional<std::string> current = currentDirectory();
    const BOOL chosen = GetOpenFileNameW(&dialog);
    if (current)
        changeDirectory(*current);
    if (!chosen)
        return std::nullopt;
    file.resize(file.find(L'\0'));
    return narrowToUtf8(file);
}

}  // namespace morvane::win32
