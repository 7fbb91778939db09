// Fuzz target of FVAR: the input is a whole file. Whatever decodes must encode back to
// the bytes it came from, so that a save never changes values it did not touch.
#include <algorithm>
#include <cstdlib>
#include <span>

#include "fuzz/FuzzTarget.h"
#include "reports/FlashVarFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const std::span<const std::uint8_t> file(data, size);
    FlashVars vars;
    if (!decodeFlashVars(file, vars))
        return 0;
    const auto encoded = encodeFlashVars(vars);
    if (!std::equal(encoded.begin(), encoded.end(), file.begin()))
        std::abort();
    return 0;
}
