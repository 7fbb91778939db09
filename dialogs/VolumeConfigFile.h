// OPEN-R\MW\CONF\VOLUME.CFG, the four volume presets as text: one line per volume,
// "0x%04X 0x%04X" (the word and its companion), CR LF line ends. The robot's own file
// goes on with lines of other settings ("MIDI_Master_Tune:8" among them), which a save
// keeps.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/VolumeWords.h"
#include "stick/AtomicFile.h"
#include "stick/FileOperations.h"
#include "stick/StickPaths.h"

namespace morvane {

// The four pairs as read: the volume words, and the bytes from the start of the first
// pair's line to the end of the fourth pair's line, its line end included.
struct VolumePairs {
    VolumeWords words{};
    std::size_t begin = 0;
    std::size_t end = 0;
};

// Reads the four pairs at the start of `file` (its bytes, line ends as stored). None
// unless all four were read and each first number is 0x8000 or its companion plus 0x300;
// the words are the low 16 bits of the first numbers. Nothing after the fourth pair is read.
std::optional<VolumePairs> readVolumePairs(std::string_view file);

// The whole file for `words` when nothing else is known: the four lines,
// "MIDI_Master_Tune:8" and an empty line; 82 bytes for the Default words.
std::string encodeVolumeConfig(const VolumeWords& words);

// The file that replaces `old` for `words`: the lines of `pairs` replaced by the four
// pair lines and every other byte kept, with "MIDI_Master_Tune:8" and an empty line
// after the pairs when `old` has no MIDI_Master_Tune line. Without pairs, the whole file
// as encodeVolumeConfig writes it.
std::string updateVolumeConfig(std::string_view old, const std::optional<VolumePairs>& pairs,
                               const VolumeWords& words);

// Replaces VOLUME.CFG, relative to the current directory (the stick root), with `file`,
// compressed when the old one was. On failure the old file stays exactly as it was.
SaveOutcome writeVolumeConfig(std::string_view file, FileOperations& files = systemFileOperations());

}  // namespace morvane
