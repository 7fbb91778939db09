// The system's reads of a stick tree, but the file named `failing` fails after its first
// four bytes, as a file on a dying stick does part-way.
#pragma once

#include <algorithm>
#include <string>

#include "stick/TreeReading.h"

namespace morvane::test {

class FailingTreeReading : public TreeReading {
public:
    explicit FailingTreeReading(std::string failing) : failing_(std::move(failing)) {}

    std::optional<OsFile> open(const std::filesystem::path& path) override
    {
        reading_ = path.filename() == failing_;
        reads_ = 0;
        return TreeReading::open(path);
    }
    std::optional<std::size_t> read(OsFile& file, std::span<std::uint8_t> buffer) override
    {
        if (reading_ && reads_++ > 0)
            return std::nullopt;
        return TreeReading::read(file, buffer.first(std::min<std::size_t>(buffer.size(), 4)));
    }

private:
    std::string failing_;
    bool reading_ = false;
    int reads_ = 0;
};

}  // namespace morvane::test
