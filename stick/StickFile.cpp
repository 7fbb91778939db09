// StickFile: the explicit way to a stick file, joined onto the root held in StickRoot.
#include "stick/StickFile.h"

#include <algorithm>
#include <cstdio>
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
// its first NUL, where every reader of a line stops. The line ends at its first CR LF, CR or
// LF, which comes back as one LF, and the position moves back to just after that line end;
// a CR that ends the block is followed by one more read, to see whether an LF comes next.
// Without a line end the whole block is the line and the position stays after it. The robot
// and PC programs write some of these files with LF line ends, and a block of several such
// lines would show as one line cut where the block ends.
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
    const char* textEnd = std::find(text, text + *got, '\0');
    const char* lineEnd = std::find_if(text, textEnd, [](char c) { return c == '\r' || c == '\n'; });
    if (lineEnd == textEnd) {
        line.assign(text, textEnd);
        return true;
    }
    line.assign(text, lineEnd);
    line += '\n';
    auto next = static_cast<std::size_t>(lineEnd - text) + 1;
    if (*lineEnd == '\r' && next < *got && text[next] == '\n')
        ++next;
    bytes_.seek(static_cast<std::int64_t>(next) - static_cast<std::int64_t>(*got), SEEK_CUR);
    if (*lineEnd == '\r' && next == *got)
        skipLf();
    return true;
}

// Takes the next byte when it is an LF, and leaves the position where it was otherwise.
void StickFile::skipLf()
{
    char next = 0;
    const std::optional<std::size_t> got = read(&next, 1);
    if (got && *got == 1 && next != '\n')
        bytes_.seek(-1, SEEK_CUR);
}

bool StickFile::close(std::unique_ptr<StickFile> file) { return file && file->bytes_.close(); }

}  // namespace morvane
