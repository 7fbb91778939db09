// Report lines are the stick's 8-bit text. The list box shows them as the system's 8-bit
// code page reads them; the list also keeps the bytes themselves, so that the clipboard
// copy hands over exactly what the reports wrote, even where the code page could not
// turn the characters back into the same bytes.
#include "app/win32/ListBoxInfoList.h"

namespace morvane {
namespace {

std::wstring inCodePage(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

void ListBoxInfoList::addLine(std::string_view text)
{
    lines_.emplace_back(text);
    SendMessageW(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(inCodePage(text).c_str()));
}

void ListBoxInfoList::clear()
{
    lines_.clear();
    SendMessageW(listBox_, LB_RESETCONTENT, 0, 0);
}

}  // namespace morvane
