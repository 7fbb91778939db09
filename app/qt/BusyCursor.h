// The wait cursor: the application's override cursor while a long operation runs.
#pragma once

#include "ui/WaitCursor.h"

namespace morvane::qt {

class BusyCursor : public WaitCursor {
public:
    void begin() override;
    void end() override;
};

}  // namespace morvane::qt
