// A stick directory of this process under the system temp directory: an empty
// MEMSTICK.IND and an OPEN-R/APP/VERSION file that the owner rewrites at will.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace morvane {

class ScratchStick {
  public:
    ScratchStick();
    ~ScratchStick();
    ScratchStick(const ScratchStick&) = delete;
    ScratchStick& operator=(const ScratchStick&) = delete;

    // Replaces OPEN-R/APP/VERSION with `bytes`; false when the file cannot be written.
    bool writeApplicationVersion(std::span<const std::uint8_t> bytes) const;
    // The root directory in UTF-8, as StickRoot holds it.
    const std::string& rootPath() const { return rootPath_; }

  private:
    std::filesystem::path root_;
    std::string rootPath_;
    mutable std::size_t versionLength_ = 0;
};

} // namespace morvane
