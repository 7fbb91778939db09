// ARRMAIN.BIN, the robot's learned voice commands, listed with their phonemes spelled out.
#pragma once

#include <span>
#include <string_view>

#include "reports/InfoList.h"
#include "stick/StickStream.h"

namespace morvane {

// Writes each stored command: an empty line, its label line, and its phonemes in lines
// of at most eight, indented by three blanks. Answers true when at least one command
// was listed and none was cut short.
bool listVoiceCommands(StickStream& file, InfoList& list, std::span<const std::string_view> phonemes);

}  // namespace morvane
