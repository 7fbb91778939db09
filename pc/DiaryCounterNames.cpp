#include "pc/DiaryCounterNames.h"

#include <algorithm>
#include <cctype>

#include "base/TextFormat.h"
#include "pc/DiaryTable.h"

namespace morvane {
namespace {

struct Group {
    std::string_view element;
    std::string_view words;
};

constexpr Group kGroups[] = {
    {"COMMON", "Common"},           {"CHARACTER", "Character"},
    {"REGISTRATION", "Registered"}, {"SKILL", "Skill"},
    {"PASSAGE", "Passage"},         {"BEHAVIOR", "Behaviour"},
    {"RECOGNITION", "Recognised"},  {"STATISTICS", "Statistics"},
};

// Element names whose words are not the name itself.
constexpr Group kElements[] = {
    {"AIBONAME", "its own name"},
    {"TOUCH_ON", "touched"},
    {"ECARD", "e-card"},
    {"START_DAY", "birthday"},
    {"OPERATION_TIME", "operation time"},
};

// "FACE_OWNER1" as "face owner 1", "V_SHAKE_HANDS" as "voice command shake hands".
std::string inWords(std::string_view element)
{
    const auto known = std::find_if(std::begin(kElements), std::end(kElements),
                                    [&](const Group& name) { return name.element == element; });
    if (known != std::end(kElements))
        return std::string(known->words);
    std::string words = element.starts_with("V_") ? "voice command " : "";
    for (const char c : element.substr(element.starts_with("V_") ? 2 : 0)) {
        if (std::isdigit(static_cast<unsigned char>(c)) && !words.empty() && words.back() != ' ')
            words += ' ';
        words += c == '_' ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return words;
}

}  // namespace

std::string readableCounterName(std::string_view path)
{
    const std::size_t slash = path.find('/');
    if (slash == std::string_view::npos || path.find('/', slash + 1) != std::string_view::npos)
        return std::string(path);
    const auto group = std::find_if(std::begin(kGroups), std::end(kGroups), [&](const Group& known) {
        return known.element == path.substr(0, slash);
    });
    if (group == std::end(kGroups))
        return std::string(path);
    return std::string(group->words) + ": " + inWords(path.substr(slash + 1));
}

std::string counterLine(const DiaryField& field)
{
    const std::string value = field.path.starts_with("SKILL/") && field.path != "SKILL/RESET"
                                  ? skillPercent(field.text)
                                  : field.text;
    return formatText("%-36s %s", readableCounterName(field.path).c_str(), value.c_str());
}

}  // namespace morvane
