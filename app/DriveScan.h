// The scan for a stick at start-up: the search roots (the drive roots A: to Z: on
// Windows, the mount points of removable media elsewhere) probed in turn for
// MEMSTICK.IND while the scanning window shows each probe and offers "Manual Open".
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "ui/ScanWindow.h"
#include "ui/WaitCursor.h"

namespace morvane {

// Answers whether the marker file at `probePath` ("D:\MEMSTICK.IND") opens for reading.
using MarkerProbe = std::function<bool(const std::string& probePath)>;

// The probe of the real file system.
bool markerFileOpens(const std::string& probePath);

struct DriveScanResult {
    std::optional<std::string> stickRoot;  // the first root whose marker opened
    bool manualOpenRequested = false;
};

// Probes MEMSTICK.IND in each of `roots` in turn ("D:\MEMSTICK.IND" for "D:\",
// "/media/me/STICK/MEMSTICK.IND" for "/media/me/STICK") and stops at the first marker
// or when "Manual Open" was pressed.
DriveScanResult scanRootsForStick(std::span<const std::string> roots, ScanWindow& window,
                                  WaitCursor& waitCursor, const MarkerProbe& probe);

}  // namespace morvane
