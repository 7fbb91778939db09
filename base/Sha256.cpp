// What both systems' hashes share.
#include "base/Sha256.h"

namespace morvane {

std::string hexDigest(const Sha256Digest& digest)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : digest) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace morvane
