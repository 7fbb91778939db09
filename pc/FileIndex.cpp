#include "pc/FileIndex.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/XmlEvents.h"
#include "pc/CalendarDate.h"
#include "pc/XmlElementStack.h"

namespace morvane {
namespace {

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number written by the digits of `text` from `at`, `count` of them.
int digitsAt(std::string_view text, std::size_t at, std::size_t count)
{
    int number = 0;
    for (const char digit : text.substr(at, count))
        number = number * 10 + (digit - '0');
    return number;
}

bool isIndexDate(std::string_view date)
{
    return date.size() == 8 && allDigits(date) &&
           isCalendarDate(digitsAt(date, 0, 4), digitsAt(date, 4, 2), digitsAt(date, 6, 2));
}

bool isIndexTime(std::string_view time)
{
    return time.size() == 6 && allDigits(time) &&
           isTimeOfDay(digitsAt(time, 0, 2), digitsAt(time, 2, 2), digitsAt(time, 4, 2));
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with or without an extension, in any
// letter case: Windows opens the device of that name in any folder, and reading the console
// would wait for the keyboard.
bool isDeviceName(std::string_view file)
{
    const std::string stem = asciiUpperCase(file.substr(0, file.find('.')));
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
        return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// The robot's categories are short names such as FAVORITE_PLACE. One is copied into each of
// its entries, so its length is bounded: an index of 10,000 entries in one category whose
// name is kilobytes long would otherwise take gigabytes.
constexpr std::size_t kLongestCategory = 64;

// Whether `text` is a value as the robot writes one: whole, and without control characters
// (which would break the one line that shows an entry).
bool isWhole(std::string_view text, bool cut)
{
    return !cut && std::none_of(text.begin(), text.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

class IndexReader : public XmlElementStack {
public:
    void ended(std::span<const XmlElement> path) override
    {
        const XmlElement& element = path.back();
        if (path.size() >= 3 && path[path.size() - 2].name == "ENTRY")
            field(element);
        else if (path.size() >= 2 && element.name == "ENTRY")
            endEntry(path[path.size() - 2]);
    }

    FileIndex index;
    bool tooMany = false;
    bool leftOutValue = false;

private:
    void field(const XmlElement& element)
    {
        std::string* const kept = element.name == "FILENAME" ? &entry_.file
                                  : element.name == "DATE"   ? &entry_.date
                                  : element.name == "TIME"   ? &entry_.time
                                                             : nullptr;
        if (kept == nullptr)
            return;
        const std::string_view text = trimmedText(element.text);
        if (isWhole(text, element.cut)) {
            *kept = text;
        } else {
            leftOutValue = true;
            nameLeftOut_ = nameLeftOut_ || kept == &entry_.file;
        }
    }
    // An entry whose file name was left out names no file: it is left out whole.
    void endEntry(const XmlElement& parent)
    {
        const auto id = std::find_if(parent.attributes.begin(), parent.attributes.end(),
                                     [](const XmlAttribute& attribute) { return attribute.name == "ID"; });
        if (id != parent.attributes.end() && id->value.size() <= kLongestCategory &&
            isWhole(id->value, false))
            entry_.category = id->value;
        else if (id != parent.attributes.end())
            leftOutValue = true;
        if (!nameLeftOut_ && index.entries.size() < kMostIndexEntries)
            index.entries.push_back(std::move(entry_));
        else if (!nameLeftOut_)
            tooMany = true;
        entry_ = {};
        nameLeftOut_ = false;
    }

    FileIndexEntry entry_;
    bool nameLeftOut_ = false;
};

}  // namespace

FileIndex readFileIndex(std::span<const std::uint8_t> xml)
{
    IndexReader reader;
    reader.index.problem = readXml(xml, reader);
    if (!reader.index.problem && reader.tooMany)
        reader.index.problem = "more than " + std::to_string(kMostIndexEntries) + " entries; the first " +
                               std::to_string(kMostIndexEntries) + " are shown";
    if (!reader.index.problem && reader.leftOutValue)
        reader.index.problem =
            "an entry's name, date, time or category is too long or holds a control character, "
            "and is left out (the whole entry, when it is the name)";
    return std::move(reader.index);
}

bool isPlainFileName(std::string_view file)
{
    return !file.empty() && file != "." && file != ".." &&
           file.find_first_of("/\\:") == std::string_view::npos && !isDeviceName(file);
}

std::string dashedDate(std::string_view date)
{
    if (!isIndexDate(date))
        return kUnknownDate;
    return std::string(date.substr(0, 4)) + "-" + std::string(date.substr(4, 2)) + "-" +
           std::string(date.substr(6, 2));
}

std::string colonTime(std::string_view time)
{
    if (!isIndexTime(time))
        return kUnknownTime;
    return std::string(time.substr(0, 2)) + ":" + std::string(time.substr(2, 2)) + ":" +
           std::string(time.substr(4, 2));
}

bool clockWasNotSet(std::string_view date) { return isIndexDate(date) && digitsAt(date, 0, 4) < 2003; }

}  // namespace morvane
