// Removable media on Windows: every drive letter's root.
#include "stick/MountPoints.h"

namespace morvane {

MediaSearch removableMediaSearch(const std::string&)
{
    MediaSearch search;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        search.roots.push_back(std::string(1, letter) + ":\\");
    search.searched = search.roots;
    return search;
}

std::vector<std::string> removableMediaRoots(const std::string& systemRoot)
{
    return removableMediaSearch(systemRoot).roots;
}

}  // namespace morvane
