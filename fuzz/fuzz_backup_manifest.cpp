// Fuzz target of a backup's manifest, MORVANE-BACKUP.sha256: the input is its text. Every
// entry read has a digest of 64 lower-case hexadecimal digits and a path without a line
// end, and the entries read written out again read back the same.
#include <algorithm>
#include <string_view>

#include "app/BackupManifest.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    const ParsedManifest parsed =
        parseBackupManifest(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const ManifestEntry& entry : parsed.entries) {
        requireFuzz(entry.digest.size() == 64, "a digest is not 64 digits long");
        requireFuzz(std::all_of(entry.digest.begin(), entry.digest.end(),
                                [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }),
                    "a digest holds more than lower-case hexadecimal digits");
        requireFuzz(entry.path.find('\n') == std::string::npos, "a path holds a line feed");
    }
    const ParsedManifest again = parseBackupManifest(formatBackupManifest(parsed.entries));
    requireFuzz(again.badLine == 0 && again.entries.size() == parsed.entries.size(),
                "the entries written out do not read back");
    return 0;
}
