// Where removable media appear on this system: the places a search for sticks looks.
#pragma once

#include <string>
#include <vector>

namespace morvane {

struct MediaSearch {
    // The folders that may be a stick's root, in probe order.
    std::vector<std::string> roots;
    // Every folder the search looked in or will probe, in order, to tell the user where
    // it looked when it found nothing.
    std::vector<std::string> searched;
};

// The drive roots A:\ to Z:\ on Windows; on Linux and macOS the folders under /media,
// /run/media, /mnt and /Volumes, looked for below `systemRoot` (the file system's root but
// in tests).
MediaSearch removableMediaSearch(const std::string& systemRoot = "/");

// The roots of removableMediaSearch alone.
std::vector<std::string> removableMediaRoots(const std::string& systemRoot = "/");

}  // namespace morvane
