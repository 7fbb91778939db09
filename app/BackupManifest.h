// MORVANE-BACKUP.sha256, a backup's manifest, in sha256sum's format: one line per file, 64
// lower-case hexadecimal digits, two blanks, the path relative to the stick root with '/'
// between its parts.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

struct ManifestEntry {
    std::string digest;  // 64 lower-case hexadecimal digits
    std::string path;
};

struct ParsedManifest {
    std::vector<ManifestEntry> entries;  // in the file's order
    std::size_t badLine = 0;             // the first line that does not parse (from 1), or 0
    bool whole = true;                   // false when the file could not be read to its end
};

// Whether a manifest line can hold `path` and give it back as it is: a path that stays
// below the stick's root on every system, on one line. A backup leaves any other file out.
bool fitsBackupManifest(std::string_view path);

// Reads a manifest's text. sha256sum's own variants are taken: upper-case digits (kept
// in lower case), a '*' before the path (binary mode) and CR LF line ends.
ParsedManifest parseBackupManifest(std::string_view text);

// The paths of `entries`, in their order.
std::vector<std::string> manifestPaths(const std::vector<ManifestEntry>& entries);

// The manifest's text for `entries`, given in path order.
std::string formatBackupManifest(const std::vector<ManifestEntry>& entries);

}  // namespace morvane
