// View > Diary in Morvane.exe on a copy of the sample stick: its day list is morvane-cli's,
// a chosen day shows its counters, and the chart area paints what diary --png writes.
#include "app/MainWindowCommandIds.h"
#include "dialogs/win32/DiaryDialogRes.h"
#include "pc/DiaryChart.h"
#include "tests/support/CliRun.h"
#include "tests/win32/ProgramOnStickCopy.h"
#include "tests/win32/WindowCapture.h"

namespace morvane::test {
namespace {

class DiaryWindowTest : public ProgramOnStickCopy {
protected:
    HWND openDiary() { return openDialog(IDM_DIARY, L"Diary"); }
    static std::vector<std::string> entriesOf(HWND list)
    {
        std::vector<std::string> entries;
        for (const std::wstring& entry : listBoxEntries(list))
            entries.push_back(toCodePage(entry));
        return entries;
    }
};

TEST_F(DiaryWindowTest, ListsTheCliLinesAndShowsTheChosenDaysCounters)
{
    const std::vector<std::string> printed = outputLines(runCli({"diary", stick.rootPath()}).out);
    startProgram();
    HWND dialog = openDiary();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(entriesOf(GetDlgItem(dialog, IDC_DIARY_DAYS)), printed);
    HWND days = GetDlgItem(dialog, IDC_DIARY_DAYS);
    SendMessageW(days, LB_SETCURSEL, 4, 0);  // the newest day, 2017-05-31
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_DIARY_DAYS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(days));
    const std::vector<std::string> counters = entriesOf(GetDlgItem(dialog, IDC_DIARY_COUNTERS));
    ASSERT_FALSE(counters.empty());
    EXPECT_EQ(counters.front(), "Common: version                      1.0");
    EXPECT_NE(std::find(counters.begin(), counters.end(), "Skill: ball                          33.00%"),
              counters.end());
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

// The program's current directory is the stick's, so the expected chart reads the same diary.
TEST_F(DiaryWindowTest, TheChartAreaPaintsTheChartPixelForPixel)
{
    startProgram();
    HWND dialog = openDiary();
    ASSERT_NE(dialog, nullptr);
    // Nothing lies over the chart, and the window holds every control.
    const auto placeOf = [dialog](int id) {
        RECT place{};
        GetWindowRect(GetDlgItem(dialog, id), &place);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    const RECT chart = placeOf(IDC_DIARY_CHART);
    EXPECT_GE(placeOf(IDC_DIARY_COUNTERS).left, chart.right);
    EXPECT_GE(placeOf(IDC_DIARY_PROBLEMS).top, chart.bottom);
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_LE(placeOf(IDOK).right, client.right);
    EXPECT_LE(placeOf(IDOK).bottom, client.bottom);
    const ImageCanvas painted = printClient(GetDlgItem(dialog, IDC_DIARY_CHART));
    ASSERT_EQ(painted.width(), kDiaryChartWidth);
    ASSERT_EQ(painted.height(), kDiaryChartHeight);
    ImageCanvas expected({0, 0, kDiaryChartWidth, kDiaryChartHeight});
    UnwatchedReading unwatched;
    drawDiaryChart(*readDiary(unwatched), expected);
    int differing = 0;
    for (int y = 0; y < kDiaryChartHeight; ++y)
        for (int x = 0; x < kDiaryChartWidth; ++x)
            differing += painted.pixel(x, y) == expected.pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(dialog); }));
}

}  // namespace
}  // namespace morvane::test
