// About one byte in thirty-two is corrupted, at least one; one mutation in eight cuts
// the input at a random length and one in eight appends up to sixteen random bytes, so
// that short reads and chunks past the end are tried as well as damaged fields.
#include "fuzz/CorpusMutator.h"

namespace morvane {

std::size_t CorpusMutator::below(std::size_t bound) { return static_cast<std::size_t>(random_()) % bound; }

std::uint8_t CorpusMutator::randomByte() { return static_cast<std::uint8_t>(random_()); }

std::vector<std::uint8_t> CorpusMutator::mutate(std::span<const std::uint8_t> sample)
{
    std::vector<std::uint8_t> input(sample.begin(), sample.end());
    const std::size_t corruptions = input.empty() ? 0 : 1 + input.size() / 32;
    for (std::size_t i = 0; i < corruptions; ++i) {
        std::uint8_t& byte = input[below(input.size())];
        byte = below(2) == 0 ? randomByte() : static_cast<std::uint8_t>(byte ^ (1u << below(8)));
    }
    switch (below(8)) {
    case 0:
        input.resize(below(input.size() + 1));
        break;
    case 1:
        for (std::size_t extra = 1 + below(16); extra > 0; --extra)
            input.push_back(randomByte());
        break;
    default:
        break;
    }
    return input;
}

}  // namespace morvane
