// What the Qt window tests share: morvane-cli's output as the expectation, the main
// window's widgets, and answering a modal window that the code under test opens.
#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>
#include <string>

class QAction;
class QDialog;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace morvane::test {

// morvane-cli's standard output for `arguments` (its standard error with `fromStderr`).
QByteArray cliOutput(const QStringList& arguments, bool fromStderr = false);

// The lines `morvane-cli report ENTRY STICK` puts in the list, as the list shows them:
// without one trailing line feed.
QStringList cliListLines(const QString& entry, const std::string& stick);

QStringList shownLines(const QListWidget& list);

// The tree's entries, parents before their children, in display order.
QList<QTreeWidgetItem*> treeEntries(const QTreeWidget& tree);

// Clicks `item` in its tree as the user would.
void clickEntry(QTreeWidget& tree, QTreeWidgetItem* item);

// The action of `window`'s menus whose text is `text`, access key included.
QAction* menuAction(const QWidget& window, const QString& text);

// The scanning window while it is shown, or null.
QDialog* scanningWindow();

// Runs `answer` on the next modal window as soon as it is open (from within its event loop).
void answerNextModal(std::function<void(QWidget&)> answer);

}  // namespace morvane::test
