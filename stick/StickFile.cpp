// StickFile: the explicit way to a stick file, joined onto the root held in StickRoot.
#include "stick/StickFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "stick/OsFile.h"
#include "stick/StickPath.h"

namespace morvane {

std::unique_ptr<StickFile> StickFile::open(std::string_view rootPath, std::string_view relativePath,
                                           std::string_view)
{
    // Without a root (the current directory could not be read) no stick file is reached:
    // the joined path would start at the top of the file system instead.
    const std::string joined = joinStickPath(rootPath, relativePath);
    if (rootPath.empty() || joined.size() > kMaxStickPath)
        return nullptr;
    std::optional<StickFileBytes> bytes = StickFileBytes::open(nativeStickPath(rootPath, relativePath));
    if (!bytes)
        return nullptr;
    return std::unique_ptr<StickFile>(new StickFile(std::move(*bytes)));
}

std::unique_ptr<StickFile> StickFile::openForReading(std::string_view rootPath, std::string_view relativePath)
{
    return open(rootPath, relativePath, "rb");
}

std::optional<std::size_t> StickFile::read(void* buffer, std::size_t count)
{
    std::optional<std::size_t> got = bytes_.read(buffer, count);
    readFailed_ = readFailed_ || !got;
    return got;
}

bool StickFile::readExact(void* buffer, std::size_t count)
{
    std::optional<std::size_t> got = read(buffer, count);
    return got && *got == count;
}

bool StickFile::seek(std::int32_t offset) { return offset >= 0 && bytes_.seek(offset, SEEK_SET); }

// The line reader takes one block of up to capacity - 1 bytes. The block is text up to
// its first NUL, where every reader of a line stops. When that text holds a CR, the line ends
// there with one LF in its place, and the position moves back to two bytes after the
// CR, so the byte after the CR (the LF of a CR LF pair) is skipped unread. Without a
// CR the whole block is the line and the position stays after it.
bool StickFile::readLine(std::string& line, std::size_t capacity)
{
    line.clear();
    if (capacity < 2)
        return false;
    std::vector<char> block(capacity - 1);
    std::optional<std::size_t> got = read(block.data(), block.size());
    if (!got || *got == 0)
        return false;
    const char* text = block.data();
    const auto textLength = static_cast<std::size_t>(std::find(text, text + *got, '\0') - text);
    const void* cr = std::memchr(text, '\r', textLength);
    if (cr == nullptr) {
        line.assign(text, textLength);
        return true;
    }
    const auto crIndex = static_cast<std::size_t>(static_cast<const char*>(cr) - text);
    line.assign(text, crIndex);
    line += '\n';
    bytes_.seek(static_cast<std::int64_t>(crIndex + 2) - static_cast<std::int64_t>(*got), SEEK_CUR);
    return true;
}

bool StickFile::close(std::unique_ptr<StickFile> file) { return file && file->bytes_.close(); }

}  // namespace morvane
