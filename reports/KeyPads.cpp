// Where each pad sits in the embedded pad file.
#include "reports/KeyPads.h"

namespace morvane {

std::span<const std::uint8_t> keyPadBytes(KeyPad pad)
{
    struct Slice {
        std::size_t offset;
        std::size_t size;
    };
    static constexpr std::array<Slice, 4> kSlices{{{0, 256}, {256, 512}, {768, 128}, {896, 556}}};
    const Slice slice = kSlices[static_cast<std::size_t>(pad)];
    return std::span<const std::uint8_t>(kKeyPadBytes).subspan(slice.offset, slice.size);
}

}  // namespace morvane
