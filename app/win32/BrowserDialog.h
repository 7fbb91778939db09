// BrowserDialog: the main window, run modally until Exit, Enter, Escape or its close box.
#pragma once

#include <windows.h>

#include "app/MainWindowContext.h"
#include "app/win32/ListBoxInfoList.h"
#include "app/win32/OwnerWindow.h"
#include "app/win32/TreeViewControl.h"
#include "base/win32/Dialog.h"
#include "dialogs/win32/CColorDlg.h"
#include "dialogs/win32/FaceDialog.h"
#include "dialogs/win32/SkillLevelsDialog.h"
#include "dialogs/win32/VolumeDialog.h"

namespace morvane {

// What the main window borrows from the application.
struct BrowserServices {
    StickRoot& stick;
    UserMessages& messages;
    FileOpenDialog& fileDialog;
    Clipboard& clipboard;
    WaitCursor& waitCursor;
    OwnerWindow& mainWindow;  // set to this window while it runs
};

class BrowserDialog final : private Dialog {
public:
    BrowserDialog(HINSTANCE instance, const BrowserServices& services);

    // Runs the window modally, without an owner; answers IDOK or IDCANCEL.
    INT_PTR runModal();

private:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onInit();
    void onCommand(int id);
    bool onNotify(const NMHDR& header);
    void paintMinimised();
    void close(int result);

    HINSTANCE instance_;
    BrowserServices services_;
    HICON icon_;
    HICON smallIcon_;
    TreeViewControl tree_;
    ListBoxInfoList list_;
    DialogHost dialogHost_;  // the editors' and viewers' dialogs belong to this window
    SkillLevelsDialog skillLevelsDialog_;
    VolumeDialog volumeDialog_;
    CColorDlg colorDialog_;
    FaceDialog faceDialog_;
    EditorViews editors_;
    MainWindowContext context_;
    bool treeReleased_ = false;
};

}  // namespace morvane
