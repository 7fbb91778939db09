// Fuzz target of one day of the robot's diary: the input is the day file. No more fields
// than the bound are kept, each named by a path of element names, and the table of a diary
// of that day is made without fault.
#include <memory>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "pc/DiaryTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    DiaryDay day = readDiaryDay(std::span(data, size));
    requireFuzz(day.fields.size() <= kMostDiaryFields, "more fields kept than the bound");
    for (const DiaryField& field : day.fields)
        requireFuzz(!field.path.empty() && !field.path.starts_with('/'), "a field without a path");
    Diary diary;
    diary.days.push_back({{"", "AI170531.XML", "20170531", "194030"},
                          DiaryEntry::State::Ok,
                          std::make_shared<const DiaryDay>(std::move(day))});
    requireFuzz(diaryTableLines(diary).size() == 7, "the table of one day is not seven lines");
    return 0;
}
