// The report tree as a Win32 tree view; item handles are the view's HTREEITEMs.
#pragma once

#include <windows.h>

#include "ui/TreeControl.h"

namespace morvane::win32 {

class TreeViewControl : public TreeControl {
public:
    void attach(HWND view) { view_ = view; }

    Item insertLastChild(Item parent, std::string_view title) override;
    void setItemData(Item item, void* data) override;
    void* itemData(Item item) const override;
    std::optional<Item> selectedItem() const override;
    std::optional<Item> firstChild(Item parent) const override;
    std::optional<Item> nextSibling(Item item) const override;
    void expand(Item item) override;
    void select(Item item) override;

private:
    std::optional<Item> nextItem(UINT relation, Item from) const;
    HWND view_ = nullptr;
};

}  // namespace morvane::win32
