// The file operations a save is built from, behind an interface so that tests can make
// any one of them fail. systemFileOperations() is the operating system's own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace morvane {

class FileOperations {
public:
    // An open file of the operating system (a descriptor or a HANDLE).
    using Handle = std::intptr_t;

    virtual ~FileOperations() = default;
    // Creates the file anew for writing; none when anything stands under its name already (a
    // file, a link), which is then neither written through nor removed.
    virtual std::optional<Handle> create(const std::string& path) = 0;
    // Writes all of `bytes`; false when any of them could not be written.
    virtual bool write(Handle file, std::span<const std::uint8_t> bytes) = 0;
    // Brings what was written onto the disk itself, past the system's caches.
    virtual bool flush(Handle file) = 0;
    virtual bool close(Handle file) = 0;
    // Gives `from` the name `to` in one step, replacing any file of that name.
    virtual bool rename(const std::string& from, const std::string& to) = 0;
    virtual bool remove(const std::string& path) = 0;
};

// The operating system's file operations; paths are native paths in UTF-8.
FileOperations& systemFileOperations();

}  // namespace morvane
