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

// A day of the robot's holds some hundred values under short names, a few kilobytes in
// all; what a day file holds beyond these bounds is left out and said so, so that a diary
// of ten thousand days stays within memory whatever its files hold.
inline constexpr std::size_t kMostDiaryFields = 500;
inline constexpr std::size_t kMostDiaryFieldBytes = std::size_t{16} * 1024;  // paths and values
inline constexpr std::size_t kLongestDiaryPath = 128;

struct DiaryField {
    std::string path;  // the element's path below the root element, e.g. "SKILL/BALL"
    std::string text;  // its value as written, blanks around it left out
};

struct DiaryDay {
    std::vector<DiaryField> fields;      // in the file's order
    std::optional<std::string> problem;  // the XML's fault, the fields before it kept
    bool cut = false;                    // values were left out: for the bounds above, a value
                                         // longer than 4096 bytes or nested deeper than 32
};

DiaryDay readDiaryDay(std::span<const std::uint8_t> xml);

// The value of the field at `path`, or none.
std::optional<std::string_view> diaryValue(const DiaryDay& day, std::string_view path);

// Whether `text` is a whole number as the robot writes them: digits, perhaps after a '-'.
bool isDiaryNumber(std::string_view text);

// Whether `text` is a number as a day file writes one: a whole number, or one with a
// decimal point between digits (COMMON/VERSION's "1.0").
bool isDiaryDecimal(std::string_view text);

}  // namespace morvane
