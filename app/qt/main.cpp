// morvane's entry point: `morvane [STICK]` opens the stick folder STICK, or looks for a
// stick where removable media are mounted.
#include <QApplication>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/MorvaneApp.h"
#include "reports/KeyPadSource.h"
#include "stick/MountPoints.h"

int main(int argc, char** argv)
{
    using namespace morvane;
    using namespace morvane::qt;
    QApplication application(argc, argv);  // takes Qt's own options out of argv
    MessageBoxMessages messages;
    const UsingKeyPads pads(windowProgramKeyPads(messages));
    MorvaneApp app(removableMediaRoots());
    if (!app.start(argc > 1 ? argv[1] : ""))
        return 0;
    return QApplication::exec();
}
