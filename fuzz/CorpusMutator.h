// Seeded corruption of sample inputs for the replay's mutation smoke test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace morvane {

class CorpusMutator {
public:
    explicit CorpusMutator(std::uint32_t seed) : random_(seed) {}

    // A copy of `sample` with a few bytes replaced or bit-flipped, now and then cut
    // short or extended.
    std::vector<std::uint8_t> mutate(std::span<const std::uint8_t> sample);

private:
    std::size_t below(std::size_t bound);
    std::uint8_t randomByte();

    // mt19937 yields the same sequence on every platform and library; the reductions
    // below are our own, so a seed means the same inputs everywhere.
    std::mt19937 random_;
};

}  // namespace morvane
