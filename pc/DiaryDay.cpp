#include "pc/DiaryDay.h"

#include <algorithm>

#include "base/XmlEvents.h"
#include "pc/XmlElementStack.h"

namespace morvane {
namespace {

class DayReader : public XmlElementStack {
public:
    void ended(std::span<const XmlElement> path) override
    {
        if (path.size() < 2 || path.back().hasChildren)
            return;
        std::string name = path[1].name;
        for (const XmlElement& element : path.subspan(2))
            name += "/" + element.name;
        const std::string_view text = trimmedText(path.back().text);
        kept_ += name.size() + text.size();
        if (path.back().cut || name.size() > kLongestDiaryPath || kept_ > kMostDiaryFieldBytes ||
            day.fields.size() == kMostDiaryFields) {
            day.cut = true;
            return;
        }
        day.fields.push_back({std::move(name), std::string(text)});
    }

    DiaryDay day;

private:
    std::size_t kept_ = 0;
};

}  // namespace

DiaryDay readDiaryDay(std::span<const std::uint8_t> xml)
{
    DayReader reader;
    reader.day.problem = readXml(xml, reader);
    reader.day.cut = reader.day.cut || reader.leftOut();
    return std::move(reader.day);
}

std::optional<std::string_view> diaryValue(const DiaryDay& day, std::string_view path)
{
    const auto found = std::find_if(day.fields.begin(), day.fields.end(),
                                    [&](const DiaryField& field) { return field.path == path; });
    if (found == day.fields.end())
        return std::nullopt;
    return found->text;
}

bool isDiaryNumber(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isDiaryDecimal(std::string_view text)
{
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return isDiaryNumber(text);
    const std::string_view fraction = text.substr(point + 1);
    return isDiaryNumber(text.substr(0, point)) && isDiaryNumber(fraction) && !fraction.starts_with('-');
}

}  // namespace morvane
