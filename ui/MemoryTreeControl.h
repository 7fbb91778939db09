// A tree control without a window: items in insertion order, one selection.
#pragma once

#include <string>
#include <vector>

#include "ui/TreeControl.h"

namespace morvane {

class MemoryTreeControl : public TreeControl {
public:
    Item insertLastChild(Item parent, std::string_view title) override;
    void setItemData(Item item, void* data) override { entry(item).data = data; }
    void* itemData(Item item) const override { return entry(item).data; }
    std::optional<Item> selectedItem() const override { return selected_; }
    std::optional<Item> firstChild(Item parent) const override;
    std::optional<Item> nextSibling(Item item) const override;
    void expand(Item item) override { entry(item).expanded = true; }
    void select(Item item) override { selected_ = item; }

    const std::string& title(Item item) const { return entry(item).title; }
    bool isExpanded(Item item) const { return entry(item).expanded; }
    // Every item, parents before their children, in the order the tree shows them.
    std::vector<Item> itemsInDisplayOrder() const;

private:
    struct Entry {
        Item parent;
        std::string title;
        void* data = nullptr;
        bool expanded = false;
    };
    Entry& entry(Item item) { return entries_.at(item - 1); }
    const Entry& entry(Item item) const { return entries_.at(item - 1); }
    std::optional<Item> nextWithParent(Item parent, std::size_t fromIndex) const;
    void appendSubtree(Item parent, std::vector<Item>& order) const;

    std::vector<Entry> entries_;
    std::optional<Item> selected_;
};

}  // namespace morvane
