// DiaryDialog: the window of the Diary command, the days, the chosen day's counters and the
// growth chart.
#pragma once

#include "dialogs/win32/ModalDialog.h"
#include "ui/DiaryDialogView.h"

namespace morvane::win32 {

class DiaryDialog final : public DiaryDialogView, private ModalDialog {
public:
    explicit DiaryDialog(const DialogHost& host);
    void runModal(const DiaryRecords& diary) override;

private:
    void onInit() override;
    void onNotification(int id, int code) override;
    void growChart();
    void showCounters(std::size_t day);
    static LRESULT CALLBACK chartProc(HWND chart, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR subclassId, DWORD_PTR self);

    const DiaryRecords* diary_ = nullptr;
};

}  // namespace morvane::win32
