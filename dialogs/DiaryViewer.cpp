// The diary is read whole before the window opens; the window works on the copy.
#include "dialogs/DiaryViewer.h"

#include "pc/DiaryChart.h"
#include "pc/DiaryCounterNames.h"
#include "pc/DiaryTable.h"

namespace morvane {
namespace {

// The table's lines before its first day: a title, an empty line and two of headings.
constexpr std::size_t kHeadingLines = 4;

}  // namespace

DiaryModel::DiaryModel(Diary diary) : diary_(std::move(diary)), lines_(diaryTableLines(diary_)) {}

std::optional<std::size_t> DiaryModel::dayOfLine(std::size_t line) const
{
    const std::size_t days = diary_.days.size();
    if (line < kHeadingLines || line >= kHeadingLines + days)
        return std::nullopt;
    return days - 1 - (line - kHeadingLines);  // the table shows the newest first
}

std::vector<std::string> DiaryModel::counterLines(std::size_t day) const
{
    const DiaryEntry& entry = diary_.days.at(day);
    if (entry.state != DiaryEntry::State::Ok)
        return {entry.listed.file + ": " + diaryStateName(entry.state)};
    std::vector<std::string> lines;
    for (const DiaryField& field : entry.day().fields)
        lines.push_back(counterLine(field));
    return lines;
}

void DiaryModel::drawChart(Canvas& canvas) const { drawDiaryChart(diary_, canvas); }

bool viewDiary(UserMessages& messages, ViewerReading& reading, DiaryDialogView& view)
{
    std::optional<Diary> diary = readDiary(reading);
    if (!reading.finish())
        return false;
    if (!diary) {
        const std::optional<std::string> note = unindexedDiaryNote();
        messages.showMessage("No diary on this stick" + (note ? "\n" + *note : std::string()));
        return false;
    }
    const DiaryModel model(std::move(*diary));
    view.runModal(model);
    return true;
}

}  // namespace morvane
