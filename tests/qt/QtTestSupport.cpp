// The test helpers of the Qt window tests.
#include "tests/qt/QtTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace morvane::test {

QByteArray cliOutput(const QStringList& arguments, bool fromStderr)
{
    QProcess cli;
    cli.start(MORVANE_CLI, arguments);
    if (!cli.waitForFinished(30000))
        return "morvane-cli did not finish";
    return fromStderr ? cli.readAllStandardError() : cli.readAllStandardOutput();
}

// The CR LF output splits into the list's lines exactly: a line's own line feed stays.
QStringList cliListLines(const QString& entry, const std::string& stick)
{
    QByteArray output = cliOutput({"report", entry, QString::fromStdString(stick), "--crlf"});
    QList<QByteArray> lines = output.split('\r');
    QStringList shown;
    for (qsizetype index = 0; index + 1 < lines.size(); ++index) {
        QByteArray line = lines[index].mid(index == 0 ? 0 : 1);  // the LF of the CR LF before it
        if (line.endsWith('\n'))
            line.chop(1);
        shown << QString::fromUtf8(line);
    }
    return shown;
}

QStringList shownLines(const QListWidget& list)
{
    QStringList lines;
    for (int row = 0; row < list.count(); ++row)
        lines << list.item(row)->text();
    return lines;
}

QList<QTreeWidgetItem*> treeEntries(const QTreeWidget& tree)
{
    QList<QTreeWidgetItem*> entries;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it != nullptr; ++it)
        entries << *it;
    return entries;
}

void clickEntry(QTreeWidget& tree, QTreeWidgetItem* item)
{
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(item).center());
}

QAction* menuAction(const QWidget& window, const QString& text)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

QDialog* scanningWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == "Scanning for ERS-7 Memory Stick" && widget->isVisible())
            return qobject_cast<QDialog*>(widget);
    return nullptr;
}

void answerNextModal(std::function<void(QWidget&)> answer)
{
    QTimer::singleShot(10, [answer = std::move(answer)] {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(*modal);
        else
            answerNextModal(answer);
    });
}

}  // namespace morvane::test
