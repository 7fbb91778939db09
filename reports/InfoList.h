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

// The text a window's list draws for `line`. Some report lines keep the line feed of the
// stick file they copy (the LAN settings); a list would draw it as a box, so it is shown
// without one trailing line feed. The line itself, and the clipboard, keep it.
inline std::string_view shownText(std::string_view line)
{
    if (line.ends_with('\n'))
        line.remove_suffix(1);
    return line;
}

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
