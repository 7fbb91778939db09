// View > Voice Recordings in morvane on the sample stick: its slots are morvane-cli's, Play
// hands the desktop's player the chosen recording, and Save As... writes it where the owner
// says.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;

class VoiceWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowListsPlaysAndSavesTheSlots()
    {
        CurrentDirectoryGuard guard;
        TempStick stick;
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        const QString root = QString::fromStdString(stick.rootPath());
        const QStringList printed = QString::fromUtf8(runCli({"voices", root}).out).chopped(1).split('\n');
        QTemporaryDir elsewhere;
        const QString copy = elsewhere.filePath("kept.wav");
        MorvaneApp app{{}};
        QVERIFY(app.start(stick.rootPath()));

        ModalAnswers answers;
        answers.fileChoices = {copy.toStdString()};
        AnsweringModals answering(answers);
        QStringList shown;
        bool greyedAtFirst = false;
        answerNextModal([&](QDialog& dialog) {
            auto* slotList = dialog.findChild<QListWidget*>();
            shown = shownLines(*slotList);
            greyedAtFirst = !buttonLabelled(dialog, "Play")->isEnabled();
            slotList->setCurrentRow(21);
            clickButton(dialog, "Play");
            clickButton(dialog, "Save As...");
        });
        menuAction(*app.mainWindow(), "V&oice Recordings")->trigger();
        QCOMPARE(shown, printed);
        QVERIFY(greyedAtFirst);
        const QByteArray original = fileBytes(root + "/OPEN-R/APP/PC/VOICE/0021.WAV");
        QCOMPARE(answers.played.size(), 1u);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(answers.played[0].data()),
                            static_cast<qsizetype>(answers.played[0].size())),
                 original);
        QCOMPARE(fileBytes(copy), original);
    }
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::VoiceWindowTest)
#include "VoiceWindowTest.moc"
