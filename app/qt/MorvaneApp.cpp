// Start-up runs the portable flow with the Qt windows; the main window lives until the
// application object goes.
#include "app/qt/MorvaneApp.h"

#include <QApplication>
#include <QIcon>

#include "app/Startup.h"
#include "app/qt/ScanningWindow.h"

namespace morvane::qt {

MorvaneApp::MorvaneApp(std::vector<std::string> searchRoots, MarkerProbe probe)
    : searchRoots_(std::move(searchRoots)), probe_(std::move(probe))
{
    // Every window of the program shows the program's icon, from the application's resources.
    QIcon icon;
    icon.addFile(":/icons/morvane-48.png");
    icon.addFile(":/icons/morvane-256.png");
    QApplication::setWindowIcon(icon);
}

MorvaneApp::~MorvaneApp() = default;

bool MorvaneApp::start(std::string_view namedDirectory)
{
    ScanningWindow scanWindow;
    StartupUi ui{messages_, fileDialog_, scanWindow, waitCursor_, searchRoots_, probe_};
    if (!locateNamedStick(namedDirectory, ui, stick_))
        return false;
    window_ = std::make_unique<MainWindow>(MainWindowServices{
        stick_, messages_, messages_, fileDialog_, saveDialog_, clipboard_, waitCursor_, progress_, player_});
    window_->show();
    return true;
}

}  // namespace morvane::qt
