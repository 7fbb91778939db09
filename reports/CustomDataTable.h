// CUS.CFG, the robot's custom data table: tab-separated text with a heading line.
#pragma once

#include "reports/InfoList.h"
#include "stick/StickStream.h"

namespace morvane {

// Writes "Aibo Custom Data:" and one line per row, read from `file` (opened as text).
void writeCustomDataTable(StickStream& file, InfoList& list);

}  // namespace morvane
