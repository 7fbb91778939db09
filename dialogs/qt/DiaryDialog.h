// DiaryDialog: the Qt window of the Diary command, the days, the chosen day's counters and
// the growth chart.
#pragma once

#include "ui/DiaryDialogView.h"

class QWidget;

namespace morvane::qt {

class DiaryDialog final : public DiaryDialogView {
public:
    // Each run opens a window modal over `parent` (the main window).
    explicit DiaryDialog(QWidget* parent) : parent_(parent) {}

    void runModal(const DiaryRecords& diary) override;

private:
    QWidget* parent_;
};

}  // namespace morvane::qt
