// Report lines are the stick's 8-bit text. The list box shows them as the system's 8-bit
// code page reads them; the list also keeps the bytes themselves, so that the clipboard
// copy hands over exactly what the reports wrote, even where the code page could not
// turn the characters back into the same bytes.
#include "app/win32/ListBoxInfoList.h"

#include "base/win32/WideText.h"

namespace morvane::win32 {
void ListBoxInfoList::addLine(std::string_view text)
{
    lines_.emplace_back(text);
    SendMessageW(listBox_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widenCodePage(shownText(text)).c_str()));
}

void ListBoxInfoList::clear()
{
    lines_.clear();
    SendMessageW(listBox_, LB_RESETCONTENT, 0, 0);
}

}  // namespace morvane::win32
