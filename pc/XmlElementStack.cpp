#include "pc/XmlElementStack.h"

#include <algorithm>

namespace morvane {
namespace {

constexpr std::size_t kDeepest = 32;
constexpr std::size_t kLongestText = 4096;

}  // namespace

void XmlElementStack::startElement(std::string_view name, std::span<const XmlAttribute> attributes)
{
    if (!open_.empty())
        open_.back().hasChildren = true;
    if (open_.size() == kDeepest) {
        ++deeper_;
        return;
    }
    open_.push_back({std::string(name), {attributes.begin(), attributes.end()}, {}, false});
}

void XmlElementStack::text(std::string_view piece)
{
    if (open_.empty() || deeper_ > 0)
        return;
    std::string& text = open_.back().text;
    text.append(piece.substr(0, kLongestText - std::min(kLongestText, text.size())));
}

void XmlElementStack::endElement(std::string_view)
{
    if (deeper_ > 0) {
        --deeper_;
        return;
    }
    ended(open_);
    open_.pop_back();
}

std::string_view trimmedText(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace morvane
