// The file-open dialog that points at a stick, and entering the chosen file's directory.
#include "app/StickFileChoice.h"

#include "stick/OsFile.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

constexpr FileOpenRequest kStickFileRequest{
    "Open MEMSTICK.IND file at root of OpenR directory",
    kStickMarkerPath,
    "ind",
    "Memory Stick Files (*.ind)",
    "*.ind",
};

}  // namespace

bool askForStickFile(FileOpenDialog& dialog, std::string& path)
{
    path.clear();
    std::optional<std::string> chosen = dialog.chooseFile(kStickFileRequest);
    if (!chosen)
        return false;
    path = std::move(*chosen);
    return true;
}

std::string directoryOfFile(std::string_view path)
{
    // Both separators count, so a path the POSIX file layer gives back splits too.
    const std::size_t lastSeparator = path.find_last_of("\\/");
    if (lastSeparator != std::string_view::npos)
        return std::string(path.substr(0, lastSeparator + 1));
    // "E:MEMSTICK.IND": the drive alone.
    if (path.size() >= 2 && path[1] == ':')
        return std::string(path.substr(0, 2));
    return {};
}

bool enterStickDirectory(std::string_view path) { return changeDirectory(directoryOfFile(path)); }

}  // namespace morvane
