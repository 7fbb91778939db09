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
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::string name = utf8Text(entry.path().filename());
        if (entry.is_regular_file(error) && name.find('\\') == std::string::npos)
            names.push_back(std::move(name));
    }
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
