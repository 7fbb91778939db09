// FVAR, the plain file of the flash variables: "FVAR" and 64 little-endian values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "reports/FlashVars.h"
#include "stick/AtomicFile.h"
#include "stick/FileOperations.h"
#include "stick/StickPaths.h"
#include "stick/StickStream.h"

namespace morvane {

inline constexpr std::size_t kFlashVarFileSize = 4 + 4 * kFlashVarCount;

// Decodes the 260 bytes at the start of `file` (later bytes are ignored). False, with
// `vars` untouched, when `file` is shorter or does not start with "FVAR".
bool decodeFlashVars(std::span<const std::uint8_t> file, FlashVars& vars);
std::array<std::uint8_t, kFlashVarFileSize> encodeFlashVars(const FlashVars& vars);

// Reads FVAR from `stream`, opened for binary reading, and leaves the stream open.
bool readFlashVars(StickStream& stream, FlashVars& vars);
// The same from a stream the reader takes over and closes; false for none.
bool readFlashVars(std::unique_ptr<StickStream> stream, FlashVars& vars);

// Replaces FVAR, relative to the current directory (the stick root), with the 260 bytes
// of `vars`, compressed when the old FVAR was. On failure the old file stays exactly as
// it was.
SaveOutcome writeFlashVars(const FlashVars& vars, FileOperations& files = systemFileOperations());

}  // namespace morvane
