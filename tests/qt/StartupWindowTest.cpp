// Start-up and the Open command with the real windows: Open keeps the stick shown after a
// refusal (morvane-cli's for the same folder) and then opens a good one; the search window
// probes the mount points, shows each probe and offers "Manual Open"; a start the user
// cancels opens no window; the file dialog and the message box as the user meets them.
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "stick/MountPoints.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

std::string markerOf(const std::filesystem::path& stick) { return (stick / "MEMSTICK.IND").string(); }

// The refusal morvane-cli gives for `folder`, as one message.
std::string cliRefusal(const std::string& folder)
{
    return runCli({"detect", QString::fromStdString(folder)}).err.trimmed().toStdString();
}

QStringList summaryOf(const MorvaneApp& app)
{
    return shownLines(*app.mainWindow()->findChild<QListWidget*>());
}

// "Looking for memory stick:" and the probe shown beside it.
QString scanningWindowText()
{
    QStringList texts;
    if (QDialog* window = scanningWindow())
        for (QLabel* label : window->findChildren<QLabel*>())
            texts << label->text();
    return texts.join(' ');
}

// Whether the probe path shown in the scanning window is shown whole, not cut off.
bool probePathShownWhole()
{
    const QList<QLabel*> labels = scanningWindow()->findChildren<QLabel*>();
    const QLabel* path = labels.last();
    return path->fontMetrics().horizontalAdvance(path->text()) <= path->contentsRect().width();
}

}  // namespace

class StartupWindowTest : public QObject {
    Q_OBJECT

private slots:
    void openShowsTheRefusalKeepsTheStickThenOpensAGoodOne()
    {
        CurrentDirectoryGuard guard;
        TempStick first, notAStick, second;
        QVERIFY(!stickgen::writeSampleStick(first.dir()));
        QVERIFY(!stickgen::writeSampleStick(second.dir(), true));
        ModalAnswers answers;
        const AnsweringModals answering(answers);
        MorvaneApp app({});
        QVERIFY(app.start(first.rootPath()));
        QAction* open = menuAction(*app.mainWindow(), "&Open");

        answers.fileChoices = {markerOf(notAStick.dir())};
        open->trigger();
        QCOMPARE(answers.messages,
                 (std::vector<std::string>{cliRefusal(notAStick.rootPath()), "Failed to open new image"}));
        QCOMPARE(summaryOf(app), cliListLines("summary", first.rootPath()));

        answers.fileChoices = {markerOf(second.dir())};
        open->trigger();
        QCOMPARE(answers.messages.size(), 2u);
        QCOMPARE(summaryOf(app), cliListLines("summary", second.rootPath()));
    }

    void theSearchWindowShowsEachProbeAndTheStickFoundOpens()
    {
        CurrentDirectoryGuard guard;
        TempStick system;
        const std::string empty = "AN EMPTY CARD WITH A VOLUME LABEL AS LONG AS A CARD'S LABEL CAN BE";
        system.write("media/me/" + empty + "/readme.txt", "");
        QVERIFY(!stickgen::writeSampleStick(system.dir() / "media" / "me" / "STICK"));
        const std::string media = system.rootPath() + "/media/me";
        QStringList shown;
        bool pathsWhole = true;
        MorvaneApp app(removableMediaRoots(system.rootPath()), [&](const std::string& path) {
            shown << scanningWindowText();
            pathsWhole = pathsWhole && probePathShownWhole();
            return markerFileOpens(path);
        });
        QVERIFY(app.start(""));
        const QString looking = "Looking for memory stick: ";
        QCOMPARE(shown, (QStringList{looking + QString::fromStdString(media + "/MEMSTICK.IND"),
                                     looking + QString::fromStdString(media + "/" + empty + "/MEMSTICK.IND"),
                                     looking + QString::fromStdString(media + "/STICK/MEMSTICK.IND")}));
        QVERIFY(pathsWhole);
        QVERIFY(scanningWindow() == nullptr);
        QCOMPARE(summaryOf(app), cliListLines("summary", media + "/STICK"));
    }

    // "Looking for memory stick:" and the probe on one line, "Manual Open" centred under
    // them; the window opens 64 average characters wide.
    void theSearchWindowKeepsItsPlaces()
    {
        CurrentDirectoryGuard guard;
        TempStick system;
        QVERIFY(!stickgen::writeSampleStick(system.dir() / "S"));
        std::filesystem::current_path(system.dir());  // a short probe path, which fits
        QRect looking, probe, manualOpen;
        int width = 0, expectedWidth = -1;
        MorvaneApp app({"S"}, [&](const std::string& path) {
            QDialog& window = *scanningWindow();
            const QList<QLabel*> labels = window.findChildren<QLabel*>();
            looking = placeIn(*labels.first(), window);
            probe = placeIn(*labels.last(), window);
            manualOpen = placeIn(*window.findChild<QPushButton*>(), window);
            width = window.width();
            expectedWidth = window.fontMetrics().averageCharWidth() * 64;
            return markerFileOpens(path);
        });
        QVERIFY(app.start(""));
        QVERIFY(looking.right() < probe.left());
        QVERIFY(qAbs(looking.center().y() - probe.center().y()) <= 1);
        QVERIFY(manualOpen.top() > looking.bottom());
        QVERIFY(qAbs(manualOpen.center().x() - width / 2) <= 1);
        QCOMPARE(width, expectedWidth);
    }

    // Nothing found and the file dialog cancelled: start-up fails and no window is left.
    void aCancelledStartOpensNoWindow()
    {
        CurrentDirectoryGuard guard;
        TempStick empty;
        std::filesystem::current_path(empty.dir());
        ModalAnswers answers;
        answers.fileChoices = {std::nullopt};
        const AnsweringModals answering(answers);
        MorvaneApp app({});
        QVERIFY(!app.start(""));
        QVERIFY(answers.fileChoices.empty());
        QCOMPARE(app.mainWindow(), nullptr);
    }

    // Options > Open without answers in force: the real file dialog asks for one existing
    // .ind file, from the stick's folder.
    void theFileDialogAsksForOneExistingIndFile()
    {
        CurrentDirectoryGuard guard;
        TempStick stick;
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        MorvaneApp app({});
        QVERIFY(app.start(stick.rootPath()));
        QString title, directory;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QStringList filters;
        answerNextModal([&](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            title = files.windowTitle();
            mode = files.fileMode();
            filters = files.nameFilters();
            directory = files.directory().absolutePath();
            files.reject();
        });
        menuAction(*app.mainWindow(), "&Open")->trigger();
        QCOMPARE(title, "Open MEMSTICK.IND file at root of OpenR directory");
        QCOMPARE(mode, QFileDialog::ExistingFile);
        QCOMPARE(filters, QStringList{"Memory Stick Files (*.ind)"});
        QCOMPARE(directory, QDir::currentPath());
    }

    // Without answers in force a message is a modal warning box, captioned with the
    // program's name, that waits for OK.
    void aMessageIsAModalBoxNamedAfterTheProgram()
    {
        QString text, caption;
        bool modal = false;
        answerNextModal([&](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            text = box.text();
            caption = box.windowTitle();
            modal = box.isModal();
            box.accept();
        });
        MessageBoxMessages().showMessage("Failed to open new image");
        QCOMPARE(text, "Failed to open new image");
        QCOMPARE(caption, QCoreApplication::applicationName());
        QVERIFY(modal);
    }

    // "Manual Open" is pressed while the first root is probed; the press is delivered
    // between two probes, as the user's would be.
    void manualOpenStopsTheSearchAndAsksForTheStick()
    {
        CurrentDirectoryGuard guard;
        TempStick system, stick;
        system.write("media/me/STICK/MEMSTICK.IND", "");
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        ModalAnswers answers;
        answers.fileChoices = {markerOf(stick.dir())};
        const AnsweringModals answering(answers);
        int probes = 0;
        MorvaneApp app({system.rootPath() + "/media/me", system.rootPath() + "/media/me/STICK"},
                       [&](const std::string&) {
                           ++probes;
                           QPushButton* manualOpen = scanningWindow()->findChild<QPushButton*>();
                           QMetaObject::invokeMethod(manualOpen, &QPushButton::click, Qt::QueuedConnection);
                           return false;
                       });
        QVERIFY(app.start(""));
        QCOMPARE(probes, 1);
        QVERIFY(answers.fileChoices.empty());
        QCOMPARE(summaryOf(app), cliListLines("summary", stick.rootPath()));
    }
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::StartupWindowTest)
#include "StartupWindowTest.moc"
