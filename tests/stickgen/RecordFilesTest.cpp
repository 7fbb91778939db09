// The binary record files: VERSION chunk files, voice commands, colour table, faces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "base/ByteReaders.h"
#include "stick/VersionChunk.h"
#include "tools/stickgen/ColorTable.h"
#include "tools/stickgen/FaceDatabase.h"
#include "tools/stickgen/VersionFile.h"
#include "tools/stickgen/VoiceCommandFile.h"

namespace morvane::stickgen {
namespace {

template <std::size_t Size>
std::span<const std::uint8_t, Size> piece(const std::vector<std::uint8_t>& file, std::size_t offset)
{
    return std::span<const std::uint8_t>(file).subspan(offset).first<Size>();
}

TEST(VersionFile, ParsesBackThroughTheChunkReadersAfterAComment)
{
    const VersionFileContent content{
        "twelve chars", {0, 1, 0x70, 3, 2, 0, 0, 9}, LanguagePayload{3, 0, 0, 0}};
    const std::vector<std::uint8_t> file = encodeVersionFile(content);
    ASSERT_EQ(file.size(), 16 + 12 + 16 + 12u);
    EXPECT_EQ(parseVersionHeader(piece<kVersionHeaderSize>(file, 0)), 12u);
    EXPECT_EQ(parseVersionChunk(piece<kVersionChunkSize>(file, 28)), content.version);
    EXPECT_EQ(parseLanguageChunk(piece<kLanguageChunkSize>(file, 44)), content.language);
}

TEST(VersionFile, WithoutLanguageEndsAfterTheVersionChunk)
{
    const std::vector<std::uint8_t> file = encodeVersionFile({"", {0, 1, 0x74, 0, 0, 0, 0, 0}, std::nullopt});
    ASSERT_EQ(file.size(), 32u);
    EXPECT_EQ(parseVersionHeader(piece<kVersionHeaderSize>(file, 0)), 0u);
    EXPECT_TRUE(parseVersionChunk(piece<kVersionChunkSize>(file, 16)));
}

TEST(VoiceCommandFile, HoldsHeaderRecordsAndANonZeroEndMarker)
{
    const std::array<VoiceCommand, 2> commands{{{kDogNameCommandId, {2, 11, 27}}, {300, {}}}};
    const std::vector<std::uint8_t> file = encodeVoiceCommandFile(commands);
    ASSERT_EQ(file.size(), 16 + (16 + 3 * 8) + 16 + 16u);
    EXPECT_TRUE(hasMagic(file, 0, "arrc"));
    EXPECT_EQ(readLittleEndian32(file, 16), 0u);
    EXPECT_EQ(readLittleEndian32(file, 24), 1u);
    EXPECT_EQ(readLittleEndian32(file, 28), 3u);
    EXPECT_EQ(readLittleEndian32(file, 32), 2u);
    EXPECT_EQ(readLittleEndian32(file, 48), 27u);
    EXPECT_EQ(readLittleEndian32(file, 56), 0u);
    EXPECT_EQ(readLittleEndian32(file, 64), 300u);
    EXPECT_EQ(readLittleEndian32(file, 68), 0u);
    EXPECT_NE(readLittleEndian32(file, 72), 0u);
}

TEST(ColorTable, PutsColourKSliceSAt144TimesKPlusOnePlus4SInUuVvOrder)
{
    ColorRanges colors{};
    colors[0][0] = {1, 2, 3, 4};
    colors[7][31] = {10, 20, 30, 40};
    const std::vector<std::uint8_t> file = encodeColorTable(colors);
    ASSERT_EQ(file.size(), 1296u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 144, file.begin() + 148),
              (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 1276, file.begin() + 1280),
              (std::vector<std::uint8_t>{10, 20, 30, 40}));
}

TEST(FaceDatabase, IsHeaderPlusOneRecordPerFace)
{
    EXPECT_EQ(encodeFaceDatabase({}).size(), 40u);
    const std::vector<StoredFace> faces(3);
    const std::vector<std::uint8_t> file = encodeFaceDatabase(faces);
    ASSERT_EQ(file.size(), 40 + 728 * 3u);
    EXPECT_TRUE(hasMagic(file, 0, "FIF2"));
    const std::array<std::uint32_t, 9> fields{256, 8, 6, 2, 3, 696, 0, 72, 30};
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(readLittleEndian32(file, 4 + 4 * i), fields[i]) << "header offset " << 4 + 4 * i;
}

TEST(FaceDatabase, VariantSixCarries120)
{
    const std::vector<std::uint8_t> file = encodeFaceDatabase({}, FifVariant::Six);
    EXPECT_EQ(readLittleEndian32(file, 16), 6u);
    EXPECT_EQ(readLittleEndian32(file, 32), 120u);
}

TEST(FaceDatabase, PutsNameAt16AndPictureAt137OfEachRecord)
{
    std::vector<StoredFace> faces{{"facem", {}}, {std::string(200, 'x'), {}}};
    faces[1].picture.fill(0xAB);
    faces[1].picture.back() = 0xCD;
    const std::vector<std::uint8_t> file = encodeFaceDatabase(faces);
    const std::size_t second = 40 + 728;
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&file[40 + 16])), "facem");
    EXPECT_EQ(file[second + 16 + 119], 'x');
    EXPECT_EQ(file[second + 136], 0) << "a long name is cut so that its terminator fits";
    EXPECT_EQ(file[second + 137], 0xAB);
    EXPECT_EQ(file[second + 137 + 431], 0xCD);
    EXPECT_EQ(file[second + 137 + 432], 0);
}

}  // namespace
}  // namespace morvane::stickgen
