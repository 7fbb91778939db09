// The listing goes through the whole tree once; folders that cannot be entered are passed
// over rather than ending it, so a dying stick still lists what it can. A folder that fails
// while it is read ends the listing there.
#include "stick/StickTree.h"

#include <algorithm>
#include <system_error>

#include "base/Utf8Path.h"

namespace morvane {

std::optional<StickTree> listStickTree(const std::filesystem::path& root)
{
    std::error_code error;
    std::filesystem::recursive_directory_iterator it(
        root, std::filesystem::directory_options::skip_permission_denied, error);
    if (error)
        return std::nullopt;
    StickTree tree;
    for (const std::filesystem::recursive_directory_iterator end; it != end; it.increment(error)) {
        if (error)
            break;
        const std::u8string generic = it->path().lexically_relative(root).generic_u8string();
        const std::string relative(generic.begin(), generic.end());
        if (it->is_symlink(error))
            continue;
        if (it->is_directory(error))
            tree.folders.push_back(relative);
        else if (it->is_regular_file(error))
            tree.files.push_back(relative);
    }
    std::sort(tree.folders.begin(), tree.folders.end());
    std::sort(tree.files.begin(), tree.files.end());
    return tree;
}

std::string foldedTreePath(std::string path)
{
    std::transform(path.begin(), path.end(), path.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return path;
}

std::filesystem::path treePath(const std::filesystem::path& root, const std::string& relative)
{
    return (root / utf8Path(relative)).make_preferred();
}

}  // namespace morvane
