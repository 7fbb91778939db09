// The information list: the ordered lines of text that every report writes and that
// the clipboard copy reads. The window's list box is one implementation; MemoryInfoList
// serves morvane-cli and the tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

class InfoList {
public:
    virtual ~InfoList() = default;
    // Appends `text` as the last line; line breaks inside it stay part of the one line.
    virtual void addLine(std::string_view text) = 0;
    virtual void clear() = 0;
    virtual std::size_t lineCount() const = 0;
    virtual std::string line(std::size_t index) const = 0;
};

class MemoryInfoList : public InfoList {
public:
    void addLine(std::string_view text) override { lines_.emplace_back(text); }
    void clear() override { lines_.clear(); }
    std::size_t lineCount() const override { return lines_.size(); }
    std::string line(std::size_t index) const override { return lines_.at(index); }

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace morvane
