// The test helpers of the Qt window tests.
#include "tests/qt/QtTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <sstream>

#include "base/Utf8Path.h"
#include "cli/StickArgument.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

CliRun runCli(const QStringList& arguments)
{
    QProcess cli;
    cli.start(MORVANE_CLI, arguments);
    if (!cli.waitForFinished(30000))
        return {-1, {}, "morvane-cli did not finish"};
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput(),
            cli.readAllStandardError()};
}

// The CR LF output splits into the list's lines exactly: a line's own line feed stays.
QStringList cliListLines(const QString& entry, const std::string& stick)
{
    QByteArray output = runCli({"report", entry, QString::fromStdString(stick), "--crlf"}).out;
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

bool makeSampleStick(const QString& dir, bool compressed)
{
    return !stickgen::writeSampleStick(utf8Path(dir.toStdString()), compressed);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

OpenedStick::OpenedStick(const QString& dir)
{
    std::ostringstream err;
    opened_ = cli::openStickArgument(dir.toStdString(), root, err);
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

bool clickButton(QWidget& window, const QString& text)
{
    QWidget* button = buttonLabelled(window, text);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
    return button != nullptr;
}

QWidget* buttonLabelled(const QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

QRect placeIn(const QWidget& widget, const QWidget& window)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

namespace {

void answerWhenOpen(std::function<void(QDialog&)> answer, QDeadlineTimer deadline)
{
    QTimer::singleShot(10, [answer = std::move(answer), deadline] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            QVERIFY2(!deadline.hasExpired(), "no modal dialog opened");
            answerWhenOpen(answer, deadline);
            return;
        }
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

}  // namespace

void answerNextModal(std::function<void(QDialog&)> answer)
{
    answerWhenOpen(std::move(answer), QDeadlineTimer(10000));
}

}  // namespace morvane::test
