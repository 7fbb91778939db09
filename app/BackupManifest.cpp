// A path may hold blanks and any letters but no line feed, and must stay below the backup's
// folder; the manifest of a backup lists its files once each, so a line is the whole record.
#include "app/BackupManifest.h"

#include <algorithm>
#include <cctype>

namespace morvane {
namespace {

constexpr std::size_t kDigestLength = 64;

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

// Whether `path` stays below the folder it is joined to, on every system: parts between '/'
// that are neither empty, "." nor "..", and no '\\' or ':', which Windows reads as a
// separator or a drive and which no name on the stick's file system holds. A manifest
// naming any other path could make a restore write outside the stick.
bool staysBelowRoot(std::string_view path)
{
    if (path.find_first_of("\\:") != std::string_view::npos)
        return false;
    while (true) {
        const std::size_t end = path.find('/');
        const std::string_view part = path.substr(0, end);
        if (part.empty() || part == "." || part == "..")
            return false;
        if (end == std::string_view::npos)
            return true;
        path.remove_prefix(end + 1);
    }
}

std::optional<ManifestEntry> parseLine(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    if (line.size() < kDigestLength + 3 || line[kDigestLength] != ' ' ||
        (line[kDigestLength + 1] != ' ' && line[kDigestLength + 1] != '*'))
        return std::nullopt;
    std::string digest(line.substr(0, kDigestLength));
    const std::string_view path = line.substr(kDigestLength + 2);
    if (!std::all_of(digest.begin(), digest.end(), isHexDigit) || !fitsBackupManifest(path))
        return std::nullopt;
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return ManifestEntry{std::move(digest), std::string(path)};
}

}  // namespace

// A path ending in a carriage return could not be read back: its line would read as a
// CR LF line end.
bool fitsBackupManifest(std::string_view path)
{
    return staysBelowRoot(path) && path.find('\n') == std::string_view::npos && !path.ends_with('\r');
}

ParsedManifest parseBackupManifest(std::string_view text)
{
    ParsedManifest parsed;
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        std::optional<ManifestEntry> entry = parseLine(line);
        if (!entry) {
            parsed.badLine = number;
            return parsed;
        }
        parsed.entries.push_back(std::move(*entry));
    }
    return parsed;
}

std::vector<std::string> manifestPaths(const std::vector<ManifestEntry>& entries)
{
    std::vector<std::string> paths;
    paths.reserve(entries.size());
    for (const ManifestEntry& entry : entries)
        paths.push_back(entry.path);
    return paths;
}

std::string formatBackupManifest(const std::vector<ManifestEntry>& entries)
{
    std::string text;
    for (const ManifestEntry& entry : entries)
        text += entry.digest + "  " + entry.path + "\n";
    return text;
}

}  // namespace morvane
