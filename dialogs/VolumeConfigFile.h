// OPEN-R\MW\CONF\VOLUME.CFG, the four volume presets as text: one line per volume,
// "0x%04X 0x%04X" (the word and its companion), then "MIDI_Master_Tune:8" and an empty
// line, CR LF line ends.
#pragma once

#include <string>
#include <string_view>

#include "dialogs/VolumeWords.h"
#include "stick/FileOperations.h"
#include "stick/StickStream.h"

namespace morvane {

inline constexpr std::string_view kVolumeConfigPath = "OPEN-R\\MW\\CONF\\VOLUME.CFG";

// Reads the four pairs from `stream`, opened "rt". True when all four were read and each
// first number is 0x8000 or its companion plus 0x300; `words` then holds the low 16 bits
// of the first numbers. On false `words` is of no use. Nothing after the fourth pair is read.
bool readVolumeConfig(StickStream& stream, VolumeWords& words);

// The whole file for `words`: 82 bytes for the Default words.
std::string encodeVolumeConfig(const VolumeWords& words);

// Replaces VOLUME.CFG, relative to the current directory (the stick root), with the file
// for `words`. On failure the old file stays exactly as it was.
bool writeVolumeConfig(const VolumeWords& words, FileOperations& files = systemFileOperations());

}  // namespace morvane
