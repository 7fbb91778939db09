// The seam for the scanning window shown while the drive roots are probed for a stick:
// a modeless dialog in the window program, a scripted fake in the tests.
#pragma once

#include <string_view>

namespace morvane {

class ScanWindow {
public:
    virtual ~ScanWindow() = default;
    virtual void open() = 0;
    // Shows the path being probed and repaints the window at once.
    virtual void showProbePath(std::string_view path) = 0;
    // Delivers the messages already waiting for the program's windows, without waiting
    // when there are none; a press of "Manual Open" is handled here.
    virtual void deliverWaitingMessages() = 0;
    virtual bool manualOpenRequested() const = 0;
    // Destroys the window if it still exists.
    virtual void close() = 0;
};

}  // namespace morvane
