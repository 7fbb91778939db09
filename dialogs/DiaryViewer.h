// The Diary command: the robot's diary in its window.
#pragma once

#include <optional>

#include "dialogs/ViewerReading.h"
#include "pc/Diary.h"
#include "ui/DiaryDialogView.h"
#include "ui/UserMessages.h"

namespace morvane {

// The diary as the window shows it.
class DiaryModel final : public DiaryRecords {
public:
    explicit DiaryModel(Diary diary);
    const std::vector<std::string>& lines() const override { return lines_; }
    std::optional<std::size_t> dayOfLine(std::size_t line) const override;
    std::vector<std::string> counterLines(std::size_t day) const override;
    const std::vector<std::string>& problems() const override { return diary_.problems; }
    void drawChart(Canvas& canvas) const override;

private:
    Diary diary_;
    std::vector<std::string> lines_;
};

// Reads the diary of the open stick, through `reading`, and shows `view` over it; false,
// after its message, when the stick has none, and false when Cancel stopped the reading.
bool viewDiary(UserMessages& messages, ViewerReading& reading, DiaryDialogView& view);

}  // namespace morvane
