// ScanningWindow: the modeless scanning window of the start-up's drive scan.
#pragma once

#include <windows.h>

#include "base/win32/Dialog.h"
#include "ui/ScanWindow.h"

namespace morvane::win32 {

class ScanningWindow final : public ScanWindow, private Dialog {
public:
    explicit ScanningWindow(HINSTANCE instance) : instance_(instance) {}
    ~ScanningWindow() override { close(); }

    void open() override;
    void showProbePath(std::string_view path) override;
    void deliverWaitingMessages() override;
    bool manualOpenRequested() const override { return manualOpenRequested_; }
    void close() override;

private:
    void onCommand(int id) override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HINSTANCE instance_;
    bool manualOpenRequested_ = false;
};

}  // namespace morvane::win32
