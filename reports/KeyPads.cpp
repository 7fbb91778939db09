// Where each pad sits in a pad set.
#include "reports/KeyPads.h"

namespace morvane {

std::span<const std::uint8_t> keyPadBytes(const KeyPadBytes& pads, KeyPad pad)
{
    struct Slice {
        std::size_t offset;
        std::size_t size;
    };
    static constexpr std::array<Slice, 4> kSlices{{{0, 256}, {256, 512}, {768, 128}, {896, 556}}};
    const Slice slice = kSlices[static_cast<std::size_t>(pad)];
    return std::span<const std::uint8_t>(pads).subspan(slice.offset, slice.size);
}

}  // namespace morvane
