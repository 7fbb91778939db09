// The stick scan. Each root is probed by opening its MEMSTICK.IND, the same probe the
// window program makes on every drive letter.
#include "app/StickScan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "stick/OsFile.h"
#include "stick/StickPath.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

#ifndef _WIN32
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
#endif

}  // namespace

std::vector<std::string> removableMediaRoots([[maybe_unused]] const std::string& systemRoot)
{
    std::vector<std::string> roots;
#ifdef _WIN32
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        roots.push_back(std::string(1, letter) + ":\\");
#else
    // /media/LABEL and /media/USER/LABEL (udisks), /run/media/USER/LABEL, /mnt/X, /Volumes/X.
    const std::filesystem::path root(systemRoot);
    for (const std::string& media : subdirectories(root / "media")) {
        roots.push_back(media);
        for (std::string& nested : subdirectories(media))
            roots.push_back(std::move(nested));
    }
    for (const std::string& user : subdirectories(root / "run" / "media"))
        for (std::string& nested : subdirectories(user))
            roots.push_back(std::move(nested));
    for (const char* parent : {"mnt", "Volumes"})
        for (std::string& mount : subdirectories(root / parent))
            roots.push_back(std::move(mount));
#endif
    return roots;
}

std::vector<std::string> rootsWithStickMarker(const std::vector<std::string>& candidates)
{
    quietDriveProbes();
    std::vector<std::string> found;
    for (const std::string& root : candidates) {
        if (OsFile::openExisting(joinStickPath(root, kProbedMarkerName)))
            found.push_back(root);
    }
    return found;
}

}  // namespace morvane
