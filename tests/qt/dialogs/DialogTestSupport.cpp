#include "tests/qt/dialogs/DialogTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <sstream>

#include "cli/StickArgument.h"

namespace morvane::test {

bool makeSampleStick(const QString& dir, bool compressed)
{
    QStringList args;
    if (compressed)
        args << "--gzip";
    return QProcess::execute(MORVANE_MAKE_STICK, args << dir) == 0;
}

CliRun runCli(const QStringList& args)
{
    QProcess cli;
    cli.start(MORVANE_CLI, args);
    cli.waitForFinished();
    return {cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput(),
            cli.readAllStandardError()};
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

void answerNextDialog(std::function<void(QDialog&)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY2(dialog != nullptr, "no modal dialog is open");
        answer(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

bool clickButton(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return true;
        }
    }
    return false;
}

}  // namespace morvane::test
