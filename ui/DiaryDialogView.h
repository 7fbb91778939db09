// The seam for the Diary window: the days as morvane-cli diary lists them, the chosen
// day's every counter, the growth chart, and what could not be read. DiaryRecords is the
// window's model; a DiaryDialogView shows it modally.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/Canvas.h"

namespace morvane {

class DiaryRecords {
public:
    virtual ~DiaryRecords() = default;
    // The day list, line for line what morvane-cli diary prints: headings, the days newest
    // first, a closing note.
    virtual const std::vector<std::string>& lines() const = 0;
    // The day on list line `line`; none for the headings and the note.
    virtual std::optional<std::size_t> dayOfLine(std::size_t line) const = 0;
    // The day's every counter, one line each under a readable name.
    virtual std::vector<std::string> counterLines(std::size_t day) const = 0;
    // One line for each file that could not be read; empty when all was.
    virtual const std::vector<std::string>& problems() const = 0;
    // Paints the growth chart from (0, 0), 640 x 320 pixels (kDiaryChartWidth and
    // kDiaryChartHeight of pc/DiaryChart.h).
    virtual void drawChart(Canvas& canvas) const = 0;
};

class DiaryDialogView {
public:
    virtual ~DiaryDialogView() = default;
    // Shows the window until the user presses "Done": no day chosen at first.
    virtual void runModal(const DiaryRecords& diary) = 0;
};

}  // namespace morvane
