#include "cli/OutputPath.h"

#include "base/Utf8Path.h"

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

}  // namespace morvane::cli
