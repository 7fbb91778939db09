// FVAR is stored plain, without scrambling or checksum.
#include "tools/stickgen/FlashVarFile.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {

std::vector<std::uint8_t> encodeFlashVarFile(const FlashVarValues& values)
{
    ByteWriter out(4 + 4 * kFlashVarCount);
    out.putText("FVAR");
    for (const std::int32_t value : values)
        out.putInt32(value);
    return std::move(out).take();
}

}  // namespace morvane::stickgen
