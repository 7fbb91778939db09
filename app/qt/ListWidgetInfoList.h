// The information list as the main window's QListWidget.
#pragma once

#include <vector>

#include "reports/InfoList.h"

class QListWidget;

namespace morvane::qt {

class ListWidgetInfoList : public InfoList {
public:
    explicit ListWidgetInfoList(QListWidget& view) : view_(view) {}

    void addLine(std::string_view text) override;
    void clear() override;
    std::size_t lineCount() const override { return lines_.size(); }
    std::string line(std::size_t index) const override { return lines_.at(index); }

private:
    QListWidget& view_;
    std::vector<std::string> lines_;
};

}  // namespace morvane::qt
