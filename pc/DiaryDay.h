// One day of the robot's diary, OPEN-R\APP\PC\DIARY\AIyymmdd.XML: under its root element
// DIARYSRC, groups such as SKILL, BEHAVIOR or STATISTICS of elements each holding a value.
// Every element that holds a value is kept, known or not: other software versions write
// others.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

inline constexpr std::size_t kMostDiaryFields = 2000;

struct DiaryField {
    std::string path;  // the element's path below the root element, e.g. "SKILL/BALL"
    std::string text;  // its value as written, blanks around it left out
};

struct DiaryDay {
    std::vector<DiaryField> fields;      // in the file's order
    std::optional<std::string> problem;  // the XML's fault, the fields before it kept
};

DiaryDay readDiaryDay(std::span<const std::uint8_t> xml);

// The value of the field at `path`, or none.
std::optional<std::string_view> diaryValue(const DiaryDay& day, std::string_view path);

// Whether `text` is a whole number as the robot writes them: digits, perhaps after a '-'.
bool isDiaryNumber(std::string_view text);

}  // namespace morvane
