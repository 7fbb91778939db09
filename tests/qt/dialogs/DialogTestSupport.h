// What the Qt dialog tests share: sample sticks made by make_sample_stick, runs of the
// real morvane-cli, a stick opened in this process, and answering the modal dialog that
// an editor's or viewer's flow opens.
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QStringList>

#include <functional>

#include "stick/StickRoot.h"
#include "tests/support/CurrentDirectoryGuard.h"

namespace morvane::test {

// make_sample_stick [--gzip] DIR; false when it failed.
bool makeSampleStick(const QString& dir, bool compressed);

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};
CliRun runCli(const QStringList& args);

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

// Runs `answer` on the dialog that is modal once the event loop next runs, that is on the
// dialog the caller's flow opens next. A dialog that the answer leaves open (after a
// failed check) is then closed, so that the flow returns.
void answerNextDialog(std::function<void(QDialog&)> answer);

// A user's mouse click on the button labelled `text`; false when there is none.
bool clickButton(QDialog& dialog, const QString& text);

}  // namespace morvane::test
