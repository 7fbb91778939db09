// Stick names on a case-sensitive disk: a copy of a FAT stick keeps the letter case it
// was written with, while the robot's software asks for names in any case. Each path
// component is looked up exactly first, then among the directory's entries without
// regard to ASCII letter case; the first match in name order wins, so a lookup gives
// the same answer on every run.
#include "stick/OsFile.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace morvane {
namespace {

bool sameLettersIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The entry of `directory` that matches `name` without regard to case, or `name`.
std::string matchEntry(const std::string& directory, std::string_view name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(directory.empty() ? "." : directory.c_str()),
                                            ::closedir);
    if (!dir)
        return std::string(name);
    std::vector<std::string> matches;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (sameLettersIgnoringCase(entry->d_name, name))
            matches.emplace_back(entry->d_name);
    }
    if (matches.empty())
        return std::string(name);
    return *std::min_element(matches.begin(), matches.end());
}

std::string appendComponent(const std::string& path, std::string_view component)
{
    if (path.empty())
        return std::string(component);
    if (path.back() == '/')
        return path + std::string(component);
    return path + '/' + std::string(component);
}

}  // namespace

std::string nativeStickPath(std::string_view root, std::string_view relativePath)
{
    // The root is a folder of this computer, taken as written: a backslash in its name is
    // part of the name there, never a separator.
    const bool fromTheTop =
        root.empty() && !relativePath.empty() && (relativePath[0] == '/' || relativePath[0] == '\\');
    std::string resolved = fromTheTop ? std::string("/") : std::string(root);
    std::size_t start = 0;
    while (start <= relativePath.size()) {
        std::size_t end = relativePath.find_first_of("/\\", start);
        if (end == std::string_view::npos)
            end = relativePath.size();
        std::string_view component = relativePath.substr(start, end - start);
        start = end + 1;
        if (component.empty())
            continue;
        std::string exact = appendComponent(resolved, component);
        if (component == "." || component == ".." || exists(exact))
            resolved = std::move(exact);
        else
            resolved = appendComponent(resolved, matchEntry(resolved, component));
    }
    return resolved;
}

std::string nativeStickPath(std::string_view relativePath) { return nativeStickPath({}, relativePath); }

}  // namespace morvane
