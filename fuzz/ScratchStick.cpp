// The scratch stick gets a directory name of its own from a random number, so that
// several fuzzers, replays and benchmarks can run side by side; it is removed with the
// object (a run that aborts on a fault leaves it behind). Setup failures throw: without
// a stick there is nothing to run.
#include "fuzz/ScratchStick.h"

#include <cstdio>
#include <fstream>
#include <random>

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

std::string toUtf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path applicationVersionPath(const std::filesystem::path& root)
{
    return root / "OPEN-R" / "APP" / "VERSION";
}

} // namespace

ScratchStick::ScratchStick()
    : root_(createUniqueDirectory(std::filesystem::temp_directory_path())), rootPath_(toUtf8(root_))
{
    std::ofstream(root_ / "MEMSTICK.IND", std::ios::binary);
    std::filesystem::create_directories(applicationVersionPath(root_).parent_path());
    std::ofstream(applicationVersionPath(root_), std::ios::binary);
}

ScratchStick::~ScratchStick()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

// Each version overwrites the file in place, and the file is cut only when the new
// version is shorter. Truncating costs: ext4 flushes a file that was truncated and
// rewritten when it is closed, and under Wine every truncation takes milliseconds, which
// would make the replay of a corpus slow.
bool ScratchStick::writeApplicationVersion(std::span<const std::uint8_t> bytes) const
{
    const std::filesystem::path path = applicationVersionPath(root_);
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    std::error_code error;
    if (bytes.size() < versionLength_)
        std::filesystem::resize_file(path, bytes.size(), error);
    versionLength_ = bytes.size();
    return !file.fail() && !error;
}

} // namespace morvane
