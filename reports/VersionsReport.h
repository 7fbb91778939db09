// The "(versions)" report: the raw version and language bytes of the four VERSION files.
#pragma once

#include <string_view>

#include "reports/InfoList.h"
#include "stick/StickStream.h"

namespace morvane {

// Writes `title`, then either the file's two value lines or exactly one error line.
// `stream` is the file opened for binary reading, or nullptr when it is missing.
void dumpVersionFile(StickStream* stream, std::string_view title, InfoList& list);

}  // namespace morvane
