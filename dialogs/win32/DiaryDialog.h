// DiaryDialog: the window of the Diary command, the days, the chosen day's counters and the
// growth chart.
#pragma once

#include <optional>

#include "dialogs/win32/DibPicture.h"
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

    void paintChart(HDC dc) const;

    const DiaryRecords* diary_ = nullptr;
    std::optional<DibPicture> chart_;  // drawn once as the window opens
};

}  // namespace morvane::win32
