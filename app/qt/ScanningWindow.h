// ScanningWindow: the modeless window of the start-up scan, showing where it looks.
#pragma once

#include <memory>

#include "ui/ScanWindow.h"

class QDialog;
class QLabel;

namespace morvane::qt {

class ScanningWindow : public ScanWindow {
public:
    ScanningWindow();
    ~ScanningWindow() override;
    ScanningWindow(const ScanningWindow&) = delete;
    ScanningWindow& operator=(const ScanningWindow&) = delete;

    void open() override;
    void showProbePath(std::string_view path) override;
    void deliverWaitingMessages() override;
    bool manualOpenRequested() const override { return manualOpenRequested_; }
    void close() override;

private:
    std::unique_ptr<QDialog> dialog_;
    QLabel* probePath_ = nullptr;
    bool manualOpenRequested_ = false;
};

}  // namespace morvane::qt
