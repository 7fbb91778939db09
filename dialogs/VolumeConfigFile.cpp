// Reading works like the C library's scan of " 0x%X 0x%X" per pair: white space (spaces,
// tabs, line ends) may come before each "0x", the digits are of either case, and a
// number too large for 32 bits cannot be read.
#include "dialogs/VolumeConfigFile.h"

#include <cstdint>
#include <optional>
#include <span>

#include "reports/TextFormat.h"
#include "stick/AtomicFile.h"

namespace morvane {
namespace {

constexpr std::uint32_t kMutedCheckValue = 0x8000;
constexpr std::uint32_t kCompanionStep = 0x300;

bool isWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::optional<int> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

void skipWhiteSpace(StickStream& stream)
{
    for (std::optional<char> c = stream.getChar(); c; c = stream.getChar()) {
        if (!isWhiteSpace(*c)) {
            stream.ungetChar(*c);
            return;
        }
    }
}

bool readLiteral(StickStream& stream, std::string_view literal)
{
    for (const char expected : literal) {
        if (stream.getChar() != expected)
            return false;
    }
    return true;
}

// One or more hexadecimal digits; the character after them is put back.
std::optional<std::uint32_t> readHexNumber(StickStream& stream)
{
    std::uint64_t value = 0;
    bool anyDigit = false;
    for (std::optional<char> c = stream.getChar(); c; c = stream.getChar()) {
        const std::optional<int> digit = hexDigitValue(*c);
        if (!digit) {
            stream.ungetChar(*c);
            break;
        }
        value = value * 16 + static_cast<std::uint64_t>(*digit);
        if (value > UINT32_MAX)
            return std::nullopt;
        anyDigit = true;
    }
    if (!anyDigit)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::optional<std::uint32_t> readPrefixedNumber(StickStream& stream)
{
    skipWhiteSpace(stream);
    if (!readLiteral(stream, "0x"))
        return std::nullopt;
    return readHexNumber(stream);
}

// A pair is accepted when its first number mutes or its second is the companion.
std::optional<std::uint16_t> readVolumePair(StickStream& stream)
{
    const std::optional<std::uint32_t> volume = readPrefixedNumber(stream);
    if (!volume)
        return std::nullopt;
    const std::optional<std::uint32_t> companion = readPrefixedNumber(stream);
    if (!companion)
        return std::nullopt;
    if (*volume != kMutedCheckValue && *volume != *companion + kCompanionStep)
        return std::nullopt;
    return static_cast<std::uint16_t>(*volume);
}

}  // namespace

bool readVolumeConfig(StickStream& stream, VolumeWords& words)
{
    for (std::uint16_t& word : words) {
        const std::optional<std::uint16_t> pair = readVolumePair(stream);
        if (!pair)
            return false;
        word = *pair;
    }
    return true;
}

std::string encodeVolumeConfig(const VolumeWords& words)
{
    std::string file;
    for (const std::uint16_t word : words)
        file += formatText("0x%04X 0x%04X\r\n", static_cast<unsigned>(word),
                           static_cast<unsigned>(companionWord(word)));
    file += "MIDI_Master_Tune:8\r\n\r\n";
    return file;
}

// Through a temporary file and a rename: emptying the file first and writing it line by
// line would leave the robot a cut-off VOLUME.CFG if the stick filled up or was pulled.
bool writeVolumeConfig(const VolumeWords& words, FileOperations& files)
{
    const std::string file = encodeVolumeConfig(words);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
    return replaceFileAtomically(kVolumeConfigPath, std::span(bytes, file.size()), files);
}

}  // namespace morvane
