// The drive scan at start-up: the roots A: to Z: probed for MEMSTICK.IND while the
// scanning window shows each probe and offers "Manual Open".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/ScanWindow.h"
#include "ui/WaitCursor.h"

namespace morvane {

// Answers whether the marker file at `probePath` ("D:\MEMSTICK.IND") opens for reading.
using MarkerProbe = std::function<bool(const std::string& probePath)>;

// The probe of the real file system.
bool markerFileOpens(const std::string& probePath);

struct DriveScanResult {
    std::optional<char> stickDrive;  // the first drive letter whose marker opened
    bool manualOpenRequested = false;
};

// Probes "A:\MEMSTICK.IND" to "Z:\MEMSTICK.IND" in turn and stops at the first marker
// or when "Manual Open" was pressed.
DriveScanResult scanDrivesForStick(ScanWindow& window, WaitCursor& waitCursor, const MarkerProbe& probe);

// "D:\" for 'D'.
std::string driveRoot(char letter);

}  // namespace morvane
