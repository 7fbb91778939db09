// The seam for the system's text clipboard.
#pragma once

#include <string_view>

namespace morvane {

class Clipboard {
public:
    enum class Result {
        Done,
        NoMemory,  // no memory block for the text could be had
        Refused,   // the clipboard could not be opened, emptied or given the text
    };

    virtual ~Clipboard() = default;
    // Replaces the clipboard's content by `bytes` as plain 8-bit text. `bytes` carries
    // its own terminating NUL. After a failure the clipboard holds nothing of it.
    virtual Result putText(std::string_view bytes) = 0;
};

}  // namespace morvane
