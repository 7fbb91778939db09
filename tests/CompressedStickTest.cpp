// A stick whose files are stored gzip-compressed, as the robot stores its settings, reads
// exactly as the same stick with the files plain: every report, both editors (what they
// show and what they save) and both viewers, through morvane-cli.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/CliMain.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

struct CliRun {
    int status;
    std::string out;
    std::string err;
    bool operator==(const CliRun&) const = default;
};

// morvane-cli with STICK standing for the stick's folder; the folder's own name, which
// the Summary shows, is put back as STICK in what it prints.
CliRun runOn(const test::TempStick& stick, std::vector<std::string> args)
{
    test::CurrentDirectoryGuard guard;
    for (std::string& arg : args) {
        if (arg == "STICK")
            arg = stick.rootPath();
    }
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    std::string text = out.str();
    const std::string root = stick.rootPath();
    for (std::size_t at = text.find(root); at != std::string::npos; at = text.find(root, at))
        text.replace(at, root.size(), "STICK");
    return {status, text, err.str()};
}

Bytes fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

class CompressedStickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(stickgen::writeSampleStick(plain.dir()));
        ASSERT_FALSE(stickgen::writeSampleStick(compressed.dir(), true));
        ASSERT_TRUE(stickgen::gunzipWithZlib(fileBytes(compressed.dir() / "OPEN-R/MW/CONF/VOLUME.CFG")))
            << "the second stick's files are compressed";
    }

    void expectSameOutput(const std::vector<std::string>& args)
    {
        const CliRun fromPlain = runOn(plain, args);
        EXPECT_EQ(runOn(compressed, args), fromPlain) << args[0] << " " << args[1];
        EXPECT_EQ(fromPlain.err, "") << args[0] << " " << args[1];
    }

    // The content of a file of the compressed stick, which must still be compressed.
    Bytes decompressed(const char* path) const
    {
        const std::optional<stickgen::GunzippedFile> file =
            stickgen::gunzipWithZlib(fileBytes(compressed.dir() / path));
        EXPECT_TRUE(file.has_value()) << path << " is no longer compressed";
        return file ? file->content : Bytes{};
    }

    test::TempStick plain;
    test::TempStick compressed;
};

TEST_F(CompressedStickTest, EveryReportReadsAsFromThePlainFiles)
{
    expectSameOutput({"detect", "STICK"});
    expectSameOutput({"report", "all", "STICK", "--crlf"});
    for (const char* entry : {"summary", "name-owner", "lan-settings", "global-variables", "flash-variables",
                              "r-variables", "diary-variables", "versions"})
        expectSameOutput({"report", entry, "STICK"});
}

TEST_F(CompressedStickTest, TheEditorsShowTheSameValuesAndSaveTheSameContent)
{
    expectSameOutput({"skills", "STICK"});
    expectSameOutput({"volume", "STICK"});
    expectSameOutput({"skills", "STICK", "--preset", "baby", "--walk", "1234"});
    expectSameOutput({"volume", "STICK", "--preset", "quiet", "--volume3", "60"});
    EXPECT_EQ(decompressed("OPEN-R/APP/DATA/P/FVAR"), fileBytes(plain.dir() / "OPEN-R/APP/DATA/P/FVAR"));
    EXPECT_EQ(decompressed("OPEN-R/MW/CONF/VOLUME.CFG"),
              fileBytes(plain.dir() / "OPEN-R/MW/CONF/VOLUME.CFG"));
}

TEST_F(CompressedStickTest, TheViewersDrawTheSamePictures)
{
    expectSameOutput({"colors", "STICK"});
    expectSameOutput({"faces", "STICK"});
    const fs::path pictures = plain.dir().parent_path() / (plain.dir().filename().string() + "-pictures");
    for (const test::TempStick* stick : {&plain, &compressed}) {
        const fs::path folder = pictures / (stick == &plain ? "plain" : "compressed");
        fs::create_directories(folder);
        ASSERT_EQ(runOn(*stick, {"colors", "STICK", "--png", (folder / "colors.png").string()}).status, 0);
        ASSERT_EQ(runOn(*stick, {"faces", "STICK", "--png", folder.string()}).status, 0);
    }
    for (const fs::directory_entry& picture : fs::directory_iterator(pictures / "plain"))
        EXPECT_EQ(fileBytes(pictures / "compressed" / picture.path().filename()), fileBytes(picture.path()))
            << picture.path().filename();
    fs::remove_all(pictures);
}

}  // namespace
}  // namespace morvane
