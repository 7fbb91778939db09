// A little-endian 32-bit number, the robot's own, which the Summary shows and a restore
// compares between a backup and a stick.
#include "reports/HardwareId.h"

#include <array>
#include <memory>

#include "base/ByteReaders.h"
#include "stick/StickFile.h"
#include "stick/StickPaths.h"

namespace morvane {

std::optional<std::uint32_t> readHardwareId(const StickRoot& stick)
{
    std::unique_ptr<StickFile> file = StickFile::openForReading(stick.rootPath, kHardwareIdPath);
    std::array<std::uint8_t, 4> bytes{};
    const bool read = file && file->readExact(bytes.data(), bytes.size());
    if (file)
        StickFile::close(std::move(file));
    if (!read)
        return std::nullopt;
    return readLittleEndian32(bytes, 0);
}

}  // namespace morvane
