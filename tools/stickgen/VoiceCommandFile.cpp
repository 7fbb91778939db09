// Each record is a 16-byte entry header (marker 0, four unused bytes, command id, item
// count) and one 8-byte item per phoneme whose first word holds the phoneme index. The
// list ends with a header whose marker is not 0. Unused bytes stay 0.
#include "tools/stickgen/VoiceCommandFile.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {
namespace {

constexpr std::size_t kFileHeaderSize = 16;
constexpr std::size_t kEntryHeaderSize = 16;
constexpr std::size_t kItemSize = 8;
constexpr std::uint32_t kEndMarker = 0xFFFFFFFF;

std::size_t fileSize(std::span<const VoiceCommand> commands)
{
    std::size_t size = kFileHeaderSize + kEntryHeaderSize;
    for (const VoiceCommand& command : commands)
        size += kEntryHeaderSize + kItemSize * command.phonemes.size();
    return size;
}

void putEntryHeader(ByteWriter& out, std::uint32_t marker, std::uint32_t id, std::size_t items)
{
    out.put32(marker);
    out.put32(0);
    out.put32(id);
    out.put32(static_cast<std::uint32_t>(items));
}

}  // namespace

std::vector<std::uint8_t> encodeVoiceCommandFile(std::span<const VoiceCommand> commands)
{
    ByteWriter out(fileSize(commands));
    out.putText("arrc");
    out.seek(kFileHeaderSize);
    for (const VoiceCommand& command : commands) {
        putEntryHeader(out, 0, command.id, command.phonemes.size());
        for (const std::uint16_t phoneme : command.phonemes) {
            out.put32(phoneme);
            out.put32(0);
        }
    }
    putEntryHeader(out, kEndMarker, 0, 0);
    return std::move(out).take();
}

}  // namespace morvane::stickgen
