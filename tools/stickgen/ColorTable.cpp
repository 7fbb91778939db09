// The first block and the last 16 bytes of every colour block are not used by the
// program and stay 0.
#include "tools/stickgen/ColorTable.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {
namespace {

constexpr std::size_t kBlockSize = 144;

}  // namespace

std::vector<std::uint8_t> encodeColorTable(const ColorRanges& colors)
{
    ByteWriter out(kBlockSize * (kColorCount + 1));
    for (std::size_t k = 0; k < kColorCount; ++k) {
        out.seek(kBlockSize * (k + 1));
        for (const ColorSliceRange& slice : colors[k]) {
            out.put8(slice.u1);
            out.put8(slice.u2);
            out.put8(slice.v1);
            out.put8(slice.v2);
        }
    }
    return std::move(out).take();
}

}  // namespace morvane::stickgen
