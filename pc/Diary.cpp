// Sizes are bounded before anything is read: an index of 10000 entries is well under 4 MB,
// a day file of every counter well under 1 MB. A day file is opened only by the name the
// diary's folder gives it, so that an index can make the program open nothing else (on
// Windows a name such as CON.XML or CONIN$ is a device in any folder).
#include "pc/Diary.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "base/AsciiCase.h"
#include "stick/StickFileContent.h"
#include "stick/StickFolder.h"
#include "stick/StickPath.h"

namespace morvane {
namespace {

constexpr std::uint64_t kLargestIndex = 4 << 20;
constexpr std::uint64_t kLargestDay = 1 << 20;

std::string dayPath(std::string_view file) { return std::string(kDiaryFolder) + "\\" + std::string(file); }

// The files of the diary's folder.
FolderNames diaryFolder()
{
    return FolderNames(listStickFolder(kDiaryFolder).value_or(std::vector<std::string>{}));
}

// How many of `folder`'s files are named as day files are, AIyymmdd.XML.
std::size_t dayFiles(const FolderNames& folder)
{
    return static_cast<std::size_t>(
        std::count_if(folder.names().begin(), folder.names().end(), [](const std::string& name) {
            const std::string upper = asciiUpperCase(name);
            return upper.size() == 12 && upper.starts_with("AI") && upper.ends_with(".XML") &&
                   std::all_of(upper.begin() + 2, upper.begin() + 8,
                               [](char c) { return c >= '0' && c <= '9'; });
        }));
}

DiaryEntry readDay(FileIndexEntry listed, const FolderNames& folder, std::vector<std::string>& problems)
{
    DiaryEntry entry{std::move(listed), DiaryEntry::State::Missing, {}};
    const std::string named = slashedStickPath(dayPath(entry.listed.file));
    if (!isPlainFileName(entry.listed.file)) {
        problems.push_back("the diary index names \"" + entry.listed.file +
                           "\", which is no file of its folder");
        return entry;
    }
    const std::optional<std::size_t> file = folder.find(entry.listed.file);
    const StickFileContent content =
        file ? readStickFileContent(dayPath(folder.names()[*file]), kLargestDay) : StickFileContent{};
    switch (content.outcome) {
    case StickFileContent::Outcome::Missing:
        problems.push_back(named + ": listed in the diary index, not on the stick");
        return entry;
    case StickFileContent::Outcome::TooLarge:
        problems.push_back(named + ": larger than 1 MB, not read");
        break;
    case StickFileContent::Outcome::Unreadable:
        problems.push_back(named + ": cannot be read");
        break;
    case StickFileContent::Outcome::Read: {
        DiaryDay day = readDiaryDay(content.bytes);
        if (!day.problem) {
            if (day.cut)
                problems.push_back(named +
                                   ": holds more values, or longer ones, than a day's; those are left out");
            entry.state = DiaryEntry::State::Ok;
            entry.dayRead = std::make_shared<const DiaryDay>(std::move(day));
            return entry;
        }
        problems.push_back(named + ": " + *day.problem);
        break;
    }
    }
    entry.state = DiaryEntry::State::Unreadable;
    return entry;
}

}  // namespace

const DiaryDay& DiaryEntry::day() const
{
    static const DiaryDay none;
    return dayRead ? *dayRead : none;
}

std::optional<Diary> readDiary(ReadProgress& progress)
{
    const StickFileContent content = readStickFileContent(kDiaryIndexPath, kLargestIndex);
    if (content.outcome == StickFileContent::Outcome::Missing)
        return std::nullopt;
    const FolderNames folder = diaryFolder();
    Diary diary;
    const std::string named = slashedStickPath(kDiaryIndexPath);
    if (content.outcome != StickFileContent::Outcome::Read) {
        diary.problems.push_back(named + (content.outcome == StickFileContent::Outcome::TooLarge
                                              ? ": larger than 4 MB, not read"
                                              : ": cannot be read"));
        return diary;
    }
    FileIndex index = readFileIndex(content.bytes);
    if (index.problem)
        diary.problems.push_back(named + ": " + *index.problem);
    // A file the index lists again is the same day's: read once, its problems said once.
    std::unordered_map<std::string, std::size_t> firstOfFile;
    for (std::size_t at = 0; at < index.entries.size(); ++at) {
        FileIndexEntry& listed = index.entries[at];
        if (!progress.reading(slashedStickPath(dayPath(listed.file)), at, index.entries.size()))
            break;
        const auto [first, isNew] = firstOfFile.emplace(asciiUpperCase(listed.file), diary.days.size());
        if (isNew) {
            diary.days.push_back(readDay(std::move(listed), folder, diary.problems));
        } else {
            DiaryEntry again = diary.days[first->second];
            again.listed = std::move(listed);
            diary.days.push_back(std::move(again));
        }
    }
    std::stable_sort(diary.days.begin(), diary.days.end(), [](const DiaryEntry& a, const DiaryEntry& b) {
        return std::tie(a.listed.date, a.listed.time) < std::tie(b.listed.date, b.listed.time);
    });
    return diary;
}

std::optional<std::string> unindexedDiaryNote()
{
    const std::size_t days = dayFiles(diaryFolder());
    if (days == 0)
        return std::nullopt;
    return slashedStickPath(kDiaryIndexPath) + ": not on the stick; the " + std::to_string(days) +
           (days == 1 ? " day file" : " day files") + " of its folder cannot be shown without it";
}

const char* diaryStateName(DiaryEntry::State state)
{
    switch (state) {
    case DiaryEntry::State::Ok:
        return "ok";
    case DiaryEntry::State::Missing:
        return "missing";
    case DiaryEntry::State::Unreadable:
        return "unreadable";
    }
    return "unreadable";
}

}  // namespace morvane
