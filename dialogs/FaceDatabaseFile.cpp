// The file's size comes first, from a seek to its end; only a size that can be a
// database within the limit is allocated and read. The checks then run on the bytes in
// memory, so a file that changes while it is read cannot slip past them.
#include "dialogs/FaceDatabaseFile.h"

#include <array>
#include <cstdio>
#include <optional>

namespace morvane {
namespace {

constexpr std::uint64_t kLargestFile = kFifHeaderSize + kFaceRecordSize * kMostFaces;

std::optional<std::uint64_t> fileSize(StickStream& stream)
{
    if (!stream.seek(0, SEEK_END))
        return std::nullopt;
    const std::optional<std::int64_t> end = stream.tell();
    if (!end || *end < 0 || !stream.seek(0, SEEK_SET))
        return std::nullopt;
    return static_cast<std::uint64_t>(*end);
}

bool readExactly(StickStream& stream, std::span<std::uint8_t> bytes)
{
    return stream.read(bytes.data(), bytes.size()) == bytes.size();
}

// Too large to be read: the header decides which message, and a good one means the size.
FaceDatabaseError refuseLargeFile(StickStream& stream, std::uint64_t size)
{
    std::array<std::uint8_t, kFifHeaderSize> header{};
    if (!readExactly(stream, header))
        return FaceDatabaseError::BadFormat;
    return checkFaceDatabaseHeader(header, size).value_or(FaceDatabaseError::BadSize);
}

}  // namespace

std::variant<FaceDatabase, FaceDatabaseError> loadFaceDatabase(StickStream& stream)
{
    const std::optional<std::uint64_t> size = fileSize(stream);
    if (!size || *size < kFifHeaderSize)
        return FaceDatabaseError::BadFormat;
    if (*size > kLargestFile)
        return refuseLargeFile(stream, *size);
    std::vector<std::uint8_t> file(static_cast<std::size_t>(*size));
    if (!readExactly(stream, file))
        return FaceDatabaseError::BadFormat;
    return FaceDatabase::decode(std::move(file));
}

}  // namespace morvane
