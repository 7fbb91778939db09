// QTreeWidget calls behind the report tree's operations. Each item carries its handle and
// its entry's data in roles of its own; the top level is the widget's invisible root.
#include "app/qt/TreeWidgetControl.h"

#include <QTreeWidget>

#include "dialogs/qt/QtText.h"

namespace morvane::qt {
namespace {

constexpr int kHandleRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;

std::optional<TreeControl::Item> handleOf(const QTreeWidgetItem* item)
{
    if (item == nullptr)
        return std::nullopt;
    return item->data(0, kHandleRole).value<TreeControl::Item>();
}

}  // namespace

QTreeWidgetItem* TreeWidgetControl::widgetItem(Item item) const
{
    return item == kTopLevel ? view_.invisibleRootItem() : items_.at(item - 1);
}

TreeControl::Item TreeWidgetControl::insertLastChild(Item parent, std::string_view title)
{
    auto* item = new QTreeWidgetItem(widgetItem(parent), {qtText(title)});
    items_.push_back(item);
    const Item handle = items_.size();
    item->setData(0, kHandleRole, QVariant::fromValue(handle));
    return handle;
}

void TreeWidgetControl::setItemData(Item item, void* data)
{
    widgetItem(item)->setData(0, kDataRole, QVariant::fromValue(data));
}

void* TreeWidgetControl::itemData(Item item) const
{
    return widgetItem(item)->data(0, kDataRole).value<void*>();
}

std::optional<TreeControl::Item> TreeWidgetControl::selectedItem() const
{
    return handleOf(view_.currentItem());
}

std::optional<TreeControl::Item> TreeWidgetControl::firstChild(Item parent) const
{
    return handleOf(widgetItem(parent)->child(0));
}

std::optional<TreeControl::Item> TreeWidgetControl::nextSibling(Item item) const
{
    QTreeWidgetItem* child = widgetItem(item);
    QTreeWidgetItem* parent = child->parent() != nullptr ? child->parent() : view_.invisibleRootItem();
    return handleOf(parent->child(parent->indexOfChild(child) + 1));
}

void TreeWidgetControl::expand(Item item) { widgetItem(item)->setExpanded(true); }

void TreeWidgetControl::select(Item item) { view_.setCurrentItem(widgetItem(item)); }

}  // namespace morvane::qt
