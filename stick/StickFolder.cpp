#include "stick/StickFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

}  // namespace morvane
