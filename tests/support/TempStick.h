// A stick directory in the system's temporary folder, removed again when the test ends.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stick/StickRoot.h"

namespace morvane::test {

class TempStick {
public:
    TempStick();
    ~TempStick();
    TempStick(const TempStick&) = delete;
    TempStick& operator=(const TempStick&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    // The directory as a StickRoot would hold it.
    std::string rootPath() const;
    StickRoot stickRoot() const;

    // Writes a file at `path`, relative to the stick, with '\\' or '/' as separators and
    // the letter case given (which is what lands on disk).
    void write(std::string_view path, std::span<const std::uint8_t> bytes) const;
    void write(std::string_view path, std::string_view text) const;
    // An empty MEMSTICK.IND, as most sticks have.
    void writeMarker() const { write("MEMSTICK.IND", std::string_view()); }
    // The bytes of the file at `path` (empty when it is missing), and removing it.
    std::vector<std::uint8_t> read(std::string_view path) const;
    void remove(std::string_view path) const;

private:
    std::filesystem::path dir_;
};

}  // namespace morvane::test
