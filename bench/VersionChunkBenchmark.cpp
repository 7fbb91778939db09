// The three chunk parsers on the chunks of a valid VERSION file.
#include <benchmark/benchmark.h>

#include <span>

#include "stick/VersionChunk.h"
#include "tools/stickgen/VersionFile.h"

namespace {

constexpr std::size_t kVersionOffset = morvane::kVersionHeaderSize;
constexpr std::size_t kLanguageOffset = kVersionOffset + morvane::kVersionChunkSize;

// An AiboMind VERSION file with an empty comment, so the chunks follow the header.
const std::vector<std::uint8_t>& versionFile()
{
    static const std::vector<std::uint8_t> bytes = morvane::stickgen::encodeVersionFile(
        {"", {0x00, 0x01, 0x70, 0xFF, 0, 0, 0, 0}, morvane::LanguagePayload{3, 0, 0, 0}});
    return bytes;
}

template <std::size_t Size>
std::span<const std::uint8_t, Size> chunkAt(std::size_t offset)
{
    return std::span<const std::uint8_t>(versionFile()).subspan(offset).first<Size>();
}

void parseHeader(benchmark::State& state)
{
    const auto header = chunkAt<morvane::kVersionHeaderSize>(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(morvane::parseVersionHeader(header));
}
BENCHMARK(parseHeader);

void parseVersion(benchmark::State& state)
{
    const auto chunk = chunkAt<morvane::kVersionChunkSize>(kVersionOffset);
    for (auto _ : state)
        benchmark::DoNotOptimize(morvane::parseVersionChunk(chunk));
}
BENCHMARK(parseVersion);

void parseLanguage(benchmark::State& state)
{
    const auto chunk = chunkAt<morvane::kLanguageChunkSize>(kLanguageOffset);
    for (auto _ : state)
        benchmark::DoNotOptimize(morvane::parseLanguageChunk(chunk));
}
BENCHMARK(parseLanguage);

}  // namespace
