#include "stick/StickFileContent.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "stick/StickStream.h"

namespace morvane {

StickFileContent readStickFileContent(std::string_view relativePath, std::uint64_t limit)
{
    StickFileContent content;
    std::unique_ptr<StickStream> stream = StickStream::open(
        relativePath, "rb", static_cast<std::size_t>(std::min<std::uint64_t>(limit, kMaxStickFileContent)));
    if (!stream)
        return content;
    content.outcome = stream->contentTooLarge() ? StickFileContent::Outcome::TooLarge
                                                : StickFileContent::Outcome::Unreadable;
    const bool measured = stream->seek(0, SEEK_END);
    const std::optional<std::int64_t> size = stream->tell();
    if (measured && size && *size >= 0 && stream->seek(0, SEEK_SET)) {
        if (static_cast<std::uint64_t>(*size) > limit) {
            content.outcome = StickFileContent::Outcome::TooLarge;
        } else {
            content.bytes.resize(static_cast<std::size_t>(*size));
            if (stream->read(content.bytes.data(), content.bytes.size()) == content.bytes.size())
                content.outcome = StickFileContent::Outcome::Read;
            else
                content.bytes.clear();
        }
    }
    StickStream::close(std::move(stream));
    return content;
}

StickFileContent readStickFileStart(std::string_view relativePath, std::size_t count)
{
    StickFileContent content;
    std::unique_ptr<StickStream> stream = StickStream::open(relativePath, "rb");
    if (!stream)
        return content;
    content.bytes.resize(count);
    content.bytes.resize(stream->read(content.bytes.data(), count));
    content.outcome = StickStream::close(std::move(stream)) ? StickFileContent::Outcome::Read
                                                            : StickFileContent::Outcome::Unreadable;
    return content;
}

}  // namespace morvane
