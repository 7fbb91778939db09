// Looking for stick roots: the places where removable media appear, probed for the
// MEMSTICK.IND marker.
#pragma once

#include <string>
#include <vector>

namespace morvane {

// Where removable media are mounted on this system, in probe order: the drive roots
// A:\ to Z:\ on Windows; on Linux and macOS the folders under /media, /run/media,
// /mnt and /Volumes, looked for below `systemRoot` (the file system's root but in tests).
std::vector<std::string> removableMediaRoots(const std::string& systemRoot = "/");

// The roots among `candidates` that hold MEMSTICK.IND (in any letter case), in order.
std::vector<std::string> rootsWithStickMarker(const std::vector<std::string>& candidates);

}  // namespace morvane
