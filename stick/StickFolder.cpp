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
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file(error))
            names.push_back(utf8Text(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace morvane
