// Tree view messages behind the report tree's operations. The top level is TVI_ROOT.
#include "app/win32/TreeViewControl.h"

#include <commctrl.h>

#include "base/win32/WideText.h"

namespace morvane::win32 {
namespace {

HTREEITEM handleOf(TreeControl::Item item) { return reinterpret_cast<HTREEITEM>(item); }

}  // namespace

TreeControl::Item TreeViewControl::insertLastChild(Item parent, std::string_view title)
{
    std::wstring text = widenUtf8(title);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent == kTopLevel ? TVI_ROOT : handleOf(parent);
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text.data();
    return static_cast<Item>(SendMessageW(view_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

void TreeViewControl::setItemData(Item item, void* data)
{
    TVITEMW entry{};
    entry.mask = TVIF_PARAM;
    entry.hItem = handleOf(item);
    entry.lParam = reinterpret_cast<LPARAM>(data);
    SendMessageW(view_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&entry));
}

void* TreeViewControl::itemData(Item item) const
{
    TVITEMW entry{};
    entry.mask = TVIF_PARAM;
    entry.hItem = handleOf(item);
    if (!SendMessageW(view_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&entry)))
        return nullptr;
    return reinterpret_cast<void*>(entry.lParam);
}

std::optional<TreeControl::Item> TreeViewControl::nextItem(UINT relation, Item from) const
{
    const LRESULT found =
        SendMessageW(view_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(handleOf(from)));
    if (found == 0)
        return std::nullopt;
    return static_cast<Item>(found);
}

std::optional<TreeControl::Item> TreeViewControl::selectedItem() const
{
    return nextItem(TVGN_CARET, kTopLevel);
}

std::optional<TreeControl::Item> TreeViewControl::firstChild(Item parent) const
{
    return parent == kTopLevel ? nextItem(TVGN_ROOT, kTopLevel) : nextItem(TVGN_CHILD, parent);
}

std::optional<TreeControl::Item> TreeViewControl::nextSibling(Item item) const
{
    return nextItem(TVGN_NEXT, item);
}

void TreeViewControl::expand(Item item)
{
    SendMessageW(view_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(handleOf(item)));
}

void TreeViewControl::select(Item item)
{
    SendMessageW(view_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(handleOf(item)));
}

}  // namespace morvane::win32
