// The real main window on the sample stick, plain and gzip-compressed: every entry shows
// the lines morvane-cli reports for it, a click on the selected entry reads the stick
// again, and the clipboard gets the text of `report --crlf`.
#include <functional>

#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/qt/MorvaneApp.h"
#include "app/qt/ProgressDialog.h"
#include "tests/qt/QtTestSupport.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

struct Entry {
    const char* title;
    const char* cliName;
};

constexpr Entry kEntries[] = {
    {"Summary", "summary"},
    {"Name / Owner", "name-owner"},
    {"LAN settings", "lan-settings"},
    {"Advanced", "advanced"},
    {"global variables", "global-variables"},
    {"flash variables", "flash-variables"},
    {"r variables (mind2/3)", "r-variables"},
    {"diary variables", "diary-variables"},
    {"(versions)", "versions"},
};

// The program opened on a sample stick.
struct SampleSession {
    explicit SampleSession(bool compressed = false, const KeyPadBytes& pads = kBuiltInKeyPads)
    {
        if (stickgen::writeSampleStick(stick.dir(), compressed, pads) || !app.start(stick.rootPath()))
            return;
        tree = app.mainWindow()->findChild<QTreeWidget*>();
        list = app.mainWindow()->findChild<QListWidget*>();
    }
    QTreeWidgetItem* entry(const QString& title) const
    {
        return tree->findItems(title, Qt::MatchExactly | Qt::MatchRecursive).value(0);
    }

    CurrentDirectoryGuard guard;
    TempStick stick;
    MorvaneApp app{{}};
    QTreeWidget* tree = nullptr;
    QListWidget* list = nullptr;
};

}  // namespace

class MainWindowReportsTest : public QObject {
    Q_OBJECT

private slots:
    void everyEntryShowsWhatTheCliReports_data()
    {
        QTest::addColumn<bool>("compressed");
        QTest::newRow("plain") << false;
        QTest::newRow("gzip") << true;
    }

    void everyEntryShowsWhatTheCliReports()
    {
        QFETCH(bool, compressed);
        SampleSession session(compressed);
        QVERIFY(session.tree != nullptr);
        QCOMPARE(session.tree->currentItem()->text(0), "Summary");
        QVERIFY(shownLines(*session.list).join('\n').contains("Browsing OpenR from"));
        QCOMPARE(shownLines(*session.list), cliListLines("summary", session.stick.rootPath()));
        const QList<QTreeWidgetItem*> entries = treeEntries(*session.tree);
        QCOMPARE(entries.size(), qsizetype(std::size(kEntries)));
        for (std::size_t index = 0; index < std::size(kEntries); ++index) {
            QCOMPARE(entries[index]->text(0), kEntries[index].title);
            clickEntry(*session.tree, entries[index]);
            QCOMPARE(session.tree->currentItem(), entries[index]);
            QCOMPARE(shownLines(*session.list),
                     cliListLines(kEntries[index].cliName, session.stick.rootPath()));
        }
    }

    void aClickOnTheSelectedEntryReadsTheStickAgain()
    {
        SampleSession session;
        QVERIFY(session.tree != nullptr);
        clickEntry(*session.tree, session.entry("global variables"));
        const QStringList before = shownLines(*session.list);
        session.stick.remove("OPEN-R/APP/DATA/P/GVAR");
        clickEntry(*session.tree, session.entry("global variables"));
        QCOMPARE(shownLines(*session.list), cliListLines("global-variables", session.stick.rootPath()));
        QVERIFY(shownLines(*session.list) != before);
    }

    // A stick scrambled with other pads than those in use: the Summary says its times are
    // unreadable, and the three dumps warn before their values.
    void padsThatDoNotFitAreSaidSo()
    {
        KeyPadBytes otherPads;
        otherPads.fill(0x6b);
        SampleSession session(false, otherPads);
        QVERIFY(session.tree != nullptr);
        QVERIFY(shownLines(*session.list)
                    .join('\n')
                    .contains("AiboMind2/3\nAlarm, wake-up, bed and last-run times: unreadable with the key "
                              "pads in use\n\n"));
        QCOMPARE(shownLines(*session.list), cliListLines("summary", session.stick.rootPath()));
        for (const char* title : {"global variables", "r variables (mind2/3)", "diary variables"}) {
            clickEntry(*session.tree, session.entry(title));
            QCOMPARE(shownLines(*session.list).mid(2, 2),
                     QStringList({"Warning: the key pads in use do not fit this file; the values below are "
                                  "not the robot's",
                                  ""}));
        }
    }

    // Stick > Check Stick: the list then holds what morvane-cli check prints.
    void checkStickShowsWhatTheCliChecks()
    {
        SampleSession session;
        QVERIFY(session.tree != nullptr);
        menuAction(*session.app.mainWindow(), "&Check Stick...")->trigger();
        const QString checked =
            QString::fromUtf8(runCli({"check", QString::fromStdString(session.stick.rootPath())}).out);
        QCOMPARE(shownLines(*session.list), checked.chopped(1).split('\n'));
        QCOMPARE(shownLines(*session.list).last(), "66 files checked, 0 problems");
    }

    // The progress window shows the file at hand and how far the work is. Cancel, Escape
    // and the close button each stop the work at its next step, and the window stays until
    // the work closes it.
    void theProgressWindowShowsTheFileAndTakesCancel()
    {
        const auto shownProgress = [] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->windowTitle() == "Check Stick" && widget->isVisible())
                    return qobject_cast<QProgressDialog*>(widget);
            return static_cast<QProgressDialog*>(nullptr);
        };
        const std::function<void(QProgressDialog&)> stops[] = {
            [](QProgressDialog& shown) {
                QTest::mouseClick(shown.findChild<QPushButton*>(), Qt::LeftButton);
            },
            [](QProgressDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); },
            [](QProgressDialog& shown) { shown.close(); },
        };
        for (const auto& stop : stops) {
            ProgressDialog progress;
            progress.open("Check Stick");
            QProgressDialog* shown = shownProgress();
            QVERIFY(shown != nullptr);
            QVERIFY(progress.advance("OPEN-R/APP/VERSION", 3, 20));
            QCOMPARE(shown->labelText(), "OPEN-R/APP/VERSION");
            QCOMPARE(shown->value(), 3);
            QCOMPARE(shown->maximum(), 20);
            stop(*shown);
            QVERIFY(!progress.advance("OPEN-R/MW/VERSION", 4, 20));
            QCOMPARE(shownProgress(), shown);
            progress.close();
            QCOMPARE(shownProgress(), nullptr);
        }
    }

    // While the work goes on, no other window of the program takes a click, even when the
    // progress window had no active window to belong to, and even after Cancel.
    void theProgressWindowBlocksEveryOtherWindow()
    {
        QPushButton other("Another window");
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QApplication::setActiveWindow(nullptr);
        int clicks = 0;
        QObject::connect(&other, &QPushButton::clicked, [&clicks] { ++clicks; });
        ProgressDialog progress;
        progress.open("Back Up Stick");
        // Clicked as the window system clicks, so that the program's modality can hold it back.
        const auto click = [&other] {
            QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {}, other.rect().center());
        };
        click();
        QVERIFY(progress.advance("OPEN-R/APP/VERSION", 1, 2));
        QCOMPARE(clicks, 0);
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* shown = qobject_cast<QProgressDialog*>(widget))
                QTest::mouseClick(shown->findChild<QPushButton*>(), Qt::LeftButton);
        click();
        QVERIFY(!progress.advance("OPEN-R/MW/VERSION", 2, 2));
        QCOMPARE(clicks, 0);
        progress.close();
        click();
        QCOMPARE(clicks, 1);
    }

    // The LAN settings keep their files' line feeds, which the list does not show.
    void theClipboardGetsTheCliCrLfText()
    {
        SampleSession session;
        QVERIFY(session.tree != nullptr);
        clickEntry(*session.tree, session.entry("LAN settings"));
        menuAction(*session.app.mainWindow(), "&Copy Report to Clipboard")->trigger();
        const QByteArray expected =
            runCli({"report", "lan-settings", QString::fromStdString(session.stick.rootPath()), "--crlf"})
                .out;
        QVERIFY(expected.contains("\n\r\n"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(expected));
    }
};

}  // namespace morvane::test

QTEST_MAIN(morvane::test::MainWindowReportsTest)
#include "MainWindowReportsTest.moc"
