// StickStream: a C stream opened in binary mode, with Windows text-mode reading
// (CR LF becomes LF) done here so that every platform reads the same characters.
#include "stick/StickStream.h"

#include <cstdio>
#include <utility>

#include "stick/OsFile.h"

namespace morvane {
namespace {

// Positions in 64 bits on every system: `long` has only 32 on Windows, where a file of
// 2 GB or more would otherwise have no size.
int seekTo(std::FILE* file, std::int64_t offset, int origin)
{
#ifdef _WIN32
    return _fseeki64(file, offset, origin);
#else
    return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t positionOf(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

}  // namespace

std::unique_ptr<StickStream> StickStream::open(std::string_view relativePath, std::string_view mode)
{
    if (mode != "rb" && mode != "rt")
        return nullptr;
    std::FILE* file = openCStream(relativePath, "rb");
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<StickStream>(new StickStream(file, mode == "rt"));
}

StickStream::~StickStream()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

std::optional<char> StickStream::getRawChar()
{
    int c = std::fgetc(file_);
    if (c == EOF)
        return std::nullopt;
    return static_cast<char>(c);
}

std::optional<char> StickStream::getChar()
{
    if (pushedBack_)
        return std::exchange(pushedBack_, std::nullopt);
    std::optional<char> c = getRawChar();
    if (!textMode_ || c != '\r')
        return c;
    int next = std::fgetc(file_);
    if (next == '\n')
        return '\n';
    if (next != EOF)
        std::ungetc(next, file_);
    return c;
}

void StickStream::ungetChar(char c) { pushedBack_ = c; }

std::size_t StickStream::read(void* buffer, std::size_t count)
{
    auto* bytes = static_cast<char*>(buffer);
    if (!textMode_ && !pushedBack_)
        return std::fread(bytes, 1, count, file_);
    std::size_t done = 0;
    while (done < count) {
        std::optional<char> c = getChar();
        if (!c)
            break;
        bytes[done++] = *c;
    }
    return done;
}

bool StickStream::readLine(std::string& line, std::size_t capacity)
{
    line.clear();
    while (line.size() + 1 < capacity) {
        std::optional<char> c = getChar();
        if (!c)
            break;
        line += *c;
        if (*c == '\n')
            break;
    }
    return !line.empty();
}

bool StickStream::seek(std::int64_t offset, int origin)
{
    pushedBack_.reset();
    return seekTo(file_, offset, origin) == 0;
}

std::optional<std::int64_t> StickStream::tell()
{
    const std::int64_t position = positionOf(file_);
    if (position < 0)
        return std::nullopt;
    return position - (pushedBack_ ? 1 : 0);
}

bool StickStream::close(std::unique_ptr<StickStream> stream)
{
    if (!stream)
        return false;
    return std::fclose(std::exchange(stream->file_, nullptr)) == 0;
}

}  // namespace morvane
