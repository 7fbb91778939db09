// Reading ARRMAIN.BIN: a 16-byte "arrc" header, then command records (a 16-byte entry
// header and 8-byte phoneme items) until the file ends or a non-zero marker. Every read
// has a fixed size, so a huge item count only reads until the file ends.
#include "reports/VoiceCommands.h"

#include <array>
#include <cstdint>
#include <string>

#include "base/ByteReaders.h"
#include "base/TextFormat.h"

namespace morvane {
namespace {

constexpr std::uint32_t kDogNameId = 1;
constexpr std::uint32_t kOwnerNameId = 256;
constexpr std::int64_t kPhonemesPerLine = 8;
constexpr std::string_view kIndent = "   ";

std::string labelLine(std::uint32_t commandId)
{
    if (commandId == kDogNameId)
        return "Dog's Registered Name :";
    if (commandId == kOwnerNameId)
        return "Owner Name :";
    return formatText("Other VCmd #%d", static_cast<int>(commandId)) + " :";
}

std::string spell(std::uint32_t index, std::span<const std::string_view> phonemes)
{
    if (index < phonemes.size())
        return std::string(phonemes[index]);
    return formatText(" ?%02d?", static_cast<int>(index));
}

// Writes the phonemes of one record, eight to a line; false when an item is cut short.
// Lines of eight already written stay; the unfinished line is not written then.
bool listPhonemes(StickStream& file, std::int32_t count, InfoList& list,
                  std::span<const std::string_view> phonemes)
{
    std::string line(kIndent);
    for (std::int64_t i = 0; i < count; ++i) {
        std::array<std::uint8_t, 8> item{};
        if (file.read(item.data(), item.size()) != item.size())
            return false;
        line += spell(readLittleEndian32(item, 0) & 0xFFFF, phonemes);
        if (i % kPhonemesPerLine == kPhonemesPerLine - 1) {
            list.addLine(line);
            line = kIndent;
        }
    }
    list.addLine(line);
    return true;
}

}  // namespace

bool listVoiceCommands(StickStream& file, InfoList& list, std::span<const std::string_view> phonemes)
{
    std::array<std::uint8_t, 16> header{};
    if (file.read(header.data(), header.size()) != header.size() || !hasMagic(header, 0, "arrc"))
        return false;
    int listed = 0;
    for (;;) {
        std::array<std::uint8_t, 16> entry{};
        if (file.read(entry.data(), entry.size()) != entry.size() || readLittleEndian32(entry, 0) != 0)
            return listed > 0;
        list.addLine("");
        list.addLine(labelLine(readLittleEndian32(entry, 8) & 0xFFFF));
        const auto count = static_cast<std::int32_t>(readLittleEndian32(entry, 12));
        if (!listPhonemes(file, count, list, phonemes))
            return false;
        ++listed;
    }
}

}  // namespace morvane
