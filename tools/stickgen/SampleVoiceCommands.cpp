// The sample dog is called Biscuit, its owner Alice, and it has learned "good morning".
// Phoneme indices are those of the robot's English table.
#include "tools/stickgen/SampleStickParts.h"

#include <array>

#include "tools/stickgen/VoiceCommandFile.h"

namespace morvane::stickgen {
namespace {

constexpr std::uint32_t kGoodMorningCommandId = 2;

}  // namespace

StickImageFile sampleVoiceCommandFile()
{
    const std::array<VoiceCommand, 3> commands{{
        {kDogNameCommandId, {9, 20, 33, 24, 21, 35}},                  // b ih s k ix t
        {kOwnerNameCommandId, {3, 25, 21, 33}},                        // ae l ix s
        {kGoodMorningCommandId, {18, 37, 12, 26, 5, 32, 27, 20, 28}},  // g uh d m ao r n ih ng
    }};
    return {"OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN", encodeVoiceCommandFile(commands)};
}

}  // namespace morvane::stickgen
