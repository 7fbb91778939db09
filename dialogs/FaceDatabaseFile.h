// Loading FIFDATA.BIN from the stick, read whole before any check of its content.
#pragma once

#include <string_view>
#include <variant>

#include "dialogs/FaceDatabase.h"
#include "stick/StickPaths.h"
#include "stick/StickStream.h"

namespace morvane {

// The most faces a database may hold here. The robot keeps a handful; the limit keeps a
// file with a bogus record count from making the viewer allocate gigabytes.
inline constexpr std::uint64_t kMostFaces = 65536;

// Reads and checks the database from `stream`, opened for binary reading. A file larger
// than kMostFaces records is not read whole: its header is checked, and a good header
// gives BadSize.
std::variant<FaceDatabase, FaceDatabaseError> loadFaceDatabase(StickStream& stream);

}  // namespace morvane
