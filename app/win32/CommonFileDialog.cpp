#include "app/win32/CommonFileDialog.h"

#include <shlobj.h>

#include "base/win32/WideText.h"
#include "stick/OsFile.h"

namespace morvane::win32 {

CommonFileDialog::CommonFileDialog(HWND owner, std::string_view title, std::string_view proposedName,
                                   std::wstring initialFolder)
    : title_(widenUtf8(title)), file_(widenUtf8(proposedName)), initialFolder_(std::move(initialFolder))
{
    file_.resize(32768, L'\0');
    dialog_.lStructSize = sizeof(dialog_);
    dialog_.hwndOwner = owner;
    dialog_.lpstrFile = file_.data();
    dialog_.nMaxFile = static_cast<DWORD>(file_.size());
    dialog_.lpstrTitle = title_.c_str();
    dialog_.lpstrInitialDir = initialFolder_.empty() ? nullptr : initialFolder_.c_str();
    dialog_.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
}

std::optional<std::string> CommonFileDialog::run(BOOL(WINAPI* dialogFunction)(OPENFILENAMEW*))
{
    const std::optional<std::string> current = currentDirectory();
    const BOOL chosen = dialogFunction(&dialog_);
    if (current)
        changeDirectory(*current);
    if (!chosen)
        return std::nullopt;
    return narrowToUtf8(std::wstring(file_.c_str()));
}

std::wstring documentsFolder()
{
    wchar_t folder[MAX_PATH]{};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

}  // namespace morvane::win32
