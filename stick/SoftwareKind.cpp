// The recognised software kinds and the signature match against a version payload.
#include "stick/SoftwareKind.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr std::array<SoftwareKind, 4> kSoftwareKinds{{
    {"SDK", {0x00, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, "Probably SDK stick", 0x2000},
    {"7AW01", {0x00, 0x01, 0x70, 0xFF, 0x00, 0x00, 0x00, 0x00}, "ERS-7 AiboMind V1/V2/V3", 0x1000},
    {"RCODE7", {0x00, 0x01, 0x74, 0xFF, 0x00, 0x00, 0x00, 0x00}, "ERS-7 R-CODE", 0x3000},
    {"RFW7", {0x00, 0x01, 0x76, 0xFF, 0x00, 0x00, 0x00, 0x00}, "ERS-7 BETA Remote Framework", 0x4000},
}};

// A signature whose fourth byte is 0xFF is its first three bytes; otherwise its first five.
std::size_t signatureLength(const SoftwareKind& kind) { return kind.signature[3] == 0xFF ? 3 : 5; }

}  // namespace

std::span<const SoftwareKind, 4> softwareKinds() { return kSoftwareKinds; }

const SoftwareKind& sdkSoftwareKind() { return kSoftwareKinds[0]; }

const SoftwareKind* lookUpSoftwareKind(const VersionPayload& payload)
{
    for (std::size_t row = 1; row < kSoftwareKinds.size(); ++row) {
        const SoftwareKind& kind = kSoftwareKinds[row];
        if (std::equal(kind.signature.begin(), kind.signature.begin() + signatureLength(kind),
                       payload.begin()))
            return &kind;
    }
    return nullptr;
}

}  // namespace morvane
