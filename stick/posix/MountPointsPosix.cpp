// Removable media on Linux and macOS: /media/LABEL and /media/USER/LABEL (udisks),
// /run/media/USER/LABEL, /mnt/X and /Volumes/X.
#include "stick/MountPoints.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace morvane {
namespace {

// The directories directly inside `parent`, in name order; none when it cannot be read.
std::vector<std::string> subdirectories(const std::filesystem::path& parent)
{
    std::vector<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(parent, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_directory(error))
            found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Looks in `folder` and keeps each folder found there as a root; with `nested`, also
// each folder one level further down, which is looked in as well.
void searchMountFolder(MediaSearch& search, const std::filesystem::path& folder, bool nested)
{
    search.searched.push_back(folder.string());
    for (const std::string& found : subdirectories(folder)) {
        search.roots.push_back(found);
        search.searched.push_back(found);
        if (!nested)
            continue;
        for (const std::string& deeper : subdirectories(found)) {
            search.roots.push_back(deeper);
            search.searched.push_back(deeper);
        }
    }
}

}  // namespace

MediaSearch removableMediaSearch(const std::string& systemRoot)
{
    const std::filesystem::path root(systemRoot);
    MediaSearch search;
    searchMountFolder(search, root / "media", true);
    // /run/media holds a folder per user, never a stick itself.
    search.searched.push_back((root / "run" / "media").string());
    for (const std::string& user : subdirectories(root / "run" / "media"))
        searchMountFolder(search, user, false);
    for (const char* parent : {"mnt", "Volumes"})
        searchMountFolder(search, root / parent, false);
    return search;
}

std::vector<std::string> removableMediaRoots(const std::string& systemRoot)
{
    return removableMediaSearch(systemRoot).roots;
}

}  // namespace morvane
