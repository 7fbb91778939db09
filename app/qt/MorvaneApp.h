// MorvaneApp: the application object. It locates and opens the stick, then shows the
// main window.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/DriveScan.h"
#include "app/qt/BusyCursor.h"
#include "app/qt/DesktopSoundPlayer.h"
#include "app/qt/MainWindow.h"
#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ProgressDialog.h"
#include "app/qt/SaveDialog.h"
#include "app/qt/StickFileDialog.h"
#include "app/qt/SystemClipboard.h"
#include "stick/StickRoot.h"

namespace morvane::qt {

class MorvaneApp {
public:
    // `searchRoots` are probed for a stick when none is named.
    explicit MorvaneApp(std::vector<std::string> searchRoots, MarkerProbe probe = markerFileOpens);
    ~MorvaneApp();
    MorvaneApp(const MorvaneApp&) = delete;
    MorvaneApp& operator=(const MorvaneApp&) = delete;

    // Start-up with the stick directory named on the command line (empty when none is).
    // Answers true with the main window shown, or false when the program is to end.
    bool start(std::string_view namedDirectory);
    MainWindow* mainWindow() const { return window_.get(); }

private:
    std::vector<std::string> searchRoots_;
    MarkerProbe probe_;
    StickRoot stick_;
    MessageBoxMessages messages_;
    StickFileDialog fileDialog_;
    SaveDialog saveDialog_;
    BusyCursor waitCursor_;
    SystemClipboard clipboard_;
    ProgressDialog progress_;
    DesktopSoundPlayer player_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace morvane::qt
