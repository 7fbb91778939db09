// Loading a face database of 10,000 faces from the stick, as the Human Faces command
// does before its dialog opens: the size, one read of the whole file, and the checks.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <variant>

#include "dialogs/FaceDatabaseFile.h"
#include "tools/stickgen/FaceDatabase.h"

namespace {

constexpr std::size_t kFaces = 10000;

// A stick folder of its own with the database written once.
std::filesystem::path writeDatabase()
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "morvane-bench-faces";
    std::filesystem::create_directories(root / "OPEN-R" / "APP" / "DATA" / "P");
    std::vector<morvane::stickgen::StoredFace> faces(kFaces);
    for (std::size_t i = 0; i < kFaces; ++i)
        faces[i].name = "face" + std::to_string(i);
    const std::vector<std::uint8_t> file = morvane::stickgen::encodeFaceDatabase(faces);
    std::ofstream(root / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return root;
}

void loadTenThousandFaces(benchmark::State& state)
{
    const std::filesystem::path root = writeDatabase();
    const std::string path = (root / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN").string();
    for (auto _ : state) {
        std::unique_ptr<morvane::StickStream> stream = morvane::StickStream::open(path, "rb");
        auto loaded = morvane::loadFaceDatabase(*stream);
        benchmark::DoNotOptimize(loaded);
        if (!std::holds_alternative<morvane::FaceDatabase>(loaded))
            state.SkipWithError("the database was refused");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(40 + 728 * kFaces));
    std::filesystem::remove_all(root);
}
BENCHMARK(loadTenThousandFaces)->Unit(benchmark::kMillisecond);

// The baseline: the same file measured and read whole through the same stream, with no
// checks, which is the least any loader of it must do.
void readTenThousandFacesBaseline(benchmark::State& state)
{
    const std::filesystem::path root = writeDatabase();
    const std::string path = (root / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN").string();
    for (auto _ : state) {
        std::unique_ptr<morvane::StickStream> stream = morvane::StickStream::open(path, "rb");
        stream->seek(0, SEEK_END);
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(stream->tell().value_or(0)));
        stream->seek(0, SEEK_SET);
        benchmark::DoNotOptimize(stream->read(bytes.data(), bytes.size()));
    }
    std::filesystem::remove_all(root);
}
BENCHMARK(readTenThousandFacesBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
