// A joined path is the root, one backslash unless the root already ends in one, then
// the relative path untouched.
#include "stick/StickPath.h"

namespace morvane {

std::string joinStickPath(std::string_view rootPath, std::string_view relativePath)
{
    std::string joined(rootPath);
    if (joined.empty() || joined.back() != '\\')
        joined += '\\';
    joined += relativePath;
    return joined;
}

}  // namespace morvane
