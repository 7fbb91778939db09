// Gzip members, the form in which the robot stores many of its stick files: reading one
// (or several in a row) whole into memory, and writing content back behind a header
// taken over from the file it replaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace morvane {

// No stick file comes near this; anything that decompresses to more is refused, so a
// small crafted file cannot take the machine's memory.
inline constexpr std::size_t kMaxStickFileContent = std::size_t{16} * 1024 * 1024;
// Room for the compressed form of the largest content that is accepted, with its headers
// and the overhead of stored blocks.
inline constexpr std::size_t kMaxCompressedFile = kMaxStickFileContent + std::size_t{1024} * 1024;

// Whether `bytes` begin a gzip member: its magic, the deflate method and no reserved
// flag bits. Other files, whatever their first bytes, are plain.
bool startsGzipMember(std::span<const std::uint8_t> bytes);

// The header of the first member of `file` (magic up to the deflate data), or none when
// it is not a whole, well-formed header.
std::optional<std::vector<std::uint8_t>> gzipHeaderOf(std::span<const std::uint8_t> file);

// The content of `file`: its members decompressed one after the other, each checked
// against its CRC-32 and length. Bytes after the last member that start no member are
// ignored, as gzip's own reader ignores them. None for a damaged member or content
// beyond `limit` bytes.
std::optional<std::vector<std::uint8_t>> gunzip(std::span<const std::uint8_t> file,
                                                std::size_t limit = kMaxStickFileContent);
// The same; `beyondLimit` says whether none came of content beyond `limit`, which is found
// as soon as that much is inflated, so a reader's own limit bounds the work too.
std::optional<std::vector<std::uint8_t>> gunzip(std::span<const std::uint8_t> file, std::size_t limit,
                                                bool& beyondLimit);

// How many bytes of `file` its members take; what follows them starts no member. None for
// a damaged member.
std::optional<std::size_t> gzipMembersSize(std::span<const std::uint8_t> file);

// One member holding `content` behind `header` (as gzipHeaderOf gives it); none when zlib
// could not compress.
std::optional<std::vector<std::uint8_t>> gzipMember(std::span<const std::uint8_t> header,
                                                    std::span<const std::uint8_t> content);

// A header of our own for a file whose old header could not be read: no time, the
// file's `name` as the stored name.
std::vector<std::uint8_t> plainGzipHeader(std::string_view name);

}  // namespace morvane
