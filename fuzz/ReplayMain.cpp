// Runs a fuzz target without libFuzzer, as an ordinary test (also under Wine): every
// file of a corpus directory, then a thousand seeded mutations of each. A fault aborts
// the process; the file name printed last tells which sample it came from.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "fuzz/CorpusMutator.h"
#include "fuzz/FuzzTarget.h"

namespace {

constexpr int kDefaultMutationsPerFile = 1000;
constexpr std::uint32_t kMutationSeed = 0x4D6F7276;

std::vector<std::filesystem::path> corpusFiles(const std::filesystem::path& directory)
{
    std::vector<std::filesystem::path> files;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(directory)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& file)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::filesystem::file_size(file)));
    std::ifstream(file, std::ios::binary)
        .read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void run(const std::vector<std::uint8_t>& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

// The sample as it is, then its mutations; every sample gets the same seed, so its
// mutations do not depend on which other files the corpus holds.
void replay(const std::filesystem::path& file, int mutations)
{
    std::fprintf(stderr, "replaying %s\n", file.filename().string().c_str());
    std::fflush(stderr);
    const std::vector<std::uint8_t> sample = readFile(file);
    run(sample);
    morvane::CorpusMutator mutator(kMutationSeed);
    for (int i = 0; i < mutations; ++i)
        run(mutator.mutate(sample));
}

}  // namespace

int main(int argc, char** argv)
{
    // A target that does much per input (a whole stick) may ask for fewer mutations.
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s CORPUS_DIRECTORY [MUTATIONS_PER_FILE]\n", argv[0]);
        return 2;
    }
    const int mutations = argc == 3 ? std::atoi(argv[2]) : kDefaultMutationsPerFile;
    const std::filesystem::path directory(argv[1]);
    std::error_code error;
    if (!std::filesystem::is_directory(directory, error)) {
        std::fprintf(stderr, "no corpus directory %s\n", argv[1]);
        return 1;
    }
    const std::vector<std::filesystem::path> files = corpusFiles(directory);
    if (files.empty()) {
        std::fprintf(stderr, "corpus directory %s holds no files\n", argv[1]);
        return 1;
    }
    for (const std::filesystem::path& file : files)
        replay(file, mutations);
    std::printf("%zu corpus files, %d mutations each: no fault\n", files.size(), mutations);
    return 0;
}
