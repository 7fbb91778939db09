#include "stick/StickFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/AsciiCase.h"
#include "base/Utf8Path.h"
#include "stick/OsFile.h"

namespace morvane {

std::optional<std::vector<std::string>> listStickFolder(std::string_view relativeFolder)
{
    const std::filesystem::path folder = utf8Path(nativeStickPath(relativeFolder));
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return std::nullopt;
    // A listing that fails part-way is no listing: the folder is taken as unreadable,
    // never as holding only the names seen before the failure.
    std::vector<std::string> names;
    std::filesystem::directory_iterator entry(folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::string name = utf8Text(entry->path().filename());
        std::error_code kindUnknown;
        if (entry->is_regular_file(kindUnknown) && name.find('\\') == std::string::npos)
            names.push_back(std::move(name));
    }
    if (error)
        return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

FolderNames::FolderNames(std::vector<std::string> names) : names_(std::move(names))
{
    for (std::size_t at = 0; at < names_.size(); ++at) {
        exact_.emplace(names_[at], at);
        byUpperCase_.emplace(asciiUpperCase(names_[at]), at);
    }
}

std::optional<std::size_t> FolderNames::find(const std::string& name) const
{
    if (const auto exact = exact_.find(name); exact != exact_.end())
        return exact->second;
    if (const auto other = byUpperCase_.find(asciiUpperCase(name)); other != byUpperCase_.end())
        return other->second;
    return std::nullopt;
}

}  // namespace morvane
