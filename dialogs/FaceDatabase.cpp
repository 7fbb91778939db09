// The header's fixed numbers (256, 8, 6, 696, 30 and the variant's own 72 or 120) are
// what the robot writes; a file with others is of a layout this viewer does not know.
#include "dialogs/FaceDatabase.h"

#include <algorithm>
#include <optional>

#include "base/ByteReaders.h"

namespace morvane {
namespace {

constexpr std::size_t kNameOffset = 16;
constexpr std::size_t kPictureOffset = 137;
constexpr auto kPictureSize = static_cast<std::size_t>(kFacePictureWidth) * kFacePictureHeight;
constexpr int kPictureMargin = 10;
constexpr int kBlockSize = 5;

std::uint32_t headerWord(std::span<const std::uint8_t> header, std::size_t offset)
{
    return readLittleEndian32(header, offset);
}

bool hasKnownHeader(std::span<const std::uint8_t> header)
{
    return hasMagic(header, 0, "FIF2") && headerWord(header, 4) == 256 && headerWord(header, 8) == 8 &&
           headerWord(header, 12) == 6;
}

// Variant 2 and variant 6 differ only in the number at offset 32.
bool hasKnownVariant(std::span<const std::uint8_t> header)
{
    const std::uint32_t variant = headerWord(header, 16);
    const std::uint32_t variantNumber = variant == 2 ? 72 : variant == 6 ? 120 : 0;
    return variantNumber != 0 && headerWord(header, 24) == 696 && headerWord(header, 32) == variantNumber &&
           headerWord(header, 36) == 30;
}

// 40 + 728 x N fits easily in 64 bits for any 32-bit N.
bool sizeFitsCount(std::span<const std::uint8_t> header, std::uint64_t fileSize)
{
    return fileSize == kFifHeaderSize + std::uint64_t{kFaceRecordSize} * headerWord(header, 20);
}

// The picture is set pixel by pixel, as the window system's picture area is drawn.
void setBlock(Canvas& canvas, int left, int top, RgbColor color)
{
    for (int dy = 0; dy < kBlockSize; ++dy) {
        for (int dx = 0; dx < kBlockSize; ++dx)
            canvas.setPixel(left + dx, top + dy, color);
    }
}

}  // namespace

std::optional<FaceDatabaseError> checkFaceDatabaseHeader(std::span<const std::uint8_t> header,
                                                         std::uint64_t fileSize)
{
    if (header.size() < kFifHeaderSize)
        return FaceDatabaseError::BadFormat;
    if (!hasKnownHeader(header))
        return FaceDatabaseError::BadHeader;
    if (!hasKnownVariant(header))
        return FaceDatabaseError::BadVariant;
    if (!sizeFitsCount(header, fileSize))
        return FaceDatabaseError::BadSize;
    return std::nullopt;
}

std::variant<FaceDatabase, FaceDatabaseError> FaceDatabase::decode(std::vector<std::uint8_t> file)
{
    if (const std::optional<FaceDatabaseError> error = checkFaceDatabaseHeader(file, file.size()))
        return *error;
    const std::size_t count = (file.size() - kFifHeaderSize) / kFaceRecordSize;
    return FaceDatabase(std::move(file), count);
}

std::span<const std::uint8_t> FaceDatabase::field(std::size_t record, std::size_t offset,
                                                  std::size_t length) const
{
    return std::span(file_).subspan(kFifHeaderSize + kFaceRecordSize * record + offset, length);
}

std::string_view FaceDatabase::faceName(std::size_t record) const
{
    const std::span<const std::uint8_t> text = field(record, kNameOffset, kPictureOffset - kNameOffset);
    const auto end = std::find(text.begin(), text.end(), std::uint8_t{0});
    return std::string_view(reinterpret_cast<const char*>(text.data()),
                            static_cast<std::size_t>(end - text.begin()));
}

std::span<const std::uint8_t> FaceDatabase::picture(std::size_t record) const
{
    return field(record, kPictureOffset, kPictureSize);
}

void FaceDatabase::drawFace(std::size_t record, Canvas& canvas) const
{
    const std::span<const std::uint8_t> grey = picture(record);
    for (int y = 0; y < kFacePictureHeight; ++y) {
        for (int x = 0; x < kFacePictureWidth; ++x) {
            const std::uint8_t level = grey[static_cast<std::size_t>(kFacePictureWidth) * y + x];
            setBlock(canvas, kPictureMargin + kBlockSize * x, kPictureMargin + kBlockSize * y,
                     rgbColor(level, level, level));
        }
    }
}

}  // namespace morvane
