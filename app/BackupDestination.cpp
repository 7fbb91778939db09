// Both folders are compared as the system resolves them, links and "..", so that a
// destination named through a link into the stick is still inside it; then as the file
// system tells which folder a name is.
#include "app/BackupDestination.h"

#include <system_error>

namespace morvane {
namespace {

// Whether `inner` is `outer` or lies below it: a folder on the way up from `inner` is the
// folder `outer`, as the file system tells, so that a name in other letter case (Windows, a
// stick's FAT) or a second name of the same folder counts as well as the same spelling.
bool within(const std::filesystem::path& inner, const std::filesystem::path& outer)
{
    std::error_code error;
    for (std::filesystem::path at = inner; !at.empty(); at = at.parent_path()) {
        if (at == outer || std::filesystem::equivalent(at, outer, error))
            return true;
        if (at == at.parent_path())
            break;
    }
    return false;
}

std::filesystem::path resolved(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path found = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error).lexically_normal() : found;
}

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
    const std::filesystem::path from = resolved(stick);
    const std::filesystem::path to = resolved(destination);
    if (within(to, from))
        return "the destination lies inside the stick";
    if (within(from, to))
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
