// The robot's diary on the stick: the day files its index lists, each read and sorted by
// the date and time the index gives.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pc/DiaryDay.h"
#include "pc/FileIndex.h"
#include "stick/ReadProgress.h"

namespace morvane {

inline constexpr char kDiaryFolder[] = "OPEN-R\\APP\\PC\\DIARY";
inline constexpr char kDiaryIndexPath[] = "OPEN-R\\APP\\PC\\DIARY\\AIFILES.XML";

struct DiaryEntry {
    enum class State { Ok, Missing, Unreadable };
    FileIndexEntry listed;
    State state = State::Missing;
    // The day read: empty unless the file was read whole and well-formed.
    const DiaryDay& day() const;
    // Shared by the entries of a file the index lists more than once, so that an index
    // naming one large day thousands of times holds that day once.
    std::shared_ptr<const DiaryDay> dayRead;
};

struct Diary {
    std::vector<DiaryEntry> days;       // by date and time, the oldest first
    std::vector<std::string> problems;  // one line each, naming the file, in the order met
};

// The diary of the stick in the current directory; none when the stick has no index.
// `progress` is told of each day file before it is read; when it answers false the reading
// stops there, with the days read until then.
std::optional<Diary> readDiary(ReadProgress& progress);

// For a stick that has no diary index, why its diary's folder shows nothing all the same:
// a line saying how many day files the folder holds, which cannot be shown without the
// index (nothing else gives their dates); none when it holds none.
std::optional<std::string> unindexedDiaryNote();

// "ok", "missing" or "unreadable".
const char* diaryStateName(DiaryEntry::State state);

}  // namespace morvane
