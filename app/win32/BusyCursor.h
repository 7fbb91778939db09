// The wait cursor: the system's hourglass while a long operation runs.
#pragma once

#include <windows.h>

#include "ui/WaitCursor.h"

namespace morvane::win32 {

class BusyCursor : public WaitCursor {
public:
    void begin() override;
    void end() override;

private:
    HCURSOR previous_ = nullptr;
    int depth_ = 0;
};

}  // namespace morvane::win32
