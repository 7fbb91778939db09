// Fuzz target of the VERSION chunk parsers: the input is a whole VERSION file, and the
// header, version and language parsers each get the chunk that a reader of the file
// hands them.
#include <span>

#include "fuzz/FuzzTarget.h"
#include "fuzz/VersionFileBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    morvane::readVersionFileBytes(std::span(data, size));
    return 0;
}
