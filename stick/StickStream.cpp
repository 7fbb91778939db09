// StickStream: a read buffer over the stick file's bytes, with Windows text-mode reading
// (CR LF becomes LF) done here so that every platform reads the same characters.
#include "stick/StickStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#include "stick/OsFile.h"

namespace morvane {

std::unique_ptr<StickStream> StickStream::open(std::string_view relativePath, std::string_view mode,
                                               std::size_t contentLimit)
{
    if (mode != "rb" && mode != "rt")
        return nullptr;
    std::optional<StickFileBytes> bytes = StickFileBytes::open(nativeStickPath(relativePath), contentLimit);
    if (!bytes)
        return nullptr;
    return std::unique_ptr<StickStream>(new StickStream(std::move(*bytes), mode == "rt"));
}

bool StickStream::fillBuffer()
{
    const std::optional<std::size_t> got = bytes_.read(buffer_.data(), buffer_.size());
    readFailed_ = readFailed_ || !got;
    bufferNext_ = 0;
    bufferEnd_ = got.value_or(0);
    return bufferEnd_ > 0;
}

std::optional<char> StickStream::peekRawChar()
{
    if (buffered() == 0 && !fillBuffer())
        return std::nullopt;
    return buffer_[bufferNext_];
}

std::optional<char> StickStream::getRawChar()
{
    std::optional<char> c = peekRawChar();
    if (c)
        ++bufferNext_;
    return c;
}

std::optional<char> StickStream::getChar()
{
    if (pushedBack_)
        return std::exchange(pushedBack_, std::nullopt);
    std::optional<char> c = getRawChar();
    if (!textMode_ || c != '\r')
        return c;
    if (peekRawChar() == '\n')
        return getRawChar();
    return c;
}

void StickStream::ungetChar(char c) { pushedBack_ = c; }

std::size_t StickStream::read(void* buffer, std::size_t count)
{
    auto* bytes = static_cast<char*>(buffer);
    std::size_t done = 0;
    if (!textMode_ && !pushedBack_) {
        done = std::min(count, buffered());
        std::memcpy(bytes, buffer_.data() + bufferNext_, done);
        bufferNext_ += done;
        // The rest in one read of the file, as the C library reads a large block.
        while (done < count) {
            const std::optional<std::size_t> got = bytes_.read(bytes + done, count - done);
            readFailed_ = readFailed_ || !got;
            if (!got || *got == 0)
                break;
            done += *got;
        }
        return done;
    }
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

// A move from the current position counts from where the reader is, not from where the
// buffer has read ahead to. A move that fails leaves the stream as it was.
bool StickStream::seek(std::int64_t offset, int origin)
{
    if (origin == SEEK_CUR) {
        const std::optional<std::int64_t> here = tell();
        if (!here || offset > INT64_MAX - *here)
            return false;
        offset += *here;
        origin = SEEK_SET;
    }
    if (!bytes_.seek(offset, origin))
        return false;
    pushedBack_.reset();
    bufferNext_ = bufferEnd_ = 0;
    return true;
}

std::optional<std::int64_t> StickStream::tell()
{
    const std::optional<std::int64_t> position = bytes_.seek(0, SEEK_CUR);
    if (!position)
        return std::nullopt;
    return *position - static_cast<std::int64_t>(buffered()) - (pushedBack_ ? 1 : 0);
}

bool StickStream::close(std::unique_ptr<StickStream> stream) { return stream && stream->bytes_.close(); }

}  // namespace morvane
