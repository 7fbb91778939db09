// MainWindow: the report tree, the information list, the three buttons and the menus.
#pragma once

#include <QMainWindow>

#include "app/MainWindowContext.h"
#include "app/qt/ListWidgetInfoList.h"
#include "app/qt/TreeWidgetControl.h"
#include "dialogs/qt/ColorPreferencesDialog.h"
#include "dialogs/qt/DiaryDialog.h"
#include "dialogs/qt/HumanFacesDialog.h"
#include "dialogs/qt/PhotoAlbumDialog.h"
#include "dialogs/qt/SliderDialog.h"
#include "dialogs/qt/VoiceDialog.h"

class QListWidget;
class QTreeWidget;

namespace morvane::qt {

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(const MainWindowServices& services);
    ~MainWindow() override;

private:
    void addMenus();
    QWidget* reportArea();
    void runCommand(int id);
    void showSelectedEntry();

    QTreeWidget* treeView_;
    QListWidget* listView_;
    TreeWidgetControl tree_;
    ListWidgetInfoList list_;
    // The dialogs the editor and viewer commands show, modal over this window.
    SliderDialog skillLevelsDialog_;
    SliderDialog volumeDialog_;
    ColorPreferencesDialog colorDialog_;
    HumanFacesDialog faceDialog_;
    DiaryDialog diaryDialog_;
    PhotoAlbumDialog photoDialog_;
    VoiceDialog voiceDialog_;
    EditorViews editors_;
    MainWindowContext context_;
};

}  // namespace morvane::qt
