// FVAR is stored plain, without scrambling or checksum.
#include "reports/FlashVarFile.h"

#include "base/ByteReaders.h"
#include "stick/StickFileContent.h"
#include "stick/StickFileSave.h"

namespace morvane {

bool decodeFlashVars(std::span<const std::uint8_t> file, FlashVars& vars)
{
    if (file.size() < kFlashVarFileSize || !hasMagic(file, 0, "FVAR"))
        return false;
    for (std::size_t i = 0; i < kFlashVarCount; ++i)
        vars.values[i] = static_cast<std::int32_t>(readLittleEndian32(file, 4 + 4 * i));
    return true;
}

std::array<std::uint8_t, kFlashVarFileSize> encodeFlashVars(const FlashVars& vars)
{
    std::array<std::uint8_t, kFlashVarFileSize> file{'F', 'V', 'A', 'R'};
    for (std::size_t i = 0; i < kFlashVarCount; ++i) {
        const auto value = static_cast<std::uint32_t>(vars.values[i]);
        for (std::size_t byte = 0; byte < 4; ++byte)
            file[4 + 4 * i + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
    return file;
}

bool readFlashVars(StickStream& stream, FlashVars& vars)
{
    std::array<std::uint8_t, kFlashVarFileSize> file{};
    return stream.read(file.data(), file.size()) == file.size() && decodeFlashVars(file, vars);
}

bool readFlashVars(std::unique_ptr<StickStream> stream, FlashVars& vars)
{
    if (!stream)
        return false;
    const bool read = readFlashVars(*stream, vars);
    StickStream::close(std::move(stream));
    return read;
}

// Written through a temporary file and a rename: truncating FVAR in place would lose the
// robot's maturity and skills if the save broke off halfway. A compressed FVAR stays
// compressed, and bytes after the variables, which this program does not know, are kept;
// an FVAR that cannot be read again whole is not replaced.
SaveOutcome writeFlashVars(const FlashVars& vars, FileOperations& files)
{
    const StickFileContent old = readStickFileContent(kFlashVarPath, kMaxStickFileContent);
    if (old.outcome == StickFileContent::Outcome::TooLarge ||
        old.outcome == StickFileContent::Outcome::Unreadable)
        return SaveOutcome::Failed;
    const std::array<std::uint8_t, kFlashVarFileSize> owned = encodeFlashVars(vars);
    std::vector<std::uint8_t> content(owned.begin(), owned.end());
    if (old.bytes.size() > kFlashVarFileSize)
        content.insert(content.end(), old.bytes.begin() + kFlashVarFileSize, old.bytes.end());
    return saveStickFile(kFlashVarPath, content, files);
}

}  // namespace morvane
