// The listing goes through the whole tree once, folder by folder. What cannot be listed or
// read is named rather than passed over, so that a dying stick still lists what it can and
// a backup or a check never counts as whole what it could not see.
#include "stick/StickTree.h"

#include <algorithm>
#include <string_view>
#include <system_error>
#include <unordered_map>

#include "base/Utf8Path.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::string relativeText(const fs::path& path, const fs::path& root)
{
    const std::u8string generic = path.lexically_relative(root).generic_u8string();
    return std::string(generic.begin(), generic.end());
}

// Adds what `folder` holds to `tree` and the folders in it to `toList`; false when the
// folder cannot be listed to its end.
bool listFolder(const fs::path& root, const fs::path& folder, StickTree& tree, std::vector<fs::path>& toList)
{
    std::error_code error;
    fs::directory_iterator it(folder, error);
    for (const fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code statusError;
        const fs::file_status status = it->symlink_status(statusError);
        const std::string relative = relativeText(it->path(), root);
        if (!statusError && fs::is_directory(status)) {
            tree.folders.push_back(relative);
            toList.push_back(it->path());
        } else if (!statusError && fs::is_regular_file(status)) {
            tree.files.push_back(relative);
        } else {
            tree.unreadable.push_back(relative);
        }
    }
    return !error;
}

// `path` as the stick's FAT file system compares names: ASCII letters in lower case.
std::string foldedTreePath(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return path;
}

}  // namespace

std::optional<StickTree> listStickTree(const fs::path& root)
{
    StickTree tree;
    std::vector<fs::path> toList;
    if (!listFolder(root, root, tree, toList))
        return std::nullopt;
    while (!toList.empty()) {
        const fs::path folder = std::move(toList.back());
        toList.pop_back();
        if (!listFolder(root, folder, tree, toList))
            tree.unreadable.push_back(relativeText(folder, root));
    }
    std::sort(tree.folders.begin(), tree.folders.end());
    std::sort(tree.files.begin(), tree.files.end());
    std::sort(tree.unreadable.begin(), tree.unreadable.end());
    return tree;
}

std::vector<std::optional<std::size_t>> matchTreePaths(const std::vector<std::string>& paths,
                                                       const std::vector<std::string>& others)
{
    std::unordered_map<std::string_view, std::size_t> spelt;
    std::unordered_multimap<std::string, std::size_t> folded;
    for (std::size_t at = 0; at < others.size(); ++at) {
        spelt.emplace(others[at], at);
        folded.emplace(foldedTreePath(others[at]), at);
    }
    std::vector<std::optional<std::size_t>> matched(paths.size());
    std::vector<bool> taken(others.size());
    for (std::size_t at = 0; at < paths.size(); ++at) {
        const auto found = spelt.find(paths[at]);
        if (found != spelt.end() && !taken[found->second]) {
            matched[at] = found->second;
            taken[found->second] = true;
        }
    }
    for (std::size_t at = 0; at < paths.size(); ++at) {
        if (matched[at])
            continue;
        std::optional<std::size_t> first;
        const auto [from, to] = folded.equal_range(foldedTreePath(paths[at]));
        for (auto candidate = from; candidate != to; ++candidate) {
            if (!taken[candidate->second] && (!first || candidate->second < *first))
                first = candidate->second;
        }
        if (first)
            taken[*first] = true;
        matched[at] = first;
    }
    return matched;
}

fs::path treePath(const fs::path& root, const std::string& relative)
{
    return (root / utf8Path(relative)).make_preferred();
}

}  // namespace morvane
