// Stick > Back Up Stick... and Restore from Backup... in morvane: the list holds what
// morvane-cli prints, a restore is asked about once; and the two windows these commands
// bring, the save dialog that opens in Documents and the Yes/No question.
#include <QDir>
#include <QFileDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "app/qt/SaveDialog.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/TempStick.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

QStringList cliLines(const QStringList& arguments)
{
    return QString::fromUtf8(runCli(arguments).out).chopped(1).split('\n');
}

}  // namespace

class StickSafetyWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(makeSampleStick(stick));
        QVERIFY(app.start(stick.toStdString()));
        list = app.mainWindow()->findChild<QListWidget*>();
    }

    void backUpStickShowsWhatTheCliPrints()
    {
        const QString backup = folder + "/backup of M\u00fcller";
        QStringList expected = cliLines({"backup", stick, folder + "/by the cli"});
        expected.last() = expected.last().section(" to ", 0, 0) + " to " + backup;
        ModalAnswers answers;
        answers.fileChoices = {backup.toStdString()};
        {
            AnsweringModals answering(answers);
            menuAction(*app.mainWindow(), "&Back Up Stick...")->trigger();
        }
        QCOMPARE(shownLines(*list), expected);
        QCOMPARE(answers.messages, std::vector<std::string>{});
        QVERIFY(QFile::exists(backup + "/MORVANE-BACKUP.sha256"));
    }

    // No leaves the dry run's lines and writes nothing; Yes writes the changed file back.
    void restoreAsksOnceAndPutsTheChangedFileBack()
    {
        const QString backup = folder + "/backup";
        const QString fvar = "/OPEN-R/APP/DATA/P/FVAR";
        QCOMPARE(runCli({"backup", stick, backup}).status, 0);
        QCOMPARE(runCli({"skills", stick, "--walk", "1234"}).status, 0);
        const QStringList dryRun = cliLines({"restore", backup, stick, "--dry-run"});
        ModalAnswers answers;
        answers.fileChoices = {(backup + "/MORVANE-BACKUP.sha256").toStdString(),
                               (backup + "/MORVANE-BACKUP.sha256").toStdString()};
        answers.yesAnswers = {false, true};
        AnsweringModals answering(answers);
        menuAction(*app.mainWindow(), "&Restore from Backup...")->trigger();
        QCOMPARE(shownLines(*list), dryRun);
        QVERIFY(fileBytes(stick + fvar) != fileBytes(backup + fvar));
        menuAction(*app.mainWindow(), "&Restore from Backup...")->trigger();
        QCOMPARE(shownLines(*list), (QStringList{"restored: OPEN-R/APP/DATA/P/FVAR", "1 files restored"}));
        QCOMPARE(fileBytes(stick + fvar), fileBytes(backup + fvar));
        QCOMPARE(answers.questions.size(), 2u);
        QCOMPARE(answers.messages, std::vector<std::string>{});
    }

    // A question box with the program's name as its caption, Yes and No, and No the default.
    void aQuestionIsAnsweredYesOrNo()
    {
        MessageBoxMessages messages;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString caption;
        answerNextModal([&](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            buttons = box.standardButtons();
            defaultButton = box.standardButton(box.defaultButton());
            caption = box.windowTitle();
            QTest::mouseClick(box.button(QMessageBox::Yes), Qt::LeftButton);
        });
        QVERIFY(messages.askYesNo("Restore?"));
        QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(defaultButton, QMessageBox::No);
        QCOMPARE(caption, QCoreApplication::applicationName());
        answerNextModal([&](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QVERIFY(!messages.askYesNo("Restore?"));
    }

    // The save dialog opens in the user's Documents with the name proposed; accepted as it
    // stands, that name there is the folder to make.
    void theFolderDialogProposesANameInDocuments()
    {
        const ScopedEnvironmentVariable home("HOME", folder.toStdString());
        const ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", (folder + "/.config").toStdString());
        QVERIFY(QDir(folder).mkpath("Documents"));
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(documents, folder + "/Documents");
        QString opened;
        answerNextModal([&](QDialog& dialog) {
            opened = static_cast<QFileDialog&>(dialog).directory().absolutePath();
            dialog.accept();
        });
        qt::SaveDialog dialog;
        QCOMPARE(dialog.chooseSaveLocation({"Back Up Stick", "AIBO backup 2026-12-09 07.05", true}),
                 std::optional<std::string>((documents + "/AIBO backup 2026-12-09 07.05").toStdString()));
        QCOMPARE(opened, documents);
    }

private:
    CurrentDirectoryGuard guard;
    TempStick temp;
    const QString folder = QString::fromStdString(temp.rootPath());
    const QString stick = folder + "/stick";
    MorvaneApp app{{}};
    QListWidget* list = nullptr;
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::StickSafetyWindowTest)
#include "StickSafetyWindowTest.moc"
