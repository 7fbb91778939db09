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

}  // namespace morvane::cli
