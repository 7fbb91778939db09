// The information list as the main window's list box.
#pragma once

#include <windows.h>

#include <vector>

#include "reports/InfoList.h"

namespace morvane::win32 {

class ListBoxInfoList : public InfoList {
public:
    void attach(HWND listBox) { listBox_ = listBox; }

    void addLine(std::string_view text) override;
    void clear() override;
    std::size_t lineCount() const override { return lines_.size(); }
    std::string line(std::size_t index) const override { return lines_.at(index); }

private:
    HWND listBox_ = nullptr;
    std::vector<std::string> lines_;
};

}  // namespace morvane::win32
