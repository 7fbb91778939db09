// What every Qt test shares: runs of the real morvane-cli as the expectation, sample
// sticks, the main window's widgets, and answering the modal dialog that the code under
// test opens.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <string>

#include "stick/StickRoot.h"
#include "tests/support/CurrentDirectoryGuard.h"

class QAction;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace morvane::test {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};
// morvane-cli run with `arguments`.
CliRun runCli(const QStringList& arguments);

// The lines `morvane-cli report ENTRY STICK` puts in the list, as the list shows them:
// without one trailing line feed.
QStringList cliListLines(const QString& entry, const std::string& stick);

// The sample stick written into `dir`, gzip-compressed when `compressed`; false when it
// could not be written.
bool makeSampleStick(const QString& dir, bool compressed = false);

QByteArray fileBytes(const QString& path);

// The stick at `dir` opened as morvane-cli opens it (it becomes the current directory)
// for as long as this lives.
class OpenedStick {
public:
    explicit OpenedStick(const QString& dir);
    bool opened() const { return opened_; }

    StickRoot root;

private:
    CurrentDirectoryGuard guard_;
    bool opened_;
};

QStringList shownLines(const QListWidget& list);

// The tree's entries, parents before their children, in display order.
QList<QTreeWidgetItem*> treeEntries(const QTreeWidget& tree);

// Clicks `item` in its tree as the user would.
void clickEntry(QTreeWidget& tree, QTreeWidgetItem* item);

// The action of `window`'s menus whose text is `text`, access key included.
QAction* menuAction(const QWidget& window, const QString& text);

// A user's mouse click on the button of `window` labelled `text`; false when there is none.
bool clickButton(QWidget& window, const QString& text);

// The button of `window` labelled `text`, or null.
QWidget* buttonLabelled(const QWidget& window, const QString& text);

// Where `widget` lies within `window`, in the window's coordinates.
QRect placeIn(const QWidget& widget, const QWidget& window);

// The scanning window while it is shown, or null.
QDialog* scanningWindow();

// Runs `answer` on the next modal dialog as soon as it is open (from within its event
// loop), and closes the dialog if the answer left it open, so that the code that opened
// it goes on. A test that waits in vain for ten seconds fails.
void answerNextModal(std::function<void(QDialog&)> answer);

}  // namespace morvane::test
