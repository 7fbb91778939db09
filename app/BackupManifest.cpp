// A path may hold blanks and any letters but no line feed; the manifest of a backup lists
// its files once each, so a line is the whole record.
#include "app/BackupManifest.h"

#include <algorithm>
#include <cctype>

namespace morvane {
namespace {

constexpr std::size_t kDigestLength = 64;

bool isHexDigit(char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; }

std::optional<ManifestEntry> parseLine(std::string_view line)
{
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    // A path ending in a carriage return could not be written back: its line would read as
    // a CR LF line end.
    if (line.size() < kDigestLength + 3 || line.ends_with('\r') || line[kDigestLength] != ' ' ||
        (line[kDigestLength + 1] != ' ' && line[kDigestLength + 1] != '*'))
        return std::nullopt;
    std::string digest(line.substr(0, kDigestLength));
    if (!std::all_of(digest.begin(), digest.end(), isHexDigit))
        return std::nullopt;
    std::transform(digest.begin(), digest.end(), digest.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return ManifestEntry{std::move(digest), std::string(line.substr(kDigestLength + 2))};
}

}  // namespace

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

std::string formatBackupManifest(const std::vector<ManifestEntry>& entries)
{
    std::string text;
    for (const ManifestEntry& entry : entries)
        text += entry.digest + "  " + entry.path + "\n";
    return text;
}

}  // namespace morvane
