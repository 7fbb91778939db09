// Ownership of an OsFile handle, and reading one to its end; the platform files hold the
// system calls.
#include "stick/OsFile.h"

#include <array>
#include <utility>

namespace morvane {

OsFile::OsFile(OsFile&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

OsFile& OsFile::operator=(OsFile&& other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

OsFile::~OsFile() { close(); }

std::optional<std::vector<std::uint8_t>> readRest(OsFile& file, std::vector<std::uint8_t> bytes,
                                                  std::size_t limit)
{
    std::array<std::uint8_t, std::size_t{64} * 1024> chunk{};
    for (;;) {
        const std::optional<std::size_t> got = file.read(chunk.data(), chunk.size());
        if (!got)
            return std::nullopt;
        if (*got == 0)
            return bytes;
        if (bytes.size() + *got > limit)
            return std::nullopt;
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(*got));
    }
}

}  // namespace morvane
