// The indexes of the robot's PC folder: the diary's AIFILES.XML and the photo album's
// IMGFILES.XML. Each lists files as ENTRY elements holding FILENAME, DATE (yyyymmdd) and TIME
// (hhmmss); the photo album groups them in PHOTO elements whose ID names the category.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvane {

inline constexpr std::size_t kMostIndexEntries = 10000;

struct FileIndexEntry {
    std::string category;  // the ID of the element the entry lies in; empty for the diary
    std::string file;      // as written, e.g. "AI170531.XML"
    std::string date;      // as written, e.g. "20170531"
    std::string time;      // as written, e.g. "194030"
};

struct FileIndex {
    std::vector<FileIndexEntry> entries;  // in the file's order
    // Why entries may be missing: the XML's fault (the entries before it are kept), or more
    // entries than kMostIndexEntries (the first are kept); else why a value of an entry
    // was left out (too long, or holding a control character). A clause, e.g.
    // "not well-formed XML (line 3)".
    std::optional<std::string> problem;
};

FileIndex readFileIndex(std::span<const std::uint8_t> xml);

// Whether `file` is a plain name that stays in the index's folder: no separator, no drive,
// not "." or "..", no device of Windows (CON, COM1, ...). An index naming anything else
// names no file of the stick.
bool isPlainFileName(std::string_view file);

// Written in pieces, as "??" before "-" would read as a trigraph.
inline constexpr char kUnknownDate[] = "????"
                                       "-"
                                       "??"
                                       "-"
                                       "??";
inline constexpr char kUnknownTime[] = "??"
                                       ":"
                                       "??"
                                       ":"
                                       "??";

// "2017-05-31" of "20170531", "19:40:30" of "194030"; kUnknownDate or kUnknownTime for
// anything that is not a date of the calendar or a time of day written so.
std::string dashedDate(std::string_view date);
std::string colonTime(std::string_view time);

// Whether the robot wrote `date` (yyyymmdd) with its clock reset: it then counts days from
// 2000-01-01, so a date of the calendar before 2003, the year the first robot of this kind
// was made.
bool clockWasNotSet(std::string_view date);

}  // namespace morvane
