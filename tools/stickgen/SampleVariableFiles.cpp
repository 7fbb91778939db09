// The robot's learned state on the sample stick: a grown-up AiboMind 2/3 dog that wakes
// at 7:05 with its alarm set, goes to bed at 22:30 and last ran on 2004-11-03.
#include "tools/stickgen/SampleStickParts.h"

#include <cstdint>
#include <span>

#include "reports/VarFileLayout.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/ScrambledVarFile.h"

namespace morvane::stickgen {
namespace {

struct IndexedValue {
    std::size_t index;
    std::int32_t value;
};

// Wake-up 10/11, bedtime 20/21, alarm 25, last run 46/47/48; the others are only listed.
constexpr IndexedValue kGlobals[]{{0, 3},   {4, 1},    {10, 7},  {11, 5},  {20, 22},
                                  {21, 30}, {25, 1},   {33, 15}, {46, 4},  {47, 11},
                                  {48, 3},  {52, 240}, {70, 2},  {101, 9}, {127, 1}};
constexpr IndexedValue kRVars[]{{0, 1}, {3, 12}, {7, 250}, {15, 4}, {31, 1}};
constexpr IndexedValue kDiaryVars[]{{0, 40}, {1, 11}, {2, 3}, {10, 5}, {64, 2}, {138, 1}};
// Flags 0 and 2, maturity 3, skill4 4, walk 5, ball 7, bone 8, future skill 9, active
// time 10 (in half-minutes: 720 hours and one half-minute), two undocumented slots.
constexpr IndexedValue kFlashVars[]{{0, 1},    {2, 1},    {3, 10000},  {4, 3000}, {5, 5000}, {7, 7500},
                                    {8, 2500}, {9, 2000}, {10, 86401}, {11, 4},   {12, 1}};

// `values` with the listed ones set; all others keep what they held.
template <typename Values>
Values withValues(Values values, std::span<const IndexedValue> set)
{
    for (const IndexedValue& entry : set)
        values[entry.index] = entry.value;
    return values;
}

StickImageFile scrambledFile(const VarFileLayout& layout, std::span<const IndexedValue> set,
                             const KeyPadBytes& pads)
{
    const std::vector<std::int32_t> values = withValues(std::vector<std::int32_t>(layout.valueCount()), set);
    return {layout.path, encodeScrambledVarFile(layout, values, pads)};
}

}  // namespace

std::vector<StickImageFile> sampleVariableFiles(const KeyPadBytes& pads)
{
    return {
        scrambledFile(kGlobalVars128Layout, kGlobals, pads),
        scrambledFile(kRVarsLayout, kRVars, pads),
        scrambledFile(kDiaryVarsLayout, kDiaryVars, pads),
        {"OPEN-R\\APP\\DATA\\P\\FVAR", encodeFlashVarFile(withValues(FlashVarValues{}, kFlashVars))},
    };
}

}  // namespace morvane::stickgen
