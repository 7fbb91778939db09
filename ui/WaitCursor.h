// The seam for the wait cursor (hourglass) shown while a long operation runs.
#pragma once

namespace morvane {

class WaitCursor {
public:
    virtual ~WaitCursor() = default;
    virtual void begin() = 0;
    virtual void end() = 0;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursorScope {
public:
    explicit WaitCursorScope(WaitCursor& cursor) : cursor_(cursor) { cursor_.begin(); }
    ~WaitCursorScope() { cursor_.end(); }
    WaitCursorScope(const WaitCursorScope&) = delete;
    WaitCursorScope& operator=(const WaitCursorScope&) = delete;

private:
    WaitCursor& cursor_;
};

}  // namespace morvane
