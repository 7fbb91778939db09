#include "cli/OutputPath.h"

#include <string>

#include "base/Utf8Path.h"
#include "stick/FolderContainment.h"

namespace morvane::cli {

std::filesystem::path outputPath(std::string_view path)
{
    std::error_code error;
    const std::filesystem::path given = utf8Path(path);
    const std::filesystem::path absolute = std::filesystem::absolute(given, error);
    return error ? given : absolute;
}

std::optional<std::filesystem::path> pathOption(const ParsedArgs& parsed, std::string_view name)
{
    const auto given = parsed.options.find(name);
    if (given == parsed.options.end())
        return std::nullopt;
    return outputPath(given->second);
}

bool outputInsideStick(std::string_view command, std::string_view option,
                       const std::optional<std::filesystem::path>& output, const StickRoot& stick,
                       std::ostream& err)
{
    if (!output || !liesWithin(*output, utf8Path(stick.rootPath)))
        return false;
    reportUsageError(err, std::string(command) + ": " + std::string(option) + " lies inside the stick");
    return true;
}

}  // namespace morvane::cli
