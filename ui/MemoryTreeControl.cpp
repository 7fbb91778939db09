// MemoryTreeControl: item handles are positions in insertion order, counted from 1 so
// that 0 stays the top level.
#include "ui/MemoryTreeControl.h"

namespace morvane {

TreeControl::Item MemoryTreeControl::insertLastChild(Item parent, std::string_view title)
{
    entries_.push_back(Entry{parent, std::string(title)});
    return entries_.size();
}

std::optional<TreeControl::Item> MemoryTreeControl::nextWithParent(Item parent, std::size_t fromIndex) const
{
    for (std::size_t index = fromIndex; index < entries_.size(); ++index) {
        if (entries_[index].parent == parent)
            return index + 1;
    }
    return std::nullopt;
}

std::optional<TreeControl::Item> MemoryTreeControl::firstChild(Item parent) const
{
    return nextWithParent(parent, 0);
}

std::optional<TreeControl::Item> MemoryTreeControl::nextSibling(Item item) const
{
    return nextWithParent(entry(item).parent, item);
}

void MemoryTreeControl::appendSubtree(Item parent, std::vector<Item>& order) const
{
    for (std::optional<Item> child = firstChild(parent); child; child = nextSibling(*child)) {
        order.push_back(*child);
        appendSubtree(*child, order);
    }
}

std::vector<TreeControl::Item> MemoryTreeControl::itemsInDisplayOrder() const
{
    std::vector<Item> order;
    appendSubtree(kTopLevel, order);
    return order;
}

}  // namespace morvane
