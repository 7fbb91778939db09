// What the main window offers: its texts, menus with their access keys, the three
// buttons and the commands behind them, the About box, and a real font to draw with.
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/MainMenu.h"
#include "app/qt/ModalAnswers.h"
#include "app/qt/MorvaneApp.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

QStringList textsOf(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}

QStringList labelTexts(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// `text` drawn in black on white with `font`.
QImage drawn(const QString& text, const QFont& font)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

}  // namespace

class MainWindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(!stickgen::writeSampleStick(stick.dir()));
        app = std::make_unique<MorvaneApp>(std::vector<std::string>{});
        QVERIFY(app->start(stick.rootPath()));
        window = app->mainWindow();
    }
    void cleanup() { app.reset(); }

    void theCaptionMenusLabelsAndButtons()
    {
        const QList<QAction*> menus = window->menuBar()->actions();
        QCOMPARE(textsOf(menus), (QStringList{"&Options", "&Stick", "&Change", "&View"}));
        QCOMPARE(textsOf(menus[0]->menu()->actions()),
                 (QStringList{"&Open", "&Copy Report to Clipboard", "&About", "E&xit"}));
        QCOMPARE(textsOf(menus[1]->menu()->actions()),
                 (QStringList{"&Back Up Stick...", "&Check Stick...", "&Restore from Backup..."}));
        QCOMPARE(textsOf(menus[2]->menu()->actions()), (QStringList{"&Skill Levels", "&Volume Presets"}));
        QCOMPARE(textsOf(menus[3]->menu()->actions()),
                 (QStringList{"&Color Preferences", "&Human Faces", "&Diary", "&Photo Album",
                              "V&oice Recordings"}));
        for (const QAction* menu : menus)
            for (const QAction* item : menu->menu()->actions())
                QCOMPARE(item->menuRole(), QAction::NoRole);
        QCOMPARE(window->windowTitle(), "Morvane");
        QCOMPARE(labelTexts(*window), (QStringList{"Files", "Information:"}));
        QStringList buttons;
        for (const QPushButton* button : window->findChildren<QPushButton*>())
            buttons << button->text();
        QCOMPARE(buttons, (QStringList{"Skill Levels", "Volume", "Human Faces"}));
    }

    // "Files" over the tree, "Skill Levels" and "Volume" side by side under it, "Human Faces"
    // under "Skill Levels"; "Information:" over the list, which runs from the tree's top
    // down past the buttons. The window opens 110 average characters wide, 30 lines high.
    void theControlsKeepTheirPlaces()
    {
        const QRect tree = placeIn(*window->findChild<QTreeWidget*>(), *window);
        const QRect list = placeIn(*window->findChild<QListWidget*>(), *window);
        const QRect skills = placeIn(*buttonLabelled(*window, "Skill Levels"), *window);
        const QRect volume = placeIn(*buttonLabelled(*window, "Volume"), *window);
        const QRect faces = placeIn(*buttonLabelled(*window, "Human Faces"), *window);
        QRect files, information;
        for (const QLabel* label : window->findChildren<QLabel*>())
            (label->text() == "Files" ? files : information) = placeIn(*label, *window);
        QVERIFY(files.bottom() < tree.top() && files.left() == tree.left());
        QVERIFY(information.bottom() < list.top() && information.left() == list.left());
        QVERIFY(tree.right() < list.left());
        QCOMPARE(list.top(), tree.top());
        QVERIFY(skills.top() > tree.bottom() && skills.top() == volume.top());
        QCOMPARE(skills.left(), tree.left());
        QCOMPARE(volume.right(), tree.right());
        QVERIFY(skills.right() < volume.left());
        QVERIFY(faces.top() > skills.bottom());
        QCOMPARE(faces.left(), skills.left());
        QCOMPARE(faces.width(), skills.width());
        QCOMPARE(list.bottom(), faces.bottom());
        QCOMPARE(window->size(),
                 QSize(window->fontMetrics().averageCharWidth() * 110, window->fontMetrics().height() * 30));
    }

    // Without its file each editor and viewer says so, as morvane-cli's command does; so
    // the message tells which command a button or menu item ran.
    void eachButtonAndMenuItemRunsItsCommand_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("isButton");
        QTest::addColumn<QString>("command");
        QTest::newRow("Skill Levels button") << "Skill Levels" << true << "skills";
        QTest::newRow("Volume button") << "Volume" << true << "volume";
        QTest::newRow("Human Faces button") << "Human Faces" << true << "faces";
        QTest::newRow("Skill Levels item") << "&Skill Levels" << false << "skills";
        QTest::newRow("Volume Presets item") << "&Volume Presets" << false << "volume";
        QTest::newRow("Color Preferences item") << "&Color Preferences" << false << "colors";
        QTest::newRow("Human Faces item") << "&Human Faces" << false << "faces";
    }

    void eachButtonAndMenuItemRunsItsCommand()
    {
        QFETCH(QString, control);
        QFETCH(bool, isButton);
        QFETCH(QString, command);
        for (const char* file : {"OPEN-R/APP/DATA/P/FVAR", "OPEN-R/MW/CONF/VOLUME.CFG",
                                 "OPEN-R/APP/DATA/P/TR.CT", "OPEN-R/APP/DATA/P/FIFDATA.BIN"})
            stick.remove(file);
        const QString expected = runCli({command, QString::fromStdString(stick.rootPath())}).err.chopped(1);
        QVERIFY(!expected.isEmpty());
        ModalAnswers answers;
        const AnsweringModals answering(answers);
        if (isButton) {
            for (QPushButton* button : window->findChildren<QPushButton*>())
                if (button->text() == control)
                    QTest::mouseClick(button, Qt::LeftButton);
        } else {
            menuAction(*window, control)->trigger();
        }
        QCOMPARE(answers.messages, (std::vector<std::string>{expected.toStdString()}));
    }

    // Each opens its window modal over the main window; Escape closes it unsaved.
    void eachEditorAndViewerOpensOverTheMainWindow_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::newRow("skill levels") << "&Skill Levels"
                                      << "Skill Levels";
        QTest::newRow("volume presets") << "&Volume Presets"
                                        << "Volume Settings";
        QTest::newRow("color preferences") << "&Color Preferences"
                                           << "AIBO's Color Preferences";
        QTest::newRow("human faces") << "&Human Faces"
                                     << "Human Face Identification Database";
    }

    void eachEditorAndViewerOpensOverTheMainWindow()
    {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QString shown;
        QWidget* owner = nullptr;
        answerNextModal([&](QDialog& dialog) {
            shown = dialog.windowTitle();
            owner = dialog.parentWidget();
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        menuAction(*window, item)->trigger();
        QCOMPARE(shown, title);
        QCOMPARE(owner, window);
    }

    // Every item the menu table marks as opening a window opens one, modal, the user's to
    // answer; it is closed unanswered.
    void everyItemMarkedToOpenAWindowOpensOne()
    {
        for (const Menu& menu : kMainMenu) {
            for (const MenuItem& item : menu.items) {
                if (!item.opensWindow)
                    continue;
                const QString text = QString::fromUtf8(item.text.data(), qsizetype(item.text.size()));
                bool opened = false;
                answerNextModal([&](QDialog& dialog) { opened = dialog.isModal(); });
                menuAction(*window, text)->trigger();
                QVERIFY2(opened, qPrintable(text));
            }
        }
    }

    // Only the quit key ends the program from the keyboard; Enter and Escape in the tree
    // leave the window open.
    void onlyTheQuitKeyClosesTheWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+Q") << int(Qt::Key_Q) << int(Qt::ControlModifier) << true;
    }
    void onlyTheQuitKeyClosesTheWindow()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, closes);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->findChild<QTreeWidget*>(), static_cast<Qt::Key>(key),
                        Qt::KeyboardModifiers(modifiers));
        QCOMPARE(window->isVisible(), !closes);
    }

    void theAboutBoxNamesTheVersionAndTheKeyPads()
    {
        // "morvane-cli VERSION" and the key pads line.
        const QStringList version = QString::fromUtf8(runCli({"--version"}).out).split('\n');
        QString title;
        QStringList texts;
        answerNextModal([&](QDialog& box) {
            title = box.windowTitle();
            texts = labelTexts(box);
            QTest::mouseClick(box.findChild<QPushButton*>(), Qt::LeftButton);
        });
        menuAction(*window, "&About")->trigger();
        QCOMPARE(title, "About Morvane");
        texts.removeAll("");  // the icon
        QCOMPARE(texts, (QStringList{"Morvane - Ver 7.3 .02", "Version " + version[0].section(' ', 1),
                                     version[1], "MIT License (LICENSE.txt)"}));
    }

    // Without a font the offscreen platform draws every character as the same empty box,
    // or nothing at all: either way the letters of "Summary" would look alike.
    void aRealFontDrawsTheTree()
    {
        const QFont font = window->findChild<QTreeWidget*>()->font();
        QList<QImage> letters;
        for (QChar letter : QString("Sumary"))
            if (!letters.contains(drawn(letter, font)))
                letters << drawn(letter, font);
        QCOMPARE(letters.size(), 6);
    }

private:
    CurrentDirectoryGuard guard;
    TempStick stick;
    std::unique_ptr<MorvaneApp> app;
    QMainWindow* window = nullptr;
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::MainWindowLookTest)
#include "MainWindowLookTest.moc"
