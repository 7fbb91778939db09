// The operating system's file layer under stick access: read-only handles, the
// current directory, and opening C streams, with stick path rules applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// One read-only file handle of the operating system. Move-only; closes on destruction
// if it was not closed explicitly.
class OsFile {
public:
    // Opens an existing file for reading, its path as the system spells it (a stick file's
    // through nativeStickPath); other processes may read it meanwhile. Only a regular file
    // opens. On Windows a file that another process holds open for writing is refused.
    static std::optional<OsFile> openExisting(std::string_view path);

    OsFile(OsFile&& other) noexcept;
    OsFile& operator=(OsFile&& other) noexcept;
    OsFile(const OsFile&) = delete;
    OsFile& operator=(const OsFile&) = delete;
    ~OsFile();

    // One read of up to `count` bytes; the number delivered, or none on failure.
    std::optional<std::size_t> read(void* buffer, std::size_t count);
    // Moves by `offset` from the start, the current position or the end (SEEK_SET,
    // SEEK_CUR, SEEK_END); the new position, or none with the position kept.
    std::optional<std::int64_t> seek(std::int64_t offset, int origin);
    // Releases the handle; answers whether the operating system accepted the close.
    bool close();
    bool isOpen() const { return handle_ != kNoHandle; }

private:
    static constexpr std::intptr_t kNoHandle = -1;
    explicit OsFile(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_ = kNoHandle;
};

// The rest of `file` from its current position, after `bytes` (what was read of it before);
// none when a read fails or the whole would be longer than `limit`.
std::optional<std::vector<std::uint8_t>> readRest(OsFile& file, std::vector<std::uint8_t> bytes,
                                                  std::size_t limit);

// The process's current directory as the operating system reports it (links resolved).
std::optional<std::string> currentDirectory();
bool changeDirectory(std::string_view path);

// Makes probing an empty removable drive fail quietly, without a system prompt.
// Nothing to do where the system never prompts.
void quietDriveProbes();

// `utf8` spelled in the system's 8-bit code page, for a path shown among the stick's
// own 8-bit text: the process's code page on Windows (UTF-8 for the programs, whose
// manifests declare it; in an older Windows the ANSI code page, where a character it
// lacks becomes '?'), unchanged elsewhere.
std::string systemCodePageText(std::string_view utf8);

// The name the operating system should be given for the stick path `relativePath` below
// the folder `root` (empty: the current directory). The root is taken as written; in the
// stick path backslashes are separators, and on case-sensitive file systems every
// component is matched without regard to letter case (an exact match first).
std::string nativeStickPath(std::string_view root, std::string_view relativePath);
std::string nativeStickPath(std::string_view relativePath);

}  // namespace morvane
