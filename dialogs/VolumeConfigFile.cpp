// Reading works like the C library's scan of " 0x%X 0x%X" per pair on the text: white
// space (spaces, tabs, line ends) may come before each "0x", the digits are of either
// case, and a number too large for 32 bits cannot be read. It reads the stored bytes,
// CR LF pairs included, which changes nothing: CR and LF are both white space, and both
// end a number.
#include "dialogs/VolumeConfigFile.h"

#include <cstdint>
#include <span>

#include "base/TextFormat.h"
#include "stick/StickFileSave.h"

namespace morvane {
namespace {

constexpr std::uint32_t kMutedCheckValue = 0x8000;
constexpr std::uint32_t kCompanionStep = 0x300;
constexpr std::string_view kMidiTuneLines = "MIDI_Master_Tune:8\r\n\r\n";

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

// A reading position in the file.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    std::size_t at() const { return at_; }

    void skipWhiteSpace()
    {
        while (at_ < text_.size() && isWhiteSpace(text_[at_]))
            ++at_;
    }

    bool takeLiteral(std::string_view literal)
    {
        if (text_.substr(at_, literal.size()) != literal)
            return false;
        at_ += literal.size();
        return true;
    }

    // One or more hexadecimal digits.
    std::optional<std::uint32_t> takeHexNumber()
    {
        std::uint64_t value = 0;
        const std::size_t start = at_;
        for (; at_ < text_.size(); ++at_) {
            const std::optional<int> digit = hexDigitValue(text_[at_]);
            if (!digit)
                break;
            value = value * 16 + static_cast<std::uint64_t>(*digit);
            if (value > UINT32_MAX)
                return std::nullopt;
        }
        if (at_ == start)
            return std::nullopt;
        return static_cast<std::uint32_t>(value);
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::optional<std::uint32_t> takePrefixedNumber(Cursor& cursor)
{
    cursor.skipWhiteSpace();
    if (!cursor.takeLiteral("0x"))
        return std::nullopt;
    return cursor.takeHexNumber();
}

// A pair is accepted when its first number mutes or its second is the companion.
std::optional<std::uint16_t> takeVolumePair(Cursor& cursor)
{
    const std::optional<std::uint32_t> volume = takePrefixedNumber(cursor);
    if (!volume)
        return std::nullopt;
    const std::optional<std::uint32_t> companion = takePrefixedNumber(cursor);
    if (!companion)
        return std::nullopt;
    if (*volume != kMutedCheckValue && *volume != *companion + kCompanionStep)
        return std::nullopt;
    return static_cast<std::uint16_t>(*volume);
}

std::size_t lineStartBefore(std::string_view file, std::size_t at)
{
    const std::size_t newline = file.find_last_of('\n', at == 0 ? 0 : at - 1);
    return at == 0 || newline == std::string_view::npos ? 0 : newline + 1;
}

std::size_t lineEndAfter(std::string_view file, std::size_t at)
{
    const std::size_t newline = file.find('\n', at);
    return newline == std::string_view::npos ? file.size() : newline + 1;
}

bool holdsMidiTuneLine(std::string_view file)
{
    for (std::size_t line = 0; line < file.size(); line = lineEndAfter(file, line)) {
        if (file.substr(line).starts_with("MIDI_Master_Tune"))
            return true;
    }
    return false;
}

std::string pairLines(const VolumeWords& words)
{
    std::string lines;
    for (const std::uint16_t word : words)
        lines += formatText("0x%04X 0x%04X\r\n", static_cast<unsigned>(word),
                            static_cast<unsigned>(companionWord(word)));
    return lines;
}

}  // namespace

std::optional<VolumePairs> readVolumePairs(std::string_view file)
{
    Cursor cursor(file);
    cursor.skipWhiteSpace();
    VolumePairs pairs;
    pairs.begin = lineStartBefore(file, cursor.at());
    for (std::uint16_t& word : pairs.words) {
        const std::optional<std::uint16_t> pair = takeVolumePair(cursor);
        if (!pair)
            return std::nullopt;
        word = *pair;
    }
    pairs.end = lineEndAfter(file, cursor.at());
    return pairs;
}

std::string encodeVolumeConfig(const VolumeWords& words)
{
    return pairLines(words) + std::string(kMidiTuneLines);
}

std::string updateVolumeConfig(std::string_view old, const std::optional<VolumePairs>& pairs,
                               const VolumeWords& words)
{
    if (!pairs)
        return encodeVolumeConfig(words);
    std::string file(old.substr(0, pairs->begin));
    file += pairLines(words);
    if (!holdsMidiTuneLine(old))
        file += kMidiTuneLines;
    file += old.substr(pairs->end);
    return file;
}

// Through a temporary file and a rename: emptying the file first and writing it line by
// line would leave the robot a cut-off VOLUME.CFG if the stick filled up or was pulled.
SaveOutcome writeVolumeConfig(std::string_view file, FileOperations& files)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(file.data());
    return saveStickFile(kVolumeConfigPath, std::span(bytes, file.size()), files);
}

}  // namespace morvane
