#include "stick/FolderContainment.h"

#include <system_error>

namespace morvane {
namespace {

std::filesystem::path resolved(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::path found = std::filesystem::weakly_canonical(path, error);
    return error ? std::filesystem::absolute(path, error).lexically_normal() : found;
}

}  // namespace

bool liesWithin(const std::filesystem::path& inner, const std::filesystem::path& outer)
{
    const std::filesystem::path folder = resolved(outer);
    std::error_code error;
    for (std::filesystem::path at = resolved(inner); !at.empty(); at = at.parent_path()) {
        if (at == folder || std::filesystem::equivalent(at, folder, error))
            return true;
        if (at == at.parent_path())
            break;
    }
    return false;
}

}  // namespace morvane
