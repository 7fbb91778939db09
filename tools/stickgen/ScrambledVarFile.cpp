// Scrambling, with the pads of the build unless others are given: value i is stored XOR pad word i, and the
// last byte is the XOR of every stored byte before it, so the XOR of the whole file is 0.
#include "tools/stickgen/ScrambledVarFile.h"

#include <functional>
#include <numeric>

#include "base/ByteReaders.h"
#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {

std::vector<std::uint8_t> encodeScrambledVarFile(const VarFileLayout& layout,
                                                 std::span<const std::int32_t> values,
                                                 const KeyPadBytes& pads)
{
    const std::span<const std::uint8_t> pad = keyPadBytes(pads, layout.pad);
    ByteWriter out(layout.magic.size() + layout.dataBytes + 1);
    out.putBytes(layout.magic);
    for (std::size_t i = 0; i < layout.valueCount(); ++i) {
        const std::int32_t value = i < values.size() ? values[i] : 0;
        out.put32(static_cast<std::uint32_t>(value) ^ readLittleEndian32(pad, 4 * i));
    }
    const std::span<const std::uint8_t> stored = out.bytes().first(out.position());
    out.put8(std::accumulate(stored.begin(), stored.end(), std::uint8_t{0}, std::bit_xor<std::uint8_t>()));
    return std::move(out).take();
}

}  // namespace morvane::stickgen
