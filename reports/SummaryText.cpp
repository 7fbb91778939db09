// Texts derived from the robot's values for the Summary.
#include "reports/SummaryText.h"

#include <array>

#include "base/TextFormat.h"

namespace morvane {

std::string formatPercent(std::string_view format, std::int32_t value)
{
    std::string percent;
    if (value < 0 || value > 10000) {
        percent = formatText("bad value %ld", static_cast<long>(value));
    } else {
        percent = formatText("%d", value / 100);
        if (value % 100 != 0)
            percent += formatText(".%02d", value % 100);
        percent += '%';
    }
    std::string text(format);
    if (const std::size_t at = text.find("%s"); at != std::string::npos)
        text.replace(at, 2, percent);
    return text;
}

std::string formatClockTime(std::int32_t hour, std::int32_t minute)
{
    const bool afternoon = hour > 12;
    return formatText("%2d:%02d %cM", afternoon ? hour - 12 : hour, minute, afternoon ? 'P' : 'A');
}

// The ball beats the bone and is no more than 1000 behind skill 4: a curious or spoiled
// robot; walking no more than 1000 behind future skill 9 makes it the first of each pair.
// The differences are taken in 64 bits, so extreme stored values cannot overflow.
std::string_view personalityText(const FlashVars& vars)
{
    static constexpr std::array<std::array<std::string_view, 2>, 2> kTexts{{
        {"I am a curious AIBO", "I am a fine spoiled AIBO"},
        {"I am a respectable AIBO", "I am a smart affectionate AIBO"},
    }};
    const std::int64_t ball = vars[FlashVarSlot::ballSkill];
    const bool firstChoiceOne =
        ball > vars[FlashVarSlot::boneSkill] && ball > std::int64_t{vars[FlashVarSlot::skill4]} - 1000;
    const bool secondChoiceOne =
        std::int64_t{vars[FlashVarSlot::walkSkill]} > std::int64_t{vars[FlashVarSlot::futureSkill9]} - 1000;
    return kTexts[firstChoiceOne ? 0 : 1][secondChoiceOne ? 0 : 1];
}

}  // namespace morvane
