// GetOpenFileName with the request's texts.
#include "app/win32/StickFileDialog.h"

#include "app/win32/CommonFileDialog.h"
#include "base/win32/WideText.h"

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
    const std::wstring extension = widenUtf8(request.defaultExtension);
    const std::wstring filter = filterList(request);
    CommonFileDialog dialog(owner_.window, request.title, request.initialName,
                            request.startInDocuments ? documentsFolder() : std::wstring());
    dialog.fields().lpstrFilter = filter.c_str();
    dialog.fields().lpstrDefExt = extension.c_str();
    dialog.fields().Flags |= OFN_FILEMUSTEXIST;
    return dialog.run(GetOpenFileNameW);
}

}  // namespace morvane::win32
