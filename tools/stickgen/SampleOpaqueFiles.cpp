// Files the program only measures or looks for. Their content is synthetic but the same
// on every run: std::minstd_rand's sequence is fixed by the C++ standard. The voice
// recognition data has the size the English software expects.
#include "tools/stickgen/SampleStickParts.h"

#include <random>

namespace morvane::stickgen {
namespace {

constexpr std::size_t kEnglishVoiceDataSize = 239456;
constexpr std::size_t kSceneDataSize = 96;

std::vector<std::uint8_t> syntheticBytes(std::size_t size, std::minstd_rand::result_type seed)
{
    std::minstd_rand engine(seed);
    std::vector<std::uint8_t> bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(engine() >> 8);
    return bytes;
}

}  // namespace

std::vector<StickImageFile> sampleOpaqueFiles()
{
    return {
        {"OPEN-R\\APP\\DATA\\E\\HMMDATA.BIN", syntheticBytes(kEnglishVoiceDataSize, 7)},
        {"OPEN-R\\APP\\DATA\\P\\ESCENE.BIN", syntheticBytes(kSceneDataSize, 11)},
    };
}

}  // namespace morvane::stickgen
