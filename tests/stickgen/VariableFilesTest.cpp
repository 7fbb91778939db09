// The variable files: scrambled GVAR, RVAR and DVAR, and plain FVAR.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>

#include "base/ByteReaders.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/ScrambledVarFile.h"

namespace morvane::stickgen {
namespace {

constexpr std::array<const VarFileLayout*, 4> kLayouts{&kGlobalVars64Layout, &kGlobalVars128Layout,
                                                       &kRVarsLayout, &kDiaryVarsLayout};

std::int32_t storedValue(std::span<const std::uint8_t> file, std::size_t index)
{
    return static_cast<std::int32_t>(readLittleEndian32(file, 4 + 4 * index));
}

std::int32_t padWord(const VarFileLayout& layout, std::size_t index)
{
    return static_cast<std::int32_t>(readLittleEndian32(keyPadBytes(kBuiltInKeyPads, layout.pad), 4 * index));
}

TEST(ScrambledVarFile, IsMagicDataAndAChecksumThatMakesTheWholeFileXorToZero)
{
    const std::vector<std::int32_t> values{1, -2, 300000, 7};
    for (const VarFileLayout* layout : kLayouts) {
        const std::vector<std::uint8_t> file = encodeScrambledVarFile(*layout, values);
        ASSERT_EQ(file.size(), 4 + layout->dataBytes + 1) << layout->path;
        EXPECT_TRUE(std::equal(layout->magic.begin(), layout->magic.end(), file.begin()));
        EXPECT_EQ(std::accumulate(file.begin(), file.end(), std::uint8_t{0}, std::bit_xor<std::uint8_t>()), 0)
            << layout->path;
    }
}

TEST(ScrambledVarFile, StoresEveryValueXorItsOwnPadWordAndMissingValuesAsZero)
{
    for (const VarFileLayout* layout : kLayouts) {
        const std::size_t last = layout->valueCount() - 1;
        std::vector<std::int32_t> values(layout->valueCount() - 1, 0);
        values[0] = -5;
        values[last - 1] = 123456;
        const std::vector<std::uint8_t> file = encodeScrambledVarFile(*layout, values);
        EXPECT_EQ(storedValue(file, 0) ^ padWord(*layout, 0), -5) << layout->path;
        EXPECT_EQ(storedValue(file, last - 1) ^ padWord(*layout, last - 1), 123456) << layout->path;
        EXPECT_EQ(storedValue(file, last), padWord(*layout, last)) << layout->path;
    }
}

TEST(FlashVarFile, IsFvarAnd64LittleEndianValuesIn260Bytes)
{
    FlashVarValues values{};
    values[0] = 1;
    values[3] = 10000;
    values[63] = -2;
    const std::vector<std::uint8_t> file = encodeFlashVarFile(values);
    ASSERT_EQ(file.size(), 260u);
    EXPECT_TRUE(hasMagic(file, 0, "FVAR"));
    EXPECT_EQ(storedValue(file, 0), 1);
    EXPECT_EQ(storedValue(file, 3), 10000);
    EXPECT_EQ(storedValue(file, 63), -2);
    EXPECT_EQ(file[259], 0xFF);
}

}  // namespace
}  // namespace morvane::stickgen
