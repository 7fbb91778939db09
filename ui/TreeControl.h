// The seam for the report tree: the window's tree view is one implementation; an
// in-memory tree serves morvane-cli and the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace morvane {

class TreeControl {
public:
    // An item handle; kTopLevel stands for the tree's top level as a parent.
    using Item = std::uintptr_t;
    static constexpr Item kTopLevel = 0;

    virtual ~TreeControl() = default;
    virtual Item insertLastChild(Item parent, std::string_view title) = 0;
    virtual void setItemData(Item item, void* data) = 0;
    virtual void* itemData(Item item) const = 0;
    virtual std::optional<Item> selectedItem() const = 0;
    virtual std::optional<Item> firstChild(Item parent) const = 0;
    virtual std::optional<Item> nextSibling(Item item) const = 0;
    virtual void expand(Item item) = 0;
    virtual void select(Item item) = 0;
};

}  // namespace morvane
