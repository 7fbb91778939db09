// A joined path is the root, one backslash unless the root already ends in one, then
// the relative path untouched.
#include "stick/StickPath.h"

#include <algorithm>

namespace morvane {

std::string joinStickPath(std::string_view rootPath, std::string_view relativePath)
{
    std::string joined(rootPath);
    if (joined.empty() || joined.back() != '\\')
        joined += '\\';
    joined += relativePath;
    return joined;
}

std::string slashedStickPath(std::string path)
{
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

}  // namespace morvane
