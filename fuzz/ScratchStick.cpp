// The scratch stick gets a directory name of its own from a random number, so that
// several fuzzers, replays and benchmarks can run side by side; it is removed with the
// object (a run that aborts on a fault leaves it behind). Setup failures throw: without
// a stick there is nothing to run.
#include "fuzz/ScratchStick.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>

#include "base/Utf8Path.h"
#include "stick/OsFile.h"

namespace morvane {
namespace {

std::filesystem::path createUniqueDirectory(const std::filesystem::path& parent)
{
    std::random_device entropy;
    for (;;) {
        char name[32];
        std::snprintf(name, sizeof name, "morvane-stick-%08x", static_cast<unsigned>(entropy()));
        std::filesystem::path candidate = parent / name;
        if (std::filesystem::create_directory(candidate))
            return candidate;
    }
}

std::filesystem::path nativeRelativePath(std::string_view stickPath)
{
    std::string path(stickPath);
    std::replace(path.begin(), path.end(), '\\', '/');
    return std::filesystem::path(path);
}

// Opens an existing file for overwriting in place, or creates it with its directories.
std::fstream openForRewriting(const std::filesystem::path& path)
{
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    if (file.is_open())
        return file;
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return std::fstream(path, std::ios::binary | std::ios::out);
}

}  // namespace

ScratchStick::ScratchStick()
    : root_(createUniqueDirectory(std::filesystem::temp_directory_path())), rootPath_(utf8Text(root_))
{
    std::ofstream(root_ / "MEMSTICK.IND", std::ios::binary);
}

ScratchStick::~ScratchStick()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

// Each version of a file overwrites it in place, and the file is cut only when the new
// version is shorter. Truncating costs: ext4 flushes a file that was truncated and
// rewritten when it is closed, and under Wine every truncation takes milliseconds, which
// would make the replay of a corpus slow.
bool ScratchStick::writeFile(std::string_view relativePath, std::span<const std::uint8_t> bytes) const
{
    const std::filesystem::path path = root_ / nativeRelativePath(relativePath);
    std::fstream file = openForRewriting(path);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    auto length = lengths_.try_emplace(std::string(relativePath), 0).first;
    std::error_code error;
    if (bytes.size() < length->second)
        std::filesystem::resize_file(path, bytes.size(), error);
    length->second = bytes.size();
    return !file.fail() && !error;
}

bool ScratchStick::writeApplicationVersion(std::span<const std::uint8_t> bytes) const
{
    return writeFile("OPEN-R\\APP\\VERSION", bytes);
}

std::string ScratchStick::absolutePath(std::string_view relativePath) const
{
    return nativeStickPath(rootPath_, relativePath);
}

}  // namespace morvane
