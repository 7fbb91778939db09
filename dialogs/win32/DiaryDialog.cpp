// The lists show their lines in a fixed-pitch font, so the table's columns stand under
// their headings. The chart is drawn once, into a picture in memory, as the window opens,
// and each paint copies that picture: a diary of years is thousands of points and line
// pixels, too many to draw through the device context whenever the window is uncovered.
#include "dialogs/win32/DiaryDialog.h"

#include <commctrl.h>

#include "base/win32/CentreOverOwner.h"
#include "base/win32/WideText.h"
#include "dialogs/win32/DiaryDialogRes.h"
#include "dialogs/win32/ProblemBox.h"
#include "pc/DiaryChart.h"
#include "ui/ImageCanvas.h"
#include "ui/MakeRoom.h"

namespace morvane::win32 {
namespace {

// The width in pixels a list needs to show its longest line whole, so it scrolls to it.
void fillList(HWND list, const std::vector<std::string>& lines)
{
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    HDC dc = GetDC(list);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& line : lines) {
        const std::wstring text = widenCodePage(line);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, size.cx);
    }
    ReleaseDC(list, dc);
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

// Where `control` lies in its dialog's client area.
PixelRect clientRect(HWND control)
{
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

}  // namespace

DiaryDialog::DiaryDialog(const DialogHost& host) : ModalDialog(host, IDD_DIARY) {}

void DiaryDialog::runModal(const DiaryRecords& diary)
{
    diary_ = &diary;
    runDialog();
    chart_.reset();
    diary_ = nullptr;
}

void DiaryDialog::onInit()
{
    const auto fixed = reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT));
    SendMessageW(item(IDC_DIARY_DAYS), WM_SETFONT, fixed, FALSE);
    SendMessageW(item(IDC_DIARY_COUNTERS), WM_SETFONT, fixed, FALSE);
    fillList(item(IDC_DIARY_DAYS), diary_->lines());
    showProblems(item(IDC_DIARY_PROBLEMS), diary_->problems());
    growChart();
    ImageCanvas drawn({0, 0, kDiaryChartWidth, kDiaryChartHeight});
    diary_->drawChart(drawn);
    chart_.emplace(drawn.image());
    SetWindowSubclass(item(IDC_DIARY_CHART), chartProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

// The chart is made 640 x 320 pixels, and the controls beside and below it and the window
// move or stretch by as much as it grew (or shrank) from its slot in dialog units.
void DiaryDialog::growChart()
{
    const PixelRect slot = clientRect(item(IDC_DIARY_CHART));
    const PixelRect grown{slot.left, slot.top, slot.left + kDiaryChartWidth, slot.top + kDiaryChartHeight};
    for (HWND control = GetWindow(window(), GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const PixelRect moved =
            control == item(IDC_DIARY_CHART) ? grown : madeRoom(clientRect(control), slot, grown);
        SetWindowPos(control, nullptr, moved.left, moved.top, moved.width(), moved.height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT frame{};
    GetWindowRect(window(), &frame);
    SetWindowPos(window(), nullptr, 0, 0, frame.right - frame.left + grown.right - slot.right,
                 frame.bottom - frame.top + grown.bottom - slot.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    centreOverOwner(window());  // again, at the size it now has
}

// A day chosen in the list shows its counters; the headings and the note show none.
void DiaryDialog::onNotification(int id, int code)
{
    if (id != IDC_DIARY_DAYS || code != LBN_SELCHANGE)
        return;
    const LRESULT selected = SendMessageW(item(IDC_DIARY_DAYS), LB_GETCURSEL, 0, 0);
    const std::optional<std::size_t> day =
        selected == LB_ERR ? std::nullopt : diary_->dayOfLine(static_cast<std::size_t>(selected));
    if (day)
        showCounters(*day);
    else
        SendMessageW(item(IDC_DIARY_COUNTERS), LB_RESETCONTENT, 0, 0);
}

void DiaryDialog::showCounters(std::size_t day)
{
    fillList(item(IDC_DIARY_COUNTERS), diary_->counterLines(day));
}

void DiaryDialog::paintChart(HDC dc) const
{
    if (chart_)
        chart_->draw(dc, {0, 0, chart_->width(), chart_->height()});
}

// The chart's picture covers the whole area, so the area neither erases nor paints itself
// first (which would flicker); it paints on the screen, or into the device context of
// WM_PRINTCLIENT.
LRESULT CALLBACK DiaryDialog::chartProc(HWND chart, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self)
{
    const auto& dialog = *reinterpret_cast<const DiaryDialog*>(self);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PRINTCLIENT:
        dialog.paintChart(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        dialog.paintChart(BeginPaint(chart, &paint));
        EndPaint(chart, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(chart, chartProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(chart, message, wParam, lParam);
}

}  // namespace morvane::win32
