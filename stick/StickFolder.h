// The files of one folder of the stick, found as every stick path is (names in any letter
// case).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace morvane {

// The names of the regular files in the folder at `relativeFolder` (relative to the current
// directory, '\\' between its parts), in byte order; none when there is no such folder or
// it cannot be listed to its end. A name holding '\\' (possible in a copy of the stick on
// another file system) is left out: no stick path can name that file, and a copy named
// after it would leave its folder.
std::optional<std::vector<std::string>> listStickFolder(std::string_view relativeFolder);

// The names of a listed folder, a name found in them as a stick path finds it: as written
// when the folder holds it, else in other letter case (the first such in byte order).
class FolderNames {
public:
    explicit FolderNames(std::vector<std::string> names);
    const std::vector<std::string>& names() const { return names_; }
    // Where `name` stands in names(), or none when the folder holds no such name.
    std::optional<std::size_t> find(const std::string& name) const;

private:
    std::vector<std::string> names_;
    std::unordered_map<std::string, std::size_t> exact_;
    std::unordered_map<std::string, std::size_t> byUpperCase_;
};

}  // namespace morvane
