// Fuzz target of the scrambled variable files: the input is a whole file, and each of
// the four layouts (both GVARs, RVAR, DVAR) checks and descrambles it.
#include <array>
#include <span>

#include "fuzz/FuzzTarget.h"
#include "reports/ScrambledVarFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const std::span<const std::uint8_t> file(data, size);
    for (const VarFileLayout* layout :
         {&kGlobalVars64Layout, &kGlobalVars128Layout, &kRVarsLayout, &kDiaryVarsLayout}) {
        DiaryVars values{};  // room for the largest layout
        decodeScrambledVars(*layout, file, values);
    }
    return 0;
}
