// The pieces of the sample stick, each built from its own file's values.
#pragma once

#include <vector>

#include "reports/KeyPads.h"
#include "tools/stickgen/StickImage.h"

namespace morvane::stickgen {

// The four VERSION chunk files: AiboMind application, system, middleware, custom.
std::vector<StickImageFile> sampleVersionFiles();
// GVAR (128-value layout), RVAR, DVAR scrambled with `pads`, and FVAR.
std::vector<StickImageFile> sampleVariableFiles(const KeyPadBytes& pads);
// ARRMAIN.BIN: the dog's name, the owner's name and one other command.
StickImageFile sampleVoiceCommandFile();
// Custom personality, custom data table, LAN files, volume presets, hardware id.
std::vector<StickImageFile> sampleSettingsFiles();
// tr.ct with eight colours.
StickImageFile sampleColorTableFile();
// FIFDATA.BIN with the owner's face and demo faces.
StickImageFile sampleFaceDatabaseFile();
// Files whose content the program does not read: voice recognition data, scenes.
std::vector<StickImageFile> sampleOpaqueFiles();
// The PC folder: the diary, the photo album and the voice recordings.
std::vector<StickImageFile> samplePcFolderFiles();

}  // namespace morvane::stickgen
