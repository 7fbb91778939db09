// Colour k's 32 four-byte entries (U1 U2 V1 V2) start at offset 144 x (k + 1); the
// first 144 bytes and the last 16 of each colour's block are not read.
#include "dialogs/ColorTable.h"

namespace morvane {
namespace {

constexpr std::size_t kBlockSize = 144;
constexpr std::size_t kEntrySize = 4;

ColorSlice sliceAt(std::span<const std::uint8_t> file, std::size_t offset)
{
    return ColorSlice{file[offset + 2], file[offset + 3], file[offset], file[offset + 1]};
}

}  // namespace

bool decodeColorTable(std::span<const std::uint8_t> file, ColorTable& table)
{
    if (file.size() < kColorTableExtent)
        return false;
    for (std::size_t k = 0; k < kColorCount; ++k) {
        for (std::size_t s = 0; s < kSliceCount; ++s)
            table[k][s] = sliceAt(file, kBlockSize * (k + 1) + kEntrySize * s);
    }
    return true;
}

bool readColorTable(StickStream& stream, ColorTable& table)
{
    std::array<std::uint8_t, kColorTableExtent> file{};
    return stream.read(file.data(), file.size()) == file.size() && decodeColorTable(file, table);
}

}  // namespace morvane
