// The main window: builds the report tree with "Summary" selected and shown, shows the
// selected report on every selection change and click in the tree, runs the menus' and
// buttons' commands, and releases the tree when it goes.
#include "app/qt/MainWindow.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

#include "app/MainMenu.h"
#include "app/MainWindowCommandIds.h"
#include "app/MainWindowCommands.h"
#include "app/qt/AboutBox.h"
#include "dialogs/qt/QtText.h"
#include "reports/ReportTree.h"

namespace morvane::qt {

MainWindow::MainWindow(const MainWindowServices& services)
    : treeView_(new QTreeWidget), listView_(new QListWidget), tree_(*treeView_), list_(*listView_),
      skillLevelsDialog_(this, kSkillLevelsDialogTexts), volumeDialog_(this, kVolumeDialogTexts),
      colorDialog_(this), faceDialog_(this), diaryDialog_(this), photoDialog_(this),
      voiceDialog_(this), editors_{skillLevelsDialog_, volumeDialog_, colorDialog_, faceDialog_,
                                   diaryDialog_,       photoDialog_,  voiceDialog_},
      context_{services, tree_, list_, editors_}
{
    setWindowTitle("Morvane");
    addMenus();
    setCentralWidget(reportArea());
    buildReportTree(tree_);
    connect(treeView_, &QTreeWidget::currentItemChanged, this, &MainWindow::showSelectedEntry);
    connect(treeView_, &QTreeWidget::itemClicked, this, &MainWindow::showSelectedEntry);
    tree_.select(*tree_.firstChild(TreeControl::kTopLevel));
    treeView_->setFocus();
    // The platform's quit key (Ctrl+Q; on macOS Qt reads Ctrl as Cmd) ends the program, as
    // Options > Exit and the close box do. Enter and Escape do not: on Linux and macOS a key
    // pressed in the tree must never end the program, though they close Morvane.exe's main
    // window, which is a dialog. The editors' and viewers' dialogs keep both keys.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this,
            &QWidget::close);
}

// The tree's items go with the widget after this; no selection change may reach the
// released entries.
MainWindow::~MainWindow()
{
    disconnect(treeView_, nullptr, this, nullptr);
    releaseReportTree(tree_);
}

// On macOS Qt would move About and Exit into the application menu by their texts; they
// keep their places, as on Windows.
void MainWindow::addMenus()
{
    for (const Menu& menu : kMainMenu) {
        QMenu* shown = menuBar()->addMenu(qtText(menu.title));
        for (const MenuItem& item : menu.items) {
            const int id = item.commandId;
            QAction* action = shown->addAction(qtText(item.text), this, [this, id] { runCommand(id); });
            action->setMenuRole(QAction::NoRole);
        }
    }
}

// "Files" over the tree with the buttons below it, "Information:" over the list, which
// takes the window's remaining width and height.
QWidget* MainWindow::reportArea()
{
    auto* area = new QWidget;
    auto* layout = new QGridLayout(area);
    auto addButton = [&](const char* text, int id, int row, int column) {
        auto* button = new QPushButton(text);
        connect(button, &QPushButton::clicked, this, [this, id] { runCommand(id); });
        layout->addWidget(button, row, column);
    };
    treeView_->setHeaderHidden(true);
    listView_->setUniformItemSizes(true);
    layout->addWidget(new QLabel("Files"), 0, 0, 1, 2);
    layout->addWidget(treeView_, 1, 0, 1, 2);
    addButton("Skill Levels", IDM_SKILL_LEVELS, 2, 0);
    addButton("Volume", IDM_VOLUME_PRESETS, 2, 1);
    addButton("Human Faces", IDM_HUMAN_FACES, 3, 0);
    layout->addWidget(new QLabel("Information:"), 0, 2);
    layout->addWidget(listView_, 1, 2, 3, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(1, 1);
    resize(fontMetrics().averageCharWidth() * 110, fontMetrics().height() * 30);
    return area;
}

void MainWindow::runCommand(int id)
{
    switch (id) {
    case IDM_EXIT:
        close();
        return;
    case IDM_ABOUT:
        runAboutBox(this);
        return;
    default:
        runStickCommand(id, context_);
        return;
    }
}

// A click on the selected entry reads the stick afresh.
void MainWindow::showSelectedEntry()
{
    showSelectedReport(tree_, list_, context_.services.waitCursor, context_.services.stick);
}

}  // namespace morvane::qt
