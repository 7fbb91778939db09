// Each volume word is followed by its companion, the word less 0x300 but never below
// 0x8000 (the word of a muted setting), both as "0x" and four upper-case hex digits.
#include "tools/stickgen/VolumeConfig.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/stickgen/CrLfText.h"

namespace morvane::stickgen {
namespace {

constexpr unsigned kMutedWord = 0x8000;
constexpr unsigned kCompanionStep = 0x300;

std::string pairLine(std::uint16_t word)
{
    const unsigned companion = std::max<unsigned>(word, kMutedWord + kCompanionStep) - kCompanionStep;
    char line[16];
    std::snprintf(line, sizeof line, "0x%04X 0x%04X", static_cast<unsigned>(word), companion);
    return line;
}

}  // namespace

std::string encodeVolumeConfig(const VolumeWords& words)
{
    std::vector<std::string> lines;
    for (const std::uint16_t word : words)
        lines.push_back(pairLine(word));
    lines.push_back("MIDI_Master_Tune:8");
    lines.push_back("");
    return joinCrLfLines(lines);
}

}  // namespace morvane::stickgen
