// Fuzz target of the indexes of the robot's PC folder (the diary's AIFILES.XML, the photo
// album's IMGFILES.XML): the input is the file. No more entries than the bound are kept,
// and a fault or a cut leaves a clause saying why.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "pc/FileIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const FileIndex index = readFileIndex(std::span(data, size));
    requireFuzz(index.entries.size() <= kMostIndexEntries, "more entries kept than the bound");
    requireFuzz(!index.problem || !index.problem->empty(), "a problem without words");
    for (const FileIndexEntry& entry : index.entries)
        requireFuzz(entry.file.size() <= 4096 && entry.date.size() <= 4096,
                    "an entry's text beyond the bound");
    return 0;
}
