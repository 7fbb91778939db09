// The seam for the Voice Recordings window: the slots as morvane-cli voices lists them,
// with "Play" and "Save As..." for the chosen one, and what could not be read.
// VoiceRecords is the window's model; a VoiceDialogView shows it modally.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace morvane {

class VoiceRecords {
public:
    virtual ~VoiceRecords() = default;
    // One line per slot that could be read, as morvane-cli voices prints them.
    virtual const std::vector<std::string>& lines() const = 0;
    // One line for each slot that could not be read; empty when all could.
    virtual const std::vector<std::string>& problems() const = 0;
    // Plays the slot of list line `line`; a message says when it cannot.
    virtual void play(std::size_t line) = 0;
    // Asks where to write a copy of the slot of list line `line`, and writes it.
    virtual void saveAs(std::size_t line) = 0;
};

class VoiceDialogView {
public:
    virtual ~VoiceDialogView() = default;
    // Shows the window until the user presses "Done": no slot chosen at first, "Play" and
    // "Save As..." working on the chosen one.
    virtual void runModal(VoiceRecords& voices) = 0;
};

}  // namespace morvane
