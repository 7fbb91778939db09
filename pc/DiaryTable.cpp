#include "pc/DiaryTable.h"

#include <algorithm>
#include <array>

#include "base/TextFormat.h"

namespace morvane {
namespace {

constexpr const char* kSkills[] = {"SKILL/BALL", "SKILL/BONE", "SKILL/WALK", "SKILL/BABY"};
constexpr const char* kRecognitions[] = {"RECOGNITION/FACE",     "RECOGNITION/VOICE",    "RECOGNITION/BALL",
                                         "RECOGNITION/BONE",     "RECOGNITION/TOUCH_ON", "RECOGNITION/ECARD",
                                         "RECOGNITION/COLLISION"};

std::string shown(const DiaryDay& day, const char* path)
{
    return std::string(diaryValue(day, path).value_or("-"));
}

// The columns after the date and time, right-aligned under their headings.
struct Columns {
    std::string operation, distance;
    std::array<std::string, 4> skills;
    std::array<std::string, 7> recognitions;
};

constexpr int kRecognitionWidths[] = {5, 6, 5, 5, 7, 5, 10};

std::string columnsText(const Columns& columns)
{
    std::string text = formatText("  %9s  %8s", columns.operation.c_str(), columns.distance.c_str());
    for (const std::string& skill : columns.skills)
        text += formatText(" %7s", skill.c_str());
    text += "  ";
    for (std::size_t index = 0; index < columns.recognitions.size(); ++index)
        text += formatText(" %*s", kRecognitionWidths[index], columns.recognitions[index].c_str());
    return text;
}

std::string dayLine(const DiaryEntry& entry)
{
    const std::string when = formatText("%-10s  %-8s", dashedDate(entry.listed.date).c_str(),
                                        colonTime(entry.listed.time).c_str());
    if (entry.state != DiaryEntry::State::Ok)
        return when + "  " + entry.listed.file + ": " + diaryStateName(entry.state);
    const DiaryDay& day = entry.day();
    Columns columns{shown(day, "STATISTICS/OPERATION_TIME"), shown(day, "STATISTICS/WALK_DISTANCE"), {}, {}};
    for (std::size_t index = 0; index < columns.skills.size(); ++index)
        columns.skills[index] = skillPercent(diaryValue(day, kSkills[index]));
    for (std::size_t index = 0; index < columns.recognitions.size(); ++index)
        columns.recognitions[index] = shown(day, kRecognitions[index]);
    return when + columnsText(columns);
}

}  // namespace

std::string skillPercent(std::optional<std::string_view> level)
{
    if (!level)
        return "-";
    const std::string text(*level);
    const bool digits = !text.empty() && text.size() <= 5 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(text) > 10000)
        return text;
    const int hundredths = std::stoi(text);
    return formatText("%d.%02d%%", hundredths / 100, hundredths % 100);
}

std::vector<std::string> diaryTableLines(const Diary& diary)
{
    const Columns headings{"Operation",
                           "Distance",
                           {"Ball", "Bone", "Walk", "Baby"},
                           {"Faces", "Voices", "Balls", "Bones", "Touches", "Cards", "Collisions"}};
    std::vector<std::string> lines{
        "Diary of " + std::to_string(diary.days.size()) + " days, the newest first", "",
        std::string(44, ' ') + "Skill levels" + std::string(23, ' ') + "Recognised",
        "Date        Time    " + columnsText(headings)};
    for (auto day = diary.days.rbegin(); day != diary.days.rend(); ++day) {
        std::string line = dayLine(*day);
        if (clockWasNotSet(day->listed.date))
            line += "  (clock not set)";
        lines.push_back(std::move(line));
    }
    lines.push_back("");
    lines.push_back("Operation time and distance are the robot's own counts; their units are not known.");
    return lines;
}

}  // namespace morvane
