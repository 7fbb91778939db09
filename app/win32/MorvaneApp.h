// MorvaneApp: the application object. It locates and opens the stick, runs the main
// window, and cleans up when the program ends.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/DriveScan.h"
#include "stick/StickRoot.h"

namespace morvane::win32 {

class MorvaneApp {
public:
    explicit MorvaneApp(HINSTANCE instance, MarkerProbe probe = markerFileOpens)
        : instance_(instance), probe_(std::move(probe))
    {
    }

    // The whole program: start-up, the main window, and the exit step. `commandLine` is
    // the part after the program name. Answers the process's exit code.
    int run(std::wstring_view commandLine);

private:
    void initInstance(std::wstring_view commandLine);

    HINSTANCE instance_;
    MarkerProbe probe_;
    StickRoot stick_;
};

}  // namespace morvane::win32
