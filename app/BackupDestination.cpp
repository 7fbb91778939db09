#include "app/BackupDestination.h"

#include <system_error>

#include "stick/FolderContainment.h"

namespace morvane {
namespace {

// The last part of `root`, a folder's name; for a drive's root "Stick" and its letter.
std::string stickName(std::string_view root)
{
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\'))
        root.remove_suffix(1);
    const std::size_t separator = root.find_last_of("/\\");
    const std::string_view name = separator == std::string_view::npos ? root : root.substr(separator + 1);
    if (name.empty())
        return "Stick";
    if (name.size() == 2 && name[1] == ':')
        return "Stick " + std::string(name.substr(0, 1));
    return std::string(name);
}

}  // namespace

std::optional<std::string> unsuitableBackupDestination(const std::filesystem::path& stick,
                                                       const std::filesystem::path& destination)
{
    std::error_code error;
    if (std::filesystem::exists(destination, error) && (!std::filesystem::is_directory(destination, error) ||
                                                        !std::filesystem::is_empty(destination, error)))
        return "the destination exists and is not an empty folder";
    if (liesWithin(destination, stick))
        return "the destination lies inside the stick";
    if (liesWithin(stick, destination))
        return "the stick lies inside the destination";
    return std::nullopt;
}

std::string suggestedBackupName(std::string_view stickRoot, const std::tm& localTime)
{
    char when[32]{};
    std::strftime(when, sizeof when, "%Y-%m-%d %H.%M", &localTime);
    return stickName(stickRoot) + " backup " + when;
}

}  // namespace morvane
