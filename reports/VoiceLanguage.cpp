// The phoneme tables of the robot's speech languages: phoneme index i of a stored voice
// command is spelled as entry i. Most entries begin with a blank; the few that do not
// join the text before them.
#include "reports/VoiceLanguage.h"

namespace morvane {
namespace {

constexpr std::array<std::string_view, 43> kEnglishPhonemes{{
    " -",  " --", " aa", " ae", " ah", " ao", " aw", " ax", " ay", " b", " ch", "_",  " d", " dh", " eh",
    " er", " ey", " f",  " g",  " h",  " ih", " ix", " iy", " jh", " k", " l",  " m", " n", " ng", " ow",
    " oy", " p",  " r",  " s",  " sh", " t",  " th", " uh", " uw", " v", " w",  " y", " z",
}};
constexpr std::array<std::string_view, 30> kJapanesePhonemes{{
    " gap0", "_1", " /N/", " a", " e", " i", " o", " u", " vowel8", " u(o^)", " b", " d",  " f",  " g",  " h",
    " j",    " k", " m",   " n", " p", " r", " s", " t", " w",      " y",     " z", " ch", " sh", " ts", "_3",
}};
constexpr std::array<std::string_view, 37> kFrenchPhonemes{{
    " -",  " --", " aa", " ae", " vowel4", " ao", " rr", " ch", " j/g", " ?9", ".",  " ?11", " ?12-",
    " ax", " ay", " b",  " d",  " ei",     " en", " f",  " g",  " i?",  "_?",  " k", " l",   " m",
    " n",  " ow", " oy", " p",  " s",      " t",  " uw", " v",  " w",   " y",  " z",
}};

constexpr std::array<VoiceLanguage, 4> kVoiceLanguages{{
    {1, "english", kEnglishPhonemes},
    {3, "english", kEnglishPhonemes},
    {2, "japanese", kJapanesePhonemes},
    {5, "french", kFrenchPhonemes},
}};

}  // namespace

const VoiceLanguage* findVoiceLanguage(std::int32_t languageCode)
{
    for (const VoiceLanguage& language : kVoiceLanguages) {
        if (language.code == languageCode)
            return &language;
    }
    return nullptr;
}

}  // namespace morvane
