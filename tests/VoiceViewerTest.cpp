// The Voice Recordings command against a scripted window: the model's lines are
// morvane-cli's, Play hands the player the stick's file, Save As writes it where the owner
// chose, and each failure is a message.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Utf8Path.h"
#include "dialogs/VoiceViewer.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Plays line `play` and saves line `save` as the owner would, keeping what it showed.
class PressingVoiceView : public VoiceDialogView {
public:
    void runModal(VoiceRecords& voices) override
    {
        lines = voices.lines();
        problems = voices.problems();
        voices.play(play);
        voices.saveAs(save);
    }
    std::size_t play = 0;
    std::size_t save = 21;
    std::vector<std::string> lines;
    std::vector<std::string> problems;
};

class VoiceViewerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt); }
    // The slots read and shown; the progress window is due after `patience`.
    bool view(std::chrono::milliseconds patience = std::chrono::hours(1))
    {
        ViewerReading reading(ui.progress, "Voice Recordings", patience);
        const StickRoot root = stick.stickRoot();
        return viewVoiceRecordings({ui.messages, ui.saveDialog, ui.player, root}, reading, window);
    }
    fs::path voice(const char* file) const { return stick.dir() / "OPEN-R" / "APP" / "PC" / "VOICE" / file; }

    test::TempStick stick;
    test::TempStick elsewhere;
    test::CurrentDirectoryGuard guard;
    test::ScriptedUi ui;
    PressingVoiceView window;
};

// Each slot is shown in the progress window once it is due; its Cancel opens no window.
TEST_F(VoiceViewerTest, SlotsShowInTheProgressWindowWhoseCancelOpensNoWindow)
{
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ui.progress.cancelAt = "OPEN-R/APP/PC/VOICE/0002.WAV";
    EXPECT_FALSE(view(std::chrono::milliseconds(0)));
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(ui.log, (std::vector<std::string>{
                          "progress open Voice Recordings", "progress 1/25 OPEN-R/APP/PC/VOICE/0000.WAV",
                          "progress 2/25 OPEN-R/APP/PC/VOICE/0001.WAV",
                          "progress 3/25 OPEN-R/APP/PC/VOICE/0002.WAV", "progress closed"}));
}

TEST_F(VoiceViewerTest, PlayAndSaveAsWorkOnTheSticksFiles)
{
    const std::string printed = test::runCli({"voices", stick.rootPath()}).out;
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ui.saveDialog.choices = {utf8Text(elsewhere.dir() / "kept.wav")};
    EXPECT_TRUE(view());
    std::string shown;
    for (const std::string& line : window.lines)
        shown += line + "\n";
    EXPECT_EQ(shown, printed);
    EXPECT_EQ(ui.log,
              (std::vector<std::string>{"played 40044 bytes", "save dialog Save Recording As: 0021.WAV"}));
    EXPECT_EQ(ui.player.played, fileBytes(voice("0000.WAV")));
    EXPECT_EQ(fileBytes(elsewhere.dir() / "kept.wav"), fileBytes(voice("0021.WAV")));
}

// A recording is not copied onto the stick, where it would replace the robot's own file.
TEST_F(VoiceViewerTest, SaveAsRefusesAPlaceOnTheStick)
{
    const std::vector<std::uint8_t> slot0 = fileBytes(voice("0000.WAV"));
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    const std::string onStick =
        utf8Text(stick.dir() / "OPEN-R" / ".." / "OPEN-R" / "APP" / "PC" / "VOICE" / "0000.WAV");
    ui.saveDialog.choices = {onStick};
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.messages.shown, std::vector<std::string>{"Cannot write " + onStick +
                                                          ": it lies inside the stick; nothing was written"});
    EXPECT_EQ(fileBytes(voice("0000.WAV")), slot0);
}

#ifndef _WIN32
// The chosen name is the computer's own: a file in other letter case beside it is another
// file, and a backslash is a letter of the name.
TEST_F(VoiceViewerTest, SaveAsWritesTheChosenNameAsItStands)
{
    std::ofstream(elsewhere.dir() / "KEPT.wav") << "another file";
    fs::create_directories(elsewhere.dir() / "sub");
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ui.saveDialog.choices = {utf8Text(elsewhere.dir() / "kept.WAV"),
                             utf8Text(elsewhere.dir() / "sub\\x.wav")};
    EXPECT_TRUE(view());
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.messages.shown, std::vector<std::string>{});
    EXPECT_EQ(fileBytes(elsewhere.dir() / "KEPT.wav"),
              (std::vector<std::uint8_t>{'a', 'n', 'o', 't', 'h', 'e', 'r', ' ', 'f', 'i', 'l', 'e'}));
    EXPECT_EQ(fileBytes(elsewhere.dir() / "kept.WAV"), fileBytes(voice("0021.WAV")));
    EXPECT_EQ(fileBytes(elsewhere.dir() / "sub\\x.wav"), fileBytes(voice("0021.WAV")));
    EXPECT_FALSE(fs::exists(elsewhere.dir() / "sub" / "x.wav"));
}
#endif

TEST_F(VoiceViewerTest, ABrokenSlotIsNamedAndAFailureIsAMessage)
{
    std::ofstream(voice("0003.WAV"), std::ios::binary | std::ios::trunc) << "RIFF....WAVE";
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ui.player.canPlay = false;
    ui.saveDialog.choices = {utf8Text(elsewhere.dir() / "no such folder" / "kept.wav")};
    EXPECT_TRUE(view());
    EXPECT_EQ(window.lines.size(), 24u);
    EXPECT_EQ(window.problems, std::vector<std::string>{"OPEN-R/APP/PC/VOICE/0003.WAV: cut short"});
    EXPECT_EQ(ui.messages.shown,
              (std::vector<std::string>{"This computer cannot play 0000.WAV",
                                        "Cannot write " +
                                            utf8Text(elsewhere.dir() / "no such folder" / "kept.wav") +
                                            "; nothing was written"}));
    fs::remove_all(voice("0000.WAV").parent_path());
    ui.log.clear();
    EXPECT_FALSE(view());
    EXPECT_EQ(ui.log, std::vector<std::string>{"message: No voice recordings on this stick"});
}

}  // namespace
}  // namespace morvane
