// Audible volumes run from 0xC100 (position 1) to 0xFF00 (position 63) in steps of 256;
// 0x8000 mutes.
#include "dialogs/VolumeWords.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr int kPositionBase = 0xC0;
constexpr std::uint32_t kCompanionStep = 0x300;

}  // namespace

int volumeToPosition(std::uint16_t word)
{
    const int highByte = word >> 8;
    return highByte > kPositionBase ? highByte - kPositionBase : 0;
}

std::uint16_t positionToVolume(int position)
{
    if (position == 0)
        return kMutedVolume;
    return static_cast<std::uint16_t>(0xC000 + 256 * position);
}

std::uint32_t companionWord(std::uint16_t word)
{
    return std::max<std::uint32_t>(word, kMutedVolume + kCompanionStep) - kCompanionStep;
}

}  // namespace morvane
