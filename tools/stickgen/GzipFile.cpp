// zlib writes and reads the gzip wrapper itself when given 16 more window bits.
#include "tools/stickgen/GzipFile.h"

#include <zlib.h>

#include <array>
#include <optional>

namespace morvane::stickgen {
namespace {

constexpr int kGzipWindow = 16 + MAX_WBITS;

}  // namespace

std::vector<std::uint8_t> gzipCompressed(std::span<const std::uint8_t> content, const std::string& name,
                                         const std::string& comment)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY);
    gz_header header{};
    header.name = reinterpret_cast<Bytef*>(const_cast<char*>(name.c_str()));
    if (!comment.empty())
        header.comment = reinterpret_cast<Bytef*>(const_cast<char*>(comment.c_str()));
    header.os = 0;  // written on a FAT file system, as the robot's own files say
    deflateSetHeader(&stream, &header);
    std::vector<std::uint8_t> file(deflateBound(&stream, static_cast<uLong>(content.size())) + name.size() +
                                   comment.size() + 2);
    stream.next_in = const_cast<Bytef*>(content.data());
    stream.avail_in = static_cast<uInt>(content.size());
    stream.next_out = file.data();
    stream.avail_out = static_cast<uInt>(file.size());
    deflate(&stream, Z_FINISH);
    file.resize(stream.total_out);
    deflateEnd(&stream);
    return file;
}

std::optional<GunzippedFile> gunzipWithZlib(std::span<const std::uint8_t> file)
{
    z_stream stream{};
    inflateInit2(&stream, kGzipWindow);
    std::array<Bytef, 1024> name{};
    std::array<Bytef, 1024> comment{};
    gz_header header{};
    header.name = name.data();
    header.name_max = static_cast<uInt>(name.size() - 1);
    header.comment = comment.data();
    header.comm_max = static_cast<uInt>(comment.size() - 1);
    inflateGetHeader(&stream, &header);
    stream.next_in = const_cast<Bytef*>(file.data());
    stream.avail_in = static_cast<uInt>(file.size());
    GunzippedFile result;
    std::array<std::uint8_t, 16 * 1024> chunk{};
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = chunk.data();
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        result.content.insert(result.content.end(), chunk.begin(), chunk.end() - stream.avail_out);
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return std::nullopt;
    result.name = reinterpret_cast<const char*>(name.data());
    result.comment = reinterpret_cast<const char*>(comment.data());
    return result;
}

}  // namespace morvane::stickgen
