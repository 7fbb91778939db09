// Software detection: which sticks are refused with which message, and what is recorded.
#include <gtest/gtest.h>

#include <fstream>

#include "stick/Detection.h"
#include "stick/SoftwareKind.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

constexpr const char* kUnknownVersion =
    "unknown software version\nnot supported by Morvane\n(please use Dunmarra for ERS-2x0/31x)";

std::vector<std::uint8_t> applicationVersion(VersionPayload version, std::optional<std::uint8_t> language,
                                             std::string comment = "AiboMind 3 application")
{
    stickgen::VersionFileContent content{std::move(comment), version, std::nullopt};
    if (language)
        content.language = LanguagePayload{*language, 0, 0, 0};
    return stickgen::encodeVersionFile(content);
}

constexpr VersionPayload kAiboMind{0x00, 0x01, 0x70, 0xFF, 0x02, 0x01, 0x00, 0x00};

class DetectionTest : public ::testing::Test {
protected:
    DetectionTest() { stick.writeMarker(); }

    void writeApplication(const std::vector<std::uint8_t>& bytes)
    {
        stick.write("OPEN-R/APP/VERSION", bytes);
    }

    std::optional<std::string> detect()
    {
        root.rootPath = stick.rootPath();
        return detectSoftware(root);
    }

    std::string description() const { return root.softwareKind ? root.softwareKind->description : "none"; }

    test::TempStick stick;
    StickRoot root;
};

TEST_F(DetectionTest, RecognisesAiboMindAndItsLanguage)
{
    writeApplication(applicationVersion(kAiboMind, 3));
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(description(), "ERS-7 AiboMind V1/V2/V3");
    EXPECT_EQ(root.languageCode, 3);
}

TEST_F(DetectionTest, ComparesOnlyTheFirstThreePayloadBytes)
{
    writeApplication(applicationVersion({0x00, 0x01, 0x74, 0x12, 0x34, 0x56, 0x78, 0x9A}, 255));
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(description(), "ERS-7 R-CODE");
    EXPECT_EQ(root.languageCode, 255);

    writeApplication(applicationVersion({0x00, 0x01, 0x76, 0x00, 0, 0, 0, 0}, 1));
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(description(), "ERS-7 BETA Remote Framework");
}

TEST_F(DetectionTest, RefusesPayloadsOfNoKnownSoftware)
{
    for (std::uint8_t third : std::initializer_list<std::uint8_t>{0x71, 0x00}) {
        writeApplication(applicationVersion({0x00, 0x01, third, 0xFF, 0, 0, 0, 0}, 3));
        EXPECT_EQ(detect(), kUnknownVersion) << "third byte " << int{third};
    }
}

TEST_F(DetectionTest, SystemVersionAloneMakesADevelopmentStick)
{
    stick.write("OPEN-R/SYSTEM/VERSION", "");
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(description(), "Probably SDK stick");
    EXPECT_EQ(root.languageCode, -1);
}

TEST_F(DetectionTest, NoVersionFileAtAll) { EXPECT_EQ(detect(), "missing VERSION file"); }

TEST_F(DetectionTest, MissingMarkerRefusesBeforeVersionsAndKeepsTheLastResult)
{
    writeApplication(applicationVersion(kAiboMind, 3));
    ASSERT_EQ(detect(), std::nullopt);
    std::filesystem::remove(stick.dir() / "MEMSTICK.IND");
    EXPECT_EQ(detect(), "can't open memstick.ind");
    EXPECT_EQ(description(), "ERS-7 AiboMind V1/V2/V3");
    EXPECT_EQ(root.languageCode, 3);
}

TEST_F(DetectionTest, DamagedHeaderGivesTheUnknownVersionMessage)
{
    const std::vector<std::uint8_t> valid = applicationVersion(kAiboMind, 3);
    std::vector<std::uint8_t> formatTwo = valid;
    formatTwo[4] = 2;
    std::vector<std::uint8_t> otherComment = valid;
    otherComment[8] = 'X';
    const std::vector<std::uint8_t> tooShort(valid.begin(), valid.begin() + 10);
    for (const auto& bytes : {formatTwo, otherComment, tooShort}) {
        writeApplication(bytes);
        EXPECT_EQ(detect(), kUnknownVersion);
        EXPECT_EQ(root.softwareKind, nullptr);
    }
}

TEST_F(DetectionTest, ACommentLengthBeyondTheFileOrAnyOffsetIsDamage)
{
    for (std::uint32_t length : {0x00000100u, 0x7FFFFFF0u, 0xFFFFFFF0u}) {
        std::vector<std::uint8_t> bytes = applicationVersion(kAiboMind, 3, "");
        for (int i = 0; i < 4; ++i)
            bytes[12 + i] = static_cast<std::uint8_t>(length >> (8 * i));
        writeApplication(bytes);
        EXPECT_EQ(detect(), kUnknownVersion) << "comment length " << length;
    }
}

// A sparse file whose comment ends at the largest signed 32-bit offset, 2147483647, where
// the version chunk follows; one byte more is damage, chunk or no chunk.
TEST_F(DetectionTest, TheVersionChunkMayStartAtTheLargestSigned32BitOffset)
{
    const std::vector<std::uint8_t> bytes = applicationVersion(kAiboMind, 3, "");
    writeApplication(bytes);
    const std::pair<std::uint32_t, std::optional<std::string>> cases[]{{0x7FFFFFEFu, std::nullopt},
                                                                       {0x7FFFFFF0u, kUnknownVersion}};
    for (const auto& [length, refusal] : cases) {
        std::ofstream file(stick.dir() / "OPEN-R" / "APP" / "VERSION", std::ios::binary | std::ios::trunc);
        std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 16);
        for (int i = 0; i < 4; ++i)
            header[12 + i] = static_cast<std::uint8_t>(length >> (8 * i));
        file.write(reinterpret_cast<const char*>(header.data()), 16);
        file.seekp(16 + std::streamoff{length});
        file.write(reinterpret_cast<const char*>(bytes.data() + 16),
                   static_cast<std::streamsize>(bytes.size() - 16));
        file.close();
        EXPECT_EQ(detect(), refusal) << "comment length " << length;
    }
}

TEST_F(DetectionTest, EmptyCommentPutsTheVersionChunkAtSixteen)
{
    writeApplication(applicationVersion(kAiboMind, 2, ""));
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(root.languageCode, 2);
}

TEST_F(DetectionTest, DefectsOfTheLanguageChunkOnlyLoseTheLanguage)
{
    writeApplication(applicationVersion(kAiboMind, std::nullopt));
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(root.languageCode, -1);

    std::vector<std::uint8_t> lengthFive = applicationVersion(kAiboMind, 3);
    lengthFive[lengthFive.size() - 8] = 5;
    writeApplication(lengthFive);
    EXPECT_EQ(detect(), std::nullopt);
    EXPECT_EQ(description(), "ERS-7 AiboMind V1/V2/V3");
    EXPECT_EQ(root.languageCode, -1);
}

TEST_F(DetectionTest, WrongVersionChunkLengthIsDamage)
{
    std::vector<std::uint8_t> bytes = applicationVersion(kAiboMind, 3, "");
    bytes[20] = 7;
    writeApplication(bytes);
    EXPECT_EQ(detect(), kUnknownVersion);
}

TEST_F(DetectionTest, ASupportedStickThenADamagedOneIsRefused)
{
    writeApplication(applicationVersion(kAiboMind, 3));
    ASSERT_EQ(detect(), std::nullopt);
    writeApplication(std::vector<std::uint8_t>(8, 0));
    EXPECT_EQ(detect(), kUnknownVersion);
    EXPECT_EQ(root.languageCode, -1);
}

TEST(DetectionOnDisk, FindsFilesWhoseNamesDifferInLetterCase)
{
    test::TempStick stick;
    stick.write("memstick.IND", "");
    stick.write("Open-R/app/Version", applicationVersion(kAiboMind, 3));
    StickRoot root = stick.stickRoot();
    EXPECT_EQ(detectSoftware(root), std::nullopt);
    EXPECT_EQ(root.languageCode, 3);
}

}  // namespace
}  // namespace morvane
