// The gzip member format: a header of ten fixed bytes and optional fields, raw deflate
// data, then the CRC-32 and the length (modulo 2^32) of the content. The header is
// parsed here so that a save can carry the old one over byte for byte; zlib inflates
// and deflates the data between.
#include "stick/GzipMember.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace morvane {
namespace {

constexpr std::uint8_t kMagic1 = 0x1F;
constexpr std::uint8_t kMagic2 = 0x8B;
constexpr std::uint8_t kDeflate = 8;
constexpr std::uint8_t kHeaderCrcFlag = 0x02;
constexpr std::uint8_t kExtraFlag = 0x04;
constexpr std::uint8_t kNameFlag = 0x08;
constexpr std::uint8_t kCommentFlag = 0x10;
constexpr std::uint8_t kReservedFlags = 0xE0;
constexpr std::size_t kFixedHeaderSize = 10;
constexpr std::size_t kTrailerSize = 8;
constexpr int kRawDeflateWindow = -MAX_WBITS;

std::uint32_t littleEndian32(std::span<const std::uint8_t> bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void appendLittleEndian32(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

// The offset just after the zero byte that ends a text field starting at `offset`.
std::optional<std::size_t> afterZeroTerminated(std::span<const std::uint8_t> file, std::size_t offset)
{
    const auto end = std::find(file.begin() + static_cast<std::ptrdiff_t>(std::min(offset, file.size())),
                               file.end(), std::uint8_t{0});
    if (end == file.end())
        return std::nullopt;
    return static_cast<std::size_t>(end - file.begin()) + 1;
}

// The size of the member header at the start of `file`, optional fields included.
std::optional<std::size_t> headerSize(std::span<const std::uint8_t> file)
{
    if (file.size() < kFixedHeaderSize || !startsGzipMember(file))
        return std::nullopt;
    const std::uint8_t flags = file[3];
    std::size_t size = kFixedHeaderSize;
    if (flags & kExtraFlag) {
        if (file.size() < size + 2)
            return std::nullopt;
        size += 2 + (file[size] | std::size_t{file[size + 1]} << 8);
    }
    for (const std::uint8_t textField : {kNameFlag, kCommentFlag}) {
        if (!(flags & textField))
            continue;
        const std::optional<std::size_t> after = afterZeroTerminated(file, size);
        if (!after)
            return std::nullopt;
        size = *after;
    }
    if (flags & kHeaderCrcFlag)
        size += 2;
    if (size > file.size())
        return std::nullopt;
    return size;
}

// Inflates the raw deflate data at the start of `data`, appending to `content` without
// letting it grow past `limit`. Answers how many bytes of `data` the deflate data took.
std::optional<std::size_t> inflateInto(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& content,
                                       std::size_t limit, bool& beyondLimit)
{
    z_stream stream{};
    if (inflateInit2(&stream, kRawDeflateWindow) != Z_OK)
        return std::nullopt;
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    std::array<std::uint8_t, std::size_t{64} * 1024> chunk{};
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = chunk.data();
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        beyondLimit = content.size() + produced > limit;
        if (beyondLimit)
            status = Z_MEM_ERROR;
        else
            content.insert(content.end(), chunk.begin(),
                           chunk.begin() + static_cast<std::ptrdiff_t>(produced));
    }
    const std::size_t consumed = data.size() - stream.avail_in;
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return consumed;
}

std::uint32_t crcOf(std::span<const std::uint8_t> bytes)
{
    uLong crc = crc32(0L, Z_NULL, 0);
    for (std::size_t done = 0; done < bytes.size();) {
        const auto piece = static_cast<uInt>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        crc = crc32(crc, bytes.data() + done, piece);
        done += piece;
    }
    return static_cast<std::uint32_t>(crc);
}

// Decodes the member at the start of `file` onto `content`; answers the member's size.
std::optional<std::size_t> gunzipMember(std::span<const std::uint8_t> file,
                                        std::vector<std::uint8_t>& content, std::size_t limit,
                                        bool& beyondLimit)
{
    const std::optional<std::size_t> header = headerSize(file);
    if (!header)
        return std::nullopt;
    const std::size_t start = content.size();
    const std::optional<std::size_t> data = inflateInto(file.subspan(*header), content, limit, beyondLimit);
    if (!data || file.size() - *header - *data < kTrailerSize)
        return std::nullopt;
    const std::span<const std::uint8_t> trailer = file.subspan(*header + *data, kTrailerSize);
    const std::span<const std::uint8_t> member(content.begin() + static_cast<std::ptrdiff_t>(start),
                                               content.end());
    if (littleEndian32(trailer) != crcOf(member) ||
        littleEndian32(trailer.subspan(4)) != static_cast<std::uint32_t>(member.size()))
        return std::nullopt;
    return *header + *data + kTrailerSize;
}

// The members at the start of `file` decompressed one after the other; `membersSize` is
// how many bytes of `file` they take.
std::optional<std::vector<std::uint8_t>> gunzipMembers(std::span<const std::uint8_t> file, std::size_t limit,
                                                       bool& beyondLimit, std::size_t& membersSize)
{
    beyondLimit = false;
    membersSize = 0;
    std::vector<std::uint8_t> content;
    do {
        const std::optional<std::size_t> member =
            gunzipMember(file.subspan(membersSize), content, limit, beyondLimit);
        if (!member)
            return std::nullopt;
        membersSize += *member;
    } while (startsGzipMember(file.subspan(membersSize)));
    return content;
}

// None when zlib could not compress (it could not allocate its state): a member of
// whatever it left would hold the content's CRC and size over data that is not the content.
std::optional<std::vector<std::uint8_t>> deflateRaw(std::span<const std::uint8_t> content)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kRawDeflateWindow, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return std::nullopt;
    std::vector<std::uint8_t> data(deflateBound(&stream, static_cast<uLong>(content.size())));
    stream.next_in = const_cast<Bytef*>(content.data());
    stream.avail_in = static_cast<uInt>(content.size());
    stream.next_out = data.data();
    stream.avail_out = static_cast<uInt>(data.size());
    const bool finished = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    data.resize(stream.total_out);
    deflateEnd(&stream);
    if (!finished)
        return std::nullopt;
    return data;
}

}  // namespace

bool startsGzipMember(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 4 && bytes[0] == kMagic1 && bytes[1] == kMagic2 && bytes[2] == kDeflate &&
           (bytes[3] & kReservedFlags) == 0;
}

std::optional<std::vector<std::uint8_t>> gzipHeaderOf(std::span<const std::uint8_t> file)
{
    const std::optional<std::size_t> size = headerSize(file);
    if (!size)
        return std::nullopt;
    return std::vector<std::uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(*size));
}

std::optional<std::vector<std::uint8_t>> gunzip(std::span<const std::uint8_t> file, std::size_t limit)
{
    bool beyondLimit = false;
    return gunzip(file, limit, beyondLimit);
}

std::optional<std::vector<std::uint8_t>> gunzip(std::span<const std::uint8_t> file, std::size_t limit,
                                                bool& beyondLimit)
{
    std::size_t membersSize = 0;
    return gunzipMembers(file, limit, beyondLimit, membersSize);
}

std::optional<std::size_t> gzipMembersSize(std::span<const std::uint8_t> file)
{
    bool beyondLimit = false;
    std::size_t membersSize = 0;
    if (!gunzipMembers(file, kMaxStickFileContent, beyondLimit, membersSize))
        return std::nullopt;
    return membersSize;
}

std::optional<std::vector<std::uint8_t>> gzipMember(std::span<const std::uint8_t> header,
                                                    std::span<const std::uint8_t> content)
{
    const std::optional<std::vector<std::uint8_t>> data = deflateRaw(content);
    if (!data)
        return std::nullopt;
    std::vector<std::uint8_t> member(header.begin(), header.end());
    member.insert(member.end(), data->begin(), data->end());
    appendLittleEndian32(member, crcOf(content));
    appendLittleEndian32(member, static_cast<std::uint32_t>(content.size()));
    return member;
}

std::vector<std::uint8_t> plainGzipHeader(std::string_view name)
{
    // Magic, deflate, a stored name, no time, no extra flags, "unknown" system.
    constexpr std::array<std::uint8_t, kFixedHeaderSize> kFixed{kMagic1, kMagic2, kDeflate, kNameFlag, 0,
                                                                0,       0,       0,        0,         0xFF};
    std::vector<std::uint8_t> header(kFixed.size() + name.size() + 1);
    std::copy(kFixed.begin(), kFixed.end(), header.begin());
    std::copy(name.begin(), name.end(), header.begin() + kFixed.size());
    return header;
}

}  // namespace morvane
