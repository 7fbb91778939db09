// The speech languages whose voice commands can be spelled, by language code.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace morvane {

struct VoiceLanguage {
    std::int32_t code;      // the language code of the stick's VERSION file
    std::string_view name;  // as the report and the phoneme reference address spell it
    std::span<const std::string_view> phonemes;
};

// The language of `languageCode`, or nullptr (German, "none" and an unknown language
// have no phoneme table).
const VoiceLanguage* findVoiceLanguage(std::int32_t languageCode);

}  // namespace morvane
