// The seam for long work on a stick (a check, later a backup or a restore): a window that
// shows the file at hand and how far the work is, with a Cancel button. The work runs on
// the window program's own thread and lets the window take its waiting events between two
// files, and within a large one. A window of its own in each window program, a scripted fake in the tests.
#pragma once

#include <cstddef>
#include <string_view>

namespace morvane {

class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // Opens the window, titled `title`, over the main window, which takes no input meanwhile.
    virtual void open(std::string_view title) = 0;
    // Shows `path`, file `index` of `count`, delivers the events waiting for the program's
    // windows, and answers false once Cancel has been pressed.
    virtual bool advance(std::string_view path, std::size_t index, std::size_t count) = 0;
    virtual void close() = 0;
};

}  // namespace morvane
