// Looking for stick roots: the places where removable media appear (stick/MountPoints.h),
// probed for the MEMSTICK.IND marker.
#pragma once

#include <string>
#include <vector>

namespace morvane {

// The roots among `candidates` that hold MEMSTICK.IND (in any letter case), in order.
std::vector<std::string> rootsWithStickMarker(const std::vector<std::string>& candidates);

}  // namespace morvane
