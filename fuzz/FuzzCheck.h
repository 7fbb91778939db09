// The fuzz targets' own checks of what the code under test must guarantee.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace morvane {

// Stops the run like a crash when `condition` fails, so that libFuzzer keeps the input
// and a replay of the corpus fails; `broken` names the broken guarantee.
inline void requireFuzz(bool condition, const char* broken)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", broken);
    std::abort();
}

}  // namespace morvane
