// The main window's commands against the scripted window system: Open, the clipboard
// copy, and the editors and viewers.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/MainWindowCommandIds.h"
#include "app/MainWindowCommands.h"
#include "app/ReportClipboard.h"
#include "dialogs/VolumeConfigFile.h"
#include "reports/FlashVarFile.h"
#include "reports/ReportTree.h"
#include "stick/Detection.h"
#include "stick/OsFile.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedSliderView.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/FlashVarFile.h"
#include "tools/stickgen/SampleStick.h"
#include "ui/MemoryTreeControl.h"

namespace morvane {
namespace {

using Lines = std::vector<std::string>;

MemoryInfoList listOf(const Lines& lines)
{
    MemoryInfoList list;
    for (const std::string& line : lines)
        list.addLine(line);
    return list;
}

bool shows(const MemoryInfoList& list, const std::string& line)
{
    return std::find(list.lines().begin(), list.lines().end(), line) != list.lines().end();
}

// Viewers that note in the log that they were shown.
class LoggingColorView : public ColorDialogView {
public:
    explicit LoggingColorView(test::UiLog& log) : log_(log) {}
    void runModal(const ColorAreaPainter&) override { log_.push_back("colour dialog"); }

private:
    test::UiLog& log_;
};

class LoggingFaceView : public FaceDialogView {
public:
    explicit LoggingFaceView(test::UiLog& log) : log_(log) {}
    void runModal(const FaceRecords& faces) override
    {
        log_.push_back("face dialog: " + std::to_string(faces.faceCount()) + " faces");
    }

private:
    test::UiLog& log_;
};

class LoggingDiaryView : public DiaryDialogView {
public:
    explicit LoggingDiaryView(test::UiLog& log) : log_(log) {}
    void runModal(const DiaryRecords& diary) override
    {
        log_.push_back("diary dialog: " + std::to_string(diary.lines().size()) + " lines");
    }

private:
    test::UiLog& log_;
};

class LoggingPhotoView : public PhotoAlbumView {
public:
    explicit LoggingPhotoView(test::UiLog& log) : log_(log) {}
    void runModal(PhotoRecords& album) override
    {
        log_.push_back("photo dialog: " + std::to_string(album.lines().size()) + " photos");
    }

private:
    test::UiLog& log_;
};

class LoggingVoiceView : public VoiceDialogView {
public:
    explicit LoggingVoiceView(test::UiLog& log) : log_(log) {}
    void runModal(VoiceRecords& voices) override
    {
        log_.push_back("voice dialog: " + std::to_string(voices.lines().size()) + " slots");
    }

private:
    test::UiLog& log_;
};

TEST(ReportClipboard, EveryLineEndsInCrLfAndTheTextInOneNul)
{
    using namespace std::string_literals;
    EXPECT_EQ(clipboardText(listOf({})), "\0"s);
    EXPECT_EQ(clipboardText(listOf({"a", ""})), "a\r\n\r\n\0"s);
    EXPECT_EQ(clipboardText(listOf({"x\n", "\xE9t\xE9"})), "x\n\r\n\xE9t\xE9\r\n\0"s);
}

TEST(ReportClipboard, AFailureIsShownAndLeavesTheClipboardAlone)
{
    test::ScriptedUi ui;
    const MemoryInfoList list = listOf({"a"});
    ui.clipboard.answer = Clipboard::Result::NoMemory;
    copyReportToClipboard(list, ui.clipboard, ui.messages);
    ui.clipboard.answer = Clipboard::Result::Refused;
    copyReportToClipboard(list, ui.clipboard, ui.messages);
    EXPECT_EQ(ui.log, (Lines{"message: GlobalAlloc failed", "message: Clipboard error"}));
    EXPECT_FALSE(ui.clipboard.content);
}

// A main window on an open stick, with "LAN settings" selected and shown.
class MainWindowCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeAcceptable(first);
        ASSERT_TRUE(changeDirectory(first.rootPath()));
        firstRoot = current();
        stick.rootPath = firstRoot;
        ASSERT_EQ(detectSoftware(stick), std::nullopt);
        buildReportTree(tree);
        tree.select(itemTitled("LAN settings"));
        showSelectedReport(tree, list, ui.waitCursor, stick);
        shownBefore = list.lines();
        ui.log.clear();
    }
    void TearDown() override { releaseReportTree(tree); }

    static void makeAcceptable(const test::TempStick& onDisk)
    {
        onDisk.writeMarker();
        onDisk.write("OPEN-R/SYSTEM/VERSION", "any");
    }
    TreeControl::Item itemTitled(std::string_view title) const
    {
        for (TreeControl::Item item : tree.itemsInDisplayOrder())
            if (tree.title(item) == title)
                return item;
        return TreeControl::kTopLevel;
    }
    void open(const std::filesystem::path& chosen)
    {
        ui.fileDialog.choices = {chosen.string()};
        EXPECT_TRUE(runStickCommand(IDM_OPEN, context));
    }
    std::string current() const { return currentDirectory().value_or(""); }

    test::CurrentDirectoryGuard guard;
    test::TempStick first;
    std::string firstRoot;
    StickRoot stick;
    MemoryTreeControl tree;
    MemoryInfoList list;
    test::ScriptedUi ui;
    test::ScriptedSliderView skillView{test::pressSave};
    test::ScriptedSliderView volumeView{[](SliderControls&) { return false; }};
    LoggingColorView colorView{ui.log};
    LoggingFaceView faceView{ui.log};
    LoggingDiaryView diaryView{ui.log};
    LoggingPhotoView photoView{ui.log};
    LoggingVoiceView voiceView{ui.log};
    MainWindowContext context{{stick, ui.messages, ui.questions, ui.fileDialog, ui.saveDialog, ui.clipboard,
                               ui.waitCursor, ui.progress, ui.player},
                              tree,
                              list,
                              {skillView, volumeView, colorView, faceView, diaryView, photoView, voiceView}};
    Lines shownBefore;
};

TEST_F(MainWindowCommandsTest, OpeningAnotherStickShowsItsSummary)
{
    test::TempStick second;
    makeAcceptable(second);
    open(second.dir() / "MEMSTICK.IND");
    EXPECT_EQ(tree.selectedItem(), itemTitled("Summary"));
    EXPECT_TRUE(shows(list, "Browsing OpenR from " + systemCodePageText(current())));
    EXPECT_EQ(std::filesystem::path(stick.rootPath), second.dir());
}

TEST_F(MainWindowCommandsTest, CancellingOpenChangesNothing)
{
    EXPECT_TRUE(runStickCommand(IDM_OPEN, context));
    EXPECT_EQ(ui.log, Lines{"file dialog"});
    EXPECT_EQ(list.lines(), shownBefore);
    EXPECT_EQ(tree.selectedItem(), itemTitled("LAN settings"));
}

TEST_F(MainWindowCommandsTest, ADirectoryThatCannotBeEnteredFailsAlone)
{
    open(first.dir() / "gone" / "MEMSTICK.IND");
    EXPECT_EQ(ui.log, (Lines{"file dialog", "message: Failed to open new image"}));
    EXPECT_EQ(current(), firstRoot);
    EXPECT_EQ(list.lines(), shownBefore);
}

// Two refusals: a folder without the marker, and a stick whose detection finds the marker
// and then no VERSION file (after clearing what it knew).
TEST_F(MainWindowCommandsTest, ARefusedStickShowsBothMessagesAndTheWindowStaysOnItsStick)
{
    const StickRoot before = stick;
    test::TempStick notAStick;
    notAStick.write("other.ind", "");
    test::TempStick noSoftware;
    noSoftware.writeMarker();
    open(notAStick.dir() / "other.ind");
    open(noSoftware.dir() / "MEMSTICK.IND");
    EXPECT_EQ(ui.log, (Lines{"file dialog", "message: Stick Open Error: can't open memstick.ind",
                             "message: Failed to open new image", "file dialog",
                             "message: Stick Open Error: missing VERSION file",
                             "message: Failed to open new image"}));
    EXPECT_EQ(list.lines(), shownBefore);
    EXPECT_EQ(current(), firstRoot);
    EXPECT_EQ(stick.rootPath, firstRoot);
    EXPECT_EQ(stick.softwareKind, before.softwareKind);
    EXPECT_EQ(stick.languageCode, before.languageCode);
    tree.select(itemTitled("Summary"));
    showSelectedReport(tree, list, ui.waitCursor, stick);
    EXPECT_TRUE(shows(list, "Browsing OpenR from " + systemCodePageText(firstRoot)));
}

// The refused stick holds FVAR and VOLUME.CFG of its own; the editors that follow read
// and save the open stick's.
TEST_F(MainWindowCommandsTest, AfterARefusedOpenTheEditorsReadAndSaveTheOpenStick)
{
    ASSERT_EQ(stickgen::writeSampleStick(first.dir()), std::nullopt);
    test::TempStick refused;
    ASSERT_EQ(stickgen::writeSampleStick(refused.dir()), std::nullopt);
    refused.remove("OPEN-R/APP/VERSION");
    refused.remove("OPEN-R/SYSTEM/VERSION");
    refused.write("OPEN-R/APP/DATA/P/FVAR", stickgen::encodeFlashVarFile({}));
    refused.write("OPEN-R/MW/CONF/VOLUME.CFG", encodeVolumeConfig({0x8000, 0xF600, 0xFB00, 0xFF00}));
    const auto refusedFvar = refused.read("OPEN-R/APP/DATA/P/FVAR");
    const auto refusedVolume = refused.read("OPEN-R/MW/CONF/VOLUME.CFG");
    const auto firstVolume = first.read("OPEN-R/MW/CONF/VOLUME.CFG");
    open(refused.dir() / "MEMSTICK.IND");
    ASSERT_EQ(ui.messages.shown.at(0), "Stick Open Error: missing VERSION file");

    const auto moveAndSave = [](int value) {
        return [value](SliderControls& controls) {
            for (std::size_t slider = 0; slider < SliderControls::kSliderCount; ++slider)
                controls.setPosition(slider, value);
            controls.save();
            return true;
        };
    };
    test::ScriptedSliderView skills{moveAndSave(10000)};
    test::ScriptedSliderView volume{moveAndSave(1)};
    MainWindowContext withScripts{
        context.services, tree, list, {skills, volume, colorView, faceView, diaryView, photoView, voiceView}};
    EXPECT_TRUE(runStickCommand(IDM_SKILL_LEVELS, withScripts));
    EXPECT_TRUE(runStickCommand(IDM_VOLUME_PRESETS, withScripts));
    EXPECT_EQ(skills.opened, (test::SliderPositionList{10000, 5000, 7500, 2500}));
    EXPECT_EQ(volume.opened, (test::SliderPositionList{0, 39, 54, 62}));
    FlashVars saved;
    ASSERT_TRUE(decodeFlashVars(first.read("OPEN-R/APP/DATA/P/FVAR"), saved));
    EXPECT_EQ((std::array{saved.values[3], saved.values[5], saved.values[7], saved.values[8]}),
              (std::array{10000, 10000, 10000, 10000}));
    EXPECT_NE(first.read("OPEN-R/MW/CONF/VOLUME.CFG"), firstVolume);
    EXPECT_EQ(refused.read("OPEN-R/APP/DATA/P/FVAR"), refusedFvar);
    EXPECT_EQ(refused.read("OPEN-R/MW/CONF/VOLUME.CFG"), refusedVolume);
}

// Check Stick: each file is shown in the progress window and the result replaces the
// list; Cancel, or a manifest of its own that cannot be used, leaves the list alone.
TEST_F(MainWindowCommandsTest, CheckStickShowsEachFileAndPutsTheResultInTheList)
{
    first.write("OPEN-R/APP/abc.txt", "abc");
    EXPECT_TRUE(runStickCommand(IDM_CHECK_STICK, context));
    EXPECT_EQ(ui.log, (Lines{"progress open Check Stick", "progress 1/3 MEMSTICK.IND",
                             "progress 2/3 OPEN-R/APP/abc.txt", "progress 3/3 OPEN-R/SYSTEM/VERSION",
                             "progress closed"}));
    EXPECT_EQ(list.lines(), Lines{"3 files checked, 0 problems"});

    ui.log.clear();
    ui.progress.cancelAt = "OPEN-R/APP/abc.txt";
    list.addLine("kept");
    EXPECT_TRUE(runStickCommand(IDM_CHECK_STICK, context));
    EXPECT_EQ(ui.log, (Lines{"progress open Check Stick", "progress 1/3 MEMSTICK.IND",
                             "progress 2/3 OPEN-R/APP/abc.txt", "progress closed",
                             "message: The check was cancelled"}));
    EXPECT_EQ(list.lines().back(), "kept");

    ui.log.clear();
    first.write("MORVANE-BACKUP.sha256", "not a line\n");
    EXPECT_TRUE(runStickCommand(IDM_CHECK_STICK, context));
    EXPECT_EQ(ui.log, Lines{"message: The manifest of the stick is damaged (line 1 does not parse)"});
}

TEST_F(MainWindowCommandsTest, CopyPutsTheShownLinesOnTheClipboard)
{
    EXPECT_TRUE(runStickCommand(IDM_COPY_REPORT, context));
    EXPECT_EQ(ui.clipboard.content, clipboardText(list));
    EXPECT_EQ(ui.log, Lines{});
}

TEST_F(MainWindowCommandsTest, EachEditorAndViewerCommandShowsItsOwnDialog)
{
    ASSERT_EQ(stickgen::writeSampleStick(first.dir()), std::nullopt);
    for (int id : {IDM_VOLUME_PRESETS, IDM_COLOR_PREFERENCES, IDM_HUMAN_FACES, IDM_DIARY, IDM_PHOTO_ALBUM,
                   IDM_VOICE_RECORDINGS})
        EXPECT_TRUE(runStickCommand(id, context));
    EXPECT_TRUE(volumeView.opened);
    EXPECT_FALSE(skillView.opened);
    // The diary's table: title, empty line, two headings, 8 days, empty line, note.
    EXPECT_EQ(ui.log, (Lines{"colour dialog", "face dialog: 4 faces", "diary dialog: 14 lines",
                             "photo dialog: 6 photos", "voice dialog: 25 slots"}));
    EXPECT_EQ(list.lines(), shownBefore);
    // The skill editor's confirmation replaces the report in the window's list.
    EXPECT_TRUE(runStickCommand(IDM_SKILL_LEVELS, context));
    EXPECT_TRUE(skillView.opened);
    EXPECT_EQ(list.lines(), (Lines{"Changes done", " click \"Summary\" to see new stage"}));
}

TEST_F(MainWindowCommandsTest, TheEditorsAndViewersReportAStickWithoutTheirFiles)
{
    for (int id : {IDM_SKILL_LEVELS, IDM_VOLUME_PRESETS, IDM_COLOR_PREFERENCES, IDM_HUMAN_FACES})
        EXPECT_TRUE(runStickCommand(id, context));
    EXPECT_EQ(ui.log, (Lines{"message: No FVAR file yet\nPlease reboot AIBO at least once",
                             "message: Missing VOLUME.CFG file", "message: Failed to open TR.CT file",
                             "message: No Human Faces stored on this stick"}));
    EXPECT_FALSE(runStickCommand(IDM_ABOUT, context));
    EXPECT_FALSE(runStickCommand(IDM_EXIT, context));
    EXPECT_EQ(list.lines(), shownBefore);
}

}  // namespace
}  // namespace morvane
