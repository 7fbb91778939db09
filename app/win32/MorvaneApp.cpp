// Start-up and the end of the program. The exit step runs however start-up ends: after
// the main window closes, after a refused command-line directory or drive, and after a
// cancelled file dialog.
#include "app/win32/MorvaneApp.h"

#include <commctrl.h>

#include "app/Startup.h"
#include "app/win32/BusyCursor.h"
#include "app/win32/MainWindow.h"
#include "app/win32/MessageBoxMessages.h"
#include "app/win32/ProgressDialog.h"
#include "app/win32/SaveDialog.h"
#include "app/win32/ScanningWindow.h"
#include "app/win32/StickFileDialog.h"
#include "app/win32/SystemClipboard.h"
#include "app/win32/SystemSoundPlayer.h"
#include "base/win32/WideText.h"
#include "reports/KeyPadSource.h"
#include "stick/MountPoints.h"
#include "stick/OsFile.h"

namespace morvane::win32 {
namespace {

// Deletes the robot tools' temporary sound file when the program ends; a missing file or
// a failed deletion is not reported.
class ExitStep {
public:
    ExitStep() = default;
    ~ExitStep() { DeleteFileW(L"c:\\$$aibotmp.mid"); }
    ExitStep(const ExitStep&) = delete;
    ExitStep& operator=(const ExitStep&) = delete;
};

void initCommonControls()
{
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

// The key pads of this run. Each unusable pads file is announced in a message box before
// the stick is sought.
KeyPadSet startupKeyPads()
{
    const OwnerWindow noWindow;
    MessageBoxMessages messages(noWindow);
    return windowProgramKeyPads(messages);
}

}  // namespace

int MorvaneApp::run(std::wstring_view commandLine)
{
    const ExitStep exitStep;
    // Probing an empty removable drive, or a missing file, must never ask for a disk.
    quietDriveProbes();
    initCommonControls();
    const UsingKeyPads pads(startupKeyPads());
    initInstance(commandLine);
    return 0;
}

void MorvaneApp::initInstance(std::wstring_view commandLine)
{
    OwnerWindow mainWindow;
    MessageBoxMessages messages(mainWindow);
    StickFileDialog fileDialog(mainWindow);
    ScanningWindow scanWindow(instance_);
    BusyCursor waitCursor;
    StartupUi ui{messages, fileDialog, scanWindow, waitCursor, removableMediaRoots(), probe_};
    if (!locateStick(narrowToUtf8(commandLine), ui, stick_))
        return;
    SystemClipboard clipboard(mainWindow);
    ProgressDialog progress(instance_, mainWindow);
    SaveDialog saveDialog(mainWindow);
    SystemSoundPlayer player;
    MainWindow browser(
        instance_,
        {stick_, messages, messages, fileDialog, saveDialog, clipboard, waitCursor, progress, player},
        mainWindow);
    browser.runModal();
}

}  // namespace morvane::win32
