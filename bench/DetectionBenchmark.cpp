// Detection on the sample stick: what every stick opening and every Summary pays before
// anything is shown.
#include <benchmark/benchmark.h>

#include "stick/Detection.h"
#include "stick/StickRoot.h"

namespace {

void detectSampleStick(benchmark::State& state)
{
    morvane::StickRoot root;
    root.rootPath = MORVANE_SAMPLE_STICK_DIR;
    for (auto _ : state) {
        std::optional<std::string> refusal = morvane::detectSoftware(root);
        benchmark::DoNotOptimize(refusal);
    }
    if (root.softwareKind == nullptr)
        state.SkipWithError("the sample stick was refused; build the sample_stick target first");
}
BENCHMARK(detectSampleStick);

}  // namespace
