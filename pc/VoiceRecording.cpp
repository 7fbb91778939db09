// The chunks are walked from the RIFF header: each chunk's size is checked against the
// bytes left before it is skipped or read, and the samples are only looked at, never
// copied. The data chunk's size is believed only when what follows it is chunks to
// the file's end: a size too small would otherwise pass, give a wrong length, and perhaps
// call a recording silence.
#include "pc/VoiceRecording.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "base/ByteReaders.h"
#include "base/TextFormat.h"

namespace morvane {
namespace {

struct Chunk {
    std::string_view id;
    std::uint32_t size;                  // as the chunk says
    std::span<const std::uint8_t> data;  // what the file holds of it
};

std::optional<Chunk> chunkAt(std::span<const std::uint8_t> wav, std::size_t at)
{
    if (at + 8 > wav.size())
        return std::nullopt;
    const std::uint32_t size = readLittleEndian32(wav, at + 4);
    const std::size_t held = std::min<std::size_t>(size, wav.size() - at - 8);
    return Chunk{std::string_view(reinterpret_cast<const char*>(wav.data() + at), 4), size,
                 wav.subspan(at + 8, held)};
}

// Whether `wav` holds a chunk's id at `at`: four printable ASCII characters, as "LIST".
bool isChunkId(std::span<const std::uint8_t> wav, std::size_t at)
{
    return std::all_of(wav.begin() + static_cast<std::ptrdiff_t>(at),
                       wav.begin() + static_cast<std::ptrdiff_t>(at + 4),
                       [](std::uint8_t c) { return c >= 0x20 && c < 0x7f; });
}

// Whether what lies from `at` to the end of `wav` is what a WAVE file holds after its
// samples: chunks, the last perhaps cut short, and perhaps a few stray bytes too few for a
// chunk's header. Samples are no chunk: the robot's are bytes near 128, never ASCII.
bool chunksFrom(std::span<const std::uint8_t> wav, std::uint64_t at)
{
    while (at + 8 <= wav.size()) {
        if (!isChunkId(wav, static_cast<std::size_t>(at)))
            return false;
        const std::uint32_t size = readLittleEndian32(wav, static_cast<std::size_t>(at) + 4);
        at += 8 + std::uint64_t{size} + (size & 1);
    }
    return true;
}

bool isVoiceFormat(std::span<const std::uint8_t> format)
{
    return format.size() >= 16 && readLittleEndian16(format, 0) == 1 && readLittleEndian16(format, 2) == 1 &&
           readLittleEndian32(format, 4) == kVoiceSampleRate && readLittleEndian16(format, 12) == 1 &&
           readLittleEndian16(format, 14) == 8;
}

}  // namespace

std::string VoiceRecording::secondsText() const
{
    const std::uint32_t tenths = (samples + kVoiceSampleRate / 20) / (kVoiceSampleRate / 10);
    return formatText("%u.%u", static_cast<unsigned>(tenths / 10), static_cast<unsigned>(tenths % 10));
}

std::variant<VoiceRecording, std::string> readVoiceRecording(std::span<const std::uint8_t> wav)
{
    if (wav.size() < 12 || std::string_view(reinterpret_cast<const char*>(wav.data()), 4) != "RIFF" ||
        std::string_view(reinterpret_cast<const char*>(wav.data() + 8), 4) != "WAVE")
        return std::string("not a WAVE file");
    bool formatSeen = false;
    std::size_t at = 12;
    while (const std::optional<Chunk> chunk = chunkAt(wav, at)) {
        if (chunk->id == "fmt ") {
            if (!isVoiceFormat(chunk->data))
                return std::string("not 8 kHz 8-bit mono PCM");
            formatSeen = true;
        } else if (chunk->id == "data") {
            if (!formatSeen)
                return std::string("not 8 kHz 8-bit mono PCM");
            if (chunk->data.size() < chunk->size)
                return "its data size says " + std::to_string(chunk->size) + " bytes, the file holds " +
                       std::to_string(chunk->data.size());
            // A writer may leave out the pad byte after an odd size.
            const std::uint64_t after = at + 8 + std::uint64_t{chunk->size};
            if (!chunksFrom(wav, after + (chunk->size & 1)) && !chunksFrom(wav, after))
                return "its data size says " + std::to_string(chunk->size) +
                       " bytes, and bytes that are no chunk follow them";
            const bool silent = std::all_of(chunk->data.begin(), chunk->data.end(), [](std::uint8_t sample) {
                return sample >= 127 && sample <= 129;
            });
            return VoiceRecording{chunk->size, silent};
        }
        at += 8 + chunk->data.size() + (chunk->size & 1);
    }
    return std::string("cut short");
}

}  // namespace morvane
