// The list keeps each report line's bytes, which the clipboard copy hands over, and shows
// them as text. Some lines keep the line feed of the stick file they copy (the LAN
// settings); the list would show it as an extra line break, so each is shown without one
// trailing line feed, as the Windows program's list box shows it.
#include "app/qt/ListWidgetInfoList.h"

#include <QListWidget>

#include "app/qt/StickText.h"

namespace morvane::qt {
void ListWidgetInfoList::addLine(std::string_view text)
{
    lines_.emplace_back(text);
    view_.addItem(stickText(shownText(text)));
}

void ListWidgetInfoList::clear()
{
    lines_.clear();
    view_.clear();
}

}  // namespace morvane::qt
