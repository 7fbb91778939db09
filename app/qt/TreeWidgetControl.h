// The report tree as a QTreeWidget; item handles number the widget's items from 1 in the
// order they were inserted.
#pragma once

#include <vector>

#include "ui/TreeControl.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace morvane::qt {

class TreeWidgetControl : public TreeControl {
public:
    explicit TreeWidgetControl(QTreeWidget& view) : view_(view) {}

    Item insertLastChild(Item parent, std::string_view title) override;
    void setItemData(Item item, void* data) override;
    void* itemData(Item item) const override;
    std::optional<Item> selectedItem() const override;
    std::optional<Item> firstChild(Item parent) const override;
    std::optional<Item> nextSibling(Item item) const override;
    void expand(Item item) override;
    void select(Item item) override;

private:
    QTreeWidgetItem* widgetItem(Item item) const;

    QTreeWidget& view_;
    std::vector<QTreeWidgetItem*> items_;
};

}  // namespace morvane::qt
