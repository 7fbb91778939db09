// ScanDialog: the modeless scanning window of the start-up's drive scan.
#pragma once

#include <windows.h>

#include "ui/ScanWindow.h"

namespace morvane {

class ScanDialog : public ScanWindow {
public:
    explicit ScanDialog(HINSTANCE instance) : instance_(instance) {}
    ~ScanDialog() override { close(); }
    ScanDialog(const ScanDialog&) = delete;
    ScanDialog& operator=(const ScanDialog&) = delete;

    void open() override;
    void showProbePath(std::string_view path) override;
    void deliverWaitingMessages() override;
    bool manualOpenRequested() const override { return manualOpenRequested_; }
    void close() override;

private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    bool manualOpenRequested_ = false;
};

}  // namespace morvane
