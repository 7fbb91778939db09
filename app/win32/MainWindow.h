// MainWindow: the main window, run modally until Exit, Enter, Escape or its close box.
#pragma once

#include <windows.h>

#include "app/MainWindowContext.h"
#include "app/win32/ListBoxInfoList.h"
#include "app/win32/OwnerWindow.h"
#include "app/win32/TreeViewControl.h"
#include "base/win32/Dialog.h"
#include "dialogs/win32/ColorPreferencesDialog.h"
#include "dialogs/win32/DiaryDialog.h"
#include "dialogs/win32/HumanFacesDialog.h"
#include "dialogs/win32/PhotoAlbumDialog.h"
#include "dialogs/win32/SkillLevelsDialog.h"
#include "dialogs/win32/VoiceDialog.h"
#include "dialogs/win32/VolumePresetsDialog.h"

namespace morvane::win32 {

class MainWindow final : private Dialog {
public:
    // `owner` is set to this window while it runs.
    MainWindow(HINSTANCE instance, const MainWindowServices& services, OwnerWindow& owner);

    // Runs the window modally, without an owner; answers IDOK or IDCANCEL.
    INT_PTR runModal();

private:
    void onInit() override;
    void onCommand(int id) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool onNotify(const NMHDR& header);
    void paintMinimised();
    void close(int result);

    HINSTANCE instance_;
    OwnerWindow& owner_;
    HICON icon_;
    HICON smallIcon_;
    TreeViewControl tree_;
    ListBoxInfoList list_;
    DialogHost dialogHost_;  // the editors' and viewers' dialogs belong to this window
    SkillLevelsDialog skillLevelsDialog_;
    VolumePresetsDialog volumeDialog_;
    ColorPreferencesDialog colorDialog_;
    HumanFacesDialog faceDialog_;
    DiaryDialog diaryDialog_;
    PhotoAlbumDialog photoDialog_;
    VoiceDialog voiceDialog_;
    EditorViews editors_;
    MainWindowContext context_;
    bool treeReleased_ = false;
};

}  // namespace morvane::win32
