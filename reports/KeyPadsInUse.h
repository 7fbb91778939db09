// The key pads every reader of GVAR, RVAR and DVAR uses: the set built in, until a front
// end puts the set it chose at start-up in their place.
#pragma once

#include <optional>
#include <string>

#include "reports/KeyPads.h"

namespace morvane {

// A pad set and where it came from.
struct KeyPadSet {
    KeyPadBytes bytes;
    std::string path;  // the file read, in UTF-8; empty for the pads built in
};

KeyPadSet builtInKeyPadSet();

KeyPadSet keyPadsInUse();

// Puts `pads` in use for its lifetime; the set in use before comes back after it.
class UsingKeyPads {
public:
    explicit UsingKeyPads(KeyPadSet pads);
    ~UsingKeyPads();
    UsingKeyPads(const UsingKeyPads&) = delete;
    UsingKeyPads& operator=(const UsingKeyPads&) = delete;

private:
    std::optional<KeyPadSet> previous_;
};

}  // namespace morvane
