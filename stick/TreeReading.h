// Reading whole files of a stick tree, behind an interface so that tests can make a read
// fail part-way, as a dying stick's does. systemTreeReading() is the operating system's.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "stick/OsFile.h"

namespace morvane {

class TreeReading {
public:
    virtual ~TreeReading() = default;
    // Opens the file at `path` for reading only.
    virtual std::optional<OsFile> open(const std::filesystem::path& path);
    // One read into `buffer`: the number of bytes delivered (0 at the end), or none.
    virtual std::optional<std::size_t> read(OsFile& file, std::span<std::uint8_t> buffer);
};

TreeReading& systemTreeReading();

}  // namespace morvane
