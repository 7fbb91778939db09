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
        leftOut_ = true;
        return;
    }
    open_.push_back({std::string(name), {attributes.begin(), attributes.end()}, {}, false, false});
}

void XmlElementStack::text(std::string_view piece)
{
    if (open_.empty() || deeper_ > 0)
        return;
    XmlElement& element = open_.back();
    const std::size_t room = kLongestText - std::min(kLongestText, element.text.size());
    // Blanks beyond the bound (between an element's children, or after a value) change no
    // value: only what else is dropped cuts one.
    if (piece.size() > room && !trimmedText(piece.substr(room)).empty()) {
        element.cut = true;
        leftOut_ = true;
    }
    element.text.append(piece.substr(0, room));
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
