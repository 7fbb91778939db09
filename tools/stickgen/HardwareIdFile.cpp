// AIBO-ID holds nothing but the identifier.
#include "tools/stickgen/HardwareIdFile.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {

std::vector<std::uint8_t> encodeHardwareIdFile(std::uint32_t hardwareId)
{
    ByteWriter out(4);
    out.put32(hardwareId);
    return std::move(out).take();
}

}  // namespace morvane::stickgen
