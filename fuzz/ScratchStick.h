// A stick directory of this process under the system temp directory: an empty
// MEMSTICK.IND and whichever stick files the owner writes and rewrites at will.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace morvane {

class ScratchStick {
public:
    ScratchStick();
    ~ScratchStick();
    ScratchStick(const ScratchStick&) = delete;
    ScratchStick& operator=(const ScratchStick&) = delete;

    // Replaces the file at `relativePath` (spelled as the robot spells it, with
    // backslashes) with `bytes`, creating it and its directories when needed; false
    // when the file cannot be written.
    bool writeFile(std::string_view relativePath, std::span<const std::uint8_t> bytes) const;
    // Replaces OPEN-R\APP\VERSION with `bytes`; false when the file cannot be written.
    bool writeApplicationVersion(std::span<const std::uint8_t> bytes) const;
    // The root directory in UTF-8, as StickRoot holds it.
    const std::string& rootPath() const { return rootPath_; }
    // The root joined with `relativePath` as the system spells it, for opening a stick file
    // from anywhere.
    std::string absolutePath(std::string_view relativePath) const;

private:
    std::filesystem::path root_;
    std::string rootPath_;
    // The length each written file has now, by its stick path.
    mutable std::map<std::string, std::size_t, std::less<>> lengths_;
};

}  // namespace morvane
