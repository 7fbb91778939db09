// The system's reads go through OsFile, which leaves a file's access time alone where the
// system lets it.
#include "stick/TreeReading.h"

#include "base/Utf8Path.h"

namespace morvane {

std::optional<OsFile> TreeReading::open(const std::filesystem::path& path)
{
    return OsFile::openExisting(utf8Text(path));
}

std::optional<std::size_t> TreeReading::read(OsFile& file, std::span<std::uint8_t> buffer)
{
    return file.read(buffer.data(), buffer.size());
}

TreeReading& systemTreeReading()
{
    static TreeReading reading;
    return reading;
}

}  // namespace morvane
