// The stick-opening steps shared by the window program's start-up, its Open command
// and morvane-cli.
#include "app/StickOpening.h"

#include "stick/Detection.h"
#include "stick/OsFile.h"

namespace morvane {

std::string commandLineDirectoryError(std::string_view directory)
{
    return "ERROR: directory '" + std::string(directory) + "' specified on command line is invalid";
}

bool enterCommandLineDirectory(std::string_view directory, UserMessages& messages)
{
    if (changeDirectory(directory))
        return true;
    messages.showMessage(commandLineDirectoryError(directory));
    return false;
}

std::string stickOpenError(std::string_view refusal) { return "Stick Open Error: " + std::string(refusal); }

bool openStick(StickRoot& stick, UserMessages& messages)
{
    stick.rootPath = currentDirectory().value_or(std::string());
    if (std::optional<std::string> refusal = detectSoftware(stick)) {
        messages.showMessage(stickOpenError(*refusal));
        return false;
    }
    return true;
}

}  // namespace morvane
