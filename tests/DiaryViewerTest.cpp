// The Diary command against a scripted window: the model's lines are morvane-cli's, a list
// line leads to its day, the counters carry readable names, and a stick without a diary
// gets the message alone; a long reading shows in the progress window, whose Cancel opens
// no window.
#include <gtest/gtest.h>

#include <chrono>

#include "dialogs/DiaryViewer.h"
#include "pc/DiaryCounterNames.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"
#include "ui/MakeRoom.h"

namespace morvane {
namespace {

// Keeps what the window would show of the model.
class CapturingDiaryView : public DiaryDialogView {
public:
    void runModal(const DiaryRecords& diary) override
    {
        shown = true;
        lines = diary.lines();
        for (std::size_t line = 0; line < lines.size(); ++line)
            if (const std::optional<std::size_t> day = diary.dayOfLine(line))
                counters.push_back(diary.counterLines(*day));
        problems = diary.problems();
    }
    bool shown = false;
    std::vector<std::string> lines;
    std::vector<std::vector<std::string>> counters;  // of each day line, top down
    std::vector<std::string> problems;
};

// The Diary window's controls, placed in pixels as 8-point dialog units come to at 96 dots
// per inch, around a chart slot of 549 x 274 pixels that the chart makes 640 x 320.
TEST(MadeRoom, ControlsBesideAndBelowTheChartMoveAndThoseAlongItStretch)
{
    const PixelRect slot{10, 177, 559, 451};
    const PixelRect grown{10, 177, 650, 497};
    EXPECT_EQ(madeRoom({570, 21, 785, 453}, slot, grown), (PixelRect{661, 21, 876, 499}));    // counters
    EXPECT_EQ(madeRoom({10, 21, 559, 171}, slot, grown), (PixelRect{10, 21, 650, 171}));      // days
    EXPECT_EQ(madeRoom({10, 459, 559, 489}, slot, grown), (PixelRect{10, 505, 650, 535}));    // problems
    EXPECT_EQ(madeRoom({709, 463, 784, 484}, slot, grown), (PixelRect{800, 509, 875, 530}));  // Done
    EXPECT_EQ(madeRoom({10, 6, 100, 19}, slot, grown), (PixelRect{10, 6, 100, 19}));          // "Days:"
    // A chart smaller than its slot draws the others in by as much.
    EXPECT_EQ(madeRoom({709, 463, 784, 484}, slot, {10, 177, 500, 400}), (PixelRect{650, 412, 725, 433}));
}

TEST(DiaryCounterNames, KnownGroupsInWordsOthersAsWritten)
{
    EXPECT_EQ(readableCounterName("SKILL/BALL"), "Skill: ball");
    EXPECT_EQ(readableCounterName("BEHAVIOR/V_SHAKE_HANDS"), "Behaviour: voice command shake hands");
    EXPECT_EQ(readableCounterName("RECOGNITION/FACE_OWNER1"), "Recognised: face owner 1");
    EXPECT_EQ(readableCounterName("RECOGNITION/TOUCH_ON"), "Recognised: touched");
    EXPECT_EQ(readableCounterName("REGISTRATION/AIBONAME"), "Registered: its own name");
    EXPECT_EQ(readableCounterName("STATISTICS/OPERATION_TIME"), "Statistics: operation time");
    EXPECT_EQ(readableCounterName("MOOD/JOY"), "MOOD/JOY");
    EXPECT_EQ(readableCounterName("SKILL/DEEP/ER"), "SKILL/DEEP/ER");
    EXPECT_EQ(counterLine({"SKILL/BONE", "250"}), "Skill: bone                          2.50%");
    EXPECT_EQ(counterLine({"SKILL/RESET", "0"}), "Skill: reset                         0");
}

class DiaryViewerTest : public ::testing::Test {
protected:
    test::TempStick stick;
    test::CurrentDirectoryGuard guard;
    test::ScriptedUi ui;
    CapturingDiaryView view;
};

TEST_F(DiaryViewerTest, TheWindowListsWhatTheCliPrintsAndEachDaysCounters)
{
    ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt);
    const std::vector<std::string> printed = test::outputLines(test::runCli({"diary", stick.rootPath()}).out);
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ViewerReading reading(ui.progress, "Diary", std::chrono::hours(1));
    EXPECT_TRUE(viewDiary(ui.messages, reading, view));
    EXPECT_TRUE(ui.log.empty());  // read before the progress window was due
    EXPECT_EQ(view.lines, printed);
    EXPECT_TRUE(view.problems.empty());
    ASSERT_EQ(view.counters.size(), 8u);
    // The first day line is the newest day, 2017-05-31.
    EXPECT_EQ(view.counters.front().front(), "Common: version                      1.0");
    EXPECT_NE(std::find(view.counters.front().begin(), view.counters.front().end(),
                        "Skill: ball                          33.00%"),
              view.counters.front().end());
    // 2017-05-28 holds an element other software writes, shown as it stands (in UTF-8, as
    // the XML reader gives every text).
    EXPECT_EQ(view.counters[3].back(), "MOOD/NOTE                            Zo\xc3\xa9");
}

TEST_F(DiaryViewerTest, AStickWithoutADiaryGetsTheMessageAlone)
{
    stick.writeMarker();
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ViewerReading reading(ui.progress, "Diary");
    EXPECT_FALSE(viewDiary(ui.messages, reading, view));
    EXPECT_FALSE(view.shown);
    EXPECT_EQ(ui.log, std::vector<std::string>{"message: No diary on this stick"});
}

// A reading that takes longer than the progress window's patience (here none) shows each day
// file in it; the window closes before the Diary window opens, and Cancel opens none.
TEST_F(DiaryViewerTest, ALongReadingIsShownInTheProgressWindowAndCanBeCancelled)
{
    ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt);
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    ViewerReading reading(ui.progress, "Diary", std::chrono::milliseconds(0));
    EXPECT_TRUE(viewDiary(ui.messages, reading, view));
    EXPECT_TRUE(view.shown);
    ASSERT_EQ(ui.log.size(), 10u);
    EXPECT_EQ(ui.log.front(), "progress open Diary");
    EXPECT_EQ(ui.log[1], "progress 1/8 OPEN-R/APP/PC/DIARY/AI170528.XML");  // in the index's order
    EXPECT_EQ(ui.log.back(), "progress closed");

    ui.log.clear();
    view.shown = false;
    ui.progress.cancelAt = "OPEN-R/APP/PC/DIARY/AI000101.XML";
    ViewerReading cancelled(ui.progress, "Diary", std::chrono::milliseconds(0));
    EXPECT_FALSE(viewDiary(ui.messages, cancelled, view));
    EXPECT_FALSE(view.shown);
    EXPECT_EQ(ui.log, (test::UiLog{"progress open Diary", "progress 1/8 OPEN-R/APP/PC/DIARY/AI170528.XML",
                                   "progress 2/8 OPEN-R/APP/PC/DIARY/AI170525.XML",
                                   "progress 3/8 OPEN-R/APP/PC/DIARY/AI000101.XML", "progress closed"}));
}

}  // namespace
}  // namespace morvane
