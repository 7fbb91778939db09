// A file is taken as compressed when it starts like a gzip member; it is then read whole
// (within a bound, so a huge file is not loaded) and decompressed before the first read,
// so a damaged stream is found before any of its bytes reach a reader.
#include "stick/StickFileBytes.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "stick/GzipMember.h"

namespace morvane {
std::optional<StickFileBytes> StickFileBytes::open(std::string_view path, std::size_t contentLimit)
{
    std::optional<OsFile> file = OsFile::openExisting(path);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> start(4);
    const std::optional<std::size_t> got = file->read(start.data(), start.size());
    start.resize(got.value_or(0));
    if (!startsGzipMember(start)) {
        if (!file->seek(0, SEEK_SET))
            return StickFileBytes(std::move(*file), Form::Unreadable, {});
        return StickFileBytes(std::move(*file), Form::Plain, {});
    }
    std::optional<std::vector<std::uint8_t>> content;
    bool beyondLimit = false;
    if (std::optional<std::vector<std::uint8_t>> compressed =
            readRest(*file, std::move(start), kMaxCompressedFile))
        content = gunzip(*compressed, std::min(contentLimit, kMaxStickFileContent), beyondLimit);
    if (!content)
        return StickFileBytes(std::move(*file), beyondLimit ? Form::TooLarge : Form::Unreadable, {});
    return StickFileBytes(std::move(*file), Form::Decompressed, std::move(*content));
}

std::optional<std::size_t> StickFileBytes::read(void* buffer, std::size_t count)
{
    if (form_ == Form::Plain)
        return file_.read(buffer, count);
    if (form_ == Form::Unreadable || form_ == Form::TooLarge || !file_.isOpen())
        return std::nullopt;
    const auto size = static_cast<std::int64_t>(content_.size());
    const std::size_t available = position_ < size ? static_cast<std::size_t>(size - position_) : 0;
    const std::size_t delivered = std::min(count, available);
    if (delivered > 0)
        std::memcpy(buffer, content_.data() + position_, delivered);
    position_ += static_cast<std::int64_t>(delivered);
    return delivered;
}

std::optional<std::int64_t> StickFileBytes::seek(std::int64_t offset, int origin)
{
    if (form_ == Form::Plain)
        return file_.seek(offset, origin);
    if (form_ == Form::Unreadable || form_ == Form::TooLarge || !file_.isOpen())
        return std::nullopt;
    return seekInContent(offset, origin);
}

std::optional<std::int64_t> StickFileBytes::seekInContent(std::int64_t offset, int origin)
{
    std::int64_t base = 0;
    if (origin == SEEK_CUR)
        base = position_;
    else if (origin == SEEK_END)
        base = static_cast<std::int64_t>(content_.size());
    // Offsets of any size come from the files themselves: no sum may overflow.
    if (offset < -base || offset > INT64_MAX - base)
        return std::nullopt;
    position_ = base + offset;
    return position_;
}

}  // namespace morvane
