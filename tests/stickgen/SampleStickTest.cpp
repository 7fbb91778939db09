// The sample stick: complete, reproducible, accepted by detection, rewritable in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "base/Utf8Path.h"
#include "stick/Detection.h"
#include "stick/SoftwareKind.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::stickgen {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const StickImageFile* findFile(const std::vector<StickImageFile>& files, std::string_view stickPath)
{
    auto found = std::find_if(files.begin(), files.end(),
                              [&](const StickImageFile& file) { return file.stickPath == stickPath; });
    return found == files.end() ? nullptr : &*found;
}

class SampleStickOnDisk : public testing::Test {
protected:
    test::TempStick folder_;
    const fs::path root_ = folder_.dir() / "stick";
};

TEST(SampleStick, HoldsEveryFileTheProgramReads)
{
    const std::vector<StickImageFile> files = sampleStickFiles();
    for (const char* stickPath : {"memstick.ind",
                                  "OPEN-R\\APP\\VERSION",
                                  "OPEN-R\\SYSTEM\\VERSION",
                                  "OPEN-R\\MW\\VERSION",
                                  "OPEN-R\\APP\\DATA\\P\\CUSVER",
                                  "OPEN-R\\APP\\DATA\\P\\GVAR",
                                  "OPEN-R\\APP\\DATA\\P\\RVAR",
                                  "OPEN-R\\APP\\DATA\\P\\DVAR",
                                  "OPEN-R\\APP\\DATA\\P\\FVAR",
                                  "OPEN-R\\APP\\DATA\\P\\ARRMAIN.BIN",
                                  "OPEN-R\\APP\\DATA\\E\\HMMDATA.BIN",
                                  "custom\\comments.ini",
                                  "OPEN-R\\APP\\DATA\\P\\CUS.CFG",
                                  "OPEN-R\\APP\\DATA\\P\\ESCENE.BIN",
                                  "OPEN-R\\SYSTEM\\DATA\\P\\AIBO-ID",
                                  "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANDFLT.TXT",
                                  "OPEN-R\\SYSTEM\\CONF\\WLAN\\HTML\\WLANCONF.TXT",
                                  "OPEN-R\\MW\\CONF\\VOLUME.CFG",
                                  "OPEN-R\\APP\\DATA\\P\\tr.ct",
                                  "OPEN-R\\APP\\DATA\\P\\FIFDATA.BIN"})
        EXPECT_TRUE(findFile(files, stickPath)) << stickPath;
    const StickImageFile* voiceData = findFile(files, "OPEN-R\\APP\\DATA\\E\\HMMDATA.BIN");
    ASSERT_TRUE(voiceData);
    EXPECT_EQ(voiceData->bytes.size(), 239456u) << "the size the English software expects";
    EXPECT_EQ(files.back().stickPath, "memstick.ind") << "the stick marker is written last";
}

TEST(SampleStick, IsTheSameOnEveryRun)
{
    const std::vector<StickImageFile> first = sampleStickFiles();
    const std::vector<StickImageFile> second = sampleStickFiles();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i)
        EXPECT_EQ(first[i].bytes, second[i].bytes) << first[i].stickPath;
}

TEST(StickImage, StoresNamesInUpperCaseBelowTheRoot)
{
    EXPECT_EQ(diskPathOf("OPEN-R\\APP\\DATA\\P\\tr.ct"), fs::path("OPEN-R") / "APP" / "DATA" / "P" / "TR.CT");
    EXPECT_EQ(diskPathOf("custom\\comments.ini"), fs::path("CUSTOM") / "COMMENTS.INI");
    EXPECT_EQ(diskPathOf("memstick.ind"), fs::path("MEMSTICK.IND"));
}

TEST_F(SampleStickOnDisk, IsAcceptedAsAnEnglishAiboMindStick)
{
    ASSERT_EQ(writeSampleStick(root_), std::nullopt);
    StickRoot stick{utf8Text(fs::absolute(root_)), nullptr, -1};
    EXPECT_EQ(detectSoftware(stick), std::nullopt);
    ASSERT_TRUE(stick.softwareKind);
    EXPECT_STREQ(stick.softwareKind->description, "ERS-7 AiboMind V1/V2/V3");
    EXPECT_EQ(stick.languageCode, 3);
}

TEST_F(SampleStickOnDisk, WritingAgainRestoresAChangedFile)
{
    ASSERT_EQ(writeSampleStick(root_), std::nullopt);
    const fs::path colors = root_ / diskPathOf("OPEN-R\\APP\\DATA\\P\\tr.ct");
    const std::vector<std::uint8_t> original = fileBytes(colors);
    std::ofstream(colors, std::ios::binary | std::ios::app) << "longer";
    ASSERT_EQ(writeSampleStick(root_), std::nullopt);
    EXPECT_EQ(fileBytes(colors), original);
}

TEST_F(SampleStickOnDisk, ReportsAFolderThatCannotBeCreated)
{
    fs::create_directories(root_);
    std::ofstream(root_ / "OPEN-R") << "a file where a folder belongs";
    const std::optional<std::string> error = writeSampleStick(root_);
    ASSERT_TRUE(error);
    EXPECT_NE(error->find("OPEN-R"), std::string::npos) << *error;
}

}  // namespace
}  // namespace morvane::stickgen
